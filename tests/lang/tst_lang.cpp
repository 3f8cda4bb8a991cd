#include "common/appstate.h"
#include "convert/catalogue.h"
#include "fakeplatform.h"
#include "lang/langfile.h"
#include "lang/languages.h"
#include "lang/loader.h"
#include "testlang.h"

#include <QSet>
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
        QTest::newRow("separators") << "a,b\r\nc\nd\re" << QStringList{"a", "b", "c", "d", "e"};
        QTest::newRow("blanks") << "   Flow rate  ,\t b \t" << QStringList{"Flow rate", "b"};
        QTest::newRow("quoted") << "\"Size, v =\"junk,\" per second\",\"\"" << QStringList{"Size, v =", " per second", ""};
        QTest::newRow("empty line is an empty field, final line end adds nothing") << "a\n\nb\n"
                                                                                  << QStringList{"a", "", "b"};
        QTest::newRow("unclosed quote runs to the end") << "\"a,b" << QStringList{"a,b"};
    }
    void splitFields()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QCOMPARE(lang::splitFields(text), fields);
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
        // Fields after the 160th are ignored.
        QCOMPARE(lang::decodeFields(bytes + "More\r\n").size(), 160);
    }

    // Every language of the table: its file is shipped whole (160 fields),
    // names itself as the table does, decodes without a replacement
    // character, fills the captions the tool menu shows and gives usable
    // unit names; its name is recognised only in its own letter case.
    void shippedFiles()
    {
        for (const lang::Language &l : lang::languages()) {
            FakePlatform platform;
            AppState app(platform);
            QVERIFY2(loadShippedLanguage(app, l.file), l.file);
            QCOMPARE(app.slot(62), QLatin1StringView(l.name));
            QCOMPARE(lang::languageNamed(QString::fromLatin1(l.name)), &l);
            QString all;
            for (int n = 1; n <= 160; ++n)
                all += app.slot(n) + u'\n';
            QVERIFY2(!all.contains(QChar::ReplacementCharacter), l.file);
            for (int n : {1, 12, 25, 38, 39, 40, 41, 42, 54, 64, 73, 85, 121, 140})
                QVERIFY2(!app.slot(n).isEmpty(), qPrintable(QStringLiteral("%1 slot %2").arg(l.file).arg(n)));
            // The one Central European file: its own letters, not Western ones.
            if (QLatin1StringView(l.codePage) == QLatin1StringView("windows-1250"))
                QVERIFY(all.contains(u'ő') && all.contains(u'ű'));
            // The converter recognises a unit by its name: each list's names
            // must differ from each other and from the list's prompt.
            for (conv::Quantity q : conv::kFillOrder) {
                const QStringList names = conv::unitNames(q, app.texts);
                QVERIFY2(QSet<QString>(names.begin(), names.end()).size() == names.size()
                             && !names.contains(app.slot(conv::promptSlot(q))) && !names.contains(QString()),
                         qPrintable(QStringLiteral("%1, unit list %2").arg(l.file).arg(conv::captionSlot(q))));
            }
        }
        QVERIFY(!lang::languageNamed(u"deutsch"));
    }
};

// Loading and switching, each in a fresh temporary folder.
class TestLoader : public QObject
{
    Q_OBJECT
    QTemporaryDir *m_dir = nullptr;
    FakePlatform m_platform;
    std::optional<AppState> m_app;

    void copyShipped(const QString &file, const QString &as = QString())
    {
        QVERIFY(QFile::copy(shippedLanguageDir() + u'/' + file, m_dir->filePath(as.isEmpty() ? file : as)));
    }

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        m_platform = FakePlatform();
        m_app.emplace(m_platform);
        m_app->languageDir = QDir(m_dir->path());
    }
    void cleanup() { delete m_dir; }

    void loadsActiveFileAndStoresConstants()
    {
        copyShipped("German.txt", "langutil.txt");
        m_app->litresPerUsGallon = 0;
        QCOMPARE(lang::loadLanguageTexts(*m_app, nullptr), lang::LoadOutcome::Loaded);
        QCOMPARE(m_app->slot(62), QStringLiteral("Deutsch"));
        QCOMPARE(m_app->litresPerUsGallon, 3.78778);
        QCOMPARE(m_app->litresPerImpGallon, 4.54609);
        QCOMPARE(m_app->feetPerMetre, 3.280819);
        QVERIFY(m_platform.messages.isEmpty());
    }

    void missingActiveFileFallsBackToEnglishOnce()
    {
        copyShipped("English.txt");
        QCOMPARE(lang::loadLanguageTexts(*m_app, nullptr), lang::LoadOutcome::Loaded);
        QCOMPARE(m_platform.messages, QStringList{"Master Language File not currently available"});
        QCOMPARE(m_app->slot(62), QStringLiteral("English"));
        QCOMPARE(readAll(m_dir->filePath("langutil.txt")), readAll(m_dir->filePath("English.txt")));
        // The next start finds the active file: no message.
        QCOMPARE(lang::loadLanguageTexts(*m_app, nullptr), lang::LoadOutcome::Loaded);
        QCOMPARE(m_platform.messages.size(), 1);
    }

    void missingEnglishToo_stopsInOrder()
    {
        QCOMPARE(lang::loadLanguageTexts(*m_app, nullptr), lang::LoadOutcome::Stopped);
        QCOMPARE(m_platform.messages.size(), 2);
        QCOMPARE(m_platform.messages.first(), QStringLiteral("Master Language File not currently available"));
        QVERIFY(m_platform.messages.last().contains("English.txt"));
        QCOMPARE(m_platform.quitCode, 1);
    }

    void shortFileKeepsOldTextsBeyondWhatWasRead()
    {
        write(m_dir->filePath("langutil.txt"), fileOfFields(100, "New"));
        for (int n = 1; n <= 160; ++n)
            m_app->texts.setSlot(n, QStringLiteral("Old%1").arg(n));
        QCOMPARE(lang::loadLanguageTexts(*m_app, nullptr), lang::LoadOutcome::Failed);
        QCOMPARE(m_app->slot(100), QStringLiteral("New100"));
        QCOMPARE(m_app->slot(101), QStringLiteral("Old101"));
        QVERIFY(m_platform.messages.isEmpty());
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
        QCOMPARE(lang::loadLanguageTexts(*m_app, nullptr), lang::LoadOutcome::Loaded);
        QCOMPARE(lang::switchLanguage(*m_app, asked, nullptr), lang::SwitchOutcome::Loaded);
        QCOMPARE(m_app->slot(62), name);

        AppState restarted(m_platform);
        restarted.languageDir = m_app->languageDir;
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
        QCOMPARE(lang::loadLanguageTexts(*m_app, nullptr), lang::LoadOutcome::Loaded);
        const QByteArray before = readAll(m_dir->filePath("langutil.txt"));
        QCOMPARE(lang::switchLanguage(*m_app, "French.txt", nullptr), lang::SwitchOutcome::SourceMissing);
        QCOMPARE(m_platform.messages, QStringList{m_app->slot(73)});
        QCOMPARE(m_app->slot(62), QStringLiteral("English"));
        QCOMPARE(readAll(m_dir->filePath("langutil.txt")), before);
    }

    void failedCopyLeavesActiveFileAndTable()
    {
        copyShipped("English.txt", "langutil.txt");
        copyShipped("German.txt");
        QCOMPARE(lang::loadLanguageTexts(*m_app, nullptr), lang::LoadOutcome::Loaded);
        // The active file cannot be replaced: a folder stands in the way of
        // the rename (a read-only folder fails the same way for a normal user).
        QVERIFY(QFile::rename(m_dir->filePath("langutil.txt"), m_dir->filePath("keep.txt")));
        QVERIFY(QDir(m_dir->path()).mkdir("langutil.txt"));
        m_app->languageDir.refresh();
        QCOMPARE(lang::switchLanguage(*m_app, "German.txt", nullptr), lang::SwitchOutcome::CopyFailed);
        QCOMPARE(m_platform.messages.size(), 1);
        QVERIFY(m_platform.messages.first().contains("langutil.txt"));
        QCOMPARE(m_app->slot(62), QStringLiteral("English"));
        // No temporary file is left behind.
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
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
