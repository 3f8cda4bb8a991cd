// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of reading and applying a whole language file, and of the display
// mask formatter that every result passes through.
#include "ui/common/appstate.h"
#include "core/common/numbers.h"
#include "fakeplatform.h"
#include "core/lang/langfile.h"
#include "ui/lang/loader.h"
#include "benchmain.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {
QByteArray shipped(const char *name)
{
    QFile f(QStringLiteral(SUITE_LANG_DIR "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void BM_DecodeLanguageFile(benchmark::State &state, const char *file)
{
    const QByteArray bytes = shipped(file);
    TextTable table;
    for (auto _ : state) {
        const QStringList fields = lang::decodeFields(bytes);
        for (int i = 0; i < fields.size(); ++i)
            table.setSlot(i + 1, fields[i]);
        benchmark::DoNotOptimize(table.slot(160));
    }
}
BENCHMARK_CAPTURE(BM_DecodeLanguageFile, english, "English.txt");
BENCHMARK_CAPTURE(BM_DecodeLanguageFile, hungarian, "Hungary.txt");

// The whole load as the tool menu runs it: open langutil.txt from disk, read,
// decode, fill the table and store the constants.
void BM_LoadLanguageTexts(benchmark::State &state)
{
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(SUITE_LANG_DIR "/German.txt"), dir.filePath("langutil.txt"));
    FakePlatform platform;
    AppState app(platform);
    app.languageDir = QDir(dir.path());
    for (auto _ : state) {
        auto outcome = lang::loadLanguageTexts(app, nullptr);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_LoadLanguageTexts);

void BM_Mask(benchmark::State &state)
{
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    double v = 1234.56789;
    for (auto _ : state) {
        QString text = num::mask(v, u"##,##0.####", locale);
        benchmark::DoNotOptimize(text);
        v += 0.001;
    }
}
BENCHMARK(BM_Mask);

void BM_General(benchmark::State &state)
{
    double v = -273.15;
    for (auto _ : state) {
        QString text = num::general15(v);
        benchmark::DoNotOptimize(text);
        v += 0.37;
    }
}
BENCHMARK(BM_General);
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
