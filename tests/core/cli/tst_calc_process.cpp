// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// gauntry-calc as a program: it starts with no display at all and links nothing of Qt's GUI; a bad command line is one
// line on standard error, exit status 2 and nothing on standard output; a fleet file with rows that cannot be worked
// out; the example fleet ranked as examples/ shows it; and the language file taken from the installed layout or the
// folder GAUNTRY_LANG_DIR names.
#include "datarows.h"
#include "shippedtexts.h"

#include <QtTest>

namespace {

const QString kCalc = QStringLiteral(GAUNTRY_CALC);
const QString kSource = QStringLiteral(GAUNTRY_SOURCE_DIR);

struct Ran {
    int status = -1;
    QByteArray out, err;
};

// Runs the program with no display in its environment.
Ran run(const QStringList &args, const QByteArray &input = {}, const QString &program = kCalc,
        const QProcessEnvironment &extra = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "GAUNTRY_LANG_DIR"})
        env.remove(QString::fromLatin1(name));
    env.insert(extra);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.write(input);
    p.closeWriteChannel();
    Ran r;
    if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit)
        r.status = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct BadLine { const char *name; QStringList args; QByteArray says; };

} // namespace

class TestCalcProcess : public QObject
{
    Q_OBJECT
private slots:
    // No display, no platform plugin: the program runs, and links Qt Core alone.
    void withoutDisplay()
    {
        const Ran r = run({"convert", "1", "bar", "psi"});
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.out, QByteArray("14.5038\n"));
        QCOMPARE(r.status, 0);
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {kCalc});
        QVERIFY(ldd.waitForFinished());
        const QByteArray libraries = ldd.readAllStandardOutput();
        QVERIFY2(libraries.contains("libQt6Core"), libraries.constData());
        for (const char *gui : {"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport", "libGL", "libxcb"})
            QVERIFY2(!libraries.contains(gui), gui);
    }

    // A bad command line: one line that names it, exit status 2, nothing else written.
    void badCommandLines_data()
    {
        static const BadLine rows[] = {
            {"nothing", {}, "no command given"},
            {"unknown option", {"size", "--flow", "1", "--unit", "l/s", "--colour"}, "Unknown option 'colour'"},
            {"not a number", {"probe", "--pipe-diameter", "wide"}, "--pipe-diameter: not a number: 'wide'"},
            {"unknown choice", {"select", "--fluid", "plasma"}, "--fluid: unknown value 'plasma'"},
            {"a file that cannot be read", {"payback", "--input", "/nonexistent"}, "--input: /nonexistent:"},
            {"a file's header without a needed column", {"size", "--input", "-"}, "needs 'unit'"},
        };
        addRows(rows);
    }
    void badCommandLines()
    {
        QFETCH(BadLine, row);
        const Ran r = run(row.args, "flow\n1\n");
        QCOMPARE(r.status, 2);
        QCOMPARE(r.out, QByteArray());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY2(r.err.startsWith("gauntry-calc: ") && r.err.contains(row.says), r.err.constData());
    }

    // A fleet file with rows that cannot be worked out: each reported with its line, marked in its own row, the rest
    // worked out, exit status 1.
    void badFleetRows()
    {
        QTemporaryDir dir;
        const QString fleet = dir.filePath("fleet.csv");
        QFile f(fleet);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("meter,flow,unit,size,price,current-accuracy,water-charge,supply\n"
                "A,10,l/s,100,1000,2,1,mains\n"
                "B,10,l/s,-100,1000,2,1,mains\n"
                "\"C, two lines\n of id\",10,gal/s,100,1000,2,1,mains\n"
                "D,10,l/s,100,1000,2,1,solar\n"
                "E,,l/s,100,1000,2,1,mains\n"
                "F,10,l/s,100,1000,2,1,mains\n");
        f.close();
        const Ran r = run({"payback", "--input", fleet});
        QCOMPARE(r.status, 1);
        const QByteArray reasons[] = {fleet.toUtf8() + ":3: size: must be above 0: '-100'",
                                      fleet.toUtf8() + ":4: unit: unknown flow unit 'gal/s' (l/s, l/min, l/h, m3/h, "
                                                       "Ml/d, igps, igpm, igph, migd, usgps, usgpm, usgph, musgd)",
                                      fleet.toUtf8() + ":6: supply: unknown value 'solar' (mains, battery)",
                                      fleet.toUtf8() + ":7: needs 'flow' (or 'annual-usage')"};
        const QList<QByteArray> told = r.err.trimmed().split('\n');
        QCOMPARE(told.size(), qsizetype(std::size(reasons)));
        for (size_t i = 0; i < std::size(reasons); ++i)
            QCOMPARE(told[qsizetype(i)], "gauntry-calc: " + reasons[i]);
        const QList<QByteArray> rows = r.out.split('\n');
        QCOMPARE(rows[0], "meter,flow,unit,size,price,current-accuracy,water-charge,supply,annual_usage,revenue_loss,"
                          "payback,payback_unit,error");
        QCOMPARE(rows[1], "A,10,l/s,100,1000,2,1,mains,315360,5518.80,66,days,");
        QCOMPARE(rows[2], "B,10,l/s,-100,1000,2,1,mains,,,,,size: must be above 0: '-100'");
        QCOMPARE(rows[3] + '\n' + rows[4], "\"C, two lines\n of id\",10,gal/s,100,1000,2,1,mains,,,,,"
                                           "\"unit: unknown flow unit 'gal/s' (l/s, l/min, l/h, m3/h, Ml/d, igps, igpm, "
                                           "igph, migd, usgps, usgpm, usgph, musgd)\"");
        QVERIFY(rows[5].startsWith("D,") && rows[5].endsWith(",\"supply: unknown value 'solar' (mains, battery)\""));
        QVERIFY(rows[6].startsWith("E,") && rows[6].endsWith(",needs 'flow' (or 'annual-usage')"));
        QCOMPARE(rows[7], "F" + rows[1].mid(1));
    }

    // The sample fleet in examples/ gives the ranked file beside it.
    void exampleFleet()
    {
        const Ran r = run({"payback", "--input", kSource + "/examples/fleet.csv", "--sort", "payback"});
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, fileBytes(kSource + "/examples/fleet-ranked.csv"));
    }

    // Installed as bin/gauntry-calc beside share/gauntry/lang, the program reads the language file there, not the one
    // of the tree it was built from; GAUNTRY_LANG_DIR names another folder.
    void languageFolders()
    {
        QTemporaryDir prefix, other;
        QVERIFY(QDir().mkpath(prefix.filePath("bin")) && QDir().mkpath(prefix.filePath("share/gauntry/lang")));
        const QString program = prefix.filePath("bin/gauntry-calc");
        QVERIFY(QFile::copy(kCalc, program));
        const QByteArray english = fileBytes(shippedLanguageDir() + "/English.txt");
        auto writeWith = [&english](const QString &path, const QByteArray &turbulent) {
            QFile f(path);
            return f.open(QIODevice::WriteOnly)
                   && f.write(QByteArray(english).replace("\"Turbulent\"", turbulent)) > 0;
        };
        QVERIFY(writeWith(prefix.filePath("share/gauntry/lang/English.txt"), "\"Installed turbulent\""));
        QVERIFY(writeWith(other.filePath("English.txt"), "\"Chosen turbulent\""));
        const QStringList velocity = {"velocity", "--flow", "10", "--unit", "l/s", "--size", "100", "--csv"};
        QCOMPARE(run(velocity, {}, program).out, QByteArray("velocity,reynolds,regime,accuracy\n"
                                                            "1.2733,127088,Installed turbulent,\n"));
        QProcessEnvironment chosen;
        chosen.insert("GAUNTRY_LANG_DIR", other.path());
        QCOMPARE(run(velocity, {}, program, chosen).out, QByteArray("velocity,reynolds,regime,accuracy\n"
                                                                     "1.2733,127088,Chosen turbulent,\n"));
    }
};

QTEST_GUILESS_MAIN(TestCalcProcess)
#include "tst_calc_process.moc"
