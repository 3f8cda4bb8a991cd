// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How screens react to their controls. Every screen wires its handlers through
// these functions, so the same kind of user or program action runs a handler in
// the same situations everywhere (the table is in docs/ARCHITECTURE.md):
//
//   onChange(QLineEdit)    text changed: typing, or setText from code (not when
//                          the new text equals the old one)
//   onClick(QRadioButton)  the option becomes selected: a click, the arrow keys,
//                          or setChecked(true) from code. Clicking the option
//                          that is already selected runs nothing: nothing a
//                          handler reads has changed.
//   onClick(QCheckBox)     the tick changes: a click, or setChecked from code
//   onPress(button)        a push button or picture is clicked (or click())
//   onChoose(QComboBox)    a list item is chosen: the user's choice from the
//                          list (also of the item already shown), or choose()
//                          from code. Never runs for typing.
//   onType(QComboBox)      the box's text is typed, or set from code through
//                          setComboText(). Never runs for a list choice.
//   onFocusLost(QWidget)   the keyboard focus moves from the control to another
//                          control of the same screen. Not when the control
//                          opens its own list or a context menu, and not when
//                          another window (a message box, another program)
//                          takes the focus.
//   onMouseDown(QWidget)   a mouse button goes down inside the control
//   onEnter(QLineEdit)     Enter or Return is pressed in the box
//
// Handlers run synchronously, before the statement that caused them returns,
// so setting a field from code runs its handler at once (a cascade).
//
// Why combo boxes have two text events: an editable QComboBox emits
// editTextChanged both for typing and, before activated, for a list choice, so
// a box that must run one handler for typing and another for a choice cannot
// use it. onType listens to the line edit's textEdited instead, which only
// typing emits, and setComboText() stands in for it when code sets the text.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QObject>
#include <QRadioButton>
#include <functional>

class Picture;

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

// A picture that acts as a button: clicked, or Enter or Space while it has
// the focus (it takes the focus from here on).
void onPress(Picture *picture, std::function<void()> handler);

template <typename F> void onChoose(QComboBox *combo, F handler)
{
    QObject::connect(combo, &QComboBox::activated, combo, [handler](int) { handler(); });
}

// Also removes the box's inline completer: a handler of typed text must see
// exactly what the box shows, and a completer would change the text after the
// keystroke (and report a list choice when the focus leaves).
void onType(QComboBox *combo, std::function<void()> handler);

template <typename F> void onEnter(QLineEdit *box, F handler)
{
    QObject::connect(box, &QLineEdit::returnPressed, box, [handler] { handler(); });
}

void onFocusLost(QWidget *widget, std::function<void()> handler);
void onMouseDown(QWidget *widget, std::function<void()> handler);

// Chooses a list item from code exactly as a user's choice would: the item
// becomes current and onChoose handlers run.
void choose(QComboBox *combo, int index);

// Sets a combo box's text from code; when it changes, onType handlers run.
void setComboText(QComboBox *combo, const QString &text);

} // namespace ev
