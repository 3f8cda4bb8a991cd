// Start-up, the main window and the tool menu, each test in a fresh folder
// holding the shipped language files.
#include "common/events.h"
#include "common/widgets.h"
#include "fakeplatform.h"
#include "lang/languages.h"
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
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {
const QString kEnglish = QStringLiteral("English.txt");

QList<bool> modeFlags(const AppState &app)
{
    return {app.velocityMode, app.pressureLossMode, app.meterSizeMode, app.paybackMode};
}
} // namespace

class TestShell : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<AppState> m_app;
    std::unique_ptr<MDIForm1> m_main;

    // Starts the suite; `active` is copied over langutil.txt first unless empty.
    bool startSuite(const QString &active = kEnglish)
    {
        if (!active.isEmpty())
            QFile::copy(shippedLanguageDir() + u'/' + active, m_dir->filePath("langutil.txt"));
        m_main = std::make_unique<MDIForm1>(*m_app);
        return m_main->start();
    }
    template <typename T = QPushButton> T *find(const QString &name) const { return control<T>(m_main.get(), name); }
    QString caption(const QString &name) const { return find(name)->text(); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        for (const lang::Language &l : lang::languages())
            QFile::copy(shippedLanguageDir() + u'/' + QLatin1StringView(l.file), m_dir->filePath(l.file));
        m_platform = std::make_unique<FakePlatform>();
        m_app = std::make_unique<AppState>(*m_platform);
        m_app->languageDir = QDir(m_dir->path());
    }
    void cleanup()
    {
        m_main.reset();
        m_app.reset();
    }

    void startUpCaptionsEverything()
    {
        QVERIFY(startSuite());
        // A maximised child adds its title in brackets, as desktop MDI windows do.
        QVERIFY(m_main->windowTitle().startsWith(QStringLiteral("Quorvel")));
        // The splash waited two seconds, once, in the platform's pause.
        QCOMPARE(m_platform->pauses, QList<int>{2000});
        QCOMPARE(find<QLabel>("LblVersion")->text(), QStringLiteral("V 3.051 "));
        QCOMPARE(find<QLabel>("LblDate")->text(), QStringLiteral("06-Dec-26"));
        QCOMPARE(find<QLineEdit>("TxtMdiUnitsTitle")->text(), QStringLiteral("Units"));
        QCOMPARE(find<QLineEdit>("TxtMdiUnits")->text(), QStringLiteral("Metric"));
        UtilsMenu *menu = m_main->toolMenu();
        QVERIFY(menu && menu->parentWidget()->isMaximized());
        QCOMPARE(menu->windowTitle(), QStringLiteral("Gauntry  Main Menu"));
        QStringList captions;
        for (const char *name : {"CmdMdiMenu", "CmdMdiQuit", "CmdMenuVel", "CmdMenuPress", "CmdMenuSize",
                                 "CmdVeldrixPayBack", "CmdMenuProbe", "CmdMenuConvert", "CmdMetersel", "CmdMetric",
                                 "CmdImperial"})
            captions << caption(name);
        QCOMPARE(captions, (QStringList{"Main Menu", "Quit", "Velocity", "Pressure loss", "Meter sizing",
                                        "Veldrix Payback", "Tessivo", "Unit converter", "Meter selection", "Metric",
                                        "Imperial"}));
        QCOMPARE(find<QGroupBox>("FrameMenu")->title(), QStringLiteral("Main Menu"));
        QCOMPARE(find<QGroupBox>("FrameUnits")->title(), QStringLiteral("Units"));
        auto *list = find<QComboBox>("CmbLanguage");
        QCOMPARE(list->currentText(), QStringLiteral("English"));
        QCOMPARE(list->count(), 8);
        QStringList items;
        for (QAction *a : m_main->menuBar()->findChild<QMenu *>("Language")->actions())
            items << a->text();
        QCOMPARE(items, (QStringList{"English", "Francais", "Deutsch", "Espanol", "Nederlands", "Italiano",
                                     "Magyar"}));
    }

    // Velocity, pressure loss, meter size, payback (none listed: the button
    // leaves the flags as they were), from all false and from all true.
    void toolButtonsSetModeFlags_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<bool>>("flags");
        QTest::newRow("velocity") << "CmdMenuVel" << QList<bool>{true, false, false, false};
        QTest::newRow("pressure loss") << "CmdMenuPress" << QList<bool>{false, true, false, false};
        QTest::newRow("meter size") << "CmdMenuSize" << QList<bool>{false, false, true, false};
        QTest::newRow("payback") << "CmdVeldrixPayBack" << QList<bool>{true, false, false, true};
        for (const char *other : {"CmdMenuProbe", "CmdMenuConvert", "CmdMetersel"})
            QTest::newRow(other) << other << QList<bool>{};
    }
    void toolButtonsSetModeFlags()
    {
        QFETCH(QString, button);
        QFETCH(QList<bool>, flags);
        QVERIFY(startSuite());
        for (bool start : {false, true}) {
            m_app->velocityMode = m_app->pressureLossMode = m_app->meterSizeMode = m_app->paybackMode = start;
            find(button)->click();
            QCOMPARE(modeFlags(*m_app), flags.isEmpty() ? QList<bool>(4, start) : flags);
        }
    }

    // A screen opens once: a second press brings the same window to the front.
    // The menu button closes every calculator screen.
    void screensOpenOnceAndCloseFromTheMenuButton()
    {
        QVERIFY(startSuite());
        for (Screen screen : {Screen::Converter, Screen::Probe, Screen::MeterSelection}) {
            QWidget *first = m_main->screens().open(screen);
            QVERIFY(first);
            QCOMPARE(first->objectName(), screenName(screen));
            const int windows = m_main->mdiArea()->subWindowList().size();
            QCOMPARE(m_main->screens().open(screen), first);
            QCOMPARE(m_main->mdiArea()->subWindowList().size(), windows);
            QCOMPARE(m_main->mdiArea()->activeSubWindow()->widget(), first);
        }
        find("CmdMdiMenu")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (Screen screen : kCalculatorScreens)
            QVERIFY(!m_main->screens().find(screen));
        QVERIFY(m_main->toolMenu()->parentWidget()->isMaximized());
        // Quitting goes through the platform.
        find("CmdMdiQuit")->click();
        QCOMPARE(m_platform->quitCode, 0);
    }

    void unitButtonsSetFlagAndUnitsBox()
    {
        QVERIFY(startSuite());
        find("CmdImperial")->click();
        QVERIFY(!m_app->metric);
        QCOMPARE(find<QLineEdit>("TxtMdiUnits")->text(), QStringLiteral("Imperial"));
        // A later load keeps showing the imperial name.
        m_main->loadLanguageTexts();
        QCOMPARE(find<QLineEdit>("TxtMdiUnits")->text(), QStringLiteral("Imperial"));
        find("CmdMetric")->click();
        QVERIFY(m_app->metric);
        QCOMPARE(find<QLineEdit>("TxtMdiUnits")->text(), QStringLiteral("Metric"));
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
        QVERIFY(startSuite());
        if (fromList) {
            auto *list = find<QComboBox>("CmbLanguage");
            ev::choose(list, list->findText("Magyar"));
        } else {
            m_main->menuBar()->findChild<QAction *>("Hungarian")->trigger();
        }
        QCOMPARE(m_app->slot(62), QStringLiteral("Magyar"));
        QCOMPARE(caption("CmdMdiMenu"), QString::fromUtf8("Főmenü"));
        QCOMPARE(find<QGroupBox>("FrameMenu")->title(), QString::fromUtf8("Főmenü"));
        QCOMPARE(find<QLineEdit>("TxtMdiUnits")->text(), m_app->slot(41));
        QCOMPARE(find<QLineEdit>("TxtMdiUnitsTitle")->text(), QStringLiteral("Units"));
        QVERIFY(m_platform->messages.isEmpty());

        // The choice survives a restart.
        m_main.reset();
        QVERIFY(startSuite(QString()));
        QCOMPARE(find<QComboBox>("CmbLanguage")->currentText(), QStringLiteral("Magyar"));
        QCOMPARE(caption("CmdMdiMenu"), QString::fromUtf8("Főmenü"));
    }

    void menuButtonReopensClosedToolMenu()
    {
        QVERIFY(startSuite());
        const int windows = m_main->mdiArea()->subWindowList().size();
        // While it is open, only brought up: no second tool menu.
        find("CmdMdiMenu")->click();
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), windows);
        m_main->toolMenu()->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_main->toolMenu());
        find("CmdMdiMenu")->click();
        QVERIFY(m_main->toolMenu() && m_main->toolMenu()->parentWidget()->isMaximized());
        QCOMPARE(caption("CmdMenuConvert"), QStringLiteral("Unit converter"));
    }

    void clockTickShowsCurrentTime()
    {
        // The clock already shows and runs while the splash pauses.
        QString shownDuringSplash;
        bool tickingDuringSplash = false;
        m_platform->duringPause = [&] {
            shownDuringSplash = find<QLabel>("LblTime")->text();
            tickingDuringSplash = find<QTimer>("Timer1")->isActive();
        };
        QVERIFY(startSuite());
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
        m_main = std::make_unique<MDIForm1>(*m_app);
        m_platform->duringPause = [this] { m_main->close(); };
        QVERIFY(m_main->start());
        QVERIFY(!m_main->isVisible());
        QVERIFY(!m_main->toolMenu());
        QVERIFY(m_platform->messages.isEmpty());
    }

    // A tool menu too narrow for the list beside the tool frame puts it lower.
    void languageListSitsLowerWhenNarrow()
    {
        QVERIFY(startSuite());
        UtilsMenu *menu = m_main->toolMenu();
        auto *list = find<QComboBox>("CmbLanguage");
        menu->parentWidget()->showNormal();
        // Below 8980 twips (its left edge below 5980) under the units frame,
        // from there on in the top row.
        menu->resize(twips(8970), twips(6000));
        QCOMPARE(list->y(), twips(2000));
        menu->resize(twips(9000), twips(6000));
        QCOMPARE(list->y(), twips(240));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
