#include "shell/screenhost.h"

#include <QMdiArea>
#include <QMdiSubWindow>

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
    if (!widget) {
        widget = createScreen(screen, m_app);
        if (!widget)
            return nullptr;
        add(widget);
        widget->parentWidget()->show();
    }
    bringToFront(widget);
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
