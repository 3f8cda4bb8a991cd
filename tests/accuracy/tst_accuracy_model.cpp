// The accuracy model as plain functions: meter size, Prandel, Veldrix and
// Brevil texts, and what a run leaves for the steps after it.
#include "accuracy/accuracymodel.h"
#include "sizing/flowvelocity.h"

#include <QtTest>
#include <cmath>

using velocity::LimitRow;
using velocity::MeterType;
using velocity::Recalculation;
using velocity::SharedValues;
using Text = std::optional<QString>;
struct VeldrixRow { MeterType type; QString size; double q; bool metric; QString text; };
Q_DECLARE_METATYPE(Text)
Q_DECLARE_METATYPE(MeterType)
Q_DECLARE_METATYPE(VeldrixRow)

namespace {
const Text keep = std::nullopt;

// A run whose velocity gives the flow q (m3/h) through a meter of s mm.
Recalculation runAtFlow(double q, int s, bool metric)
{
    Recalculation run;
    run.metric = metric;
    run.flowPositive = run.sizePositive = true;
    const double v = q / 3.6 * sizing::kVelocityFactor / (double(s) * s);
    run.rawVelocity = metric ? v : v * sizing::kSquareMmPerSquareInch;
    return run;
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

    void meterSize_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("metric");
        QTest::addColumn<int>("s"); // -1: outside the model
        QTest::newRow("100") << "100" << true << 100;
        QTest::newRow("half to even down") << "100.5" << true << 100;
        QTest::newRow("half to even up") << "101.5" << true << 102;
        QTest::newRow("empty") << "" << true << 0;
        QTest::newRow("32767") << "32767" << true << 32767;
        QTest::newRow("32768") << "32768" << true << -1;
        QTest::newRow("1e400") << "1e400" << true << -1;
        QTest::newRow("1 in is 25") << "1" << false << 25;
        QTest::newRow("4 in is 100") << "4" << false << 100;
        QTest::newRow("0.5 in is 12.7, 12") << "0.5" << false << 12;
        QTest::newRow("1290 in") << "1290" << false << 2000;
        QTest::newRow("1291 in") << "1291" << false << -1;
    }
    void meterSize()
    {
        QFETCH(QString, typed);
        QFETCH(bool, metric);
        QFETCH(int, s);
        QCOMPARE(int(accuracy::meterSizeMm(typed, metric).value_or(-1)), s);
    }

    void velocityRules_data()
    {
        QTest::addColumn<bool>("brevil");
        QTest::addColumn<int>("s");
        QTest::addColumn<double>("v");
        QTest::addColumn<Text>("text");
        const auto rows = [](bool brevil, std::initializer_list<std::tuple<int, double, Text>> list) {
            for (const auto &[s, v, text] : list)
                QTest::addRow("%s %d mm, %g m/s", brevil ? "Brevil" : "Prandel", s, v) << brevil << s << v << text;
        };
        rows(false, {{100, 1, Text("± 0.15%")}, {700, 1, Text("± 0.2%")}, {100, 0.25, Text("± 0.30%")},
                     {700, 0.25, Text("± 0.40%")}, {600, 1, Text("± 0.15%")}, {601, 1, Text("± 0.2%")},
                     {609, 0.25, Text("± 0.40%")}, {610, 0.25, Text("± 0.40%")}, {100, 0.5, Text("± 0.15%")},
                     {700, 0.4999995, Text("± 0.20%")}, {13, 1, keep}, {14, 1, Text("± 0.15%")},
                     {100, 0, keep}, {100, 1e-320, keep}});
        rows(true, {{100, 0.1, Text("± 0.25%")}, {100, 0.3, Text("± 0.15%")}, {700, 0.3, Text("± 0.20%")},
                    {700, 1, Text("± 0.20%")}, {700, 0.1, Text("± 0.33%")}, {600, 1, Text("± 0.15%")},
                    {601, 0.1, Text("± 0.33%")}, {610, 0.1, Text("± 0.33%")}, {609, 1, Text("± 0.20%")},
                    {13, 0.1, keep}, {100, -1, keep}});
    }
    void velocityRules()
    {
        QFETCH(bool, brevil);
        QFETCH(int, s);
        QFETCH(double, v);
        QFETCH(Text, text);
        QCOMPARE(brevil ? accuracy::brevilText(s, v) : accuracy::prandelText(s, v), text);
    }

    // Every listed size of both variants, just below and at Q1, Q2 and Qb.
    void veldrixBands()
    {
        int sizes = 0;
        for (MeterType type : {MeterType::VeldrixBattery, MeterType::VeldrixMains}) {
            const QString best = type == MeterType::VeldrixBattery ? "±  .5%" : "±  .25%";
            for (int s = 1; s <= 1000; ++s) {
                const std::optional<LimitRow> r = accuracy::veldrixLimits(type, s);
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

    // Whole runs: typed size, flow at the meter (m3/h), unit system, text.
    void veldrixRuns_data()
    {
        QTest::addColumn<VeldrixRow>("row");
        const MeterType b = MeterType::VeldrixBattery, m = MeterType::VeldrixMains;
        QTest::newRow("battery 15, 0.3") << VeldrixRow{b, "15", 0.3, true, "±  .5%"};
        QTest::newRow("battery 15, 0.1") << VeldrixRow{b, "15", 0.1, true, "±  2%"};
        QTest::newRow("battery 15, 0.02") << VeldrixRow{b, "15", 0.02, true, "±  5%"};
        QTest::newRow("battery 15, 0.005") << VeldrixRow{b, "15", 0.005, true, "<Q1"};
        QTest::newRow("mains 15, 1000") << VeldrixRow{m, "15", 1000, true, "±  .25%"};
        QTest::newRow("battery 500, 2") << VeldrixRow{b, "500", 2, true, "±  5%"};
        QTest::newRow("battery 500, 62") << VeldrixRow{b, "500", 62, true, "±  5%"};
        QTest::newRow("no flow, 100") << VeldrixRow{m, "100", 0, true, "<Q1"};
        QTest::newRow("30 has no row") << VeldrixRow{m, "30", 1, true, ""};
        QTest::newRow("empty size") << VeldrixRow{m, "", 0, true, ""};
        QTest::newRow("negative size") << VeldrixRow{m, "-100", 0, true, ""};
        QTest::newRow("above 32767") << VeldrixRow{m, "40000", 1, true, ""};
        QTest::newRow("1 in, limits x 0.9687") << VeldrixRow{m, "1", 0.175, false, "±  .25%"};
        QTest::newRow("same flow metric") << VeldrixRow{m, "25", 0.175, true, "±  2%"};
    }
    void veldrixRuns()
    {
        QFETCH(VeldrixRow, row);
        SharedValues shared;
        // A row held from an earlier run must not judge a size without one.
        QCOMPARE(veldrix(row.type, "100", 1.5, 100, true, shared), Text("±  2%"));
        const int s = std::max(1, int(accuracy::meterSizeMm(row.size, row.metric).value_or(1)));
        QCOMPARE(veldrix(row.type, row.size, row.q, s, row.metric, shared), Text(row.text));
    }

    // Imperial limits are scaled for each run, never compounded; q is not
    // touched by a run that does not work it out.
    void repeatedRuns()
    {
        SharedValues shared;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(veldrix(MeterType::VeldrixMains, "1", 0.17, 25, false, shared), Text("±  2%"));
        QCOMPARE(shared.limits.qbM3PerHour, 0.18); // held as listed
        const double q = shared.meterFlowM3PerHour;
        QVERIFY(qAbs(q - 0.17) < 1e-12);
        QCOMPARE(veldrix(MeterType::VeldrixMains, "", 0, 1, true, shared), Text(""));
        QCOMPARE(shared.meterFlowM3PerHour, q);
    }

    // s and the nominal size on every run, with or without a meter type; a
    // run without a finite velocity changes no text.
    void sizeAndVelocityOnEveryRun()
    {
        SharedValues shared;
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
    }

    void totalLoss()
    {
        SharedValues shared;
        shared.reducerLossMillibar = 2.8125;
        shared.meterLossMillibar = 58.4469;
        QCOMPARE(accuracy::totalPressureLossText(shared), Text("0.0613"));
        shared.meterLossMillibar = HUGE_VAL;
        QCOMPARE(accuracy::totalPressureLossText(shared), keep);
    }
};

QTEST_GUILESS_MAIN(TestAccuracyModel)
#include "tst_accuracy_model.moc"
