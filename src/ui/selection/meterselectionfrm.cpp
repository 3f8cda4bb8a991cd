// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/selection/meterselectionfrm.h"

#include "ui/common/access.h"
#include "ui/common/appstate.h"
#include "ui/common/events.h"
#include "ui/common/widgets.h"
#include "core/lang/textslots.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace selection;

namespace {

struct TechnologyRow {
    const char *tickName;
    const char *nameBox;
};

// Tick box and name box of each technology, in table order.
constexpr std::array<TechnologyRow, kTechnologyCount> kRows{{
    {"Check1", "TxtMag"},
    {"Check2", "TxtCoriolis"},
    {"Check3", "TxtUltrasonic"},
    {"Check7", "TxtVortex"},
    {"Check8", "TxtWedge"},
    {"Check4", "TxtProbe"},
    {"Check5", "TxtTurbine"},
}};

const QColor kSuitableColour(0, 0, 255);
constexpr int kNameWidth = 3000; // twips

// An uncaptioned frame that makes its options one exclusive group.
QGroupBox *optionGroup(QWidget *parent)
{
    auto *box = new QGroupBox(parent);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    return box;
}

QRadioButton *addOption(QGroupBox *group, const QString &name)
{
    auto *option = new QRadioButton(group);
    option->setObjectName(name);
    group->layout()->addWidget(option);
    return option;
}

template <size_t N> QGroupBox *optionArray(QWidget *parent, const QString &base, std::array<QRadioButton *, N> &out)
{
    QGroupBox *group = optionGroup(parent);
    for (size_t i = 0; i < N; ++i)
        out[i] = addOption(group, indexedName(base, int(i)));
    return group;
}

template <typename E, size_t N> E selected(const std::array<QRadioButton *, N> &options, std::array<E, N> values)
{
    for (size_t i = 0; i < N; ++i) {
        if (options[i]->isChecked())
            return values[i];
    }
    return E::Unset;
}

} // namespace

MeterSelectionFrm::MeterSelectionFrm(AppState &app, QWidget *parent) : QWidget(parent), m_app(app)
{
    auto *layout = new QHBoxLayout(this);
    buildInputs();
    buildOutputs();
    layout->addWidget(control<QGroupBox>(this, QStringLiteral("Frame2")), 0, Qt::AlignTop);
    layout->addWidget(control<QGroupBox>(this, QStringLiteral("Frame1")), 0, Qt::AlignTop);
    layout->addStretch(1);
    applyTexts();

    auto evaluate = [this] { evaluateMeterTypes(); };
    for (auto *options : {m_fluid.data(), m_measurement.data(), m_viscosity.data()})
        for (int i = 0; i < 3; ++i)
            ev::onClick(options[i], evaluate);
    for (auto *options : {m_conductivity.data(), m_clean.data()})
        for (int i = 0; i < 2; ++i)
            ev::onClick(options[i], evaluate);
    ev::onChange(m_maxTemp, evaluate);
    ev::onChange(m_minTemp, evaluate);

    // Start from the most common case, a clean, thin, conductive liquid
    // measured by volume. It excludes nothing, so the guide opens with every
    // technology possible, and each group shows which choice is in force.
    m_fluid[0]->setChecked(true);
    m_conductivity[0]->setChecked(true);
    m_measurement[0]->setChecked(true);
    m_clean[0]->setChecked(true);
    m_viscosity[0]->setChecked(true);
    evaluateMeterTypes();
    adjustSize();
}

void MeterSelectionFrm::buildInputs()
{
    auto *frame = new QGroupBox(QStringLiteral("Fluid"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    auto *grid = new QGridLayout(frame);

    m_fluidName = new QLineEdit(frame);
    m_fluidName->setObjectName(QStringLiteral("TxtFluidName"));
    auto *fluidLabel = new QLabel(frame);
    fluidLabel->setObjectName(QStringLiteral("LbLFluidName"));
    fluidLabel->setBuddy(m_fluidName);
    grid->addWidget(fluidLabel, 0, 0);
    grid->addWidget(m_fluidName, 0, 1, 1, 2);

    // The option groups have no titles on screen; a screen reader names each.
    auto named = [](QGroupBox *group, const QString &name) {
        group->setAccessibleName(name);
        return group;
    };
    using a11y::Words;
    grid->addWidget(named(optionArray(frame, QStringLiteral("OptFluid"), m_fluid), Words::tr("State of the fluid")),
                    1, 0);
    grid->addWidget(
        named(optionArray(frame, QStringLiteral("OptConductivity"), m_conductivity), Words::tr("Conductivity")), 1,
        1, 1, 2);

    QGroupBox *measurement = named(optionGroup(frame), Words::tr("Measured as"));
    m_measurement[0] = addOption(measurement, QStringLiteral("OptMeasurements"));
    m_measurement[1] = addOption(measurement, QStringLiteral("OptMeasurements1"));
    m_measurement[2] = addOption(measurement, QStringLiteral("OptMeasurements2"));
    grid->addWidget(measurement, 2, 0);
    grid->addWidget(named(optionArray(frame, QStringLiteral("OptClean"), m_clean), Words::tr("Cleanliness")), 2, 1,
                    1, 2);
    grid->addWidget(named(optionArray(frame, QStringLiteral("OptVisc"), m_viscosity), Words::tr("Viscosity")), 3,
                    0);

    auto temperatureRow = [&](int row, const char *labelName, const char *boxName, const char *unitName) {
        auto *label = new QLabel(frame);
        label->setObjectName(QLatin1String(labelName));
        auto *box = new QLineEdit(frame);
        box->setObjectName(QLatin1String(boxName));
        box->setMaximumWidth(twips(1200));
        auto *unit = new QLabel(frame);
        unit->setObjectName(QLatin1String(unitName));
        label->setBuddy(box);
        auto *line = new QHBoxLayout;
        line->addWidget(box);
        line->addWidget(unit, 1);
        grid->addWidget(label, row, 0);
        grid->addLayout(line, row, 1, 1, 2);
        return box;
    };
    m_maxTemp = temperatureRow(4, "LblTempMax", "TxtMaxTemp", "LblTemp1");
    m_minTemp = temperatureRow(5, "LblTempMin", "TxtMinTemp", "LblTemp2");
    grid->setColumnStretch(2, 1);
}

void MeterSelectionFrm::buildOutputs()
{
    auto *frame = new QGroupBox(QStringLiteral("Possible Meter Types"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(frame);
    for (int i = 0; i < kTechnologyCount; ++i) {
        auto *tick = new QCheckBox(frame);
        tick->setObjectName(QLatin1String(kRows[size_t(i)].tickName));
        auto *name = new QLineEdit(frame);
        name->setObjectName(QLatin1String(kRows[size_t(i)].nameBox));
        name->setReadOnly(true);
        name->setFocusPolicy(Qt::NoFocus);
        a11y::markCaption(name);
        name->setMinimumWidth(twips(kNameWidth));
        // Blue while the box is enabled; a disabled box keeps the style's grey.
        QPalette pal = name->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            pal.setColor(group, QPalette::Text, kSuitableColour);
            pal.setColor(group, QPalette::WindowText, kSuitableColour);
        }
        name->setPalette(pal);
        // The tick is a result; the name beside it is its label.
        a11y::markResult(tick);
        a11y::labels(name, tick);
        grid->addWidget(tick, i, 0);
        grid->addWidget(name, i, 1);
        m_ticks[size_t(i)] = tick;
        m_names[size_t(i)] = name;
    }
}

void MeterSelectionFrm::applyTexts()
{
    const AppState &a = m_app;
    setWindowTitle(a.slot(Txt::MeterSelection));
    auto sp = [](const QString &x, const QString &y) { return x + u' ' + y; };
    for (int i = 0; i < 3; ++i)
        m_fluid[size_t(i)]->setText(a.slot(Txt::Liquid + i));
    m_conductivity[0]->setText(a.slot(Txt::Conductive));
    m_conductivity[1]->setText(sp(a.slot(Txt::NonPrefix), a.slot(Txt::Conductive)));
    m_measurement[0]->setText(a.slot(Txt::Volume));
    m_measurement[1]->setText(QStringLiteral("Mass"));
    m_measurement[2]->setText(a.slot(Txt::Density));
    m_clean[0]->setText(a.slot(Txt::Clean));
    m_clean[1]->setText(a.slot(Txt::Dirty));
    for (int i = 0; i < 3; ++i)
        m_viscosity[size_t(i)]->setText(sp(a.slot(Txt::Viscosity), a.slot(Txt::Low + i)));
    control<QLabel>(this, QStringLiteral("LblTempMax"))->setText(sp(a.slot(Txt::Maximum), a.slot(Txt::Temperature)));
    control<QLabel>(this, QStringLiteral("LblTempMin"))->setText(sp(a.slot(Txt::Minimum), a.slot(Txt::Temperature)));
    const QString unit = a.slot(a.metric ? Txt::Celsius : Txt::Fahrenheit);
    control<QLabel>(this, QStringLiteral("LblTemp1"))->setText(unit);
    control<QLabel>(this, QStringLiteral("LblTemp2"))->setText(unit);
    // The temperatures are read with their unit.
    for (auto [box, label] : {std::pair{m_maxTemp, "LblTempMax"}, std::pair{m_minTemp, "LblTempMin"}})
        box->setAccessibleName(control<QLabel>(this, QLatin1String(label))->text() + QStringLiteral(", ") + unit);
    control<QLabel>(this, QStringLiteral("LbLFluidName"))->setText(a.slot(Txt::FluidName));
    for (int i = 0; i < kTechnologyCount; ++i) {
        QLineEdit *name = m_names[size_t(i)];
        const QString &technology = a.slot(nameSlot(Technology(i)));
        name->setText(technology);
        // The column is as wide as the design or the longest name.
        name->setMinimumWidth(std::max(twips(kNameWidth), widthToShow(name, name->text())));
        // The tick is read out with the technology's name beside it.
        m_ticks[size_t(i)]->setAccessibleName(technology);
    }
}

DataSheet MeterSelectionFrm::dataSheet() const
{
    DataSheet sheet;
    sheet.tool = windowTitle();
    SheetBuilder b(this, sheet);
    auto named = [this](const char *name) { return control<QWidget>(this, QLatin1String(name)); };
    const auto *fluidFrame = control<QGroupBox>(this, QStringLiteral("Frame2"));
    b.section(fluidFrame->title());
    b.row({named("LbLFluidName"), m_fluidName});
    auto answer = [&](const QString &caption, const auto &options) {
        for (const QRadioButton *option : options) {
            if (option->isChecked())
                b.row(caption, fluidFrame, {option});
        }
    };
    answer(SheetWords::tr("Phase"), m_fluid);
    answer(SheetWords::tr("Conductivity"), m_conductivity);
    answer(SheetWords::tr("Measured by"), m_measurement);
    answer(SheetWords::tr("Cleanliness"), m_clean);
    answer(m_app.slot(Txt::Viscosity), m_viscosity);
    b.row({named("LblTempMax"), m_maxTemp, named("LblTemp1")});
    b.row({named("LblTempMin"), m_minTemp, named("LblTemp2")});
    b.section(control<QGroupBox>(this, QStringLiteral("Frame1"))->title());
    for (int i = 0; i < kTechnologyCount; ++i) {
        if (m_ticks[size_t(i)]->isChecked())
            b.row({m_names[size_t(i)]});
    }
    return sheet;
}

FluidDescription MeterSelectionFrm::fluidFromOptions() const
{
    FluidDescription f;
    f.phase = selected(m_fluid, std::array{Phase::Liquid, Phase::Gas, Phase::Steam});
    f.conductivity = selected(m_conductivity, std::array{Conductivity::Conductive, Conductivity::NonConductive});
    f.measurement = selected(m_measurement, std::array{Measurement::Volume, Measurement::Mass, Measurement::Density});
    f.cleanliness = selected(m_clean, std::array{Cleanliness::Clean, Cleanliness::Dirty});
    f.viscosity = selected(m_viscosity, std::array{Viscosity::Low, Viscosity::Medium, Viscosity::High});
    return f;
}

void MeterSelectionFrm::evaluateMeterTypes()
{
    const Suitability suitable = evaluate(fluidFromOptions(), m_maxTemp->text(), m_minTemp->text(), m_app.metric);
    for (int i = 0; i < kTechnologyCount; ++i) {
        m_ticks[size_t(i)]->setChecked(suitable[size_t(i)]);
        m_names[size_t(i)]->setEnabled(suitable[size_t(i)]);
    }
}
