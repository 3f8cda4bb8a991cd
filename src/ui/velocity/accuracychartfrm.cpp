// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/velocity/accuracychartfrm.h"

#include "ui/common/appstate.h"
#include "ui/velocity/accuracychartpainter.h"
#include "ui/velocity/velocityfrm.h"

#include <QPainter>

AccuracyChartFrm::AccuracyChartFrm(AppState &app, QWidget *parent) : QWidget(parent), m_app(app)
{
    setObjectName(QStringLiteral("AccuracyChartFrm"));
    setWindowTitle(tr("Accuracy chart"));
    setAccessibleName(tr("Accuracy chart"));
    // The chart is painted whole on every update; nothing shows through.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(0);
    connect(&m_refresh, &QTimer::timeout, this, &AccuracyChartFrm::refresh);
    refresh();
}

void AccuracyChartFrm::follow(Velocityfrm *screen)
{
    if (screen == m_screen)
        return;
    disconnect(m_changed);
    m_screen = screen;
    if (screen) {
        m_changed = connect(screen, &Velocityfrm::changed, this, &AccuracyChartFrm::refreshSoon);
        // A closed screen: the window says to open the velocity tool again.
        connect(screen, &QObject::destroyed, this, &AccuracyChartFrm::refreshSoon);
    }
    refreshSoon();
}

void AccuracyChartFrm::refreshSoon()
{
    if (!m_refresh.isActive())
        m_refresh.start();
}

void AccuracyChartFrm::refresh()
{
    m_refresh.stop();
    m_data = m_screen ? velocity::accuracyChart(m_screen->currentInputs(), m_app.velocity.meterType, m_app.texts)
                      : velocity::ChartData{};
    update();
}

QSize AccuracyChartFrm::sizeHint() const
{
    const int em = fontMetrics().height();
    return QSize(48 * em, 30 * em);
}

QSize AccuracyChartFrm::minimumSizeHint() const
{
    const int em = fontMetrics().height();
    return QSize(24 * em, 15 * em);
}

void AccuracyChartFrm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_screen)
        paintAccuracyChart(painter, rect(), m_data);
    else
        paintChartMessage(painter, rect(), tr("Open the velocity tool to see the accuracy chart."));
}
