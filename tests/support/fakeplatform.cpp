#include "fakeplatform.h"

#include <QPrinter>

void FakePlatform::message(QWidget *, const QString &text) { messages.append(text); }

std::optional<QString> FakePlatform::askText(QWidget *, const QString &prompt, const QString &title,
                                             const QString &defaultAnswer)
{
    questions.append({prompt, title, defaultAnswer});
    if (answers.isEmpty())
        return std::nullopt;
    return answers.takeFirst();
}

bool FakePlatform::choosePrinter(QWidget *, QPrinter &printer)
{
    ++printerDialogs;
    if (acceptPrinter && !pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
    }
    return acceptPrinter;
}

void FakePlatform::pause(int ms)
{
    pauses.append(ms);
    if (duringPause)
        duringPause();
}
