// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Draws the accuracy chart: the chart window paints it on screen and the data
// sheet into its PDF, so both show the same picture. Everything is drawn as
// vectors and text (no pixmaps), so it stays sharp at any scale.
//
// Sizes follow the painter's font: line widths, gaps and markers are parts of
// its line height, so the chart reads the same in a window and on a page
// printed at any resolution.

#include "core/velocity/accuracychart.h"

#include <QRectF>

class QPainter;
class QString;

// Paints `data` into `area` of `painter`: the axes with their titles, the four
// curves (the chosen type strong, the others light) with a legend, the
// Veldrix bands and the current flow with its value; or, for an empty chart,
// a sentence that says what to type. Words come through Qt's translations.
void paintAccuracyChart(QPainter &painter, const QRectF &area, const velocity::ChartData &data);

// Paints `area` as an empty chart with `sentence` in its middle.
void paintChartMessage(QPainter &painter, const QRectF &area, const QString &sentence);
