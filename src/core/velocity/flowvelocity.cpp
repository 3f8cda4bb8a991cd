#include "core/velocity/flowvelocity.h"

#include "core/common/constants.h"
#include "core/common/numbers.h"
#include "core/lang/textslots.h"

#include <cmath>

namespace sizing {
namespace {

using conv::name;
using conv::slot;

constexpr FlowStep times(double x) { return {x, false}; }
constexpr FlowStep per(double x) { return {x, true}; }

template <typename... S> constexpr FlowUnit unit(conv::UnitName n, S... steps)
{
    static_assert(sizeof...(S) <= 4);
    return FlowUnit{n, {steps...}, int(sizeof...(S))};
}

constexpr double kImp = units::kLitresPerImpGallon;
constexpr double kUs = units::kLitresPerUsGallon;

// The order of the steps is part of each unit: the results agree to the last
// bit only when they are applied exactly so (the million US gallons multiply
// before the gallon, the million imperial gallons after it).
constexpr FlowUnit kUnits[] = {
    unit(name(slot(Txt::Litres), slot(Txt::PerSecond))),
    unit(name(slot(Txt::Litres), slot(Txt::PerMinute)), per(60)),
    unit(name(slot(Txt::Litres), slot(Txt::PerHour)), per(3600)),
    unit(name(slot(Txt::CubicMetresPerHour)), per(3.6)),
    unit(name(slot(Txt::Megalitres), slot(Txt::PerDay)), times(1000000), per(24), per(3600)),
    unit(name(slot(Txt::ImpGallons), slot(Txt::PerSecond)), times(kImp)),
    unit(name(slot(Txt::ImpGallons), slot(Txt::PerMinute)), times(kImp), per(60)),
    unit(name(slot(Txt::ImpGallons), slot(Txt::PerHour)), times(kImp), per(3600)),
    unit(name(conv::kMillionPrefix, slot(Txt::ImpGallons), slot(Txt::PerDay)), times(kImp), times(1000000), per(24),
         per(3600)),
    unit(name(slot(Txt::UsGallons), slot(Txt::PerSecond)), times(kUs)),
    unit(name(slot(Txt::UsGallons), slot(Txt::PerMinute)), times(kUs), per(60)),
    unit(name(slot(Txt::UsGallons), slot(Txt::PerHour)), times(kUs), per(3600)),
    unit(name(slot(Txt::MillionUsGallons), slot(Txt::PerDay)), times(1000000), times(kUs), per(24), per(3600)),
};

struct FractionText {
    const char16_t *fraction;
    const char16_t *decimal;
};
constexpr FractionText kFractions[] = {
    {u"1/8", u"0.125"}, {u"1/4", u"0.25"}, {u"3/8", u"0.375"},
    {u"15/32", u"0.46875"}, {u"1/2", u"0.5"}, {u"3/4", u"0.75"},
};

} // namespace

std::span<const FlowUnit> flowUnits() { return kUnits; }

QStringList flowUnitNames(const TextTable &texts)
{
    QStringList names;
    for (const FlowUnit &u : kUnits)
        names.append(conv::compose(u.name, texts));
    return names;
}

const FlowUnit *recogniseFlowUnit(QStringView unitText, const TextTable &texts)
{
    const FlowUnit *found = nullptr;
    for (const FlowUnit &u : kUnits) {
        if (conv::isNamed(unitText, u.name, texts))
            found = &u;
    }
    return found;
}

double toLitresPerSecond(double typed, const FlowUnit &unit)
{
    double v = typed;
    for (int i = 0; i < unit.stepCount; ++i) {
        const FlowStep &s = unit.steps[size_t(i)];
        v = s.divide ? v / s.by : v * s.by;
    }
    return v;
}

FlowStatus flowToLitresPerSecond(QStringView flowText, QStringView unitText, const TextTable &texts,
                                 velocity::SharedValues &shared)
{
    const double typed = num::leadingNumber(flowText);
    if (!(typed > 0))
        return FlowStatus::NotPositive;
    const FlowUnit *u = recogniseFlowUnit(unitText, texts);
    if (!u)
        return FlowStatus::UnknownUnit;
    const float stored = num::toFloat(toLitresPerSecond(typed, *u));
    if (!std::isfinite(stored))
        return FlowStatus::TooLarge;
    shared.flowLitresPerSecond = stored;
    return FlowStatus::Stored;
}

std::optional<QString> imperialFractionRewrite(QStringView meterSizeText, bool metric)
{
    if (metric)
        return std::nullopt;
    for (const FractionText &f : kFractions) {
        if (meterSizeText == QStringView(f.fraction))
            return QString::fromUtf16(f.decimal);
    }
    return std::nullopt;
}

velocity::Recalculation computePipeVelocity(QStringView flowText, QStringView unitText, QStringView meterSizeText,
                                            bool metric, const TextTable &texts, velocity::SharedValues &shared)
{
    velocity::Recalculation run;
    run.metric = metric;
    const double flow = num::leadingNumber(flowText);
    const double bore = num::leadingNumber(meterSizeText);
    run.flowPositive = flow > 0;
    run.sizePositive = bore > 0;

    double v = 0;
    if (run.hasVelocityInputs()) {
        if (const FlowUnit *u = recogniseFlowUnit(unitText, texts))
            v = toLitresPerSecond(flow, *u) * kVelocityFactor / bore / bore;
    }
    if (!std::isfinite(v)) {
        run.velocityFinite = false;
        return run;
    }
    run.rawVelocity = v;
    shared.pipeVelocityMetresPerSecond = metric ? v : 0;
    return run;
}

std::optional<QString> showPipeVelocity(const velocity::Recalculation &run, velocity::SharedValues &shared)
{
    if (!run.velocityFinite)
        return std::nullopt;
    double shown = run.rawVelocity;
    if (!run.metric) {
        // The bore was in inches: per square inch to per square millimetre,
        // then metres to feet for the display; the shared value goes back to
        // metres per second by the same constant.
        shown = run.rawVelocity / kSquareMmPerSquareInch * units::kFeetPerMetre;
        shared.pipeVelocityMetresPerSecond = shown / units::kFeetPerMetre;
    }
    if (!run.hasVelocityInputs())
        return std::nullopt;
    return num::mask(shown, u"##0.0000");
}

} // namespace sizing
