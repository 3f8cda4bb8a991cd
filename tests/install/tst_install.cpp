// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The installed suite: this build installed into a temporary prefix (with a blank in its path), started as the desktop
// starts it - the Exec line of the installed menu entry - with HOME in a temporary folder; and its package, with the
// documents Debian asks for, checked by lintian.
#include "testlang.h"

#include <QtTest>

namespace {
const QString kId = "org.gauntry.Gauntry";

// Runs a tool; its exit code (-1 when it did not finish) and output.
std::pair<int, QString> run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool done = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit;
    return {done ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAll())};
}

// Every file under `root` by relative path, with its time and digest.
QMap<QString, QString> snapshot(const QString &root)
{
    QMap<QString, QString> files;
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QFileInfo info(it.next());
        files[QDir(root).relativeFilePath(info.filePath())] = info.lastModified().toString(Qt::ISODateWithMs)
            + QCryptographicHash::hash(fileBytes(info.filePath()), QCryptographicHash::Sha256).toHex();
    }
    return files;
}

// A menu entry's Exec line as a shell command (the entry doubles backslashes and percent signs).
QString execCommand(const QString &entry)
{
    static const QRegularExpression exec("^Exec=(.*)$", QRegularExpression::MultilineOption);
    return exec.match(QString::fromUtf8(fileBytes(entry))).captured(1).replace("\\\\", "\\").replace("%%", "%");
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT
    QTemporaryDir m_root{QDir::tempPath() + "/gauntry install-XXXXXX"};
    QString m_prefix, m_command;
    QMap<QString, QString> m_installed;
    QTemporaryDir m_out, m_tree; // the package built by debianPackage(), and its files
    QString m_deb;

    QString shipped(const QString &file) const { return m_prefix + "/share/gauntry/lang/" + file; }

    // Starts the installed suite from an empty folder that is not the build tree and ends it once the program itself
    // runs in `folder` and has stayed up `upMs` longer. True when so, and nothing was written where it started.
    bool launch(const QString &home, const QString &xdgDataHome, const QString &folder, int upMs = 0)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        xdgDataHome.isNull() ? env.remove("XDG_DATA_HOME") : env.insert("XDG_DATA_HOME", xdgDataHome);
        QTemporaryDir start;
        QProcess suite;
        suite.setProcessEnvironment(env);
        suite.setWorkingDirectory(start.path());
        suite.start("/bin/sh", {"-c", "exec " + m_command});
        // The launcher hands over to the program, which runs in the user's folder.
        const QString program = QFileInfo(m_prefix + "/libexec/gauntry/gauntry").canonicalFilePath();
        const auto runs = [&] {
            const QString proc = QString("/proc/%1/").arg(suite.processId());
            return QFileInfo(proc + "exe").canonicalFilePath() == program && QDir(folder).exists()
                   && QDir(proc + "cwd").canonicalPath() == QDir(folder).canonicalPath();
        };
        const bool ran = suite.waitForStarted() && QTest::qWaitFor(runs, 10000) && (QTest::qWait(upMs), runs());
        suite.kill();
        suite.waitForFinished();
        return ran && QDir(start.path()).isEmpty();
    }

private slots:
    // This build installed into the prefix; its menu entry gives the command that starts the suite.
    void initTestCase()
    {
        m_prefix = m_root.filePath("prefix");
        const auto [code, output] = run(GAUNTRY_CMAKE, {"--install", GAUNTRY_BUILD_DIR, "--prefix", m_prefix});
        QVERIFY2(code == 0, qPrintable(output));
        m_command = execCommand(m_prefix + "/share/applications/" + kId + ".desktop");
        QVERIFY(!m_command.isEmpty());
        m_installed = snapshot(m_prefix);
    }

    // The menu entry and the metainfo pass their validators where these are installed; the icons.
    void validatorsAndIcons()
    {
        const QStringList commands[] = {{"desktop-file-validate", "applications/" + kId + ".desktop"},
                                        {"appstreamcli", "validate", "--no-net", "metainfo/" + kId + ".metainfo.xml"}};
        for (QStringList command : commands) {
            const QString tool = QStandardPaths::findExecutable(command.takeFirst()); // none: not on this machine
            command.last().prepend(m_prefix + "/share/");
            const auto [code, output] = tool.isEmpty() ? std::pair(0, QString()) : run(tool, command);
            QVERIFY2(code == 0, qPrintable(output));
        }
        // Each icon of the theme has the size its folder names (share/icons/hicolor/48x48/...), beside a scalable one.
        QVERIFY(m_installed.contains("share/icons/hicolor/scalable/apps/" + kId + ".svg"));
        for (const QString &png : m_installed.keys().filter(".png")) {
            const QSize size = QImage(m_prefix + '/' + png).size();
            QCOMPARE(QString("%1x%2").arg(size.width()).arg(size.height()), png.section('/', 3, 3));
        }
    }

    // The first start makes the user's folder where the XDG rules put it and fills it: the shipped files, and English
    // as the active language; the suite runs there (past its two-second splash). A chosen language then survives a
    // restart and an upgrade, which refreshes the language files but never langutil.txt.
    void firstStartAndUpgrade_data()
    {
        QTest::addColumn<QStringList>("place"); // XDG_DATA_HOME (null: unset; "~": the home folder), user folder
        QTest::newRow("unset") << QStringList{QString(), ".local/share/gauntry"};
        QTest::newRow("absolute") << QStringList{"~/data", "data/gauntry"};
        QTest::newRow("relative, so ignored") << QStringList{"data", ".local/share/gauntry"};
    }
    void firstStartAndUpgrade()
    {
        QFETCH(QStringList, place);
        QTemporaryDir home;
        const QString folder = home.filePath(place[1]), xdg = place[0].replace('~', home.path());
        QVERIFY(launch(home.path(), xdg, folder, place[0].isNull() ? 3000 : 0));
        for (const QFileInfo &file : QDir(shippedLanguageDir()).entryInfoList(QDir::Files))
            QVERIFY2(fileBytes(folder + '/' + file.fileName()) == fileBytes(file.filePath()),
                     qPrintable(file.fileName()));
        QCOMPARE(fileBytes(folder + "/langutil.txt"), fileBytes(shipped("English.txt")));
        // The suite's language switch: German copied over the active file. An upgrade: every shipped file is newer
        // than the user's copies.
        QVERIFY(QFile::remove(folder + "/langutil.txt"));
        QVERIFY(QFile::copy(folder + "/German.txt", folder + "/langutil.txt"));
        const QDateTime longAgo(QDate(2001, 1, 1), QTime(0, 0));
        for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files)) {
            QFile f(file.filePath());
            QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(longAgo, QFileDevice::FileModificationTime));
        }
        QVERIFY(launch(home.path(), xdg, folder));
        QCOMPARE(fileBytes(folder + "/langutil.txt"), fileBytes(shipped("German.txt")));
        QCOMPARE(QFileInfo(folder + "/langutil.txt").lastModified(), longAgo);
        QCOMPARE(QFileInfo(folder + "/English.txt").lastModified(), QFileInfo(shipped("English.txt")).lastModified());
    }

    // Starting the suite changed nothing that was installed.
    void installedFilesUntouched() { QCOMPARE(snapshot(m_prefix), m_installed); }

    // The package holds the installed files under /usr, its menu entry starts /usr/bin/gauntry, and it depends on the
    // packages of the main Qt library and of the windowing-system plugin that Qt loads at run time.
    void debianPackage()
    {
        if (QStandardPaths::findExecutable("dpkg-shlibdeps").isEmpty())
            QSKIP("dpkg-dev is not installed");
        const auto [code, output] =
            run(GAUNTRY_CPACK, {"-G", "DEB", "-B", m_out.path(), "--config", GAUNTRY_BUILD_DIR "/CPackConfig.cmake"});
        QVERIFY2(code == 0, qPrintable(output));
        const QString deb = QDirIterator(m_out.path(), {"*.deb"}).next();
        QCOMPARE(run("dpkg-deb", {"-x", deb, m_tree.path()}).first, 0);
        m_deb = deb;
        const QString tree = m_tree.path();
        QCOMPARE(snapshot(tree + "/usr").keys(), m_installed.keys());
        QCOMPARE(execCommand(tree + "/usr/share/applications/" + kId + ".desktop"), "/usr/bin/gauntry");
        const QString depends = run("dpkg-deb", {"-f", deb, "Depends"}).second;
        for (const QString &file : {QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Widgets.so.6",
                                    QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqxcb.so"}) {
            const QString owner = run("dpkg", {"-S", QFileInfo(file).canonicalFilePath()}).second.section(':', 0, 0);
            const QRegularExpression listed("(^|, )" + QRegularExpression::escape(owner) + "( |,|$)");
            QVERIFY2(!owner.isEmpty() && listed.match(depends).hasMatch(), qPrintable(owner + " is not in " + depends));
        }
    }

    // The command-line calculator runs from the unpacked package with no display: it finds the shipped language file
    // beside it, under /usr/share, and prints what the screens show.
    void calculatorFromPackage()
    {
        if (m_deb.isEmpty())
            QSKIP("no package was built");
        QProcess calc;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "GAUNTRY_LANG_DIR"})
            env.remove(QString::fromLatin1(name));
        calc.setProcessEnvironment(env);
        calc.start(m_tree.path() + "/usr/bin/gauntry-calc", {"velocity", "--flow", "10", "--unit", "l/s", "--size",
                                                             "100", "--json"});
        QVERIFY(calc.waitForFinished(10000));
        const QString out = QString::fromUtf8(calc.readAllStandardOutput());
        QVERIFY2(calc.exitCode() == 0 && out.contains("\"velocity\"") && out.contains("1.2733"),
                 qPrintable(out + QString::fromUtf8(calc.readAllStandardError())));
    }

    // What Debian asks of every package: a machine-readable copyright file that names the licence and points to its
    // text on the system, a changelog whose latest entry is this very version, and a manual page for every program in
    // /usr/bin. The changelog and the pages are compressed with gzip -9n: the most compression, no name and no time
    // in the archive, so a rebuild gives the same bytes.
    void packageDocuments()
    {
        if (m_deb.isEmpty())
            QSKIP("no package was built");
        const QString usr = m_tree.path() + "/usr";
        const QString copyright = QString::fromUtf8(fileBytes(usr + "/share/doc/gauntry/copyright"));
        QVERIFY2(copyright.startsWith("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"),
                 qPrintable(copyright.left(200)));
        static const QRegularExpression filesStar("^Files: \\*\\nCopyright: .+\\nLicense: GPL-3.0-or-later$",
                                                  QRegularExpression::MultilineOption);
        QVERIFY2(filesStar.match(copyright).hasMatch(), qPrintable(copyright));
        // Every licence named has its own paragraph, and the text that paragraph points to is on this system.
        static const QRegularExpression licence("^License: (\\S+)$", QRegularExpression::MultilineOption);
        static const QRegularExpression pointer("\"(/usr/share/common-licenses/[^\"]+)\"");
        for (auto it = licence.globalMatch(copyright); it.hasNext();) {
            const QString name = it.next().captured(1);
            const qsizetype paragraph = copyright.indexOf("\nLicense: " + name + "\n ");
            QVERIFY2(paragraph >= 0, qPrintable(name + " has no licence paragraph"));
            const QString text = copyright.mid(paragraph + 1).section("\n\n", 0, 0);
            const QString common = pointer.match(text).captured(1);
            QVERIFY2(QFileInfo(common).isFile(), qPrintable(name + " points to no licence text: " + text));
        }

        // Decompressed with gzip; empty when the file is missing or not gzip.
        const auto gunzip = [](const QString &file) {
            const auto [code, output] = run("/bin/sh", {"-c", "gzip -dc < \"$0\"", file});
            return code == 0 ? output : QString();
        };
        // Written by gzip -9n: deflated (8) with no file name (flag 0x08) and no time (bytes 4-7), at level 9 (2).
        const auto gzip9n = [](const QString &file) {
            const QByteArray bytes = fileBytes(file);
            return bytes.startsWith("\x1f\x8b\x08") && !(bytes[3] & 0x08) && bytes.mid(4, 4) == QByteArray(4, '\0')
                   && bytes[8] == 2;
        };
        const QString changes = usr + "/share/doc/gauntry/changelog.Debian.gz";
        QVERIFY(gzip9n(changes));
        const QString version = run("dpkg-deb", {"-f", m_deb, "Version"}).second.trimmed();
        const QString changelog = gunzip(changes);
        QVERIFY2(changelog.startsWith("gauntry (" + version + ") "), qPrintable(version + " is not first in\n" + changelog));
        static const QRegularExpression trailer("^ -- .+ <.+@.+>  \\w{3}, \\d{2} \\w{3} \\d{4} [\\d:]{8} [+-]\\d{4}$",
                                                QRegularExpression::MultilineOption);
        QVERIFY2(trailer.match(changelog).hasMatch(), qPrintable(changelog));

        const QStringList programs = QDir(usr + "/bin").entryList(QDir::Files);
        QVERIFY(programs.contains("gauntry"));
        for (const QString &program : programs) {
            const QStringList pages = QDir(usr + "/share/man/man1").entryList({program + ".1*"}, QDir::Files);
            QVERIFY2(pages == QStringList{program + ".1.gz"}, qPrintable(program + ": " + pages.join(' ')));
            const QString page = usr + "/share/man/man1/" + pages[0];
            QVERIFY2(gzip9n(page), qPrintable(page));
            const QString troff = gunzip(page);
            // troff writes a hyphen in a name as "\-".
            const QString title = "\n.TH " + program.toUpper().replace("-", "\\-") + " 1 ";
            QVERIFY2(troff.contains(title), qPrintable(program + ": " + troff.left(300)));
        }
    }

    // lintian finds no error and no warning in the package (informational tags are allowed; deliberate findings are
    // overridden in data/debian/lintian-overrides, each with its reason).
    void lintianClean()
    {
        if (m_deb.isEmpty())
            QSKIP("no package was built");
        if (QStandardPaths::findExecutable("lintian").isEmpty())
            QSKIP("lintian is not installed (scripts/install-deps.sh installs it)");
        const auto [code, output] = run("lintian", {"--pedantic", "--no-tag-display-limit", m_deb});
        static const QRegularExpression errorOrWarning("^[EW]: .*$", QRegularExpression::MultilineOption);
        QStringList findings;
        for (auto it = errorOrWarning.globalMatch(output); it.hasNext();)
            findings << it.next().captured(0);
        QVERIFY2(findings.isEmpty(), qPrintable(findings.join('\n')));
        QVERIFY2(code == 0, qPrintable(output)); // also no failure of lintian itself
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
