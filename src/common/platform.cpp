#include "common/platform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {
QElapsedTimer &monotonic()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer;
}
} // namespace

QtPlatform::QtPlatform() : m_started(monotonic().elapsed()) {}

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

QDateTime QtPlatform::now() { return QDateTime::currentDateTime(); }

qint64 QtPlatform::monotonicMs() { return monotonic().elapsed() - m_started; }

void QtPlatform::processEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents, 50); }

void QtPlatform::quit(int code)
{
    // Every window closes at once; the event loop ends when the handler that
    // asked for this returns (before the loop runs, main returns the code).
    QApplication::closeAllWindows();
    QCoreApplication::exit(code);
}
