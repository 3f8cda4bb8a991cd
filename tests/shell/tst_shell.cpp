#include "common/appstate.h"
#include "common/events.h"
#include "common/widgets.h"
#include "fakeplatform.h"
#include "shell/mdiform.h"
#include "shell/utilsmenu.h"
#include "testlang.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestShell : public QObject
{
    Q_OBJECT
    QTemporaryDir *m_dir = nullptr;
    FakePlatform *m_platform = nullptr;
    AppState *m_app = nullptr;
    MDIForm1 *m_main = nullptr;

    void copyShipped(const QString &file, const QString &as = QString())
    {
        QFile::copy(shippedLanguageDir() + u'/' + file, m_dir->filePath(as.isEmpty() ? file : as));
    }
    void startSuite()
    {
        m_main = new MDIForm1(*m_app);
        QVERIFY(m_main->start());
    }
    template <typename T> T *find(const char *name) const
    {
        return m_main->findChild<T *>(QLatin1String(name));
    }
    QString caption(const char *name) const { return find<QPushButton>(name)->text(); }
    QAction *menuItem(const char *name) const { return m_main->menuBar()->findChild<QAction *>(QLatin1String(name)); }

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        for (const char *f : {"English.txt", "French.txt", "German.txt", "Spanish.txt", "Dutch.txt", "Italian.txt",
                              "Hungary.txt", "Special.txt"})
            copyShipped(QLatin1String(f));
        m_platform = new FakePlatform;
        m_app = new AppState(*m_platform);
        m_app->languageDir = QDir(m_dir->path());
    }
    void cleanup()
    {
        delete m_main;
        m_main = nullptr;
        delete m_app;
        delete m_platform;
        delete m_dir;
    }

    void startUpCaptionsEverything()
    {
        copyShipped("English.txt", "langutil.txt");
        startSuite();
        // A maximised child adds its title in brackets, as desktop MDI windows do.
        QVERIFY(m_main->windowTitle().startsWith(QStringLiteral("Quorvel")));
        // The splash waited two seconds, once, in the platform's pause.
        QCOMPARE(m_platform->pauses, QList<int>{2000});
        QCOMPARE(find<QLabel>("LblVersion")->text(), QStringLiteral("V 3.051 "));
        QCOMPARE(find<QLabel>("LblDate")->text(), QStringLiteral("06-Dec-26"));
        QCOMPARE(find<QLineEdit>("TxtMdiUnitsTitle")->text(), QStringLiteral("Units"));
        QCOMPARE(find<QLineEdit>("TxtMdiUnits")->text(), QStringLiteral("Metric"));
        QCOMPARE(caption("CmdMdiMenu"), m_app->slot(38));
        QCOMPARE(caption("CmdMdiQuit"), m_app->slot(39));

        UtilsMenu *menu = m_main->toolMenu();
        QVERIFY(menu);
        QVERIFY(menu->parentWidget()->isMaximized());
        QCOMPARE(menu->windowTitle(), m_app->slot(1) + "  " + m_app->slot(38));
        const QList<QPair<const char *, int>> buttons = {
            {"CmdMenuVel", 12},    {"CmdMenuPress", 54},   {"CmdMenuSize", 64},  {"CmdVeldrixPayBack", 140},
            {"CmdMenuProbe", 25},  {"CmdMenuConvert", 85}, {"CmdMetersel", 121}, {"CmdMetric", 41},
            {"CmdImperial", 42},
        };
        for (const auto &[name, slot] : buttons) {
            QCOMPARE(caption(name), m_app->slot(slot));
            QVERIFY(!caption(name).isEmpty());
        }
        QCOMPARE(find<QGroupBox>("FrameMenu")->title(), m_app->slot(38));
        QCOMPARE(find<QGroupBox>("FrameUnits")->title(), m_app->slot(40));
        auto *list = find<QComboBox>("CmbLanguage");
        QCOMPARE(list->currentText(), QStringLiteral("English"));
        QCOMPARE(list->count(), 8);
        QCOMPARE(list->itemText(4), QStringLiteral("Magyar"));
        QStringList items;
        for (QAction *a : m_main->menuBar()->findChild<QMenu *>("Language")->actions())
            items << a->text();
        QCOMPARE(items, (QStringList{"English", "Francais", "Deutsch", "Espanol", "Nederlands", "Italiano",
                                     "Magyar"}));
    }

    void missingActiveFileShowsMasterMessageOnceThenEnglish()
    {
        startSuite();
        QCOMPARE(m_platform->messages, QStringList{"Master Language File not currently available"});
        QCOMPARE(caption("CmdMetric"), QStringLiteral("Metric"));
        QVERIFY(QFileInfo::exists(m_dir->filePath("langutil.txt")));
    }

    void noLanguageFileAtAllStops()
    {
        QVERIFY(QFile::remove(m_dir->filePath("English.txt")));
        m_main = new MDIForm1(*m_app);
        QVERIFY(!m_main->start());
        QCOMPARE(m_platform->quitCode, 1);
    }

    void toolButtonsSetModeFlags_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<bool>>("flags");
        QTest::newRow("velocity") << "CmdMenuVel" << QList<bool>{true, false, false, false};
        QTest::newRow("pressure loss") << "CmdMenuPress" << QList<bool>{false, true, false, false};
        QTest::newRow("meter size") << "CmdMenuSize" << QList<bool>{false, false, true, false};
        QTest::newRow("payback") << "CmdVeldrixPayBack" << QList<bool>{true, false, false, true};
    }
    void toolButtonsSetModeFlags()
    {
        QFETCH(QString, button);
        QFETCH(QList<bool>, flags);
        copyShipped("English.txt", "langutil.txt");
        startSuite();
        // Start from the opposite of what the button sets.
        m_app->velocityMode = !flags[0];
        m_app->pressureLossMode = !flags[1];
        m_app->meterSizeMode = !flags[2];
        m_app->paybackMode = !flags[3];
        m_main->findChild<QPushButton *>(button)->click();
        QCOMPARE((QList<bool>{m_app->velocityMode, m_app->pressureLossMode, m_app->meterSizeMode,
                              m_app->paybackMode}),
                 flags);
    }

    void otherToolsLeaveModeFlags()
    {
        copyShipped("English.txt", "langutil.txt");
        startSuite();
        find<QPushButton>("CmdMenuPress")->click();
        for (const char *name : {"CmdMenuProbe", "CmdMenuConvert", "CmdMetersel"})
            find<QPushButton>(name)->click();
        QCOMPARE((QList<bool>{m_app->velocityMode, m_app->pressureLossMode, m_app->meterSizeMode,
                              m_app->paybackMode}),
                 (QList<bool>{false, true, false, false}));
    }

    void unitButtonsSetFlagAndUnitsBox()
    {
        copyShipped("English.txt", "langutil.txt");
        startSuite();
        find<QPushButton>("CmdImperial")->click();
        QVERIFY(!m_app->metric);
        QCOMPARE(find<QLineEdit>("TxtMdiUnits")->text(), m_app->slot(42));
        // A later load keeps showing the imperial name.
        m_main->loadLanguageTexts();
        QCOMPARE(find<QLineEdit>("TxtMdiUnits")->text(), m_app->slot(42));
        find<QPushButton>("CmdMetric")->click();
        QVERIFY(m_app->metric);
        QCOMPARE(find<QLineEdit>("TxtMdiUnits")->text(), m_app->slot(41));
    }

    void languageSwitchRecaptionsButKeepsUnitsTitle_data()
    {
        QTest::addColumn<bool>("fromList");
        QTest::newRow("tool menu list") << true;
        QTest::newRow("Language menu") << false;
    }
    void languageSwitchRecaptionsButKeepsUnitsTitle()
    {
        QFETCH(bool, fromList);
        copyShipped("English.txt", "langutil.txt");
        startSuite();
        const QString unitsTitle = find<QLineEdit>("TxtMdiUnitsTitle")->text();
        if (fromList) {
            auto *list = find<QComboBox>("CmbLanguage");
            ev::choose(list, list->findText("Magyar"));
        } else {
            menuItem("Hungarian")->trigger();
        }
        QCOMPARE(m_app->slot(62), QStringLiteral("Magyar"));
        QCOMPARE(caption("CmdMdiMenu"), QString::fromUtf8("Főmenü"));
        QCOMPARE(find<QGroupBox>("FrameMenu")->title(), QString::fromUtf8("Főmenü"));
        QCOMPARE(caption("CmdMetric"), m_app->slot(41));
        QCOMPARE(find<QLineEdit>("TxtMdiUnits")->text(), m_app->slot(41));
        QCOMPARE(find<QLineEdit>("TxtMdiUnitsTitle")->text(), unitsTitle);
        QVERIFY(m_platform->messages.isEmpty());

        // The choice survives a restart.
        delete m_main;
        m_main = nullptr;
        AppState restarted(*m_platform);
        restarted.languageDir = m_app->languageDir;
        MDIForm1 second(restarted);
        QVERIFY(second.start());
        QCOMPARE(second.findChild<QComboBox *>("CmbLanguage")->currentText(), QStringLiteral("Magyar"));
        QCOMPARE(second.findChild<QPushButton *>("CmdMdiMenu")->text(), QString::fromUtf8("Főmenü"));
    }

    void missingLanguageFromMenuShowsSlot73()
    {
        copyShipped("English.txt", "langutil.txt");
        QVERIFY(QFile::remove(m_dir->filePath("Italian.txt")));
        startSuite();
        menuItem("Italian")->trigger();
        QCOMPARE(m_platform->messages, QStringList{m_app->slot(73)});
        QCOMPARE(caption("CmdMdiMenu"), QStringLiteral("Main Menu"));
    }

    void menuButtonReopensClosedToolMenu()
    {
        copyShipped("English.txt", "langutil.txt");
        startSuite();
        const int windows = m_main->mdiArea()->subWindowList().size();
        // While it is open, only brought up: no second tool menu.
        find<QPushButton>("CmdMdiMenu")->click();
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), windows);
        m_main->toolMenu()->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_main->toolMenu());
        find<QPushButton>("CmdMdiMenu")->click();
        QVERIFY(m_main->toolMenu());
        QVERIFY(m_main->toolMenu()->parentWidget()->isMaximized());
        QCOMPARE(caption("CmdMenuConvert"), m_app->slot(85));
    }

    void clockTickShowsCurrentTime()
    {
        copyShipped("English.txt", "langutil.txt");
        // The clock already shows and runs while the splash pauses.
        QString shownDuringSplash;
        bool tickingDuringSplash = false;
        m_platform->duringPause = [&] {
            shownDuringSplash = find<QLabel>("LblTime")->text();
            tickingDuringSplash = find<QTimer>("Timer1")->isActive();
        };
        startSuite();
        QCOMPARE(shownDuringSplash, QStringLiteral("09:30:00"));
        QVERIFY(tickingDuringSplash);
        auto *clock = find<QLabel>("LblTime");
        m_main->tick();
        QCOMPARE(clock->text(), QStringLiteral("09:30:00"));
        // Past midnight the clock moves on; the date stays as set at start.
        m_platform->clock = QDateTime(QDate(2026, 12, 7), QTime(0, 0, 1));
        m_main->tick();
        QCOMPARE(clock->text(), QStringLiteral("00:00:01"));
        QCOMPARE(find<QLabel>("LblDate")->text(), QStringLiteral("06-Dec-26"));
    }

    // Quit during the splash ends the start there: no tool menu, no language
    // message after it (the active file is missing here), no quit code.
    void quitDuringSplashStopsStart()
    {
        m_main = new MDIForm1(*m_app);
        m_platform->duringPause = [this] { m_main->close(); };
        QVERIFY(m_main->start());
        QVERIFY(!m_main->isVisible());
        QVERIFY(!m_main->toolMenu());
        QVERIFY(m_platform->messages.isEmpty());
    }

    void languageListSitsLowerWhenNarrow()
    {
        copyShipped("English.txt", "langutil.txt");
        startSuite();
        UtilsMenu *menu = m_main->toolMenu();
        auto *list = find<QComboBox>("CmbLanguage");
        menu->parentWidget()->showNormal();
        menu->resize(twips(8000), twips(6000));
        QCOMPARE(list->y(), twips(2000));
        menu->resize(twips(12000), twips(6000));
        QCOMPARE(list->y(), twips(240));
        QCOMPARE(list->x(), twips(12000 - 3000));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
