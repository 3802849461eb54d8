#include "Platform.h"
// After windows.h, which these need.
#include <commdlg.h>

#include "../base/Errors.h"
#include "../base/Scoped.h"

HMODULE LoadSystemLibrary(const char* library)
{
    char path[MAX_PATH + 16];
    const UINT n = GetSystemDirectoryA(path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return nullptr;
    path[n] = '\\';
    lstrcpynA(path + n + 1, library, 15);
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

namespace {
FARPROC KernelProc(const char* name)
{
    return GetProcAddress(GetModuleHandleA("kernel32.dll"), name);
}

// The XP common controls 6 (the visual styles) come only by name, which the
// activation context of our manifest sends to the side-by-side store, never to
// the program's folder; a full path would give version 5. The 95 family has
// no activation contexts.
bool Redirected(const char* library)
{
    // The structure as XP knows it; later systems take this size too.
    struct SectionData {
        ULONG Size, FormatVersion;
        void* Data;
        ULONG Length;
        void* GlobalData;
        ULONG GlobalLength;
        void* Base;
        ULONG TotalLength;
        HANDLE Context;
        ULONG RosterIndex;
    };
    const ULONG dllRedirection = 2;
    using Find = BOOL(WINAPI*)(DWORD, const GUID*, ULONG, LPCSTR, SectionData*);
    static const auto find = reinterpret_cast<Find>(reinterpret_cast<void*>(KernelProc("FindActCtxSectionStringA")));
    SectionData data = {};
    data.Size = sizeof data;
    return IsNtFamily() && find && find(0, nullptr, dllRedirection, library, &data);
}
} // namespace

void ProtectLibrarySearch()
{
    // XP SP1 and later: the current folder is searched no more.
    using SetDirectory = BOOL(WINAPI*)(LPCSTR);
    if (const auto set = reinterpret_cast<SetDirectory>(reinterpret_cast<void*>(KernelProc("SetDllDirectoryA"))))
        set("");
}

FARPROC LateProc(const char* library, const char* name)
{
    HMODULE module = GetModuleHandleA(library);
    if (!module)
        module = Redirected(library) ? LoadLibraryA(library) : LoadSystemLibrary(library);
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

std::wstring Widened(UINT codePage, const char* text, size_t length)
{
    std::wstring wide(length, L'\0');
    wide.resize(size_t(MultiByteToWideChar(codePage, 0, text, int(length), &wide[0], int(length))));
    return wide;
}

bool ExactlyInCodePage(const wchar_t* wide, std::string& text)
{
    text = Narrowed(CP_ACP, wide);
    return Widened(CP_ACP, text.data(), text.size()) == wide;
}

std::string Narrowed(UINT codePage, const wchar_t* wide)
{
    const int n = WideCharToMultiByte(codePage, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return "";
    std::string text(size_t(n), '\0');
    WideCharToMultiByte(codePage, 0, wide, -1, &text[0], n, nullptr, nullptr);
    text.resize(size_t(n) - 1);
    return text;
}

namespace {
// The filter's pairs of texts with the empty one that ends them.
size_t FilterLength(const char* filter)
{
    const char* end = filter;
    while (*end)
        end += lstrlenA(end) + 1;
    return size_t(end - filter) + 1;
}
} // namespace

// The program's files are 8-bit: a name the code page cannot spell is kept by
// its short (8.3) form, which every version reads back.
std::string StorablePath(const wchar_t* wide)
{
    std::string path;
    if (ExactlyInCodePage(wide, path))
        return path;
    std::vector<wchar_t> shortForm(32768, L'\0');
    const DWORD n = GetShortPathNameW(wide, shortForm.data(), DWORD(shortForm.size()));
    std::string shortPath;
    if (n > 0 && n < shortForm.size() && ExactlyInCodePage(shortForm.data(), shortPath))
        return shortPath;
    Exception unstorable("This name has letters the system's code page lacks, and no short name to store it by");
    unstorable.NameFile(path);
    throw unstorable;
}

namespace {
bool ChooseFileInUnicode(const OPENFILENAMEA& ofn, std::string& path)
{
    static const auto open = Late<BOOL(WINAPI*)(OPENFILENAMEW*)>("comdlg32.dll", "GetOpenFileNameW");
    if (!open)
        return false;
    const std::wstring filter = ofn.lpstrFilter ? Widened(1251, ofn.lpstrFilter, FilterLength(ofn.lpstrFilter)) : L"";
    const std::wstring dir =
        ofn.lpstrInitialDir ? Widened(CP_ACP, ofn.lpstrInitialDir, lstrlenA(ofn.lpstrInitialDir)) : L"";
    wchar_t file[MAX_PATH] = L"";
    OPENFILENAMEW w = {};
    w.lStructSize = sizeof w;
    w.hwndOwner = ofn.hwndOwner;
    w.lpstrFilter = ofn.lpstrFilter ? filter.c_str() : nullptr;
    w.lpstrFile = file;
    w.nMaxFile = MAX_PATH;
    w.lpstrInitialDir = ofn.lpstrInitialDir ? dir.c_str() : nullptr;
    w.Flags = ofn.Flags;
    if (!open(&w) || !file[0])  // nothing chosen: see ChooseFile
        return false;
    path = StorablePath(file);
    return true;
}
} // namespace

bool ChooseFile(HWND owner, const char* filter, const char* initialFolder, std::string& path)
{
    char file[MAX_PATH] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = initialFolder;
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;
    // On the NT family the Unicode dialog: a filter's labels are the
    // program's own texts, which it shows right on a system of any code page,
    // and a file whose name the code page cannot spell comes back by a name
    // that opens it.
    if (IsNtFamily())
        return ChooseFileInUnicode(ofn, path);
    static const auto open = Late<BOOL(WINAPI*)(OPENFILENAMEA*)>("comdlg32.dll", "GetOpenFileNameA");
    if (!open || !open(&ofn))
        return false;
    path = file;
    // Wine's dialog, ended under it by the program's quitting, reports a
    // choice of nothing.
    return !path.empty();
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

// Unpacked below a user's folder whose name the code page cannot spell, the
// program would find neither its skins nor its settings by the ANSI path,
// and would name a file that is not there in the Run key.
std::string ExePath()
{
    if (IsNtFamily()) {
        wchar_t wide[MAX_PATH + 1];
        const DWORD n = GetModuleFileNameW(nullptr, wide, MAX_PATH);
        if (n > 0 && n < MAX_PATH) {
            try {
                return StorablePath(wide);
            } catch (const std::exception&) {
            }
        }
    }
    char path[MAX_PATH + 1];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, n < MAX_PATH ? n : MAX_PATH);
}

std::string UserProfileFolder()
{
    // The 95 family keeps no programs of one user apart, even with profiles.
    if (!IsNtFamily())
        return std::string();
    // In the same form as the program's own path, however the name is spelt.
    wchar_t folder[MAX_PATH + 1] = L"";
    const DWORD n = GetEnvironmentVariableW(L"USERPROFILE", folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return std::string();
    try {
        return StorablePath(folder);
    } catch (const std::exception&) {
        return std::string();
    }
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
