// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Exporting a data sheet: the velocity tool filled in (its rows and its
// accuracy chart, the largest sheet) written to a PDF file, as File > Export
// data sheet does once the user has named the file.
#include "ui/common/datasheet.h"
#include "ui/common/events.h"
#include "screenfixture.h"
#include "benchmain.h"

#include <QApplication>
#include <QTemporaryDir>

namespace {

void BM_ExportVelocitySheet(benchmark::State &state)
{
    ScreenFixture s(Screen::Velocity);
    ev::choose(s.find<QComboBox>("CmboFlowUnits"), 3);
    s.type("TxtMeterSize", "100");
    s.type("TxtFlow", "20");
    s.click("OptMeterType_1");
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    const SheetHeading heading{QStringLiteral("Gauntry 3.051"), s.platform.now(), QStringLiteral("English"),
                               QStringLiteral("Units"), QStringLiteral("Metric")};
    QString error;
    for (auto _ : state) {
        if (!writeDataSheet(dynamic_cast<DataSheetSource *>(s.screen.get())->dataSheet(), heading, path, &error))
            state.SkipWithError(qPrintable(error));
    }
}
BENCHMARK(BM_ExportVelocitySheet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}
