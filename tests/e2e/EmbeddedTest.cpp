// On Windows the start button is a real child of the taskbar. Wine does not
// draw such a child, so the program takes that path only on Windows; here the
// driver embeds a window of its own into the test taskbar (another process)
// with the program's own platform code and checks the window tree.
#include <gtest/gtest.h>

#include "Harness.h"
#include "platform/Platform.h"

TEST(Embedded, ButtonBecomesTheTaskbarsFirstChildAndTheStartButtonIsStillFound)
{
    Install app("Embedded");
    TestTaskbar tray(app.File("tray.log"), app.File("Settings.ini"));
    ASSERT_EQ(tray.Tray, FindTaskbar());
    ASSERT_EQ(tray.Start, FindStartButton(tray.Tray));

    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "EmbeddedProbe";
    RegisterClassA(&wc);
    HWND probe = CreateWindowExA(WS_EX_TOPMOST, "EmbeddedProbe", "", WS_POPUP, 300, 200, 95, 31, nullptr, nullptr,
                                 wc.hInstance, nullptr);
    ASSERT_TRUE(probe);

    ShowStartButton(tray.Start, false);
    EmbedInTaskbar(probe, tray.Tray);
    ShowWindow(probe, SW_SHOWNA);

    EXPECT_EQ(tray.Tray, GetParent(probe));
    EXPECT_TRUE(GetWindowLongA(probe, GWL_STYLE) & WS_CHILD);
    EXPECT_FALSE(GetWindowLongA(probe, GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(probe, GetWindow(tray.Tray, GW_CHILD)) << "not above the taskbar's other children";
    POINT origin = {0, 0};
    ClientToScreen(tray.Tray, &origin);
    RECT r;
    GetWindowRect(probe, &r);
    EXPECT_EQ(origin.x, r.left);
    EXPECT_EQ(origin.y, r.top);
    EXPECT_FALSE(IsWindowVisible(tray.Start));
    // Wine draws no child of another process's window: the taskbar shows an
    // empty place where the button is, which is why the program overlays there.
    Screenshot("Embedded-" + Env("QV_MODE"));

    // The lookup at exit passes over our own button to the real Start button.
    EXPECT_EQ(tray.Start, FindStartButton(tray.Tray));
    ShowStartButton(FindStartButton(tray.Tray), true);
    EXPECT_TRUE(IsWindowVisible(tray.Start));
    DestroyWindow(probe);
}
