// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The calculators as command-line subcommands: what each one takes (named as
// the screen asks for it), how each value is read and checked, and how its
// results are worked out and named. The same inputs come from options on
// the command line or from the columns of a file (batch.h).

#include "core/cli/result.h"
#include "core/cli/units.h"
#include "core/lang/texttable.h"
#include "core/velocity/flowvelocity.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <span>
#include <vector>

namespace cli {

// What a value must be.
enum class ValueKind {
    Positive,      // a number above 0
    NonNegative,   // a number, 0 or above
    Number,        // any number
    MeterSize,     // above 0; with --imperial also a fraction the screen knows (1/8 ... 3/4)
    FlowUnit,      // a flow unit of the velocity tools
    ConverterUnit, // a unit of the converter
    ProbeFlowUnit, // a flow unit of the probe
    Choice,        // one of the input's choices
};

struct Input {
    const char *name;      // the option (--name) and the column of a file
    const char *valueName; // how help writes the value
    const char *help;
    ValueKind kind;
    std::span<const char *const> choices = {};
    bool positional = false; // convert's VALUE FROM TO
};

enum class Command { Velocity, PressureLoss, Size, Payback, Convert, Probe, Select };

struct Subcommand {
    Command command;
    const char *name;
    const char *summary;   // one line, for the tool's help
    std::span<const Input> inputs;
    bool imperial;         // takes --imperial
    bool precise;          // takes --precise
    bool sortable;         // takes --sort payback
    QStringList resultKeys; // the fields of its results, in order
};

std::span<const Subcommand> commands();
const Subcommand *commandNamed(QStringView name);
// The index of an input by name; -1 for none.
int inputIndex(const Subcommand &sub, QStringView name);

// A value as read.
struct Value {
    bool given = false;
    QString text;   // as typed, trimmed; a meter size's fraction as its decimal
    double number = 0;
    int choice = -1;
    const velocity::FlowUnit *flowUnit = nullptr;
    std::optional<ConverterUnit> converterUnit;
};
using Values = std::vector<Value>;

struct Context {
    const TextTable &texts;
    bool metric = true;
    bool precise = false;
    // Whether the table's captions are wanted (a file's rows need none).
    bool captions = true;
};

// Reads one value; false with the reason ("not a number: 'abc'") otherwise.
bool readValue(const Input &input, QStringView text, const Context &context, Value &out, QString *reason);

// The first input the command lacks among those given (`given` by input
// index), or a pair it takes only together; empty when none is lacking.
// Inputs are named as options (--flow) or as columns (flow).
QString lacking(const Subcommand &sub, const std::vector<bool> &given, bool asOptions);

// The results for a full set of values; false with the reason otherwise.
bool compute(const Subcommand &sub, const Values &values, const Context &context, Result &result,
             QString *reason);

} // namespace cli
