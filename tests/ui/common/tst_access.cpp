// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every screen and tool for keyboard users, screen readers and large fonts. With a 14-point font, in English and
// Magyar, metric and imperial: each caption, text, option, button and frame title shows whole, no two controls
// overlap, every control a user reaches has a name a screen reader can say, and Tab walks those controls in the order
// they stand.
#include "screenfixture.h"
#include "ui/shell/utilsmenu.h"

namespace {
// A Screen (-1: the main window with the tool menu), the velocity screen's tool (0 velocity, 1 pressure loss, 2 meter
// size, 3 payback) or probe model, the order Tab walks the controls in (unchecked when empty), and a button clicked
// first (none when empty).
struct Case { int screen, option; QString tabOrder; QString click = {}; };

bool fits(const QSize &needed, const QWidget *w) { return needed.boundedTo(w->size()) == needed; }

// The text a control cuts, or nothing when it shows it whole. A text box
// shows its text in its contents less the two pixels it keeps free each side.
QString cutText(const QWidget *w)
{
    if (auto *box = qobject_cast<const QLineEdit *>(w)) {
        QStyleOptionFrame frame;
        frame.initFrom(box);
        frame.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box) : 0;
        const QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box) - box->textMargins();
        return box->fontMetrics().horizontalAdvance(box->text()) < room.width() - 4 ? QString() : box->text();
    }
    if (auto *frame = qobject_cast<const QGroupBox *>(w))
        return fits(frame->minimumSizeHint(), frame) ? QString() : frame->title();
    if (auto *label = qobject_cast<const QLabel *>(w))
        return label->wordWrap() || fits(label->minimumSizeHint(), label) ? QString() : label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return fits(button->sizeHint(), button) ? QString() : button->text();
    return {};
}
} // namespace

Q_DECLARE_METATYPE(Case)

class TestAccess : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setFont(QFont(QApplication::font().family(), 14)); }

    void everyScreen_data()
    {
        QTest::addColumn<Case>("screen");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("metric");
        const int velocity = int(Screen::Velocity), probe = int(Screen::Probe);
        const QString flow = "Image1 TxtMeterSize TxtFlow CmboFlowUnits TxtVelocity TxtReynolds TxtLblTurbLAm ";
        const std::pair<const char *, Case> cases[] = {
            // Main Menu and Quit close the tool menu's cycle; the language
            // list's text part stands for the list.
            {"main window", {-1, 0, "CmdMenuVel CmdMenuPress CmdMenuSize CmdVeldrixPayBack CmdMenuProbe "
             "CmdMenuConvert CmdMetersel CmdMetric CmdImperial CmbLanguage Picture1 CmdMdiMenu CmdMdiQuit"}},
            {"converter", {int(Screen::Converter), 0, "TxtPressIP CmbPressIP TxtPressOP CmbPressOP TxtViscIP CmbViscIP "
             "TxtViscSG TxtViscOP CmbViscOP TxtDensityIP CmbDensityIP TxtDensityOP CmbDensityOP TxtTempIP CmbTempIP "
             "TxtTempOP CmbTempOP TxtVelocityIP CmbVelocityIP TxtVelocityOP CmbVelocityOP TxtFlowIP CmbFlowIP "
             "TxtFlowOP CmbFlowOP TxtLengthIP CmbLengthIP TxtLengthOP CmbLengthOP TxtVolumeIP CmbVolumeIP TxtVolumeOP "
             "CmbVolumeOP TxtAreaIP CmbAreaIP TxtAreaOP CmbAreaOP"}},
            {"selection", {int(Screen::MeterSelection), 0, "TxtFluidName OptFluid_0 OptConductivity_0 OptMeasurements "
             "OptClean_0 OptVisc_0 TxtMaxTemp TxtMinTemp Check1 Check2 Check3 Check7 Check8 Check4 Check5"}},
            {"probe", {probe, 0, "Image1 TxtpipeSize OptProbeLocation_0 OptProbeType_0 TxtMagFp TxtMagFi"}},
            {"probe Lumbrin", {probe, 2, {}}},
            {"velocity", {velocity, 0, flow + "ChkWater ChkOther OptMeterType_0"}},
            {"velocity, Veldrix chosen", {velocity, 0, flow + "ChkWater ChkOther TxtAccurVeldrix CmdAccuracyChart "
             "OptMeterType_0", "OptMeterType_1"}},
            {"velocity, Brevil chosen, no size", {velocity, 0, flow + "ChkWater ChkOther CmdAccuracyChart OptMeterType_0",
             "OptMeterType_2"}},
            {"pressure loss", {velocity, 1, "Image1 TxtpipeSize TxtTaperAngle TxtMeterSize TxtFlow CmboFlowUnits "
             "TxtVelocity TxtReynolds TxtLblTurbLAm ChkWater TxtPressMeter TxtPressMeterbars TxtPressMeterPsi "
             "OptMeterType_0"}},
            {"meter size", {velocity, 2, "Image1 TxtFlow CmboFlowUnits TxtReynolds TxtLblTurbLAm TxtMaxSize Text1 "
             "TxtPresMag1 TxTMinSize Text2 TxtPressMag2 Txt1ms Text3 TxtPressMag3 Txt2ms Text4 TxtPressMag4 Txt3ms "
             "Text5 TxtPressMag5"}},
            {"payback", {velocity, 3, flow + "TxtAnnualUsage TxtMeterPrice TxtCurrentMeterAccuracy TxtWaterValue "
             "TxtSewageCharge Chkmains_0 TxtRevenueLoss TxtPayBack"}}};
        for (const char *language : {"English.txt", "Hungary.txt"})
            for (bool metric : {true, false})
                for (const auto &[name, c] : cases)
                    QTest::addRow("%s %s %s", name, language, metric ? "metric" : "imperial")
                        << c << QString::fromLatin1(language) << metric;
    }
    void everyScreen()
    {
        QFETCH(Case, screen);
        QFETCH(QString, language);
        QFETCH(bool, metric);
        std::optional<SuiteFixture> suite;
        std::optional<ScreenFixture> fixture;
        QWidget *root;
        if (screen.screen < 0) {
            root = &suite.emplace(language).main;
            QVERIFY(suite->main.start());
            control<QAbstractButton>(root, metric ? "CmdMetric" : "CmdImperial")->click();
        } else {
            root = fixture.emplace(Screen(screen.screen), language, metric, velocity::VelocityTool(screen.option)).screen.get();
            if (Screen(screen.screen) == Screen::Probe)
                control<QAbstractButton>(root, indexedName(u"OptProbeType", screen.option))->click();
        }
        if (!screen.click.isEmpty())
            control<QAbstractButton>(root, screen.click)->click();
        root->show();
        root->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(root));
        if (!screen.tabOrder.isEmpty()) {
            QWidget *first = control<QWidget>(root, screen.tabOrder.section(u' ', 0, 0));
            first->setFocus(Qt::TabFocusReason);
            QStringList walked;
            for (int i = 0; i < 200 && (i == 0 || QApplication::focusWidget() != first); ++i) {
                const QWidget *focus = QApplication::focusWidget();
                walked << (focus->objectName().isEmpty() ? focus->parentWidget()->objectName() : focus->objectName());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QCOMPARE(walked.join(u' '), screen.tabOrder);
        }

        QList<std::pair<QString, QRect>> placed; // the named controls so far, where they stand in the window
        for (const QWidget *w : root->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(root))
                continue;
            // A list's own text box has no name: it is reported by the list's.
            const QString name = w->objectName().isEmpty() ? w->parentWidget()->objectName() : w->objectName();
            QVERIFY2(cutText(w).isEmpty(), qPrintable(name + QStringLiteral(": ") + cutText(w)));
            if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && !w->objectName().isEmpty()) {
                QAccessibleInterface *face = QAccessible::queryAccessibleInterface(const_cast<QWidget *>(w));
                QVERIFY2(face && !face->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(name + " has no name"));
            }
            if (!w->objectName().isEmpty() && (w->inherits("QLineEdit") || w->inherits("QLabel")
                                               || w->inherits("QAbstractButton") || w->inherits("QComboBox"))) {
                const QRect place(w->mapTo(root, QPoint()), w->size());
                for (const auto &[other, rect] : placed)
                    QVERIFY2(!place.intersects(rect), qPrintable(name + QStringLiteral(" overlaps ") + other));
                placed.append({name, place});
            }
        }
    }

    // Main Menu and Quit from any screen by their keys, which their tooltips
    // name; the tool menu's controls are hidden while a screen covers them.
    void mainMenuAndQuitFromAnyScreen()
    {
        SuiteFixture suite;
        MDIForm1 &main = suite.main;
        QVERIFY(main.start());
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QVERIFY(control<QWidget>(&main, "CmdMdiMenu")->toolTip().endsWith(u"(Ctrl+M)"));
        QVERIFY(control<QWidget>(&main, "CmdMdiQuit")->toolTip().endsWith(u"(Ctrl+Q)"));
        for (const char *tool : {"CmdMenuVel", "CmdMenuConvert", "CmdMenuProbe", "CmdMetersel"}) {
            control<QAbstractButton>(&main, tool)->click();
            QWidget *screen = main.mdiArea()->activeSubWindow()->widget();
            QVERIFY(screen != static_cast<QWidget *>(main.toolMenu()));
            QTRY_VERIFY2(main.toolMenu()->isHidden(), tool);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ControlModifier);
            QCOMPARE(main.mdiArea()->activeSubWindow()->widget(), static_cast<QWidget *>(main.toolMenu()));
            QTRY_VERIFY2(main.toolMenu()->isVisible(), tool);
        }
        control<QAbstractButton>(&main, "CmdMenuVel")->click();
        QCOMPARE(suite.platform.quitCode, -1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(suite.platform.quitCode, 0);
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
