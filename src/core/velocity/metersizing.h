// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Nominal meter sizes: a bore rounded to the nominal size of its band, shown in
// millimetres or, on the imperial screen, as the matching nominal inch size
// with the common fractions written as fractions; and the bores that carry a
// flow at the velocities a meter is sized for.

#include <QString>
#include <QStringView>
#include <optional>

namespace velocity {

// The nominal size (millimetres) of a bore: the first band whose upper bound
// the bore is below, compared as 32-bit values. 1901 mm or more is 2000.
float nominalSizeMm(float boreMm);
// The nominal inch size of a nominal millimetre size; nothing for a value that
// is not a nominal size.
std::optional<float> nominalInches(float nominalMm);
// A bore in millimetres rounded to its nominal size; on the imperial screen,
// unless the millimetres are asked for, the nominal inch size instead.
float roundToNominalSize(float boreMm, bool keepMillimetres, bool metric);

// Display text of a size: "1/8", "1/4", "3/8", "15/32", "1/2", "3/4" for those
// inch sizes, otherwise the shortest decimal text ("25", "1.5").
QString fractionText(float size);
// The same six fractions typed (or copied from a proposal) as an imperial
// meter size become their decimal text ("3/8" to "0.375") before anything
// reads them, because the lenient reading would take "3/8" as 3. Metric mode
// and any other text give nothing.
std::optional<QString> imperialFractionRewrite(QStringView meterSizeText, bool metric);

// The proposed sizes, in the order their boxes stand: the largest sensible
// meter (0.5 m/s), the smallest (10 m/s), and the sizes for 1, 2 and 3 m/s.
inline constexpr int kProposals = 5;
// The bore (millimetres) that carries the flow at proposal `index`'s velocity:
// the square root of Q K / v (K is 1273.2 for 2 m/s, 1273.3 for the others).
double proposedBoreMm(float flowLitresPerSecond, int index);

} // namespace velocity
