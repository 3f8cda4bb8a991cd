// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/cli/tools.h"

#include "core/cli/velocityrun.h"
#include "core/common/constants.h"
#include "core/common/numbers.h"
#include "core/convert/conversions.h"
#include "core/lang/textslots.h"
#include "core/probe/probecalc.h"
#include "core/selection/meterrules.h"
#include "core/velocity/presenter.h"

#include <charconv>
#include <cmath>

namespace cli {
namespace {

using velocity::MeterType;
using velocity::VelocityTool;

// ---------------------------------------------------------------- inputs

constexpr const char *kMeterTypes[] = {"prandel", "veldrix-mains", "brevil", "veldrix-battery"};
constexpr const char *kSupplies[] = {"mains", "battery"};
constexpr const char *kLocations[] = {"mean-velocity-point", "centre-line", "eighth-diameter"};
constexpr const char *kModels[] = {"prandel", "veldrix", "lumbrin"};
constexpr const char *kPhases[] = {"liquid", "gas", "steam"};
constexpr const char *kConductivities[] = {"conductive", "non-conductive"};
constexpr const char *kMeasurements[] = {"volume", "mass", "density"};
constexpr const char *kCleanliness[] = {"clean", "dirty"};
constexpr const char *kViscosities[] = {"low", "medium", "high"};
// The probe's flow units per second, in the order of its options.
constexpr const char16_t *kProbeUnits[] = {u"l/s", u"m3/s", u"igps", u"usgps", u"Ml/s"};

constexpr const char *kUnitHelp =
    "Flow unit: l/s, l/min, l/h, m3/h, Ml/d, igps, igpm, igph, migd, usgps, usgpm, usgph, musgd, or its name as the "
    "screen lists it.";

constexpr Input kFlow{"flow", "number", "Flow, in the unit --unit names.", ValueKind::Positive};
constexpr Input kUnit{"unit", "unit", kUnitHelp, ValueKind::FlowUnit};
constexpr Input kSize{"size", "number",
                      "Meter size (bore): millimetres, or inches with --imperial (1/8, 1/4, 3/8, 15/32, 1/2 and 3/4 "
                      "as fractions too).",
                      ValueKind::MeterSize};

constexpr Input kVelocityInputs[] = {
    kFlow, kUnit, kSize,
    {"meter-type", "type", "Meter type whose accuracy is shown: prandel, veldrix-mains, brevil or veldrix-battery.",
     ValueKind::Choice, kMeterTypes},
    {"density", "number", "Density of another fluid, kg/m3 (with --viscosity); water when both are absent.",
     ValueKind::Positive},
    {"viscosity", "number", "Viscosity of another fluid, centipoise (with --density).", ValueKind::Positive},
};

constexpr Input kLossInputs[] = {
    kFlow, kUnit, kSize,
    {"pipe", "number",
     "Pipe size either side of the meter, in the meter size's unit, with --angle; without it the meter sits in a "
     "pipe of its own bore.",
     ValueKind::Positive},
    {"angle", "degrees",
     "Included taper angle of the reducers (with --pipe). An angle the loss table does not cover is moved to the "
     "nearest one it does; angle_used shows the angle used.",
     ValueKind::NonNegative},
    {"meter-type", "type",
     "Meter type: prandel, veldrix-mains, brevil or veldrix-battery; a Veldrix or Brevil meter adds a loss of its "
     "own.",
     ValueKind::Choice, kMeterTypes},
};

constexpr Input kSizeInputs[] = {kFlow, kUnit};

constexpr Input kPaybackInputs[] = {
    {"flow", "number",
     "Flow, in the unit --unit names (with --unit and --size): the annual usage is worked out from it.",
     ValueKind::Positive},
    kUnit,
    {"size", "number", "Meter size (bore): millimetres, or inches with --imperial.", ValueKind::MeterSize},
    {"price", "number", "Price of the new Veldrix meter.", ValueKind::Positive},
    {"current-accuracy", "percent", "Under-registration of the existing meter, percent.", ValueKind::Positive},
    {"water-charge", "number", "Water charge per m3, or per thousand US gallons with --imperial.",
     ValueKind::Positive},
    {"sewage-charge", "number", "Sewage charge per m3, or per thousand US gallons with --imperial.",
     ValueKind::Number},
    {"supply", "supply", "Supply of the new Veldrix meter: mains or battery.", ValueKind::Choice, kSupplies},
    {"annual-usage", "number",
     "Annual usage, m3 or thousands of US gallons, typed into its box instead of --flow, --unit and --size.",
     ValueKind::Positive},
};

constexpr Input kConvertInputs[] = {
    {"value", "VALUE", "The value to convert.", ValueKind::Number, {}, true},
    {"from", "FROM", "Its unit: a unit name as the converter lists it, or its symbol.", ValueKind::ConverterUnit, {},
     true},
    {"to", "TO", "The unit to convert to, of the same quantity.", ValueKind::ConverterUnit, {}, true},
    {"sg", "number", "Specific gravity of the fluid, for viscosity between dynamic and kinematic units.",
     ValueKind::Positive},
};

constexpr Input kProbeInputs[] = {
    {"pipe-diameter", "number", "Pipe internal diameter: millimetres, or inches with --imperial.",
     ValueKind::Positive},
    {"location", "place", "Probe location: mean-velocity-point (the default), centre-line or eighth-diameter.",
     ValueKind::Choice, kLocations},
    {"model", "model",
     "Probe model: prandel (the default) or veldrix show the profile and insertion factors, lumbrin the combined "
     "factor and the flow at 1 m/s.",
     ValueKind::Choice, kModels},
    {"flow-unit", "unit", "Unit of the lumbrin model's flow at 1 m/s: l/s (the default), m3/s, igps, usgps or Ml/s.",
     ValueKind::ProbeFlowUnit},
};

constexpr Input kSelectInputs[] = {
    {"fluid", "phase", "liquid (the default), gas or steam.", ValueKind::Choice, kPhases},
    {"conductivity", "kind", "conductive (the default) or non-conductive.", ValueKind::Choice, kConductivities},
    {"measurement", "quantity", "What is measured: volume (the default), mass or density.", ValueKind::Choice,
     kMeasurements},
    {"cleanliness", "kind", "clean (the default) or dirty.", ValueKind::Choice, kCleanliness},
    {"viscosity", "level", "low (the default), medium or high.", ValueKind::Choice, kViscosities},
    {"max-temperature", "number", "Maximum temperature: Celsius, or Fahrenheit with --imperial.", ValueKind::Number},
    {"min-temperature", "number", "Minimum temperature: Celsius, or Fahrenheit with --imperial.", ValueKind::Number},
};

// Input positions, as the tables above list them.
enum VelocityInput { VFlow, VUnit, VSize, VMeterType, VDensity, VViscosity };
enum LossInput { LFlow, LUnit, LSize, LPipe, LAngle, LMeterType };
enum PaybackInput { PFlow, PUnit, PSize, PPrice, PAccuracy, PWater, PSewage, PSupply, PUsage };
enum ConvertInput { CValue, CFrom, CTo, CGravity };
enum ProbeInput { RDiameter, RLocation, RModel, RFlowUnit };
enum SelectInput { SFluid, SConductivity, SMeasurement, SCleanliness, SViscosity, SMax, SMin };

const QStringList kTechnologyKeys = {"electromagnetic", "coriolis", "ultrasonic", "vortex",
                                     "wedge", "insertion_probe", "turbine"};

QString quoted(QStringView text) { return u'\'' + text.toString() + u'\''; }

// ---------------------------------------------------------------- numbers

// The shortest text that reads back as the same number.
template <typename T> QString precise(T value)
{
    if (!std::isfinite(value))
        return QString();
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return QString::fromLatin1(buf, end - buf);
}

void setPrecise(Field &f, double value)
{
    f.kind = Field::Kind::Number;
    f.text = precise(value);
}

// ---------------------------------------------------------------- velocity tools

VelocityEntries entriesOf(VelocityTool tool, const Values &v, const Context &c, int flow, int unit, int size)
{
    VelocityEntries e;
    e.tool = tool;
    e.metric = c.metric;
    e.hasFlow = v[size_t(flow)].given;
    e.flow = v[size_t(flow)].number;
    e.unit = v[size_t(unit)].flowUnit;
    if (size >= 0)
        e.meterSize = v[size_t(size)].number;
    return e;
}

void addVelocity(Result &r, const VelocityResults &out, const Context &c)
{
    const velocity::Presenter present(c.texts);
    Field &f = r.add(QStringLiteral("velocity"), c.texts.slot(Txt::Velocity), out.velocity,
                     present.velocityUnit(c.metric));
    if (c.precise)
        setPrecise(f, out.velocityValue);
}

void addReynolds(Result &r, const VelocityResults &out, const Context &c)
{
    Field &f = r.add(QStringLiteral("reynolds"), c.texts.slot(Txt::ReynoldsNumber), out.reynolds, out.regime);
    if (c.precise)
        setPrecise(f, out.reynoldsValue);
    r.add(QStringLiteral("regime"), QString(), out.regime).inTable = false;
}

// The velocity tools' results, kept from row to row of a file so that their
// texts are not made and freed again for every row.
VelocityResults &scratch()
{
    thread_local VelocityResults results;
    return results;
}

bool velocityTool(Command command, const Values &v, const Context &c, Result &r, QString *reason)
{
    const bool loss = command == Command::PressureLoss;
    VelocityEntries e = entriesOf(loss ? VelocityTool::PressureLoss : VelocityTool::Velocity, v, c, VFlow, VUnit,
                                  VSize);
    const Value &type = v[size_t(loss ? int(LMeterType) : int(VMeterType))];
    if (type.given)
        e.meterType = MeterType(type.choice);
    if (loss) {
        e.pipeSize = v[LPipe].number;
        e.taperAngle = v[LAngle].number;
        e.taperAngleText = v[LAngle].text;
    } else if (v[VDensity].given) {
        e.otherFluid = true;
        e.density = v[VDensity].number;
        e.viscosity = v[VViscosity].number;
    }
    VelocityResults *out = &scratch();
    if (!workOut(e, c.texts, *out, reason))
        return false;
    addVelocity(r, *out, c);
    addReynolds(r, *out, c);
    if (!loss) {
        const QString caption = velocity::Presenter(c.texts).accuracyCaption(e.meterType).trimmed();
        Field &f = r.add(QStringLiteral("accuracy"), caption, out->accuracy);
        f.inTable = e.meterType != MeterType::None;
        if (c.precise && std::isfinite(out->accuracyPercent))
            setPrecise(f, out->accuracyPercent);
        return true;
    }
    Field &mbar = r.add(QStringLiteral("loss_mbar"), c.texts.slot(Txt::PressureLoss), out->lossMillibar,
                        c.texts.slot(Txt::Millibar));
    if (c.precise)
        setPrecise(mbar, out->lossMillibarValue);
    Field &bar = r.add(QStringLiteral("loss_bar"), QString(), out->lossBar, c.texts.slot(Txt::Bar));
    if (c.precise)
        setPrecise(bar, velocity::millibarToBar(out->lossMillibarValue));
    Field &psi = r.add(QStringLiteral("loss_psi"), QString(), out->lossPsi, c.texts.slot(Txt::Psi));
    if (c.precise)
        setPrecise(psi, velocity::millibarToPsi(out->lossMillibarValue));
    r.add(QStringLiteral("angle_used"), c.texts.slot(Txt::TaperAngle), out->angleUsed).inTable = v[LAngle].given;
    return true;
}

bool sizeTool(const Values &v, const Context &c, Result &r, QString *reason)
{
    VelocityResults *out = &scratch();
    if (!workOut(entriesOf(VelocityTool::MeterSize, v, c, 0, 1, -1), c.texts, *out, reason))
        return false;
    const velocity::Presenter present(c.texts);
    auto list = [&](const char *key, const QString &caption, const auto &texts, const auto &values) {
        Field &f = r.add(QString::fromLatin1(key), caption, QString(), QString(),
                         c.precise ? Field::Kind::NumberList : Field::Kind::List);
        for (size_t i = 0; i < texts.size(); ++i)
            f.items << (c.precise ? precise(values[i]) : texts[i]);
    };
    list("sizes", present.sizeUnit(c.metric), out->sizes, out->sizeValues);
    list("size_loss_bar", velocity::Presenter::reducedBoreColumn(), out->sizeLosses, out->sizeLossBarValues);
    const std::array<double, velocity::kProposals> none{};
    list("full_bore_loss_bar", velocity::Presenter::fullBoreColumn(), out->fullBoreLosses, none);
    for (int i = 0; i < velocity::kProposals; ++i)
        r.listRows << present.proposalCaption(i, c.metric);
    r.listHeading = present.proposalLossHeading();
    return true;
}

bool paybackTool(const Values &v, const Context &c, Result &r, QString *reason)
{
    // A typed usage takes the place of the one worked out from the flow:
    // given both, the flow would count for nothing.
    if (v[PUsage].given && (v[PFlow].given || v[PUnit].given || v[PSize].given)) {
        *reason = QStringLiteral("the annual usage takes the place of the flow, its unit and the meter size: give "
                                 "one or the other");
        return false;
    }
    VelocityEntries e = entriesOf(VelocityTool::Payback, v, c, PFlow, PUnit, PSize);
    e.supply = v[PSupply].choice == 0 ? velocity::Supply::Mains : velocity::Supply::Battery;
    // As readPaybackInputs takes them from the boxes.
    e.charges = {v[PSewage].number, v[PWater].number, v[PPrice].number, v[PAccuracy].number / 100};
    if (v[PUsage].given)
        e.annualUsage = v[PUsage].text;
    VelocityResults *out = &scratch();
    if (!workOut(e, c.texts, *out, reason))
        return false;
    const velocity::Presenter present(c.texts);
    Field &usage = r.add(QStringLiteral("annual_usage"), c.captions ? present.annualUsageCaption(c.metric) : QString(),
                         std::move(out->annualUsage));
    if (c.precise)
        setPrecise(usage, out->annualUsageValue);
    Field &loss = r.add(QStringLiteral("revenue_loss"), c.texts.slot(Txt::RevenueLoss), std::move(out->revenueLoss));
    if (c.precise)
        setPrecise(loss, out->revenueLossValue);
    // Full precision gives the payback in years, whatever the screen shows.
    Field &payback = r.add(QStringLiteral("payback"), out->paybackCaption, std::move(out->payback));
    if (c.precise) {
        setPrecise(payback, out->paybackYears);
        payback.caption = c.texts.slot(Txt::PaybackYears);
    }
    const bool days = out->paybackInDays && !c.precise;
    r.add(QStringLiteral("payback_unit"), QString(), days ? QStringLiteral("days") : QStringLiteral("years")).inTable =
        false;
    r.rank = out->paybackYears;
    return true;
}

// ---------------------------------------------------------------- converter, probe, selection

bool convertTool(const Values &v, const Context &c, Result &r, QString *reason)
{
    const ConverterUnit &from = *v[CFrom].converterUnit;
    const ConverterUnit &to = *v[CTo].converterUnit;
    if (from.quantity != to.quantity) {
        *reason = QStringLiteral("cannot convert %1 (%2) to %3 (%4)")
                      .arg(from.name, quantityWord(from.quantity), to.name, quantityWord(to.quantity));
        return false;
    }
    conv::Output text;
    if (from.quantity == conv::Quantity::Viscosity) {
        const conv::ViscosityUnits units = conv::recogniseViscosity(from.name, to.name, c.texts);
        const std::optional<float> sg = conv::gravityToUse(units, v[CGravity].text);
        if (!sg) {
            *reason = QStringLiteral("between dynamic and kinematic viscosity the specific gravity is needed (sg)");
            return false;
        }
        if (v[CGravity].given && !units.needsSpecificGravity()) {
            *reason = QStringLiteral("the specific gravity is used only between dynamic and kinematic viscosity");
            return false;
        }
        text = conv::convertViscosity(v[CValue].text, units, *sg);
    } else if (v[CGravity].given) {
        *reason = QStringLiteral("the specific gravity is used only between dynamic and kinematic viscosity");
        return false;
    } else {
        text = conv::convert(from.quantity, v[CValue].text, from.name, to.name, c.texts,
                             {units::kLitresPerUsGallon, 1.0f});
    }
    if (!text) {
        // Temperatures and flows convert at any value; the other quantities
        // only above 0.
        const bool anyValue = from.quantity == conv::Quantity::Temperature || from.quantity == conv::Quantity::Flow;
        *reason = anyValue || v[CValue].number > 0
                      ? QStringLiteral("the result is out of range")
                      : QStringLiteral("a %1 to convert must be above 0").arg(quantityWord(from.quantity));
        return false;
    }
    r.add(QStringLiteral("quantity"), QString(), quantityWord(from.quantity)).inTable = false;
    r.add(QStringLiteral("from_unit"), QString(), from.name).inTable = false;
    r.add(QStringLiteral("to_unit"), QString(), to.name).inTable = false;
    r.add(QStringLiteral("result"), QString(), *text);
    return true;
}

bool probeTool(const Values &v, const Context &c, Result &r, QString *reason)
{
    const int model = v[RModel].given ? v[RModel].choice : probe::TessivoPrandel;
    const bool lumbrin = probe::showsCombinedFactor(model);
    if (v[RFlowUnit].given && !lumbrin) {
        *reason = QStringLiteral("the flow unit is shown with the lumbrin model only");
        return false;
    }
    const int location = v[RLocation].given ? v[RLocation].choice : probe::MeanVelocityPoint;
    const int unit = v[RFlowUnit].given ? v[RFlowUnit].choice : probe::LitresPerSecond;
    const std::optional<probe::ProbeFactors> f =
        probe::probeVelocityAndFlow(v[RDiameter].number, c.metric, location, unit);
    if (!f) {
        *reason = QStringLiteral("the pipe diameter is out of range");
        return false;
    }
    const probe::ProbeTexts t = probe::probeTexts(*f);
    // Only the chosen model's frame shows; the other frame's results stay
    // empty.
    struct Shown { const char *key; int caption; QString text; double value; bool inFrame; QString unit; };
    const Shown shown[] = {
        {"profile_factor", Txt::ProfileFactor, t.profile, f->profile, !lumbrin, {}},
        {"insertion_factor", Txt::InsertionFactor, t.insertion, f->insertion, !lumbrin, {}},
        {"combined_factor", Txt::CombinedFactor, t.combined, f->combined, lumbrin, {}},
        {"flow_per_velocity", Txt::FlowPerSecondAt1ms, t.flowPerVelocity, f->flowPerVelocity, lumbrin,
         c.texts.slot(Txt::ProbeLitres + unit)},
    };
    for (const Shown &s : shown) {
        Field &field = r.add(QString::fromLatin1(s.key), c.texts.slot(s.caption), s.inFrame ? s.text : QString(),
                             s.unit);
        field.inTable = s.inFrame;
        if (c.precise && s.inFrame && probe::showable(s.value))
            setPrecise(field, s.value);
    }
    return true;
}

bool selectTool(const Values &v, const Context &c, Result &r)
{
    auto choice = [&v](int input) { return v[size_t(input)].given ? v[size_t(input)].choice : 0; };
    selection::FluidDescription fluid;
    fluid.phase = selection::Phase(1 + choice(SFluid));
    fluid.conductivity = selection::Conductivity(1 + choice(SConductivity));
    fluid.measurement = selection::Measurement(1 + choice(SMeasurement));
    fluid.cleanliness = selection::Cleanliness(1 + choice(SCleanliness));
    fluid.viscosity = selection::Viscosity(1 + choice(SViscosity));
    const selection::Suitability suitable = selection::evaluate(fluid, v[SMax].text, v[SMin].text, c.metric);
    for (int i = 0; i < selection::kTechnologyCount; ++i) {
        Field &f = r.add(kTechnologyKeys[i], c.texts.slot(selection::nameSlot(selection::Technology(i))),
                         suitable[size_t(i)] ? QStringLiteral("yes") : QStringLiteral("no"));
        f.kind = Field::Kind::Flag;
    }
    return true;
}

std::vector<Subcommand> makeCommands()
{
    const QStringList velocityKeys = {"velocity", "reynolds", "regime", "accuracy"};
    const QStringList lossKeys = {"velocity", "reynolds", "regime", "loss_mbar", "loss_bar", "loss_psi", "angle_used"};
    const QStringList sizeKeys = {"sizes", "size_loss_bar", "full_bore_loss_bar"};
    const QStringList paybackKeys = {"annual_usage", "revenue_loss", "payback", "payback_unit"};
    const QStringList convertKeys = {"quantity", "from_unit", "to_unit", "result"};
    const QStringList probeKeys = {"profile_factor", "insertion_factor", "combined_factor", "flow_per_velocity"};
    return {
        {Command::Velocity, "velocity", "Velocity in the meter bore, Reynolds number, a meter type's accuracy.",
         kVelocityInputs, true, true, false, velocityKeys},
        {Command::PressureLoss, "pressure-loss", "Pressure loss across a meter between reducers.", kLossInputs, true,
         true, false, lossKeys},
        {Command::Size, "size", "Proposed meter sizes for a flow, with each one's pressure loss.", kSizeInputs, true,
         true, false, sizeKeys},
        {Command::Payback, "payback", "Revenue lost by the existing meter, and the payback of a new Veldrix meter.",
         kPaybackInputs, true, true, true, paybackKeys},
        {Command::Convert, "convert", "Converts a value between units of pressure, temperature, viscosity, velocity, "
                                      "flow, density, length, volume or area.",
         kConvertInputs, false, false, false, convertKeys},
        {Command::Probe, "probe", "Insertion probe: profile and insertion factors, combined factor, flow at 1 m/s.",
         kProbeInputs, true, true, false, probeKeys},
        {Command::Select, "select", "Flowmeter technologies that suit a fluid.", kSelectInputs, true, false, false,
         kTechnologyKeys},
    };
}

// A plain decimal ("12", "-0.75", ".5") of a few digits read straight, as
// num::strictNumber reads it (the same characters to the same conversion),
// without its general scan: a fleet file has millions of them.
std::optional<double> plainDecimal(QStringView text)
{
    constexpr qsizetype kMost = 24; // far from any range limit
    if (text.isEmpty() || text.size() > kMost)
        return std::nullopt;
    char buf[kMost];
    bool point = false, digit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9')
            digit = true;
        else if (c == u'.' && !point)
            point = true;
        else if (!(c == u'-' && i == 0))
            return std::nullopt;
        buf[i] = char(c);
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(buf, buf + text.size(), value);
    if (!digit || ec != std::errc() || end != buf + text.size())
        return std::nullopt;
    return value;
}

bool readNumber(QStringView text, Value &out, QString *reason)
{
    std::optional<double> n = plainDecimal(text);
    if (!n)
        n = num::strictNumber(text);
    if (!n || !std::isfinite(*n)) {
        *reason = (n ? QStringLiteral("out of range: ") : QStringLiteral("not a number: ")) + quoted(text);
        return false;
    }
    out.number = *n;
    return true;
}

int choiceOf(const Input &input, QStringView text)
{
    for (size_t i = 0; i < input.choices.size(); ++i) {
        if (text.compare(QLatin1StringView(input.choices[i]), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QString choiceList(const Input &input)
{
    QStringList names;
    for (const char *c : input.choices)
        names << QLatin1StringView(c);
    return names.join(QStringLiteral(", "));
}

} // namespace

std::span<const Subcommand> commands()
{
    static const std::vector<Subcommand> table = makeCommands();
    return table;
}

const Subcommand *commandNamed(QStringView name)
{
    for (const Subcommand &c : commands()) {
        if (name == QLatin1StringView(c.name))
            return &c;
    }
    return nullptr;
}

int inputIndex(const Subcommand &sub, QStringView name)
{
    for (size_t i = 0; i < sub.inputs.size(); ++i) {
        if (name == QLatin1StringView(sub.inputs[i].name))
            return int(i);
    }
    return -1;
}

bool readValue(const Input &input, QStringView typed, const Context &context, Value &out, QString *reason)
{
    const QStringView text = typed.trimmed();
    // Set field by field, so the text's room is used again from row to row.
    out.given = true;
    out.text.resize(text.size());
    std::copy(text.begin(), text.end(), out.text.begin());
    out.number = 0;
    out.choice = -1;
    out.flowUnit = nullptr;
    out.converterUnit.reset();
    switch (input.kind) {
    case ValueKind::Positive:
    case ValueKind::NonNegative:
    case ValueKind::Number:
    case ValueKind::MeterSize: {
        if (input.kind == ValueKind::MeterSize) {
            if (const std::optional<QString> decimal = velocity::imperialFractionRewrite(text, context.metric))
                out.text = *decimal;
        }
        if (!readNumber(out.text, out, reason))
            return false;
        const bool positive = input.kind == ValueKind::Positive || input.kind == ValueKind::MeterSize;
        if (positive && !(out.number > 0)) {
            *reason = QStringLiteral("must be above 0: ") + quoted(text);
            return false;
        }
        if (input.kind == ValueKind::NonNegative && out.number < 0) {
            *reason = QStringLiteral("must not be negative: ") + quoted(text);
            return false;
        }
        return true;
    }
    case ValueKind::FlowUnit:
        out.flowUnit = flowUnitNamed(text, context.texts);
        if (!out.flowUnit) {
            *reason = QStringLiteral("unknown flow unit ") + quoted(text) + QStringLiteral(" (")
                      + flowUnitSymbols().join(QStringLiteral(", ")) + u')';
            return false;
        }
        return true;
    case ValueKind::ConverterUnit:
        out.converterUnit = converterUnitNamed(text, context.texts);
        if (!out.converterUnit) {
            *reason = QStringLiteral("unknown unit ") + quoted(text);
            return false;
        }
        return true;
    case ValueKind::ProbeFlowUnit:
        for (int i = 0; i < int(std::size(kProbeUnits)); ++i) {
            if (text == QStringView(kProbeUnits[i])
                || text.compare(context.texts.slot(Txt::ProbeLitres + i), Qt::CaseInsensitive) == 0)
                out.choice = i;
        }
        if (out.choice < 0) {
            *reason = QStringLiteral("unknown probe flow unit ") + quoted(text)
                      + QStringLiteral(" (l/s, m3/s, igps, usgps, Ml/s)");
            return false;
        }
        return true;
    case ValueKind::Choice:
        out.choice = choiceOf(input, text);
        if (out.choice < 0) {
            *reason = QStringLiteral("unknown value ") + quoted(text) + QStringLiteral(" (") + choiceList(input)
                      + u')';
            return false;
        }
        return true;
    }
    return false;
}

QString lacking(const Subcommand &sub, const std::vector<bool> &given, bool asOptions)
{
    // --flow, or VALUE for a positional argument; a column as 'flow'.
    auto name = [&](int i) {
        const Input &in = sub.inputs[size_t(i)];
        if (!asOptions)
            return u'\'' + QLatin1StringView(in.name) + u'\'';
        return in.positional ? QString(QLatin1StringView(in.valueName)) : QStringLiteral("--") + QLatin1StringView(in.name);
    };
    auto has = [&](int i) { return given[size_t(i)]; };
    auto needs = [&](std::initializer_list<int> inputs) -> QString {
        for (int i : inputs) {
            if (!has(i))
                return QStringLiteral("needs ") + name(i);
        }
        return QString();
    };
    auto together = [&](int a, int b) -> QString {
        if (has(a) == has(b))
            return QString();
        return name(has(a) ? a : b) + QStringLiteral(" needs ") + name(has(a) ? b : a);
    };
    switch (sub.command) {
    case Command::Velocity:
        if (QString n = needs({VFlow, VUnit, VSize}); !n.isEmpty())
            return n;
        return together(VDensity, VViscosity);
    case Command::PressureLoss:
        if (QString n = needs({LFlow, LUnit, LSize}); !n.isEmpty())
            return n;
        return together(LPipe, LAngle);
    case Command::Size:
        return needs({0, 1});
    case Command::Payback:
        if (QString n = needs({PPrice, PAccuracy, PWater, PSupply}); !n.isEmpty())
            return n;
        if (has(PUsage))
            return QString();
        if (QString n = needs({PFlow, PUnit, PSize}); !n.isEmpty())
            return n + QStringLiteral(" (or ") + name(PUsage) + u')';
        return QString();
    case Command::Convert:
        return needs({CValue, CFrom, CTo});
    case Command::Probe:
        return needs({RDiameter});
    case Command::Select:
        break;
    }
    return QString();
}

bool compute(const Subcommand &sub, const Values &values, const Context &context, Result &result, QString *reason)
{
    result.clear();
    switch (sub.command) {
    case Command::Velocity:
    case Command::PressureLoss:
        return velocityTool(sub.command, values, context, result, reason);
    case Command::Size:
        return sizeTool(values, context, result, reason);
    case Command::Payback:
        return paybackTool(values, context, result, reason);
    case Command::Convert:
        return convertTool(values, context, result, reason);
    case Command::Probe:
        return probeTool(values, context, result, reason);
    case Command::Select:
        return selectTool(values, context, result);
    }
    return false;
}

} // namespace cli
