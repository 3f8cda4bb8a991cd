// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/velocity/metersizing.h"

#include "core/common/numbers.h"

#include <cmath>

namespace velocity {
namespace {

struct Band {
    float below;
    float nominal;
};
// Nominal pipe and meter sizes. There is no 32 and no 125.
constexpr Band kBands[] = {
    {4.5f, 3},      {7.5f, 6},      {10.5f, 9},     {13.5f, 12},    {18, 15},       {23, 20},
    {33, 25},       {46, 40},       {57, 50},       {68, 65},       {91, 80},       {126, 100},
    {176, 150},     {226, 200},     {276, 250},     {326, 300},     {376, 350},     {426, 400},
    {476, 450},     {551, 500},     {651, 600},     {726, 700},     {776, 750},     {851, 800},
    {951, 900},     {1051, 1000},   {1151, 1100},   {1301, 1200},   {1451, 1400},   {1551, 1500},
    {1701, 1600},   {1901, 1800},
};
constexpr float kLargestNominal = 2000;

struct InchSize {
    float mm;
    float inches;
};
constexpr InchSize kInches[] = {
    {3, 0.125f}, {6, 0.25f},  {9, 0.375f},  {12, 0.46875f}, {15, 0.5f},   {20, 0.75f},  {25, 1},
    {40, 1.5f},  {50, 2},     {65, 2.5f},   {80, 3},        {100, 4},     {150, 6},     {200, 8},
    {250, 10},   {300, 12},   {350, 14},    {400, 16},      {450, 18},    {500, 20},    {600, 24},
    {700, 27},   {750, 30},   {800, 32},    {900, 36},      {1000, 39},   {1100, 42},   {1200, 48},
    {1400, 54},  {1500, 60},  {1600, 66},   {1800, 72},     {2000, 80},
};

// The small inch sizes, as fractions and as decimals.
struct Fraction {
    float value;
    const char16_t *fraction;
    const char16_t *decimal;
};
constexpr Fraction kFractions[] = {
    {0.125f, u"1/8", u"0.125"}, {0.25f, u"1/4", u"0.25"},       {0.375f, u"3/8", u"0.375"},
    {0.46875f, u"15/32", u"0.46875"}, {0.5f, u"1/2", u"0.5"}, {0.75f, u"3/4", u"0.75"},
};

struct Target {
    double metresPerSecond;
    double k; // the 2 m/s size is defined with 1273.2
};
constexpr Target kTargets[kProposals] = {{0.5, 1273.3}, {10, 1273.3}, {1, 1273.3}, {2, 1273.2}, {3, 1273.3}};

} // namespace

float nominalSizeMm(float boreMm)
{
    for (const Band &b : kBands) {
        if (boreMm < b.below)
            return b.nominal;
    }
    return kLargestNominal;
}

std::optional<float> nominalInches(float nominalMm)
{
    for (const InchSize &s : kInches) {
        if (s.mm == nominalMm)
            return s.inches;
    }
    return std::nullopt;
}

float roundToNominalSize(float boreMm, bool keepMillimetres, bool metric)
{
    const float nominal = nominalSizeMm(boreMm);
    if (keepMillimetres || metric)
        return nominal;
    return nominalInches(nominal).value_or(nominal);
}

QString fractionText(float size)
{
    for (const Fraction &f : kFractions) {
        if (size == f.value)
            return QString::fromUtf16(f.fraction);
    }
    return num::general7(size);
}

std::optional<QString> imperialFractionRewrite(QStringView meterSizeText, bool metric)
{
    if (metric)
        return std::nullopt;
    for (const Fraction &f : kFractions) {
        if (meterSizeText == QStringView(f.fraction))
            return QString::fromUtf16(f.decimal);
    }
    return std::nullopt;
}

double proposedBoreMm(float flowLitresPerSecond, int index)
{
    const Target &t = kTargets[index];
    return std::sqrt(double(flowLitresPerSecond) * t.k / t.metresPerSecond);
}

} // namespace velocity
