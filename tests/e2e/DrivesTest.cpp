// A full drive and a read-only one, prepared by drives.sh: a save that
// cannot be made is reported with the system's reason, the files on the drive
// stay as they were, and what memory holds is kept for a later save.
#include <gtest/gtest.h>

#include <cstdio>

#include "Harness.h"
#include "Session.h"
#include "ui/Commands.h"

namespace {
const char OldSettings[] = "monitor=0\r\nautorun=false\r\n";
const char OldDirs[] = "Work\nC:\\Work\n";

void ExpectUntouched(const Install& app)
{
    EXPECT_EQ(OldSettings, ReadBytes(app.File("Settings.ini")));
    EXPECT_EQ(OldDirs, ReadBytes(app.File("Dirs.qvl")));
    EXPECT_FALSE(Exists(app.File("Settings.ini.new")));
}
} // namespace

TEST(Drives, FullDiskLeavesTheOldFilesAndLaterSavesWhatMemoryKept)
{
    const Install app = Install::At(Env("QV_FULLDIR"));
    ASSERT_TRUE(Exists(app.Exe()));
    TestTaskbar tray(Env("QV_WORK") + "\\full-tray.log", app.File("Settings.ini"));
    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    HWND startButton = q.Window("TForm1");
    Command(startButton, CmdAutoload);  // in memory until the next save
    ASSERT_TRUE(WaitFor([&] { return RunValue() == app.RunCommand(); }));

    Command(startButton, CmdMonitorScreenSaver);  // "Start of prompt" saves at once
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = q.ErrorBox()) != nullptr; }));
    EXPECT_EQ("Disk full\n" + app.File("Settings.ini"), BoxMessage(box));
    Screenshot("Drives.Full");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    ExpectUntouched(app);
    EXPECT_TRUE(IsWindowVisible(startButton));

    // Room made, the close saves everything memory kept.
    ASSERT_TRUE(DeleteFileA(Env("QV_FILLER").c_str()));
    PostMessageA(startButton, WM_CLOSE, 0, 0);
    ASSERT_TRUE(q.WaitExit());
    const std::string saved = ReadBytes(app.File("Settings.ini"));
    EXPECT_NE(std::string::npos, saved.find("\r\nautorun=true\r\n"));
    EXPECT_NE(std::string::npos, saved.find("\r\nmonitor=1\r\n"));
    EXPECT_EQ(OldDirs, ReadBytes(app.File("Dirs.qvl"))) << "unchanged, never written";
    EXPECT_TRUE(IsWindowVisible(tray.Start));
    ClearRunValue();
}

TEST(Drives, ReadOnlyFolderIsReportedAndQuorvelStaysInTheTaskbar)
{
    const Install app = Install::At(Env("QV_RODIR"));
    ASSERT_TRUE(Exists(app.Exe()));
    TestTaskbar tray(Env("QV_WORK") + "\\ro-tray.log", app.File("Settings.ini"));
    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    HWND startButton = q.Window("TForm1");

    Command(startButton, CmdMonitorScreenSaver);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = q.ErrorBox()) != nullptr; }));
    const std::string first = BoxMessage(box);
    EXPECT_EQ(0u, first.find("I/O error ")) << first;
    printf("read-only drive: \"%s\"\n", first.c_str());
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    ExpectUntouched(app);

    // A close that cannot save asks: No keeps Quorvel, and the user one
    // Start button, Quorvel's; Yes leaves without saving and gives the
    // Start button back.
    PostMessageA(startButton, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return (box = q.ErrorBox()) != nullptr; }));
    EXPECT_EQ(first + "\n\nClose Quorvel without saving?", BoxMessage(box));
    PostMessageA(box, WM_COMMAND, IDNO, 0);
    EXPECT_FALSE(q.WaitExit(1000));
    EXPECT_TRUE(IsWindowVisible(startButton));
    EXPECT_FALSE(IsWindowVisible(tray.Start));
    PostMessageA(startButton, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return (box = q.ErrorBox()) != nullptr; }));
    PostMessageA(box, WM_COMMAND, IDYES, 0);
    EXPECT_TRUE(q.WaitExit());
    EXPECT_TRUE(IsWindowVisible(tray.Start));
    ExpectUntouched(app);
}
