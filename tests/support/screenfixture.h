// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A fresh program state (recording platform, AppState, shipped texts) and a screen made as the tool menu makes it;
// or the whole suite in a fresh language folder.

#include "ui/common/appstate.h"
#include "ui/common/widgets.h"
#include "datarows.h"
#include "fakeplatform.h"
#include "ui/shell/mdiform.h"
#include "ui/shell/screenhost.h"
#include "testlang.h"

// A screen test's one door to Qt: the Test and Widgets modules whole.
#include <QtTest>
#include <QtWidgets>

// The texts the named controls under `root` show (a frame's title, a list's current text), joined with `separator`.
inline QString shownTexts(const QWidget *root, const QStringList &names, QChar separator = u' ')
{
    QStringList shown;
    for (const QString &name : names) {
        const QWidget *w = control<QWidget>(root, name);
        const char *text = w->inherits("QGroupBox") ? "title" : w->inherits("QComboBox") ? "currentText" : "text";
        shown << w->property(text).toString();
    }
    return shown.join(separator);
}

struct TestApp {
    FakePlatform platform;
    AppState app{platform};

    explicit TestApp(const QString &language = QStringLiteral("English.txt"), bool metric = true)
    {
        app.metric = metric;
        if (!language.isEmpty() && !loadShippedLanguage(app, language))
            qFatal("shipped language file %s is missing or short", qPrintable(language));
    }
};

struct ScreenFixture : TestApp {
    std::unique_ptr<QWidget> screen;

    explicit ScreenFixture(Screen which, const QString &language = QStringLiteral("English.txt"), bool metric = true,
                           velocity::VelocityTool tool = velocity::VelocityTool::Velocity)
        : TestApp(language, metric)
    {
        app.velocityTool = tool; // the velocity screen's tool, as the tool menu chooses it
        screen.reset(createScreen(which, app));
        if (!screen)
            qFatal("screen %s is not in this build", qPrintable(screenName(which)));
    }
    // The screen shown as the active window, as the user meets it.
    void showActive() const
    {
        screen->show();
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(screen.get()))
            qFatal("the screen's window did not become active");
    }

    template <typename T = QLineEdit> T *find(const QString &name) const { return control<T>(screen.get(), name); }
    QString text(const QString &name) const { return find(name)->text(); }
    // Text set from code, as a keystroke that leaves the box holding it would.
    void type(const QString &name, const QString &text) const { find(name)->setText(text); }
    void click(const QString &name) const { find<QAbstractButton>(name)->click(); }
    QString texts(const QStringList &names) const { return shownTexts(screen.get(), names); }
};

// The suite as a user starts it, in a fresh folder of the shipped language files with `active` as the active one.
struct SuiteFixture {
    LanguageFolder folder;
    FakePlatform platform;
    AppState app{platform};
    MDIForm1 main{app};

    explicit SuiteFixture(const QString &active = lang::kEnglishFile) : folder(active)
    {
        app.languageDir = QDir(folder.path());
    }
};
