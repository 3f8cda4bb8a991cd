// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A seeded random drive of the whole suite: on each screen, random user actions (typing numbers, huge, tiny, negative
// and non-numbers, very long texts; choosing list items; clicking options and buttons; switching units and languages).
// After every action no field shows "inf" or "nan", the velocity screen shows a Reynolds number and no modal dialog is
// left open. GAUNTRY_DRIVE_ACTIONS sets the actions per screen (`make soak` runs 10,000); GAUNTRY_DRIVE_SEED the seed.
#include "ui/common/events.h"
#include "ui/shell/utilsmenu.h"
#include "screenfixture.h"

namespace {

int settingOr(const char *name, int fallback)
{
    return qEnvironmentVariableIntValue(name) > 0 ? qEnvironmentVariableIntValue(name) : fallback;
}

QString randomText(QRandomGenerator &random)
{
    static const QStringList texts = {"1", "0", "-5", "100", "10.5", "1e308", "1e-308", "1e309", "-1e309", "3/8", "1/2",
                                      "abc", ".", "-", "e5", "0.0001", "32767", "32768", "700", "99999999", "2.5e10",
                                      " 12 ", "1,5", QString()};
    if (random.bounded(50) == 0)
        return QString(10000, QChar(u'0' + int(random.bounded(10))));
    if (random.bounded(4) == 0)
        return QString::number(random.generateDouble() * 1000 - 100, 'g', int(random.bounded(1, 12)));
    return texts[int(random.bounded(qsizetype(texts.size())))];
}

// One random action on an enabled, shown, named control of `root`: text typed into a box or list, a list item chosen,
// a button clicked (never Quit). Returns what was done, for a failure.
QString act(QWidget *root, QRandomGenerator &random)
{
    QList<QWidget *> targets;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->objectName().isEmpty() && w->isVisibleTo(root) && w->isEnabled()
            && (qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractButton *>(w)
                || (qobject_cast<QLineEdit *>(w) && !static_cast<QLineEdit *>(w)->isReadOnly()
                    && !qobject_cast<QComboBox *>(w->parentWidget()))))
            targets << w;
    }
    if (targets.isEmpty())
        return QStringLiteral("nothing to do");
    QWidget *w = targets[int(random.bounded(qsizetype(targets.size())))];
    const QString name = w->objectName();
    if (name == "CmdMdiQuit")
        return QStringLiteral("quit left alone");
    auto *list = qobject_cast<QComboBox *>(w);
    if (list && list->count() > 0 && random.bounded(3) > 0) {
        const int index = int(random.bounded(list->count()));
        ev::choose(list, index);
        return name + " choose " + QString::number(index);
    }
    if (list || qobject_cast<QLineEdit *>(w)) {
        const QString text = randomText(random);
        list ? ev::setComboText(list, text) : static_cast<QLineEdit *>(w)->setText(text);
        return name + " <- " + text.left(20);
    }
    static_cast<QAbstractButton *>(w)->click();
    return name + " clicked";
}

} // namespace

class TestRandomDrive : public QObject
{
    Q_OBJECT
private slots:
    // Every tool button's screen (and the tool menu alone) driven at random.
    void drive_data()
    {
        QTest::addColumn<QString>("button");
        for (const char *b : {"CmdMenuConvert", "CmdMetersel", "CmdMenuProbe", "CmdMenuVel", "CmdMenuPress",
                              "CmdMenuSize", "CmdVeldrixPayBack", "CmdMdiMenu"})
            QTest::newRow(b) << QString::fromLatin1(b);
    }
    void drive()
    {
        QFETCH(QString, button);
        const int actions = settingOr("GAUNTRY_DRIVE_ACTIONS", 300);
        QRandomGenerator random(quint32(settingOr("GAUNTRY_DRIVE_SEED", 20261206)));
        SuiteFixture suite;
        suite.platform.answers = QList<std::optional<QString>>(100000, QStringLiteral("0.8"));
        MDIForm1 &main = suite.main;
        QVERIFY(main.start());
        static const QRegularExpression bad(QStringLiteral("\\b(inf|nan)\\b"), QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression whole(QStringLiteral("^\\d+$|^\\d(\\.\\d+)?E\\+\\d+$")); // 15 digits at most
        for (int i = 0; i < actions; ++i) {
            // Mostly the screen under test; now and then the tool menu, which
            // also switches units and languages and reopens the screen.
            if (!main.mdiArea()->activeSubWindow() || i % 50 == 0)
                control<QPushButton>(&main, button)->click();
            QWidget *root = i % 17 == 0 ? static_cast<QWidget *>(main.toolMenu())
                                        : main.mdiArea()->activeSubWindow()->widget();
            if (!root)
                continue;
            const QString done = QStringLiteral("after %1 (action %2): ").arg(act(root, random)).arg(i);
            for (QLineEdit *box : main.findChildren<QLineEdit *>()) {
                const bool shown = box->isVisibleTo(&main);
                QVERIFY2(!shown || !box->text().contains(bad), qPrintable(done + box->objectName() + ": " + box->text()));
                // Every run of the velocity screen works out a Reynolds number: a whole number, never an empty box.
                QVERIFY2(!shown || box->objectName() != u"TxtReynolds" || whole.match(box->text()).hasMatch(),
                         qPrintable(done + "Reynolds number " + box->text()));
            }
            QVERIFY2(!QApplication::activeModalWidget(), qPrintable(done));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
};

QTEST_MAIN(TestRandomDrive)
#include "tst_random_drive.moc"
