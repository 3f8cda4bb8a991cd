// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/platform.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

void QtPlatform::message(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

std::optional<QString> QtPlatform::askText(QWidget *parent, const QString &prompt, const QString &title,
                                           const QString &defaultAnswer)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultAnswer, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

bool QtPlatform::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtPlatform::saveFileName(QWidget *parent, const QString &title, const QString &proposedPath,
                                                const QString &filter)
{
    const QString path = QFileDialog::getSaveFileName(parent, title, proposedPath, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

QDateTime QtPlatform::now() { return QDateTime::currentDateTime(); }

void QtPlatform::pause(int ms)
{
    // A nested loop blocks in the event dispatcher until an event or a timer
    // is due; a precise timer (monotonic clock) ends it. Polling with
    // processEvents() instead would keep a processor core busy for the whole
    // pause. quit() ends this loop early, as it ends every running loop.
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtPlatform::quit(int code)
{
    // Every window closes at once; the event loop ends when the handler that
    // asked for this returns (before the loop runs, main returns the code).
    QApplication::closeAllWindows();
    QCoreApplication::exit(code);
}
