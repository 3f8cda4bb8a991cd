// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The seam between the suite and the desktop: modal dialogs, the printer
// dialog, the clock and ending the program. The application uses QtPlatform;
// tests use a recording double, so no test opens a real modal dialog or waits
// on wall time.

#include <QDateTime>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

class Platform
{
public:
    virtual ~Platform() = default;

    // Modal message box with an OK button and the application's title.
    virtual void message(QWidget *parent, const QString &text) = 0;
    // Modal input dialog; no value when the user cancels.
    virtual std::optional<QString> askText(QWidget *parent, const QString &prompt,
                                           const QString &title, const QString &defaultAnswer) = 0;
    // Printer-selection dialog; false when the user cancels. On true the
    // printer is set up for the chosen device.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
    // Save-file dialog starting at `proposedPath` and showing the files that
    // `filter` names ("PDF (*.pdf)"); no value when the user cancels.
    virtual std::optional<QString> saveFileName(QWidget *parent, const QString &title, const QString &proposedPath,
                                                const QString &filter) = 0;

    // Wall-clock date and time (shown to the user).
    virtual QDateTime now() = 0;
    // Waits `ms` milliseconds of a monotonic clock (the same length across
    // midnight) while window events, timers included, keep being handled. The
    // process sleeps between events instead of polling for them.
    virtual void pause(int ms) = 0;

    // Ends the program in an orderly way with the given exit code, closing
    // every window.
    virtual void quit(int code) = 0;
};

// The real desktop: QMessageBox, QInputDialog, QPrintDialog, QFileDialog, system
// clocks.
class QtPlatform : public Platform
{
public:
    void message(QWidget *parent, const QString &text) override;
    std::optional<QString> askText(QWidget *parent, const QString &prompt, const QString &title,
                                   const QString &defaultAnswer) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    std::optional<QString> saveFileName(QWidget *parent, const QString &title, const QString &proposedPath,
                                        const QString &filter) override;
    QDateTime now() override;
    void pause(int ms) override;
    void quit(int code) override;
};
