// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The event layer: for each user or code action, which handlers run and how often. Every wrapper is wired on a small
// screen beside another one in an MDI area; a row performs one action and lists every handler that must run, in order.
#include "ui/common/events.h"
#include "ui/common/widgets.h"
#include "datarows.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Screen : QWidget {
    QLineEdit *box = new QLineEdit(this), *other = new QLineEdit(this);
    QComboBox *list = new QComboBox(this);
    QRadioButton *option0 = new QRadioButton("a", this), *option1 = new QRadioButton("b", this);
    QCheckBox *tick = new QCheckBox(this);
    QPushButton *button = new QPushButton(this);
    Picture *picture = new Picture(QStringLiteral("Image1"), this);
    QStringList runs; // the handlers in the order they ran
    Screen *beside = nullptr; // another screen in the same main window

    Screen()
    {
        auto *layout = new QVBoxLayout(this);
        for (QWidget *w : std::initializer_list<QWidget *>{box, other, list, option0, option1, tick, button, picture})
            layout->addWidget(w);
        picture->setMinimumSize(20, 20);
        picture->actAsButton();
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->addItems({QStringLiteral("Litres per second"), QStringLiteral("Litres per minute")});
        option0->setChecked(true);
        auto count = [this](const char *name) { return [this, name] { runs << QLatin1String(name); }; };
        ev::onChange(box, count("change"));
        ev::onEnter(box, count("enter"));
        ev::onMouseDown(box, count("mouse down"));
        ev::onFocusLost(box, count("box focus lost"));
        ev::onClick(option1, count("option"));
        ev::onClick(tick, count("tick"));
        ev::onPress(button, count("press"));
        ev::onPress(picture, count("press"));
        ev::onChoose(list, count("choose"));
        ev::onType(list, count("type"));
        ev::onFocusLost(list, count("list focus lost"));
    }
    QString ran() const { return runs.join(QStringLiteral(", ")); }
    // A choice from the open list, as the user makes it with the keyboard.
    void pickFromList(int steps)
    {
        list->showPopup();
        for (int i = 0; i < steps; ++i)
            QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), Qt::Key_Return);
    }
};

using Action = std::function<void(Screen &)>;
// A preparation (before the handlers are counted), an action, and the handlers the action must run, in order.
struct Row { const char *name; Action prepare, action; const char *ran; };

// A mouse click on the round or square mark of an option or check box.
void clickIndicator(QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }

} // namespace

class TestEvents : public QObject
{
    Q_OBJECT
private slots:
    void handlersRun_data()
    {
        const Action none = [](Screen &) {};
        const Action focusList = [](Screen &s) { s.list->setFocus(); };
        const Action focusBox = [](Screen &s) { s.box->setFocus(); };
        const Action text5 = [](Screen &s) { s.box->setText("5"); };
        const Action listX = [](Screen &s) { ev::setComboText(s.list, "x"); };
        const Action option1 = [](Screen &s) { s.option1->click(); };
        const Row rows[] = {
            {"typing two characters", none, [](Screen &s) { QTest::keyClicks(s.box, "12"); }, "change, change"},
            {"text set from code", none, text5, "change"}, {"same text set again", text5, text5, ""},
            {"Enter in a box", text5, [](Screen &s) { QTest::keyClick(s.box, Qt::Key_Return); }, "enter"},
            {"mouse press in a box", none, [](Screen &s) { QTest::mouseClick(s.box, Qt::LeftButton); }, "mouse down"},
            {"option clicked", none, [](Screen &s) { clickIndicator(s.option1); }, "option"},
            {"selected option clicked again", option1, [](Screen &s) { clickIndicator(s.option1); }, ""},
            {"option selected from code", none, [](Screen &s) { s.option1->setChecked(true); }, "option"},
            {"other option selected", option1, [](Screen &s) { s.option0->click(); }, ""},
            {"check box clicked", none, [](Screen &s) { clickIndicator(s.tick); }, "tick"},
            {"check box set from code", none, [](Screen &s) { s.tick->setChecked(true); }, "tick"},
            {"check box set to its value", none, [](Screen &s) { s.tick->setChecked(false); }, ""},
            {"button clicked", none, [](Screen &s) { QTest::mouseClick(s.button, Qt::LeftButton); }, "press"},
            {"picture clicked", none, [](Screen &s) { QTest::mouseClick(s.picture, Qt::LeftButton); }, "press"},
            {"Enter, then Space, on a picture", none,
             [](Screen &s) { QTest::keyClick(s.picture, Qt::Key_Return), QTest::keyClick(s.picture, Qt::Key_Space); },
             "press, press"},
            {"list choice", focusList, [](Screen &s) { s.pickFromList(1); }, "choose"},
            {"list choice of the item shown", focusList, [](Screen &s) { s.pickFromList(0); }, "choose"},
            {"list choice from code", none, [](Screen &s) { ev::choose(s.list, 1); }, "choose"},
            // The box shows what was typed: no completion into a list item.
            {"typing into a list", [](Screen &s) { ev::setComboText(s.list, ""), s.list->setFocus(); },
             [](Screen &s) { QTest::keyClicks(s.list, "Li"), s.runs << "shown " + s.list->currentText(); },
             "type, type, shown Li"},
            {"list text set from code", none, listX, "type"}, {"same list text set again", listX, listX, ""},
            {"list opened and closed", focusList,
             [](Screen &s) { s.list->showPopup(), QTest::keyClick(s.list->view(), Qt::Key_Escape); }, ""},
            {"Tab out of a list", focusList, [](Screen &s) { QTest::keyClick(s.list, Qt::Key_Tab); },
             "list focus lost"},
            {"list open, then another box clicked", focusList,
             [](Screen &s) { s.list->showPopup(), s.other->setFocus(Qt::MouseFocusReason); }, "list focus lost"},
            {"focus moved from a box by code", focusBox, [](Screen &s) { s.other->setFocus(); }, "box focus lost"},
            {"focus moved to another screen", focusBox, [](Screen &s) { s.beside->box->setFocus(); }, ""},
            // A message box or question takes the focus in a window of its own while it is open.
            {"focus taken by a dialog", focusBox, [](Screen &s) {
                 QLineEdit answer;
                 answer.show();
                 answer.activateWindow();
                 if (QTest::qWaitForWindowActive(&answer)
                     && (answer.setFocus(), QApplication::focusWidget() == &answer))
                     s.runs << "dialog focused";
             }, "dialog focused"}};
        addRows(rows);
    }
    void handlersRun()
    {
        QFETCH(Row, row);
        QMdiArea area; // the screen beside another, as the main window holds them
        Screen *s = new Screen;
        s->beside = new Screen;
        for (Screen *screen : {s->beside, s})
            area.addSubWindow(screen)->show();
        area.show();
        QVERIFY(QTest::qWaitForWindowActive(&area));
        s->other->setFocus(); // a box whose focus loss nobody watches
        row.prepare(*s);
        s->runs.clear();
        row.action(*s);
        QCOMPARE(s->ran() + s->beside->ran(), QString::fromLatin1(row.ran));
    }
};

QTEST_MAIN(TestEvents)
#include "tst_events.moc"
