// Pop-up menus. Items keep their state (caption, visible, enabled, ticks) as
// values; the menu handle is built from them each time the menu pops up, so
// hiding or renaming an item is a plain assignment.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class MenuItem {
public:
    MenuItem() = default;
    MenuItem(UINT id, std::string caption, std::vector<MenuItem*> items = {})
        : Id(id), Caption(std::move(caption)), Items(std::move(items))
    {
    }
    // A separator line, whatever its caption.
    static MenuItem Separator(UINT id)
    {
        MenuItem line(id, "-");
        line.IsSeparator = true;
        return line;
    }
    UINT Id = 0;  // the WM_COMMAND identifier its form dispatches on
    std::string Caption;
    bool IsSeparator = false;
    std::vector<MenuItem*> Items;
    bool Visible = true;
    bool Enabled = true;
    bool Checked = false;
    bool RadioItem = false;  // ticked with a dot; ticking it unticks its siblings
    void SetChecked(bool on);
    MenuItem* Parent = nullptr;
};

class PopupMenu {
public:
    explicit PopupMenu(std::vector<MenuItem*> items);
    std::vector<MenuItem*> Items;
    // Shows the menu with its top-left corner at the screen point and returns
    // the Id of the item chosen, or 0. The choice comes back rather than as a
    // message to `owner`: a window made anew while the menu was open (a skin
    // change) must not lose it.
    UINT Popup(HWND owner, int x, int y) const;
};
