// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/velocity/presenter.h"

#include "core/common/numbers.h"
#include "core/velocity/fluid.h"
#include "core/velocity/metersizing.h"

#include <cmath>

namespace velocity {
namespace {

// Product names read the same in every language.
constexpr auto kPrandel = u"Prandel";
constexpr auto kVeldrix = u"Veldrix";
constexpr auto kBrevil = u"Brevil";
constexpr auto kStandard = u"CEN pr 14154 ISO4064";

constexpr auto kVelocityMask = u"##0.0000";
constexpr auto kLossMask = u"####0.0000";
constexpr auto kPercentMask = u"##0.00";

QString str(const char16_t *text) { return QString::fromUtf16(text); }

// A velocity-rated meter's fixed figure, as its makers write it.
QString fixedText(MeterType type, bool largeMeter)
{
    if (!largeMeter)
        return QStringLiteral("± 0.15%");
    return type == MeterType::Brevil ? QStringLiteral("± 0.20%") : QStringLiteral("± 0.2%");
}

} // namespace

Text Presenter::velocity(std::optional<double> shown)
{
    if (!shown)
        return std::nullopt;
    return num::mask(*shown, kVelocityMask);
}

Presenter::ReynoldsTexts Presenter::reynolds(const ReynoldsResult &result) const
{
    switch (result.outcome) {
    case ReynoldsResult::Outcome::Keep:
        break;
    case ReynoldsResult::Outcome::NoFluid:
        return {QStringLiteral("0"), QString()};
    case ReynoldsResult::Outcome::Computed: {
        const double whole = std::floor(result.reynolds);
        return {num::general15(whole), regime(regimeOf(whole))};
    }
    }
    return {};
}

QString Presenter::regime(Regime regime) const
{
    switch (regime) {
    case Regime::Laminar:
        return m_texts.slot(Txt::Laminar);
    case Regime::Transitional:
        return m_texts.slot(Txt::Transitional);
    case Regime::Turbulent:
        return m_texts.slot(Txt::Turbulent);
    case Regime::None:
        break;
    }
    return QString();
}

Text Presenter::accuracy(const AccuracyResult &result)
{
    if (result.veldrix)
        return result.veldrix->listed ? veldrixBand(result.veldrix->bandPercent) : QString();
    if (!result.rated)
        return std::nullopt;
    if (result.rated->fixed)
        return fixedText(result.type, result.rated->largeMeter);
    return QStringLiteral("± ") + num::mask(result.rated->percent, kPercentMask) + u'%';
}

QString Presenter::veldrixBand(float bandPercent)
{
    if (bandPercent > 0)
        return QStringLiteral("± ") + num::classic(bandPercent) + u'%';
    return QStringLiteral("<Q1");
}

Presenter::PressureTexts Presenter::pressure(const PressureResult &result)
{
    if (!result.totalMillibar)
        return {};
    const double total = *result.totalMillibar;
    if (result.reynolds > 10000)
        return {num::mask(total, kLossMask), num::mask(millibarToBar(total), kLossMask),
                num::mask(millibarToPsi(total), kLossMask)};
    if (result.reynolds < 9999)
        return {QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" ")};
    return {};
}

Text Presenter::sizeLoss(const PressureResult &result)
{
    if (!result.totalMillibar)
        return std::nullopt;
    return num::mask(millibarToBar(*result.totalMillibar), kLossMask);
}

// Written as it stands, with a full stop whatever the regional settings.
QString Presenter::noLoss() { return QStringLiteral("0.0000"); }

std::optional<std::array<QString, kProposals>> Presenter::sizes(const SizesResult &result)
{
    std::array<QString, kProposals> texts;
    switch (result.outcome) {
    case SizesResult::Outcome::Keep:
        return std::nullopt;
    case SizesResult::Outcome::Empty:
        break;
    case SizesResult::Outcome::Sized:
        for (size_t i = 0; i < texts.size(); ++i)
            texts[i] = fractionText(result.sizes[i]);
        break;
    }
    return texts;
}

QString Presenter::taperAngle(float degrees) { return QString::number(degrees); }

QString Presenter::waterDensity() { return QString::number(kWaterDensityKgPerM3); }
QString Presenter::waterViscosity() { return QString::number(kWaterViscosityCentipoise); }

Text Presenter::annualUsage(float usage)
{
    const QString text = num::general7(usage);
    if (text.isEmpty())
        return std::nullopt;
    return text;
}

Presenter::RevenueTexts Presenter::payback(const Revenue &revenue) const
{
    RevenueTexts out;
    out.revenueLoss = num::mask(revenue.lossPerYear, u"0.00");
    if (revenue.paybackYears < 0.5) {
        out.payback = num::mask(std::floor(revenue.paybackYears * 365), u"0");
        out.caption = m_texts.slot(Txt::PaybackDays);
        out.inDays = true;
    } else {
        out.payback = num::mask(revenue.paybackYears, u"0.000");
        out.caption = m_texts.slot(Txt::PaybackYears);
    }
    return out;
}

QString Presenter::meterTypeName(MeterType type)
{
    switch (type) {
    case MeterType::Prandel:
        return str(kPrandel);
    case MeterType::VeldrixMains:
        return str(kVeldrix) + QStringLiteral(" Mains");
    case MeterType::Brevil:
        return str(kBrevil);
    case MeterType::VeldrixBattery:
        return str(kVeldrix) + QStringLiteral(" Battery");
    case MeterType::None:
        break;
    }
    return QString();
}

QString Presenter::meterTypeCaption(MeterType type) const
{
    switch (type) {
    case MeterType::VeldrixMains:
        return str(kVeldrix) + u' ' + m_texts.slot(Txt::Mains);
    case MeterType::VeldrixBattery:
        return str(kVeldrix) + u' ' + m_texts.slot(Txt::Battery);
    default:
        return meterTypeName(type);
    }
}

QString Presenter::velocityUnit(bool metric) const
{
    return m_texts.slot(metric ? Txt::MetresPerSecond : Txt::FeetPerSecond);
}

QString Presenter::sizeUnit(bool metric) const { return m_texts.slot(metric ? Txt::Millimetres : Txt::Inches); }

QString Presenter::annualUsageCaption(bool metric) const
{
    return m_texts.slot(Txt::AnnualUsage) + (metric ? QStringLiteral(" (m3)") : QStringLiteral(" (kUSGalls)"));
}

QString Presenter::waterChargeCaption(bool metric) const
{
    return m_texts.slot(Txt::WaterCharge) + (metric ? QStringLiteral(" / m3") : QStringLiteral(" / kUSGalls"));
}

// The sewage charge's imperial caption has two blanks before the slash, as it
// always has.
QString Presenter::sewageChargeCaption(bool metric) const
{
    return m_texts.slot(Txt::SewageCharge) + (metric ? QStringLiteral(" / m3") : QStringLiteral("  / kUSGalls"));
}

QString Presenter::proposalCaption(int index, bool metric) const
{
    // The sizes are worked out for 1, 2 and 3 m/s; the imperial screen names
    // them by their rounded equivalents in feet per second.
    static const char *const metricSteps[] = {" 1m/s", " 2m/s", " 3m/s"};
    static const char *const imperialSteps[] = {" 3 ft/s", " 6 ft/s", " 9 ft/s"};
    if (index == 0)
        return m_texts.slot(Txt::MaximumSize);
    if (index == 1)
        return m_texts.slot(Txt::MinimumSize);
    return m_texts.slot(Txt::SizeAt) + QLatin1String((metric ? metricSteps : imperialSteps)[index - 2]);
}

QString Presenter::proposalLossHeading() const
{
    return m_texts.slot(Txt::PressureLoss) + u' ' + m_texts.slot(Txt::Bar) + QStringLiteral(" (")
           + m_texts.slot(Txt::Water) + u')';
}

QString Presenter::accuracyCaption(MeterType type) const
{
    switch (type) {
    case MeterType::Prandel:
        return m_texts.slot(Txt::Prandel) + u' ' + m_texts.slot(Txt::AccuracyWord);
    case MeterType::VeldrixMains:
    case MeterType::VeldrixBattery:
        return str(kVeldrix);
    case MeterType::Brevil:
        return str(kBrevil) + u' ';
    case MeterType::None:
        break;
    }
    return QString();
}

QString Presenter::standard() { return u' ' + str(kStandard); }
QString Presenter::brevilToStandard() { return str(kBrevil) + QStringLiteral(" to ") + str(kStandard); }
QString Presenter::reducedBoreColumn() { return str(kVeldrix) + u'/' + str(kBrevil); }
QString Presenter::fullBoreColumn() { return str(kPrandel); }

} // namespace velocity
