#include "Platform.h"
// After windows.h, which it needs.
#include <shlobj.h>

#include <algorithm>
#include <iterator>

#include "../base/Files.h"
#include "../base/Scoped.h"
#include "../model/Settings.h"

namespace {
// On the NT family the rights to a folder are in its access list, which its
// attributes do not show, and a folder on a CD or a locked stick shows none
// either: only creating a file tells. The name is this process's own (a
// second Quorvel leaves before it gets here), so a leftover of a killed
// start is overwritten, never another program's file.
bool CanCreateFilesIn(const std::string& folder)
{
    const std::string probe = folder + "~qv" + std::to_string(GetCurrentProcessId()) + ".tmp";
    if (!ScopedHandle(CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY, nullptr)))
        return false;
    DeleteFileA(probe.c_str());
    return true;
}

// Every save replaces the file: in a folder anyone may add to (one an
// administrator made under C:\), the files another user left there cannot
// be. A file write-protected by its own user, or a folder in a file's place,
// is left to the reads and saves, which say so.
bool CanReplace(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return true;
    const ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    return file || GetLastError() != ERROR_ACCESS_DENIED;
}

// Shell32 has the newer call from 2000 and Me on, the older one with the
// shell of Internet Explorer 4; Windows 95 and NT 4 without it have neither,
// and no application-data folder.
template <typename Char>
bool AskShellForApplicationData(const char* folderPath, const char* specialFolderPath, Char (&path)[MAX_PATH])
{
    using FolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, Char*);
    using SpecialFolderPath = BOOL(WINAPI*)(HWND, Char*, int, BOOL);
    if (const auto get = Late<FolderPath>("shell32.dll", folderPath))
        return get(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0 /* SHGFP_TYPE_CURRENT */, path) == S_OK;
    if (const auto special = Late<SpecialFolderPath>("shell32.dll", specialFolderPath))
        return special(nullptr, path, CSIDL_APPDATA, TRUE) != FALSE;
    return false;
}

// The folder Windows names for the user's application data, or "". On the
// NT family it is asked in Unicode: a user whose name has letters outside
// the ANSI code page gets the short form, which the program's 8-bit paths
// can hold.
std::string ApplicationDataFolder()
{
    if (IsNtFamily()) {
        wchar_t wide[MAX_PATH] = L"";
        if (!AskShellForApplicationData("SHGetFolderPathW", "SHGetSpecialFolderPathW", wide))
            return "";
        try {
            return StorablePath(wide);
        } catch (const std::exception&) {
            return "";
        }
    }
    char path[MAX_PATH] = "";
    return AskShellForApplicationData("SHGetFolderPathA", "SHGetSpecialFolderPathA", path) ? path : "";
}

// "Quorvel\" under the application-data folder, made where it is not there
// yet; "" where there is none or it cannot be made.
std::string UserFolder()
{
    std::string folder = ApplicationDataFolder();
    if (folder.empty())
        return "";
    if (folder.back() != '\\')
        folder += '\\';
    folder += "Quorvel\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return FolderExists(folder) ? folder : "";
}
} // namespace

std::string PrepareSettingsFolder(const std::string& exeFolder)
{
    // The one probe a writable folder costs: the user's folder is not even
    // looked for then, nor shell32 loaded.
    if (CanCreateFilesIn(exeFolder) &&
        std::all_of(std::begin(SettingsFilesInCopyOrder), std::end(SettingsFilesInCopyOrder),
                    [&](const char* name) { return CanReplace(exeFolder + name); }))
        return exeFolder;
    const std::string user = UserFolder();
    const SettingsPlace place =
        ChooseSettingsPlace(exeFolder, user, !user.empty() && FileExists(user + SettingsFile));
    // A file the user has there already is the user's own: never replaced.
    // One that fails to copy leaves the defaults, and the next start tries
    // again while Settings.ini is missing.
    if (place.CopyFromExeFolder)
        for (const char* name : SettingsFilesInCopyOrder) {
            const std::string copy = place.Folder + name;
            // Copied from a CD or from an administrator's write-protected
            // defaults, the file would keep its read-only mark, and every
            // save of the user's would fail.
            if (CopyFileA((exeFolder + name).c_str(), copy.c_str(), TRUE))
                SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
        }
    return place.Folder;
}
