// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/convert/catalogue.h"

#include "core/common/constants.h"
#include "core/lang/textslots.h"

#include <QLatin1StringView>
#include <algorithm>
#include <vector>

namespace conv {
namespace {

// Base metre.
constexpr FactorUnit kLength[] = {
    {1, name(slot(Txt::Millimetres)), float(1.0 / 1000), 1000.f},
    {2, name(slot(Txt::Inches)), 0.0254f, float(1.0 / 0.0254)},
    {3, name(slot(Txt::Feet)), 0.3048f, float(1.0 / 0.3048)},
    {4, name(slot(Txt::Metres)), 1.f, 1.f},
    {5, name(slot(Txt::Yards)), 0.9144f, float(1.0 / 0.9144)},
    {6, name(slot(Txt::Kilometres)), 1000.f, float(1.0 / 1000)},
    {7, name(slot(Txt::Miles)), 1609.344f, float(1.0 / 1609.344)},
};

// Base square metre.
constexpr FactorUnit kArea[] = {
    {1, name(slot(Txt::Metres), slot(Txt::SquaredEnding)), 1.f, 1.f},
    {2, name(slot(Txt::Feet), slot(Txt::SquaredEnding)), 0.092903f, float(1.0 / 0.092903)},
    {3, name(slot(Txt::Miles), slot(Txt::SquaredEnding)), 2589988.f, float(1.0 / 2589988)},
    {4, name(slot(Txt::Acre), kPluralS), 4046.856f, float(1.0 / 4046.856)},
};

// Base litre. Acre-inch is tested before acre-foot.
constexpr FactorUnit kVolume[] = {
    {1, name(slot(Txt::CubicMetres)), 1000.f, float(1.0 / 1000)},
    {2, name(slot(Txt::CubicFeet)), 28.317f, float(1.0 / 28.317)},
    {3, name(slot(Txt::Litres)), 1.f, 1.f},
    {4, name(slot(Txt::Megalitres)), 1000000.f, float(1.0 / 1000000)},
    {5, name(slot(Txt::UsGallons)), 3.7854f, float(1.0 / 3.7854)},
    {6, name(slot(Txt::MillionUsGallons)), 3785400.f, float(1.0 / 3785400)},
    {7, name(slot(Txt::ImpGallons)), float(units::kLitresPerImpGallon), float(1.0 / units::kLitresPerImpGallon)},
    {9, name(slot(Txt::Acre), kSpace, slot(Txt::Inches)), 102790.14f, float(1.0 / 102790.14)}, // acre-inch
    {8, name(slot(Txt::Acre), kSpace, slot(Txt::Feet)), 1233481.75f, float(1.0 / 1233481.7)},  // acre-foot
};

// Base metre per second.
constexpr FactorUnit kVelocity[] = {
    {1, name(slot(Txt::MetresPerSecond)), 1.f, 1.f},
    {2, name(slot(Txt::FeetPerSecond)), 0.3048f, float(1.0 / 0.3048)},
    {3, name(slot(Txt::MilesPerHour)), 0.44704f, float(1.0 / 0.44704)},
    {4, name(slot(Txt::KmPerHour)), float(0.44704 / 1.60934), float(1.60934 / 0.44704)},
    {5, name(slot(Txt::Knots)), 0.514444f, float(1.0 / 0.514444)},
};

// Base pascal. Pascal and psi are tested first.
constexpr FactorUnit kPressure[] = {
    {5, name(slot(Txt::Pascal)), 1.f, 1.f},
    {7, name(slot(Txt::PoundsPerSquareInch)), float(units::kPascalsPerPsi), float(1.0 / units::kPascalsPerPsi)},
    {1, name(slot(Txt::Bar)), 100000.f, float(1.0 / 100000)},
    {2, name(slot(Txt::Millibar)), 100.f, float(1.0 / 100)},
    {3, name(slot(Txt::MmOfMercury)), 133.322f, float(1.0 / 133.322)},
    {4, name(slot(Txt::InchesOfMercury)), 3386.38f, float(1.0 / 3386.38)},
    {6, name(slot(Txt::Kilopascal)), 1000.f, float(1.0 / 1000)},
    {8, name(slot(Txt::KgfPerSquareCm)), 98066.5f, float(1.0 / 98066.5)},
    {9, name(slot(Txt::InchesOfWater)), 248.8429f, float(1.0 / 248.8429)},
    {10, name(slot(Txt::FeetOfWater)), 2986.1148f, float(1.0 / 2986.1148)},
    {11, name(slot(Txt::MetresOfWater)), float(248842.9 / 25.4), float(1.0 / (248842.9 / 25.4))},
};

// Base centipoise (dynamic) and centistokes (kinematic).
constexpr ViscosityUnit kViscosity[] = {
    {1, name(slot(Txt::Centipoise)), ViscosityClass::Dynamic, 1.f, 1.f},
    {2, name(slot(Txt::PascalSeconds)), ViscosityClass::Dynamic, 1000.f, float(1.0 / 1000)},
    {3, name(slot(Txt::Poiseuille)), ViscosityClass::Dynamic, 1000.f, float(1.0 / 1000)},
    {4, name(slot(Txt::KgPerMetreSecond)), ViscosityClass::Dynamic, 1000.f, float(1.0 / 1000)},
    {5, name(slot(Txt::MillipascalSeconds)), ViscosityClass::Dynamic, 1.f, 1.f},
    {6, name(slot(Txt::PoundsPerFootSecond)), ViscosityClass::Dynamic, 1488.164f, float(1.0 / 1488.164)},
    {7, name(slot(Txt::PoundForceSecondsPerSquareFoot)), ViscosityClass::Dynamic, 47880.26f, float(1.0 / 47880.26)},
    {8, name(slot(Txt::Centistokes)), ViscosityClass::Kinematic, 1.f, 1.f},
    {9, name(slot(Txt::SquareMmPerSecond)), ViscosityClass::Kinematic, 1.f, 1.f},
    {10, name(slot(Txt::SquareMetresPerSecond)), ViscosityClass::Kinematic, 1000000.f, float(1.0 / 1000000)},
    {11, name(slot(Txt::SquareFeetPerSecond)), ViscosityClass::Kinematic, 92903.04f, float(1.0 / 92903.04)},
};

// Volume and time of each flow unit; the acre-foot is the 32-bit value
// 1233481.75 litres.
constexpr FlowUnit kFlow[] = {
    {1, name(slot(Txt::Litres), slot(Txt::PerSecond)), 1, Gallon::None, 1},
    {2, name(slot(Txt::Litres), slot(Txt::PerMinute)), 1, Gallon::None, 60},
    {3, name(slot(Txt::Litres), slot(Txt::PerHour)), 1, Gallon::None, 3600},
    {4, name(slot(Txt::CubicMetresPerHour)), 1.0 / 1000, Gallon::None, 3600},
    {5, name(slot(Txt::Megalitres), slot(Txt::PerDay)), 1.0 / 1000000, Gallon::None, 86400},
    {6, name(slot(Txt::ImpGallons), slot(Txt::PerSecond)), 1, Gallon::Imperial, 1},
    {7, name(slot(Txt::ImpGallons), slot(Txt::PerMinute)), 1, Gallon::Imperial, 60},
    {8, name(slot(Txt::ImpGallons), slot(Txt::PerHour)), 1, Gallon::Imperial, 3600},
    {9, name(kMillionPrefix, slot(Txt::ImpGallons), slot(Txt::PerDay)), 1.0 / 1000000, Gallon::Imperial, 86400},
    {10, name(slot(Txt::UsGallons), slot(Txt::PerSecond)), 1, Gallon::US, 1},
    {11, name(slot(Txt::UsGallons), slot(Txt::PerMinute)), 1, Gallon::US, 60},
    {12, name(slot(Txt::UsGallons), slot(Txt::PerHour)), 1, Gallon::US, 3600},
    {13, name(slot(Txt::MillionUsGallons), slot(Txt::PerDay)), 1.0 / 1000000, Gallon::US, 86400},
    {14, name(slot(Txt::Acre), kSpace, slot(Txt::Feet), slot(Txt::PerHour)), 1.0 / double(1233481.75f), Gallon::None,
     3600},
};

constexpr PlainUnit kDensity[] = {
    {1, name(slot(Txt::KgPerCubicMetre))},
    {2, name(slot(Txt::PoundsPerCubicFoot))},
};

constexpr PlainUnit kTemperature[] = {
    {1, name(slot(Txt::Celsius))},
    {2, name(slot(Txt::Fahrenheit))},
    {3, name(slot(Txt::Kelvin))},
    {4, name(slot(Txt::Rankine))},
};

struct Captions {
    Quantity quantity;
    Txt::Slot caption;
    Txt::Slot prompt;
};
constexpr Captions kCaptions[] = {
    {Quantity::Length, Txt::Length, Txt::Length},
    {Quantity::Area, Txt::Area, Txt::Area},
    {Quantity::Flow, Txt::FlowRate, Txt::FlowUnitsPrompt},
    {Quantity::Volume, Txt::Volume, Txt::Volume},
    {Quantity::Velocity, Txt::Velocity, Txt::Velocity},
    {Quantity::Viscosity, Txt::Viscosity, Txt::Viscosity},
    {Quantity::Density, Txt::Density, Txt::Density},
    {Quantity::Temperature, Txt::Temperature, Txt::Temperature},
    {Quantity::Pressure, Txt::Pressure, Txt::Pressure},
};

const Captions &captionsOf(Quantity q)
{
    return *std::find_if(std::begin(kCaptions), std::end(kCaptions),
                         [q](const Captions &c) { return c.quantity == q; });
}

template <typename Unit> QStringList namesInListOrder(std::span<const Unit> units, const TextTable &texts)
{
    std::vector<const Unit *> ordered;
    for (const Unit &u : units)
        ordered.push_back(&u);
    std::sort(ordered.begin(), ordered.end(),
              [](const Unit *a, const Unit *b) { return a->position < b->position; });
    QStringList names;
    for (const Unit *u : ordered)
        names.append(compose(u->name, texts));
    return names;
}

} // namespace

QString compose(const UnitName &unit, const TextTable &texts)
{
    QString text;
    for (int i = 0; i < unit.count; ++i) {
        const Piece &p = unit.pieces[size_t(i)];
        if (p.slot > 0)
            text += texts.slot(p.slot);
        else
            text += QLatin1StringView(p.literal);
    }
    return text;
}

bool isNamed(QStringView text, const UnitName &unit, const TextTable &texts)
{
    qsizetype at = 0;
    for (int i = 0; i < unit.count; ++i) {
        const Piece &p = unit.pieces[size_t(i)];
        const QStringView rest = text.mid(at);
        if (p.slot > 0) {
            const QString &piece = texts.slot(p.slot);
            if (!rest.startsWith(piece))
                return false;
            at += piece.size();
        } else {
            const QLatin1StringView piece(p.literal);
            if (!rest.startsWith(piece))
                return false;
            at += piece.size();
        }
    }
    return at == text.size();
}

std::span<const FactorUnit> lengthUnits() { return kLength; }
std::span<const FactorUnit> areaUnits() { return kArea; }
std::span<const FactorUnit> volumeUnits() { return kVolume; }
std::span<const FactorUnit> velocityUnits() { return kVelocity; }
std::span<const FactorUnit> pressureUnits() { return kPressure; }
std::span<const ViscosityUnit> viscosityUnits() { return kViscosity; }
std::span<const FlowUnit> flowUnits() { return kFlow; }
std::span<const PlainUnit> densityUnits() { return kDensity; }
std::span<const PlainUnit> temperatureUnits() { return kTemperature; }

int captionSlot(Quantity q) { return captionsOf(q).caption; }
int promptSlot(Quantity q) { return captionsOf(q).prompt; }

QStringList unitNames(Quantity q, const TextTable &texts)
{
    switch (q) {
    case Quantity::Length:
        return namesInListOrder(lengthUnits(), texts);
    case Quantity::Area:
        return namesInListOrder(areaUnits(), texts);
    case Quantity::Volume:
        return namesInListOrder(volumeUnits(), texts);
    case Quantity::Velocity:
        return namesInListOrder(velocityUnits(), texts);
    case Quantity::Pressure:
        return namesInListOrder(pressureUnits(), texts);
    case Quantity::Viscosity:
        return namesInListOrder(viscosityUnits(), texts);
    case Quantity::Flow:
        return namesInListOrder(flowUnits(), texts);
    case Quantity::Density:
        return namesInListOrder(densityUnits(), texts);
    case Quantity::Temperature:
        return namesInListOrder(temperatureUnits(), texts);
    }
    return {};
}

} // namespace conv
