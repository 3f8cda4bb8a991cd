// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The unit catalogues of the converter: for each of the nine quantities the
// frame caption, the prompt its unit lists show before a unit is chosen, and
// its units.
//
// A unit's name is made from language text slots and a few literal pieces,
// joined with nothing in between ("Acre" + "s", "M." + "Imp. Gallons" +
// " per day"). The same pieces both fill the lists and recognise what a combo
// box shows, so a unit is identified by its composed name in whatever
// language is loaded: an exact, case-sensitive comparison of the whole text.
//
// Each table lists its units in the order the conversion tests them; a later
// match wins, which matters only when a language gives two units the same
// name. `position` is where the unit stands in the lists (1 = first item).

#include "core/lang/texttable.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <span>

namespace conv {

enum class Quantity { Pressure, Temperature, Viscosity, Velocity, Flow, Density, Length, Volume, Area };

// The order in which the screen captions its frames and fills their lists.
inline constexpr std::array<Quantity, 9> kFillOrder = {
    Quantity::Pressure, Quantity::Temperature, Quantity::Viscosity, Quantity::Velocity, Quantity::Flow,
    Quantity::Density,  Quantity::Length,      Quantity::Volume,    Quantity::Area};

// One piece of a unit name: a language text slot, or a literal.
struct Piece {
    int slot = 0;               // 1..160; 0 for a literal
    const char *literal = "";   // ASCII text when slot is 0
};
// A text slot piece, named as in textslots.h: slot(Txt::Litres).
constexpr Piece slot(int n) { return Piece{n, ""}; }
inline constexpr Piece kSpace{0, " "};
inline constexpr Piece kPluralS{0, "s"};
inline constexpr Piece kMillionPrefix{0, "M."};

// A unit name: up to four pieces.
struct UnitName {
    std::array<Piece, 4> pieces{};
    int count = 0;
};
template <typename... P> constexpr UnitName name(P... p)
{
    static_assert(sizeof...(P) >= 1 && sizeof...(P) <= 4);
    return UnitName{{p...}, int(sizeof...(P))};
}

// The name as the user sees it.
QString compose(const UnitName &unit, const TextTable &texts);
// True when `text` is exactly the composed name (no composing, no copies:
// this runs for every unit on every keystroke).
bool isNamed(QStringView text, const UnitName &unit, const TextTable &texts);

// Length, area, volume, velocity, pressure: one of the unit is `in` base
// units, one base unit is `out` of the unit. The factors are 32-bit values on
// purpose: their rounding shows in the results (an acre is 4046.855957 square
// metres here, not 4046.856).
struct FactorUnit {
    int position;
    UnitName name;
    float in;
    float out;
};

// Viscosity: dynamic units (base centipoise) and kinematic ones (base
// centistokes); between the classes the specific gravity comes in.
enum class ViscosityClass { None, Dynamic, Kinematic };
struct ViscosityUnit {
    int position;
    UnitName name;
    ViscosityClass kind;
    float in;
    float out;
};

// Flow: a unit is a volume per time. The volume factor is how many of the
// unit's volumes make one litre: `volumeScale`, divided by the litres of a
// gallon when the unit counts gallons. `seconds` is the length of its time.
enum class Gallon { None, Imperial, US };
struct FlowUnit {
    int position;
    UnitName name;
    double volumeScale;
    Gallon gallon;
    double seconds;
};

// Density and temperature: units known by their position alone; the rules
// live with the conversions.
struct PlainUnit {
    int position;
    UnitName name;
};

std::span<const FactorUnit> lengthUnits();
std::span<const FactorUnit> areaUnits();
std::span<const FactorUnit> volumeUnits();
std::span<const FactorUnit> velocityUnits();
std::span<const FactorUnit> pressureUnits();
std::span<const ViscosityUnit> viscosityUnits();
std::span<const FlowUnit> flowUnits();
std::span<const PlainUnit> densityUnits();
std::span<const PlainUnit> temperatureUnits();

// Text slots of a quantity's frame caption and of its unit prompt.
int captionSlot(Quantity q);
int promptSlot(Quantity q);

// The unit names of a quantity in list order.
QStringList unitNames(Quantity q, const TextTable &texts);

} // namespace conv
