// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/widgets.h"

#include "ui/common/access.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtMath>
#include <algorithm>

Picture::Picture(const QString &objectName, QWidget *parent) : QLabel(parent)
{
    setObjectName(objectName);
    setAlignment(Qt::AlignCenter);
}

void Picture::actAsButton()
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    // Read as a button from now on, not as an image.
    a11y::refresh(this);
}

void Picture::keyPressEvent(QKeyEvent *event)
{
    if (focusPolicy() != Qt::NoFocus && !event->isAutoRepeat()
        && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void Picture::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter p(this);
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DotLine);
        p.setPen(pen);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

QPixmap blankPixmap(int width, int height)
{
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap pixmap(qCeil(width * ratio), qCeil(height * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap makeLogo(int width, int height, const QString &text, const QColor &colour)
{
    QPixmap pixmap = blankPixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(1, 1, width - 2, height - 2), height / 4.0, height / 4.0);
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, colour.lighter(150));
    gradient.setColorAt(1, colour);
    p.fillPath(path, gradient);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(qMax(8, height / 2));
    p.setFont(font);
    p.drawText(QRect(0, 0, width, height), Qt::AlignCenter, text);
    return pixmap;
}

void placeAtCorner(QWidget *picture)
{
    const QSize screen = picture->parentWidget()->size();
    picture->move(screen.width() - twips(kCornerPictureFromRight), screen.height() - twips(kCornerPictureFromBottom));
}

void keepDesignSize(QWidget *widget, int width, int height)
{
    widget->setMinimumSize(QSize(width, height).expandedTo(widget->sizeHint()));
}

int widthToShow(const QLineEdit *box, const QString &text)
{
    // Measured as QLineEdit::sizeHint() measures its seventeen characters:
    // the text with one pixel for the cursor, the two pixels the box keeps
    // free on either side, its margins, then what the style adds for the frame.
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QMargins margins = box->textMargins() + box->contentsMargins();
    const int inner = box->fontMetrics().horizontalAdvance(text) + 1 + 2 * 2 + margins.left() + margins.right();
    return box->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(inner, box->height()), box).width();
}

void fitWidthToText(QLineEdit *box, int atLeast)
{
    auto fit = [box, atLeast](const QString &text) { box->setFixedWidth(std::max(atLeast, widthToShow(box, text))); };
    fit(box->text());
    QObject::connect(box, &QLineEdit::textChanged, box, fit);
}

QLineEdit *textBox(QWidget *parent, const QString &objectName)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(objectName);
    return box;
}

QLineEdit *resultBox(QWidget *parent, const QString &objectName)
{
    QLineEdit *box = textBox(parent, objectName);
    box->setReadOnly(true);
    return box;
}

QLineEdit *captionBox(QWidget *parent, const QString &objectName)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setReadOnly(true);
    box->setFrame(false);
    box->setFocusPolicy(Qt::NoFocus);
    a11y::markCaption(box);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, Qt::transparent);
    box->setPalette(pal);
    return box;
}

QList<QWidget *> tabStops(QWidget *root)
{
    // As Qt walks the focus chain for Tab: a control whose focus goes to a
    // proxy is passed over (its proxy is met on its own), as is one hidden or
    // disabled.
    QList<QWidget *> stops;
    for (QWidget *w = root->nextInFocusChain(); w && w != root; w = w->nextInFocusChain()) {
        if (root->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy()
            && w->isVisibleTo(root) && w->isEnabled() && !stops.contains(w))
            stops.append(w);
    }
    return stops;
}

void missingControl(const QObject *screen, QStringView name, const char *kind)
{
    qFatal("%s has no %s named %s", qPrintable(screen ? screen->objectName() : QStringLiteral("(none)")), kind,
           qPrintable(name.toString()));
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Text, colour);
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}
