// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Opens the calculator screens as child windows of the main window: a screen
// is created on its first opening and afterwards only brought to the front.

#include <QString>
#include <functional>

struct AppState;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

enum class Screen { Velocity, Probe, Converter, MeterSelection };
inline constexpr Screen kCalculatorScreens[] = {Screen::Velocity, Screen::Probe, Screen::Converter,
                                                Screen::MeterSelection};

// The object name of a screen's window.
QString screenName(Screen screen);

// Creates a screen, or returns nullptr for one this build does not have yet.
// This is the one place where a tool button's screen is made.
QWidget *createScreen(Screen screen, AppState &app);

class ScreenHost
{
public:
    ScreenHost(QMdiArea *area, AppState &app);

    // The open screen, or nullptr.
    QWidget *find(Screen screen) const;
    // Opens the screen if it is not open, then brings it to the front and
    // makes it the active window. Returns the screen (nullptr when this build
    // has no such screen).
    QWidget *open(Screen screen);
    void close(Screen screen);

    // Adds an existing widget as a child window (used for the tool menu).
    QMdiSubWindow *add(QWidget *widget);
    static void bringToFront(QWidget *screen);

    // Told of every screen open() makes, once it shows at the front (a window
    // that follows a screen takes it up here).
    void onOpened(std::function<void(Screen, QWidget *)> opened) { m_opened = std::move(opened); }

private:
    QMdiArea *m_area;
    AppState &m_app;
    std::function<void(Screen, QWidget *)> m_opened;
};
