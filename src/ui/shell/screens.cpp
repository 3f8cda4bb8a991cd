// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator screens the tool menu can open: the one place that says
// which class makes a screen and what its window is called.
#include "ui/shell/screenhost.h"

#include "ui/common/appstate.h"
#include "ui/convert/convertfrm.h"
#include "ui/probe/tessivofrm.h"
#include "ui/selection/meterselectionfrm.h"
#include "ui/velocity/velocityfrm.h"

namespace {
struct ScreenKind {
    Screen screen;
    const char *objectName;
    QWidget *(*make)(AppState &app); // nullptr: not in this build yet
};

template <typename T> QWidget *make(AppState &app) { return new T(app); }

constexpr ScreenKind kScreens[] = {
    {Screen::Velocity, "Velocityfrm", make<Velocityfrm>},
    {Screen::Probe, "TessivoFrm", make<TessivoFrm>},
    {Screen::Converter, "ConvertFrm", make<ConvertFrm>},
    {Screen::MeterSelection, "MeterSelectionFrm", make<MeterSelectionFrm>},
};

const ScreenKind &kindOf(Screen screen)
{
    for (const ScreenKind &kind : kScreens) {
        if (kind.screen == screen)
            return kind;
    }
    qFatal("unknown screen %d", int(screen));
}
} // namespace

QString screenName(Screen screen) { return QLatin1StringView(kindOf(screen).objectName); }

QWidget *createScreen(Screen screen, AppState &app)
{
    const ScreenKind &kind = kindOf(screen);
    if (!kind.make)
        return nullptr;
    QWidget *widget = kind.make(app);
    widget->setObjectName(QLatin1StringView(kind.objectName));
    return widget;
}
