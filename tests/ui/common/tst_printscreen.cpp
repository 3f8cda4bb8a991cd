// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing a screen through the printer dialog seam.
#include "ui/common/printscreen.h"
#include "screenfixture.h"

namespace {
// An image's size, the printable page, and where the image goes on it.
struct Placement { const char *name; QSizeF image; QRectF page, expected; };
} // namespace

class TestPrintScreen : public QObject
{
    Q_OBJECT

private slots:
    // An image keeps its size on a page it fits, else shrinks to fit keeping its shape, at the page's corner.
    void placement_data()
    {
        const QRectF a4(0, 0, 718, 1047); // printable A4 at 96 dots per inch
        const Placement rows[] = {
            {"fits, kept", {640, 520}, a4, {0, 0, 640, 520}}, {"too wide, halved", {1436, 600}, a4, {0, 0, 718, 300}},
            {"too tall, at a page's offset corner", {500, 2094}, a4.translated(9, 8), {9, 8, 250, 1047}},
            {"too large both ways", {2000, 2000}, a4, {0, 0, 718, 718}},
            {"empty image", {0, 50}, a4, {}}, {"empty page", {100, 50}, {}, {}}};
        addRows(rows);
    }
    void placement()
    {
        QFETCH(Placement, row);
        QCOMPARE(placeOnPage(row.image, row.page), row.expected);
    }

    // The print picture clicked, or Ctrl+P pressed in an input: the dialog once, then a cancel message, a PDF, or
    // (not writable) nothing.
    void printFromPicture_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("velocityByKey"); // Ctrl+P on the velocity screen, not a click on the probe's picture
        QTest::newRow("cancel") << false << true << false;
        QTest::newRow("accept") << true << true << false;
        QTest::newRow("accept after Ctrl+P") << true << true << true;
        QTest::newRow("unusable printer ends quietly") << true << false << false;
    }

    void printFromPicture()
    {
        QFETCH(bool, accept);
        QFETCH(bool, writable);
        QFETCH(bool, velocityByKey);
        QTemporaryDir dir;
        ScreenFixture s(velocityByKey ? Screen::Velocity : Screen::Probe);
        FakePlatform &platform = s.platform;
        platform.acceptPrinter = accept;
        platform.pdfFile = (writable ? dir.path() : QStringLiteral("/nonexistent-folder/for/sure")) + "/screen.pdf";
        s.showActive();
        s.type("TxtpipeSize", "100");
        QTest::failOnWarning(QRegularExpression(".")); // such as a printer begun after a cancel
        if (!writable)
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        s.find("TxtpipeSize")->setFocus();
        velocityByKey ? QTest::keySequence(s.find("TxtpipeSize"), QKeySequence::Print)
                      : QTest::mouseClick(s.find<QWidget>("Image1"), Qt::LeftButton);
        QCOMPARE(platform.printerDialogs, 1);
        QCOMPARE(platform.messages, accept ? QStringList() : QStringList{"Printing was cancelled!"});
        // A whole PDF with the screen on its page as a picture, or no file.
        const bool printed = accept && writable;
        QFile pdf(platform.pdfFile);
        QCOMPARE(pdf.open(QIODevice::ReadOnly), printed);
        const QByteArray bytes = printed ? pdf.readAll() : QByteArray();
        QCOMPARE(bytes.startsWith("%PDF") && bytes.contains("%%EOF") && bytes.contains("/Subtype /Image")
                     && bytes.size() > 2000, printed);
    }
};

QTEST_MAIN(TestPrintScreen)
#include "tst_printscreen.moc"
