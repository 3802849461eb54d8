#include <gtest/gtest.h>

#include "TempDir.h"
#include "app/Skins.h"
#include "toolkit/Errors.h"
#include "toolkit/Files.h"

namespace {
void Read(const std::string& text)
{
    TextReader in = TextReader::FromMemory(text);
    ReadSkinFrom(in);
}
} // namespace

TEST(SkinFile, SixteenNumbersInFileOrder)
{
    Skin = {};
    Read("34\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n26\r\n3\r\n5\r\n");
    EXPECT_EQ(34, Skin.PanelHeight);
    // Within a zone the file says left, top, right, bottom.
    EXPECT_EQ(1, Skin.Zone1.Left);
    EXPECT_EQ(2, Skin.Zone1.Top);
    EXPECT_EQ(3, Skin.Zone1.Right);
    EXPECT_EQ(4, Skin.Zone1.Bottom);
    EXPECT_EQ(8, Skin.Zone2.Bottom);
    EXPECT_EQ(9, Skin.Zone3.Left);
    EXPECT_EQ(12, Skin.Zone3.Bottom);
    EXPECT_EQ(26, Skin.ButtonWidth);
    EXPECT_EQ(3, Skin.ButtonGap);
    EXPECT_EQ(5, Skin.ButtonTop);
}

TEST(SkinFile, ShortFileGivesZerosAndWordsAfterANumberAreSkipped)
{
    Skin = {};
    Skin.ButtonWidth = Skin.ButtonGap = Skin.ButtonTop = 99;
    Read("-1\n\n\n24 words here\r\n \t 7\t8\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n70000");
    EXPECT_EQ(65535, Skin.PanelHeight);
    EXPECT_EQ(24, Skin.Zone1.Left);
    EXPECT_EQ(7, Skin.Zone1.Top);  // the 8 after the tab belongs to the skipped rest of the line
    EXPECT_EQ(1, Skin.Zone1.Right);
    EXPECT_EQ(70000 & 0xFFFF, Skin.Zone3.Bottom);
    EXPECT_EQ(0, Skin.ButtonWidth);
    EXPECT_EQ(0, Skin.ButtonGap);
    EXPECT_EQ(0, Skin.ButtonTop);
}

TEST(SkinFile, AWordWhereANumberShouldBeStopsTheReading)
{
    Skin = {};
    Skin.Zone1.Top = 42;
    try {
        Read("30\r\n5\r\nabc\r\n9\r\n");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_STREQ("Invalid numeric input", e.what());
    }
    EXPECT_EQ(30, Skin.PanelHeight);
    EXPECT_EQ(5, Skin.Zone1.Left);
    EXPECT_EQ(42, Skin.Zone1.Top);
    EXPECT_THROW(Read("12x\r\n"), EInOutError);
    // A word longer than the reader takes is refused, not read as its start.
    EXPECT_THROW(Read(std::string(64, '0') + "x\r\n"), EInOutError);
    EXPECT_THROW(Read(std::string(64, '0') + "68\r\n"), EInOutError);
    Read(std::string(62, '0') + "68\r\n");
    EXPECT_EQ(68, Skin.PanelHeight);
}

TEST(SkinFile, MissingFileIsFileNotFound)
{
    TempDir dir;
    SkinDir = dir.Path + "/";
    Ini.skin = "none.qvs";
    try {
        ReadSkinFile();
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_STREQ("File not found", e.what());
    }
}
