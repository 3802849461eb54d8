#include "Platform.h"
// After windows.h, which these need.
#include <commdlg.h>

#include "../base/Scoped.h"

FARPROC LateProc(const char* library, const char* name)
{
    const HMODULE loaded = GetModuleHandleA(library);
    const HMODULE module = loaded ? loaded : LoadLibraryA(library);
    return module ? GetProcAddress(module, name) : nullptr;
}

bool NeedCommonControls()
{
    static const bool ready = [] {
        const auto init = Late<void(WINAPI*)()>("comctl32.dll", "InitCommonControls");
        if (init)
            init();
        return init != nullptr;
    }();
    return ready;
}

bool ChooseFile(HWND owner, const char* filter, const char* initialFolder, std::string& path)
{
    static const auto open = Late<BOOL(WINAPI*)(OPENFILENAMEA*)>("comdlg32.dll", "GetOpenFileNameA");
    char file[MAX_PATH] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = initialFolder;
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!open || !open(&ofn))
        return false;
    path = file;
    return true;
}

std::vector<std::string> DriveRoots()
{
    char drives[4 * 26 + 1] = "";
    GetLogicalDriveStringsA(sizeof drives, drives);
    std::vector<std::string> roots;
    for (const char* d = drives; *d; d += strlen(d) + 1)
        roots.push_back(d);
    return roots;
}

bool QueryOsVersion(OSVERSIONINFOA& info)
{
    info = {};
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExA(&info) != FALSE;
}

bool IsNtFamily()
{
    static const bool nt = [] {
        OSVERSIONINFOA info;
        return QueryOsVersion(info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
    }();
    return nt;
}

bool IsWine()
{
    static const bool wine = [] {
        const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        return ntdll && GetProcAddress(ntdll, "wine_get_version");
    }();
    return wine;
}

std::string ExePath()
{
    char path[MAX_PATH + 1];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, n < MAX_PATH ? n : MAX_PATH);
}

const char* EnableShutdownPrivilege()
{
    HANDLE opened = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &opened))
        return "OpenProcessToken() Failed";
    const ScopedHandle token(opened);
    TOKEN_PRIVILEGES tp = {};
    if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &tp.Privileges[0].Luid))
        return "LookupPrivilegeValue() Failed";
    tp.PrivilegeCount = 1;
    tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    TOKEN_PRIVILEGES previous;
    DWORD length = 0;
    SetLastError(ERROR_SUCCESS);
    AdjustTokenPrivileges(token.Get(), FALSE, &tp, sizeof previous, &previous, &length);
    // The whole code counts: 1280 has a zero low byte and is still a failure.
    return GetLastError() != ERROR_SUCCESS ? "AdjustTokenPrivileges() Failed" : nullptr;
}

bool ShutDownForced()
{
    return ExitWindowsEx(EWX_SHUTDOWN | EWX_FORCE, 0) != FALSE;
}
