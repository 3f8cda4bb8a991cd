#pragma once
// How screens react to their controls. Every screen wires its handlers through
// these functions, so the same kind of user or program action runs a handler in
// the same situations everywhere (see docs/ARCHITECTURE.md):
//
//   onChange(QLineEdit)   text changed, by typing or by setText from code
//                         (not when the new text equals the old one)
//   onClick(QRadioButton) the option becomes selected, by a click or by
//                         setChecked(true) from code
//   onClick(QCheckBox)    the tick changes, by a click or by setChecked from code
//   onClick(QAbstractButton other) a push button or picture is clicked
//   onChoose(QComboBox)   a list item is chosen by the user (also the same item
//                         again) or by choose() from code
//   onEdit(QComboBox)     the combo box's text changes: typing, setEditText from
//                         code, or a list choice that changes the text
//   onFocusLost(QWidget)  the control loses the keyboard focus
//   onEnter(QLineEdit)    Enter or Return is pressed in the box
//
// Handlers run synchronously, before the statement that caused them returns,
// so setting a field from code runs its handler at once (a cascade).

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QObject>
#include <QRadioButton>
#include <functional>

namespace ev {

template <typename F> void onChange(QLineEdit *box, F handler)
{
    QObject::connect(box, &QLineEdit::textChanged, box, [handler](const QString &) { handler(); });
}

template <typename F> void onClick(QRadioButton *option, F handler)
{
    QObject::connect(option, &QAbstractButton::toggled, option, [handler](bool on) {
        if (on)
            handler();
    });
}

template <typename F> void onClick(QCheckBox *box, F handler)
{
    QObject::connect(box, &QAbstractButton::toggled, box, [handler](bool) { handler(); });
}

template <typename F> void onPress(QAbstractButton *button, F handler)
{
    QObject::connect(button, &QAbstractButton::clicked, button, [handler](bool) { handler(); });
}

template <typename F> void onChoose(QComboBox *combo, F handler)
{
    QObject::connect(combo, &QComboBox::activated, combo, [handler](int) { handler(); });
}

template <typename F> void onEdit(QComboBox *combo, F handler)
{
    QObject::connect(combo, &QComboBox::editTextChanged, combo, [handler](const QString &) { handler(); });
}

template <typename F> void onEnter(QLineEdit *box, F handler)
{
    QObject::connect(box, &QLineEdit::returnPressed, box, [handler] { handler(); });
}

// Runs a handler when the widget loses the keyboard focus.
void onFocusLost(QWidget *widget, std::function<void()> handler);

// Chooses a list item from code exactly as a user's choice would: the item
// becomes current and onChoose handlers run.
void choose(QComboBox *combo, int index);

// A combo box's shown text set from code (runs onEdit handlers when it changes).
inline void setComboText(QComboBox *combo, const QString &text) { combo->setEditText(text); }

} // namespace ev
