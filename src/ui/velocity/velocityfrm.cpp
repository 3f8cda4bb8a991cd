// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/velocity/velocityfrm.h"

#include "core/lang/textslots.h"
#include "ui/common/appstate.h"
#include "ui/common/access.h"
#include "ui/common/events.h"
#include "ui/common/platform.h"
#include "ui/common/printscreen.h"
#include "ui/common/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace velocity;

namespace {

// Design sizes in twips.
constexpr int kBoxWidth = 1500;
constexpr int kPictureWidth = 1200;
constexpr int kPictureHeight = 800;
// Margins and the spacing between frames, tight enough for the pressure-loss
// tool (the tallest) and the picture's strip to fit the main window at its
// design size.
constexpr int kMargin = 120;
constexpr int kTopMargin = 30;
constexpr int kSpacing = 45;

// Scrolls only up and down: it asks for the width its content needs, so that
// a large font or a long caption widens the screen instead of hiding its
// right-hand side.
class VerticalScrollArea : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;

    QSize minimumSizeHint() const override
    {
        QSize hint = QScrollArea::minimumSizeHint();
        if (widget())
            hint.setWidth(widget()->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width() +
                          2 * frameWidth());
        return hint;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The content was laid out anew (a frame shown, a caption changed):
        // the width it needs may have changed.
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            updateGeometry();
        return QScrollArea::eventFilter(watched, event);
    }
};

// Every box of the screen is at least this wide.
QLineEdit *inputBox(QWidget *parent, const char *name)
{
    QLineEdit *box = textBox(parent, QLatin1String(name));
    box->setMinimumWidth(twips(kBoxWidth));
    return box;
}

QLineEdit *outputBox(QWidget *parent, const char *name)
{
    QLineEdit *box = resultBox(parent, QLatin1String(name));
    box->setMinimumWidth(twips(kBoxWidth));
    return box;
}

// A caption box that takes the width its layout gives it.
QLineEdit *labelBox(QWidget *parent, const char *name)
{
    QLineEdit *box = captionBox(parent, QLatin1String(name));
    box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return box;
}

QLabel *label(QWidget *parent, const char *name, const QString &text = QString())
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

// Sets a caption and makes room for it whole, in whatever language.
void caption(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(text) + 12);
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &title = QString())
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// The grid of a frame, spaced tightly enough for the pressure-loss tool (the
// tallest) to fit the main window at its design size.
QGridLayout *frameGrid(QGroupBox *frame)
{
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(twips(120), twips(60), twips(120), twips(60));
    grid->setVerticalSpacing(twips(45));
    return grid;
}

void setShown(std::initializer_list<QWidget *> widgets, bool shown)
{
    for (QWidget *w : widgets)
        w->setVisible(shown);
}

// A button that Enter presses as well as Space: the screen is no dialog, so
// it has no default button to take Enter.
class EnterButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// The reducer sketch beside the taper angle: a pipe narrowing to the meter
// bore and widening again, with the included angle marked.
QPixmap reducerSketch(int width, int height)
{
    QPixmap pixmap = blankPixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 51, 153), 1.5));
    const double w = width, h = height, wide = h * 0.4, narrow = h * 0.2, mid = h / 2;
    const QPointF top[] = {{0, mid - wide}, {w * 0.3, mid - wide}, {w * 0.45, mid - narrow},
                           {w * 0.55, mid - narrow}, {w * 0.7, mid - wide}, {w, mid - wide}};
    const QPointF bottom[] = {{0, mid + wide}, {w * 0.3, mid + wide}, {w * 0.45, mid + narrow},
                              {w * 0.55, mid + narrow}, {w * 0.7, mid + wide}, {w, mid + wide}};
    p.drawPolyline(top, 6);
    p.drawPolyline(bottom, 6);
    return pixmap;
}

} // namespace

Velocityfrm::Velocityfrm(AppState &app, QWidget *parent)
    : QWidget(parent), m_app(app), m_calc(app.velocity, app.texts, *this)
{
    build();
    // The handlers are live while the screen loads: setting a field there runs
    // its handler, as everywhere else.
    wire();
    load();
}

// While Qt deletes the controls it takes the focus from the one that has it,
// and an editable list then reports its typed text as a choice: no handler
// may run then, on a screen whose calculator is already gone.
Velocityfrm::~Velocityfrm()
{
    for (QWidget *w : findChildren<QWidget *>())
        w->blockSignals(true);
}

void Velocityfrm::trace(const QString &step)
{
    if (m_trace)
        m_trace(step);
    emit changed();
}

VelocityTool Velocityfrm::tool() const { return m_app.velocityTool.value_or(VelocityTool::Velocity); }

// ---------------------------------------------------------------- building

void Velocityfrm::build()
{
    // The screen scrolls when its frames need more room than the window
    // gives (large fonts, long captions); at the design size it does not.
    auto *scroll = new VerticalScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *content = new QWidget(scroll);
    scroll->setWidget(content);
    auto *screenLayout = new QVBoxLayout(this);
    screenLayout->setContentsMargins(0, 0, 0, 0);
    screenLayout->addWidget(scroll);

    auto *outer = new QVBoxLayout(content);
    outer->setContentsMargins(twips(kMargin), twips(kTopMargin), twips(kMargin), twips(kSpacing));
    outer->setSpacing(twips(kSpacing));
    auto *titleRow = new QHBoxLayout;
    m_title = labelBox(content, "TxtTitle");
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    m_title->setFont(titleFont);
    setTextColour(m_title, QColor(0, 51, 153));
    m_print = new Picture(QStringLiteral("Image1"), content);
    m_print->setPixmap(printerGlyph(twips(480)));
    m_print->setFixedSize(twips(480), twips(480));
    titleRow->addWidget(m_title, 1);
    titleRow->addWidget(m_print);
    outer->addLayout(titleRow);

    buildFlowFrame(content);
    buildFluidFrame(content);
    buildAccuracyFrame(content);
    buildPaybackFrame(content);
    buildPressureFrame(content);
    buildSizeFrame(content);
    buildMeterTypeFrame(content);
    for (QGroupBox *f : {m_flow.frame, m_fluid.frame, m_accuracy.frame, m_payback.frame, m_pressure.frame,
                         m_size.frame, m_meterTypes.frame})
        outer->addWidget(f);
    outer->addStretch(1);

    // The picture stands in a strip of its own under the frames, at its
    // distance from the bottom-right corner: it never covers a frame, and
    // when the frames need more room than the window gives, it scrolls with
    // them below the last one.
    m_picture = new Picture(QStringLiteral("Picture1"), content);
    m_picture->setPixmap(makeLogo(twips(kPictureWidth), twips(kPictureHeight), QStringLiteral("Q")));
    m_picture->setFixedSize(twips(kPictureWidth), twips(kPictureHeight));
    auto *pictureRow = new QHBoxLayout;
    pictureRow->setContentsMargins(0, 0, twips(kCornerPictureFromRight - kPictureWidth - kMargin),
                                   twips(kCornerPictureFromBottom - kPictureHeight - kSpacing));
    pictureRow->addStretch(1);
    pictureRow->addWidget(m_picture);
    outer->addLayout(pictureRow);

    // The boxes the calculator reads and writes (the payback caption is a
    // label of its own).
    const std::pair<Box, QLineEdit *> boxes[] = {
        {Box::MeterSize, m_flow.meterSize.box},     {Box::TaperAngle, m_flow.taperAngle.box},
        {Box::Velocity, m_flow.velocity.box},       {Box::Reynolds, m_flow.reynolds.box},
        {Box::Regime, m_flow.regime},               {Box::PrandelAccuracy, m_accuracy.prandel.box},
        {Box::VeldrixAccuracy, m_accuracy.veldrix.box}, {Box::BrevilAccuracy, m_accuracy.brevil.box},
        {Box::LossMillibar, m_pressure.millibar.box}, {Box::LossBar, m_pressure.bar.box},
        {Box::LossPsi, m_pressure.psi.box},         {Box::AnnualUsage, m_payback.usage},
        {Box::RevenueLoss, m_payback.revenueLoss},  {Box::Payback, m_payback.payback}};
    for (const auto &[b, box] : boxes)
        m_boxes[size_t(b)] = box;
    for (int i = 0; i < kProposals; ++i) {
        m_boxes[size_t(nth(Box::Size, i))] = m_size.sizes[size_t(i)].box;
        m_boxes[size_t(nth(Box::SizeLoss, i))] = m_size.losses[size_t(i)];
        m_boxes[size_t(nth(Box::FullBoreLoss, i))] = m_size.fullBoreLosses[size_t(i)];
    }
}

void Velocityfrm::buildFlowFrame(QWidget *parent)
{
    FlowFrame &ff = m_flow;
    QGroupBox *f = ff.frame = frame(parent, "Frame1");
    auto *grid = frameGrid(f);
    ff.pipeSize.box = inputBox(f, "TxtpipeSize");
    ff.taperAngle.box = inputBox(f, "TxtTaperAngle");
    ff.meterSize.box = inputBox(f, "TxtMeterSize");
    ff.flow.box = inputBox(f, "TxtFlow");
    ff.flowUnits = new QComboBox(f);
    ff.flowUnits->setObjectName(QStringLiteral("CmboFlowUnits"));
    ff.flowUnits->setEditable(true);
    ff.flowUnits->setInsertPolicy(QComboBox::NoInsert);
    ff.flowUnits->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ff.velocity.box = outputBox(f, "TxtVelocity");
    ff.reynolds.box = outputBox(f, "TxtReynolds");
    ff.regime = labelBox(f, "TxtLblTurbLAm");

    auto *angle = new QWidget(f);
    auto *angleLayout = new QVBoxLayout(angle);
    angleLayout->setContentsMargins(0, 0, 0, 0);
    angleLayout->setSpacing(0);
    QLabel *sketch = label(angle, "PicAngle");
    sketch->setPixmap(reducerSketch(twips(1200), twips(330)));
    auto *line = new QFrame(angle);
    line->setObjectName(QStringLiteral("LinAngle"));
    line->setFrameShape(QFrame::HLine);
    line->setFixedWidth(twips(1200));
    angleLayout->addWidget(sketch, 0, Qt::AlignLeft);
    angleLayout->addWidget(line, 0, Qt::AlignLeft);
    ff.angleSketch = sketch;
    ff.angleLine = line;

    ff.pipeSizeUnit = labelBox(f, "TxtLblSizeUnits2");
    ff.meterSizeUnit = labelBox(f, "TxtLbLSizeUnits");
    ff.velocityUnit = labelBox(f, "TxtLblVelUnits");
    int row = 0;
    // A number is read with the unit that stands after it.
    auto addRow = [&](Captioned &field, const char *captionName, QWidget *after, QLineEdit *unit = nullptr) {
        field.caption = labelBox(f, captionName);
        a11y::nameAfter(field.box, field.caption, QString(), unit);
        grid->addWidget(field.caption, row, 0);
        grid->addWidget(field.box, row, 1);
        grid->addWidget(after, row, 2);
        ++row;
    };
    addRow(ff.pipeSize, "TxtLblPipeSize", ff.pipeSizeUnit, ff.pipeSizeUnit);
    addRow(ff.taperAngle, "TxtLblTaperAngle", angle);
    addRow(ff.meterSize, "TxtLblMeterSize", ff.meterSizeUnit, ff.meterSizeUnit);
    addRow(ff.flow, "TxtLblFlow", ff.flowUnits);
    addRow(ff.velocity, "TxtLblVelocity", ff.velocityUnit, ff.velocityUnit);
    addRow(ff.reynolds, "TxtLblReyolds", ff.regime);
    // The regime is a result too: it takes the focus, and is read out with
    // the Reynolds number's caption. The flow unit list goes with the flow.
    ff.regime->setFocusPolicy(Qt::StrongFocus);
    a11y::refresh(ff.regime); // read as the result it is, not as a caption
    a11y::nameAfter(ff.regime, ff.reynolds.caption, a11y::Words::tr("regime"));
    a11y::nameAfter(ff.flowUnits, ff.flow.caption, a11y::Words::tr("unit"));
    sketch->setAccessibleName(a11y::Words::tr("Sketch of the taper angle"));
    grid->setColumnStretch(2, 1);
}

void Velocityfrm::buildFluidFrame(QWidget *parent)
{
    FluidFrame &ff = m_fluid;
    QGroupBox *f = ff.frame = frame(parent, "Frame2");
    auto *grid = frameGrid(f);
    ff.water = new QCheckBox(f);
    ff.water->setObjectName(QStringLiteral("ChkWater"));
    ff.water->setChecked(true); // water is the fluid a new screen starts with
    ff.other = new QCheckBox(f);
    ff.other->setObjectName(QStringLiteral("ChkOther"));
    ff.density = {labelBox(f, "TxtLblDensity"), inputBox(f, "TxtDensity")};
    ff.viscosity = {labelBox(f, "TxtLblVisc"), inputBox(f, "TxtVisc")};
    grid->addWidget(ff.water, 0, 0);
    grid->addWidget(ff.other, 0, 1);
    int row = 1;
    for (const Captioned &field : {ff.density, ff.viscosity}) {
        a11y::nameAfter(field.box, field.caption);
        grid->addWidget(field.caption, row, 0);
        grid->addWidget(field.box, row++, 1);
    }
    // A second caption of the viscosity box with the same text; one is enough
    // on screen, so it stays out of sight.
    ff.viscosityCaption2 = labelBox(f, "TxtLblViscosity");
    ff.viscosityCaption2->hide();
    grid->setColumnStretch(2, 1);
}

void Velocityfrm::buildAccuracyFrame(QWidget *parent)
{
    AccuracyFrame &af = m_accuracy;
    QGroupBox *f = af.frame = frame(parent, "Frame3");
    auto *grid = frameGrid(f);
    // One row per meter type; the choice of type decides which row shows, so
    // the shown one always stands first. The standard the water meters are
    // judged by is named below.
    const std::pair<Captioned *, std::array<const char *, 2>> rows[] = {
        {&af.prandel, {"TxtLblAccurMagWW", "TxtAccurMagWW"}},
        {&af.veldrix, {"TxtLblAccurVeldrix", "TxtAccurVeldrix"}},
        {&af.brevil, {"TxtLblAccurBrevilReal", "TxtAccurBrevilReal"}},
        {&af.brevilStandard, {"TxtLblAccurBrevil", "TxtAccurBrevil"}}};
    int row = 0;
    for (const auto &[field, names] : rows) {
        *field = {labelBox(f, names[0]), outputBox(f, names[1])};
        a11y::nameAfter(field->box, field->caption);
        setShown({field->caption, field->box}, false);
        grid->addWidget(field->caption, row, 0);
        grid->addWidget(field->box, row++, 1);
    }
    af.byType[size_t(MeterType::Prandel)] = af.prandel;
    af.byType[size_t(MeterType::VeldrixMains)] = af.veldrix;
    af.byType[size_t(MeterType::Brevil)] = af.brevil;
    af.byType[size_t(MeterType::VeldrixBattery)] = af.veldrix;
    af.standard = label(f, "Label1", Presenter::standard());
    af.accuracyTo = label(f, "Label2");
    setShown({af.standard, af.accuracyTo}, false);
    grid->addWidget(af.accuracyTo, row, 0);
    grid->addWidget(af.standard, row, 1, 1, 2);
    // The chart of the accuracy over the flow, at the right of the rows;
    // made last, so Tab reaches it after the accuracy shown.
    af.chart = new EnterButton(tr("Chart…"), f);
    af.chart->setObjectName(QStringLiteral("CmdAccuracyChart"));
    af.chart->setToolTip(tr("The accuracy of the meter types over the flow"));
    grid->addWidget(af.chart, 0, 3, 3, 1, Qt::AlignRight | Qt::AlignTop);
    grid->setColumnStretch(2, 1);
}

void Velocityfrm::buildPaybackFrame(QWidget *parent)
{
    PaybackFrame &pf = m_payback;
    QGroupBox *f = pf.frame = frame(parent, "Frame4");
    auto *grid = frameGrid(f);
    pf.usage = inputBox(f, "TxtAnnualUsage");
    pf.price = inputBox(f, "TxtMeterPrice");
    pf.currentAccuracy = inputBox(f, "TxtCurrentMeterAccuracy");
    pf.waterCharge = inputBox(f, "TxtWaterValue");
    pf.sewageCharge = inputBox(f, "TxtSewageCharge");
    const std::tuple<QLabel **, const char *, QLineEdit *> inputs[] = {
        {&pf.usageCaption, "LblAnnualUsage", pf.usage},
        {&pf.priceCaption, "LblMeterprice", pf.price},
        {&pf.currentAccuracyCaption, "LblMeterAcc", pf.currentAccuracy},
        {&pf.waterChargeCaption, "LblWaterCharge", pf.waterCharge},
        {&pf.sewageChargeCaption, "LbLSewageCharge", pf.sewageCharge}};
    int row = 0;
    for (const auto &[captionOf, name, box] : inputs) {
        *captionOf = label(f, name);
        (*captionOf)->setBuddy(box);
        grid->addWidget(*captionOf, row, 0);
        grid->addWidget(box, row++, 1);
    }
    auto *supply = new QWidget(f);
    supply->setAccessibleName(a11y::Words::tr("Supply of the new meter"));
    auto *supplyLayout = new QHBoxLayout(supply);
    supplyLayout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 2; ++i) {
        pf.supply[size_t(i)] = new QRadioButton(supply);
        pf.supply[size_t(i)]->setObjectName(indexedName(u"Chkmains", i));
        supplyLayout->addWidget(pf.supply[size_t(i)]);
    }
    supplyLayout->addStretch(1);
    grid->addWidget(supply, row++, 0, 1, 2);
    // Made after the supply options, so Tab meets them in the order they stand.
    pf.revenueLoss = outputBox(f, "TxtRevenueLoss");
    pf.payback = outputBox(f, "TxtPayBack");
    pf.paybackCaption = label(f, "LbLPayBack");
    pf.revenueLossCaption = label(f, "LblRevenueLoss");
    pf.revenueLossCaption->setBuddy(pf.revenueLoss);
    pf.paybackCaption->setBuddy(pf.payback);
    grid->addWidget(pf.revenueLossCaption, row, 0);
    grid->addWidget(pf.revenueLoss, row++, 1);
    grid->addWidget(pf.paybackCaption, row, 0);
    grid->addWidget(pf.payback, row, 1);
    grid->setColumnStretch(2, 1);
}

void Velocityfrm::buildPressureFrame(QWidget *parent)
{
    PressureFrame &pf = m_pressure;
    QGroupBox *f = pf.frame = frame(parent, "Pressure", QStringLiteral("Pressure"));
    auto *grid = frameGrid(f);
    pf.millibar.box = outputBox(f, "TxtPressMeter");
    pf.bar.box = outputBox(f, "TxtPressMeterbars");
    pf.psi.box = outputBox(f, "TxtPressMeterPsi");
    // The loss in three units side by side, under its caption.
    pf.caption = labelBox(f, "TxtLblPressMeter");
    grid->addWidget(pf.caption, 0, 0, 1, 6);
    const std::pair<Captioned *, const char *> units[] = {
        {&pf.millibar, "Txtlblmb"}, {&pf.bar, "Txtlblbars"}, {&pf.psi, "Txtlblpsi"}};
    int column = 0;
    for (const auto &[field, unit] : units) {
        field->caption = labelBox(f, unit);
        a11y::nameAfter(field->box, pf.caption, QString(), field->caption);
        grid->addWidget(field->box, 1, column++);
        grid->addWidget(field->caption, 1, column++);
    }
    grid->setColumnStretch(6, 1);
}

void Velocityfrm::buildSizeFrame(QWidget *parent)
{
    SizeFrame &sf = m_size;
    QGroupBox *f = sf.frame = frame(parent, "SizeFrame");
    auto *grid = frameGrid(f);
    sf.heading = label(f, "LbLPressureforSize");
    grid->addWidget(sf.heading, 0, 0, 1, 5);
    grid->addWidget(label(f, "Label7", Presenter::reducedBoreColumn()), 1, 3);
    grid->addWidget(label(f, "Label6", Presenter::fullBoreColumn()), 1, 4);
    // Rows in the order the sizes are listed: largest, smallest, 1, 2, 3 m/s.
    const char *names[kProposals][5] = {{"TxtLblMaxSize", "TxtMaxSize", "TxtLblsize", "Text1", "TxtPresMag1"},
                                        {"TxtLblMinSize", "TxTMinSize", "Txtlblsize2", "Text2", "TxtPressMag2"},
                                        {"TxtLBL1ms", "Txt1ms", "Txtlblsize3", "Text3", "TxtPressMag3"},
                                        {"TxtLbl2ms", "Txt2ms", "Txtlblsize4", "Text4", "TxtPressMag4"},
                                        {"TxtLbl3ms", "Txt3ms", "Txtlblsize5", "Text5", "TxtPressMag5"}};
    for (size_t i = 0; i < kProposals; ++i) {
        const int row = int(i) + 2;
        Captioned &size = sf.sizes[i];
        size = {labelBox(f, names[i][0]), outputBox(f, names[i][1])};
        sf.units[i] = labelBox(f, names[i][2]);
        sf.losses[i] = outputBox(f, names[i][3]);
        sf.fullBoreLosses[i] = outputBox(f, names[i][4]);
        grid->addWidget(size.caption, row, 0);
        grid->addWidget(size.box, row, 1);
        grid->addWidget(sf.units[i], row, 2);
        grid->addWidget(sf.losses[i], row, 3);
        grid->addWidget(sf.fullBoreLosses[i], row, 4);
        // The sizes are read with their unit, the losses as what they are:
        // pressure losses in bar of the size on their row.
        a11y::nameAfter(size.box, size.caption, QString(), sf.units[i]);
        const QString loss = a11y::Words::tr("Pressure loss in bar");
        a11y::nameAfter(sf.losses[i], size.caption, Presenter::reducedBoreColumn(), nullptr, loss);
        a11y::nameAfter(sf.fullBoreLosses[i], size.caption, Presenter::fullBoreColumn(), nullptr, loss);
    }
    // The heading says what the columns under it hold: a screen reader finds
    // it as the label of the first loss.
    sf.heading->setBuddy(sf.losses[0]);
    grid->setColumnStretch(5, 1);
}

void Velocityfrm::buildMeterTypeFrame(QWidget *parent)
{
    QGroupBox *f = m_meterTypes.frame = frame(parent, "FrameMeterType");
    // The frame has no title on screen; a screen reader names the group.
    f->setAccessibleName(a11y::Words::tr("Meter type"));
    auto *layout = new QHBoxLayout(f);
    for (int i = 0; i < kMeterTypes; ++i) {
        QRadioButton *option = new QRadioButton(Presenter::meterTypeName(MeterType(i)), f);
        option->setObjectName(indexedName(u"OptMeterType", i));
        layout->addWidget(option);
        m_meterTypes.options[size_t(i)] = option;
    }
    layout->addStretch(1);
}

QList<QWidget *> Velocityfrm::widgetsOf(ScreenPart part) const
{
    switch (part) {
    case ScreenPart::FluidFrame:
        return {m_fluid.frame};
    case ScreenPart::AccuracyFrame:
        return {m_accuracy.frame};
    case ScreenPart::PaybackFrame:
        return {m_payback.frame};
    case ScreenPart::PressureFrame:
        return {m_pressure.frame};
    case ScreenPart::SizeFrame:
        return {m_size.frame};
    case ScreenPart::MeterTypeFrame:
        return {m_meterTypes.frame};
    case ScreenPart::PipeAndAngle:
        return {m_flow.pipeSize.caption, m_flow.pipeSize.box, m_flow.pipeSizeUnit, m_flow.taperAngle.caption,
                m_flow.taperAngle.box, m_flow.angleSketch, m_flow.angleLine};
    case ScreenPart::MeterSizeRow:
        return {m_flow.meterSize.caption, m_flow.meterSize.box, m_flow.meterSizeUnit};
    case ScreenPart::VelocityRow:
        return {m_flow.velocity.caption, m_flow.velocity.box, m_flow.velocityUnit};
    case ScreenPart::OtherFluidChoice:
        return {m_fluid.other};
    }
    return {};
}

// ---------------------------------------------------------------- wiring

void Velocityfrm::wire()
{
    const FlowFrame &ff = m_flow;
    ev::onChange(ff.flow.box, [this] {
        trace(QStringLiteral("TxtFlow changed"));
        flowChanged(true, true);
    });
    ev::onType(ff.flowUnits, [this] {
        trace(QStringLiteral("CmboFlowUnits typed"));
        flowChanged(false, true);
    });
    ev::onChoose(ff.flowUnits, [this] {
        trace(QStringLiteral("CmboFlowUnits chosen"));
        flowChanged(false, false);
    });
    ev::onFocusLost(ff.flowUnits, [this] {
        trace(QStringLiteral("CmboFlowUnits lost focus"));
        m_calc.fullRecalculation();
    });
    ev::onChange(ff.meterSize.box, [this] {
        trace(QStringLiteral("TxtMeterSize changed"));
        m_calc.changed(Box::MeterSize);
    });
    ev::onMouseDown(ff.meterSize.box, [this] {
        trace(QStringLiteral("TxtMeterSize clicked"));
        m_calc.meterSizeClicked();
    });
    // The boxes the calculator also writes run what it says their change runs.
    for (Box written : {Box::TaperAngle, Box::Velocity, Box::AnnualUsage}) {
        const QString step = box(written)->objectName() + QStringLiteral(" changed");
        ev::onChange(box(written), [this, step, written] {
            trace(step);
            m_calc.changed(written);
        });
    }
    for (QLineEdit *fluid : {m_fluid.density.box, m_fluid.viscosity.box}) {
        const QString step = fluid->objectName() + QStringLiteral(" changed");
        ev::onChange(fluid, [this, step] {
            trace(step);
            m_calc.fullRecalculation();
        });
    }
    const PaybackFrame &pf = m_payback;
    for (QLineEdit *charge : {pf.currentAccuracy, pf.price, pf.waterCharge, pf.sewageCharge}) {
        const QString step = charge->objectName() + QStringLiteral(" changed");
        ev::onChange(charge, [this, step] {
            trace(step);
            m_calc.payback();
        });
    }
    ev::onFocusLost(pf.currentAccuracy, [this] {
        trace(QStringLiteral("TxtCurrentMeterAccuracy lost focus"));
        m_calc.payback();
    });
    for (QRadioButton *option : pf.supply) {
        ev::onClick(option, [this] {
            trace(QStringLiteral("Chkmains clicked"));
            m_calc.payback();
        });
    }
    ev::onMouseDown(pf.usage, [this] {
        trace(QStringLiteral("TxtAnnualUsage clicked"));
        m_calc.annualUsageClicked();
    });
    ev::onClick(m_fluid.water, [this] { chooseWater(); });
    ev::onClick(m_fluid.other, [this] { chooseOtherFluid(); });
    for (QRadioButton *option : m_meterTypes.options) {
        ev::onClick(option, [this] { chooseMeterType(); });
        // A type shown selected when the screen opens (the program's choice
        // from an earlier opening) is chosen again by a click on it, which
        // brings up its accuracy.
        QObject::connect(option, &QAbstractButton::clicked, this, [this, option] {
            if (option->isChecked() && m_accuracy.frame->isHidden() && toolView(tool()).accuracyOnChoice)
                chooseMeterType();
        });
    }
    enablePrinting(this, m_print, m_app);
    connect(m_accuracy.chart, &QPushButton::clicked, this, &Velocityfrm::chartRequested);

    // Enter moves the focus along the order the inputs are usually filled in.
    const std::pair<QLineEdit *, QWidget *> enterChain[] = {
        {ff.meterSize.box, ff.flow.box},        {ff.flow.box, ff.flowUnits},
        {ff.pipeSize.box, ff.taperAngle.box},   {ff.taperAngle.box, ff.meterSize.box},
        {pf.usage, pf.price},                   {pf.price, pf.currentAccuracy},
        {pf.currentAccuracy, pf.waterCharge},   {pf.waterCharge, pf.sewageCharge}};
    for (const auto &[from, to] : enterChain) {
        QWidget *next = to;
        ev::onEnter(from, [next] { next->setFocus(Qt::TabFocusReason); });
    }
}

// ---------------------------------------------------------------- loading

void Velocityfrm::showTool(const ToolView &view)
{
    for (int i = 0; i < kScreenParts; ++i) {
        const ScreenPart part = ScreenPart(i);
        for (QWidget *w : widgetsOf(part))
            w->setVisible(view.shown.has(part));
    }
    caption(m_title, m_app.slot(view.title));
}

void Velocityfrm::load()
{
    const AppState &a = m_app;
    const ToolView &view = toolView(tool());
    // What the tool shows.
    showTool(view);

    // Captions every tool shares.
    const Presenter &present = m_calc.presenter();
    setWindowTitle(a.slot(Txt::SuiteName) + QStringLiteral("  ") + a.slot(Txt::Velocity));
    ev::setComboText(m_flow.flowUnits, a.slot(Txt::FlowUnitsPrompt));
    const std::pair<QLineEdit *, QString> captions[] = {
        {m_flow.meterSize.caption, a.slot(Txt::MeterSize)},
        {m_flow.pipeSize.caption, a.slot(Txt::PipeSize)},
        {m_flow.taperAngle.caption, a.slot(Txt::TaperAngle)},
        {m_flow.flow.caption, a.slot(Txt::FlowRate)},
        {m_flow.velocity.caption, a.slot(Txt::Velocity)},
        {m_flow.reynolds.caption, a.slot(Txt::ReynoldsNumber)},
        {m_flow.velocityUnit, present.velocityUnit(a.metric)},
        {m_flow.meterSizeUnit, present.sizeUnit(a.metric)},
        {m_flow.pipeSizeUnit, present.sizeUnit(a.metric)},
        {m_fluid.viscosity.caption, a.slot(Txt::ViscosityCentipoise)},
        {m_fluid.viscosityCaption2, a.slot(Txt::ViscosityCentipoise)},
        {m_fluid.density.caption, a.slot(Txt::DensityKgPerM3)},
        {m_accuracy.prandel.caption, present.accuracyCaption(MeterType::Prandel)},
        {m_accuracy.veldrix.caption, present.accuracyCaption(MeterType::VeldrixMains)},
        {m_accuracy.brevil.caption, present.accuracyCaption(MeterType::Brevil)},
        {m_accuracy.brevilStandard.caption, Presenter::brevilToStandard()},
        {m_pressure.caption, a.slot(Txt::PressureLoss)},
        {m_pressure.millibar.caption, a.slot(Txt::Millibar)},
        {m_pressure.bar.caption, a.slot(Txt::Bar)},
        {m_pressure.psi.caption, a.slot(Txt::Psi)}};
    for (const auto &[box, text] : captions)
        caption(box, text);
    for (size_t i = 0; i < kProposals; ++i) {
        caption(m_size.sizes[i].caption, present.proposalCaption(int(i), a.metric));
        caption(m_size.units[i], present.sizeUnit(a.metric));
    }
    m_size.heading->setText(present.proposalLossHeading());

    m_fluid.frame->setTitle(a.slot(Txt::Fluid));
    m_fluid.water->setText(a.slot(Txt::Water));
    m_fluid.other->setText(a.slot(Txt::OtherFluid));
    m_accuracy.frame->setTitle(a.slot(Txt::Accuracy));
    m_accuracy.accuracyTo->setText(a.slot(Txt::AccuracyTo));
    if (view.supplyInOptionNames) {
        for (MeterType type : {MeterType::VeldrixMains, MeterType::VeldrixBattery})
            m_meterTypes.options[size_t(type)]->setText(present.meterTypeCaption(type));
    }

    const PaybackFrame &pf = m_payback;
    pf.frame->setTitle(a.slot(Txt::VeldrixPayback));
    const std::pair<QLabel *, QString> paybackCaptions[] = {
        {pf.usageCaption, present.annualUsageCaption(a.metric)},
        {pf.priceCaption, a.slot(Txt::MeterPrice)},
        {pf.currentAccuracyCaption, a.slot(Txt::ExistingMeterAccuracy)},
        {pf.waterChargeCaption, present.waterChargeCaption(a.metric)},
        {pf.sewageChargeCaption, present.sewageChargeCaption(a.metric)},
        {pf.revenueLossCaption, a.slot(Txt::RevenueLoss)},
        {pf.paybackCaption, a.slot(Txt::PaybackYears)}};
    for (const auto &[label, text] : paybackCaptions)
        label->setText(text);
    pf.supply[0]->setText(a.slot(Txt::Mains));
    pf.supply[1]->setText(a.slot(Txt::Battery));

    // The flow units under their prompt (adding the names does not change the
    // text the box shows).
    QComboBox *units = m_flow.flowUnits;
    const QString prompt = units->currentText();
    units->addItems(flowUnitNames(a.texts));
    units->setCurrentIndex(-1);
    units->setEditText(prompt);
    units->lineEdit()->setCursorPosition(0);
    // Water, the fluid a new screen starts with.
    m_fluid.viscosity.box->setText(Presenter::waterViscosity());
    m_fluid.density.box->setText(Presenter::waterDensity());
    enableFluidFigures(false);
    m_accuracy.prandel.box->setText(QStringLiteral(" "));

    // The first field to fill in for the tool.
    switch (view.focus) {
    case FirstField::MeterSize:
        m_flow.meterSize.box->setFocus();
        break;
    case FirstField::MeterType:
        m_meterTypes.options[0]->setFocus();
        break;
    case FirstField::Flow:
        m_flow.flow.box->setFocus();
        break;
    }

    // A meter type chosen on an earlier opening is still the program's choice:
    // show it selected, and worked out, where the options are offered. Its
    // accuracy stays out of sight until the user chooses a type in this
    // opening.
    const MeterType chosen = m_calc.model().shared().meterType;
    if (chosen != MeterType::None && view.shown.has(ScreenPart::MeterTypeFrame))
        m_meterTypes.options[size_t(chosen)]->setChecked(true);
    m_accuracy.frame->hide();
}

// ---------------------------------------------------------------- inputs

InputTexts Velocityfrm::inputs() const
{
    const FlowFrame &ff = m_flow;
    InputTexts t;
    t.tool = tool();
    t.metric = m_app.metric;
    t.flow = ff.flow.box->text();
    t.unit = ff.flowUnits->currentText();
    t.meterSize = ff.meterSize.box->text();
    t.pipeSize = ff.pipeSize.box->text();
    t.taperAngle = ff.taperAngle.box->text();
    t.fluid = m_fluid.water->isChecked() ? Fluid::Water : m_fluid.other->isChecked() ? Fluid::Other : Fluid::Neither;
    t.density = m_fluid.density.box->text();
    t.viscosity = m_fluid.viscosity.box->text();
    t.checkedMeterType = checkedMeterType();
    return t;
}

PaybackTexts Velocityfrm::paybackInputs() const
{
    const PaybackFrame &pf = m_payback;
    PaybackTexts t;
    t.metric = m_app.metric;
    t.supply = pf.supply[0]->isChecked() ? Supply::Mains : pf.supply[1]->isChecked() ? Supply::Battery : Supply::None;
    t.annualUsage = pf.usage->text();
    t.meterPrice = pf.price->text();
    t.currentAccuracy = pf.currentAccuracy->text();
    t.waterCharge = pf.waterCharge->text();
    t.sewageCharge = pf.sewageCharge->text();
    return t;
}

MeterType Velocityfrm::checkedMeterType() const
{
    for (int i = 0; i < kMeterTypes; ++i) {
        if (m_meterTypes.options[size_t(i)]->isChecked())
            return MeterType(i);
    }
    return MeterType::None;
}

// ---------------------------------------------------------------- handlers

void Velocityfrm::flowChanged(bool typedFlow, bool forgetTypedUsage)
{
    QLineEdit *flow = m_flow.flow.box;
    if (typedFlow && tool() != VelocityTool::MeterSize && flow->palette().color(QPalette::Text) != Qt::black)
        setTextColour(flow, Qt::black);
    m_calc.flowChanged(forgetTypedUsage);
}

// The two fluid boxes act as a pair: ticking or clearing one sets the other
// (whose own handler then runs first), water brings its own figures and
// another fluid asks for them.
void Velocityfrm::chooseWater()
{
    trace(QStringLiteral("ChkWater clicked"));
    const bool water = m_fluid.water->isChecked();
    m_fluid.other->setChecked(!water);
    if (water) {
        m_fluid.viscosity.box->setText(Presenter::waterViscosity());
        m_fluid.density.box->setText(Presenter::waterDensity());
    }
    enableFluidFigures(!water);
    m_calc.fullRecalculation();
}

void Velocityfrm::chooseOtherFluid()
{
    trace(QStringLiteral("ChkOther clicked"));
    const bool other = m_fluid.other->isChecked();
    m_fluid.water->setChecked(!other);
    enableFluidFigures(other);
    if (other) {
        m_fluid.viscosity.box->clear();
        m_fluid.density.box->clear();
    }
    m_calc.fullRecalculation();
}

void Velocityfrm::enableFluidFigures(bool enabled)
{
    for (const Captioned &field : {m_fluid.viscosity, m_fluid.density}) {
        field.caption->setEnabled(enabled);
        field.box->setEnabled(enabled);
    }
}

// Which result boxes of the accuracy frame show is rebuilt from scratch on
// every choice, so the boxes of an earlier type never remain.
void Velocityfrm::chooseMeterType()
{
    trace(QStringLiteral("OptMeterType clicked"));
    AccuracyFrame &af = m_accuracy;
    af.frame->hide();
    setShown({af.standard, af.accuracyTo}, false);
    setShown({af.brevilStandard.caption, af.brevilStandard.box, af.brevil.caption, af.brevil.box}, false);
    const MeterType type = checkedMeterType();
    if (type != MeterType::None) {
        if (toolView(tool()).accuracyOnChoice)
            af.frame->show();
        const bool veldrix = type == MeterType::VeldrixMains || type == MeterType::VeldrixBattery;
        setShown({af.veldrix.caption, af.veldrix.box}, veldrix);
        setShown({af.prandel.caption, af.prandel.box}, type == MeterType::Prandel);
        // The water meters are judged by a standard; the Brevil figure shows
        // once a size of 14 mm or more is known.
        setShown({af.standard, af.accuracyTo}, type != MeterType::Prandel);
    }
    m_calc.chooseMeterType(type);
}

void Velocityfrm::clearSizeResults()
{
    for (QLineEdit *loss : m_size.losses)
        loss->clear();
    for (QLineEdit *loss : m_size.fullBoreLosses)
        loss->clear();
}

// ---------------------------------------------------------------- fields

QLineEdit *Velocityfrm::box(Box b) const { return m_boxes[size_t(b)]; }

QString Velocityfrm::text(Box b) const
{
    if (b == Box::PaybackCaption)
        return m_payback.paybackCaption->text();
    return box(b)->text();
}

void Velocityfrm::write(Box b, const QString &text)
{
    if (b == Box::PaybackCaption)
        m_payback.paybackCaption->setText(text);
    else
        box(b)->setText(text);
}

void Velocityfrm::showAccuracy(MeterType type)
{
    const Captioned &field = m_accuracy.byType[size_t(type)];
    setShown({field.caption, field.box}, true);
}

void Velocityfrm::alreadyBetter()
{
    m_app.platform.message(this, QString::fromLatin1(kAccuracyAlreadyBetter));
    m_payback.currentAccuracy->clear();
    m_payback.currentAccuracy->setFocus();
}

// ---------------------------------------------------------------- data sheet

DataSheet Velocityfrm::dataSheet() const
{
    DataSheet sheet;
    sheet.tool = m_title->text();
    SheetBuilder b(this, sheet);
    const FlowFrame &ff = m_flow;
    const QString meterTypeCaption = SheetWords::tr("Meter type");
    const QString supplyCaption = SheetWords::tr("Supply");

    b.section(m_app.slot(Txt::Input));
    b.row({ff.pipeSize.caption, ff.pipeSize.box, ff.pipeSizeUnit});
    b.row({ff.taperAngle.caption, ff.taperAngle.box});
    b.row({ff.meterSize.caption, ff.meterSize.box, ff.meterSizeUnit});
    b.row({ff.flow.caption, ff.flow.box, ff.flowUnits});
    const QAbstractButton *fluid = m_fluid.water->isChecked() ? m_fluid.water : m_fluid.other;
    b.row(m_fluid.frame->title(), m_fluid.frame, {fluid});
    b.row({m_fluid.density.caption, m_fluid.density.box});
    b.row({m_fluid.viscosity.caption, m_fluid.viscosity.box});
    for (QRadioButton *option : m_meterTypes.options) {
        if (option->isChecked())
            b.row(meterTypeCaption, m_meterTypes.frame, {option});
    }
    const PaybackFrame &pf = m_payback;
    for (const auto &[caption, box] : {std::pair(pf.usageCaption, pf.usage), {pf.priceCaption, pf.price},
                                       {pf.currentAccuracyCaption, pf.currentAccuracy},
                                       {pf.waterChargeCaption, pf.waterCharge},
                                       {pf.sewageChargeCaption, pf.sewageCharge}})
        b.row({caption, box});
    for (QRadioButton *option : pf.supply) {
        if (option->isChecked())
            b.row(supplyCaption, pf.frame, {option});
    }

    b.section(SheetWords::tr("Results"));
    b.row({ff.velocity.caption, ff.velocity.box, ff.velocityUnit});
    b.row({ff.reynolds.caption, ff.reynolds.box, ff.regime});
    // The chosen type's accuracy, also where the tool keeps its frame out of
    // sight (the payback tool, or before a choice in this opening).
    const MeterType chosen = m_calc.model().shared().meterType;
    const bool withAccuracy = toolView(tool()).accuracyOnChoice;
    if (withAccuracy && chosen != MeterType::None) {
        const Captioned &accuracy = m_accuracy.byType[size_t(chosen)];
        b.row(Presenter::meterTypeName(chosen), ff.frame, {accuracy.box});
    }
    for (const Captioned *loss : {&m_pressure.millibar, &m_pressure.bar, &m_pressure.psi})
        b.row(m_pressure.caption->text(), m_pressure.frame, {loss->box, loss->caption});
    for (const auto &[caption, box] : {std::pair(pf.revenueLossCaption, pf.revenueLoss),
                                       {pf.paybackCaption, pf.payback}})
        b.row({caption, box});

    if (b.shown(m_size.frame)) {
        b.section(m_size.heading->text(), {QString(), QString(), QString(), Presenter::reducedBoreColumn(),
                                            Presenter::fullBoreColumn()});
        for (size_t i = 0; i < kProposals; ++i)
            b.row({m_size.sizes[i].caption, m_size.sizes[i].box, m_size.units[i], m_size.losses[i],
                   m_size.fullBoreLosses[i]});
    }
    if (withAccuracy)
        sheet.chart = accuracyChart(inputs(), chosen, m_app.texts);
    return sheet;
}

void Velocityfrm::showEvent(QShowEvent *event)
{
    // The main window takes the suite's name when the screen first shows in
    // it (the screen has no main window while it loads).
    if (!m_shown && window() != this)
        window()->setWindowTitle(m_app.slot(Txt::SuiteName));
    m_shown = true;
    QWidget::showEvent(event);
}
