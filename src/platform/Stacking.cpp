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

namespace {
const UINT_PTR RestackTimer = 0x5154;
// Long enough for the raise of the window that took the focus to have reached
// the X server: its program sends it when it next waits for messages.
const UINT RestackDelay = 200;

HWND TimerWindow = nullptr;
HWND Anchor = nullptr;

const UINT Quiet = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

// Our visible topmost windows of this thread, top first.
std::vector<HWND> OurTopmostWindows()
{
    std::vector<HWND> ours;
    const DWORD thread = GetCurrentThreadId();
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST))
            break;  // the topmost windows come first
        if (w != Anchor && IsWindowVisible(w) && GetWindowThreadProcessId(w, nullptr) == thread)
            ours.push_back(w);
    }
    return ours;
}

void CALLBACK Restack(HWND wnd, UINT, UINT_PTR id, DWORD)
{
    KillTimer(wnd, id);
    const std::vector<HWND> ours = OurTopmostWindows();
    // The lowest first, so that they keep their order among themselves.
    for (auto w = ours.rbegin(); w != ours.rend(); ++w)
        RaiseOnScreen(*w);
}

void CALLBACK FocusMoved(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD)
{
    // One restack after a burst of changes: setting the timer again
    // restarts it.
    if (TimerWindow)
        SetTimer(TimerWindow, RestackTimer, RestackDelay, Restack);
}
} // namespace

void RaiseOnScreen(HWND wnd)
{
    if (!Anchor)
        Anchor = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Static", "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    // First among the visible windows, then one step under the hidden anchor
    // put right beneath it: a real change, after which nothing visible is
    // above it.
    SetWindowPos(wnd, HWND_TOPMOST, 0, 0, 0, 0, Quiet);
    if (!Anchor)
        return;
    SetWindowPos(Anchor, wnd, 0, 0, 0, 0, Quiet);
    SetWindowPos(wnd, Anchor, 0, 0, 0, 0, Quiet);
}

void KeepTopmostWindowsOnScreen(HWND timerWindow)
{
    using SetHook = HWINEVENTHOOK(WINAPI*)(DWORD, DWORD, HMODULE, WINEVENTPROC, DWORD, DWORD, DWORD);
    static const auto setHook = Late<SetHook>("user32.dll", "SetWinEventHook");
    if (TimerWindow || !setHook)
        return;
    TimerWindow = timerWindow;
    // Every process, as it is other programs' windows that take the focus.
    // Wine 8 reports no change of the foreground window, but every focus
    // change, right after the raise that comes with it.
    setHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, FocusMoved, 0, 0, WINEVENT_OUTOFCONTEXT);
}
