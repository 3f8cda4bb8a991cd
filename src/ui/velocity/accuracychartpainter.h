#pragma once
// Draws the accuracy chart: the chart window paints it on screen and the data
// sheet into its PDF, so both show the same picture. Everything is drawn as
// vectors and text (no pixmaps), so it stays sharp at any scale.

#include "core/velocity/accuracychart.h"

#include <QRectF>

class QPainter;

// Paints `data` into `area` of `painter`: the axes with their titles, the four
// curves (the chosen type strong, the others light) with a legend, the
// Veldrix bands and the current flow with its value; or, for an empty chart,
// a sentence that says what to type. Words come through Qt's translations.
void paintAccuracyChart(QPainter &painter, const QRectF &area, const velocity::ChartData &data);
