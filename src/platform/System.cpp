#include "Platform.h"

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

bool ChooseFile(OPENFILENAMEA& ofn)
{
    static const auto open = Late<BOOL(WINAPI*)(OPENFILENAMEA*)>("comdlg32.dll", "GetOpenFileNameA");
    return open && open(&ofn);
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

bool IsVistaOrLater()
{
    static const bool later = [] {
        OSVERSIONINFOA info;
        return QueryOsVersion(info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 6;
    }();
    return later;
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
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return "OpenProcessToken() Failed";
    TOKEN_PRIVILEGES tp = {};
    if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &tp.Privileges[0].Luid)) {
        CloseHandle(token);
        return "LookupPrivilegeValue() Failed";
    }
    tp.PrivilegeCount = 1;
    tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    TOKEN_PRIVILEGES previous;
    DWORD length = 0;
    SetLastError(ERROR_SUCCESS);
    AdjustTokenPrivileges(token, FALSE, &tp, sizeof previous, &previous, &length);
    // The whole code counts: 1280 has a zero low byte and is still a failure.
    const DWORD err = GetLastError();
    CloseHandle(token);
    return err != ERROR_SUCCESS ? "AdjustTokenPrivileges() Failed" : nullptr;
}

bool ShutDownForced()
{
    return ExitWindowsEx(EWX_SHUTDOWN | EWX_FORCE, 0) != FALSE;
}
