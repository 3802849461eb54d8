#include "PanelButtons.h"

#include "../../res/resource.h"

// clang-format off
const PanelButtonRow PanelButtons[PanelButtonCount + 1] = {
    {},
    // picture       own picture hint                    chooser name            press  fixed  see-through optional
    {"cdrom.bmp",    IDB_BTN1, "Open/Close CD-ROM",    "CD-ROM",               true,  true,  false, true},
    {"exitbut.bmp",  IDB_BTN2, "Close Quorvel",        "Close Quorvel",        false, true,  false, false},
    {"closeall.bmp", IDB_BTN3, "Close all windows",    "Close all windows",    true,  true,  false, false},
    {"minall.bmp",   IDB_BTN4, "Minimize all windows", "Minimize all windows", true,  true,  false, false},
    {"dir.bmp",      IDB_BTN5, "Open Dir",             "Open folders",         false, false, false, false},
    {"app.bmp",      IDB_BTN6, "Run application",      "Open files",           false, false, false, false},
    {"monik.bmp",    IDB_BTN7, "Monitor",              "Monitor",              false, false, true,  false},
    {"timer.bmp",    IDB_BTN8, "Timer",                "Timer",                false, false, true,  false},
};
// clang-format on
