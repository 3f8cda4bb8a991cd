// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The converter screen driven as a user drives it: units chosen, values typed, the specific-gravity question answered.
#include "ui/common/events.h"
#include "core/lang/textslots.h"
#include "ui/convert/convertfrm.h"
#include "screenfixture.h"

namespace {

const QString kCancel = QStringLiteral("<cancel>");
const QString kKept = QStringLiteral("<kept>");
const QColor kLightBlue(192, 192, 255);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

// A converter in one language; a quantity's controls are Txt<stem>IP, Cmb<stem>IP, Txt<stem>OP and Cmb<stem>OP.
struct Converter : ScreenFixture {
    explicit Converter(const QString &language = "English.txt") : ScreenFixture(Screen::Converter, language) {}
    QComboBox *list(const QString &name) const { return find<QComboBox>(name); }
    // Chooses the units at these positions (1 = first item); 0 leaves the prompt.
    void chooseUnits(const QString &stem, int in, int out) const
    {
        for (const auto &[side, position] : {std::pair("IP", in), std::pair("OP", out)}) {
            if (position > 0)
                ev::choose(list("Cmb" + stem + side), position - 1);
        }
    }
    void type(const QString &stem, const QStringList &keystrokes) const
    {
        for (const QString &text : keystrokes)
            ScreenFixture::type("Txt" + stem + "IP", text);
    }
    QString output(const QString &stem) const { return text("Txt" + stem + "OP"); }
    QColor frameColour(const QString &stem) const
    {
        QWidget *w = find("Txt" + stem + "IP");
        while (!qobject_cast<QGroupBox *>(w))
            w = w->parentWidget();
        return w->palette().color(QPalette::Window);
    }
};

// Units by list position, keystrokes typed ('|' between), the output after the last (kKept: the one before it).
struct Typing { QString stem; int in, out; QString keys, expected, language = "English.txt"; QLocale locale = kEnglish;
};
// Ten typed in viscosity units `in` and `out` (1 centipoise, 8 centistokes) with the S.G. box holding `sg`; the dialog
// gets `answers` in turn (a cancel when they run out); the output, the questions asked and the S.G. after.
struct Gravity { QString sg; QStringList answers; int in, out; QString expected; int questions; QString sgAfter; };

} // namespace

class TestConvertScreen : public QObject
{
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(kEnglish); }

    void typing_data()
    {
        QTest::addColumn<Typing>("row");
        auto add = [](const Typing &t) {
            QTest::addRow("%s %s %s %d-%d %s", qPrintable(t.language.left(2)), qPrintable(t.locale.name()),
                          qPrintable(t.stem), t.in, t.out, qPrintable(t.keys.left(12)))
                << t;
        };
        // Worked examples. The units are chosen by list position, so the first row of each quantity again in German
        // proves that units are recognised from the loaded language's names.
        static const Typing examples[] = {
            // 32-bit factors; the volume's US gallon is 3.7854 litres.
            {"Area", 4, 1, "1", "4046.855957"}, {"Area", 1, 2, "1", "10.763915"}, {"Volume", 1, 5, "1", "264.172882"},
            // A mile's noise above 63360 inches is dropped, a real fraction is not; one unit copies; a prompt is none.
            {"Length", 7, 2, "1", "63360"}, {"Length", 3, 2, "5280", "63360"}, {"Length", 4, 4, "63360.5", "63360.5"},
            {"Length", 3, 2, "1", "12."},   {"Length", 6, 7, "1", "0.6214"},  {"Length", 4, 4, "0", "0"},
            {"Length", 0, 0, "5", "0."},    {"Length", 0, 0, "0", ""},
            {"Press", 1, 7, "1", "14.5038"},  {"Press", 1, 5, "1", "100,000."},
            {"Velocity", 4, 1, "100", "27.7778"}, {"Velocity", 1, 4, "1", "3.6"},
            // Flow converts any value; its US gallon is 3.78778 litres; no input unit is l/s.
            {"Flow", 4, 1, "36", "10."},  {"Flow", 11, 1, "1", "0.0631"}, {"Flow", 4, 12, "1", "264.0069"},
            {"Flow", 4, 1, "-36", "-10."}, {"Flow", 11, 11, "5", "5."},   {"Flow", 9, 1, "1", "52.6168"},
            {"Flow", 0, 2, "1", "60."},
            // Density: both prompts show the value.
            {"Density", 2, 1, "1", "16.0185"}, {"Density", 1, 2, "16.0185", "1."}, {"Density", 0, 0, "5", "5."},
            // Temperature: the same unit copies the text; prompts give nothing.
            {"Temp", 1, 2, "100", "212"}, {"Temp", 3, 1, "0", "-273.15"}, {"Temp", 3, 2, "300", "80.33"},
            {"Temp", 2, 1, "-40", "-40"}, {"Temp", 1, 1, "007", "007"},   {"Temp", 0, 0, "5", ""},
        };
        for (size_t i = 0; i < std::size(examples); ++i) {
            Typing t = examples[i];
            add(t);
            t.language = QStringLiteral("German.txt");
            if (i == 0 || t.stem != examples[i - 1].stem)
                add(t);
        }
        // Hostile input after a good value: a value too large for a double, or an overflowing result, never shows; a
        // text that reads as 0 follows the frame's rule for 0.
        static const Typing zeroRules[] = {
            {"Length", 6, 1, "", kKept},   {"Area", 3, 1, "", kKept},  {"Volume", 6, 3, "", kKept},
            {"Velocity", 1, 4, "", kKept}, {"Press", 1, 5, "", kKept}, {"Visc", 2, 1, "", kKept},
            {"Density", 2, 1, "", kKept},  {"Flow", 13, 1, "", "0."},  {"Temp", 1, 2, "", "32"},
            {"Temp", 3, 2, "", ""}};
        for (const Typing &rule : zeroRules) {
            for (const QString &typed : {"1e400", "1e308"})
                add({rule.stem, rule.in, rule.out, "2|" + typed, kKept});
            add({rule.stem, rule.in, rule.out, "2|" + QString(5000, u'x'), rule.expected});
        }
        add({"Flow", 13, 1, "2|-1e308", kKept});
        add({"Length", 4, 4, "2|1e400", "1e400"}); // same unit: the text itself
        // With a comma as the decimal point results use it, and the rules that read a result back still work.
        const QLocale de(QLocale::German, QLocale::Germany);
        add({"Temp", 3, 2, "300", "80,33", "English.txt", de});
        add({"Length", 7, 2, "1", "63360", "English.txt", de});
        add({"Press", 1, 5, "1", "100.000,", "English.txt", de});
    }
    void typing()
    {
        QFETCH(Typing, row);
        QLocale::setDefault(row.locale);
        Converter c(row.language);
        c.chooseUnits(row.stem, row.in, row.out);
        const QStringList keys = row.keys.split('|');
        c.type(row.stem, keys.first(keys.size() - 1));
        const QString before = c.output(row.stem);
        QVERIFY(row.expected != kKept || !before.isEmpty());
        c.type(row.stem, {keys.last()});
        QCOMPARE(c.output(row.stem), row.expected == kKept ? before : row.expected);
    }

    // After loading: empty boxes, read-only outputs, each list showing its prompt with no unit chosen, names composed
    // with their literal pieces; then unit names typed into the lists, and the frame lit light blue while its input
    // reads as a positive number.
    void loadedStateTypedUnitsAndHighlight()
    {
        QVERIFY(ConvertFrm::normalColour() != kLightBlue);
        Converter c;
        const std::pair<const char *, Txt::Slot> prompts[] = {
            {"Length", Txt::Length},   {"Area", Txt::Area},         {"Flow", Txt::FlowUnitsPrompt},
            {"Volume", Txt::Volume},   {"Velocity", Txt::Velocity}, {"Visc", Txt::Viscosity},
            {"Density", Txt::Density}, {"Temp", Txt::Temperature},  {"Press", Txt::Pressure}};
        for (const auto &[stem, prompt] : prompts) {
            QLineEdit *out = c.find("Txt" + QString(stem) + "OP");
            QVERIFY2(c.text("Txt" + QString(stem) + "IP").isEmpty() && out->text().isEmpty() && out->isReadOnly()
                         && c.frameColour(stem) == ConvertFrm::normalColour(),
                     stem);
            for (const char *side : {"IP", "OP"}) {
                QComboBox *list = c.list("Cmb" + QString(stem) + side);
                QVERIFY2(list->currentText() == c.app.slot(prompt) && list->currentIndex() == -1, stem);
            }
        }
        QCOMPARE(QStringList({c.list("CmbAreaIP")->itemText(3), c.list("CmbVolumeIP")->itemText(7),
                              c.list("CmbFlowIP")->itemText(8)}),
                 QStringList({"Acres", "Acre Feet", "M.Imp. Gallons per day"}));
        // A name typed into a unit list counts only when it is the name exactly; the prompt is no unit. A pressure
        // list converts as the name is typed; an area list waits for the next input change or list choice.
        ev::setComboText(c.list("CmbAreaOP"), c.list("CmbAreaOP")->itemText(0));
        QString shown;
        for (const QString &typed : {QStringLiteral("acres"), QStringLiteral("Acres "), c.app.slot(Txt::Area),
                                     QStringLiteral("Acres")}) {
            ev::setComboText(c.list("CmbAreaIP"), typed);
            QCOMPARE(c.output("Area"), shown);
            c.type("Area", {"", "1"});
            shown = typed == "Acres" ? QStringLiteral("4046.855957") : QStringLiteral("0.");
            QCOMPARE(c.output("Area"), shown);
        }
        c.chooseUnits("Press", 1, 0);
        c.type("Press", {"1"});
        QCOMPARE(c.output("Press"), QStringLiteral("0."));
        QComboBox *out = c.list("CmbPressOP");
        out->lineEdit()->clear();
        QTest::keyClicks(out, out->itemText(6));
        QCOMPARE(c.output("Press"), QStringLiteral("14.5038"));
        const std::tuple<const char *, QStringList, bool> rows[] = {
            {"Area", {"5", ""}, false}, {"Temp", {"-10"}, false},       {"Press", {"abc"}, false},
            {"Flow", {"2 l/s"}, true},  {"Density", {"1", "0", "2"}, true}};
        for (const auto &[stem, keys, lit] : rows) {
            c.type(stem, keys);
            QVERIFY2(c.frameColour(stem) == (lit ? kLightBlue : ConvertFrm::normalColour()), stem);
        }
    }

    void specificGravity_data()
    {
        QTest::addColumn<Gravity>("row");
        QStringList many;
        for (int i = 0; i < 200; ++i)
            many << QStringLiteral("x%1").arg(i);
        QTest::newRow("given") << Gravity{"0.8", {}, 1, 8, "12.5", 0, "0.8"};
        QTest::newRow("asked and answered") << Gravity{"", {"0.8"}, 1, 8, "12.5", 1, "0.8"};
        QTest::newRow("non-number, then cancel") << Gravity{"", {"abc", kCancel}, 1, 8, "10.", 2, ""};
        QTest::newRow("non-numbers, then a number") << Gravity{"", {"abc", "x", "2"}, 1, 8, "5.", 3, "2"};
        QTest::newRow("same non-number again ends it") << Gravity{"", {"abc", "abc"}, 1, 8, "10.", 2, "abc"};
        QTest::newRow("200 non-numbers, then cancel") << Gravity{"", many, 1, 8, "10.", 201, ""};
        QTest::newRow("too large for 32 bits asks") << Gravity{"1e39", {kCancel}, 1, 8, "10.", 1, ""};
        QTest::newRow("rounds to 0 in 32 bits asks") << Gravity{"1e-50", {"0.5"}, 1, 8, "20.", 1, "0.5"};
        QTest::newRow("kinematic to dynamic") << Gravity{"0.8", {}, 8, 1, "8.", 0, "0.8"};
        QTest::newRow("same class never asks") << Gravity{"", {}, 2, 1, "10000.", 0, ""};
        QTest::newRow("unknown unit never asks") << Gravity{"", {}, 1, 0, "0.", 0, ""};
    }
    void specificGravity()
    {
        QFETCH(Gravity, row);
        Converter c;
        for (const QString &a : row.answers)
            c.platform.answers.append(a == kCancel ? std::nullopt : std::optional<QString>(a));
        c.ScreenFixture::type("TxtViscSG", row.sg);
        c.type("Visc", {"10"});
        c.chooseUnits("Visc", row.in, row.out);
        QCOMPARE(c.output("Visc") + '|' + c.text("TxtViscSG"), row.expected + '|' + row.sgAfter);
        QCOMPARE(c.platform.questions, QList<QStringList>(row.questions, {"sg", "sg", "1"}));
    }
};

QTEST_MAIN(TestConvertScreen)
#include "tst_convert_screen.moc"
