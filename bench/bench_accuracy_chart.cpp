// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One keystroke's update of the accuracy chart, for a 100 mm Veldrix Mains
// meter with the flow typed in cubic metres per hour: the chart's data alone,
// the data and its painting into an 800 x 500 image (at pixel ratio 1 and 2),
// and the whole keystroke on the velocity screen with the chart window
// following it (the screen's cascade, the chart's gathered update and the
// window painted into an image). Each iteration types the other of two flows, so every update
// works out a new chart.
#include "core/velocity/accuracychart.h"
#include "ui/common/events.h"
#include "ui/velocity/accuracychartfrm.h"
#include "ui/velocity/accuracychartpainter.h"
#include "screenfixture.h"
#include "benchmain.h"

#include <QImage>
#include <QPainter>

namespace {

using namespace velocity;

InputTexts veldrixMains100()
{
    InputTexts in;
    in.meterSize = QStringLiteral("100");
    in.unit = flowUnitNames(englishTexts()).at(3); // cubic metres per hour
    return in;
}
const QString kFlows[] = {QStringLiteral("20"), QStringLiteral("2")};

void BM_ChartData(benchmark::State &state)
{
    InputTexts in = veldrixMains100();
    int i = 0;
    for (auto _ : state) {
        in.flow = kFlows[i ^= 1];
        ChartData data = accuracyChart(in, MeterType::VeldrixMains, englishTexts());
        benchmark::DoNotOptimize(data);
    }
}
BENCHMARK(BM_ChartData)->Unit(benchmark::kMicrosecond);

void chartDataAndPaint(benchmark::State &state, qreal ratio)
{
    InputTexts in = veldrixMains100();
    QImage image(QSize(800, 500) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    int i = 0;
    for (auto _ : state) {
        in.flow = kFlows[i ^= 1];
        const ChartData data = accuracyChart(in, MeterType::VeldrixMains, englishTexts());
        QPainter painter(&image);
        paintAccuracyChart(painter, QRectF(0, 0, 800, 500), data);
    }
}
void BM_ChartDataAndPaint(benchmark::State &state) { chartDataAndPaint(state, 1); }
BENCHMARK(BM_ChartDataAndPaint)->Unit(benchmark::kMicrosecond);
void BM_ChartDataAndPaintRatio2(benchmark::State &state) { chartDataAndPaint(state, 2); }
BENCHMARK(BM_ChartDataAndPaintRatio2)->Unit(benchmark::kMicrosecond);

// The keystroke in the flow box, the event loop's turn in which the chart
// works itself out, and the chart window painted into an image.
void BM_FlowKeystrokeWithChartWindow(benchmark::State &state)
{
    SuiteFixture suite;
    if (!suite.main.start()) {
        state.SkipWithError("the suite did not start");
        return;
    }
    control<QPushButton>(&suite.main, QStringLiteral("CmdMenuVel"))->click();
    QWidget *screen = suite.main.screens().find(Screen::Velocity);
    ev::choose(control<QComboBox>(screen, QStringLiteral("CmboFlowUnits")), 3);
    control<QLineEdit>(screen, QStringLiteral("TxtMeterSize"))->setText(QStringLiteral("100"));
    control<QAbstractButton>(screen, QStringLiteral("OptMeterType_1"))->click();
    AccuracyChartFrm *chart = suite.main.openAccuracyChart();
    // Out of sight, so the event loop repaints nothing of its own: the one
    // painting measured is the chart's, into the image.
    suite.main.hide();
    chart->resize(800, 500);
    QImage image(chart->size(), QImage::Format_ARGB32_Premultiplied);
    QLineEdit *flow = control<QLineEdit>(screen, QStringLiteral("TxtFlow"));
    int i = 0;
    for (auto _ : state) {
        flow->setText(kFlows[i ^= 1]);
        QCoreApplication::processEvents();
        chart->render(&image);
    }
    if (chart->data().currentAccuracyText.isEmpty())
        state.SkipWithError("the chart did not follow the screen");
}
BENCHMARK(BM_FlowKeystrokeWithChartWindow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}
