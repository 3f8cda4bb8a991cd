// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One flow keystroke on the velocity screen, through the real widgets: in the
// velocity tool with a meter type chosen (the whole cascade to the last field
// written), in the meter size tool (the size chain with its five
// recalculations and pressure losses), and in the payback tool with every
// payback input filled (the recalculation, then the annual usage, revenue
// loss and payback written).
#include "ui/common/events.h"
#include "ui/common/widgets.h"
#include "screenfixture.h"
#include "benchmain.h"

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>

namespace {

using velocity::VelocityTool;
using enum velocity::VelocityTool;

void typeFlow(benchmark::State &state, VelocityTool tool)
{
    ScreenFixture s(Screen::Velocity, QStringLiteral("English.txt"), true, tool);
    s.screen->show();
    ev::choose(s.find<QComboBox>("CmboFlowUnits"), 0);
    if (tool == Velocity) {
        s.type("TxtMeterSize", "100");
        s.find<QRadioButton>("OptMeterType_1")->click();
    } else if (tool == Payback) {
        s.type("TxtMeterSize", "100");
        s.click("Chkmains_0");
        for (const auto &[box, text] : {std::pair("TxtMeterPrice", "1000"), std::pair("TxtWaterValue", "1"),
                                        std::pair("TxtSewageCharge", "0.5"), std::pair("TxtCurrentMeterAccuracy", "2")})
            s.type(box, text);
    }
    // Typing the last digit of "105" and taking it back: each iteration is
    // one change of the flow box.
    QLineEdit *flow = s.find("TxtFlow");
    const QString texts[] = {QStringLiteral("10"), QStringLiteral("105")};
    int i = 0;
    for (auto _ : state) {
        flow->setText(texts[i]);
        i ^= 1;
    }
    const char *last = tool == MeterSize ? "Text5" : tool == Payback ? "TxtPayBack" : "TxtAccurVeldrix";
    if (s.text(last).isEmpty())
        state.SkipWithError("the last field of the cascade stayed empty");
}

void BM_FlowKeystrokeVelocityTool(benchmark::State &state) { typeFlow(state, Velocity); }
BENCHMARK(BM_FlowKeystrokeVelocityTool);

void BM_FlowKeystrokeMeterSizeTool(benchmark::State &state) { typeFlow(state, MeterSize); }
BENCHMARK(BM_FlowKeystrokeMeterSizeTool);

void BM_FlowKeystrokePaybackTool(benchmark::State &state) { typeFlow(state, Payback); }
BENCHMARK(BM_FlowKeystrokePaybackTool);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}
