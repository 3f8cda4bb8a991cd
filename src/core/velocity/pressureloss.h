#pragma once
// Pressure lost across a meter of bore d fitted in a pipe of bore D between
// two reducers of a given included taper angle: the reducers' loss (gradual or,
// at 180 degrees, abrupt change of section) plus the meter's own loss, shown
// in millibar, bar and psi.

#include "core/velocity/values.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace sizing {

// The taper angle as used: the whole degrees of the typed angle (rounded
// down), with angles the reducer table does not cover moved to the nearest
// case it does (121..178 and 182 upwards to 180, an abrupt change; 61..118 to
// 60). When the angle was moved, `fieldText` is the text the screen writes back
// into the angle box ("180" or "60").
struct TaperAngle {
    float degrees = 0;
    std::optional<QString> fieldText;
};
TaperAngle correctTaperAngle(QStringView taperText);

// Loss coefficient K of a gradual reducer pair by whole taper degrees and area
// ratio r = d^2 / D^2 (wider tapers lose more when r is above 0.179).
double reducerCoefficient(float taperDegrees, double areaRatio);
// Loss coefficient of an abrupt contraction with diameter ratio beta = d / D:
// 0.75 (1 - beta^2) from 0.715 up, 0.4 (1.25 - beta^2) below.
double contractionCoefficient(double beta);

// The nominal bore (millimetres) whose meter-loss coefficient applies to a
// meter bore. The bands leave small gaps between them (18 to 18.01, 22.5 to
// 22.51, ...); a bore there takes the band below. Nothing from 700 mm up or at
// 0 and below.
std::optional<int> meterLossNominalBore(double boreMm);
// The meter-loss coefficient C (32-bit) of a meter bore, for the flow in
// cubic metres per hour; 0 where the bore has no nominal bore.
float meterLossCoefficient(double boreMm);

// The three loss boxes; nothing = the box keeps its text.
struct PressureTexts {
    std::optional<QString> millibar; // TxtPressMeter
    std::optional<QString> bar;      // TxtPressMeterbars
    std::optional<QString> psi;      // TxtPressMeterPsi
};

// The pressure loss after the fluid step, with the angle from
// correctTaperAngle. `meterOption` is the checked OptMeterType index (-1 for
// none): the meter's own loss is worked out for options 1 to 3 and in
// meter-size mode, and otherwise kept as stored. Bores are typed in
// millimetres (inches on the imperial screen); a pipe bore that is not above 0
// counts as the meter bore (no reducer). Stores the reducer loss, the meter
// loss and its coefficient in `shared`.
// Nothing is worked out without a Reynolds number above 0 from this run or
// without a meter bore above 0. The boxes show the total above Re 10000 and a
// single blank below 9999, and keep their texts in between. A loss that is not
// finite stores nothing and changes no box.
PressureTexts pressureLoss(float taperDegrees, QStringView meterSizeText, QStringView pipeSizeText, int meterOption,
                           bool meterSizeMode, const velocity::Recalculation &run, velocity::SharedValues &shared);

} // namespace sizing
