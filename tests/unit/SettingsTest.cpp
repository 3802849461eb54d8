#include <gtest/gtest.h>

#include "TempDir.h"
#include "model/Settings.h"
#include "model/Favourites.h"
#include "base/Errors.h"
#include "base/Files.h"

namespace {
Settings Read(const std::string& text)
{
    Settings settings = DefaultSettings("");
    TextReader in = TextReader::FromMemory(text);
    ReadSettingsFrom(in, settings);
    return settings;
}

std::string Defaults(const std::string& exeDir)
{
    return "skin=xpdef.qvs\r\nnumbut=8\r\nnumapps=0\r\nnumdirs=0\r\nautorun=false\r\ncdrom=e\r\n"
           "but1=1\r\nbut2=2\r\nbut3=3\r\nbut4=4\r\nbut5=5\r\nbut6=6\r\nbut7=7\r\nbut8=8\r\n"
           "monitor=0\r\nskindir=" +
           exeDir + "Skins\\xpdefault\\\r\n";
}
} // namespace

TEST(Settings, DefaultsAreWrittenByteExactInKeyOrder)
{
    TempDir dir;
    const Settings settings = DefaultSettings("C:\\Program Files\\Quorvel\\");
    FavouriteList none, neither;
    SaveSettingsAndFavourites(dir.Path + "/", settings, none, neither);
    EXPECT_EQ(Defaults("C:\\Program Files\\Quorvel\\"), dir.Read("Settings.ini"));
}

TEST(Settings, ReadingAndWritingGiveTheFileBackInOrder)
{
    const Settings settings = Read("skindir=D:\\Skins\\mine\\\r\nbut8=3\nmonitor=1\r\nnumbut=3\r\ncdrom=f\r\nbut1=0\r\n"
         "skin=mine.qvs\r\nautorun=true");
    EXPECT_EQ("skin=mine.qvs\r\nnumbut=3\r\nnumapps=0\r\nnumdirs=0\r\nautorun=true\r\ncdrom=f\r\n"
              "but1=0\r\nbut2=2\r\nbut3=3\r\nbut4=4\r\nbut5=5\r\nbut6=6\r\nbut7=7\r\nbut8=3\r\n"
              "monitor=1\r\nskindir=D:\\Skins\\mine\\\r\n",
              FormatSettings(settings, 0, 0));
}

TEST(Settings, KeysAreExactAndOtherLinesIgnored)
{
    Settings s = Read("Autorun=true\r\nnumbut =3\r\nnumapps=7\r\nnumdirs=9\r\nno equals\r\n\r\n=5\r\nbut9=4\r\nbut0=4\r\n");
    EXPECT_FALSE(s.Autoload);
    EXPECT_EQ(8, s.ButtonCount);
    EXPECT_EQ(std::string::npos, FormatSettings(s, 1, 2).find("numapps=7")) << "the counts are the lists'";
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(k, s.ButtonSlot[k]);
}

TEST(Settings, AutorunOnlyForExactlyTrue)
{
    Settings s;
    for (const char* v : {"True", " true", "true ", "1", "yes", ""}) {
        s = Read(std::string("autorun=true\r\nautorun=") + v + "\r\n");
        EXPECT_FALSE(s.Autoload) << v;
    }
    s = Read("autorun=true\r\n");
    EXPECT_TRUE(s.Autoload);
}

TEST(Settings, MonitorOnlySwitchesToOneAndALaterValueDoesNotUndoIt)
{
    Settings s = Read("monitor=2\r\n");
    EXPECT_EQ(0, s.Monitor);
    s = Read("monitor=0\r\n");
    EXPECT_EQ(0, s.Monitor);
    s = Read("monitor=1\r\nmonitor=0\r\n");
    EXPECT_EQ(1, s.Monitor);
    s = Read("monitor=1 \r\n");
    EXPECT_EQ(0, s.Monitor);
}

TEST(Settings, NumbersKeepTheirLowEightBits)
{
    Settings s = Read("numbut=264\r\nbut1=-1\r\nbut2=$10\r\nbut3=  7\r\nbut4=+2\r\nbut5=0x1FF\r\n");
    EXPECT_EQ(8, s.ButtonCount);
    EXPECT_EQ(255, s.ButtonSlot[1]);
    EXPECT_EQ(16, s.ButtonSlot[2]);
    EXPECT_EQ(7, s.ButtonSlot[3]);
    EXPECT_EQ(2, s.ButtonSlot[4]);
    EXPECT_EQ(255, s.ButtonSlot[5]);
}

TEST(Settings, BadNumberStopsTheReadingAndKeepsWhatCameBefore)
{
    Settings s = DefaultSettings("");
    TextReader in = TextReader::FromMemory("cdrom=g\r\nbut2=abc\r\nnumbut=3\r\n");
    try {
        ReadSettingsFrom(in, s);
        FAIL() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_STREQ("'abc' is not a valid integer value", e.what());
    }
    EXPECT_EQ('g', s.CdDrive);
    EXPECT_EQ(8, s.ButtonCount);
    for (const char* bad : {"", "12a", "1 ", "99999999999", "-", "$", "0x", "2147483648"}) {
        TextReader r = TextReader::FromMemory(std::string("numbut=") + bad + "\r\n");
        EXPECT_THROW(ReadSettingsFrom(r, s), ConvertError) << bad;
    }
    s = Read("numbut=-2147483648\r\n");
    EXPECT_EQ(0, s.ButtonCount);
}

TEST(Settings, LineEnds)
{
    Settings s;
    // A lone CR ends the value; the rest of that line is skipped.
    s = Read("skin=a.qvs\rskin=b.qvs\r\ncdrom=x\r\r\nnumbut=5\n");
    EXPECT_EQ("a.qvs", s.SkinFile);
    EXPECT_EQ('x', s.CdDrive);
    EXPECT_EQ(5, s.ButtonCount);
    // The last line needs no line end; the value may be empty.
    s = Read("cdrom=\r\nskindir=");
    EXPECT_EQ('e', s.CdDrive);
    EXPECT_EQ("", s.SkinFolder);
}

TEST(Settings, HugeLinesAreCutNotLoaded)
{
    Settings s = Read("skin=" + std::string(1 << 20, 'x') + "\r\nnumbut=3\r\n");
    EXPECT_EQ(4096u - 5u, s.SkinFile.size());
    EXPECT_EQ(3, s.ButtonCount);
}

TEST(Settings, SavingWritesAListOnlyOnceItWasReadAndChanged)
{
    TempDir dir;
    const std::string folder = dir.Path + "/";
    const Settings settings = DefaultSettings(folder);
    dir.Write("Dirs.qvl", "Work\r\nC:\\Work\r\n");
    dir.Write("Apps.qvl", "Editor\r\nC:\\ed.exe\r\n");
    FavouriteList folders, programs;
    SaveSettingsAndFavourites(folder, settings, folders, programs);
    EXPECT_EQ("Work\r\nC:\\Work\r\n", dir.Read("Dirs.qvl"));
    EXPECT_EQ("Editor\r\nC:\\ed.exe\r\n", dir.Read("Apps.qvl"));

    LoadFavourites(folders, folder + FoldersFile);
    LoadFavourites(programs, folder + ProgramsFile);
    dir.Write("Apps.qvl", "Editor\nC:\\ed.exe\n");  // edited meanwhile, elsewhere
    AddFavourite(folders, "C:\\Job", "Job");
    DeleteFavourite(folders, 1);
    SaveSettingsAndFavourites(folder, settings, folders, programs);
    EXPECT_EQ("Job\r\nC:\\Job\r\n", dir.Read("Dirs.qvl"));
    EXPECT_EQ("Editor\nC:\\ed.exe\n", dir.Read("Apps.qvl"));
    EXPECT_NE(std::string::npos, dir.Read("Settings.ini").find("numdirs=1\r\n"));
}

// The panel's hot key: any case and order in, one form out, and written only
// when it is not the default; a line the program cannot use is kept as the
// user wrote it, and said so.
TEST(Settings, HotKeyIsReadInAnyFormAndWrittenOnlyWhenNotTheDefault)
{
    Settings s = DefaultSettings("C:\\Q\\");
    EXPECT_EQ(std::string::npos, FormatSettings(s, 0, 0).find("hotkey="));
    const struct {
        const char* Written;
        const char* Saved;
    } cases[] = {{"shift+WIN+f5", "hotkey=Shift+Win+F5\r\n"}, {"none", "hotkey=none\r\n"}, {"Ctrl+9", "hotkey=Ctrl+9\r\n"},
                 {"CTRL+SHIFT+F11", ""},
                 {"Shift+A", "hotkey=Shift+A\r\n; The hot key above is not one Quorvel can use (Ctrl, Alt, Shift or Win "
                             "and a letter, a digit or F1 to F12; Shift alone only with F1 to F12): Ctrl+Shift+F11 "
                             "stands in for it.\r\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Written);
        TextReader in = TextReader::FromMemory(std::string("hotkey=") + c.Written + "\r\n");
        s.PanelKey = HotKey();
        ReadSettingsFrom(in, s);
        const std::string formatted = FormatSettings(s, 0, 0);
        const size_t at = formatted.find("hotkey=");
        EXPECT_EQ(c.Saved, at == std::string::npos ? "" : formatted.substr(at));
    }
    for (const char* bad : {"Q", "Ctrl+", "Ctrl+Ctrl+Q", "Ctrl+F13", "Ctrl+F0", "Hyper+Q", "Ctrl+Alt+QQ", "Shift+5", ""}) {
        HotKey k;
        EXPECT_FALSE(ParseHotKey(bad, k)) << bad;
        EXPECT_EQ(HotKey(), k) << "left as it was";
    }
    s.UnusablePanelKey.clear();
    s.PanelKeyHeldElsewhere = true;
    EXPECT_NE(std::string::npos, FormatSettings(s, 0, 0).find("; Another program holds the hot key Ctrl+Shift+F11:"));
}

// Edited by hand while the program runs: each setting the user changed in the
// file since it was read is kept, unless the program changed it too; a mark
// of UTF-8 before the first line is no part of it.
TEST(Settings, TheUsersEditsOfTheFileAreKeptWhereTheProgramChangedNothing)
{
    TempDir dir;
    const std::string path = dir.Path + "/Settings.ini";
    const Settings defaults = DefaultSettings("C:\\Q\\");
    dir.Write("Settings.ini", "\xEF\xBB\xBF" + Defaults("C:\\Q\\"));
    Settings now = defaults;
    {
        TextReader in(path);
        ReadSettingsFrom(in, now);
    }
    EXPECT_EQ(defaults.SkinFile, now.SkinFile);
    const SettingsBaseline base{now, FingerprintOf(path)};
    now.CdDrive = 'G';
    now.Monitor = MonitorScreenSaver;
    dir.Write("Settings.ini", Defaults("C:\\Q\\") + "hotkey=Ctrl+Alt+F13\r\ncdrom=H\r\nmonitor=0\r\nnumbut=5\r\n");
    CatchUpWithSettingsFile(now, base, defaults, path);
    EXPECT_EQ("Ctrl+Alt+F13", now.UnusablePanelKey);
    EXPECT_EQ(5, now.ButtonCount);
    EXPECT_EQ('G', now.CdDrive);
    EXPECT_EQ(MonitorScreenSaver, now.Monitor);
}
