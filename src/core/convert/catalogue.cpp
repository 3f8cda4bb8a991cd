#include "core/convert/catalogue.h"

#include "core/common/constants.h"

#include <QLatin1StringView>
#include <algorithm>
#include <vector>

namespace conv {
namespace {

using namespace flowslots;

// Slots shared by several names.
constexpr int kSquared = 8;
constexpr int kInches = 43;
constexpr int kAcre = 113;
constexpr int kFeet = 117;
constexpr int kMetres = 118;
constexpr int kMiles = 120;

// Base metre.
constexpr FactorUnit kLength[] = {
    {1, name(slot(20)), float(1.0 / 1000), 1000.f},                     // millimetre
    {2, name(slot(kInches)), 0.0254f, float(1.0 / 0.0254)},             // inch
    {3, name(slot(kFeet)), 0.3048f, float(1.0 / 0.3048)},               // foot
    {4, name(slot(kMetres)), 1.f, 1.f},                                 // metre
    {5, name(slot(3)), 0.9144f, float(1.0 / 0.9144)},                   // yard
    {6, name(slot(119)), 1000.f, float(1.0 / 1000)},                    // kilometre
    {7, name(slot(kMiles)), 1609.344f, float(1.0 / 1609.344)},          // mile
};

// Base square metre.
constexpr FactorUnit kArea[] = {
    {1, name(slot(kMetres), slot(kSquared)), 1.f, 1.f},
    {2, name(slot(kFeet), slot(kSquared)), 0.092903f, float(1.0 / 0.092903)},
    {3, name(slot(kMiles), slot(kSquared)), 2589988.f, float(1.0 / 2589988)},
    {4, name(slot(kAcre), kPluralS), 4046.856f, float(1.0 / 4046.856)},
};

// Base litre. Acre-inch is tested before acre-foot.
constexpr FactorUnit kVolume[] = {
    {1, name(slot(32)), 1000.f, float(1.0 / 1000)},                              // cubic metre
    {2, name(slot(114)), 28.317f, float(1.0 / 28.317)},                          // cubic foot
    {3, name(slot(kLitres)), 1.f, 1.f},                                          // litre
    {4, name(slot(kMegalitres)), 1000000.f, float(1.0 / 1000000)},               // megalitre
    {5, name(slot(kUsGallons)), 3.7854f, float(1.0 / 3.7854)},                   // US gallon
    {6, name(slot(kMillionUsGallons)), 3785400.f, float(1.0 / 3785400)},         // million US gallons
    {7, name(slot(kImpGallons)), float(units::kLitresPerImpGallon), float(1.0 / units::kLitresPerImpGallon)},
    {9, name(slot(kAcre), kSpace, slot(kInches)), 102790.14f, float(1.0 / 102790.14)}, // acre-inch
    {8, name(slot(kAcre), kSpace, slot(kFeet)), 1233481.75f, float(1.0 / 1233481.7)},  // acre-foot
};

// Base metre per second.
constexpr FactorUnit kVelocity[] = {
    {1, name(slot(13)), 1.f, 1.f},                                         // metres per second
    {2, name(slot(44)), 0.3048f, float(1.0 / 0.3048)},                     // feet per second
    {3, name(slot(110)), 0.44704f, float(1.0 / 0.44704)},                  // miles per hour
    {4, name(slot(111)), float(0.44704 / 1.60934), float(1.60934 / 0.44704)}, // kilometres per hour
    {5, name(slot(112)), 0.514444f, float(1.0 / 0.514444)},                // knots
};

// Base pascal. Pascal and psi are tested first.
constexpr FactorUnit kPressure[] = {
    {5, name(slot(91)), 1.f, 1.f},                                         // pascal
    {7, name(slot(93)), 6894.757f, float(1.0 / 6894.757)},                 // psi
    {1, name(slot(56)), 100000.f, float(1.0 / 100000)},                    // bar
    {2, name(slot(55)), 100.f, float(1.0 / 100)},                          // millibar
    {3, name(slot(86)), 133.322f, float(1.0 / 133.322)},                   // mm of mercury
    {4, name(slot(87)), 3386.38f, float(1.0 / 3386.38)},                   // inch of mercury
    {6, name(slot(92)), 1000.f, float(1.0 / 1000)},                        // kilopascal
    {8, name(slot(94)), 98066.5f, float(1.0 / 98066.5)},                   // kgf/cm2
    {9, name(slot(88)), 248.8429f, float(1.0 / 248.8429)},                 // inch of water
    {10, name(slot(89)), 2986.1148f, float(1.0 / 2986.1148)},              // foot of water
    {11, name(slot(90)), float(248842.9 / 25.4), float(1.0 / (248842.9 / 25.4))}, // metre of water
};

// Base centipoise (dynamic) and centistokes (kinematic).
constexpr ViscosityUnit kViscosity[] = {
    {1, name(slot(99)), ViscosityClass::Dynamic, 1.f, 1.f},                          // centipoise
    {2, name(slot(100)), ViscosityClass::Dynamic, 1000.f, float(1.0 / 1000)},        // Pa.s
    {3, name(slot(101)), ViscosityClass::Dynamic, 1000.f, float(1.0 / 1000)},        // poiseuille
    {4, name(slot(102)), ViscosityClass::Dynamic, 1000.f, float(1.0 / 1000)},        // kg/m.s
    {5, name(slot(103)), ViscosityClass::Dynamic, 1.f, 1.f},                         // mPa.s
    {6, name(slot(104)), ViscosityClass::Dynamic, 1488.164f, float(1.0 / 1488.164)}, // lb/ft.s
    {7, name(slot(105)), ViscosityClass::Dynamic, 47880.26f, float(1.0 / 47880.26)}, // lbf.s/ft2
    {8, name(slot(106)), ViscosityClass::Kinematic, 1.f, 1.f},                       // centistokes
    {9, name(slot(107)), ViscosityClass::Kinematic, 1.f, 1.f},                       // mm2/s
    {10, name(slot(108)), ViscosityClass::Kinematic, 1000000.f, float(1.0 / 1000000)}, // m2/s
    {11, name(slot(109)), ViscosityClass::Kinematic, 92903.04f, float(1.0 / 92903.04)}, // ft2/s
};

// Volume and time of each flow unit; the acre-foot is the 32-bit value
// 1233481.75 litres.
constexpr FlowUnit kFlow[] = {
    {1, name(slot(kLitres), slot(kPerSecond)), 1, Gallon::None, 1},
    {2, name(slot(kLitres), slot(kPerMinute)), 1, Gallon::None, 60},
    {3, name(slot(kLitres), slot(kPerHour)), 1, Gallon::None, 3600},
    {4, name(slot(kCubicMetresPerHour)), 1.0 / 1000, Gallon::None, 3600},
    {5, name(slot(kMegalitres), slot(kPerDay)), 1.0 / 1000000, Gallon::None, 86400},
    {6, name(slot(kImpGallons), slot(kPerSecond)), 1, Gallon::Imperial, 1},
    {7, name(slot(kImpGallons), slot(kPerMinute)), 1, Gallon::Imperial, 60},
    {8, name(slot(kImpGallons), slot(kPerHour)), 1, Gallon::Imperial, 3600},
    {9, name(kMillionPrefix, slot(kImpGallons), slot(kPerDay)), 1.0 / 1000000, Gallon::Imperial, 86400},
    {10, name(slot(kUsGallons), slot(kPerSecond)), 1, Gallon::US, 1},
    {11, name(slot(kUsGallons), slot(kPerMinute)), 1, Gallon::US, 60},
    {12, name(slot(kUsGallons), slot(kPerHour)), 1, Gallon::US, 3600},
    {13, name(slot(kMillionUsGallons), slot(kPerDay)), 1.0 / 1000000, Gallon::US, 86400},
    {14, name(slot(kAcre), kSpace, slot(kFeet), slot(kPerHour)), 1.0 / double(1233481.75f), Gallon::None, 3600},
};

constexpr PlainUnit kDensity[] = {
    {1, name(slot(116))}, // kilogram per cubic metre
    {2, name(slot(115))}, // pound per cubic foot
};

constexpr PlainUnit kTemperature[] = {
    {1, name(slot(95))}, // Celsius
    {2, name(slot(96))}, // Fahrenheit
    {3, name(slot(97))}, // kelvin
    {4, name(slot(98))}, // Rankine
};

struct Captions {
    Quantity quantity;
    int caption;
    int prompt;
};
constexpr Captions kCaptions[] = {
    {Quantity::Length, 4, 4},      {Quantity::Area, 84, 84},       {Quantity::Flow, 14, 11},
    {Quantity::Volume, 82, 82},    {Quantity::Velocity, 12, 12},   {Quantity::Viscosity, 77, 77},
    {Quantity::Density, 83, 83},   {Quantity::Temperature, 76, 76}, {Quantity::Pressure, 75, 75},
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
