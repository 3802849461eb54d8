// The shutdown timer at zero. Under Wine the shutdown ends every process of
// the Wine session, this driver included, so the driver only arms it:
// shutdown.sh checks from outside what Quorvel left behind.
#include <gtest/gtest.h>

#include "Session.h"
#include "ui/Commands.h"

TEST(Shutdown, AtZeroTheSettingsAndListsAreWrittenFirst)
{
    // A list file in LF line ends comes back in CR LF only from a save.
    Session s("Shutdown", "autorun=false\r\n", {{"Dirs.qvl", "Work\nC:\\Work\n"}});
    ASSERT_TRUE(s.Q.WaitStarted());
    // "Autoloading" changes the settings in memory; the file follows at the next save.
    Command(s.StartButton(), CmdAutoload);
    ASSERT_TRUE(WaitFor([&] { return RunValue() == s.App.RunCommand(); }));
    ASSERT_EQ("autorun=false", s.Saved("autorun="));

    HWND panel = s.ShowPanel();
    const POINT timerButton = ButtonCentre(panel, s.App, 8);
    HWND timer = s.Q.Window("TTimerForm");
    ASSERT_TRUE(ClickUntil(timerButton, [&] { return IsWindowVisible(timer) != FALSE; }));
    Sleep(300);
    PressKey(VK_END);
    for (int i = 0; i < 4; ++i)
        PressKey(VK_BACK);
    PressKey('1');
    PressKey(VK_TAB);
    PressKey(VK_RETURN);  // "Start"
    Screenshot("Shutdown.Armed");
    WriteBytes(s.App.File("armed"), "");
    PostMessageA(timer, WM_TIMER, 1, 0);  // the minute is up
    Sleep(30000);
    ADD_FAILURE() << "the Wine session did not end";
    if (HWND box = s.Q.ErrorBox())
        ADD_FAILURE() << TextOf(box) << ": " << BoxMessage(box);
}
