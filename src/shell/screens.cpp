// The calculator screens the tool menu can open.
#include "shell/screenhost.h"

#include "common/appstate.h"

QWidget *createScreen(Screen screen, AppState &app)
{
    (void)app;
    switch (screen) {
    case Screen::Velocity:
        return nullptr; // not in this build yet
    case Screen::Probe:
        return nullptr; // not in this build yet
    case Screen::Converter:
        return nullptr; // not in this build yet
    case Screen::MeterSelection:
        return nullptr; // not in this build yet
    }
    return nullptr;
}
