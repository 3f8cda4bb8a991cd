// The installed suite: this build installed into a temporary prefix (with a
// blank in its path), started as the desktop starts it - the Exec line of the
// installed menu entry - with HOME in a temporary folder; and its package.
#include "common/events.h"
#include "fakeplatform.h"
#include "shell/mdiform.h"
#include "shell/utilsmenu.h"
#include "testlang.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QImage>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
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

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file under `root` by relative path, with its time and digest.
QMap<QString, QString> snapshot(const QString &root)
{
    QMap<QString, QString> files;
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QFileInfo info(it.next());
        files[QDir(root).relativeFilePath(info.filePath())] =
            info.lastModified().toString(Qt::ISODateWithMs) +
            QCryptographicHash::hash(contents(info.filePath()), QCryptographicHash::Sha256).toHex();
    }
    return files;
}

// A menu entry's Exec line as a shell command: the entry doubles backslashes
// and percent signs; the rest is quoted as a shell quotes.
QString execCommand(const QString &entry)
{
    static const QRegularExpression exec("^Exec=(.*)$", QRegularExpression::MultilineOption);
    return exec.match(QString::fromUtf8(contents(entry))).captured(1).replace("\\\\", "\\").replace("%%", "%");
}

QString procLink(qint64 pid, const char *what) { return QFileInfo(QString("/proc/%1/%2").arg(pid).arg(what)).symLinkTarget(); }

// The program's own start-up on a folder, with the recording platform.
struct Suite {
    FakePlatform platform;
    AppState app{platform};
    MDIForm1 main{app};
    explicit Suite(const QString &folder) { app.languageDir = QDir(folder); }
    QComboBox *list() { return main.toolMenu()->findChild<QComboBox *>("CmbLanguage"); }
    QString velocityButton() { return main.toolMenu()->findChild<QPushButton *>("CmdMenuVel")->text(); }
};

QString slot12(const QString &file)
{
    FakePlatform platform;
    AppState app(platform);
    return loadShippedLanguage(app, file) ? app.slot(12) : QString();
}
} // namespace

class TestInstall : public QObject
{
    Q_OBJECT
    QTemporaryDir m_root{QDir::tempPath() + "/gauntry install-XXXXXX"};
    QString m_prefix, m_command;
    QMap<QString, QString> m_installed;

    QString shipped(const QString &file) const { return m_prefix + "/share/gauntry/lang/" + file; }

    // Starts the installed suite from an empty folder that is not the build
    // tree and ends it once the program itself runs in `folder` and has stayed
    // up `upMs` longer. True when so, and nothing was written where it started.
    bool launch(const QString &home, const QString &xdgDataHome, const QString &folder, int upMs = 0)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.remove("XDG_DATA_HOME");
        if (!xdgDataHome.isNull())
            env.insert("XDG_DATA_HOME", xdgDataHome);
        QTemporaryDir startFolder;
        QProcess suite;
        suite.setProcessEnvironment(env);
        suite.setWorkingDirectory(startFolder.path());
        suite.start("/bin/sh", {"-c", "exec " + m_command});
        suite.waitForStarted();
        // The launcher hands over to the program in the user's folder.
        const QFileInfo program(m_prefix + "/libexec/gauntry/gauntry");
        bool up = false;
        (void)QTest::qWaitFor([&] {
            const QString wanted = QDir(folder).canonicalPath();
            up = !wanted.isEmpty() && QFileInfo(procLink(suite.processId(), "exe")) == program &&
                 QDir(procLink(suite.processId(), "cwd")).canonicalPath() == wanted;
            return up || suite.state() != QProcess::Running;
        }, 10000);
        if (up && upMs > 0)
            QTest::qWait(upMs);
        up = up && suite.state() == QProcess::Running;
        suite.terminate();
        if (!suite.waitForFinished(5000))
            suite.kill();
        suite.waitForFinished();
        if (!up)
            qWarning().noquote() << "the suite did not run in" << folder << suite.readAllStandardError();
        return up && QDir(startFolder.path()).isEmpty();
    }

private slots:
    void initTestCase()
    {
        m_prefix = m_root.filePath("prefix");
        const auto [code, output] = run(GAUNTRY_CMAKE, {"--install", GAUNTRY_BUILD_DIR, "--prefix", m_prefix});
        QVERIFY2(code == 0, qPrintable(output));
        m_command = execCommand(m_prefix + "/share/applications/" + kId + ".desktop");
        QVERIFY(!m_command.isEmpty());
        m_installed = snapshot(m_prefix);
    }

    void validators_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("menu entry") << QStringList{"desktop-file-validate", "share/applications/" + kId + ".desktop"};
        QTest::newRow("metainfo") << QStringList{"appstreamcli", "validate", "--no-net", "share/metainfo/" + kId + ".metainfo.xml"};
    }
    void validators()
    {
        QFETCH(QStringList, command);
        const QString tool = QStandardPaths::findExecutable(command.takeFirst());
        if (tool.isEmpty())
            QSKIP("the validator is not installed");
        command.last().prepend(m_prefix + '/');
        const auto [code, output] = run(tool, command);
        QVERIFY2(code == 0, qPrintable(output));
    }

    void iconSizesMatchTheirFolders()
    {
        const QString theme = m_prefix + "/share/icons/hicolor/";
        QVERIFY(QFileInfo::exists(theme + "scalable/apps/" + kId + ".svg"));
        const QStringList sizes = QDir(theme).entryList({"*x*"}, QDir::Dirs);
        QVERIFY(sizes.size() >= 4);
        for (const QString &size : sizes) {
            const QImage png(theme + size + "/apps/" + kId + ".png");
            QCOMPARE(QString("%1x%2").arg(png.width()).arg(png.height()), size);
        }
    }

    void userFolderPlace_data()
    {
        QTest::addColumn<QString>("xdgDataHome"); // null: unset; "~" stands for the home folder
        QTest::addColumn<QString>("folder");      // in the home folder
        QTest::newRow("unset") << QString() << ".local/share/gauntry";
        QTest::newRow("absolute") << "~/data" << "data/gauntry";
        QTest::newRow("relative, so ignored") << "data" << ".local/share/gauntry";
    }
    void userFolderPlace()
    {
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, folder);
        QTemporaryDir home;
        QVERIFY(launch(home.path(), xdgDataHome.replace('~', home.path()), home.filePath(folder)));
    }

    void firstStartShowsEnglish()
    {
        QTemporaryDir home;
        const QString folder = home.filePath(".local/share/gauntry");
        QVERIFY(launch(home.path(), QString(), folder, 3000)); // past the two-second splash
        for (const QFileInfo &file : QDir(shippedLanguageDir()).entryInfoList(QDir::Files))
            QCOMPARE(contents(folder + '/' + file.fileName()), contents(file.filePath()));
        QCOMPARE(contents(folder + "/langutil.txt"), contents(shipped("English.txt")));

        Suite suite(folder);
        QVERIFY(suite.main.start());
        QCOMPARE(suite.platform.messages, QStringList());
        QCOMPARE(suite.list()->currentText(), "English");
        QCOMPARE(suite.velocityButton(), slot12("English.txt"));
    }

    void languageSwitchSurvivesRestartAndUpgrade()
    {
        QTemporaryDir home;
        const QString folder = home.filePath(".local/share/gauntry");
        QVERIFY(launch(home.path(), QString(), folder));
        {
            Suite suite(folder);
            QVERIFY(suite.main.start());
            ev::choose(suite.list(), suite.list()->findText("Deutsch"));
        }
        // An upgrade: every shipped file is newer than the user's copies.
        const QDateTime longAgo(QDate(2001, 1, 1), QTime(0, 0));
        for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files)) {
            QFile f(file.filePath());
            QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(longAgo, QFileDevice::FileModificationTime));
        }
        QVERIFY(launch(home.path(), QString(), folder));
        QCOMPARE(contents(folder + "/langutil.txt"), contents(shipped("German.txt")));
        QCOMPARE(QFileInfo(folder + "/langutil.txt").lastModified(), longAgo);
        QCOMPARE(QFileInfo(folder + "/English.txt").lastModified(), QFileInfo(shipped("English.txt")).lastModified());

        Suite suite(folder);
        QVERIFY(suite.main.start());
        QCOMPARE(suite.list()->currentText(), "Deutsch");
        QCOMPARE(suite.velocityButton(), slot12("German.txt"));
    }

    void installedFilesUntouched() { QCOMPARE(snapshot(m_prefix), m_installed); }

    void debianPackage()
    {
        const QString dpkgDeb = QStandardPaths::findExecutable("dpkg-deb");
        if (dpkgDeb.isEmpty() || QStandardPaths::findExecutable("dpkg-shlibdeps").isEmpty())
            QSKIP("dpkg-dev is not installed");
        QTemporaryDir out;
        const auto [code, output] = run(GAUNTRY_CPACK, {"-G", "DEB", "-B", out.path(), "--config",
                                                         GAUNTRY_BUILD_DIR "/CPackConfig.cmake"});
        QVERIFY2(code == 0, qPrintable(output));
        const QString deb = QDirIterator(out.path(), {"*.deb"}).next();

        // The same files as the install, under /usr.
        QStringList files;
        for (const QString &line : run(dpkgDeb, {"-c", deb}).second.split('\n')) {
            if (line.startsWith('-'))
                files << line.section("./usr/", 1);
        }
        files.sort();
        QCOMPARE(files, m_installed.keys());

        // It depends on the packages of the main Qt library and of the
        // windowing-system plugin that Qt loads at run time.
        const QString depends = run(dpkgDeb, {"-f", deb, "Depends"}).second;
        for (const QString &file : {QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Widgets.so.6",
                                    QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqxcb.so"}) {
            const QString owner = run("dpkg", {"-S", QFileInfo(file).canonicalFilePath()}).second.section(':', 0, 0);
            QVERIFY2(!owner.isEmpty() && QRegularExpression("(^|, )" + QRegularExpression::escape(owner) + "( |,|$)")
                                             .match(depends).hasMatch(),
                     qPrintable(owner + " is not in " + depends));
        }

        QTemporaryDir tree;
        QCOMPARE(run(dpkgDeb, {"-x", deb, tree.path()}).first, 0);
        QCOMPARE(execCommand(tree.path() + "/usr/share/applications/" + kId + ".desktop"), "/usr/bin/gauntry");
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
