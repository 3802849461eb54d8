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
    UINT Id = 0;          // the WM_COMMAND identifier its form dispatches on
    std::string Caption;  // "-" is a separator line
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
    // Shows the menu with its top-left corner at the screen point; a choice
    // reaches `owner` as WM_COMMAND with the item's Id.
    void Popup(HWND owner, int x, int y) const;
};
