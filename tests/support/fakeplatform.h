#pragma once
// A recording stand-in for the desktop: messages and questions are recorded,
// answers come from a queue, the clocks are set by the test.

#include "common/platform.h"

#include <QList>
#include <QStringList>

class FakePlatform : public Platform
{
public:
    void message(QWidget *parent, const QString &text) override;
    std::optional<QString> askText(QWidget *parent, const QString &prompt, const QString &title,
                                   const QString &defaultAnswer) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    QDateTime now() override { return clock; }
    qint64 monotonicMs() override;
    void processEvents() override { ++eventRounds; }
    void quit(int code) override { quitCode = code; }

    // Recorded.
    QStringList messages;
    struct Question {
        QString prompt, title, defaultAnswer;
    };
    QList<Question> questions;
    int printerDialogs = 0;
    int eventRounds = 0;
    int quitCode = -1; // -1: not asked to quit

    // Answers to askText(), first in first out; no value = the user cancels.
    // When the queue is empty the user cancels.
    QList<std::optional<QString>> answers;
    // The printer dialog: accepted or cancelled; on accept the printer writes
    // a PDF to this file when it is set.
    bool acceptPrinter = false;
    QString pdfFile;

    QDateTime clock = QDateTime(QDate(2026, 12, 6), QTime(9, 30, 0));
    qint64 monotonic = 0;
    qint64 monotonicStep = 100; // each reading advances the clock by this much
};
