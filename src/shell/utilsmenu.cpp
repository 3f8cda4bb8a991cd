#include "shell/utilsmenu.h"

#include "common/appstate.h"
#include "common/events.h"
#include "common/platform.h"
#include "common/widgets.h"
#include "lang/languages.h"
#include "shell/mdiform.h"
#include "sizing/velocityfrm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kButtonLeft = 240;
constexpr int kButtonWidth = 3600;
constexpr int kButtonHeight = 480;
} // namespace

UtilsMenu::UtilsMenu(AppState &app, MDIForm1 &main) : m_app(app), m_main(main)
{
    setObjectName(QStringLiteral("UtilsMenu"));
    setMinimumSize(twips(9600) / 2, twips(6000) / 2);

    m_frameMenu = new QGroupBox(this);
    m_frameMenu->setObjectName(QStringLiteral("FrameMenu"));
    m_frameMenu->setGeometry(twips(240), twips(240), twips(kButtonWidth + 2 * kButtonLeft), twips(4625));

    QPushButton *vel = addToolButton(QStringLiteral("CmdMenuVel"), 360);
    QPushButton *press = addToolButton(QStringLiteral("CmdMenuPress"), 960);
    QPushButton *size = addToolButton(QStringLiteral("CmdMenuSize"), 1560);
    QPushButton *payback = addToolButton(QStringLiteral("CmdVeldrixPayBack"), 2160);
    QPushButton *probe = addToolButton(QStringLiteral("CmdMenuProbe"), 2760);
    QPushButton *convert = addToolButton(QStringLiteral("CmdMenuConvert"), 3360);
    QPushButton *metersel = addToolButton(QStringLiteral("CmdMetersel"), 3960);

    m_frameUnits = new QGroupBox(this);
    m_frameUnits->setObjectName(QStringLiteral("FrameUnits"));
    m_frameUnits->setGeometry(twips(4800), twips(240), twips(2400), twips(1560));
    auto *metric = new QPushButton(m_frameUnits);
    metric->setObjectName(QStringLiteral("CmdMetric"));
    metric->setGeometry(twips(240), twips(360), twips(1920), twips(480));
    auto *imperial = new QPushButton(m_frameUnits);
    imperial->setObjectName(QStringLiteral("CmdImperial"));
    imperial->setGeometry(twips(240), twips(900), twips(1920), twips(480));

    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("CmbLanguage"));
    m_language->setEditable(true);
    m_language->setInsertPolicy(QComboBox::NoInsert);
    m_language->resize(twips(2400), twips(315) + 8);

    m_picture = new Picture(QStringLiteral("Picture1"), this);
    m_picture->setPixmap(makeLogo(twips(1200), twips(800), QStringLiteral("Q")));
    m_picture->resize(twips(1200), twips(800));

    // Tool buttons: set the velocity screen's tool flags (velocity,
    // pressure-loss, meter-size, payback), then open its screen.
    auto setModes = [this](bool velocity, bool pressure, bool meterSize, bool payback) {
        m_app.velocityMode = velocity;
        m_app.pressureLossMode = pressure;
        m_app.meterSizeMode = meterSize;
        m_app.paybackMode = payback;
    };
    ev::onPress(vel, [this, setModes] {
        setModes(true, false, false, false);
        m_main.screens().open(Screen::Velocity);
    });
    ev::onPress(press, [this, setModes] {
        setModes(false, true, false, false);
        m_main.screens().open(Screen::Velocity);
    });
    ev::onPress(size, [this, setModes] {
        setModes(false, false, true, false);
        // The sizing tool starts with empty pressure losses of its proposals.
        if (auto *screen = qobject_cast<Velocityfrm *>(m_main.screens().open(Screen::Velocity)))
            screen->clearSizeResults();
    });
    ev::onPress(payback, [this, setModes] {
        setModes(true, false, false, true);
        m_main.screens().open(Screen::Velocity);
    });
    ev::onPress(probe, [this] { m_main.screens().open(Screen::Probe); });
    ev::onPress(convert, [this] { m_main.screens().open(Screen::Converter); });
    ev::onPress(metersel, [this] { m_main.screens().open(Screen::MeterSelection); });
    // The logo opens the velocity screen for the tool last chosen; before any
    // tool was chosen in this run, as the velocity tool.
    ev::onPress(m_picture, [this, setModes] {
        if (!m_app.velocityMode && !m_app.pressureLossMode && !m_app.meterSizeMode && !m_app.paybackMode)
            setModes(true, false, false, false);
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

QPushButton *UtilsMenu::addToolButton(const QString &name, int top)
{
    auto *button = new QPushButton(m_frameMenu);
    button->setObjectName(name);
    button->setGeometry(twips(kButtonLeft), twips(top), twips(kButtonWidth), twips(kButtonHeight));
    return button;
}

void UtilsMenu::applyTexts()
{
    setWindowTitle(m_app.slot(1) + QStringLiteral("  ") + m_app.slot(38));
    m_frameMenu->setTitle(m_app.slot(38));
    auto caption = [this](const char *name, int slot) {
        control<QPushButton>(this, QLatin1String(name))->setText(m_app.slot(slot));
    };
    caption("CmdMenuVel", 12);
    caption("CmdMenuProbe", 25);
    caption("CmdMenuPress", 54);
    m_frameUnits->setTitle(m_app.slot(40));
    m_language->setAccessibleName(QStringLiteral("Language"));
    m_picture->setAccessibleName(m_app.slot(12));
    caption("CmdMetric", 41);
    caption("CmdImperial", 42);
    caption("CmdMenuSize", 64);
    caption("CmdMenuConvert", 85);
    caption("CmdMetersel", 121);
    caption("CmdVeldrixPayBack", 140);
}

void UtilsMenu::fillLanguageList()
{
    m_language->clear();
    for (const lang::Language &language : lang::languages())
        m_language->addItem(QString::fromLatin1(language.name));
    m_language->setCurrentIndex(-1);
    m_language->setEditText(m_app.slot(62));
}

void UtilsMenu::chooseLanguage()
{
    const lang::Language *language = lang::languageNamed(m_language->currentText());
    if (!language) {
        m_app.platform.message(this, m_app.slot(73));
        return;
    }
    m_main.switchLanguage(QString::fromLatin1(language->file));
}

void UtilsMenu::resizeEvent(QResizeEvent *event)
{
    const int w = toTwips(width());
    const int h = toTwips(height());
    m_picture->move(twips(w - 1500), twips(h - 1000));
    const int left = w - 3000;
    m_language->move(twips(left), twips(left < 5980 ? 2000 : 240));
    QWidget::resizeEvent(event);
}
