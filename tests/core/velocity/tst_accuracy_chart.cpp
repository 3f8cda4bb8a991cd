// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The accuracy chart's data against the velocity tool itself: at the typed flow and at every point of every curve,
// the chart's percent, written as the accuracy box writes it, is the text the tool shows for that flow (worked out
// through the calculator on plain texts, as the screen does). Then the axis it chooses and the charts with nothing to
// show.
#include "core/common/numbers.h"
#include "core/velocity/accuracychart.h"
#include "core/velocity/calculator.h"
#include "datarows.h"
#include "shippedtexts.h"

#include <QtTest>
#include <cmath>

using namespace velocity;

namespace {

const MeterType kPrandel = MeterType::Prandel, kMains = MeterType::VeldrixMains, kBrevil = MeterType::Brevil,
                kBattery = MeterType::VeldrixBattery;

bool isVeldrix(MeterType type) { return type == kMains || type == kBattery; }

// The velocity tool's inputs: a size, a flow and the flow unit at a list position (1 = first; 0: the list's prompt).
InputTexts typed(bool metric, const QString &size, int unit, const QString &flow)
{
    InputTexts in;
    in.metric = metric;
    in.meterSize = size;
    in.flow = flow;
    in.unit = flowUnitNames(englishTexts()).value(unit - 1, englishTexts().slot(Txt::FlowUnitsPrompt));
    return in;
}

// What the velocity tool's accuracy box shows after the user chose `type` and typed the flow: a fresh tool each
// time, so no text is left from an earlier flow.
QString shownByTool(InputTexts in, MeterType type, const QString &flow)
{
    SharedValues shared;
    TextFields fields(englishTexts());
    Calculator calc(shared, englishTexts(), fields);
    in.checkedMeterType = type;
    fields.input = in;
    calc.chooseMeterType(type);
    fields.input.flow = flow;
    calc.flowChanged(true);
    return fields.text(accuracyBox(type));
}
QString flowText(double flow) { return QString::number(flow, 'g', 17); }

// A curve's percent written as the accuracy box writes the model's figure: a Veldrix band, or a rated type's
// percent, its fixed figure as its makers write it.
QString asShown(MeterType type, double percent, int sizeMm)
{
    if (isVeldrix(type))
        return Presenter::veldrixBand(float(percent));
    AccuracyResult result;
    result.type = type;
    RatedAccuracy rated{percent, false, sizeMm > 600};
    rated.fixed = percent == (rated.largeMeter ? 0.2 : 0.15);
    result.rated = rated;
    return Presenter::accuracy(result).value_or(QStringLiteral("(kept)"));
}
int sizeMm(const InputTexts &in) { return meterSizeMm(num::leadingNumber(in.meterSize), in.metric).value_or(0); }

// A chosen type, the typed size, unit and flow, and what the tool's accuracy box shows then ("<Q1" and "" mean the
// chart has no point there).
struct FlowRow { const char *name; MeterType type; bool metric; QString size; int unit; QString flow, shown; };
const FlowRow kFlows[] = {
    {"100 mm Veldrix Mains, 20 m3/h", kMains, true, "100", 4, "20", "±  .25%"},
    {"100 mm Veldrix Mains, Q2 to Qb", kMains, true, "100", 4, "2", "±  2%"},
    {"100 mm Veldrix Mains, Q1 to Q2", kMains, true, "100", 4, "0.3", "±  5%"},
    {"100 mm Veldrix Mains, at Qb", kMains, true, "100", 4, "3", "±  .25%"},
    {"100 mm Veldrix Mains, below Q1", kMains, true, "100", 4, "0.1", "<Q1"},
    {"100 mm Veldrix Battery, 5 m3/h", kBattery, true, "100", 4, "5", "±  2%"},
    {"15 mm Veldrix Battery, above Qb", kBattery, true, "15", 4, "0.5", "±  .5%"},
    {"25 mm Veldrix Mains, 150 l/h", kMains, true, "25", 3, "150", "±  2%"},
    {"600 mm Veldrix Mains, 10 Ml/day", kMains, true, "600", 5, "10", "±  .25%"},
    {"700 mm Veldrix Mains, no limits", kMains, true, "700", 1, "100", ""},
    {"100 mm Prandel, fixed figure", kPrandel, true, "100", 4, "20", "± 0.15%"},
    {"100 mm Prandel, below 0.5 m/s", kPrandel, true, "100", 4, "5", "± 0.42%"},
    {"600 mm Prandel, 10 Ml/day", kPrandel, true, "600", 5, "10", "± 0.18%"},
    {"605 mm Prandel, large meter", kPrandel, true, "605", 1, "1000", "± 0.2%"},
    {"700 mm Prandel, no Veldrix limits", kPrandel, true, "700", 1, "100", "± 0.38%"},
    {"100 mm Brevil, low velocity", kBrevil, true, "100", 4, "1", "± 0.71%"},
    {"100 mm Brevil, at its floor", kBrevil, true, "100", 4, "10", "± 0.15%"},
    {"700 mm Brevil, large meter floor", kBrevil, true, "700", 1, "100", "± 0.20%"},
    {"14 mm Brevil, no Veldrix limits", kBrevil, true, "14", 1, "0.2", "± 0.15%"},
    {"4 in Veldrix Mains, 88 US gal/min", kMains, false, "4", 11, "88", "±  .25%"},
    {"4 in Prandel, 20 US gal/min", kPrandel, false, "4", 11, "20", "± 0.48%"},
    {"2 in Veldrix Battery, 10 imp gal/min", kBattery, false, "2", 7, "10", "±  .5%"},
    {"4 in Brevil, 1 imp gal/s", kBrevil, false, "4", 6, "1", "± 0.15%"},
};

// The axis for a chosen type and typed inputs: its ends and top, the Veldrix bands marked ("none") and whether the
// typed flow is marked on it.
struct AxisRow { const char *name; MeterType chosen; bool metric; QString size; int unit; QString flow, axis, bands;
                 bool marked; };

// Inputs for which the chart has nothing to show, and why.
struct EmptyRow { const char *name; bool metric; QString size; int unit; ChartEmpty why; };

// A flow and the value the test curve gives there ("none": no value).
struct ValueRow { const char *name; double flow; QString value; };

QString axisOf(const ChartData &d)
{
    return QStringLiteral("%1..%2 top %3").arg(d.flowMin).arg(d.flowMax).arg(d.percentMax);
}
QString bandsOf(const ChartData &d)
{
    if (!d.bands)
        return QStringLiteral("none");
    return QStringLiteral("%1 %2 %3 %4")
        .arg(Presenter::meterTypeName(d.bands->variant))
        .arg(d.bands->q1, 0, 'g', 6)
        .arg(d.bands->q2, 0, 'g', 6)
        .arg(d.bands->qb, 0, 'g', 6);
}

} // namespace

Q_DECLARE_METATYPE(FlowRow)
Q_DECLARE_METATYPE(AxisRow)
Q_DECLARE_METATYPE(EmptyRow)
Q_DECLARE_METATYPE(ValueRow)

class TestAccuracyChart : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // At the typed flow the chosen type's curve, and the chart's text, give what the tool's accuracy box shows; where
    // the box shows no figure (below Q1, a size without limits) the curve has no point and nothing is marked.
    void typedFlow_data() { addRows(kFlows); }
    void typedFlow()
    {
        QFETCH(FlowRow, row);
        const InputTexts in = typed(row.metric, row.size, row.unit, row.flow);
        const QString shown = shownByTool(in, row.type, row.flow);
        QCOMPARE(shown, row.shown);

        const ChartData chart = accuracyChart(in, row.type, englishTexts());
        QCOMPARE(chart.empty, ChartEmpty::None);
        QCOMPARE(chart.currentAccuracyText, shown);
        QCOMPARE(chart.currentFlowText, row.flow + u' ' + in.unit);
        const double flow = num::leadingNumber(row.flow);
        QCOMPARE(chart.currentFlow, std::optional(flow));
        const std::optional<double> value = curveValueAt(chart.curves[size_t(row.type)], flow);
        if (shown == u"<Q1" || shown.isEmpty()) {
            QVERIFY2(!value, qPrintable(QString::number(*value)));
            QVERIFY(!chart.current);
        } else {
            QVERIFY(value);
            QCOMPARE(asShown(row.type, *value, sizeMm(in)), shown);
            QVERIFY(chart.current);
            QCOMPARE(chart.current->percent, *value);
        }
    }

    // Every point of every type's curve shows what the tool shows at that flow, the band edges from both sides
    // included; Veldrix curves are flat between their points and change band only between adjacent flows, so each
    // step is upright.
    void everyPoint_data() { addRows(kFlows); }
    void everyPoint()
    {
        QFETCH(FlowRow, row);
        const InputTexts in = typed(row.metric, row.size, row.unit, row.flow);
        const ChartData chart = accuracyChart(in, row.type, englishTexts());
        for (const ChartCurve &curve : chart.curves) {
            const QString name = Presenter::meterTypeName(curve.type);
            for (const QList<ChartPoint> &run : curve.runs) {
                for (qsizetype i = 0; i < run.size(); ++i) {
                    const ChartPoint &p = run[i];
                    const QString at = name + QStringLiteral(" at ") + flowText(p.flow);
                    QVERIFY2(p.flow >= chart.flowMin && p.flow <= chart.flowMax, qPrintable(at));
                    QCOMPARE(asShown(curve.type, p.percent, sizeMm(in)) + u' ' + at,
                             shownByTool(in, curve.type, flowText(p.flow)) + u' ' + at);
                    if (i == 0 || !isVeldrix(curve.type))
                        continue;
                    const ChartPoint &before = run[i - 1];
                    QVERIFY2(before.flow < p.flow, qPrintable(at));
                    if (before.percent != p.percent)
                        QVERIFY2(std::nextafter(before.flow, HUGE_VAL) == p.flow, qPrintable(at + " is not upright"));
                    const double middle = std::sqrt(before.flow * p.flow);
                    QCOMPARE(asShown(curve.type, *curveValueAt(curve, middle), sizeMm(in)),
                             shownByTool(in, curve.type, flowText(middle)));
                }
            }
        }
        // No figure anywhere between the runs or before the first: the tool shows none there either.
        for (const ChartCurve &curve : chart.curves) {
            if (curve.runs.isEmpty() || curve.runs.front().front().flow == chart.flowMin)
                continue;
            const QString below = shownByTool(in, curve.type, flowText(chart.flowMin));
            QVERIFY2(below == u"<Q1" || below.isEmpty(), qPrintable(below));
        }
    }

    // The flow axis spans whole decades from well below Q1 to well above Qb of the size (or the flows of 0.02 to 3 m/s
    // without limits) in the chosen unit, and takes in a typed flow within two decades of that; the accuracy axis
    // leaves room above the 5 % band and the chosen type's figure, up to 50 %.
    void axis_data()
    {
        const AxisRow rows[] = {
            {"100 mm, 20 m3/h", kMains, true, "100", 4, "20", "0.01..100 top 6", "Veldrix Mains 0.16 0.4 3", true},
            {"Veldrix Battery chosen", kBattery, true, "100", 4, "20", "0.01..100 top 6", "Veldrix Battery 0.4 1 9",
             true},
            {"Prandel chosen: the Mains bands", kPrandel, true, "100", 4, "20", "0.01..100 top 6",
             "Veldrix Mains 0.16 0.4 3", true},
            {"litres per second", kMains, true, "100", 1, "5", "0.01..10 top 6",
             "Veldrix Mains 0.0444444 0.111111 0.833333", true},
            {"4 in, lowered limits", kMains, false, "4", 4, "20", "0.01..100 top 6",
             "Veldrix Mains 0.159991 0.399979 2.99984", true},
            {"700 mm, no limits: 0.02 to 3 m/s", kPrandel, true, "700", 1, "100", "1..10000 top 6", "none", true},
            {"no flow", kMains, true, "100", 4, "", "0.01..100 top 6", "Veldrix Mains 0.16 0.4 3", false},
            {"typed flow below, within reach", kMains, true, "100", 4, "0.001", "0.0001..100 top 6",
             "Veldrix Mains 0.16 0.4 3", true},
            {"typed flow above, within reach", kBrevil, true, "100", 4, "2000", "0.01..10000 top 6",
             "Veldrix Mains 0.16 0.4 3", true},
            {"typed flow out of reach", kMains, true, "100", 4, "1e6", "0.01..100 top 6", "Veldrix Mains 0.16 0.4 3",
             false},
            {"Prandel at 7 %", kPrandel, true, "100", 4, "0.3", "0.01..100 top 8", "Veldrix Mains 0.16 0.4 3", true},
            {"Prandel beyond the highest top", kPrandel, true, "100", 4, "0.02", "0.01..100 top 50",
             "Veldrix Mains 0.16 0.4 3", true},
        };
        addRows(rows);
    }
    void axis()
    {
        QFETCH(AxisRow, row);
        const InputTexts in = typed(row.metric, row.size, row.unit, row.flow);
        const ChartData chart = accuracyChart(in, row.chosen, englishTexts());
        QCOMPARE(axisOf(chart), row.axis);
        QCOMPARE(bandsOf(chart), row.bands);
        QCOMPARE(chart.currentFlow.has_value(), row.marked);
        QCOMPARE(chart.flowUnit, in.unit);
        QCOMPARE(chart.chosen, row.chosen);
        // The bands are where the marked variant's curve steps, well inside the axis.
        if (chart.bands) {
            const QList<ChartPoint> &steps = chart.curves[size_t(chart.bands->variant)].runs.front();
            QCOMPARE(steps.front().flow, chart.bands->q1);
            QVERIFY(chart.flowMin * 3 <= chart.bands->q1 && chart.bands->qb * 3 <= chart.flowMax);
        }
        // A marked flow is on the axis; a typed flow that is not marked still has its texts.
        const double flow = num::leadingNumber(row.flow);
        if (row.marked)
            QVERIFY(flow >= chart.flowMin && flow <= chart.flowMax);
        QCOMPARE(chart.currentFlowText.isEmpty(), !(flow > 0));
        QCOMPARE(chart.currentAccuracyText, flow > 0 ? shownByTool(in, row.chosen, row.flow) : QString());
        if (chart.current)
            QVERIFY(chart.current->percent * 1.1 <= chart.percentMax || chart.percentMax == 50);
    }

    // A meter size of 0, below or beyond the model's range, no flow unit named, or a size no type has figures for:
    // the chart has no axis and no curve, only its reason.
    void empty_data()
    {
        const EmptyRow rows[] = {
            {"no size", true, "", 4, ChartEmpty::NoSize},
            {"size 0", true, "0", 4, ChartEmpty::NoSize},
            {"negative size", true, "-100", 4, ChartEmpty::NoSize},
            {"size rounding to 0 mm", true, "0.4", 4, ChartEmpty::NoSize},
            {"size beyond 16 bits", true, "40000", 4, ChartEmpty::NoSize},
            {"inches beyond 16 bits", false, "1300", 4, ChartEmpty::NoSize},
            {"size too large for a double", true, "1e999", 4, ChartEmpty::NoSize},
            {"size as words", true, "abc", 4, ChartEmpty::NoSize},
            {"the list's prompt", true, "100", 0, ChartEmpty::NoUnit},
            {"a unit typed wrong", true, "100", 99, ChartEmpty::NoUnit},
            {"10 mm", true, "10", 4, ChartEmpty::NoFigures},
            {"1/4 in", false, "0.25", 4, ChartEmpty::NoFigures},
        };
        addRows(rows);
    }
    void empty()
    {
        QFETCH(EmptyRow, row);
        InputTexts in = typed(row.metric, row.size, row.unit, QStringLiteral("20"));
        if (row.unit == 99)
            in.unit = QStringLiteral("m3/hr");
        const ChartData chart = accuracyChart(in, kMains, englishTexts());
        QCOMPARE(chart.empty, row.why);
        for (const ChartCurve &curve : chart.curves)
            QVERIFY(curve.runs.isEmpty());
        QVERIFY(!chart.bands && !chart.current && !chart.currentFlow);
        QCOMPARE(axisOf(chart), QStringLiteral("0..0 top 0"));
    }

    // Whatever is typed, in every unit and unit system, a chart is either empty or has a finite axis whose curves rise
    // in flow inside it with finite figures: never an infinite or undefined number.
    void finiteEverywhere_data()
    {
        QTest::addColumn<int>("unit");
        for (int unit = 1; unit <= 13; ++unit)
            QTest::addRow("%s", qPrintable(flowUnitNames(englishTexts()).at(unit - 1))) << unit;
    }
    void finiteEverywhere()
    {
        QFETCH(int, unit);
        for (bool metric : {true, false}) {
            for (const char *size : {"0.6", "14", "15", "100", "600", "609", "2000", "32767", "1e-300"}) {
                for (const char *flow : {"", "-5", "1e-300", "1e-9", "1", "1e9", "1e300", "1e999"}) {
                    const QString what = QStringLiteral("%1 %2 %3").arg(metric ? "mm" : "in", size, flow);
                    for (MeterType chosen : {MeterType::None, kPrandel, kMains, kBrevil, kBattery}) {
                        const ChartData c = accuracyChart(typed(metric, size, unit, flow), chosen, englishTexts());
                        if (c.empty != ChartEmpty::None)
                            continue;
                        QVERIFY2(c.flowMin > 0 && std::isfinite(c.flowMax) && c.flowMax > c.flowMin, qPrintable(what));
                        QVERIFY2(c.flowMax / c.flowMin <= 1e12, qPrintable(what));
                        QVERIFY2(c.percentMax >= 6 && c.percentMax <= 50, qPrintable(what));
                        if (c.currentFlow)
                            QVERIFY2(*c.currentFlow >= c.flowMin && *c.currentFlow <= c.flowMax, qPrintable(what));
                        for (const ChartCurve &curve : c.curves) {
                            for (const QList<ChartPoint> &run : curve.runs) {
                                for (qsizetype i = 0; i < run.size(); ++i) {
                                    QVERIFY2(std::isfinite(run[i].percent) && run[i].percent > 0, qPrintable(what));
                                    QVERIFY2(run[i].flow >= c.flowMin && run[i].flow <= c.flowMax, qPrintable(what));
                                    QVERIFY2(i == 0 || run[i - 1].flow < run[i].flow, qPrintable(what));
                                }
                            }
                        }
                    }
                }
            }
        }
    }

    // The value a curve shows at a flow: a point's own, the upper band at a step, the line between points on the
    // logarithmic axis, and nothing outside or between runs.
    void valueAt_data()
    {
        const ValueRow rows[] = {
            {"before the curve", 0.5, "none"},   {"first point", 1, "5"},
            {"flat part", 1.5, "5"},             {"just below the step", std::nextafter(2.0, 0.0), "5"},
            {"at the step", 2, "2"},             {"after the step", 5, "2"},
            {"end of the first run", 10, "2"},   {"between the runs", 50, "none"},
            {"start of the second run", 100, "1"}, {"half way on the log axis", std::sqrt(100.0 * 1000.0), "2"},
            {"a tenth of the way", std::pow(10.0, 2.1), "1.2"}, {"end", 1000, "3"},
            {"after the curve", 2000, "none"},
        };
        addRows(rows);
    }
    void valueAt()
    {
        QFETCH(ValueRow, row);
        ChartCurve curve;
        curve.runs = {{{1, 5}, {std::nextafter(2.0, 0.0), 5}, {2, 2}, {10, 2}}, {{100, 1}, {1000, 3}}};
        const std::optional<double> value = curveValueAt(curve, row.flow);
        QCOMPARE(value ? QString::number(*value, 'g', 12) : QStringLiteral("none"), row.value);
    }
};

QTEST_MAIN(TestAccuracyChart)
#include "tst_accuracy_chart.moc"
