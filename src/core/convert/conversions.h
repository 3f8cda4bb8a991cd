// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The converter's nine conversions as plain functions: each takes the typed
// input text, the texts its two unit combo boxes show and the language texts,
// and gives the new text of the output box, or nothing when the output box
// keeps what it shows (an input that is not positive where a positive one is
// needed, or a result that is not a finite number: a huge input never shows
// "inf" or "nan").
//
// Values are read leniently (num::leadingNumber). Factors are 32-bit values
// (see catalogue.h); the arithmetic is double precision, left to right in the
// order written below, so results agree to the last shown digit.

#include "core/convert/catalogue.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace conv {

using Output = std::optional<QString>;

// input factor x value x output factor, shown with four decimals. The same
// unit on both sides (but not the prompt) shows the typed text as it is, then
// the converted value when it is positive. A mile in inches shows as "63360":
// a result that the 32-bit factors put just above it (63360.0003) is rounded
// back.
Output convertLength(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts);
// Six decimals.
Output convertArea(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts);
// Six decimals; the US gallon here is 3.7854 litres.
Output convertVolume(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts);
// Four decimals; the same-unit copy as for length.
Output convertVelocity(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts);
// Four decimals, thousands grouped ("100,000.").
Output convertPressure(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts);

// Every typed value converts, also 0 and negatives. An unknown input unit
// counts as litres per second; an unknown output unit gives 0. The US gallon
// is the program-wide `litresPerUsGallon` (3.78778), as on the velocity screen.
Output convertFlow(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts,
                   double litresPerUsGallon);

// Kilograms per cubic metre and pounds per cubic foot (16.018463134765625
// kg/m3 in one lb/ft3). The same text on both sides, the prompt included,
// shows the value itself. Any other pair leaves the output as it is.
Output convertDensity(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts);

// Sixteen unit pairs, general number text; any value converts. No known pair
// gives an empty output. Kelvin to Fahrenheit reads the input strictly (a text
// that is not wholly a number gives an empty output) and rounds the Celsius
// value through its general text first, so 300 K shows 80.33.
Output convertTemperature(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts);

// Viscosity: the recognised units, and whether the specific gravity is needed
// (one unit dynamic, the other kinematic).
struct ViscosityUnits {
    float in = 0;
    float out = 0;
    ViscosityClass inClass = ViscosityClass::None;
    ViscosityClass outClass = ViscosityClass::None;
    bool needsSpecificGravity() const
    {
        return inClass != ViscosityClass::None && outClass != ViscosityClass::None && inClass != outClass;
    }
};
ViscosityUnits recogniseViscosity(QStringView inUnit, QStringView outUnit, const TextTable &texts);
// Dynamic to kinematic divides by the specific gravity, kinematic to dynamic
// multiplies by it (as the 32-bit reciprocal).
Output convertViscosity(QStringView typed, const ViscosityUnits &units, float specificGravity);
// The specific gravity a text gives: a positive value that a 32-bit number
// holds (not 0 after rounding, not infinite); nothing otherwise.
std::optional<float> specificGravityOf(QStringView text);
// The specific gravity a viscosity conversion between these units uses: 1
// when they need none, the S.G. box's figure when they need one and the box
// holds one; nothing when they need one and the box holds none (the user is
// asked for it).
std::optional<float> gravityToUse(const ViscosityUnits &units, QStringView specificGravityText);

// The program-wide values some conversions read.
struct Shared {
    double litresPerUsGallon = 0; // flow
    float specificGravity = 1;    // viscosity, used as it is
};
// Any quantity.
Output convert(Quantity q, QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts,
               const Shared &shared);

} // namespace conv
