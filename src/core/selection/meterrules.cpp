// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/selection/meterrules.h"

#include "core/common/numbers.h"
#include "core/lang/textslots.h"

namespace selection {

namespace {
double fahrenheitToCelsius(double f) { return (f - 32) / 9 * 5; }
} // namespace

int nameSlot(Technology technology)
{
    switch (technology) {
    case Technology::Electromagnetic:
        return Txt::PrandelName;
    case Technology::Coriolis:
        return Txt::Coriolis;
    case Technology::Ultrasonic:
        return Txt::Ultrasonic;
    case Technology::Vortex:
        return Txt::Vortex;
    case Technology::Wedge:
        return Txt::Wedge;
    case Technology::InsertionProbe:
        return Txt::ProbeName;
    case Technology::Turbine:
        return Txt::Turbine;
    }
    return 0;
}

Temperatures workingTemperatures(QStringView maxText, QStringView minText, bool metric)
{
    Temperatures t{num::leadingNumber(maxText), num::leadingNumber(minText)};
    if (!metric) {
        if (t.maxCelsius != 0)
            t.maxCelsius = fahrenheitToCelsius(t.maxCelsius);
        if (!minText.isEmpty())
            t.minCelsius = fahrenheitToCelsius(t.minCelsius);
    }
    return t;
}

unsigned conditionsOf(const FluidDescription &fluid)
{
    unsigned c = 0;
    if (fluid.cleanliness == Cleanliness::Dirty)
        c |= Dirty;
    if (fluid.viscosity == Viscosity::Medium)
        c |= MediumViscosity;
    if (fluid.viscosity == Viscosity::High)
        c |= HighViscosity;
    if (fluid.conductivity == Conductivity::NonConductive)
        c |= NonConductive;
    return c;
}

bool excluded(const ExclusionRule &rule, const FluidDescription &fluid, const Temperatures &t)
{
    return (rule.excludedPhases & bit(fluid.phase)) != 0 || t.maxCelsius > rule.maxCelsius
           || t.minCelsius < rule.minCelsius || (rule.excludedMeasurements & bit(fluid.measurement)) != 0
           || (rule.otherExclusions & conditionsOf(fluid)) != 0;
}

Suitability evaluate(const FluidDescription &fluid, const Temperatures &t)
{
    Suitability result{};
    for (size_t i = 0; i < kExclusionRules.size(); ++i)
        result[i] = !excluded(kExclusionRules[i], fluid, t);
    return result;
}

Suitability evaluate(const FluidDescription &fluid, QStringView maxText, QStringView minText, bool metric)
{
    return evaluate(fluid, workingTemperatures(maxText, minText, metric));
}

} // namespace selection
