#include <gtest/gtest.h>

#include "TempDir.h"
#include "app/Settings.h"
#include "lists/LaunchList.h"
#include "toolkit/Errors.h"
#include "toolkit/Files.h"

namespace {
void Read(const std::string& text)
{
    SetDefaultSettings();
    TextReader in = TextReader::FromMemory(text);
    ReadSettingsFrom(in);
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
    ExeDir = "C:\\Program Files\\Quorvel\\";
    SetDefaultSettings();
    DirList.Loaded = AppList.Loaded = false;
    ExeDir = dir.Path + "/";
    WriteSettings();
    EXPECT_EQ(Defaults("C:\\Program Files\\Quorvel\\"), dir.Read("Settings.ini"));
}

TEST(Settings, ReadingAndWritingGiveTheFileBackInOrder)
{
    ExeDir = "X\\";
    Read("skindir=D:\\Skins\\mine\\\r\nbut8=3\nmonitor=1\r\nnumbut=3\r\ncdrom=f\r\nbut1=0\r\n"
         "skin=mine.qvs\r\nautorun=true");
    EXPECT_EQ("skin=mine.qvs\r\nnumbut=3\r\nnumapps=0\r\nnumdirs=0\r\nautorun=true\r\ncdrom=f\r\n"
              "but1=0\r\nbut2=2\r\nbut3=3\r\nbut4=4\r\nbut5=5\r\nbut6=6\r\nbut7=7\r\nbut8=3\r\n"
              "monitor=1\r\nskindir=D:\\Skins\\mine\\\r\n",
              FormatSettings());
}

TEST(Settings, KeysAreExactAndOtherLinesIgnored)
{
    Read("Autorun=true\r\nnumbut =3\r\nnumapps=7\r\nnumdirs=9\r\nno equals\r\n\r\n=5\r\nbut9=4\r\nbut0=4\r\n");
    EXPECT_FALSE(Ini.autorun);
    EXPECT_EQ(8, Ini.numbut);
    EXPECT_EQ(0, Ini.numapps);
    EXPECT_EQ(0, Ini.numdirs);
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(k, Ini.but[k]);
}

TEST(Settings, AutorunOnlyForExactlyTrue)
{
    for (const char* v : {"True", " true", "true ", "1", "yes", ""}) {
        Read(std::string("autorun=true\r\nautorun=") + v + "\r\n");
        EXPECT_FALSE(Ini.autorun) << v;
    }
    Read("autorun=true\r\n");
    EXPECT_TRUE(Ini.autorun);
}

TEST(Settings, MonitorOnlySwitchesToOneAndALaterValueDoesNotUndoIt)
{
    Read("monitor=2\r\n");
    EXPECT_EQ(0, Ini.monitor);
    Read("monitor=0\r\n");
    EXPECT_EQ(0, Ini.monitor);
    Read("monitor=1\r\nmonitor=0\r\n");
    EXPECT_EQ(1, Ini.monitor);
    Read("monitor=1 \r\n");
    EXPECT_EQ(0, Ini.monitor);
}

TEST(Settings, NumbersKeepTheirLowEightBits)
{
    Read("numbut=264\r\nbut1=-1\r\nbut2=$10\r\nbut3=  7\r\nbut4=+2\r\nbut5=0x1FF\r\n");
    EXPECT_EQ(8, Ini.numbut);
    EXPECT_EQ(255, Ini.but[1]);
    EXPECT_EQ(16, Ini.but[2]);
    EXPECT_EQ(7, Ini.but[3]);
    EXPECT_EQ(2, Ini.but[4]);
    EXPECT_EQ(255, Ini.but[5]);
}

TEST(Settings, BadNumberStopsTheReadingAndKeepsWhatCameBefore)
{
    SetDefaultSettings();
    TextReader in = TextReader::FromMemory("cdrom=g\r\nbut2=abc\r\nnumbut=3\r\n");
    try {
        ReadSettingsFrom(in);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ("'abc' is not a valid integer value", e.what());
    }
    EXPECT_EQ('g', Ini.cdrom);
    EXPECT_EQ(8, Ini.numbut);
    for (const char* bad : {"", "12a", "1 ", "99999999999", "-", "$", "0x", "2147483648"}) {
        SetDefaultSettings();
        TextReader r = TextReader::FromMemory(std::string("numbut=") + bad + "\r\n");
        EXPECT_THROW(ReadSettingsFrom(r), EConvertError) << bad;
    }
    Read("numbut=-2147483648\r\n");
    EXPECT_EQ(0, Ini.numbut);
}

TEST(Settings, LineEnds)
{
    // A lone CR ends the value; the rest of that line is skipped.
    Read("skin=a.qvs\rskin=b.qvs\r\ncdrom=x\r\r\nnumbut=5\n");
    EXPECT_EQ("a.qvs", Ini.skin);
    EXPECT_EQ('x', Ini.cdrom);
    EXPECT_EQ(5, Ini.numbut);
    // The last line needs no line end; the value may be empty.
    Read("cdrom=\r\nskindir=");
    EXPECT_EQ('e', Ini.cdrom);
    EXPECT_EQ("", SkinDir);
}

TEST(Settings, HugeLinesAreCutNotLoaded)
{
    Read("skin=" + std::string(1 << 20, 'x') + "\r\nnumbut=3\r\n");
    EXPECT_EQ(4096u - 5u, Ini.skin.size());
    EXPECT_EQ(3, Ini.numbut);
}

TEST(Settings, WriteSettingsWritesAListOnlyOnceItWasRead)
{
    TempDir dir;
    SetDefaultSettings();
    dir.Write("Dirs.qvl", "Work\r\nC:\\Work\r\n");
    dir.Write("Apps.qvl", "Editor\r\nC:\\ed.exe\r\n");
    DirList.Loaded = AppList.Loaded = false;
    WriteSettings();
    EXPECT_EQ("Work\r\nC:\\Work\r\n", dir.Read("Dirs.qvl"));
    EXPECT_EQ("Editor\r\nC:\\ed.exe\r\n", dir.Read("Apps.qvl"));

    LoadLaunchList(DirList, DirsFile);
    DirList.Slot[1].Name = "Job";
    WriteSettings();
    EXPECT_EQ("Job\r\nC:\\Work\r\n", dir.Read("Dirs.qvl"));
    EXPECT_EQ("Editor\r\nC:\\ed.exe\r\n", dir.Read("Apps.qvl"));
    EXPECT_NE(std::string::npos, dir.Read("Settings.ini").find("numdirs=1\r\n"));
}
