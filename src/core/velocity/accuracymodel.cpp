#include "core/velocity/accuracymodel.h"

#include "core/common/constants.h"
#include "core/common/numbers.h"
#include "core/velocity/flowvelocity.h"
#include "core/velocity/metersizing.h"

#include <algorithm>
#include <cmath>

namespace accuracy {
namespace {

using velocity::LimitRow;
using velocity::MeterType;

constexpr double kM3PerHourPerLitresPerSecond = 3.6;
constexpr auto kPercentMask = u"##0.00";

// Velocity from which the fixed accuracy holds, and the sizes from which the
// large-meter figures apply (the two tests overlap from 601 to 609 mm, where
// the later one wins).
constexpr double kFullAccuracyVelocity = 0.499999;
constexpr double kLowVelocity = 0.5;
constexpr int kSmallestSize = 14;
constexpr int kSmallMeterBelow = 610;
constexpr int kLargeMeterAbove = 600;

// Flow limits in cubic metres per hour (Q1, Q2, Qb).
struct LimitEntry {
    short size;
    LimitRow battery;
    LimitRow mains;
};
constexpr LimitEntry kLimits[] = {
    {15, {0.01, 0.025, 0.23}, {0.004, 0.01, 0.075}},
    {20, {0.016, 0.039, 0.38}, {0.006, 0.016, 0.13}},
    {25, {0.025, 0.063, 0.5}, {0.01, 0.025, 0.18}},
    {40, {0.063, 0.156, 1.5}, {0.025, 0.063, 1.5}},
    {50, {0.1, 0.3, 2.3}, {0.04, 0.1, 1.5}},
    {65, {0.16, 0.39, 3.8}, {0.063, 0.16, 1.5}},
    {80, {0.25, 0.6, 6}, {0.1, 0.25, 2}},
    {100, {0.4, 1, 9}, {0.16, 0.4, 3}},
    {150, {1, 3, 23}, {0.4, 1, 8}},
    {200, {1.6, 3.9, 38}, {0.63, 1.67, 13}},
    {250, {2.5, 6.3, 60}, {1, 2.5, 20}},
    {300, {4, 10, 90}, {1.6, 4, 30}},
    {350, {10, 25, 120}, {3.21, 10, 80}},
    {400, {13, 31, 150}, {5, 13, 100}},
    {450, {18, 44, 195}, {7, 18, 130}},
    // The battery meter's minimum flow at 500 mm is 2 m3/h, far below its
    // neighbours' figures; it is kept as listed.
    {500, {2, 63, 225}, {8, 20, 150}},
    {600, {32, 79, 375}, {13, 32, 250}},
};

std::optional<short> toShort(double whole)
{
    if (!(whole >= -32768 && whole <= 32767))
        return std::nullopt;
    return short(whole);
}

std::optional<QString> percentText(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    return QStringLiteral("± ") + num::mask(x, kPercentMask) + u'%';
}

// The shared shape of the Prandel and Brevil rules: a fixed text from
// 0.5 m/s, and below it a figure falling with the velocity, raised to a floor.
struct VelocityRule {
    const char16_t *smallFixed;
    const char16_t *largeFixed;
    double smallNumerator, smallFloor;
    double largeNumerator, largeFloor;
};
constexpr VelocityRule kPrandel{u"± 0.15%", u"± 0.2%", 0.75, 0, 1, 0};
constexpr VelocityRule kBrevil{u"± 0.15%", u"± 0.20%", 0.25, 0.15, 0.3333, 0.2};

std::optional<QString> velocityAccuracy(const VelocityRule &rule, int s, double v)
{
    if (s < kSmallestSize || !std::isfinite(v))
        return std::nullopt;
    std::optional<QString> text;
    if (v > kFullAccuracyVelocity) {
        if (s < kSmallMeterBelow)
            text = QString::fromUtf16(rule.smallFixed);
        if (s > kLargeMeterAbove)
            text = QString::fromUtf16(rule.largeFixed);
    }
    if (v > 0 && v < kLowVelocity) {
        double x = 0;
        if (s < kSmallMeterBelow)
            x = std::max(rule.smallNumerator / (10 * v), rule.smallFloor);
        if (s > kLargeMeterAbove)
            x = std::max(rule.largeNumerator / (10 * v), rule.largeFloor);
        text = percentText(x);
    }
    return text;
}

std::optional<QString> veldrixAccuracy(MeterType variant, std::optional<short> size, double v, bool metric,
                                       velocity::SharedValues &shared)
{
    if (!std::isfinite(v))
        return std::nullopt;
    if (!size || *size <= 0)
        return QString();
    const int s = *size;
    const double q = v * s * s / sizing::kVelocityFactor * kM3PerHourPerLitresPerSecond;
    if (!std::isfinite(q))
        return std::nullopt;
    shared.meterFlowM3PerHour = q;

    const std::optional<LimitRow> row = veldrixLimits(variant, s);
    if (!row)
        return QString();
    shared.limits = *row;
    LimitRow used = *row;
    if (!metric) {
        const double f = kImperialLimitFactor;
        used = {used.q1M3PerHour * f, used.q2M3PerHour * f, used.qbM3PerHour * f};
    }
    return veldrixText(veldrixBandAccuracy(variant, q, used));
}

} // namespace

std::optional<short> meterSizeMm(QStringView meterSizeText, bool metric)
{
    const double typed = num::leadingNumber(meterSizeText);
    if (metric)
        return toShort(std::nearbyint(typed));
    const std::optional<short> mm = toShort(std::nearbyint(typed * units::kMmPerInch));
    if (!mm)
        return std::nullopt;
    return toShort(std::nearbyint(sizing::roundToNominalSize(float(*mm), true, false)));
}

double meterVelocity(const velocity::Recalculation &run)
{
    return run.metric ? run.rawVelocity : run.rawVelocity / sizing::kSquareMmPerSquareInch;
}

std::optional<QString> prandelText(int s, double v) { return velocityAccuracy(kPrandel, s, v); }
std::optional<QString> brevilText(int s, double v) { return velocityAccuracy(kBrevil, s, v); }

std::optional<LimitRow> veldrixLimits(MeterType variant, int s)
{
    for (const LimitEntry &e : kLimits) {
        if (e.size == s) {
            if (variant == MeterType::VeldrixBattery)
                return e.battery;
            if (variant == MeterType::VeldrixMains)
                return e.mains;
        }
    }
    return std::nullopt;
}

float veldrixBandAccuracy(MeterType variant, double q, const LimitRow &limits)
{
    const float best = variant == MeterType::VeldrixBattery ? 0.5f : 0.25f;
    if (!(q > 0) || q < limits.q1M3PerHour)
        return 0;
    if (q >= limits.qbM3PerHour)
        return best;
    if (q >= limits.q2M3PerHour)
        return 2;
    return 5;
}

QString veldrixText(float bandAccuracy)
{
    if (bandAccuracy > 0)
        return QStringLiteral("± ") + num::classic(bandAccuracy) + u'%';
    return QStringLiteral("<Q1");
}

AccuracyTexts accuracyModel(QStringView meterSizeText, velocity::Recalculation &run, velocity::SharedValues &shared)
{
    const std::optional<short> size = meterSizeMm(meterSizeText, run.metric);
    run.meterSizeMm = size.value_or(0);
    const int s = run.meterSizeMm;
    // A run without a finite velocity has no v: every branch keeps its text.
    const double v = run.velocityFinite ? meterVelocity(run) : std::nan("");

    AccuracyTexts out;
    switch (shared.meterType) {
    case MeterType::Prandel:
        out.showPrandel = s >= kSmallestSize;
        out.prandel = prandelText(s, v);
        break;
    case MeterType::Brevil:
        out.showBrevil = s >= kSmallestSize;
        out.brevil = brevilText(s, v);
        break;
    case MeterType::VeldrixMains:
    case MeterType::VeldrixBattery:
        out.veldrix = veldrixAccuracy(shared.meterType, size, v, run.metric, shared);
        break;
    case MeterType::None:
        break;
    }
    return out;
}

void storeNominalMeterSize(const velocity::Recalculation &run, velocity::SharedValues &shared)
{
    shared.nominalMeterSizeMm = run.meterSizeMm;
}

std::optional<QString> totalPressureLossText(const velocity::SharedValues &shared)
{
    const double bar = (shared.reducerLossMillibar + shared.meterLossMillibar) / 1000;
    if (!std::isfinite(bar))
        return std::nullopt;
    return num::mask(bar, u"####0.0000");
}

} // namespace accuracy
