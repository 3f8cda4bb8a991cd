// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The accuracy a chosen meter type would have at the flow and meter size of
// the velocity tools:
//  - Prandel: from the mean velocity (0.15 % from 0.5 m/s up, worse below),
//    with larger figures for meters above 600 mm;
//  - Veldrix Battery and Veldrix Mains: from the band of the flow between the
//    size's minimum flow Q1, transitional flow Q2 and best-accuracy flow Qb;
//  - Brevil: from the mean velocity, never better than a floor.

#include "core/velocity/values.h"

#include <optional>

namespace velocity {

// On the imperial screen the flow limits are lowered by this factor.
inline constexpr float kImperialLimitFactor = 0.9687f;
// Smaller meters than this (millimetres) have no Prandel or Brevil figure.
inline constexpr int kSmallestRatedMeterMm = 14;
// The mean velocity (metres per second) from which Prandel and Brevil hold
// their fixed figure; below it their figure grows as the velocity falls.
inline constexpr double kFixedFigureVelocity = 0.5;

// The meter size s in whole millimetres: the typed size rounded half to even;
// on the imperial screen the typed inches x 25.4 rounded half to even, taken
// to its nominal millimetre size. Nothing when the millimetres do not fit the
// model's 16-bit range (-32768 to 32767).
std::optional<short> meterSizeMm(double typedSize, bool metric);

// The accuracy of a meter rated by velocity (Prandel, Brevil), in percent:
// the type's fixed figure from 0.5 m/s (`fixed`), or the figure worked out
// below it. `largeMeter` is set above 600 mm, where larger figures apply.
struct RatedAccuracy {
    double percent = 0;
    bool fixed = false;
    bool largeMeter = false;
};
// Prandel for size s (mm) and velocity v (m/s): 0.15 % (up to 600 mm) or 0.2 %
// (from 601 mm) above 0.499999 m/s; below 0.5 m/s 0.75 / (10 v), or 1 / (10 v)
// from 601 mm. Nothing under 14 mm, without a velocity, or when the figure is
// not finite.
std::optional<RatedAccuracy> prandelAccuracy(int s, double v);
// Brevil: as Prandel with 0.15 % / 0.20 %, and below 0.5 m/s 0.25 / (10 v) but
// at least 0.15, or 0.3333 / (10 v) but at least 0.2 from 601 mm.
std::optional<RatedAccuracy> brevilAccuracy(int s, double v);

// The flow at the meter in cubic metres per hour: v s s / 1273.3 litres per
// second, times 3.6.
double meterFlowM3PerHour(double v, int s);
// The flow limits of a Veldrix variant for a size; nothing for a size the
// table does not list.
std::optional<LimitRow> veldrixLimits(MeterType variant, int s);
// The limits as used on the imperial screen (each times 0.9687).
LimitRow imperialLimits(const LimitRow &limits);
// The band accuracy in percent of a flow q (cubic metres per hour) against
// limits as used: the variant's best value from Qb up, 2 from Q2, 5 from Q1,
// 0 below Q1 or for no flow.
float veldrixBandAccuracy(MeterType variant, double q, const LimitRow &limits);

} // namespace velocity
