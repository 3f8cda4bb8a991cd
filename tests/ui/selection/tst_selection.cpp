// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The selection guide's rule table, the temperature reading and the screen.
#include "screenfixture.h"
#include "core/selection/meterrules.h"

using namespace selection;

namespace {
// Texts typed as maximum and minimum in a unit system, and the temperatures in Celsius they give.
struct Reading { const char *name; QString maxText, minText; bool metric; double maxCelsius, minCelsius; };
// Clicks, temperatures typed in a unit system, one digit per technology (magnetic, Coriolis, ultrasonic, vortex, wedge,
// probe, turbine): ticked or not.
struct Clicks { const char *name; QStringList clicks; QString maxText, minText; bool metric; QString expected; };
QChar bit(bool on) { return on ? u'1' : u'0'; }
} // namespace

class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Each technology's temperature limits, at the limit and just across it, for a fluid that no other rule excludes,
    // and for one with no choice made in any group (which excludes nothing either).
    void temperatureLimits_data()
    {
        QTest::addColumn<Temperatures>("temperatures");
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
            QTest::addRow(r.min == 0 ? "maximum %g C" : "minimum %g C", r.min == 0 ? r.max : r.min)
                << Temperatures{r.max, r.min} << QString::fromLatin1(r.expected);
    }
    void temperatureLimits()
    {
        QFETCH(Temperatures, temperatures);
        QFETCH(QString, expected);
        const std::pair<const char *, FluidDescription> fluids[] = {
            {"clean conductive liquid ", {Phase::Liquid, Conductivity::Conductive, Measurement::Volume,
                                          Cleanliness::Clean, Viscosity::Low}},
            {"no choice made ", {}}};
        QStringList shown, wanted;
        for (const auto &[fluid, description] : fluids) {
            QString bits;
            for (bool suitable : evaluate(description, temperatures))
                bits += bit(suitable);
            shown << fluid + bits;
            wanted << fluid + expected;
        }
        QCOMPARE(shown, wanted);
    }

    // Typed text read leniently; Fahrenheit converted except a maximum of 0 (kept as 0 C) and an empty minimum.
    void temperatureReading_data()
    {
        static const Reading rows[] = {
            {"words read as 0", "hot", "cold", true, 0, 0}, {"leading number", "51abc", "", true, 51, 0},
            {"too large is infinite", "1e999", "", true, qInf(), 0}, {"0 F maximum kept", "0", "32", false, 0, 0},
            {"122 F maximum, empty minimum kept", "122", "", false, 50, 0},
            {"empty maximum, 0 F minimum", "", "0", false, 0, -17.7777777777778},
            {"-40 F maximum, a word as 0 F minimum", "-40", "x", false, -40, -17.7777777777778}};
        addRows(rows);
    }
    void temperatureReading()
    {
        QFETCH(Reading, row);
        const Temperatures t = workingTemperatures(row.maxText, row.minText, row.metric);
        QCOMPARE(t.maxCelsius, row.maxCelsius);
        QCOMPARE(t.minCelsius, row.minCelsius);
    }

    // Each option group and temperature box reaches the rules, a user's tick lasts until the next evaluation, the unit
    // system is read each time; a suitable technology's name box is enabled and in blue.
    void screenClicks_data()
    {
        static const Clicks rows[] = {
            {"as opened", {}, "", "", true, "1111111"},
            {"steam, after a user's tick", {"Check1", "OptFluid_2"}, "", "", true, "0001100"},
            {"gas", {"OptFluid_1"}, "", "", true, "0101100"},
            {"back to liquid", {"OptFluid_2", "OptFluid_0"}, "", "", true, "1111111"},
            {"non conductive", {"OptConductivity_1"}, "", "", true, "0111101"},
            {"mass", {"OptMeasurements1"}, "", "", true, "0100000"},
            {"density, conductive again", {"OptMeasurements2", "OptConductivity_1", "OptConductivity_0"}, "", "", true,
             "0100000"},
            {"dirty", {"OptClean_1"}, "", "", true, "1100101"},
            {"medium viscosity", {"OptVisc_1"}, "", "", true, "1100101"},
            {"high viscosity", {"OptVisc_2"}, "", "", true, "1100100"},
            {"maximum 181 C", {}, "181", "", true, "0111100"},
            {"minimum -48.5 C", {}, "", "-48.5", true, "0010001"},
            {"122 F", {}, "122", "", false, "1111111"}};
        addRows(rows);
    }
    void screenClicks()
    {
        QFETCH(Clicks, row);
        ScreenFixture s(Screen::MeterSelection);
        s.app.metric = row.metric;
        for (const QString &name : row.clicks)
            s.click(name);
        s.type("TxtMaxTemp", row.maxText);
        s.type("TxtMinTemp", row.minText);
        const char *ticks[] = {"Check1", "Check2", "Check3", "Check7", "Check8", "Check4", "Check5"};
        const char *names[] = {"TxtMag", "TxtCoriolis", "TxtUltrasonic", "TxtVortex", "TxtWedge", "TxtProbe",
                               "TxtTurbine"};
        // Each technology's name box with its tick, whether it is enabled and whether it is in blue.
        QStringList shown, expected;
        for (int t = 0; t < kTechnologyCount; ++t) {
            const QWidget *name = s.find(names[t]);
            shown << names[t] + QString(u' ') + bit(s.find<QCheckBox>(ticks[t])->isChecked()) + bit(name->isEnabled())
                         + bit(name->palette().color(QPalette::Text) == QColor(0, 0, 255));
            expected << names[t] + QString(u' ') + QString(3, row.expected[t]);
        }
        QCOMPARE(shown, expected);
    }

    // Captions composed from the language slots, and the unit labels.
    void captions_data()
    {
        QTest::addColumn<bool>("metric");
        QTest::newRow("metric") << true;
        QTest::newRow("imperial") << false;
    }
    void captions()
    {
        QFETCH(bool, metric);
        ScreenFixture s(Screen::MeterSelection, "English.txt", metric);
        QCOMPARE(s.texts({"OptConductivity_1", "OptMeasurements1", "OptVisc_2", "LblTempMin", "TxtMag", "TxtProbe"}),
                 QStringLiteral("Non Conductive Mass Viscosity High Minimum Temperature Prandel Tessivo"));
        QCOMPARE(s.texts({"LblTemp1", "LblTemp2"}), metric ? "Celsius Celsius" : "Fahrenheit Fahrenheit");
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
