// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Pressure lost across a meter of bore d fitted in a pipe of bore D between
// two reducers of a given included taper angle: the reducers' loss (gradual or,
// at 180 degrees, abrupt change of section) plus the meter's own loss, shown
// in millibar, bar and psi.

#include "core/velocity/values.h"

#include <optional>

namespace velocity {

// Meters of this bore and larger have no own-loss figures; the size
// proposals show no loss for them.
inline constexpr double kLargestMeterBoreMm = 700;

// The taper angle as used: the whole degrees of the typed angle (rounded
// down), with angles the reducer table does not cover moved to the nearest
// case it does (121..178 and 182 upwards to 180, an abrupt change; 61..118 to
// 60). `corrected` says the angle was moved and the screen writes it back.
struct TaperAngle {
    float degrees = 0;
    bool corrected = false;
};
TaperAngle correctTaperAngle(double typedDegrees);

// Loss coefficient K of a gradual reducer pair by whole taper degrees and area
// ratio r = d^2 / D^2 (wider tapers lose more when r is above 0.179).
double reducerCoefficient(float taperDegrees, double areaRatio);
// Loss coefficient of an abrupt contraction with diameter ratio beta = d / D:
// 0.75 (1 - beta^2) from 0.715 up, 0.4 (1.25 - beta^2) below.
double contractionCoefficient(double beta);

// The reducers' loss in millibar, for a meter bore d and a pipe bore D in
// millimetres (D may be negative: only its square and d / D enter), the
// velocity v in the meter bore (m/s) and the fluid density.
double reducerLossMillibar(float taperDegrees, double dMm, double pipeMm, double v, double densityKgPerM3);

// The nominal bore (millimetres) whose meter-loss coefficient applies to a
// meter bore. The bands leave small gaps between them (18 to 18.01, 22.5 to
// 22.51, ...); a bore there takes the band below. Nothing from 700 mm up or at
// 0 and below.
std::optional<int> meterLossNominalBore(double boreMm);
// The meter-loss coefficient C (32-bit) of a meter bore, for the flow in
// cubic metres per hour; 0 where the bore has no nominal bore.
float meterLossCoefficient(double boreMm);
// The meter's own loss in millibar: C q^1.9904 x 1000, q the flow in cubic
// metres per hour through the bore d at the velocity v.
double meterLossMillibar(float coefficient, double dMm, double v);
// Whether a meter type has a reduced bore and so a loss of its own (the
// Veldrix meters and Brevil; a Prandel meter has the full bore).
bool hasOwnLoss(MeterType type);

// A loss in millibar as bar, and as pounds per square inch (6894.757 pascals
// each, the converter's figure).
double millibarToBar(double millibar);
double millibarToPsi(double millibar);

} // namespace velocity
