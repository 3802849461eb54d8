// Pop-up menus. Items keep their state (caption, visible, enabled, ticks) as
// values; the menu handle is built from them each time the menu pops up, so
// hiding or renaming an item is a plain assignment.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class TMenuItem {
public:
    TMenuItem() = default;
    TMenuItem(UINT id, std::string caption, std::vector<TMenuItem*> items = {})
        : Id(id), Caption(std::move(caption)), Items(std::move(items))
    {
    }
    UINT Id = 0;          // the WM_COMMAND identifier its form dispatches on
    std::string Caption;  // "-" is a separator line
    std::vector<TMenuItem*> Items;
    bool Visible = true;
    bool Enabled = true;
    bool Checked = false;
    bool RadioItem = false;  // ticked with a dot; ticking it unticks its siblings
    void SetChecked(bool on);
    TMenuItem* Parent = nullptr;
};

class TPopupMenu {
public:
    explicit TPopupMenu(std::vector<TMenuItem*> items);
    std::vector<TMenuItem*> Items;
    // Shows the menu with its top-left corner at the screen point; a choice
    // reaches `owner` as WM_COMMAND with the item's Id.
    void Popup(HWND owner, int x, int y) const;
};
