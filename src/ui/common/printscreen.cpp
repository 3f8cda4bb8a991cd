// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/printscreen.h"

#include "ui/common/access.h"
#include "ui/common/appstate.h"
#include "ui/common/events.h"
#include "ui/common/platform.h"
#include "ui/common/widgets.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

void enablePrinting(QWidget *screen, Picture *printPicture, AppState &app)
{
    auto print = [screen, &app] { printScreen(screen, app); };
    printPicture->setAccessibleName(a11y::Words::tr("Print"));
    ev::onPress(printPicture, print);
    auto *shortcut = new QShortcut(QKeySequence::Print, screen);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, screen, print);
}

QRectF placeOnPage(const QSizeF &image, const QRectF &page)
{
    if (image.isEmpty() || page.isEmpty())
        return {};
    const double scale = std::min({1.0, page.width() / image.width(), page.height() / image.height()});
    return QRectF(page.topLeft(), image * scale);
}

void printScreen(QWidget *window, AppState &app)
{
    if (!window)
        return;
    // At screen resolution one printer pixel is one screen pixel, so the image
    // prints at the size it has on screen; rendering at the printer's own
    // resolution would cost seconds and hundreds of megabytes for no gain
    // over a screen image.
    QPrinter printer(QPrinter::ScreenResolution);
    if (!app.platform.choosePrinter(window, printer)) {
        app.platform.message(window, QStringLiteral("Printing was cancelled!"));
        return;
    }
    const QPixmap image = window->grab();
    if (image.isNull())
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        return; // no usable printer or output file
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    // The painter's origin is the top left of the printable area.
    const QRectF target = placeOnPage(image.deviceIndependentSize(), QRectF(QPointF(0, 0), page.size()));
    if (!target.isEmpty())
        painter.drawPixmap(target, image, QRectF(image.rect()));
    painter.end();
}

QPixmap printerGlyph(int side)
{
    QPixmap pixmap = blankPixmap(side, side);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = side / 16.0;
    const QColor body(70, 70, 80);
    p.setPen(QPen(body, qMax(1.0, u * 0.6)));
    // Paper going in at the back.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4 * u, 1 * u, 8 * u, 5 * u));
    // The printer's body.
    p.setBrush(QColor(200, 200, 210));
    p.drawRoundedRect(QRectF(1 * u, 5.5 * u, 14 * u, 6 * u), u, u);
    // The printed sheet coming out at the front, with lines of text.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4 * u, 9.5 * u, 8 * u, 5.5 * u));
    p.setPen(QPen(QColor(0, 51, 153), qMax(1.0, u * 0.6)));
    for (double y : {11.2, 12.7})
        p.drawLine(QPointF(5.5 * u, y * u), QPointF(10.5 * u, y * u));
    // A green lamp.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 170, 0));
    p.drawEllipse(QPointF(13 * u, 7.3 * u), 0.8 * u, 0.8 * u);
    return pixmap;
}
