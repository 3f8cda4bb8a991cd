// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Physical conversion constants shared by the whole suite. These are the
// figures the suite's results are defined with; the velocity tools and
// the converter take them from here.
namespace units {

// Litres in one imperial gallon.
inline constexpr double kLitresPerImpGallon = 4.54609;
// Litres in one US gallon as the flow calculations use it. It is a little
// above the exact 3.785411784; the converter's volume units use 3.7854
// instead, and the two figures are kept apart on purpose.
inline constexpr double kLitresPerUsGallon = 3.78778;
// Millimetres in one inch (exact).
inline constexpr double kMmPerInch = 25.4;
// Feet in one metre as the velocity display uses it (not 3.2808399).
inline constexpr double kFeetPerMetre = 3.280819;
// Pascals in one pound-force per square inch.
inline constexpr double kPascalsPerPsi = 6894.757;

} // namespace units
