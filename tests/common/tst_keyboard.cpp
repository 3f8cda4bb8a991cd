// Every screen without a mouse: Tab walks the controls in the order they
// stand, and the print picture and Ctrl+P print. (Names for screen readers
// are checked with the layouts, in tst_scale.)
#include "screenfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QtTest>

namespace {
// The controls a user reaches: inputs, lists, options, buttons and results.
QList<QWidget *> reachable(QWidget *screen)
{
    QList<QWidget *> out;
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        if (!w->objectName().isEmpty() && w->isVisibleTo(screen) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !qobject_cast<QComboBox *>(w->parentWidget()))
            out << w;
    }
    return out;
}
} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Tab from the first control visits the screen's controls top to bottom, left to right within a frame, and comes
    // back round (the velocity screen's tool 0 velocity, 1 pressure loss, 2 meter size, 3 payback).
    void tabOrder_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("tool");
        QTest::addColumn<QString>("order");
        const QString flow = "Image1 TxtMeterSize TxtFlow CmboFlowUnits TxtVelocity TxtReynolds TxtLblTurbLAm ";
        QTest::newRow("converter") << int(Screen::Converter) << 0 << "TxtPressIP CmbPressIP TxtPressOP CmbPressOP "
            "TxtViscIP CmbViscIP TxtViscSG TxtViscOP CmbViscOP TxtDensityIP CmbDensityIP TxtDensityOP CmbDensityOP "
            "TxtTempIP CmbTempIP TxtTempOP CmbTempOP TxtVelocityIP CmbVelocityIP TxtVelocityOP CmbVelocityOP TxtFlowIP "
            "CmbFlowIP TxtFlowOP CmbFlowOP TxtLengthIP CmbLengthIP TxtLengthOP CmbLengthOP TxtVolumeIP CmbVolumeIP "
            "TxtVolumeOP CmbVolumeOP TxtAreaIP CmbAreaIP TxtAreaOP CmbAreaOP";
        QTest::newRow("selection guide") << int(Screen::MeterSelection) << 0 << "TxtFluidName OptFluid_0 "
            "OptConductivity_0 OptMeasurements OptClean_0 OptVisc_0 TxtMaxTemp TxtMinTemp Check1 Check2 Check3 Check7 "
            "Check8 Check4 Check5";
        QTest::newRow("probe") << int(Screen::Probe) << 0
                               << "Image1 TxtpipeSize OptProbeLocation_0 OptProbeType_0 TxtMagFp TxtMagFi";
        QTest::newRow("velocity") << int(Screen::Velocity) << 0 << flow + "ChkWater ChkOther OptMeterType_0";
        QTest::newRow("pressure loss") << int(Screen::Velocity) << 1 << "Image1 TxtpipeSize TxtTaperAngle TxtMeterSize "
            "TxtFlow CmboFlowUnits TxtVelocity TxtReynolds TxtLblTurbLAm ChkWater TxtPressMeter TxtPressMeterbars "
            "TxtPressMeterPsi OptMeterType_0";
        QTest::newRow("meter size") << int(Screen::Velocity) << 2 << "Image1 TxtFlow CmboFlowUnits TxtReynolds "
            "TxtLblTurbLAm TxtMaxSize Text1 TxtPresMag1 TxTMinSize Text2 TxtPressMag2 Txt1ms Text3 TxtPressMag3 Txt2ms "
            "Text4 TxtPressMag4 Txt3ms Text5 TxtPressMag5";
        QTest::newRow("payback") << int(Screen::Velocity) << 3 << flow + "TxtAnnualUsage TxtMeterPrice "
            "TxtCurrentMeterAccuracy TxtWaterValue TxtSewageCharge Chkmains_0 TxtRevenueLoss TxtPayBack";
    }
    void tabOrder()
    {
        QFETCH(int, screen);
        QFETCH(int, tool);
        QFETCH(QString, order);
        ScreenFixture s(Screen(screen), QStringLiteral("English.txt"), true, tool);
        s.showActive();
        QWidget *first = reachable(s.screen.get()).value(0);
        first->setFocus(Qt::TabFocusReason);
        QStringList walked;
        for (int i = 0; i < 200 && (i == 0 || QApplication::focusWidget() != first); ++i) {
            walked << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(walked.join(u' '), order);
    }

    // The print picture takes the focus and prints on Enter or Space; Ctrl+P prints the screen that has the focus.
    void printFromTheKeyboard()
    {
        for (Screen screen : {Screen::Probe, Screen::Velocity}) {
            ScreenFixture s(screen);
            s.showActive();
            QWidget *print = s.find<QWidget>("Image1");
            print->setFocus(Qt::TabFocusReason);
            QCOMPARE(QApplication::focusWidget(), print);
            QTest::keyClick(print, Qt::Key_Return);
            QTest::keyClick(print, Qt::Key_Space);
            QWidget *input = reachable(s.screen.get()).last();
            input->setFocus();
            QTest::keySequence(input, QKeySequence::Print);
            QCOMPARE(s.platform.printerDialogs, 3);
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
