// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/cli/velocityrun.h"

#include "core/common/numbers.h"
#include "core/velocity/model.h"
#include "core/velocity/presenter.h"

#include <cmath>

namespace cli {
namespace {

using namespace velocity;

const QString kOutOfRange = QStringLiteral("out of the range the calculation works in");

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

// The inputs of a run as the screen's boxes hold them for these entries. The
// fluid boxes hold water's own figures while water is ticked.
Inputs inputsOf(const VelocityEntries &e)
{
    Inputs in;
    in.tool = e.tool;
    in.metric = e.metric;
    in.flow = e.flow;
    in.unit = e.unit;
    in.meterSize = e.meterSize;
    if (e.tool == VelocityTool::PressureLoss) {
        in.pipeSize = e.pipeSize;
        in.taperAngle = e.taperAngle;
    }
    in.fluid = e.otherFluid ? Fluid::Other : Fluid::Water;
    static const double waterDensity = num::leadingNumber(Presenter::waterDensity());
    static const double waterViscosity = num::leadingNumber(Presenter::waterViscosity());
    in.density = e.otherFluid ? e.density : waterDensity;
    in.viscosity = e.otherFluid ? e.viscosity : waterViscosity;
    in.checkedMeterType = e.meterType;
    return in;
}

// The steps of one full recalculation up to the fluid, as the calculator runs
// them. False when the velocity or the Reynolds number is not worked out.
struct Recalculated {
    Run run;
    AccuracyResult accuracy;
    double shownVelocity = 0;
    ReynoldsResult reynolds;
};
bool recalculate(Model &model, const Inputs &in, Recalculated &out)
{
    out.run = model.pipeVelocity(in);
    if (!out.run.velocityFinite || !out.run.hasVelocityInputs())
        return false;
    out.accuracy = model.accuracy(in, out.run);
    const std::optional<double> shown = model.shownVelocity(out.run);
    model.storeNominalSize(out.run);
    out.reynolds = model.fluid(in, out.run);
    if (!shown)
        return false;
    out.shownVelocity = *shown;
    return true;
}

bool velocityAndLoss(const VelocityEntries &e, const Presenter &present, VelocityResults &r, QString *error)
{
    SharedValues shared;
    Model model(shared);
    if (e.meterType != MeterType::None)
        model.chooseMeterType(e.meterType);
    const Inputs in = inputsOf(e);
    Recalculated calc;
    if (!recalculate(model, in, calc))
        return fail(error, QStringLiteral("no velocity: the flow and meter size are ") + kOutOfRange);
    if (calc.reynolds.outcome != ReynoldsResult::Outcome::Computed)
        return fail(error, QStringLiteral("no Reynolds number: the fluid's figures are ") + kOutOfRange);
    r.velocity = *Presenter::velocity(calc.shownVelocity);
    r.velocityValue = calc.shownVelocity;
    const Presenter::ReynoldsTexts reynolds = present.reynolds(calc.reynolds);
    r.reynolds = reynolds.reynolds.value_or(QString());
    r.regime = reynolds.regime.value_or(QString());
    r.reynoldsValue = calc.reynolds.reynolds;

    const AccuracyResult &a = calc.accuracy;
    r.accuracyPercent = std::nan("");
    r.accuracy.clear();
    if (a.type != MeterType::None) {
        if (a.veldrix) {
            if (a.veldrix->listed && a.veldrix->bandPercent > 0)
                r.accuracyPercent = a.veldrix->bandPercent;
        } else if (a.type == MeterType::VeldrixMains || a.type == MeterType::VeldrixBattery) {
            return fail(error, QStringLiteral("no accuracy: the flow through the meter is ") + kOutOfRange);
        } else if (a.rated) {
            r.accuracyPercent = a.rated->percent;
        }
        // A velocity-rated meter without a figure (under 14 mm) leaves its box
        // as a new screen shows it.
        r.accuracy = Presenter::accuracy(a).value_or(a.type == MeterType::Prandel ? QStringLiteral(" ") : QString());
    }

    if (e.tool == VelocityTool::PressureLoss) {
        const TaperAngle angle = correctTaperAngle(in.taperAngle);
        r.angleUsed = angle.corrected ? Presenter::taperAngle(angle.degrees) : e.taperAngleText;
        const PressureResult loss = model.pressureLoss(in, angle.degrees, calc.run);
        if (!loss.totalMillibar)
            return fail(error, QStringLiteral("no pressure loss: the inputs are ") + kOutOfRange);
        const Presenter::PressureTexts texts = Presenter::pressure(loss);
        r.lossMillibar = texts.millibar.value_or(QString());
        r.lossBar = texts.bar.value_or(QString());
        r.lossPsi = texts.psi.value_or(QString());
        r.lossMillibarValue = *loss.totalMillibar;
    }
    return true;
}

// Each proposal becomes the meter size in turn; a meter that size shows its
// own loss in bar (water, no reducers), the meters from 700 up show none.
bool sizes(const VelocityEntries &e, VelocityResults &r, QString *error)
{
    SharedValues shared;
    Model model(shared);
    Inputs in = inputsOf(e);
    if (model.storeFlow(in) != FlowStatus::Stored)
        return fail(error, QStringLiteral("the flow is ") + kOutOfRange);
    const SizesResult sized = model.sizeMeters(in);
    const auto texts = Presenter::sizes(sized);
    if (sized.outcome != SizesResult::Outcome::Sized || !texts)
        return fail(error, QStringLiteral("no sizes: the flow is ") + kOutOfRange);
    const TaperAngle noTaper = correctTaperAngle(0);
    for (size_t i = 0; i < size_t(kProposals); ++i) {
        r.sizes[i] = (*texts)[i];
        r.sizeValues[i] = sized.sizes[i];
        r.sizeLosses[i].clear();
        r.fullBoreLosses[i] = Presenter::noLoss();
        r.sizeLossBarValues[i] = 0;
        const QString box = imperialFractionRewrite(r.sizes[i], e.metric).value_or(r.sizes[i]);
        in.meterSize = num::leadingNumber(box);
        if (!(in.meterSize > 0))
            continue;
        if (!(in.meterSize < kLargestMeterBoreMm)) {
            r.sizeLosses[i] = Presenter::noLoss();
            continue;
        }
        Recalculated calc;
        recalculate(model, in, calc);
        const PressureResult loss = model.pressureLoss(in, noTaper.degrees, calc.run);
        r.sizeLosses[i] = Presenter::sizeLoss(loss).value_or(QString());
        if (loss.totalMillibar)
            r.sizeLossBarValues[i] = millibarToBar(*loss.totalMillibar);
    }
    return true;
}

bool payback(const VelocityEntries &e, const Presenter &present, VelocityResults &r, QString *error)
{
    if (!e.hasFlow && !e.annualUsage)
        return fail(error, QStringLiteral("needs the annual usage, or the flow, its unit and the meter size"));
    SharedValues shared;
    Model model(shared);
    if (e.hasFlow) {
        // The velocity the screen shows on the way is no result of this
        // tool: only the annual usage it leaves for the payback counts.
        Recalculated calc;
        if (!recalculate(model, inputsOf(e), calc))
            return fail(error, QStringLiteral("no velocity: the flow and meter size are ") + kOutOfRange);
    }
    PaybackInputs in;
    in.metric = e.metric;
    in.supply = e.supply;
    in.charges = e.charges;
    if (e.annualUsage) {
        model.setAnnualUsageTyped(true);
        in.usageEmpty = e.annualUsage->isEmpty();
        in.typedUsage = typedAnnualUsage(*e.annualUsage);
    }
    const PaybackResult result = model.payback(in);
    if (result.alreadyBetter)
        return fail(error, QString::fromLatin1(kAccuracyAlreadyBetter)
                               + QStringLiteral(" (%1 % against %2 % for a new meter on this supply)")
                                     .arg(num::general15(e.charges.currentAccuracy * 100, QLocale::c()),
                                          num::general15(newMeterAccuracy(e.supply) * 100, QLocale::c())));
    if (!result.revenue || (!e.annualUsage && !result.usageShown))
        return fail(error, QStringLiteral("no payback: the figures are ") + kOutOfRange);
    if (e.annualUsage) {
        r.annualUsage = *e.annualUsage;
        r.annualUsageValue = in.typedUsage.value_or(0);
    } else {
        r.annualUsage = Presenter::annualUsage(*result.usageShown).value_or(QString());
        r.annualUsageValue = *result.usageShown;
    }
    const Presenter::RevenueTexts texts = present.payback(*result.revenue);
    r.revenueLoss = texts.revenueLoss;
    r.payback = texts.payback;
    r.paybackCaption = texts.caption;
    r.paybackInDays = texts.inDays;
    r.revenueLossValue = result.revenue->lossPerYear;
    r.paybackYears = result.revenue->paybackYears;
    return true;
}

} // namespace

bool workOut(const VelocityEntries &entries, const TextTable &texts, VelocityResults &results, QString *error)
{
    const Presenter present(texts);
    switch (entries.tool) {
    case VelocityTool::Velocity:
    case VelocityTool::PressureLoss:
        return velocityAndLoss(entries, present, results, error);
    case VelocityTool::MeterSize:
        return sizes(entries, results, error);
    case VelocityTool::Payback:
        return payback(entries, present, results, error);
    }
    return false;
}

} // namespace cli
