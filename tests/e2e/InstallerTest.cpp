// Quorvel as a user gets it from its installer: installed silently into
// Program Files, started from there, uninstalled silently while it runs.
#include <gtest/gtest.h>

#include <algorithm>

#include "Harness.h"
#include "Session.h"
#include "app/MenuIds.h"

namespace {
const char* const UninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvel";

DWORD RunToEnd(const std::string& exe, const std::string& args, const std::string& dir)
{
    PROCESS_INFORMATION pi = Launch(exe, args, dir);
    DWORD code = STILL_ACTIVE;
    if (pi.hProcess && WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &code);
    EndProcess(pi);
    return code;
}

std::string RegString(const char* key, const char* value)
{
    HKEY k;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &k) != ERROR_SUCCESS)
        return "<no key>";
    char data[MAX_PATH] = "";
    DWORD size = sizeof data - 1, type = 0;
    const LONG rc = RegQueryValueExA(k, value, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(k);
    return rc == ERROR_SUCCESS ? std::string(data) : "<none>";
}

// Every file below `dir`, as paths relative to it.
void ListFiles(const std::string& dir, const std::string& prefix, std::vector<std::string>& out)
{
    WIN32_FIND_DATAA f;
    const HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &f);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = f.cFileName;
        if (name == "." || name == "..")
            continue;
        if (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ListFiles(dir + "\\" + name, prefix + name + "\\", out);
        else
            out.push_back(prefix + name);
    } while (FindNextFileA(h, &f));
    FindClose(h);
}

std::vector<std::string> FilesBelow(const std::string& dir)
{
    std::vector<std::string> out;
    ListFiles(dir, "", out);
    std::sort(out.begin(), out.end());
    return out;
}

void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAA f;
    const HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &f);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = f.cFileName, path = dir + "\\" + name;
            if (name == "." || name == "..")
                continue;
            if (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(h, &f));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}
} // namespace

TEST(Installer, SilentInstallStartAndUninstallKeepOnlyTheUsersFiles)
{
    const std::string setup = Env("QV_SETUP");
    ASSERT_FALSE(setup.empty()) << "QV_SETUP names the installer";
    const std::string dir = Env("ProgramFiles") + "\\Quorvel";
    ASSERT_NE(std::string::npos, dir.find(' ')) << "the autostart value below must be quoted";
    RemoveTree(dir);  // a run that stopped half-way
    ClearRunValue();

    // Installed silently: the program, the four skins, the uninstaller, a
    // Start-menu entry and an Add/Remove Programs entry.
    ASSERT_EQ(0u, RunToEnd(setup, "/S", Env("QV_WORK")));
    const std::vector<std::string> installed = FilesBelow(dir);
    EXPECT_EQ(51u, installed.size());  // Quorvel.exe, skincheck.exe, Uninstall.exe, 4 x 12 skin files
    for (const char* f : {"Quorvel.exe", "skincheck.exe", "Uninstall.exe", "Skins\\xpdefault\\xpdef.qvs", "Skins\\win98\\normal.bmp",
                          "Skins\\xpbutton\\xpbutblue.qvs", "Skins\\xpclassic\\timer.bmp"})
        EXPECT_TRUE(Exists(dir + "\\" + f)) << f;
    const std::string programs =
        RegString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Common Programs");
    EXPECT_TRUE(Exists(programs + "\\Quorvel\\Quorvel.lnk")) << programs;
    EXPECT_EQ("2.1", RegString(UninstallKey, "DisplayVersion"));
    EXPECT_EQ("\"" + dir + "\\Uninstall.exe\"", RegString(UninstallKey, "UninstallString"));

    // Started from Program Files as a user would: the first-run question,
    // then the button; autoloading on, favourites of the user's own.
    Install app = Install::At(dir + "\\");
    WriteBytes(app.File("Dirs.qvl"), "Work\r\nC:\\Work\r\n");
    TestTaskbar tray(Env("QV_WORK") + "\\installer-tray.log", app.File("Settings.ini"));
    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    HWND form1 = q.Window("TForm1");
    Command(form1, idN4);
    EXPECT_TRUE(WaitFor([&] { return RunValue() == app.RunCommand(); })) << RunValue();
    EXPECT_FALSE(IsWindowVisible(tray.Start));

    // Uninstalled silently while it runs (in place, so that its exit code is
    // the work's): Quorvel is closed first, gives the Start button back and
    // saves; the program's files go, the user's stay.
    EXPECT_EQ(0u, RunToEnd(dir + "\\Uninstall.exe", "/S _?=" + dir, dir));
    EXPECT_TRUE(q.WaitExit(0)) << "the uninstaller closes Quorvel";
    EXPECT_TRUE(IsWindowVisible(tray.Start));
    // Run in place, the uninstaller cannot delete itself; the close saved
    // both lists.
    EXPECT_EQ(std::vector<std::string>({"Apps.qvl", "Dirs.qvl", "Settings.ini", "Uninstall.exe"}), FilesBelow(dir));
    EXPECT_NE(std::string::npos, ReadBytes(app.File("Settings.ini")).find("autorun=true"));
    EXPECT_EQ("Work\r\nC:\\Work\r\n", ReadBytes(app.File("Dirs.qvl")));
    EXPECT_EQ("<none>", RunValue());
    EXPECT_EQ("<no key>", RegString(UninstallKey, "DisplayVersion"));
    EXPECT_FALSE(Exists(programs + "\\Quorvel"));
    RemoveTree(dir);
}
