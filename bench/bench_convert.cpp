// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One keystroke in each of the converter's input boxes: the text change runs
// the frame highlight and the conversion and writes the output box.
#include "ui/common/events.h"
#include "ui/convert/convertfrm.h"
#include "screenfixture.h"
#include "benchmain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

namespace {

struct Case {
    const char *stem;
    int in, out; // list positions, 1 = first
};
// Units that make each conversion do its full work (viscosity between the
// classes, kelvin to Fahrenheit with its text round trip).
constexpr Case kCases[] = {{"Length", 7, 2}, {"Area", 4, 1},  {"Flow", 11, 1},
                           {"Volume", 1, 5}, {"Velocity", 4, 1}, {"Visc", 1, 8},
                           {"Density", 2, 1}, {"Temp", 3, 2},    {"Press", 1, 7}};

void keystroke(benchmark::State &state, ConvertFrm *screen, QString stem)
{
    auto *input = screen->findChild<QLineEdit *>("Txt" + stem + "IP");
    auto *output = screen->findChild<QLineEdit *>("Txt" + stem + "OP");
    // Two texts in turn, so every setText is a change.
    const QString texts[2] = {QStringLiteral("312.5"), QStringLiteral("312.75")};
    int i = 0;
    for (auto _ : state) {
        input->setText(texts[i]);
        i ^= 1;
        benchmark::DoNotOptimize(output->text().size());
    }
    if (output->text().isEmpty())
        state.SkipWithError("no output");
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    // The converter asks nothing here: the S.G. box holds a value.
    TestApp english;
    ConvertFrm screen(english.app);
    screen.show();
    screen.findChild<QLineEdit *>("TxtViscSG")->setText(QStringLiteral("0.8"));
    for (const Case &c : kCases) {
        const QString stem = QLatin1StringView(c.stem);
        ev::choose(screen.findChild<QComboBox *>("Cmb" + stem + "IP"), c.in - 1);
        ev::choose(screen.findChild<QComboBox *>("Cmb" + stem + "OP"), c.out - 1);
        benchmark::RegisterBenchmark(("keystroke/" + stem).toLatin1().constData(), keystroke, &screen, stem);
    }

    return runBenchmarks(argc, argv);
}
