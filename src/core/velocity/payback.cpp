// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/velocity/payback.h"

#include "core/common/constants.h"
#include "core/common/numbers.h"

#include <QLocale>
#include <cmath>

namespace velocity {
namespace {
constexpr double kTolerance = 0.0000001;
} // namespace

double newMeterAccuracy(Supply supply)
{
    switch (supply) {
    case Supply::Mains:
        return 0.0025;
    case Supply::Battery:
        return 0.005;
    case Supply::None:
        break;
    }
    return 0;
}

bool alreadyBetter(const Charges &charges, Supply supply)
{
    const double c = charges.currentAccuracy;
    return c > 0 && c < newMeterAccuracy(supply) + kTolerance;
}

std::optional<float> annualUsage(double velocityMetresPerSecond, double nominalSizeMm, bool metric)
{
    const double d = nominalSizeMm;
    float usage = num::toFloat(velocityMetresPerSecond * d * d * 60 * 60 * 24 * 365 / 1273300);
    if (!metric)
        usage = num::toFloat(double(usage) / units::kLitresPerUsGallon);
    if (!std::isfinite(usage))
        return std::nullopt;
    return usage;
}

std::optional<float> typedAnnualUsage(QStringView text)
{
    const QString trimmed = text.trimmed().toString();
    bool ok = false;
    double value = QLocale().toDouble(trimmed, &ok);
    if (!ok) {
        const std::optional<double> plain = num::strictNumber(trimmed);
        ok = plain.has_value();
        value = plain.value_or(0);
    }
    if (!ok)
        return 0.0f;
    const float usage = num::toFloat(value);
    if (!std::isfinite(usage))
        return std::nullopt;
    return usage;
}

bool complete(const Charges &charges, Supply supply)
{
    return charges.water > 0 && charges.meterPrice > 0 && charges.currentAccuracy > 0
           && newMeterAccuracy(supply) > 0;
}

std::optional<Revenue> revenueAndPayback(float annualUsage, const Charges &charges, Supply supply)
{
    const double total = (charges.sewage + charges.water) * double(annualUsage);
    const double loss = (charges.currentAccuracy - newMeterAccuracy(supply)) * total;
    double years = 0;
    if (loss > 0)
        years = charges.meterPrice / loss;
    if (!std::isfinite(loss) || !std::isfinite(years))
        return std::nullopt;
    return Revenue{loss, years};
}

} // namespace velocity
