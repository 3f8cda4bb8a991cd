// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Printing a screen: the user picks a printer (or a PDF file) and the screen's
// window, as it looks now, goes onto one page.

#include <QPixmap>
#include <QRectF>
#include <QSizeF>

struct AppState;
class Picture;
class QWidget;

// Makes `printPicture` and the platform's Print key sequence (Ctrl+P), while
// the focus is in `screen`, print the screen.
void enablePrinting(QWidget *screen, Picture *printPicture, AppState &app);

// Asks for a printer through the platform's printer dialog and prints the
// window's current image. A cancelled dialog shows "Printing was cancelled!"
// and prints nothing; any other failure (no printer, a file that cannot be
// written) ends quietly.
void printScreen(QWidget *window, AppState &app);

// Where an image of `image` size goes on a page whose printable area is
// `page`: at the top left, at its own size when it fits, otherwise shrunk to
// fit with its proportions kept. Sizes in the same units (printer pixels).
QRectF placeOnPage(const QSizeF &image, const QRectF &page);

// The small printer drawing shown on a screen's print picture (Image1).
QPixmap printerGlyph(int side);
