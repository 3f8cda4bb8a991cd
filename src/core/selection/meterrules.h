// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which flowmeter technologies suit a described fluid: a table of exclusion
// rules, one row per technology, and its evaluation.

#include <QStringView>

#include <array>

namespace selection {

// The choices of each option group; Unset while no option of the group is
// selected (an unset choice excludes nothing).
enum class Phase { Unset, Liquid, Gas, Steam };
enum class Conductivity { Unset, Conductive, NonConductive };
enum class Measurement { Unset, Volume, Mass, Density };
enum class Cleanliness { Unset, Clean, Dirty };
enum class Viscosity { Unset, Low, Medium, High };

struct FluidDescription {
    Phase phase = Phase::Unset;
    Conductivity conductivity = Conductivity::Unset;
    Measurement measurement = Measurement::Unset;
    Cleanliness cleanliness = Cleanliness::Unset;
    Viscosity viscosity = Viscosity::Unset;
};

// The technologies, in the order the guide lists them.
enum class Technology { Electromagnetic, Coriolis, Ultrasonic, Vortex, Wedge, InsertionProbe, Turbine };
inline constexpr int kTechnologyCount = 7;

// The language text slot of a technology's name, as the guide lists it
// beside its tick ("Prandel", "Coriolis MassMeter", "Tessivo", ...).
int nameSlot(Technology technology);

// Bit sets over the choices above.
constexpr unsigned bit(Phase p) { return 1u << unsigned(p); }
constexpr unsigned bit(Measurement m) { return 1u << unsigned(m); }

// Fluid properties, other than phase and measured quantity, that rule a
// technology out.
enum Condition : unsigned {
    Dirty = 1u << 0,
    MediumViscosity = 1u << 1,
    HighViscosity = 1u << 2,
    NonConductive = 1u << 3,
};

struct ExclusionRule {
    Technology technology;
    unsigned excludedPhases;       // bit(Phase) set
    double maxCelsius;             // excluded when the maximum temperature is above
    double minCelsius;             // excluded when the minimum temperature is below
    unsigned excludedMeasurements; // bit(Measurement) set
    unsigned otherExclusions;      // Condition set
};

// Only a Coriolis meter weighs what passes it; every other technology here
// measures volume.
inline constexpr unsigned kMassOrDensity = bit(Measurement::Mass) | bit(Measurement::Density);
inline constexpr unsigned kGasOrSteam = bit(Phase::Gas) | bit(Phase::Steam);
// Moving parts and small bores foul in dirt and lose their calibration in thick
// fluids.
inline constexpr unsigned kNeedsCleanThin = Dirty | MediumViscosity | HighViscosity;

inline constexpr std::array<ExclusionRule, kTechnologyCount> kExclusionRules{{
    {Technology::Electromagnetic, kGasOrSteam, 180, -10, kMassOrDensity, NonConductive},
    {Technology::Coriolis, bit(Phase::Steam), 205, -20, 0, 0},
    {Technology::Ultrasonic, kGasOrSteam, 200, -200, kMassOrDensity, kNeedsCleanThin},
    {Technology::Vortex, 0, 400, -40, kMassOrDensity, kNeedsCleanThin},
    {Technology::Wedge, 0, 250, -48, kMassOrDensity, 0},
    {Technology::InsertionProbe, kGasOrSteam, 50, 0, kMassOrDensity, kNeedsCleanThin | NonConductive},
    {Technology::Turbine, kGasOrSteam, 150, -50, kMassOrDensity, HighViscosity},
}};

// Working temperatures in degrees Celsius.
struct Temperatures {
    double maxCelsius = 0;
    double minCelsius = 0;
};

// Reads the two temperature boxes (leading number; no number counts as 0).
// In imperial units the texts are Fahrenheit and are converted, except that a
// maximum of 0 is kept as 0 and an empty minimum box is not converted (an empty
// box then means 0 degrees Celsius, which no rule excludes).
Temperatures workingTemperatures(QStringView maxText, QStringView minText, bool metric);

// The Condition set that a description holds.
unsigned conditionsOf(const FluidDescription &fluid);

// True when one of the rule's exclusions holds.
bool excluded(const ExclusionRule &rule, const FluidDescription &fluid, const Temperatures &t);

// Suitable (true) or not, per technology in table order.
using Suitability = std::array<bool, kTechnologyCount>;
Suitability evaluate(const FluidDescription &fluid, const Temperatures &t);
Suitability evaluate(const FluidDescription &fluid, QStringView maxText, QStringView minText, bool metric);

} // namespace selection
