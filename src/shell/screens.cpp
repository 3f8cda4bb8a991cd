// The calculator screens the tool menu can open.
#include "shell/screenhost.h"

#include "common/appstate.h"
#include "convert/convertfrm.h"

QWidget *createScreen(Screen screen, AppState &app)
{
    (void)app;
    switch (screen) {
    case Screen::Velocity:
        return nullptr; // not in this build yet
    case Screen::Probe:
        return nullptr; // not in this build yet
    case Screen::Converter:
        return new ConvertFrm(app);
    case Screen::MeterSelection:
        return nullptr; // not in this build yet
    }
    return nullptr;
}
