#include "ui/velocity/accuracychartpainter.h"

#include <QPainter>

void paintAccuracyChart(QPainter &painter, const QRectF &area, const velocity::ChartData &)
{
    painter.drawRect(area);
}
