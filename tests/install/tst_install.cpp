// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The installed suite: this build installed into a temporary prefix (with a blank in its path), started as the desktop
// starts it - the Exec line of the installed menu entry - with HOME in a temporary folder; and its package.
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
        QTemporaryDir out, tree;
        const auto [code, output] =
            run(GAUNTRY_CPACK, {"-G", "DEB", "-B", out.path(), "--config", GAUNTRY_BUILD_DIR "/CPackConfig.cmake"});
        QVERIFY2(code == 0, qPrintable(output));
        const QString deb = QDirIterator(out.path(), {"*.deb"}).next();
        QCOMPARE(run("dpkg-deb", {"-x", deb, tree.path()}).first, 0);
        QCOMPARE(snapshot(tree.path() + "/usr").keys(), m_installed.keys());
        QCOMPARE(execCommand(tree.path() + "/usr/share/applications/" + kId + ".desktop"), "/usr/bin/gauntry");
        const QString depends = run("dpkg-deb", {"-f", deb, "Depends"}).second;
        for (const QString &file : {QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Widgets.so.6",
                                    QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqxcb.so"}) {
            const QString owner = run("dpkg", {"-S", QFileInfo(file).canonicalFilePath()}).second.section(':', 0, 0);
            const QRegularExpression listed("(^|, )" + QRegularExpression::escape(owner) + "( |,|$)");
            QVERIFY2(!owner.isEmpty() && listed.match(depends).hasMatch(), qPrintable(owner + " is not in " + depends));
        }
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
