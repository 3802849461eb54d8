// The desktop operations the program performs, each in one place.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Taskbar and Start button.
HWND FindTaskbar();
// The taskbar's first child that is not a window of this process: once our
// own button stands first among the taskbar's children, a plain GW_CHILD
// would find it instead of the system Start button.
HWND FindStartButton(HWND tray);
void ShowStartButton(HWND start, bool show);
// Hides `start` again whenever its shell shows it (Explorer after some
// settings changes); nullptr stops. Windows 95 has no means to watch it, and
// Wine 8 reports no window shown: there it stays under the overlaid button.
void KeepStartButtonHidden(HWND start);
void ClickStartButton(HWND start);
// Makes `wnd` a real child of the taskbar at its client (0, 0), above the
// taskbar's other children.
void EmbedInTaskbar(HWND wnd, HWND tray);
// Under Wine a child whose top-level window belongs to another process is
// never drawn, so there the button stays a top-level window, owned by the
// taskbar (so it always stays above it) and laid over its client (0, 0).
void OverlayTaskbar(HWND wnd, HWND tray);

// Wine's virtual desktop draws a window that becomes active over every
// other, whatever the z-order. From now on, under Wine, a moment after
// another window is made, shown or activated, this thread's visible topmost
// windows are raised on screen again, in their order. Nothing runs while no
// window changes.
void KeepTopmostWindowsOnScreen();
// The same restack, a moment after an action of ours that may have put
// another program's window above ours; nothing outside Wine.
void RestackSoon();

// Window styles, owner and z-order.
void AddExStyle(HWND wnd, DWORD style);
void SetOwner(HWND wnd, HWND owner);
void MakeTopmost(HWND wnd);

// The walk over all top-level windows; `panel` starts it, `appWnd` is skipped.
void CloseAllWindows(HWND panel, HWND appWnd);
void MinimizeAllWindows(HWND panel, HWND appWnd);

// Monitor power and screen saver.
void MonitorOff(HWND panel);
void StartScreenSaver(HWND appWnd);

// The shell's "open", maximised.
void ShellOpen(HWND owner, const std::string& target);

// The CD tray of drive `letter`, through the multimedia interface.
void SetCdDoor(char letter, bool open);

// The Run value under HKEY_LOCAL_MACHINE. Writing reports failure; a
// failed delete is of no interest.
bool WriteRunValue(const char* name, const std::string& data);
void DeleteRunValue(const char* name);

// A function of a system library, loaded at its first use, or nullptr. The
// libraries Quorvel needs only now and then (dialogs, the shell, multimedia,
// common controls) cost it nothing at start-up.
FARPROC LateProc(const char* library, const char* name);
template <typename F>
F Late(const char* library, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(LateProc(library, name)));
}
// The common controls (tooltips, arrows), registered before the first is made.
bool NeedCommonControls();
// The system's file-open dialog: `filter` as the dialog takes it (pairs of
// label and pattern, each ending in a zero), nullptr for every file;
// `initialFolder` nullptr for where the last dialog was left. False when
// cancelled or unavailable.
bool ChooseFile(HWND owner, const char* filter, const char* initialFolder, std::string& path);
// The roots of the drives present ("C:\", "D:\", ...).
std::vector<std::string> DriveRoots();

// The system.
bool QueryOsVersion(OSVERSIONINFOA& info);
bool IsNtFamily();
bool IsWine();
std::string ExePath();
// Enables the shutdown privilege of this process (the NT family needs it).
// Returns the title of the failed step ("OpenProcessToken() Failed", ...), or
// nullptr.
const char* EnableShutdownPrivilege();
// Shuts down, forcing applications to close; false when refused.
bool ShutDownForced();
