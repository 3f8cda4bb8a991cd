// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/shell/mdiform.h"

#include "ui/common/access.h"
#include "ui/common/appstate.h"
#include "ui/common/datasheet.h"
#include "ui/common/events.h"
#include "ui/common/platform.h"
#include "ui/common/widgets.h"
#include "core/lang/languages.h"
#include "core/lang/textslots.h"
#include "ui/lang/translations.h"
#include "ui/shell/startbanner.h"
#include "ui/shell/utilsmenu.h"
#include "ui/velocity/accuracychartfrm.h"
#include "ui/velocity/velocityfrm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace {
constexpr int kWidth = 10000;
constexpr int kHeight = 9000;

QString timeText(const QDateTime &now) { return now.time().toString(QStringLiteral("HH:mm:ss")); }
} // namespace

MDIForm1::MDIForm1(AppState &app) : m_app(app), m_area(new QMdiArea), m_screens(m_area, app)
{
    a11y::install();
    setObjectName(QStringLiteral("MDIForm1"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildTopBar();
    layout->addWidget(m_topBar);
    m_area->setBackground(QColor(128, 128, 160));
    layout->addWidget(m_area, 1);
    setCentralWidget(central);
    buildMenus();

    // A velocity screen opened while the chart is open is the one it follows;
    // each one's chart button opens the chart.
    m_screens.onOpened([this](Screen screen, QWidget *widget) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(widget->parentWidget()))
            connect(sub, &QMdiSubWindow::windowStateChanged, this, &MDIForm1::coverToolMenu, Qt::QueuedConnection);
        auto *velocityScreen = screen == Screen::Velocity ? qobject_cast<Velocityfrm *>(widget) : nullptr;
        if (!velocityScreen)
            return;
        connect(velocityScreen, &Velocityfrm::chartRequested, this, &MDIForm1::openAccuracyChart);
        if (m_chart) {
            m_chart->follow(velocityScreen);
            placeChartBeside(velocityScreen);
            ScreenHost::bringToFront(velocityScreen);
        }
    });

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &MDIForm1::tick);
}

// While Qt tears the child windows down, the area still reports which one is
// active; that must not reach this window, whose own parts are gone by then.
MDIForm1::~MDIForm1() { m_area->disconnect(this); }

UtilsMenu *MDIForm1::toolMenu() const { return m_toolMenu.data(); }

void MDIForm1::buildTopBar()
{
    // The bar is a grid: the title and version at the left; the unit system,
    // date and clock in the top row and the two buttons under the date and
    // the clock, all kept at the right edge by the stretching column 1. Each
    // column is at least as wide as its design and wider when its text needs
    // it, so a large font widens the bar (and the window) instead of cutting
    // the texts.
    m_topBar = new QFrame;
    m_topBar->setObjectName(QStringLiteral("Picture1"));
    m_topBar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setBackground(m_topBar, QColor(0, 51, 153));
    auto *grid = new QGridLayout(m_topBar);
    // Margins, spacing and the two rows' least heights add up to the bar's
    // design height.
    grid->setContentsMargins(twips(120), twips(60), twips(100), twips(90));
    grid->setHorizontalSpacing(twips(50));
    grid->setVerticalSpacing(twips(90));
    enum Column { Title, Stretch, UnitsTitle, Units, Gap, Date, Line, Time };
    const std::pair<Column, int> designWidths[] = {{Title, 1500}, {Stretch, 400}, {UnitsTitle, 1600},
                                                   {Units, 1700}, {Gap, 600},     {Date, 1900},
                                                   {Time, 1700}};
    for (const auto &[column, width] : designWidths)
        grid->setColumnMinimumWidth(column, twips(width));
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding), 0, Stretch);
    grid->setRowMinimumHeight(0, twips(420));
    grid->setRowMinimumHeight(1, twips(420));

    auto *title = new QLabel(QStringLiteral("Gauntry"), m_topBar);
    title->setObjectName(QStringLiteral("Label1"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title->setFont(titleFont);
    grid->addWidget(title, 0, Title);

    m_version = new QLabel(m_topBar);
    m_version->setObjectName(QStringLiteral("LblVersion"));
    grid->addWidget(m_version, 1, Title, Qt::AlignTop);

    m_date = new QLabel(m_topBar);
    m_date->setObjectName(QStringLiteral("LblDate"));
    m_date->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_date, 0, Date);

    m_line = new QFrame(m_topBar);
    m_line->setObjectName(QStringLiteral("Line1"));
    m_line->setFrameShape(QFrame::VLine);
    m_line->setFrameShadow(QFrame::Plain);
    setTextColour(m_line, Qt::white);
    m_line->setFixedSize(3, std::max(twips(330), m_date->sizeHint().height()));
    grid->addWidget(m_line, 0, Line);

    m_time = new QLabel(m_topBar);
    m_time->setObjectName(QStringLiteral("LblTime"));
    grid->addWidget(m_time, 0, Time);

    // Read-only boxes whose texts come from the language file: as wide as
    // their design, or as their text when it is longer.
    m_unitsTitle = new QLineEdit(m_topBar);
    m_unitsTitle->setObjectName(QStringLiteral("TxtMdiUnitsTitle"));
    m_unitsTitle->setReadOnly(true);
    m_unitsTitle->setFocusPolicy(Qt::NoFocus);
    a11y::markCaption(m_unitsTitle);
    fitWidthToText(m_unitsTitle, twips(1600));
    grid->addWidget(m_unitsTitle, 0, UnitsTitle);

    m_units = new QLineEdit(m_topBar);
    m_units->setObjectName(QStringLiteral("TxtMdiUnits"));
    m_units->setReadOnly(true);
    m_units->setFocusPolicy(Qt::NoFocus);
    a11y::markCaption(m_units);
    fitWidthToText(m_units, twips(1700));
    grid->addWidget(m_units, 0, Units);

    for (QLabel *label : {title, m_version, m_date, m_time})
        label->setStyleSheet(QStringLiteral("color: white;"));

    m_picture2 = new Picture(QStringLiteral("Picture2"), m_topBar);
    m_picture2->setPixmap(makeLogo(twips(2200), twips(420), QStringLiteral("Quorvel"), QColor(0, 102, 204)));
    m_picture2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(m_picture2, 1, Stretch, 1, Gap - Stretch + 1);

    m_menuButton = new QPushButton(m_topBar);
    m_menuButton->setObjectName(QStringLiteral("CmdMdiMenu"));
    m_quitButton = new QPushButton(m_topBar);
    m_quitButton->setObjectName(QStringLiteral("CmdMdiQuit"));
    for (QPushButton *button : {m_menuButton, m_quitButton}) {
        button->setMinimumHeight(std::max(twips(400), button->sizeHint().height()));
        button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    }
    grid->addWidget(m_menuButton, 1, Date);
    grid->addWidget(m_quitButton, 1, Time);

    m_picture3 = new Picture(QStringLiteral("Picture3"), m_topBar);
    m_picture3->setPixmap(makeLogo(twips(480), twips(420), QStringLiteral("Q"), QColor(0, 153, 102)));
    m_picture3->setGeometry(twips(120), twips(570), 0, 0);
    m_picture3->hide();

    m_custLogo = new Picture(QStringLiteral("CustLogo"), m_topBar);
    m_custLogo->hide();

    ev::onPress(m_menuButton, [this] {
        for (Screen s : kCalculatorScreens)
            m_screens.close(s);
        openToolMenu();
    });
    ev::onPress(m_quitButton, [this] { m_app.platform.quit(0); });

    // The two buttons stand outside every screen's Tab cycle; from any
    // screen their keys press them (their tooltips name the keys).
    m_menuKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this);
    m_quitKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(m_menuKey, &QShortcut::activated, m_menuButton, &QPushButton::click);
    connect(m_quitKey, &QShortcut::activated, m_quitButton, &QPushButton::click);
}

void MDIForm1::focusTopBar(bool first)
{
    (first ? m_menuButton : m_quitButton)->setFocus(first ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

bool MDIForm1::focusNextPrevChild(bool next)
{
    // Main Menu and Quit close the tool menu's Tab cycle: Tab goes from the
    // menu's last control to Main Menu, then Quit, then back to the menu's
    // first control (Shift+Tab the other way). From a calculator screen
    // the buttons are reached by their keys, and Tab from them enters the
    // screen in front.
    QWidget *focus = QApplication::focusWidget();
    if (focus != m_menuButton && focus != m_quitButton)
        return QMainWindow::focusNextPrevChild(next);
    if ((focus == m_menuButton) == next) {
        focusTopBar(!next);
        return true;
    }
    QMdiSubWindow *sub = m_area->currentSubWindow();
    const QList<QWidget *> stops = sub && sub->widget() ? tabStops(sub->widget()) : QList<QWidget *>();
    if (stops.isEmpty())
        return QMainWindow::focusNextPrevChild(next);
    m_area->setActiveSubWindow(sub);
    (next ? stops.first() : stops.last())->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void MDIForm1::coverToolMenu()
{
    // A calculator screen in front, maximised, covers the tool menu whole:
    // the menu's controls are hidden under it, so that a screen reader
    // reviewing the main window reads one screen, not two. They show again
    // when the menu comes to the front or nothing covers it. Its window
    // stays, so that the area's choice of the active window is kept; it is
    // reported as not shown while its controls are hidden.
    if (!m_toolMenu)
        return;
    QMdiSubWindow *front = m_area->currentSubWindow();
    if (!front)
        return; // the main window is not active: nothing in it has changed
    const bool covered = front != m_toolMenu->parentWidget() && front->isMaximized();
    if (covered == m_toolMenu->isHidden())
        return;
    m_toolMenu->setVisible(!covered);
    a11y::coverChanged(m_toolMenu->parentWidget());
    // Its controls shown again make the area activate the menu's window:
    // the window that was in front stays in front.
    if (m_area->currentSubWindow() != front)
        m_area->setActiveSubWindow(front);
}

void MDIForm1::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QString());
    m_fileMenu->setObjectName(QStringLiteral("File"));
    // The data sheet of the calculator screen in front; the shortcut works
    // from any field of it.
    m_exportSheet = m_fileMenu->addAction(QString());
    m_exportSheet->setObjectName(QStringLiteral("ExportDataSheet"));
    m_exportSheet->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    m_exportSheet->setEnabled(false);
    connect(m_exportSheet, &QAction::triggered, this, &MDIForm1::exportDataSheet);
    connect(m_area, &QMdiArea::subWindowActivated, this, [this] {
        m_exportSheet->setEnabled(activeSheet());
        // Once the area has settled which window is in front: showing or
        // hiding widgets while it activates one disturbs its choice.
        QTimer::singleShot(0, this, &MDIForm1::coverToolMenu);
    });
    m_fileMenu->addSeparator();
    m_exit = m_fileMenu->addAction(QString());
    m_exit->setObjectName(QStringLiteral("Exit"));
    connect(m_exit, &QAction::triggered, this, [this] { m_app.platform.quit(0); });

    m_viewMenu = menuBar()->addMenu(QString());
    m_viewMenu->setObjectName(QStringLiteral("View"));
    m_chartItem = m_viewMenu->addAction(QString());
    m_chartItem->setObjectName(QStringLiteral("AccuracyChart"));
    m_chartItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    connect(m_chartItem, &QAction::triggered, this, &MDIForm1::openAccuracyChart);

    m_languageMenu = menuBar()->addMenu(QString());
    m_languageMenu->setObjectName(QStringLiteral("Language"));
    // The menu lists the languages in its own order, each under its own name.
    std::vector<const lang::Language *> items;
    for (const lang::Language &l : lang::languages()) {
        if (l.menuPosition > 0)
            items.push_back(&l);
    }
    std::sort(items.begin(), items.end(),
              [](const auto *a, const auto *b) { return a->menuPosition < b->menuPosition; });
    for (const lang::Language *l : items) {
        QAction *action = m_languageMenu->addAction(QString::fromLatin1(l->name));
        action->setObjectName(QString::fromLatin1(l->menuItem));
        const QString target = QString::fromLatin1(l->file);
        connect(action, &QAction::triggered, this, [this, target] { switchLanguage(target); });
    }

    m_aboutMenu = menuBar()->addMenu(QString());
    m_aboutMenu->setObjectName(QStringLiteral("About"));
    m_aboutItem = m_aboutMenu->addAction(QString());
    m_aboutItem->setObjectName(QStringLiteral("AboutItem"));
    connect(m_aboutItem, &QAction::triggered, this, &MDIForm1::showAbout);
    captionMenus();
}

void MDIForm1::captionMenus()
{
    m_fileMenu->setTitle(tr("&File"));
    m_exportSheet->setText(tr("Export data sheet…"));
    m_exit->setText(tr("Exit"));
    m_viewMenu->setTitle(tr("&View"));
    m_chartItem->setText(tr("Accuracy chart"));
    m_languageMenu->setTitle(tr("&Language"));
    m_aboutMenu->setTitle(tr("&About"));
    m_aboutItem->setText(tr("About"));
}

void MDIForm1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        captionMenus();
    QMainWindow::changeEvent(event);
}

bool MDIForm1::start()
{
    setWindowTitle(QStringLiteral("Quorvel"));
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + twips(toTwips(area.width()) - kWidth) / 2,
             area.top() + twips(toTwips(area.height()) - kHeight) / 2);
    }
    m_date->setText(QLocale().toString(m_app.platform.now().date(), QStringLiteral("dd-MMM-yy")));
    m_time->clear();
    resize(twips(kWidth), twips(kHeight));
    show();

    m_banner = std::make_unique<StartBanner>(m_app);
    connect(m_banner.get(), &StartBanner::closePressed, this, [this] { openToolMenu(); });
    m_banner->closeButton()->hide();
    m_banner->show();
    // The clock runs from the moment the window shows, the splash pause included.
    tick();
    m_timer->start();
    // Two seconds of splash; the pause sleeps in the event loop, so windows
    // still paint and the clock still ticks.
    m_app.platform.pause(2000);
    m_banner->close();
    // Quit or the window's close box during the pause ends the program:
    // nothing more opens, and no language message pops up after it.
    if (!isVisible())
        return true;

    if (!openToolMenu())
        return false;
    m_picture2->resize(twips(4150), m_picture2->height());
    m_unitsTitle->setText(m_app.slot(Txt::Units));
    m_units->setText(m_app.slot(Txt::Metric));
    m_quitButton->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
    m_app.metric = true;
    m_version->setText(QStringLiteral("V ") + m_app.versionText.left(6));
    m_custLogo->hide();
    return true;
}

bool MDIForm1::openToolMenu()
{
    if (m_toolMenu) {
        ScreenHost::bringToFront(m_toolMenu);
        m_toolMenu->parentWidget()->showMaximized();
        return true;
    }
    m_toolMenu = new UtilsMenu(m_app, *this);
    QMdiSubWindow *sub = m_screens.add(m_toolMenu);
    a11y::markCoverable(sub);
    sub->resize(twips(9600), sub->height());
    sub->showMaximized();
    if (loadLanguageTexts() == lang::LoadOutcome::Stopped)
        return false;
    if (m_toolMenu) {
        m_toolMenu->fillLanguageList();
        ScreenHost::bringToFront(m_toolMenu);
    }
    return true;
}

lang::LoadOutcome MDIForm1::loadLanguageTexts()
{
    const lang::LoadOutcome outcome = lang::loadLanguageTexts(m_app, this);
    if (outcome == lang::LoadOutcome::Loaded) {
        lang::useWordsOf(m_app.slot(Txt::LanguageName));
        if (m_toolMenu)
            m_toolMenu->applyTexts();
        applyTexts();
    }
    return outcome;
}

void MDIForm1::switchLanguage(const QString &fileName)
{
    const lang::SwitchOutcome outcome = lang::switchLanguage(m_app, fileName, this);
    if (outcome == lang::SwitchOutcome::Loaded) {
        lang::useWordsOf(m_app.slot(Txt::LanguageName));
        if (m_toolMenu)
            m_toolMenu->applyTexts();
        applyTexts();
    }
}

void MDIForm1::applyTexts()
{
    // The units title box keeps the text it was given at start-up.
    m_menuButton->setText(m_app.slot(Txt::MainMenu));
    m_quitButton->setText(m_app.slot(Txt::Quit));
    auto keyTip = [](const QString &caption, const QShortcut *key) {
        return caption + QStringLiteral(" (") + key->key().toString(QKeySequence::NativeText) + u')';
    };
    m_menuButton->setToolTip(keyTip(m_app.slot(Txt::MainMenu), m_menuKey));
    m_quitButton->setToolTip(keyTip(m_app.slot(Txt::Quit), m_quitKey));
    showUnitSystem();
}

void MDIForm1::showUnitSystem()
{
    m_units->setText(m_app.slot(m_app.metric ? Txt::Metric : Txt::Imperial));
    // The velocity screen reads its sizes in the unit system in use, and its
    // flow unit in the language loaded: the chart follows both at once.
    if (m_chart)
        m_chart->refreshSoon();
}

AccuracyChartFrm *MDIForm1::accuracyChart() const { return m_chart.data(); }

AccuracyChartFrm *MDIForm1::openAccuracyChart()
{
    if (!m_chart) {
        m_chart = new AccuracyChartFrm(m_app);
        m_screens.add(m_chart)->show();
        QWidget *velocityScreen = m_screens.find(Screen::Velocity);
        m_chart->follow(qobject_cast<Velocityfrm *>(velocityScreen));
        placeChartBeside(velocityScreen);
    }
    ScreenHost::bringToFront(m_chart);
    return m_chart.data();
}

// A chart hidden behind a maximised screen cannot be watched while typing:
// the chart and the velocity screen stand side by side, each restored from
// maximised, the screen at the left at the width it asks for, the chart in
// the rest of the area and as high as it. The main window widens when the
// area is too narrow for both, as far as the desktop allows.
void MDIForm1::placeChartBeside(QWidget *velocityScreen)
{
    QWidget *chartWindow = m_chart->parentWidget();
    QWidget *screenWindow = velocityScreen ? velocityScreen->parentWidget() : nullptr;
    const int screenWidth = screenWindow ? screenWindow->sizeHint().width() : 0;
    int areaWidth = m_area->viewport()->width();
    const int missing = screenWidth + chartWindow->sizeHint().width() - areaWidth;
    if (missing > 0) {
        const int room = screen() ? screen()->availableGeometry().width() - frameGeometry().width() : 0;
        const int grow = std::clamp(room, 0, missing);
        resize(width() + grow, height());
        areaWidth += grow;
    }
    const int height = m_area->viewport()->height();
    if (screenWindow) {
        screenWindow->showNormal();
        screenWindow->setGeometry(0, 0, screenWidth, height);
    }
    chartWindow->showNormal();
    chartWindow->setGeometry(screenWidth, 0, std::max(areaWidth - screenWidth, chartWindow->minimumSizeHint().width()),
                             height);
}

void MDIForm1::showAbout()
{
    if (!m_banner) {
        m_banner = std::make_unique<StartBanner>(m_app);
        connect(m_banner.get(), &StartBanner::closePressed, this, [this] { openToolMenu(); });
    }
    m_banner->closeButton()->show();
    m_banner->show();
    m_banner->raise();
}

DataSheetSource *MDIForm1::activeSheet() const
{
    const QMdiSubWindow *sub = m_area->activeSubWindow();
    return sub ? dynamic_cast<DataSheetSource *>(sub->widget()) : nullptr;
}

void MDIForm1::exportDataSheet()
{
    const DataSheetSource *source = activeSheet();
    if (!source)
        return;
    QWidget *screen = m_area->activeSubWindow()->widget();
    const DataSheet sheet = source->dataSheet();
    const QDateTime now = m_app.platform.now();
    const std::optional<QString> path = m_app.platform.saveFileName(
        screen, tr("Export data sheet"), proposedSheetPath(sheet.tool, now.date()), tr("PDF documents (*.pdf)"));
    if (!path)
        return;
    const SheetHeading heading{m_app.slot(Txt::SuiteName) + u' ' + m_app.versionText, now,
                               m_app.slot(Txt::LanguageName), m_app.slot(Txt::Units),
                               m_app.slot(m_app.metric ? Txt::Metric : Txt::Imperial)};
    QString error;
    if (!writeDataSheet(sheet, heading, *path, &error))
        m_app.platform.message(screen, tr("The data sheet could not be written to %1:\n%2")
                                           .arg(QDir::toNativeSeparators(*path), error));
}

void MDIForm1::tick()
{
    const QString now = timeText(m_app.platform.now());
    if (m_time->text() != now)
        m_time->setText(now);
}

void MDIForm1::resizeEvent(QResizeEvent *event)
{
    // The top bar's layout keeps its boxes, clock and buttons at the right
    // edge; a larger window widens only the space before them.
    QMainWindow::resizeEvent(event);
    m_custLogo->hide();
}
