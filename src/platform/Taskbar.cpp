#include "Platform.h"

HWND FindTaskbar()
{
    return FindWindowA("Shell_TrayWnd", nullptr);
}

HWND FindStartButton(HWND tray)
{
    if (!tray)
        return nullptr;
    for (HWND w = GetWindow(tray, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid != GetCurrentProcessId())
            return w;
    }
    return nullptr;
}

void ShowStartButton(HWND start, bool show)
{
    if (start)
        ShowWindow(start, show ? SW_SHOWNORMAL : SW_HIDE);
}

void ClickStartButton(HWND start)
{
    if (!start)
        return;
    SendMessageA(start, WM_LBUTTONDOWN, MK_LBUTTON, 5);
    // Wine's Start button opens its menu on the release, Windows' on the press.
    if (IsWine())
        PostMessageA(start, WM_LBUTTONUP, 0, 5);
}

void EmbedInTaskbar(HWND wnd, HWND tray)
{
    // GetParent of a pop-up returns its owner: a window that gets a parent
    // must become a child window, as it would in a form toolkit.
    const LONG style = GetWindowLongA(wnd, GWL_STYLE);
    SetWindowLongA(wnd, GWL_STYLE, (style & ~WS_POPUP) | WS_CHILD);
    SetParent(wnd, tray);
    SetWindowPos(wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void OverlayTaskbar(HWND wnd, HWND tray)
{
    POINT origin = {0, 0};
    ClientToScreen(tray, &origin);
    SetOwner(wnd, tray);
    SetWindowPos(wnd, HWND_TOPMOST, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void AddExStyle(HWND wnd, DWORD style)
{
    SetWindowLongA(wnd, GWL_EXSTYLE, GetWindowLongA(wnd, GWL_EXSTYLE) | LONG(style));
}

void SetOwner(HWND wnd, HWND owner)
{
    SetWindowLongA(wnd, GWL_HWNDPARENT, LONG(LONG_PTR(owner)));
}

void MakeTopmost(HWND wnd)
{
    SetWindowPos(wnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
