// The selection guide's rule table, the temperature reading and the screen.
#include "screenfixture.h"
#include "selection/meterrules.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

using namespace selection;

namespace {
const char *kTicks[] = {"Check1", "Check2", "Check3", "Check7", "Check8", "Check4", "Check5"};
const char *kNameBoxes[] = {"TxtMag", "TxtCoriolis", "TxtUltrasonic", "TxtVortex", "TxtWedge", "TxtProbe",
                            "TxtTurbine"};

// One digit per technology in table order: magnetic, Coriolis, ultrasonic,
// vortex, wedge, probe, turbine.
QString digits(const Suitability &s)
{
    QString out;
    for (bool suitable : s)
        out += suitable ? u'1' : u'0';
    return out;
}
} // namespace

class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Each technology's temperature limits, at the limit and just across it,
    // for a fluid that no other rule excludes.
    void temperatureLimits_data()
    {
        QTest::addColumn<double>("maxCelsius");
        QTest::addColumn<double>("minCelsius");
        QTest::addColumn<QString>("expected");
        const struct { double max, min; const char *expected; } rows[] = {
            {50, 0, "1111111"},         {50.01, 0, "1111101"},     {150, 0, "1111101"},
            {150.01, 0, "1111100"},     {180, 0, "1111100"},       {180.01, 0, "0111100"},
            {200.01, 0, "0101100"},     {205.01, 0, "0001100"},    {250.01, 0, "0001000"},
            {400, 0, "0001000"},        {400.01, 0, "0000000"},    {0, -0.01, "1111101"},
            {0, -10, "1111101"},        {0, -10.01, "0111101"},    {0, -20.01, "0011101"},
            {0, -40.01, "0010101"},     {0, -48.01, "0010001"},    {0, -50, "0010001"},
            {0, -50.01, "0010000"},     {0, -200, "0010000"},      {0, -200.01, "0000000"},
        };
        for (const auto &r : rows)
            QTest::addRow("max %g, min %g", r.max, r.min) << r.max << r.min << QString(r.expected);
    }
    void temperatureLimits()
    {
        QFETCH(double, maxCelsius);
        QFETCH(double, minCelsius);
        QFETCH(QString, expected);
        const FluidDescription liquid{Phase::Liquid, Conductivity::Conductive, Measurement::Volume,
                                      Cleanliness::Clean, Viscosity::Low};
        QCOMPARE(digits(evaluate(liquid, Temperatures{maxCelsius, minCelsius})), expected);
        // A group left without a choice excludes nothing.
        QCOMPARE(digits(evaluate(FluidDescription{}, Temperatures{maxCelsius, minCelsius})), expected);
    }

    // Typed text, and Fahrenheit converted with its two quirks: a maximum of 0
    // is kept as 0 C, an empty minimum is not converted.
    void temperatureReading_data()
    {
        QTest::addColumn<QString>("maxText");
        QTest::addColumn<QString>("minText");
        QTest::addColumn<bool>("metric");
        QTest::addColumn<double>("maxCelsius");
        QTest::addColumn<double>("minCelsius");
        QTest::newRow("text counts as 0") << "hot" << "cold" << true << 0.0 << 0.0;
        QTest::newRow("leading number") << "51abc" << "" << true << 51.0 << 0.0;
        QTest::newRow("overflowing maximum") << "1e999" << "" << true << qInf() << 0.0;
        QTest::newRow("maximum 0 F kept as 0 C") << "0" << "32" << false << 0.0 << 0.0;
        QTest::newRow("122 F is 50 C, empty minimum") << "122" << "" << false << 50.0 << 0.0;
        QTest::newRow("123 F") << "123" << "" << false << 455.0 / 9 << 0.0;
        QTest::newRow("minimum 0 F converted") << "" << "0" << false << 0.0 << -160.0 / 9;
        QTest::newRow("text minimum is 0 F") << "-40" << "x" << false << -40.0 << -160.0 / 9;
        QTest::newRow("minimum -58.1 F") << "" << "-58.1" << false << 0.0 << -50.0 - 1.0 / 18;
    }

    void temperatureReading()
    {
        QFETCH(QString, maxText);
        QFETCH(QString, minText);
        QFETCH(bool, metric);
        QFETCH(double, maxCelsius);
        QFETCH(double, minCelsius);
        const Temperatures t = workingTemperatures(maxText, minText, metric);
        QCOMPARE(t.maxCelsius, maxCelsius);
        QCOMPARE(t.minCelsius, minCelsius);
    }

    // Clicks on the guide, which opens with that liquid preset: each option
    // group and both temperature boxes reach the rules, a user's tick lasts
    // only until the next evaluation, and the unit system is read each time.
    void screenClicks_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("maxText");
        QTest::addColumn<QString>("minText");
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, QStringList clicks, const char *max, const char *min, bool metric,
                      const char *expected) {
            QTest::newRow(name) << clicks << QString(max) << QString(min) << metric << QString(expected);
        };
        row("as opened", {}, "", "", true, "1111111");
        row("steam, after a user's tick", {"Check1", "OptFluid_2"}, "", "", true, "0001100");
        row("gas", {"OptFluid_1"}, "", "", true, "0101100");
        row("back to liquid", {"OptFluid_2", "OptFluid_0"}, "", "", true, "1111111");
        row("non conductive", {"OptConductivity_1"}, "", "", true, "0111101");
        row("mass", {"OptMeasurements1"}, "", "", true, "0100000");
        row("density, conductive again", {"OptMeasurements2", "OptConductivity_1", "OptConductivity_0"}, "", "", true,
            "0100000");
        row("dirty", {"OptClean_1"}, "", "", true, "1100101");
        row("medium viscosity", {"OptVisc_1"}, "", "", true, "1100101");
        row("high viscosity", {"OptVisc_2"}, "", "", true, "1100100");
        row("maximum 181 C", {}, "181", "", true, "0111100");
        row("minimum -48.5 C", {}, "", "-48.5", true, "0010001");
        row("122 F", {}, "122", "", false, "1111111");
        row("123 F", {}, "123", "", false, "1111101");
    }

    void screenClicks()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, maxText);
        QFETCH(QString, minText);
        QFETCH(bool, metric);
        QFETCH(QString, expected);
        ScreenFixture s(Screen::MeterSelection);
        s.app.metric = metric;
        for (const QString &name : clicks)
            s.click(name);
        s.type("TxtMaxTemp", maxText);
        s.type("TxtMinTemp", minText);
        QString shown;
        for (int t = 0; t < kTechnologyCount; ++t) {
            const bool tick = s.find<QCheckBox>(kTicks[t])->isChecked();
            const auto *name = s.find(kNameBoxes[t]);
            shown += tick ? u'1' : u'0';
            // Suitable: name box enabled and in blue; otherwise greyed.
            QCOMPARE(name->isEnabled(), tick);
            QCOMPARE(name->palette().color(QPalette::Text) == QColor(0, 0, 255), tick);
        }
        QCOMPARE(shown, expected);
    }

    // Captions composed from the language slots, and the unit labels.
    void captions()
    {
        for (bool metric : {true, false}) {
            ScreenFixture s(Screen::MeterSelection, "English.txt", metric);
            const QString unit = metric ? "Celsius" : "Fahrenheit";
            const QList<QPair<const char *, QString>> texts{
                {"OptConductivity_1", "Non Conductive"}, {"OptMeasurements1", "Mass"}, {"OptVisc_2", "Viscosity High"},
                {"LblTempMin", "Minimum Temperature"},   {"LblTemp1", unit},           {"LblTemp2", unit},
                {"TxtMag", "Prandel"},                   {"TxtProbe", "Tessivo"},
            };
            for (const auto &[name, text] : texts)
                QCOMPARE(s.find<QWidget>(name)->property("text").toString(), text);
        }
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
