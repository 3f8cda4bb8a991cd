// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/datasheet.h"

#include "ui/velocity/accuracychartpainter.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

// The sheet is laid out in units of 1/96 inch, as a screen at the normal
// scale is: the chart draws on it exactly as in its window, and fonts in
// points keep their size.
constexpr int kResolution = 96;
constexpr double kGap = 14;        // between columns
constexpr double kLineSpacing = 1.35;
constexpr double kSectionGap = 10;
constexpr double kChartHeight = 300;

// Without ligatures: a reader copying "flow" from the PDF gets the letters
// f and l, not one ligature glyph.
QFont sized(double points, bool bold = false)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// Draws the sheet top down, moving `y` past what it drew.
class Layout
{
public:
    Layout(QPainter &painter, const QRectF &page) : m_p(painter), m_page(page), m_y(page.top()) {}

    void line(const QString &text, const QFont &font, const QColor &colour = Qt::black)
    {
        m_p.setFont(font);
        m_p.setPen(colour);
        const QFontMetricsF metrics(font, m_p.device());
        m_p.drawText(QPointF(m_page.left(), m_y + metrics.ascent()), text);
        m_y += metrics.height() * kLineSpacing;
    }

    // Cells in columns as wide as their widest cell (a row of column headings
    // first, when there is one).
    void table(const QStringList &columns, const QList<QStringList> &rows)
    {
        const QFont body = sized(10), head = sized(10, true);
        const QFontMetricsF bodyMetrics(body, m_p.device()), headMetrics(head, m_p.device());
        qsizetype count = columns.size();
        for (const QStringList &row : rows)
            count = std::max(count, row.size());
        QList<double> widths(count, 0);
        for (qsizetype c = 0; c < count; ++c) {
            if (c < columns.size())
                widths[c] = headMetrics.horizontalAdvance(columns[c]);
            for (const QStringList &row : rows) {
                if (c < row.size())
                    widths[c] = std::max(widths[c], bodyMetrics.horizontalAdvance(row[c]));
            }
        }
        auto draw = [&](const QStringList &cells, const QFont &font, const QFontMetricsF &metrics) {
            m_p.setFont(font);
            double x = m_page.left();
            for (qsizetype c = 0; c < cells.size(); ++c) {
                m_p.drawText(QPointF(x, m_y + metrics.ascent()), cells[c]);
                x += widths[c] + kGap;
            }
            m_y += metrics.height() * kLineSpacing;
        };
        m_p.setPen(Qt::black);
        if (!columns.isEmpty())
            draw(columns, head, headMetrics);
        for (const QStringList &row : rows)
            draw(row, body, bodyMetrics);
    }

    void rule()
    {
        m_p.setPen(QPen(QColor(0, 51, 153), 1));
        m_p.drawLine(QPointF(m_page.left(), m_y), QPointF(m_page.right(), m_y));
        m_y += kSectionGap;
    }
    void skip(double height) { m_y += height; }
    QRectF rest(double height) const { return QRectF(m_page.left(), m_y, m_page.width(), height); }

private:
    QPainter &m_p;
    QRectF m_page;
    double m_y;
};

} // namespace

QString shownText(const QWidget *control)
{
    if (auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *list = qobject_cast<const QComboBox *>(control))
        return list->currentText();
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    return {};
}

bool SheetBuilder::shown(const QWidget *control) const { return control && control->isVisibleTo(m_screen); }

void SheetBuilder::section(const QString &heading, const QStringList &columns)
{
    m_sheet.sections.append({heading, columns, {}});
}

void SheetBuilder::row(std::initializer_list<const QWidget *> cells)
{
    if (cells.size() == 0 || !shown(*cells.begin()))
        return;
    QStringList texts;
    for (const QWidget *cell : cells)
        texts << (shown(cell) ? shownText(cell).trimmed() : QString());
    m_sheet.sections.last().rows.append(texts);
}

void SheetBuilder::row(const QString &caption, const QWidget *shownWith, std::initializer_list<const QWidget *> cells)
{
    if (!shown(shownWith))
        return;
    QStringList texts{caption};
    for (const QWidget *cell : cells)
        texts << shownText(cell).trimmed();
    m_sheet.sections.last().rows.append(texts);
}

bool writeDataSheet(const DataSheet &sheet, const SheetHeading &heading, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kResolution);
        pdf.setCreator(heading.suite);
        pdf.setTitle(sheet.tool);
        const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
        pdf.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
        pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
        QPainter painter;
        if (!painter.begin(&pdf)) {
            file.cancelWriting();
            *error = SheetWords::tr("The PDF could not be started.");
            return false;
        }
        painter.setRenderHint(QPainter::Antialiasing);
        const QRect page = pdf.pageLayout().paintRectPixels(kResolution);
        Layout layout(painter, QRectF(QPointF(0, 0), page.size()));
        layout.line(sheet.tool, sized(18, true), QColor(0, 51, 153));
        layout.line(SheetWords::tr("Data sheet"), sized(11));
        layout.rule();
        layout.table({}, {{SheetWords::tr("Program"), heading.suite},
                          {SheetWords::tr("Date"), QLocale().toString(heading.when, QLocale::ShortFormat)},
                          {SheetWords::tr("Language"), heading.language},
                          {heading.unitsCaption, heading.units}});
        layout.skip(kSectionGap);
        for (const SheetSection &section : sheet.sections) {
            if (section.rows.isEmpty())
                continue;
            layout.line(section.heading, sized(12, true), QColor(0, 51, 153));
            layout.table(section.columns, section.rows);
            layout.skip(kSectionGap);
        }
        if (sheet.chart) {
            layout.line(SheetWords::tr("Accuracy against flow"), sized(12, true), QColor(0, 51, 153));
            painter.setFont(sized(9));
            paintAccuracyChart(painter, layout.rest(kChartHeight), *sheet.chart);
        }
        painter.end();
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

QString proposedSheetPath(const QString &tool, const QDate &date)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    QString name = tool.simplified();
    name.replace(u'/', u'-');
    if (name.isEmpty())
        name = SheetWords::tr("Data sheet");
    return QDir(folder).filePath(name + u' ' + date.toString(Qt::ISODate) + QStringLiteral(".pdf"));
}
