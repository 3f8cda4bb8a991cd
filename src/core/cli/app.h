// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// gauntry-calc: the calculators on the command line, without a display.
//
//   gauntry-calc COMMAND [options]
//
// prints the results the screen shows for the same inputs, for one set of
// options or for every row of a CSV file (--input). Exit status: 0 done; 1
// some rows of a file could not be worked out; 2 a bad option or value (one
// line on standard error names it, nothing is written to standard output);
// 3 the program cannot run (no language file, the output cannot be written).

#include <QString>
#include <QStringList>

class QIODevice;
class TextTable;

namespace cli {

struct Environment {
    QString languageDir; // GAUNTRY_LANG_DIR: the language folder to use, when set
    QString programDir;  // the folder the program was started from
    QString sourceLanguageDir; // the source tree's data/lang, for a program run from its build
    QString version;
};

// The English language file: in the folder GAUNTRY_LANG_DIR names when it is
// set; otherwise in share/gauntry/lang beside the program's bin folder (where
// it is installed), then in the source tree the program was built from.
// Empty, with the reason, when there is none.
QString englishFile(const Environment &env, QString *reason);

// Runs one command line (arguments[0] is the program). `in` is read for
// --input -.
int run(const QStringList &arguments, const Environment &env, QIODevice &in, QIODevice &out, QIODevice &err);

// The arguments with every positional argument after "--", so that a
// negative number ("convert -40 C F") is not taken for an option; an
// option's value stays with it. `takesValue` says which options take one.
QStringList positionalsLast(const QStringList &arguments, const QStringList &takesValue);

} // namespace cli
