#pragma once
// A fresh program state for a test: a recording platform, its own AppState and
// the shipped language texts; and a screen made the way the tool menu makes it.

#include "common/appstate.h"
#include "common/widgets.h"
#include "fakeplatform.h"
#include "shell/screenhost.h"
#include "testlang.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <functional>
#include <memory>

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

    // `before` runs on the fresh state before the screen is made (to set the
    // tool mode flags, for example).
    explicit ScreenFixture(Screen which, const QString &language = QStringLiteral("English.txt"), bool metric = true,
                           const std::function<void(AppState &)> &before = {})
        : TestApp(language, metric)
    {
        if (before)
            before(app);
        screen.reset(createScreen(which, app));
        if (!screen)
            qFatal("screen %s is not in this build", qPrintable(screenName(which)));
    }

    template <typename T = QLineEdit> T *find(const QString &name) const { return control<T>(screen.get(), name); }
    QString text(const QString &name) const { return find(name)->text(); }
    // Text set from code, as a keystroke that leaves the box holding it would.
    void type(const QString &name, const QString &text) const { find(name)->setText(text); }
    void click(const QString &name) const { find<QAbstractButton>(name)->click(); }
};
