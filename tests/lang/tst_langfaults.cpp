// Faults around the one file the program writes, the active language file:
// failed writes, unreadable or malformed sources and a process killed in the
// middle of a switch. Whatever happens, langutil.txt stays the old file or
// becomes the new one, whole, and the program still loads a language.
#include "fakeplatform.h"
#include "lang/loader.h"
#include "testlang.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>
#include <csignal>

namespace {
// A switch the helper process cannot complete: the folder or the source's permission bits, the helper's options,
// and the file its one message names.
struct FailedWrite { const char *name; bool folderWritable, sourceReadable; QStringList options; QString named; };
} // namespace

class TestLangFaults : public QObject
{
    Q_OBJECT
    std::unique_ptr<LanguageFolder> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // The folder holds English as the active file and every language it may switch to.
    void prepare() { m_dir = std::make_unique<LanguageFolder>(); }
    // langutil.txt is exactly one of the shipped files, no other file was left behind, and a load of it succeeds in
    // that language.
    QString activeLanguage()
    {
        FakePlatform platform;
        AppState app(platform);
        app.languageDir = QDir(m_dir->path());
        if (lang::loadLanguageTexts(app, nullptr) != lang::LoadOutcome::Loaded)
            return QStringLiteral("(load failed)");
        const QString name = app.slot(62);
        const bool whole =
            fileBytes(path(lang::kActiveFile)) == fileBytes(path(name == u"English" ? "English.txt" : "German.txt"));
        const qsizetype files = QDir(m_dir->path()).entryList(QDir::Files).size();
        const bool alone = files == lang::languages().size() + 1;
        return whole && alone ? name : QStringLiteral("(%1, %2 files)").arg(name).arg(files);
    }

private slots:
    // Each fault fails the switch with its reason shown, and the active file stays English. Permission bits are
    // honoured by an unprivileged helper, a full disk is a file-size limit on the helper.
    void failedWritesKeepTheActiveFile_data()
    {
        QTest::addColumn<FailedWrite>("row");
        static const FailedWrite rows[] = {{"folder read-only", false, true, {"--unprivileged"}, "langutil.txt"},
                                           {"disk full", true, true, {"--fsize", "1000"}, "langutil.txt"},
                                           {"source unreadable", true, false, {"--unprivileged"}, "German.txt"}};
        for (const FailedWrite &r : rows)
            QTest::newRow(r.name) << r;
    }
    void failedWritesKeepTheActiveFile()
    {
        QFETCH(FailedWrite, row);
        prepare();
        const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        const auto writable = readable | QFile::WriteOwner | QFile::WriteOther;
        QVERIFY(QFile::setPermissions(m_dir->path(), row.folderWritable ? writable : readable));
        if (!row.sourceReadable)
            QVERIFY(QFile::setPermissions(path("German.txt"), QFile::WriteOwner));
        QProcess helper;
        helper.start(QStringLiteral(LANGSWITCH_HELPER), QStringList{m_dir->path(), "once", "German.txt"} + row.options);
        QVERIFY(helper.waitForFinished(10000) && helper.exitCode() == 0);
        QVERIFY(QFile::setPermissions(m_dir->path(), writable));
        // The outcome and one message that names the file at fault.
        const QStringList out = QString::fromLocal8Bit(helper.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(out.value(0), QString::number(int(lang::SwitchOutcome::CopyFailed)));
        QCOMPARE(out.size(), 2);
        QVERIFY2(out[1].contains(row.named), qPrintable(out[1]));
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
            helper.start(QStringLiteral(LANGSWITCH_HELPER), {m_dir->path(), "loop", "German.txt", "English.txt"});
            QVERIFY(helper.waitForReadyRead(10000));
            QThread::usleep(random.bounded(20000));
            ::kill(pid_t(helper.processId()), SIGKILL);
            QVERIFY(helper.waitForFinished(10000));
            // A write killed before its rename may leave its temporary file.
            for (const QString &f : QDir(m_dir->path()).entryList({lang::kActiveFile + ".*"}, QDir::Files))
                leftovers += QFile::remove(path(f));
            const QString language = activeLanguage();
            QVERIFY2(language == u"English" || language == u"Deutsch",
                     qPrintable(QStringLiteral("round %1 (seed %2): %3").arg(round).arg(seed).arg(language)));
            ++seen[language];
        }
        qInfo() << "active language after each kill:" << seen << "temporary files left:" << leftovers;
        QCOMPARE(seen.size(), 2);
    }

    // A malformed file chosen as a language is refused with a message and changes nothing; as the active file at
    // start it loads what it can, and the user can still switch to a good language.
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
            QFile file(target);
            QVERIFY(file.remove());
            // A sparse file: 100 MB long without using the disk.
            QVERIFY(bytes == "folder" ? QDir().mkdir(target)
                    : bytes == "100 MB" ? file.open(QIODevice::WriteOnly) && file.resize(100 * 1024 * 1024)
                                        : file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            file.close();
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
                QCOMPARE(fileBytes(path(lang::kActiveFile)), fileBytes(path("English.txt")));
            } else {
                QVERIFY(lang::loadLanguageTexts(app, nullptr) != lang::LoadOutcome::Stopped);
                for (int n = 1; n <= TextTable::kSlots; ++n)
                    QVERIFY(app.slot(n).size() < 10000);
                // A folder in the way: told twice (no active file, cannot write one) and runs in English; the next
                // switch fails the same way, with its reason.
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
