// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Faults around the one file the program writes, the active language file:
// failed writes, unreadable or malformed sources and a process killed in the
// middle of a switch. Whatever happens, langutil.txt stays the old file or
// becomes the new one, whole, and the program still loads a language.
#include "core/lang/textslots.h"
#include "ui/lang/loader.h"
#include "screenfixture.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// A switch that cannot complete: the folder's or the source's permission bits, or a full disk, and the file its one
// message names.
struct FailedWrite { const char *name; bool folderWritable, sourceReadable, diskFull; QString named; };
} // namespace

class TestLangFaults : public QObject
{
    Q_OBJECT
    std::unique_ptr<LanguageFolder> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // A fresh folder holding English as the active file and every language it may switch to, and a program state on
    // it with English loaded.
    std::unique_ptr<TestApp> prepare()
    {
        m_dir = std::make_unique<LanguageFolder>();
        auto t = std::make_unique<TestApp>();
        t->app.languageDir = QDir(m_dir->path());
        return t;
    }
    // langutil.txt is exactly one of the shipped files, no other file was left behind, and a load of it succeeds in
    // that language.
    QString activeLanguage() const
    {
        TestApp t{QString()};
        t.app.languageDir = QDir(m_dir->path());
        if (lang::loadLanguageTexts(t.app, nullptr) != lang::LoadOutcome::Loaded)
            return QStringLiteral("(load failed)");
        const QString name = t.app.slot(Txt::LanguageName);
        const bool whole =
            fileBytes(path(lang::kActiveFile)) == fileBytes(path(name == u"English" ? "English.txt" : "German.txt"));
        const qsizetype files = QDir(m_dir->path()).entryList(QDir::Files).size();
        const bool alone = files == lang::languages().size() + 1;
        return whole && alone ? name : QStringLiteral("(%1, %2 files)").arg(name).arg(files);
    }

private slots:
    // Each fault fails the switch with its reason shown, and the active file stays English. The switch runs as the
    // user nobody, so permission bits count also when the tests run as root; a full disk is a file-size limit.
    void failedWritesKeepTheActiveFile_data()
    {
        static const FailedWrite rows[] = {{"folder read-only", false, true, false, "langutil.txt"},
                                           {"disk full", true, true, true, "langutil.txt"},
                                           {"source unreadable", true, false, false, "German.txt"}};
        addRows(rows);
    }
    void failedWritesKeepTheActiveFile()
    {
        QFETCH(FailedWrite, row);
        const auto t = prepare();
        const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        const auto writable = readable | QFile::WriteOwner | QFile::WriteOther;
        QVERIFY(QFile::setPermissions(m_dir->path(), row.folderWritable ? writable : readable));
        if (!row.sourceReadable)
            QVERIFY(QFile::setPermissions(path("German.txt"), QFile::WriteOwner));
        const uid_t uid = geteuid();
        const gid_t gid = getegid();
        rlimit disk{}, full{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &disk) == 0);
        full = {1000, disk.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG instead of ending the process
        const bool faulty = row.diskFull ? setrlimit(RLIMIT_FSIZE, &full) == 0
                                         : uid != 0 || (setegid(65534) == 0 && seteuid(65534) == 0);
        const lang::SwitchOutcome outcome = lang::switchLanguage(t->app, "German.txt", nullptr);
        QVERIFY(seteuid(uid) == 0 && setegid(gid) == 0 && setrlimit(RLIMIT_FSIZE, &disk) == 0 && faulty);
        QVERIFY(QFile::setPermissions(m_dir->path(), writable));
        // The outcome and one message that names the file at fault.
        QCOMPARE(outcome, lang::SwitchOutcome::CopyFailed);
        QCOMPARE(t->platform.messages.size(), 1);
        QVERIFY2(t->platform.messages[0].contains(row.named), qPrintable(t->platform.messages[0]));
        QCOMPARE(activeLanguage(), QStringLiteral("English"));
    }

    // A child process that switches German, English, German, ... without pause is killed at random moments; the
    // active file is always one whole file.
    void killedDuringSwitch()
    {
        const auto t = prepare();
        const quint32 seed = 20261206;
        QRandomGenerator random(seed);
        QMap<QString, int> seen;
        int leftovers = 0;
        for (int round = 0; round < 100; ++round) {
            const pid_t child = fork();
            for (bool german = true; child == 0; german = !german)
                lang::switchLanguage(t->app, german ? "German.txt" : "English.txt", nullptr);
            QVERIFY(child > 0);
            QThread::usleep(random.bounded(20000));
            ::kill(child, SIGKILL);
            QCOMPARE(waitpid(child, nullptr, 0), child);
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

    // A malformed file chosen as a language is refused with a message and changes nothing (a folder is no language
    // file at all); as the active file at start it loads what it can, quietly, and the user can still switch to a
    // good language.
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
        const bool folder = bytes == "folder";
        for (bool asActive : {false, true}) {
            const auto t = prepare();
            const QString target = path(asActive ? lang::kActiveFile : QStringLiteral("German.txt"));
            QFile file(target);
            QVERIFY(file.remove());
            // A sparse file: 100 MB long without using the disk.
            QVERIFY(folder ? QDir().mkdir(target)
                    : bytes == "100 MB" ? file.open(QIODevice::WriteOnly) && file.resize(100 * 1024 * 1024)
                                        : file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            file.close();
            AppState &app = t->app;
            QElapsedTimer timer;
            timer.start();
            if (!asActive) {
                QCOMPARE(lang::switchLanguage(app, "German.txt", nullptr),
                         folder ? lang::SwitchOutcome::SourceMissing : lang::SwitchOutcome::CopyFailed);
                QCOMPARE(t->platform.messages.size(), 1);
                QCOMPARE(t->platform.messages[0] == app.slot(Txt::LanguageFileMissing), folder);
                QCOMPARE(app.slot(Txt::LanguageName), QStringLiteral("English"));
                QCOMPARE(fileBytes(path(lang::kActiveFile)), fileBytes(path("English.txt")));
            } else {
                const QString english101 = app.slot(101);
                QCOMPARE(lang::loadLanguageTexts(app, nullptr),
                         folder ? lang::LoadOutcome::Loaded : lang::LoadOutcome::Failed);
                for (int n = 1; n <= TextTable::kSlots; ++n)
                    QVERIFY(app.slot(n).size() < 10000);
                // A short file is read as far as it goes; the slots past it keep the old language's texts.
                if (bytes == fileOfFields(100))
                    QCOMPARE(app.slot(100) + u'|' + app.slot(101), "Text100|" + english101);
                // A folder in the way: told twice (no active file, cannot write one) and runs in English; the next
                // switch fails the same way, with its reason.
                QCOMPARE(t->platform.messages.size(), folder ? 2 : 0);
                QCOMPARE(lang::switchLanguage(app, "German.txt", nullptr),
                         folder ? lang::SwitchOutcome::CopyFailed : lang::SwitchOutcome::Loaded);
                QCOMPARE(app.slot(Txt::LanguageName), folder ? QStringLiteral("English") : QStringLiteral("Deutsch"));
            }
            QVERIFY(timer.elapsed() < 5000);
        }
    }
};

QTEST_GUILESS_MAIN(TestLangFaults)
#include "tst_langfaults.moc"
