#pragma once
// A recording stand-in for the desktop: messages and questions are recorded,
// answers come from a queue, the clock is set by the test and pauses return
// at once.

#include "common/platform.h"

#include <QList>
#include <QStringList>
#include <functional>

class FakePlatform : public Platform
{
public:
    void message(QWidget *parent, const QString &text) override;
    std::optional<QString> askText(QWidget *parent, const QString &prompt, const QString &title,
                                   const QString &defaultAnswer) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    QDateTime now() override { return clock; }
    void pause(int ms) override;
    void quit(int code) override { quitCode = code; }

    // Recorded.
    QStringList messages;
    struct Question {
        QString prompt, title, defaultAnswer;
    };
    QList<Question> questions;
    int printerDialogs = 0;
    QList<int> pauses; // the length of each pause, in milliseconds
    int quitCode = -1; // -1: not asked to quit

    // Answers to askText(), first in first out; no value = the user cancels.
    // When the queue is empty the user cancels.
    QList<std::optional<QString>> answers;
    // The printer dialog: accepted or cancelled; on accept the printer writes
    // a PDF to this file when it is set.
    bool acceptPrinter = false;
    QString pdfFile;

    QDateTime clock = QDateTime(QDate(2026, 12, 6), QTime(9, 30, 0));
    // Runs inside each pause, in place of the events a real pause would handle.
    std::function<void()> duringPause;
};
