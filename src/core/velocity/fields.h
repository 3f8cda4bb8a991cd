// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The boxes the velocity tools read their inputs from and write their results
// into, by what they hold, and the two places they live: the velocity screen's
// widgets, or plain texts (TextFields) for a run without a screen.

#include "core/velocity/inputs.h"
#include "core/velocity/metersizing.h"

#include <QString>
#include <array>

namespace velocity {

enum class Box {
    MeterSize,  // an input a run may rewrite (an imperial fraction as a decimal)
    TaperAngle, // an input a run may correct
    Velocity,
    Reynolds,
    Regime,
    PrandelAccuracy,
    VeldrixAccuracy,
    BrevilAccuracy,
    LossMillibar,
    LossBar,
    LossPsi,
    Size,               // five boxes each, in the order the proposals stand:
    SizeLoss = Size + kProposals,          // largest, smallest, 1, 2, 3 m/s
    FullBoreLoss = SizeLoss + kProposals,
    AnnualUsage = FullBoreLoss + kProposals,
    RevenueLoss,
    Payback,
    PaybackCaption,
};
inline constexpr int kBoxes = int(Box::PaybackCaption) + 1;

// Box `first` + i, for the boxes that come five in a row.
constexpr Box nth(Box first, int i) { return Box(int(first) + i); }
// The accuracy box of a meter type (both Veldrix types share one).
Box accuracyBox(MeterType type);

class Fields
{
public:
    virtual ~Fields() = default;

    virtual InputTexts inputs() const = 0;
    virtual PaybackTexts paybackInputs() const = 0;
    virtual QString text(Box box) const = 0;
    virtual void write(Box box, const QString &text) = 0;
    // True when writing a box runs its change handler before write() returns
    // (the screen's boxes); otherwise the calculator runs it itself.
    virtual bool runsHandlers() const { return false; }
    // The accuracy box of a velocity-rated meter and its caption appear.
    virtual void showAccuracy(MeterType type) = 0;
    // The existing meter is already as good as the new one: the user is told,
    // and its accuracy is emptied for a new figure (which runs the payback
    // again, as a change of that box does).
    virtual void alreadyBetter() = 0;
    // Reports each step as it runs, so a cascade can be followed.
    virtual void trace(const QString &step) { Q_UNUSED(step) }
};

// The fields as plain texts: the inputs as typed, the result boxes as a screen
// opened for the tool starts them.
class TextFields : public Fields
{
public:
    explicit TextFields(const TextTable &texts);

    InputTexts input;
    PaybackTexts payback;
    // How often the user was told that the existing meter is already as good.
    int toldAlreadyBetter = 0;

    InputTexts inputs() const override { return input; }
    PaybackTexts paybackInputs() const override { return payback; }
    QString text(Box box) const override;
    void write(Box box, const QString &text) override;
    void showAccuracy(MeterType) override {}
    void alreadyBetter() override;

private:
    std::array<QString, kBoxes> m_texts;
};

} // namespace velocity
