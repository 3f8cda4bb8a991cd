// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A file of inputs worked out row by row: one row in, one row out.
//
// Columns are found by their header names, the long option names without
// dashes (flow, unit, size, price, current-accuracy, ...); an option given
// on the command line holds for every row instead. Every other column (a
// meter id, a site) passes through unchanged. The results are appended as
// columns named after them, then an `error` column: a row that cannot be
// worked out (an empty or unreadable value, a missing field) keeps its
// columns, gets empty results and its reason there, and is reported on
// standard error with its line; every other row is still worked out.
//
// Without a sort the rows stream through: memory stays the same whatever
// the file's length. Sorted by payback, only the output rows are held, in
// one growing store, then written shortest payback first; rows with equal
// paybacks keep their order, and rows without a payback go last in the
// order they came.

#include "core/cli/output.h"
#include "core/cli/tools.h"

class QIODevice;

namespace cli {

struct BatchSettings {
    const Subcommand *sub = nullptr;
    Format format = Format::Csv; // Csv or Json (one object per line)
    bool sortByPayback = false;
    QString inputName;           // for messages: the file's name, or "standard input"
    Values constants;            // values given as options, for every row
};

// The exit status of a batch run: 0, 1 when some rows failed, 2 when the
// file cannot be used at all (nothing is written to `out` then), 3 when the
// output cannot be written.
int runBatch(const BatchSettings &settings, const Context &context, QIODevice &in, QIODevice &out,
             QIODevice &err);

} // namespace cli
