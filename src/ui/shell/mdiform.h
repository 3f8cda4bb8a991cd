// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "ui/lang/loader.h"
#include "ui/shell/screenhost.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

struct AppState;
class AccuracyChartFrm;
class DataSheetSource;
class Platform;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMdiArea;
class QPushButton;
class QShortcut;
class QTimer;
class Picture;
class StartBanner;
class UtilsMenu;

// The main window: the top bar with title, version, date, clock and unit
// system, the menus, and the area in which every screen opens.
class MDIForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit MDIForm1(AppState &app);
    ~MDIForm1() override;

    // The start-up sequence: centre, splash for two seconds, tool menu. Returns
    // false when the program cannot run (no language file at all). The window
    // is no longer visible afterwards when the user quit during the splash.
    bool start();

    // Opens the tool menu (loading the language texts when it opens anew) or
    // brings it to the front, maximised.
    bool openToolMenu();
    UtilsMenu *toolMenu() const;

    // Loads langutil.txt and re-captions the tool menu and this window.
    lang::LoadOutcome loadLanguageTexts();
    // Makes `fileName` the active language and loads it.
    void switchLanguage(const QString &fileName);
    // Shows the unit system in use in the units box.
    void showUnitSystem();
    // Shows the splash window with its Close button.
    void showAbout();
    // Writes the data sheet of the calculator screen in front to a PDF the
    // user names.
    void exportDataSheet();
    // Clock refresh (run every second by the timer).
    void tick();

    ScreenHost &screens() { return m_screens; }
    // Opens the accuracy chart beside the velocity screen, or brings it to
    // the front.
    AccuracyChartFrm *openAccuracyChart();
    AccuracyChartFrm *accuracyChart() const;
    QMdiArea *mdiArea() const { return m_area; }

    // Puts the keyboard focus on Main Menu (first) or Quit (last), the two
    // buttons that end the tool menu's Tab cycle.
    void focusTopBar(bool first);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildTopBar();
    void buildMenus();
    void captionMenus();
    void placeChartBeside(QWidget *velocityScreen);
    void applyTexts();
    void coverToolMenu();
    // The calculator screen in front, when it has a data sheet.
    DataSheetSource *activeSheet() const;

    AppState &m_app;
    QMdiArea *m_area;
    ScreenHost m_screens;
    QPointer<UtilsMenu> m_toolMenu; // null again once the user closes it
    QPointer<AccuracyChartFrm> m_chart; // null while it is not open
    std::unique_ptr<StartBanner> m_banner;
    QTimer *m_timer;

    QFrame *m_topBar;
    QLabel *m_date;
    QLabel *m_time;
    QLabel *m_version;
    QFrame *m_line;
    QLineEdit *m_unitsTitle;
    QLineEdit *m_units;
    QPushButton *m_menuButton;
    QPushButton *m_quitButton;
    QShortcut *m_menuKey;
    QShortcut *m_quitKey;
    Picture *m_picture2;
    Picture *m_picture3;
    Picture *m_custLogo;
    QMenu *m_fileMenu = nullptr;
    QAction *m_exportSheet = nullptr;
    QAction *m_exit = nullptr;
    QMenu *m_viewMenu = nullptr;
    QAction *m_chartItem = nullptr;
    QMenu *m_languageMenu = nullptr;
    QMenu *m_aboutMenu = nullptr;
    QAction *m_aboutItem = nullptr;
};
