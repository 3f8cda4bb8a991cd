// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The accuracy chart window in the suite: the View menu and the velocity screen's button open it once, it follows what
// is typed on the velocity screen (one update per turn of the event loop, however many handlers ran), and it outlives
// the screen, taking up the next one. The figures themselves are tested without widgets.
#include "screenfixture.h"
#include "ui/common/events.h"
#include "ui/velocity/accuracychartfrm.h"
#include "ui/velocity/velocityfrm.h"

using namespace velocity;

namespace {

// What the chart shows, in short: why it is empty, or its axis, the size and the typed flow with its accuracy text.
QString summary(const AccuracyChartFrm *chart)
{
    const ChartData &d = chart->data();
    if (!chart->followsScreen())
        return d.empty == ChartEmpty::NoSize && !d.currentFlow ? QStringLiteral("no screen")
                                                                : QStringLiteral("no screen, old chart kept");
    switch (d.empty) {
    case ChartEmpty::NoSize:
        return QStringLiteral("no size");
    case ChartEmpty::NoUnit:
        return QStringLiteral("no unit");
    case ChartEmpty::NoFigures:
        return QStringLiteral("no figures");
    case ChartEmpty::None:
        break;
    }
    return QStringLiteral("%1..%2 %3|%4|%5")
        .arg(d.flowMin)
        .arg(d.flowMax)
        .arg(d.meterSizeText, d.currentFlowText, d.currentAccuracyText);
}

// Steps on the suite, one after the other: "chart" (the View menu's item), "velocity" (the tool menu's button),
// "menu" (the main menu button, which closes the screens), "imperial", "unit=4", "size=100", "flow=20", "type=1".
struct Steps { const char *name; QString steps, shown; };

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestAccuracyChartWindow : public QObject
{
    Q_OBJECT
    std::optional<SuiteFixture> m_suite;

    MDIForm1 &main() { return m_suite->main; }
    QWidget *velocityScreen() { return main().screens().find(Screen::Velocity); }
    QAction *chartItem() { return main().menuBar()->findChild<QAction *>(QStringLiteral("AccuracyChart")); }
    // One turn of the event loop, in which the chart's gathered update runs, and the windows closed are deleted.
    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    void play(const QString &steps)
    {
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            const QString key = step.section(u'=', 0, 0), value = step.section(u'=', 1);
            if (key == u"chart")
                chartItem()->trigger();
            else if (key == u"velocity")
                control<QPushButton>(&main(), QStringLiteral("CmdMenuVel"))->click();
            else if (key == u"menu")
                control<QPushButton>(&main(), QStringLiteral("CmdMdiMenu"))->click();
            else if (key == u"imperial")
                control<QPushButton>(&main(), QStringLiteral("CmdImperial"))->click();
            else if (key == u"unit")
                ev::choose(control<QComboBox>(velocityScreen(), QStringLiteral("CmboFlowUnits")), value.toInt() - 1);
            else if (key == u"size" || key == u"flow")
                control<QLineEdit>(velocityScreen(), key == u"size" ? "TxtMeterSize" : "TxtFlow")->setText(value);
            else if (key == u"type")
                control<QAbstractButton>(velocityScreen(), indexedName(u"OptMeterType", value.toInt()))->click();
            else
                QFAIL(qPrintable("unknown step " + step));
            settle();
        }
    }

private slots:
    void init()
    {
        m_suite.emplace();
        QVERIFY(m_suite->main.start());
    }
    void cleanup() { m_suite.reset(); }

    // The View menu's item opens the chart as a child window of the main window, with a keyboard shortcut; again, it
    // brings the same window to the front.
    void viewMenuOpensOnce()
    {
        QMenu *view = main().menuBar()->findChild<QMenu *>(QStringLiteral("View"));
        QVERIFY(view && view->actions().contains(chartItem()));
        QCOMPARE(chartItem()->text(), QStringLiteral("Accuracy chart"));
        QCOMPARE(chartItem()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+A")));
        QVERIFY(!main().accuracyChart());
        chartItem()->trigger();
        AccuracyChartFrm *chart = main().accuracyChart();
        QVERIFY(chart);
        QCOMPARE(chart->objectName(), QStringLiteral("AccuracyChartFrm"));
        QCOMPARE(main().mdiArea()->activeSubWindow()->widget(), chart);
        const int windows = int(main().mdiArea()->subWindowList().size());
        main().openToolMenu();
        chartItem()->trigger();
        QCOMPARE(main().accuracyChart(), chart);
        QCOMPARE(main().mdiArea()->subWindowList().size(), windows);
        QCOMPARE(main().mdiArea()->activeSubWindow()->widget(), chart);
    }

    // The chart follows the velocity screen, opened before or after it, as the user types and chooses; it outlives
    // the screen and takes up the next one.
    void followsTheScreen_data()
    {
        const Steps rows[] = {
            {"no velocity screen", "chart", "no screen"},
            {"the screen opened later", "chart velocity", "no size"},
            {"the screen opened first", "velocity chart", "no size"},
            {"no flow unit yet", "chart velocity size=100", "no unit"},
            {"typed, no type chosen", "velocity chart unit=4 size=100 flow=20",
             "0.01..100 100 Millimetres|20 Cubic Metres per hour|"},
            {"Veldrix Mains chosen", "velocity chart unit=4 size=100 flow=20 type=1",
             "0.01..100 100 Millimetres|20 Cubic Metres per hour|±  .25%"},
            {"another type chosen", "velocity chart unit=4 size=100 flow=20 type=1 type=0",
             "0.01..100 100 Millimetres|20 Cubic Metres per hour|± 0.15%"},
            {"a size without figures", "velocity chart unit=4 size=10 flow=20", "no figures"},
            {"imperial chosen on the tool menu", "velocity chart unit=4 size=4 flow=20 type=1 imperial",
             "0.01..100 4 Inches|20 Cubic Metres per hour|±  .25%"},
            {"the screen closed", "velocity chart unit=4 size=100 flow=20 menu", "no screen"},
            {"a new screen after it", "velocity chart unit=4 size=100 flow=20 menu velocity", "no size"},
            {"typing on the new screen", "velocity chart unit=4 size=100 flow=20 menu velocity unit=1 size=700 flow=5",
             "1..10000 700 Millimetres|5 Litres per second|"},
        };
        addRows(rows);
    }
    void followsTheScreen()
    {
        QFETCH(Steps, row);
        play(row.steps);
        AccuracyChartFrm *chart = main().accuracyChart();
        QVERIFY(chart);
        QCOMPARE(summary(chart), row.shown);
        // Painted whole whatever it shows, at the pixel ratio of a sharp screen too.
        QImage image(chart->size() * 2, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2);
        chart->render(&image);
        QVERIFY(!image.isNull());
    }

    // The chart and the velocity screen stand side by side whichever opened first, neither maximised, the screen at
    // the left; the one opened last is the active window.
    void besideTheScreen_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("chartActive");
        QTest::newRow("chart opened after the screen") << "velocity chart" << true;
        QTest::newRow("screen opened after the chart") << "chart velocity" << false;
    }
    void besideTheScreen()
    {
        QFETCH(QString, steps);
        QFETCH(bool, chartActive);
        play(steps);
        const QWidget *chart = main().accuracyChart()->parentWidget(), *screen = velocityScreen()->parentWidget();
        QVERIFY(!chart->isMaximized() && !screen->isMaximized());
        QVERIFY(chart->isVisible() && screen->isVisible());
        QCOMPARE(screen->geometry().topLeft(), QPoint(0, 0));
        QVERIFY2(chart->x() >= screen->geometry().right(), qPrintable(QString::number(chart->x())));
        QCOMPARE(chart->height(), screen->height());
        QCOMPARE(main().mdiArea()->activeSubWindow() == chart, chartActive);
    }

    // A keystroke runs several handlers on the screen; the chart works itself out after all of them, at the next turn
    // of the event loop.
    void updatesOnceTheKeystrokeIsDone()
    {
        play(QStringLiteral("velocity chart unit=4 size=100 flow=20 type=1"));
        AccuracyChartFrm *chart = main().accuracyChart();
        QSignalSpy ran(static_cast<Velocityfrm *>(velocityScreen()), &Velocityfrm::changed);
        control<QLineEdit>(velocityScreen(), QStringLiteral("TxtFlow"))->setText(QStringLiteral("2"));
        QVERIFY2(ran.count() > 1, qPrintable(QString::number(ran.count())));
        QCOMPARE(chart->data().currentFlowText, QStringLiteral("20 Cubic Metres per hour"));
        QCoreApplication::processEvents();
        QCOMPARE(chart->data().currentFlowText, QStringLiteral("2 Cubic Metres per hour"));
        QCOMPARE(chart->data().currentAccuracyText, QStringLiteral("±  2%"));
    }

    // The accuracy frame's chart button is reached by Tab after the accuracy shown, and Enter or Space on it opens
    // the chart.
    void buttonByKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void buttonByKeyboard()
    {
        QFETCH(int, key);
        play(QStringLiteral("velocity unit=4 size=100 flow=20 type=1"));
        main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main()));
        auto *button = control<QPushButton>(velocityScreen(), QStringLiteral("CmdAccuracyChart"));
        QVERIFY(button->isVisibleTo(velocityScreen()));
        control<QLineEdit>(velocityScreen(), QStringLiteral("TxtAccurVeldrix"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button);
        QVERIFY(!main().accuracyChart());
        QTest::keyClick(button, Qt::Key(key));
        settle();
        QVERIFY(main().accuracyChart());
        QCOMPARE(main().mdiArea()->activeSubWindow()->widget(), main().accuracyChart());
        QCOMPARE(summary(main().accuracyChart()), "0.01..100 100 Millimetres|20 Cubic Metres per hour|±  .25%");
    }
};

QTEST_MAIN(TestAccuracyChartWindow)
#include "tst_accuracy_chart_window.moc"
