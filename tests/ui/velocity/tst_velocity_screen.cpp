// The velocity screen through its widgets: what each tool shows, cascades and wiring (the calculations' examples and
// bands are tested on their own functions).
#include "ui/common/events.h"
#include "screenfixture.h"
#include "ui/velocity/velocityfrm.h"

namespace {

// The tools, as the tool menu's mode flags choose them.
enum Tool { Velocity, PressureLoss, MeterSize, Payback };

struct VelocityScreen : ScreenFixture {
    QStringList steps; // the handlers as they ran

    explicit VelocityScreen(Tool tool = Velocity, bool metric = true)
        : ScreenFixture(Screen::Velocity, QStringLiteral("English.txt"), metric, tool)
    {
        showActive();
        static_cast<Velocityfrm *>(screen.get())->setTrace([this](const QString &step) { steps << step; });
    }
    QComboBox *units() const { return find<QComboBox>("CmboFlowUnits"); }
    // Chooses a flow unit from the list by its position (1 = first).
    void chooseUnit(int position) const { ev::choose(units(), position - 1); }
    bool shown(const QString &name) const { return find<QWidget>(name)->isVisibleTo(screen.get()); }
    // Size, flow and unit as a user enters them.
    void enter(const QString &size, const QString &flow, int unit = 1)
    {
        chooseUnit(unit);
        type("TxtMeterSize", size);
        type("TxtFlow", flow);
    }
    // 1 m/s through a 100 mm meter (10000 / 1273.3 l/s) or 4 inches (645.16 x 16 / 1273.3), the supply option (-1
    // none) chosen, then price|water|sewage|accuracy typed in that order.
    void payback(bool metric, int supply, const QString &typed)
    {
        enter(metric ? "100" : "4", metric ? "7.853608733" : "8.106934736");
        if (supply >= 0)
            click(QStringLiteral("Chkmains_%1").arg(supply));
        const QStringList texts = typed.split(u'|');
        const char *boxes[] = {"TxtMeterPrice", "TxtWaterValue", "TxtSewageCharge", "TxtCurrentMeterAccuracy"};
        for (int i = 0; i < 4; ++i)
            type(boxes[i], texts[i]);
    }
};

// A tool as loaded: the focused field, its widgets shown or (with "-") hidden, and the texts of its title, the
// viscosity, the velocity and size units and a caption of its own (named last).
struct Loaded { const char *name; Tool tool; bool metric; QString focus, widgets, caption, texts; };
// Price|water|sewage|accuracy typed, then usage|revenue loss|payback|caption shown, and whether the message came.
struct PaybackRow { const char *name; bool metric; int supply; QString typed, shown; bool message; };

} // namespace

class TestVelocityScreen : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Each tool loads with its own frames, title, focus and captions, the flow units under their prompt and water as
    // the fluid.
    void loadedTools_data()
    {
        const QString flow = "Frame1 TxtMeterSize TxtFlow CmboFlowUnits TxtVelocity TxtReynolds ";
        const Loaded rows[] = {
            {"velocity", Velocity, true, "TxtMeterSize", flow + "Frame2 ChkOther FrameMeterType -Frame3 -Frame4 "
             "-Pressure -SizeFrame -TxtpipeSize -TxtTaperAngle -PicAngle", "OptMeterType_1",
             "Velocity|1.0019|Metres/sec|Millimetres|Veldrix Mains"},
            {"payback", Payback, true, "TxtMeterSize", flow + "Frame4 TxtAnnualUsage Chkmains_1 -Frame2 -Frame3 "
             "-FrameMeterType -Pressure -SizeFrame", "LblAnnualUsage",
             "Veldrix Payback|1.0019|Metres/sec|Millimetres|Annual usage (m3)"},
            {"pressure loss", PressureLoss, false, "OptMeterType_0", flow + "Frame2 Pressure FrameMeterType "
             "TxtpipeSize TxtTaperAngle PicAngle -Frame3 -Frame4 -SizeFrame -ChkOther", "TxtLblSizeUnits2",
             "Pressure loss|1.0019|Feet/sec|Inches|Inches"},
            {"meter size", MeterSize, true, "TxtFlow", "Frame1 TxtFlow CmboFlowUnits SizeFrame Text5 -TxtMeterSize "
             "-TxtVelocity -Frame2 -Frame3 -Pressure -FrameMeterType -PicAngle", "TxtLbl2ms",
             "Meter sizing|1.0019|Metres/sec|Millimetres|Size at 2m/s"}};
        addRows(rows);
    }
    void loadedTools()
    {
        QFETCH(Loaded, row);
        VelocityScreen s(row.tool, row.metric);
        QCOMPARE(s.screen->windowTitle(), QStringLiteral("Gauntry  Velocity"));
        for (const QString &name : row.widgets.split(u' '))
            QVERIFY2(s.shown(name.mid(name.startsWith(u'-'))) != name.startsWith(u'-'), qPrintable(name));
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), row.focus);
        QCOMPARE(shownTexts(s.screen.get(), {"TxtTitle", "TxtVisc", "TxtLblVelUnits", "TxtLbLSizeUnits", row.caption},
                            u'|'), row.texts);
        QCOMPARE(s.units()->currentText() + QString::number(s.units()->count()), QStringLiteral("Flow units13"));
        QVERIFY(s.find<QCheckBox>("ChkWater")->isChecked() && !s.find("TxtVisc")->isEnabled());
    }

    // The chosen flow unit reaches the velocity and the water's Reynolds number; another fluid takes its own density
    // and viscosity, then water again; without a size the velocity is emptied. An imperial fraction becomes a decimal
    // before the velocity (feet per second) and Reynolds number are worked out.
    void fluidAndReynolds()
    {
        VelocityScreen s;
        s.enter("100", "36", 4);
        QCOMPARE(s.texts({"TxtVelocity", "TxtReynolds", "TxtLblTurbLAm"}), QStringLiteral("1.2733 127088 Turbulent"));
        s.click("ChkOther");
        QVERIFY(!s.find<QCheckBox>("ChkWater")->isChecked() && s.find("TxtVisc")->isEnabled());
        QCOMPARE(s.texts({"TxtVisc", "TxtDensity", "TxtReynolds", "TxtLblTurbLAm"}), QStringLiteral("  0 "));
        s.type("TxtDensity", "1000");
        s.type("TxtVisc", "100");
        QCOMPARE(s.texts({"TxtReynolds", "TxtLblTurbLAm"}), QStringLiteral("1273 Laminar"));
        s.click("ChkWater");
        QVERIFY(!s.find<QCheckBox>("ChkOther")->isChecked() && !s.find("TxtDensity")->isEnabled());
        QCOMPARE(s.texts({"TxtVisc", "TxtDensity", "TxtReynolds"}), QStringLiteral("1.0019 1000 127088"));
        s.type("TxtMeterSize", "");
        QCOMPARE(s.texts({"TxtVelocity", "TxtReynolds"}), QStringLiteral(" 0"));
        VelocityScreen imperial(Velocity, false);
        imperial.enter("1/2", "0.1");
        QCOMPARE(imperial.texts({"TxtMeterSize", "TxtVelocity", "TxtReynolds"}), QStringLiteral("0.5 2.5900 10006"));
    }

    // A typed flow recalculates, whose velocity runs the payback, then its own payback run. In the unit box a choice,
    // typing and focus loss run different handlers; only typing forgets a typed annual usage.
    void flowEvents()
    {
        VelocityScreen s;
        s.type("TxtMeterSize", "100");
        s.steps.clear();
        s.type("TxtFlow", "10");
        QCOMPARE(s.steps, (QStringList{"TxtFlow changed", "full recalculation", "TxtVelocity changed", "payback",
                                       "payback"}));
        s.app.velocity.annualUsageTyped = true;
        s.units()->setFocus();
        const std::pair<std::function<void()>, QString> actions[] = {
            {[&] { s.chooseUnit(2); }, "CmboFlowUnits chosen"},
            {[&] { QTest::keyClick(s.units(), Qt::Key_Backspace); }, "CmboFlowUnits typed"},
            {[&] { s.find("TxtFlow")->setFocus(); }, "CmboFlowUnits lost focus"}};
        for (const auto &[action, first] : actions) {
            s.steps.clear();
            action();
            QCOMPARE(s.steps.value(0), first);
            QCOMPARE(s.app.velocity.annualUsageTyped, first.endsWith("chosen"));
        }
    }

    // Each choice rebuilds the accuracy frame: only the chosen type's box, the standard's labels with the water meters,
    // and the meter's own pressure loss emptied before the recalculation.
    void meterTypeChoice()
    {
        VelocityScreen s;
        s.enter("100", "10");
        s.click("OptMeterType_3");
        QVERIFY(s.shown("Frame3") && s.shown("TxtAccurVeldrix") && s.shown("Label1") && s.shown("Label2"));
        QCOMPARE(s.text("TxtAccurVeldrix"), QStringLiteral("±  .5%"));
        s.click("OptMeterType_0");
        QVERIFY(s.shown("TxtAccurMagWW") && !s.shown("TxtAccurVeldrix") && !s.shown("Label1"));
        QCOMPARE(s.text("TxtAccurMagWW"), QStringLiteral("± 0.15%"));
        s.type("TxtMeterSize", "13");
        s.click("OptMeterType_2");
        QVERIFY(s.shown("Frame3") && s.shown("Label2") && !s.shown("TxtAccurBrevilReal") && !s.shown("TxtAccurMagWW"));
        s.type("TxtMeterSize", "100");
        QVERIFY(s.shown("TxtAccurBrevilReal"));
        QCOMPARE(s.text("TxtAccurBrevilReal"), QStringLiteral("± 0.15%"));
        // The choice belongs to the program (not to another program state): the screen closed and opened again
        // shows it.
        QCOMPARE(VelocityScreen().app.velocity.meterType, velocity::MeterType::None);
        s.screen.reset();
        s.screen.reset(createScreen(Screen::Velocity, s.app));
        QVERIFY(s.find<QAbstractButton>("OptMeterType_2")->isChecked());
    }

    // Enter moves the focus along the inputs, changing no text; the loss example in its three boxes, a corrected angle
    // written back, and the meter's own loss once a type is chosen (no accuracy frame in this tool).
    void pressureLoss()
    {
        VelocityScreen s(PressureLoss);
        const QStringList chain = {"TxtpipeSize", "TxtTaperAngle", "TxtMeterSize", "TxtFlow", "CmboFlowUnits"};
        s.find(chain[0])->setFocus();
        for (int i = 0; i + 1 < chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName() + s.text(chain[i]), chain[i + 1]);
        }
        s.type("TxtpipeSize", "100");
        s.type("TxtTaperAngle", "15");
        s.enter("50", "3.926804", 1); // 2 m/s in the 50 mm bore
        QCOMPARE(s.texts({"TxtPressMeter", "TxtPressMeterbars", "TxtPressMeterPsi"}),
                 QStringLiteral("2.8125 0.0028 0.0413"));
        s.type("TxtTaperAngle", "90");
        QCOMPARE(s.text("TxtTaperAngle"), QStringLiteral("60"));
        s.type("TxtTaperAngle", "15");
        s.click("OptMeterType_1");
        QVERIFY(!s.shown("Frame3"));
        QCOMPARE(s.text("TxtPressMeter"), QStringLiteral("61.2594"));
    }

    // The size chain: each proposal (max, min, 1, 2, 3 m/s) becomes the meter size and shows the loss of a meter that
    // size (in bar; no reducers, so the meter's own loss); no flow empties the sizes and their losses.
    void sizeChain()
    {
        const std::tuple<bool, QString, QString, QString> rows[] = {
            {false, "10", "6 1.5 4 3 2.5", "0.0050 1.0017 0.0250 0.0626 0.1252"},
            {true, "200", "700 150 500 350 300", "0.0000 1.9467 0.0195 0.0487 0.0973"},
            {true, "0", "    ", "    "}};
        for (const auto &[metric, flow, sizes, losses] : rows) {
            VelocityScreen s(MeterSize, metric);
            s.chooseUnit(1);
            s.type("TxtFlow", "10");
            s.type("TxtFlow", flow);
            QCOMPARE(s.texts({"TxtMaxSize", "TxTMinSize", "Txt1ms", "Txt2ms", "Txt3ms"}), sizes);
            QCOMPARE(s.texts({"Text1", "Text2", "Text3", "Text4", "Text5"}), losses);
            QCOMPARE(s.text("TxtMeterSize"), sizes.split(u' ').last());
            QCOMPARE(s.text("TxtPressMag5"), QStringLiteral("0.0000"));
        }
    }

    // The payback examples and the rules around them, the existing meter's accuracy typed last; an existing meter as
    // good as the new one brings the message and its accuracy emptied and focused for a new figure.
    void payback_data()
    {
        static const PaybackRow rows[] = {
            {"example, days", true, 0, "1000|1|0.5|2", "247671.4|6501.37|56|Payback (days)", false},
            {"example, years", true, 0, "100000|1|0.5|2", "247671.4|6501.37|15.381|Payback (years)", false},
            {"no sewage charge", true, 0, "1000|1||2", "247671.4|4334.25|84|Payback (days)", false},
            {"0.3 with mains", true, 0, "1000|1|0.5|0.3", "247671.4|185.75|5.383|Payback (years)", false},
            {"0.25 with mains", true, 0, "1000|1|0.5|0.25", "247671.4|||Payback (years)", true},
            {"within the tolerance of 0.25", true, 0, "1000|1|0.5|0.25000001", "247671.4|||Payback (years)", true},
            {"0.5 with battery", true, 1, "1000|1|0.5|0.5", "247671.4|||Payback (years)", true},
            {"no supply chosen", true, -1, "1000|1|0.5|2", "247671.4|||Payback (years)", false},
            {"thousands of US gallons", false, 0, "1000|1|0.5|2", "65386.96|1716.41|0.583|Payback (years)", false},
            {"a price too large", true, 0, "1e400|1|0.5|2", "247671.4|||Payback (years)", false}};
        addRows(rows);
    }
    void payback()
    {
        QFETCH(PaybackRow, row);
        VelocityScreen s(Payback, row.metric);
        s.payback(row.metric, row.supply, row.typed);
        QCOMPARE(shownTexts(s.screen.get(), {"TxtAnnualUsage", "TxtRevenueLoss", "TxtPayBack", "LbLPayBack"}, u'|'),
                 row.shown);
        const QString better = "Existing meter accuracy apparently better than or equal to Veldrix";
        QCOMPARE(s.platform.messages, row.message ? QStringList{better} : QStringList());
        QCOMPARE(s.text("TxtCurrentMeterAccuracy").isEmpty(), row.message);
        QCOMPARE(QApplication::focusWidget() == s.find("TxtCurrentMeterAccuracy"), row.message);
    }

    // A usage typed after a click in its box stays through charges and a unit choice, gives way to the computed one
    // when the flow changes, and counts as none when it is not a number.
    void typedAnnualUsage()
    {
        VelocityScreen s(Payback);
        s.payback(true, 0, "1000|1|0.5|2");
        QTest::mouseClick(s.find("TxtAnnualUsage"), Qt::LeftButton);
        s.type("TxtAnnualUsage", "1000");
        QCOMPARE(s.text("TxtRevenueLoss"), QStringLiteral("26.25"));
        s.type("TxtWaterValue", "2");
        s.type("TxtMeterPrice", "2000");
        s.chooseUnit(1);
        QCOMPARE(s.texts({"TxtAnnualUsage", "TxtRevenueLoss"}), QStringLiteral("1000 43.75"));
        s.type("TxtAnnualUsage", "abc");
        QCOMPARE(s.texts({"TxtAnnualUsage", "TxtRevenueLoss", "TxtPayBack"}), QStringLiteral("abc 0.00 0"));
        s.type("TxtFlow", "7.853608733 ");
        QCOMPARE(s.text("TxtAnnualUsage"), QStringLiteral("247671.4"));
        QVERIFY(s.platform.messages.isEmpty());
    }
};

QTEST_MAIN(TestVelocityScreen)
#include "tst_velocity_screen.moc"
