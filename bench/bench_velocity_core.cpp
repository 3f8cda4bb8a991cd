// The velocity screen's calculation core without its widgets: one full
// recalculation for a typed flow and bore (water, Veldrix Mains), and one
// round of meter sizing with the pressure loss at each of the five sizes.
#include "core/velocity/accuracymodel.h"
#include "core/velocity/flowvelocity.h"
#include "core/velocity/fluid.h"
#include "core/velocity/metersizing.h"
#include "core/velocity/pressureloss.h"

#include "screenfixture.h"
#include "benchmain.h"

#include <QCoreApplication>

namespace {

AppState &englishApp()
{
    static TestApp english;
    return english.app;
}

// The steps of a full recalculation, as the screen runs them; returns the
// run for a pressure loss after it.
velocity::Recalculation recalculate(AppState &app, const QString &flow, const QString &unit, const QString &size)
{
    velocity::SharedValues &shared = app.velocity;
    QString bore = size;
    if (auto rewritten = sizing::imperialFractionRewrite(bore, app.metric))
        bore = *rewritten;
    velocity::Recalculation run = sizing::computePipeVelocity(flow, unit, bore, app.metric, app.texts, shared);
    benchmark::DoNotOptimize(accuracy::accuracyModel(bore, run, shared));
    benchmark::DoNotOptimize(sizing::showPipeVelocity(run, shared));
    accuracy::storeNominalMeterSize(run, shared);
    benchmark::DoNotOptimize(sizing::fluidPropertiesAndReynolds(true, false, u"1000", u"1.0019", bore, app.texts,
                                                                run, shared));
    return run;
}

void BM_FullRecalculation(benchmark::State &state)
{
    AppState &app = englishApp();
    app.velocity.meterType = velocity::MeterType::VeldrixMains;
    const QString unit = sizing::flowUnitNames(app.texts).at(3); // cubic metres per hour
    for (auto _ : state)
        recalculate(app, QStringLiteral("36"), unit, QStringLiteral("100"));
}
BENCHMARK(BM_FullRecalculation);

void BM_SizeMetersWithLosses(benchmark::State &state)
{
    AppState &app = englishApp();
    app.velocity.meterType = velocity::MeterType::VeldrixMains;
    const QString flow = QStringLiteral("10");
    const QString unit = sizing::flowUnitNames(app.texts).at(0);
    for (auto _ : state) {
        sizing::flowToLitresPerSecond(flow, unit, app.texts, app.velocity);
        const auto sizes = sizing::sizeMeters(flow, app.metric, app.velocity);
        for (const QString &size : {sizes->maxSize, sizes->minSize, sizes->size1ms, sizes->size2ms, sizes->size3ms}) {
            const velocity::Recalculation run = recalculate(app, flow, unit, size);
            const sizing::TaperAngle taper = sizing::correctTaperAngle(u"");
            benchmark::DoNotOptimize(
                sizing::pressureLoss(taper.degrees, size, u"", 0, true, run, app.velocity));
            benchmark::DoNotOptimize(accuracy::totalPressureLossText(app.velocity));
        }
    }
}
BENCHMARK(BM_SizeMetersWithLosses);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}
