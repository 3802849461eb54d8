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

namespace {
HWND HiddenStart = nullptr;
HWINEVENTHOOK ShowHook = nullptr;

void CALLBACK StartShown(HWINEVENTHOOK, DWORD, HWND wnd, LONG object, LONG, DWORD, DWORD)
{
    const HWND start = HiddenStart;
    if (wnd && wnd == start && object == OBJID_WINDOW && IsWindowVisible(start))
        ShowWindow(start, SW_HIDE);
}
} // namespace

void KeepStartButtonHidden(HWND start)
{
    using SetHook = HWINEVENTHOOK(WINAPI*)(DWORD, DWORD, HMODULE, WINEVENTPROC, DWORD, DWORD, DWORD);
    using Unhook = BOOL(WINAPI*)(HWINEVENTHOOK);
    static const auto setHook = Late<SetHook>("user32.dll", "SetWinEventHook");
    static const auto unhook = Late<Unhook>("user32.dll", "UnhookWinEvent");
    // First, as a crash on another thread calls it to give the button back
    // while this thread may still be watching.
    HiddenStart = start;
    if (ShowHook && unhook)
        unhook(ShowHook);
    ShowHook = nullptr;
    if (!start || !setHook)
        return;
    // The shell's process, any of its threads: Wine does not deliver events
    // to a hook on one thread of another process.
    DWORD pid = 0;
    GetWindowThreadProcessId(start, &pid);
    ShowHook = setHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_SHOW, nullptr, StartShown, pid, 0, WINEVENT_OUTOFCONTEXT);
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
    // A taskbar that came up anew stands above it on screen.
    RestackSoon();
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
