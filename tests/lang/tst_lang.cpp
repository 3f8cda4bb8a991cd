#include "common/appstate.h"
#include "fakeplatform.h"
#include "lang/langfile.h"
#include "lang/languages.h"
#include "lang/loader.h"
#include "testlang.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray fileOfFields(int count, const QByteArray &prefix = "Text")
{
    QByteArray out;
    for (int i = 1; i <= count; ++i)
        out += prefix + QByteArray::number(i) + "\r\n";
    return out;
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestLang : public QObject
{
    Q_OBJECT
private slots:
    void splitFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("comma separated") << "a,b,c" << QStringList{"a", "b", "c"};
        QTest::newRow("line ends") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"};
        QTest::newRow("mixed") << "a,b\r\nc" << QStringList{"a", "b", "c"};
        QTest::newRow("leading blanks skipped") << "   a,\t b" << QStringList{"a", "b"};
        QTest::newRow("trailing blanks removed") << "a   ,b \t" << QStringList{"a", "b"};
        QTest::newRow("inner blanks kept") << "Flow rate" << QStringList{"Flow rate"};
        QTest::newRow("quoted comma kept") << "\"Size, v =\",x" << QStringList{"Size, v =", "x"};
        QTest::newRow("quoted blanks kept") << "\" per second\"" << QStringList{" per second"};
        QTest::newRow("after closing quote skipped") << "\"a\"junk,b" << QStringList{"a", "b"};
        QTest::newRow("empty quoted") << "\"\",b" << QStringList{"", "b"};
        QTest::newRow("empty line is an empty field") << "a\n\nb" << QStringList{"a", "", "b"};
        QTest::newRow("final line end adds nothing") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("unclosed quote runs to the end") << "\"a,b" << QStringList{"a,b"};
    }
    void splitFields()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QCOMPARE(lang::splitFields(text), fields);
    }

    void fieldsAfterTheLastSlotAreIgnored()
    {
        const QStringList fields = lang::decodeFields(fileOfFields(170));
        QCOMPARE(fields.size(), 160);
        QCOMPARE(fields.last(), QStringLiteral("Text160"));
    }

    void codePages_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("codePage");
        QTest::addColumn<QString>("decoded");
        QByteArray western = fileOfFields(160);
        western.replace("Text1\r\n", "Gr\xf6\xdf" "e\r\n");
        QByteArray hungarian = fileOfFields(160).replace("Text62\r\n", "Magyar\r\n");
        hungarian.replace("Text1\r\n", "Cs\xf5 \xfb\r\n");
        QByteArray utf8 = fileOfFields(160);
        utf8.replace("Text1\r\n", "Cs\xc5\x91 \xc5\xb1\r\n");
        QTest::newRow("western") << western << "windows-1252" << QString::fromUtf8("Größe");
        QTest::newRow("hungarian") << hungarian << "windows-1250" << QString::fromUtf8("Cső ű");
        QTest::newRow("utf-8") << utf8 << "UTF-8" << QString::fromUtf8("Cső ű");
        QTest::newRow("ascii") << fileOfFields(160) << "windows-1252" << "Text1";
    }
    void codePages()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, codePage);
        QFETCH(QString, decoded);
        QCOMPARE(lang::codePageOf(bytes), codePage);
        QCOMPARE(lang::decodeFields(bytes).value(0), decoded);
    }

    // Every shipped language: 160 fields, its own name in field 62, and
    // correctly decoded accents.
    void shippedFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sample");
        QTest::newRow("English") << "English.txt" << "English" << "Metric";
        QTest::newRow("French") << "French.txt" << "Francais" << "é";
        QTest::newRow("German") << "German.txt" << "Deutsch" << "ä";
        QTest::newRow("Spanish") << "Spanish.txt" << "Espanol" << "ó";
        QTest::newRow("Dutch") << "Dutch.txt" << "Nederlands" << "Eenheden";
        QTest::newRow("Italian") << "Italian.txt" << "Italiano" << "à";
        QTest::newRow("Hungarian") << "Hungary.txt" << "Magyar" << "ő";
        QTest::newRow("Special") << "Special.txt" << "Special" << "Liters";
    }
    void shippedFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QFETCH(QString, sample);
        FakePlatform platform;
        AppState app(platform);
        QVERIFY2(loadShippedLanguage(app, file), qPrintable(file));
        QCOMPARE(app.slot(62), name);
        QString all;
        for (int n = 1; n <= 160; ++n)
            all += app.slot(n) + u'\n';
        QVERIFY2(all.contains(sample), qPrintable(sample));
        QVERIFY(!all.contains(QChar::ReplacementCharacter));
        if (name == QLatin1String("Magyar"))
            QVERIFY(all.contains(u'ű'));
        for (int n : {1, 12, 25, 38, 39, 40, 41, 42, 54, 64, 73, 85, 121, 140})
            QVERIFY2(!app.slot(n).isEmpty(), qPrintable(QStringLiteral("%1 slot %2").arg(file).arg(n)));
    }
};

// Loading and switching, each in a fresh temporary folder.
class TestLoader : public QObject
{
    Q_OBJECT
    QTemporaryDir *m_dir = nullptr;
    FakePlatform m_platform;
    std::unique_ptr<AppState> m_state;
    AppState &m_app() { return *m_state; }

    void copyShipped(const QString &file, const QString &as = QString())
    {
        QVERIFY(QFile::copy(shippedLanguageDir() + u'/' + file, m_dir->filePath(as.isEmpty() ? file : as)));
    }

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        m_platform = FakePlatform();
        m_state = std::make_unique<AppState>(m_platform);
        m_app().languageDir = QDir(m_dir->path());
    }
    void cleanup() { delete m_dir; }

    void loadsActiveFileAndStoresConstants()
    {
        copyShipped("German.txt", "langutil.txt");
        m_app().litresPerUsGallon = 0;
        QCOMPARE(lang::loadLanguageTexts(m_app(), nullptr), lang::LoadOutcome::Loaded);
        QCOMPARE(m_app().slot(62), QStringLiteral("Deutsch"));
        QCOMPARE(m_app().litresPerUsGallon, 3.78778);
        QCOMPARE(m_app().litresPerImpGallon, 4.54609);
        QCOMPARE(m_app().feetPerMetre, 3.280819);
        QVERIFY(m_platform.messages.isEmpty());
    }

    void missingActiveFileFallsBackToEnglishOnce()
    {
        copyShipped("English.txt");
        QCOMPARE(lang::loadLanguageTexts(m_app(), nullptr), lang::LoadOutcome::Loaded);
        QCOMPARE(m_platform.messages, QStringList{"Master Language File not currently available"});
        QCOMPARE(m_app().slot(62), QStringLiteral("English"));
        QCOMPARE(readAll(m_dir->filePath("langutil.txt")), readAll(m_dir->filePath("English.txt")));
        // The next start finds the active file: no message.
        QCOMPARE(lang::loadLanguageTexts(m_app(), nullptr), lang::LoadOutcome::Loaded);
        QCOMPARE(m_platform.messages.size(), 1);
    }

    void missingEnglishToo_stopsInOrder()
    {
        QCOMPARE(lang::loadLanguageTexts(m_app(), nullptr), lang::LoadOutcome::Stopped);
        QCOMPARE(m_platform.messages.size(), 2);
        QCOMPARE(m_platform.messages.first(), QStringLiteral("Master Language File not currently available"));
        QVERIFY(m_platform.messages.last().contains("English.txt"));
        QCOMPARE(m_platform.quitCode, 1);
    }

    void shortFileKeepsOldTextsBeyondWhatWasRead()
    {
        write(m_dir->filePath("langutil.txt"), fileOfFields(100, "New"));
        for (int n = 1; n <= 160; ++n)
            m_app().texts.setSlot(n, QStringLiteral("Old%1").arg(n));
        QCOMPARE(lang::loadLanguageTexts(m_app(), nullptr), lang::LoadOutcome::Failed);
        QCOMPARE(m_app().slot(100), QStringLiteral("New100"));
        QCOMPARE(m_app().slot(101), QStringLiteral("Old101"));
        QVERIFY(m_platform.messages.isEmpty());
    }

    void quotedCommaFillsOneSlot()
    {
        QByteArray bytes = fileOfFields(160);
        bytes.replace("Text5\r\n", "\"Cubic metres, per hour\"\r\n");
        write(m_dir->filePath("langutil.txt"), bytes);
        QCOMPARE(lang::loadLanguageTexts(m_app(), nullptr), lang::LoadOutcome::Loaded);
        QCOMPARE(m_app().slot(5), QStringLiteral("Cubic metres, per hour"));
        QCOMPARE(m_app().slot(6), QStringLiteral("Text6"));
        QCOMPARE(m_app().slot(160), QStringLiteral("Text160"));
    }

    void switchThenRestartKeepsLanguage_data()
    {
        QTest::addColumn<QString>("shipped");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("name");
        // The menu asks for some files in lower case; the folder holds them
        // capitalised.
        QTest::newRow("list, exact case") << "German.txt" << "German.txt" << "Deutsch";
        QTest::newRow("menu, lower case") << "German.txt" << "german.txt" << "Deutsch";
        QTest::newRow("menu, upper case on disk") << "Hungary.txt" << "hungary.TXT" << "Magyar";
    }
    void switchThenRestartKeepsLanguage()
    {
        QFETCH(QString, shipped);
        QFETCH(QString, asked);
        QFETCH(QString, name);
        copyShipped("English.txt");
        copyShipped("English.txt", "Langutil.txt"); // the active file under another case
        copyShipped(shipped);
        QCOMPARE(lang::loadLanguageTexts(m_app(), nullptr), lang::LoadOutcome::Loaded);
        QCOMPARE(lang::switchLanguage(m_app(), asked, nullptr), lang::SwitchOutcome::Loaded);
        QCOMPARE(m_app().slot(62), name);

        AppState restarted(m_platform);
        restarted.languageDir = m_app().languageDir;
        QCOMPARE(lang::loadLanguageTexts(restarted, nullptr), lang::LoadOutcome::Loaded);
        QCOMPARE(restarted.slot(62), name);
        QVERIFY(m_platform.messages.isEmpty());
        // One active file only, whatever the case it was written with.
        const QStringList files = QDir(m_dir->path()).entryList(QDir::Files);
        QCOMPARE(files.filter(QStringLiteral("langutil.txt"), Qt::CaseInsensitive).size(), 1);
    }

    void missingLanguageShowsSlot73AndChangesNothing()
    {
        copyShipped("English.txt", "langutil.txt");
        QCOMPARE(lang::loadLanguageTexts(m_app(), nullptr), lang::LoadOutcome::Loaded);
        const QByteArray before = readAll(m_dir->filePath("langutil.txt"));
        QCOMPARE(lang::switchLanguage(m_app(), "French.txt", nullptr), lang::SwitchOutcome::SourceMissing);
        QCOMPARE(m_platform.messages, QStringList{m_app().slot(73)});
        QCOMPARE(m_app().slot(62), QStringLiteral("English"));
        QCOMPARE(readAll(m_dir->filePath("langutil.txt")), before);
    }

    void failedCopyLeavesActiveFileAndTable()
    {
        copyShipped("English.txt", "langutil.txt");
        copyShipped("German.txt");
        QCOMPARE(lang::loadLanguageTexts(m_app(), nullptr), lang::LoadOutcome::Loaded);
        // The active file cannot be replaced: a folder stands in the way of
        // the rename (a read-only folder fails the same way for a normal user).
        QVERIFY(QFile::rename(m_dir->filePath("langutil.txt"), m_dir->filePath("keep.txt")));
        QVERIFY(QDir(m_dir->path()).mkdir("langutil.txt"));
        m_app().languageDir.refresh();
        QCOMPARE(lang::switchLanguage(m_app(), "German.txt", nullptr), lang::SwitchOutcome::CopyFailed);
        QCOMPARE(m_platform.messages.size(), 1);
        QVERIFY(m_platform.messages.first().contains("langutil.txt"));
        QCOMPARE(m_app().slot(62), QStringLiteral("English"));
        // No temporary file is left behind.
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
    }

    // Each language's file is shipped and names itself as the table does; a
    // name is recognised only with its own letter case.
    void everyLanguageHasItsFile()
    {
        for (const lang::Language &l : lang::languages()) {
            AppState app(m_platform);
            QVERIFY2(loadShippedLanguage(app, l.file), l.file);
            QCOMPARE(app.slot(62), QLatin1StringView(l.name));
            QCOMPARE(lang::languageNamed(QString::fromLatin1(l.name)), &l);
        }
        QVERIFY(!lang::languageNamed(u"deutsch"));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TestLang lang;
    TestLoader loader;
    return QTest::qExec(&lang, argc, argv) | QTest::qExec(&loader, argc, argv);
}
#include "tst_lang.moc"
