// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/access.h"

#include "ui/common/events.h"
#include "ui/common/widgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStringList>

#include <algorithm>

namespace a11y {
namespace {

// Ties a caption box to the field it labels. It is a child of the caption,
// so it goes with it, and it is the context of the connection that renames
// the field: a connection to the field itself would make Qt report the
// caption as the field's "controller".
class LabelLink : public QObject
{
    Q_OBJECT
public:
    LabelLink(QLineEdit *caption, QWidget *field) : QObject(caption), field(field) {}
    QPointer<QWidget> field;
};

// The fields a caption box labels, and the captions that label a field.
QList<QWidget *> labelledBy(const QObject *caption)
{
    QList<QWidget *> fields;
    for (const LabelLink *link : caption->findChildren<LabelLink *>(Qt::FindDirectChildrenOnly))
        if (link->field && !fields.contains(link->field))
            fields.append(link->field);
    return fields;
}

QList<QLineEdit *> captionsOf(const QWidget *field)
{
    QList<QLineEdit *> captions;
    if (!field->parentWidget())
        return captions;
    for (QLineEdit *box : field->parentWidget()->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
        if (labelledBy(box).contains(const_cast<QWidget *>(field)))
            captions.append(box);
    return captions;
}

constexpr const char *kCaptionProperty = "a11yCaption";
constexpr const char *kResultProperty = "a11yResult";
constexpr const char *kCoverableProperty = "a11yCoverable";

// A text box that only shows a caption or a unit: read as a label, named by
// its text, labelling the fields linked to it, and nothing to edit or focus.
class CaptionAccessible : public QAccessibleWidget
{
public:
    explicit CaptionAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLineEdit *>(widget())->text().trimmed();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.focusable = false;
        return s;
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        QList<QPair<QAccessibleInterface *, QAccessible::Relation>> found;
        if (match & QAccessible::Labelled)
            for (QWidget *field : labelledBy(widget()))
                if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(field))
                    found.append({iface, QAccessible::Labelled});
        return found;
    }

    QStringList actionNames() const override { return {}; }
};

// One item of a list box. It is a small object of its own (a child of the
// box) so that Qt keeps its interface while the box lives and drops it with
// the box.
class ComboItem : public QObject
{
    Q_OBJECT
public:
    ComboItem(QComboBox *combo, int index) : QObject(combo), combo(combo), index(index) {}
    QComboBox *combo;
    int index;
};

class ComboItemAccessible : public QAccessibleObject, public QAccessibleActionInterface
{
public:
    explicit ComboItemAccessible(ComboItem *item) : QAccessibleObject(item) {}

    ComboItem *item() const { return static_cast<ComboItem *>(object()); }
    QComboBox *combo() const { return item()->combo; }
    bool isCurrent() const
    {
        // An editable box may show an item's text without having chosen it
        // (its text set from code): the item it shows is the one selected.
        return combo()->findText(combo()->currentText()) == item()->index;
    }

    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(combo()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QRect rect() const override { return parent() ? parent()->rect() : QRect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && item()->index < combo()->count())
            return combo()->itemText(item()->index);
        return QString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.selected = isCurrent();
        s.invisible = !combo()->isVisible();
        s.disabled = !combo()->isEnabled();
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    // Pressing an item chooses it, exactly as a click on it in the open list.
    QStringList actionNames() const override { return {pressAction()}; }
    QString localizedActionDescription(const QString &) const override { return Words::tr("Choose this item"); }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && combo()->isEnabled() && item()->index < combo()->count())
            ev::choose(combo(), item()->index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

// A list box: named by its purpose (the name the program gives it), its
// items as children with the one shown selected, and the text part of an
// editable box after them.
class ComboAccessible : public QAccessibleWidget
{
public:
    explicit ComboAccessible(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }

    // The items' objects, made or dropped to match the list as it is now.
    QList<ComboItem *> items() const
    {
        QList<ComboItem *> items = combo()->findChildren<ComboItem *>(Qt::FindDirectChildrenOnly);
        std::sort(items.begin(), items.end(), [](ComboItem *a, ComboItem *b) { return a->index < b->index; });
        while (items.size() > combo()->count())
            delete items.takeLast();
        while (items.size() < combo()->count())
            items.append(new ComboItem(combo(), int(items.size())));
        return items;
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            const QString name = combo()->accessibleName();
            if (!name.isEmpty())
                return name;
            const QList<QLineEdit *> captions = captionsOf(combo());
            return captions.isEmpty() ? QAccessibleWidget::text(t) : captions.first()->text().trimmed();
        }
        case QAccessible::Value:
            return combo()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view() && combo()->view()->isVisible();
        s.editable = combo()->isEditable();
        return s;
    }

    int childCount() const override { return int(items().size()) + (combo()->lineEdit() ? 1 : 0); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<ComboItem *> list = items();
        if (index >= 0 && index < list.size())
            return QAccessible::queryAccessibleInterface(list[index]);
        if (index == list.size() && combo()->lineEdit())
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == combo()->lineEdit())
            return int(items().size());
        if (auto *item = qobject_cast<ComboItem *>(child->object()))
            return item->combo == combo() ? item->index : -1;
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        QLineEdit *edit = combo()->lineEdit();
        if (edit && edit->isVisible() && QRect(edit->mapToGlobal(QPoint(0, 0)), edit->size()).contains(x, y))
            return QAccessible::queryAccessibleInterface(edit);
        return nullptr;
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        QList<QPair<QAccessibleInterface *, QAccessible::Relation>> found;
        if (match & QAccessible::Label)
            for (QLineEdit *caption : captionsOf(combo()))
                if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(caption))
                    found.append({iface, QAccessible::Label});
        return found;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            combo()->showPopup();
    }
};

// A picture the user presses like a button (print, the tool menu's logo).
class PictureButtonAccessible : public QAccessibleWidget
{
public:
    explicit PictureButtonAccessible(Picture *picture) : QAccessibleWidget(picture, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            emit static_cast<Picture *>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A picture that only decorates (a logo): left out of what a screen reader
// reviews, as a web page leaves out an image without words.
class DecorationAccessible : public QAccessibleWidget
{
public:
    explicit DecorationAccessible(QWidget *picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
    QStringList actionNames() const override { return {}; }
};

// A child window whose screen may be hidden under another: while it is, the
// window is not shown either, so a screen reader reviewing the main window
// does not meet its empty frame.
class CoverableWindowAccessible : public QAccessibleWidget
{
public:
    explicit CoverableWindowAccessible(QMdiSubWindow *window) : QAccessibleWidget(window, QAccessible::Window) {}

    QMdiSubWindow *subWindow() const { return static_cast<QMdiSubWindow *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return subWindow()->windowTitle();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (subWindow()->widget() && subWindow()->widget()->isHidden())
            s.invisible = true;
        return s;
    }

    // Its one child is the screen it holds.
    int childCount() const override { return subWindow()->widget() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && subWindow()->widget() ? QAccessible::queryAccessibleInterface(subWindow()->widget()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && subWindow()->widget() && child->object() == subWindow()->widget() ? 0 : -1;
    }
};

// A tick that shows a result: checked or not, and nothing to toggle.
class ResultTickAccessible : public QAccessibleWidget
{
public:
    explicit ResultTickAccessible(QAbstractButton *tick) : QAccessibleWidget(tick, QAccessible::CheckBox) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const auto *tick = static_cast<QAbstractButton *>(widget());
        s.checkable = true;
        s.checked = tick->isChecked();
        s.readOnly = true;
        return s;
    }

    QStringList actionNames() const override { return {setFocusAction()}; }
};

QAccessibleInterface *factory(const QString &key, QObject *object)
{
    // Answer for the object's own class only, so a class of ours derived
    // from one of these is never mistaken for it.
    if (!object || key != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto *item = qobject_cast<ComboItem *>(object))
        return new ComboItemAccessible(item);
    if (auto *combo = qobject_cast<QComboBox *>(object))
        return new ComboAccessible(combo);
    if (auto *box = qobject_cast<QLineEdit *>(object))
        // A caption box that takes the focus shows a result (the flow regime).
        return box->property(kCaptionProperty).toBool() && box->focusPolicy() == Qt::NoFocus
                   ? new CaptionAccessible(box)
                   : nullptr;
    if (auto *picture = qobject_cast<Picture *>(object))
        return picture->focusPolicy() != Qt::NoFocus ? static_cast<QAccessibleInterface *>(new PictureButtonAccessible(picture))
                                                     : new DecorationAccessible(picture);
    if (auto *window = qobject_cast<QMdiSubWindow *>(object))
        return window->property(kCoverableProperty).toBool() ? new CoverableWindowAccessible(window) : nullptr;
    if (auto *tick = qobject_cast<QAbstractButton *>(object))
        return tick->property(kResultProperty).toBool() ? new ResultTickAccessible(tick) : nullptr;
    return nullptr;
}

} // namespace

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

namespace {
LabelLink *linkOf(QLineEdit *caption, QWidget *field)
{
    for (LabelLink *link : caption->findChildren<LabelLink *>(Qt::FindDirectChildrenOnly))
        if (link->field == field)
            return link;
    return new LabelLink(caption, field);
}
} // namespace

void labels(QLineEdit *caption, QWidget *field)
{
    linkOf(caption, field);
}

void nameAfter(QWidget *field, QLineEdit *caption, const QString &part, QLineEdit *unit, const QString &before)
{
    // The caption's link is the context: the field is renamed as long as the
    // caption lives, and is not reported as "controlled" by it.
    LabelLink *context = linkOf(caption, field);
    if (unit)
        labels(unit, field);
    auto apply = [field, caption, part, before, unit = QPointer<QLineEdit>(unit)] {
        QStringList pieces{before, caption->text().trimmed(), part, unit ? unit->text().trimmed() : QString()};
        pieces.removeAll(QString());
        setName(field, pieces.join(QStringLiteral(", ")));
    };
    apply();
    QObject::connect(caption, &QLineEdit::textChanged, context, apply);
    if (unit)
        QObject::connect(unit, &QLineEdit::textChanged, context, apply);
}

void refresh(QWidget *widget)
{
    // Qt makes a control's interface when it first reports on it (a state
    // change while the control is set up is enough, with or without a
    // screen reader) and keeps it; the next question after this makes it
    // anew, through the factory above.
    if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

void markCaption(QLineEdit *box)
{
    box->setProperty(kCaptionProperty, true);
    refresh(box);
}

void markResult(QAbstractButton *tick)
{
    tick->setProperty(kResultProperty, true);
    refresh(tick);
}

void markCoverable(QWidget *childWindow)
{
    childWindow->setProperty(kCoverableProperty, true);
    refresh(childWindow);
}

void coverChanged(QWidget *childWindow)
{
    QAccessible::State changed;
    changed.invisible = true;
    QAccessibleStateChangeEvent event(childWindow, changed);
    QAccessible::updateAccessibility(&event);
}

void setName(QWidget *control, const QString &name)
{
    control->setAccessibleName(name);
    if (auto *combo = qobject_cast<QComboBox *>(control))
        if (QLineEdit *edit = combo->lineEdit())
            edit->setAccessibleName(name);
}

} // namespace a11y

#include "access.moc"
