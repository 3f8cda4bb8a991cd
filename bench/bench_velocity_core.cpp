// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The velocity tools' calculations without widgets, through the calculator on
// plain texts: one flow keystroke in the velocity tool (water, Veldrix Mains),
// and one in the meter-size tool (the five sizes, each with its pressure loss).
#include "core/velocity/calculator.h"
#include "shippedtexts.h"
#include "benchmain.h"

#include <QCoreApplication>

namespace {

using namespace velocity;

void typeFlow(benchmark::State &state, VelocityTool tool)
{
    SharedValues shared;
    TextFields fields(englishTexts());
    Calculator calc(shared, englishTexts(), fields);
    fields.input.tool = tool;
    fields.input.density = QStringLiteral("1000");
    fields.input.viscosity = QStringLiteral("1.0019");
    fields.input.unit = flowUnitNames(englishTexts()).at(tool == VelocityTool::MeterSize ? 0 : 3);
    fields.input.meterSize = QStringLiteral("100");
    fields.input.checkedMeterType = MeterType::VeldrixMains;
    calc.chooseMeterType(MeterType::VeldrixMains);
    // Typing the last digit of "365" and taking it back: each iteration is
    // one change of the flow.
    const QString texts[] = {QStringLiteral("36"), QStringLiteral("365")};
    int i = 0;
    for (auto _ : state) {
        fields.input.flow = texts[i];
        calc.flowChanged(true);
        i ^= 1;
    }
    const Box last = tool == VelocityTool::MeterSize ? nth(Box::SizeLoss, kProposals - 1) : Box::VeldrixAccuracy;
    if (fields.text(last).isEmpty())
        state.SkipWithError("the last field of the cascade stayed empty");
}

void BM_FlowKeystrokeVelocityTool(benchmark::State &state) { typeFlow(state, VelocityTool::Velocity); }
BENCHMARK(BM_FlowKeystrokeVelocityTool);

void BM_FlowKeystrokeMeterSizeTool(benchmark::State &state) { typeFlow(state, VelocityTool::MeterSize); }
BENCHMARK(BM_FlowKeystrokeMeterSizeTool);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}
