// The calculator screens the tool menu can open.
#include "shell/screenhost.h"

#include "common/appstate.h"
#include "convert/convertfrm.h"
#include "probe/tessivofrm.h"
#include "selection/meterselectionfrm.h"

QWidget *createScreen(Screen screen, AppState &app)
{
    (void)app;
    switch (screen) {
    case Screen::Velocity:
        return nullptr; // not in this build yet
    case Screen::Probe:
        return new TessivoFrm(app);
    case Screen::Converter:
        return new ConvertFrm(app);
    case Screen::MeterSelection:
        return new MeterSelectionFrm(app);
    }
    return nullptr;
}
