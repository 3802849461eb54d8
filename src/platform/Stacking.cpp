// Wine's virtual desktop shows its windows as X windows, stacked by the X
// server, and Wine changes that stacking in two places only: a window that
// takes the keyboard focus is raised above every other (winex11's
// set_input_focus), and a window whose z-order change leaves no visible
// window above it is raised too (sync_window_position); a window placed
// lower is never restacked. So a taskbar or program that becomes active is
// drawn over our topmost windows, while Win32 still has them on top (a
// topmost window is never put under a window that is not), or has them under
// an active topmost taskbar once its uncovered part was painted (the server's
// update_window_zorder). A z-order change that ends with our window first
// puts it back on screen; SetWindowPos to where Win32 already has it changes
// nothing at all, hence the hidden window to step over.
#include "Platform.h"

#include <iterator>

#include "../base/Scoped.h"

namespace {
// Long enough for the raise of the window that took the focus to have reached
// the X server: its program sends it when it next waits for messages. A
// program busy starting up may send it later: the late restack is for that.
const UINT_PTR RestackTimer = 1, LateRestackTimer = 2;
const UINT RestackDelay = 200, LateRestackDelay = 1000;
const UINT Quiet = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

bool Watching = false;
// Kept for the program's life, undone as it ends.
ScopedWinEventHook WatchedEvents[3];
// A restack is on its way: news that comes meanwhile needs nothing more.
bool RestackPending = false;
// The system's pop-up menu windows ("#32768") are left where the menu put them.
const ULONG_PTR MenuClass = 0x8000;

bool AnyButtonHeld()
{
    return (GetAsyncKeyState(VK_LBUTTON) | GetAsyncKeyState(VK_RBUTTON) | GetAsyncKeyState(VK_MBUTTON)) & 0x8000;
}

HWND Keeper();

void RaiseOnScreen(HWND wnd)
{
    // First among the visible windows, then one step under the hidden keeper
    // put right beneath it: a real change, after which nothing visible is
    // above it.
    SetWindowPos(wnd, HWND_TOPMOST, 0, 0, 0, 0, Quiet);
    SetWindowPos(Keeper(), wnd, 0, 0, 0, 0, Quiet);
    SetWindowPos(wnd, Keeper(), 0, 0, 0, 0, Quiet);
}

// Our visible topmost windows (the start button, the panel, an open menu's
// owner: a few), raised the lowest first, so that they keep their order.
void Restack()
{
    HWND ours[16];
    int count = 0;
    const DWORD thread = GetCurrentThreadId();
    for (HWND w = GetTopWindow(nullptr); w && count < 16; w = GetWindow(w, GW_HWNDNEXT))
        if (w != Keeper() && IsWindowVisible(w) && (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) &&
            GetWindowThreadProcessId(w, nullptr) == thread && GetClassLongA(w, GCW_ATOM) != MenuClass)
            ours[count++] = w;
    while (count > 0)
        RaiseOnScreen(ours[--count]);
}

LRESULT CALLBACK KeeperProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ACTIVATEAPP:  // another thread's window became the active one
        if (!wParam)
            RestackSoon();
        break;
    case WM_TIMER:
        // Not under a press: a window moved while the mouse is held may lose
        // the release, and a menu being chosen from must stay where it is.
        if (AnyButtonHeld())
            return 0;  // the timer comes again
        KillTimer(wnd, wParam);
        if (wParam == RestackTimer)
            RestackPending = false;
        // A window that came may fill the screen, one that went may have.
        LookAtTaskbarAgain();
        Restack();
        if (wParam == RestackTimer)
            SetTimer(wnd, LateRestackTimer, LateRestackDelay, nullptr);
        return 0;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

// Hidden and topmost: the window our windows step over, the restack timer's,
// and, as a top-level window of this thread, told when another program's
// window becomes active.
HWND Keeper()
{
    static const HWND keeper = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = KeeperProc;
        wc.hInstance = ProgramModule();
        wc.lpszClassName = "TTopmostKeeper";
        RegisterClassA(&wc);
        return CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0,
                               nullptr, nullptr, wc.hInstance, nullptr);
    }();
    return keeper;
}

void CALLBACK WindowEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD)
{
    RestackSoon();
}
} // namespace

void RestackSoon()
{
    // Counted from the first news of a burst, not restarted by the next: a
    // program that makes windows without pause would put it off for ever.
    // News that comes after the restack brings another, so a long burst
    // restacks every RestackDelay, and only the first news of each costs a
    // call to the server.
    if (Watching && !RestackPending) {
        RestackPending = true;
        SetTimer(Keeper(), RestackTimer, RestackDelay, nullptr);
    }
}

void KeepTopmostWindowsOnScreen()
{
    using SetHook = HWINEVENTHOOK(WINAPI*)(DWORD, DWORD, HMODULE, WINEVENTPROC, DWORD, DWORD, DWORD);
    static const auto setHook = Late<SetHook>("user32.dll", "SetWinEventHook");
    if (!IsWine() || Watching || !setHook)
        return;
    Watching = true;
    Keeper();  // to hear of activations from now on
    // Every other process, as it is other programs' windows that are raised;
    // ours restack when our menu closes. Wine 8 reports no change of the
    // foreground window (later versions do), a focus change only within a
    // thread that had the focus, and every window made (which comes on screen
    // above all). Never a change of the z-order: our own restack would start
    // the next one.
    const DWORD events[][2] = {{EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND},
                               {EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW},
                               {EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS}};
    for (size_t i = 0; i < std::size(events); ++i)
        WatchedEvents[i] = ScopedWinEventHook(
            setHook(events[i][0], events[i][1], nullptr, WindowEvent, 0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
}
