#pragma once
// The accuracy a chosen meter type would have at the flow and meter size
// typed on the velocity screen:
//  - Prandel: from the mean velocity (0.15 % from 0.5 m/s up, worse below),
//    with larger figures for meters above 600 mm;
//  - Veldrix Battery and Veldrix Mains: from the band of the flow between the
//    size's minimum flow Q1, transitional flow Q2 and best-accuracy flow Qb;
//  - Brevil: from the mean velocity, never better than a floor.
// Also the nominal meter size the payback reads, and the total pressure loss
// the size proposals show.

#include "core/velocity/values.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace accuracy {

// On the imperial screen the flow limits are lowered by this factor.
inline constexpr float kImperialLimitFactor = 0.9687f;

// The meter size s in whole millimetres: the typed size rounded half to even;
// on the imperial screen the typed inches x 25.4 rounded half to even, taken
// to its nominal millimetre size. Nothing when the millimetres do not fit the
// model's 16-bit range (-32768 to 32767).
std::optional<short> meterSizeMm(QStringView meterSizeText, bool metric);
// The mean velocity in metres per second the model works with.
double meterVelocity(const velocity::Recalculation &run);

// Prandel text for size s and velocity v: "± 0.15%" (up to 600 mm) or
// "± 0.2%" (from 601 mm) above 0.499999 m/s; below 0.5 m/s "± x%" with
// x = 0.75 / (10 v), or 1 / (10 v) from 601 mm. Nothing (the box keeps its
// text) under 14 mm or without a velocity.
std::optional<QString> prandelText(int s, double v);
// Brevil text: as Prandel with "± 0.15%" / "± 0.20%", and below 0.5 m/s
// x = 0.25 / (10 v) but at least 0.15, or 0.3333 / (10 v) but at least 0.2
// from 601 mm.
std::optional<QString> brevilText(int s, double v);

// The flow limits of a Veldrix variant for a size; nothing for a size the
// table does not list.
std::optional<velocity::LimitRow> veldrixLimits(velocity::MeterType variant, int s);
// The band accuracy in percent of a flow q (cubic metres per hour) against
// limits as used (already scaled for imperial): the variant's best value from
// Qb up, 2 from Q2, 5 from Q1, 0 below Q1 or for no flow.
float veldrixBandAccuracy(velocity::MeterType variant, double q, const velocity::LimitRow &limits);
// "±  .5%", "±  .25%", "±  2%", "±  5%", or "<Q1" for 0.
QString veldrixText(float bandAccuracy);

// What the accuracy step asks of the accuracy frame; nothing = keep the text.
struct AccuracyTexts {
    std::optional<QString> prandel; // TxtAccurMagWW
    bool showPrandel = false;       // show TxtAccurMagWW and TxtLblAccurMagWW
    std::optional<QString> veldrix; // TxtAccurVeldrix
    std::optional<QString> brevil;  // TxtAccurBrevilReal
    bool showBrevil = false;        // show TxtAccurBrevilReal and TxtLblAccurBrevilReal
};

// The accuracy step of the full recalculation, after computePipeVelocity.
// Works out s (into run.meterSizeMm; 0 outside the 16-bit range) and v on
// every run, then the branch of shared.meterType:
//  - Prandel and Brevil show their boxes from 14 mm up;
//  - Veldrix works out the flow at the meter q = v s s / 1273.3 x 3.6 and
//    judges it against the size's limit row (stored in shared.limits; on the
//    imperial screen each limit times 0.9687 for this run only). A size
//    without a row, or not above 0, gives an empty text; no flow with a listed
//    size gives "<Q1". q is stored in shared.meterFlowM3PerHour.
// A run without a finite velocity changes no text.
AccuracyTexts accuracyModel(QStringView meterSizeText, velocity::Recalculation &run, velocity::SharedValues &shared);

// Stores s as the nominal meter size (after showPipeVelocity).
void storeNominalMeterSize(const velocity::Recalculation &run, velocity::SharedValues &shared);

// The total pressure loss in bar (reducer + meter loss in millibar, / 1000)
// as the size proposals show it, "####0.0000"; nothing if not finite.
std::optional<QString> totalPressureLossText(const velocity::SharedValues &shared);

} // namespace accuracy
