// The probe factors and flow per unit velocity, and the probe screen.
#include "common/appstate.h"
#include "fakeplatform.h"
#include "probe/probecalc.h"
#include "probe/tessivofrm.h"
#include "testlang.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

struct Screen {
    FakePlatform platform;
    AppState app;
    std::unique_ptr<TessivoFrm> screen;

    explicit Screen(bool metric = true)
    {
        app.platform = &platform;
        app.metric = metric;
        loadShippedLanguage(app);
        screen = std::make_unique<TessivoFrm>(app);
    }
    QLineEdit *box(const char *name) const { return screen->findChild<QLineEdit *>(QLatin1String(name)); }
    QRadioButton *option(const char *base, int i) const
    {
        return screen->findChild<QRadioButton *>(QLatin1String(base) + u'_' + QString::number(i));
    }
    QGroupBox *frame(const char *name) const { return screen->findChild<QGroupBox *>(QLatin1String(name)); }
    QStringList outputs() const
    {
        return {box("TxtMagFp")->text(), box("TxtMagFi")->text(), box("TxtLumbrinBu")->text(),
                box("TxtLumbrinVu")->text()};
    }
};

} // namespace

class TestProbe : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void noResultWithoutDiameter()
    {
        for (double d : {0.0, -5.0, std::nan("")})
            QVERIFY(!probe::probeVelocityAndFlow(d, true, 0, 0));
    }

    // The screen: typing a diameter and clicking a location or flow unit.
    void screenResults_data()
    {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<int>("location");
        QTest::addColumn<int>("flowUnit");
        QTest::addColumn<QStringList>("expected"); // P, K, F, Q
        QTest::newRow("D 100, location 0") << true << "100" << 0 << 0
                                           << QStringList{"0.842", "1.138", "0.958", "7.85398"};
        QTest::newRow("D 100, location 1") << true << "100" << 1 << 0
                                           << QStringList{"1.000", "1.251", "1.251", "7.85398"};
        QTest::newRow("D 100, location 2") << true << "100" << 2 << 0
                                           << QStringList{"1.000", "0.991", "0.991", "7.85398"};
        QTest::newRow("D 200 litres") << true << "200" << 1 << 0
                                      << QStringList{"1.000", "1.153", "1.153", "31.41590"};
        QTest::newRow("D 200 cubic metres") << true << "200" << 1 << 1
                                            << QStringList{"1.000", "1.153", "1.153", "0.03142"};
        QTest::newRow("D 200 imperial gallons") << true << "200" << 1 << 2
                                                << QStringList{"1.000", "1.153", "1.153", "6.91053"};
        QTest::newRow("D 200 US gallons") << true << "200" << 1 << 3
                                          << QStringList{"1.000", "1.153", "1.153", "8.29263"};
        QTest::newRow("D 200 megalitres") << true << "200" << 1 << 4
                                          << QStringList{"1.000", "1.153", "1.153", "0.00003"};
        QTest::newRow("imperial 4 inches") << false << "4" << 1 << 0
                                           << QStringList{"1.000", "1.248", "1.248", "8.10731"};
        QTest::newRow("leading number of typed text") << true << "100mm" << 1 << 0
                                                      << QStringList{"1.000", "1.251", "1.251", "7.85398"};
        QTest::newRow("large pipe, integer digits kept") << true << "5000" << 1 << 0
                                                         << QStringList{"1.000", "1.021", "1.021", "19634.93750"};
    }

    void screenResults()
    {
        QFETCH(bool, metric);
        QFETCH(QString, diameter);
        QFETCH(int, location);
        QFETCH(int, flowUnit);
        QFETCH(QStringList, expected);
        Screen s(metric);
        s.option("OptProbeLocation", location)->click();
        s.option("OptLumbrinFlowUnits", flowUnit)->click();
        s.box("TxtpipeSize")->setText(diameter);
        QCOMPARE(s.outputs(), expected);
    }

    // Options recalculate too, not just the diameter box.
    void optionsRecalculate()
    {
        Screen s;
        s.box("TxtpipeSize")->setText(QStringLiteral("200"));
        QCOMPARE(s.box("TxtMagFi")->text(), QStringLiteral("1.064"));
        s.option("OptProbeLocation", 1)->click();
        QCOMPARE(s.box("TxtMagFi")->text(), QStringLiteral("1.153"));
        s.option("OptLumbrinFlowUnits", 1)->click();
        QCOMPARE(s.box("TxtLumbrinVu")->text(), QStringLiteral("0.03142"));
        // The unit system is read at every calculation.
        s.app.metric = false;
        s.option("OptLumbrinFlowUnits", 0)->click();
        QCOMPARE(s.box("TxtLumbrinVu")->text(), QStringLiteral("20268.28204"));
    }

    void noDiameterLeavesOutputs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("zero") << "0";
        QTest::newRow("text") << "abc";
        QTest::newRow("negative") << "-50";
    }

    void noDiameterLeavesOutputs()
    {
        QFETCH(QString, text);
        Screen s;
        const QStringList blank{"  ", " ", " ", " "};
        QCOMPARE(s.outputs(), blank);
        s.box("TxtpipeSize")->setText(text);
        s.option("OptProbeLocation", 1)->click();
        QCOMPARE(s.outputs(), blank);
        s.box("TxtpipeSize")->setText(QStringLiteral("100"));
        const QStringList shown = s.outputs();
        s.box("TxtpipeSize")->setText(text.isEmpty() ? QStringLiteral("x") : QString());
        s.box("TxtpipeSize")->setText(text);
        QCOMPARE(s.outputs(), shown);
    }

    // Near 38/pi mm the mean-velocity point's insertion factor runs off to
    // infinity and turns negative: such a factor, and the combined factor,
    // show blank; profile and flow still show.
    void insertionFactorGuard_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<bool>("insertionShown");
        QTest::newRow("12") << "12" << false;
        QTest::newRow("12.0958, just above 38/pi") << "12.0958" << true;
        QTest::newRow("38/pi exactly") << QString::number(38 / 3.141592654, 'g', 17) << false;
        QTest::newRow("12.1") << "12.1" << true;
        QTest::newRow("12.2") << "12.2" << true;
        QTest::newRow("1") << "1" << false;
        QTest::newRow("0.0005") << "0.0005" << false;
        QTest::newRow("1e-300") << "1e-300" << false;
        QTest::newRow("1e300") << "1e300" << true;
        QTest::newRow("1e999") << "1e999" << true;
    }

    void insertionFactorGuard()
    {
        QFETCH(QString, diameter);
        QFETCH(bool, insertionShown);
        Screen s;
        s.box("TxtpipeSize")->setText(QStringLiteral("100"));
        s.box("TxtpipeSize")->setText(diameter);
        for (const QString &out : s.outputs()) {
            QVERIFY2(!out.contains(u'-'), qPrintable(out));
            QVERIFY2(!out.contains(QLatin1String("inf"), Qt::CaseInsensitive), qPrintable(out));
            QVERIFY2(!out.contains(QLatin1String("nan"), Qt::CaseInsensitive), qPrintable(out));
        }
        // Never a value from the previous diameter.
        QVERIFY(s.box("TxtMagFi")->text() != QStringLiteral("1.138"));
        QCOMPARE(!s.box("TxtMagFi")->text().isEmpty(), insertionShown);
    }

    void screenCaptions()
    {
        Screen s;
        QCOMPARE(s.screen->objectName(), QStringLiteral("TessivoFrm"));
        const QList<QPair<const char *, QString>> texts{
            {"TxtLblPipeSize", "Pipe internal diameter"}, {"LblpipesizeUnits", "Millimetres"},
            {"TxtLblMagFp", "Profile factor"},            {"TxtLblMagFi", "Insertion factor"},
            {"TxtLblLumbrinBu", "Combined factor"},       {"TxtlblLumbrinVu", "Flow/sec at 1 m/s"},
            {"TxtTitleTessivo", "Tessivo"},               {"OptProbeType_1", "Tessivo II (Veldrix)"},
            {"OptProbeLocation_2", "1/8 diameter"},       {"OptLumbrinFlowUnits_4", "Megalitres"},
            {"FrameInput", "Input"},                      {"FramePrandel", "Prandel/ Veldrix"},
            {"FrameLumbrin", "Tessivo (Lumbrin)"},        {"Frame3", "Tessivo"},
            {"Frame1", ""},
        };
        for (const auto &[name, text] : texts) {
            QWidget *w = s.screen->findChild<QWidget *>(QLatin1String(name));
            QVERIFY2(w, name);
            QCOMPARE(w->property(qobject_cast<QGroupBox *>(w) ? "title" : "text").toString(), text);
        }
        QVERIFY(s.option("OptProbeLocation", 0)->isChecked());
        QVERIFY(s.option("OptLumbrinFlowUnits", 0)->isChecked());

        Screen imperial(false);
        QCOMPARE(imperial.screen->findChild<QLabel *>("LblpipesizeUnits")->text(), QStringLiteral("Inches"));
    }

    // A probe model only decides which result frame shows.
    void probeModelSwapsFrames()
    {
        Screen s;
        s.screen->show();
        QVERIFY(s.option("OptProbeType", 0)->isChecked());
        QVERIFY(s.frame("FramePrandel")->isVisible());
        QVERIFY(!s.frame("FrameLumbrin")->isVisible());
        s.box("TxtpipeSize")->setText(QStringLiteral("100"));
        const QStringList shown = s.outputs();
        for (int model : {2, 1, 2, 0}) {
            s.option("OptProbeType", model)->click();
            QCOMPARE(s.frame("FrameLumbrin")->isVisible(), model == 2);
            QCOMPARE(s.frame("FramePrandel")->isVisible(), model != 2);
            QCOMPARE(s.outputs(), shown);
        }
        QCOMPARE(s.frame("FrameLumbrin")->y(), s.frame("FramePrandel")->y());
    }

    void pictureKeepsItsCorner()
    {
        Screen s;
        s.screen->show();
        auto *picture = s.screen->findChild<QWidget *>("Picture1");
        // 1500 and 1000 twips from the right and bottom edges (15 twips a pixel).
        const QList<QPair<QSize, QPoint>> cases{
            {QSize(700, 600), QPoint(600, 533)},
            {QSize(900, 800), QPoint(800, 733)},
            {QSize(640, 520), QPoint(540, 453)},
        };
        for (const auto &[size, pos] : cases) {
            s.screen->resize(size);
            QCOMPARE(picture->pos(), pos);
        }
    }

    void printPictureOpensPrinterDialog()
    {
        Screen s;
        s.screen->show();
        QTest::mouseClick(s.screen->findChild<QWidget *>("Image1"), Qt::LeftButton);
        QCOMPARE(s.platform.printerDialogs, 1);
        QCOMPARE(s.platform.messages, QStringList{"Printing was cancelled!"});
    }
};

QTEST_MAIN(TestProbe)
#include "tst_probe.moc"
