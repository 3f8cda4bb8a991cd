// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/cli/app.h"

#include "core/cli/batch.h"
#include "core/cli/output.h"
#include "core/cli/tools.h"
#include "core/common/numbers.h"
#include "core/lang/langfile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QLocale>

namespace cli {
namespace {

const QString kProgram = QStringLiteral("gauntry-calc");

// One line on standard error; the exit status of a bad option or value.
int refuse(QIODevice &err, const QString &line, int status = 2)
{
    err.write((kProgram + QStringLiteral(": ") + line + u'\n').toUtf8());
    return status;
}

void write(QIODevice &out, const QString &text) { out.write(text.toUtf8()); }

QString overview()
{
    QString text = QStringLiteral(
        "Usage: gauntry-calc COMMAND [options]\n"
        "The flowmeter calculators of Gauntry without a screen: each command prints the results its screen shows\n"
        "for the same inputs, for one set of options or for every row of a CSV file.\n\nCommands:\n");
    for (const Subcommand &c : commands())
        text += QStringLiteral("  %1%2\n").arg(QLatin1StringView(c.name), -15).arg(QLatin1StringView(c.summary));
    text += QStringLiteral(
        "\nOptions of every command:\n"
        "  --json          One JSON object per result, on one line.\n"
        "  --csv           CSV: a header line, then the results.\n"
        "  --input FILE    Works out every row of a CSV file (- reads standard input); columns are named after\n"
        "                  the options, other columns pass through, results are appended.\n"
        "  -h, --help      The command's options.\n"
        "  --version       The version.\n\n"
        "Exit status: 0 done; 1 some rows of a file could not be worked out; 2 a bad option or value;\n"
        "3 the program cannot run (no language file, the output cannot be written).\n"
        "The language file is English.txt, found in $GAUNTRY_LANG_DIR when set, else in share/gauntry/lang\n"
        "beside the program's bin folder. gauntry-calc COMMAND --help lists a command's options.\n");
    return text;
}

struct Parsed {
    bool help = false;
    bool json = false;
    bool csv = false;
    bool imperial = false;
    bool precise = false;
    QString input;
    bool sort = false;
    QStringList positional;
    // Each input's text as given (null when not given), then its value.
    QStringList raw;
    Values values;
    std::vector<bool> given;
};

void addOptions(QCommandLineParser &parser, const Subcommand &sub)
{
    parser.setApplicationDescription(QLatin1StringView(sub.summary));
    for (const Input &in : sub.inputs) {
        if (in.positional)
            parser.addPositionalArgument(QLatin1StringView(in.name), QLatin1StringView(in.help),
                                         QLatin1StringView(in.valueName));
        else
            parser.addOption({QLatin1StringView(in.name), QLatin1StringView(in.help), QLatin1StringView(in.valueName)});
    }
    if (sub.imperial)
        parser.addOption({QStringLiteral("imperial"), QStringLiteral("Imperial units, as the screen in imperial mode.")});
    if (sub.precise)
        parser.addOption({QStringLiteral("precise"),
                          QStringLiteral("The calculation's numbers at full precision instead of the screen's texts.")});
    parser.addOption({QStringLiteral("json"), QStringLiteral("One JSON object per result, on one line.")});
    parser.addOption({QStringLiteral("csv"), QStringLiteral("CSV: a header line, then the results.")});
    parser.addOption({QStringLiteral("input"),
                      QStringLiteral("Works out every row of a CSV file (- reads standard input): columns named after "
                                     "the options, other columns pass through, results appended; CSV out unless "
                                     "--json."),
                      QStringLiteral("file")});
    if (sub.sortable)
        parser.addOption({QStringLiteral("sort"),
                          QStringLiteral("With --input: the rows by payback, shortest first (days and years alike by "
                                         "the time they stand for); rows without one last."),
                          QStringLiteral("payback")});
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help.")});
}

QString helpOf(const QCommandLineParser &parser, const Subcommand &sub)
{
    QString text = parser.helpText();
    QString usage = QStringLiteral("Usage: gauntry-calc %1 [options]").arg(QLatin1StringView(sub.name));
    for (const Input &in : sub.inputs) {
        if (in.positional)
            usage += u' ' + QLatin1StringView(in.valueName);
    }
    text.replace(0, text.indexOf(u'\n'), usage);
    text += QStringLiteral("\nResults (the keys of --json and --csv): ") + sub.resultKeys.join(QStringLiteral(", "))
            + u'\n';
    return text;
}

QStringList valueOptions(const Subcommand &sub)
{
    QStringList takesValue = {QStringLiteral("input"), QStringLiteral("sort")};
    for (const Input &in : sub.inputs)
        takesValue << QLatin1StringView(in.name);
    return takesValue;
}

// Parses the options of a command; the exit status when they are refused.
std::optional<int> parse(const Subcommand &sub, const QStringList &arguments, Parsed &p, QIODevice &err)
{
    QCommandLineParser parser;
    addOptions(parser, sub);
    const QString name = QLatin1StringView(sub.name);
    if (!parser.parse(positionalsLast(arguments, valueOptions(sub))))
        return refuse(err, name + QStringLiteral(": ") + parser.errorText() + QStringLiteral(" (gauntry-calc ") + name
                               + QStringLiteral(" --help lists the options)"));
    if (parser.isSet(QStringLiteral("help"))) {
        p.help = true;
        p.raw = QStringList{helpOf(parser, sub)};
        return std::nullopt;
    }
    const QStringList found = parser.optionNames();
    for (const QString &option : found) {
        if (found.count(option) > 1)
            return refuse(err, name + QStringLiteral(": --") + option + QStringLiteral(" is given more than once"));
    }
    p.json = parser.isSet(QStringLiteral("json"));
    p.csv = parser.isSet(QStringLiteral("csv"));
    p.imperial = sub.imperial && parser.isSet(QStringLiteral("imperial"));
    p.precise = sub.precise && parser.isSet(QStringLiteral("precise"));
    p.input = parser.value(QStringLiteral("input"));
    if (p.json && p.csv)
        return refuse(err, name + QStringLiteral(": --json and --csv: choose one"));
    if (sub.sortable && parser.isSet(QStringLiteral("sort"))) {
        const QString key = parser.value(QStringLiteral("sort"));
        if (key != u"payback")
            return refuse(err, name + QStringLiteral(": --sort: unknown key '") + key + QStringLiteral("' (payback)"));
        if (!parser.isSet(QStringLiteral("input")))
            return refuse(err, name + QStringLiteral(": --sort ranks the rows of --input"));
        p.sort = true;
    }
    if (parser.isSet(QStringLiteral("input")) && p.input.isEmpty())
        return refuse(err, name + QStringLiteral(": --input: no file named"));

    p.positional = parser.positionalArguments();
    int expected = 0;
    for (const Input &in : sub.inputs)
        expected += in.positional ? 1 : 0;
    const bool batch = !p.input.isEmpty();
    if (batch && !p.positional.isEmpty())
        return refuse(err, name + QStringLiteral(": with --input the values come from the file; unexpected argument '")
                               + p.positional.first() + u'\'');
    if (!batch && p.positional.size() > expected)
        return refuse(err, name + QStringLiteral(": unexpected argument '") + p.positional.value(expected) + u'\'');
    qsizetype next = 0;
    for (const Input &in : sub.inputs) {
        const QString option = QLatin1StringView(in.name);
        if (in.positional)
            p.raw << (next < p.positional.size() ? p.positional[next++] : QString());
        else
            p.raw << (parser.isSet(option) ? parser.value(option) : QString());
    }
    return std::nullopt;
}

// Reads the given values; the exit status when one is refused.
std::optional<int> readValues(const Subcommand &sub, const Context &context, Parsed &p, QIODevice &err)
{
    p.values.assign(sub.inputs.size(), Value{});
    p.given.assign(sub.inputs.size(), false);
    for (size_t i = 0; i < sub.inputs.size(); ++i) {
        const Input &in = sub.inputs[i];
        if (p.raw[qsizetype(i)].isNull())
            continue;
        QString why;
        if (!readValue(in, p.raw[qsizetype(i)], context, p.values[i], &why))
            return refuse(err, QLatin1StringView(sub.name) + QStringLiteral(": ")
                                   + (in.positional ? QString() : QStringLiteral("--")) + QLatin1StringView(in.name)
                                   + QStringLiteral(": ") + why);
        p.given[i] = true;
    }
    return std::nullopt;
}

int single(const Subcommand &sub, const Parsed &p, const Context &context, QIODevice &out, QIODevice &err)
{
    const QString name = QLatin1StringView(sub.name);
    if (const QString lack = lacking(sub, p.given, true); !lack.isEmpty())
        return refuse(err, name + QStringLiteral(": ") + lack);
    Result result;
    QString reason;
    if (!compute(sub, p.values, context, result, &reason))
        return refuse(err, name + QStringLiteral(": ") + reason);
    Sink sink(out);
    Bytes &text = sink.buffer();
    if (p.json) {
        text += '{';
        appendJsonResult(text, &result, sub.resultKeys, false);
        text += "}\n";
    } else if (p.csv) {
        for (qsizetype i = 0; i < sub.resultKeys.size(); ++i) {
            if (i > 0)
                text += ',';
            appendCsvField(text, sub.resultKeys[i]);
        }
        text += '\n';
        appendCsvResult(text, &result, sub.resultKeys);
        text += '\n';
    } else {
        appendUtf8(text, table(result));
    }
    return sink.flush() ? 0 : refuse(err, QStringLiteral("the output cannot be written"), 3);
}

} // namespace

QString englishFile(const Environment &env, QString *reason)
{
    if (!env.languageDir.isEmpty()) {
        const QString file = lang::findFile(QDir(env.languageDir), lang::kEnglishFile);
        if (file.isEmpty() && reason)
            *reason = QStringLiteral("GAUNTRY_LANG_DIR (%1) holds no %2").arg(env.languageDir, lang::kEnglishFile);
        return file;
    }
    const QStringList folders = {QDir::cleanPath(env.programDir + QStringLiteral("/../share/gauntry/lang")),
                                 env.sourceLanguageDir};
    for (const QString &folder : folders) {
        if (folder.isEmpty())
            continue;
        if (const QString file = lang::findFile(QDir(folder), lang::kEnglishFile); !file.isEmpty())
            return file;
    }
    if (reason)
        *reason = QStringLiteral("no %1 in %2 (GAUNTRY_LANG_DIR may name its folder)")
                      .arg(lang::kEnglishFile, folders.join(QStringLiteral(" or ")));
    return QString();
}

QStringList positionalsLast(const QStringList &arguments, const QStringList &takesValue)
{
    QStringList options, positional;
    bool onlyPositional = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (onlyPositional) {
            positional << a;
        } else if (a == u"--") {
            onlyPositional = true;
        } else if (a.startsWith(u"--")) {
            options << a;
            if (!a.contains(u'=') && takesValue.contains(a.mid(2)) && i + 1 < arguments.size())
                options << arguments[++i];
        } else if (a.size() > 1 && a.startsWith(u'-') && !num::strictNumber(a)) {
            options << a;
        } else {
            positional << a;
        }
    }
    QStringList out{arguments.value(0)};
    out << options;
    if (!positional.isEmpty())
        out << QStringLiteral("--") << positional;
    return out;
}

int run(const QStringList &arguments, const Environment &env, QIODevice &in, QIODevice &out, QIODevice &err)
{
    // Numbers are read and written with a full stop and grouped with commas,
    // as the English screens show them, whatever the regional settings: a
    // script gets the same texts everywhere.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    struct Restore {
        QLocale locale;
        ~Restore() { QLocale::setDefault(locale); }
    } restore{previous};

    const QString first = arguments.value(1);
    if (first == u"-h" || first == u"--help") {
        write(out, overview());
        return 0;
    }
    if (first == u"--version") {
        write(out, kProgram + u' ' + env.version + u'\n');
        return 0;
    }
    QStringList names;
    for (const Subcommand &c : commands())
        names << QLatin1StringView(c.name);
    if (first.isEmpty())
        return refuse(err, QStringLiteral("no command given (") + names.join(QStringLiteral(", "))
                               + QStringLiteral("; gauntry-calc --help)"));
    const Subcommand *sub = commandNamed(first);
    if (!sub)
        return refuse(err, QStringLiteral("unknown command '") + first + QStringLiteral("' (")
                               + names.join(QStringLiteral(", ")) + u')');

    Parsed p;
    const QStringList commandArguments = arguments.mid(1);
    if (const std::optional<int> refused = parse(*sub, commandArguments, p, err))
        return *refused;
    if (p.help) {
        write(out, p.raw.first());
        return 0;
    }
    // Unit names are read in the language file's words.
    TextTable texts;
    Context context{texts};
    QString reason;
    const QString file = englishFile(env, &reason);
    if (file.isEmpty())
        return refuse(err, reason, 3);
    if (lang::readInto(file, texts) != lang::ReadStatus::Ok)
        return refuse(err, file + QStringLiteral(" cannot be read or is not a whole language file"), 3);
    context.metric = !p.imperial;
    context.precise = p.precise;
    if (const std::optional<int> refused = readValues(*sub, context, p, err))
        return *refused;
    if (p.input.isEmpty())
        return single(*sub, p, context, out, err);

    BatchSettings settings;
    settings.sub = sub;
    settings.format = p.json ? Format::Json : Format::Csv;
    settings.sortByPayback = p.sort;
    settings.inputName = p.input == u"-" ? QStringLiteral("standard input") : p.input;
    settings.constants = p.values;
    if (p.input == u"-")
        return runBatch(settings, context, in, out, err);
    QFile source(p.input);
    if (!source.open(QIODevice::ReadOnly))
        return refuse(err, QLatin1StringView(sub->name) + QStringLiteral(": --input: ") + p.input
                               + QStringLiteral(": ") + source.errorString());
    return runBatch(settings, context, source, out, err);
}

} // namespace cli
