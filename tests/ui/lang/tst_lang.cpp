// Language files read and decoded, the shipped files, loading and switching, each test in a fresh folder (a short,
// malformed or unwritable file is tried in the fault tests).
#include "core/convert/catalogue.h"
#include "fakeplatform.h"
#include "core/lang/languages.h"
#include "core/lang/textslots.h"
#include "ui/lang/loader.h"
#include "testlang.h"

#include <QtTest>

class TestLang : public QObject
{
    Q_OBJECT
    std::optional<QTemporaryDir> m_dir;
    FakePlatform m_platform;
    std::optional<AppState> m_app;

    QString path(const QString &file) const { return m_dir->filePath(file); }
    QByteArray bytes(const QString &file) const { return fileBytes(path(file)); }
    void copyShipped(const QString &file, const QString &as = QString())
    {
        QVERIFY(QFile::copy(shippedLanguageDir() + u'/' + file, path(as.isEmpty() ? file : as)));
    }
    lang::LoadOutcome load() { return lang::loadLanguageTexts(*m_app, nullptr); }

private slots:
    void init()
    {
        m_dir.emplace();
        m_platform = FakePlatform();
        m_app.emplace(m_platform);
        m_app->languageDir = QDir(m_dir->path());
    }

    // Commas and line ends separate fields; blanks around an unquoted field go; a quoted field keeps its commas and
    // drops what follows its closing quote; an empty line is an empty field; an unclosed quote runs to the end.
    void splitFields()
    {
        const std::pair<QString, QStringList> rows[] = {
            {"a,b\r\nc\nd\re", {"a", "b", "c", "d", "e"}},
            {"   Flow rate  ,\t b \t", {"Flow rate", "b"}},
            {"\"Size, v =\"junk,\" per second\",\"\"", {"Size, v =", " per second", ""}},
            {"a\n\nb\n", {"a", "", "b"}},
            {"\"a,b", {"a,b"}}};
        for (const auto &[text, fields] : rows)
            QCOMPARE(lang::splitFields(text), fields);
    }

    // A file is in the code page its language (field 62) names, unless it is UTF-8; fields after the 160th go.
    void codePages()
    {
        const std::tuple<QByteArray, QByteArray, QString, QString> rows[] = {
            {"Gr\xf6\xdf" "e", "Text62", "windows-1252", "Größe"},
            {"Cs\xf5 \xfb", "Magyar", "windows-1250", "Cső ű"},
            {"Cs\xc5\x91 \xc5\xb1", "Text62", "UTF-8", "Cső ű"},
            {"Text1", "Text62", "windows-1252", "Text1"}};
        for (const auto &[first, name, codePage, decoded] : rows) {
            QByteArray file = fileOfFields(160).replace("Text1\r\n", first + "\r\n");
            file.replace("Text62\r\n", name + "\r\n");
            QCOMPARE(lang::codePageOf(file), codePage);
            QCOMPARE(lang::decodeFields(file).value(0), decoded);
            QCOMPARE(lang::decodeFields(file + "More\r\n").size(), 160);
        }
    }

    // Every language of the table: its file is shipped whole (160 fields), names itself as the table does, decodes
    // without a replacement character, fills the captions the tool menu shows and gives usable unit names; its name
    // is recognised only in its own letter case.
    void shippedFiles()
    {
        for (const lang::Language &l : lang::languages()) {
            AppState app(m_platform);
            QVERIFY2(loadShippedLanguage(app, l.file), l.file);
            QCOMPARE(app.slot(Txt::LanguageName), QLatin1StringView(l.name));
            QCOMPARE(lang::languageNamed(QString::fromLatin1(l.name)), &l);
            QString all;
            for (int n = 1; n <= 160; ++n)
                all += app.slot(n) + u'\n';
            QVERIFY2(!all.contains(QChar::ReplacementCharacter), l.file);
            for (int n : {Txt::SuiteName, Txt::Velocity, Txt::ProbeName, Txt::MainMenu, Txt::Quit, Txt::Units,
                          Txt::Metric, Txt::Imperial, Txt::PressureLoss, Txt::MeterSizing, Txt::LanguageFileMissing,
                          Txt::UnitConverter, Txt::MeterSelection, Txt::VeldrixPayback})
                QVERIFY2(!app.slot(n).isEmpty(), qPrintable(QStringLiteral("%1 slot %2").arg(l.file).arg(n)));
            // The one Central European file: its own letters, not Western ones.
            if (QLatin1StringView(l.codePage) == QLatin1StringView("windows-1250"))
                QVERIFY(all.contains(u'ő') && all.contains(u'ű'));
            // The converter recognises a unit by its name: a list's names differ from each other and its prompt.
            for (conv::Quantity q : conv::kFillOrder) {
                const QStringList names = conv::unitNames(q, app.texts);
                QVERIFY2(QSet<QString>(names.begin(), names.end()).size() == names.size()
                             && !names.contains(app.slot(conv::promptSlot(q))) && !names.contains(QString()),
                         qPrintable(QStringLiteral("%1, unit list %2").arg(l.file).arg(conv::captionSlot(q))));
            }
        }
        QVERIFY(!lang::languageNamed(u"deutsch"));
    }

    // Without langutil.txt the user is told once and English is copied over it; without English too the user is
    // told why and the program stops.
    void missingActiveFile()
    {
        copyShipped("English.txt");
        QCOMPARE(load(), lang::LoadOutcome::Loaded);
        QCOMPARE(m_platform.messages, QStringList{"Master Language File not currently available"});
        QCOMPARE(m_app->slot(Txt::LanguageName), QStringLiteral("English"));
        QCOMPARE(bytes("langutil.txt"), bytes("English.txt"));
        QCOMPARE(load(), lang::LoadOutcome::Loaded);
        QCOMPARE(m_platform.messages.size(), 1);
        QVERIFY(QFile::remove(path("langutil.txt")) && QFile::remove(path("English.txt")));
        QCOMPARE(load(), lang::LoadOutcome::Stopped);
        QCOMPARE(m_platform.messages.size(), 3);
        QCOMPARE(m_platform.messages[1], QStringLiteral("Master Language File not currently available"));
        QVERIFY(m_platform.messages[2].contains("English.txt"));
        QCOMPARE(m_platform.quitCode, 1);
    }

    // A switch survives a restart, which loads the active file and stores the conversion constants. The rows: the
    // shipped file, the name asked for (the menu asks for some in lower case, the folder has them capitalised), and
    // the language.
    void switchThenRestartKeepsLanguage_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::newRow("list, exact case") << QStringList{"German.txt", "German.txt", "Deutsch"};
        QTest::newRow("menu, lower case") << QStringList{"German.txt", "german.txt", "Deutsch"};
        QTest::newRow("menu, upper case on disk") << QStringList{"Hungary.txt", "hungary.TXT", "Magyar"};
    }
    void switchThenRestartKeepsLanguage()
    {
        QFETCH(QStringList, files);
        copyShipped("English.txt");
        copyShipped("English.txt", "Langutil.txt"); // the active file under another case
        copyShipped(files[0]);
        QCOMPARE(load(), lang::LoadOutcome::Loaded);
        QCOMPARE(lang::switchLanguage(*m_app, files[1], nullptr), lang::SwitchOutcome::Loaded);
        QCOMPARE(m_app->slot(Txt::LanguageName), files[2]);
        m_app.emplace(m_platform); // a restart
        m_app->languageDir = QDir(m_dir->path());
        QCOMPARE(load(), lang::LoadOutcome::Loaded);
        QCOMPARE(m_app->slot(Txt::LanguageName), files[2]);
        QVERIFY(m_platform.messages.isEmpty());
        // One active file only, whatever the case it was written with.
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).filter("langutil.txt", Qt::CaseInsensitive).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestLang)
#include "tst_lang.moc"
