// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every benchmark program's main() does once its Qt application object exists: run the benchmarks it
// registered, with numbers read and shown in US English as the figures in the docs were measured.

#include <QLocale>
#include <benchmark/benchmark.h>

inline int runBenchmarks(int argc, char **argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
