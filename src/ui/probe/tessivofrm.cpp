// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/probe/tessivofrm.h"

#include "ui/common/printscreen.h"
#include "ui/common/access.h"
#include "ui/common/appstate.h"
#include "ui/common/events.h"
#include "core/common/numbers.h"
#include "core/lang/textslots.h"
#include "ui/common/widgets.h"
#include "core/probe/probecalc.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QResizeEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Design sizes in twips. Each is the least a part is given; a larger font or
// a longer caption makes it larger, and the screen with it.
constexpr int kWidth = 9600;
constexpr int kHeight = 7800;
constexpr int kMargin = 240;
constexpr int kInset = 120;
constexpr int kLineHeight = 330;
constexpr int kLineSpacing = 150;
constexpr int kResultSpacing = 165;
constexpr int kInputWidth = 5640;
constexpr int kModelsWidth = 3240;
constexpr int kPipeSizeWidth = 1800;
constexpr int kCaptionWidth = 3480;
constexpr int kResultWidth = 1680;
constexpr int kFlowUnitWidth = 1920;
constexpr int kTitleWidth = 3600;
constexpr int kTitleHeight = 600;
constexpr int kPrintSide = 480;
constexpr int kPrintLeft = 8760;
constexpr int kPictureWidth = 1200;
constexpr int kPictureHeight = 800;

// A caption box as wide as its caption.
QLineEdit *fittedCaption(QWidget *parent, const char *name)
{
    QLineEdit *box = captionBox(parent, QLatin1String(name));
    fitWidthToText(box);
    return box;
}

// A result box, right-aligned and wide enough for a typical result of the
// widest mask.
QLineEdit *alignedResult(QWidget *parent, const char *name)
{
    QLineEdit *box = resultBox(parent, QLatin1String(name));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFixedWidth(std::max(twips(kResultWidth), widthToShow(box, QStringLiteral("000000.00000"))));
    return box;
}

QRadioButton *option(QWidget *parent, const QString &name)
{
    auto *button = new QRadioButton(parent);
    button->setObjectName(name);
    return button;
}

// A frame's column of controls, the frame at least `width` wide (its border
// takes about 45 twips on each side).
QVBoxLayout *column(QWidget *frame, int width)
{
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(twips(kInset), twips(kInset), twips(kInset), twips(kInset));
    layout->setSpacing(twips(kLineSpacing));
    layout->addStrut(twips(width - 2 * kInset - 90));
    return layout;
}

} // namespace

TessivoFrm::TessivoFrm(AppState &app, QWidget *parent) : QWidget(parent), m_app(app)
{
    // Title and print picture on top; the input frame with the probe models
    // beside it; under them the result frame of the chosen model; a free
    // strip at the bottom for the picture.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(kMargin), twips(kInset), twips(kMargin), twips(kCornerPictureFromBottom));
    layout->setSpacing(twips(180));

    m_title = textBox(this, QStringLiteral("TxtTitleTessivo"));
    m_title->setReadOnly(true);
    m_title->setFocusPolicy(Qt::NoFocus);
    a11y::markCaption(m_title);
    m_title->setAlignment(Qt::AlignCenter);
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    m_title->setFont(titleFont);
    m_title->setMinimumHeight(std::max(twips(kTitleHeight), m_title->sizeHint().height()));
    fitWidthToText(m_title, twips(kTitleWidth));
    setTextColour(m_title, QColor(0, 51, 153));

    m_print = new Picture(QStringLiteral("Image1"), this);
    m_print->setPixmap(printerGlyph(twips(kPrintSide)));
    m_print->setFixedSize(twips(kPrintSide), twips(kPrintSide));
    auto *top = new QHBoxLayout;
    top->setSpacing(0);
    top->addWidget(m_title);
    top->addSpacing(twips(kPrintLeft - kMargin - kTitleWidth));
    top->addWidget(m_print, 0, Qt::AlignTop);
    top->addStretch(1);
    layout->addLayout(top);

    m_picture = new Picture(QStringLiteral("Picture1"), this);
    m_picture->setPixmap(makeLogo(twips(kPictureWidth), twips(kPictureHeight), QStringLiteral("T")));
    m_picture->resize(twips(kPictureWidth), twips(kPictureHeight));

    layout->addLayout(buildInputs());
    layout->addSpacing(twips(240));
    layout->addLayout(buildResults());
    layout->addStretch(1);
    applyTexts();
    // Options at least their design height, or the height of their caption.
    for (QRadioButton *option : findChildren<QRadioButton *>())
        option->setMinimumHeight(std::max(twips(kLineHeight), option->sizeHint().height()));

    auto calculate = [this] { probeVelocityAndFlowCalculation(); };
    ev::onChange(m_pipeSize, calculate);
    for (QRadioButton *b : m_location)
        ev::onClick(b, calculate);
    for (QRadioButton *b : m_flowUnit)
        ev::onClick(b, calculate);
    for (int i = 0; i < 3; ++i)
        ev::onClick(m_probeType[size_t(i)], [this, i] { showProbeModel(i); });
    enablePrinting(this, m_print, m_app);

    m_location[0]->setChecked(true);
    m_flowUnit[0]->setChecked(true);
    m_pipeSize->setText(QString());
    m_pipeSize->setFocus();
    m_profile->setText(QStringLiteral("  "));
    m_insertion->setText(QStringLiteral(" "));
    m_combined->setText(QStringLiteral(" "));
    m_flowPerVelocity->setText(QStringLiteral(" "));
    m_framePrandel->hide();
    m_frameLumbrin->hide();
    // A new user sees the first probe model's results at once; choosing
    // another model swaps the frame.
    m_probeType[0]->setChecked(true);
    // Opens at the design size, or larger when the fonts need more room.
    resize(minimumSizeHint().expandedTo(QSize(twips(kWidth), twips(kHeight))));
}

QLayout *TessivoFrm::buildInputs()
{
    m_frameInput = new QGroupBox(this);
    m_frameInput->setObjectName(QStringLiteral("FrameInput"));
    QVBoxLayout *inputs = column(m_frameInput, kInputWidth);
    QLineEdit *pipeCaption = fittedCaption(m_frameInput, "TxtLblPipeSize");
    m_pipeSize = textBox(m_frameInput, QStringLiteral("TxtpipeSize"));
    m_pipeSize->setFixedWidth(twips(kPipeSizeWidth));
    // Named with its caption and unit when they are captioned.
    a11y::labels(pipeCaption, m_pipeSize);
    auto *units = new QLabel(m_frameInput);
    units->setObjectName(QStringLiteral("LblpipesizeUnits"));
    units->setBuddy(m_pipeSize);
    auto *sizeRow = new QHBoxLayout;
    sizeRow->setSpacing(twips(kInset));
    sizeRow->addWidget(m_pipeSize);
    sizeRow->addWidget(units, 1);
    inputs->addWidget(pipeCaption);
    inputs->addLayout(sizeRow);
    for (int i = 0; i < 3; ++i) {
        m_location[size_t(i)] = option(m_frameInput, indexedName(u"OptProbeLocation", i));
        inputs->addWidget(m_location[size_t(i)]);
    }

    m_frame3 = new QGroupBox(QStringLiteral("Tessivo"), this);
    m_frame3->setObjectName(QStringLiteral("Frame3"));
    auto *frame1 = new QGroupBox(m_frame3);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setAccessibleName(a11y::Words::tr("Probe model"));
    column(m_frame3, kModelsWidth)->addWidget(frame1);
    QVBoxLayout *models = column(frame1, kModelsWidth - 2 * kInset);
    const char *names[] = {"Tessivo I (Prandel)", "Tessivo II (Veldrix)", "Tessivo I (Lumbrin)"};
    for (int i = 0; i < 3; ++i) {
        m_probeType[size_t(i)] = option(frame1, indexedName(u"OptProbeType", i));
        m_probeType[size_t(i)]->setText(QLatin1String(names[i]));
        models->addWidget(m_probeType[size_t(i)]);
    }

    auto *row = new QHBoxLayout;
    row->setSpacing(twips(kMargin));
    row->addWidget(m_frameInput, 0, Qt::AlignTop);
    row->addWidget(m_frame3, 0, Qt::AlignTop);
    row->addStretch(1);
    return row;
}

QLayout *TessivoFrm::buildResults()
{
    // Both result frames share one place; only one shows at a time.
    auto resultFrame = [this](const char *name, int rightMargin) {
        auto *frame = new QGroupBox(this);
        frame->setObjectName(QLatin1String(name));
        frame->setAccessibleName(a11y::Words::tr("Results"));
        auto *grid = new QGridLayout(frame);
        grid->setContentsMargins(twips(kInset), twips(kInset), twips(rightMargin), twips(kInset));
        grid->setHorizontalSpacing(twips(kInset));
        grid->setVerticalSpacing(twips(kResultSpacing));
        grid->setColumnMinimumWidth(0, twips(kCaptionWidth));
        return std::pair(frame, grid);
    };
    auto addResult = [](QGroupBox *frame, QGridLayout *grid, int row, const char *name, const char *captionName) {
        QLineEdit *caption = fittedCaption(frame, captionName);
        QLineEdit *box = alignedResult(frame, name);
        a11y::nameAfter(box, caption);
        grid->addWidget(caption, row, 0);
        grid->addWidget(box, row, 1);
        return box;
    };
    auto [prandel, prandelGrid] = resultFrame("FramePrandel", kMargin);
    m_framePrandel = prandel;
    m_profile = addResult(prandel, prandelGrid, 0, "TxtMagFp", "TxtLblMagFp");
    m_insertion = addResult(prandel, prandelGrid, 1, "TxtMagFi", "TxtLblMagFi");

    auto [lumbrin, lumbrinGrid] = resultFrame("FrameLumbrin", kInset);
    m_frameLumbrin = lumbrin;
    m_combined = addResult(lumbrin, lumbrinGrid, 0, "TxtLumbrinBu", "TxtLblLumbrinBu");
    m_flowPerVelocity = addResult(lumbrin, lumbrinGrid, 1, "TxtLumbrinVu", "TxtlblLumbrinVu");
    auto *units = new QVBoxLayout;
    units->setContentsMargins(twips(kMargin - kInset), 0, 0, 0);
    units->setSpacing(twips(60));
    for (int i = 0; i < 5; ++i) {
        m_flowUnit[size_t(i)] = option(lumbrin, indexedName(u"OptLumbrinFlowUnits", i));
        units->addWidget(m_flowUnit[size_t(i)]);
    }
    lumbrinGrid->addLayout(units, 0, 2, 3, 1);
    lumbrinGrid->setColumnMinimumWidth(2, twips(kFlowUnitWidth));
    lumbrinGrid->setRowStretch(2, 1);

    auto *row = new QHBoxLayout;
    row->addWidget(m_framePrandel, 0, Qt::AlignTop);
    row->addWidget(m_frameLumbrin, 0, Qt::AlignTop);
    row->addStretch(1);
    return row;
}

void TessivoFrm::applyTexts()
{
    const AppState &a = m_app;
    setWindowTitle(a.slot(Txt::ProbeName));
    m_title->setText(a.slot(Txt::ProbeName));
    m_frameInput->setTitle(a.slot(Txt::Input));
    control<QLineEdit>(this, QStringLiteral("TxtLblPipeSize"))->setText(a.slot(Txt::PipeInternalDiameter));
    control<QLabel>(this, QStringLiteral("LblpipesizeUnits"))
        ->setText(a.slot(a.metric ? Txt::Millimetres : Txt::Inches));
    // The size is read with the unit it is typed in.
    m_pipeSize->setAccessibleName(a.slot(Txt::PipeInternalDiameter).trimmed() + QStringLiteral(", ")
                                  + a.slot(a.metric ? Txt::Millimetres : Txt::Inches).trimmed());
    for (int i = 0; i < 3; ++i)
        m_location[size_t(i)]->setText(a.slot(Txt::MeanVelocityPoint + i));
    for (int i = 0; i < 5; ++i)
        m_flowUnit[size_t(i)]->setText(a.slot(Txt::ProbeLitres + i));
    m_framePrandel->setTitle(a.slot(Txt::Prandel) + QStringLiteral("/ Veldrix"));
    m_frameLumbrin->setTitle(a.slot(Txt::ProbeName) + QStringLiteral(" (Lumbrin)"));
    control<QLineEdit>(this, QStringLiteral("TxtLblMagFp"))->setText(a.slot(Txt::ProfileFactor));
    control<QLineEdit>(this, QStringLiteral("TxtLblMagFi"))->setText(a.slot(Txt::InsertionFactor));
    control<QLineEdit>(this, QStringLiteral("TxtLblLumbrinBu"))->setText(a.slot(Txt::CombinedFactor));
    control<QLineEdit>(this, QStringLiteral("TxtlblLumbrinVu"))->setText(a.slot(Txt::FlowPerSecondAt1ms));
}

DataSheet TessivoFrm::dataSheet() const
{
    DataSheet sheet;
    sheet.tool = m_title->text();
    SheetBuilder b(this, sheet);
    auto named = [this](const char *name) { return control<QWidget>(this, QLatin1String(name)); };
    auto checked = [](const auto &options) -> const QWidget * {
        for (const QRadioButton *option : options)
            if (option->isChecked())
                return option;
        return nullptr;
    };
    b.section(m_frameInput->title());
    b.row({named("TxtLblPipeSize"), m_pipeSize, named("LblpipesizeUnits")});
    if (const QWidget *location = checked(m_location))
        b.row(SheetWords::tr("Probe position"), m_frameInput, {location});
    if (const QWidget *model = checked(m_probeType))
        b.row(m_frame3->title(), m_frame3, {model});
    b.section(SheetWords::tr("Results"));
    b.row({named("TxtLblMagFp"), m_profile});
    b.row({named("TxtLblMagFi"), m_insertion});
    b.row({named("TxtLblLumbrinBu"), m_combined});
    b.row(shownText(named("TxtlblLumbrinVu")), m_flowPerVelocity, {m_flowPerVelocity, checked(m_flowUnit)});
    return sheet;
}

void TessivoFrm::showProbeModel(int model)
{
    // Both frames are kept current by every calculation; a model choice only
    // decides which one is visible.
    const bool lumbrin = probe::showsCombinedFactor(model);
    QGroupBox *shown = lumbrin ? m_frameLumbrin : m_framePrandel;
    QGroupBox *hidden = lumbrin ? m_framePrandel : m_frameLumbrin;
    hidden->hide();
    shown->show();
    // Place the shown frame now, not at the next pass of the event loop.
    layout()->activate();
}

void TessivoFrm::probeVelocityAndFlowCalculation()
{
    auto selectedIndex = [](const auto &options) {
        for (size_t i = 0; i < options.size(); ++i)
            if (options[i]->isChecked())
                return int(i);
        return -1;
    };
    const auto result = probe::probeVelocityAndFlow(num::leadingNumber(m_pipeSize->text()), m_app.metric,
                                                    selectedIndex(m_location), selectedIndex(m_flowUnit));
    if (!result)
        return;
    const probe::ProbeTexts texts = probe::probeTexts(*result);
    m_profile->setText(texts.profile);
    m_insertion->setText(texts.insertion);
    m_combined->setText(texts.combined);
    m_flowPerVelocity->setText(texts.flowPerVelocity);
}

void TessivoFrm::resizeEvent(QResizeEvent *event)
{
    // The picture keeps its distance from the bottom-right corner.
    placeAtCorner(m_picture);
    QWidget::resizeEvent(event);
}
