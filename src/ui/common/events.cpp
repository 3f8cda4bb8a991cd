// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/events.h"

#include "ui/common/widgets.h"

#include <QApplication>
#include <QEvent>
#include <QMdiSubWindow>

namespace ev {
namespace {

// True when `w` is `root` or lies inside it. The QObject parent chain is
// followed, not only the widget one, so a combo box's own popup list (a
// separate window whose object parent is the box) counts as inside the box.
bool within(const QObject *w, const QObject *root)
{
    for (; w; w = w->parent()) {
        if (w == root)
            return true;
    }
    return false;
}

// The screen a widget belongs to: its MDI child window, or its top-level window.
const QWidget *screenOf(const QWidget *w)
{
    for (const QWidget *p = w; p; p = p->parentWidget()) {
        if (qobject_cast<const QMdiSubWindow *>(p) || p->isWindow())
            return p;
    }
    return nullptr;
}

class MouseDownFilter : public QObject
{
public:
    MouseDownFilter(QObject *parent, std::function<void()> handler)
        : QObject(parent), m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            m_handler();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
};

} // namespace

void onPress(Picture *picture, std::function<void()> handler)
{
    picture->actAsButton();
    QObject::connect(picture, &Picture::clicked, picture, [handler = std::move(handler)] { handler(); });
}

void onType(QComboBox *combo, std::function<void()> handler)
{
    combo->setCompleter(nullptr);
    QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                     [handler = std::move(handler)](const QString &) { handler(); });
}

void onFocusLost(QWidget *widget, std::function<void()> handler)
{
    // Followed through the application's focus changes rather than the
    // widget's FocusOut events: opening a combo box's list moves the focus
    // into the list (a FocusOut of the box that is no loss), and a click
    // elsewhere that closes the list then moves it out of the list, which the
    // box itself never sees.
    QObject::connect(qApp, &QApplication::focusChanged, widget,
                     [widget, handler = std::move(handler)](QWidget *old, QWidget *now) {
                         if (!old || !now || !within(old, widget) || within(now, widget))
                             return;
                         if (screenOf(now) != screenOf(widget))
                             return;
                         handler();
                     });
}

void onMouseDown(QWidget *widget, std::function<void()> handler)
{
    widget->installEventFilter(new MouseDownFilter(widget, std::move(handler)));
}

void choose(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void setComboText(QComboBox *combo, const QString &text)
{
    if (combo->currentText() == text)
        return;
    combo->setEditText(text);
    if (QLineEdit *edit = combo->lineEdit())
        emit edit->textEdited(text);
}

} // namespace ev
