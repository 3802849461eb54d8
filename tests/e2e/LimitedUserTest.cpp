// Quorvel in a folder its user cannot write, as Program Files is for a user
// without administrator rights: limited.sh prepares the folder and runs the
// driver as a second Linux user, for whom it is read-only.
#include <gtest/gtest.h>

#include "Harness.h"
#include "Session.h"
#include "ui/Commands.h"

namespace {
// The value of a line of a settings file ("monitor=" gives "monitor=1").
std::string Line(const std::string& file, const std::string& key)
{
    const std::string lines = "\n" + file;
    const size_t at = lines.find("\n" + key);
    if (at == std::string::npos)
        return "<no " + key + ">";
    return lines.substr(at + 1, lines.find('\r', at) - at - 1);
}
} // namespace

TEST(LimitedUser, SettingsLiveInTheUsersFolderFilledOnceFromBesideTheProgram)
{
    const Install app = Install::At(Env("QV_LIMITEDDIR"));
    ASSERT_TRUE(Exists(app.Exe()));
    ASSERT_FALSE(Env("APPDATA").empty());
    const std::string mine = Env("APPDATA") + "\\Quorvel\\";
    // A run that failed is run once more: it starts from a folder without settings.
    for (const char* name : {"Settings.ini", "Dirs.qvl", "Apps.qvl"}) {
        SetFileAttributesA((mine + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA((mine + name).c_str());
    }
    // A list of the user's own, left by a first start that ended before
    // Settings.ini was copied: the one beside the program must not replace it.
    CreateDirectoryA(mine.c_str(), nullptr);
    const std::string myPrograms = ListFile({{"Mine", "C:\\mine.exe"}});
    WriteBytes(mine + "Apps.qvl", myPrograms);
    const std::string besideSettings = ReadBytes(app.File("Settings.ini"));
    ASSERT_EQ("numbut=5", Line(besideSettings, "numbut="));
    TestTaskbar tray(Env("QV_WORK") + "\\limited-tray.log", mine + "Settings.ini");

    {
        Quorvel q(app);
        ASSERT_TRUE(q.WaitStarted());
        EXPECT_EQ(nullptr, q.ErrorBox());
        EXPECT_EQ(besideSettings, ReadBytes(mine + "Settings.ini")) << "copied before it was read";
        EXPECT_EQ(ReadBytes(app.File("Dirs.qvl")), ReadBytes(mine + "Dirs.qvl"));
        EXPECT_EQ(myPrograms, ReadBytes(mine + "Apps.qvl"));
        // "Start of prompt" saves at once, over a copy of a write-protected file.
        Command(q.Window("TForm1"), CmdMonitorScreenSaver);
        ASSERT_TRUE(WaitFor([&] { return Line(ReadBytes(mine + "Settings.ini"), "monitor=") == "monitor=1"; }));
        EXPECT_EQ(nullptr, q.ErrorBox());
        EXPECT_EQ("numbut=5", Line(ReadBytes(mine + "Settings.ini"), "numbut=")) << "the copy was what was read";
        Screenshot("LimitedUser.FirstStart");
        PostMessageA(q.Window("TForm1"), WM_CLOSE, 0, 0);
        EXPECT_TRUE(q.WaitExit()) << "the save at exit failed";
    }

    // The next start reads the user's file: a skin change saves the earlier
    // change with it, and the skin still comes from beside the program.
    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    Command(q.Window("TForm1"), CmdClassicalXpSkin);
    ASSERT_TRUE(WaitFor([&] { return Line(ReadBytes(mine + "Settings.ini"), "skin=") == "skin=classic.qvs"; }));
    const std::string saved = ReadBytes(mine + "Settings.ini");
    EXPECT_EQ("monitor=1", Line(saved, "monitor="));
    EXPECT_EQ("skindir=" + app.Dir + "Skins\\xpclassic\\", Line(saved, "skindir="));
    EXPECT_EQ(myPrograms, ReadBytes(mine + "Apps.qvl"));
    EXPECT_EQ(nullptr, q.ErrorBox());
    PostMessageA(q.Window("TForm1"), WM_CLOSE, 0, 0);
    EXPECT_TRUE(q.WaitExit());
    EXPECT_TRUE(IsWindowVisible(tray.Start));

    // Where the user may create files but not replace another user's, the
    // user's folder is used too, and a change saves without a word.
    const Install shared = Install::At(Env("QV_SHAREDDIR"));
    const std::string theirs = ReadBytes(shared.File("Settings.ini"));
    Quorvel other(shared);
    ASSERT_TRUE(other.WaitStarted());
    Command(other.Window("TForm1"), CmdStandardXpSkin);
    EXPECT_TRUE(WaitFor([&] { return Line(ReadBytes(mine + "Settings.ini"), "skin=") == "skin=xpdef.qvs"; }));
    EXPECT_EQ(nullptr, other.ErrorBox());
    PostMessageA(other.Window("TForm1"), WM_CLOSE, 0, 0);
    EXPECT_TRUE(other.WaitExit()) << "asked to close without saving";
    EXPECT_EQ(theirs, ReadBytes(shared.File("Settings.ini")));
}
