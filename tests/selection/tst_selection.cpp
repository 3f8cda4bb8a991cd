// The selection guide's rule table, the temperature reading and the screen.
#include "common/appstate.h"
#include "common/numbers.h"
#include "fakeplatform.h"
#include "selection/meterrules.h"
#include "selection/meterselectionfrm.h"
#include "testlang.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

using namespace selection;

Q_DECLARE_METATYPE(selection::FluidDescription)

namespace {

// The guide's rules written out a second way, technology by technology, to
// check the table against.
bool expectedSuitable(Technology tech, const FluidDescription &f, double tmax, double tmin)
{
    const bool gasOrSteam = f.phase == Phase::Gas || f.phase == Phase::Steam;
    const bool steam = f.phase == Phase::Steam;
    const bool weighs = f.measurement == Measurement::Mass || f.measurement == Measurement::Density;
    const bool dirty = f.cleanliness == Cleanliness::Dirty;
    const bool thick = f.viscosity == Viscosity::Medium || f.viscosity == Viscosity::High;
    const bool veryThick = f.viscosity == Viscosity::High;
    const bool insulating = f.conductivity == Conductivity::NonConductive;
    auto within = [&](double hi, double lo) { return tmax <= hi && tmin >= lo; };
    switch (tech) {
    case Technology::Electromagnetic:
        return !gasOrSteam && !weighs && !insulating && within(180, -10);
    case Technology::Coriolis:
        return !steam && within(205, -20);
    case Technology::Ultrasonic:
        return !gasOrSteam && !weighs && !dirty && !thick && within(200, -200);
    case Technology::Vortex:
        return !weighs && !dirty && !thick && within(400, -40);
    case Technology::Wedge:
        return !weighs && within(250, -48);
    case Technology::InsertionProbe:
        return !gasOrSteam && !weighs && !dirty && !thick && !insulating && within(50, 0);
    case Technology::Turbine:
        return !gasOrSteam && !weighs && !veryThick && within(150, -50);
    }
    return false;
}

const char *kTickNames[] = {"Check1", "Check2", "Check3", "Check7", "Check8", "Check4", "Check5"};
const char *kNameBoxes[] = {"TxtMag", "TxtCoriolis", "TxtUltrasonic", "TxtVortex", "TxtWedge", "TxtProbe",
                            "TxtTurbine"};

// Every description, including groups with nothing chosen.
QList<FluidDescription> allDescriptions()
{
    QList<FluidDescription> out;
    for (int p = 0; p < 4; ++p)
        for (int c = 0; c < 3; ++c)
            for (int m = 0; m < 4; ++m)
                for (int k = 0; k < 3; ++k)
                    for (int v = 0; v < 4; ++v)
                        out.append({Phase(p), Conductivity(c), Measurement(m), Cleanliness(k), Viscosity(v)});
    return out;
}

QString describe(const FluidDescription &f)
{
    return QStringLiteral("phase %1 cond %2 meas %3 clean %4 visc %5")
        .arg(int(f.phase))
        .arg(int(f.conductivity))
        .arg(int(f.measurement))
        .arg(int(f.cleanliness))
        .arg(int(f.viscosity));
}

QString suitabilityText(const Suitability &s)
{
    QString out;
    for (bool b : s)
        out += b ? u'1' : u'0';
    return out;
}

} // namespace

class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Every fluid description with temperatures at, just inside and just
    // across each technology's limits.
    void ruleTableSweep()
    {
        QStringList maxTexts{QString(), QStringLiteral("0"), QStringLiteral("-300")};
        QStringList minTexts{QString(), QStringLiteral("0"), QStringLiteral("500")};
        for (double hi : {180.0, 205.0, 200.0, 400.0, 250.0, 50.0, 150.0}) {
            maxTexts << QString::number(hi) << QString::number(hi + 0.01) << QString::number(hi - 0.01);
        }
        for (double lo : {-10.0, -20.0, -200.0, -40.0, -48.0, 0.0, -50.0}) {
            minTexts << QString::number(lo) << QString::number(lo - 0.01) << QString::number(lo + 0.01);
        }
        int checked = 0;
        QStringList failures;
        for (const FluidDescription &f : allDescriptions()) {
            for (const QString &maxText : maxTexts) {
                for (const QString &minText : minTexts) {
                    const Suitability got = evaluate(f, maxText, minText, true);
                    const double tmax = maxText.toDouble();
                    const double tmin = minText.toDouble();
                    for (int t = 0; t < kTechnologyCount; ++t) {
                        ++checked;
                        if (got[size_t(t)] != expectedSuitable(Technology(t), f, tmax, tmin) && failures.size() < 10)
                            failures << QStringLiteral("%1, max '%2', min '%3': technology %4 gives %5")
                                            .arg(describe(f), maxText, minText)
                                            .arg(t)
                                            .arg(got[size_t(t)]);
                    }
                }
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
        QVERIFY(checked > 500000);
    }

    void namedCases_data()
    {
        QTest::addColumn<FluidDescription>("fluid");
        QTest::addColumn<QString>("maxText");
        QTest::addColumn<QString>("minText");
        QTest::addColumn<bool>("metric");
        // Technologies in table order: magnetic, Coriolis, ultrasonic, vortex,
        // wedge, probe, turbine.
        QTest::addColumn<QString>("expected");
        const FluidDescription none;
        const FluidDescription water{Phase::Liquid, Conductivity::Conductive, Measurement::Volume,
                                     Cleanliness::Clean, Viscosity::Low};
        FluidDescription steam = water;
        steam.phase = Phase::Steam;
        FluidDescription steamUnset;
        steamUnset.phase = Phase::Steam;
        FluidDescription dirtyMedium = water;
        dirtyMedium.cleanliness = Cleanliness::Dirty;
        dirtyMedium.viscosity = Viscosity::Medium;
        FluidDescription oil = water;
        oil.conductivity = Conductivity::NonConductive;
        FluidDescription massGas = water;
        massGas.phase = Phase::Gas;
        massGas.measurement = Measurement::Mass;
        FluidDescription density = water;
        density.measurement = Measurement::Density;

        QTest::newRow("nothing chosen, boxes empty") << none << QString() << QString() << true << "1111111";
        QTest::newRow("steam") << steam << QString() << QString() << true << "0001100";
        QTest::newRow("steam, other groups unset") << steamUnset << QString() << QString() << true << "0001100";
        QTest::newRow("water at 180") << water << "180" << QString() << true << "1111100";
        QTest::newRow("water at 180.001") << water << "180.001" << QString() << true << "0111100";
        QTest::newRow("dirty, medium viscosity") << dirtyMedium << QString() << QString() << true << "1100101";
        QTest::newRow("non-conductive") << oil << QString() << QString() << true << "0111101";
        QTest::newRow("gas by mass") << massGas << QString() << QString() << true << "0100000";
        QTest::newRow("density") << density << QString() << QString() << true << "0100000";
        QTest::newRow("text in the boxes counts as 0") << water << "hot" << "cold" << true << "1111111";
        QTest::newRow("leading number of typed text") << water << "51abc" << QString() << true << "1111101";
        QTest::newRow("overflowing maximum") << water << "1e999" << QString() << true << "0000000";
        QTest::newRow("imperial 122 F is 50 C") << water << "122" << QString() << false << "1111111";
        QTest::newRow("imperial 123 F") << water << "123" << QString() << false << "1111101";
        QTest::newRow("imperial min 0 F is -17.8 C") << water << QString() << "0" << false << "0111101";
        QTest::newRow("imperial min -58 F is -50 C") << water << QString() << "-58" << false << "0010001";
        QTest::newRow("imperial min -58.1 F") << water << QString() << "-58.1" << false << "0010000";
        QTest::newRow("imperial min 32 F is 0 C") << water << QString() << "32" << false << "1111111";
        QTest::newRow("metric min 0 C") << water << QString() << "0" << true << "1111111";
    }

    void namedCases()
    {
        QFETCH(FluidDescription, fluid);
        QFETCH(QString, maxText);
        QFETCH(QString, minText);
        QFETCH(bool, metric);
        QFETCH(QString, expected);
        QCOMPARE(suitabilityText(evaluate(fluid, maxText, minText, metric)), expected);
    }

    void imperialTemperatures_data()
    {
        QTest::addColumn<QString>("maxText");
        QTest::addColumn<QString>("minText");
        QTest::addColumn<double>("maxCelsius");
        QTest::addColumn<double>("minCelsius");
        QTest::newRow("empty boxes stay 0 C") << QString() << QString() << 0.0 << 0.0;
        QTest::newRow("maximum 0 kept as 0 C") << "0" << "32" << 0.0 << 0.0;
        QTest::newRow("minimum 0 converted") << "212" << "0" << 100.0 << -160.0 / 9;
        QTest::newRow("text in the minimum box is 0 F") << "122" << "x" << 50.0 << -160.0 / 9;
        QTest::newRow("-40 is -40") << "-40" << "-40" << -40.0 << -40.0;
    }

    void imperialTemperatures()
    {
        QFETCH(QString, maxText);
        QFETCH(QString, minText);
        QFETCH(double, maxCelsius);
        QFETCH(double, minCelsius);
        const Temperatures t = workingTemperatures(maxText, minText, false);
        QVERIFY(qAbs(t.maxCelsius - maxCelsius) < 1e-9);
        QVERIFY(qAbs(t.minCelsius - minCelsius) < 1e-9);
        const Temperatures m = workingTemperatures(maxText, minText, true);
        QCOMPARE(m.maxCelsius, num::leadingNumber(maxText));
        QCOMPARE(m.minCelsius, num::leadingNumber(minText));
    }

    void screenControlsAndCaptions()
    {
        FakePlatform platform;
        AppState app;
        app.platform = &platform;
        QVERIFY(loadShippedLanguage(app));
        MeterSelectionFrm screen(app);
        QCOMPARE(screen.objectName(), QStringLiteral("MeterSelectionFrm"));

        const QList<QPair<QString, QString>> captions{
            {"OptFluid_0", "Liquid"},
            {"OptFluid_1", "Gas"},
            {"OptFluid_2", "Steam"},
            {"OptConductivity_0", "Conductive"},
            {"OptConductivity_1", "Non Conductive"},
            {"OptMeasurements", "Volume"},
            {"OptMeasurements1", "Mass"},
            {"OptMeasurements2", "Density"},
            {"OptClean_0", "Clean"},
            {"OptClean_1", "Dirty"},
            {"OptVisc_0", "Viscosity Low"},
            {"OptVisc_1", "Viscosity Medium"},
            {"OptVisc_2", "Viscosity High"},
        };
        for (const auto &[name, text] : captions) {
            auto *option = screen.findChild<QRadioButton *>(name);
            QVERIFY2(option, qPrintable(name));
            QCOMPARE(option->text(), text);
        }
        const QList<QPair<QString, QString>> labels{
            {"LblTempMax", "Maximum Temperature"},
            {"LblTempMin", "Minimum Temperature"},
            {"LblTemp1", "Celsius"},
            {"LblTemp2", "Celsius"},
            {"LbLFluidName", "Fluid name"},
        };
        for (const auto &[name, text] : labels) {
            auto *label = screen.findChild<QLabel *>(name);
            QVERIFY2(label, qPrintable(name));
            QCOMPARE(label->text(), text);
        }
        const QStringList names{"Electromagnetic", "Coriolis MassMeter", "Ultrasonic", "Vortex", "Wedge",
                                "Tessivo", "Turbine"};
        for (int i = 0; i < kTechnologyCount; ++i) {
            QVERIFY(screen.findChild<QCheckBox *>(QLatin1String(kTickNames[i])));
            auto *box = screen.findChild<QLineEdit *>(QLatin1String(kNameBoxes[i]));
            QVERIFY(box);
            QCOMPARE(box->text(), app.slot(QList<int>{16, 139, 131, 136, 137, 25, 138}[i]));
        }
        QCOMPARE(screen.findChild<QGroupBox *>("Frame1")->title(), QStringLiteral("Possible Meter Types"));
        QCOMPARE(screen.findChild<QGroupBox *>("Frame2")->title(), QStringLiteral("Fluid"));
        for (const char *box : {"TxtMaxTemp", "TxtMinTemp", "TxtFluidName"}) {
            QVERIFY(screen.findChild<QLineEdit *>(box));
            QVERIFY(screen.findChild<QLineEdit *>(box)->text().isEmpty());
        }

        AppState imperial;
        imperial.platform = &platform;
        imperial.metric = false;
        QVERIFY(loadShippedLanguage(imperial));
        MeterSelectionFrm imperialScreen(imperial);
        QCOMPARE(imperialScreen.findChild<QLabel *>("LblTemp1")->text(), QStringLiteral("Fahrenheit"));
        QCOMPARE(imperialScreen.findChild<QLabel *>("LblTemp2")->text(), QStringLiteral("Fahrenheit"));
    }

    // Opening: the common case is preset and every technology is shown in blue.
    void screenOpensWithAllPossible()
    {
        FakePlatform platform;
        AppState app;
        app.platform = &platform;
        QVERIFY(loadShippedLanguage(app));
        MeterSelectionFrm screen(app);
        for (const char *name : {"OptFluid_0", "OptConductivity_0", "OptMeasurements", "OptClean_0", "OptVisc_0"})
            QVERIFY2(screen.findChild<QRadioButton *>(name)->isChecked(), name);
        for (int i = 0; i < kTechnologyCount; ++i) {
            QVERIFY(screen.findChild<QCheckBox *>(kTickNames[i])->isChecked());
            auto *box = screen.findChild<QLineEdit *>(kNameBoxes[i]);
            QVERIFY(box->isEnabled());
            QCOMPARE(box->palette().color(QPalette::Active, QPalette::Text), QColor(0, 0, 255));
            QVERIFY(box->palette().color(QPalette::Disabled, QPalette::Text) != QColor(0, 0, 255));
        }
    }

    // Every combination of options clicked on the screen, and temperatures
    // typed into its boxes, give the table's answer in the ticks and the
    // enabled name boxes.
    void screenFollowsEveryClick()
    {
        FakePlatform platform;
        AppState app;
        app.platform = &platform;
        QVERIFY(loadShippedLanguage(app));
        MeterSelectionFrm screen(app);
        auto opt = [&](const QString &name) { return screen.findChild<QRadioButton *>(name); };
        const QList<QRadioButton *> phases{opt("OptFluid_0"), opt("OptFluid_1"), opt("OptFluid_2")};
        const QList<QRadioButton *> conds{opt("OptConductivity_0"), opt("OptConductivity_1")};
        const QList<QRadioButton *> measures{opt("OptMeasurements"), opt("OptMeasurements1"), opt("OptMeasurements2")};
        const QList<QRadioButton *> cleans{opt("OptClean_0"), opt("OptClean_1")};
        const QList<QRadioButton *> viscs{opt("OptVisc_0"), opt("OptVisc_1"), opt("OptVisc_2")};
        auto *maxBox = screen.findChild<QLineEdit *>("TxtMaxTemp");
        auto *minBox = screen.findChild<QLineEdit *>("TxtMinTemp");
        const QList<QPair<QString, QString>> temps{{"", ""}, {"181", ""}, {"50", "0"}, {"", "-48.5"}, {"151", "-10.5"}};

        QStringList failures;
        for (int p = 0; p < 3; ++p)
            for (int c = 0; c < 2; ++c)
                for (int m = 0; m < 3; ++m)
                    for (int k = 0; k < 2; ++k)
                        for (int v = 0; v < 3; ++v)
                            for (const auto &[maxText, minText] : temps) {
                                // Clicks in varying order; each one re-evaluates.
                                viscs[v]->click();
                                phases[p]->click();
                                measures[m]->click();
                                conds[c]->click();
                                cleans[k]->click();
                                maxBox->setText(maxText);
                                minBox->setText(minText);
                                const FluidDescription f{Phase(p + 1), Conductivity(c + 1), Measurement(m + 1),
                                                         Cleanliness(k + 1), Viscosity(v + 1)};
                                for (int t = 0; t < kTechnologyCount; ++t) {
                                    const bool want = expectedSuitable(Technology(t), f, maxText.toDouble(),
                                                                       minText.toDouble());
                                    const bool tick = screen.findChild<QCheckBox *>(kTickNames[t])->isChecked();
                                    const bool lit = screen.findChild<QLineEdit *>(kNameBoxes[t])->isEnabled();
                                    if ((tick != want || lit != want) && failures.size() < 10)
                                        failures << QStringLiteral("%1 max '%2' min '%3': %4")
                                                        .arg(describe(f), maxText, minText, kNameBoxes[t]);
                                }
                            }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
    }

    void steamLeavesVortexAndWedge()
    {
        FakePlatform platform;
        AppState app;
        app.platform = &platform;
        QVERIFY(loadShippedLanguage(app));
        MeterSelectionFrm screen(app);
        // A user's tick on a box lasts only until the next evaluation.
        screen.findChild<QCheckBox *>("Check1")->click();
        screen.findChild<QRadioButton *>("OptFluid_2")->click();
        QStringList possible;
        for (int t = 0; t < kTechnologyCount; ++t)
            if (screen.findChild<QCheckBox *>(kTickNames[t])->isChecked())
                possible << kNameBoxes[t];
        QCOMPARE(possible, QStringList({"TxtVortex", "TxtWedge"}));
    }

    // The unit system is read at every evaluation.
    void unitSystemReadAtEveryEvaluation()
    {
        FakePlatform platform;
        AppState app;
        app.platform = &platform;
        QVERIFY(loadShippedLanguage(app));
        MeterSelectionFrm screen(app);
        auto *maxBox = screen.findChild<QLineEdit *>("TxtMaxTemp");
        auto *probeTick = screen.findChild<QCheckBox *>("Check4");
        maxBox->setText(QStringLiteral("100"));
        QVERIFY(!probeTick->isChecked());
        app.metric = false;
        maxBox->setText(QStringLiteral("122"));
        QVERIFY(probeTick->isChecked());
        maxBox->setText(QStringLiteral("123"));
        QVERIFY(!probeTick->isChecked());
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
