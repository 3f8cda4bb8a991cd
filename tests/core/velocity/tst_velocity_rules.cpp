// The velocity tools' rules and tables as plain functions: every band bound, both sides of it, and the texts of the
// accuracy and loss figures.
#include "core/velocity/accuracymodel.h"
#include "core/velocity/fluid.h"
#include "core/velocity/metersizing.h"
#include "core/velocity/presenter.h"
#include "core/velocity/pressureloss.h"
#include "shippedtexts.h"

#include <QtTest>

using namespace velocity;
using Text = std::optional<QString>;

namespace {
const Text keep = std::nullopt;
template <typename T> T below(T x) { return std::nextafter(x, T(0)); }
double above(double x) { return std::nextafter(x, 1e9); }

// The text a velocity-rated meter's box shows for a size and velocity.
Text ratedText(MeterType type, int s, double v)
{
    AccuracyResult r{type, true, type == MeterType::Brevil ? brevilAccuracy(s, v) : prandelAccuracy(s, v), {}};
    return Presenter::accuracy(r);
}
} // namespace

class TestVelocityRules : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Every bound of the nominal sizes, just below it and at it, in millimetres and (kept) on the imperial screen.
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
                QCOMPARE(roundToNominalSize(bore, false, true), nominal);
                QCOMPARE(roundToNominalSize(bore, true, false), nominal);
            }
        }
    }

    // Small inch sizes show as fractions, and such a fraction typed as an imperial size becomes its decimal; other
    // texts, and metric sizes, stay as typed.
    void fractions()
    {
        QCOMPARE(fractionText(roundToNominalSize(12, false, false)), QStringLiteral("15/32"));
        QCOMPARE(fractionText(roundToNominalSize(1901, false, false)), QStringLiteral("80"));
        QCOMPARE(fractionText(2.5f), QStringLiteral("2.5"));
        QCOMPARE(imperialFractionRewrite(u"3/8", false), Text("0.375"));
        QCOMPARE(imperialFractionRewrite(u"15/32", false), Text("0.46875"));
        QCOMPARE(imperialFractionRewrite(u"5/8", false), keep);
        QCOMPARE(imperialFractionRewrite(u"3/8", true), keep);
    }

    // The regime label of every bound of the Reynolds number.
    void regimes()
    {
        const Presenter present(englishTexts());
        const std::pair<double, QString> rows[] = {{0, ""}, {1, "Laminar"}, {2499, "Laminar"}, {2500, ""},
                                                   {2501, "Transitional"}, {9999, "Transitional"}, {10000, ""},
                                                   {10001, "Turbulent"}, {-5, ""}};
        for (const auto &[whole, label] : rows)
            QCOMPARE(present.regime(regimeOf(whole)), label);
    }

    // Angles the reducer table does not cover move to the nearest case it covers (only those are written back); both
    // sides of every taper band, at r = 0.179 and just above; abrupt change at beta 0.5 and 0.715 (upper rule).
    void reducerCoefficients()
    {
        const std::tuple<double, float, bool> angles[] = {
            {90, 60, true}, {150, 180, true}, {200, 180, true}, {HUGE_VAL, 180, true}, {60.9, 60, false},
            {119, 119, false}, {120, 120, false}, {179, 179, false}, {181, 181, false}};
        for (const auto &[typed, degrees, corrected] : angles) {
            const TaperAngle a = correctTaperAngle(typed);
            QCOMPARE(a.degrees, degrees);
            QCOMPARE(a.corrected, corrected);
        }
        QCOMPARE(Presenter::taperAngle(180), QStringLiteral("180"));
        const double bands[][3] = {
            {8, 0.15, 0.15}, {12, 0.18, 0.18}, {17, 0.25, 0.25}, {22, 0.4, 0.4}, {27, 0.55, 0.55}, {32, 0.675, 0.8},
            {37, 0.75, 0.9}, {42, 0.85, 1.0}, {47, 0.93, 1.1}, {52, 0.94, 1.1}, {57, 0.98, 1.15}, {179, 1.0, 1.2}};
        for (size_t i = 0; i < std::size(bands); ++i) {
            for (size_t j = i; j <= std::min(i + 1, std::size(bands) - 1); ++j) {
                const float degrees = float(bands[i][0] + double(j - i));
                QCOMPARE(reducerCoefficient(degrees, 0.179), bands[j][1]);
                QCOMPARE(reducerCoefficient(degrees, above(0.179)), bands[j][2]);
            }
        }
        QCOMPARE(contractionCoefficient(0.5), 0.4);
        QCOMPARE(contractionCoefficient(0.715), 0.36658125);
        QVERIFY(contractionCoefficient(below(0.715)) > 0.29);
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
            QCOMPARE(meterLossNominalBore(bore).value_or(0), nominal);
            QCOMPARE(meterLossCoefficient(bore) > 0, nominal > 0);
        }
    }

    // The typed size rounded half to even (inches to their nominal millimetres); nothing (-1) outside 16 bits.
    void meterSize()
    {
        const std::tuple<double, bool, int> rows[] = {
            {100, true, 100},  {100.5, true, 100}, {101.5, true, 102}, {0, true, 0},     {32767, true, 32767},
            {32768, true, -1}, {HUGE_VAL, true, -1}, {1, false, 25},  {4, false, 100}, {0.5, false, 12},
            {1290, false, 2000}, {1291, false, -1}};
        for (const auto &[typed, metric, s] : rows)
            QCOMPARE(int(meterSizeMm(typed, metric).value_or(-1)), s);
    }

    // Prandel and Brevil share one rule: its edges walked for Prandel, Brevil's own figures and floors once each.
    void velocityRated()
    {
        const MeterType P = MeterType::Prandel, B = MeterType::Brevil;
        const std::tuple<MeterType, int, double, Text> rows[] = {
            {P, 100, 1, "± 0.15%"}, {P, 700, 1, "± 0.2%"}, {P, 100, 0.25, "± 0.30%"}, {P, 13, 1, keep},
            {P, 700, 0.25, "± 0.40%"}, {P, 600, 1, "± 0.15%"}, {P, 601, 1, "± 0.2%"}, {P, 14, 1, "± 0.15%"},
            {P, 609, 0.25, "± 0.40%"}, {P, 100, 0.5, "± 0.15%"}, {P, 700, 0.4999995, "± 0.20%"},
            {P, 100, 1e-320, keep}, {B, 100, 0.1, "± 0.25%"}, {B, 100, -1, keep}, {B, 100, 0.3, "± 0.15%"},
            {B, 700, 0.3, "± 0.20%"}, {B, 700, 1, "± 0.20%"}, {B, 700, 0.1, "± 0.33%"}, {B, 600, 1, "± 0.15%"}};
        for (const auto &[type, s, v, text] : rows)
            QCOMPARE(ratedText(type, s, v), text);
    }

    // Every listed size of both variants, just below and at Q1, Q2 and Qb.
    void veldrixBands()
    {
        int sizes = 0;
        for (MeterType type : {MeterType::VeldrixBattery, MeterType::VeldrixMains}) {
            const QString best = type == MeterType::VeldrixBattery ? "±  .5%" : "±  .25%";
            for (int s = 1; s <= 1000; ++s) {
                const std::optional<LimitRow> r = veldrixLimits(type, s);
                if (!r)
                    continue;
                ++sizes;
                QVERIFY(r->q1M3PerHour < r->q2M3PerHour && r->q2M3PerHour < r->qbM3PerHour);
                const std::pair<double, QString> edges[] = {
                    {below(r->q1M3PerHour), "<Q1"}, {r->q1M3PerHour, "±  5%"}, {below(r->q2M3PerHour), "±  5%"},
                    {r->q2M3PerHour, "±  2%"}, {below(r->qbM3PerHour), "±  2%"}, {r->qbM3PerHour, best}};
                for (const auto &[q, text] : edges)
                    QCOMPARE(Presenter::veldrixBand(veldrixBandAccuracy(type, q, *r)), text);
            }
        }
        QCOMPARE(sizes, 34);
    }

    // The loss shows above a Reynolds number of 10000, blanks below 9999 and keeps its texts in between; psi from
    // 6894.757 pascals (the converter's figure), not 14.7 per bar.
    void lossTexts()
    {
        const std::pair<double, QString> rows[] = {{1e5, "2.8125 0.0028 0.0408"}, {10000.5, "2.8125 0.0028 0.0408"},
                                                   {10000, "keep"}, {9999, "keep"}, {9998.9, "     "}};
        for (const auto &[reynolds, shown] : rows) {
            const Presenter::PressureTexts t = Presenter::pressure({2.8125, reynolds});
            const QString got = t.millibar ? QStringList{*t.millibar, *t.bar, *t.psi}.join(u' ') : "keep";
            QCOMPARE(got, shown);
        }
        QCOMPARE(Presenter::pressure({std::nullopt, 1e5}).millibar, keep);
        QCOMPARE(Presenter::pressure({1000, 1e5}).psi, Text("14.5038"));
    }
};

QTEST_GUILESS_MAIN(TestVelocityRules)
#include "tst_velocity_rules.moc"
