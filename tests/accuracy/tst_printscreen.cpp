// Printing a screen through the printer dialog seam.
#include "accuracy/printscreen.h"
#include "common/appstate.h"
#include "fakeplatform.h"
#include "probe/tessivofrm.h"
#include "testlang.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class TestPrintScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void placement_data()
    {
        QTest::addColumn<QSizeF>("image");
        QTest::addColumn<QRectF>("page");
        QTest::addColumn<QRectF>("expected");
        const QRectF a4(0, 0, 718, 1047); // printable A4 at 96 dots per inch
        QTest::newRow("fits: own size") << QSizeF(640, 520) << a4 << QRectF(0, 0, 640, 520);
        QTest::newRow("exactly the page") << QSizeF(718, 1047) << a4 << QRectF(0, 0, 718, 1047);
        QTest::newRow("too wide: width fits") << QSizeF(1436, 600) << a4 << QRectF(0, 0, 718, 300);
        QTest::newRow("too tall: height fits") << QSizeF(500, 2094) << a4 << QRectF(0, 0, 250, 1047);
        QTest::newRow("too big both ways") << QSizeF(2000, 2000) << a4 << QRectF(0, 0, 718, 718);
        QTest::newRow("page offset kept") << QSizeF(100, 50) << QRectF(10, 20, 300, 300) << QRectF(10, 20, 100, 50);
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

    void cancelShowsMessageOnce()
    {
        QTemporaryDir dir;
        FakePlatform platform;
        platform.acceptPrinter = false;
        platform.pdfFile = dir.filePath(QStringLiteral("screen.pdf"));
        AppState app;
        app.platform = &platform;
        QWidget window;
        window.resize(200, 100);
        printScreen(&window, app);
        QCOMPARE(platform.printerDialogs, 1);
        QCOMPARE(platform.messages, QStringList{"Printing was cancelled!"});
        QVERIFY(!QFile::exists(platform.pdfFile));
    }

    // Accepting the dialog with a PDF file as the printer writes the screen,
    // with the values it shows, into that file.
    void acceptPrintsScreenToPdf()
    {
        QTemporaryDir dir;
        FakePlatform platform;
        platform.acceptPrinter = true;
        platform.pdfFile = dir.filePath(QStringLiteral("screen.pdf"));
        AppState app;
        app.platform = &platform;
        QVERIFY(loadShippedLanguage(app));
        TessivoFrm screen(app);
        screen.show();
        screen.findChild<QLineEdit *>(QStringLiteral("TxtpipeSize"))->setText(QStringLiteral("100"));

        QTest::mouseClick(screen.findChild<QWidget *>(QStringLiteral("Image1")), Qt::LeftButton);

        QCOMPARE(platform.printerDialogs, 1);
        QVERIFY(platform.messages.isEmpty());
        QFile pdf(platform.pdfFile);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.contains("%%EOF"));
        // The screen goes onto the page as a picture.
        QVERIFY(bytes.contains("/Subtype /Image"));
        QVERIFY(bytes.size() > 2000);
    }

    // A printer that cannot be used ends the routine quietly.
    void unusablePrinterEndsQuietly()
    {
        FakePlatform platform;
        platform.acceptPrinter = true;
        platform.pdfFile = QStringLiteral("/nonexistent-folder/for/sure/screen.pdf");
        AppState app;
        app.platform = &platform;
        QWidget window;
        window.resize(200, 100);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        printScreen(&window, app);
        QCOMPARE(platform.printerDialogs, 1);
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(!QFile::exists(platform.pdfFile));
    }
};

QTEST_MAIN(TestPrintScreen)
#include "tst_printscreen.moc"
