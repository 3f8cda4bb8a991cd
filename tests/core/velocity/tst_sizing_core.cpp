// The velocity screen's calculations as plain functions: the worked examples and every band bound.
#include "datarows.h"
#include "shippedtexts.h"
#include "core/velocity/flowvelocity.h"
#include "core/velocity/fluid.h"
#include "core/velocity/metersizing.h"
#include "core/velocity/pressureloss.h"

#include <QtTest>

using velocity::Recalculation;
using velocity::SharedValues;
using Text = std::optional<QString>;

namespace {
const Text keep = std::nullopt;
template <typename T> T below(T x) { return std::nextafter(x, T(0)); }
double above(double x) { return std::nextafter(x, 1e9); }

// Inputs, then what each step leaves: the flow stored (7 before), the velocity box and whether it is emptied, the
// metres per second (9 before), the Reynolds number and regime shown and the number stored (5000 before).
struct FlowRow { const char *name; bool metric; QString flow; int unitNo; QString size, fluid; float flow32;
                 Text velocity; bool emptied; double stored; QString reynolds; double re; };
} // namespace

class TestSizingCore : public QObject
{
    Q_OBJECT
    const TextTable &texts() const { return englishTexts(); }
    QString unit(int n) const { return n > 0 ? sizing::flowUnitNames(texts()).at(n - 1) : texts().slot(11); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The flow in litres per second, the pipe velocity and the Reynolds number, each leaving only valid results.
    void flowVelocityReynolds_data()
    {
        static const FlowRow rows[] = {
            {"10 l/s", true, "10", 1, "100", "water", 10, "1.2733", false, 1.2733, "127088 Turbulent", 127088.5387},
            {"36 m3/h, other", true, "36", 4, "100", "1000/100", 10, "1.2733", false, 1.2733, "1273 Laminar", 1273.3},
            {"60 l/min, no size", true, "60", 2, "", "water", 1, keep, true, 0, "0 ", 0},
            {"1 Ml/day, density too large", true, "1", 5, "", "1e39/1", 11.574074f, keep, true, 0, "keep", 5000},
            {"in", false, "10", 1, "4", "water", 10, "4.0469", false, 1.233511842024, "125087 Turbulent", 125087.1444},
            {"prompt, no density", true, "10", 0, "100", "/100", 7, "0.0000", false, 0, "0 ", 5000},
            {"zero flow", true, "0", 1, "100", "water", 7, keep, true, 0, "0 ", 0},
            {"negative flow, viscosity 0", true, "-5", 1, "100", "1000/1e-50", 7, keep, true, 0, "keep", 5000},
            {"negative size, imperial", false, "10", 1, "-4", "/100", 10, keep, true, 0, "0 ", 5000},
            {"flow beyond 32 bits", true, "1e308", 1, "100", "water", 7, keep, false, 9, "keep", 5000},
            {"tiny bore", false, "10", 1, "1e-200", "water", 10, keep, false, 9, "keep", 5000}};
        addRows(rows);
    }
    void flowVelocityReynolds()
    {
        QFETCH(FlowRow, row);
        SharedValues shared{.flowLitresPerSecond = 7, .pipeVelocityMetresPerSecond = 9, .reynoldsNumber = 5000};
        sizing::flowToLitresPerSecond(row.flow, unit(row.unitNo), texts(), shared);
        QCOMPARE(shared.flowLitresPerSecond, row.flow32);
        Recalculation run =
            sizing::computePipeVelocity(row.flow, unit(row.unitNo), row.size, row.metric, texts(), shared);
        QCOMPARE(!run.hasVelocityInputs(), row.emptied);
        QCOMPARE(sizing::showPipeVelocity(run, shared), row.velocity);
        QVERIFY(qAbs(shared.pipeVelocityMetresPerSecond - row.stored) < 1e-12);
        // Water's own figures are in its boxes, as the screen puts them there.
        const bool water = row.fluid == u"water";
        const QString fluid = water ? QStringLiteral("1000/1.0019") : row.fluid;
        const auto got = sizing::fluidPropertiesAndReynolds(water, !water, fluid.section(u'/', 0, 0),
                                                            fluid.section(u'/', 1), row.size, texts(), run, shared);
        QCOMPARE(got.reynolds ? *got.reynolds + u' ' + got.regime.value_or("?") : QStringLiteral("keep"), row.reynolds);
        QVERIFY(qAbs(shared.reynoldsNumber - row.re) < 1e-3);
    }

    // The regime label of every bound of the Reynolds number.
    void regimeLabel()
    {
        const std::pair<double, int> rows[] = {
            {0, 0}, {1, 52}, {2499, 52}, {2500, 0}, {2501, 51}, {9999, 51}, {10000, 0}, {10001, 50}, {-5, 0}};
        for (auto [whole, slot] : rows)
            QCOMPARE(sizing::regimeLabel(whole, texts()), texts().slot(slot));
    }

    // Every bound of the nominal sizes, just below it and at it.
    void nominalBands()
    {
        const float bounds[][2] = {
            {4.5f, 3}, {7.5f, 6}, {10.5f, 9}, {13.5f, 12}, {18, 15}, {23, 20}, {33, 25}, {46, 40}, {57, 50}, {68, 65},
            {91, 80}, {126, 100}, {176, 150}, {226, 200}, {276, 250}, {326, 300}, {376, 350}, {426, 400}, {476, 450},
            {551, 500}, {651, 600}, {726, 700}, {776, 750}, {851, 800}, {951, 900}, {1051, 1000}, {1151, 1100},
            {1301, 1200}, {1451, 1400}, {1551, 1500}, {1701, 1600}, {1901, 1800}, {0, 2000}};
        for (size_t i = 0; i + 1 < std::size(bounds); ++i) {
            for (auto [bore, nominal] : {std::pair(below(bounds[i][0]), bounds[i][1]),
                                         std::pair(bounds[i][0], bounds[i + 1][1])}) {
                QCOMPARE(sizing::roundToNominalSize(bore, false, true), nominal);
                QCOMPARE(sizing::roundToNominalSize(bore, true, false), nominal);
            }
        }
    }

    // The five proposals (max, min, 3, 2, 1 m/s): the 2 m/s one uses 1273.2, tiny and huge flows take the first and
    // last band (as inches on the imperial screen), a negative flow keeps the boxes. Small inch sizes show as
    // fractions; such a fraction typed or copied into the meter size becomes a decimal, others stay.
    void sizeMetersAndFractions()
    {
        QCOMPARE(sizing::fractionText(sizing::roundToNominalSize(12, false, false)), QStringLiteral("15/32"));
        QCOMPARE(sizing::imperialFractionRewrite(u"3/8", false), Text("0.375"));
        QCOMPARE(sizing::imperialFractionRewrite(u"15/32", false), Text("0.46875"));
        QCOMPARE(sizing::imperialFractionRewrite(u"5/8", false), keep);
        QCOMPARE(sizing::imperialFractionRewrite(u"3/8", true), keep);
        const std::tuple<bool, QString, QString> rows[] = {
            {true, "10", "150 40 65 80 100"}, {true, "24.937", "250 50 100 100 200"},
            {false, "0.001", "1/8 1/8 1/8 1/8 1/8"}, {false, "3e38", "80 80 80 80 80"}, {true, "-1", "keep"}};
        for (const auto &[metric, flow, sizes] : rows) {
            SharedValues shared;
            sizing::flowToLitresPerSecond(flow, unit(1), texts(), shared);
            const auto s = sizing::sizeMeters(flow, metric, shared);
            const QStringList got = s ? QStringList{s->maxSize, s->minSize, s->size3ms, s->size2ms, s->size1ms}
                                      : QStringList{"keep"};
            QCOMPARE(got.join(u' '), sizes);
        }
    }

    // Angles the reducer table does not cover move to the nearest case it covers (only those are written back); both
    // sides of every taper band, at r = 0.179 and just above; abrupt change at beta 0.5 and 0.715 (upper rule).
    void reducerCoefficients()
    {
        const std::tuple<const char *, float, Text> angles[] = {
            {"90", 60, "60"}, {"150", 180, "180"}, {"200", 180, "180"}, {"1e400", 180, "180"}, {"60.9", 60, keep},
            {"119", 119, keep}, {"120", 120, keep}, {"179", 179, keep}, {"181", 181, keep}};
        for (const auto &[typed, degrees, field] : angles) {
            const sizing::TaperAngle a = sizing::correctTaperAngle(QString::fromLatin1(typed));
            QCOMPARE(a.degrees, degrees);
            QCOMPARE(a.fieldText, field);
        }
        const double bands[][3] = {
            {8, 0.15, 0.15}, {12, 0.18, 0.18}, {17, 0.25, 0.25}, {22, 0.4, 0.4}, {27, 0.55, 0.55}, {32, 0.675, 0.8},
            {37, 0.75, 0.9}, {42, 0.85, 1.0}, {47, 0.93, 1.1}, {52, 0.94, 1.1}, {57, 0.98, 1.15}, {179, 1.0, 1.2}};
        for (size_t i = 0; i < std::size(bands); ++i) {
            for (size_t j = i; j <= std::min(i + 1, std::size(bands) - 1); ++j) {
                const float degrees = float(bands[i][0] + double(j - i));
                QCOMPARE(sizing::reducerCoefficient(degrees, 0.179), bands[j][1]);
                QCOMPARE(sizing::reducerCoefficient(degrees, above(0.179)), bands[j][2]);
            }
        }
        QCOMPARE(sizing::contractionCoefficient(0.5), 0.4);
        QCOMPARE(sizing::contractionCoefficient(0.715), 0.36658125);
        QVERIFY(sizing::contractionCoefficient(below(0.715)) > 0.29);
    }

    // A meter bore at a band's bound (or in the gap above) takes that band and a coefficient; just above, the next.
    void meterLossBands()
    {
        const double bounds[][2] = {
            {18.01, 15}, {22.51, 20}, {32.51, 25}, {45.01, 40}, {57.51, 50}, {72.51, 65}, {90.01, 80}, {125.01, 100},
            {175.01, 150}, {225.01, 200}, {275.01, 250}, {325.01, 300}, {375.01, 350}, {425.01, 400}, {475.01, 450},
            {550.01, 500}, {700, 600}};
        std::vector<std::pair<double, int>> rows = {{18, 15}, {below(700.0), 600}, {700, 0}, {0, 0}};
        for (size_t i = 0; i + 1 < std::size(bounds); ++i) {
            rows.emplace_back(bounds[i][0], int(bounds[i][1]));
            rows.emplace_back(above(bounds[i][0]), int(bounds[i + 1][1]));
        }
        for (auto [bore, nominal] : rows) {
            QCOMPARE(sizing::meterLossNominalBore(bore).value_or(0), nominal);
            QCOMPARE(sizing::meterLossCoefficient(bore) > 0, nominal > 0);
        }
    }

    // Water, a 50 mm meter at 2 m/s in a 100 mm pipe, taper 15 degrees: the meter type (-1 none) or meter-size mode
    // decides the meter's own loss; the Reynolds number whether the total shows, blanks or keeps the boxes; losses
    // never come from values of an earlier calculation.
    void pressureLoss()
    {
        const std::tuple<QString, int, bool, double, QString> rows[] = {
            {"100", 0, false, 1e5, "2.8125 0.0028 0.0413"}, {"100", -1, false, 1e5, "2.8125 0.0028 0.0413"},
            {"100", 1, false, 1e5, "61.2594 0.0613 0.9005"}, {"", 0, true, 1e5, "58.4469 0.0584 0.8592"},
            {"100", 0, false, 10001, "2.8125 0.0028 0.0413"}, {"100", 0, false, 9998, "     "},
            {"100", 1, false, 9999, "keep"}, {"100", 1, false, 10000, "keep"}, {"100", 1, false, 0, "keep"}};
        Recalculation run{.reynoldsComputed = true};
        for (const auto &[pipe, option, sizeMode, reynolds, shown] : rows) {
            SharedValues shared{.pipeVelocityMetresPerSecond = 2, .densityKgPerM3 = 1000, .reynoldsNumber = reynolds};
            const auto got = sizing::pressureLoss(15, u"50", pipe, option, sizeMode, run, shared);
            QCOMPARE(got.millibar ? (QStringList{*got.millibar, *got.bar, *got.psi}.join(u' ')) : "keep", shown);
        }
        SharedValues stale{.pipeVelocityMetresPerSecond = 2, .densityKgPerM3 = 1000, .reynoldsNumber = 1e5,
                           .meterLossCoefficient = 0.5f};
        QCOMPARE(*sizing::pressureLoss(15, u"800", u"", 1, false, run, stale).millibar, QStringLiteral("0.0000"));
        QCOMPARE(stale.meterLossCoefficient, 0.0f);
        QCOMPARE(*sizing::pressureLoss(180, u"800", u"", 0, false, run, stale).millibar, QStringLiteral("0.0000"));
        run.reynoldsComputed = false; // invalid fluid data in this run
        QCOMPARE(sizing::pressureLoss(15, u"50", u"100", 1, false, run, stale).millibar, keep);
        run.reynoldsComputed = true;
        stale.pipeVelocityMetresPerSecond = 1e200;
        stale.meterLossMillibar = 3;
        QCOMPARE(sizing::pressureLoss(15, u"50", u"100", 1, false, run, stale).millibar, keep);
        QCOMPARE(stale.meterLossMillibar, 3.0);
    }
};

QTEST_GUILESS_MAIN(TestSizingCore)
#include "tst_sizing_core.moc"
