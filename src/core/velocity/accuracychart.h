// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The accuracy limit of the four meter types over the flow range that matters
// for a meter size: the data of the accuracy chart, worked out without a
// widget (the chart window and the data sheet draw it).
//
// Every point is a run of velocity::Model at the point's flow, so a curve
// shows at each flow exactly the figure the screen's accuracy box would show
// for that flow. The flow axis is logarithmic and whole decades wide:
//  - for a size the Veldrix limit table lists, it reaches from at least three
//    times below the lower of the two variants' minimum flows Q1 to at least
//    three times above the higher best-accuracy flow Qb;
//  - for any other size, over the flows of 0.02 to 3 m/s through the bore;
//  - a typed flow outside that range widens it, but by two decades at most at
//    either end (a flow further out is not marked, its texts still are).
// The accuracy axis runs from 0 to the first of 6, 8, 10, 15, 20, 30, 40 and
// 50 % that leaves a tenth of room above the Veldrix 5 % band and above the
// chosen type's figure at the typed flow. The curves keep their true values
// above it; whoever draws them cuts them at the top.

#include "core/lang/texttable.h"
#include "core/velocity/inputs.h"
#include "core/velocity/values.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace velocity {

// Why a chart has nothing to show.
enum class ChartEmpty {
    None,       // it has curves
    NoSize,     // no meter size above 0 (or one outside the model's range)
    NoUnit,     // the flow unit list names no unit
    NoFigures,  // none of the meter types has figures for the size (under 14 mm)
};

// One point of a curve: a flow in the unit chosen on the screen and the
// accuracy limit (± percent) the meter type reaches there.
struct ChartPoint {
    double flow = 0;
    double percent = 0;
};

// A meter type's curve: runs of points drawn as lines, with gaps where the
// type has no figure (below Q1, or a size a type has no figures for). Points
// rise in flow; a Veldrix step is two points on adjacent flows (the last
// flow of the lower band and the band edge), so it is drawn upright.
struct ChartCurve {
    MeterType type = MeterType::None;
    QList<QList<ChartPoint>> runs;
};

// The Veldrix flow limits marked on the chart, in the chosen flow unit: the
// lowest flows at which the model puts the flow into each band.
struct ChartBands {
    MeterType variant = MeterType::VeldrixMains;
    double q1 = 0;
    double q2 = 0;
    double qb = 0;
};

struct ChartData {
    ChartEmpty empty = ChartEmpty::NoSize;
    QString flowUnit;  // the flow unit's name as the screen's list shows it
    QString meterSizeText; // the size as read, with its unit ("100 Millimetres")
    double flowMin = 0; // the logarithmic flow axis, in the chosen unit
    double flowMax = 0;
    double percentMax = 0; // the accuracy axis runs from 0 to this
    MeterType chosen = MeterType::None;
    std::array<ChartCurve, kMeterTypes> curves; // by meter type
    std::optional<ChartBands> bands;
    // The flow typed on the screen, where it lies on the axis, with the
    // chosen type's accuracy there as the screen shows it. `currentFlow` is
    // set whenever the typed flow lies on the axis; `current` only when the
    // chosen type also has a figure there (not below Q1, not without a
    // chosen type).
    std::optional<ChartPoint> current;
    std::optional<double> currentFlow;
    QString currentFlowText; // the typed flow and its unit
    QString currentAccuracyText;
};

// The chart of the velocity tool's inputs as they stand (the meter size and
// flow typed, the flow unit, the unit system) with `chosen` as the meter
// type the user chose (None: no curve is drawn strong).
ChartData accuracyChart(const InputTexts &inputs, MeterType chosen, const TextTable &texts);

// The accuracy limit a curve shows at a flow: the value of a point at that
// flow (at a Veldrix step, the band the flow is in, the upper one), between
// two points of a run the line between them as drawn on the logarithmic
// flow axis; nothing outside the curve's runs.
std::optional<double> curveValueAt(const ChartCurve &curve, double flow);

} // namespace velocity
