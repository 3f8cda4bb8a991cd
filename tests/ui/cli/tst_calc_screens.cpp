// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// gauntry-calc against the real screens: for seeded random valid inputs of every calculator, in metric and imperial
// units, the program (one process per calculator and unit system, the inputs as the rows of a file, one JSON object
// per row) prints exactly the texts each screen shows after a user enters the same inputs on a freshly opened screen.
// GAUNTRY_CALC_SEED picks other inputs, GAUNTRY_CALC_ROWS another count.
#include "core/cli/units.h"
#include "core/convert/conversions.h"
#include "core/velocity/metersizing.h"
#include "screenfixture.h"
#include "ui/common/events.h"

#include <QJsonDocument>
#include <QJsonObject>

using velocity::VelocityTool;

namespace {

using Row = QMap<QString, QString>; // the inputs by column name; absent: not entered

int rowCount() { return qEnvironmentVariableIsSet("GAUNTRY_CALC_ROWS") ? qEnvironmentVariableIntValue("GAUNTRY_CALC_ROWS") : 200; }

// The rows as a CSV file (the values hold no commas or quotes).
QByteArray csvOf(const QList<Row> &rows)
{
    QStringList columns;
    for (const Row &row : rows) {
        for (const QString &key : row.keys()) {
            if (!columns.contains(key))
                columns << key;
        }
    }
    QStringList lines{columns.join(u',')};
    for (const Row &row : rows) {
        QStringList cells;
        for (const QString &column : columns)
            cells << row.value(column);
        lines << cells.join(u',');
    }
    return (lines.join(u'\n') + u'\n').toUtf8();
}

// Every row through the program; the results of each.
QList<QJsonObject> throughProgram(const QString &command, bool metric, const QList<Row> &rows)
{
    QProcess p;
    QStringList args{command, "--input", "-", "--json"};
    if (!metric)
        args << "--imperial";
    p.start(QStringLiteral(GAUNTRY_CALC), args);
    p.write(csvOf(rows));
    p.closeWriteChannel();
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
        qFatal("gauntry-calc %s did not finish", qPrintable(command));
    const QByteArray err = p.readAllStandardError();
    if (p.exitCode() != 0 || !err.isEmpty())
        qWarning("gauntry-calc %s: exit status %d: %s", qPrintable(command), p.exitCode(), err.constData());
    QList<QJsonObject> out;
    for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            out << QJsonDocument::fromJson(line).object();
    }
    return out;
}

// ---------------------------------------------------------------- inputs

double logUniform(QRandomGenerator &r, double low, double high) { return low * std::pow(high / low, r.generateDouble()); }
// A number as a user might type it: a few significant digits, now and then in exponent form.
QString typed(QRandomGenerator &r, double value)
{
    return r.bounded(8) == 0 ? QString::number(value, 'e', int(r.bounded(4))) : QString::number(value, 'g', 2 + int(r.bounded(5)));
}
template <typename T> const T &pick(QRandomGenerator &r, const QList<T> &from) { return from[r.bounded(int(from.size()))]; }

// A flow unit by its symbol or its name as the list shows it.
QString unitText(QRandomGenerator &r, const velocity::FlowUnit *&unit)
{
    const QStringList symbols = cli::flowUnitSymbols();
    const int i = int(r.bounded(int(symbols.size())));
    unit = &velocity::flowUnits()[size_t(i)];
    return r.bounded(3) == 0 ? conv::compose(unit->name, englishTexts()) : symbols[i];
}

// A flow for a velocity between 0.05 and 8 m/s through a bore of `boreMm`.
QString flowFor(QRandomGenerator &r, double boreMm, const velocity::FlowUnit &unit)
{
    const double litresPerSecond = logUniform(r, 0.05, 8) * boreMm * boreMm / velocity::kVelocityFactor;
    return typed(r, litresPerSecond / velocity::toLitresPerSecond(1, unit));
}

// A meter size typed in the unit system, and its bore in millimetres.
std::pair<QString, double> meterSize(QRandomGenerator &r, bool metric)
{
    static const QStringList fractions = {"1/8", "1/4", "3/8", "15/32", "1/2", "3/4"};
    if (metric) {
        const double mm = logUniform(r, 10, 1500);
        return {typed(r, mm), mm};
    }
    if (r.bounded(6) == 0) {
        const QString fraction = pick(r, fractions);
        return {fraction, velocity::imperialFractionRewrite(fraction, false)->toDouble() * 25.4};
    }
    const double inches = logUniform(r, 0.5, 60);
    return {typed(r, inches), inches * 25.4};
}

Row velocityRow(QRandomGenerator &r, VelocityTool tool, bool metric)
{
    static const QStringList types = {"prandel", "veldrix-mains", "brevil", "veldrix-battery"};
    Row row;
    const velocity::FlowUnit *unit = nullptr;
    row["unit"] = unitText(r, unit);
    if (tool == VelocityTool::MeterSize) {
        row["flow"] = flowFor(r, logUniform(r, 10, 1000), *unit);
        return row;
    }
    const auto [size, bore] = meterSize(r, metric);
    row["size"] = size;
    row["flow"] = flowFor(r, bore, *unit);
    if (tool == VelocityTool::Payback) {
        row["supply"] = r.bounded(2) ? "mains" : "battery";
        row["price"] = typed(r, logUniform(r, 200, 20000));
        row["current-accuracy"] = typed(r, logUniform(r, 0.6, 8));
        row["water-charge"] = typed(r, logUniform(r, 0.3, 4));
        if (r.bounded(3))
            row["sewage-charge"] = typed(r, r.generateDouble() * 3);
        if (r.bounded(4) == 0) {
            row["annual-usage"] = typed(r, logUniform(r, 100, 1e6));
            row.remove("flow"), row.remove("unit"), row.remove("size");
        }
        return row;
    }
    if (r.bounded(4))
        row["meter-type"] = pick(r, types);
    if (tool == VelocityTool::PressureLoss && r.bounded(4)) {
        row["pipe"] = typed(r, (metric ? bore : bore / 25.4) * (1 + r.generateDouble() * 2));
        row["angle"] = typed(r, r.generateDouble() * 200);
    }
    if (tool == VelocityTool::Velocity && r.bounded(3) == 0) {
        row["density"] = typed(r, logUniform(r, 600, 1500));
        row["viscosity"] = typed(r, logUniform(r, 0.3, 500));
    }
    return row;
}

// ---------------------------------------------------------------- screens

struct Velocity : ScreenFixture {
    Velocity(VelocityTool tool, bool metric) : ScreenFixture(Screen::Velocity, "English.txt", metric, tool) {}
    void chooseUnit(const QString &text) const
    {
        const velocity::FlowUnit *unit = cli::flowUnitNamed(text, englishTexts());
        QComboBox *units = find<QComboBox>("CmboFlowUnits");
        ev::choose(units, units->findText(conv::compose(unit->name, englishTexts())));
    }
};

// What the velocity screen shows after the row's entries, in the program's keys.
QJsonObject velocityScreen(VelocityTool tool, bool metric, const Row &row)
{
    Velocity s(tool, metric);
    static const QStringList types = {"prandel", "veldrix-mains", "brevil", "veldrix-battery"};
    const int type = int(types.indexOf(row.value("meter-type")));
    if (type >= 0)
        s.click(indexedName(u"OptMeterType", type));
    if (row.contains("density")) {
        s.click("ChkOther");
        s.type("TxtDensity", row["density"]);
        s.type("TxtVisc", row["viscosity"]);
    }
    if (row.contains("pipe")) {
        s.type("TxtpipeSize", row["pipe"]);
        s.type("TxtTaperAngle", row["angle"]);
    }
    if (row.contains("unit"))
        s.chooseUnit(row["unit"]);
    if (row.contains("size"))
        s.type("TxtMeterSize", row["size"]);
    if (row.contains("flow"))
        s.type("TxtFlow", row["flow"]);
    QJsonObject shown;
    auto five = [&s](const QStringList &names) {
        QJsonArray texts;
        for (const QString &name : names)
            texts << s.text(name);
        return texts;
    };
    switch (tool) {
    case VelocityTool::Velocity:
    case VelocityTool::PressureLoss:
        shown["velocity"] = s.text("TxtVelocity");
        shown["reynolds"] = s.text("TxtReynolds");
        shown["regime"] = s.text("TxtLblTurbLAm");
        if (tool == VelocityTool::Velocity) {
            const char *boxes[] = {"TxtAccurMagWW", "TxtAccurVeldrix", "TxtAccurBrevilReal", "TxtAccurVeldrix"};
            shown["accuracy"] = type < 0 ? QString() : s.text(boxes[type]);
        } else {
            shown["loss_mbar"] = s.text("TxtPressMeter");
            shown["loss_bar"] = s.text("TxtPressMeterbars");
            shown["loss_psi"] = s.text("TxtPressMeterPsi");
            shown["angle_used"] = s.text("TxtTaperAngle");
        }
        break;
    case VelocityTool::MeterSize:
        shown["sizes"] = five({"TxtMaxSize", "TxTMinSize", "Txt1ms", "Txt2ms", "Txt3ms"});
        shown["size_loss_bar"] = five({"Text1", "Text2", "Text3", "Text4", "Text5"});
        shown["full_bore_loss_bar"] = five({"TxtPresMag1", "TxtPressMag2", "TxtPressMag3", "TxtPressMag4", "TxtPressMag5"});
        break;
    case VelocityTool::Payback:
        s.click(row["supply"] == u"mains" ? "Chkmains_0" : "Chkmains_1");
        if (row.contains("annual-usage")) {
            QTest::mouseClick(s.find("TxtAnnualUsage"), Qt::LeftButton);
            s.type("TxtAnnualUsage", row["annual-usage"]);
        }
        for (const auto &[box, column] : {std::pair("TxtMeterPrice", "price"), {"TxtWaterValue", "water-charge"},
                                          {"TxtSewageCharge", "sewage-charge"},
                                          {"TxtCurrentMeterAccuracy", "current-accuracy"}}) {
            if (row.contains(column))
                s.type(box, row[column]);
        }
        shown["annual_usage"] = s.text("TxtAnnualUsage");
        shown["revenue_loss"] = s.text("TxtRevenueLoss");
        shown["payback"] = s.text("TxtPayBack");
        shown["payback_unit"] = s.texts({"LbLPayBack"}) == u"Payback (days)" ? "days" : "years";
        break;
    }
    return shown;
}

Row convertRow(QRandomGenerator &r)
{
    const conv::Quantity q = conv::kFillOrder[r.bounded(int(conv::kFillOrder.size()))];
    const QStringList names = conv::unitNames(q, englishTexts());
    const QStringList symbols = cli::converterSymbols(q);
    Row row;
    for (const char *side : {"from", "to"}) {
        const int i = int(r.bounded(int(names.size())));
        row[side] = r.bounded(2) ? names[i] : symbols[i];
    }
    const bool anyValue = q == conv::Quantity::Temperature || q == conv::Quantity::Flow;
    row["value"] = typed(r, anyValue ? (r.generateDouble() - 0.3) * std::pow(10, r.bounded(5)) : logUniform(r, 1e-3, 1e6));
    const auto units = conv::recogniseViscosity(cli::converterUnitNamed(row["from"], englishTexts())->name,
                                                cli::converterUnitNamed(row["to"], englishTexts())->name, englishTexts());
    if (q == conv::Quantity::Viscosity && units.needsSpecificGravity())
        row["sg"] = typed(r, logUniform(r, 0.5, 2));
    return row;
}

QJsonObject convertScreen(const Row &row)
{
    static const QMap<conv::Quantity, QString> stems = {
        {conv::Quantity::Pressure, "Press"}, {conv::Quantity::Viscosity, "Visc"}, {conv::Quantity::Density, "Density"},
        {conv::Quantity::Temperature, "Temp"}, {conv::Quantity::Velocity, "Velocity"}, {conv::Quantity::Flow, "Flow"},
        {conv::Quantity::Length, "Length"}, {conv::Quantity::Volume, "Volume"}, {conv::Quantity::Area, "Area"}};
    ScreenFixture s(Screen::Converter);
    const cli::ConverterUnit from = *cli::converterUnitNamed(row["from"], englishTexts());
    const cli::ConverterUnit to = *cli::converterUnitNamed(row["to"], englishTexts());
    const QString stem = stems[from.quantity];
    if (row.contains("sg"))
        s.type("TxtViscSG", row["sg"]);
    for (const auto &[side, unit] : {std::pair("IP", from.name), std::pair("OP", to.name)}) {
        QComboBox *list = s.find<QComboBox>("Cmb" + stem + side);
        ev::choose(list, list->findText(unit));
    }
    s.type("Txt" + stem + "IP", row["value"]);
    return {{"result", s.text("Txt" + stem + "OP")}, {"from_unit", from.name}, {"to_unit", to.name}};
}

Row probeRow(QRandomGenerator &r, bool metric)
{
    static const QStringList locations = {"mean-velocity-point", "centre-line", "eighth-diameter"};
    static const QStringList models = {"prandel", "veldrix", "lumbrin"};
    static const QStringList units = {"l/s", "m3/s", "igps", "usgps", "Ml/s"};
    Row row;
    row["pipe-diameter"] = typed(r, metric ? logUniform(r, 5, 3000) : logUniform(r, 0.2, 120));
    if (r.bounded(4))
        row["location"] = pick(r, locations);
    if (r.bounded(4))
        row["model"] = pick(r, models);
    if (row.value("model") == u"lumbrin" && r.bounded(4))
        row["flow-unit"] = pick(r, units);
    return row;
}

QJsonObject probeScreen(bool metric, const Row &row)
{
    static const QStringList locations = {"mean-velocity-point", "centre-line", "eighth-diameter"};
    static const QStringList models = {"prandel", "veldrix", "lumbrin"};
    static const QStringList units = {"l/s", "m3/s", "igps", "usgps", "Ml/s"};
    ScreenFixture s(Screen::Probe, "English.txt", metric);
    s.type("TxtpipeSize", row["pipe-diameter"]);
    if (row.contains("location"))
        s.click(indexedName(u"OptProbeLocation", int(locations.indexOf(row["location"]))));
    if (row.contains("flow-unit"))
        s.click(indexedName(u"OptLumbrinFlowUnits", int(units.indexOf(row["flow-unit"]))));
    const int model = row.contains("model") ? int(models.indexOf(row["model"])) : 0;
    s.click(indexedName(u"OptProbeType", model));
    const bool lumbrin = model == 2;
    // The frame that shows; the other one's results are no results.
    auto shown = [&](bool inFrame, const char *box) { return inFrame ? s.text(box) : QString(); };
    return {{"profile_factor", shown(!lumbrin, "TxtMagFp")}, {"insertion_factor", shown(!lumbrin, "TxtMagFi")},
            {"combined_factor", shown(lumbrin, "TxtLumbrinBu")}, {"flow_per_velocity", shown(lumbrin, "TxtLumbrinVu")}};
}

const QList<std::pair<QString, QStringList>> kSelectOptions = {
    {"fluid", {"OptFluid_0", "OptFluid_1", "OptFluid_2"}, },
    {"conductivity", {"OptConductivity_0", "OptConductivity_1"}},
    {"measurement", {"OptMeasurements", "OptMeasurements1", "OptMeasurements2"}},
    {"cleanliness", {"OptClean_0", "OptClean_1"}},
    {"viscosity", {"OptVisc_0", "OptVisc_1", "OptVisc_2"}}};
const QMap<QString, QStringList> kSelectWords = {{"fluid", {"liquid", "gas", "steam"}},
                                                 {"conductivity", {"conductive", "non-conductive"}},
                                                 {"measurement", {"volume", "mass", "density"}},
                                                 {"cleanliness", {"clean", "dirty"}},
                                                 {"viscosity", {"low", "medium", "high"}}};

Row selectRow(QRandomGenerator &r)
{
    Row row;
    for (const auto &[column, options] : kSelectOptions) {
        if (r.bounded(3))
            row[column] = pick(r, kSelectWords[column]);
    }
    for (const char *temperature : {"max-temperature", "min-temperature"}) {
        if (r.bounded(3))
            row[temperature] = typed(r, r.generateDouble() * 700 - 250);
    }
    return row;
}

QJsonObject selectScreen(bool metric, const Row &row)
{
    ScreenFixture s(Screen::MeterSelection, "English.txt", metric);
    for (const auto &[column, options] : kSelectOptions) {
        if (row.contains(column))
            s.click(options[kSelectWords[column].indexOf(row[column])]);
    }
    if (row.contains("max-temperature"))
        s.type("TxtMaxTemp", row["max-temperature"]);
    if (row.contains("min-temperature"))
        s.type("TxtMinTemp", row["min-temperature"]);
    const std::pair<const char *, const char *> ticks[] = {
        {"electromagnetic", "Check1"}, {"coriolis", "Check2"}, {"ultrasonic", "Check3"}, {"vortex", "Check7"},
        {"wedge", "Check8"}, {"insertion_probe", "Check4"}, {"turbine", "Check5"}};
    QJsonObject shown;
    for (const auto &[key, tick] : ticks)
        shown[key] = s.find<QCheckBox>(tick)->isChecked();
    return shown;
}

QString described(const Row &row)
{
    QStringList parts;
    for (auto it = row.begin(); it != row.end(); ++it)
        parts << it.key() + u'=' + it.value();
    return parts.join(u' ');
}

} // namespace

class TestCalcScreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void sameAsScreen_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("metric");
        for (const char *command : {"velocity", "pressure-loss", "size", "payback", "convert", "probe", "select"}) {
            for (bool metric : {true, false})
                QTest::addRow("%s, %s", command, metric ? "metric" : "imperial") << QString::fromLatin1(command) << metric;
        }
    }
    void sameAsScreen()
    {
        QFETCH(QString, command);
        QFETCH(bool, metric);
        const QHash<QString, VelocityTool> tools = {{"velocity", VelocityTool::Velocity},
                                                    {"pressure-loss", VelocityTool::PressureLoss},
                                                    {"size", VelocityTool::MeterSize},
                                                    {"payback", VelocityTool::Payback}};
        const quint32 seed = (qEnvironmentVariableIsSet("GAUNTRY_CALC_SEED") ? quint32(qEnvironmentVariableIntValue("GAUNTRY_CALC_SEED")) : 1206u)
                             + quint32(qHash(command)) + (metric ? 0u : 1u);
        QRandomGenerator random(seed);
        QList<Row> rows;
        for (int i = 0; i < rowCount(); ++i) {
            if (tools.contains(command))
                rows << velocityRow(random, tools[command], metric);
            else if (command == u"convert")
                rows << convertRow(random);
            else if (command == u"probe")
                rows << probeRow(random, metric);
            else
                rows << selectRow(random);
        }
        // The converter has no unit system of its own: both runs convert, with inputs of their own.
        const QList<QJsonObject> printed = throughProgram(command, metric || command == u"convert", rows);
        QCOMPARE(printed.size(), rows.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const Row &row = rows[i];
            QJsonObject shown;
            if (tools.contains(command))
                shown = velocityScreen(tools[command], metric, row);
            else if (command == u"convert")
                shown = convertScreen(row);
            else if (command == u"probe")
                shown = probeScreen(metric, row);
            else
                shown = selectScreen(metric, row);
            QJsonObject fromProgram;
            for (const QString &key : shown.keys())
                fromProgram[key] = printed[i].value(key);
            if (printed[i].value("error") != QJsonValue::Null || fromProgram != shown)
                QFAIL(qPrintable(QStringLiteral("seed %1, row %2: %3\n  program: %4\n  screen:  %5")
                                     .arg(seed).arg(i).arg(described(row),
                                          QString::fromUtf8(QJsonDocument(printed[i]).toJson(QJsonDocument::Compact)),
                                          QString::fromUtf8(QJsonDocument(shown).toJson(QJsonDocument::Compact)))));
        }
    }
};

QTEST_MAIN(TestCalcScreens)
#include "tst_calc_screens.moc"
