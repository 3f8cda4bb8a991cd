// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/convert/convertfrm.h"

#include "core/common/constants.h"

#include "ui/common/access.h"
#include "ui/common/appstate.h"
#include "ui/common/events.h"
#include "core/common/numbers.h"
#include "ui/common/platform.h"
#include "ui/common/widgets.h"
#include "core/convert/conversions.h"
#include "core/lang/textslots.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>
#include <algorithm>

using conv::Quantity;

namespace {

// Where each quantity's frame stands in the three-by-three grid, and the
// names of its controls: <Frame>Frame, Txt<Stem>IP, Cmb<Stem>IP, Txt<Stem>OP,
// Cmb<Stem>OP.
struct FramePlacement {
    Quantity quantity;
    const char *frame;
    const char *stem;
    int row;
    int column;
};
constexpr FramePlacement kFramePlacements[] = {
    {Quantity::Pressure, "PressureFrame", "Press", 0, 0},
    {Quantity::Viscosity, "ViscosityFrame", "Visc", 0, 1},
    {Quantity::Density, "DensityFrame", "Density", 0, 2},
    {Quantity::Temperature, "TemperatureFrame", "Temp", 1, 0},
    {Quantity::Velocity, "VelocityFrame", "Velocity", 1, 1},
    {Quantity::Flow, "FlowrateFrame", "Flow", 1, 2},
    {Quantity::Length, "LengthFrame", "Length", 2, 0},
    {Quantity::Volume, "VolumeFrame", "Volume", 2, 1},
    {Quantity::Area, "AreaFrame", "Area", 2, 2},
};

// Design sizes, in twips.
constexpr int kClientWidth = 9195;
constexpr int kClientHeight = 8595;
constexpr int kMargin = 120;
constexpr int kColumnWidths[] = {2950, 2650, 2950};
constexpr int kPictureWidth = 1050;
constexpr int kPictureHeight = 615;

const QColor kWindowGrey(192, 192, 192);

// Design widths of a frame's text boxes and unit lists: the frame shares
// its width out between them in this ratio.
struct BoxWidths {
    int text;
    int list;
};
BoxWidths widthsOf(Quantity q)
{
    switch (q) {
    case Quantity::Viscosity:
        return {1300, 1150};
    case Quantity::Volume:
    case Quantity::Velocity:
        return {950, 1500};
    default:
        return {950, 1800};
    }
}

QString name(const char *prefix, const char *stem, const char *suffix)
{
    return QLatin1StringView(prefix) + QLatin1StringView(stem) + QLatin1StringView(suffix);
}

// The font of the controls inside a frame: the application's, with every
// property set explicitly so that the frame's bold caption font does not
// reach them.
QFont controlFont()
{
    const QFont app = QApplication::font();
    QFont font;
    font.setFamily(app.family());
    if (app.pointSizeF() > 0)
        font.setPointSizeF(app.pointSizeF());
    else
        font.setPixelSize(app.pixelSize());
    font.setBold(false);
    return font;
}

// The width a unit list needs to show `text` whole in its box: the text box
// inside it, then what the style adds for the arrow and the frame.
int widthToShow(const QComboBox *combo, const QString &text)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = true;
    option.frame = combo->hasFrame();
    const QSize inner(widthToShow(combo->lineEdit(), text), combo->height());
    return combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, inner, combo).width();
}

QComboBox *makeUnitList(const QString &objectName, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Long unit names must not widen the frame, so that the screen fits the
    // main window at its design size; a wider window widens the lists first.
    // Only the prompt, which names the quantity, sets a least width (load).
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(4);
    return combo;
}

} // namespace

ConvertFrm::ConvertFrm(AppState &app, QWidget *parent) : QWidget(parent), m_app(app)
{
    build();
    load();
    wire();
    // Opens at the design size, or larger when the desktop's fonts need more
    // room.
    resize(minimumSizeHint().expandedTo(QSize(twips(kClientWidth), twips(kClientHeight))));
}

DataSheet ConvertFrm::dataSheet() const
{
    DataSheet sheet;
    sheet.tool = windowTitle();
    SheetBuilder b(this, sheet);
    b.section(windowTitle());
    for (const conv::Quantity q : conv::kFillOrder) {
        const Frame &f = m_frames[size_t(q)];
        if (!f.input->text().trimmed().isEmpty())
            b.row(f.box->title(), f.box, {f.input, f.inputUnit, f.output, f.outputUnit});
        if (q == conv::Quantity::Viscosity && !m_specificGravity->text().trimmed().isEmpty())
            b.row({m_sgLabel, m_specificGravity});
    }
    return sheet;
}

QColor ConvertFrm::highlightColour() { return QColor(192, 192, 255); }

QColor ConvertFrm::normalColour() { return QApplication::palette("QMenu").color(QPalette::Window); }

void ConvertFrm::build()
{
    setBackground(this, kWindowGrey);

    auto *outer = new QVBoxLayout(this);
    // The bottom margin keeps the picture's strip free of frames.
    outer->setContentsMargins(twips(kMargin), twips(kMargin), twips(kMargin), twips(kCornerPictureFromBottom));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(twips(120));
    grid->setVerticalSpacing(twips(60));
    for (int c = 0; c < 3; ++c)
        grid->setColumnStretch(c, kColumnWidths[c]);
    outer->addLayout(grid);
    outer->addStretch(1);

    for (const FramePlacement &place : kFramePlacements) {
        Frame &f = frame(place.quantity);
        f.quantity = place.quantity;
        buildFrame(f, place.frame, place.stem);
        grid->addWidget(f.box, place.row, place.column);
    }

    m_picture = new Picture(QStringLiteral("Picture1"), this);
    m_picture->setPixmap(makeLogo(twips(kPictureWidth), twips(kPictureHeight), QStringLiteral("Q")));
    m_picture->resize(twips(kPictureWidth), twips(kPictureHeight));
    m_picture->raise();
}

void ConvertFrm::buildFrame(Frame &f, const char *frameName, const char *stem)
{
    f.box = new QGroupBox(this);
    f.box->setObjectName(QLatin1StringView(frameName));
    QFont caption(QStringLiteral("Arial"));
    caption.setPointSizeF(8.25);
    caption.setBold(true);
    f.box->setFont(caption);
    // The caption is drawn in the frame's text colour; the controls inside
    // get the ordinary colours back from their own container.
    QPalette blue = f.box->palette();
    blue.setColor(QPalette::Text, Qt::blue);
    blue.setColor(QPalette::WindowText, Qt::blue);
    f.box->setPalette(blue);

    auto *frameLayout = new QVBoxLayout(f.box);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    auto *content = new QWidget(f.box);
    content->setFont(controlFont());
    QPalette plain = content->palette();
    plain.setColor(QPalette::Text, QApplication::palette().color(QPalette::Text));
    plain.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
    content->setPalette(plain);
    frameLayout->addWidget(content);

    f.input = new QLineEdit(content);
    f.input->setObjectName(name("Txt", stem, "IP"));
    f.output = new QLineEdit(content);
    f.output->setObjectName(name("Txt", stem, "OP"));
    f.inputUnit = makeUnitList(name("Cmb", stem, "IP"), content);
    f.outputUnit = makeUnitList(name("Cmb", stem, "OP"), content);

    // A text box shows a typical result whole ("4046.855957").
    const BoxWidths widths = widthsOf(f.quantity);
    const int textWidth =
        std::max(twips(widths.text), f.input->fontMetrics().horizontalAdvance(QStringLiteral("0000.000000")) + 8);
    f.input->setMinimumWidth(textWidth);
    f.output->setMinimumWidth(textWidth);

    auto *grid = new QGridLayout(content);
    grid->setContentsMargins(twips(90), twips(90), twips(90), twips(90));
    grid->setHorizontalSpacing(twips(60));
    grid->addWidget(f.input, 0, 0);
    grid->addWidget(f.inputUnit, 0, 1);
    grid->addWidget(f.output, 2, 0);
    grid->addWidget(f.outputUnit, 2, 1);
    grid->setColumnStretch(0, widths.text);
    grid->setColumnStretch(1, widths.list);
    // The middle row holds the specific gravity in the viscosity frame and
    // keeps the same room free in the others, so all frames line up.
    grid->setRowMinimumHeight(1, f.input->sizeHint().height());
    if (f.quantity == Quantity::Viscosity) {
        m_specificGravity = new QLineEdit(content);
        m_specificGravity->setObjectName(QStringLiteral("TxtViscSG"));
        m_sgLabel = new QLabel(QStringLiteral("S.G."), content);
        m_sgLabel->setObjectName(QStringLiteral("LblSg"));
        setBackground(m_sgLabel, Qt::white);
        m_sgLabel->setBuddy(m_specificGravity);
        grid->addWidget(m_specificGravity, 1, 0);
        grid->addWidget(m_sgLabel, 1, 1);
    }
    // Tab follows the rows: value and its unit, the specific gravity, the
    // result and its unit.
    QWidget::setTabOrder(f.input, f.inputUnit);
    QWidget *beforeOutput = f.inputUnit;
    if (m_specificGravity && f.quantity == Quantity::Viscosity) {
        QWidget::setTabOrder(f.inputUnit, m_specificGravity);
        beforeOutput = m_specificGravity;
    }
    QWidget::setTabOrder(beforeOutput, f.output);
    QWidget::setTabOrder(f.output, f.outputUnit);
}

void ConvertFrm::load()
{
    setWindowTitle(m_app.slot(Txt::UnitConverter));
    for (Frame &f : m_frames) {
        f.input->clear();
        f.output->clear();
        f.output->setReadOnly(true);
        setBackground(f.box, normalColour());
    }
    m_specificGravity->clear();

    for (Quantity q : conv::kFillOrder) {
        Frame &f = frame(q);
        const QString caption = m_app.slot(conv::captionSlot(q));
        f.box->setTitle(caption);
        // Names for screen readers: the frame's caption and the box's role.
        auto named = [&caption](QWidget *control, const QString &role) {
            a11y::setName(control, caption + QStringLiteral(", ") + role);
        };
        named(f.input, a11y::Words::tr("value"));
        named(f.inputUnit, a11y::Words::tr("from unit"));
        named(f.output, a11y::Words::tr("result"));
        named(f.outputUnit, a11y::Words::tr("to unit"));
        const QString prompt = m_app.slot(conv::promptSlot(q));
        const QStringList units = conv::unitNames(q, m_app.texts);
        for (QComboBox *combo : {f.inputUnit, f.outputUnit}) {
            combo->addItems(units);
            // The prompt shows with no item chosen; it is no unit.
            combo->setCurrentIndex(-1);
            ev::setComboText(combo, prompt);
            // The prompt names the quantity: it shows whole.
            combo->setMinimumWidth(widthToShow(combo, prompt));
            combo->lineEdit()->setCursorPosition(0);
            // The open list shows every name whole, however narrow the box.
            combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + twips(300));
        }
    }
}

void ConvertFrm::wire()
{
    for (Frame &f : m_frames) {
        Frame *frame = &f;
        ev::onChange(f.input, [this, frame] {
            highlight(*frame);
            convert(*frame);
        });
        for (QComboBox *combo : {f.inputUnit, f.outputUnit}) {
            // Every list converts when a unit is chosen from it; pressure
            // also converts while a unit name is typed. The other quantities
            // take a typed unit at their next change or choice.
            ev::onChoose(combo, [this, frame] { convert(*frame); });
            if (f.quantity == Quantity::Pressure)
                ev::onType(combo, [this, frame] { convert(*frame); });
            // A chosen name too long for the closed list shows its start.
            ev::onChoose(combo, [combo] { combo->lineEdit()->setCursorPosition(0); });
        }
    }
    ev::onChange(m_specificGravity, [this] { convertViscosity(); });
}

void ConvertFrm::highlight(Frame &f)
{
    const QColor colour = num::leadingNumber(f.input->text()) > 0 ? highlightColour() : normalColour();
    // Setting a palette reaches every control of the frame: only on a change.
    if (f.box->palette().color(QPalette::Window) != colour)
        setBackground(f.box, colour);
}

void ConvertFrm::convert(Frame &f)
{
    if (f.quantity == Quantity::Viscosity) {
        convertViscosity();
        return;
    }
    const conv::Output text = conv::convert(f.quantity, f.input->text(), f.inputUnit->currentText(),
                                            f.outputUnit->currentText(), m_app.texts,
                                            {units::kLitresPerUsGallon, m_app.specificGravity});
    if (text)
        f.output->setText(*text);
}

// Between dynamic and kinematic units the specific gravity of the fluid is
// needed. When the S.G. box holds none, the user is asked; the answer goes
// into the box, whose change runs this conversion again (nested) with it. An
// answer that is again no specific gravity asks again the same way; a cancel
// ends the asking and the conversion uses 1.
void ConvertFrm::convertViscosity()
{
    Frame &f = frame(Quantity::Viscosity);
    m_app.specificGravity = 1.0f;
    const conv::ViscosityUnits units =
        conv::recogniseViscosity(f.inputUnit->currentText(), f.outputUnit->currentText(), m_app.texts);
    if (const std::optional<float> sg = conv::gravityToUse(units, m_specificGravity->text()))
        m_app.specificGravity = *sg;
    else
        askSpecificGravity();
    const conv::Output text = conv::convertViscosity(f.input->text(), units, m_app.specificGravity);
    if (text)
        f.output->setText(*text);
}

void ConvertFrm::askSpecificGravity()
{
    if (m_sgAskingEnded)
        return;
    const QString sg = QStringLiteral("sg");
    const std::optional<QString> answer =
        m_app.platform.askText(this, sg, sg, num::general7(m_app.specificGravity));
    if (answer) {
        m_specificGravity->setText(*answer);
        return;
    }
    m_sgAskingEnded = true;
    m_specificGravity->setText(QString());
    m_sgAskingEnded = false;
}

void ConvertFrm::resizeEvent(QResizeEvent *event)
{
    placeAtCorner(m_picture);
    QWidget::resizeEvent(event);
}
