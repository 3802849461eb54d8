// Quorvel on Wine's own taskbar, a real shell that nobody here wrote. It
// shows its Start button again whenever a window opens or closes, so what is
// asserted is what the user sees at the taskbar's left end.
#include <gtest/gtest.h>

#include "Harness.h"
#include "Session.h"
#include "ScreenPictures.h"
#include "ui/Commands.h"

TEST(WineShell, UserSeesQuorvelsButtonAtTheLeftEnd)
{
    Install app("WineShell");
    HWND tray = WineTaskbar();
    ASSERT_TRUE(tray);
    RECT tr;
    GetWindowRect(tray, &tr);
    EXPECT_EQ(30, tr.bottom - tr.top) << "the prefix should give Wine's taskbar XP's height";

    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    HWND startButton = q.Window("TForm1");
    const Picture pic = PictureFile(app.Dir + "Skins\\xpdefault\\normal.bmp");
    ASSERT_GT(pic.Width, 0);
    RECT r;
    GetWindowRect(startButton, &r);
    POINT origin = {0, 0};
    ClientToScreen(tray, &origin);
    EXPECT_EQ(origin.x, r.left);
    EXPECT_EQ(origin.y, r.top);
    Sleep(500);
    EXPECT_EQ(0, ScreenMismatches(startButton, pic, nullptr));

    // A window opening makes Wine's taskbar lay itself out again (and show its
    // Start button); Quorvel's button must still be what is seen.
    HWND other = CreateWindowExA(0, "Static", "Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 200, 300,
                                 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Sleep(1000);
    EXPECT_EQ(0, ScreenMismatches(startButton, pic, nullptr));
    Screenshot("WineShell");

    // Wine's taskbar keeps a button per top-level window (its ID is the
    // window) and shows those of visible, unowned ones; none shown is Quorvel's.
    for (HWND b = GetWindow(tray, GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT)) {
        HWND listed = HWND(GetWindowLongPtrA(b, GWLP_ID));
        DWORD pid = 0;
        if (listed && IsWindow(listed) && IsWindowVisible(b))
            GetWindowThreadProcessId(listed, &pid);
        EXPECT_NE(q.Pid(), pid) << "Quorvel has a taskbar button";
    }
    DestroyWindow(other);

    // Zone 1 opens Wine's own Start menu, a menu of the shell's process.
    const POINT zone1 = ZoneCentre(startButton, app, 1);
    ClickAt(zone1.x, zone1.y);
    DWORD shell = 0;
    GetWindowThreadProcessId(tray, &shell);
    HWND menu = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (menu = PopupMenuOf(shell)) != nullptr; }));
    // Wine raises its taskbar on screen as its Start menu opens: the button is
    // back above it a moment later.
    EXPECT_TRUE(WaitFor([&] { return ButtonSeen(startButton, pic); }, 3000));
    Screenshot("WineShell.StartMenu");
    PressKey(VK_ESCAPE);
    PostMessageA(startButton, WM_CLOSE, 0, 0);
    ASSERT_TRUE(q.WaitExit());
}

// What a user sees of each built-in skin on a real taskbar, with the panel
// open, and the main menu; the pictures of the README are cut from these.
TEST(WineShell, EachSkinShowsItsPanelAndTheMenuOpensAboveTheButton)
{
    Install app("WineShell.Skins");
    ASSERT_TRUE(WineTaskbar());
    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    HWND startButton = q.Window("TForm1");
    const struct {
        unsigned Id;
        const char* Folder;
    } skins[] = {{CmdClassicalXpSkin, "xpclassic"}, {CmdButtonXpSkin, "xpbutton"}, {CmdClassicalWin98Skin, "win98"}, {CmdStandardXpSkin, "xpdefault"}};
    for (const auto& skin : skins) {
        Command(startButton, skin.Id);
        HWND panel = q.Window("TForm2");
        ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(panel); }));
        Sleep(300);
        // Checked before the panel opens: it stands StartHeight above the
        // screen's bottom and so may cover the top rows of a button lower
        // than the taskbar.
        const Picture start = PictureFile(app.Dir + "Skins\\" + skin.Folder + "\\normal.bmp");
        EXPECT_EQ(0, ScreenMismatches(startButton, start, nullptr)) << skin.Folder;
        EXPECT_TRUE(ClickUntil(ZoneCentre(startButton, app, 3), [&] { return IsWindowVisible(panel) != FALSE; }))
            << skin.Folder;
        // Wine leaves what closed menus covered on the desktop unpainted.
        RedrawWindow(GetDesktopWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        Sleep(500);
        Screenshot(std::string("WineShell.Skin.") + skin.Folder);
    }
    const POINT zone2 = ZoneCentre(startButton, app, 2);
    ClickAt(zone2.x, zone2.y);
    EXPECT_TRUE(WaitFor([&] { return PopupMenuOf(q.Pid()) != nullptr; }));
    Sleep(500);
    Screenshot("WineShell.Menu");
    PressKey(VK_ESCAPE);
    PostMessageA(startButton, WM_CLOSE, 0, 0);
    ASSERT_TRUE(q.WaitExit());
}
