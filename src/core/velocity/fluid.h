#pragma once
// Fluid properties and the Reynolds number of the flow in the meter bore,
// with the flow regime it points to.

#include "core/velocity/values.h"
#include "core/lang/texttable.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace sizing {

// Water: 1000 kg/m3 and 1.0019 centipoise.
inline constexpr float kWaterDensityKgPerM3 = 1000;
inline constexpr double kWaterViscosityCentipoise = 1.0019;

// What the Reynolds step writes: the number as plain integer text for
// TxtReynolds and the regime label for TxtLblTurbLAm; nothing = the box keeps
// its text.
struct ReynoldsTexts {
    std::optional<QString> reynolds;
    std::optional<QString> regime;
};

// The regime label of a Reynolds number's integer part: turbulent (text
// slot 50) above 10000, transitional (51) strictly between 2500 and 10000,
// laminar (52) above 0 and below 2500, and no label at exactly 2500 or 10000
// or at 0 and below.
QString regimeLabel(double wholeReynolds, const TextTable &texts);

// The fluid step of the full recalculation, after showPipeVelocity:
//  - stores the density and the viscosity (typed in centipoise, held in
//    pascal-seconds) as 32-bit values: water's with `water` checked, the typed
//    ones with `otherFluid` checked, none with neither;
//  - with a density and a viscosity text above 0, works out
//    Re = density / viscosity x (D / 1000 x velocity), D the typed bore in
//    millimetres (inches x 25.4), the velocity in metres per second; stores it
//    and shows its integer part (rounded down) with the label that goes with
//    it. Otherwise shows "0" with no label and keeps the stored number.
// The label always goes with the number shown. A value that does not fit
// (a density beyond 32 bits, a viscosity that rounds to 0) or a run without a
// finite velocity changes nothing.
ReynoldsTexts fluidPropertiesAndReynolds(bool water, bool otherFluid, QStringView densityText,
                                         QStringView viscosityText, QStringView meterSizeText,
                                         const TextTable &texts, velocity::Recalculation &run,
                                         velocity::SharedValues &shared);

} // namespace sizing
