// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a screen reader is told about the suite's controls, beyond what Qt
// tells by itself.
//
// Qt's own answers fall short in a few places that a blind user meets on
// every screen: a list box is named by the item it shows (the purpose the
// program gives it never reaches the reader), a caption drawn in a read-only
// text box reads as an empty edit field, a picture that acts as a button
// reads as an image that cannot be pressed, and a result tick reads as a
// check box the user may toggle. `install()` puts in force interfaces of our
// own for exactly those controls; every other control keeps Qt's.

#include <QCoreApplication>
#include <QString>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace a11y {

// Puts the suite's interfaces in force; call once the QApplication exists
// (later calls do nothing). Controls whose interface Qt made before keep it.
void install();

// `caption` (a read-only text box, out of the Tab order) is read as a label
// for `field`: the field's name is the caption's text, then `parts` joined
// with commas ("Velocity, Metres/sec"; a part that is empty is left out),
// and follows every later change of the caption. `unit`, when given, is a
// second caption box whose text is added as the last part and followed too,
// so a number is read with the unit shown beside it in either unit system.
// `before`, when given, comes first ("Pressure loss in bar, Maximum size").
void nameAfter(QWidget *field, QLineEdit *caption, const QString &part = QString(), QLineEdit *unit = nullptr,
               const QString &before = QString());

// `caption` labels `field` for a screen reader (a "label for" relation),
// without naming the field after it.
void labels(QLineEdit *caption, QWidget *field);

// A read-only text box that shows a caption or a unit: read as a label.
void markCaption(QLineEdit *box);

// A tick that shows a result: read as a check box the user cannot change.
void markResult(QAbstractButton *tick);

// A child window of the main window's area that is reported as not shown
// while the screen it holds is hidden (covered by another); call
// `coverChanged` after hiding or showing that screen.
void markCoverable(QWidget *childWindow);
void coverChanged(QWidget *childWindow);

// Names a control for screen readers. A list box's text part, which takes
// the keyboard focus for it, gets the same name.
void setName(QWidget *control, const QString &name);

// Makes the interface of `widget` again, from what it is now: for a
// control whose role was settled before it was fully set up.
void refresh(QWidget *widget);

// Words that exist only for screen readers, in the language in force.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(Words)
};

} // namespace a11y
