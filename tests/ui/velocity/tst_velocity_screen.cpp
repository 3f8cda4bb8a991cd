// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The velocity screen through its widgets: what each tool shows, the wiring and its cascades, and that the screen
// shows exactly what the calculator works out without it (the numbers themselves are tested without widgets).
#include "core/velocity/calculator.h"
#include "screenfixture.h"
#include "ui/common/events.h"
#include "ui/velocity/velocityfrm.h"

using namespace velocity;
using enum velocity::VelocityTool;

namespace {

// The screen's boxes in the calculator's order of boxes.
const QStringList kBoxNames = {
    "TxtMeterSize", "TxtTaperAngle", "TxtVelocity", "TxtReynolds", "TxtLblTurbLAm", "TxtAccurMagWW", "TxtAccurVeldrix",
    "TxtAccurBrevilReal", "TxtPressMeter", "TxtPressMeterbars", "TxtPressMeterPsi", "TxtMaxSize", "TxTMinSize",
    "Txt1ms", "Txt2ms", "Txt3ms", "Text1", "Text2", "Text3", "Text4", "Text5", "TxtPresMag1", "TxtPressMag2",
    "TxtPressMag3", "TxtPressMag4", "TxtPressMag5", "TxtAnnualUsage", "TxtRevenueLoss", "TxtPayBack", "LbLPayBack"};

struct VelocityScreen : ScreenFixture {
    QStringList steps; // the handlers as they ran

    explicit VelocityScreen(VelocityTool tool = Velocity, bool metric = true)
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
};

// What a user does, one step after the other: "unit=4", "size=100", "flow=36", "type=1" (a meter type), "other=d/v"
// (another fluid), "water", "pipe=100", "angle=90", "supply=0", "price=", "charge=", "sewage=", "accuracy=", "usage=",
// "click=usage" or "click=size".
struct Sequence { const char *name; VelocityTool tool; bool metric; QString steps; };

// The same steps on the screen, and through the calculator on plain texts.
void play(VelocityScreen &s, TextFields &f, Calculator &calc, const QString &steps)
{
    const QMap<QString, std::pair<QString, QString PaybackTexts::*>> payback = {
        {"price", {"TxtMeterPrice", &PaybackTexts::meterPrice}},
        {"charge", {"TxtWaterValue", &PaybackTexts::waterCharge}},
        {"sewage", {"TxtSewageCharge", &PaybackTexts::sewageCharge}},
        {"accuracy", {"TxtCurrentMeterAccuracy", &PaybackTexts::currentAccuracy}},
        {"usage", {"TxtAnnualUsage", &PaybackTexts::annualUsage}}};
    for (const QString &step : steps.split(u' ')) {
        const QString key = step.section(u'=', 0, 0), value = step.section(u'=', 1);
        if (key == u"unit") {
            s.chooseUnit(value.toInt());
            f.input.unit = s.units()->currentText();
            calc.flowChanged(false);
        } else if (key == u"size" || key == u"flow") {
            s.type(key == u"size" ? "TxtMeterSize" : "TxtFlow", value);
            (key == u"size" ? f.input.meterSize : f.input.flow) = value;
            key == u"size" ? calc.meterSizeChanged() : calc.flowChanged(true);
        } else if (key == u"pipe" || key == u"angle") {
            s.type(key == u"pipe" ? "TxtpipeSize" : "TxtTaperAngle", value);
            (key == u"pipe" ? f.input.pipeSize : f.input.taperAngle) = value;
            if (key == u"angle")
                calc.fullRecalculation();
        } else if (key == u"type") {
            s.click(indexedName(u"OptMeterType", value.toInt()));
            f.input.checkedMeterType = MeterType(value.toInt());
            calc.chooseMeterType(f.input.checkedMeterType);
        } else if (key == u"other" || key == u"water") {
            s.click(key == u"water" ? "ChkWater" : "ChkOther");
            f.input.fluid = key == u"water" ? Fluid::Water : Fluid::Other;
            f.input.density = key == u"water" ? "1000" : "";
            f.input.viscosity = key == u"water" ? "1.0019" : "";
            calc.fullRecalculation();
            if (key == u"other") {
                s.type("TxtDensity", value.section(u'/', 0, 0));
                s.type("TxtVisc", value.section(u'/', 1));
                f.input.density = value.section(u'/', 0, 0);
                f.input.viscosity = value.section(u'/', 1);
                calc.fullRecalculation();
            }
        } else if (key == u"supply") {
            s.click(indexedName(u"Chkmains", value.toInt()));
            f.payback.supply = value == u"0" ? Supply::Mains : Supply::Battery;
            calc.payback();
        } else if (key == u"click") {
            QTest::mouseClick(s.find(value == u"usage" ? "TxtAnnualUsage" : "TxtMeterSize"), Qt::LeftButton);
            value == u"usage" ? calc.annualUsageClicked() : calc.meterSizeClicked();
        } else if (payback.contains(key)) {
            s.type(payback[key].first, value);
            f.payback.*payback[key].second = value;
            calc.payback();
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }
}

// A tool as loaded: the focused field, its widgets shown or (with "-") hidden, and the texts of its title, the
// viscosity, the velocity and size units and a caption of its own (named last).
struct Loaded { const char *name; VelocityTool tool; bool metric; QString focus, widgets, caption, texts; };

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

    // The screen shows what the calculator works out on plain texts, in every tool and through every kind of input:
    // the boxes are the calculator's fields, and the cascades of the screen's handlers end where it ends.
    void agreesWithCalculator_data()
    {
        static const Sequence rows[] = {
            {"velocity, types and fluids", Velocity, true, "size=100 unit=4 flow=36 type=3 type=0 other=1000/100 "
             "size=13 type=2 size=100 water flow=-36 size=3/8"},
            {"velocity, imperial fraction", Velocity, false, "unit=1 size=1/2 flow=0.1 type=1 size=1 flow=0.185"},
            {"pressure loss", PressureLoss, true, "pipe=100 angle=15 type=0 size=50 unit=1 flow=3.926804 angle=90 "
             "angle=150 type=1 pipe=-100 size=40 other=900/3"},
            {"meter size", MeterSize, false, "unit=1 flow=10 flow=-10 flow=500 unit=2 flow=0"},
            {"payback", Payback, true, "size=100 unit=1 flow=7.853608733 supply=0 price=1000 charge=1 sewage=0.5 "
             "accuracy=2 click=usage usage=1000 charge=2 unit=1 usage=abc click=size accuracy=0.2 accuracy=3 "
             "supply=1 flow=1"},
            {"payback, imperial", Payback, false, "size=4 unit=11 flow=129 supply=1 price=100000 charge=1 accuracy=2"}};
        addRows(rows);
    }
    void agreesWithCalculator()
    {
        QFETCH(Sequence, row);
        VelocityScreen s(row.tool, row.metric);
        SharedValues shared;
        TextFields fields(s.app.texts);
        fields.input.tool = row.tool;
        fields.input.metric = fields.payback.metric = row.metric;
        fields.input.unit = s.units()->currentText();
        fields.input.density = "1000";
        fields.input.viscosity = "1.0019";
        Calculator calc(shared, s.app.texts, fields);
        play(s, fields, calc, row.steps);
        QStringList screen, calculated;
        for (int b = 0; b < kBoxes; ++b) {
            screen << kBoxNames[b] + u'=' + s.find<QWidget>(kBoxNames[b])->property("text").toString();
            calculated << kBoxNames[b] + u'=' + fields.text(Box(b));
        }
        QCOMPARE(screen, calculated);
        QCOMPARE(s.platform.messages.size(), fields.toldAlreadyBetter);
        QCOMPARE(s.text("TxtCurrentMeterAccuracy"), fields.payback.currentAccuracy);
    }

    // The fluid boxes act as a pair: another fluid empties and opens the density and viscosity, water fills them
    // with its own figures and closes them again.
    void fluidPair()
    {
        VelocityScreen s;
        s.click("ChkOther");
        QVERIFY(!s.find<QCheckBox>("ChkWater")->isChecked() && s.find("TxtVisc")->isEnabled());
        QCOMPARE(s.texts({"TxtVisc", "TxtDensity"}), QStringLiteral(" "));
        s.click("ChkOther");
        QVERIFY(s.find<QCheckBox>("ChkWater")->isChecked() && !s.find("TxtDensity")->isEnabled());
        QCOMPARE(s.texts({"TxtVisc", "TxtDensity"}), QStringLiteral("1.0019 1000"));
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

    // Each choice rebuilds the accuracy frame: only the chosen type's box, the standard's labels with the water
    // meters. The choice belongs to the program: a screen opened again shows it selected, but its accuracy only once
    // the user chooses in this opening (also by clicking the type already selected).
    void meterTypeChoice()
    {
        VelocityScreen s;
        s.enter("100", "10");
        s.click("OptMeterType_3");
        QVERIFY(s.shown("Frame3") && s.shown("TxtAccurVeldrix") && s.shown("Label1") && s.shown("Label2"));
        s.click("OptMeterType_0");
        QVERIFY(s.shown("TxtAccurMagWW") && !s.shown("TxtAccurVeldrix") && !s.shown("Label1"));
        s.type("TxtMeterSize", "13");
        s.click("OptMeterType_2");
        QVERIFY(s.shown("Frame3") && s.shown("Label2") && !s.shown("TxtAccurBrevilReal") && !s.shown("TxtAccurMagWW"));
        s.type("TxtMeterSize", "100");
        QVERIFY(s.shown("TxtAccurBrevilReal"));
        QCOMPARE(VelocityScreen().app.velocity.meterType, MeterType::None);

        s.screen.reset();
        s.screen.reset(createScreen(Screen::Velocity, s.app));
        s.showActive();
        QVERIFY(s.find<QAbstractButton>("OptMeterType_2")->isChecked());
        QVERIFY(!s.shown("Frame3"));
        s.enter("100", "10");
        QVERIFY(!s.shown("Frame3"));
        QTest::mouseClick(s.find<QAbstractButton>("OptMeterType_2"), Qt::LeftButton);
        QVERIFY(s.shown("Frame3") && s.shown("TxtAccurBrevilReal"));
        QCOMPARE(s.text("TxtAccurBrevilReal"), QStringLiteral("± 0.15%"));
    }

    // Enter moves the focus along the inputs, changing no text; a corrected angle is written back; no accuracy frame
    // in this tool, whose meter-type captions keep their English names.
    void pressureLossTool()
    {
        VelocityScreen s(PressureLoss);
        const QStringList chain = {"TxtpipeSize", "TxtTaperAngle", "TxtMeterSize", "TxtFlow", "CmboFlowUnits"};
        s.find(chain[0])->setFocus();
        for (int i = 0; i + 1 < chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName() + s.text(chain[i]), chain[i + 1]);
        }
        s.type("TxtpipeSize", "100");
        s.type("TxtTaperAngle", "90");
        s.enter("50", "3.926804", 1); // 2 m/s in the 50 mm bore
        s.click("OptMeterType_1");
        QCOMPARE(s.texts({"TxtTaperAngle", "TxtPressMeter", "TxtPressMeterPsi", "OptMeterType_3"}),
                 QStringLiteral("60 71.9469 1.0435 Veldrix Battery"));
        QVERIFY(!s.shown("Frame3"));
    }

    // A screen deleted while its flow unit box holds a typed unit name: the box reports a choice as it loses the
    // focus, which must not reach a half-destroyed screen.
    void deletedWithTypedUnit()
    {
        VelocityScreen s;
        s.units()->setFocus();
        s.units()->lineEdit()->selectAll();
        QTest::keyClicks(s.units(), s.units()->itemText(1));
        s.steps.clear();
        s.screen.reset();
        QCOMPARE(s.steps, QStringList());
    }

    // An existing meter as good as the new one: the message, and its accuracy emptied and focused for a new figure.
    void paybackMessage()
    {
        VelocityScreen s(Payback);
        s.enter("100", "7.853608733");
        s.click("Chkmains_0");
        s.type("TxtCurrentMeterAccuracy", "0.25");
        QCOMPARE(s.platform.messages,
                 QStringList{"Existing meter accuracy apparently better than or equal to Veldrix"});
        QCOMPARE(s.text("TxtCurrentMeterAccuracy"), QString());
        QCOMPARE(QApplication::focusWidget(), s.find("TxtCurrentMeterAccuracy"));
    }
};

QTEST_MAIN(TestVelocityScreen)
#include "tst_velocity_screen.moc"
