// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The velocity tools' calculations as one model: typed inputs in, typed
// results out, in the steps a recalculation runs.
//
// A full recalculation runs, in this order: the pipe velocity, the accuracy of
// the chosen meter type, the velocity as shown, the nominal meter size kept
// for the payback, the fluid and its Reynolds number, then the pressure loss
// (pressure-loss tool) or the proposed sizes (meter-size tool). The steps are
// separate calls because the screen writes some results between them, and
// writing a field there runs that field's handler before the next step (the
// velocity shown runs the payback, a corrected taper angle a recalculation of
// its own). What outlives a run is in SharedValues, which only the model
// changes; what one run hands from step to step is in Run.
//
// The model knows numbers only; velocity::Presenter turns its results into the
// texts the screen, a data sheet or a command line shows.

#include "core/velocity/accuracymodel.h"
#include "core/velocity/inputs.h"
#include "core/velocity/metersizing.h"
#include "core/velocity/payback.h"
#include "core/velocity/pressureloss.h"
#include "core/velocity/values.h"

#include <array>
#include <optional>

namespace velocity {

// The working data of one full recalculation, handed from step to step.
struct Run {
    // The unit system the run was started in: the bore was typed in
    // millimetres (metric) or inches.
    bool metric = true;
    // Whether the typed flow and the typed bore are above zero.
    bool flowPositive = false;
    bool sizePositive = false;
    // Q x 1273.3 / D / D of the typed flow and bore. With D in millimetres
    // this is metres per second; with D in inches it is 645.16 times that.
    double rawVelocity = 0;
    // False when the velocity is not a finite number (a huge flow, a tiny
    // bore): the steps after it then leave their results as they were.
    bool velocityFinite = true;
    // Meter size in millimetres as the accuracy model rounds it (0 when the
    // typed size is outside the model's 16-bit range).
    short meterSizeMm = 0;
    // Whether this run worked out a Reynolds number (valid fluid data and a
    // finite result); the pressure loss needs one from this run.
    bool reynoldsComputed = false;

    // A flow and a bore both above zero are needed for a velocity; otherwise
    // the velocity box is emptied.
    bool hasVelocityInputs() const { return flowPositive && sizePositive; }
};

// The accuracy step's result for the chosen meter type. "Nothing" keeps what
// the box shows.
struct AccuracyResult {
    MeterType type = MeterType::None;
    // Prandel and Brevil from 14 mm: their result box is shown.
    bool showBox = false;
    // Prandel and Brevil.
    std::optional<RatedAccuracy> rated;
    // Veldrix: the band accuracy (0 below Q1), or no figure at all for a size
    // the limit table does not list (`listed` false).
    struct Veldrix {
        bool listed = false;
        float bandPercent = 0;
    };
    std::optional<Veldrix> veldrix;
};

// The fluid step's result.
struct ReynoldsResult {
    enum class Outcome {
        Keep,     // nothing to show anew: the boxes keep their texts
        NoFluid,  // no density or viscosity above 0: "0" and no regime
        Computed, // `reynolds` worked out this run
    };
    Outcome outcome = Outcome::Keep;
    double reynolds = 0;
};

// The pressure-loss step's result: the total of the reducers' and the meter's
// loss in millibar when this run worked it out, and the Reynolds number that
// decides whether it shows.
struct PressureResult {
    std::optional<double> totalMillibar;
    double reynolds = 0;
};

// The proposed sizes, millimetres or, on the imperial screen, inches.
struct SizesResult {
    enum class Outcome {
        Keep,  // a negative flow or a bore beyond range: the boxes keep their sizes
        Empty, // no flow: the boxes are emptied
        Sized,
    };
    Outcome outcome = Outcome::Keep;
    std::array<float, kProposals> sizes{}; // largest, smallest, 1, 2, 3 m/s
};

// What stored the typed flow did.
enum class FlowStatus {
    Stored,      // the converted flow was stored
    NotPositive, // the typed flow is 0, negative or not a number: unchanged
    UnknownUnit, // the unit text names no unit: unchanged
    TooLarge,    // the flow does not fit a 32-bit value: unchanged
};

// The payback calculation's result.
struct PaybackResult {
    // The existing meter is already as good as the new one: the user is told,
    // and nothing else is worked out.
    bool alreadyBetter = false;
    // The annual usage to show in its box, worked out from the flow.
    std::optional<float> usageShown;
    // Nothing when the inputs are incomplete: the results keep their texts.
    std::optional<Revenue> revenue;
};

class Model
{
public:
    explicit Model(SharedValues &shared) : m_shared(shared) {}

    const SharedValues &shared() const { return m_shared; }

    // Steps of the full recalculation, in the order they run.
    // 1. The velocity from the typed flow (in double precision, not the
    //    stored 32-bit flow) and bore. In metric mode it is stored at once; in
    //    imperial mode the stored velocity is 0 until step 3.
    Run pipeVelocity(const Inputs &in);
    // 2. The chosen meter type's accuracy; keeps s in the run (and the flow at
    //    the meter and the limit row for a Veldrix type).
    AccuracyResult accuracy(const Inputs &in, Run &run);
    // 3. The velocity as shown (metres per second, or feet per second on the
    //    imperial screen); stores the metres per second. Nothing without a
    //    flow and a bore above zero or a finite velocity.
    std::optional<double> shownVelocity(const Run &run);
    // 4. Keeps s as the nominal meter size the payback reads.
    void storeNominalSize(const Run &run);
    // 5. Stores the fluid's density and viscosity and works out the Reynolds
    //    number.
    ReynoldsResult fluid(const Inputs &in, Run &run);
    // 6. The pressure loss at the taper angle as corrected
    //    (correctTaperAngle). The meter's own loss is worked out in the
    //    meter-size tool and for a meter type with a reduced bore; otherwise
    //    the one last worked out stays. Nothing without a Reynolds number above
    //    0 from this run or a meter bore above 0.
    PressureResult pressureLoss(const Inputs &in, float taperDegrees, const Run &run);
    // 7. The proposed sizes for the stored flow (the typed flow decides only
    //    whether to size).
    SizesResult sizeMeters(const Inputs &in) const;

    // The typed flow in litres per second, stored for the proposed sizes.
    FlowStatus storeFlow(const Inputs &in);

    // The meter type the user chose (None when no option is selected); the
    // meter's own loss starts again from 0.
    void chooseMeterType(MeterType type);

    // Whether a usage typed into its box counts instead of the worked-out one.
    void setAnnualUsageTyped(bool typed) { m_shared.annualUsageTyped = typed; }
    // Revenue loss and payback from the annual usage.
    PaybackResult payback(const PaybackInputs &in) const;

private:
    SharedValues &m_shared;
};

} // namespace velocity
