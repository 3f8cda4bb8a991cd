#include "fakeplatform.h"

#include <QPrinter>

bool FakePlatform::choosePrinter(QWidget *, QPrinter &printer)
{
    ++printerDialogs;
    if (acceptPrinter && !pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
    }
    return acceptPrinter;
}
