// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading numbers from typed text and writing numbers as display text.
//
// Every screen reads its inputs with leadingNumber() and writes every result
// through mask(), general15() or general7(), so the suite reads and shows numbers one way.

#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

namespace num {

// Lenient reading: the longest leading number of the text (blanks before it
// are skipped, a full stop is the decimal point, an exponent "E" or "D" may
// follow). A text without a leading number counts as 0; "1/2" counts as 1.
// A number too large for a double reads as +/-infinity, so callers that must
// not show such a value check the result with std::isfinite.
double leadingNumber(QStringView text);

// Strict reading: the whole text (blanks around it allowed) must be one number
// written with a full stop; otherwise there is no value.
std::optional<double> strictNumber(QStringView text);

// Formats a value with a display mask such as "####0.####", "##,##0.####",
// "0.000" or "#####0.00000":
//  - the value is rounded (half away from zero) to as many decimals as the mask
//    has characters after the point; "0" there forces a digit, "#" drops
//    trailing zeros;
//  - a mask with a point always shows the decimal point, also when no decimal
//    remains ("5."); a mask without one gives a whole number ("0": "56");
//  - "0" before the point forces integer digits; integer digits are never cut;
//  - a "," in the integer part groups digits in threes;
//  - point and group separator come from the locale; negatives get a leading
//    minus (a value that rounds to zero shows without one).
// Non-finite values give an empty text: no screen ever shows "inf" or "nan".
QString mask(double value, QStringView maskText, const QLocale &locale = QLocale());

// General number text: the shortest text of a value with up to 15
// significant digits (general15, for 64-bit values) or 7 (general7, for 32-bit
// values), no point for whole numbers, exponent form ("1.234568E+07", "1E-05")
// below 1E-04 and from 1E+15 (general15) or 1E+07 (general7) upwards. The
// decimal point is the locale's. Non-finite values give an empty text. The
// digit count is in the name because a 32-bit value widened to double must
// still show 7 digits: 0.8f is "0.8" through general7, "0.800000011920929"
// through general15.
QString general15(double value, const QLocale &locale = QLocale());
QString general7(float value, const QLocale &locale = QLocale());

// The classic number-to-text rule: general text with 15 digits, always a full
// stop, a blank in place of a plus sign and no zero before the decimal point
// (" 5", " .5", "-.25").
QString classic(double value);

// Narrowing of a double to the nearest float, spelled out where a value is
// held as a 32-bit number on purpose.
inline float toFloat(double v) { return static_cast<float>(v); }

} // namespace num
