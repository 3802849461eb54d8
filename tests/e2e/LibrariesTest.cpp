// Libraries planted beside the program under the names of the system
// libraries it loads: Windows looks in the program's folder first, and Wine
// plays that order for the names set "native first". Not one may load, on
// any path that loads a library, and the XP visual styles stay.
#include "Session.h"
// After windows.h, which Session.h brings.
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "ui/Commands.h"

namespace {
// The libraries the program loads late. Those it imports (kernel32, user32,
// gdi32, advapi32) are known libraries that Windows takes from the system
// folder with their own imports. Wine has no known libraries, and its own
// copies of those import msvcrt by name before the program's first
// instruction: the program's own loading of msvcrt by full path cannot be
// told apart here.
const char* const Planted[] = {"winmm", "comdlg32", "shell32", "comctl32"};

// Windows' search order for these names in every Quorvel.exe started while
// it lasts; Wine otherwise takes its built-in copy of a system library
// whatever lies beside the program. (WINEDLLOVERRIDES set here would not
// reach the program: Wine reads it from the Unix environment.)
class NativeFirst {
public:
    NativeFirst()
    {
        RegCreateKeyExA(HKEY_CURRENT_USER, Key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &Overrides, nullptr);
        for (const char* name : Planted)
            RegSetValueExA(Overrides, name, 0, REG_SZ, reinterpret_cast<const BYTE*>("native,builtin"), 15);
    }
    ~NativeFirst()
    {
        RegCloseKey(Overrides);
        RegDeleteKeyA(HKEY_CURRENT_USER, Key);
    }

private:
    static constexpr const char* Key = "Software\\Wine\\AppDefaults\\Quorvel.exe\\DllOverrides";
    HKEY Overrides = nullptr;
};

std::string DriverDir()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string exe = path;
    return exe.substr(0, exe.find_last_of('\\') + 1);
}

std::string Lower(std::string s)
{
    CharLowerBuffA(&s[0], DWORD(s.size()));
    return s;
}

// The full paths of the modules of process `pid`, in lower case.
std::vector<std::string> ModulesOf(DWORD pid)
{
    std::vector<std::string> paths;
    const HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snap == INVALID_HANDLE_VALUE)
        return paths;
    MODULEENTRY32 m = {};
    m.dwSize = sizeof m;
    for (BOOL more = Module32First(snap, &m); more; more = Module32Next(snap, &m))
        paths.push_back(Lower(m.szExePath));
    CloseHandle(snap);
    return paths;
}

// The open dialog of the program, closed again unused.
bool OpenDialogComesAndGoes(Session& s)
{
    HWND open = nullptr;
    if (!WaitFor([&] { return (open = s.Q.ErrorBox()) != nullptr; }))
        return false;
    Sleep(500);
    SetForegroundWindow(open);
    PressKey(VK_ESCAPE);
    return WaitFor([&] { return !IsWindow(open); });
}
} // namespace

TEST(Libraries, NoneBesideTheProgramLoadsOnAnyPathAndTheXpStylesStay)
{
    const std::string standIn = ReadBytes(DriverDir() + "StandIn.dll");
    ASSERT_FALSE(standIn.empty());
    const std::string notes = InstallDir("Libraries.Planted") + "notes.txt";
    Files files = {{"notes.txt", "planted\r\n"}, {"Apps.qvl", "Notes\r\n" + notes + "\r\n"}};
    for (const char* name : Planted)
        files.push_back({std::string(name) + ".dll", standIn});
    NativeFirst order;
    Session s("Libraries.Planted", "cdrom=Q\r\nmonitor=1\r\n", files);
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();

    // The CD tray, whose library is loaded at the first click, and the
    // screen saver.
    const auto winmmLoaded = [&] {
        const auto modules = ModulesOf(s.Q.Pid());
        return std::any_of(modules.begin(), modules.end(), [](const std::string& m) {
            return m.size() > 10 && m.substr(m.size() - 10) == "\\winmm.dll";
        });
    };
    EXPECT_FALSE(winmmLoaded());
    ClickAt(ButtonCentre(panel, s.App, 1).x, ButtonCentre(panel, s.App, 1).y);
    EXPECT_TRUE(WaitFor(winmmLoaded));
    {
        WindowCommandWatch watch;
        ClickAt(ButtonCentre(panel, s.App, 7).x, ButtonCentre(panel, s.App, 7).y);
        EXPECT_TRUE(WaitFor([&] { return watch.Seen() == "screen saver\r\n"; })) << watch.Seen();
    }
    // "Add file" and its open dialog, then the favourite opened by the shell.
    for (int downs : {1, 3}) {
        ASSERT_TRUE(ClickUntil(ButtonCentre(panel, s.App, 6), [&] { return PopupMenuOf(s.Q.Pid()) != nullptr; }));
        for (int i = 0; i < downs; ++i)
            PressKey(VK_DOWN);
        PressKey(VK_RETURN);
        if (downs == 1) {
            EXPECT_TRUE(OpenDialogComesAndGoes(s)) << "Add file";
        }
    }
    HWND opened = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (opened = WindowTitled("notes")) != nullptr; }, 15000)) << "the favourite";
    if (opened)
        PostMessageA(opened, WM_CLOSE, 0, 0);
    // The skin chooser's open dialog, and About.
    Command(s.StartButton(), CmdChooseSkinFile);
    EXPECT_TRUE(OpenDialogComesAndGoes(s)) << "To choose...";
    Command(s.StartButton(), CmdAbout);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(s.Q.Window("TAbout")) != FALSE; })) << "About";
    Screenshot("Libraries.About");
    PostMessageA(s.Q.Window("TAbout"), WM_CLOSE, 0, 0);

    // Every library the program loaded came from the system; the common
    // controls are the side-by-side version 6 of the visual styles on XP, the
    // system folder's copy on the 95 family.
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string systemDir = Lower(system) + "\\";
    const std::string appDir = Lower(s.App.Dir);
    const bool xp = Env("QV_MODE") == "winxp";
    std::string comctl;  // every copy loaded, each followed by a space
    const auto modules = ModulesOf(s.Q.Pid());
    for (const std::string& path : modules) {
        if (path == Lower(s.App.Exe()))
            continue;
        EXPECT_NE(0u, path.find(appDir)) << path;
        if (path.size() > 13 && path.substr(path.size() - 13) == "\\comctl32.dll")
            comctl += path + " ";
    }
    for (const char* name : {"winmm", "comdlg32", "shell32"})
        EXPECT_NE(modules.end(), std::find(modules.begin(), modules.end(), systemDir + name + ".dll")) << name;
    if (xp)
        EXPECT_NE(std::string::npos, comctl.find("\\winsxs\\x86_microsoft.windows.common-controls_6595b64144ccf1df_6.0."))
            << comctl;
    else
        EXPECT_EQ(systemDir + "comctl32.dll ", comctl);

    // A message box, then Exit.
    HWND box = nullptr;
    ASSERT_TRUE(ClickUntil(ButtonCentre(panel, s.App, 2), [&] { return (box = s.Q.ErrorBox()) != nullptr; }));
    SetForegroundWindow(box);
    Sleep(200);
    PressKey(VK_RETURN);
    EXPECT_TRUE(s.Q.WaitExit());

    for (const char* name : Planted)
        EXPECT_FALSE(Exists(s.App.File(std::string(name) + ".dll.loaded"))) << name << " beside the program ran";
}
