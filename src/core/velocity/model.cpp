// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/velocity/model.h"

#include "core/common/constants.h"
#include "core/common/numbers.h"
#include "core/velocity/fluid.h"
#include "core/velocity/metersizing.h"

#include <cmath>

namespace velocity {

Run Model::pipeVelocity(const Inputs &in)
{
    Run run;
    run.metric = in.metric;
    run.flowPositive = in.flow > 0;
    run.sizePositive = in.meterSize > 0;

    double v = 0;
    if (run.hasVelocityInputs() && in.unit)
        v = toLitresPerSecond(in.flow, *in.unit) * kVelocityFactor / in.meterSize / in.meterSize;
    if (!std::isfinite(v)) {
        run.velocityFinite = false;
        return run;
    }
    run.rawVelocity = v;
    m_shared.pipeVelocityMetresPerSecond = in.metric ? v : 0;
    return run;
}

AccuracyResult Model::accuracy(const Inputs &in, Run &run)
{
    const std::optional<short> size = meterSizeMm(in.meterSize, in.metric);
    run.meterSizeMm = size.value_or(0);
    const int s = run.meterSizeMm;
    // The velocity in metres per second; a run without a finite velocity has
    // none, and every type keeps its text.
    const double v = !run.velocityFinite ? std::nan("")
                     : run.metric        ? run.rawVelocity
                                         : run.rawVelocity / kSquareMmPerSquareInch;

    AccuracyResult out;
    out.type = m_shared.meterType;
    switch (m_shared.meterType) {
    case MeterType::Prandel:
        out.showBox = s >= kSmallestRatedMeterMm;
        out.rated = prandelAccuracy(s, v);
        break;
    case MeterType::Brevil:
        out.showBox = s >= kSmallestRatedMeterMm;
        out.rated = brevilAccuracy(s, v);
        break;
    case MeterType::VeldrixMains:
    case MeterType::VeldrixBattery: {
        if (!std::isfinite(v))
            break;
        if (s <= 0) {
            out.veldrix = AccuracyResult::Veldrix{};
            break;
        }
        const double q = meterFlowM3PerHour(v, s);
        if (!std::isfinite(q))
            break;
        m_shared.meterFlowM3PerHour = q;
        const std::optional<LimitRow> row = veldrixLimits(m_shared.meterType, s);
        if (!row) {
            out.veldrix = AccuracyResult::Veldrix{};
            break;
        }
        // The row is held as listed; the imperial screen lowers it for this run.
        m_shared.limits = *row;
        const LimitRow used = in.metric ? *row : imperialLimits(*row);
        out.veldrix = AccuracyResult::Veldrix{true, veldrixBandAccuracy(m_shared.meterType, q, used)};
        break;
    }
    case MeterType::None:
        break;
    }
    return out;
}

std::optional<double> Model::shownVelocity(const Run &run)
{
    if (!run.velocityFinite)
        return std::nullopt;
    double shown = run.rawVelocity;
    if (!run.metric) {
        // The bore was in inches: per square inch to per square millimetre,
        // then metres to feet for the display; the shared value goes back to
        // metres per second by the same constant.
        shown = run.rawVelocity / kSquareMmPerSquareInch * units::kFeetPerMetre;
        m_shared.pipeVelocityMetresPerSecond = shown / units::kFeetPerMetre;
    }
    if (!run.hasVelocityInputs())
        return std::nullopt;
    return shown;
}

void Model::storeNominalSize(const Run &run) { m_shared.nominalMeterSizeMm = run.meterSizeMm; }

ReynoldsResult Model::fluid(const Inputs &in, Run &run)
{
    run.reynoldsComputed = false;
    float density = m_shared.densityKgPerM3;
    float viscosity = m_shared.viscosityPascalSeconds;
    switch (in.fluid) {
    case Fluid::Water:
        density = kWaterDensityKgPerM3;
        viscosity = num::toFloat(kWaterViscosityCentipoise / 1000);
        break;
    case Fluid::Other:
        density = num::toFloat(in.density);
        viscosity = num::toFloat(in.viscosity / 1000);
        break;
    case Fluid::Neither:
        break;
    }
    // A density beyond 32 bits, or a viscosity that rounds to 0 there, changes
    // nothing.
    if (!std::isfinite(density) || !std::isfinite(viscosity))
        return {};
    m_shared.densityKgPerM3 = density;
    m_shared.viscosityPascalSeconds = viscosity;
    if (!run.velocityFinite)
        return {};
    if (!(in.viscosity > 0 && in.density > 0))
        return {ReynoldsResult::Outcome::NoFluid, 0};

    const double bore = run.metric ? in.meterSize : in.meterSize * units::kMmPerInch;
    const double reynolds = reynoldsNumber(density, viscosity, bore, m_shared.pipeVelocityMetresPerSecond);
    if (!std::isfinite(reynolds))
        return {};
    m_shared.reynoldsNumber = reynolds;
    run.reynoldsComputed = true;
    return {ReynoldsResult::Outcome::Computed, reynolds};
}

PressureResult Model::pressureLoss(const Inputs &in, float taperDegrees, const Run &run)
{
    PressureResult out;
    out.reynolds = m_shared.reynoldsNumber;
    if (!run.velocityFinite || !run.reynoldsComputed || !(m_shared.reynoldsNumber > 0))
        return out;
    double d = in.meterSize;
    if (!(d > 0))
        return out;
    double pipe = in.pipeSize;
    if (!run.metric) {
        d *= units::kMmPerInch;
        pipe *= units::kMmPerInch;
    }
    // No pipe size: the meter sits in a pipe of its own bore, without
    // reducers. A negative one is taken as typed (only its square and the
    // ratio d / D enter the loss).
    if (pipe == 0)
        pipe = d;

    const double v = m_shared.pipeVelocityMetresPerSecond;
    const double reducerLoss = reducerLossMillibar(taperDegrees, d, pipe, v, m_shared.densityKgPerM3);
    double meterLoss = m_shared.meterLossMillibar;
    float c = m_shared.meterLossCoefficient;
    if (in.tool == VelocityTool::MeterSize || hasOwnLoss(in.checkedMeterType)) {
        c = meterLossCoefficient(d);
        meterLoss = meterLossMillibar(c, d, v);
    }
    const double total = reducerLoss + meterLoss;
    if (!std::isfinite(millibarToPsi(total)))
        return out;
    m_shared.reducerLossMillibar = reducerLoss;
    m_shared.meterLossMillibar = meterLoss;
    m_shared.meterLossCoefficient = c;
    out.totalMillibar = total;
    return out;
}

SizesResult Model::sizeMeters(const Inputs &in) const
{
    SizesResult out;
    if (in.flow == 0) {
        out.outcome = SizesResult::Outcome::Empty;
        return out;
    }
    if (!(in.flow > 0))
        return out;
    for (int i = 0; i < kProposals; ++i) {
        const double bore = proposedBoreMm(m_shared.flowLitresPerSecond, i);
        if (!std::isfinite(bore))
            return out;
        out.sizes[size_t(i)] = roundToNominalSize(num::toFloat(bore), false, in.metric);
    }
    out.outcome = SizesResult::Outcome::Sized;
    return out;
}

FlowStatus Model::storeFlow(const Inputs &in)
{
    if (!(in.flow > 0))
        return FlowStatus::NotPositive;
    if (!in.unit)
        return FlowStatus::UnknownUnit;
    const float stored = num::toFloat(toLitresPerSecond(in.flow, *in.unit));
    if (!std::isfinite(stored))
        return FlowStatus::TooLarge;
    m_shared.flowLitresPerSecond = stored;
    return FlowStatus::Stored;
}

void Model::chooseMeterType(MeterType type)
{
    m_shared.meterType = type;
    m_shared.meterLossMillibar = 0;
}

PaybackResult Model::payback(const PaybackInputs &in) const
{
    PaybackResult out;
    if (alreadyBetter(in.charges, in.supply)) {
        out.alreadyBetter = true;
        return out;
    }
    const double v = m_shared.pipeVelocityMetresPerSecond;
    const std::optional<float> computed = annualUsage(v, m_shared.nominalMeterSizeMm, in.metric);
    const bool typed = m_shared.annualUsageTyped;
    // The usage follows the flow until the user types one of their own.
    if (v > 0 && !typed && computed)
        out.usageShown = computed;
    if (!complete(in.charges, in.supply))
        return out;

    std::optional<float> usage;
    if (typed) {
        // The user's own figure, or the worked-out one while the box is empty.
        usage = in.usageEmpty ? computed : in.typedUsage;
    } else {
        usage = computed;
        out.usageShown = computed;
    }
    if (usage)
        out.revenue = revenueAndPayback(*usage, in.charges, in.supply);
    return out;
}

} // namespace velocity
