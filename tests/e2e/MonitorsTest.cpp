// Two monitors, a taskbar shaped like Windows 10's on each (the second one
// "Shell_SecondaryTrayWnd" with a Start child of its own), run with Wine
// reporting Windows 10 outside a virtual desktop: a button on each taskbar,
// each acting on its own monitor, the second one coming and going with its
// taskbar, and every Start child given back at exit.
#include <gtest/gtest.h>
#include <oleacc.h>

#include "Harness.h"
#include "ScreenPictures.h"
#include "Session.h"

namespace {
HWND ButtonOver(const Quorvel& q, HWND tray)
{
    for (HWND w : TopLevelWindows(q.Pid()))
        if (ClassOf(w) == "TMonitorButton" && GetWindow(w, GW_OWNER) == tray && IsWindowVisible(w))
            return w;
    return nullptr;
}

// At the taskbar's left end, centred across it, drawn.
bool Placed(HWND button, HWND tray, const Picture& face)
{
    const RECT b = WindowRect(button), t = WindowRect(tray);
    return button && b.left == t.left && b.top == t.top + (t.bottom - t.top - (b.bottom - b.top)) / 2 &&
           ButtonSeen(button, face);
}
} // namespace

TEST(Monitors, EachMonitorsTaskbarHasAButtonThatActsOnThatMonitor)
{
    ASSERT_EQ(2, GetSystemMetrics(SM_CMONITORS)) << "run on two monitors";
    Install app("Monitors-" + Env("QV_MODE"));
    WriteBytes(app.File("Settings.ini"), "monitor=0\r\n");
    TestTaskbar tray(app.File("tray.log"), app.File("Settings.ini"), "win10");
    const RECT second = WindowRect(tray.Part("second"));
    ASSERT_EQ(1024, second.left) << "the secondary taskbar is not on the second monitor";
    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    const Picture face = PictureFile(app.Dir + "Skins\\xpdefault\\normal.bmp");
    HWND button = nullptr;
    ASSERT_TRUE(WaitFor([&] { return Placed(button = ButtonOver(q, tray.Part("second")), tray.Part("second"), face); }));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(tray.Part("second start")); }, 3000));
    int primaries = 0;
    for (HWND w : TopLevelWindows(q.Pid()))
        primaries += ClassOf(w) == "TForm1";
    EXPECT_EQ(1, primaries);
    Screenshot("Monitors-start");

    // To a screen reader its zones are the first button's.
    EXPECT_EQ("Quorvel menu", ToldOf(ZoneCentre(button, app, 2)).Name);
    // Zone 1 clicks that taskbar's own Start child, zone 2 opens the main
    // menu at that monitor's bottom left, zone 3 the panel just above that
    // monitor's taskbar.
    EXPECT_TRUE(ClickZoneUntil(button, app, 1, [&] { return tray.Logged("second start click"); }));
    EXPECT_EQ(0, tray.Logged("menu tasklist"));
    HWND menu = nullptr;
    ASSERT_TRUE(ClickZoneUntil(button, app, 2, [&] { return (menu = PopupMenuOf(q.Pid())) != nullptr; }));
    // On the point or, as Wine puts it outside a virtual desktop, below it
    // on that monitor.
    EXPECT_EQ(second.left, WindowRect(menu).left);
    EXPECT_GE(WindowRect(menu).bottom, 600 - WindowSize(button).cy);
    EXPECT_LE(WindowRect(menu).bottom, 600);
    Screenshot("Monitors-menu");
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return PopupMenuOf(q.Pid()) == nullptr; }));
    HWND panel = nullptr;
    ASSERT_TRUE(ClickZoneUntil(button, app, 3, [&] { return IsWindowVisible(panel = q.Window("TForm2")); }));
    EXPECT_EQ(second.left, WindowRect(panel).left);
    EXPECT_EQ(second.top, WindowRect(panel).bottom);
    Screenshot("Monitors-panel");
    // Zone 3 of the first monitor's button hides it, then shows it above
    // that monitor's taskbar.
    const HWND primary = q.Window("TForm1");
    ASSERT_TRUE(ClickZoneUntil(primary, app, 3, [&] { return !IsWindowVisible(panel); }));
    ASSERT_TRUE(ClickZoneUntil(primary, app, 3, [&] { return IsWindowVisible(panel) != FALSE; }));
    EXPECT_EQ(0, WindowRect(panel).left);
    EXPECT_EQ(WindowRect(tray.Tray).top, WindowRect(panel).bottom);

    // The second monitor's taskbar goes (its monitor unplugged) and comes back.
    const UINT secondTaskbar = RegisterWindowMessageA("QuorvelTest.Second");
    PostMessageA(tray.Tray, secondTaskbar, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(button) && !tray.Part("second"); }));
    PostMessageA(tray.Tray, secondTaskbar, 1, 0);
    ASSERT_TRUE(WaitFor([&] { return tray.Part("second") != nullptr; }));
    EXPECT_TRUE(WaitFor([&] { return Placed(ButtonOver(q, tray.Part("second")), tray.Part("second"), face); }));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(tray.Part("second start")); }, 3000));
    Screenshot("Monitors-back");

    PostMessageA(primary, WM_CLOSE, 0, 0);
    ASSERT_TRUE(q.WaitExit());
    EXPECT_TRUE(IsWindowVisible(tray.Part("start"))) << "the first taskbar's Start not given back";
    EXPECT_TRUE(IsWindowVisible(tray.Part("second start"))) << "the second taskbar's Start not given back";
}
