// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A data sheet: what a calculator screen shows, kept as a one-page vector PDF
// to attach to a tender or a site's papers. Its rows hold the captions,
// values and units exactly as the screen shows them, so nothing is formatted
// a second time; the velocity tools add their accuracy chart.

#include "core/velocity/accuracychart.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>

class QWidget;

// A block of the sheet: a heading and rows of cells. Without column headings
// a row is a caption, a value and a unit; with them, a table.
struct SheetSection {
    QString heading;
    QStringList columns;
    QList<QStringList> rows;
};

struct DataSheet {
    QString tool; // the screen's heading, as it shows it
    QList<SheetSection> sections;
    std::optional<velocity::ChartData> chart;
};

// A screen that can hand out a data sheet of what it shows now.
class DataSheetSource
{
public:
    virtual ~DataSheetSource() = default;
    virtual DataSheet dataSheet() const = 0;
};

// What heads every sheet.
struct SheetHeading {
    QString suite;    // the suite's name and version
    QDateTime when;
    QString language; // the loaded language's own name
    QString unitsCaption; // "Units", from the language file
    QString units;    // the unit system's name
};

// The text a control shows: a text box's or a label's text, a list's current
// text, a frame's title, a button's caption.
QString shownText(const QWidget *control);

// Collects a screen's rows, leaving out what the screen does not show.
class SheetBuilder
{
public:
    SheetBuilder(const QWidget *screen, DataSheet &sheet) : m_screen(screen), m_sheet(sheet) {}

    void section(const QString &heading, const QStringList &columns = {});
    // The controls' texts, when the first control is shown on the screen.
    void row(std::initializer_list<const QWidget *> cells);
    // A row under a caption of the sheet's own, when `shownWith` is shown.
    void row(const QString &caption, const QWidget *shownWith, std::initializer_list<const QWidget *> cells);
    bool shown(const QWidget *control) const;

private:
    const QWidget *m_screen;
    DataSheet &m_sheet;
};

// The sheet's own words, in the user's language.
struct SheetWords {
    Q_DECLARE_TR_FUNCTIONS(DataSheet)
};

// Writes the sheet as a one-page PDF on A4, or Letter where the user's
// regional settings measure in US units. The file appears whole or not at
// all; false, with the reason in `error`, when it cannot be written.
bool writeDataSheet(const DataSheet &sheet, const SheetHeading &heading, const QString &path, QString *error);

// The name a sheet is proposed under: the tool and the date, in the user's
// documents folder ("Velocity 2026-12-06.pdf").
QString proposedSheetPath(const QString &tool, const QDate &date);
