// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/shell/screenhost.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
// The area's minimum size takes in its child windows' minimum sizes, and the
// main window never gets smaller than its area's. A child window whose
// layout was redone (a screen made, new captions, a frame shown) may need
// more room than before: this tells the area to be measured again, so that
// the main window grows when a screen's content needs it.
class MinimumSizeWatch : public QObject
{
public:
    MinimumSizeWatch(QMdiSubWindow *sub, QMdiArea *area) : QObject(sub), m_area(area)
    {
        sub->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            m_area->updateGeometry();
        return false;
    }

private:
    QMdiArea *m_area;
};
} // namespace

ScreenHost::ScreenHost(QMdiArea *area, AppState &app) : m_area(area), m_app(app) {}

QWidget *ScreenHost::find(Screen screen) const
{
    const QString name = screenName(screen);
    for (QMdiSubWindow *sub : m_area->subWindowList()) {
        if (sub->widget() && sub->widget()->objectName() == name)
            return sub->widget();
    }
    return nullptr;
}

QWidget *ScreenHost::open(Screen screen)
{
    QWidget *widget = find(screen);
    const bool made = !widget;
    if (made) {
        widget = createScreen(screen, m_app);
        if (!widget)
            return nullptr;
        add(widget);
        widget->parentWidget()->show();
    }
    bringToFront(widget);
    if (made && m_opened)
        m_opened(screen, widget);
    return widget;
}

void ScreenHost::close(Screen screen)
{
    if (QWidget *widget = find(screen))
        widget->parentWidget()->close();
}

QMdiSubWindow *ScreenHost::add(QWidget *widget)
{
    QMdiSubWindow *sub = m_area->addSubWindow(widget);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    new MinimumSizeWatch(sub, m_area);
    m_area->updateGeometry();
    return sub;
}

void ScreenHost::bringToFront(QWidget *screen)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(screen->parentWidget())) {
        sub->show();
        sub->raise();
        if (sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
    }
}
