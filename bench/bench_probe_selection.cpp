// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Response to one user action on the probe screen and the selection guide:
// a keystroke in the pipe diameter (through the change handler to the four
// result boxes) and one option click (through the rule table to the seven
// ticks and name boxes). Both screens are shown, as in use.
#include "ui/probe/tessivofrm.h"
#include "ui/selection/meterselectionfrm.h"

#include "screenfixture.h"
#include "benchmain.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

namespace {

AppState &englishApp()
{
    static TestApp english;
    return english.app;
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
    return runBenchmarks(argc, argv);
}
