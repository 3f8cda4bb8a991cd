// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/cli/units.h"

#include <array>
#include <string_view>

namespace cli {
namespace {

using conv::Quantity;

// The symbols of a unit at a list position (1 = first) of its quantity; the
// first one is the one help texts show.
struct Symbols {
    Quantity quantity;
    int position;
    std::array<std::u16string_view, 3> symbols;
};

// The thirteen flow units stand in the same order in the velocity tools'
// list and in the converter's, which adds the acre-foot per hour.
constexpr Symbols kSymbols[] = {
    {Quantity::Flow, 1, {u"l/s", u"L/s"}},
    {Quantity::Flow, 2, {u"l/min", u"L/min"}},
    {Quantity::Flow, 3, {u"l/h", u"L/h"}},
    {Quantity::Flow, 4, {u"m3/h"}},
    {Quantity::Flow, 5, {u"Ml/d", u"ML/d"}},
    {Quantity::Flow, 6, {u"igps"}},
    {Quantity::Flow, 7, {u"igpm"}},
    {Quantity::Flow, 8, {u"igph"}},
    {Quantity::Flow, 9, {u"migd"}},
    {Quantity::Flow, 10, {u"usgps"}},
    {Quantity::Flow, 11, {u"usgpm"}},
    {Quantity::Flow, 12, {u"usgph"}},
    {Quantity::Flow, 13, {u"musgd"}},
    {Quantity::Flow, 14, {u"acre-ft/h"}},
    {Quantity::Length, 1, {u"mm"}},
    {Quantity::Length, 2, {u"in"}},
    {Quantity::Length, 3, {u"ft"}},
    {Quantity::Length, 4, {u"m"}},
    {Quantity::Length, 5, {u"yd"}},
    {Quantity::Length, 6, {u"km"}},
    {Quantity::Length, 7, {u"mi"}},
    {Quantity::Area, 1, {u"m2"}},
    {Quantity::Area, 2, {u"ft2"}},
    {Quantity::Area, 3, {u"mi2"}},
    {Quantity::Area, 4, {u"acre", u"acres"}},
    {Quantity::Volume, 1, {u"m3"}},
    {Quantity::Volume, 2, {u"ft3"}},
    {Quantity::Volume, 3, {u"l", u"L"}},
    {Quantity::Volume, 4, {u"Ml", u"ML"}},
    {Quantity::Volume, 5, {u"usgal"}},
    {Quantity::Volume, 6, {u"musgal"}},
    {Quantity::Volume, 7, {u"igal"}},
    {Quantity::Volume, 8, {u"acre-ft"}},
    {Quantity::Volume, 9, {u"acre-in"}},
    {Quantity::Velocity, 1, {u"m/s"}},
    {Quantity::Velocity, 2, {u"ft/s"}},
    {Quantity::Velocity, 3, {u"mph"}},
    {Quantity::Velocity, 4, {u"km/h"}},
    {Quantity::Velocity, 5, {u"kn", u"knot", u"knots"}},
    {Quantity::Pressure, 1, {u"bar"}},
    {Quantity::Pressure, 2, {u"mbar"}},
    {Quantity::Pressure, 3, {u"mmHg"}},
    {Quantity::Pressure, 4, {u"inHg"}},
    {Quantity::Pressure, 5, {u"Pa"}},
    {Quantity::Pressure, 6, {u"kPa"}},
    {Quantity::Pressure, 7, {u"psi"}},
    {Quantity::Pressure, 8, {u"kgf/cm2"}},
    {Quantity::Pressure, 9, {u"inH2O"}},
    {Quantity::Pressure, 10, {u"ftH2O"}},
    {Quantity::Pressure, 11, {u"mH2O"}},
    {Quantity::Viscosity, 1, {u"cP"}},
    {Quantity::Viscosity, 2, {u"Pa.s"}},
    {Quantity::Viscosity, 3, {u"Pl"}},
    {Quantity::Viscosity, 4, {u"kg/m.s"}},
    {Quantity::Viscosity, 5, {u"mPa.s"}},
    {Quantity::Viscosity, 6, {u"lb/ft.s"}},
    {Quantity::Viscosity, 7, {u"lbf.s/ft2"}},
    {Quantity::Viscosity, 8, {u"cSt"}},
    {Quantity::Viscosity, 9, {u"mm2/s"}},
    {Quantity::Viscosity, 10, {u"m2/s"}},
    {Quantity::Viscosity, 11, {u"ft2/s"}},
    {Quantity::Density, 1, {u"kg/m3"}},
    {Quantity::Density, 2, {u"lb/ft3"}},
    {Quantity::Temperature, 1, {u"C", u"degC", u"°C"}},
    {Quantity::Temperature, 2, {u"F", u"degF", u"°F"}},
    {Quantity::Temperature, 3, {u"K"}},
    {Quantity::Temperature, 4, {u"R", u"degR", u"°R"}},
};

const Symbols *symbolOf(QStringView text)
{
    for (const Symbols &s : kSymbols) {
        for (std::u16string_view symbol : s.symbols) {
            if (!symbol.empty() && text == QStringView(symbol))
                return &s;
        }
    }
    return nullptr;
}

} // namespace

const velocity::FlowUnit *flowUnitNamed(QStringView text, const TextTable &texts)
{
    const auto units = velocity::flowUnits();
    if (const Symbols *s = symbolOf(text); s && s->quantity == Quantity::Flow && s->position <= int(units.size()))
        return &units[size_t(s->position - 1)];
    for (const velocity::FlowUnit &u : units) {
        if (text.compare(conv::compose(u.name, texts), Qt::CaseInsensitive) == 0)
            return &u;
    }
    return nullptr;
}

QStringList flowUnitSymbols()
{
    QStringList out;
    for (const Symbols &s : kSymbols) {
        if (s.quantity == Quantity::Flow && s.position <= int(velocity::flowUnits().size()))
            out << QStringView(s.symbols[0]).toString();
    }
    return out;
}

std::optional<ConverterUnit> converterUnitNamed(QStringView text, const TextTable &texts)
{
    if (const Symbols *s = symbolOf(text))
        return ConverterUnit{s->quantity, conv::unitNames(s->quantity, texts).value(s->position - 1)};
    for (Quantity q : conv::kFillOrder) {
        for (const QString &name : conv::unitNames(q, texts)) {
            if (text.compare(name, Qt::CaseInsensitive) == 0)
                return ConverterUnit{q, name};
        }
    }
    return std::nullopt;
}

QStringList converterSymbols(conv::Quantity quantity)
{
    QStringList out;
    for (const Symbols &s : kSymbols) {
        if (s.quantity == quantity)
            out << QStringView(s.symbols[0]).toString();
    }
    return out;
}

QString quantityWord(conv::Quantity quantity)
{
    switch (quantity) {
    case Quantity::Pressure:
        return QStringLiteral("pressure");
    case Quantity::Temperature:
        return QStringLiteral("temperature");
    case Quantity::Viscosity:
        return QStringLiteral("viscosity");
    case Quantity::Velocity:
        return QStringLiteral("velocity");
    case Quantity::Flow:
        return QStringLiteral("flow");
    case Quantity::Density:
        return QStringLiteral("density");
    case Quantity::Length:
        return QStringLiteral("length");
    case Quantity::Volume:
        return QStringLiteral("volume");
    case Quantity::Area:
        return QStringLiteral("area");
    }
    return QString();
}

} // namespace cli
