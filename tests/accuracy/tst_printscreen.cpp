// Printing a screen through the printer dialog seam.
#include "accuracy/printscreen.h"
#include "screenfixture.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class TestPrintScreen : public QObject
{
    Q_OBJECT

private slots:
    void placement_data()
    {
        QTest::addColumn<QSizeF>("image");
        QTest::addColumn<QRectF>("page");
        QTest::addColumn<QRectF>("expected");
        const QRectF a4(0, 0, 718, 1047); // printable A4 at 96 dots per inch
        QTest::newRow("fits: own size") << QSizeF(640, 520) << a4 << QRectF(0, 0, 640, 520);
        QTest::newRow("too wide: width fits") << QSizeF(1436, 600) << a4 << QRectF(0, 0, 718, 300);
        QTest::newRow("too tall, page offset") << QSizeF(500, 2094) << a4.translated(9, 8) << QRectF(9, 8, 250, 1047);
        QTest::newRow("too big both ways") << QSizeF(2000, 2000) << a4 << QRectF(0, 0, 718, 718);
        QTest::newRow("empty image") << QSizeF(0, 50) << a4 << QRectF();
        QTest::newRow("empty page") << QSizeF(100, 50) << QRectF() << QRectF();
    }

    void placement()
    {
        QFETCH(QSizeF, image);
        QFETCH(QRectF, page);
        QFETCH(QRectF, expected);
        QCOMPARE(placeOnPage(image, page), expected);
    }

    // The probe screen's print picture clicked: the printer dialog once, then
    // a cancel message, a PDF of the screen, or (file not writable) nothing.
    void printFromPicture_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("cancel") << false << true << QStringList{"Printing was cancelled!"};
        QTest::newRow("accept") << true << true << QStringList();
        QTest::newRow("unusable printer ends quietly") << true << false << QStringList();
    }

    void printFromPicture()
    {
        QFETCH(bool, accept);
        QFETCH(bool, writable);
        QFETCH(QStringList, messages);
        QTemporaryDir dir;
        ScreenFixture s(Screen::Probe);
        FakePlatform &platform = s.platform;
        platform.acceptPrinter = accept;
        platform.pdfFile = (writable ? dir.path() : QStringLiteral("/nonexistent-folder/for/sure")) + "/screen.pdf";
        s.screen->show();
        s.type("TxtpipeSize", "100");
        QTest::failOnWarning(QRegularExpression(".")); // such as a printer begun after a cancel
        if (!writable)
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QTest::mouseClick(s.find<QWidget>("Image1"), Qt::LeftButton);
        QCOMPARE(platform.printerDialogs, 1);
        QCOMPARE(platform.messages, messages);
        const bool printed = accept && writable;
        QFile pdf(platform.pdfFile);
        QCOMPARE(pdf.open(QIODevice::ReadOnly), printed);
        // A whole PDF with the screen on its page as a picture.
        const QByteArray bytes = printed ? pdf.readAll() : QByteArray();
        QCOMPARE(bytes.startsWith("%PDF") && bytes.contains("%%EOF"), printed);
        QCOMPARE(bytes.contains("/Subtype /Image") && bytes.size() > 2000, printed);
    }
};

QTEST_MAIN(TestPrintScreen)
#include "tst_printscreen.moc"
