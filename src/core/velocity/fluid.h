// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Fluid properties and the Reynolds number of the flow in the meter bore,
// with the flow regime it points to.

namespace velocity {

// Water: 1000 kg/m3 and 1.0019 centipoise.
inline constexpr float kWaterDensityKgPerM3 = 1000;
inline constexpr double kWaterViscosityCentipoise = 1.0019;

enum class Regime { None, Laminar, Transitional, Turbulent };

// The regime of a Reynolds number's integer part: turbulent above 10000,
// transitional strictly between 2500 and 10000, laminar above 0 and below
// 2500, and none at exactly 2500 or 10000 or at 0 and below.
Regime regimeOf(double wholeReynolds);

// Re = density / viscosity x (D / 1000 x v), worked out in this order: D the
// bore in millimetres, v the velocity in metres per second, the viscosity in
// pascal-seconds.
double reynoldsNumber(float densityKgPerM3, float viscosityPascalSeconds, double boreMm, double metresPerSecond);

} // namespace velocity
