// One flow keystroke on the velocity screen, through the real widgets: in the
// velocity tool with a meter type chosen (the whole cascade to the last field
// written), and in the meter size tool (the size chain with its five
// recalculations and pressure losses).
#include "common/events.h"
#include "common/widgets.h"
#include "screenfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <benchmark/benchmark.h>

namespace {

void typeFlow(benchmark::State &state, bool meterSizeTool)
{
    ScreenFixture s(Screen::Velocity, QStringLiteral("English.txt"), true, meterSizeTool ? 2 : 0);
    s.screen->show();
    ev::choose(s.find<QComboBox>("CmboFlowUnits"), 0);
    if (!meterSizeTool) {
        s.type("TxtMeterSize", "100");
        s.find<QRadioButton>("OptMeterType_1")->click();
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
    benchmark::DoNotOptimize(s.text(meterSizeTool ? "Text5" : "TxtAccurVeldrix"));
}

void BM_FlowKeystrokeVelocityTool(benchmark::State &state) { typeFlow(state, false); }
BENCHMARK(BM_FlowKeystrokeVelocityTool);

void BM_FlowKeystrokeMeterSizeTool(benchmark::State &state) { typeFlow(state, true); }
BENCHMARK(BM_FlowKeystrokeMeterSizeTool);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
