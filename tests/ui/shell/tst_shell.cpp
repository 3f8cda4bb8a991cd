// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, the main window and the tool menu, each test in a fresh folder holding the shipped language files.
#include "ui/common/events.h"
#include "core/lang/textslots.h"
#include "screenfixture.h"
#include "ui/shell/utilsmenu.h"

class TestShell : public QObject
{
    Q_OBJECT
    std::optional<SuiteFixture> m_suite;
    QString m_clockDuringSplash; // the clock as the splash pause saw it, and whether it ran

    template <typename T = QPushButton> T *find(const QString &name) const { return control<T>(&m_suite->main, name); }
    QString texts(const QStringList &names) const { return shownTexts(&m_suite->main, names, u'|'); }
    void closeDeleted() const { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private slots:
    // The suite started on English as the active language.
    void init()
    {
        m_suite.emplace();
        m_suite->platform.duringPause = [this] {
            m_clockDuringSplash = texts({"LblTime"}) + (find<QTimer>("Timer1")->isActive() ? " ticking" : "");
        };
        QVERIFY(m_suite->main.start());
    }

    void startUpCaptionsEverything()
    {
        // A maximised child adds its title in brackets, as desktop MDI windows do.
        QVERIFY(m_suite->main.windowTitle().startsWith(QStringLiteral("Quorvel")));
        // The splash waited two seconds, once, in the platform's pause, with the clock already running.
        QCOMPARE(m_suite->platform.pauses, QList<int>{2000});
        QCOMPARE(m_clockDuringSplash, QStringLiteral("09:30:00 ticking"));
        QCOMPARE(texts({"LblVersion", "LblDate", "TxtMdiUnitsTitle", "TxtMdiUnits"}),
                 QStringLiteral("V 3.051 |06-Dec-26|Units|Metric"));
        UtilsMenu *menu = m_suite->main.toolMenu();
        QVERIFY(menu && menu->parentWidget()->isMaximized());
        QCOMPARE(menu->windowTitle(), QStringLiteral("Gauntry  Main Menu"));
        QCOMPARE(texts({"CmdMdiMenu", "CmdMdiQuit", "CmdMenuVel", "CmdMenuPress", "CmdMenuSize", "CmdVeldrixPayBack",
                        "CmdMenuProbe", "CmdMenuConvert", "CmdMetersel", "CmdMetric", "CmdImperial", "FrameMenu",
                        "FrameUnits", "CmbLanguage"}),
                 QStringLiteral("Main Menu|Quit|Velocity|Pressure loss|Meter sizing|Veldrix Payback|Tessivo|"
                                "Unit converter|Meter selection|Metric|Imperial|Main Menu|Units|English"));
        QCOMPARE(find<QComboBox>("CmbLanguage")->count(), 8);
        // The clock ticks on past midnight; the date stays as set at start.
        m_suite->main.tick();
        QCOMPARE(texts({"LblTime"}), QStringLiteral("09:30:00"));
        m_suite->platform.clock = QDateTime(QDate(2026, 12, 7), QTime(0, 0, 1));
        m_suite->main.tick();
        QCOMPARE(texts({"LblTime", "LblDate"}), QStringLiteral("00:00:01|06-Dec-26"));
    }

    // A screen opens once: a second press brings the same window to the front. The menu button closes every calculator
    // screen and brings up the tool menu, opening it anew once the user has closed it.
    void screensAndToolMenu()
    {
        for (Screen screen : {Screen::Converter, Screen::Probe, Screen::MeterSelection}) {
            QWidget *first = m_suite->main.screens().open(screen);
            QCOMPARE(first ? first->objectName() : QString(), screenName(screen));
            const int windows = m_suite->main.mdiArea()->subWindowList().size();
            QCOMPARE(m_suite->main.screens().open(screen), first);
            QCOMPARE(m_suite->main.mdiArea()->subWindowList().size(), windows);
            QCOMPARE(m_suite->main.mdiArea()->activeSubWindow()->widget(), first);
        }
        find("CmdMdiMenu")->click();
        closeDeleted();
        for (Screen screen : kCalculatorScreens)
            QVERIFY2(!m_suite->main.screens().find(screen), qPrintable(screenName(screen) + " is still open"));
        QVERIFY(m_suite->main.toolMenu()->parentWidget()->isMaximized());
        const int windows = m_suite->main.mdiArea()->subWindowList().size();
        find("CmdMdiMenu")->click();
        QCOMPARE(m_suite->main.mdiArea()->subWindowList().size(), windows);
        m_suite->main.toolMenu()->parentWidget()->close();
        closeDeleted();
        QVERIFY(!m_suite->main.toolMenu());
        find("CmdMdiMenu")->click();
        QVERIFY(m_suite->main.toolMenu() && m_suite->main.toolMenu()->parentWidget()->isMaximized());
        QCOMPARE(texts({"CmdMenuConvert"}), QStringLiteral("Unit converter"));
        // Quitting goes through the platform.
        find("CmdMdiQuit")->click();
        QCOMPARE(m_suite->platform.quitCode, 0);
    }

    // A language chosen from the list or the Language menu re-captions the menu and units box, not the units title.
    void languageSwitchRecaptions()
    {
        find("CmdImperial")->click();
        QVERIFY(!m_suite->app.metric);
        QCOMPARE(texts({"TxtMdiUnits"}), QStringLiteral("Imperial"));
        auto *list = find<QComboBox>("CmbLanguage");
        ev::choose(list, list->findText("Magyar"));
        QCOMPARE(m_suite->app.slot(Txt::LanguageName), QStringLiteral("Magyar"));
        const QStringList captions = {"CmdMdiMenu", "FrameMenu", "TxtMdiUnitsTitle", "TxtMdiUnits"};
        QCOMPARE(texts(captions), QString::fromUtf8("Főmenü|Főmenü|Units|") + m_suite->app.slot(Txt::Imperial));
        // The program's own words follow: the menus in the new language.
        QMenuBar *bar = m_suite->main.menuBar();
        auto menus = [bar] {
            return QStringList{bar->findChild<QMenu *>("File")->title(),
                               bar->findChild<QAction *>("ExportDataSheet")->text()};
        };
        QCOMPARE(menus(), QStringList({QString::fromUtf8("&Fájl"), QString::fromUtf8("Adatlap exportálása…")}));
        bar->findChild<QAction *>("German")->trigger();
        QCOMPARE(texts(captions), QString::fromUtf8("Hauptmenü|Hauptmenü|Units|") + m_suite->app.slot(Txt::Imperial));
        QCOMPARE(menus(), QStringList({"&Datei", QString::fromUtf8("Datenblatt exportieren…")}));
        bar->findChild<QAction *>("English")->trigger();
        QCOMPARE(menus(), QStringList({"&File", QString::fromUtf8("Export data sheet…")}));
        find("CmdMetric")->click();
        QVERIFY(m_suite->app.metric);
        QCOMPARE(texts({"TxtMdiUnits"}), m_suite->app.slot(Txt::Metric));
        QVERIFY(m_suite->platform.messages.isEmpty());
    }

    // Quit during the splash ends the start there: no tool menu, no message.
    void quitDuringSplashStopsStart()
    {
        SuiteFixture suite;
        suite.platform.duringPause = [&suite] { suite.main.close(); };
        QVERIFY(suite.main.start());
        QVERIFY(!suite.main.isVisible() && !suite.main.toolMenu());
        QVERIFY(suite.platform.messages.isEmpty());
    }

    // Below 8980 twips (its left edge below 5980) the list stands under the
    // units frame, from there on in the top row.
    void languageListSitsLowerWhenNarrow()
    {
        UtilsMenu *menu = m_suite->main.toolMenu();
        auto *list = find<QComboBox>("CmbLanguage");
        menu->parentWidget()->showNormal();
        menu->resize(twips(8970), twips(6000));
        QCOMPARE(list->y(), twips(2000));
        menu->resize(twips(9000), twips(6000));
        QCOMPARE(list->y(), twips(240));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
