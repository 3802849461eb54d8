// A full drive and a read-only one, prepared by drives.sh. On the full one a
// save that cannot be made is reported with the system's reason, the files on
// the drive stay as they were, and what memory holds is kept for a later save.
#include <gtest/gtest.h>

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

// A copy on a CD or a locked stick: its settings go to the user's folder,
// filled from those beside it, and nothing is reported.
TEST(Drives, ReadOnlyFolderKeepsTheSettingsInTheUsersFolder)
{
    const Install app = Install::At(Env("QV_RODIR"));
    ASSERT_TRUE(Exists(app.Exe()));
    const std::string mine = Env("APPDATA") + "\\Quorvel\\";
    auto removeMine = [&] {
        for (const char* name : {"Settings.ini", "Dirs.qvl", "Apps.qvl"})
            DeleteFileA((mine + name).c_str());
        RemoveDirectoryA(mine.c_str());
    };
    removeMine();
    TestTaskbar tray(Env("QV_WORK") + "\\ro-tray.log", app.File("Settings.ini"));
    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    HWND startButton = q.Window("TForm1");

    Command(startButton, CmdMonitorScreenSaver);
    ASSERT_TRUE(WaitFor([&] { return ReadBytes(mine + "Settings.ini").find("\r\nmonitor=1\r\n") != std::string::npos; }));
    EXPECT_EQ(OldDirs, ReadBytes(mine + "Dirs.qvl"));
    EXPECT_EQ(nullptr, q.ErrorBox());
    PostMessageA(startButton, WM_CLOSE, 0, 0);
    EXPECT_TRUE(q.WaitExit());
    EXPECT_TRUE(IsWindowVisible(tray.Start));
    ExpectUntouched(app);
    removeMine();
}
