// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the velocity tools run when an input changes: the model's steps in
// their order, with the presenter's texts written into the fields between
// them.
//
// A changed box runs a handler of its own before the next step goes on (the
// velocity shown runs the payback, a rewritten meter size or taper angle a
// recalculation), so each text is written at the point a step produces it,
// never gathered up for the end. On the screen a write runs that handler
// through the box's signal; with plain TextFields the calculator runs it
// itself, so both end with the same texts.

#include "core/velocity/fields.h"
#include "core/velocity/model.h"
#include "core/velocity/presenter.h"

namespace velocity {

class Calculator
{
public:
    Calculator(SharedValues &shared, const TextTable &texts, Fields &fields);

    const Model &model() const { return m_model; }
    const Presenter &presenter() const { return m_present; }

    // What the screen's inputs run.
    // A box the calculator writes (meter size, taper angle, velocity, annual
    // usage) changed: what its change handler runs.
    void changed(Box box);
    // The flow, or its unit, changed: the full recalculation and the payback
    // (forgetting a typed annual usage when asked: typing does, a list choice
    // does not); in the meter-size tool the size chain instead.
    void flowChanged(bool forgetTypedUsage);
    // The meter size changed: the full recalculation and the payback.
    void meterSizeChanged();
    // A click into the meter size box: the annual usage follows the flow again.
    void meterSizeClicked();
    // A click into the annual usage box: a typed usage counts from now on.
    void annualUsageClicked();
    // A meter type was chosen (None: no option selected): its own pressure
    // loss starts again and the screen recalculates.
    void chooseMeterType(MeterType type);

    // The full recalculation.
    void fullRecalculation();
    // Each proposed size for the flow tried as the meter size, showing the
    // loss of a meter that size.
    void sizeChain();
    // Revenue loss and payback from the annual usage.
    void payback();

private:
    struct Recalculated {
        Inputs inputs;
        Run run;
    };
    Recalculated recalculate();
    PressureResult pressureLoss(const Inputs &in, const Run &run);
    void write(Box box, const QString &text);
    void write(Box box, const Text &text);

    Model m_model;
    Presenter m_present;
    Fields &m_fields;
};

} // namespace velocity
