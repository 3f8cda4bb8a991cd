// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// gauntry-calc: the calculators on the command line. Everything it does is in
// the core (src/core/cli); this only hands it the command line, the standard
// streams and where the program runs from.
#include "core/cli/app.h"

#include <QCoreApplication>
#include <QFile>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QFile in, out, err;
    if (!in.open(stdin, QIODevice::ReadOnly) || !out.open(stdout, QIODevice::WriteOnly)
        || !err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 3;
    cli::Environment env;
    env.languageDir = qEnvironmentVariable("GAUNTRY_LANG_DIR");
    env.programDir = QCoreApplication::applicationDirPath();
    env.sourceLanguageDir = QStringLiteral(GAUNTRY_SOURCE_LANG_DIR);
    env.version = QStringLiteral(GAUNTRY_VERSION);
    return cli::run(QCoreApplication::arguments(), env, in, out, err);
}
