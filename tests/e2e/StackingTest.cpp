// Quorvel's button and panel stay on screen above the taskbar and other
// programs' windows whatever becomes active. Wine's virtual desktop can draw
// windows in another order than the window order Win32 reports, so all of
// it is checked by the screen's pixels and by clicks that must reach us.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>

#include "Session.h"
#include "ScreenPictures.h"

namespace {
// "<suite>.<what>-<mode>", for folders and screenshots.
std::string Name(const std::string& what)
{
    const char* suite = testing::UnitTest::GetInstance()->current_test_info()->test_suite_name();
    return std::string(suite) + "." + what + "-" + Env("QV_MODE");
}

// The panel's screen area as it is now.
Picture PanelOnScreen(HWND panel)
{
    const RECT r = WindowRect(panel);
    return ScreenArea(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

int Differences(const Picture& a, const Picture& b)
{
    if (a.Width != b.Width || a.Height != b.Height)
        return -1;
    int bad = 0;
    for (size_t i = 0; i < a.Pixels.size(); ++i)
        bad += a.Pixels[i] != b.Pixels[i];
    return bad;
}

// The button's picture is what the screen shows a moment later, and zones 2
// and 3 answer.
void ExpectButtonSeenAndAnswering(const Install& app, const Quorvel& q, const std::string& when)
{
    SCOPED_TRACE(when);
    HWND button = q.Window("TForm1");
    const Picture pic = PictureFile(ReadAsProgram(app).Config.SkinFolder + "normal.bmp");
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(button) && ButtonSeen(button, pic); }, 3000));
    EXPECT_EQ(0, ScreenMismatches(button, pic, nullptr));
    Screenshot(Name(when));

    EXPECT_TRUE(ClickZoneUntil(button, app, 2, [&] { return PopupMenuOf(q.Pid()) != nullptr; }))
        << "zone 2 opens no menu";
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return PopupMenuOf(q.Pid()) == nullptr; }));

    HWND panel = q.Window("TForm2");
    for (bool shown : {true, false})
        EXPECT_TRUE(ClickZoneUntil(button, app, 3, [&] { return (IsWindowVisible(panel) != FALSE) == shown; }))
            << "zone 3 does not " << (shown ? "show" : "hide") << " the panel";
}

// Zone 1 three times, the Start menu closed between; `startMenuOpened` tells
// that the click reached the taskbar's Start button.
void ZoneOneThrice(const Install& app, const Quorvel& q, const std::function<bool()>& startMenuOpened)
{
    for (int round = 1; round <= 3; ++round) {
        ClickZone(q.Window("TForm1"), app, 1);
        EXPECT_TRUE(WaitFor(startMenuOpened, 3000)) << "round " << round;
        Sleep(500);
        PressKey(VK_ESCAPE);
        Sleep(300);
        ExpectButtonSeenAndAnswering(app, q, "Zone1." + std::to_string(round));
    }
}

const char* const NoteName = "stacking-note";

Files NoteFavourite(const std::string& installName)
{
    const std::string note = std::string(NoteName) + ".txt";
    return {{"Apps.qvl", "Note\r\n" + InstallDir(installName) + note + "\r\n"}, {note, "a note\r\n"}};
}

// The favourite program (a text file) opens maximised over the shown panel
// and the taskbar: both of ours stay seen.
void FavouriteOpensMaximisedUnderThePanel(const Install& app, const Quorvel& q)
{
    HWND button = q.Window("TForm1");
    HWND panel = q.Window("TForm2");
    ASSERT_TRUE(ClickZoneUntil(button, app, 3, [&] { return IsWindowVisible(panel) != FALSE; }));
    MoveMouse(600, 200);
    Sleep(500);
    const Picture before = PanelOnScreen(panel);

    ASSERT_TRUE(ClickUntil(ButtonCentre(panel, app, 6), [&] { return PopupMenuOf(q.Pid()) != nullptr; }));
    for (int i = 0; i < 3; ++i)
        PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    HWND editor = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (editor = WindowTitled(NoteName)) != nullptr; }, 15000));
    EXPECT_TRUE(IsZoomed(editor)) << "opened maximised";
    MoveMouse(600, 200);
    EXPECT_TRUE(WaitFor([&] { return Differences(before, PanelOnScreen(panel)) == 0; }, 3000))
        << "the panel is not seen above the new window";
    const Picture pic = PictureFile(ReadAsProgram(app).Config.SkinFolder + "normal.bmp");
    EXPECT_TRUE(ButtonSeen(button, pic)) << "the button is not seen above the new window";
    Screenshot(Name("Maximised"));
    PostMessageA(editor, WM_CLOSE, 0, 0);
    WaitFor([&] { return !IsWindow(editor); });
}

// Another program that makes windows without pause, hidden and at once
// destroyed, as some do while they work; after half a second it shows a
// window maximised and active over everything. A thread of the driver, whose
// windows answer their messages; to Quorvel another process.
struct WindowStorm {
    HANDLE Covered = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    volatile bool Stop = false;
    volatile LONG Made = 0;
    HANDLE Thread = CreateThread(nullptr, 0, Blow, this, 0, nullptr);
    ~WindowStorm()
    {
        Stop = true;
        WaitForSingleObject(Thread, 10000);
        CloseHandle(Thread);
        CloseHandle(Covered);
    }
    static DWORD WINAPI Blow(void* self)
    {
        WindowStorm& s = *static_cast<WindowStorm*>(self);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hbrBackground = CreateSolidBrush(RGB(0, 128, 96));
        wc.lpszClassName = "StackingStorm";
        RegisterClassA(&wc);
        HWND cover = nullptr;
        for (const DWORD began = GetTickCount(); !s.Stop; Sleep(10), ++s.Made) {
            if (!cover && GetTickCount() - began >= 500) {
                cover = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 99, 99, 0, 0, 0, 0);
                ShowWindow(cover, SW_SHOWMAXIMIZED);
                SetForegroundWindow(cover);
                SetEvent(s.Covered);
            }
            DestroyWindow(CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 9, 9, 0, 0, 0, 0));
            for (MSG m; PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);)
                DispatchMessageA(&m);
        }
        DestroyWindow(cover);
        UnregisterClassA(wc.lpszClassName, nullptr);
        DeleteObject(wc.hbrBackground);
        return 0;
    }
};

// User and kernel time of the process started from `exe`, in milliseconds,
// or -1. Wine 8 answers GetProcessTimes for another process with the
// caller's own times; Linux keeps the real ones in /proc (drive Z:), where a
// Wine process's command line begins with its Windows path.
double CpuMs(const std::string& exe)
{
    WIN32_FIND_DATAA f;
    HANDLE find = FindFirstFileA("Z:\\proc\\*", &f);
    std::string stat;
    for (bool more = find != INVALID_HANDLE_VALUE; more && stat.empty(); more = FindNextFileA(find, &f)) {
        const std::string dir = std::string("Z:\\proc\\") + f.cFileName + "\\";
        if (isdigit(static_cast<unsigned char>(f.cFileName[0])) &&
            lstrcmpiA(ReadBytes(dir + "cmdline").c_str(), exe.c_str()) == 0)
            stat = ReadBytes(dir + "stat");
    }
    FindClose(find);
    // After the name in brackets: the state, eleven fields, then the user and
    // system times in hundredths of a second.
    unsigned long user = 0, system = 0;
    const size_t name = stat.rfind(')');
    if (name == std::string::npos ||
        sscanf(stat.c_str() + name + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &user, &system) != 2)
        return -1;
    return (user + system) * 10.0;
}
} // namespace

// Under Wine every window made is news to Quorvel, and a new maximised window
// covers the panel on screen until Quorvel restacks: that must come within a
// bounded time of the first news however much more follows, and cost little
// while it follows. Reading a whole window's pixels costs its program much
// time under Wine, so the panel is watched at a few points until the CPU time
// is taken.
TEST(Stacking, PanelBackOnTopWhileAnotherProgramMakesWindowsWithoutPause)
{
    Session s(Name("Storm"));
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();
    MoveMouse(600, 200);
    Sleep(500);
    const Picture before = PanelOnScreen(panel);
    const RECT r = WindowRect(panel);
    auto panelSeen = [&] {
        for (int x = before.Width / 10; x < before.Width; x += before.Width / 5)
            if (ScreenArea(r.left + x, r.top + before.Height / 2, 1, 1).Pixels[0] != before.At(x, before.Height / 2))
                return false;
        return true;
    };
    auto coverSeen = [] { return ScreenArea(600, 200, 1, 1).Pixels[0] == 0x008060; };
    ASSERT_GE(CpuMs(s.App.Exe()), 0.0) << "no CPU time for " << s.App.Exe();

    WindowStorm storm;
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(storm.Covered, 10000));
    const DWORD covered = GetTickCount();
    EXPECT_TRUE(WaitFor([&] { return coverSeen() && panelSeen(); }, 1000)) << "the panel stays covered";
    const DWORD back = GetTickCount() - covered;
    const double cpu = CpuMs(s.App.Exe());
    const LONG made = storm.Made;
    Sleep(4000);
    const double busy = CpuMs(s.App.Exe()) - cpu;
    printf("panel on top %lu ms after the maximised window; then %ld windows made in 4 s, Quorvel's CPU time %.0f ms\n",
           back, storm.Made - made, busy);
    EXPECT_GT(storm.Made - made, 40) << "the storm was not one";
    EXPECT_LT(busy, 160.0) << "restacking costs more than 4 % of a core";
    EXPECT_TRUE(coverSeen()) << "the maximised window is not on screen";
    EXPECT_EQ(0, Differences(before, PanelOnScreen(panel))) << "the panel is covered again";
    Screenshot(Name("Storm"));
}

// One start-up for the test taskbar's cases: its Start button pressed
// through zone 1, a favourite opened maximised, then the taskbar restarted
// while the main menu is open.
TEST(Stacking, ButtonStaysSeenAfterTheStartMenuUnderAMaximisedFavouriteAndAcrossATaskbarRestart)
{
    Session s(Name("Tray"), "", NoteFavourite(Name("Tray")));
    ASSERT_TRUE(s.Q.WaitStarted());
    // The test taskbar has no menu: its Start button logs the press.
    size_t presses = 0;
    ZoneOneThrice(s.App, s.Q, [&] {
        const auto log = s.Tray.LogLines();
        const size_t n = size_t(std::count(log.begin(), log.end(), "0201 00000001 00000005"));
        return n > presses && (presses = n) > 0;
    });
    FavouriteOpensMaximisedUnderThePanel(s.App, s.Q);

    // The panel hidden again, as after a start.
    ASSERT_TRUE(s.ToggleTo(false));
    s.ClickZone(2);
    ASSERT_TRUE(WaitFor([&] { return PopupMenuOf(s.Q.Pid()) != nullptr; }));
    ASSERT_TRUE(s.Tray.Restart());
    Sleep(500);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return PopupMenuOf(s.Q.Pid()) == nullptr; }));
    EXPECT_TRUE(WaitFor([&] { return GetWindow(s.StartButton(), GW_OWNER) == s.Tray.Tray; }));
    ExpectButtonSeenAndAnswering(s.App, s.Q, "Restarted");
}

TEST(ShellStacking, ButtonStaysSeenAfterWinesStartMenuAndUnderAMaximisedFavourite)
{
    Install app(Name("Shell"));
    for (const auto& f : NoteFavourite(Name("Shell")))
        WriteBytes(app.File(f.first), f.second);
    HWND tray = WineTaskbar();
    ASSERT_TRUE(tray);
    DWORD shell = 0;
    GetWindowThreadProcessId(tray, &shell);
    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    ZoneOneThrice(app, q, [&] { return PopupMenuOf(shell) != nullptr; });
    FavouriteOpensMaximisedUnderThePanel(app, q);
    PostMessageA(q.Window("TForm1"), WM_CLOSE, 0, 0);
    EXPECT_TRUE(q.WaitExit());
}
