// The probe screen: factors and flow per unit velocity, the 38/pi guard, frames.
#include "screenfixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace {

struct Probe : ScreenFixture {
    explicit Probe(bool metric = true) : ScreenFixture(Screen::Probe, QStringLiteral("English.txt"), metric) {}
    void click(const char *base, int i) const { find<QRadioButton>(base + (u'_' + QString::number(i)))->click(); }
    void type(const QString &diameter) const { find("TxtpipeSize")->setText(diameter); }
    QStringList outputs() const
    {
        return {find("TxtMagFp")->text(), find("TxtMagFi")->text(), find("TxtLumbrinBu")->text(),
                find("TxtLumbrinVu")->text()};
    }
};

// A diameter typed in a unit system, the options clicked, and P, K, F and Q as shown.
struct Entry { bool metric; QString diameter; int location, flowUnit; QString shown; };

} // namespace

Q_DECLARE_METATYPE(Entry)

class TestProbe : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // A diameter typed, then a location and a flow unit clicked: both the
    // box and the options recalculate, and the unit system is read each time.
    void results_data()
    {
        QTest::addColumn<Entry>("entry");
        QTest::newRow("D 100, location 0") << Entry{true, "100", 0, 0, "0.842 1.138 0.958 7.85398"};
        QTest::newRow("D 100, location 1") << Entry{true, "100", 1, 0, "1.000 1.251 1.251 7.85398"};
        QTest::newRow("D 100, location 2") << Entry{true, "100", 2, 0, "1.000 0.991 0.991 7.85398"};
        QTest::newRow("D 200 litres") << Entry{true, "200", 1, 0, "1.000 1.153 1.153 31.41590"};
        QTest::newRow("D 200 cubic metres") << Entry{true, "200", 1, 1, "1.000 1.153 1.153 0.03142"};
        QTest::newRow("D 200 imperial gallons") << Entry{true, "200", 1, 2, "1.000 1.153 1.153 6.91053"};
        QTest::newRow("D 200 US gallons") << Entry{true, "200", 1, 3, "1.000 1.153 1.153 8.29263"};
        QTest::newRow("D 200 megalitres") << Entry{true, "200", 1, 4, "1.000 1.153 1.153 0.00003"};
        QTest::newRow("4 inches is 101.6 mm") << Entry{false, "4", 1, 0, "1.000 1.248 1.248 8.10731"};
        QTest::newRow("leading number of text") << Entry{true, "100mm", 1, 0, "1.000 1.251 1.251 7.85398"};
    }

    void results()
    {
        QFETCH(Entry, entry);
        Probe s;
        s.app.metric = entry.metric;
        s.type(entry.diameter);
        s.click("OptProbeLocation", entry.location);
        s.click("OptLumbrinFlowUnits", entry.flowUnit);
        QCOMPARE(s.outputs().join(u' '), entry.shown);
    }

    void noDiameterLeavesOutputs_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *text : {"", "0", "abc", "-50"})
            QTest::newRow(*text ? text : "empty") << QString(text);
    }

    void noDiameterLeavesOutputs()
    {
        QFETCH(QString, text);
        Probe s;
        const QStringList blank{"  ", " ", " ", " "};
        QCOMPARE(s.outputs(), blank);
        s.type(text);
        s.click("OptProbeLocation", 1);
        QCOMPARE(s.outputs(), blank);
        s.type("100");
        const QStringList shown = s.outputs();
        s.type(text.isEmpty() ? "x" : "");
        s.type(text);
        QCOMPARE(s.outputs(), shown);
    }

    // Near 38/pi mm the mean-velocity point's insertion factor runs off to
    // infinity and turns negative: such a factor, and the combined factor,
    // show blank; profile and flow still show.
    void insertionFactorGuard_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<bool>("insertionShown");
        QTest::newRow("12, just below 38/pi") << "12" << false;
        QTest::newRow("38/pi exactly") << QString::number(38 / 3.141592654, 'g', 17) << false;
        QTest::newRow("12.0958, just above") << "12.0958" << true;
        QTest::newRow("1e-300") << "1e-300" << false;
        QTest::newRow("1e999") << "1e999" << true;
    }

    void insertionFactorGuard()
    {
        QFETCH(QString, diameter);
        QFETCH(bool, insertionShown);
        Probe s;
        s.type("100");
        s.type(diameter);
        for (const QString &out : s.outputs())
            QVERIFY2(!out.contains(QRegularExpression("(?i)-|inf|nan")), qPrintable(out));
        // Never a value from the previous diameter.
        QVERIFY(s.find("TxtMagFi")->text() != QStringLiteral("1.138"));
        QCOMPARE(!s.find("TxtMagFi")->text().isEmpty(), insertionShown);
    }

    void diameterUnitFollowsUnitSystem()
    {
        QCOMPARE(Probe(true).find<QLabel>("LblpipesizeUnits")->text(), QStringLiteral("Millimetres"));
        QCOMPARE(Probe(false).find<QLabel>("LblpipesizeUnits")->text(), QStringLiteral("Inches"));
    }

    // A probe model only decides which result frame shows, in the same place.
    void framesAndPicture()
    {
        Probe s;
        s.screen->show();
        auto *prandel = s.find<QGroupBox>("FramePrandel"), *lumbrin = s.find<QGroupBox>("FrameLumbrin");
        for (const char *option : {"OptProbeType_0", "OptProbeLocation_0", "OptLumbrinFlowUnits_0"})
            QVERIFY2(s.find<QRadioButton>(option)->isChecked(), option);
        QVERIFY(prandel->isVisible() && !lumbrin->isVisible());
        QCOMPARE(prandel->title(), QStringLiteral("Prandel/ Veldrix"));
        QCOMPARE(lumbrin->title(), QStringLiteral("Tessivo (Lumbrin)"));
        s.type("100");
        const QStringList shown = s.outputs();
        for (int model : {2, 1, 2, 0}) {
            s.click("OptProbeType", model);
            QCOMPARE(lumbrin->isVisible(), model == 2);
            QCOMPARE(prandel->isVisible(), model != 2);
            QCOMPARE(s.outputs(), shown);
        }
        QCOMPARE(lumbrin->y(), prandel->y());
    }
};

QTEST_MAIN(TestProbe)
#include "tst_probe.moc"
