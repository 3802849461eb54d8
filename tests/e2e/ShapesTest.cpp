// Quorvel on taskbars shaped like those of Windows 7, 8.0, 10 and 11, each
// with its children in two orders, run with Wine reporting Windows 7 and 10:
// only a Start button is ever hidden, every other part stays in sight, the
// button sits at the taskbar's left end, zone 1 asks the taskbar for its
// Start menu, and the Start window comes back at exit and after a crash, also
// when a restarted taskbar makes it only later. The secondary taskbar of the
// 10 shape has its Start taken and given back too.
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>
#include <vector>

#include "Harness.h"
#include "Session.h"
#include "ScreenPictures.h"

namespace {
struct Shape {
    const char* Name;                  // as the test taskbar takes it
    bool HidesStart;                   // false: nothing of the taskbar is hidden
    std::vector<const char*> Others;   // the other parts, always in sight
    bool SecondStart = false;          // a secondary taskbar's Start, taken too
};

const Shape TaskbarShapes[] = {
    {"win7", true, {"band", "notify"}},
    {"win8", false, {"band", "notify", "taskview"}},
    {"win10", true, {"search", "taskview", "band", "notify", "second", "second band"}, true},
    {"win11", false, {"band", "notify", "bridge"}},
};

using Case = std::tuple<int, bool>;  // shape, reversed children

class Taskbar : public testing::TestWithParam<Case> {
protected:
    const Shape& S = TaskbarShapes[std::get<0>(GetParam())];
    std::string ShapeArg() const { return std::string(S.Name) + (std::get<1>(GetParam()) ? " reverse" : ""); }
    std::string Name() const
    {
        return std::string(S.Name) + (std::get<1>(GetParam()) ? "-reverse" : "") + "-" + Env("QV_MODE");
    }

    // The Start window as Quorvel should leave it while it runs; the others shown.
    void ExpectTaken(const TestTaskbar& tray, const char* when) const
    {
        if (HWND start = tray.Part("start")) {
            EXPECT_EQ(!S.HidesStart, IsWindowVisible(start) != FALSE) << "the Start window, " << when;
        }
        for (const char* part : S.Others)
            EXPECT_TRUE(IsWindowVisible(tray.Part(part))) << part << " hidden, " << when;
        if (S.SecondStart) {
            EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(tray.Part("second start")); }, 3000)) << when;
        }
    }

    void ExpectGivenBack(const TestTaskbar& tray, const char* when) const
    {
        if (tray.Start) {
            EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(tray.Start) != FALSE; })) << "not given back " << when;
        }
        if (S.SecondStart) {
            EXPECT_TRUE(IsWindowVisible(tray.Part("second start"))) << "the second not given back " << when;
        }
    }

    // Nothing but the Start window was hidden in log lines [from, to).
    void ExpectOnlyStartHidden(const std::vector<std::string>& log, size_t from, size_t to) const
    {
        for (size_t i = from; i < to && i < log.size(); ++i) {
            const std::string& line = log[i];
            const size_t at = line.rfind(" show 0");
            if (at != std::string::npos && at + 7 == line.size() && line.compare(0, at, "start") != 0 &&
                line.compare(0, at, "second start") != 0)
                ADD_FAILURE() << "hidden: " << line;
        }
    }
};

// At the taskbar's left end, centred across its thickness.
void ExpectAtLeftEnd(HWND startButton, HWND tray)
{
    RECT client = {};
    GetClientRect(tray, &client);
    POINT origin = {0, 0};
    ClientToScreen(tray, &origin);
    const RECT r = WindowRect(startButton);
    EXPECT_EQ(origin.x, r.left);
    EXPECT_EQ(origin.y + (client.bottom - (r.bottom - r.top)) / 2, r.top);
    EXPECT_EQ(tray, GetWindow(startButton, GW_OWNER));
}

bool OverTaskbar(HWND startButton, HWND tray)
{
    const RECT r = WindowRect(startButton);
    const RECT t = WindowRect(tray);
    return startButton && IsWindowVisible(startButton) && r.left == t.left && r.top > t.top && r.bottom <= t.bottom;
}
} // namespace

TEST_P(Taskbar, OnlyItsStartButtonIsTakenAndItComesBack)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    ASSERT_GE(version.dwMajorVersion, 6u) << "Wine should report Windows 7 or later";

    Install app("Shape-" + Name());
    // No first-run dialog: Wine may hand the activation it leaves to the
    // taskbar, which then covers the button it owns.
    WriteBytes(app.File("Settings.ini"), "monitor=0\r\n");
    TestTaskbar tray(app.File("tray.log"), app.File("Settings.ini"), ShapeArg());
    ASSERT_TRUE(tray.Tray);
    ASSERT_EQ(S.Name != std::string("win8"), tray.Start != nullptr);
    for (const char* part : S.Others)
        ASSERT_TRUE(IsWindowVisible(tray.Part(part))) << part;
    if (tray.Start) {
        ASSERT_TRUE(IsWindowVisible(tray.Start));
    }
    size_t logged = tray.LogLines().size();

    {
        Quorvel q(app);
        ASSERT_TRUE(q.WaitStarted());
        const HWND startButton = q.Window("TForm1");
        Sleep(500);
        ExpectTaken(tray, "at start");
        ExpectAtLeftEnd(startButton, tray.Tray);
        EXPECT_EQ(0, ScreenMismatches(startButton, PictureFile(app.Dir + "Skins\\xpdefault\\normal.bmp"), nullptr));
        Screenshot("Shape-" + Name());

        // Zone 1: the taskbar is asked for its menu; no part is clicked.
        ClickAt(600, 200);
        EXPECT_TRUE(ClickUntil(ZoneCentre(startButton, app, 1), [&] { return tray.Logged("menu tasklist"); }));
        for (const std::string& line : tray.LogLines())
            EXPECT_EQ(std::string::npos, line.find(" click")) << line;
        std::vector<std::string> log = tray.LogLines();
        ExpectOnlyStartHidden(log, logged, log.size());

        // Explorer restarted: its new Start window comes 500 ms after the
        // announcement, and is taken then.
        ASSERT_TRUE(tray.Restart());
        logged = tray.LogLines().size();
        EXPECT_TRUE(WaitFor([&] { return OverTaskbar(q.Window("TForm1"), tray.Tray); }));
        if (S.Name != std::string("win8")) {
            ASSERT_TRUE(WaitFor([&] { return tray.Part("start") != nullptr; }));
            EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(tray.Part("start")) != S.HidesStart; }, 3000));
        }
        Sleep(1000);
        ExpectTaken(tray, "after the taskbar's restart");
        ExpectAtLeftEnd(q.Window("TForm1"), tray.Tray);
        Screenshot("Shape-" + Name() + "-restarted");

        PostMessageA(q.Window("TForm1"), WM_CLOSE, 0, 0);
        ASSERT_TRUE(q.WaitExit());
    }
    tray.Start = tray.Part("start");
    ExpectGivenBack(tray, "at exit");

    // A crash gives it back too.
    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    Sleep(300);
    ExpectTaken(tray, "at the second start");
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, q.Pid());
    ASSERT_TRUE(process);
    HANDLE thread =
        CreateRemoteThread(process, nullptr, 0, LPTHREAD_START_ROUTINE(uintptr_t(16)), nullptr, 0, nullptr);
    ASSERT_TRUE(thread);
    EXPECT_TRUE(q.WaitExit(30000));
    CloseHandle(thread);
    CloseHandle(process);
    ExpectGivenBack(tray, "at the crash");
    const std::vector<std::string> log = tray.LogLines();
    size_t restarted = 0;
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i] == "restarted")
            restarted = i;
    ExpectOnlyStartHidden(log, restarted, log.size());
    for (const char* part : S.Others)
        EXPECT_TRUE(IsWindowVisible(tray.Part(part))) << part;
}

INSTANTIATE_TEST_SUITE_P(Shapes, Taskbar, testing::Combine(testing::Range(0, 4), testing::Bool()),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(TaskbarShapes[std::get<0>(info.param)].Name) +
                                    (std::get<1>(info.param) ? "_reverse" : "_forward");
                         });

// Display scaling (run at 144 dots per inch): the program declares no
// awareness of it, so Windows hands it one coordinate space for the taskbar,
// the mouse and its own windows, and the button must sit on the taskbar,
// whole, with each zone answering where it is drawn.
class ScaledTaskbar : public Taskbar {};

TEST_P(ScaledTaskbar, ButtonSitsWholeOnTheTaskbarAndItsZonesAnswerWhereDrawn)
{
    {
        const HDC screen = GetDC(nullptr);
        ASSERT_EQ(std::atoi(Env("QV_DPI").c_str()), GetDeviceCaps(screen, LOGPIXELSY)) << "not a scaled display";
        ReleaseDC(nullptr, screen);
    }
    Install app("Scaled-" + Name() + "-" + Env("QV_DPI"));
    WriteBytes(app.File("Settings.ini"), "monitor=0\r\n");
    TestTaskbar tray(app.File("tray.log"), app.File("Settings.ini"), ShapeArg());
    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    const HWND startButton = q.Window("TForm1");
    Sleep(500);
    ExpectAtLeftEnd(startButton, tray.Tray);
    const RECT r = WindowRect(startButton), t = WindowRect(tray.Tray);
    EXPECT_TRUE(r.top >= t.top && r.bottom <= t.bottom && r.right <= t.right) << "not whole on the taskbar";
    EXPECT_EQ(0, ScreenMismatches(startButton, PictureFile(app.Dir + "Skins\\xpdefault\\normal.bmp"), nullptr));
    Screenshot("Scaled-" + Name());

    EXPECT_TRUE(ClickZoneUntil(startButton, app, 1, [&] { return tray.Logged("menu tasklist"); }));
    EXPECT_TRUE(ClickZoneUntil(startButton, app, 2, [&] { return PopupMenuOf(q.Pid()) != nullptr; }));
    ClickAt(600, 200);
    EXPECT_TRUE(WaitFor([&] { return PopupMenuOf(q.Pid()) == nullptr; }));
    HWND panel = nullptr;
    ASSERT_TRUE(ClickZoneUntil(startButton, app, 3, [&] { return IsWindowVisible(panel = q.Window("TForm2")); }));
    Sleep(300);
    const RECT p = WindowRect(panel);
    EXPECT_TRUE(p.left >= 0 && p.top >= 0 && p.right <= GetSystemMetrics(SM_CXSCREEN) &&
                p.bottom <= GetSystemMetrics(SM_CYSCREEN))
        << "the panel is not whole on the screen";
    Screenshot("Scaled-" + Name() + "-panel");
    PostMessageA(startButton, WM_CLOSE, 0, 0);
    EXPECT_TRUE(q.WaitExit());
}

INSTANTIATE_TEST_SUITE_P(Scaled, ScaledTaskbar, testing::Combine(testing::Values(0, 2, 3), testing::Values(false)),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(TaskbarShapes[std::get<0>(info.param)].Name);
                         });
