// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/numbers.h"
#include "datarows.h"

#include <QtTest>
#include <limits>

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
struct Leading { const char *name; QString text; double expected; };
struct Strict { const char *name; QString text; std::optional<double> value; };
struct Masked { const char *name; double value; const char *mask, *expected; bool german = false; };
// Rules: 'g' general text with 15 digits, 'f' with 7 (a 32-bit value), 'c' classic.
struct General { const char *name; double value; char rule; const char *expected; };
} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The longest leading number; none reads as 0, one too large as infinity.
    void leadingNumber_data()
    {
        static const Leading rows[] = {
            {"plain", "12.5", 12.5},         {"leading blanks", "   7", 7},       {"trailing words", "36 m3/h", 36},
            {"no number", "abc", 0},         {"empty", "", 0},                   {"lone minus", "-", 0},
            {"lone point", ".", 0},          {"lone e", "e", 0},                 {"negative", "-10", -10},
            {"plus sign", "+3", 3},          {"point first", ".5", 0.5},         {"exponent", "1.5E3", 1500},
            {"D exponent", "2d2", 200},      {"exponent without digits", "4e", 4}, {"overflow", "1e400", kInf},
            {"comma is no decimal point", "3,7", 3}, {"second point ends", "1.2.3", 1.2},
            {"tiny underflows to zero", "1e-400", 0}, {"negative overflow", "-1e400", -kInf},
            {"5000 digits overflow", QString(5000, u'9'), kInf}, {"5000 zeros first", QString(5000, u'0') + u'7', 7}};
        addRows(rows);
    }
    void leadingNumber()
    {
        QFETCH(Leading, row);
        QCOMPARE(num::leadingNumber(row.text), row.expected);
    }

    // Strict reading: the whole text, blanks around it allowed, must be one number.
    void strictNumber_data()
    {
        static const Strict rows[] = {{"whole", "300", 300}, {"blanks around", " 2.5 ", 2.5}, {"empty", "", {}},
                                      {"trailing letter", "300K", {}}, {"no number", "abc", {}}};
        addRows(rows);
    }
    void strictNumber()
    {
        QFETCH(Strict, row);
        QCOMPARE(num::strictNumber(row.text), row.value);
    }

    // Display masks; a non-finite value is never shown.
    void mask_data()
    {
        static const Masked rows[] = {
            {"whole shows point", 5.0, "####0.####", "5."}, {"zero", 0.0, "####0.####", "0."},
            {"drops trailing zeros", 3.6, "####0.####", "3.6"}, {"rounds to four", 27.777777, "####0.####", "27.7778"},
            {"six decimals", 4046.85595703125, "####0.######", "4046.855957"},
            {"integer digits never cut", 1234567.0, "####0.####", "1234567."},
            {"grouped", 100000.0, "##,##0.####", "100,000."},
            {"grouped millions", -1234567.891, "##,##0.####", "-1,234,567.891"},
            {"negative", -0.25, "####0.####", "-0.25"}, {"rounds to zero, no minus", -0.00001, "####0.####", "0."},
            {"forced decimals", 1.0, "0.000", "1.000"}, {"half away from zero", 2.675, "0.00", "2.68"},
            {"carry into integer", 9.99996, "####0.####", "10."}, {"small", 0.0000125, "####0.######", "0.000013"},
            {"no point in the mask", 55.6, "0", "56"}, {"German separators", 1234.5, "##,##0.####", "1.234,5", true},
            {"German point always shown", 5.0, "####0.####", "5,", true}, {"infinity", kInf, "####0.####", ""},
            {"not a number", kNaN, "0.000", ""}};
        addRows(rows);
    }
    void mask()
    {
        QFETCH(Masked, row);
        const QLocale locale = row.german ? QLocale(QLocale::German, QLocale::Germany) : QLocale();
        QCOMPARE(num::mask(row.value, QString(row.mask), locale), QString(row.expected));
    }

    // General text with 15 or 7 (32-bit) digits; the classic rule: a full stop, a blank for plus, no leading zero.
    void generalAndClassic_data()
    {
        static const General rows[] = {
            {"whole", 212.0, 'g', "212"}, {"negative decimal", -273.15, 'g', "-273.15"},
            {"binary noise hidden", 26.850000000000023, 'g', "26.85"},
            {"fifteen digits", 123456789012345.0, 'g', "123456789012345"},
            {"large goes to exponent", 1e15, 'g', "1E+15"}, {"small fixed", 0.0001, 'g', "0.0001"},
            {"smaller exponent", 0.00001, 'g', "1E-05"}, {"mantissa", -1.5e-7, 'g', "-1.5E-07"},
            {"huge exponent", 1e100, 'g', "1E+100"}, {"zero", 0.0, 'g', "0"}, {"negative infinity", -kInf, 'g', ""},
            {"32-bit seven digits", 12345678.0, 'f', "1.234568E+07"}, {"32-bit whole", 1000000.0, 'f', "1000000"},
            {"32-bit fraction", double(0.8f), 'f', "0.8"}, {"32-bit not a number", kNaN, 'f', ""},
            {"classic positive whole", 5.0, 'c', " 5"}, {"classic positive fraction", 0.5, 'c', " .5"},
            {"classic negative fraction", -0.25, 'c', "-.25"}, {"classic negative whole", -3.0, 'c', "-3"},
            {"classic zero", 0.0, 'c', " 0"}, {"classic decimal", 1.75, 'c', " 1.75"},
            {"classic infinity", kInf, 'c', ""}};
        addRows(rows);
    }
    void generalAndClassic()
    {
        QFETCH(General, row);
        const QString text = row.rule == 'g' ? num::general15(row.value)
                             : row.rule == 'f' ? num::general7(float(row.value))
                                               : num::classic(row.value);
        QCOMPARE(text, QString(row.expected));
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
