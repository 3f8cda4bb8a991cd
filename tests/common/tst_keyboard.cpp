// Every screen without a mouse: Tab walks the controls in the order they
// stand, and the print picture and Ctrl+P print. (Names for screen readers
// are checked with the layouts, in tst_scale.)
#include "screenfixture.h"
#include "sizing/velocityfrm.h"

#include <QApplication>
#include <QComboBox>
#include <QtTest>

namespace {

struct Case {
    Screen screen;
    int tool; // velocity screen: 0 velocity, 1 pressure loss, 2 meter size, 3 payback
};

std::unique_ptr<ScreenFixture> open(const Case& c, const QString& language = QStringLiteral("English.txt"))
{
    auto fixture = std::make_unique<ScreenFixture>(c.screen, language, true, [c](AppState& a) {
        a.velocityMode = c.tool == 0 || c.tool == 3;
        a.pressureLossMode = c.tool == 1;
        a.meterSizeMode = c.tool == 2;
        a.paybackMode = c.tool == 3;
    });
    fixture->screen->show();
    fixture->screen->activateWindow();
    if (!QTest::qWaitForWindowActive(fixture->screen.get()))
        qFatal("screen window not active");
    return fixture;
}

// The controls a user reaches: inputs, lists, options, buttons and results.
QList<QWidget*> reachable(QWidget* screen)
{
    QList<QWidget*> out;
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && w->isVisibleTo(screen) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !qobject_cast<QComboBox*>(w->parentWidget()))
            out << w;
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Case)

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Tab from the first control visits the screen's controls top to bottom,
    // left to right within a frame, and comes back round.
    void tabOrder_data()
    {
        QTest::addColumn<Case>("screen");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("converter") << Case { Screen::Converter, 0 }
                                   << QStringList { "TxtPressIP", "CmbPressIP", "TxtPressOP", "CmbPressOP", "TxtViscIP",
                                          "CmbViscIP", "TxtViscSG", "TxtViscOP", "CmbViscOP", "TxtDensityIP",
                                          "CmbDensityIP", "TxtDensityOP", "CmbDensityOP", "TxtTempIP", "CmbTempIP",
                                          "TxtTempOP", "CmbTempOP", "TxtVelocityIP", "CmbVelocityIP", "TxtVelocityOP",
                                          "CmbVelocityOP", "TxtFlowIP", "CmbFlowIP", "TxtFlowOP", "CmbFlowOP",
                                          "TxtLengthIP", "CmbLengthIP", "TxtLengthOP", "CmbLengthOP", "TxtVolumeIP",
                                          "CmbVolumeIP", "TxtVolumeOP", "CmbVolumeOP", "TxtAreaIP", "CmbAreaIP",
                                          "TxtAreaOP", "CmbAreaOP" };
        QTest::newRow("selection guide") << Case { Screen::MeterSelection, 0 }
                                         << QStringList { "TxtFluidName", "OptFluid_0", "OptConductivity_0",
                                                "OptMeasurements", "OptClean_0", "OptVisc_0", "TxtMaxTemp",
                                                "TxtMinTemp", "Check1", "Check2", "Check3", "Check7", "Check8",
                                                "Check4", "Check5" };
        QTest::newRow("probe") << Case { Screen::Probe, 0 }
                               << QStringList { "Image1", "TxtpipeSize", "OptProbeLocation_0", "OptProbeType_0",
                                      "TxtMagFp", "TxtMagFi" };
        QTest::newRow("velocity") << Case { Screen::Velocity, 0 }
                                  << QStringList { "Image1", "TxtMeterSize", "TxtFlow", "CmboFlowUnits", "TxtVelocity",
                                         "TxtReynolds", "TxtLblTurbLAm", "ChkWater", "ChkOther", "OptMeterType_0" };
        QTest::newRow("pressure loss") << Case { Screen::Velocity, 1 }
                                       << QStringList { "Image1", "TxtpipeSize", "TxtTaperAngle", "TxtMeterSize",
                                              "TxtFlow", "CmboFlowUnits", "TxtVelocity", "TxtReynolds", "TxtLblTurbLAm",
                                              "ChkWater", "TxtPressMeter", "TxtPressMeterbars", "TxtPressMeterPsi",
                                              "OptMeterType_0" };
        QTest::newRow("meter size") << Case { Screen::Velocity, 2 }
                                    << QStringList { "Image1", "TxtFlow", "CmboFlowUnits", "TxtReynolds",
                                           "TxtLblTurbLAm", "TxtMaxSize", "Text1", "TxtPresMag1", "TxTMinSize", "Text2",
                                           "TxtPressMag2", "Txt1ms", "Text3", "TxtPressMag3", "Txt2ms", "Text4",
                                           "TxtPressMag4", "Txt3ms", "Text5", "TxtPressMag5" };
        QTest::newRow("payback") << Case { Screen::Velocity, 3 }
                                 << QStringList { "Image1", "TxtMeterSize", "TxtFlow", "CmboFlowUnits", "TxtVelocity",
                                        "TxtReynolds", "TxtLblTurbLAm", "TxtAnnualUsage", "TxtMeterPrice",
                                        "TxtCurrentMeterAccuracy", "TxtWaterValue", "TxtSewageCharge", "Chkmains_0",
                                        "TxtRevenueLoss", "TxtPayBack" };
    }
    void tabOrder()
    {
        QFETCH(Case, screen);
        QFETCH(QStringList, order);
        auto s = open(screen);
        QList<QWidget*> controls = reachable(s->screen.get());
        QWidget* first = controls.value(0);
        first->setFocus(Qt::TabFocusReason);
        QStringList walked;
        for (int i = 0; i < 200; ++i) {
            QWidget* focus = QApplication::focusWidget();
            walked << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
            if (QApplication::focusWidget() == first)
                break;
        }
        QCOMPARE(walked, order);
    }

    // The print picture takes the focus and prints on Enter or Space; Ctrl+P
    // prints the screen that has the focus.
    void printFromTheKeyboard()
    {
        for (Case c : { Case { Screen::Probe, 0 }, Case { Screen::Velocity, 0 } }) {
            auto s = open(c);
            QWidget* print = s->find<QWidget>("Image1");
            print->setFocus(Qt::TabFocusReason);
            QCOMPARE(QApplication::focusWidget(), print);
            QTest::keyClick(print, Qt::Key_Return);
            QTest::keyClick(print, Qt::Key_Space);
            QWidget* input = reachable(s->screen.get()).last();
            input->setFocus();
            QTest::keySequence(input, QKeySequence::Print);
            QCOMPARE(s->platform.printerDialogs, 3);
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
