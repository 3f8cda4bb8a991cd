// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The velocity tools without a screen: sequences of inputs, each running what its handler runs on the screen, and the
// texts the result boxes then show (the model's steps and the presenter's texts together).
#include "core/velocity/calculator.h"
#include "datarows.h"
#include "shippedtexts.h"

#include <QtTest>

using namespace velocity;

namespace {

// A velocity tool as a new screen starts it: water, the flow units' prompt, every result as the screen shows it.
struct Tool {
    SharedValues shared;
    TextFields fields{englishTexts()};
    Calculator calc{shared, englishTexts(), fields};
    InputTexts &in = fields.input;
    PaybackTexts &pay = fields.payback;

    explicit Tool(VelocityTool tool = VelocityTool::Velocity, bool metric = true)
    {
        in.tool = tool;
        in.metric = pay.metric = metric;
        in.unit = englishTexts().slot(Txt::FlowUnitsPrompt);
        in.density = QStringLiteral("1000");
        in.viscosity = QStringLiteral("1.0019");
    }
    // The flow unit at a list position (1 = first, 0 = the prompt), as a list choice.
    void chooseUnit(int position)
    {
        in.unit = flowUnitNames(englishTexts()).value(position - 1, englishTexts().slot(Txt::FlowUnitsPrompt));
        calc.flowChanged(false);
    }
    void typeFlow(const QString &flow)
    {
        in.flow = flow;
        calc.flowChanged(true);
    }
    void typeSize(const QString &size)
    {
        in.meterSize = size;
        calc.meterSizeChanged();
    }
    void chooseMeterType(MeterType type)
    {
        in.checkedMeterType = type;
        calc.chooseMeterType(type);
    }
    // Density/viscosity of another fluid ("water" for water).
    void chooseFluid(const QString &fluid)
    {
        const bool water = fluid == u"water";
        in.fluid = water ? Fluid::Water : Fluid::Other;
        in.density = water ? QStringLiteral("1000") : fluid.section(u'/', 0, 0);
        in.viscosity = water ? QStringLiteral("1.0019") : fluid.section(u'/', 1);
        calc.fullRecalculation();
    }
    // A payback input typed (or the supply chosen).
    void typePayback(QString PaybackTexts::*box, const QString &text)
    {
        pay.*box = text;
        calc.payback();
    }
    // Size, flow and unit as a user enters them.
    void enter(const QString &size, const QString &flow, int unit = 1)
    {
        chooseUnit(unit);
        typeSize(size);
        typeFlow(flow);
    }
    QString shown(std::initializer_list<Box> boxes, QChar separator = u'|') const
    {
        QStringList texts;
        for (Box b : boxes)
            texts << fields.text(b);
        return texts.join(separator);
    }
    QString five(Box first) const
    {
        return shown({nth(first, 0), nth(first, 1), nth(first, 2), nth(first, 3), nth(first, 4)}, u' ');
    }
};

// Inputs of one recalculation, the velocity, Reynolds number and regime shown then ("old": kept), and the Reynolds
// number held for the next run (5000 before).
struct RunRow { const char *name; bool metric; int unit; QString size, flow, fluid, shown; double reynolds; };
// A meter type and a run after one at 100 mm and 1.5 m3/h: the typed size and flow in m3/h, the accuracy shown.
struct AccuracyRow { const char *name; MeterType type; bool metric; QString size, flow, shown; };
// The pressure-loss tool: meter type, meter size, pipe, taper angle, fluid; the flow is 2 m/s in a 50 mm bore. The
// three losses and the angle shown.
struct LossRow { const char *name; MeterType type; QString size, pipe, angle, fluid, shown; };
// The meter-size tool: flows typed one after the other (the last may be a unit typed: "unit xyz"), then the sizes,
// their losses and the meter size left.
struct ChainRow { const char *name; bool metric; QString flows, sizes, losses, meterSize; };
// Price|water|sewage|accuracy typed in that order after the supply (-1 none), then usage|revenue loss|payback|caption
// and whether the user was told that the existing meter is as good.
struct PaybackRow { const char *name; bool metric; int supply; QString typed, shown; bool told; };

const MeterType kMains = MeterType::VeldrixMains, kBattery = MeterType::VeldrixBattery;

} // namespace

class TestVelocityCalculator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The velocity, the Reynolds number and its regime, each leaving only valid results.
    void recalculation_data()
    {
        static const RunRow rows[] = {
            {"10 l/s", true, 1, "100", "10", "water", "1.2733|127088|Turbulent", 127088.5387},
            {"36 m3/h, another fluid", true, 4, "100", "36", "1000/100", "1.2733|1273|Laminar", 1273.3},
            {"inches", false, 1, "4", "10", "water", "4.0469|125087|Turbulent", 125087.1444},
            {"no size", true, 2, "", "60", "water", "|0|", 0},
            {"no flow", true, 1, "100", "0", "water", "|0|", 0},
            {"the list's prompt as unit, no density", true, 0, "100", "10", "/100", "0.0000|0|", 5000},
            {"density beyond 32 bits", true, 5, "", "1", "1e39/1", "|old|old", 5000},
            {"negative flow, viscosity 0 in 32 bits", true, 1, "100", "-5", "1000/1e-50", "|old|old", 5000},
            {"negative size, imperial", false, 1, "-4", "10", "/100", "|0|", 5000},
            {"flow beyond 64 bits", true, 1, "100", "1e308", "water", "old|old|old", 5000},
            {"tiny bore", false, 1, "1e-200", "10", "water", "old|old|old", 5000}};
        addRows(rows);
    }
    void recalculation()
    {
        QFETCH(RunRow, row);
        Tool t(VelocityTool::Velocity, row.metric);
        for (Box b : {Box::Velocity, Box::Reynolds, Box::Regime})
            t.fields.write(b, QStringLiteral("old"));
        t.shared.reynoldsNumber = 5000;
        t.in.unit = row.unit ? flowUnitNames(englishTexts()).at(row.unit - 1) : t.in.unit;
        t.in.meterSize = row.size;
        t.in.flow = row.flow;
        t.chooseFluid(row.fluid);
        QCOMPARE(t.shown({Box::Velocity, Box::Reynolds, Box::Regime}), row.shown);
        QVERIFY(qAbs(t.shared.reynoldsNumber - row.reynolds) < 1e-3);
    }

    // The chosen type's accuracy through whole runs; a size without a limit row is not judged by the row an earlier
    // run held, and the imperial screen lowers the held row for its run only.
    void accuracy_data()
    {
        static const AccuracyRow rows[] = {
            {"best", kBattery, true, "15", "0.3", "±  .5%"},       {"transitional", kBattery, true, "15", "0.1", "±  2%"},
            {"minimum", kBattery, true, "15", "0.02", "±  5%"},    {"below Q1", kBattery, true, "15", "0.005", "<Q1"},
            {"no upper limit", kMains, true, "15", "1000", "±  .25%"},
            {"500 mm battery", kBattery, true, "500", "62", "±  5%"},
            {"no flow", kMains, true, "100", "0", "<Q1"},          {"no row for 30 mm", kMains, true, "30", "1", ""},
            {"no size", kMains, true, "", "1", ""},                {"negative size", kMains, true, "-100", "1", ""},
            {"beyond 16 bits", kMains, true, "40000", "1", ""},
            {"1 inch, limits lowered", kMains, false, "1", "0.185", "±  .25%"},
            {"25 mm, limits as listed", kMains, true, "25", "0.175", "±  2%"},
            {"Prandel", MeterType::Prandel, true, "100", "28.27299", "± 0.15%"},
            {"Prandel below 14 mm keeps", MeterType::Prandel, true, "13", "28.27299", "± 1.41%"},
            {"Brevil, slow", MeterType::Brevil, true, "100", "2.827299", "± 0.25%"}};
        addRows(rows);
    }
    void accuracy()
    {
        QFETCH(AccuracyRow, row);
        Tool t(VelocityTool::Velocity, true);
        t.chooseMeterType(row.type);
        t.enter("100", "1.5", 4);
        if (row.type != MeterType::Prandel && row.type != MeterType::Brevil)
            QCOMPARE(t.fields.text(accuracyBox(row.type)), QStringLiteral("±  2%"));
        t.in.metric = row.metric;
        t.typeSize(row.size);
        t.typeFlow(row.flow);
        QCOMPARE(t.fields.text(accuracyBox(row.type)), row.shown);
        if (!row.metric)
            QCOMPARE(t.shared.limits.qbM3PerHour, 0.18); // held as listed
    }

    // The loss across a meter between reducers (2 m/s in the meter's bore), in millibar, bar and psi: the meter's own
    // loss only with a reduced bore; a pipe of 0 is the meter's own bore, a negative one counts by its square; angles
    // the table does not cover are corrected and written back; no loss without a Reynolds number or figures.
    void pressureLoss_data()
    {
        static const LossRow rows[] = {
            {"Prandel", MeterType::Prandel, "50", "100", "15", "water", "2.8125 0.0028 0.0408|15"},
            {"no type chosen", MeterType::None, "50", "100", "15", "water", "2.8125 0.0028 0.0408|15"},
            {"Veldrix, own loss too", kMains, "50", "100", "15", "water", "61.2594 0.0613 0.8885|15"},
            {"no pipe size", kMains, "50", "", "15", "water", "58.4469 0.0584 0.8477|15"},
            {"negative pipe size", kMains, "50", "-100", "25", "water", "64.6344 0.0646 0.9374|25"},
            {"abrupt change", MeterType::Prandel, "50", "100", "180", "water", "19.2500 0.0193 0.2792|180"},
            {"150 degrees corrected", MeterType::Prandel, "50", "100", "150", "water", "19.2500 0.0193 0.2792|180"},
            {"90 degrees corrected", MeterType::Brevil, "50", "100", "90", "water", "71.9469 0.0719 1.0435|60"},
            {"a meter without figures", kMains, "800", "", "15", "water", "0.0000 0.0000 0.0000|15"},
            // The choice of type empties the millibar box.
            {"no density", kMains, "50", "100", "15", "/1", " old old|15"}};
        addRows(rows);
    }
    void pressureLoss()
    {
        QFETCH(LossRow, row);
        Tool t(VelocityTool::PressureLoss);
        for (Box b : {Box::LossMillibar, Box::LossBar, Box::LossPsi})
            t.fields.write(b, QStringLiteral("old"));
        t.in.pipeSize = row.pipe;
        t.in.taperAngle = row.angle;
        t.chooseFluid(row.fluid);
        t.chooseMeterType(row.type);
        const double size = row.size.toDouble();
        t.enter(row.size, QString::number(2 * size * size / 1273.3, 'g', 17));
        QCOMPARE(t.shown({Box::LossMillibar, Box::LossBar, Box::LossPsi}, u' ') + u'|' + t.in.taperAngle, row.shown);
    }

    // Each proposed size tried as the meter size, with the meter's own loss in bar. No flow empties both columns; a
    // flow that works out nothing (negative, or an unknown unit) leaves every size and the loss beside it.
    void sizeChain_data()
    {
        static const ChainRow rows[] = {
            {"inches", false, "10", "6 1.5 4 3 2.5", "0.0050 1.0017 0.0250 0.0626 0.1252", "2.5"},
            {"700 mm and more: no loss", true, "200", "700 150 500 350 300", "0.0000 1.9467 0.0195 0.0487 0.0973",
             "300"},
            {"no flow", true, "10 0", "    ", "    ", ""},
            {"negative flow", true, "10 -10", "150 40 100 80 65", "0.0050 1.0017 0.0250 0.0626 0.1252", "65"},
            {"unknown unit", true, "10 unit xyz", "150 40 100 80 65", "0.0050 1.0017 0.0250 0.0626 0.1252", "65"},
            {"large", true, "500", "1100 250 800 600 450", "0.0000 1.5075 0.0000 0.0302 0.1508", "450"},
            {"negative after large", true, "500 -10", "1100 250 800 600 450", "0.0000 1.5075 0.0000 0.0302 0.1508",
             "450"},
            {"tiny flow", false, "0.001", "1/8 1/8 1/8 1/8 1/8", "0.0000 0.0000 0.0000 0.0000 0.0000", "0.125"},
            {"huge flow, meters without figures", false, "3e38", "80 80 80 80 80", "0.0000 0.0000 0.0000 0.0000 0.0000",
             "80"}};
        addRows(rows);
    }
    void sizeChain()
    {
        QFETCH(ChainRow, row);
        Tool t(VelocityTool::MeterSize, row.metric);
        t.chooseUnit(1);
        for (const QString &flow : row.flows.split(u' ')) {
            if (flow == u"unit")
                continue;
            if (flow == u"xyz") {
                t.in.unit = flow;
                t.calc.flowChanged(true);
            } else {
                t.typeFlow(flow);
            }
        }
        QCOMPARE(t.five(Box::Size), row.sizes);
        QCOMPARE(t.five(Box::SizeLoss), row.losses);
        QCOMPARE(t.five(Box::FullBoreLoss), QStringLiteral("0.0000 0.0000 0.0000 0.0000 0.0000"));
        QCOMPARE(t.in.meterSize, row.meterSize);
    }

    // The payback examples and the rules around them, the existing meter's accuracy typed last; an existing meter as
    // good as the new one tells the user and empties its accuracy.
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
        Tool t(VelocityTool::Payback, row.metric);
        // 1 m/s through a 100 mm meter, or through 4 inches.
        t.enter(row.metric ? "100" : "4", row.metric ? "7.853608733" : "8.106934736");
        t.pay.supply = row.supply == 0 ? Supply::Mains : row.supply == 1 ? Supply::Battery : Supply::None;
        t.calc.payback();
        const QStringList typed = row.typed.split(u'|');
        QString PaybackTexts::*boxes[] = {&PaybackTexts::meterPrice, &PaybackTexts::waterCharge,
                                          &PaybackTexts::sewageCharge, &PaybackTexts::currentAccuracy};
        for (int i = 0; i < 4; ++i)
            t.typePayback(boxes[i], typed[i]);
        QCOMPARE(t.shown({Box::AnnualUsage, Box::RevenueLoss, Box::Payback, Box::PaybackCaption}), row.shown);
        QCOMPARE(t.fields.toldAlreadyBetter, row.told ? 1 : 0);
        QCOMPARE(t.pay.currentAccuracy.isEmpty(), row.told);
    }

    // A usage typed after a click in its box stays through charges and a unit choice, gives way to the computed one
    // when the flow is typed, and counts as none when it is not a number.
    void typedAnnualUsage()
    {
        Tool t(VelocityTool::Payback);
        t.enter("100", "7.853608733");
        t.pay.supply = Supply::Mains;
        for (auto [box, text] : {std::pair(&PaybackTexts::meterPrice, "1000"), {&PaybackTexts::waterCharge, "1"},
                                 {&PaybackTexts::sewageCharge, "0.5"}, {&PaybackTexts::currentAccuracy, "2"}})
            t.typePayback(box, text);
        t.calc.annualUsageClicked();
        t.typePayback(&PaybackTexts::annualUsage, "1000");
        QCOMPARE(t.fields.text(Box::RevenueLoss), QStringLiteral("26.25"));
        t.typePayback(&PaybackTexts::waterCharge, "2");
        t.typePayback(&PaybackTexts::meterPrice, "2000");
        t.chooseUnit(1);
        QCOMPARE(t.shown({Box::AnnualUsage, Box::RevenueLoss}), QStringLiteral("1000|43.75"));
        t.typePayback(&PaybackTexts::annualUsage, "abc");
        QCOMPARE(t.shown({Box::AnnualUsage, Box::RevenueLoss, Box::Payback}), QStringLiteral("abc|0.00|0"));
        t.typeFlow("7.853608733 ");
        QCOMPARE(t.fields.text(Box::AnnualUsage), QStringLiteral("247671.4"));
        QCOMPARE(t.fields.toldAlreadyBetter, 0);
    }
};

QTEST_GUILESS_MAIN(TestVelocityCalculator)
#include "tst_velocity_calculator.moc"
