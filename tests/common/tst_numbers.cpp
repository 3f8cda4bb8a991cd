#include "common/numbers.h"

#include <QtTest>
#include <cmath>
#include <limits>

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "12.5" << 12.5;
        QTest::newRow("leading blanks") << "   7" << 7.0;
        QTest::newRow("fraction stops at slash") << "1/2" << 1.0;
        QTest::newRow("trailing words") << "36 m3/h" << 36.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("lone minus") << "-" << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("lone e") << "e" << 0.0;
        QTest::newRow("negative") << "-10" << -10.0;
        QTest::newRow("plus sign") << "+3" << 3.0;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("exponent") << "1.5E3" << 1500.0;
        QTest::newRow("D exponent") << "2d2" << 200.0;
        QTest::newRow("exponent without digits") << "4e" << 4.0;
        QTest::newRow("comma is no decimal point") << "3,7" << 3.0;
        QTest::newRow("second point ends") << "1.2.3" << 1.2;
        QTest::newRow("tiny underflows to zero") << "1e-400" << 0.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(num::leadingNumber(text), expected);
    }

    void leadingNumberOverflowAndLength()
    {
        QVERIFY(std::isinf(num::leadingNumber(u"1e400")));
        QVERIFY(num::leadingNumber(u"-1e400") < 0);
        const QString huge(5000, u'9');
        QVERIFY(std::isinf(num::leadingNumber(huge)));
        QCOMPARE(num::leadingNumber(QString(5000, u'0') + u'7'), 7.0);
    }

    void strictNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("expected");
        QTest::newRow("number") << "300" << true << 300.0;
        QTest::newRow("blanks around") << " 2.5 " << true << 2.5;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("trailing text") << "300K" << false << 0.0;
        QTest::newRow("words") << "abc" << false << 0.0;
    }
    void strictNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, expected);
        const auto v = num::strictNumber(text);
        QCOMPARE(v.has_value(), valid);
        if (valid)
            QCOMPARE(*v, expected);
    }

    void mask_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("maskText");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole shows point") << 5.0 << "####0.####" << "5.";
        QTest::newRow("zero") << 0.0 << "####0.####" << "0.";
        QTest::newRow("drops trailing zeros") << 3.6 << "####0.####" << "3.6";
        QTest::newRow("rounds to four") << 27.777777 << "####0.####" << "27.7778";
        QTest::newRow("six decimals") << 4046.85595703125 << "####0.######" << "4046.855957";
        QTest::newRow("integer digits never cut") << 1234567.0 << "####0.####" << "1234567.";
        QTest::newRow("grouped") << 100000.0 << "##,##0.####" << "100,000.";
        QTest::newRow("grouped millions") << -1234567.891 << "##,##0.####" << "-1,234,567.891";
        QTest::newRow("negative") << -0.25 << "####0.####" << "-0.25";
        QTest::newRow("rounds to zero, no minus") << -0.00001 << "####0.####" << "0.";
        QTest::newRow("forced decimals") << 1.0 << "0.000" << "1.000";
        QTest::newRow("forced decimals round") << 1.25138 << "0.000" << "1.251";
        QTest::newRow("five forced decimals") << 31.4159 << "#####0.00000" << "31.41590";
        QTest::newRow("velocity mask") << 1.2733 << "##0.0000" << "1.2733";
        QTest::newRow("half away from zero") << 2.675 << "0.00" << "2.68";
        QTest::newRow("carry into integer") << 9.99996 << "####0.####" << "10.";
        QTest::newRow("mile in inches") << 63360.000254 << "####0.####" << "63360.0003";
        QTest::newRow("small") << 0.0000125 << "####0.######" << "0.000013";
        QTest::newRow("no point in the mask") << 55.6 << "0" << "56";
    }
    void mask()
    {
        QFETCH(double, value);
        QFETCH(QString, maskText);
        QFETCH(QString, expected);
        QCOMPARE(num::mask(value, maskText), expected);
    }

    void maskUsesLocaleSeparators()
    {
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(num::mask(1234.5, u"##,##0.####", german), QStringLiteral("1.234,5"));
        QCOMPARE(num::mask(5.0, u"####0.####", german), QStringLiteral("5,"));
    }

    void nonFiniteIsNeverShown()
    {
        const double inf = std::numeric_limits<double>::infinity();
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QVERIFY(num::mask(inf, u"####0.####").isEmpty());
        QVERIFY(num::mask(nan, u"0.000").isEmpty());
        QVERIFY(num::general15(-inf).isEmpty());
        QVERIFY(num::general7(float(nan)).isEmpty());
        QVERIFY(num::classic(inf).isEmpty());
    }

    // General text with 15 digits, with 7 (a 32-bit value), and the classic
    // rule (always a full stop, a blank for a plus sign, no leading zero).
    void generalAndClassic_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<char>("rule"); // 'g' 15 digits, 'f' 7 digits, 'c' classic
        QTest::addColumn<QString>("expected");
        const struct { const char *name; double value; char rule; const char *expected; } rows[] = {
            {"whole", 212.0, 'g', "212"},
            {"negative decimal", -273.15, 'g', "-273.15"},
            {"binary noise hidden", 26.850000000000023, 'g', "26.85"},
            {"fifteen digits", 123456789012345.0, 'g', "123456789012345"},
            {"large goes to exponent", 1e15, 'g', "1E+15"},
            {"small fixed", 0.0001, 'g', "0.0001"},
            {"smaller exponent", 0.00001, 'g', "1E-05"},
            {"mantissa", -1.5e-7, 'g', "-1.5E-07"},
            {"huge exponent", 1e100, 'g', "1E+100"},
            {"zero", 0.0, 'g', "0"},
            {"32-bit seven digits", 12345678.0, 'f', "1.234568E+07"},
            {"32-bit whole", 1000000.0, 'f', "1000000"},
            {"32-bit fraction", double(0.8f), 'f', "0.8"},
            {"classic positive whole", 5.0, 'c', " 5"},
            {"classic positive fraction", 0.5, 'c', " .5"},
            {"classic negative fraction", -0.25, 'c', "-.25"},
            {"classic negative whole", -3.0, 'c', "-3"},
            {"classic zero", 0.0, 'c', " 0"},
            {"classic decimal", 1.75, 'c', " 1.75"},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << r.value << r.rule << QString(r.expected);
    }
    void generalAndClassic()
    {
        QFETCH(double, value);
        QFETCH(char, rule);
        QFETCH(QString, expected);
        const QString text = rule == 'g' ? num::general15(value)
                             : rule == 'f' ? num::general7(float(value))
                                           : num::classic(value);
        QCOMPARE(text, expected);
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
