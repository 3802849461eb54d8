#include "Menus.h"

#include "../base/Scoped.h"
#include "../platform/Platform.h"

namespace {
void Adopt(std::vector<MenuItem*>& items, MenuItem* parent)
{
    for (MenuItem* i : items) {
        i->Parent = parent;
        Adopt(i->Items, i);
    }
}

ScopedMenu Build(const std::vector<MenuItem*>& items)
{
    ScopedMenu menu(CreatePopupMenu());
    for (const MenuItem* i : items) {
        if (!i->Visible)
            continue;
        MENUITEMINFOA mi = {};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
        mi.wID = i->Id;
        if (i->IsSeparator) {
            mi.fType = MFT_SEPARATOR;
        } else {
            mi.fType = MFT_STRING | (i->RadioItem ? MFT_RADIOCHECK : 0);
            mi.dwTypeData = const_cast<char*>(i->Caption.c_str());
        }
        mi.fState = (i->Enabled ? MFS_ENABLED : MFS_GRAYED) | (i->Checked ? MFS_CHECKED : 0);
        ScopedMenu submenu = i->Items.empty() ? ScopedMenu() : Build(i->Items);
        mi.hSubMenu = submenu.Get();
        // Once inserted, a submenu goes with its menu.
        if (InsertMenuItemA(menu.Get(), GetMenuItemCount(menu.Get()), TRUE, &mi))
            submenu.Release();
    }
    return menu;
}
} // namespace

void MenuItem::SetChecked(bool on)
{
    if (on && RadioItem && Parent)
        for (MenuItem* sibling : Parent->Items)
            if (sibling->RadioItem)
                sibling->Checked = false;
    Checked = on;
}

PopupMenu::PopupMenu(std::vector<MenuItem*> items) : Items(std::move(items))
{
    Adopt(Items, nullptr);
}

UINT PopupMenu::Popup(HWND owner, int x, int y) const
{
    const ScopedMenu menu = Build(Items);
    // The owner must be in the foreground, or the menu would not close when
    // the user clicks elsewhere.
    SetForegroundWindow(owner);
    const UINT chosen = UINT(TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x,
                                            y, 0, owner, nullptr));
    // While it was open its owner could not be raised above the menu it owns.
    RestackSoon();
    PostMessageA(owner, WM_NULL, 0, 0);
    return chosen;
}
