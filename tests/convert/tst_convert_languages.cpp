// Every shipped language must give each unit list distinct names, none equal
// to the list's prompt: the converter recognises a unit by its name, so two
// equal names would make one unit unreachable.
#include "convert/catalogue.h"
#include "screenfixture.h"

#include <QSet>
#include <QtTest>

class TestConvertLanguages : public QObject
{
    Q_OBJECT
private slots:
    void unitNamesAreDistinct_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *f : {"English.txt", "French.txt", "German.txt", "Spanish.txt", "Dutch.txt", "Italian.txt",
                              "Hungary.txt", "Special.txt"})
            QTest::newRow(f) << QString::fromLatin1(f);
    }
    void unitNamesAreDistinct()
    {
        QFETCH(QString, file);
        TestApp t(file);
        const AppState &app = t.app;
        for (conv::Quantity q : conv::kFillOrder) {
            const QStringList names = conv::unitNames(q, app.texts);
            const QString where = QStringLiteral("%1, list of slot %2").arg(file).arg(conv::captionSlot(q));
            QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
            QVERIFY2(!names.contains(app.slot(conv::promptSlot(q))), qPrintable(where));
            for (const QString &n : names)
                QVERIFY2(!n.trimmed().isEmpty(), qPrintable(where));
        }
    }
};

QTEST_GUILESS_MAIN(TestConvertLanguages)
#include "tst_convert_languages.moc"
