// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The velocity tools' rules and tables as plain functions: every band bound, both sides of it, and the texts of the
// accuracy and loss figures. Each row is named, so a failure says which bound or case broke.
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
QString shown(const Text &text) { return text.value_or(QStringLiteral("(kept)")); }
} // namespace

class TestVelocityRules : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Every bound of the nominal sizes, just below it and at it; the same millimetres on the imperial screen when
    // they are asked for.
    void nominalBands_data()
    {
        QTest::addColumn<float>("bore");
        QTest::addColumn<float>("nominal");
        const float bounds[][2] = {
            {4.5f, 3}, {7.5f, 6}, {10.5f, 9}, {13.5f, 12}, {18, 15}, {23, 20}, {33, 25}, {46, 40}, {57, 50}, {68, 65},
            {91, 80}, {126, 100}, {176, 150}, {226, 200}, {276, 250}, {326, 300}, {376, 350}, {426, 400}, {476, 450},
            {551, 500}, {651, 600}, {726, 700}, {776, 750}, {851, 800}, {951, 900}, {1051, 1000}, {1151, 1100},
            {1301, 1200}, {1451, 1400}, {1551, 1500}, {1701, 1600}, {1901, 1800}, {0, 2000}};
        for (size_t i = 0; i + 1 < std::size(bounds); ++i) {
            QTest::addRow("below %g", double(bounds[i][0])) << below(bounds[i][0]) << bounds[i][1];
            QTest::addRow("at %g", double(bounds[i][0])) << bounds[i][0] << bounds[i + 1][1];
        }
    }
    void nominalBands()
    {
        QFETCH(float, bore);
        QFETCH(float, nominal);
        QCOMPARE(roundToNominalSize(bore, false, true), nominal);
        QCOMPARE(roundToNominalSize(bore, true, false), nominal);
    }

    // Small inch sizes show as fractions, and such a fraction typed as an imperial size becomes its decimal; other
    // texts, and metric sizes, stay as typed.
    void fractions()
    {
        QCOMPARE(QStringList({fractionText(roundToNominalSize(12, false, false)),
                              fractionText(roundToNominalSize(1901, false, false)), fractionText(2.5f),
                              shown(imperialFractionRewrite(u"3/8", false)),
                              shown(imperialFractionRewrite(u"15/32", false)),
                              shown(imperialFractionRewrite(u"5/8", false)),
                              shown(imperialFractionRewrite(u"3/8", true))}),
                 QStringList({"15/32", "80", "2.5", "0.375", "0.46875", "(kept)", "(kept)"}));
    }

    // The regime label of every bound of the Reynolds number.
    void regimes_data()
    {
        QTest::addColumn<double>("whole");
        QTest::addColumn<QString>("label");
        const std::pair<double, const char *> rows[] = {
            {-5, ""}, {0, ""}, {1, "Laminar"}, {2499, "Laminar"}, {2500, ""}, {2501, "Transitional"},
            {9999, "Transitional"}, {10000, ""}, {10001, "Turbulent"}};
        for (const auto &[whole, label] : rows)
            QTest::addRow("%g", whole) << whole << QString::fromLatin1(label);
    }
    void regimes()
    {
        QFETCH(double, whole);
        QFETCH(QString, label);
        QCOMPARE(Presenter(englishTexts()).regime(regimeOf(whole)), label);
    }

    // Angles the reducer table does not cover move to the nearest case it covers, and only those are written back.
    void taperAngles_data()
    {
        QTest::addColumn<double>("typed");
        QTest::addColumn<QString>("used"); // the degrees, and "written" when corrected
        const std::pair<double, const char *> rows[] = {
            {90, "60 written"}, {150, "180 written"}, {200, "180 written"}, {HUGE_VAL, "180 written"},
            {60.9, "60"}, {119, "119"}, {120, "120"}, {179, "179"}, {181, "181"}};
        for (const auto &[typed, used] : rows)
            QTest::addRow("%g", typed) << typed << QString::fromLatin1(used);
    }
    void taperAngles()
    {
        QFETCH(double, typed);
        QFETCH(QString, used);
        const TaperAngle a = correctTaperAngle(typed);
        QCOMPARE(Presenter::taperAngle(a.degrees) + (a.corrected ? " written" : ""), used);
    }

    // Both sides of every taper band, at r = 0.179 and just above it.
    void reducerBands_data()
    {
        QTest::addColumn<float>("degrees");
        QTest::addColumn<double>("narrow");
        QTest::addColumn<double>("wide");
        const double bands[][3] = {
            {8, 0.15, 0.15}, {12, 0.18, 0.18}, {17, 0.25, 0.25}, {22, 0.4, 0.4}, {27, 0.55, 0.55}, {32, 0.675, 0.8},
            {37, 0.75, 0.9}, {42, 0.85, 1.0}, {47, 0.93, 1.1}, {52, 0.94, 1.1}, {57, 0.98, 1.15}, {179, 1.0, 1.2}};
        for (size_t i = 0; i < std::size(bands); ++i) {
            QTest::addRow("%g", bands[i][0]) << float(bands[i][0]) << bands[i][1] << bands[i][2];
            if (i + 1 < std::size(bands))
                QTest::addRow("%g", bands[i][0] + 1) << float(bands[i][0] + 1) << bands[i + 1][1] << bands[i + 1][2];
        }
    }
    void reducerBands()
    {
        QFETCH(float, degrees);
        QFETCH(double, narrow);
        QFETCH(double, wide);
        QCOMPARE(reducerCoefficient(degrees, 0.179), narrow);
        QCOMPARE(reducerCoefficient(degrees, above(0.179)), wide);
    }

    // The abrupt change's coefficient: the lower rule below beta 0.715, the upper one from it.
    void contraction()
    {
        QCOMPARE(contractionCoefficient(0.5), 0.4);
        QCOMPARE(contractionCoefficient(0.715), 0.36658125);
        QVERIFY(contractionCoefficient(below(0.715)) > 0.29);
    }

    // A meter bore at a band's bound (or in the gap above) takes that band and a coefficient; just above, the next.
    void meterLossBands_data()
    {
        QTest::addColumn<double>("bore");
        QTest::addColumn<int>("nominal"); // 0: no figures
        const double bounds[][2] = {
            {18.01, 15}, {22.51, 20}, {32.51, 25}, {45.01, 40}, {57.51, 50}, {72.51, 65}, {90.01, 80}, {125.01, 100},
            {175.01, 150}, {225.01, 200}, {275.01, 250}, {325.01, 300}, {375.01, 350}, {425.01, 400}, {475.01, 450},
            {550.01, 500}, {700, 600}};
        QTest::addRow("0") << 0.0 << 0;
        QTest::addRow("18 (in the gap)") << 18.0 << 15;
        for (size_t i = 0; i + 1 < std::size(bounds); ++i) {
            QTest::addRow("at %g", bounds[i][0]) << bounds[i][0] << int(bounds[i][1]);
            QTest::addRow("above %g", bounds[i][0]) << above(bounds[i][0]) << int(bounds[i + 1][1]);
        }
        QTest::addRow("below 700") << below(700.0) << 600;
        QTest::addRow("700") << 700.0 << 0;
    }
    void meterLossBands()
    {
        QFETCH(double, bore);
        QFETCH(int, nominal);
        QCOMPARE(meterLossNominalBore(bore).value_or(0), nominal);
        QCOMPARE(meterLossCoefficient(bore) > 0, nominal > 0);
    }

    // The typed size rounded half to even (inches to their nominal millimetres); nothing (-1) outside 16 bits.
    void meterSize_data()
    {
        QTest::addColumn<double>("typed");
        QTest::addColumn<bool>("metric");
        QTest::addColumn<int>("mm");
        const std::tuple<double, bool, int> rows[] = {
            {100, true, 100},  {100.5, true, 100}, {101.5, true, 102}, {0, true, 0},     {32767, true, 32767},
            {32768, true, -1}, {HUGE_VAL, true, -1}, {1, false, 25},  {4, false, 100}, {0.5, false, 12},
            {1290, false, 2000}, {1291, false, -1}};
        for (const auto &[typed, metric, mm] : rows)
            QTest::addRow("%g %s", typed, metric ? "mm" : "in") << typed << metric << mm;
    }
    void meterSize()
    {
        QFETCH(double, typed);
        QFETCH(bool, metric);
        QFETCH(int, mm);
        QCOMPARE(int(meterSizeMm(typed, metric).value_or(-1)), mm);
    }

    // Prandel and Brevil share one rule: its edges walked for Prandel, Brevil's own figures and floors once each.
    void velocityRated_data()
    {
        QTest::addColumn<bool>("brevil");
        QTest::addColumn<int>("size");
        QTest::addColumn<double>("velocity");
        QTest::addColumn<QString>("text");
        const std::tuple<bool, int, double, const char *> rows[] = {
            {false, 100, 1, "± 0.15%"}, {false, 700, 1, "± 0.2%"}, {false, 100, 0.25, "± 0.30%"},
            {false, 13, 1, "(kept)"}, {false, 700, 0.25, "± 0.40%"}, {false, 600, 1, "± 0.15%"},
            {false, 601, 1, "± 0.2%"}, {false, 14, 1, "± 0.15%"}, {false, 609, 0.25, "± 0.40%"},
            {false, 100, 0.5, "± 0.15%"}, {false, 700, 0.4999995, "± 0.20%"}, {false, 100, 1e-320, "(kept)"},
            {true, 100, 0.1, "± 0.25%"}, {true, 100, -1, "(kept)"}, {true, 100, 0.3, "± 0.15%"},
            {true, 700, 0.3, "± 0.20%"}, {true, 700, 1, "± 0.20%"}, {true, 700, 0.1, "± 0.33%"},
            {true, 600, 1, "± 0.15%"}};
        for (const auto &[brevil, size, v, text] : rows)
            QTest::addRow("%s %d mm %g m/s", brevil ? "Brevil" : "Prandel", size, v)
                << brevil << size << v << QString::fromUtf8(text);
    }
    void velocityRated()
    {
        QFETCH(bool, brevil);
        QFETCH(int, size);
        QFETCH(double, velocity);
        QFETCH(QString, text);
        const MeterType type = brevil ? MeterType::Brevil : MeterType::Prandel;
        const AccuracyResult r{type, true, brevil ? brevilAccuracy(size, velocity) : prandelAccuracy(size, velocity),
                               {}};
        QCOMPARE(shown(Presenter::accuracy(r)), text);
    }

    // Every listed size of both variants, just below and at Q1, Q2 and Qb.
    void veldrixBands_data()
    {
        QTest::addColumn<MeterType>("type");
        QTest::addColumn<int>("size");
        QTest::addColumn<double>("flow");
        QTest::addColumn<QString>("text");
        int sizes = 0;
        for (MeterType type : {MeterType::VeldrixBattery, MeterType::VeldrixMains}) {
            const bool battery = type == MeterType::VeldrixBattery;
            for (int s = 1; s <= 1000; ++s) {
                const std::optional<LimitRow> r = veldrixLimits(type, s);
                if (!r)
                    continue;
                ++sizes;
                const char *name = battery ? "battery" : "mains";
                const std::tuple<const char *, double, const char *> edges[] = {
                    {"below Q1", below(r->q1M3PerHour), "<Q1"}, {"Q1", r->q1M3PerHour, "±  5%"},
                    {"below Q2", below(r->q2M3PerHour), "±  5%"}, {"Q2", r->q2M3PerHour, "±  2%"},
                    {"below Qb", below(r->qbM3PerHour), "±  2%"}, {"Qb", r->qbM3PerHour, battery ? "±  .5%" : "±  .25%"}};
                for (const auto &[edge, q, text] : edges)
                    QTest::addRow("%s %d mm %s", name, s, edge) << type << s << q << QString::fromUtf8(text);
            }
        }
        QCOMPARE(sizes, 34);
    }
    void veldrixBands()
    {
        QFETCH(MeterType, type);
        QFETCH(int, size);
        QFETCH(double, flow);
        QFETCH(QString, text);
        QCOMPARE(Presenter::veldrixBand(veldrixBandAccuracy(type, flow, *veldrixLimits(type, size))), text);
    }

    // The loss shows above a Reynolds number of 10000, blanks below 9999 and keeps its texts in between; psi from
    // 6894.757 pascals (the converter's figure), not 14.7 per bar.
    void lossTexts_data()
    {
        QTest::addColumn<double>("millibar");
        QTest::addColumn<double>("reynolds");
        QTest::addColumn<QString>("shown");
        QTest::addRow("turbulent") << 2.8125 << 1e5 << "2.8125 0.0028 0.0408";
        QTest::addRow("just above 10000") << 2.8125 << 10000.5 << "2.8125 0.0028 0.0408";
        QTest::addRow("10000") << 2.8125 << 10000.0 << "(kept)";
        QTest::addRow("9999") << 2.8125 << 9999.0 << "(kept)";
        QTest::addRow("below 9999") << 2.8125 << 9998.9 << "     ";
        QTest::addRow("one bar") << 1000.0 << 1e5 << "1000.0000 1.0000 14.5038";
        QTest::addRow("nothing worked out") << qQNaN() << 1e5 << "(kept)";
    }
    void lossTexts()
    {
        QFETCH(double, millibar);
        QFETCH(double, reynolds);
        QFETCH(QString, shown);
        const PressureResult result{qIsNaN(millibar) ? std::nullopt : std::optional(millibar), reynolds};
        const Presenter::PressureTexts t = Presenter::pressure(result);
        const QString got = t.millibar ? QStringList({*t.millibar, *t.bar, *t.psi}).join(u' ') : QStringLiteral("(kept)");
        QCOMPARE(got, shown);
    }
};

QTEST_GUILESS_MAIN(TestVelocityRules)
#include "tst_velocity_rules.moc"
