// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/velocity/accuracychartpainter.h"

#include "core/common/numbers.h"
#include "core/velocity/presenter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <climits>
#include <cmath>

using namespace velocity;

namespace {

QColor typeColour(MeterType type)
{
    switch (type) {
    case MeterType::Prandel:
        return QColor(0, 90, 180);
    case MeterType::VeldrixMains:
        return QColor(0, 135, 75);
    case MeterType::Brevil:
        return QColor(205, 105, 0);
    case MeterType::VeldrixBattery:
        return QColor(145, 50, 165);
    case MeterType::None:
        break;
    }
    return Qt::black;
}

// A type's colour for a curve that is not the chosen one: lighter, so the
// chosen curve stands out wherever they cross.
QColor lightColour(const QColor &c)
{
    constexpr double keep = 0.5;
    return QColor::fromRgbF(float(c.redF() * keep + 1 - keep), float(c.greenF() * keep + 1 - keep),
                            float(c.blueF() * keep + 1 - keep));
}

const QColor kInk(40, 40, 40);
const QColor kAxis(90, 90, 90);
const QColor kDecadeGrid(205, 205, 205);
const QColor kMinorGrid(232, 232, 232);
const QColor kBandLine(70, 70, 70);
const QColor kMissing(150, 150, 150);

// The steps of the accuracy axis's labels for each top it may take.
double percentStep(double top)
{
    if (top <= 6)
        return 1;
    if (top <= 10)
        return 2;
    if (top <= 30)
        return 5;
    return 10;
}

// A tick label: a finite value as the suite writes numbers (exponent form for
// the very large and very small); never "inf" or "nan".
QString tickText(double value) { return num::general7(float(value)); }

QString emptySentence(const ChartData &data)
{
    switch (data.empty) {
    case ChartEmpty::NoSize:
        return QCoreApplication::translate("AccuracyChart",
                                           "Type a meter size above 0 on the velocity screen to see its accuracy chart.");
    case ChartEmpty::NoUnit:
        return QCoreApplication::translate("AccuracyChart",
                                           "Choose a flow unit on the velocity screen to see the accuracy chart.");
    case ChartEmpty::NoFigures:
        return QCoreApplication::translate("AccuracyChart",
                                           "None of the meter types has accuracy figures for a meter size of %1.")
            .arg(data.meterSizeText);
    case ChartEmpty::None:
        break;
    }
    return QString();
}

QFont boldOf(QFont font)
{
    font.setBold(true);
    return font;
}

// One painting of a chart with curves. Coordinates: x rises with the
// logarithm of the flow, y with the percent, inside `m_plot`.
class ChartPainter
{
public:
    ChartPainter(QPainter &painter, const QRectF &area, const ChartData &data)
        : m_p(painter), m_area(area), m_data(data), m_font(painter.font()), m_bold(boldOf(m_font)),
          m_metrics(m_font, painter.device()), m_boldMetrics(m_bold, painter.device()), m_em(m_metrics.height()),
          m_line(std::max(m_em / 16, 0.5))
    {
        m_logMin = std::log10(data.flowMin);
        m_logSpan = std::log10(data.flowMax) - m_logMin;
    }

    bool layOut();
    void paint();

private:
    double x(double flow) const { return m_plot.left() + (std::log10(flow) - m_logMin) / m_logSpan * m_plot.width(); }
    double y(double percent) const
    {
        return m_plot.bottom() - std::min(percent, m_data.percentMax) / m_data.percentMax * m_plot.height();
    }
    double textWidth(const QString &text, const QFont &font) const
    {
        return (font.bold() ? m_boldMetrics : m_metrics).horizontalAdvance(text);
    }
    QPen curvePen(MeterType type) const;
    // A width for a line drawn without smoothing: whole device pixels (at
    // least one), so every such line of a kind looks alike wherever it falls.
    double crisp(double width) const
    {
        const double ratio = m_p.device()->devicePixelRatioF();
        return std::max(1.0, std::round(width * ratio)) / ratio;
    }

    struct LegendEntry {
        QString text;
        QPen pen;
        bool bold = false;
        bool missing = false;
    };
    QList<LegendEntry> legendEntries() const;
    // Lays the legend out in rows from `top` within the area's width; returns
    // where it ends. Paints it when `paint` is set.
    double legend(double top, bool paint);

    void grid();
    void bands();
    void curves();
    void current();
    void axisTitles();
    QString offAxisNote() const;
    // Draws one line of text in `box`, cut short with an ellipsis when it
    // does not fit.
    void drawTextLine(const QRectF &box, const QString &text, const QFont &font, Qt::Alignment align = Qt::AlignLeft);

    QPainter &m_p;
    QRectF m_area;
    const ChartData &m_data;
    QFont m_font;
    QFont m_bold;
    QFontMetricsF m_metrics;
    QFontMetricsF m_boldMetrics;
    double m_em;
    double m_line; // the width of a thin line
    double m_logMin = 0;
    double m_logSpan = 1;
    QRectF m_plot;
    double m_legendTop = 0;
    double m_titleTop = 0;
    double m_noteTop = 0;
    QList<double> m_percentTicks;
    QList<double> m_flowTicks; // labelled ones
    // The lines drawn so far (curves and bands), which a label should not hide.
    QList<QLineF> m_drawn;
};

// Whether `line` runs through `rect`.
bool crosses(const QRectF &rect, const QLineF &line)
{
    // Most lines pass well clear: their bounds tell at once.
    if (std::max(line.x1(), line.x2()) < rect.left() || std::min(line.x1(), line.x2()) > rect.right()
        || std::max(line.y1(), line.y2()) < rect.top() || std::min(line.y1(), line.y2()) > rect.bottom())
        return false;
    if (rect.contains(line.p1()) || rect.contains(line.p2()))
        return true;
    const QLineF edges[] = {{rect.topLeft(), rect.topRight()}, {rect.topRight(), rect.bottomRight()},
                            {rect.bottomRight(), rect.bottomLeft()}, {rect.bottomLeft(), rect.topLeft()}};
    for (const QLineF &edge : edges) {
        if (line.intersects(edge, nullptr) == QLineF::BoundedIntersection)
            return true;
    }
    return false;
}

// Mitred joins: the Veldrix steps keep square corners, and between the
// rated curves' close samples a join cannot be told from a round one (which
// costs a trigonometric arc at every point).
QPen ChartPainter::curvePen(MeterType type) const
{
    const QColor colour = typeColour(type);
    const bool strong = type == m_data.chosen, light = !strong && m_data.chosen != MeterType::None;
    const double width = strong ? 2.6 : light ? 1.0 : 1.6;
    return QPen(light ? lightColour(colour) : colour, width * m_line, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

QList<ChartPainter::LegendEntry> ChartPainter::legendEntries() const
{
    QList<LegendEntry> entries;
    for (int i = 0; i < kMeterTypes; ++i) {
        const MeterType type = MeterType(i);
        LegendEntry e;
        e.text = Presenter::meterTypeName(type);
        e.pen = curvePen(type);
        e.bold = type == m_data.chosen;
        e.missing = m_data.curves[size_t(i)].runs.isEmpty();
        if (e.missing)
            e.text = QCoreApplication::translate("AccuracyChart", "%1 (no figures for this size)").arg(e.text);
        entries.append(e);
    }
    if (m_data.bands) {
        LegendEntry e;
        e.text = QCoreApplication::translate("AccuracyChart", "Q1, Q2, Qb of %1")
                     .arg(Presenter::meterTypeName(m_data.bands->variant));
        e.pen = QPen(kBandLine, m_line, Qt::DashLine);
        entries.append(e);
    }
    return entries;
}

double ChartPainter::legend(double top, bool paint)
{
    const double sample = 2.2 * m_em, gap = 0.4 * m_em, between = 1.4 * m_em, rowHeight = 1.25 * m_em;
    const double left = m_area.left() + m_em, right = m_area.right() - m_em;
    double px = left, py = top;
    for (const LegendEntry &e : legendEntries()) {
        // A type without a curve is named in grey, without a line.
        const QFont &font = e.bold ? m_bold : m_font;
        const double lineWidth = e.missing ? 0 : sample + gap;
        const double width = lineWidth + textWidth(e.text, font);
        if (px > left && px + width > right) {
            px = left;
            py += rowHeight;
        }
        if (paint) {
            const double mid = py + rowHeight / 2;
            if (!e.missing) {
                m_p.setPen(e.pen);
                m_p.drawLine(QPointF(px, mid), QPointF(px + sample, mid));
            }
            m_p.setFont(font);
            m_p.setPen(e.missing ? kMissing : kInk);
            m_p.drawText(QRectF(px + lineWidth, py, width, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, e.text);
        }
        px += width + between;
    }
    return py + rowHeight;
}

bool ChartPainter::layOut()
{
    const double pad = 0.6 * m_em;
    m_titleTop = m_area.top() + pad;
    m_legendTop = m_titleTop + 1.4 * m_em;
    double legendBottom = legend(m_legendTop, false);
    if (!offAxisNote().isEmpty()) {
        m_noteTop = legendBottom;
        legendBottom += 1.25 * m_em;
    }

    const double top = m_data.percentMax, step = percentStep(top);
    for (int i = 0; i * step <= top + 1e-9; ++i)
        m_percentTicks.append(i * step);
    double labelWidth = 0;
    for (double t : m_percentTicks)
        labelWidth = std::max(labelWidth, textWidth(tickText(t), m_font));

    const double tick = 0.35 * m_em;
    const double left = m_area.left() + pad + m_em + 0.5 * m_em + labelWidth + tick + 0.3 * m_em;
    const double bottom = m_area.bottom() - pad - m_em - 0.4 * m_em - m_em - tick;
    const double lastLabel = textWidth(tickText(m_data.flowMax), m_font);
    const double right = m_area.right() - pad - lastLabel / 2;
    m_plot = QRectF(QPointF(left, legendBottom + 0.8 * m_em), QPointF(right, bottom));
    if (m_plot.width() < 8 * m_em || m_plot.height() < 5 * m_em)
        return false;

    // Each decade is labelled, or every second one when their labels would
    // crowd; a narrow axis of one or two decades also labels 2 and 5.
    const int decades = int(std::lround(m_logSpan));
    double widest = 0;
    for (int k = 0; k <= decades; ++k)
        widest = std::max(widest, textWidth(tickText(std::pow(10.0, m_logMin + k)), m_font));
    const double perDecade = m_plot.width() / std::max(1, decades);
    const int every = perDecade >= widest + m_em ? 1 : perDecade * 2 >= widest + m_em ? 2 : 5;
    for (int k = 0; k <= decades; k += every) {
        const double decade = std::pow(10.0, std::round(m_logMin) + k);
        m_flowTicks.append(decade);
        if (decades <= 2 && k < decades && perDecade >= 4 * (widest + m_em)) {
            m_flowTicks.append(2 * decade);
            m_flowTicks.append(5 * decade);
        }
    }
    return true;
}

void ChartPainter::grid()
{
    // The grid, the frame and the ticks run along the pixel rows and columns:
    // drawn without smoothing they stay crisp and cost little, each kind of
    // line in one call.
    m_p.save();
    m_p.setRenderHint(QPainter::Antialiasing, false);
    const double tick = 0.35 * m_em;
    const int decades = int(std::lround(m_logSpan));
    QList<QLineF> minor, major, ticks;
    for (int k = 0; k < decades; ++k) {
        const double decade = std::pow(10.0, std::round(m_logMin) + k);
        for (int m = 2; m <= 9; ++m)
            minor.append(QLineF(x(m * decade), m_plot.top(), x(m * decade), m_plot.bottom()));
        if (k > 0)
            major.append(QLineF(x(decade), m_plot.top(), x(decade), m_plot.bottom()));
    }
    for (double t : m_percentTicks) {
        if (t > 0 && t < m_data.percentMax)
            major.append(QLineF(m_plot.left(), y(t), m_plot.right(), y(t)));
        ticks.append(QLineF(m_plot.left() - tick, y(t), m_plot.left(), y(t)));
    }
    for (double f : m_flowTicks)
        ticks.append(QLineF(x(f), m_plot.bottom(), x(f), m_plot.bottom() + tick));
    m_p.setPen(QPen(kMinorGrid, crisp(m_line * 0.8)));
    m_p.drawLines(minor);
    m_p.setPen(QPen(kDecadeGrid, crisp(m_line * 0.8)));
    m_p.drawLines(major);
    m_p.setPen(QPen(kAxis, crisp(m_line)));
    m_p.drawLines(ticks);
    m_p.setBrush(Qt::NoBrush);
    m_p.drawRect(m_plot);
    m_p.restore();

    m_p.setFont(m_font);
    m_p.setPen(kInk);
    for (double t : m_percentTicks)
        m_p.drawText(QRectF(m_area.left(), y(t) - m_em, m_plot.left() - tick - 0.3 * m_em - m_area.left(), 2 * m_em),
                     Qt::AlignRight | Qt::AlignVCenter, tickText(t));
    for (double f : m_flowTicks)
        m_p.drawText(QRectF(x(f) - 4 * m_em, m_plot.bottom() + tick, 8 * m_em, 1.2 * m_em),
                     Qt::AlignHCenter | Qt::AlignTop, tickText(f));
}

void ChartPainter::axisTitles()
{
    m_p.setFont(m_font);
    m_p.setPen(kInk);
    const QString flowTitle = QCoreApplication::translate("AccuracyChart", "Flow rate (%1)").arg(m_data.flowUnit);
    m_p.drawText(QRectF(m_plot.left(), m_plot.bottom() + 0.35 * m_em + 1.3 * m_em, m_plot.width(), 1.2 * m_em),
                 Qt::AlignHCenter | Qt::AlignTop, flowTitle);
    const QString percentTitle = QCoreApplication::translate("AccuracyChart", "Accuracy limit (± %)");
    m_p.save();
    m_p.translate(m_area.left() + 0.6 * m_em, m_plot.center().y());
    m_p.rotate(-90);
    m_p.drawText(QRectF(-m_plot.height() / 2, 0, m_plot.height(), 1.2 * m_em), Qt::AlignHCenter | Qt::AlignTop,
                 percentTitle);
    m_p.restore();

    const QString title = QCoreApplication::translate("AccuracyChart", "Accuracy limit against flow rate, meter size %1")
                              .arg(m_data.meterSizeText);
    drawTextLine(QRectF(m_area.left() + m_em, m_titleTop, m_area.width() - 2 * m_em, 1.3 * m_em), title, m_bold);
}

void ChartPainter::bands()
{
    if (!m_data.bands)
        return;
    const ChartBands &b = *m_data.bands;
    const std::pair<double, QString> lines[] = {
        {b.q1, QCoreApplication::translate("AccuracyChart", "Q1", "minimum flow")},
        {b.q2, QCoreApplication::translate("AccuracyChart", "Q2", "transitional flow")},
        {b.qb, QCoreApplication::translate("AccuracyChart", "Qb", "flow of best accuracy")}};
    QPen pen(kBandLine, crisp(m_line), Qt::DashLine);
    m_p.setFont(m_font);
    double lastRight = -HUGE_VAL;
    int row = 0;
    for (const auto &[flow, label] : lines) {
        const double xb = x(flow);
        // Upright dashes need no smoothing, which would stroke each one.
        m_p.setRenderHint(QPainter::Antialiasing, false);
        m_p.setPen(pen);
        m_p.drawLine(QPointF(xb, m_plot.top()), QPointF(xb, m_plot.bottom()));
        m_p.setRenderHint(QPainter::Antialiasing, true);
        m_drawn.append(QLineF(xb, m_plot.top(), xb, m_plot.bottom()));
        // The label stands at the top of its line, one row lower when it
        // would run into the one before (a narrow chart).
        const double w = textWidth(label, m_font) + 0.5 * m_em;
        row = xb - w / 2 < lastRight ? row + 1 : 0;
        const QRectF box(xb - w / 2, m_plot.top() + 0.25 * m_em + row * 1.3 * m_em, w, 1.2 * m_em);
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(Qt::white);
        m_p.drawRect(box);
        m_p.setBrush(Qt::NoBrush);
        m_p.setPen(kBandLine);
        m_p.drawText(box, Qt::AlignCenter, label);
        lastRight = box.right();
    }
}

// The curves are cut where they leave the top of the axis: a segment that
// crosses it ends at the crossing, worked out on the chart's own scales (the
// logarithmic flow, the linear percent), so a line leaves the plot exactly
// where it crosses the top and nothing is drawn far outside it (a rated
// curve climbs to thousands of percent at the smallest flows). Points are
// never above the axis's bottom, nor outside its flows.
void ChartPainter::curves()
{
    const double top = m_data.percentMax;
    const auto at = [this](const ChartPoint &p) { return QPointF(x(p.flow), y(p.percent)); };
    const auto crossing = [&](const ChartPoint &a, const ChartPoint &b) {
        const double t = (top - a.percent) / (b.percent - a.percent);
        return QPointF(x(a.flow) + t * (x(b.flow) - x(a.flow)), y(top));
    };
    QList<MeterType> order;
    for (int i = 0; i < kMeterTypes; ++i) {
        if (MeterType(i) != m_data.chosen)
            order.append(MeterType(i));
    }
    if (m_data.chosen != MeterType::None)
        order.append(m_data.chosen); // drawn last, over the others

    const auto stroke = [this](const QPolygonF &line) {
        m_p.drawPolyline(line);
        for (qsizetype i = 1; i < line.size(); ++i)
            m_drawn.append(QLineF(line[i - 1], line[i]));
    };
    m_p.save();
    m_p.setClipRect(m_plot.adjusted(-m_line, -m_line, m_line, m_line));
    for (MeterType type : order) {
        m_p.setPen(curvePen(type));
        for (const QList<ChartPoint> &run : m_data.curves[size_t(type)].runs) {
            if (run.size() == 1 && run.front().percent <= top) {
                m_p.drawPoint(at(run.front()));
                continue;
            }
            QPolygonF line;
            // A point level with the two before it only lengthens the level
            // stretch (a fixed figure, a Veldrix band): it moves the end
            // instead of adding a join to stroke.
            const auto add = [&line](const QPointF &p) {
                const qsizetype n = line.size();
                if (n >= 2 && line[n - 1].y() == p.y() && line[n - 2].y() == p.y())
                    line[n - 1] = p;
                else
                    line.append(p);
            };
            for (qsizetype i = 1; i < run.size(); ++i) {
                const ChartPoint &a = run[i - 1], &b = run[i];
                const bool inA = a.percent <= top, inB = b.percent <= top;
                if (inA && line.isEmpty())
                    add(at(a));
                if (inA && inB) {
                    add(at(b));
                } else if (inA) {
                    add(crossing(a, b));
                    stroke(line);
                    line.clear();
                } else if (inB) {
                    add(crossing(a, b));
                    add(at(b));
                }
            }
            if (line.size() > 1)
                stroke(line);
        }
    }
    m_p.restore();
}

void ChartPainter::current()
{
    if (!m_data.currentFlow)
        return;
    const double xc = x(*m_data.currentFlow);
    m_p.setRenderHint(QPainter::Antialiasing, false);
    m_p.setPen(QPen(kInk, crisp(m_line), Qt::DotLine));
    m_p.drawLine(QPointF(xc, m_plot.top()), QPointF(xc, m_plot.bottom()));
    m_p.setRenderHint(QPainter::Antialiasing, true);

    // The marker on the chosen curve; above the axis's top, an arrow at the
    // top pointing up (the label gives the figure).
    QPointF mark(xc, m_plot.top() + 3 * m_em);
    if (m_data.current) {
        const QColor colour = typeColour(m_data.chosen);
        const double r = 0.32 * m_em;
        m_p.setPen(QPen(Qt::white, m_line));
        m_p.setBrush(colour);
        if (m_data.current->percent <= m_data.percentMax) {
            mark = QPointF(xc, y(m_data.current->percent));
            m_p.drawEllipse(mark, r, r);
        } else {
            mark = QPointF(xc, m_plot.top());
            const QPointF arrow[] = {{xc, mark.y() - r}, {xc - r, mark.y() + r}, {xc + r, mark.y() + r}};
            m_p.drawPolygon(arrow, 3);
        }
        m_p.setBrush(Qt::NoBrush);
    }

    // The label: the typed flow, and the chosen type's accuracy as its box
    // on the screen shows it. Beside the marker, on whichever side has room,
    // kept inside the plot.
    QStringList lines = {m_data.currentFlowText};
    if (m_data.chosen != MeterType::None && !m_data.currentAccuracyText.trimmed().isEmpty())
        lines << Presenter::meterTypeName(m_data.chosen) + QStringLiteral(": ") + m_data.currentAccuracyText.trimmed();
    double w = 0;
    for (const QString &line : lines)
        w = std::max(w, textWidth(line, m_font));
    const double padding = 0.35 * m_em;
    const QSizeF size(w + 2 * padding, lines.size() * m_metrics.lineSpacing() + 2 * padding);
    // Of the places beside the marker (above or below it, right or left, or
    // at the top of the plot), the one that hides the fewest lines, kept
    // inside the plot; the earlier place wins a tie.
    const double off = 0.7 * m_em;
    const QPointF corners[] = {{mark.x() + off, mark.y() - size.height() - off},
                               {mark.x() - off - size.width(), mark.y() - size.height() - off},
                               {mark.x() + off, mark.y() + off},
                               {mark.x() - off - size.width(), mark.y() + off},
                               {mark.x() + off, m_plot.top() + 2 * m_em},
                               {mark.x() - off - size.width(), m_plot.top() + 2 * m_em}};
    const double inset = 0.2 * m_em;
    QRectF box;
    int fewest = INT_MAX;
    for (QPointF corner : corners) {
        corner.setX(std::clamp(corner.x(), m_plot.left() + inset,
                               std::max(m_plot.left() + inset, m_plot.right() - size.width() - inset)));
        corner.setY(std::clamp(corner.y(), m_plot.top() + inset,
                               std::max(m_plot.top() + inset, m_plot.bottom() - size.height() - inset)));
        const QRectF place(corner, size);
        const QRectF markArea(mark - QPointF(off, off), QSizeF(2 * off, 2 * off));
        int hidden = place.intersects(markArea) ? 1000 : 0;
        for (const QLineF &line : std::as_const(m_drawn))
            hidden += crosses(place, line);
        if (hidden < fewest) {
            fewest = hidden;
            box = place;
        }
    }
    // An opaque box: blending a translucent one costs more than the whole
    // rest of the label, and it sits where it hides the fewest lines anyway.
    m_p.setPen(QPen(m_data.current ? typeColour(m_data.chosen) : kInk, m_line));
    m_p.setBrush(Qt::white);
    m_p.drawRoundedRect(box, 0.3 * m_em, 0.3 * m_em);
    m_p.setBrush(Qt::NoBrush);
    m_p.setPen(kInk);
    m_p.setFont(m_font);
    m_p.drawText(box.adjusted(padding, padding, -padding, -padding), Qt::AlignLeft | Qt::AlignTop, lines.join(u'\n'));
}

void ChartPainter::paint()
{
    grid();
    bands();
    curves();
    current();
    axisTitles();
    legend(m_legendTop, true);

    const QString note = offAxisNote();
    if (!note.isEmpty()) {
        m_p.setPen(kInk);
        drawTextLine(QRectF(m_area.left() + m_em, m_noteTop, m_area.width() - 2 * m_em, 1.25 * m_em), note, m_font);
    }
}

// A typed flow too far from the size's range to be marked: its value is still
// told, under the legend.
QString ChartPainter::offAxisNote() const
{
    if (m_data.currentFlow || m_data.currentFlowText.isEmpty())
        return QString();
    QString note =
        QCoreApplication::translate("AccuracyChart", "%1 lies outside the flow axis").arg(m_data.currentFlowText);
    if (m_data.chosen != MeterType::None && !m_data.currentAccuracyText.trimmed().isEmpty())
        note += QStringLiteral("; ") + Presenter::meterTypeName(m_data.chosen) + QStringLiteral(": ")
                + m_data.currentAccuracyText.trimmed();
    return note;
}

void ChartPainter::drawTextLine(const QRectF &box, const QString &text, const QFont &font, Qt::Alignment align)
{
    m_p.setFont(font);
    const QString shown = (font.bold() ? m_boldMetrics : m_metrics).elidedText(text, Qt::ElideRight, box.width());
    m_p.drawText(box, align | Qt::AlignVCenter, shown);
}

} // namespace

void paintChartMessage(QPainter &painter, const QRectF &area, const QString &sentence)
{
    painter.save();
    painter.fillRect(area, Qt::white);
    const double em = QFontMetricsF(painter.font(), painter.device()).height();
    painter.setPen(kInk);
    painter.drawText(area.adjusted(2 * em, em, -2 * em, -em), Qt::AlignCenter | Qt::TextWordWrap, sentence);
    painter.restore();
}

void paintAccuracyChart(QPainter &painter, const QRectF &area, const ChartData &data)
{
    if (data.empty != ChartEmpty::None) {
        paintChartMessage(painter, area, emptySentence(data));
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(area, Qt::white);
    painter.setClipRect(area, Qt::IntersectClip);
    ChartPainter chart(painter, area, data);
    if (chart.layOut())
        chart.paint();
    else
        paintChartMessage(painter, area,
                          QCoreApplication::translate("AccuracyChart", "Enlarge the window to see the chart."));
    painter.restore();
}
