// The accuracy model as plain functions: meter size, Prandel, Veldrix and Brevil texts, what a run leaves behind.
#include "core/velocity/accuracymodel.h"
#include "core/velocity/flowvelocity.h"

#include <QtTest>

using velocity::MeterType;
using velocity::Recalculation;
using velocity::SharedValues;
using Text = std::optional<QString>;

namespace {
const Text keep = std::nullopt;

// A run whose velocity gives the flow q (m3/h) through a meter of s mm.
Recalculation runAtFlow(double q, int s, bool metric)
{
    const double v = q / 3.6 * sizing::kVelocityFactor / (double(s) * s);
    return {.metric = metric, .flowPositive = true, .sizePositive = true,
            .rawVelocity = metric ? v : v * sizing::kSquareMmPerSquareInch};
}

Text veldrix(MeterType type, const QString &size, double q, int s, bool metric, SharedValues &shared)
{
    shared.meterType = type;
    Recalculation run = runAtFlow(q, s, metric);
    return accuracy::accuracyModel(size, run, shared).veldrix;
}
} // namespace

class TestAccuracyModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The typed size rounded half to even (inches to their nominal millimetres); nothing (-1) outside 16 bits.
    void meterSize()
    {
        const std::tuple<const char *, bool, int> rows[] = {
            {"100", true, 100},  {"100.5", true, 100}, {"101.5", true, 102}, {"", true, 0},   {"32767", true, 32767},
            {"32768", true, -1}, {"1e400", true, -1},  {"1", false, 25},     {"4", false, 100}, {"0.5", false, 12},
            {"1290", false, 2000}, {"1291", false, -1}};
        for (const auto &[typed, metric, s] : rows)
            QCOMPARE(int(accuracy::meterSizeMm(QString::fromLatin1(typed), metric).value_or(-1)), s);
    }

    // Prandel and Brevil share one rule: its edges walked for Prandel, Brevil's own figures and floors once each.
    void velocityRules()
    {
        const std::tuple<char, int, double, Text> rows[] = {
            {'P', 100, 1, "± 0.15%"}, {'P', 700, 1, "± 0.2%"}, {'P', 100, 0.25, "± 0.30%"}, {'P', 13, 1, keep},
            {'P', 700, 0.25, "± 0.40%"}, {'P', 600, 1, "± 0.15%"}, {'P', 601, 1, "± 0.2%"}, {'P', 14, 1, "± 0.15%"},
            {'P', 609, 0.25, "± 0.40%"}, {'P', 100, 0.5, "± 0.15%"}, {'P', 700, 0.4999995, "± 0.20%"},
            {'P', 100, 1e-320, keep}, {'B', 100, 0.1, "± 0.25%"}, {'B', 100, -1, keep}, {'B', 100, 0.3, "± 0.15%"},
            {'B', 700, 0.3, "± 0.20%"}, {'B', 700, 1, "± 0.20%"}, {'B', 700, 0.1, "± 0.33%"}, {'B', 600, 1, "± 0.15%"}};
        for (const auto &[rule, s, v, text] : rows)
            QCOMPARE(rule == 'B' ? accuracy::brevilText(s, v) : accuracy::prandelText(s, v), text);
    }

    // Every listed size of both variants, just below and at Q1, Q2 and Qb.
    void veldrixBands()
    {
        int sizes = 0;
        for (MeterType type : {MeterType::VeldrixBattery, MeterType::VeldrixMains}) {
            const QString best = type == MeterType::VeldrixBattery ? "±  .5%" : "±  .25%";
            for (int s = 1; s <= 1000; ++s) {
                const std::optional<velocity::LimitRow> r = accuracy::veldrixLimits(type, s);
                if (!r)
                    continue;
                ++sizes;
                QVERIFY(r->q1M3PerHour < r->q2M3PerHour && r->q2M3PerHour < r->qbM3PerHour);
                const std::pair<double, QString> edges[] = {
                    {std::nextafter(r->q1M3PerHour, 0.0), "<Q1"}, {r->q1M3PerHour, "±  5%"},
                    {std::nextafter(r->q2M3PerHour, 0.0), "±  5%"}, {r->q2M3PerHour, "±  2%"},
                    {std::nextafter(r->qbM3PerHour, 0.0), "±  2%"}, {r->qbM3PerHour, best}};
                for (const auto &[q, text] : edges)
                    QCOMPARE(accuracy::veldrixText(accuracy::veldrixBandAccuracy(type, q, *r)), text);
            }
        }
        QCOMPARE(sizes, 34);
    }

    // Whole runs (type, typed size, flow at the meter in m3/h, unit system), each after a run at 100 mm whose held
    // limit row must not judge a size without one.
    void veldrixRuns()
    {
        const MeterType b = MeterType::VeldrixBattery, m = MeterType::VeldrixMains;
        const std::tuple<MeterType, QString, double, bool, QString> rows[] = {
            {b, "15", 0.3, true, "±  .5%"},  {b, "15", 0.1, true, "±  2%"},    {b, "15", 0.02, true, "±  5%"},
            {b, "15", 0.005, true, "<Q1"},   {m, "15", 1000, true, "±  .25%"}, {b, "500", 2, true, "±  5%"},
            {b, "500", 62, true, "±  5%"},   {m, "100", 0, true, "<Q1"},       {m, "30", 1, true, ""},
            {m, "", 0, true, ""},            {m, "-100", 0, true, ""},         {m, "40000", 1, true, ""},
            {m, "1", 0.175, false, "±  .25%"}, {m, "25", 0.175, true, "±  2%"}};
        for (const auto &[type, size, q, metric, text] : rows) {
            SharedValues shared;
            QCOMPARE(veldrix(type, "100", 1.5, 100, true, shared), Text("±  2%"));
            const int s = std::max(1, int(accuracy::meterSizeMm(size, metric).value_or(1)));
            QCOMPARE(veldrix(type, size, q, s, metric, shared), Text(text));
        }
    }

    // What runs leave for the steps after them: imperial limits scaled for each run, never compounded; q untouched by
    // a run that does not work it out; s as the nominal size on every run, with or without a meter type; no text from
    // a run without a finite velocity; the total loss in bar only when finite.
    void whatRunsLeave()
    {
        SharedValues shared;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(veldrix(MeterType::VeldrixMains, "1", 0.17, 25, false, shared), Text("±  2%"));
        QCOMPARE(shared.limits.qbM3PerHour, 0.18); // held as listed
        const double q = shared.meterFlowM3PerHour;
        QVERIFY(qAbs(q - 0.17) < 1e-12);
        QCOMPARE(veldrix(MeterType::VeldrixMains, "", 0, 1, true, shared), Text(""));
        QCOMPARE(shared.meterFlowM3PerHour, q);

        shared.meterType = MeterType::None;
        Recalculation run = runAtFlow(1, 100, true);
        const auto none = accuracy::accuracyModel(u"100", run, shared);
        QVERIFY(!none.prandel && !none.veldrix && !none.brevil && !none.showPrandel);
        accuracy::storeNominalMeterSize(run, shared);
        QCOMPARE(shared.nominalMeterSizeMm, 100.0);
        run.velocityFinite = false;
        for (MeterType type : {MeterType::Prandel, MeterType::VeldrixMains, MeterType::Brevil}) {
            shared.meterType = type;
            const auto out = accuracy::accuracyModel(u"100", run, shared);
            QVERIFY(!out.prandel && !out.veldrix && !out.brevil);
            QCOMPARE(out.showPrandel || out.showBrevil, type != MeterType::VeldrixMains);
        }

        shared.reducerLossMillibar = 2.8125;
        shared.meterLossMillibar = 58.4469;
        QCOMPARE(accuracy::totalPressureLossText(shared), Text("0.0613"));
        shared.meterLossMillibar = HUGE_VAL;
        QCOMPARE(accuracy::totalPressureLossText(shared), keep);
    }
};

QTEST_GUILESS_MAIN(TestAccuracyModel)
#include "tst_accuracy_model.moc"
