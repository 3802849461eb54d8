// Quorvel as a user gets it from its installer: installed into Program
// Files, started from there, upgraded and uninstalled while it runs, beside a
// copy from the zip in a folder of its own.
#include <gtest/gtest.h>

#include <algorithm>

#include "Harness.h"
#include <tlhelp32.h>
#include "Session.h"
#include "ui/Commands.h"

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

std::string RegString(const char* key, const char* value, HKEY root = HKEY_LOCAL_MACHINE)
{
    HKEY k;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &k) != ERROR_SUCCESS)
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

// The exe of a process, as the system names it.
std::string ImageOf(DWORD pid)
{
    const HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snap == INVALID_HANDLE_VALUE)
        return "<no snapshot>";
    MODULEENTRY32 m = {};
    m.dwSize = sizeof m;
    const std::string exe = Module32First(snap, &m) ? m.szExePath : "<no module>";
    CloseHandle(snap);
    return exe;
}

bool SamePath(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// The process of the running Quorvel (there is one at most), or 0.
DWORD RunningQuorvel()
{
    DWORD pid = 0;
    if (HWND app = FindWindowA("TApplication", "Quorvel"))
        GetWindowThreadProcessId(app, &pid);
    return pid;
}

struct ControlSearch {
    std::string Text;
    HWND Found;
};

BOOL CALLBACK FindControl(HWND w, LPARAM p)
{
    auto* s = reinterpret_cast<ControlSearch*>(p);
    if (TextOf(w) == s->Text && IsWindowVisible(w))
        s->Found = w;
    return !s->Found;
}

// A visible control of the installer's pages, which are dialogs within its
// window, by its text.
HWND Control(HWND wizard, const std::string& text)
{
    ControlSearch search = {text, nullptr};
    EnumChildWindows(wizard, FindControl, LPARAM(&search));
    return search.Found;
}

// The installer's window once its first page is up.
HWND WizardOf(const PROCESS_INFORMATION& pi)
{
    HWND wizard = nullptr;
    WaitFor([&] {
        for (HWND w : TopLevelWindows(pi.dwProcessId))
            if (ClassOf(w) == "#32770" && IsWindowVisible(w))
                wizard = w;
        return wizard != nullptr;
    });
    return wizard;
}

// On the first page, the kind of installation; then on to the folder page.
// False where the choice could not be made.
bool ChooseInstallKind(HWND wizard, const char* kind)
{
    HWND radio = nullptr, next = nullptr;
    if (!WaitFor([&] { return (radio = Control(wizard, kind)) && (next = Control(wizard, "&Next >")); }))
        return false;
    if (!ClickUntil(Middle(radio), [&] { return SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED; }))
        return false;
    Screenshot("Installer.InstallKindPage");
    return ClickUntil(Middle(next), [&] { return Control(wizard, kind) == nullptr; });
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
    EXPECT_EQ(52u, installed.size());  // Quorvel.exe, skincheck.exe, ReadMe.txt, Uninstall.exe, 4 x 12 skin files
    for (const char* f : {"Quorvel.exe", "skincheck.exe", "ReadMe.txt", "Uninstall.exe", "Skins\\xpdefault\\xpdef.qvs", "Skins\\win98\\normal.bmp",
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
    HWND startButton = q.Window("TForm1");
    Command(startButton, CmdAutoload);
    EXPECT_TRUE(WaitFor([&] { return RunValue() == app.RunCommand(); })) << RunValue();
    EXPECT_FALSE(IsWindowVisible(tray.Start));

    // Upgraded silently while it runs: closed, replaced and started again.
    EXPECT_EQ(0u, RunToEnd(setup, "/S", Env("QV_WORK")));
    EXPECT_TRUE(q.WaitExit()) << "the installer closes Quorvel";
    DWORD again = 0;
    EXPECT_TRUE(WaitFor([&] { return (again = RunningQuorvel()) != 0 && again != q.Pid(); }))
        << "the installer starts Quorvel again";
    EXPECT_TRUE(SamePath(app.Exe(), ImageOf(again))) << ImageOf(again);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(tray.Start); }));
    const HANDLE restarted = OpenProcess(SYNCHRONIZE, FALSE, again);
    // The value as an earlier version wrote it, unquoted.
    PlantRunValue(app.Exe());

    // Uninstalled silently while it runs (in place, so that its exit code is
    // the work's): Quorvel is closed first, gives the Start button back and
    // saves; the program's files go, the user's stay.
    EXPECT_EQ(0u, RunToEnd(dir + "\\Uninstall.exe", "/S _?=" + dir, dir));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(restarted, 10000)) << "the uninstaller closes Quorvel";
    CloseHandle(restarted);
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

TEST(Installer, ACopyRunningElsewhereIsLeftAloneAndTheLastPageStartsTheInstalledOne)
{
    const std::string setup = Env("QV_SETUP"), work = Env("QV_WORK");
    ASSERT_FALSE(setup.empty()) << "QV_SETUP names the installer";
    const std::string dir = Env("ProgramFiles") + "\\Quorvel";
    RemoveTree(dir);
    ClearRunValue();
    ASSERT_EQ(0u, RunToEnd(setup, "/S", work));
    EXPECT_EQ(0u, RunningQuorvel()) << "a first installation starts nothing by itself";

    // The zip unpacked elsewhere, running, with autoloading on.
    Install zip("Unpacked zip");
    WriteBytes(zip.File("Settings.ini"), "autorun=true\r\n");
    TestTaskbar tray(work + "\\installer-copy-tray.log", zip.File("Settings.ini"));
    {
        Quorvel copy(zip);
        ASSERT_TRUE(copy.WaitStarted());
        ASSERT_TRUE(WaitFor([&] { return RunValue() == zip.RunCommand(); })) << RunValue();

        // An upgrade with its pages: the copy goes on running, and the last
        // page offers to start the installed Quorvel.
        PROCESS_INFORMATION pi = Launch(setup, "", work);
        HWND wizard = WizardOf(pi);
        ASSERT_TRUE(wizard);
        ASSERT_TRUE(ChooseInstallKind(wizard, "For &all users (needs administrator rights)"));
        HWND install = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (install = Control(wizard, "&Install")) != nullptr; }));
        // The button is disabled while the files are copied, then says Finish.
        EXPECT_TRUE(ClickUntil(Middle(install),
                               [&] { return !IsWindowEnabled(install) || TextOf(install) != "&Install"; }));
        HWND offer = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (offer = Control(wizard, "Start Quorvel")) != nullptr; }, 30000));
        EXPECT_EQ(BST_CHECKED, SendMessageA(offer, BM_GETCHECK, 0, 0));
        Screenshot("Installer.LastPage");
        EXPECT_FALSE(copy.WaitExit(0)) << "the upgrade closed the copy running elsewhere";
        EXPECT_EQ(copy.Pid(), RunningQuorvel());
        EXPECT_FALSE(IsWindowVisible(tray.Start));

        // With the copy closed, Finish starts the installed one.
        PostMessageA(copy.Window("TForm1"), WM_CLOSE, 0, 0);
        ASSERT_TRUE(copy.WaitExit());
        WriteBytes(dir + "\\Settings.ini", "autorun=false\r\n");
        EXPECT_TRUE(ClickUntil(Middle(Control(wizard, "&Finish")),
                               [&] { return WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0; }));
        EndProcess(pi);
    }
    DWORD installed = 0;
    ASSERT_TRUE(WaitFor([&] { return (installed = RunningQuorvel()) != 0; })) << "Finish started Quorvel";
    EXPECT_TRUE(SamePath(dir + "\\Quorvel.exe", ImageOf(installed))) << ImageOf(installed);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, installed);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(tray.Start); }));
    HWND startButton = nullptr;
    for (HWND w : TopLevelWindows(installed))
        if (ClassOf(w) == "TForm1")
            startButton = w;
    PostMessageA(startButton, WM_CLOSE, 0, 0);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, 10000));
    CloseHandle(process);

    // Uninstalled while the copy runs again: the copy and its autostart
    // value, which points at a program that is still there, stay.
    Quorvel copy(zip);
    ASSERT_TRUE(copy.WaitStarted());
    ASSERT_TRUE(WaitFor([&] { return RunValue() == zip.RunCommand(); })) << RunValue();
    EXPECT_EQ(0u, RunToEnd(dir + "\\Uninstall.exe", "/S _?=" + dir, dir));
    EXPECT_FALSE(copy.WaitExit(0)) << "the uninstaller closed the copy running elsewhere";
    EXPECT_FALSE(Exists(dir + "\\Quorvel.exe"));
    EXPECT_EQ(zip.RunCommand(), RunValue());
    PostMessageA(copy.Window("TForm1"), WM_CLOSE, 0, 0);
    EXPECT_TRUE(copy.WaitExit());
    ClearRunValue();
    RemoveTree(dir);
}

// "Just for me" beside an installation for all users: the user's own folder,
// Start menu, Add/Remove Programs entry and autostart; upgraded silently while
// it runs; and an uninstaller that takes those away and nothing of the other.
TEST(Installer, JustForMeBesideAllUsersKeepsToTheUsersOwnPlaces)
{
    const std::string setup = Env("QV_SETUP"), work = Env("QV_WORK");
    ASSERT_FALSE(setup.empty()) << "QV_SETUP names the installer";
    const char* const folders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    const std::string mine = RegString(folders, "Local AppData", HKEY_CURRENT_USER) + "\\Programs\\Quorvel";
    const std::string everyones = Env("ProgramFiles") + "\\Quorvel";
    const std::string myMenu = RegString(folders, "Programs", HKEY_CURRENT_USER) + "\\Quorvel\\Quorvel.lnk";
    const std::string commonMenu = RegString(folders, "Common Programs") + "\\Quorvel\\Quorvel.lnk";
    RemoveTree(mine);
    RemoveTree(everyones);
    ClearRunValue();
    ClearRunValue(HKEY_CURRENT_USER);
    ASSERT_EQ(0u, RunToEnd(setup, "/S /ALLUSERS", work));

    // With its pages: just for me, into the user's programs folder.
    PROCESS_INFORMATION pi = Launch(setup, "", work);
    HWND wizard = WizardOf(pi);
    ASSERT_TRUE(wizard);
    ASSERT_TRUE(ChooseInstallKind(wizard, "&Just for me"));
    EXPECT_TRUE(WaitFor([&] { return Control(wizard, mine) != nullptr; })) << "the folder page offers " << mine;
    HWND install = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (install = Control(wizard, "&Install")) != nullptr; }));
    ClickUntil(Middle(install), [&] { return !IsWindowEnabled(install) || TextOf(install) != "&Install"; });
    ASSERT_TRUE(WaitFor([&] { return Control(wizard, "Start Quorvel") != nullptr; }, 30000));
    Screenshot("Installer.JustForMeDone");
    EXPECT_EQ(52u, FilesBelow(mine).size());
    EXPECT_EQ(mine, RegString(UninstallKey, "InstallLocation", HKEY_CURRENT_USER));
    EXPECT_EQ(everyones, RegString(UninstallKey, "InstallLocation"));
    EXPECT_TRUE(Exists(myMenu)) << myMenu;
    EXPECT_TRUE(Exists(commonMenu)) << commonMenu;

    // Finish starts the user's own Quorvel. Autoloading from there: the
    // user's key on the NT family, where no other user can reach the
    // program; the 95 family has one key for all.
    Install app = Install::At(mine + "\\");
    WriteBytes(app.File("Settings.ini"), "autorun=false\r\n");
    TestTaskbar tray(work + "\\installer-mine-tray.log", app.File("Settings.ini"));
    ClickUntil(Middle(Control(wizard, "&Finish")), [&] { return WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0; });
    EndProcess(pi);
    DWORD started = 0;
    ASSERT_TRUE(WaitFor([&] { return (started = RunningQuorvel()) != 0; })) << "Finish started Quorvel";
    EXPECT_TRUE(SamePath(app.Exe(), ImageOf(started))) << ImageOf(started);
    HWND startButton = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (HWND w : TopLevelWindows(started))
            if (ClassOf(w) == "TForm1")
                startButton = w;
        return startButton != nullptr;
    }));
    Command(startButton, CmdAutoload);
    const HKEY autostart = GetVersion() < 0x80000000 ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    EXPECT_TRUE(WaitFor([&] { return RunValue(autostart) == app.RunCommand(); })) << RunValue(autostart);
    EXPECT_EQ("<none>", RunValue(autostart == HKEY_CURRENT_USER ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER));
    const HANDLE first = OpenProcess(SYNCHRONIZE, FALSE, started);

    // Upgraded silently while it runs: that one is closed and started again.
    EXPECT_EQ(0u, RunToEnd(setup, "/S /CURRENTUSER", work));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(first, 10000)) << "the installer closes Quorvel";
    CloseHandle(first);
    DWORD again = 0;
    EXPECT_TRUE(WaitFor([&] { return (again = RunningQuorvel()) != 0 && again != started; }));
    EXPECT_TRUE(SamePath(app.Exe(), ImageOf(again))) << ImageOf(again);
    const HANDLE restarted = OpenProcess(SYNCHRONIZE, FALSE, again);

    // Its uninstaller: this user's program, entries and autostart go; the
    // installation for all users stays whole.
    EXPECT_EQ(0u, RunToEnd(mine + "\\Uninstall.exe", "/S _?=" + mine, mine));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(restarted, 10000)) << "the uninstaller closes Quorvel";
    CloseHandle(restarted);
    EXPECT_EQ(std::vector<std::string>({"Apps.qvl", "Dirs.qvl", "Settings.ini", "Uninstall.exe"}), FilesBelow(mine));
    EXPECT_EQ("<no key>", RegString(UninstallKey, "InstallLocation", HKEY_CURRENT_USER));
    EXPECT_FALSE(Exists(myMenu));
    EXPECT_EQ("<none>", RunValue(autostart));
    EXPECT_EQ(52u, FilesBelow(everyones).size());
    EXPECT_EQ(everyones, RegString(UninstallKey, "InstallLocation"));
    EXPECT_TRUE(Exists(commonMenu));

    EXPECT_EQ(0u, RunToEnd(everyones + "\\Uninstall.exe", "/S _?=" + everyones, everyones));
    EXPECT_EQ("<no key>", RegString(UninstallKey, "InstallLocation"));
    EXPECT_FALSE(Exists(commonMenu));
    RemoveTree(mine);
    RemoveTree(everyones);

    // A user whose name the code page cannot spell (Greek on a Cyrillic
    // system): told so, with an error for a silent run, and nothing installed.
    if (GetVersion() < 0x80000000) {
        const std::wstring greek = L"C:\\users\\\x03A3\x03BF\x03C6\x03AF\x03B1";
        CreateDirectoryW(greek.c_str(), nullptr);
        const wchar_t* const keys[] = {L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                                       L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"};
        const std::string was = RegString(folders, "Local AppData", HKEY_CURRENT_USER);
        const std::wstring wasWide(was.begin(), was.end());
        const auto setLocalAppData = [&](const std::wstring& folder) {
            for (const wchar_t* key : keys) {
                HKEY k;
                RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr);
                RegSetValueExW(k, L"Local AppData", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                               DWORD((folder.size() + 1) * sizeof(wchar_t)));
                RegCloseKey(k);
            }
        };
        setLocalAppData(greek);
        EXPECT_EQ(2u, RunToEnd(setup, "/S /CURRENTUSER", work));
        EXPECT_EQ("<no key>", RegString(UninstallKey, "InstallLocation", HKEY_CURRENT_USER));
        setLocalAppData(wasWide);
    }
}
