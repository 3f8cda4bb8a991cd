// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/velocity/accuracychart.h"

#include "core/common/numbers.h"
#include "core/velocity/accuracymodel.h"
#include "core/velocity/model.h"
#include "core/velocity/presenter.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velocity {
namespace {

// Samples of a Prandel or Brevil curve per decade of flow. Below 0.5 m/s
// their figure falls as 1 / flow; between samples 1/48 decade apart the
// straight line drawn strays from it by under 0.03 % of its value.
constexpr int kSamplesPerDecade = 48;
// The axis reaches at least this factor below Q1 and above Qb.
constexpr double kBeyondLimits = 3;
// The velocities (m/s) whose flows span the axis for a size without limits.
constexpr double kLowestVelocity = 0.02;
constexpr double kHighestVelocity = 3;
// A typed flow outside the axis widens it by this factor at most at either
// end; within that it stays this factor inside the ends.
constexpr double kCurrentReach = 100;
constexpr double kCurrentMargin = 1.5;
// The tops the accuracy axis may take, the worst Veldrix band that must
// always show under it, and the room left above what must show.
constexpr double kPercentTops[] = {6, 8, 10, 15, 20, 30, 40, 50};
constexpr double kWorstVeldrixBand = 5;
constexpr double kTopRoom = 1.1;
// How far (relative) a band edge worked out from the limit row may lie from
// where the model puts it: rounding only.
constexpr double kEdgeBracket = 1e-4;

constexpr MeterType kVeldrixVariants[] = {MeterType::VeldrixMains, MeterType::VeldrixBattery};

bool isVeldrix(MeterType type) { return type == MeterType::VeldrixMains || type == MeterType::VeldrixBattery; }
int veldrixIndex(MeterType variant) { return variant == MeterType::VeldrixBattery ? 1 : 0; }

// The figure a run's accuracy gives: a Prandel or Brevil percent, a Veldrix
// band; nothing below Q1, for a size without figures or without a velocity.
std::optional<double> figureOf(const AccuracyResult &result)
{
    if (result.rated)
        return result.rated->percent;
    if (result.veldrix && result.veldrix->listed && result.veldrix->bandPercent > 0)
        return double(result.veldrix->bandPercent);
    return std::nullopt;
}

// Runs the model's first two steps, as the screen's recalculation does, for
// the typed inputs with another flow and meter type, on values of its own (the
// program's are never touched).
class Probe
{
public:
    explicit Probe(const Inputs &in) : m_in(in) {}

    AccuracyResult accuracy(MeterType type, double flow)
    {
        m_model.chooseMeterType(type);
        m_in.flow = flow;
        Run run = m_model.pipeVelocity(m_in);
        return m_model.accuracy(m_in, run);
    }
    std::optional<double> figure(MeterType type, double flow) { return figureOf(accuracy(type, flow)); }
    // A Veldrix variant's band at a flow; -1 when the run gives no band.
    float band(MeterType variant, double flow)
    {
        const AccuracyResult r = accuracy(variant, flow);
        return r.veldrix && r.veldrix->listed ? r.veldrix->bandPercent : -1.0f;
    }
    // The mean velocity (m/s) and the flow at the meter (m3/h) of one unit of
    // the typed flow: both grow in proportion to the flow.
    double velocityPerUnitFlow()
    {
        m_in.flow = 1;
        const Run run = m_model.pipeVelocity(m_in);
        m_model.shownVelocity(run);
        return m_shared.pipeVelocityMetresPerSecond;
    }
    double meterFlowPerUnitFlow(MeterType variant)
    {
        accuracy(variant, 1);
        return m_shared.meterFlowM3PerHour;
    }

private:
    Inputs m_in;
    SharedValues m_shared;
    Model m_model{m_shared};
};

// A band edge as the model draws it: the highest flow still in the band below
// and the lowest in the band above. They are adjacent numbers, so the step
// between the two points is upright at any scale.
struct Edge {
    double below = 0;
    double at = 0;
};

// The edge near `guess` (a limit over the meter flow per unit of flow), found
// by halving the bracket around it with the model's own band decisions.
// Without a change of band there (which rounding alone cannot cause), the
// guess stands for both sides.
Edge bandEdge(Probe &probe, MeterType variant, double guess)
{
    double lo = guess * (1 - kEdgeBracket);
    double hi = guess * (1 + kEdgeBracket);
    const float upper = probe.band(variant, hi);
    if (probe.band(variant, lo) == upper)
        return {guess, guess};
    // Each halving gains a bit of the bracket; 64 rounds end any double's.
    for (int i = 0; i < 64; ++i) {
        const double mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi)
            break;
        (probe.band(variant, mid) == upper ? hi : lo) = mid;
    }
    return {lo, hi};
}

// Q1, Q2 and Qb of a variant in the typed flow unit.
using Edges = std::array<Edge, 3>;

std::optional<Edges> veldrixEdges(Probe &probe, MeterType variant, int sizeMm, bool metric)
{
    const std::optional<LimitRow> listed = veldrixLimits(variant, sizeMm);
    if (!listed)
        return std::nullopt;
    const LimitRow row = metric ? *listed : imperialLimits(*listed);
    const double perFlow = probe.meterFlowPerUnitFlow(variant);
    if (!(perFlow > 0) || !std::isfinite(perFlow))
        return std::nullopt;
    return Edges{bandEdge(probe, variant, row.q1M3PerHour / perFlow),
                 bandEdge(probe, variant, row.q2M3PerHour / perFlow),
                 bandEdge(probe, variant, row.qbM3PerHour / perFlow)};
}

double decadeBelow(double x) { return std::pow(10.0, std::floor(std::log10(x))); }
double decadeAbove(double x) { return std::pow(10.0, std::ceil(std::log10(x))); }

// The flows a curve is worked out at, rising, each once, all on the axis.
std::vector<double> onAxis(std::vector<double> flows, double min, double max)
{
    std::erase_if(flows, [min, max](double f) { return !(f >= min && f <= max); });
    std::sort(flows.begin(), flows.end());
    flows.erase(std::unique(flows.begin(), flows.end()), flows.end());
    return flows;
}

ChartCurve curveAt(Probe &probe, MeterType type, const std::vector<double> &flows)
{
    ChartCurve curve;
    curve.type = type;
    QList<ChartPoint> run;
    for (double flow : flows) {
        if (const std::optional<double> figure = probe.figure(type, flow)) {
            run.append({flow, *figure});
        } else if (!run.isEmpty()) {
            curve.runs.append(run);
            run.clear();
        }
    }
    if (!run.isEmpty())
        curve.runs.append(run);
    return curve;
}

} // namespace

ChartData accuracyChart(const InputTexts &texts, MeterType chosen, const TextTable &table)
{
    QString sizeText;
    const auto emptyChart = [&](ChartEmpty why) {
        ChartData empty;
        empty.empty = why;
        empty.chosen = chosen;
        empty.flowUnit = texts.unit;
        empty.meterSizeText = sizeText;
        return empty;
    };
    const Inputs in = readInputs(texts, table);
    const std::optional<short> size = meterSizeMm(in.meterSize, in.metric);
    if (!(in.meterSize > 0) || !size || *size <= 0)
        return emptyChart(ChartEmpty::NoSize);
    if (!in.unit)
        return emptyChart(ChartEmpty::NoUnit);
    const int s = *size;
    sizeText = num::general15(in.meterSize) + u' ' + Presenter(table).sizeUnit(in.metric);

    Probe probe(in);
    std::array<std::optional<Edges>, 2> edges;
    for (MeterType variant : kVeldrixVariants)
        edges[size_t(veldrixIndex(variant))] = veldrixEdges(probe, variant, s, in.metric);
    const bool rated = s >= kSmallestRatedMeterMm;
    const bool limited = edges[0] || edges[1];
    if (!rated && !limited)
        return emptyChart(ChartEmpty::NoFigures);
    const double velocityPerFlow = probe.velocityPerUnitFlow();
    // A bore for which no flow gives a velocity is as good as no size.
    if (!(velocityPerFlow > 0) || !std::isfinite(velocityPerFlow))
        return emptyChart(ChartEmpty::NoSize);
    ChartData data = emptyChart(ChartEmpty::None);

    // The range that matters for the size, then the typed flow within reach.
    double lo = HUGE_VAL, hi = 0;
    if (limited) {
        for (const std::optional<Edges> &e : edges) {
            if (e) {
                lo = std::min(lo, (*e)[0].at / kBeyondLimits);
                hi = std::max(hi, (*e)[2].at * kBeyondLimits);
            }
        }
    } else {
        lo = kLowestVelocity / velocityPerFlow;
        hi = kHighestVelocity / velocityPerFlow;
    }
    const double typed = in.flow;
    const bool typedFlow = typed > 0 && std::isfinite(typed);
    const bool typedOnAxis = typedFlow && typed >= lo / kCurrentReach && typed <= hi * kCurrentReach;
    if (typedOnAxis) {
        lo = std::min(lo, typed / kCurrentMargin);
        hi = std::max(hi, typed * kCurrentMargin);
    }
    data.flowMin = decadeBelow(lo);
    data.flowMax = decadeAbove(hi);
    if (!(data.flowMin > 0) || !std::isfinite(data.flowMax) || !(data.flowMax > data.flowMin))
        return emptyChart(ChartEmpty::NoSize);

    // Where each curve is worked out: the rated types on an even logarithmic
    // spacing with the bend at 0.5 m/s; the Veldrix types at both sides of
    // each band edge and at the ends; all of them at the typed flow, so the
    // marked point lies on its curve.
    std::vector<double> rateSamples;
    const int decades = int(std::lround(std::log10(data.flowMax / data.flowMin)));
    const int samples = decades * kSamplesPerDecade;
    const double firstDecade = std::log10(data.flowMin);
    for (int i = 0; i < samples; ++i)
        rateSamples.push_back(std::pow(10.0, firstDecade + double(i) / kSamplesPerDecade));
    rateSamples.push_back(data.flowMax);
    rateSamples.push_back(kFixedFigureVelocity / velocityPerFlow);
    if (typedOnAxis)
        rateSamples.push_back(typed);

    for (int i = 0; i < kMeterTypes; ++i) {
        const MeterType type = MeterType(i);
        std::vector<double> flows;
        if (isVeldrix(type)) {
            if (const std::optional<Edges> &e = edges[size_t(veldrixIndex(type))]) {
                flows = {data.flowMin, data.flowMax};
                for (const Edge &edge : *e)
                    flows.insert(flows.end(), {edge.below, edge.at});
                if (typedOnAxis)
                    flows.push_back(typed);
            }
        } else if (rated) {
            flows = rateSamples;
        }
        data.curves[size_t(i)] = curveAt(probe, type, onAxis(std::move(flows), data.flowMin, data.flowMax));
    }

    const MeterType marked = isVeldrix(chosen) ? chosen : MeterType::VeldrixMains;
    if (const std::optional<Edges> &e = edges[size_t(veldrixIndex(marked))])
        data.bands = ChartBands{marked, (*e)[0].at, (*e)[1].at, (*e)[2].at};

    if (typedFlow) {
        data.currentFlowText = num::general15(typed) + u' ' + texts.unit;
        if (chosen != MeterType::None) {
            const AccuracyResult result = probe.accuracy(chosen, typed);
            data.currentAccuracyText = Presenter::accuracy(result).value_or(QString());
            if (typedOnAxis) {
                if (const std::optional<double> figure = figureOf(result))
                    data.current = ChartPoint{typed, *figure};
            }
        }
        if (typedOnAxis)
            data.currentFlow = typed;
    }

    double shown = kWorstVeldrixBand;
    if (data.current)
        shown = std::max(shown, data.current->percent);
    data.percentMax = kPercentTops[std::size(kPercentTops) - 1];
    for (double top : kPercentTops) {
        if (top >= shown * kTopRoom) {
            data.percentMax = top;
            break;
        }
    }
    return data;
}

std::optional<double> curveValueAt(const ChartCurve &curve, double flow)
{
    for (const QList<ChartPoint> &run : curve.runs) {
        if (run.isEmpty() || !(flow >= run.front().flow && flow <= run.back().flow))
            continue;
        // The first point beyond the flow; the one before it is at or below it.
        const auto after = std::upper_bound(run.begin(), run.end(), flow,
                                            [](double f, const ChartPoint &p) { return f < p.flow; });
        const ChartPoint &a = *(after - 1);
        if (a.flow == flow || after == run.end())
            return a.percent;
        const ChartPoint &b = *after;
        const double t = std::log(flow / a.flow) / std::log(b.flow / a.flow);
        return a.percent + t * (b.percent - a.percent);
    }
    return std::nullopt;
}

} // namespace velocity
