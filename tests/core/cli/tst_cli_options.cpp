// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// gauntry-calc's command lines run in the process: what each subcommand prints for its options in each format, every
// refusal as one line naming what is wrong (exit status 2, nothing printed), the help of every subcommand, and where
// the language file is found.
#include "core/cli/app.h"
#include "core/cli/tools.h"
#include "datarows.h"
#include "shippedtexts.h"

#include <QtTest>

namespace {

// A word as the manual page's source writes it: its hyphens as \-.
QString troff(QString word) { return word.replace(u'-', QStringLiteral("\\-")); }

QString sourceDir() { return QDir::cleanPath(shippedLanguageDir() + QStringLiteral("/../..")); }

cli::Environment fromBuild()
{
    cli::Environment env;
    env.sourceLanguageDir = shippedLanguageDir();
    env.version = QStringLiteral("1.0");
    return env;
}

struct Ran {
    int status = -1;
    QString out, err;
};

Ran run(const QString &commandLine, const cli::Environment &env = fromBuild())
{
    QBuffer in, out, err;
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    Ran r;
    r.status = cli::run(QStringList{"gauntry-calc"} + QProcess::splitCommand(commandLine), env, in, out, err);
    r.out = QString::fromUtf8(out.data());
    r.err = QString::fromUtf8(err.data());
    return r;
}

// A command line and all it prints.
struct Printed { const char *name; QString command, out; };
// A command line refused, and what its one line says.
struct Refused { const char *name; QString command, says; };
// Arguments as given, and as they reach the option parser.
struct Reordered { const char *name; QStringList given, parsed; };

} // namespace

class TestCliOptions : public QObject
{
    Q_OBJECT
private slots:
    // The numbers are the screens' texts whatever the regional settings.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void printed_data()
    {
        static const Printed rows[] = {
            {"convert by symbols", "convert 1 bar psi", "14.5038\n"},
            {"convert by the screen's names, any case", "convert 1 BAR PSI", "14.5038\n"},
            {"a negative value is no option", "convert -40 C F", "-40\n"},
            {"grouped thousands, a full stop", "convert 1 bar Pa", "100,000.\n"},
            {"dynamic to kinematic with a specific gravity", "convert 10 cP cSt --sg 0.8", "12.5\n"},
            {"convert as JSON", "convert 1 m3/h l/s --json",
             "{\"quantity\":\"flow\",\"from_unit\":\"Cubic Metres per hour\",\"to_unit\":\"Litres per second\","
             "\"result\":\"0.2778\"}\n"},
            {"velocity table", "velocity --flow 10 --unit l/s --size 100 --meter-type prandel",
             "Velocity          1.2733   Metres/sec\nReynolds number   127088   Turbulent\n"
             "Prandel accuracy  ± 0.15%\n"},
            {"unit by its name, JSON", "velocity --flow 36 --unit \"cubic metres per hour\" --size 100 --json",
             "{\"velocity\":\"1.2733\",\"reynolds\":\"127088\",\"regime\":\"Turbulent\",\"accuracy\":\"\"}\n"},
            {"another fluid", "velocity --flow 10 --unit l/s --size 100 --density 1000 --viscosity 100 --csv",
             "velocity,reynolds,regime,accuracy\n1.2733,1273,Laminar,\n"},
            {"imperial fraction", "velocity --flow 10 --unit usgpm --size 3/8 --imperial --json",
             "{\"velocity\":\"29.0681\",\"reynolds\":\"84231\",\"regime\":\"Turbulent\",\"accuracy\":\"\"}\n"},
            {"full precision", "velocity --flow 10 --unit l/s --size 100 --precise --json",
             "{\"velocity\":1.2732999999999999,\"reynolds\":127088.53869648994,\"regime\":\"Turbulent\","
             "\"accuracy\":\"\"}\n"},
            {"pressure loss, corrected angle",
             "pressure-loss --flow 14.13 --unit m3/h --size 50 --pipe 100 --angle 150 --meter-type veldrix-mains --csv",
             "velocity,reynolds,regime,loss_mbar,loss_bar,loss_psi,angle_used\n"
             "1.9991,99764,Turbulent,77.6258,0.0776,1.1259,180\n"},
            {"sizes, imperial", "size --flow 10 --unit l/s --imperial --json",
             "{\"sizes\":[\"6\",\"1.5\",\"4\",\"3\",\"2.5\"],\"size_loss_bar\":[\"0.0050\",\"1.0017\",\"0.0250\","
             "\"0.0626\",\"0.1252\"],\"full_bore_loss_bar\":[\"0.0000\",\"0.0000\",\"0.0000\",\"0.0000\",\"0.0000\"]}\n"},
            {"sizes table", "size --flow 10 --unit l/s",
             "Pressure loss Bar (Water)\n"
             "              Millimetres  Veldrix/Brevil  Prandel\n"
             "Maximum size  150          0.0050          0.0000\n"
             "Minimum size  40           1.0017          0.0000\n"
             "Size at 1m/s  100          0.0250          0.0000\n"
             "Size at 2m/s  80           0.0626          0.0000\n"
             "Size at 3m/s  65           0.1252          0.0000\n"},
            {"payback in days", "payback --flow 7.853608733 --unit l/s --size 100 --price 1000 --current-accuracy 2 "
                                "--water-charge 1 --sewage-charge 0.5 --supply mains",
             "Annual usage (m3)      247671.4\nRevenue loss per year  6501.37\nPayback (days)         56\n"},
            {"typed annual usage, years", "payback --annual-usage 1000 --price 1000 --current-accuracy 2 "
                                          "--water-charge 1 --sewage-charge 0.5 --supply mains --json",
             "{\"annual_usage\":\"1000\",\"revenue_loss\":\"26.25\",\"payback\":\"38.095\",\"payback_unit\":\"years\"}\n"},
            {"payback at full precision is in years", "payback --annual-usage 1000 --price 1000 --current-accuracy 2 "
                                                      "--water-charge 1 --supply battery --precise --json",
             "{\"annual_usage\":1000,\"revenue_loss\":15,\"payback\":66.66666666666667,\"payback_unit\":\"years\"}\n"},
            {"probe, first model", "probe --pipe-diameter 100",
             "Profile factor    0.842\nInsertion factor  1.138\n"},
            {"probe, lumbrin model", "probe --pipe-diameter 100 --model lumbrin --flow-unit m3/s --json",
             "{\"profile_factor\":\"\",\"insertion_factor\":\"\",\"combined_factor\":\"0.958\","
             "\"flow_per_velocity\":\"0.00785\"}\n"},
            {"selection", "select --fluid gas --max-temperature 300 --json",
             "{\"electromagnetic\":false,\"coriolis\":false,\"ultrasonic\":false,\"vortex\":true,\"wedge\":false,"
             "\"insertion_probe\":false,\"turbine\":false}\n"},
            {"selection in Fahrenheit", "select --imperial --min-temperature -4 --csv",
             "electromagnetic,coriolis,ultrasonic,vortex,wedge,insertion_probe,turbine\nno,yes,yes,yes,yes,no,yes\n"},
            {"version", "--version", "gauntry-calc 1.0\n"},
        };
        addRows(rows);
    }
    void printed()
    {
        QFETCH(Printed, row);
        const Ran r = run(row.command);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out, row.out);
        QCOMPARE(r.status, 0);
    }

    void refused_data()
    {
        static const Refused rows[] = {
            {"no command", "", "no command given"},
            {"unknown command", "speed", "unknown command 'speed'"},
            {"unknown option", "velocity --speed 3", "Unknown option 'speed'"},
            {"an option of another command", "size --flow 1 --unit l/s --size 100", "Unknown option 'size'"},
            {"a value for a switch", "velocity --imperial=yes", "Unexpected value after '--imperial'"},
            {"an option without its value", "velocity --flow", "Missing value after '--flow'"},
            {"not a number", "velocity --flow 1,5 --unit l/s --size 100", "--flow: not a number: '1,5'"},
            {"a number with a word", "velocity --flow 10abc --unit l/s --size 100", "--flow: not a number: '10abc'"},
            {"beyond a double", "velocity --flow 1e999 --unit l/s --size 100", "--flow: out of range: '1e999'"},
            {"negative size", "velocity --flow 1 --unit l/s --size -100", "--size: must be above 0: '-100'"},
            {"zero flow", "size --flow 0 --unit l/s", "--flow: must be above 0: '0'"},
            {"a fraction on the metric screen", "velocity --flow 1 --unit l/s --size 3/8", "--size: not a number"},
            {"unknown unit", "velocity --flow 1 --unit ml/d --size 100", "--unit: unknown flow unit 'ml/d'"},
            {"unknown meter type", "velocity --flow 1 --unit l/s --size 100 --meter-type magflow",
             "--meter-type: unknown value 'magflow' (prandel, veldrix-mains, brevil, veldrix-battery)"},
            {"given twice", "velocity --flow 1 --flow 2 --unit l/s --size 100", "--flow is given more than once"},
            {"missing size", "velocity --flow 1 --unit l/s", "velocity: needs --size"},
            {"density without viscosity", "velocity --flow 1 --unit l/s --size 100 --density 900",
             "--density needs --viscosity"},
            {"pipe without angle", "pressure-loss --flow 1 --unit l/s --size 100 --pipe 150", "--pipe needs --angle"},
            {"negative angle", "pressure-loss --flow 1 --unit l/s --size 100 --pipe 150 --angle -5",
             "--angle: must not be negative"},
            {"payback without usage or flow", "payback --price 1 --current-accuracy 2 --water-charge 1 --supply mains",
             "payback: needs --flow (or --annual-usage)"},
            {"usage and flow", "payback --annual-usage 1000 --flow 1 --unit l/s --size 100 --price 1 "
                               "--current-accuracy 2 --water-charge 1 --supply mains",
             "the annual usage takes the place of the flow"},
            {"existing meter as good", "payback --annual-usage 1000 --price 1 --current-accuracy 0.25 "
                                       "--water-charge 1 --supply mains",
             "Existing meter accuracy apparently better than or equal to Veldrix (0.25 % against 0.25 %"},
            {"both formats", "size --flow 1 --unit l/s --json --csv", "--json and --csv: choose one"},
            {"sort without a file", "payback --sort payback", "--sort ranks the rows of --input"},
            {"sort by another key", "payback --input x.csv --sort price", "--sort: unknown key 'price'"},
            {"sort of another command", "size --input x.csv --sort payback", "Unknown option 'sort'"},
            {"a file that is not there", "size --input /nonexistent/fleet.csv", "--input: /nonexistent/fleet.csv:"},
            {"arguments with a file", "convert --input x.csv 1 bar psi", "unexpected argument '1'"},
            {"convert without its unit", "convert 1 bar", "convert: needs TO"},
            {"convert, one too many", "convert 1 bar psi kPa", "unexpected argument 'kPa'"},
            {"convert across quantities", "convert 1 bar C", "cannot convert Bar (pressure) to Celsius (temperature)"},
            {"convert, not above 0", "convert -5 bar psi", "a pressure to convert must be above 0"},
            {"convert, no specific gravity", "convert 1 cP cSt", "the specific gravity is needed"},
            {"convert, a specific gravity not used", "convert 1 bar psi --sg 1", "the specific gravity is used only"},
            {"probe flow unit of a model without flow", "probe --pipe-diameter 100 --flow-unit m3/s",
             "the flow unit is shown with the lumbrin model only"},
            {"precise where nothing is worked out in numbers", "select --precise", "Unknown option 'precise'"},
        };
        addRows(rows);
    }
    void refused()
    {
        QFETCH(Refused, row);
        const Ran r = run(row.command);
        QVERIFY2(r.err.startsWith(QStringLiteral("gauntry-calc: ")) && r.err.contains(row.says), qPrintable(r.err));
        QCOMPARE(r.err.count(u'\n'), 1);
        QVERIFY(r.err.endsWith(u'\n'));
        QCOMPARE(r.out, QString());
        QCOMPARE(r.status, 2);
    }

    // Every option of every command is in its help, in the manual page and in the bash completion; so is every
    // command in the overview.
    void everyOptionDocumented()
    {
        const auto text = [](const QString &path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        const QString manual = text(sourceDir() + QStringLiteral("/doc/gauntry-calc.1"));
        const QString completion = text(sourceDir() + QStringLiteral("/data/completion/gauntry-calc"));
        QVERIFY(!manual.isEmpty() && !completion.isEmpty());
        const QString overview = run(QStringLiteral("--help")).out;
        for (const cli::Subcommand &sub : cli::commands()) {
            const QString command = QLatin1StringView(sub.name);
            QVERIFY2(overview.contains(QStringLiteral("  ") + command + u' '), qPrintable(command));
            QVERIFY2(manual.contains(QStringLiteral(".SS ") + troff(command)), qPrintable(command));
            QVERIFY2(completion.contains(command), qPrintable(command));
            const Ran help = run(command + QStringLiteral(" --help"));
            QCOMPARE(help.status, 0);
            QVERIFY(help.out.startsWith(QStringLiteral("Usage: gauntry-calc ") + command));
            QStringList options = {"json", "csv", "input"};
            for (const cli::Input &in : sub.inputs) {
                if (!in.positional)
                    options << QLatin1StringView(in.name);
            }
            for (const QString &option : options) {
                const QString dashed = QStringLiteral("--") + option;
                QVERIFY2(help.out.contains(dashed), qPrintable(command + u' ' + dashed));
                QVERIFY2(manual.contains(troff(dashed)), qPrintable(command + u' ' + dashed));
                QVERIFY2(completion.contains(dashed), qPrintable(command + u' ' + dashed));
            }
            for (const QString &key : sub.resultKeys)
                QVERIFY2(manual.contains(key), qPrintable(command + u' ' + key));
        }
    }

    // The English file: where GAUNTRY_LANG_DIR says when it is set, else installed beside bin/, else in the source
    // tree of the build; none is one line and exit status 3.
    void languageFile()
    {
        QTemporaryDir prefix, elsewhere;
        QVERIFY(QDir().mkpath(prefix.filePath("bin")) && QDir().mkpath(prefix.filePath("share/gauntry/lang")));
        const QString installed = prefix.filePath("share/gauntry/lang/English.txt");
        QVERIFY(QFile::copy(shippedLanguageDir() + "/English.txt", installed));
        cli::Environment env = fromBuild();
        QString reason;
        env.programDir = prefix.filePath("bin");
        QCOMPARE(cli::englishFile(env, &reason), installed);
        env.programDir = elsewhere.path();
        QCOMPARE(QFileInfo(cli::englishFile(env, &reason)), QFileInfo(shippedLanguageDir() + "/English.txt"));
        env.languageDir = prefix.filePath("share/gauntry/lang");
        QCOMPARE(cli::englishFile(env, &reason), installed);
        env.languageDir = elsewhere.path();
        QCOMPARE(cli::englishFile(env, &reason), QString());
        QVERIFY2(reason.contains("GAUNTRY_LANG_DIR"), qPrintable(reason));
        env.languageDir.clear();
        env.sourceLanguageDir = elsewhere.path();
        const Ran r = run("convert 1 bar psi", env);
        QCOMPARE(r.status, 3);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.count(u'\n') == 1 && r.err.contains("no English.txt"), qPrintable(r.err));
    }

    // Positional arguments go after "--", each option keeps its value, even a negative one.
    void positionalsLast_data()
    {
        static const Reordered rows[] = {
            {"negative value to convert", {"p", "-40", "C", "F"}, {"p", "--", "-40", "C", "F"}},
            {"options among them", {"p", "1", "--json", "bar", "psi"}, {"p", "--json", "--", "1", "bar", "psi"}},
            {"an option's negative value", {"p", "--sewage-charge", "-0.5", "--csv"},
             {"p", "--sewage-charge", "-0.5", "--csv"}},
            {"a switch before a negative number", {"p", "--json", "-2", "C", "K"}, {"p", "--json", "--", "-2", "C", "K"}},
            {"a value given with =", {"p", "--sg=0.8", "-1", "cP", "cSt"}, {"p", "--sg=0.8", "--", "-1", "cP", "cSt"}},
            {"an unknown short option stays one", {"p", "-x", "1"}, {"p", "-x", "--", "1"}},
            {"after --, all positional", {"p", "--", "--json"}, {"p", "--", "--json"}},
            {"standard input", {"p", "--input", "-"}, {"p", "--input", "-"}},
        };
        addRows(rows);
    }
    void positionalsLast()
    {
        QFETCH(Reordered, row);
        QCOMPARE(cli::positionalsLast(row.given, {"sewage-charge", "sg", "input"}), row.parsed);
    }
};

QTEST_GUILESS_MAIN(TestCliOptions)
#include "tst_cli_options.moc"
