// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Setting up an insertion (point-velocity) probe in a full circular pipe: the
// velocity-profile factor and the insertion (blockage) factor at the probe's
// position, and the flow that a mean velocity of 1 m/s carries.

#include <QString>
#include <optional>

namespace probe {

// Probe positions.
enum Location { MeanVelocityPoint = 0, CentreLine = 1, EighthDiameter = 2 };
// Units of the flow per unit velocity.
enum FlowUnit { LitresPerSecond = 0, CubicMetresPerSecond, ImpGallonsPerSecond, UsGallonsPerSecond,
                MegalitresPerSecond };

struct ProbeFactors {
    double profile = 0;         // P
    double insertion = 0;       // K
    double combined = 0;        // F = K x P
    double flowPerVelocity = 0; // Q at 1 m/s, in the chosen flow unit
};

// The factors for a pipe of internal diameter `diameter` (millimetres, or
// inches when `metric` is false). No result for a diameter that is not above
// zero. A location or flow unit outside the lists leaves its values at 0.
//
// At the mean-velocity point the blockage term makes K = 1 / (1 - 38 / (pi D)),
// which is infinite at D = 38/pi (about 12.1 mm) and negative below it; very
// small pipes also make the profile exponent meaningless. Such values are
// returned as computed; the screen shows only those that pass showable().
std::optional<ProbeFactors> probeVelocityAndFlow(double diameter, bool metric, int location, int flowUnit);

// Whether a factor is a value a user can act on: finite and not negative.
bool showable(double value);

// The probe models, in the order the screen offers them. The first two are
// read through the profile and insertion factors, the Lumbrin model through
// the combined factor and the flow at 1 m/s.
enum Model { TessivoPrandel = 0, TessivoVeldrix = 1, TessivoLumbrin = 2 };
inline bool showsCombinedFactor(int model) { return model == TessivoLumbrin; }

// The factors as the result boxes show them: three decimals for the factors,
// five for the flow; an empty text for a value that is not showable(), so no
// stale or meaningless value stays on screen.
struct ProbeTexts {
    QString profile;
    QString insertion;
    QString combined;
    QString flowPerVelocity;
};
ProbeTexts probeTexts(const ProbeFactors &factors);

} // namespace probe
