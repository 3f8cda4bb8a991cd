// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The accuracy chart window: a child window of the main window that shows the
// accuracy limit of the four meter types over the flow for what is typed on
// the velocity screen, and follows that screen as the user types.
//
// The screen says when a handler ran (Velocityfrm::changed); one keystroke
// runs several, so the window gathers them and works the chart out once, at
// the next turn of the event loop, after the whole cascade has run. The
// chosen meter type is the program's choice (AppState::velocity.meterType).

#include "core/velocity/accuracychart.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

struct AppState;
class Velocityfrm;

class AccuracyChartFrm : public QWidget
{
    Q_OBJECT
public:
    explicit AccuracyChartFrm(AppState &app, QWidget *parent = nullptr);

    // Follows `screen` from now on (nullptr: no velocity screen is open).
    void follow(Velocityfrm *screen);
    bool followsScreen() const { return !m_screen.isNull(); }
    // Works the chart out anew at the next turn of the event loop; any number
    // of calls before then make one update.
    void refreshSoon();

    // The chart as last worked out (empty while no screen is followed).
    const velocity::ChartData &data() const { return m_data; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void refresh();

    AppState &m_app;
    QPointer<Velocityfrm> m_screen;
    QMetaObject::Connection m_changed;
    QTimer m_refresh;
    velocity::ChartData m_data;
};
