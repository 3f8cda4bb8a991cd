#include "ui/velocity/velocityfrm.h"

#include "core/velocity/accuracymodel.h"
#include "core/velocity/payback.h"
#include "ui/common/printscreen.h"
#include "ui/common/appstate.h"
#include "ui/common/events.h"
#include "core/common/numbers.h"
#include "ui/common/platform.h"
#include "ui/common/widgets.h"
#include "core/velocity/flowvelocity.h"
#include "core/velocity/fluid.h"
#include "core/velocity/metersizing.h"
#include "core/velocity/pressureloss.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

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

QLineEdit *textBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setMinimumWidth(twips(kBoxWidth));
    return box;
}

QLineEdit *resultBox(QWidget *parent, const char *name)
{
    QLineEdit *box = textBox(parent, name);
    box->setReadOnly(true);
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

Velocityfrm::Velocityfrm(AppState &app, QWidget *parent) : QWidget(parent), m_app(app)
{
    build();
    // The handlers are live while the screen loads: setting a field there runs
    // its handler, as everywhere else.
    wire();
    load();
}

velocity::SharedValues &Velocityfrm::shared() { return m_app.velocity; }

void Velocityfrm::trace(const QString &step) const
{
    if (m_trace)
        m_trace(step);
}

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
    auto *title = labelBox(content, "TxtTitle");
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title->setFont(titleFont);
    setTextColour(title, QColor(0, 51, 153));
    m_print = new Picture(QStringLiteral("Image1"), content);
    m_print->setPixmap(printerGlyph(twips(480)));
    m_print->setFixedSize(twips(480), twips(480));
    titleRow->addWidget(title, 1);
    titleRow->addWidget(m_print);
    outer->addLayout(titleRow);

    m_frameFlow = buildFlowFrame(content);
    m_frameFluid = buildFluidFrame(content);
    m_frameAccuracy = buildAccuracyFrame(content);
    m_framePayback = buildPaybackFrame(content);
    m_framePressure = buildPressureFrame(content);
    m_frameSize = buildSizeFrame(content);
    m_frameMeterType = buildMeterTypeFrame(content);
    for (QGroupBox *f : {m_frameFlow, m_frameFluid, m_frameAccuracy, m_framePayback, m_framePressure, m_frameSize,
                         m_frameMeterType})
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
}

QGroupBox *Velocityfrm::buildFlowFrame(QWidget *parent)
{
    QGroupBox *f = frame(parent, "Frame1");
    auto *grid = frameGrid(f);
    m_pipeSize = textBox(f, "TxtpipeSize");
    m_taperAngle = textBox(f, "TxtTaperAngle");
    m_meterSize = textBox(f, "TxtMeterSize");
    m_flow = textBox(f, "TxtFlow");
    m_flowUnits = new QComboBox(f);
    m_flowUnits->setObjectName(QStringLiteral("CmboFlowUnits"));
    m_flowUnits->setEditable(true);
    m_flowUnits->setInsertPolicy(QComboBox::NoInsert);
    m_flowUnits->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_velocity = resultBox(f, "TxtVelocity");
    m_reynolds = resultBox(f, "TxtReynolds");
    m_regime = labelBox(f, "TxtLblTurbLAm");

    auto *angle = new QWidget(f);
    auto *angleLayout = new QVBoxLayout(angle);
    angleLayout->setContentsMargins(0, 0, 0, 0);
    angleLayout->setSpacing(0);
    QLabel *pic = label(angle, "PicAngle");
    pic->setPixmap(reducerSketch(twips(1200), twips(330)));
    auto *line = new QFrame(angle);
    line->setObjectName(QStringLiteral("LinAngle"));
    line->setFrameShape(QFrame::HLine);
    line->setFixedWidth(twips(1200));
    angleLayout->addWidget(pic, 0, Qt::AlignLeft);
    angleLayout->addWidget(line, 0, Qt::AlignLeft);

    int row = 0;
    auto addRow = [&](const char *labelName, QWidget *field, QWidget *after) {
        QLineEdit *caption = labelBox(f, labelName);
        nameAfter(field, caption);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        if (after)
            grid->addWidget(after, row, 2);
        ++row;
    };
    addRow("TxtLblPipeSize", m_pipeSize, labelBox(f, "TxtLblSizeUnits2"));
    addRow("TxtLblTaperAngle", m_taperAngle, angle);
    addRow("TxtLblMeterSize", m_meterSize, labelBox(f, "TxtLbLSizeUnits"));
    addRow("TxtLblFlow", m_flow, m_flowUnits);
    addRow("TxtLblVelocity", m_velocity, labelBox(f, "TxtLblVelUnits"));
    addRow("TxtLblReyolds", m_reynolds, m_regime);
    // The regime is a result too: it takes the focus, and is read out with
    // the Reynolds number's caption. The flow unit list goes with the flow.
    m_regime->setFocusPolicy(Qt::StrongFocus);
    nameAfter(m_regime, control<QLineEdit>(f, QStringLiteral("TxtLblReyolds")), QStringLiteral("regime"));
    nameAfter(m_flowUnits, control<QLineEdit>(f, QStringLiteral("TxtLblFlow")), QStringLiteral("unit"));
    grid->setColumnStretch(2, 1);
    return f;
}

QGroupBox *Velocityfrm::buildFluidFrame(QWidget *parent)
{
    QGroupBox *f = frame(parent, "Frame2");
    auto *grid = frameGrid(f);
    m_water = new QCheckBox(f);
    m_water->setObjectName(QStringLiteral("ChkWater"));
    m_water->setChecked(true); // water is the fluid a new screen starts with
    m_otherFluid = new QCheckBox(f);
    m_otherFluid->setObjectName(QStringLiteral("ChkOther"));
    m_density = textBox(f, "TxtDensity");
    m_viscosity = textBox(f, "TxtVisc");
    grid->addWidget(m_water, 0, 0);
    grid->addWidget(m_otherFluid, 0, 1);
    QLineEdit *densityCaption = labelBox(f, "TxtLblDensity");
    QLineEdit *viscosityCaption = labelBox(f, "TxtLblVisc");
    nameAfter(m_density, densityCaption);
    nameAfter(m_viscosity, viscosityCaption);
    grid->addWidget(densityCaption, 1, 0);
    grid->addWidget(m_density, 1, 1);
    grid->addWidget(viscosityCaption, 2, 0);
    grid->addWidget(m_viscosity, 2, 1);
    // A second caption of the viscosity box with the same text; one is enough
    // on screen, so it stays out of sight.
    labelBox(f, "TxtLblViscosity")->hide();
    grid->setColumnStretch(2, 1);
    return f;
}

QGroupBox *Velocityfrm::buildAccuracyFrame(QWidget *parent)
{
    QGroupBox *f = frame(parent, "Frame3");
    auto *grid = frameGrid(f);
    // One row per meter type; the choice of type decides which row shows, so
    // the shown one always stands first. The standard the water meters are
    // judged by is named below.
    const char *rows[][2] = {{"TxtLblAccurMagWW", "TxtAccurMagWW"},
                             {"TxtLblAccurVeldrix", "TxtAccurVeldrix"},
                             {"TxtLblAccurBrevilReal", "TxtAccurBrevilReal"},
                             {"TxtLblAccurBrevil", "TxtAccurBrevil"}};
    for (int i = 0; i < 4; ++i) {
        QLineEdit *caption = labelBox(f, rows[i][0]);
        QLineEdit *box = resultBox(f, rows[i][1]);
        nameAfter(box, caption);
        caption->hide();
        box->hide();
        grid->addWidget(caption, i, 0);
        grid->addWidget(box, i, 1);
    }
    QLabel *standard = label(f, "Label1", QStringLiteral(" CEN pr 14154 ISO4064"));
    QLabel *to = label(f, "Label2");
    standard->hide();
    to->hide();
    grid->addWidget(to, 4, 0);
    grid->addWidget(standard, 4, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    return f;
}

QGroupBox *Velocityfrm::buildPaybackFrame(QWidget *parent)
{
    QGroupBox *f = frame(parent, "Frame4");
    auto *grid = frameGrid(f);
    m_annualUsage = textBox(f, "TxtAnnualUsage");
    m_meterPrice = textBox(f, "TxtMeterPrice");
    m_currentAccuracy = textBox(f, "TxtCurrentMeterAccuracy");
    m_waterCharge = textBox(f, "TxtWaterValue");
    m_sewageCharge = textBox(f, "TxtSewageCharge");
    const std::pair<const char *, QLineEdit *> inputs[] = {{"LblAnnualUsage", m_annualUsage},
                                                           {"LblMeterprice", m_meterPrice},
                                                           {"LblMeterAcc", m_currentAccuracy},
                                                           {"LblWaterCharge", m_waterCharge},
                                                           {"LbLSewageCharge", m_sewageCharge}};
    int row = 0;
    for (const auto &[name, box] : inputs) {
        QLabel *caption = label(f, name);
        caption->setBuddy(box);
        grid->addWidget(caption, row, 0);
        grid->addWidget(box, row++, 1);
    }
    auto *supply = new QWidget(f);
    auto *supplyLayout = new QHBoxLayout(supply);
    supplyLayout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 2; ++i) {
        m_supply[size_t(i)] = new QRadioButton(supply);
        m_supply[size_t(i)]->setObjectName(indexedName(u"Chkmains", i));
        supplyLayout->addWidget(m_supply[size_t(i)]);
    }
    supplyLayout->addStretch(1);
    grid->addWidget(supply, row++, 0, 1, 2);
    // Made after the supply options, so Tab meets them in the order they stand.
    m_revenueLoss = resultBox(f, "TxtRevenueLoss");
    m_payback = resultBox(f, "TxtPayBack");
    m_paybackLabel = label(f, "LbLPayBack");
    QLabel *lossCaption = label(f, "LblRevenueLoss");
    lossCaption->setBuddy(m_revenueLoss);
    m_paybackLabel->setBuddy(m_payback);
    grid->addWidget(lossCaption, row, 0);
    grid->addWidget(m_revenueLoss, row++, 1);
    grid->addWidget(m_paybackLabel, row, 0);
    grid->addWidget(m_payback, row, 1);
    grid->setColumnStretch(2, 1);
    return f;
}

QGroupBox *Velocityfrm::buildPressureFrame(QWidget *parent)
{
    QGroupBox *f = frame(parent, "Pressure", QStringLiteral("Pressure"));
    auto *grid = frameGrid(f);
    m_pressMillibar = resultBox(f, "TxtPressMeter");
    m_pressBar = resultBox(f, "TxtPressMeterbars");
    m_pressPsi = resultBox(f, "TxtPressMeterPsi");
    // The loss in three units side by side, under its caption.
    grid->addWidget(labelBox(f, "TxtLblPressMeter"), 0, 0, 1, 6);
    const std::pair<QLineEdit *, const char *> units[] = {
        {m_pressMillibar, "Txtlblmb"}, {m_pressBar, "Txtlblbars"}, {m_pressPsi, "Txtlblpsi"}};
    int column = 0;
    for (const auto &[box, unit] : units) {
        grid->addWidget(box, 1, column++);
        grid->addWidget(labelBox(f, unit), 1, column++);
    }
    grid->setColumnStretch(6, 1);
    return f;
}

QGroupBox *Velocityfrm::buildSizeFrame(QWidget *parent)
{
    QGroupBox *f = frame(parent, "SizeFrame");
    auto *grid = frameGrid(f);
    grid->addWidget(label(f, "LbLPressureforSize"), 0, 0, 1, 5);
    grid->addWidget(label(f, "Label7", QStringLiteral("Veldrix/Brevil")), 1, 3);
    grid->addWidget(label(f, "Label6", QStringLiteral("Prandel")), 1, 4);
    // Rows in the order the sizes are listed: maximum, minimum, 1, 2, 3 m/s.
    const char *names[][5] = {{"TxtLblMaxSize", "TxtMaxSize", "TxtLblsize", "Text1", "TxtPresMag1"},
                              {"TxtLblMinSize", "TxTMinSize", "Txtlblsize2", "Text2", "TxtPressMag2"},
                              {"TxtLBL1ms", "Txt1ms", "Txtlblsize3", "Text3", "TxtPressMag3"},
                              {"TxtLbl2ms", "Txt2ms", "Txtlblsize4", "Text4", "TxtPressMag4"},
                              {"TxtLbl3ms", "Txt3ms", "Txtlblsize5", "Text5", "TxtPressMag5"}};
    for (int i = 0; i < 5; ++i) {
        const int row = i + 2;
        QLineEdit *caption = labelBox(f, names[i][0]);
        grid->addWidget(caption, row, 0);
        m_sizes[size_t(i)] = resultBox(f, names[i][1]);
        grid->addWidget(m_sizes[size_t(i)], row, 1);
        grid->addWidget(labelBox(f, names[i][2]), row, 2);
        m_sizeLosses[size_t(i)] = resultBox(f, names[i][3]);
        grid->addWidget(m_sizeLosses[size_t(i)], row, 3);
        m_prandelLosses[size_t(i)] = resultBox(f, names[i][4]);
        grid->addWidget(m_prandelLosses[size_t(i)], row, 4);
        nameAfter(m_sizes[size_t(i)], caption);
        nameAfter(m_sizeLosses[size_t(i)], caption, QStringLiteral("Veldrix/Brevil"));
        nameAfter(m_prandelLosses[size_t(i)], caption, QStringLiteral("Prandel"));
    }
    grid->setColumnStretch(5, 1);
    return f;
}

QGroupBox *Velocityfrm::buildMeterTypeFrame(QWidget *parent)
{
    QGroupBox *f = frame(parent, "FrameMeterType");
    auto *layout = new QHBoxLayout(f);
    const char *captions[] = {"Prandel", "Veldrix Mains", "Brevil", "Veldrix Battery"};
    for (int i = 0; i < 4; ++i) {
        m_meterType[size_t(i)] = new QRadioButton(QLatin1String(captions[i]), f);
        m_meterType[size_t(i)]->setObjectName(indexedName(u"OptMeterType", i));
        layout->addWidget(m_meterType[size_t(i)]);
    }
    layout->addStretch(1);
    return f;
}

// ---------------------------------------------------------------- wiring

void Velocityfrm::wire()
{
    ev::onChange(m_flow, [this] {
        trace(QStringLiteral("TxtFlow changed"));
        flowChanged(true, true);
    });
    ev::onType(m_flowUnits, [this] {
        trace(QStringLiteral("CmboFlowUnits typed"));
        flowChanged(false, true);
    });
    ev::onChoose(m_flowUnits, [this] {
        trace(QStringLiteral("CmboFlowUnits chosen"));
        flowChanged(false, false);
    });
    ev::onFocusLost(m_flowUnits, [this] {
        trace(QStringLiteral("CmboFlowUnits lost focus"));
        fullRecalculation();
    });
    ev::onChange(m_meterSize, [this] {
        trace(QStringLiteral("TxtMeterSize changed"));
        fullRecalculation();
        paybackCalculation();
    });
    ev::onMouseDown(m_meterSize, [this] {
        trace(QStringLiteral("TxtMeterSize clicked"));
        shared().annualUsageTyped = false;
        paybackCalculation();
    });
    for (const auto &[box, name] : {std::pair(m_taperAngle, "TxtTaperAngle"), std::pair(m_density, "TxtDensity"),
                                    std::pair(m_viscosity, "TxtVisc")}) {
        const QString step = QLatin1String(name) + QStringLiteral(" changed");
        ev::onChange(box, [this, step] {
            trace(step);
            fullRecalculation();
        });
    }
    for (QLineEdit *box : {m_velocity, m_currentAccuracy, m_annualUsage, m_meterPrice, m_waterCharge,
                           m_sewageCharge}) {
        const QString step = box->objectName() + QStringLiteral(" changed");
        ev::onChange(box, [this, step] {
            trace(step);
            paybackCalculation();
        });
    }
    ev::onFocusLost(m_currentAccuracy, [this] {
        trace(QStringLiteral("TxtCurrentMeterAccuracy lost focus"));
        paybackCalculation();
    });
    for (QRadioButton *option : m_supply) {
        ev::onClick(option, [this] {
            trace(QStringLiteral("Chkmains clicked"));
            paybackCalculation();
        });
    }
    ev::onMouseDown(m_annualUsage, [this] {
        trace(QStringLiteral("TxtAnnualUsage clicked"));
        shared().annualUsageTyped = true;
    });
    ev::onClick(m_water, [this] { chooseWater(); });
    ev::onClick(m_otherFluid, [this] { chooseOtherFluid(); });
    for (QRadioButton *option : m_meterType)
        ev::onClick(option, [this] { chooseMeterType(); });
    enablePrinting(this, m_print, m_app);

    // Enter moves the focus along the order the inputs are usually filled in.
    const std::pair<QLineEdit *, QWidget *> enterChain[] = {
        {m_meterSize, m_flow},           {m_flow, m_flowUnits},
        {m_pipeSize, m_taperAngle},      {m_taperAngle, m_meterSize},
        {m_annualUsage, m_meterPrice},   {m_meterPrice, m_currentAccuracy},
        {m_currentAccuracy, m_waterCharge}, {m_waterCharge, m_sewageCharge}};
    for (const auto &[from, to] : enterChain) {
        QWidget *next = to;
        ev::onEnter(from, [next] { next->setFocus(Qt::TabFocusReason); });
    }
}

// ---------------------------------------------------------------- loading

void Velocityfrm::load()
{
    const AppState &a = m_app;
    auto box = [this](const char *name) { return control<QLineEdit>(this, QLatin1String(name)); };
    auto lbl = [this](const char *name) { return control<QLabel>(this, QLatin1String(name)); };
    auto pic = [this](const char *name) { return control<QWidget>(this, QLatin1String(name)); };
    QLineEdit *title = box("TxtTitle");
    const QList<QLineEdit *> paybackFields = {m_annualUsage, m_meterPrice, m_currentAccuracy, m_waterCharge,
                                              m_sewageCharge, m_revenueLoss, m_payback};
    const QList<QWidget *> pipeAndAngle = {box("TxtLblPipeSize"), m_pipeSize, box("TxtLblSizeUnits2"),
                                           box("TxtLblTaperAngle"), m_taperAngle, pic("PicAngle"),
                                           pic("LinAngle")};

    // 1. The velocity tool.
    if (a.velocityMode) {
        m_frameAccuracy->hide();
        caption(box("TxtLblAccurBrevil"), QStringLiteral("Brevil to CEN pr 14154 ISO4064"));
        caption(box("TxtLblAccurBrevilReal"), QStringLiteral("Brevil "));
        caption(box("TxtLblAccurVeldrix"), QStringLiteral("Veldrix"));
        for (const char *name : {"TxtAccurBrevil", "TxtAccurBrevilReal", "TxtAccurVeldrix"})
            box(name)->clear();
        for (const char *name : {"TxtLblAccurVeldrix", "TxtAccurVeldrix", "TxtLblAccurMagWW", "TxtAccurMagWW",
                                 "TxtLblAccurBrevil", "TxtAccurBrevil"})
            box(name)->hide();
        m_meterType[1]->setText(QStringLiteral("Veldrix ") + a.slot(146));
        m_meterType[3]->setText(QStringLiteral("Veldrix ") + a.slot(147));
        m_framePressure->hide();
        m_frameSize->hide();
        for (QWidget *w : pipeAndAngle)
            w->hide();
        m_velocity->clear();
        for (QLineEdit *field : paybackFields)
            field->clear();
        caption(title, a.slot(12));
        m_framePayback->setTitle(a.slot(140));
        const char *paybackLabels[] = {"LblAnnualUsage", "LblMeterprice", "LblMeterAcc", "LblWaterCharge",
                                       "LbLSewageCharge"};
        for (int i = 0; i < 5; ++i)
            lbl(paybackLabels[i])->setText(a.slot(141 + i));
        m_supply[0]->setText(a.slot(146));
        m_supply[1]->setText(a.slot(147));
        lbl("LblRevenueLoss")->setText(a.slot(148));
        m_paybackLabel->setText(a.slot(149));
        m_frameMeterType->show();
        for (QLineEdit *result : m_sizeLosses)
            result->clear();
        m_otherFluid->show();
    }
    // 2. The payback frame instead of the fluid, with the volume unit of the
    //    annual usage and of the charges.
    if (!a.paybackMode) {
        m_framePayback->hide();
        m_frameFluid->show();
    } else {
        m_frameFluid->hide();
        m_frameAccuracy->hide();
        m_framePayback->show();
        m_framePayback->setTitle(a.slot(140));
        caption(title, a.slot(140));
        m_frameMeterType->hide();
        lbl("LblAnnualUsage")->setText(a.slot(141) + (a.metric ? QStringLiteral(" (m3)") : QStringLiteral(" (kUSGalls)")));
        lbl("LblWaterCharge")->setText(a.slot(144) + (a.metric ? QStringLiteral(" / m3") : QStringLiteral(" / kUSGalls")));
        lbl("LbLSewageCharge")->setText(a.slot(145) + (a.metric ? QStringLiteral(" / m3") : QStringLiteral("  / kUSGalls")));
    }
    // 3. The pressure loss tool.
    if (a.pressureLossMode) {
        m_framePressure->show();
        m_frameAccuracy->hide();
        m_frameSize->hide();
        for (QWidget *w : pipeAndAngle)
            w->show();
        m_velocity->clear();
        caption(title, a.slot(54));
        m_otherFluid->hide();
    }
    // 4. The meter size tool.
    if (a.meterSizeMode) {
        m_framePressure->hide();
        m_frameSize->show();
        lbl("LbLPressureforSize")->setText(a.slot(54) + u' ' + a.slot(56) + QStringLiteral(" (") + a.slot(60) + u')');
        m_sizeLosses[0]->clear();
        const QList<QWidget *> notSized = {box("TxtLblPipeSize"), m_pipeSize, box("TxtLblSizeUnits2"),
                                           box("TxtLblMeterSize"), m_meterSize, box("TxtLbLSizeUnits"),
                                           m_frameFluid, m_frameAccuracy, box("TxtLblTaperAngle"), m_taperAngle,
                                           m_velocity, box("TxtLblVelocity"), box("TxtLblVelUnits")};
        for (QWidget *w : notSized)
            w->hide();
        caption(box("TxtLblMaxSize"), a.slot(69));
        caption(box("TxtLblMinSize"), a.slot(70));
        const char *steps[] = {"TxtLBL1ms", "TxtLbl2ms", "TxtLbl3ms"};
        const char *metricSteps[] = {" 1m/s", " 2m/s", " 3m/s"};
        const char *imperialSteps[] = {" 3 ft/s", " 6 ft/s", " 9 ft/s"};
        for (int i = 0; i < 3; ++i)
            caption(box(steps[i]), a.slot(66) + QLatin1String(a.metric ? metricSteps[i] : imperialSteps[i]));
        pic("PicAngle")->hide();
        pic("LinAngle")->hide();
        caption(title, a.slot(64));
        m_frameMeterType->hide();
    }
    // 5. Captions of every tool.
    setWindowTitle(a.slot(1) + QStringLiteral("  ") + a.slot(12));
    ev::setComboText(m_flowUnits, a.slot(11));
    caption(box("TxtLblMeterSize"), a.slot(15));
    caption(box("TxtLblPipeSize"), a.slot(53));
    caption(box("TxtLblTaperAngle"), a.slot(72));
    caption(box("TxtLblFlow"), a.slot(14));
    caption(box("TxtLblVelocity"), a.slot(12));
    caption(box("TxtLblReyolds"), a.slot(37));
    m_frameFluid->setTitle(a.slot(58));
    m_frameAccuracy->setTitle(a.slot(59));
    lbl("Label2")->setText(a.slot(151));
    m_water->setText(a.slot(60));
    m_otherFluid->setText(a.slot(61));
    // 6. Units of velocity and size.
    caption(box("TxtLblVelUnits"), a.slot(a.metric ? 13 : 44));
    for (const char *name : {"TxtLbLSizeUnits", "TxtLblSizeUnits2", "TxtLblsize", "Txtlblsize2", "Txtlblsize3",
                             "Txtlblsize4", "Txtlblsize5"})
        caption(box(name), a.slot(a.metric ? 20 : 43));
    // 7. Empty inputs, and the flow units under the prompt (adding the names
    //    does not change the text the box shows).
    m_meterSize->clear();
    m_flow->clear();
    const QString prompt = m_flowUnits->currentText();
    m_flowUnits->addItems(sizing::flowUnitNames(a.texts));
    m_flowUnits->setCurrentIndex(-1);
    m_flowUnits->setEditText(prompt);
    m_flowUnits->lineEdit()->setCursorPosition(0);
    // 8. Water, the fluid a new screen starts with.
    m_viscosity->setText(QStringLiteral("1.0019"));
    m_density->setText(QStringLiteral("1000"));
    caption(box("TxtLblViscosity"), a.slot(45));
    caption(box("TxtLblVisc"), a.slot(45));
    caption(box("TxtLblDensity"), a.slot(46));
    const QList<QWidget *> fluidFields = {box("TxtLblVisc"), m_viscosity, box("TxtLblDensity"), m_density};
    for (QWidget *w : fluidFields)
        w->setEnabled(false);
    // 9. The Prandel accuracy caption.
    caption(box("TxtLblAccurMagWW"), a.slot(24) + u' ' + a.slot(48));
    box("TxtAccurMagWW")->setText(QStringLiteral(" "));
    // 10. Pressure captions and empty pressure inputs and results.
    caption(box("TxtLblPressMeter"), a.slot(54));
    caption(box("Txtlblmb"), a.slot(55));
    caption(box("Txtlblbars"), a.slot(56));
    caption(box("Txtlblpsi"), a.slot(57));
    for (QLineEdit *field : {m_pipeSize, m_pressMillibar, m_pressBar, m_pressPsi, m_taperAngle})
        field->clear();
    m_pressMillibar->setAccessibleName(a.slot(54) + QStringLiteral(", ") + a.slot(55));
    m_pressBar->setAccessibleName(a.slot(54) + QStringLiteral(", ") + a.slot(56));
    m_pressPsi->setAccessibleName(a.slot(54) + QStringLiteral(", ") + a.slot(57));
    // 11. The first field to fill in for the tool.
    if (a.velocityMode)
        m_meterSize->setFocus();
    else if (a.pressureLossMode)
        m_meterType[0]->setFocus();
    else if (a.meterSizeMode)
        m_flow->setFocus();

    // A meter type chosen on an earlier opening is still the program's choice:
    // show it selected, with its accuracy, where the options are offered.
    const int chosen = int(shared().meterType);
    if (chosen >= 0 && !m_frameMeterType->isHidden())
        m_meterType[size_t(chosen)]->setChecked(true);
}

// ---------------------------------------------------------------- handlers

void Velocityfrm::flowChanged(bool typedFlow, bool clearsAnnualUsage)
{
    if (m_app.meterSizeMode) {
        sizeChain();
        return;
    }
    if (typedFlow && m_flow->palette().color(QPalette::Text) != Qt::black)
        setTextColour(m_flow, Qt::black);
    fullRecalculation();
    if (clearsAnnualUsage)
        shared().annualUsageTyped = false;
    paybackCalculation();
}

void Velocityfrm::chooseWater()
{
    trace(QStringLiteral("ChkWater clicked"));
    const QList<QWidget *> fields = {control<QLineEdit>(this, QStringLiteral("TxtLblVisc")), m_viscosity,
                                     control<QLineEdit>(this, QStringLiteral("TxtLblDensity")), m_density};
    if (m_water->isChecked()) {
        m_otherFluid->setChecked(false);
        m_viscosity->setText(QStringLiteral("1.0019"));
        m_density->setText(QStringLiteral("1000"));
        for (QWidget *w : fields)
            w->setEnabled(false);
    } else {
        m_otherFluid->setChecked(true);
        for (QWidget *w : fields)
            w->setEnabled(true);
    }
    fullRecalculation();
}

void Velocityfrm::chooseOtherFluid()
{
    trace(QStringLiteral("ChkOther clicked"));
    const QList<QWidget *> fields = {control<QLineEdit>(this, QStringLiteral("TxtLblVisc")), m_viscosity,
                                     control<QLineEdit>(this, QStringLiteral("TxtLblDensity")), m_density};
    if (!m_otherFluid->isChecked()) {
        m_water->setChecked(true);
        for (QWidget *w : fields)
            w->setEnabled(false);
    } else {
        m_water->setChecked(false);
        for (QWidget *w : fields)
            w->setEnabled(true);
        m_viscosity->clear();
        m_density->clear();
    }
    fullRecalculation();
}

// Which result boxes of the accuracy frame show is rebuilt from scratch on
// every choice, so the boxes of an earlier type never remain.
void Velocityfrm::chooseMeterType()
{
    trace(QStringLiteral("OptMeterType clicked"));
    auto box = [this](const char *name) { return control<QLineEdit>(this, QLatin1String(name)); };
    QWidget *standard = control<QLabel>(this, QStringLiteral("Label1"));
    QWidget *to = control<QLabel>(this, QStringLiteral("Label2"));
    const QList<QWidget *> veldrix = {box("TxtLblAccurVeldrix"), box("TxtAccurVeldrix")};
    const QList<QWidget *> prandel = {box("TxtLblAccurMagWW"), box("TxtAccurMagWW")};
    const QList<QWidget *> brevil = {box("TxtLblAccurBrevil"), box("TxtAccurBrevil")};
    const QList<QWidget *> brevilReal = {box("TxtLblAccurBrevilReal"), box("TxtAccurBrevilReal")};
    auto show = [](const QList<QWidget *> &widgets, bool shown) {
        for (QWidget *w : widgets)
            w->setVisible(shown);
    };

    m_frameAccuracy->hide();
    shared().meterType = velocity::MeterType::None;
    show({standard, to}, false);
    show(brevil + brevilReal, false);
    const bool velocityTool = m_app.velocityMode;
    for (int index : {1, 3, 2, 0}) {
        if (!m_meterType[size_t(index)]->isChecked())
            continue;
        if (velocityTool)
            m_frameAccuracy->show();
        shared().meterType = velocity::MeterType(index);
        switch (index) {
        case 1:
        case 3:
            show(veldrix, true);
            show(prandel + brevil, false);
            show({standard, to}, true);
            break;
        case 2:
            // The Brevil pair shows once a size of 14 mm or more is known.
            show(veldrix + prandel, false);
            show({standard, to}, true);
            break;
        case 0:
            show(veldrix + brevil, false);
            show(prandel, true);
            break;
        }
        break;
    }
    shared().meterLossMillibar = 0;
    m_pressMillibar->clear();
    fullRecalculation();
}

int Velocityfrm::checkedMeterOption() const
{
    for (int i = 0; i < 4; ++i) {
        if (m_meterType[size_t(i)]->isChecked())
            return i;
    }
    return -1;
}

// ---------------------------------------------------------------- calculations

velocity::Recalculation Velocityfrm::fullRecalculation()
{
    trace(QStringLiteral("full recalculation"));
    // Pipe velocity. An imperial bore typed as a fraction becomes a decimal
    // first; writing it runs the meter-size handler before this run goes on.
    if (const std::optional<QString> decimal = sizing::imperialFractionRewrite(m_meterSize->text(), m_app.metric))
        m_meterSize->setText(*decimal);
    velocity::Recalculation run = sizing::computePipeVelocity(m_flow->text(), m_flowUnits->currentText(),
                                                              m_meterSize->text(), m_app.metric, m_app.texts, shared());
    if (!run.hasVelocityInputs())
        m_velocity->clear();
    // Accuracy of the chosen meter type.
    showAccuracy(accuracy::accuracyModel(m_meterSize->text(), run, shared()));
    // The velocity as shown.
    if (const std::optional<QString> text = sizing::showPipeVelocity(run, shared()))
        m_velocity->setText(*text);
    accuracy::storeNominalMeterSize(run, shared());
    // Fluid and Reynolds number.
    const sizing::ReynoldsTexts reynolds =
        sizing::fluidPropertiesAndReynolds(m_water->isChecked(), m_otherFluid->isChecked(), m_density->text(),
                                           m_viscosity->text(), m_meterSize->text(), m_app.texts, run, shared());
    if (reynolds.reynolds)
        m_reynolds->setText(*reynolds.reynolds);
    if (reynolds.regime)
        m_regime->setText(*reynolds.regime);
    if (m_app.pressureLossMode)
        pressureLoss(run);
    if (m_app.meterSizeMode)
        sizeMeters();
    return run;
}

void Velocityfrm::showAccuracy(const accuracy::AccuracyTexts &texts)
{
    auto box = [this](const char *name) { return control<QLineEdit>(this, QLatin1String(name)); };
    if (texts.showPrandel)
        setShown({box("TxtAccurMagWW"), box("TxtLblAccurMagWW")}, true);
    if (texts.prandel)
        box("TxtAccurMagWW")->setText(*texts.prandel);
    if (texts.veldrix)
        box("TxtAccurVeldrix")->setText(*texts.veldrix);
    if (texts.showBrevil)
        setShown({box("TxtAccurBrevilReal"), box("TxtLblAccurBrevilReal")}, true);
    if (texts.brevil)
        box("TxtAccurBrevilReal")->setText(*texts.brevil);
}

void Velocityfrm::pressureLoss(const velocity::Recalculation &run)
{
    trace(QStringLiteral("pressure loss"));
    const sizing::TaperAngle angle = sizing::correctTaperAngle(m_taperAngle->text());
    // The corrected angle is written back; its handler recalculates at once.
    if (angle.fieldText)
        m_taperAngle->setText(*angle.fieldText);
    const sizing::PressureTexts texts =
        sizing::pressureLoss(angle.degrees, m_meterSize->text(), m_pipeSize->text(), checkedMeterOption(),
                             m_app.meterSizeMode, run, shared());
    if (texts.millibar)
        m_pressMillibar->setText(*texts.millibar);
    if (texts.bar)
        m_pressBar->setText(*texts.bar);
    if (texts.psi)
        m_pressPsi->setText(*texts.psi);
}

void Velocityfrm::sizeMeters()
{
    const std::optional<sizing::ProposedSizes> sizes = sizing::sizeMeters(m_flow->text(), m_app.metric, shared());
    if (!sizes)
        return;
    const QString texts[] = {sizes->maxSize, sizes->minSize, sizes->size1ms, sizes->size2ms, sizes->size3ms};
    for (int i = 0; i < 5; ++i)
        m_sizes[size_t(i)]->setText(texts[i]);
}

void Velocityfrm::sizeChain()
{
    trace(QStringLiteral("size chain"));
    sizing::flowToLitresPerSecond(m_flow->text(), m_flowUnits->currentText(), m_app.texts, shared());
    sizeMeters();
    // Each proposal in turn becomes the meter size (its handler recalculates)
    // and shows the loss of a meter of that size in its row.
    for (int i = 0; i < 5; ++i) {
        m_meterSize->setText(m_sizes[size_t(i)]->text());
        QLineEdit *result = m_sizeLosses[size_t(i)];
        const double size = num::leadingNumber(m_meterSize->text());
        if (!(size > 0)) {
            // No proposal, no meter: no loss to show (not one left from an
            // earlier size).
            result->clear();
        } else if (size < 700) {
            const velocity::Recalculation run = fullRecalculation();
            pressureLoss(run);
            if (!run.reynoldsComputed)
                result->clear();
            else if (const std::optional<QString> total = accuracy::totalPressureLossText(shared()))
                result->setText(*total);
        } else {
            result->setText(QStringLiteral("0.0000"));
        }
    }
    for (QLineEdit *result : m_prandelLosses)
        result->setText(QStringLiteral("0.0000"));
}

void Velocityfrm::clearSizeResults()
{
    for (QLineEdit *result : m_sizeLosses)
        result->clear();
    for (QLineEdit *result : m_prandelLosses)
        result->clear();
}

// Writing the annual usage runs this again from the box's change handler;
// that nested run finds the same inputs and writes the same texts, so it ends
// at once.
void Velocityfrm::paybackCalculation()
{
    trace(QStringLiteral("payback"));
    using payback::Supply;
    const Supply supply = m_supply[0]->isChecked()   ? Supply::Mains
                          : m_supply[1]->isChecked() ? Supply::Battery
                                                     : Supply::None;
    const payback::Charges charges = payback::readCharges(m_sewageCharge->text(), m_waterCharge->text(),
                                                          m_meterPrice->text(), m_currentAccuracy->text());
    if (payback::alreadyBetter(charges, supply)) {
        m_app.platform.message(this, QString::fromLatin1(payback::kAccuracyAlreadyBetter));
        m_currentAccuracy->clear();
        m_currentAccuracy->setFocus();
        return;
    }
    const double velocity = shared().pipeVelocityMetresPerSecond;
    const std::optional<float> computed =
        payback::annualUsage(velocity, shared().nominalMeterSizeMm, m_app.metric);
    auto showComputed = [this, &computed] {
        if (const QString text = num::general7(*computed); !text.isEmpty())
            m_annualUsage->setText(text);
    };
    if (velocity > 0 && !shared().annualUsageTyped && computed)
        showComputed();
    if (!payback::complete(charges, supply))
        return;
    float usage = 0;
    if (shared().annualUsageTyped) {
        // The user's own figure, or the computed one while the box is empty.
        const std::optional<float> typed = m_annualUsage->text().isEmpty()
                                               ? computed
                                               : payback::typedAnnualUsage(m_annualUsage->text());
        if (!typed)
            return;
        usage = *typed;
    } else {
        if (!computed)
            return;
        showComputed();
        usage = *computed;
    }
    const std::optional<payback::Result> result = payback::revenueAndPayback(usage, charges, supply);
    if (!result)
        return;
    m_revenueLoss->setText(result->revenueLoss);
    m_paybackLabel->setText(m_app.slot(result->inDays ? 150 : 149));
    m_payback->setText(result->payback);
}

void Velocityfrm::showEvent(QShowEvent *event)
{
    // The main window takes the suite's name when the screen first shows in
    // it (the screen has no main window while it loads).
    if (!m_shown && window() != this)
        window()->setWindowTitle(m_app.slot(1));
    m_shown = true;
    QWidget::showEvent(event);
}
