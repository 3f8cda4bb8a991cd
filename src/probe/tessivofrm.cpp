#include "probe/tessivofrm.h"

#include "accuracy/printscreen.h"
#include "common/appstate.h"
#include "common/events.h"
#include "common/numbers.h"
#include "common/widgets.h"
#include "probe/probecalc.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QResizeEvent>

namespace {

// Screen geometry in twips.
constexpr int kWidth = 9600;
constexpr int kHeight = 7800;
constexpr int kResultTop = 4200; // both result frames sit here, one at a time
constexpr int kBoxHeight = 345;
constexpr int kLineHeight = 330;

QRect tw(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

QLineEdit *textBox(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    return box;
}

// A text box that serves as a label: read-only, without a frame, on the
// background of its frame.
QLineEdit *labelBox(QWidget *parent, const char *name, const QRect &geometry)
{
    QLineEdit *box = textBox(parent, name, geometry);
    box->setReadOnly(true);
    box->setFrame(false);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, Qt::transparent);
    box->setPalette(pal);
    return box;
}

QLineEdit *resultBox(QWidget *parent, const char *name, const QRect &geometry)
{
    QLineEdit *box = textBox(parent, name, geometry);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

QRadioButton *option(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *button = new QRadioButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

// A factor that cannot be right (infinite, not a number, negative) shows as
// a blank box, so no stale or meaningless value stays on screen.
void showValue(QLineEdit *box, double value, QStringView maskText)
{
    box->setText(probe::showable(value) ? num::mask(value, maskText) : QString());
}

} // namespace

TessivoFrm::TessivoFrm(AppState &app, QWidget *parent) : QWidget(parent), m_app(app)
{
    resize(twips(kWidth), twips(kHeight));
    setMinimumSize(twips(kWidth), twips(kHeight));

    m_title = textBox(this, "TxtTitleTessivo", tw(240, 120, 3600, 600));
    m_title->setReadOnly(true);
    m_title->setFocusPolicy(Qt::NoFocus);
    m_title->setAlignment(Qt::AlignCenter);
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    m_title->setFont(titleFont);
    setTextColour(m_title, QColor(0, 51, 153));

    m_print = new Picture(QStringLiteral("Image1"), this);
    m_print->setPixmap(printerGlyph(twips(480)));
    m_print->setGeometry(tw(8760, 180, 480, 480));

    m_picture = new Picture(QStringLiteral("Picture1"), this);
    m_picture->setPixmap(makeLogo(twips(1200), twips(800), QStringLiteral("T")));
    m_picture->setGeometry(tw(kWidth - 1500, kHeight - 1000, 1200, 800));

    buildInputs();
    buildResults();
    applyTexts();

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
}

void TessivoFrm::buildInputs()
{
    m_frameInput = new QGroupBox(this);
    m_frameInput->setObjectName(QStringLiteral("FrameInput"));
    m_frameInput->setGeometry(tw(240, 900, 5640, 2820));
    QLineEdit *pipeCaption = labelBox(m_frameInput, "TxtLblPipeSize", tw(120, 300, 5400, kLineHeight));
    m_pipeSize = textBox(m_frameInput, "TxtpipeSize", tw(120, 690, 1800, kBoxHeight));
    nameAfter(m_pipeSize, pipeCaption);
    auto *units = new QLabel(m_frameInput);
    units->setObjectName(QStringLiteral("LblpipesizeUnits"));
    units->setGeometry(tw(2040, 690, 3480, kBoxHeight));
    for (int i = 0; i < 3; ++i)
        m_location[size_t(i)] = option(m_frameInput, indexedName(u"OptProbeLocation", i),
                                       tw(120, 1260 + i * 480, 5400, kLineHeight));

    m_frame3 = new QGroupBox(QStringLiteral("Tessivo"), this);
    m_frame3->setObjectName(QStringLiteral("Frame3"));
    m_frame3->setGeometry(tw(6120, 900, 3240, 2100));
    auto *frame1 = new QGroupBox(m_frame3);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(tw(120, 300, 3000, 1680));
    const char *models[] = {"Tessivo I (Prandel)", "Tessivo II (Veldrix)", "Tessivo I (Lumbrin)"};
    for (int i = 0; i < 3; ++i) {
        m_probeType[size_t(i)] = option(frame1, indexedName(u"OptProbeType", i), tw(120, 180 + i * 480, 2760, kLineHeight));
        m_probeType[size_t(i)]->setText(QLatin1String(models[i]));
    }
}

void TessivoFrm::buildResults()
{
    m_framePrandel = new QGroupBox(this);
    m_framePrandel->setObjectName(QStringLiteral("FramePrandel"));
    m_framePrandel->setGeometry(tw(240, kResultTop, 5640, 1440));
    m_profile = resultBox(m_framePrandel, "TxtMagFp", tw(3720, 360, 1680, kBoxHeight));
    nameAfter(m_profile, labelBox(m_framePrandel, "TxtLblMagFp", tw(120, 390, 3480, kLineHeight)));
    m_insertion = resultBox(m_framePrandel, "TxtMagFi", tw(3720, 870, 1680, kBoxHeight));
    nameAfter(m_insertion, labelBox(m_framePrandel, "TxtLblMagFi", tw(120, 900, 3480, kLineHeight)));

    m_frameLumbrin = new QGroupBox(this);
    m_frameLumbrin->setObjectName(QStringLiteral("FrameLumbrin"));
    m_frameLumbrin->setGeometry(tw(240, kResultTop, 7680, 2400));
    m_combined = resultBox(m_frameLumbrin, "TxtLumbrinBu", tw(3720, 360, 1680, kBoxHeight));
    nameAfter(m_combined, labelBox(m_frameLumbrin, "TxtLblLumbrinBu", tw(120, 390, 3480, kLineHeight)));
    m_flowPerVelocity = resultBox(m_frameLumbrin, "TxtLumbrinVu", tw(3720, 870, 1680, kBoxHeight));
    nameAfter(m_flowPerVelocity, labelBox(m_frameLumbrin, "TxtlblLumbrinVu", tw(120, 900, 3480, kLineHeight)));
    for (int i = 0; i < 5; ++i)
        m_flowUnit[size_t(i)] = option(m_frameLumbrin, indexedName(u"OptLumbrinFlowUnits", i),
                                       tw(5640, 330 + i * 400, 1920, kLineHeight));
}

void TessivoFrm::applyTexts()
{
    const AppState &a = m_app;
    setWindowTitle(a.slot(25));
    m_title->setText(a.slot(25));
    m_frameInput->setTitle(a.slot(26));
    control<QLineEdit>(this, QStringLiteral("TxtLblPipeSize"))->setText(a.slot(21));
    control<QLabel>(this, QStringLiteral("LblpipesizeUnits"))->setText(a.slot(a.metric ? 20 : 43));
    for (int i = 0; i < 3; ++i)
        m_location[size_t(i)]->setText(a.slot(27 + i));
    for (int i = 0; i < 5; ++i)
        m_flowUnit[size_t(i)]->setText(a.slot(31 + i));
    m_framePrandel->setTitle(a.slot(24) + QStringLiteral("/ Veldrix"));
    m_frameLumbrin->setTitle(a.slot(25) + QStringLiteral(" (Lumbrin)"));
    control<QLineEdit>(this, QStringLiteral("TxtLblMagFp"))->setText(a.slot(23));
    control<QLineEdit>(this, QStringLiteral("TxtLblMagFi"))->setText(a.slot(22));
    control<QLineEdit>(this, QStringLiteral("TxtLblLumbrinBu"))->setText(a.slot(30));
    control<QLineEdit>(this, QStringLiteral("TxtlblLumbrinVu"))->setText(a.slot(36));
}

void TessivoFrm::showProbeModel(int model)
{
    // Both frames are kept current by every calculation; a model choice only
    // decides which one is visible.
    QGroupBox *shown = model == 2 ? m_frameLumbrin : m_framePrandel;
    QGroupBox *hidden = model == 2 ? m_framePrandel : m_frameLumbrin;
    shown->move(shown->x(), twips(kResultTop));
    hidden->hide();
    shown->show();
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
    showValue(m_profile, result->profile, u"0.000");
    showValue(m_insertion, result->insertion, u"0.000");
    showValue(m_combined, result->combined, u"0.000");
    showValue(m_flowPerVelocity, result->flowPerVelocity, u"#####0.00000");
}

void TessivoFrm::resizeEvent(QResizeEvent *event)
{
    // The picture keeps its distance from the bottom-right corner.
    const int w = toTwips(width());
    const int h = toTwips(height());
    m_picture->move(twips(w - 1500), twips(h - 1000));
    QWidget::resizeEvent(event);
}
