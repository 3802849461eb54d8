// On Windows 95 to XP the start button is a real child of the taskbar. Wine
// does not draw such a child, so the program takes that path under Wine only
// when the tests ask it to (QUORVEL_TEST_EMBED); the driver also embeds
// windows of its own into the test taskbar (another process) with the
// program's own platform code and checks the window tree.
#include <gtest/gtest.h>

#include "Harness.h"
#include "platform/Platform.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

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

namespace {
// A form of the driver's own in the program's place: the main window of the
// toolkit, embedded into the taskbar as the program embeds its button there.
class EmbeddedForm : public Form, public ProgramEvents {
public:
    EmbeddedForm() : Form("EmbeddedForm")
    {
        InitClientWidth = 95;
        InitClientHeight = 31;
    }
    int Restarts = 0;
    void ShellRestarted() override
    {
        ++Restarts;
        if (!Handle)
            CreateHandle();
        const HWND tray = FindTaskbar();
        if (tray)
            EmbedInTaskbar(Handle, tray);
        ShowStartButton(FindStartButton(tray), false);
        Show();
    }
    void SessionEnding() override {}
    void HotKeyPressed() override {}
    void DisplayChanged() override {}
    void Posted(UINT) override {}
};
} // namespace

// Explorer's crash takes the taskbar's children with it, ours included; the
// toolkit makes the main form anew and hands it the taskbar that comes back.
TEST(Embedded, MainWindowLostWithItsTaskbarComesBackIntoTheNewOne)
{
    Install app("EmbeddedRestart");
    TestTaskbar tray(app.File("tray.log"), app.File("Settings.ini"));
    EmbeddedForm form;
    TheApplication.Initialize(form);
    TheApplication.CreateWindowOf(form);
    form.ShellRestarted();
    const HWND first = form.Handle;
    ASSERT_EQ(tray.Tray, GetParent(first));
    ASSERT_FALSE(IsWindowVisible(tray.Start));

    ASSERT_TRUE(tray.Restart());
    EXPECT_FALSE(IsWindow(first)) << "the old taskbar did not take its child along";
    const UINT_PTR tick = SetTimer(nullptr, 0, 50, nullptr);  // the loop looks at the clock
    const DWORD deadline = GetTickCount() + 10000;
    TheApplication.RunUntil([&] {
        return (form.Handle && GetParent(form.Handle) == tray.Tray && IsWindowVisible(form.Handle) &&
                !IsWindowVisible(tray.Start)) ||
               GetTickCount() > deadline;
    });
    KillTimer(nullptr, tick);
    ASSERT_TRUE(form.Handle);
    EXPECT_NE(first, form.Handle);
    EXPECT_EQ(tray.Tray, GetParent(form.Handle));
    EXPECT_EQ(form.Handle, GetWindow(tray.Tray, GW_CHILD));
    EXPECT_TRUE(IsWindowVisible(form.Handle));
    EXPECT_FALSE(IsWindowVisible(tray.Start));
    EXPECT_GE(form.Restarts, 2);
    TheApplication.MainWindow = nullptr;
    TheApplication.Events = nullptr;
}
