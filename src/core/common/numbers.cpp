// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace num {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Scans a number at the start of `text` (after `pos`) and returns the
// characters it spans as plain ASCII in `out` ("D" exponents become "e").
// Returns the position after the number, or `pos` when there is none.
qsizetype scanNumber(QStringView text, qsizetype pos, std::string &out)
{
    qsizetype i = pos;
    std::string s;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            s += '-';
        ++i;
    }
    qsizetype mantissaDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
        s += char(text[i].unicode());
        ++i;
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == u'.') {
        s += '.';
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            s += char(text[i].unicode());
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return pos;
    // An exponent counts only when it has digits of its own.
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        qsizetype j = i + 1;
        std::string e = "e";
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) {
            e += char(text[j].unicode());
            ++j;
        }
        qsizetype expDigits = 0;
        while (j < text.size() && isDigit(text[j])) {
            e += char(text[j].unicode());
            ++j;
            ++expDigits;
        }
        if (expDigits > 0) {
            s += e;
            i = j;
        }
    }
    out = std::move(s);
    return i;
}

// Converts a scanned number; out-of-range values become +/-infinity or +/-0.
double convert(const std::string &s)
{
    double value = 0.0;
    const char *first = s.data();
    const char *last = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow from the decimal exponent of the
        // first significant digit.
        const bool negative = !s.empty() && s[0] == '-';
        long long exp10 = 0;
        const auto ePos = s.find('e');
        const std::string mant = s.substr(0, ePos);
        if (ePos != std::string::npos) {
            const std::string ex = s.substr(ePos + 1);
            bool expNeg = !ex.empty() && ex[0] == '-';
            for (char c : ex) {
                if (c >= '0' && c <= '9')
                    exp10 = std::min<long long>(exp10 * 10 + (c - '0'), 1'000'000'000LL);
            }
            if (expNeg)
                exp10 = -exp10;
        }
        const auto point = mant.find('.');
        const std::string intPart = mant.substr(negative ? 1 : 0,
                                                point == std::string::npos ? std::string::npos
                                                                           : point - (negative ? 1 : 0));
        long long lead = 0;
        const auto firstNonZero = intPart.find_first_not_of('0');
        if (firstNonZero != std::string::npos) {
            lead = static_cast<long long>(intPart.size() - firstNonZero);
        } else if (point != std::string::npos) {
            const std::string frac = mant.substr(point + 1);
            const auto nz = frac.find_first_not_of('0');
            lead = nz == std::string::npos ? -1'000'000'000LL : -static_cast<long long>(nz);
        }
        const double big = std::numeric_limits<double>::infinity();
        if (lead + exp10 > 0)
            return negative ? -big : big;
        return negative ? -0.0 : 0.0;
    }
    if (ec != std::errc())
        return 0.0;
    return value;
}

// Decimal digits of |value| rounded to `significant` digits: returns the
// digit string (no trailing zeros, at least "0") and the decimal exponent of
// its first digit.
struct Digits {
    std::string digits;
    int exp10 = 0;
};

// The 15 significant digits of a normal double from its shortest text (which
// reads back as the value), without the slower correctly rounded formatting.
// That text is within half a unit of the value's last binary place, which is
// under 11.1 units of its 17th significant digit; so when digits 16 and 17 of
// the text are 38 or less, or 62 or more, the value rounds to 15 digits the
// way the text does. In between, or for a value too small to be normal, this
// gives nothing.
std::optional<Digits> fifteenDigitsFromShortest(double magnitude)
{
    if (!(magnitude >= std::numeric_limits<double>::min()))
        return std::nullopt;
    char buf[40];
    const char *end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific).ptr;
    const char *e = std::find(static_cast<const char *>(buf), end, 'e');
    Digits d;
    for (const char *c = buf; c != e; ++c) {
        if (*c != '.')
            d.digits += *c;
    }
    const size_t count = d.digits.size();
    const int tail = (count > 15 ? d.digits[15] - '0' : 0) * 10 + (count > 16 ? d.digits[16] - '0' : 0);
    if (tail > 38 && tail < 62)
        return std::nullopt;
    const char *exponent = e + 1;
    if (exponent != end && *exponent == '+')
        ++exponent;
    std::from_chars(exponent, end, d.exp10);
    if (count > 15)
        d.digits.resize(15);
    if (tail >= 62) {
        auto k = d.digits.rbegin();
        for (; k != d.digits.rend() && *k == '9'; ++k)
            *k = '0';
        if (k != d.digits.rend()) {
            ++*k;
        } else {
            d.digits.front() = '1';
            ++d.exp10;
        }
    }
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

Digits significantDigits(double value, int significant)
{
    if (significant == 15) {
        if (std::optional<Digits> fast = fifteenDigitsFromShortest(std::fabs(value)))
            return *fast;
    }
    // Read straight from the scientific text ("d.ddddde+XX"), without
    // building strings: a fleet file formats millions of values.
    char buf[64];
    const char *end = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                                    significant - 1)
                          .ptr;
    const char *e = std::find(static_cast<const char *>(buf), end, 'e');
    Digits d;
    for (const char *c = buf; c != e; ++c)
        if (*c != '.')
            d.digits += *c;
    const char *exponent = e + 1;
    if (exponent != end && *exponent == '+')
        ++exponent;
    std::from_chars(exponent, end, d.exp10);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits == "0")
        d.exp10 = 0;
    return d;
}

QString groupDigits(QLatin1StringView intDigits, const QString &separator)
{
    QString out;
    const qsizetype n = intDigits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += intDigits[i];
    }
    return out;
}

QString generalText(double value, int significant, QChar point)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return QStringLiteral("0");
    // Built in one text, piece by piece: screens and fleet files write many.
    const Digits d = significantDigits(value, significant);
    const QLatin1StringView digits(d.digits.data(), qsizetype(d.digits.size()));
    QString out;
    out.reserve(digits.size() + std::abs(d.exp10) + 8);
    if (value < 0)
        out += u'-';
    if (d.exp10 < -4 || d.exp10 >= significant) {
        out += digits.first(1);
        if (digits.size() > 1) {
            out += point;
            out += digits.sliced(1);
        }
        out += d.exp10 < 0 ? QLatin1StringView("E-") : QLatin1StringView("E+");
        const int exponent = std::abs(d.exp10);
        if (exponent < 10)
            out += u'0';
        out += QString::number(exponent);
        return out;
    }
    if (d.exp10 < 0) {
        out += u'0';
        out += point;
        out += QString(-d.exp10 - 1, u'0');
        out += digits;
        return out;
    }
    const qsizetype intCount = d.exp10 + 1;
    if (digits.size() <= intCount) {
        out += digits;
        out += QString(intCount - digits.size(), u'0');
    } else {
        out += digits.first(intCount);
        out += point;
        out += digits.sliced(intCount);
    }
    return out;
}

// The locale's decimal point and group separator, looked up once for as long
// as the same locale is asked for.
struct Separators {
    QLocale locale;
    QString point;
    QString group;
};
const Separators &separatorsOf(const QLocale &locale)
{
    thread_local Separators cache{QLocale::c(), QLocale::c().decimalPoint(), QLocale::c().groupSeparator()};
    if (!(cache.locale == locale))
        cache = {locale, locale.decimalPoint(), locale.groupSeparator()};
    return cache;
}

} // namespace

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    std::string s;
    if (scanNumber(text, i, s) == i)
        return 0.0;
    return convert(s);
}

std::optional<double> strictNumber(QStringView text)
{
    const QStringView t = text.trimmed();
    std::string s;
    if (t.isEmpty() || scanNumber(t, 0, s) != t.size())
        return std::nullopt;
    return convert(s);
}

QString mask(double value, QStringView maskText, const QLocale &locale)
{
    if (!std::isfinite(value))
        return {};
    const qsizetype pointPos = maskText.indexOf(u'.');
    const QStringView intMask = pointPos < 0 ? maskText : maskText.left(pointPos);
    const QStringView fracMask = pointPos < 0 ? QStringView() : maskText.mid(pointPos + 1);
    const int decimals = int(fracMask.size());
    int minDecimals = 0;
    while (minDecimals < decimals && fracMask[minDecimals] == u'0')
        ++minDecimals;
    const int minIntDigits = int(intMask.count(u'0'));
    const bool grouped = intMask.contains(u',');

    // Work on the value's 15 significant decimal digits, then round that
    // decimal text half away from zero: 2.675 shows as 2.68, as a user expects.
    const Digits d = significantDigits(value, 15);
    // The digits in fixed point, in one text: a place for a carry, the
    // integer digits ("0" below 1), then the decimals the mask shows and the
    // one digit after them that decides the rounding.
    const int intCount = d.exp10 >= 0 ? d.exp10 + 1 : 1;
    const qsizetype point = 1 + intCount; // where the decimals start
    std::string n(size_t(point + decimals + 1), '0');
    if (d.digits != "0") {
        for (size_t i = 0; i < d.digits.size(); ++i) {
            const qsizetype at = intCount - d.exp10 + qsizetype(i);
            if (at >= point + decimals + 1)
                break;
            n[size_t(at)] = d.digits[i];
        }
    }
    const bool up = n[size_t(point + decimals)] >= '5';
    n.pop_back();
    if (up) {
        size_t k = n.size() - 1;
        while (n[k] == '9')
            n[k--] = '0';
        ++n[k]; // the carry place stops a run of nines
    }
    // Decimals: the trailing zeros go, down to the forced ones.
    qsizetype fracEnd = qsizetype(n.size());
    while (fracEnd > point + minDecimals && n[size_t(fracEnd - 1)] == '0')
        --fracEnd;
    // Integer digits: the leading zeros go, down to the forced digits.
    qsizetype first = 0;
    while (first < point && n[size_t(first)] == '0')
        ++first;
    const bool isZero = first == point && std::all_of(n.begin() + point, n.begin() + fracEnd, [](char c) {
        return c == '0';
    });
    std::string padded;
    QLatin1StringView intText(n.data() + first, point - first);
    if (intText.size() < minIntDigits) {
        padded.assign(size_t(minIntDigits - intText.size()), '0');
        padded.append(intText.data(), size_t(intText.size()));
        intText = QLatin1StringView(padded.data(), qsizetype(padded.size()));
    }
    QString out;
    out.reserve(intText.size() * 2 + (fracEnd - point) + 4);
    if (value < 0 && !isZero)
        out += u'-';
    if (grouped)
        out += groupDigits(intText, separatorsOf(locale).group);
    else
        out += intText;
    // A mask with a point always shows it ("5."); a mask without one is a
    // whole number ("56").
    if (pointPos >= 0) {
        out += separatorsOf(locale).point;
        out += QLatin1StringView(n.data() + point, fracEnd - point);
    }
    return out;
}

QString general15(double value, const QLocale &locale)
{
    const QString &point = separatorsOf(locale).point;
    return generalText(value, 15, point.isEmpty() ? QChar(u'.') : point.front());
}

QString general7(float value, const QLocale &locale)
{
    const QString &point = separatorsOf(locale).point;
    return generalText(double(value), 7, point.isEmpty() ? QChar(u'.') : point.front());
}

QString classic(double value)
{
    QString text = generalText(value, 15, u'.');
    if (text.isEmpty())
        return text;
    if (text.startsWith(u'-')) {
        if (text.startsWith(QLatin1String("-0.")))
            text.remove(1, 1);
        return text;
    }
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    return u' ' + text;
}

} // namespace num
