// Quorvel's button and panel stay on screen above the taskbar and other
// programs' windows whatever becomes active. Wine's virtual desktop can draw
// windows in another order than the window order Win32 reports, so all of
// it is checked by the screen's pixels and by clicks that must reach us.
#include <gtest/gtest.h>

#include <algorithm>
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
} // namespace

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
