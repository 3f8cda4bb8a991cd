// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The four velocity tools worked out for one set of entries, straight
// through velocity::Model's steps and velocity::Presenter's texts, ending
// with the texts a fresh velocity screen shows after a user made these
// entries in this order:
//
//   velocity, pressure loss: the meter type clicked; another fluid ticked,
//     its density and viscosity typed; the pipe size and the taper angle
//     typed; the flow unit chosen from the list; the meter size typed; the
//     flow typed.
//   meter size: the flow unit chosen; the flow typed.
//   payback: the flow unit chosen, the meter size and the flow typed; the
//     supply clicked; a click into the annual usage box and the usage typed;
//     the meter price, water charge, sewage charge and the existing meter's
//     accuracy typed.
//
// On the screen each entry runs the calculator's cascade; only the last run
// of each step decides what shows, so one pass through the steps gives the
// same texts far faster (a fleet file has a million rows). A result the
// screen would leave as it was (a step that works out nothing for these
// entries) is no result here: the entries are refused with the reason.
// tests/core/cli/tst_cli_direct.cpp plays the same entries through
// velocity::Calculator on TextFields and compares every text.

#include "core/lang/texttable.h"
#include "core/velocity/flowvelocity.h"
#include "core/velocity/metersizing.h"
#include "core/velocity/payback.h"
#include "core/velocity/tool.h"
#include "core/velocity/values.h"

#include <QString>
#include <array>
#include <optional>

namespace cli {

// The entries as numbers, each read from its text as the screen reads it
// (num::leadingNumber of the typed text).
struct VelocityEntries {
    velocity::VelocityTool tool = velocity::VelocityTool::Velocity;
    bool metric = true;
    bool hasFlow = false; // a flow, its unit and (but for the size tool) a meter size
    double flow = 0;
    const velocity::FlowUnit *unit = nullptr;
    double meterSize = 0; // an imperial fraction already as its decimal
    double pipeSize = 0;  // 0: no reducers
    double taperAngle = 0;
    QString taperAngleText; // as typed
    velocity::MeterType meterType = velocity::MeterType::None;
    bool otherFluid = false;
    double density = 0;   // kg/m3
    double viscosity = 0; // centipoise
    // Payback.
    velocity::Supply supply = velocity::Supply::None;
    velocity::Charges charges; // the existing accuracy as a fraction
    std::optional<QString> annualUsage; // typed
};

struct VelocityResults {
    QString velocity, reynolds, regime, accuracy;
    QString lossMillibar, lossBar, lossPsi, angleUsed;
    std::array<QString, velocity::kProposals> sizes, sizeLosses, fullBoreLosses;
    QString annualUsage, revenueLoss, payback, paybackCaption;
    bool paybackInDays = false;

    // The model's numbers behind the texts (NaN where there is none).
    double velocityValue = 0, reynoldsValue = 0, accuracyPercent = 0;
    double lossMillibarValue = 0;
    std::array<float, velocity::kProposals> sizeValues{};
    std::array<double, velocity::kProposals> sizeLossBarValues{};
    float annualUsageValue = 0;
    double revenueLossValue = 0, paybackYears = 0;
};

// Works out the results of the entries' tool into `results` (a fleet file
// uses one for every row; the fields of the other tools are left as they
// are). False, with the reason in `error`, when they are refused.
bool workOut(const VelocityEntries &entries, const TextTable &texts, VelocityResults &results, QString *error);

} // namespace cli
