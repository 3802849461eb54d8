#include "PanelButtons.h"

#include <iterator>

#include "../../res/resource.h"

// clang-format off
const PanelButtonRow PanelButtons[] = {
    {},
    // picture       hint                    chooser name            press  fixed  see-through optional
    {"cdrom.bmp",    "Open/Close CD-ROM",    "CD-ROM",               true,  true,  false, true},
    {"exitbut.bmp",  "Close Quorvel",        "Close Quorvel",        false, true,  false, false},
    {"closeall.bmp", "Close all windows",    "Close all windows",    true,  true,  false, false},
    {"minall.bmp",   "Minimize all windows", "Minimize all windows", true,  true,  false, false},
    {"dir.bmp",      "Open Dir",             "Open folders",         false, false, false, false},
    {"app.bmp",      "Run application",      "Open files",           false, false, false, false},
    {"monik.bmp",    "Monitor",              "Monitor",              false, false, true,  false},
    {"timer.bmp",    "Timer",                "Timer",                false, false, true,  false},
};
// clang-format on
static_assert(std::size(PanelButtons) == PanelButtonEnd, "a row for every kind of button, none for another");

int OwnPicture(int button)
{
    return IDB_PANEL_BUTTONS + button;
}
