// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line's one pass through the velocity model against the calculator's cascade: the same entries, typed in
// the order velocityrun.h names, on TextFields through velocity::Calculator (as the velocity screen runs them) and
// through cli::workOut, must end with the same texts in every result box. Named rows walk the edges (a box a run leaves
// as it was, a corrected angle, a fraction rewritten); seeded random rows walk the ranges.
#include "core/cli/units.h"
#include "core/cli/velocityrun.h"
#include "core/common/numbers.h"
#include "core/velocity/calculator.h"
#include "datarows.h"
#include "shippedtexts.h"

#include <QtTest>

using namespace velocity;

namespace {

// One set of entries as typed. Empty texts are not entered; a meter type of None is not clicked.
struct Entries {
    VelocityTool tool = VelocityTool::Velocity;
    bool metric = true;
    QString flow, unit, size, pipe, angle;
    MeterType type = MeterType::None;
    QString density, viscosity; // another fluid when given
    Supply supply = Supply::None;
    QString price, accuracy, water, sewage, usage;
};

// The result boxes of a tool as one text.
QStringList boxesOf(VelocityTool tool)
{
    switch (tool) {
    case VelocityTool::Velocity:
        return {"velocity", "reynolds", "regime", "accuracy"};
    case VelocityTool::PressureLoss:
        return {"velocity", "reynolds", "regime", "mbar", "bar", "psi", "angle"};
    case VelocityTool::MeterSize:
        return {"sizes", "losses", "full bore"};
    case VelocityTool::Payback:
        return {"usage", "revenue", "payback", "caption"};
    }
    return {};
}

// The entries made one after the other on plain texts, each running what its handler runs on the screen.
QStringList throughCalculator(const Entries &e)
{
    const TextTable &texts = englishTexts();
    SharedValues shared;
    TextFields f(texts);
    Calculator calc(shared, texts, f);
    f.input.tool = e.tool;
    f.input.metric = f.payback.metric = e.metric;
    f.input.unit = texts.slot(Txt::FlowUnitsPrompt);
    f.input.density = Presenter::waterDensity();
    f.input.viscosity = Presenter::waterViscosity();
    if (e.type != MeterType::None) {
        f.input.checkedMeterType = e.type;
        calc.chooseMeterType(e.type);
    }
    if (!e.density.isEmpty()) {
        f.input.fluid = Fluid::Other;
        f.input.density = f.input.viscosity = QString();
        calc.fullRecalculation();
        f.input.density = e.density;
        calc.fullRecalculation();
        f.input.viscosity = e.viscosity;
        calc.fullRecalculation();
    }
    f.input.pipeSize = e.pipe; // no handler: read by the next run
    if (!e.angle.isEmpty()) {
        f.input.taperAngle = e.angle;
        calc.changed(Box::TaperAngle);
    }
    if (!e.unit.isEmpty()) {
        f.input.unit = conv::compose(cli::flowUnitNamed(e.unit, texts)->name, texts);
        calc.flowChanged(false);
    }
    if (!e.size.isEmpty()) {
        f.input.meterSize = e.size;
        calc.meterSizeChanged();
    }
    if (!e.flow.isEmpty()) {
        f.input.flow = e.flow;
        calc.flowChanged(true);
    }
    if (e.tool == VelocityTool::Payback) {
        f.payback.supply = e.supply;
        calc.payback();
        if (!e.usage.isEmpty()) {
            calc.annualUsageClicked();
            f.payback.annualUsage = e.usage;
            calc.changed(Box::AnnualUsage);
        }
        for (auto [box, text] : {std::pair(&PaybackTexts::meterPrice, e.price), {&PaybackTexts::waterCharge, e.water},
                                 {&PaybackTexts::sewageCharge, e.sewage}, {&PaybackTexts::currentAccuracy, e.accuracy}}) {
            f.payback.*box = text;
            calc.payback();
        }
    }
    auto five = [&f](Box first) {
        QStringList t;
        for (int i = 0; i < kProposals; ++i)
            t << f.text(nth(first, i));
        return t.join(u' ');
    };
    switch (e.tool) {
    case VelocityTool::Velocity:
        return {f.text(Box::Velocity), f.text(Box::Reynolds), f.text(Box::Regime),
                e.type == MeterType::None ? QString() : f.text(accuracyBox(e.type))};
    case VelocityTool::PressureLoss:
        return {f.text(Box::Velocity), f.text(Box::Reynolds), f.text(Box::Regime), f.text(Box::LossMillibar),
                f.text(Box::LossBar), f.text(Box::LossPsi), f.input.taperAngle};
    case VelocityTool::MeterSize:
        return {five(Box::Size), five(Box::SizeLoss), five(Box::FullBoreLoss)};
    case VelocityTool::Payback:
        return {f.payback.annualUsage, f.text(Box::RevenueLoss), f.text(Box::Payback), f.text(Box::PaybackCaption)};
    }
    return {};
}

// The same entries as numbers, read as the screen reads them, through the one pass. Empty: refused.
QStringList throughOnePass(const Entries &e, QString *refused)
{
    const TextTable &texts = englishTexts();
    cli::VelocityEntries v;
    v.tool = e.tool;
    v.metric = e.metric;
    v.hasFlow = !e.flow.isEmpty();
    v.flow = num::leadingNumber(e.flow);
    v.unit = e.unit.isEmpty() ? nullptr : cli::flowUnitNamed(e.unit, texts);
    v.meterSize = num::leadingNumber(imperialFractionRewrite(e.size, e.metric).value_or(e.size));
    v.pipeSize = num::leadingNumber(e.pipe);
    v.taperAngle = num::leadingNumber(e.angle);
    v.taperAngleText = e.angle;
    v.meterType = e.type;
    v.otherFluid = !e.density.isEmpty();
    v.density = num::leadingNumber(e.density);
    v.viscosity = num::leadingNumber(e.viscosity);
    v.supply = e.supply;
    v.charges = {num::leadingNumber(e.sewage), num::leadingNumber(e.water), num::leadingNumber(e.price),
                 num::leadingNumber(e.accuracy) / 100};
    if (!e.usage.isEmpty())
        v.annualUsage = e.usage;
    std::optional<cli::VelocityResults> r{std::in_place};
    if (!cli::workOut(v, texts, *r, refused))
        return {};
    switch (e.tool) {
    case VelocityTool::Velocity:
        return {r->velocity, r->reynolds, r->regime, r->accuracy};
    case VelocityTool::PressureLoss:
        return {r->velocity, r->reynolds, r->regime, r->lossMillibar, r->lossBar, r->lossPsi, r->angleUsed};
    case VelocityTool::MeterSize:
        return {QStringList(r->sizes.begin(), r->sizes.end()).join(u' '),
                QStringList(r->sizeLosses.begin(), r->sizeLosses.end()).join(u' '),
                QStringList(r->fullBoreLosses.begin(), r->fullBoreLosses.end()).join(u' ')};
    case VelocityTool::Payback:
        return {r->annualUsage, r->revenueLoss, r->payback, r->paybackCaption};
    }
    return {};
}

// "velocity: 1.2 | reynolds: ..." for a failure message.
QString described(VelocityTool tool, const QStringList &texts)
{
    QStringList parts;
    const QStringList names = boxesOf(tool);
    for (qsizetype i = 0; i < texts.size(); ++i)
        parts << names.value(i) + QStringLiteral(": '") + texts[i] + u'\'';
    return parts.join(QStringLiteral(" | "));
}

struct Edge { const char *name; Entries entries; };

// A number text in one of the forms a user types: plain, with many digits, or in exponent form.
QString typed(QRandomGenerator &r, double value)
{
    switch (r.bounded(3)) {
    case 0:
        return QString::number(value, 'f', int(r.bounded(4)));
    case 1:
        return QString::number(value, 'g', 1 + int(r.bounded(16)));
    default:
        return QString::number(value, 'e', int(r.bounded(6)));
    }
}
double logUniform(QRandomGenerator &r, double low, double high)
{
    return low * std::pow(high / low, r.generateDouble());
}

Entries makeEntries(QRandomGenerator &r, VelocityTool tool, bool metric)
{
    static const QStringList units = cli::flowUnitSymbols();
    static const QStringList fractions = {"1/8", "1/4", "3/8", "15/32", "1/2", "3/4"};
    Entries e;
    e.tool = tool;
    e.metric = metric;
    e.unit = units[r.bounded(int(units.size()))];
    e.flow = typed(r, logUniform(r, 1e-4, 1e5));
    if (tool == VelocityTool::MeterSize)
        return e;
    e.size = !metric && r.bounded(6) == 0 ? fractions[r.bounded(int(fractions.size()))]
                                          : typed(r, metric ? logUniform(r, 2, 2500) : logUniform(r, 0.1, 100));
    if (tool == VelocityTool::Payback) {
        const Supply supplies[] = {Supply::Mains, Supply::Battery};
        e.supply = supplies[r.bounded(2)];
        e.price = typed(r, logUniform(r, 10, 1e6));
        e.water = typed(r, logUniform(r, 0.01, 20));
        e.sewage = r.bounded(4) == 0 ? QString() : typed(r, r.generateDouble() * 4 - 0.5);
        e.accuracy = typed(r, logUniform(r, 0.2, 30)); // at times already as good as the new meter
        if (r.bounded(4) == 0) {
            e.usage = typed(r, logUniform(r, 1, 1e7));
            e.flow = e.unit = e.size = QString();
        }
        return e;
    }
    if (r.bounded(3) > 0)
        e.type = MeterType(r.bounded(kMeterTypes));
    if (tool == VelocityTool::PressureLoss && r.bounded(4) > 0) {
        e.pipe = typed(r, num::leadingNumber(imperialFractionRewrite(e.size, metric).value_or(e.size))
                              * (1 + r.generateDouble() * 3));
        e.angle = typed(r, r.generateDouble() * 250);
    }
    if (tool == VelocityTool::Velocity && r.bounded(3) == 0) {
        e.density = typed(r, logUniform(r, 0.5, 20000));
        e.viscosity = typed(r, logUniform(r, 0.01, 1e5));
    }
    return e;
}

} // namespace

class TestCliDirect : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Entries at the edges of what a step works out: the one pass gives what the cascade leaves in every box.
    void edges_data()
    {
        using enum VelocityTool;
        const MeterType prandel = MeterType::Prandel, mains = MeterType::VeldrixMains;
        // 9999.5 as the Reynolds number of water in a 100 mm bore: neither laminar nor turbulent enough for a loss.
        const double re = 9999.5, mu = double(float(1.0019 / 1000));
        const QString between = QString::number(re * mu / (1000 * 0.1) * 100 * 100 / 1273.3, 'g', 17);
        static const Edge rows[] = {
            {"Prandel under 14 mm keeps its blank", {Velocity, true, "1", "l/s", "10", {}, {}, prandel}},
            {"Brevil slow", {Velocity, true, "2", "l/s", "100", {}, {}, MeterType::Brevil}},
            {"Veldrix size without limits", {Velocity, true, "1", "m3/h", "30", {}, {}, mains}},
            {"Veldrix below Q1", {Velocity, true, "0.001", "m3/h", "100", {}, {}, MeterType::VeldrixBattery}},
            {"another fluid, laminar", {Velocity, true, "1", "l/s", "50", {}, {}, prandel, "900", "500"}},
            {"imperial fraction rewritten", {Velocity, false, "2", "usgpm", "3/8", {}, {}, mains}},
            {"size beyond 16 bits", {Velocity, true, "1000", "l/s", "40000", {}, {}, prandel}},
            {"taper angle 150 moved to 180", {PressureLoss, true, "10", "l/s", "50", "100", "150", mains}},
            {"taper angle 90 moved to 60", {PressureLoss, false, "100", "usgpm", "2", "4", "90.5", MeterType::Brevil}},
            {"whole degrees of a typed angle", {PressureLoss, true, "5", "l/s", "50", "80", "15.9", prandel}},
            {"laminar: blanks for the loss", {PressureLoss, true, "0.01", "l/s", "100", "150", "30", mains}},
            {"Reynolds between 9999 and 10000: no loss shown", {PressureLoss, true, between, "l/s", "100"}},
            {"no reducers", {PressureLoss, true, "3", "Ml/d", "80", {}, {}, MeterType::VeldrixBattery}},
            {"sizes of 700 mm and more", {MeterSize, true, "300", "l/s"}},
            {"imperial sizes as fractions", {MeterSize, false, "0.02", "l/s"}},
            {"a huge flow sizes the largest meters", {MeterSize, false, "3e38", "l/s"}},
            {"payback in days", {Payback, true, "7.853608733", "l/s", "100", {}, {}, {}, {}, {}, Supply::Mains,
                                 "1000", "2", "1", "0.5"}},
            {"payback in years, battery", {Payback, false, "20", "usgpm", "4", {}, {}, {}, {}, {}, Supply::Battery,
                                           "90000", "0.8", "3", ""}},
            {"typed annual usage", {Payback, true, {}, {}, {}, {}, {}, {}, {}, {}, Supply::Mains, "5000", "3", "1.2",
                                    "-0.2", "12345.678"}},
            {"nothing lost", {Payback, true, "1", "l/s", "50", {}, {}, {}, {}, {}, Supply::Mains, "100", "2", "1", "-1"}},
        };
        addRows(rows);
    }
    void edges()
    {
        QFETCH(Edge, row);
        QString refused;
        const QStringList onePass = throughOnePass(row.entries, &refused);
        QVERIFY2(refused.isEmpty(), qPrintable(refused));
        QCOMPARE(described(row.entries.tool, onePass), described(row.entries.tool, throughCalculator(row.entries)));
    }

    // Entries the steps work out nothing for are refused, with the reason, not shown with an old text.
    void refusals_data()
    {
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<QString>("reason");
        using enum VelocityTool;
        QTest::newRow("no finite velocity") << Entries{Velocity, true, "1e300", "Ml/d", "1e-10"} << "no velocity";
        QTest::newRow("a density beyond 32 bits")
            << Entries{Velocity, true, "1", "l/s", "100", {}, {}, {}, "1e39", "1"} << "no Reynolds number";
        QTest::newRow("a flow beyond 32 bits") << Entries{MeterSize, true, "1e39", "l/s"} << "the flow is";
        QTest::newRow("existing meter as good")
            << Entries{Payback, true, "1", "l/s", "100", {}, {}, {}, {}, {}, Supply::Battery, "100", "0.5", "1", "1"}
            << "apparently better";
        QTest::newRow("a usage beyond 32 bits") << Entries{Payback, true, {}, {}, {}, {}, {}, {}, {}, {}, Supply::Mains,
                                                           "100", "2", "1", "1", "1e39"}
                                                << "no payback";
    }
    void refusals()
    {
        QFETCH(Entries, entries);
        QFETCH(QString, reason);
        QString refused;
        QVERIFY(throughOnePass(entries, &refused).isEmpty());
        QVERIFY2(refused.contains(reason), qPrintable(refused));
    }

    // Seeded random entries over every tool and unit system, at magnitudes from the tiny to the huge.
    void randomEntries_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<bool>("metric");
        const std::pair<VelocityTool, const char *> tools[] = {{VelocityTool::Velocity, "velocity"},
                                                               {VelocityTool::PressureLoss, "pressure loss"},
                                                               {VelocityTool::MeterSize, "meter size"},
                                                               {VelocityTool::Payback, "payback"}};
        for (const auto &[tool, name] : tools) {
            for (bool metric : {true, false})
                QTest::addRow("%s, %s", name, metric ? "metric" : "imperial") << int(tool) << metric;
        }
    }
    void randomEntries()
    {
        QFETCH(int, tool);
        QFETCH(bool, metric);
        const quint32 seed = 20261206 + quint32(tool) * 2 + quint32(metric);
        QRandomGenerator random(seed);
        int workedOut = 0;
        const int count = 400;
        for (int i = 0; i < count; ++i) {
            const Entries e = makeEntries(random, VelocityTool(tool), metric);
            QString refused;
            const QStringList onePass = throughOnePass(e, &refused);
            if (!refused.isEmpty())
                continue;
            ++workedOut;
            const QString shown = described(e.tool, throughCalculator(e));
            if (described(e.tool, onePass) != shown)
                QFAIL(qPrintable(QStringLiteral("seed %1, entry %2: flow %3 %4, size %5, pipe %6, angle %7, fluid "
                                                "%8/%9:\n  one pass: %10\n  cascade:  %11")
                                     .arg(seed)
                                     .arg(i)
                                     .arg(e.flow, e.unit, e.size, e.pipe, e.angle, e.density, e.viscosity,
                                          described(e.tool, onePass), shown)));
        }
        // Most entries are worked out; the rest are refused for a reason of their own.
        QVERIFY2(workedOut > count * 3 / 4, qPrintable(QString::number(workedOut)));
    }
};

QTEST_GUILESS_MAIN(TestCliDirect)
#include "tst_cli_direct.moc"
