// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The data sheet as a user gets it: a screen filled in through the suite, File > Export data sheet, and the PDF read
// back with pdftotext. It must hold every caption, value and unit the screen shows, on one line each, under the
// heading; a folder the user may not write in or a full disk gives a message and leaves no file.
#include "screenfixture.h"
#include "ui/common/datasheet.h"
#include "ui/common/events.h"

#include <QProcess>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// A tool button, what is typed ("name=text" or "name" to click), the language and unit system, and texts the
// sheet must show apart from the screen's rows (the chart's words for the velocity tools).
struct SheetRow { const char *name; const char *button; QString steps; QString language; bool metric; QString extra; };

// The text of a PDF, laid out as on the page.
QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QStringLiteral("(pdftotext failed: %1)").arg(QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Whether a line of `text` holds all `cells` in their order (runs of blanks count as one: the PDF places words, not
// blanks).
bool hasLine(const QString &text, const QStringList &cells)
{
    for (const QString &rawLine : text.split(u'\n')) {
        const QString line = rawLine.simplified();
        qsizetype at = 0;
        bool all = true;
        for (const QString &rawCell : cells) {
            const QString cell = rawCell.simplified();
            if (cell.isEmpty())
                continue;
            at = line.indexOf(cell, at);
            if (at < 0) {
                all = false;
                break;
            }
            at += cell.size();
        }
        if (all)
            return true;
    }
    return false;
}

struct Exported : SuiteFixture {
    QTemporaryDir out;
    QWidget *screen = nullptr;

    Exported(const SheetRow &row) : SuiteFixture(row.language)
    {
        if (!main.start())
            qFatal("the suite did not start");
        control<QAbstractButton>(&main, row.metric ? "CmdMetric" : "CmdImperial")->click();
        control<QAbstractButton>(&main, row.button)->click();
        screen = main.mdiArea()->activeSubWindow()->widget();
        for (const QString &step : row.steps.split(u' ', Qt::SkipEmptyParts)) {
            const QString name = step.section(u'=', 0, 0);
            if (!step.contains(u'='))
                control<QAbstractButton>(screen, name)->click();
            else if (auto *list = screen->findChild<QComboBox *>(name))
                ev::choose(list, step.section(u'=', 1).toInt() - 1);
            else
                control<QLineEdit>(screen, name)->setText(step.section(u'=', 1));
        }
    }
    QString path(const QString &name = QStringLiteral("sheet.pdf")) const { return out.filePath(name); }
    // File > Export data sheet, the user naming `file` in the dialog.
    void exportTo(const QString &file)
    {
        platform.savePath = file;
        QAction *action = main.findChild<QAction *>(QStringLiteral("ExportDataSheet"));
        if (!action || !action->isEnabled())
            qFatal("the export is not offered");
        action->trigger();
    }
};

} // namespace

class TestDataSheet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    // Every screen and tool, in English and Magyar, metric and imperial: each row of what the screen shows stands on
    // a line of the PDF, with the heading and the tool's title; in English metric also figures the example gives.
    void everyScreen_data()
    {
        QTest::addColumn<SheetRow>("row");
        const QString velocity = "CmboFlowUnits=1 TxtMeterSize=100 TxtFlow=7.853608733 ";
        const SheetRow tools[] = {
            {"velocity", "CmdMenuVel", velocity + "OptMeterType_1", "", true, "Veldrix Mains|Q1|Q2|Qb|Brevil"},
            {"velocity, Prandel", "CmdMenuVel", velocity + "OptMeterType_0", "", true, "Prandel"},
            {"payback", "CmdVeldrixPayBack", velocity + "Chkmains_0 TxtMeterPrice=1000 TxtWaterValue=1 "
             "TxtSewageCharge=0.5 TxtCurrentMeterAccuracy=2", "", true, "6501.37"},
            {"pressure loss", "CmdMenuPress", "TxtpipeSize=100 TxtTaperAngle=15 OptMeterType_1 TxtMeterSize=50 "
             "CmboFlowUnits=1 TxtFlow=3.926804", "", true, "0.8885"},
            {"meter size", "CmdMenuSize", "CmboFlowUnits=1 TxtFlow=10", "", true, "0.1252"},
            {"converter", "CmdMenuConvert", "TxtPressIP=1 CmbPressIP=1 CmbPressOP=7", "", true, "14.5038"},
            {"selection", "CmdMetersel", "TxtFluidName=Brine OptFluid_0 TxtMaxTemp=60", "", true, "Brine"},
            {"probe", "CmdMenuProbe", "TxtpipeSize=300 OptProbeLocation_0 OptProbeType_2 OptLumbrinFlowUnits_1",
             "", true, ""}};
        for (const SheetRow &tool : tools) {
            for (const char *language : {"English.txt", "Hungary.txt"}) {
                for (bool metric : {true, false}) {
                    SheetRow row = tool;
                    row.language = QString::fromLatin1(language);
                    row.metric = metric;
                    if (row.language != u"English.txt" || !metric)
                        row.extra.clear();
                    QTest::addRow("%s, %s, %s", tool.name, language, metric ? "metric" : "imperial") << row;
                }
            }
        }
    }
    void everyScreen()
    {
        QFETCH(SheetRow, row);
        Exported e(row);
        e.exportTo(e.path());
        QCOMPARE(e.platform.messages, QStringList());
        const QStringList dialog = e.platform.saveDialogs.value(0);
        const DataSheet sheet = dynamic_cast<DataSheetSource *>(e.screen)->dataSheet();
        QVERIFY2(dialog.value(1).endsWith(sheet.tool + " 2026-12-06.pdf"), qPrintable(dialog.value(1)));
        const QString text = pdfText(e.path());
        const QStringList heading = {"Gauntry 3.051 (14/4/04)", e.app.slot(Txt::LanguageName),
                                     e.app.slot(row.metric ? Txt::Metric : Txt::Imperial), sheet.tool};
        for (const QString &expected : heading)
            QVERIFY2(text.contains(expected), qPrintable(expected + " missing in:\n" + text));
        int rows = 0;
        for (const SheetSection &section : sheet.sections) {
            for (const QStringList &cells : section.rows) {
                QVERIFY2(hasLine(text, cells), qPrintable(cells.join(u'|') + " missing in:\n" + text));
                ++rows;
            }
        }
        QVERIFY(rows >= 1);
        for (const QString &extra : row.extra.split(u'|', Qt::SkipEmptyParts))
            QVERIFY2(text.contains(extra), qPrintable(extra + " missing in:\n" + text));
    }

    // A folder the user may not write in, a full disk: one message naming the file, no file and no temporary file
    // left, the screen as it was. A cancelled dialog writes nothing and says nothing.
    void failedWrites_data()
    {
        QTest::addColumn<QString>("fault");
        for (const char *fault : {"read-only folder", "full disk", "cancelled"})
            QTest::newRow(fault) << QString::fromLatin1(fault);
    }
    void failedWrites()
    {
        QFETCH(QString, fault);
        Exported e({"", "CmdMenuVel", "CmboFlowUnits=1 TxtMeterSize=100 TxtFlow=10", "English.txt", true, ""});
        const QString before = shownTexts(e.screen, {"TxtVelocity", "TxtReynolds"});
        const uid_t uid = geteuid();
        const gid_t gid = getegid();
        rlimit disk{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &disk) == 0);
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG instead of ending the process
        bool faulty = true;
        if (fault == u"read-only folder") {
            QVERIFY(QFile::setPermissions(e.out.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                            | QFile::ExeOther));
            faulty = uid != 0 || (setegid(65534) == 0 && seteuid(65534) == 0);
        } else if (fault == u"full disk") {
            const rlimit full{2000, disk.rlim_max};
            faulty = setrlimit(RLIMIT_FSIZE, &full) == 0;
        }
        if (fault == u"cancelled") {
            e.platform.savePath.reset();
            e.main.findChild<QAction *>(QStringLiteral("ExportDataSheet"))->trigger();
        } else {
            e.exportTo(e.path());
        }
        QVERIFY(seteuid(uid) == 0 && setegid(gid) == 0 && setrlimit(RLIMIT_FSIZE, &disk) == 0 && faulty);
        QVERIFY(QFile::setPermissions(e.out.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(QDir(e.out.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(e.platform.messages.size(), fault == u"cancelled" ? 0 : 1);
        if (fault != u"cancelled")
            QVERIFY2(e.platform.messages[0].contains(e.path()), qPrintable(e.platform.messages[0]));
        QCOMPARE(shownTexts(e.screen, {"TxtVelocity", "TxtReynolds"}), before);
    }

    // The tool menu has no data sheet: the export is offered only while a calculator screen is in front.
    void offeredForScreensOnly()
    {
        SuiteFixture suite;
        QVERIFY(suite.main.start());
        QAction *action = suite.main.findChild<QAction *>(QStringLiteral("ExportDataSheet"));
        QVERIFY(action && !action->isEnabled());
        QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+E")));
        control<QAbstractButton>(&suite.main, "CmdMenuConvert")->click();
        QVERIFY(action->isEnabled());
    }
};

QTEST_MAIN(TestDataSheet)
#include "tst_datasheet.moc"
