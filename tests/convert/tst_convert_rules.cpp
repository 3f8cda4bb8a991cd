// The conversion functions without a screen: hostile input, and locales
// whose decimal point is a comma.
#include "convert/conversions.h"
#include "testlang.h"

#include <QtTest>

using conv::Quantity;

Q_DECLARE_METATYPE(conv::Quantity)

namespace {

// The unit at list position `position` (1 = first), or the prompt for 0.
QString unit(Quantity q, int position, const AppState &app)
{
    return position == 0 ? app.slot(conv::promptSlot(q)) : conv::unitNames(q, app.texts).value(position - 1);
}

const QString kNothing = QStringLiteral("<unchanged>");

} // namespace

class TestConvertRules : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(loadShippedLanguage(m_app, "English.txt"));
    }

    // Inputs a user can type or paste. A value too large for a double, or a
    // result that overflows, never shows: the output keeps what it showed.
    void hostileInput_data()
    {
        QTest::addColumn<Quantity>("quantity");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        const QString nines(5000, u'9');
        const QString letters(5000, u'x');
        const struct {
            const char *name;
            Quantity q;
            int in, out;
        } units[] = {{"length", Quantity::Length, 6, 1},    {"area", Quantity::Area, 3, 1},
                     {"volume", Quantity::Volume, 6, 3},    {"velocity", Quantity::Velocity, 1, 4},
                     {"pressure", Quantity::Pressure, 1, 5}, {"viscosity", Quantity::Viscosity, 2, 1},
                     {"density", Quantity::Density, 2, 1},  {"flow", Quantity::Flow, 13, 1},
                     {"temperature", Quantity::Temperature, 1, 2}};
        for (const auto &u : units) {
            QTest::addRow("%s 1e400", u.name) << u.q << u.in << u.out << "1e400" << kNothing;
            QTest::addRow("%s 5000 nines", u.name) << u.q << u.in << u.out << nines << kNothing;
            QTest::addRow("%s 1e308 overflows", u.name) << u.q << u.in << u.out << "1e308" << kNothing;
        }
        // Texts that read as 0: the quantity's rule for 0 applies.
        for (const QString &zero : {QStringLiteral("-"), QStringLiteral("."), QStringLiteral("e"), letters}) {
            const QByteArray z = zero.left(3).toLatin1();
            QTest::addRow("length '%s'", z.constData()) << Quantity::Length << 6 << 1 << zero << kNothing;
            QTest::addRow("flow '%s'", z.constData()) << Quantity::Flow << 13 << 1 << zero << "0.";
            QTest::addRow("temperature '%s'", z.constData()) << Quantity::Temperature << 1 << 2 << zero << "32";
            QTest::addRow("kelvin in F '%s'", z.constData()) << Quantity::Temperature << 3 << 2 << zero << "";
        }
        QTest::newRow("kelvin in F 1e400") << Quantity::Temperature << 3 << 2 << "1e400" << kNothing;
        QTest::newRow("negative flow overflow") << Quantity::Flow << 13 << 1 << "-1e308" << kNothing;
        QTest::newRow("same length unit shows huge text as typed")
            << Quantity::Length << 4 << 4 << "1e400" << "1e400";
        QTest::newRow("same temperature unit copies") << Quantity::Temperature << 1 << 1 << "1e400" << "1e400";
    }
    void hostileInput()
    {
        QFETCH(Quantity, quantity);
        QFETCH(int, in);
        QFETCH(int, out);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        const conv::Output result =
            conv::convert(quantity, typed, unit(quantity, in, m_app), unit(quantity, out, m_app), m_app);
        QCOMPARE(result.value_or(kNothing), expected);
    }

    // The specific gravity must be a usable 32-bit number.
    void specificGravityText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("expected"); // 0: none
        QTest::newRow("number") << "0.8" << 0.8f;
        QTest::newRow("leading number") << "1.2 water" << 1.2f;
        QTest::newRow("empty") << "" << 0.0f;
        QTest::newRow("negative") << "-1" << 0.0f;
        QTest::newRow("rounds to 0 in 32 bits") << "1e-50" << 0.0f;
        QTest::newRow("too large for 32 bits") << "1e39" << 0.0f;
        QTest::newRow("too large for a double") << "1e400" << 0.0f;
    }
    void specificGravityText()
    {
        QFETCH(QString, text);
        QFETCH(float, expected);
        QCOMPARE(conv::specificGravityOf(text).value_or(0.0f), expected);
    }

    // With a comma as the decimal point the results use it, and the two
    // rules that read a number text back still work.
    void commaLocale_data()
    {
        QTest::addColumn<Quantity>("quantity");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("300 K in F") << Quantity::Temperature << 3 << 2 << "300" << "80,33";
        QTest::newRow("mile in inches") << Quantity::Length << 7 << 2 << "1" << "63360";
        QTest::newRow("bar in pascal") << Quantity::Pressure << 1 << 5 << "1" << "100.000,";
        QTest::newRow("km in miles") << Quantity::Length << 6 << 7 << "1" << "0,6214";
    }
    void commaLocale()
    {
        QFETCH(Quantity, quantity);
        QFETCH(int, in);
        QFETCH(int, out);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const conv::Output result =
            conv::convert(quantity, typed, unit(quantity, in, m_app), unit(quantity, out, m_app), m_app);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(result.value_or(kNothing), expected);
    }

private:
    AppState m_app;
};

QTEST_MAIN(TestConvertRules)
#include "tst_convert_rules.moc"
