// The converter screen driven as a user drives it: choosing units from the
// lists, typing into the boxes, answering the specific-gravity question.
#include "common/events.h"
#include "common/widgets.h"
#include "convert/convertfrm.h"
#include "fakeplatform.h"
#include "shell/screenhost.h"
#include "testlang.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <memory>

namespace {

const QString kCancel = QStringLiteral("<cancel>");
const QString kKept = QStringLiteral("<kept>");

// A fresh program state and converter in one language.
struct Converter {
    FakePlatform platform;
    AppState app;
    std::unique_ptr<ConvertFrm> screen;

    explicit Converter(const QString &language)
    {
        app.platform = &platform;
        if (!loadShippedLanguage(app, language))
            qFatal("language file %s missing", qPrintable(language));
        screen = std::make_unique<ConvertFrm>(app);
    }
    QLineEdit *box(const QString &name) const { return control<QLineEdit>(screen.get(), name); }
    QComboBox *list(const QString &name) const { return control<QComboBox>(screen.get(), name); }
    // Chooses the unit at `position` (1 = first item); 0 leaves the prompt.
    void chooseUnits(const QString &stem, int in, int out) const
    {
        if (in > 0)
            ev::choose(list("Cmb" + stem + "IP"), in - 1);
        if (out > 0)
            ev::choose(list("Cmb" + stem + "OP"), out - 1);
    }
    void type(const QString &stem, const QStringList &keystrokes) const
    {
        for (const QString &text : keystrokes)
            box("Txt" + stem + "IP")->setText(text);
    }
    QString output(const QString &stem) const { return box("Txt" + stem + "OP")->text(); }
    QColor frameColour(const QString &frameName) const
    {
        return control<QGroupBox>(screen.get(), frameName)->palette().color(QPalette::Window);
    }
};

QString frameOf(const QString &stem)
{
    static const QHash<QString, QString> frames = {
        {"Length", "LengthFrame"},   {"Area", "AreaFrame"},         {"Flow", "FlowrateFrame"},
        {"Volume", "VolumeFrame"},   {"Velocity", "VelocityFrame"}, {"Visc", "ViscosityFrame"},
        {"Density", "DensityFrame"}, {"Temp", "TemperatureFrame"},  {"Press", "PressureFrame"}};
    return frames.value(stem);
}

const QStringList kLanguages = {"English.txt", "German.txt"};

} // namespace

class TestConvertScreen : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Worked examples, in English and again in German: the units are chosen
    // by list position, so the same rows prove that recognition works from
    // the loaded language's names.
    void examples_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("stem");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("expected");
        for (const QString &language : kLanguages) {
            auto row = [&language](const char *name, const char *stem, int in, int out, const QStringList &keys,
                                   const char *expected) {
                QTest::addRow("%s: %s", qPrintable(language.left(2)), name)
                    << language << QString(stem) << in << out << keys << QString(expected);
            };
            row("acre in m2 (32-bit factor)", "Area", 4, 1, {"1"}, "4046.855957");
            row("m2 in ft2", "Area", 1, 2, {"1"}, "10.763915");
            row("emptied input keeps result", "Area", 4, 1, {"5", ""}, "20234.279785");
            row("mile in inches rounds to 63360", "Length", 7, 2, {"1"}, "63360");
            row("5280 feet in inches", "Length", 3, 2, {"5280"}, "63360");
            row("63360.5 metres stays", "Length", 4, 4, {"63360.5"}, "63360.5");
            row("foot in inches", "Length", 3, 2, {"1"}, "12.");
            row("km in miles", "Length", 6, 7, {"1"}, "0.6214");
            row("same unit copies 0", "Length", 4, 4, {"0"}, "0");
            row("same unit copies empty", "Length", 4, 4, {"5", ""}, "");
            row("prompt on both sides is no unit", "Length", 0, 0, {"5"}, "0.");
            row("bar in psi", "Press", 1, 7, {"1"}, "14.5038");
            row("bar in pascal grouped", "Press", 1, 5, {"1"}, "100,000.");
            row("unknown output unit gives 0", "Press", 1, 0, {"1"}, "0.");
            row("km/h in m/s", "Velocity", 4, 1, {"100"}, "27.7778");
            row("m/s in km/h", "Velocity", 1, 4, {"1"}, "3.6");
            row("m3 in US gallons (3.7854)", "Volume", 1, 5, {"1"}, "264.172882");
            row("acre-foot in litres", "Volume", 8, 3, {"1"}, "1233481.75");
            row("acre-inch in litres", "Volume", 9, 3, {"1"}, "102790.140625");
            row("m3/h in l/s", "Flow", 4, 1, {"36"}, "10.");
            row("US gpm in l/s", "Flow", 11, 1, {"1"}, "0.0631");
            row("m3/h in US gph (3.78778)", "Flow", 4, 12, {"1"}, "264.0069");
            row("negative flow converts", "Flow", 4, 1, {"-36"}, "-10.");
            row("same flow unit", "Flow", 11, 11, {"5"}, "5.");
            row("million imp. gallons a day in l/s", "Flow", 9, 1, {"1"}, "52.6168");
            row("acre-feet an hour in l/s", "Flow", 14, 1, {"1"}, "342.6338");
            row("unknown input unit counts as l/s", "Flow", 0, 2, {"1"}, "60.");
            row("emptied flow shows converted 0", "Flow", 1, 2, {"5", ""}, "0.");
            row("lb/ft3 in kg/m3", "Density", 2, 1, {"1"}, "16.0185");
            row("kg/m3 in lb/ft3", "Density", 1, 2, {"16.0185"}, "1.");
            row("both density prompts show the value", "Density", 0, 0, {"5"}, "5.");
            row("density unit against prompt leaves output", "Density", 1, 0, {"5"}, "");
            row("100 C in F", "Temp", 1, 2, {"100"}, "212");
            row("-10 C in F", "Temp", 1, 2, {"-10"}, "14");
            row("0 K in C", "Temp", 3, 1, {"0"}, "-273.15");
            row("300 K in F", "Temp", 3, 2, {"300"}, "80.33");
            row("K in F of no number is empty", "Temp", 3, 2, {"5", "abc"}, "");
            row("-40 F in C", "Temp", 2, 1, {"-40"}, "-40");
            row("same unit copies the text", "Temp", 1, 1, {"007"}, "007");
            row("emptied C in K converts 0", "Temp", 1, 3, {"5", ""}, "273.15");
            row("prompt gives empty", "Temp", 0, 0, {"5"}, "");
            row("Pa.s in cP", "Visc", 2, 1, {"1"}, "1000.");
            row("lb/ft.s in cP (32-bit factor)", "Visc", 6, 1, {"1"}, "1488.1639");
        }
    }
    void examples()
    {
        QFETCH(QString, language);
        QFETCH(QString, stem);
        QFETCH(int, in);
        QFETCH(int, out);
        QFETCH(QStringList, keys);
        QFETCH(QString, expected);
        Converter c(language);
        c.chooseUnits(stem, in, out);
        c.type(stem, keys);
        QCOMPARE(c.output(stem), expected);
        QVERIFY(c.platform.questions.isEmpty());
    }

    // After loading: empty boxes, prompts, full lists, normal colours.
    void loadedState_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : kLanguages)
            QTest::newRow(qPrintable(language)) << language;
    }
    void loadedState()
    {
        QFETCH(QString, language);
        Converter c(language);
        QCOMPARE(c.screen->objectName(), QStringLiteral("ConvertFrm"));
        QCOMPARE(c.screen->windowTitle(), c.app.slot(85));
        const struct {
            const char *stem;
            int caption, prompt, units;
        } frames[] = {{"Length", 4, 4, 7},   {"Area", 84, 84, 4},     {"Flow", 14, 11, 14},
                      {"Volume", 82, 82, 9}, {"Velocity", 12, 12, 5}, {"Visc", 77, 77, 11},
                      {"Density", 83, 83, 2}, {"Temp", 76, 76, 4},    {"Press", 75, 75, 11}};
        for (const auto &f : frames) {
            const QString stem = f.stem;
            auto *frame = control<QGroupBox>(c.screen.get(), frameOf(stem));
            QVERIFY(frame);
            QCOMPARE(frame->title(), c.app.slot(f.caption));
            QCOMPARE(c.frameColour(frameOf(stem)), ConvertFrm::normalColour());
            QVERIFY(c.box("Txt" + stem + "IP")->text().isEmpty());
            QVERIFY(!c.box("Txt" + stem + "IP")->isReadOnly());
            QVERIFY(c.box("Txt" + stem + "OP")->text().isEmpty());
            QVERIFY(c.box("Txt" + stem + "OP")->isReadOnly());
            for (const char *side : {"IP", "OP"}) {
                QComboBox *list = c.list("Cmb" + stem + side);
                QVERIFY(list->isEditable());
                QCOMPARE(list->currentText(), c.app.slot(f.prompt));
                QCOMPARE(list->currentIndex(), -1);
                QCOMPARE(list->count(), f.units);
            }
        }
        QVERIFY(c.box("TxtViscSG")->text().isEmpty());
        QVERIFY(!c.box("TxtViscSG")->isReadOnly());
        QCOMPARE(control<QLabel>(c.screen.get(), "LblSg")->text(), QStringLiteral("S.G."));
        QVERIFY(control<Picture>(c.screen.get(), "Picture1"));
    }

    // Names made of several pieces, with the literal pieces in place.
    void composedNames_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en acres") << "English.txt" << "CmbAreaIP" << 4 << "Acres";
        QTest::newRow("en square metres") << "English.txt" << "CmbAreaOP" << 1 << "Metres squared";
        QTest::newRow("en acre-foot") << "English.txt" << "CmbVolumeIP" << 8 << "Acre Feet";
        QTest::newRow("en million imp. gallons") << "English.txt" << "CmbFlowIP" << 9 << "M.Imp. Gallons per day";
        QTest::newRow("en acre-feet an hour") << "English.txt" << "CmbFlowOP" << 14 << "Acre Feet per hour";
        QTest::newRow("de acres") << "German.txt" << "CmbAreaIP" << 4 << "Acres";
        QTest::newRow("de square metres") << "German.txt" << "CmbAreaOP" << 1 << "Meter²";
        QTest::newRow("de acre-foot") << "German.txt" << "CmbVolumeIP" << 8 << "Acre Fuß";
        QTest::newRow("de million imp. gallons") << "German.txt" << "CmbFlowIP" << 9 << "M.Imp. Gallonen pro Tag";
    }
    void composedNames()
    {
        QFETCH(QString, language);
        QFETCH(QString, list);
        QFETCH(int, position);
        QFETCH(QString, expected);
        Converter c(language);
        QCOMPARE(c.list(list)->itemText(position - 1), expected);
    }

    // A typed unit name counts only when it is the name exactly.
    void typedUnitNames_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QString>("expected");
        for (const QString &language : kLanguages) {
            const QString l = language.left(2);
            QTest::addRow("%s exact", qPrintable(l)) << language << "exact" << "4046.855957";
            QTest::addRow("%s lower case", qPrintable(l)) << language << "lower" << "0.";
            QTest::addRow("%s trailing blank", qPrintable(l)) << language << "trailing" << "0.";
            QTest::addRow("%s prompt", qPrintable(l)) << language << "prompt" << "0.";
        }
    }
    void typedUnitNames()
    {
        QFETCH(QString, language);
        QFETCH(QString, variant);
        QFETCH(QString, expected);
        Converter c(language);
        QComboBox *in = c.list("CmbAreaIP");
        const QString acres = in->itemText(3);
        const QString typed = variant == "lower"      ? acres.toLower()
                              : variant == "trailing" ? acres + ' '
                              : variant == "prompt"   ? c.app.slot(84)
                                                      : acres;
        ev::setComboText(in, typed);
        ev::setComboText(c.list("CmbAreaOP"), c.list("CmbAreaOP")->itemText(0));
        c.type("Area", {"1"});
        QCOMPARE(c.output("Area"), expected);
    }

    // Typing a unit name into a pressure list converts at once; an area
    // list waits for the next input change or list choice.
    void typingIntoUnitLists()
    {
        Converter c("English.txt");
        c.chooseUnits("Press", 1, 0);
        c.type("Press", {"1"});
        QCOMPARE(c.output("Press"), QStringLiteral("0."));
        ev::setComboText(c.list("CmbPressOP"), QStringLiteral("psi"));
        QCOMPARE(c.output("Press"), QStringLiteral("14.5038"));

        c.chooseUnits("Area", 4, 0);
        c.type("Area", {"1"});
        QCOMPARE(c.output("Area"), QStringLiteral("0."));
        ev::setComboText(c.list("CmbAreaOP"), QStringLiteral("Metres squared"));
        QCOMPARE(c.output("Area"), QStringLiteral("0."));
        c.type("Area", {"1."});
        QCOMPARE(c.output("Area"), QStringLiteral("4046.855957"));
    }

    // The frame turns light blue while its input reads as a positive number.
    void highlight_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<bool>("lit");
        QTest::newRow("positive") << "Area" << QStringList{"5"} << true;
        QTest::newRow("emptied") << "Area" << QStringList{"5", ""} << false;
        QTest::newRow("negative temperature") << "Temp" << QStringList{"-10"} << false;
        QTest::newRow("no number") << "Press" << QStringList{"abc"} << false;
        QTest::newRow("leading number") << "Flow" << QStringList{"2 l/s"} << true;
        QTest::newRow("positive again after zero") << "Density" << QStringList{"1", "0", "2"} << true;
    }
    void highlight()
    {
        QFETCH(QString, stem);
        QFETCH(QStringList, keys);
        QFETCH(bool, lit);
        Converter c("English.txt");
        c.type(stem, keys);
        QCOMPARE(c.frameColour(frameOf(stem)),
                 lit ? QColor(192, 192, 255) : ConvertFrm::normalColour());
        QVERIFY(ConvertFrm::normalColour() != QColor(192, 192, 255));
    }

    // Ten centipoise to centistokes (units 1 and 8) with the S.G. box holding
    // `sg`; the dialog gets `answers` in turn (a cancel when they run out).
    void specificGravity_data()
    {
        QTest::addColumn<QString>("sg");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("sgAfter");
        QTest::addColumn<float>("gravity");
        QTest::newRow("given") << "0.8" << QStringList{} << 1 << 8 << "12.5" << 0 << "0.8" << 0.8f;
        QTest::newRow("asked and answered") << "" << QStringList{"0.8"} << 1 << 8 << "12.5" << 1 << "0.8" << 0.8f;
        QTest::newRow("cancelled") << "" << QStringList{} << 1 << 8 << "10." << 1 << "" << 1.0f;
        QTest::newRow("non-number, then cancel")
            << "" << QStringList{"abc", kCancel} << 1 << 8 << "10." << 2 << "" << 1.0f;
        QTest::newRow("non-numbers, then a number")
            << "" << QStringList{"abc", "x", "2"} << 1 << 8 << "5." << 3 << "2" << 2.0f;
        QTest::newRow("same non-number again ends it")
            << "" << QStringList{"abc", "abc"} << 1 << 8 << "10." << 2 << "abc" << 1.0f;
        QTest::newRow("too large for 32 bits asks")
            << "1e39" << QStringList{kCancel} << 1 << 8 << "10." << 1 << "" << 1.0f;
        QTest::newRow("rounds to 0 in 32 bits asks")
            << "1e-50" << QStringList{"0.5"} << 1 << 8 << "20." << 1 << "0.5" << 0.5f;
        QTest::newRow("kinematic to dynamic") << "0.8" << QStringList{} << 8 << 1 << "8." << 0 << "0.8" << 0.8f;
        QTest::newRow("same class never asks") << "" << QStringList{} << 2 << 1 << "10000." << 0 << "" << 1.0f;
        QTest::newRow("unknown unit never asks") << "" << QStringList{} << 1 << 0 << "0." << 0 << "" << 1.0f;
        QStringList many;
        for (int i = 0; i < 200; ++i)
            many << QStringLiteral("x%1").arg(i);
        QTest::newRow("200 different non-numbers, then cancel")
            << "" << many << 1 << 8 << "10." << 201 << "" << 1.0f;
    }
    void specificGravity()
    {
        QFETCH(QString, sg);
        QFETCH(QStringList, answers);
        QFETCH(int, in);
        QFETCH(int, out);
        QFETCH(QString, expected);
        QFETCH(int, questions);
        QFETCH(QString, sgAfter);
        QFETCH(float, gravity);
        Converter c("English.txt");
        for (const QString &a : answers)
            c.platform.answers.append(a == kCancel ? std::nullopt : std::optional<QString>(a));
        c.box("TxtViscSG")->setText(sg);
        c.type("Visc", {"10"});
        c.chooseUnits("Visc", in, out);
        QCOMPARE(c.output("Visc"), expected);
        QCOMPARE(c.platform.questions.size(), qsizetype(questions));
        QCOMPARE(c.box("TxtViscSG")->text(), sgAfter);
        QCOMPARE(c.app.specificGravity, gravity);
        if (questions > 0) {
            const FakePlatform::Question &q = c.platform.questions.first();
            QCOMPARE(q.prompt, QStringLiteral("sg"));
            QCOMPARE(q.title, QStringLiteral("sg"));
            QCOMPARE(q.defaultAnswer, QStringLiteral("1"));
        }
    }

    // Hostile input after a good value. A value too large for a double, or a
    // result that overflows, never shows: the output keeps what it showed.
    // Texts that read as 0 follow the quantity's rule for 0.
    void hostileInput_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        const struct {
            const char *stem;
            int in, out;
        } units[] = {{"Length", 6, 1}, {"Area", 3, 1},     {"Volume", 6, 3}, {"Velocity", 1, 4}, {"Press", 1, 5},
                     {"Visc", 2, 1},   {"Density", 2, 1}, {"Flow", 13, 1},  {"Temp", 1, 2},     {"Temp", 3, 2}};
        for (const auto &u : units) {
            for (const QString &huge : {QStringLiteral("1e400"), QStringLiteral("1e308"), QString(5000, u'9')})
                QTest::addRow("%s %d-%d %s", u.stem, u.in, u.out, qPrintable(huge.left(6)))
                    << u.stem << u.in << u.out << huge << kKept;
        }
        for (const QString &zero : {QStringLiteral("-"), QStringLiteral("."), QStringLiteral("e"), QString(5000, u'x')}) {
            const QByteArray z = zero.left(3).toLatin1();
            QTest::addRow("length '%s'", z.constData()) << "Length" << 6 << 1 << zero << kKept;
            QTest::addRow("flow '%s'", z.constData()) << "Flow" << 13 << 1 << zero << "0.";
            QTest::addRow("C in F '%s'", z.constData()) << "Temp" << 1 << 2 << zero << "32";
            QTest::addRow("K in F '%s'", z.constData()) << "Temp" << 3 << 2 << zero << "";
        }
        QTest::newRow("negative flow overflow") << "Flow" << 13 << 1 << "-1e308" << kKept;
        QTest::newRow("same length unit shows the text") << "Length" << 4 << 4 << "1e400" << "1e400";
    }
    void hostileInput()
    {
        QFETCH(QString, stem);
        QFETCH(int, in);
        QFETCH(int, out);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        Converter c("English.txt");
        c.chooseUnits(stem, in, out);
        c.type(stem, {"2"});
        const QString before = c.output(stem);
        QVERIFY(!before.isEmpty());
        c.type(stem, {typed});
        QCOMPARE(c.output(stem), expected == kKept ? before : expected);
    }

    // With a comma as the decimal point the results use it, and the two
    // rules that read a number text back still work.
    void commaLocale_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::addColumn<QString>("expected");
        QTest::newRow("300 K in F") << "Temp" << 3 << 2 << "80,33";
        QTest::newRow("mile in inches") << "Length" << 7 << 2 << "63360";
        QTest::newRow("km in miles") << "Length" << 6 << 7 << "0,6214";
        QTest::newRow("bar in pascal") << "Press" << 1 << 5 << "100.000,";
    }
    void commaLocale()
    {
        QFETCH(QString, stem);
        QFETCH(int, in);
        QFETCH(int, out);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Converter c("English.txt");
        c.chooseUnits(stem, in, out);
        c.type(stem, {stem == "Temp" ? "300" : "1"});
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(c.output(stem), expected);
    }

    // Picture1 keeps its distance from the bottom-right corner.
    void pictureFollowsCorner()
    {
        Converter c("English.txt");
        c.screen->show();
        auto *picture = control<Picture>(c.screen.get(), "Picture1");
        for (const QSize size : {QSize(900, 700), QSize(1200, 800), QSize(1000, 600)}) {
            c.screen->resize(size);
            QCOMPARE(picture->pos(), QPoint(size.width() - 100, size.height() - 66));
        }
    }

    // The tool menu's converter button makes this screen.
    void toolMenuMakesConverter()
    {
        Converter c("English.txt");
        std::unique_ptr<QWidget> made(createScreen(Screen::Converter, c.app));
        QVERIFY(qobject_cast<ConvertFrm *>(made.get()));
        QCOMPARE(made->objectName(), screenName(Screen::Converter));
    }
};

QTEST_MAIN(TestConvertScreen)
#include "tst_convert_screen.moc"
