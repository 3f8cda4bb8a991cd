// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Language files read and decoded, the shipped files, loading and switching, each test in a fresh folder (a short,
// malformed or unwritable file is tried in the fault tests).
#include "core/convert/catalogue.h"
#include "fakeplatform.h"
#include "core/lang/languages.h"
#include "core/lang/textslots.h"
#include "ui/lang/loader.h"
#include "testlang.h"
#include "datarows.h"

#include <QTranslator>
#include <QtTest>

namespace {
// A text and the fields it splits into.
struct Split { const char *name; QString text; QStringList fields; };
// A file's first field and its language (field 62) as bytes; the code page found and the first field decoded.
struct CodePage { const char *name; QByteArray first, language; QString codePage, decoded; };
} // namespace

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
    void splitFields_data()
    {
        const Split rows[] = {
            {"line ends of each kind", "a,b\r\nc\nd\re", {"a", "b", "c", "d", "e"}},
            {"blanks around", "   Flow rate  ,\t b \t", {"Flow rate", "b"}},
            {"quoted", "\"Size, v =\"junk,\" per second\",\"\"", {"Size, v =", " per second", ""}},
            {"empty line", "a\n\nb\n", {"a", "", "b"}}, {"unclosed quote", "\"a,b", {"a,b"}}};
        addRows(rows);
    }
    void splitFields()
    {
        QFETCH(Split, row);
        QCOMPARE(lang::splitFields(row.text), row.fields);
    }

    // A file is in the code page its language (field 62) names, unless it is UTF-8; fields after the 160th go.
    void codePages_data()
    {
        const CodePage rows[] = {{"unknown language", "Gr\xf6\xdf" "e", "Text62", "windows-1252", "Größe"},
                                 {"Magyar", "Cs\xf5 \xfb", "Magyar", "windows-1250", "Cső ű"},
                                 {"UTF-8", "Cs\xc5\x91 \xc5\xb1", "Text62", "UTF-8", "Cső ű"},
                                 {"plain ASCII", "Text1", "Text62", "windows-1252", "Text1"}};
        addRows(rows);
    }
    void codePages()
    {
        QFETCH(CodePage, row);
        QByteArray file = fileOfFields(160).replace("Text1\r\n", row.first + "\r\n");
        file.replace("Text62\r\n", row.language + "\r\n");
        QCOMPARE(lang::codePageOf(file), row.codePage);
        QCOMPARE(lang::decodeFields(file).value(0), row.decoded);
        QCOMPARE(lang::decodeFields(file + "More\r\n").size(), 160);
    }

    // Every language of the table: its file is shipped whole (160 fields), names itself as the table does, decodes
    // without a replacement character, fills the captions the tool menu shows and gives usable unit names; its name
    // is recognised only in its own letter case.
    void shippedFiles_data()
    {
        QTest::addColumn<const lang::Language *>("language");
        for (const lang::Language &l : lang::languages())
            QTest::newRow(l.file) << &l;
    }
    void shippedFiles()
    {
        QFETCH(const lang::Language *, language);
        const lang::Language &l = *language;
        AppState app(m_platform);
        QVERIFY(loadShippedLanguage(app, l.file));
        QCOMPARE(app.slot(Txt::LanguageName), QLatin1StringView(l.name));
        QCOMPARE(lang::languageNamed(QString::fromLatin1(l.name)), &l);
        QVERIFY(!lang::languageNamed(QString::fromLatin1(l.name).toLower()));
        QString all;
        for (int n = 1; n <= 160; ++n)
            all += app.slot(n) + u'\n';
        QVERIFY(!all.contains(QChar::ReplacementCharacter));
        for (int n : {Txt::SuiteName, Txt::Velocity, Txt::ProbeName, Txt::MainMenu, Txt::Quit, Txt::Units, Txt::Metric,
                      Txt::Imperial, Txt::PressureLoss, Txt::MeterSizing, Txt::LanguageFileMissing, Txt::UnitConverter,
                      Txt::MeterSelection, Txt::VeldrixPayback})
            QVERIFY2(!app.slot(n).isEmpty(), qPrintable(QStringLiteral("slot %1").arg(n)));
        // The one Central European file: its own letters, not Western ones.
        if (QLatin1StringView(l.codePage) == QLatin1StringView("windows-1250"))
            QVERIFY(all.contains(u'ő') && all.contains(u'ű'));
        // The converter recognises a unit by its name: a list's names differ from each other and its prompt.
        for (conv::Quantity q : conv::kFillOrder) {
            const QStringList names = conv::unitNames(q, app.texts);
            QVERIFY2(QSet<QString>(names.begin(), names.end()).size() == names.size()
                         && !names.contains(app.slot(conv::promptSlot(q))) && !names.contains(QString()),
                     qPrintable(QStringLiteral("unit list %1").arg(conv::captionSlot(q))));
        }
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

    // The program's own words in each language: its translation is built in and every word of its .ts file is
    // translated (English and the site's variant use the words as written).
    void programWords_data()
    {
        QTest::addColumn<QString>("code");
        for (const lang::Language &l : lang::languages()) {
            if (QLatin1StringView(l.words) != u"en")
                QTest::newRow(l.name) << QString::fromLatin1(l.words);
        }
    }
    void programWords()
    {
        QFETCH(QString, code);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/gauntry_") + code));
        QFile ts(shippedLanguageDir() + QStringLiteral("/../../translations/gauntry_") + code + QStringLiteral(".ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(ts.readAll());
        QVERIFY(text.count(QStringLiteral("<source>")) > 10);
        QCOMPARE(text.count(QStringLiteral("type=\"unfinished\"")), 0);
        QCOMPARE(translator.translate("MDIForm1", "Exit").isEmpty(), false);
    }
};

QTEST_GUILESS_MAIN(TestLang)
#include "tst_lang.moc"
