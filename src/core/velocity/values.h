// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The values the velocity tools' calculations share with each other: the
// flow and velocity worked out from the inputs, the fluid, the meter type the
// user chose and what the accuracy, pressure-loss and payback steps leave for
// the steps after them. They belong to the program, not to one opening of the
// screen (a meter type chosen once stays chosen), and every field carries its
// unit in its name. Only velocity::Model changes them.

namespace velocity {

// The meter types of the accuracy model, numbered as the screen's options.
enum class MeterType { None = -1, Prandel = 0, VeldrixMains = 1, Brevil = 2, VeldrixBattery = 3 };
inline constexpr int kMeterTypes = 4;

// The supply of a new Veldrix meter, which sets its accuracy.
enum class Supply { None, Mains, Battery };

// Which fluid box is ticked. Neither is only seen for a moment, while one box's
// handler is ticking the other.
enum class Fluid { Water, Other, Neither };

// Flow limits of one meter size: minimum flow Q1, transitional flow Q2 and the
// flow from which the best accuracy holds, Qb (Q1 < Q2 < Qb).
struct LimitRow {
    double q1M3PerHour = 0;
    double q2M3PerHour = 0;
    double qbM3PerHour = 0;
};

struct SharedValues {
    // The typed flow converted to litres per second, held as a 32-bit value.
    // Keeps its last value while the flow typed is not positive.
    float flowLitresPerSecond = 0;
    // Mean velocity in the meter bore, metres per second (the imperial display
    // in feet per second is worked out from it and never stored). On the
    // imperial screen a recalculation sets it to 0 in its first step and
    // stores the metres per second when it shows the velocity; only the
    // accuracy step runs in between, and it works from the run's own figure.
    double pipeVelocityMetresPerSecond = 0;

    // Fluid: density and dynamic viscosity as 32-bit values (the viscosity is
    // typed in centipoise and held in pascal-seconds).
    float densityKgPerM3 = 0;
    float viscosityPascalSeconds = 0;
    // Kept between recalculations; a step that cannot compute it leaves it.
    double reynoldsNumber = 0;

    // The accuracy model: chosen meter type, the nominal meter size of the
    // last run, the flow through the meter and the limit row last loaded.
    MeterType meterType = MeterType::None;
    double nominalMeterSizeMm = 0;
    double meterFlowM3PerHour = 0;
    LimitRow limits;

    // Pressure loss: the two loss terms that make the total, and the meter
    // loss coefficient, each kept until a run recomputes it.
    double reducerLossMillibar = 0;
    double meterLossMillibar = 0;
    float meterLossCoefficient = 0;

    // Payback: true once the user has clicked into the annual usage box, so a
    // typed annual usage is used instead of the one worked out from the flow.
    bool annualUsageTyped = false;
};

} // namespace velocity
