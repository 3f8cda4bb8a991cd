// The selection guide's rule table, the temperature reading and the screen.
#include "common/appstate.h"
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

#include <memory>

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
    return QString::asprintf("phase %d cond %d meas %d clean %d visc %d", int(f.phase), int(f.conductivity),
                             int(f.measurement), int(f.cleanliness), int(f.viscosity));
}

QString suitabilityText(const Suitability &s)
{
    QString out;
    for (bool b : s)
        out += b ? u'1' : u'0';
    return out;
}

// A guide opened on a fresh program state with the English texts.
struct Guide {
    FakePlatform platform;
    AppState app;
    std::unique_ptr<MeterSelectionFrm> screen;

    explicit Guide(bool metric = true)
    {
        app.platform = &platform;
        app.metric = metric;
        loadShippedLanguage(app);
        screen = std::make_unique<MeterSelectionFrm>(app);
    }
    template <typename T = QWidget> T *find(const QString &name) const { return screen->findChild<T *>(name); }
    // Names of the technologies shown as possible, checked against the
    // enabled state of their name boxes.
    QStringList possible() const
    {
        QStringList out;
        for (int t = 0; t < kTechnologyCount; ++t) {
            const bool tick = find<QCheckBox>(kTickNames[t])->isChecked();
            if (tick != find<QLineEdit>(kNameBoxes[t])->isEnabled())
                out << QStringLiteral("tick and name box disagree");
            if (tick)
                out << kNameBoxes[t];
        }
        return out;
    }
};

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
        for (double hi : {180.0, 205.0, 200.0, 400.0, 250.0, 50.0, 150.0})
            maxTexts << QString::number(hi) << QString::number(hi + 0.01) << QString::number(hi - 0.01);
        for (double lo : {-10.0, -20.0, -200.0, -40.0, -48.0, 0.0, -50.0})
            minTexts << QString::number(lo) << QString::number(lo - 0.01) << QString::number(lo + 0.01);
        QStringList failures;
        for (const FluidDescription &f : allDescriptions()) {
            for (const QString &maxText : maxTexts) {
                for (const QString &minText : minTexts) {
                    const Suitability got = evaluate(f, maxText, minText, true);
                    for (int t = 0; t < kTechnologyCount; ++t) {
                        const bool want = expectedSuitable(Technology(t), f, maxText.toDouble(), minText.toDouble());
                        if (got[size_t(t)] != want && failures.size() < 10)
                            failures << QStringLiteral("%1, max '%2', min '%3': %4").arg(describe(f), maxText, minText,
                                                                                         kNameBoxes[t]);
                    }
                }
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
    }

    // Cases the sweep does not reach: unset groups, typed text, overflow and
    // imperial units.
    void namedCases_data()
    {
        QTest::addColumn<FluidDescription>("fluid");
        QTest::addColumn<QString>("maxText");
        QTest::addColumn<QString>("minText");
        QTest::addColumn<bool>("metric");
        // Technologies in table order: magnetic, Coriolis, ultrasonic, vortex,
        // wedge, probe, turbine.
        QTest::addColumn<QString>("expected");
        const FluidDescription water{Phase::Liquid, Conductivity::Conductive, Measurement::Volume,
                                     Cleanliness::Clean, Viscosity::Low};
        QTest::newRow("nothing chosen") << FluidDescription{} << QString() << QString() << true << "1111111";
        QTest::newRow("only steam chosen") << FluidDescription{Phase::Steam} << QString() << QString() << true
                                           << "0001100";
        QTest::newRow("text counts as 0") << water << "hot" << "cold" << true << "1111111";
        QTest::newRow("leading number") << water << "51abc" << QString() << true << "1111101";
        QTest::newRow("overflowing maximum") << water << "1e999" << QString() << true << "0000000";
        QTest::newRow("122 F is 50 C") << water << "122" << QString() << false << "1111111";
        QTest::newRow("123 F") << water << "123" << QString() << false << "1111101";
        QTest::newRow("min 0 F is -17.8 C") << water << QString() << "0" << false << "0111101";
        QTest::newRow("min -58 F is -50 C") << water << QString() << "-58" << false << "0010001";
        QTest::newRow("min -58.1 F") << water << QString() << "-58.1" << false << "0010000";
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
    }

    void screenControlsAndCaptions()
    {
        Guide g;
        QCOMPARE(g.screen->objectName(), QStringLiteral("MeterSelectionFrm"));
        const QList<QPair<const char *, QString>> texts{
            {"OptFluid_0", "Liquid"},           {"OptFluid_1", "Gas"},
            {"OptFluid_2", "Steam"},            {"OptConductivity_0", "Conductive"},
            {"OptConductivity_1", "Non Conductive"}, {"OptMeasurements", "Volume"},
            {"OptMeasurements1", "Mass"},       {"OptMeasurements2", "Density"},
            {"OptClean_0", "Clean"},            {"OptClean_1", "Dirty"},
            {"OptVisc_0", "Viscosity Low"},     {"OptVisc_1", "Viscosity Medium"},
            {"OptVisc_2", "Viscosity High"},    {"LblTempMax", "Maximum Temperature"},
            {"LblTempMin", "Minimum Temperature"}, {"LblTemp1", "Celsius"},
            {"LblTemp2", "Celsius"},            {"LbLFluidName", "Fluid name"},
            {"TxtMag", "Prandel"},              {"TxtCoriolis", "Coriolis MassMeter"},
            {"TxtUltrasonic", "Ultrasonic"},    {"TxtVortex", "Vortex"},
            {"TxtWedge", "Wedge"},              {"TxtProbe", "Tessivo"},
            {"TxtTurbine", "Turbine"},          {"TxtMaxTemp", ""},
            {"TxtMinTemp", ""},                 {"TxtFluidName", ""},
        };
        for (const auto &[name, text] : texts) {
            QWidget *w = g.find(QLatin1String(name));
            QVERIFY2(w, name);
            QCOMPARE(w->property("text").toString(), text);
        }
        for (const char *tick : kTickNames)
            QVERIFY2(g.find<QCheckBox>(tick), tick);
        QCOMPARE(g.find<QGroupBox>("Frame1")->title(), QStringLiteral("Possible Meter Types"));
        QCOMPARE(g.find<QGroupBox>("Frame2")->title(), QStringLiteral("Fluid"));

        Guide imperial(false);
        QCOMPARE(imperial.find<QLabel>("LblTemp1")->text(), QStringLiteral("Fahrenheit"));
        QCOMPARE(imperial.find<QLabel>("LblTemp2")->text(), QStringLiteral("Fahrenheit"));
    }

    // Opening: the common case is preset and every technology is shown, in
    // blue; a disabled name box keeps the style's grey.
    void screenOpensWithAllPossible()
    {
        Guide g;
        for (const char *name : {"OptFluid_0", "OptConductivity_0", "OptMeasurements", "OptClean_0", "OptVisc_0"})
            QVERIFY2(g.find<QRadioButton>(name)->isChecked(), name);
        QCOMPARE(g.possible().size(), kTechnologyCount);
        for (const char *name : kNameBoxes) {
            const QPalette pal = g.find(name)->palette();
            QCOMPARE(pal.color(QPalette::Active, QPalette::Text), QColor(0, 0, 255));
            QVERIFY(pal.color(QPalette::Disabled, QPalette::Text) != QColor(0, 0, 255));
        }
    }

    // Every combination of options clicked on the screen, and temperatures
    // typed into its boxes, give the rules' answer in ticks and name boxes.
    void screenFollowsEveryClick()
    {
        Guide g;
        auto options = [&](std::initializer_list<const char *> names) {
            QList<QRadioButton *> out;
            for (const char *n : names)
                out << g.find<QRadioButton>(n);
            return out;
        };
        const auto phases = options({"OptFluid_0", "OptFluid_1", "OptFluid_2"});
        const auto conds = options({"OptConductivity_0", "OptConductivity_1"});
        const auto measures = options({"OptMeasurements", "OptMeasurements1", "OptMeasurements2"});
        const auto cleans = options({"OptClean_0", "OptClean_1"});
        const auto viscs = options({"OptVisc_0", "OptVisc_1", "OptVisc_2"});
        const QList<QPair<QString, QString>> temps{{"", ""}, {"181", ""}, {"50", "0"}, {"", "-48.5"}, {"151", "-10.5"}};

        QStringList failures;
        for (int p = 0; p < 3; ++p)
            for (int c = 0; c < 2; ++c)
                for (int m = 0; m < 3; ++m)
                    for (int k = 0; k < 2; ++k)
                        for (int v = 0; v < 3; ++v)
                            for (const auto &[maxText, minText] : temps) {
                                viscs[v]->click();
                                phases[p]->click();
                                measures[m]->click();
                                conds[c]->click();
                                cleans[k]->click();
                                g.find<QLineEdit>("TxtMaxTemp")->setText(maxText);
                                g.find<QLineEdit>("TxtMinTemp")->setText(minText);
                                const FluidDescription f{Phase(p + 1), Conductivity(c + 1), Measurement(m + 1),
                                                         Cleanliness(k + 1), Viscosity(v + 1)};
                                QStringList want;
                                for (int t = 0; t < kTechnologyCount; ++t)
                                    if (expectedSuitable(Technology(t), f, maxText.toDouble(), minText.toDouble()))
                                        want << kNameBoxes[t];
                                if (g.possible() != want && failures.size() < 10)
                                    failures << describe(f) + u' ' + maxText + u' ' + minText;
                            }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
    }

    void steamLeavesVortexAndWedge()
    {
        Guide g;
        // A user's tick on a box lasts only until the next evaluation.
        g.find<QCheckBox>("Check1")->click();
        g.find<QRadioButton>("OptFluid_2")->click();
        QCOMPARE(g.possible(), QStringList({"TxtVortex", "TxtWedge"}));
    }

    // The unit system is read at every evaluation.
    void unitSystemReadAtEveryEvaluation()
    {
        Guide g;
        auto *maxBox = g.find<QLineEdit>("TxtMaxTemp");
        maxBox->setText(QStringLiteral("100"));
        QVERIFY(!g.possible().contains("TxtProbe"));
        g.app.metric = false;
        maxBox->setText(QStringLiteral("122"));
        QVERIFY(g.possible().contains("TxtProbe"));
        maxBox->setText(QStringLiteral("123"));
        QVERIFY(!g.possible().contains("TxtProbe"));
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
