// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Invariant checks for the fuzz targets: a broken invariant prints what broke
// and aborts, which libFuzzer reports as a crash with the input that caused it
// and which fails the corpus replay under ctest.

#include <QString>
#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void fuzzFail(const char *what, const char *file, int line, const QString &detail)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n  %s\n", file, line, what,
                 detail.toUtf8().constData());
    std::abort();
}

#define FUZZ_CHECK(cond, detail)                                                                   \
    do {                                                                                           \
        if (!(cond))                                                                               \
            fuzzFail(#cond, __FILE__, __LINE__, (detail));                                         \
    } while (0)

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size);
