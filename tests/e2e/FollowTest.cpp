// The button laid over a taskbar that moves: to each edge of the screen,
// thicker, sliding out of sight and back; stepping aside with the panel for
// a full-screen program; and the panel brought back after the screen grew
// smaller. One start per taskbar shape, run with Wine reporting XP (where
// Wine lays the button over too), 7 and 10.
#include <gtest/gtest.h>

#include "Harness.h"
#include "ScreenPictures.h"
#include "Session.h"

namespace {
enum Edge { Bottom, Top, Left, Right };

void Post(const TestTaskbar& tray, const char* message, WPARAM wParam, LPARAM lParam = 0)
{
    PostMessageA(tray.Tray, RegisterWindowMessageA(message), wParam, lParam);
}

// At the taskbar's left end, or top end at a side of the screen; from
// Vista on centred across a thicker taskbar.
bool AtItsEnd(HWND button, HWND tray, bool centred)
{
    const RECT b = WindowRect(button), t = WindowRect(tray);
    const int bw = b.right - b.left, bh = b.bottom - b.top, tw = t.right - t.left, th = t.bottom - t.top;
    if (tw >= th)
        return b.left == t.left && b.top == t.top + (centred && th > bh ? (th - bh) / 2 : 0);
    return b.top == t.top && b.left == t.left + (centred && tw > bw ? (tw - bw) / 2 : 0);
}

uint32_t ScreenPixel(POINT p)
{
    return ScreenArea(p.x, p.y, 1, 1).At(0, 0);
}

const uint32_t FullScreenColour = 0x00A000;

class Follow : public testing::TestWithParam<const char*> {};
} // namespace

TEST_P(Follow, TheButtonGoesWithTheTaskbarAndStepsAsideForAFullScreenProgram)
{
    const std::string shape = GetParam();
    const bool centred = shape != "xp";
    const std::string name = "Follow-" + shape + "-" + Env("QV_MODE");
    Install app(name);
    WriteBytes(app.File("Settings.ini"), "monitor=0\r\n");
    TestTaskbar tray(app.File("tray.log"), app.File("Settings.ini"), shape == "xp" ? "" : shape);
    ASSERT_TRUE(tray.Tray);
    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    const HWND button = q.Window("TForm1");
    const Picture face = PictureFile(app.Dir + "Skins\\xpdefault\\normal.bmp");
    const auto placed = [&] { return IsWindowVisible(button) && AtItsEnd(button, tray.Tray, centred); };
    const auto expectPlaced = [&](const std::string& when) {
        EXPECT_TRUE(WaitFor(placed, 3000)) << when;
        EXPECT_TRUE(WaitFor([&] { return ButtonSeen(button, face); }, 3000)) << when;
        Screenshot(name + "-" + when);
    };
    expectPlaced("bottom");

    // Moved by the user to each edge, 40 pixels thick at the top, 120 wide at
    // the sides; then back at the bottom with two rows.
    const struct {
        Edge At;
        int Thickness;
        const char* Name;
    } moves[] = {{Top, 40, "top"}, {Left, 120, "left"}, {Right, 120, "right"}, {Bottom, 80, "two-rows"}};
    for (const auto& m : moves) {
        Post(tray, "QuorvelTest.Follow.Edge", m.At, m.Thickness);
        expectPlaced(m.Name);
    }

    // Auto-hidden: two pixels of the taskbar stay on screen, none of the
    // button, nor is it left behind where it was.
    const POINT wasAt = Middle(button);
    Post(tray, "QuorvelTest.Follow.Slide", 1);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(button); }, 3000)) << "not hidden with the taskbar";
    Sleep(300);
    EXPECT_NE(face.At(face.Width / 2, face.Height / 2), ScreenPixel(wasAt)) << "left behind";
    Screenshot(name + "-slid-away");
    Post(tray, "QuorvelTest.Follow.Slide", 0);
    expectPlaced("slid-back");
    Post(tray, "QuorvelTest.Follow.Edge", Bottom, 0);
    expectPlaced("bottom-again");

    // A full-screen program in front: neither the button nor the panel on
    // it, both back once it is gone.
    ASSERT_TRUE(ClickZoneUntil(button, app, 3, [&] { return IsWindowVisible(q.Window("TForm2")) != FALSE; }));
    const HWND panel = q.Window("TForm2");
    const POINT panelMiddle = Middle(panel), buttonMiddle = Middle(button);
    Post(tray, "QuorvelTest.Follow.FullScreen", 1);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(button) && !IsWindowVisible(panel); }, 3000));
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(buttonMiddle) == FullScreenColour; }, 3000)) << "button drawn";
    Sleep(1500);  // past any restack of our windows under Wine
    EXPECT_EQ(FullScreenColour, ScreenPixel(buttonMiddle)) << "button drawn over the full-screen program";
    EXPECT_EQ(FullScreenColour, ScreenPixel(panelMiddle)) << "panel drawn over the full-screen program";
    Screenshot(name + "-full-screen");
    Post(tray, "QuorvelTest.Follow.FullScreen", 0);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(panel) && ScreenPixel(panelMiddle) != FullScreenColour; }, 3000))
        << "panel not back";
    expectPlaced("full-screen-gone");
    // Wine itself reports neither the new window in front nor its size: the
    // restack that follows the new window looks again.
    Post(tray, "QuorvelTest.Follow.FullScreen", 1, 1);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(button) && !IsWindowVisible(panel); }, 3000)) << "unreported";
    Post(tray, "QuorvelTest.Follow.FullScreen", 0, 1);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(panel) && placed(); }, 3000)) << "unreported";
    // Another program's, the only window it has, that goes and leaves no
    // window in front: closed or hidden as under Wine alone, minimised as
    // Windows reports it.
    using Way = FullScreenProgram::Way;
    for (const auto& way : {std::pair{Way::Closed, "closed"}, {Way::Hidden, "hidden"}, {Way::Minimised, "minimised"}}) {
        const FullScreenProgram other;
        EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(button) && !IsWindowVisible(panel); }, 3000)) << way.second;
        Sleep(1500);  // past the restacks its coming brought
        other.Leave(way.first, way.first == Way::Minimised);
        EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(panel) && placed(); }, 3000)) << way.second;
    }
    // The panel's place overlaps a taskbar thicker than XP's: out of the way
    // for a look at the whole button.
    EXPECT_TRUE(ClickZoneUntil(button, app, 3, [&] { return !IsWindowVisible(panel); }));
    expectPlaced("panel-hidden");

    PostMessageA(button, WM_CLOSE, 0, 0);
    EXPECT_TRUE(q.WaitExit());
}

INSTANTIATE_TEST_SUITE_P(Follow, Follow, testing::Values("xp", "win7", "win10", "win11"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// The screen made smaller through Wine's own display settings, as a user or
// a game would: the panel, shown at its place near the bottom, is left off
// the screen and comes back to its place on the new one; made larger again,
// the panel is in sight and stays where it is.
TEST(DisplayChange, ThePanelLeftOffTheScreenComesBack)
{
    Session s("DisplayChange", "monitor=0\r\n");
    ASSERT_TRUE(s.Q.WaitStarted());
    const HWND panel = s.ShowPanel();
    const SkinMetrics skin = ReadAsProgram(s.App).Skin;
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmPelsWidth = 800;
    mode.dmPelsHeight = 600;
    ASSERT_EQ(DISP_CHANGE_SUCCESSFUL, ChangeDisplaySettingsA(&mode, 0));
    struct Restore {
        ~Restore() { ChangeDisplaySettingsA(nullptr, 0); }
    } restore;
    ASSERT_EQ(600, GetSystemMetrics(SM_CYSCREEN));
    const int home = 600 - WindowSize(s.StartButton()).cy - skin.PanelHeight;
    EXPECT_TRUE(WaitFor([&] { return WindowRect(panel).top == home && WindowRect(panel).left == 0; }, 3000))
        << WindowRect(panel).left << "," << WindowRect(panel).top;
    EXPECT_TRUE(IsWindowVisible(panel));
    EXPECT_TRUE(WaitFor([&] { return AtItsEnd(s.StartButton(), s.Tray.Tray, false); }, 3000));
    Screenshot("DisplayChange-800x600");

    ASSERT_EQ(DISP_CHANGE_SUCCESSFUL, ChangeDisplaySettingsA(nullptr, 0));
    ASSERT_EQ(768, GetSystemMetrics(SM_CYSCREEN));
    Sleep(500);
    EXPECT_EQ(home, WindowRect(panel).top) << "moved while in sight";
    EXPECT_TRUE(WaitFor([&] { return AtItsEnd(s.StartButton(), s.Tray.Tray, false); }, 3000));
}
