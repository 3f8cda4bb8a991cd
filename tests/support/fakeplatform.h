// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A recording stand-in for the desktop: messages and questions are recorded,
// answers come from a queue (no value, or none left: the user cancels), the
// printer dialog is accepted or not, a save dialog names the file the test
// chose, the clock is set by the test and pauses
// return at once.

#include "ui/common/platform.h"

#include <QPrinter>
#include <QStringList>
#include <functional>

class FakePlatform : public Platform
{
public:
    void message(QWidget *, const QString &text) override { messages.append(text); }
    std::optional<QString> askText(QWidget *, const QString &prompt, const QString &title,
                                   const QString &defaultAnswer) override
    {
        questions.append({prompt, title, defaultAnswer});
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        ++printerDialogs;
        if (acceptPrinter && !pdfFile.isEmpty())
            printer.setOutputFormat(QPrinter::PdfFormat), printer.setOutputFileName(pdfFile);
        return acceptPrinter;
    }
    std::optional<QString> saveFileName(QWidget *, const QString &title, const QString &proposedPath,
                                        const QString &filter) override
    {
        saveDialogs.append({title, proposedPath, filter});
        return savePath;
    }
    QDateTime now() override { return clock; }
    void pause(int ms) override
    {
        pauses.append(ms);
        if (duringPause)
            duringPause();
    }
    void quit(int code) override { quitCode = code; }

    QStringList messages;
    QList<QStringList> questions; // each question's prompt, title and default answer
    int printerDialogs = 0;
    QList<int> pauses; // the length of each pause, in milliseconds
    int quitCode = -1; // -1: not asked to quit
    QList<std::optional<QString>> answers;
    bool acceptPrinter = false;
    QString pdfFile; // where an accepted printer writes a PDF, when set
    QList<QStringList> saveDialogs; // each save dialog's title, proposed path and filter
    std::optional<QString> savePath; // the file the user names in a save dialog; none: cancelled

    QDateTime clock = QDateTime(QDate(2026, 12, 6), QTime(9, 30, 0));
    // Runs inside each pause, in place of the events a real pause would handle.
    std::function<void()> duringPause;
};
