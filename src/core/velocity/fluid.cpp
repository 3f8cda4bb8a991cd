// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/velocity/fluid.h"

namespace velocity {

Regime regimeOf(double wholeReynolds)
{
    const double r = wholeReynolds;
    if (r > 10000)
        return Regime::Turbulent;
    if (r > 0 && r < 2500)
        return Regime::Laminar;
    if (r > 2500 && r < 10000)
        return Regime::Transitional;
    return Regime::None;
}

double reynoldsNumber(float densityKgPerM3, float viscosityPascalSeconds, double boreMm, double metresPerSecond)
{
    return double(densityKgPerM3) / double(viscosityPascalSeconds) * (boreMm / 1000 * metresPerSecond);
}

} // namespace velocity
