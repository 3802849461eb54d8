// The desktop operations the program performs, each in one place.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "../model/Autostart.h"
#include "../model/Favourites.h"
#include "../model/StartShape.h"

// Taskbar and Start button.
HWND FindTaskbar();
// From 8 on every other monitor's taskbar ("Shell_SecondaryTrayWnd"), each
// with a Start button of its own; none before.
std::vector<HWND> SecondaryTaskbars();
// The taskbar's Start button as its window tree shows it (see StartShape.h),
// never a window of this process; nullptr where there is none to hide.
HWND FindStartButton(HWND tray);
void ShowStartButton(HWND start, bool show);
// Hides the taskbar's Start button and keeps it hidden, or shows it again
// and stops watching it. A first taskbar without one yet is looked at again
// for a few seconds.
void HideStartButton(HWND tray, bool hide);
// The same for every taskbar's: all given back however the program ends.
void HideEveryStartButton(bool hide);
// Zone 1: the system Start menu on that taskbar's monitor, hidden button or
// not (see OpensByClick).
void OpenStartMenu(HWND tray);
// Makes `wnd` a real child of the taskbar at its client (0, 0), above the
// taskbar's other children.
void EmbedInTaskbar(HWND wnd, HWND tray);
// Puts the button at the taskbar's left end. Up to XP it becomes the
// taskbar's child, as the Start button it replaces. Since Vista it stays a
// top-level window owned by the taskbar and laid over it, as shell extenders
// put theirs: a child of Explorer's window shares Explorer's input queue, so
// a Quorvel that hangs would hang the taskbar with it. Under Wine a child
// whose top-level window belongs to another process is never drawn, so it is
// laid over there too (unless the end-to-end tests ask for the child). From
// Vista on it is centred across a taskbar thicker than the picture (40 or 48
// pixels).
void PlaceOnTaskbar(HWND wnd, HWND tray);
// Laid over, the button then follows the taskbar: at its left or top end
// wherever it stands and however thick it is, hidden while the taskbar has
// slid out of sight and while another program's window fills the taskbar's
// monitor from the front. A second monitor's taskbar always has its button
// laid over so. Either way `wnd` is posted `fullScreenMessage` each time
// such a full-screen program comes or goes on any taskbar's monitor
// (FullScreenOver tells where), and `taskbarMessage` when the shell places
// a second monitor's taskbar that has no button yet, or destroys a taskbar
// that has one.
void LayOverTaskbar(HWND wnd, HWND tray);
void TellOfTaskbarChanges(HWND wnd, UINT fullScreenMessage, UINT taskbarMessage);
// Another program's window in front fills the monitor `wnd` is on.
bool FullScreenOver(HWND wnd);
// The monitor a window is on, or nearest to; the primary screen for none, or
// where the system knows one monitor only (95, NT 4). A window's place.
ScreenRect MonitorOf(HWND w);
ScreenRect PlaceOf(HWND w);
// The button's place and the window in front looked at again: Wine reports
// neither a window's move nor a new one in front, so its restacks do this.
void LookAtTaskbarAgain();
// No monitor shows any part of the window (one was removed, or the
// resolution lowered).
bool OffEveryScreen(HWND wnd);
// From Vista on: centred anew after the button changed its size.
void CentreOnTaskbar(HWND wnd, HWND tray);
// Lets a registered message through to an elevated Quorvel from processes
// of lower integrity (Explorer's "TaskbarCreated"); before Vista all pass.
void AcceptFromAnyProcess(UINT msg);

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

// The value `name` in the Run keys of the machine and of this user.
class RegistryRunValues : public RunValues {
public:
    explicit RegistryRunValues(const char* name) : Name(name) {}
    bool Read(RunKey key, std::string& value) override;
    bool Write(RunKey key, const std::string& value) override;
    void Remove(RunKey key) override;

private:
    const char* Name;
};
// The user's profile folder on the NT family, "" where there is none.
std::string UserProfileFolder();

// A function of a system library, loaded at its first use, or nullptr. The
// libraries Quorvel needs only now and then (dialogs, the shell, multimedia,
// common controls) cost it nothing at start-up. Only the system's own copy is
// ever loaded, never one beside the program.
FARPROC LateProc(const char* library, const char* name);
// Loaded by name, Windows looks in the program's folder first: a file of the
// same name put there (a download folder is full of them) would run its code
// in ours. By full path only the system's copy loads, and its own imports are
// looked for in the system folder first too. Uses nothing but the system, so
// it serves before the run time is started. `library` has at most 14 letters.
HMODULE LoadSystemLibrary(const char* library);
// Takes the current folder out of the search for libraries, where the system
// allows it; called first thing.
void ProtectLibrarySearch();
template <typename F>
F Late(const char* library, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(LateProc(library, name)));
}
// The common controls (tooltips, arrows), registered before the first is made.
bool NeedCommonControls();
// The system's file-open dialog: `filter` as the dialog takes it (pairs of
// label and pattern, each ending in a zero; the labels are Windows-1251
// texts), nullptr for every file; `initialFolder` nullptr for where the last
// dialog was left. The chosen file comes back in the system's ANSI code page,
// by its short name where its own has letters the code page lacks (a file
// with neither throws). False when cancelled, unavailable, or nothing was
// chosen.
bool ChooseFile(HWND owner, const char* filter, const char* initialFolder, std::string& path);
// A name in Unicode as the program's 8-bit files can keep it: in the system's
// ANSI code page, or by its short (8.3) name where its own has letters the
// code page lacks. A name with neither throws.
std::string StorablePath(const wchar_t* wide);

// Files and folders dragged onto a window from Explorer or any program that
// drags files: from now on the window gets WM_DROPFILES for them. Under Wine,
// whose drag and drop reaches only registered OLE drop targets, the window is
// given one that hands each drop on as that same message. Again on the same
// window changes nothing.
void AcceptDroppedFiles(HWND wnd);
// Before the window is destroyed.
void StopAcceptingDroppedFiles(HWND wnd);
struct DroppedFiles {
    POINT At;  // client coordinates of the window dropped on
    std::vector<DroppedItem> Items;
};
// What a WM_DROPFILES carries, its names as the program's files can keep
// them (Unicode on the NT family); the drop is released whatever happens.
DroppedFiles TakeDroppedFiles(HDROP drop);

// The roots of the drives present ("C:\", "D:\", ...).
std::vector<std::string> DriveRoots();
// `length` characters of `text` in Unicode (zeros among them kept).
std::wstring Widened(UINT codePage, const char* text, size_t length);
// A Unicode text in the code page given (a character it lacks becomes "?").
std::string Narrowed(UINT codePage, const wchar_t* wide);
// `wide` in the system's code page, if every character survives the trip.
bool ExactlyInCodePage(const wchar_t* wide, std::string& text);

// The system.
bool QueryOsVersion(OSVERSIONINFOA& info);
bool IsNtFamily();
// Windows Vista or later (NT 6).
bool IsVistaOrLater();
bool IsWine();
std::string ExePath();
// Where Settings.ini and the favourites lists live for this user (see
// ChooseSettingsPlace), with a backslash at the end; decided once at
// start-up. A first start in the user's own folder makes it and copies the
// files beside the program into it.
std::string PrepareSettingsFolder(const std::string& exeFolder);
// The module of the program's own windows and resources.
inline HINSTANCE ProgramModule()
{
    return GetModuleHandleA(nullptr);
}
// Enables the shutdown privilege of this process (the NT family needs it).
// Returns the title of the failed step ("OpenProcessToken() Failed", ...), or
// nullptr.
const char* EnableShutdownPrivilege();
// Shuts down, forcing applications to close; false when refused.
bool ShutDownForced();
