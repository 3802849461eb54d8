// The shutdown timer at zero. Under Wine the shutdown ends every process of
// the Wine session, this driver included, so the driver only arms it:
// shutdown.sh checks from outside what Quorvel left behind.
#include <gtest/gtest.h>

#include "Session.h"
#include "ui/Commands.h"

TEST(Shutdown, AtZeroTheSettingsAndListsAreWrittenFirst)
{
    Session s("Shutdown", "autorun=false\r\n", {{"Dirs.qvl", "Work\nC:\\Work\nHome\nC:\\Home\n"}});
    ASSERT_TRUE(s.Q.WaitStarted());
    // "Autoloading" changes the settings in memory; the file follows at the next save.
    Command(s.StartButton(), CmdAutoload);
    ASSERT_TRUE(WaitFor([&] { return RunValue() == s.App.RunCommand(); }));
    ASSERT_EQ("autorun=false", s.Saved("autorun="));

    HWND panel = s.ShowPanel();
    // A favourite deleted: the list file follows at the next save.
    Command(panel, CmdFolderMenu + DeletePosition);
    HWND del = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (del = s.Q.Window("TDelForm")) != nullptr && IsWindowVisible(del); }));
    HWND list = Child(del, "ListBox");
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    HWND deleteButton = ButtonOf(del, "Delete"), ok = ButtonOf(del, "OK");
    PostMessageA(del, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(deleteButton), BN_CLICKED), LPARAM(deleteButton));
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 1; }));
    PostMessageA(del, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ok), BN_CLICKED), LPARAM(ok));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(del); }));
    ASSERT_EQ("Work\nC:\\Work\nHome\nC:\\Home\n", ReadBytes(s.App.File("Dirs.qvl")));
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
