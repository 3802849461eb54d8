// Faults Quorvel lives through: its taskbar going away and coming back, the
// shell showing its Start button again, the session ending, a crash, files
// it may not write and garbage files of any size. Whatever happens, the user
// keeps a Start button and loses nothing.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <psapi.h>

#include <cstdio>

#include "Harness.h"
#include "Session.h"
#include "ui/Commands.h"

namespace {
// Quorvel's button laid over the taskbar's client (0, 0), as the user sees it.
bool OverTaskbar(HWND startButton, HWND tray)
{
    POINT origin = {0, 0};
    ClientToScreen(tray, &origin);
    const RECT r = WindowRect(startButton);
    return startButton && IsWindowVisible(startButton) && r.left == origin.x && r.top == origin.y;
}

void SetReadOnly(const std::string& path, bool on)
{
    SetFileAttributesA(path.c_str(), on ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}
} // namespace

TEST(Faults, TaskbarRestartPutsTheButtonIntoTheNewTaskbarAndKeepsTheState)
{
    Session s("TaskbarRestart", "autorun=false\r\n");
    ASSERT_TRUE(s.Q.WaitStarted());
    Command(s.StartButton(), CmdAutoload);  // in memory until the next save
    ASSERT_TRUE(WaitFor([&] { return RunValue() == s.App.RunCommand(); }));
    HWND panel = s.ShowPanel();
    ASSERT_TRUE(IsWindowVisible(panel));

    ASSERT_TRUE(s.Tray.Restart());
    EXPECT_TRUE(WaitFor([&] { return OverTaskbar(s.StartButton(), s.Tray.Tray) && !IsWindowVisible(s.Tray.Start); }));
    EXPECT_TRUE(IsWindowVisible(panel));
    Screenshot("Faults.TaskbarRestart");

    // The button still answers, and a close gives the new taskbar its Start
    // button back after saving what memory held.
    EXPECT_TRUE(s.ToggleTo(false));
    PostMessageA(s.StartButton(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(s.Q.WaitExit());
    EXPECT_EQ("autorun=true", s.Saved("autorun="));
    EXPECT_TRUE(IsWindowVisible(s.Tray.Start));
    ClearRunValue();
}

TEST(Faults, StartButtonShownAgainByTheShellIsHiddenAgain)
{
    Session s("ShellShowsStart", "monitor=0\r\n");
    ASSERT_TRUE(s.Q.WaitStarted());
    ASSERT_FALSE(IsWindowVisible(s.Tray.Start));
    int shown = s.Tray.Logged("show 1 exists=1");
    auto showAndCheck = [&](int i) {
        s.Tray.ShowStart();
        ASSERT_TRUE(WaitFor([&] { return s.Tray.Logged("show 1 exists=1") > shown; }))
            << "the shell did not show it";
        shown = s.Tray.Logged("show 1 exists=1");
        EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(s.Tray.Start); }, 1000)) << "showing " << i;
    };
    for (int i = 1; i <= 3; ++i)
        showAndCheck(i);
    // After the taskbar restarts, its new Start button is watched as well.
    ASSERT_TRUE(s.Tray.Restart());
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(s.Tray.Start); }));
    shown = s.Tray.Logged("show 1 exists=1");
    showAndCheck(4);
    // At the exit it stays shown.
    PostMessageA(s.StartButton(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(s.Q.WaitExit());
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(s.Tray.Start));
}

TEST(Faults, LogoffSavesAndGivesTheStartButtonBack)
{
    // A list the program did not change is never written: its LF line ends stay.
    Session s("Logoff", "autorun=false\r\n", {{"Dirs.qvl", "Work\nC:\\Work\n"}});
    ASSERT_TRUE(s.Q.WaitStarted());
    Command(s.StartButton(), CmdAutoload);
    ASSERT_TRUE(WaitFor([&] { return RunValue() == s.App.RunCommand(); }));
    // As the system does: every top-level window is asked, then told.
    const std::vector<HWND> windows = TopLevelWindows(s.Q.Pid());
    for (HWND w : windows) {
        DWORD_PTR agreed = 0;
        SendMessageTimeoutA(w, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &agreed);
        EXPECT_TRUE(agreed) << ClassOf(w) << " refused the logoff";
    }
    for (HWND w : windows)
        SendMessageTimeoutA(w, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, nullptr);
    EXPECT_EQ("autorun=true", s.Saved("autorun="));
    EXPECT_EQ("Work\nC:\\Work\n", ReadBytes(s.App.File("Dirs.qvl")));
    EXPECT_TRUE(IsWindowVisible(s.Tray.Start));
    EXPECT_EQ(nullptr, s.Q.ErrorBox());
    ClearRunValue();
}

TEST(Faults, CrashGivesTheStartButtonBack)
{
    Session s("Crash", "monitor=0\r\n");
    ASSERT_TRUE(s.Q.WaitStarted());
    ASSERT_FALSE(IsWindowVisible(s.Tray.Start));
    // A thread of Quorvel's that jumps to address 16: an access violation that
    // nothing in the program catches.
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, s.Q.Pid());
    ASSERT_TRUE(process);
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, LPTHREAD_START_ROUTINE(uintptr_t(16)), nullptr, 0,
                                       nullptr);
    ASSERT_TRUE(thread);
    EXPECT_TRUE(s.Q.WaitExit(30000));
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(s.Tray.Start) != FALSE; }));
    printf("crashed Quorvel exited with %08lx\n", s.Q.ExitCode());
    CloseHandle(thread);
    CloseHandle(process);
}

// Killed so that nothing of it ran, Quorvel leaves the Start button hidden;
// "/restore", as shortcuts and scripts write it, gives it back and touches
// nothing while a Quorvel runs.
TEST(Faults, RestoreGivesTheStartButtonBackUnlessQuorvelRuns)
{
    Session s("Restore", "monitor=0\r\n");
    ASSERT_TRUE(s.Q.WaitStarted());
    ASSERT_FALSE(IsWindowVisible(s.Tray.Start));
    auto restore = [&](const char* switches) {
        PROCESS_INFORMATION pi = Launch(s.App.Exe(), switches, s.App.Dir);
        const bool ended = WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0;
        DWORD code = 1;
        GetExitCodeProcess(pi.hProcess, &code);
        EndProcess(pi);
        return ended && code == 0;
    };
    EXPECT_TRUE(restore("/restore"));
    Sleep(300);
    EXPECT_FALSE(IsWindowVisible(s.Tray.Start)) << "the running Quorvel keeps its place";
    EXPECT_TRUE(IsWindowVisible(s.StartButton()));

    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, s.Q.Pid());
    ASSERT_TRUE(process);
    TerminateProcess(process, 1);
    CloseHandle(process);
    ASSERT_TRUE(s.Q.WaitExit());
    EXPECT_FALSE(IsWindowVisible(s.Tray.Start)) << "a kill leaves it hidden";
    EXPECT_TRUE(restore("\"-RESTORE\" now"));
    EXPECT_TRUE(IsWindowVisible(s.Tray.Start));
    EXPECT_EQ("monitor=0\r\n", ReadBytes(s.App.File("Settings.ini"))) << "nothing else is touched";
}

TEST(Faults, ReadOnlyFilesAreLeftAsTheyWereAndExitAsksToLeaveWithoutSaving)
{
    const std::string dirs = "Work\nC:\\Work\n", apps = "Pad\nC:\\pad.exe\n";
    Session s("ReadOnly", "monitor=0\r\nautorun=false\r\n", {{"Dirs.qvl", dirs}, {"Apps.qvl", apps}});
    ASSERT_TRUE(s.Q.WaitStarted());
    const std::string settings = ReadBytes(s.App.File("Settings.ini"));
    for (const char* f : {"Settings.ini", "Dirs.qvl", "Apps.qvl"})
        SetReadOnly(s.App.File(f), true);

    // "Start of prompt" saves at once: refused, reported with the file's
    // name, nothing touched.
    Command(s.StartButton(), CmdMonitorScreenSaver);
    const std::string refused = "I/O error 5\n" + s.App.File("Settings.ini");
    EXPECT_EQ(refused, s.DismissError());
    EXPECT_EQ(settings, ReadBytes(s.App.File("Settings.ini")));
    EXPECT_EQ(dirs, ReadBytes(s.App.File("Dirs.qvl")));
    EXPECT_EQ(apps, ReadBytes(s.App.File("Apps.qvl")));
    EXPECT_FALSE(Exists(s.App.File("Settings.ini.new")));
    EXPECT_FALSE(IsWindowVisible(s.Tray.Start));

    // A close that cannot save asks: Enter keeps Quorvel in the taskbar, the
    // Start button hidden, so that the user can free the file ...
    PostMessageA(s.StartButton(), WM_CLOSE, 0, 0);
    EXPECT_EQ(refused + "\n\nClose Quorvel without saving?", s.DismissError());
    EXPECT_FALSE(s.Q.WaitExit(1000));
    EXPECT_TRUE(IsWindowVisible(s.StartButton()));
    EXPECT_FALSE(IsWindowVisible(s.Tray.Start));

    // ... and Yes leaves without saving, the Start button given back: a file
    // that can never be written must not keep Quorvel for good.
    PostMessageA(s.StartButton(), WM_CLOSE, 0, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = s.Q.ErrorBox()) != nullptr; }));
    PostMessageA(box, WM_COMMAND, IDYES, 0);
    ASSERT_TRUE(s.Q.WaitExit());
    EXPECT_EQ(settings, ReadBytes(s.App.File("Settings.ini")));
    EXPECT_EQ(dirs, ReadBytes(s.App.File("Dirs.qvl")));
    EXPECT_EQ(apps, ReadBytes(s.App.File("Apps.qvl")));
    EXPECT_TRUE(IsWindowVisible(s.Tray.Start));
    SetReadOnly(s.App.File("Settings.ini"), false);
    SetReadOnly(s.App.File("Dirs.qvl"), false);
    SetReadOnly(s.App.File("Apps.qvl"), false);
}

namespace {
// Fifty megabytes of printable garbage in lines of a megabyte.
std::string Garbage()
{
    std::string line(1 << 20, ' ');
    uint32_t x = 12345;
    for (char& c : line) {
        x = x * 1103515245u + 12345u;
        c = char('!' + (x >> 16) % 94);
    }
    line.replace(line.size() - 2, 2, "\r\n");
    std::string all;
    all.reserve(50u << 20);
    for (int i = 0; i < 50; ++i)
        all += line;
    return all;
}

struct StartFigures {
    DWORD Ms;
    SIZE_T PeakWorkingSet;
    std::vector<std::string> Boxes;  // their texts
    bool ButtonInCorner;  // not above the taskbar, and leaving most of it free
};

// Starts Quorvel in a prepared folder and measures it up to its button shown
// and its panel made, taking every error box on the way with OK.
StartFigures StartAndMeasure(const Install& app)
{
    TestTaskbar tray(app.File("tray.log"), app.File("Settings.ini"));
    const DWORD t0 = GetTickCount();
    Quorvel q(app);
    StartFigures f = {0, 0, {}, false};
    auto takeBox = [&] {
        if (HWND box = q.ErrorBox()) {
            f.Boxes.push_back(BoxMessage(box));
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            WaitFor([&] { return !IsWindow(box); });
        }
    };
    EXPECT_TRUE(WaitFor(
        [&] {
            takeBox();
            const HWND startButton = q.Window("TForm1");
            return startButton && IsWindowVisible(startButton);
        },
        30000));
    f.Ms = GetTickCount() - t0;
    // The panel is made after the button is shown, from pictures of its own.
    EXPECT_TRUE(WaitFor([&] { return takeBox(), q.Window("TForm2") && !q.ErrorBox(); }));
    Sleep(300);
    takeBox();
    const RECT b = WindowRect(q.Window("TForm1")), t = WindowRect(tray.Tray);
    f.ButtonInCorner = b.top >= t.top && (b.right - b.left) * 4 <= t.right - t.left;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, q.Pid());
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    if (process && GetProcessMemoryInfo(process, &pmc, sizeof pmc))
        f.PeakWorkingSet = pmc.PeakWorkingSetSize;
    if (process)
        CloseHandle(process);
    Sleep(500);
    EXPECT_EQ(nullptr, q.ErrorBox()) << "a box after the start";
    PostMessageA(q.Window("TForm1"), WM_CLOSE, 0, 0);
    q.WaitExit();
    return f;
}

// The default skin's start, once per run of the driver.
const StartFigures& Baseline()
{
    static const StartFigures normal = [] {
        Install plain("GarbageBaseline");
        WriteBytes(plain.File("Settings.ini"), "monitor=0\r\n");
        return StartAndMeasure(plain);
    }();
    return normal;
}
} // namespace

TEST(Faults, FiftyMegabytesOfGarbageCostLittleTimeAndMemory)
{
    const StartFigures& normal = Baseline();
    ASSERT_GT(normal.PeakWorkingSet, 0u) << "no memory figures from this system";
    EXPECT_TRUE(normal.Boxes.empty());
    EXPECT_TRUE(normal.ButtonInCorner);

    // Garbage settings and lists are read through and give no box.
    Install lists("GarbageLists");
    const std::string garbage = Garbage();
    for (const char* f : {"Settings.ini", "Dirs.qvl", "Apps.qvl"})
        WriteBytes(lists.File(f), garbage);
    const StartFigures g = StartAndMeasure(lists);
    EXPECT_TRUE(g.Boxes.empty());
    printf("start-up: %lu ms normal, %lu ms with garbage files; peak working set %lu KB and %lu KB\n", normal.Ms,
           g.Ms, (unsigned long)(normal.PeakWorkingSet >> 10), (unsigned long)(g.PeakWorkingSet >> 10));
    EXPECT_LE(g.Ms, normal.Ms + 1000);
    EXPECT_LE(g.PeakWorkingSet, normal.PeakWorkingSet + (8u << 20));

    // A garbage skin: its description gives its box (the picture is never
    // read in), and the program goes on with what it has.
    Install skin("GarbageSkin");
    const std::string folder = skin.Dir + "Skins\\xpdefault\\";
    WriteBytes(folder + "xpdef.qvs", garbage);
    WriteBytes(folder + "normal.bmp", garbage);
    WriteBytes(skin.File("Settings.ini"), "monitor=0\r\n");
    const StartFigures k = StartAndMeasure(skin);
    printf("garbage skin: %d boxes, peak working set %lu KB\n", int(k.Boxes.size()),
           (unsigned long)(k.PeakWorkingSet >> 10));
    EXPECT_FALSE(k.Boxes.empty());
    EXPECT_LE(k.PeakWorkingSet, normal.PeakWorkingSet + (8u << 20));
}

namespace {
// A run-length bitmap of a kilobyte that claims w x h pixels: its runs end
// early, and the rest would be black.
std::string Claiming(uint32_t w, uint32_t h)
{
    std::string f = "BM";
    auto put = [&f](uint32_t v) { f.append(reinterpret_cast<const char*>(&v), 4); };
    put(1024), put(0), put(62), put(40), put(w), put(h), put(0x00080001), put(1);
    put(1024 - 62), put(2835), put(2835), put(2), put(0), put(0), put(0xFFFFFF);
    while (f.size() < 1022)
        f += std::string(2, '\0');  // end of line
    return f + std::string("\0\1", 2);  // end of bitmap
}
} // namespace

// Eleven pictures of a kilobyte each: twice as wide as any screen, or each
// within bounds but together six times what a skin may hold. Chosen as
// the skin, they are refused with the program's box before they take memory,
// and the program goes on with its own picture in the taskbar.
TEST(Faults, SkinOfHugePicturesIsRefusedBeforeItTakesMemory)
{
    const StartFigures& normal = Baseline();
    for (const SIZE claim : {SIZE{16384, 1024}, SIZE{4096, 4096}}) {
        const std::string size = std::to_string(claim.cx) + "x" + std::to_string(claim.cy);
        SCOPED_TRACE(size);
        Install app("HugeSkin" + size);
        const std::string folder = app.Dir + "huge\\";
        CreateDirectoryA(folder.c_str(), nullptr);
        WriteBytes(folder + "huge.qvs", ReadBytes(app.Dir + "Skins\\xpdefault\\xpdef.qvs"));
        for (const char* name : {"normal.bmp", "back.bmp", "center.bmp", "cdrom.bmp", "exitbut.bmp", "closeall.bmp",
                                 "minall.bmp", "dir.bmp", "app.bmp", "monik.bmp", "timer.bmp"})
            WriteBytes(folder + name, Claiming(claim.cx, claim.cy));
        WriteBytes(app.File("Settings.ini"), "monitor=0\r\nskindir=" + folder + "\r\nskin=huge.qvs\r\n");
        const StartFigures f = StartAndMeasure(app);
        printf("skin of %s pictures: %d boxes, peak working set %lu KB (%lu KB with the default skin)\n",
               size.c_str(), int(f.Boxes.size()), (unsigned long)(f.PeakWorkingSet >> 10),
               (unsigned long)(normal.PeakWorkingSet >> 10));
        EXPECT_FALSE(f.Boxes.empty());
        for (const std::string& text : f.Boxes)
            EXPECT_EQ(0u, text.find("Bitmap image is not valid\n" + folder)) << text;
        EXPECT_LE(f.PeakWorkingSet, normal.PeakWorkingSet + (8u << 20));
        EXPECT_TRUE(f.ButtonInCorner) << "the start button covers the taskbar";
    }
}
