#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "lists/LaunchList.h"
#include "toolkit/Errors.h"
#include "toolkit/Files.h"

namespace {
std::vector<std::pair<std::string, std::string>> Load(const TempDir& dir, const std::string& content)
{
    dir.Write("Dirs.qvl", content);
    LoadLaunchList(DirList, DirsFile);
    std::vector<std::pair<std::string, std::string>> got;
    for (unsigned i = 1; i <= DirList.Count; ++i)
        got.emplace_back(DirList.Slot[i].Name, DirList.Slot[i].Path);
    return got;
}
using Entries = std::vector<std::pair<std::string, std::string>>;
} // namespace

TEST(LaunchList, MissingFileIsCreatedEmpty)
{
    TempDir dir;
    Ini.numdirs = 5;
    LoadLaunchList(DirList, DirsFile);
    EXPECT_EQ(0, Ini.numdirs);
    EXPECT_TRUE(DirList.Loaded);
    EXPECT_TRUE(dir.Exists("Dirs.qvl"));
    EXPECT_EQ("", dir.Read("Dirs.qvl"));
}

TEST(LaunchList, LinesPairUpAndTheEndIsTestedBeforeEachPair)
{
    TempDir dir;
    EXPECT_EQ((Entries{{"a", "A"}, {"b", "B"}}), Load(dir, "a\r\nA\r\nb\r\nB\r\n"));
    EXPECT_EQ((Entries{{"a", "A"}, {"b", ""}}), Load(dir, "a\r\nA\r\nb\r\n"));
    EXPECT_EQ((Entries{{"a", "A"}, {"", ""}}), Load(dir, "a\r\nA\r\n\r\n"));
    EXPECT_EQ((Entries{{"a", "A"}}), Load(dir, "a\nA"));
    EXPECT_EQ((Entries{{"", ""}}), Load(dir, "\r\n"));
    EXPECT_EQ(Entries{}, Load(dir, ""));
    EXPECT_EQ(Ini.numdirs, 0);
}

TEST(LaunchList, ALoneCrIsDroppedAndNothingIsTrimmed)
{
    TempDir dir;
    EXPECT_EQ((Entries{{" My docs ", "C:\\a\\b"}}), Load(dir, " My docs \r\nC:\\a\r\\b\r\n"));
    EXPECT_EQ((Entries{{"x", "y"}}), Load(dir, "x\r\r\ny\r"));
}

TEST(LaunchList, TextsAreCutTo255Characters)
{
    TempDir dir;
    const std::string longName(300, 'n'), hugePath(1 << 20, 'p');
    const Entries got = Load(dir, longName + "\r\n" + hugePath + "\r\nnext\r\nN\r\n");
    ASSERT_EQ(2u, got.size());
    EXPECT_EQ(longName.substr(0, 255), got[0].first);
    EXPECT_EQ(255u, got[0].second.size());
    EXPECT_EQ("next", got[1].first);
    SaveLaunchList(DirList, DirsFile);
    EXPECT_EQ(longName.substr(0, 255) + "\r\n" + std::string(255, 'p') + "\r\nnext\r\nN\r\n", dir.Read("Dirs.qvl"));
}

TEST(LaunchList, MoreThanTwentyEntriesGiveTheFirstTwenty)
{
    TempDir dir;
    std::string file;
    for (int i = 1; i <= 25; ++i)
        file += "n" + std::to_string(i) + "\r\np" + std::to_string(i) + "\r\n";
    const Entries got = Load(dir, file);
    ASSERT_EQ(20u, got.size());
    EXPECT_EQ(20, Ini.numdirs);
    EXPECT_EQ("n20", got[19].first);
}

TEST(LaunchList, SaveWritesTwoLinesPerEntryAndAnEmptyListAsZeroBytes)
{
    TempDir dir;
    Ini.numapps = 2;
    AppList.Slot[1] = {"Editor", "C:\\Windows\\notepad.exe"};
    AppList.Slot[2] = {"", ""};
    AppList.Slot[3] = {"never written", "x"};
    SaveLaunchList(AppList, AppsFile);
    EXPECT_EQ("Editor\r\nC:\\Windows\\notepad.exe\r\n\r\n\r\n", dir.Read("Apps.qvl"));
    Ini.numapps = 0;
    SaveLaunchList(AppList, AppsFile);
    EXPECT_EQ("", dir.Read("Apps.qvl"));
    EXPECT_FALSE(dir.Exists("Apps.qvl.new"));
}

TEST(LaunchList, AFailedLoadIsNotALoadedList)
{
    TempDir dir;
    std::filesystem::create_directory(dir.File("Dirs.qvl"));  // exists, cannot be read as a file
    DirList.Loaded = true;
    EXPECT_THROW(LoadLaunchList(DirList, DirsFile), EInOutError);
    EXPECT_FALSE(DirList.Loaded);
}
