// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The probe screen: factors and flow per unit velocity, the 38/pi guard, frames.
#include "screenfixture.h"

namespace {

struct Probe : ScreenFixture {
    explicit Probe(bool metric = true) : ScreenFixture(Screen::Probe, QStringLiteral("English.txt"), metric) {}
    void click(const char *base, int i) const { find<QRadioButton>(base + (u'_' + QString::number(i)))->click(); }
    void type(const QString &diameter) const { find("TxtpipeSize")->setText(diameter); }
    QString outputs() const { return texts({"TxtMagFp", "TxtMagFi", "TxtLumbrinBu", "TxtLumbrinVu"}); }
};

// A diameter typed in a unit system, the options clicked, and P, K, F and Q as shown.
struct Entry { const char *name; bool metric; QString diameter; int location, flowUnit; QString shown; };
// A diameter typed after 100 mm, and whether the insertion factor shows.
struct Guard { const char *name; QString diameter; bool insertionShown; };

} // namespace

class TestProbe : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // A diameter typed, then options clicked: each recalculates, reading the unit system each time.
    void results_data()
    {
        static const Entry rows[] = {
            {"D 100, location 0", true, "100", 0, 0, "0.842 1.138 0.958 7.85398"},
            {"D 100, location 1", true, "100", 1, 0, "1.000 1.251 1.251 7.85398"},
            {"D 100, location 2", true, "100", 2, 0, "1.000 0.991 0.991 7.85398"},
            {"D 200 cubic metres", true, "200", 1, 1, "1.000 1.153 1.153 0.03142"},
            {"D 200 imperial gallons", true, "200", 1, 2, "1.000 1.153 1.153 6.91053"},
            {"D 200 US gallons", true, "200", 1, 3, "1.000 1.153 1.153 8.29263"},
            {"D 200 megalitres", true, "200", 1, 4, "1.000 1.153 1.153 0.00003"},
            {"4 inches is 101.6 mm", false, "4", 1, 0, "1.000 1.248 1.248 8.10731"},
            {"leading number of text", true, "100mm", 1, 0, "1.000 1.251 1.251 7.85398"}};
        addRows(rows);
    }
    void results()
    {
        QFETCH(Entry, row);
        Probe s;
        s.app.metric = row.metric;
        s.type(row.diameter);
        s.click("OptProbeLocation", row.location);
        s.click("OptLumbrinFlowUnits", row.flowUnit);
        QCOMPARE(s.outputs(), row.shown);
    }

    // No diameter leaves all four outputs as they were: blank after opening, the last results later.
    void noDiameterLeavesOutputs()
    {
        for (const QString text : {"", "0", "abc", "-50"}) {
            Probe s;
            QCOMPARE(s.outputs(), QStringLiteral("        "));
            s.type(text);
            s.click("OptProbeLocation", 1);
            QCOMPARE(s.outputs(), QStringLiteral("        "));
            s.type("100");
            const QString shown = s.outputs();
            s.type(text.isEmpty() ? "x" : "");
            s.type(text);
            QCOMPARE(s.outputs(), shown);
        }
    }

    // Near 38/pi mm the mean-velocity point's insertion factor runs off to infinity and turns negative: such a factor,
    // and the combined factor, show blank (never a value from the previous diameter); profile and flow still show.
    void insertionFactorGuard_data()
    {
        const Guard rows[] = {{"12 mm, negative", "12", false},
                              {"38/pi mm, infinite", QString::number(38 / 3.141592654, 'g', 17), false},
                              {"12.0958 mm, just above 38/pi", "12.0958", true},
                              {"1e-300 mm, negative", "1e-300", false}, {"infinite diameter", "1e999", true}};
        addRows(rows);
    }
    void insertionFactorGuard()
    {
        QFETCH(Guard, row);
        Probe s;
        s.type("100");
        s.type(row.diameter);
        QVERIFY2(!s.outputs().contains(QRegularExpression("(?i)-|inf|nan")), qPrintable(s.outputs()));
        QVERIFY(s.text("TxtMagFi") != QStringLiteral("1.138"));
        QCOMPARE(!s.text("TxtMagFi").isEmpty(), row.insertionShown);
    }

    // A probe model only decides which result frame shows, in one place; the diameter's unit follows the unit system.
    void framesAndPicture()
    {
        Probe s;
        s.screen->show();
        auto *prandel = s.find<QGroupBox>("FramePrandel"), *lumbrin = s.find<QGroupBox>("FrameLumbrin");
        for (const char *option : {"OptProbeType_0", "OptProbeLocation_0", "OptLumbrinFlowUnits_0"})
            QVERIFY2(s.find<QRadioButton>(option)->isChecked(), option);
        QVERIFY(prandel->isVisible() && !lumbrin->isVisible());
        QCOMPARE(prandel->title() + '|' + lumbrin->title(), QStringLiteral("Prandel/ Veldrix|Tessivo (Lumbrin)"));
        s.type("100");
        const QString shown = s.outputs();
        for (int model : {2, 1, 2, 0}) {
            s.click("OptProbeType", model);
            QCOMPARE(lumbrin->isVisible(), model == 2);
            QCOMPARE(prandel->isVisible(), model != 2);
            QCOMPARE(s.outputs(), shown);
        }
        QCOMPARE(lumbrin->y(), prandel->y());
        QCOMPARE(s.texts({"LblpipesizeUnits"}) + ' ' + Probe(false).texts({"LblpipesizeUnits"}),
                 QStringLiteral("Millimetres Inches"));
    }
};

QTEST_MAIN(TestProbe)
#include "tst_probe.moc"
