// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target: lenient and strict number reading, every display mask the
// screens use, and the general and classic number texts, in locales with
// different separators. The bytes are read as typed text; the number that
// text holds and the first eight bytes taken as a raw double are formatted,
// in a locale picked by the input's length.
#include "check.h"
#include "core/common/numbers.h"

#include <array>
#include <cmath>
#include <cstring>

namespace {
// Every mask a screen writes a result with.
constexpr std::array<const char16_t *, 10> kMasks = {
    u"####0.####", u"####0.######", u"##,##0.####", u"##0.0000", u"####0.0000",
    u"##0.00",     u"0.00",         u"0.000",       u"#####0.00000", u"0",
};

const std::array<QLocale, 6> &locales()
{
    static const std::array<QLocale, 6> all = {
        QLocale::c(),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany),               // 1.234,5
        QLocale(QLocale::French, QLocale::France),                // narrow no-break space groups
        QLocale(QLocale::German, QLocale::Switzerland),           // apostrophe groups
        QLocale(QLocale::Arabic, QLocale::Egypt),                 // Arabic decimal and group signs
    };
    return all;
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The text with the locale's separators put back to a plain number text.
QString plain(QString text, const QLocale &locale)
{
    text.remove(locale.groupSeparator());
    text.replace(locale.decimalPoint(), QStringLiteral("."));
    return text;
}

QString describe(double v, QStringView what, const QString &text)
{
    return QStringLiteral("%1 of %2 gave \"%3\"").arg(what).arg(v, 0, 'g', 17).arg(text);
}

// Digits, one decimal point, an optional exponent "E+dd"/"E-dd", a leading minus.
bool wellFormedGeneral(const QString &text, QChar point)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    const qsizetype e = text.indexOf(u'E');
    const qsizetype end = e < 0 ? text.size() : e;
    int points = 0, digits = 0;
    for (; i < end; ++i) {
        if (text[i] == point)
            ++points;
        else if (isDigit(text[i]))
            ++digits;
        else
            return false;
    }
    if (points > 1 || digits == 0)
        return false;
    if (e < 0)
        return true;
    if (e + 3 >= text.size() + 1 || (text[e + 1] != u'+' && text[e + 1] != u'-'))
        return false;
    for (qsizetype k = e + 2; k < text.size(); ++k)
        if (!isDigit(text[k]))
            return false;
    return text.size() - (e + 2) >= 2;
}

void checkMask(double v, QStringView maskText, const QLocale &locale)
{
    const QString text = num::mask(v, maskText, locale);
    if (!std::isfinite(v)) {
        FUZZ_CHECK(text.isEmpty(), describe(v, maskText, text));
        return;
    }
    FUZZ_CHECK(!text.isEmpty(), describe(v, maskText, text));
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    // The point shows exactly when the mask has one ("5." and "56").
    FUZZ_CHECK(text.count(point) == (maskText.contains(u'.') ? 1 : 0), describe(v, maskText, text));
    // Only digits, the locale's separators and a leading minus.
    QString rest = text;
    if (rest.startsWith(u'-'))
        rest.remove(0, 1);
    rest.remove(point);
    if (maskText.contains(u','))
        rest.remove(group);
    for (QChar c : rest)
        FUZZ_CHECK(isDigit(c), describe(v, maskText, text));

    // Read back, it gives the value to the shown decimals (15 significant
    // digits are formatted). Beyond 1e300 the rounded text may exceed the
    // largest double, so the check stops there.
    const qsizetype pointAt = maskText.indexOf(u'.');
    const int decimals = pointAt < 0 ? 0 : int(maskText.size() - pointAt - 1);
    const auto back = num::strictNumber(plain(text, locale));
    FUZZ_CHECK(back.has_value(), describe(v, maskText, text));
    if (std::fabs(v) < 1e300) {
        const double allowed = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(v) * 1e-14 + 1e-300;
        FUZZ_CHECK(std::fabs(*back - v) <= allowed, describe(v, maskText, text));
    }
}

void checkGeneral(double v, int digits, const QString &text, const QLocale &locale)
{
    const QString what = QStringLiteral("general%1").arg(digits);
    if (!std::isfinite(v)) {
        FUZZ_CHECK(text.isEmpty(), describe(v, what, text));
        return;
    }
    const QChar point = locale.decimalPoint().front();
    FUZZ_CHECK(wellFormedGeneral(text, point), describe(v, what, text));
    const auto back = num::strictNumber(plain(text, locale).replace(u'E', u'e'));
    FUZZ_CHECK(back.has_value(), describe(v, what, text));
    if (std::fabs(v) < 1e300 && std::fabs(v) > 1e-300) {
        const double relative = digits == 15 ? 1e-14 : 1e-6;
        FUZZ_CHECK(std::fabs(*back - v) <= std::fabs(v) * relative, describe(v, what, text));
    }
}

void checkValue(double v, const QLocale &locale)
{
    for (const char16_t *m : kMasks)
        checkMask(v, QStringView(m), locale);
    checkGeneral(v, 15, num::general15(v, locale), locale);
    const float f = num::toFloat(v);
    checkGeneral(double(f), 7, num::general7(f, locale), locale);
    const QString classic = num::classic(v);
    if (!std::isfinite(v)) {
        FUZZ_CHECK(classic.isEmpty(), describe(v, u"classic", classic));
        return;
    }
    // A blank or a minus, then a general text with a full stop and no
    // leading zero.
    FUZZ_CHECK(classic.startsWith(u' ') || classic.startsWith(u'-'), describe(v, u"classic", classic));
    FUZZ_CHECK(!classic.mid(1).startsWith(QStringLiteral("0.")), describe(v, u"classic", classic));
    FUZZ_CHECK(wellFormedGeneral(u'-' + classic.mid(1), u'.'), describe(v, u"classic", classic));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    const double lenient = num::leadingNumber(text);
    FUZZ_CHECK(!std::isnan(lenient), text.left(200));
    if (const auto strict = num::strictNumber(text)) {
        FUZZ_CHECK(!std::isnan(*strict), text.left(200));
        // A text that is one number reads the same both ways.
        FUZZ_CHECK(num::leadingNumber(text.trimmed()) == *strict, text.left(200));
    }
    const QLocale &locale = locales()[size % locales().size()];
    checkValue(lenient, locale);

    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkValue(raw, locale);
    }
    return 0;
}
