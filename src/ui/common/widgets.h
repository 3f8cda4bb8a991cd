// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small widgets and helpers shared by the screens.

#include <QColor>
#include <QLabel>
#include <QString>
#include <QStringView>

class QWidget;

// Screen geometry is designed in twips (1440 to the inch); at 96 dots per
// inch 15 twips make one pixel.
constexpr int twips(int t) { return t / 15; }
constexpr int toTwips(int px) { return px * 15; }

// A picture that shows an image and reports a click. One that acts as a
// button (see actAsButton) also takes the keyboard focus, shows it, and acts
// on Enter and Space.
class Picture : public QLabel
{
    Q_OBJECT
public:
    explicit Picture(const QString &objectName, QWidget *parent = nullptr);

    void actAsButton();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// A screen's corner picture (Picture1) keeps its top-left corner this far, in
// twips, from the screen's bottom-right corner; screens keep that strip free.
inline constexpr int kCornerPictureFromRight = 1500;
inline constexpr int kCornerPictureFromBottom = 1000;
// Moves a corner picture to its place in its parent: run on every resize.
void placeAtCorner(QWidget *picture);

// A transparent pixmap of the given size in device-independent pixels, with
// as many device pixels as the sharpest screen shows, so that what is drawn
// on it stays sharp at a scale factor of 2.
QPixmap blankPixmap(int width, int height);

// A simple drawn logo: a rounded badge of the given size with a short text.
QPixmap makeLogo(int width, int height, const QString &text, const QColor &colour = QColor(0, 51, 153));

// Background colour of a frame (group box), painted by the palette.
void setBackground(QWidget *widget, const QColor &colour);
// Text colour of a text box or label.
void setTextColour(QWidget *widget, const QColor &colour);

// Keeps a widget at least its design size (in pixels), and at least the size
// its content needs now: run again when its text changes.
void keepDesignSize(QWidget *widget, int width, int height);

// The width a text box needs to show `text` whole in its font: the text, the
// room the box keeps beside it and the style's frame.
int widthToShow(const class QLineEdit *box, const QString &text);
// Gives a text box a fixed width: `atLeast`, or more when its text needs it
// to show whole; again after every change of its text.
void fitWidthToText(class QLineEdit *box, int atLeast = 0);

// A named text box to type into.
class QLineEdit *textBox(QWidget *parent, const QString &objectName);
// A named box that shows a result: read-only, and still in the Tab order so
// that the keyboard and a screen reader reach it.
class QLineEdit *resultBox(QWidget *parent, const QString &objectName);
// A text box that serves as a caption: read-only, without a frame, out of the
// Tab order, on the background of whatever it stands on.
class QLineEdit *captionBox(QWidget *parent, const QString &objectName);

// The controls under `root` that Tab stops at, in the order Tab visits them.
QList<QWidget *> tabStops(QWidget *root);

// The object name of element `index` of a control array: "Name_index".
inline QString indexedName(QStringView base, int index)
{
    return base.toString() + u'_' + QString::number(index);
}

// Stops the program with a message naming the control: a screen that lacks a
// control its code or a test names is a programming error, never a user's.
[[noreturn]] void missingControl(const QObject *screen, QStringView name, const char *kind);

// The child control with the given object name (Name or Name_index); stops the
// program, naming it, when the screen has no such control of that kind.
template <typename T> T *control(const QObject *screen, const QString &name)
{
    T *found = screen->findChild<T *>(name);
    if (!found)
        missingControl(screen, name, T::staticMetaObject.className());
    return found;
}
