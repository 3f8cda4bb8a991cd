#include "core/velocity/fluid.h"

#include "core/common/constants.h"
#include "core/common/numbers.h"

#include <cmath>

namespace sizing {
namespace {
constexpr int kTurbulent = 50;
constexpr int kTransitional = 51;
constexpr int kLaminar = 52;
} // namespace

QString regimeLabel(double wholeReynolds, const TextTable &texts)
{
    const double r = wholeReynolds;
    if (r > 10000)
        return texts.slot(kTurbulent);
    if (r > 0 && r < 2500)
        return texts.slot(kLaminar);
    if (r > 2500 && r < 10000)
        return texts.slot(kTransitional);
    return QString();
}

ReynoldsTexts fluidPropertiesAndReynolds(bool water, bool otherFluid, QStringView densityText,
                                         QStringView viscosityText, QStringView meterSizeText,
                                         const TextTable &texts, velocity::Recalculation &run,
                                         velocity::SharedValues &shared)
{
    run.reynoldsComputed = false;
    const double typedDensity = num::leadingNumber(densityText);
    const double typedViscosity = num::leadingNumber(viscosityText);

    float density = shared.densityKgPerM3;
    float viscosity = shared.viscosityPascalSeconds;
    if (water) {
        density = kWaterDensityKgPerM3;
        viscosity = num::toFloat(kWaterViscosityCentipoise / 1000);
    } else if (otherFluid) {
        density = num::toFloat(typedDensity);
        viscosity = num::toFloat(typedViscosity / 1000);
    }
    if (!std::isfinite(density) || !std::isfinite(viscosity))
        return {};
    shared.densityKgPerM3 = density;
    shared.viscosityPascalSeconds = viscosity;
    if (!run.velocityFinite)
        return {};

    if (!(typedViscosity > 0 && typedDensity > 0))
        return {QStringLiteral("0"), QString()};

    double bore = num::leadingNumber(meterSizeText);
    if (!run.metric)
        bore *= units::kMmPerInch;
    const double reynolds =
        double(density) / double(viscosity) * (bore / 1000 * shared.pipeVelocityMetresPerSecond);
    if (!std::isfinite(reynolds))
        return {};
    shared.reynoldsNumber = reynolds;
    run.reynoldsComputed = true;
    const double whole = std::floor(reynolds);
    return {num::general15(whole), regimeLabel(whole, texts)};
}

} // namespace sizing
