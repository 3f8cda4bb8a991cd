// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Revenue an under-registering water meter loses each year, and how soon a
// new Veldrix meter pays for itself by registering better.
//
// The annual volume is the mean velocity through the nominal meter bore over a
// year, or a figure the user types. The revenue loss is the existing meter's
// shortfall beyond the new meter's own tolerance, priced at the water and
// sewage charges.

#include "core/velocity/values.h"

#include <QStringView>
#include <optional>

namespace velocity {

inline constexpr auto kAccuracyAlreadyBetter = "Existing meter accuracy apparently better than or equal to Veldrix";

// The new meter's accuracy as a fraction: 0.25 % mains, 0.5 % battery, 0
// without a choice.
double newMeterAccuracy(Supply supply);

// The typed charges: sewage S and water W per volume unit, the meter price P,
// and the existing meter's under-registration C as a fraction (typed in
// percent).
struct Charges {
    double sewage = 0;
    double water = 0;
    double meterPrice = 0;
    double currentAccuracy = 0;
};

// True when the existing meter is already as good as the new one (within a
// tolerance of 1E-07): the comparison would be meaningless.
bool alreadyBetter(const Charges &charges, Supply supply);

// The annual usage, 32-bit: v d d 60 60 24 365 / 1273300 cubic metres a year
// for a velocity v (m/s) through a nominal bore d (mm); on the imperial screen
// thousands of US gallons (the cubic metres / 3.78778). Nothing when the
// figure does not fit a 32-bit value.
std::optional<float> annualUsage(double velocityMetresPerSecond, double nominalSizeMm, bool metric);

// A typed annual usage: the whole text must be a number (the user's decimal
// separator or a full stop); anything else counts as no usage, 0. Nothing
// for a number too large for a 32-bit value.
std::optional<float> typedAnnualUsage(QStringView text);

// Whether the charges and the supply are complete enough for a result: water
// charge, meter price, current accuracy and new accuracy above 0 (the sewage
// charge may be 0 or even negative).
bool complete(const Charges &charges, Supply supply);

// The revenue lost per year, in the currency of the charges, and the years the
// new meter takes to pay for itself (0 when nothing is lost).
struct Revenue {
    double lossPerYear = 0;
    double paybackYears = 0;
};
// Nothing when the figures are not finite (a huge price or usage).
std::optional<Revenue> revenueAndPayback(float annualUsage, const Charges &charges, Supply supply);

} // namespace velocity
