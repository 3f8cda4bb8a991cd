// Flow units, pipe velocity, meter sizing, Reynolds number and pressure loss
// as plain functions: typed texts in, shown texts and shared values out.
#include "screenfixture.h"
#include "sizing/flowvelocity.h"
#include "sizing/fluid.h"
#include "sizing/metersizing.h"
#include "sizing/pressureloss.h"

#include <QtTest>
#include <cmath>

using velocity::Recalculation;
using velocity::SharedValues;
using Text = std::optional<QString>;

namespace {
const Text keep = std::nullopt;
float below(float x) { return std::nextafter(x, 0.0f); }
double below(double x) { return std::nextafter(x, 0.0); }
double above(double x) { return std::nextafter(x, 1e9); }
QString shown(const Text &t) { return t.value_or(QStringLiteral("keep")); }

struct VelocityRow { bool metric; QString flow; int unitNo; QString size; Text shown; bool emptied; double stored; };
struct ReynoldsRow { QString flow, density, viscosity, shown; int labelSlot; double stored; };
struct LossRow { QString pipe; int option; bool sizeMode; double reynolds; QString shown; };
} // namespace

Q_DECLARE_METATYPE(Text)
Q_DECLARE_METATYPE(VelocityRow)
Q_DECLARE_METATYPE(ReynoldsRow)
Q_DECLARE_METATYPE(LossRow)

class TestSizingCore : public QObject
{
    Q_OBJECT
    TestApp t;
    const TextTable &texts() const { return t.app.texts; }
    QString unit(int n) const { return n > 0 ? sizing::flowUnitNames(texts()).at(n - 1) : t.app.slot(11); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void flowToLitresPerSecond_data()
    {
        QTest::addColumn<QString>("flow");
        QTest::addColumn<int>("unitNo");
        QTest::addColumn<float>("stored"); // the shared flow starts at 7
        QTest::newRow("36 m3/h") << "36" << 4 << 10.0f;
        QTest::newRow("60 l/min") << "60" << 2 << 1.0f;
        QTest::newRow("1 Ml/day") << "1" << 5 << 11.574074f;
        QTest::newRow("zero keeps") << "0" << 1 << 7.0f;
        QTest::newRow("negative keeps") << "-5" << 1 << 7.0f;
        QTest::newRow("prompt is no unit") << "5" << 0 << 7.0f;
        QTest::newRow("beyond 32 bits keeps") << "1e39" << 1 << 7.0f;
    }
    void flowToLitresPerSecond()
    {
        QFETCH(QString, flow);
        QFETCH(int, unitNo);
        QFETCH(float, stored);
        SharedValues shared;
        shared.flowLitresPerSecond = 7;
        sizing::flowToLitresPerSecond(flow, unit(unitNo), texts(), shared);
        QCOMPARE(shared.flowLitresPerSecond, stored);
    }

    void fractionRewrite()
    {
        QCOMPARE(sizing::imperialFractionRewrite(u"3/8", false), Text("0.375"));
        QCOMPARE(sizing::imperialFractionRewrite(u"15/32", false), Text("0.46875"));
        QCOMPARE(sizing::imperialFractionRewrite(u"5/8", false), keep);
        QCOMPARE(sizing::imperialFractionRewrite(u"3/8", true), keep);
    }

    // The velocity box, whether the first step empties it, and the shared m/s.
    void velocity_data()
    {
        QTest::addColumn<VelocityRow>("row");
        QTest::newRow("10 l/s in 100 mm") << VelocityRow{true, "10", 1, "100", "1.2733", false, 1.2733};
        QTest::newRow("10 l/s in 4 in, ft/s")
            << VelocityRow{false, "10", 1, "4", "4.0469", false, 10 * 1273.3 / (101.6 * 101.6)};
        QTest::newRow("unit unknown") << VelocityRow{true, "10", 0, "100", "0.0000", false, 0};
        QTest::newRow("zero flow") << VelocityRow{true, "0", 1, "100", keep, true, 0};
        QTest::newRow("empty size") << VelocityRow{true, "10", 1, "", keep, true, 0};
        QTest::newRow("negative size, imperial") << VelocityRow{false, "10", 1, "-4", keep, true, 0};
        QTest::newRow("huge flow") << VelocityRow{true, "1e308", 1, "100", keep, false, 9};
        QTest::newRow("tiny bore") << VelocityRow{false, "10", 1, "1e-200", keep, false, 9};
    }
    void velocity()
    {
        QFETCH(VelocityRow, row);
        SharedValues shared;
        shared.pipeVelocityMetresPerSecond = 9;
        const Recalculation run =
            sizing::computePipeVelocity(row.flow, unit(row.unitNo), row.size, row.metric, texts(), shared);
        QCOMPARE(sizing::showPipeVelocity(run, shared), row.shown);
        QCOMPARE(!run.hasVelocityInputs(), row.emptied);
        QVERIFY(qAbs(shared.pipeVelocityMetresPerSecond - row.stored) < 1e-12);
    }

    // Every bound of the nominal sizes, just below it and at it.
    void nominalBands_data()
    {
        QTest::addColumn<float>("bore");
        QTest::addColumn<float>("nominal");
        const float bounds[][2] = {{4.5f, 3}, {7.5f, 6}, {10.5f, 9}, {13.5f, 12}, {18, 15}, {23, 20}, {33, 25},
                                   {46, 40}, {57, 50}, {68, 65}, {91, 80}, {126, 100}, {176, 150}, {226, 200},
                                   {276, 250}, {326, 300}, {376, 350}, {426, 400}, {476, 450}, {551, 500},
                                   {651, 600}, {726, 700}, {776, 750}, {851, 800}, {951, 900}, {1051, 1000},
                                   {1151, 1100}, {1301, 1200}, {1451, 1400}, {1551, 1500}, {1701, 1600},
                                   {1901, 1800}, {0, 2000}};
        for (size_t i = 0; i + 1 < std::size(bounds); ++i) {
            QTest::addRow("below %g", bounds[i][0]) << below(bounds[i][0]) << bounds[i][1];
            QTest::addRow("at %g", bounds[i][0]) << bounds[i][0] << bounds[i + 1][1];
        }
        QTest::newRow("1900.9") << 1900.9f << 1800.0f;
        QTest::newRow("1901.5") << 1901.5f << 2000.0f;
    }
    void nominalBands()
    {
        QFETCH(float, bore);
        QFETCH(float, nominal);
        QCOMPARE(sizing::roundToNominalSize(bore, false, true), nominal);
        QCOMPARE(sizing::roundToNominalSize(bore, true, false), nominal);
    }

    void sizeMeters_data()
    {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("sizes"); // max, min, 3, 2, 1 m/s
        QTest::newRow("10 l/s") << true << "10" << "150 40 65 80 100";
        QTest::newRow("10 l/s imperial") << false << "10" << "6 1.5 2.5 3 4";
        QTest::newRow("2 m/s row uses 1273.2") << true << "24.937" << "250 50 100 100 200";
        QTest::newRow("0.001 l/s") << true << "0.001" << "3 3 3 3 3";
        QTest::newRow("0.001 l/s imperial") << false << "0.001" << "1/8 1/8 1/8 1/8 1/8";
        QTest::newRow("huge flow imperial") << false << "3e38" << "80 80 80 80 80";
        QTest::newRow("zero empties") << true << "0" << "    ";
        QTest::newRow("negative keeps") << true << "-1" << "keep";
    }
    void sizeMeters()
    {
        QFETCH(bool, metric);
        QFETCH(QString, flow);
        QFETCH(QString, sizes);
        SharedValues shared;
        sizing::flowToLitresPerSecond(flow, unit(1), texts(), shared);
        const auto s = sizing::sizeMeters(flow, metric, shared);
        const QString got = s ? QStringList{s->maxSize, s->minSize, s->size3ms, s->size2ms, s->size1ms}.join(u' ')
                              : QStringLiteral("keep");
        QCOMPARE(got, sizes);
        QCOMPARE(sizing::fractionText(sizing::roundToNominalSize(12, false, false)), QStringLiteral("15/32"));
    }

    void reynolds_data()
    {
        QTest::addColumn<ReynoldsRow>("row"); // stored starts at 5000; label slot 0 empty, -1 kept
        QTest::newRow("water") << ReynoldsRow{"10", "water", "1.0019", "127088", 50, 127088.5387};
        QTest::newRow("other fluid") << ReynoldsRow{"10", "1000", "100", "1273", 52, 1273.3};
        QTest::newRow("no density") << ReynoldsRow{"10", "", "100", "0", 0, 5000};
        QTest::newRow("zero flow") << ReynoldsRow{"0", "water", "1.0019", "0", 0, 0};
        QTest::newRow("viscosity rounds to 0") << ReynoldsRow{"10", "1000", "1e-50", "keep", -1, 5000};
        QTest::newRow("density beyond 32 bits") << ReynoldsRow{"10", "1e39", "1", "keep", -1, 5000};
    }
    void reynolds()
    {
        QFETCH(ReynoldsRow, row);
        SharedValues shared;
        shared.reynoldsNumber = 5000;
        Recalculation run = sizing::computePipeVelocity(row.flow, unit(1), u"100", true, texts(), shared);
        sizing::showPipeVelocity(run, shared);
        const bool water = row.density == u"water";
        const auto got = sizing::fluidPropertiesAndReynolds(water, !water, water ? QStringLiteral("1000") : row.density,
                                                            row.viscosity, u"100", texts(), run, shared);
        QCOMPARE(shown(got.reynolds), row.shown);
        QCOMPARE(got.regime, row.labelSlot < 0 ? keep : Text(t.app.slot(row.labelSlot)));
        QVERIFY(qAbs(shared.reynoldsNumber - row.stored) < 1e-3);
    }

    void regimeLabel()
    {
        const std::pair<double, int> rows[] = {{0, 0},     {1, 52},    {2499, 52},  {2500, 0}, {2501, 51},
                                               {9999, 51}, {10000, 0}, {10001, 50}, {-5, 0}};
        for (auto [whole, slot] : rows)
            QCOMPARE(sizing::regimeLabel(whole, texts()), t.app.slot(slot));
    }

    void taperAngle_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("degrees");
        QTest::addColumn<Text>("field");
        QTest::newRow("90") << "90" << 60.0f << Text("60");
        QTest::newRow("150") << "150" << 180.0f << Text("180");
        QTest::newRow("200") << "200" << 180.0f << Text("180");
        QTest::newRow("1e400") << "1e400" << 180.0f << Text("180");
        QTest::newRow("60.9 is 60") << "60.9" << 60.0f << keep;
        for (const char *a : {"119", "120", "179", "181"})
            QTest::newRow(a) << a << QString(a).toFloat() << keep;
    }
    void taperAngle()
    {
        QFETCH(QString, typed);
        QFETCH(float, degrees);
        QFETCH(Text, field);
        const sizing::TaperAngle a = sizing::correctTaperAngle(typed);
        QCOMPARE(a.degrees, degrees);
        QCOMPARE(a.fieldText, field);
    }

    // Both sides of every taper band, at r = 0.179 and just above it; the
    // abrupt change at beta 0.5 and at 0.715, which takes the upper rule.
    void reducerCoefficients()
    {
        const double bands[][3] = {{8, 0.15, 0.15},  {12, 0.18, 0.18}, {17, 0.25, 0.25}, {22, 0.4, 0.4},
                                   {27, 0.55, 0.55}, {32, 0.675, 0.8}, {37, 0.75, 0.9},  {42, 0.85, 1.0},
                                   {47, 0.93, 1.1},  {52, 0.94, 1.1},  {57, 0.98, 1.15}, {179, 1.0, 1.2}};
        for (size_t i = 0; i < std::size(bands); ++i) {
            for (size_t j = i; j <= std::min(i + 1, std::size(bands) - 1); ++j) {
                const float degrees = float(bands[i][0] + double(j - i));
                QCOMPARE(sizing::reducerCoefficient(degrees, 0.179), bands[j][1]);
                QCOMPARE(sizing::reducerCoefficient(degrees, above(0.179)), bands[j][2]);
            }
        }
        QCOMPARE(sizing::contractionCoefficient(0.5), 0.4);
        QCOMPARE(sizing::contractionCoefficient(0.715), 0.75 * (1 - 0.715 * 0.715));
        QVERIFY(sizing::contractionCoefficient(below(0.715)) > 0.29);
    }

    // A meter bore at a band's bound (also in the gap up to the next band)
    // takes that band; one just above takes the next.
    void meterLossBands_data()
    {
        QTest::addColumn<double>("bore");
        QTest::addColumn<int>("nominal"); // 0: none
        const double bounds[][2] = {{18.01, 15},   {22.51, 20},   {32.51, 25},   {45.01, 40},   {57.51, 50},
                                    {72.51, 65},   {90.01, 80},   {125.01, 100}, {175.01, 150}, {225.01, 200},
                                    {275.01, 250}, {325.01, 300}, {375.01, 350}, {425.01, 400}, {475.01, 450},
                                    {550.01, 500}, {700, 600}};
        for (size_t i = 0; i + 1 < std::size(bounds); ++i) {
            QTest::addRow("at %g", bounds[i][0]) << bounds[i][0] << int(bounds[i][1]);
            QTest::addRow("above %g", bounds[i][0]) << above(bounds[i][0]) << int(bounds[i + 1][1]);
        }
        QTest::newRow("18, gap") << 18.0 << 15;
        QTest::newRow("below 700") << below(700.0) << 600;
        QTest::newRow("700") << 700.0 << 0;
        QTest::newRow("0") << 0.0 << 0;
    }
    void meterLossBands()
    {
        QFETCH(double, bore);
        QFETCH(int, nominal);
        QCOMPARE(sizing::meterLossNominalBore(bore).value_or(0), nominal);
        QCOMPARE(sizing::meterLossCoefficient(bore) > 0, nominal > 0);
    }

    // Water, a 50 mm meter at 2 m/s in a 100 mm pipe, taper 15 degrees.
    void pressureLoss_data()
    {
        QTest::addColumn<LossRow>("row");
        QTest::newRow("reducer only") << LossRow{"100", 0, false, 1e5, "2.8125 0.0028 0.0413"};
        QTest::newRow("no type keeps meter loss") << LossRow{"100", -1, false, 1e5, "2.8125 0.0028 0.0413"};
        QTest::newRow("Veldrix adds meter loss") << LossRow{"100", 1, false, 1e5, "61.2594 0.0613 0.9005"};
        QTest::newRow("size mode, no pipe") << LossRow{"", 0, true, 1e5, "58.4469 0.0584 0.8592"};
        QTest::newRow("Re 10001") << LossRow{"100", 0, false, 10001, "2.8125 0.0028 0.0413"};
        QTest::newRow("Re 9998 blank") << LossRow{"100", 0, false, 9998, "     "};
        for (double re : {9999.0, 9999.5, 10000.0, 0.0})
            QTest::addRow("Re %g keeps", re) << LossRow{"100", 1, false, re, "keep"};
    }
    void pressureLoss()
    {
        QFETCH(LossRow, row);
        SharedValues shared;
        shared.pipeVelocityMetresPerSecond = 2;
        shared.densityKgPerM3 = 1000;
        shared.reynoldsNumber = row.reynolds;
        Recalculation run;
        run.reynoldsComputed = true;
        const auto got = sizing::pressureLoss(15, u"50", row.pipe, row.option, row.sizeMode, run, shared);
        const QString text = got.millibar ? QStringList{*got.millibar, *got.bar, *got.psi}.join(u' ') : "keep";
        QCOMPARE(text, row.shown);
    }

    // Losses never come from values of an earlier calculation.
    void pressureLossStaleValues()
    {
        SharedValues shared;
        shared.pipeVelocityMetresPerSecond = 2;
        shared.densityKgPerM3 = 1000;
        shared.reynoldsNumber = 1e5;
        shared.meterLossCoefficient = 0.5f;
        Recalculation run;
        run.reynoldsComputed = true;
        QCOMPARE(*sizing::pressureLoss(15, u"800", u"", 1, false, run, shared).millibar, QStringLiteral("0.0000"));
        QCOMPARE(shared.meterLossCoefficient, 0.0f);
        QCOMPARE(*sizing::pressureLoss(180, u"800", u"", 0, false, run, shared).millibar, QStringLiteral("0.0000"));
        run.reynoldsComputed = false; // invalid fluid data in this run
        QCOMPARE(sizing::pressureLoss(15, u"50", u"100", 1, false, run, shared).millibar, keep);
        run.reynoldsComputed = true;
        shared.pipeVelocityMetresPerSecond = 1e200;
        shared.meterLossMillibar = 3;
        QCOMPARE(sizing::pressureLoss(15, u"50", u"100", 1, false, run, shared).millibar, keep);
        QCOMPARE(shared.meterLossMillibar, 3.0);
    }
};

QTEST_GUILESS_MAIN(TestSizingCore)
#include "tst_sizing_core.moc"
