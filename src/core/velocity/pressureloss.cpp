// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/velocity/pressureloss.h"

#include "core/common/constants.h"
#include "core/velocity/flowvelocity.h"

#include <cmath>

namespace velocity {
namespace {

constexpr double kGravity = 9.81;
constexpr double kTwoGravity = 19.62;

double squared(double x) { return x * x; }

// K by whole degrees up to and including `upTo`; `narrow` for r <= 0.179,
// `wide` above.
struct TaperBand {
    float upTo;
    double narrow;
    double wide;
};
constexpr TaperBand kTaperBands[] = {
    {8, 0.15, 0.15},   {12, 0.18, 0.18},  {17, 0.25, 0.25}, {22, 0.4, 0.4},
    {27, 0.55, 0.55},  {32, 0.675, 0.8},  {37, 0.75, 0.9},  {42, 0.85, 1.0},
    {47, 0.93, 1.1},   {52, 0.94, 1.1},   {57, 0.98, 1.15},
};
constexpr TaperBand kWidestTaper{0, 1.0, 1.2};
constexpr double kNarrowAreaRatio = 0.179;

// Meter bores above the previous bound up to and including `upTo` take
// `nominal` and its coefficient.
struct MeterBand {
    double upTo;
    int nominal;
    float c;
};
constexpr MeterBand kMeterBands[] = {
    {18.01, 15, 0.0336f},       {22.51, 20, 0.0122f},        {32.51, 25, 0.0062f},
    {45.01, 40, 0.0008f},       {57.51, 50, 0.0003f},        {72.51, 65, 0.0001f},
    {90.01, 80, 0.00005f},      {125.01, 100, 0.00002f},     {175.01, 150, 0.000004f},
    {225.01, 200, 0.000001f},   {275.01, 250, 0.0000005f},   {325.01, 300, 0.0000002f},
    {375.01, 350, 0.0000001f},  {425.01, 400, 0.00000008f},  {475.01, 450, 0.00000005f},
    {550.01, 500, 0.00000004f},
};
// The last band ends below the largest meter with figures.
constexpr MeterBand kLargestMeter{kLargestMeterBoreMm, 600, 0.00000001f};

const MeterBand *meterBand(double boreMm)
{
    if (!(boreMm > 0))
        return nullptr;
    for (const MeterBand &b : kMeterBands) {
        if (boreMm <= b.upTo)
            return &b;
    }
    return boreMm < kLargestMeter.upTo ? &kLargestMeter : nullptr;
}

} // namespace

TaperAngle correctTaperAngle(double typedDegrees)
{
    TaperAngle a;
    a.degrees = float(std::floor(typedDegrees));
    if (a.degrees > 120 && a.degrees < 179)
        a = {180, true};
    if (a.degrees > 60 && a.degrees < 119)
        a = {60, true};
    if (a.degrees > 181)
        a = {180, true};
    return a;
}

double reducerCoefficient(float taperDegrees, double areaRatio)
{
    const TaperBand *band = &kWidestTaper;
    for (const TaperBand &b : kTaperBands) {
        if (taperDegrees <= b.upTo) {
            band = &b;
            break;
        }
    }
    return areaRatio <= kNarrowAreaRatio ? band->narrow : band->wide;
}

double contractionCoefficient(double beta)
{
    const double b2 = squared(beta);
    return beta >= 0.715 ? 0.75 * (1 - b2) : 0.4 * (1.25 - b2);
}

double reducerLossMillibar(float taperDegrees, double dMm, double pipeMm, double v, double densityKgPerM3)
{
    const double rho = densityKgPerM3;
    const double pipeVelocity = squared(dMm) * v / squared(pipeMm);
    // The loss as a head of fluid, then in millibar.
    double head = 0;
    if (taperDegrees != 180) {
        const double k = reducerCoefficient(taperDegrees, squared(dMm) / squared(pipeMm));
        head = squared(v - pipeVelocity) * k / kTwoGravity;
    } else {
        const double kc = contractionCoefficient(dMm / pipeMm);
        const double pascals = rho * squared(v - pipeVelocity) / 2 + kc * squared(v) * rho / 2;
        head = rho > 0 ? pascals / rho / kGravity : 0;
    }
    return rho * head * kGravity / 100;
}

std::optional<int> meterLossNominalBore(double boreMm)
{
    if (const MeterBand *b = meterBand(boreMm))
        return b->nominal;
    return std::nullopt;
}

float meterLossCoefficient(double boreMm)
{
    const MeterBand *b = meterBand(boreMm);
    return b ? b->c : 0.0f;
}

double meterLossMillibar(float coefficient, double dMm, double v)
{
    if (!(coefficient > 0))
        return 0;
    const double q = v * 3.6 * squared(dMm) / kVelocityFactor;
    return double(coefficient) * std::pow(q, 1.9904) * 1000;
}

bool hasOwnLoss(MeterType type)
{
    return type == MeterType::VeldrixMains || type == MeterType::Brevil || type == MeterType::VeldrixBattery;
}

double millibarToBar(double millibar) { return millibar / 1000; }
double millibarToPsi(double millibar) { return millibar * 100 / units::kPascalsPerPsi; }

} // namespace velocity
