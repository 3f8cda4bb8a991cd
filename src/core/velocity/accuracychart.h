#pragma once
// The accuracy limit of the four meter types over the flow range that matters
// for a meter size: the data of the accuracy chart, worked out without a
// widget (the chart window and the data sheet draw it).

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
};

// One point of a curve: a flow in the unit chosen on the screen and the
// accuracy limit (± percent) the meter type reaches there.
struct ChartPoint {
    double flow = 0;
    double percent = 0;
};

// A meter type's curve: runs of points drawn as lines, with gaps where the
// type has no figure (below Q1, or a size a type has no figures for).
struct ChartCurve {
    MeterType type = MeterType::None;
    QList<QList<ChartPoint>> runs;
};

// The Veldrix flow limits marked on the chart, in the chosen flow unit.
struct ChartBands {
    MeterType variant = MeterType::VeldrixMains;
    double q1 = 0;
    double q2 = 0;
    double qb = 0;
};

struct ChartData {
    ChartEmpty empty = ChartEmpty::NoSize;
    QString flowUnit;  // the flow unit's name as the screen's list shows it
    double flowMin = 0; // the logarithmic flow axis, in the chosen unit
    double flowMax = 0;
    double percentMax = 0; // the accuracy axis runs from 0 to this
    MeterType chosen = MeterType::None;
    std::array<ChartCurve, kMeterTypes> curves; // by meter type
    std::optional<ChartBands> bands;
    // The flow typed on the screen, where it lies on the axis, with the
    // chosen type's accuracy there as the screen shows it.
    std::optional<ChartPoint> current;
    QString currentFlowText; // the typed flow and its unit
    QString currentAccuracyText;
};

// The chart of the velocity tool's inputs as they stand (the meter size and
// flow typed, the flow unit, the unit system) with `chosen` as the meter
// type the user chose (None: no curve is drawn strong).
ChartData accuracyChart(const InputTexts &inputs, MeterType chosen, const TextTable &texts);

} // namespace velocity
