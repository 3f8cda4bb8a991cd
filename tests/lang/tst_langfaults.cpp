// Faults around the one file the program writes, the active language file:
// failed writes, unreadable or malformed sources and a process killed in the
// middle of a switch. Whatever happens, langutil.txt stays the old file or
// becomes the new one, whole, and the program still loads a language.
#include "common/appstate.h"
#include "fakeplatform.h"
#include "lang/langfile.h"
#include "lang/loader.h"
#include "testlang.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <unistd.h>

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray fileOfFields(int count)
{
    QByteArray out;
    for (int i = 1; i <= count; ++i)
        out += "Text" + QByteArray::number(i) + "\r\n";
    return out;
}
} // namespace

class TestLangFaults : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
    void copyShipped(const QString &file, const QString &as)
    {
        QVERIFY(QFile::copy(shippedLanguageDir() + u'/' + file, path(as)));
        QVERIFY(QFile::setPermissions(path(as), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    }
    // The folder holds English as the active file and every language it may
    // switch to.
    void prepare()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        for (const char *f : {"English.txt", "German.txt"})
            copyShipped(QLatin1String(f), QLatin1String(f));
        copyShipped(QStringLiteral("English.txt"), lang::kActiveFile);
    }
    // langutil.txt is exactly one of the shipped files, no other file was
    // left behind, and a load of it succeeds in that language.
    QString activeLanguage(int expectedFiles = 3)
    {
        const QByteArray active = readAll(path(lang::kActiveFile));
        FakePlatform platform;
        AppState app(platform);
        app.languageDir = QDir(m_dir->path());
        if (lang::loadLanguageTexts(app, nullptr) != lang::LoadOutcome::Loaded)
            return QStringLiteral("(load failed)");
        const QString name = app.slot(62);
        const bool whole = active == readAll(path(name == u"English" ? "English.txt" : "German.txt"));
        const int files = int(QDir(m_dir->path()).entryList(QDir::Files).size());
        return whole && files == expectedFiles ? name : QStringLiteral("(%1, %2 files)").arg(name).arg(files);
    }
    // One switch in the helper process; returns its outcome and messages.
    QStringList switchInHelper(const QString &file, const QStringList &options)
    {
        QProcess helper;
        helper.start(QStringLiteral(LANGSWITCH_HELPER), QStringList{m_dir->path(), "once", file} + options);
        if (!helper.waitForFinished(10000) || helper.exitCode() != 0)
            return {QStringLiteral("helper failed: %1").arg(helper.exitCode())};
        return QString::fromLocal8Bit(helper.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }

private slots:
    // Each fault fails the switch with its reason shown, and the active file
    // stays English. Permission bits are honoured by an unprivileged helper,
    // a full disk is a file-size limit on the helper.
    void failedWritesKeepTheActiveFile_data()
    {
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<bool>("sourceReadable");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("named");
        QTest::newRow("folder read-only") << false << true << QStringList{"--unprivileged"} << "langutil.txt";
        QTest::newRow("disk full") << true << true << QStringList{"--fsize", "1000"} << "langutil.txt";
        QTest::newRow("source unreadable") << true << false << QStringList{"--unprivileged"} << "German.txt";
    }
    void failedWritesKeepTheActiveFile()
    {
        QFETCH(bool, folderWritable);
        QFETCH(bool, sourceReadable);
        QFETCH(QStringList, options);
        QFETCH(QString, named);
        prepare();
        const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        const auto writable = readable | QFile::WriteOwner | QFile::WriteOther;
        QVERIFY(QFile::setPermissions(m_dir->path(), folderWritable ? writable : readable));
        if (!sourceReadable)
            QVERIFY(QFile::setPermissions(path("German.txt"), QFile::WriteOwner));
        const QStringList out = switchInHelper("German.txt", options);
        QVERIFY(QFile::setPermissions(m_dir->path(), writable));
        QCOMPARE(out.value(0), QString::number(int(lang::SwitchOutcome::CopyFailed)));
        QCOMPARE(out.size(), 2); // the outcome and one message that names the file at fault
        QVERIFY2(out[1].contains(named), qPrintable(out[1]));
        QCOMPARE(activeLanguage(), QStringLiteral("English"));
    }

    // A helper that switches English, German, English, ... without pause is
    // killed at random moments; the active file is always one whole file.
    void killedDuringSwitch()
    {
        prepare();
        const quint32 seed = 20261206;
        QRandomGenerator random(seed);
        QMap<QString, int> seen;
        int leftovers = 0;
        for (int round = 0; round < 100; ++round) {
            QProcess helper;
            helper.start(QStringLiteral(LANGSWITCH_HELPER),
                         {m_dir->path(), "loop", "German.txt", "English.txt"});
            QVERIFY(helper.waitForReadyRead(10000));
            QThread::usleep(random.bounded(20000));
            ::kill(pid_t(helper.processId()), SIGKILL);
            QVERIFY(helper.waitForFinished(10000));
            // A write killed before its rename may leave its temporary file.
            for (const QString &f : QDir(m_dir->path()).entryList(QDir::Files))
                if (f.startsWith(lang::kActiveFile + u'.'))
                    leftovers += QFile::remove(path(f));
            const QString language = activeLanguage();
            QVERIFY2(language == u"English" || language == u"Deutsch",
                     qPrintable(QStringLiteral("round %1 (seed %2): %3").arg(round).arg(seed).arg(language)));
            ++seen[language];
        }
        qInfo() << "active language after each kill:" << seen << "temporary files left:" << leftovers;
        QCOMPARE(seen.size(), 2);
    }

    // A malformed file chosen as a language is refused with a message and
    // changes nothing; as the active file at start it loads what it can, and
    // the user can still switch to a good language.
    void malformedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray binary;
        for (int i = 0; i < 1024; ++i)
            binary += char(i * 37 % 256);
        QTest::newRow("short") << fileOfFields(100);
        QTest::newRow("unterminated quote") << fileOfFields(50) + "\"never closed,\r\n" + fileOfFields(150);
        QTest::newRow("binary bytes") << binary;
        QTest::newRow("100 MB") << QByteArray("100 MB");
        QTest::newRow("a folder") << QByteArray("folder");
    }
    void malformedFiles()
    {
        QFETCH(QByteArray, bytes);
        for (bool asActive : {false, true}) {
            prepare();
            const QString target = path(asActive ? lang::kActiveFile : QStringLiteral("German.txt"));
            QFile::remove(target);
            if (bytes == "folder") {
                QVERIFY(QDir().mkdir(target));
            } else {
                QFile file(target);
                QVERIFY(file.open(QIODevice::WriteOnly));
                // A sparse file: 100 MB long without using the disk.
                QVERIFY(bytes == "100 MB" ? file.resize(100 * 1024 * 1024) : file.write(bytes) == bytes.size());
            }
            FakePlatform platform;
            AppState app(platform);
            app.languageDir = QDir(m_dir->path());
            QVERIFY(loadShippedLanguage(app, QStringLiteral("English.txt")));
            QElapsedTimer timer;
            timer.start();
            if (!asActive) {
                const lang::SwitchOutcome outcome = lang::switchLanguage(app, "German.txt", nullptr);
                QVERIFY(outcome == lang::SwitchOutcome::CopyFailed || outcome == lang::SwitchOutcome::SourceMissing);
                QCOMPARE(platform.messages.size(), 1);
                QCOMPARE(app.slot(62), QStringLiteral("English"));
                QCOMPARE(readAll(path(lang::kActiveFile)), readAll(path("English.txt")));
            } else {
                QVERIFY(lang::loadLanguageTexts(app, nullptr) != lang::LoadOutcome::Stopped);
                for (int n = 1; n <= TextTable::kSlots; ++n)
                    QVERIFY(app.slot(n).size() < 10000);
                // A folder in the way: told twice (no active file, cannot
                // write one) and runs in English; the next switch fails the
                // same way, with its reason.
                const bool folder = bytes == "folder";
                QCOMPARE(platform.messages.size(), folder ? 2 : 0);
                QCOMPARE(lang::switchLanguage(app, "German.txt", nullptr),
                         folder ? lang::SwitchOutcome::CopyFailed : lang::SwitchOutcome::Loaded);
                QCOMPARE(app.slot(62), folder ? QStringLiteral("English") : QStringLiteral("Deutsch"));
            }
            QVERIFY(timer.elapsed() < 5000);
        }
    }
};

QTEST_GUILESS_MAIN(TestLangFaults)
#include "tst_langfaults.moc"
