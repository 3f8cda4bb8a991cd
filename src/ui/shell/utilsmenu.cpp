// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/shell/utilsmenu.h"

#include "ui/common/access.h"
#include "ui/common/appstate.h"
#include "ui/common/events.h"
#include "ui/common/platform.h"
#include "ui/common/widgets.h"
#include "core/lang/languages.h"
#include "core/lang/textslots.h"
#include "ui/shell/mdiform.h"
#include "ui/velocity/velocityfrm.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// Design sizes in twips: the tool buttons, the unit buttons, the language
// list, and the picture with its distance from the bottom-right corner.
// The frames' own borders add about 45 twips on each side to the margins.
constexpr int kButtonMargin = 180;
constexpr int kButtonWidth = 3600;
constexpr int kButtonHeight = 480;
constexpr int kButtonSpacing = 120;
// The unit buttons are narrow enough that the units frame ends before the
// language list's top place (kListClearLeft) at the design font.
constexpr int kUnitButtonWidth = 1200;
constexpr int kUnitMargin = 120;
constexpr int kMargin = 240;
constexpr int kGap = 60;
constexpr int kListWidth = 2400;
constexpr int kListHeight = 315;
constexpr int kListFromRight = 3000;
constexpr int kListTopWhenLow = 2000;
// The list stands in the top row when its left edge is at least here.
constexpr int kListClearLeft = 5980;
constexpr int kPictureWidth = 1200;
constexpr int kPictureHeight = 800;
} // namespace

UtilsMenu::UtilsMenu(AppState &app, MDIForm1 &main) : m_app(app), m_main(main)
{
    setObjectName(QStringLiteral("UtilsMenu"));

    // The two frames stand side by side at the top left and are as large as
    // their buttons and captions need; the language list and the picture are
    // placed from the right edge (placeListAndPicture).
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(twips(kMargin), twips(kMargin), twips(kMargin), twips(kMargin));
    layout->setSpacing(twips(kButtonSpacing));

    m_frameMenu = new QGroupBox(this);
    m_frameMenu->setObjectName(QStringLiteral("FrameMenu"));
    auto *tools = new QVBoxLayout(m_frameMenu);
    tools->setContentsMargins(twips(kButtonMargin), twips(60), twips(kButtonMargin), twips(135));
    tools->setSpacing(twips(kButtonSpacing));
    QPushButton *vel = addToolButton(QStringLiteral("CmdMenuVel"));
    QPushButton *press = addToolButton(QStringLiteral("CmdMenuPress"));
    QPushButton *size = addToolButton(QStringLiteral("CmdMenuSize"));
    QPushButton *payback = addToolButton(QStringLiteral("CmdVeldrixPayBack"));
    QPushButton *probe = addToolButton(QStringLiteral("CmdMenuProbe"));
    QPushButton *convert = addToolButton(QStringLiteral("CmdMenuConvert"));
    QPushButton *metersel = addToolButton(QStringLiteral("CmdMetersel"));

    m_frameUnits = new QGroupBox(this);
    m_frameUnits->setObjectName(QStringLiteral("FrameUnits"));
    auto *units = new QVBoxLayout(m_frameUnits);
    units->setContentsMargins(twips(kUnitMargin), twips(60), twips(kUnitMargin), twips(135));
    units->setSpacing(twips(60));
    auto *metric = new QPushButton(m_frameUnits);
    metric->setObjectName(QStringLiteral("CmdMetric"));
    auto *imperial = new QPushButton(m_frameUnits);
    imperial->setObjectName(QStringLiteral("CmdImperial"));
    units->addWidget(metric);
    units->addWidget(imperial);

    layout->addWidget(m_frameMenu, 0, Qt::AlignTop);
    layout->addWidget(m_frameUnits, 0, Qt::AlignTop);
    layout->addStretch(1);

    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("CmbLanguage"));
    m_language->setEditable(true);
    m_language->setInsertPolicy(QComboBox::NoInsert);

    m_picture = new Picture(QStringLiteral("Picture1"), this);
    m_picture->setPixmap(makeLogo(twips(kPictureWidth), twips(kPictureHeight), QStringLiteral("Q")));
    m_picture->resize(twips(kPictureWidth), twips(kPictureHeight));

    // Tool buttons: choose the velocity screen's tool, then open its screen.
    using velocity::VelocityTool;
    const std::pair<QPushButton *, VelocityTool> toolButtons[] = {{vel, VelocityTool::Velocity},
                                                                  {press, VelocityTool::PressureLoss},
                                                                  {size, VelocityTool::MeterSize},
                                                                  {payback, VelocityTool::Payback}};
    for (const auto &[button, tool] : toolButtons) {
        ev::onPress(button, [this, tool] {
            m_app.velocityTool = tool;
            QWidget *screen = m_main.screens().open(Screen::Velocity);
            // The sizing tool starts with empty pressure losses of its proposals.
            if (tool == VelocityTool::MeterSize)
                if (auto *velocityScreen = qobject_cast<Velocityfrm *>(screen))
                    velocityScreen->clearSizeResults();
        });
    }
    ev::onPress(probe, [this] { m_main.screens().open(Screen::Probe); });
    ev::onPress(convert, [this] { m_main.screens().open(Screen::Converter); });
    ev::onPress(metersel, [this] { m_main.screens().open(Screen::MeterSelection); });
    // The logo opens the velocity screen for the tool last chosen; before any
    // tool was chosen in this run, as the velocity tool.
    ev::onPress(m_picture, [this] {
        if (!m_app.velocityTool)
            m_app.velocityTool = velocity::VelocityTool::Velocity;
        m_main.screens().open(Screen::Velocity);
    });

    ev::onPress(metric, [this] {
        m_app.metric = true;
        m_main.showUnitSystem();
    });
    ev::onPress(imperial, [this] {
        m_app.metric = false;
        m_main.showUnitSystem();
    });
    ev::onChoose(m_language, [this] { chooseLanguage(); });
}

QPushButton *UtilsMenu::addToolButton(const QString &name)
{
    auto *button = new QPushButton(m_frameMenu);
    button->setObjectName(name);
    m_frameMenu->layout()->addWidget(button);
    return button;
}

void UtilsMenu::applyTexts()
{
    setWindowTitle(m_app.slot(Txt::SuiteName) + QStringLiteral("  ") + m_app.slot(Txt::MainMenu));
    m_frameMenu->setTitle(m_app.slot(Txt::MainMenu));
    auto caption = [this](const char *name, Txt::Slot slot) {
        control<QPushButton>(this, QLatin1String(name))->setText(m_app.slot(slot));
    };
    caption("CmdMenuVel", Txt::Velocity);
    caption("CmdMenuProbe", Txt::ProbeName);
    caption("CmdMenuPress", Txt::PressureLoss);
    m_frameUnits->setTitle(m_app.slot(Txt::Units));
    a11y::setName(m_language, a11y::Words::tr("Language"));
    m_picture->setAccessibleName(m_app.slot(Txt::Velocity));
    caption("CmdMetric", Txt::Metric);
    caption("CmdImperial", Txt::Imperial);
    caption("CmdMenuSize", Txt::MeterSizing);
    caption("CmdMenuConvert", Txt::UnitConverter);
    caption("CmdMetersel", Txt::MeterSelection);
    caption("CmdVeldrixPayBack", Txt::VeldrixPayback);
    for (QPushButton *button : m_frameMenu->findChildren<QPushButton *>())
        keepDesignSize(button, twips(kButtonWidth), twips(kButtonHeight));
    for (QPushButton *button : m_frameUnits->findChildren<QPushButton *>())
        keepDesignSize(button, twips(kUnitButtonWidth), twips(kButtonHeight));
    // New captions may have resized the frames: the list follows them.
    layout()->activate();
    placeListAndPicture();
}

void UtilsMenu::fillLanguageList()
{
    m_language->clear();
    for (const lang::Language &language : lang::languages())
        m_language->addItem(QString::fromLatin1(language.name));
    m_language->setCurrentIndex(-1);
    m_language->setEditText(m_app.slot(Txt::LanguageName));
}

void UtilsMenu::chooseLanguage()
{
    const lang::Language *language = lang::languageNamed(m_language->currentText());
    if (!language) {
        m_app.platform.message(this, m_app.slot(Txt::LanguageFileMissing));
        return;
    }
    m_main.switchLanguage(QString::fromLatin1(language->file));
}

QSize UtilsMenu::minimumSizeHint() const
{
    // Room for the frames, for the language list at its lower place beside
    // the tool frame, and for the picture below the tool frame.
    const QSize frames = layout()->minimumSize();
    const int listLeft = layout()->contentsMargins().left() + m_frameMenu->minimumSizeHint().width() + twips(kGap);
    const int width = std::max(frames.width(), listLeft + listSize().width() + twips(kListFromRight - kListWidth));
    const int height = std::max({frames.height(), listTopWhenLow() + listSize().height(),
                                 layout()->contentsMargins().top() + m_frameMenu->minimumSizeHint().height()}) +
                       twips(kCornerPictureFromBottom);
    return QSize(width, height);
}

QSize UtilsMenu::listSize() const
{
    return QSize(twips(kListWidth), twips(kListHeight) + 8).expandedTo(m_language->sizeHint());
}

int UtilsMenu::listTopWhenLow() const
{
    // Its design place, or lower when a larger font makes the units frame
    // reach it.
    return std::max(twips(kListTopWhenLow),
                    layout()->contentsMargins().top() + m_frameUnits->sizeHint().height() + twips(kGap));
}

void UtilsMenu::placeListAndPicture()
{
    // The picture keeps its distance from the bottom-right corner. The list
    // keeps its right edge at a fixed distance from the window's; it stands
    // in the top row from its design threshold on, and later when a larger
    // font widens the units frame beyond it; otherwise under it.
    placeAtCorner(m_picture);
    const QSize list = listSize();
    m_language->resize(list);
    const int left = width() - twips(kListFromRight - kListWidth) - list.width();
    const bool clear = left >= std::max(twips(kListClearLeft), m_frameUnits->geometry().right() + twips(kGap));
    m_language->move(left, clear ? twips(kMargin) : listTopWhenLow());
}

bool UtilsMenu::focusNextPrevChild(bool next)
{
    // The main window's Main Menu and Quit close the menu's Tab cycle.
    const QList<QWidget *> stops = tabStops(this);
    QWidget *focus = QApplication::focusWidget();
    if (!stops.isEmpty() && focus == (next ? stops.last() : stops.first())) {
        m_main.focusTopBar(next);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void UtilsMenu::resizeEvent(QResizeEvent *event)
{
    placeListAndPicture();
    QWidget::resizeEvent(event);
}
