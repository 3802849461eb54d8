#include "Platform.h"
// After windows.h, which these need.
#include <mmsystem.h>
#include <shellapi.h>

#include "../base/Scoped.h"
#include "../model/WindowRules.h"

namespace {
bool Qualifies(HWND w, HWND appWnd, HWND programManager, HWND tray)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char title[128];
    WindowFacts f;
    f.OwnProcess = pid == GetCurrentProcessId() || w == appWnd;
    f.ProgramManager = w == programManager || w == GetDesktopWindow();
    f.Taskbar = w == tray;
    f.Visible = IsWindowVisible(w) != FALSE;
    f.Owned = GetWindow(w, GW_OWNER) != nullptr;
    f.TitleLength = GetWindowTextA(w, title, sizeof title);
    return WindowQualifies(f);
}

template <typename Action>
void WalkWindows(HWND panel, HWND appWnd, Action act)
{
    const HWND programManager = FindWindowA(nullptr, "Program manager");
    const HWND tray = FindTaskbar();
    // The next window is taken before acting: a closed window has no successor.
    for (HWND w = GetWindow(panel, GW_HWNDFIRST), next; w; w = next) {
        next = GetWindow(w, GW_HWNDNEXT);
        if (Qualifies(w, appWnd, programManager, tray))
            act(w);
    }
}

const char RunKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
} // namespace

void CloseAllWindows(HWND panel, HWND appWnd)
{
    // Waits for each window as a plain send would (it may ask whether to save
    // its work), but a hung window does not freeze the walk.
    WalkWindows(panel, appWnd, [](HWND w) {
        DWORD_PTR result;
        SendMessageTimeoutA(w, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 0xFFFFFFFF, &result);
    });
}

void MinimizeAllWindows(HWND panel, HWND appWnd)
{
    WalkWindows(panel, appWnd, [](HWND w) { CloseWindow(w); });
}

void MonitorOff(HWND panel)
{
    SendMessageA(panel, WM_SYSCOMMAND, SC_MONITORPOWER, 2);
}

void StartScreenSaver(HWND appWnd)
{
    SendMessageA(appWnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
}

void ShellOpen(HWND owner, const std::string& target)
{
    static const auto execute = Late<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    if (execute)
        execute(owner, "open", target.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

void SetCdDoor(char letter, bool open)
{
    const char element[3] = {letter, ':', 0};
    static const auto mci = Late<decltype(&mciSendCommandA)>("winmm.dll", "mciSendCommandA");
    if (!mci)
        return;
    MCI_OPEN_PARMSA o = {};
    o.lpstrDeviceType = "CDAudio";
    o.lpstrElementName = element;
    if (mci(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, DWORD_PTR(&o)) != 0)
        return;
    MCI_SET_PARMS s = {};
    mci(o.wDeviceID, MCI_SET, open ? MCI_SET_DOOR_OPEN : MCI_SET_DOOR_CLOSED, DWORD_PTR(&s));
    mci(o.wDeviceID, MCI_CLOSE, 0, 0);
}

namespace {
HKEY RootOf(RunKey key)
{
    return key == RunKey::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

ScopedKey OpenRunKey(RunKey which, REGSAM access)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(RootOf(which), RunKeyPath, 0, access, &key) != ERROR_SUCCESS)
        key = nullptr;
    return ScopedKey(key);
}
} // namespace

// Asked with reading rights only, which every user has.
bool RegistryRunValues::Read(RunKey which, std::string& value)
{
    const ScopedKey key = OpenRunKey(which, KEY_QUERY_VALUE);
    if (!key)
        return false;
    char data[2 * MAX_PATH] = "";
    DWORD size = sizeof data - 1, type = 0;
    const LONG got = RegQueryValueExA(key.Get(), Name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    if (got != ERROR_SUCCESS && got != ERROR_MORE_DATA)
        return false;
    value = got == ERROR_SUCCESS && type == REG_SZ ? std::string(data) : std::string();
    return true;
}

bool RegistryRunValues::Write(RunKey which, const std::string& value)
{
    // A user's Run key may not exist yet on a fresh profile.
    HKEY key = nullptr;
    if (RegCreateKeyExA(RootOf(which), RunKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const ScopedKey owned(key);
    const bool ok = RegSetValueExA(key, Name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                   DWORD(value.size() + 1)) == ERROR_SUCCESS;
    RegFlushKey(key);
    return ok;
}

void RegistryRunValues::Remove(RunKey which)
{
    const ScopedKey key = OpenRunKey(which, KEY_SET_VALUE);
    if (!key)
        return;
    RegDeleteValueA(key.Get(), Name);
    RegFlushKey(key.Get());
}
