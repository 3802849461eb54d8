// The real program's button through the path of Windows 95 to XP, under
// Wine because the tests ask for it (QUORVEL_TEST_EMBED, see CONTRIBUTING).
#include <gtest/gtest.h>

#include "Harness.h"
#include "ScreenPictures.h"
#include "Session.h"
#include "base/Scoped.h"
#include "ui/Commands.h"

namespace {
HWND EmbeddedButton(HWND tray)
{
    const HWND w = FindWindowExA(tray, nullptr, "TForm1", nullptr);
    return w && IsWindowVisible(w) ? w : nullptr;
}

// Where the picture is not maroon the window's shape must hold the pixel,
// and nowhere else.
int ShapeMismatches(HWND w, const Picture& pic)
{
    const Scoped<GdiObjectTraits<HRGN>> shape(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(w, shape.Get()) == ERROR)
        return -1;
    int wrong = 0;
    for (int y = 0; y < pic.Height; ++y)
        for (int x = 0; x < pic.Width; ++x)
            wrong += (pic.At(x, y) != 0x800000) != (PtInRegion(shape.Get(), x, y) != FALSE);
    return wrong;
}

// The embedded button where Windows 95 to XP put it: the taskbar's top child
// at its client origin, the system's Start button hidden under it.
void ExpectEmbedded(HWND button, const TestTaskbar& tray, const Picture& pic, const char* when)
{
    EXPECT_EQ(tray.Tray, GetParent(button)) << when;
    EXPECT_TRUE(GetWindowLongA(button, GWL_STYLE) & WS_CHILD) << when;
    EXPECT_EQ(button, GetWindow(tray.Tray, GW_CHILD)) << when;
    POINT origin = {0, 0};
    ClientToScreen(tray.Tray, &origin);
    const RECT r = WindowRect(button);
    EXPECT_EQ(origin.x, r.left) << when;
    EXPECT_EQ(origin.y, r.top) << when;
    EXPECT_EQ(pic.Width, r.right - r.left) << when;
    EXPECT_EQ(pic.Height, r.bottom - r.top) << when;
    EXPECT_EQ(0, ShapeMismatches(button, pic)) << when;
    EXPECT_FALSE(IsWindowVisible(tray.Start)) << when;
}
} // namespace

// The program's own button through the path of Windows 95 to XP: Wine leaves
// the child undrawn, but its place, shape, clicks and life with the taskbar
// are all Windows would give it.
TEST(Embedded, TheProgramsButtonLivesInTheTaskbarAndAnswersThere)
{
    Install app("Embedded.Program-" + Env("QV_MODE"));
    WriteBytes(app.File("Settings.ini"), "monitor=0\r\n");
    TestTaskbar tray(app.File("tray.log"), app.File("Settings.ini"));
    ASSERT_TRUE(tray.Start);
    const Picture pic = PictureFile(app.Dir + "Skins\\xpdefault\\normal.bmp");
    ASSERT_GT(pic.Width, 0);
    SetEnvironmentVariableA("QUORVEL_TEST_EMBED", "1");
    Quorvel q(app);
    SetEnvironmentVariableA("QUORVEL_TEST_EMBED", nullptr);
    HWND button = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (button = EmbeddedButton(tray.Tray)) && !IsWindowVisible(tray.Start); }));
    Sleep(500);
    EXPECT_FALSE(q.Window("TForm1")) << "a top-level button besides the child";
    ExpectEmbedded(button, tray, pic, "at start");
    Screenshot("Embedded.Program-" + Env("QV_MODE"));

    // Zone 1 presses the hidden Start button, zone 2 opens the main menu,
    // zone 3 shows the panel.
    EXPECT_TRUE(ClickZoneUntil(button, app, 1, [&] { return tray.Logged("0201 00000001 00000005"); }));
    EXPECT_TRUE(ClickZoneUntil(button, app, 2, [&] { return PopupMenuOf(q.Pid()) != nullptr; }));
    // A click elsewhere closes it. (The keys reach it on Windows, where a
    // child shares its taskbar's input queue; Wine gives a child of another
    // process no such share.)
    ClickAt(600, 200);
    EXPECT_TRUE(WaitFor([&] { return PopupMenuOf(q.Pid()) == nullptr; }));
    EXPECT_TRUE(ClickZoneUntil(button, app, 3, [&] { return IsWindowVisible(q.Window("TForm2")) != FALSE; }));
    EXPECT_TRUE(ClickZoneUntil(button, app, 3, [&] { return !IsWindowVisible(q.Window("TForm2")); }));

    // Explorer's crash takes the child along; a new one goes into the new taskbar.
    ASSERT_TRUE(tray.Restart());
    EXPECT_FALSE(IsWindow(button));
    ASSERT_TRUE(WaitFor([&] { return (button = EmbeddedButton(tray.Tray)) && !IsWindowVisible(tray.Start); }));
    Sleep(300);
    ExpectEmbedded(button, tray, pic, "after the taskbar's restart");
    EXPECT_TRUE(ClickZoneUntil(button, app, 3, [&] { return IsWindowVisible(q.Window("TForm2")) != FALSE; }));
    // The taskbar goes under a full-screen program, and the button in it;
    // the panel steps aside by itself.
    {
        const FullScreenProgram other;
        EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(q.Window("TForm2")); }, 3000)) << "panel over full screen";
        Sleep(1500);  // past the restacks its coming brought
        other.Leave(FullScreenProgram::Closed, true);
        EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(q.Window("TForm2")) != FALSE; }, 3000));
    }

    // Another skin: the child takes its size and shape where it stands.
    const Picture win98 = PictureFile(app.Dir + "Skins\\win98\\normal.bmp");
    ASSERT_NE(pic.Width, win98.Width);
    Command(button, CmdClassicalWin98Skin);
    EXPECT_TRUE(WaitFor([&] { return WindowSize(button).cx == win98.Width; }));
    Sleep(300);
    ExpectEmbedded(button, tray, win98, "after a skin change");

    PostMessageA(button, WM_CLOSE, 0, 0);
    ASSERT_TRUE(q.WaitExit());
    EXPECT_TRUE(IsWindowVisible(tray.Start)) << "not given back at exit";
}
