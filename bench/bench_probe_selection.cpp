// Response to one user action on the probe screen and the selection guide:
// a keystroke in the pipe diameter (through the change handler to the four
// result boxes) and one option click (through the rule table to the seven
// ticks and name boxes). Both screens are shown, as in use.
#include "common/appstate.h"
#include "lang/langfile.h"
#include "probe/tessivofrm.h"
#include "selection/meterselectionfrm.h"

#include "fakeplatform.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <benchmark/benchmark.h>

namespace {

AppState &englishApp()
{
    static FakePlatform platform;
    static AppState app(platform);
    static const bool loaded =
        lang::readInto(lang::findFile(QDir(QStringLiteral(SUITE_LANG_DIR)), lang::kEnglishFile), app.texts)
        == lang::ReadStatus::Ok;
    (void)loaded;
    return app;
}

// Typing the last digit of "150", then deleting and typing it again: each
// iteration is one change of the box's text.
void BM_ProbeDiameterKeystroke(benchmark::State &state)
{
    TessivoFrm screen(englishApp());
    screen.show();
    auto *diameter = screen.findChild<QLineEdit *>(QStringLiteral("TxtpipeSize"));
    const QString texts[] = {QStringLiteral("15"), QStringLiteral("150")};
    int i = 0;
    for (auto _ : state) {
        diameter->setText(texts[i]);
        i ^= 1;
    }
    benchmark::DoNotOptimize(screen.findChild<QLineEdit *>(QStringLiteral("TxtMagFi"))->text());
}
BENCHMARK(BM_ProbeDiameterKeystroke);

// Clicking between liquid and steam, which changes five of the seven results.
void BM_SelectionOptionClick(benchmark::State &state)
{
    MeterSelectionFrm screen(englishApp());
    screen.show();
    QRadioButton *options[] = {screen.findChild<QRadioButton *>(QStringLiteral("OptFluid_2")),
                               screen.findChild<QRadioButton *>(QStringLiteral("OptFluid_0"))};
    int i = 0;
    for (auto _ : state) {
        options[i]->click();
        i ^= 1;
    }
}
BENCHMARK(BM_SelectionOptionClick);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
