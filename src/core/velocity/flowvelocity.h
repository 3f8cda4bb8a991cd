// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Flow units of the velocity tools and the constants of the mean velocity in
// the meter bore.
//
// A flow is typed in one of thirteen units and converted to litres per
// second, the one flow quantity the sizing works in. The velocity is
// Q x 1273.3 / D / D: with Q in litres per second and D in millimetres this is
// metres per second (1273.3 stands for 4 000 000 / pi). With D in inches (the
// imperial screen) the same figure is 645.16 times too large; the display
// turns it into feet per second and the shared value into metres per second.

#include "core/convert/catalogue.h"
#include "core/lang/texttable.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <span>

namespace velocity {

// 4 000 000 / pi, rounded as the sizing is defined with it: litres per second
// over square millimetres to metres per second.
inline constexpr double kVelocityFactor = 1273.3;
// Square millimetres in a square inch (25.4 squared).
inline constexpr double kSquareMmPerSquareInch = 645.16;

// One step of a unit's conversion to litres per second.
struct FlowStep {
    double by = 1;
    bool divide = false;
};

// A flow unit: its composed name and the steps that turn a typed value into
// litres per second, applied left to right in double precision.
struct FlowUnit {
    conv::UnitName name;
    std::array<FlowStep, 4> steps{};
    int stepCount = 0;
};

// The thirteen units in list order (cubic metres per hour is the fourth).
std::span<const FlowUnit> flowUnits();
// Their names, to fill the flow-unit combo box.
QStringList flowUnitNames(const TextTable &texts);
// The unit a combo-box text names: an exact, case-sensitive comparison with
// every name in list order, the last equal one winning; nullptr for none.
const FlowUnit *recogniseFlowUnit(QStringView unitText, const TextTable &texts);
// A typed value in litres per second, in double precision.
double toLitresPerSecond(double typed, const FlowUnit &unit);

} // namespace velocity
