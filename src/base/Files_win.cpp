// The file layer on Windows. Saves go through a temporary file beside the
// target; on the NT family it replaces the target in one step, on the 95
// family (no MoveFileEx) the old file is first moved aside and only removed
// once the new one is in place, so that a reader finds one of the two.
#include <windows.h>

#include "Errors.h"
#include "Files.h"
#include "Scoped.h"

namespace {
// The 95 family sets the top bit of the version.
bool IsNtFamily()
{
    return (GetVersion() & 0x80000000u) == 0;
}

int RunTimeCode(DWORD err)
{
    switch (err) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ioDiskFull;
    case ERROR_PATH_NOT_FOUND: return 3;
    }
    return int(err);
}

[[noreturn]] void Fail(DWORD err)
{
    throw InOutError(RunTimeCode(err));
}

[[noreturn]] void Fail()
{
    Fail(GetLastError());
}

std::string AsideName(const std::string& path)
{
    return path + ".old";
}

// A save on the 95 family that was cut off between its two renames leaves the
// old file under its aside name: put it back before the file is looked at.
void RecoverAside(const std::string& path)
{
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return;
    const std::string aside = AsideName(path);
    if (GetFileAttributesA(aside.c_str()) != INVALID_FILE_ATTRIBUTES)
        MoveFileA(aside.c_str(), path.c_str());
}

void WriteTemp(const std::string& temp, const std::string& data)
{
    HANDLE h = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        Fail();
    DWORD written = 0;
    BOOL ok = data.empty() || WriteFile(h, data.data(), DWORD(data.size()), &written, nullptr);
    DWORD err = ok ? 0 : GetLastError();
    if (ok && written != data.size())
        err = ERROR_DISK_FULL;
    if (!err && !FlushFileBuffers(h))
        err = GetLastError();
    if (!CloseHandle(h) && !err)
        err = GetLastError();
    if (err) {
        DeleteFileA(temp.c_str());
        Fail(err);
    }
}

void ReplaceNt(const std::string& temp, const std::string& path)
{
    if (!MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD err = GetLastError();
        DeleteFileA(temp.c_str());
        Fail(err);
    }
}

void Replace95(const std::string& temp, const std::string& path)
{
    const std::string aside = AsideName(path);
    const bool hadOld = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (hadOld) {
        DeleteFileA(aside.c_str());
        if (!MoveFileA(path.c_str(), aside.c_str())) {
            const DWORD err = GetLastError();
            DeleteFileA(temp.c_str());
            Fail(err);
        }
    }
    if (!MoveFileA(temp.c_str(), path.c_str())) {
        const DWORD err = GetLastError();
        if (hadOld)
            MoveFileA(aside.c_str(), path.c_str());
        DeleteFileA(temp.c_str());
        Fail(err);
    }
    if (hadOld)
        DeleteFileA(aside.c_str());
}
} // namespace

InFile::InFile(const std::string& path)
{
    RecoverAside(path);
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        Fail();
    Handle = intptr_t(h);
}

InFile::~InFile()
{
    CloseHandle(HANDLE(Handle));
}

size_t InFile::Read(char* buffer, size_t size)
{
    DWORD got = 0;
    if (!ReadFile(HANDLE(Handle), buffer, DWORD(size), &got, nullptr))
        Fail();
    return got;
}

const char PathSeparator = '\\';

bool FolderExists(const std::string& path)
{
    const DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA f;
    const ScopedFind find(FindFirstFileA((folder + "\\*").c_str(), &f));
    if (!find)
        return names;
    do
        if (!(f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(f.cFileName);
    while (FindNextFileA(find.Get(), &f));
    return names;
}

bool FileExists(const std::string& path)
{
    RecoverAside(path);
    const DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

void CreateEmptyFile(const std::string& path)
{
    const ScopedHandle h(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h)
        Fail();
}

void SaveFileAtomic(const std::string& path, const std::string& data)
{
    RecoverAside(path);
    // Most saves (a skin change saves both lists too) change nothing: a read
    // costs less than a write, a flush and a rename.
    if (FileHolds(path, data))
        return;
    // A read-only file is the user's way of saying "keep this": refuse as a
    // plain write would, instead of renaming over it.
    const DWORD attr = GetFileAttributesA(path.c_str());
    if (attr != INVALID_FILE_ATTRIBUTES && (attr & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        Fail(ERROR_ACCESS_DENIED);
    const std::string temp = path + ".new";
    WriteTemp(temp, data);
    if (IsNtFamily())
        ReplaceNt(temp, path);
    else
        Replace95(temp, path);
}
