#include <gtest/gtest.h>

#include "TempDir.h"
#include "model/SkinFile.h"
#include "base/Errors.h"
#include "base/Files.h"

namespace {
void Read(const std::string& text, SkinMetrics& skin)
{
    TextReader in = TextReader::FromMemory(text);
    ReadSkinFrom(in, skin);
}
} // namespace

TEST(SkinFile, SixteenNumbersInFileOrder)
{
    SkinMetrics skin;
    Read("34\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n26\r\n3\r\n5\r\n", skin);
    EXPECT_EQ(34, skin.PanelHeight);
    // Within a zone the file says left, top, right, bottom.
    EXPECT_EQ(1, skin.StartMenuZone.Left);
    EXPECT_EQ(2, skin.StartMenuZone.Top);
    EXPECT_EQ(3, skin.StartMenuZone.Right);
    EXPECT_EQ(4, skin.StartMenuZone.Bottom);
    EXPECT_EQ(8, skin.MainMenuZone.Bottom);
    EXPECT_EQ(9, skin.PanelZone.Left);
    EXPECT_EQ(12, skin.PanelZone.Bottom);
    EXPECT_EQ(26, skin.ButtonWidth);
    EXPECT_EQ(3, skin.ButtonGap);
    EXPECT_EQ(5, skin.ButtonTop);
}

TEST(SkinFile, ShortFileGivesZerosAndWordsAfterANumberAreSkipped)
{
    SkinMetrics skin;
    skin.ButtonWidth = skin.ButtonGap = skin.ButtonTop = 99;
    Read("-1\n\n\n24 words here\r\n \t 7\t8\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n70000", skin);
    EXPECT_EQ(65535, skin.PanelHeight);
    EXPECT_EQ(24, skin.StartMenuZone.Left);
    EXPECT_EQ(7, skin.StartMenuZone.Top);  // the 8 after the tab belongs to the skipped rest of the line
    EXPECT_EQ(1, skin.StartMenuZone.Right);
    EXPECT_EQ(70000 & 0xFFFF, skin.PanelZone.Bottom);
    EXPECT_EQ(0, skin.ButtonWidth);
    EXPECT_EQ(0, skin.ButtonGap);
    EXPECT_EQ(0, skin.ButtonTop);
}

TEST(SkinFile, AWordWhereANumberShouldBeStopsTheReading)
{
    SkinMetrics skin;
    skin.StartMenuZone.Top = 42;
    try {
        Read("30\r\n5\r\nabc\r\n9\r\n", skin);
        FAIL() << "no error";
    } catch (const InOutError& e) {
        EXPECT_STREQ("Invalid numeric input", e.what());
    }
    EXPECT_EQ(30, skin.PanelHeight);
    EXPECT_EQ(5, skin.StartMenuZone.Left);
    EXPECT_EQ(42, skin.StartMenuZone.Top);
    EXPECT_THROW(Read("12x\r\n", skin), InOutError);
    // A word longer than the reader takes is refused, not read as its start.
    EXPECT_THROW(Read(std::string(64, '0') + "x\r\n", skin), InOutError);
    EXPECT_THROW(Read(std::string(64, '0') + "68\r\n", skin), InOutError);
    Read(std::string(62, '0') + "68\r\n", skin);
    EXPECT_EQ(68, skin.PanelHeight);
}

TEST(SkinFile, MissingFileIsFileNotFound)
{
    TempDir dir;
    SkinMetrics skin;
    try {
        ReadSkinFile(dir.Path + "/none.qvs", skin);
        FAIL() << "no error";
    } catch (const InOutError& e) {
        EXPECT_STREQ("File not found", e.what());
    }
}
