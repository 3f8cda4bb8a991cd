// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/velocity/calculator.h"

#include "core/common/numbers.h"
#include "core/velocity/metersizing.h"

namespace velocity {

Calculator::Calculator(SharedValues &shared, const TextTable &texts, Fields &fields)
    : m_model(shared), m_present(texts), m_fields(fields)
{
}

void Calculator::write(Box box, const QString &text)
{
    // An unchanged text changes nothing and runs nothing.
    if (m_fields.text(box) == text)
        return;
    m_fields.write(box, text);
    if (!m_fields.runsHandlers())
        changed(box);
}

void Calculator::write(Box box, const Text &text)
{
    if (text)
        write(box, *text);
}

void Calculator::changed(Box box)
{
    switch (box) {
    case Box::MeterSize:
        meterSizeChanged();
        break;
    case Box::TaperAngle:
        fullRecalculation();
        break;
    case Box::Velocity:
    case Box::AnnualUsage:
        payback();
        break;
    default:
        break; // a result box: nothing runs
    }
}

void Calculator::flowChanged(bool forgetTypedUsage)
{
    if (m_fields.inputs().tool == VelocityTool::MeterSize) {
        sizeChain();
        return;
    }
    fullRecalculation();
    if (forgetTypedUsage)
        m_model.setAnnualUsageTyped(false);
    payback();
}

void Calculator::meterSizeChanged()
{
    fullRecalculation();
    payback();
}

void Calculator::meterSizeClicked()
{
    m_model.setAnnualUsageTyped(false);
    payback();
}

void Calculator::annualUsageClicked() { m_model.setAnnualUsageTyped(true); }

void Calculator::chooseMeterType(MeterType type)
{
    m_model.chooseMeterType(type);
    write(Box::LossMillibar, QString());
    fullRecalculation();
}

void Calculator::fullRecalculation() { recalculate(); }

Calculator::Recalculated Calculator::recalculate()
{
    m_fields.trace(QStringLiteral("full recalculation"));
    // An imperial bore typed as a fraction becomes a decimal first (its
    // handler recalculates before this run goes on).
    InputTexts texts = m_fields.inputs();
    if (const Text decimal = imperialFractionRewrite(texts.meterSize, texts.metric)) {
        write(Box::MeterSize, *decimal);
        texts = m_fields.inputs();
    }
    const Inputs in = readInputs(texts, m_present.texts());
    Run run = m_model.pipeVelocity(in);
    // Emptying or writing the velocity runs the payback.
    if (!run.hasVelocityInputs())
        write(Box::Velocity, QString());
    const AccuracyResult accuracy = m_model.accuracy(in, run);
    if (accuracy.type != MeterType::None) {
        if (accuracy.showBox)
            m_fields.showAccuracy(accuracy.type);
        write(accuracyBox(accuracy.type), Presenter::accuracy(accuracy));
    }
    write(Box::Velocity, Presenter::velocity(m_model.shownVelocity(run)));
    m_model.storeNominalSize(run);
    const Presenter::ReynoldsTexts reynolds = m_present.reynolds(m_model.fluid(in, run));
    write(Box::Reynolds, reynolds.reynolds);
    write(Box::Regime, reynolds.regime);
    if (in.tool == VelocityTool::PressureLoss)
        pressureLoss(in, run);
    if (in.tool == VelocityTool::MeterSize) {
        if (const auto sizes = Presenter::sizes(m_model.sizeMeters(in))) {
            for (int i = 0; i < kProposals; ++i)
                write(nth(Box::Size, i), (*sizes)[size_t(i)]);
        }
    }
    return {in, run};
}

PressureResult Calculator::pressureLoss(const Inputs &in, const Run &run)
{
    m_fields.trace(QStringLiteral("pressure loss"));
    const TaperAngle angle = correctTaperAngle(in.taperAngle);
    // The corrected angle is written back; its handler recalculates at once.
    if (angle.corrected)
        write(Box::TaperAngle, Presenter::taperAngle(angle.degrees));
    const PressureResult result = m_model.pressureLoss(in, angle.degrees, run);
    const Presenter::PressureTexts texts = Presenter::pressure(result);
    write(Box::LossMillibar, texts.millibar);
    write(Box::LossBar, texts.bar);
    write(Box::LossPsi, texts.psi);
    return result;
}

void Calculator::sizeChain()
{
    m_fields.trace(QStringLiteral("size chain"));
    const Inputs in = readInputs(m_fields.inputs(), m_present.texts());
    m_model.storeFlow(in);
    if (const auto sizes = Presenter::sizes(m_model.sizeMeters(in))) {
        for (int i = 0; i < kProposals; ++i)
            write(nth(Box::Size, i), (*sizes)[size_t(i)]);
    }
    // Each proposal in turn becomes the meter size (its handler recalculates)
    // and shows the loss of a meter that size in its row.
    for (int i = 0; i < kProposals; ++i) {
        write(Box::MeterSize, m_fields.text(nth(Box::Size, i)));
        const Box loss = nth(Box::SizeLoss, i);
        const double size = num::leadingNumber(m_fields.text(Box::MeterSize));
        if (!(size > 0)) {
            // No proposal, no meter: no loss to show (not one left from an
            // earlier size).
            write(loss, QString());
        } else if (size < kLargestMeterBoreMm) {
            // A run that works out no loss (a negative flow, an unknown unit)
            // leaves the loss shown beside the size, as the size itself stays.
            const Recalculated r = recalculate();
            write(loss, Presenter::sizeLoss(pressureLoss(r.inputs, r.run)));
        } else {
            write(loss, Presenter::noLoss());
        }
    }
    for (int i = 0; i < kProposals; ++i)
        write(nth(Box::FullBoreLoss, i), Presenter::noLoss());
}

// Writing the annual usage runs this again from the box's change handler;
// that nested run finds the same inputs and writes the same texts, so it ends
// at once.
void Calculator::payback()
{
    m_fields.trace(QStringLiteral("payback"));
    const PaybackResult result = m_model.payback(readPaybackInputs(m_fields.paybackInputs()));
    if (result.alreadyBetter) {
        m_fields.alreadyBetter();
        if (!m_fields.runsHandlers())
            payback();
        return;
    }
    if (result.usageShown)
        write(Box::AnnualUsage, Presenter::annualUsage(*result.usageShown));
    if (!result.revenue)
        return;
    const Presenter::RevenueTexts texts = m_present.payback(*result.revenue);
    write(Box::RevenueLoss, texts.revenueLoss);
    write(Box::PaybackCaption, texts.caption);
    write(Box::Payback, texts.payback);
}

} // namespace velocity
