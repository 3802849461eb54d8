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
HWINEVENTHOOK WineHook = nullptr;

void HideIfShown()
{
    const HWND start = HiddenStart;
    if (start && IsWindowVisible(start))
        ShowWindow(start, SW_HIDE);
}

// Wine's taskbar lays itself out a moment after the event, sooner or later
// as it is busy: looks after 0.1, 0.4 and 1 s.
const UINT Looks[] = {100, 300, 600};
unsigned LooksDone = 0;

// The looks are WM_TIMERs of a hidden window of ours, one timer id set again
// for each event: Wine's thread timers with a callback cost memory each time.
LRESULT CALLBACK WatchProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_TIMER)
        return DefWindowProcA(wnd, msg, wParam, lParam);
    HideIfShown();
    if (++LooksDone < sizeof Looks / sizeof Looks[0])
        SetTimer(wnd, 1, Looks[LooksDone], nullptr);
    else
        KillTimer(wnd, 1);
    return 0;
}

HWND Watch()
{
    static const HWND wnd = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = WatchProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "QuorvelStartWatch";
        RegisterClassA(&wc);
        return CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance,
                               nullptr);
    }();
    return wnd;
}

void Arm()
{
    LooksDone = 0;
    SetTimer(Watch(), 1, Looks[0], nullptr);
}

void CALLBACK StartShown(HWINEVENTHOOK, DWORD event, HWND wnd, LONG object, LONG, DWORD, DWORD)
{
    if (event == EVENT_OBJECT_SHOW) {
        if (wnd && wnd == HiddenStart && object == OBJID_WINDOW)
            HideIfShown();
        return;
    }
    // Wine reports no window being shown, but its taskbar shows its Start
    // button while it lays itself out after a window opened, closed or took
    // the focus: a few looks after such an event, and none while idle. Our
    // own windows (Wine reports them despite WINEVENT_SKIPOWNPROCESS) have no
    // button in its taskbar.
    DWORD pid = 0;
    if (wnd)
        GetWindowThreadProcessId(wnd, &pid);
    if (pid != GetCurrentProcessId())
        Arm();
}
} // namespace

void KeepStartButtonHidden(HWND start)
{
    using SetHook = HWINEVENTHOOK(WINAPI*)(DWORD, DWORD, HMODULE, WINEVENTPROC, DWORD, DWORD, DWORD);
    using Unhook = BOOL(WINAPI*)(HWINEVENTHOOK);
    static const auto setHook = Late<SetHook>("user32.dll", "SetWinEventHook");
    static const auto unhook = Late<Unhook>("user32.dll", "UnhookWinEvent");
    // First, as a crash on another thread calls it to give the button back
    // while this thread may still be looking.
    HiddenStart = start;
    for (HWINEVENTHOOK* hook : {&ShowHook, &WineHook}) {
        if (*hook && unhook)
            unhook(*hook);
        *hook = nullptr;
    }
    if (IsWine())
        KillTimer(Watch(), 1);
    if (!start || !setHook)
        return;
    DWORD pid = 0;
    const DWORD thread = GetWindowThreadProcessId(start, &pid);
    ShowHook = setHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_SHOW, nullptr, StartShown, pid, thread,
                       WINEVENT_OUTOFCONTEXT);
    if (IsWine())
        WineHook = setHook(EVENT_SYSTEM_FOREGROUND, EVENT_OBJECT_FOCUS, nullptr, StartShown, 0, 0,
                           WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
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
