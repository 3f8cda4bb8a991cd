// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/probe/probecalc.h"

#include "core/common/constants.h"
#include "core/common/numbers.h"

#include <cmath>

namespace probe {
namespace {
// The probe calculation is defined with these rounded figures, and the last
// digits it shows depend on them, so they are kept as they are rather than
// replaced by exact values or by the suite's shared constants:
//  - the blockage term of the insertion factor uses pi to ten digits;
constexpr double kPiBlockage = 3.141592654;
//  - the bore area of the flow per unit velocity uses pi to six digits
//    (a 200 mm bore shows 31.41590 l/s at 1 m/s, not 31.41593);
constexpr double kPiBoreArea = 3.14159;
//  - the US-gallon flow divides by 3.78841 litres, a little more than the
//    3.78778 the rest of the suite uses (kLitresPerUsGallon).
constexpr double kProbeLitresPerUsGallon = 3.78841;
} // namespace

std::optional<ProbeFactors> probeVelocityAndFlow(double diameter, bool metric, int location, int flowUnit)
{
    double d = diameter;
    if (!metric)
        d *= units::kMmPerInch;
    if (!(d > 0))
        return std::nullopt;

    const double r = d / 2000; // pipe radius in metres
    ProbeFactors f;
    switch (location) {
    case MeanVelocityPoint: {
        // Power-law velocity profile whose exponent grows with the pipe size;
        // the probe sits where the local velocity equals the mean.
        const double x = d / 0.001;
        const double n = 1.66 * std::log(x) / std::log(10.0);
        const double ratio = 2 * n * n / ((n + 1) * (2 * n + 1));
        const double y = r * std::pow(ratio, n); // distance from the wall, metres
        f.profile = std::pow(1 - (r - y) / r, 1 / n);
        f.insertion = 1 / (1 - 38 / (kPiBlockage * d));
        break;
    }
    case CentreLine:
        f.profile = 1;
        f.insertion = 1 + 12.096 / d + 1.3042 / std::sqrt(d);
        break;
    case EighthDiameter:
        f.profile = 1;
        f.insertion = 1 + 12.096 / d - 1.3042 / std::sqrt(d);
        break;
    default:
        break;
    }
    f.combined = f.insertion * f.profile;

    const double litres = d * kPiBoreArea * d / 4000;
    switch (flowUnit) {
    case LitresPerSecond:
        f.flowPerVelocity = litres;
        break;
    case CubicMetresPerSecond:
        f.flowPerVelocity = (d / 1000) * kPiBoreArea * (d / 1000) / 4;
        break;
    case ImpGallonsPerSecond:
        f.flowPerVelocity = litres / units::kLitresPerImpGallon;
        break;
    case UsGallonsPerSecond:
        f.flowPerVelocity = d * d * kPiBoreArea / 4000 / kProbeLitresPerUsGallon;
        break;
    case MegalitresPerSecond:
        f.flowPerVelocity = litres / 1000000;
        break;
    default:
        break;
    }
    return f;
}

bool showable(double value) { return std::isfinite(value) && value >= 0; }

namespace {
QString shown(double value, QStringView maskText) { return showable(value) ? num::mask(value, maskText) : QString(); }
} // namespace

ProbeTexts probeTexts(const ProbeFactors &f)
{
    return {shown(f.profile, u"0.000"), shown(f.insertion, u"0.000"), shown(f.combined, u"0.000"),
            shown(f.flowPerVelocity, u"#####0.00000")};
}

} // namespace probe
