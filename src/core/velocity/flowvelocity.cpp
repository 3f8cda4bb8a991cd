// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/velocity/flowvelocity.h"

#include "core/common/constants.h"
#include "core/lang/textslots.h"

namespace velocity {
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

} // namespace velocity
