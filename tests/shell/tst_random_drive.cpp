// A seeded random drive of the whole suite: on each screen, random user
// actions (typing numbers, huge, tiny, negative and non-numbers, very long
// texts; choosing list items; clicking options and buttons; switching units
// and languages). After every action no field shows "inf" or "nan" and no
// modal dialog is left open. GAUNTRY_DRIVE_ACTIONS sets the actions per
// screen (`make soak` runs 10,000); GAUNTRY_DRIVE_SEED the seed.
#include "common/events.h"
#include "common/widgets.h"
#include "fakeplatform.h"
#include "lang/languages.h"
#include "shell/mdiform.h"
#include "shell/utilsmenu.h"
#include "testlang.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int settingOr(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

const QStringList kTexts = {"1",      "0",     "-5",   "100",     "10.5",   "1e308", "1e-308", "1e309",
                            "-1e309", "3/8",   "1/2",  "abc",     ".",      "-",     "e5",     "0.0001",
                            "32767",  "32768", "700",  "99999999", "2.5e10", " 12 ", "1,5",   QString()};

class Drive
{
public:
    explicit Drive(quint32 seed) : m_random(seed) {}

    // One random action on the screen `root` (or, now and then, on the tool
    // menu and the main window's menus). Returns what was done, for a failure.
    QString act(QWidget *root)
    {
        QList<QWidget *> targets;
        for (QWidget *w : root->findChildren<QWidget *>()) {
            if (w->objectName().isEmpty() || !w->isVisibleTo(root) || !w->isEnabled())
                continue;
            if (qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractButton *>(w)
                || (qobject_cast<QLineEdit *>(w) && !static_cast<QLineEdit *>(w)->isReadOnly()
                    && !qobject_cast<QComboBox *>(w->parentWidget())))
                targets << w;
        }
        if (targets.isEmpty())
            return QStringLiteral("nothing to do");
        QWidget *w = targets[int(m_random.bounded(qsizetype(targets.size())))];
        const QString name = w->objectName();
        if (name == "CmdMdiQuit")
            return QStringLiteral("quit left alone");
        if (auto *box = qobject_cast<QLineEdit *>(w)) {
            const QString text = randomText();
            box->setText(text);
            return name + " <- " + text.left(20);
        }
        if (auto *list = qobject_cast<QComboBox *>(w)) {
            if (list->count() > 0 && m_random.bounded(3) > 0) {
                const int index = int(m_random.bounded(list->count()));
                ev::choose(list, index);
                return name + " choose " + QString::number(index);
            }
            const QString text = randomText();
            ev::setComboText(list, text);
            return name + " typed " + text.left(20);
        }
        static_cast<QAbstractButton *>(w)->click();
        return name + " clicked";
    }

private:
    QString randomText()
    {
        if (m_random.bounded(50) == 0)
            return QString(10000, QChar(u'0' + int(m_random.bounded(10))));
        if (m_random.bounded(4) == 0)
            return QString::number(m_random.generateDouble() * 1000 - 100, 'g', int(m_random.bounded(1, 12)));
        return kTexts[int(m_random.bounded(qsizetype(kTexts.size())))];
    }

    QRandomGenerator m_random;
};

// Every text the user can see, on every open window.
QString badText(QWidget *root)
{
    static const QRegularExpression bad(QStringLiteral("\\b(inf|nan)\\b"), QRegularExpression::CaseInsensitiveOption);
    for (QLineEdit *box : root->findChildren<QLineEdit *>()) {
        if (box->isVisibleTo(root) && box->text().contains(bad))
            return box->objectName() + ": " + box->text();
    }
    return {};
}

} // namespace

class TestRandomDrive : public QObject
{
    Q_OBJECT
private slots:
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
        const auto seed = quint32(settingOr("GAUNTRY_DRIVE_SEED", 20261206));
        QTemporaryDir dir;
        for (const lang::Language &l : lang::languages())
            QFile::copy(shippedLanguageDir() + u'/' + QLatin1StringView(l.file), dir.filePath(l.file));
        QFile::copy(shippedLanguageDir() + "/English.txt", dir.filePath("langutil.txt"));
        FakePlatform platform;
        platform.answers = QList<std::optional<QString>>(100000, QStringLiteral("0.8"));
        AppState app(platform);
        app.languageDir = QDir(dir.path());
        MDIForm1 main(app);
        QVERIFY(main.start());
        Drive drive(seed);
        for (int i = 0; i < actions; ++i) {
            // Mostly the screen under test; now and then the tool menu, which
            // also switches units and languages and reopens the screen.
            if (!main.mdiArea()->activeSubWindow() || i % 50 == 0)
                control<QPushButton>(&main, button)->click();
            QWidget *root = i % 17 == 0 ? static_cast<QWidget *>(main.toolMenu())
                                        : main.mdiArea()->activeSubWindow()->widget();
            if (!root)
                continue;
            const QString done = drive.act(root);
            const QString bad = badText(&main);
            QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("after %1 (action %2): %3").arg(done).arg(i).arg(bad)));
            QVERIFY2(!QApplication::activeModalWidget(), qPrintable(done));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
};

QTEST_MAIN(TestRandomDrive)
#include "tst_random_drive.moc"
