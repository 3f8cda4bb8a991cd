// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the user has typed and chosen on a velocity tool, as texts and as the
// numbers the calculations take. Every run reads its inputs once, at its
// start: typed numbers leniently (the longest leading number, a text without
// one counts as 0), the flow unit by its exact name in the loaded language,
// the typed annual usage strictly.

#include "core/lang/texttable.h"
#include "core/velocity/flowvelocity.h"
#include "core/velocity/payback.h"
#include "core/velocity/tool.h"
#include "core/velocity/values.h"

#include <QString>
#include <optional>

namespace velocity {

// The inputs as the screen's boxes hold them.
struct InputTexts {
    VelocityTool tool = VelocityTool::Velocity;
    bool metric = true;
    QString flow;
    QString unit;      // the flow unit list's text
    QString meterSize; // millimetres, or inches on the imperial screen
    QString pipeSize;
    QString taperAngle;
    Fluid fluid = Fluid::Water;
    QString density;   // kg/m3
    QString viscosity; // centipoise
    MeterType checkedMeterType = MeterType::None;
};

// The inputs of a run.
struct Inputs {
    VelocityTool tool = VelocityTool::Velocity;
    bool metric = true;
    double flow = 0;                // in `unit`
    const FlowUnit *unit = nullptr; // the unit the list's text names; none gives no velocity
    double meterSize = 0;           // bore: millimetres, or inches on the imperial screen
    double pipeSize = 0;            // in the same unit; 0 means no reducers
    double taperAngle = 0;          // included angle of the reducers, degrees
    Fluid fluid = Fluid::Water;
    double density = 0;             // typed, kg/m3 (water's own figure while water is ticked)
    double viscosity = 0;           // typed, centipoise
    MeterType checkedMeterType = MeterType::None; // the meter type option shown selected
};
Inputs readInputs(const InputTexts &texts, const TextTable &table);

// The payback inputs as the payback frame holds them.
struct PaybackTexts {
    bool metric = true;
    Supply supply = Supply::None;
    QString annualUsage;
    QString meterPrice;
    QString currentAccuracy; // percent
    QString waterCharge;
    QString sewageCharge;
};

// The payback inputs of a run.
struct PaybackInputs {
    bool metric = true;
    Supply supply = Supply::None;
    Charges charges;
    // The annual usage box: empty, or its strict reading (0 for a text that is
    // not a number; nothing for a number beyond 32 bits).
    bool usageEmpty = true;
    std::optional<float> typedUsage;
};
PaybackInputs readPaybackInputs(const PaybackTexts &texts);

} // namespace velocity
