#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "model/Favourites.h"
#include "base/Errors.h"
#include "base/Files.h"

namespace {
std::vector<std::pair<std::string, std::string>> Load(const TempDir& dir, const std::string& content,
                                                      FavouriteList& list)
{
    dir.Write("Dirs.qvl", content);
    LoadFavourites(list, dir.File(FoldersFile));
    std::vector<std::pair<std::string, std::string>> got;
    for (unsigned i = 1; i <= list.Count; ++i)
        got.emplace_back(list.Entry[i].Name, list.Entry[i].Path);
    return got;
}
using Entries = std::vector<std::pair<std::string, std::string>>;
} // namespace

TEST(Favourites, MissingFileIsCreatedEmpty)
{
    TempDir dir;
    FavouriteList list;
    list.Count = 5;
    LoadFavourites(list, dir.File(FoldersFile));
    EXPECT_EQ(0, list.Count);
    EXPECT_TRUE(list.Loaded);
    EXPECT_TRUE(dir.Exists("Dirs.qvl"));
    EXPECT_EQ("", dir.Read("Dirs.qvl"));
}

TEST(Favourites, LinesPairUpAndTheEndIsTestedBeforeEachPair)
{
    TempDir dir;
    FavouriteList list;
    EXPECT_EQ((Entries{{"a", "A"}, {"b", "B"}}), Load(dir, "a\r\nA\r\nb\r\nB\r\n", list));
    EXPECT_EQ((Entries{{"a", "A"}, {"b", ""}}), Load(dir, "a\r\nA\r\nb\r\n", list));
    EXPECT_EQ((Entries{{"a", "A"}, {"", ""}}), Load(dir, "a\r\nA\r\n\r\n", list));
    EXPECT_EQ((Entries{{"a", "A"}}), Load(dir, "a\nA", list));
    EXPECT_EQ((Entries{{"", ""}}), Load(dir, "\r\n", list));
    EXPECT_EQ(Entries{}, Load(dir, "", list));
    EXPECT_EQ(list.Count, 0);
}

TEST(Favourites, ALoneCrIsDroppedAndNothingIsTrimmed)
{
    TempDir dir;
    FavouriteList list;
    EXPECT_EQ((Entries{{" My docs ", "C:\\a\\b"}}), Load(dir, " My docs \r\nC:\\a\r\\b\r\n", list));
    EXPECT_EQ((Entries{{"x", "y"}}), Load(dir, "x\r\r\ny\r", list));
}

TEST(Favourites, NamesAreCutTo255CharactersAndPathsTo259)
{
    TempDir dir;
    FavouriteList list;
    const std::string longName(300, 'n'), hugePath(1 << 20, 'p');
    const Entries got = Load(dir, longName + "\r\n" + hugePath + "\r\nnext\r\nN\r\n", list);
    ASSERT_EQ(2u, got.size());
    EXPECT_EQ(longName.substr(0, 255), got[0].first);
    EXPECT_EQ(259u, got[0].second.size());
    EXPECT_EQ("next", got[1].first);
    list.Changed = true;
    SaveFavouritesIfChanged(list, dir.File(FoldersFile));
    EXPECT_EQ(longName.substr(0, 255) + "\r\n" + std::string(259, 'p') + "\r\nnext\r\nN\r\n", dir.Read("Dirs.qvl"));
}

TEST(Favourites, MoreThanTwentyEntriesGiveTheFirstTwenty)
{
    TempDir dir;
    FavouriteList list;
    std::string file;
    for (int i = 1; i <= 25; ++i)
        file += "n" + std::to_string(i) + "\r\np" + std::to_string(i) + "\r\n";
    const Entries got = Load(dir, file, list);
    ASSERT_EQ(20u, got.size());
    EXPECT_EQ(20, list.Count);
    EXPECT_EQ("n20", got[19].first);
}

TEST(Favourites, SaveWritesTwoLinesPerEntryAndAnEmptyListAsZeroBytes)
{
    TempDir dir;
    FavouriteList list;
    LoadFavourites(list, dir.File(ProgramsFile));
    AddFavourite(list, "C:\\Windows\\notepad.exe", "Editor");
    AddFavourite(list, "", "");
    list.Entry[3] = {"never written", "x"};
    SaveFavouritesIfChanged(list, dir.File(ProgramsFile));
    EXPECT_EQ("Editor\r\nC:\\Windows\\notepad.exe\r\n\r\n\r\n", dir.Read("Apps.qvl"));
    DeleteFavourite(list, 1);
    DeleteFavourite(list, 1);
    SaveFavouritesIfChanged(list, dir.File(ProgramsFile));
    EXPECT_EQ("", dir.Read("Apps.qvl"));
    EXPECT_FALSE(dir.Exists("Apps.qvl.new"));
}

// The lists are files others may write too: the user by hand, a second copy
// of the program, a synchronised folder.
TEST(Favourites, OnlyTheProgramsOwnChangesAreWrittenAndTheyLandOnWhatTheFileHoldsNow)
{
    TempDir dir;
    FavouriteList list;
    Load(dir, "A\nC:\\A\nB\nC:\\B\n", list);
    const std::string path = dir.File(FoldersFile);

    // Edited elsewhere, unchanged here: a save leaves the file alone.
    dir.Write("Dirs.qvl", "A\nC:\\A\nB\nC:\\B\nC\nC:\\C\n");
    SaveFavouritesIfChanged(list, path);
    EXPECT_EQ("A\nC:\\A\nB\nC:\\B\nC\nC:\\C\n", dir.Read("Dirs.qvl"));

    // A deletion made here, then another edit elsewhere: the deletion is made
    // on what the file holds at the save.
    DeleteFavourite(list, 1);
    dir.Write("Dirs.qvl", "A\nC:\\A\nB\nC:\\B\nC\nC:\\C\nD\nC:\\D\n");
    SaveFavouritesIfChanged(list, path);
    EXPECT_EQ("B\r\nC:\\B\r\nC\r\nC:\\C\r\nD\r\nC:\\D\r\n", dir.Read("Dirs.qvl"));

    // An entry added after the file changed joins what is there.
    dir.Write("Dirs.qvl", "E\r\nC:\\E\r\n");
    CatchUpWithFile(list, path);
    ASSERT_TRUE(AddFavourite(list, "C:\\F", "F"));
    SaveFavouritesIfChanged(list, path);
    EXPECT_EQ("E\r\nC:\\E\r\nF\r\nC:\\F\r\n", dir.Read("Dirs.qvl"));

    // A file gone meanwhile is a list of none.
    std::filesystem::remove(path);
    CatchUpWithFile(list, path);
    EXPECT_EQ(0, list.Count);
}

TEST(Favourites, EntriesPastTheTwentiethAreKeptAsTheyWere)
{
    TempDir dir;
    FavouriteList list;
    std::string head, tail;
    for (int i = 1; i <= 20; ++i)
        head += "n" + std::to_string(i) + "\np" + std::to_string(i) + "\n";
    for (int i = 21; i <= 25; ++i)
        tail += "n" + std::to_string(i) + "\np" + std::to_string(i) + "\n";
    Load(dir, head + tail, list);
    DeleteFavourite(list, 1);
    SaveFavouritesIfChanged(list, dir.File(FoldersFile));
    const std::string saved = dir.Read("Dirs.qvl");
    EXPECT_EQ(0u, saved.find("n2\r\np2\r\n"));
    EXPECT_NE(std::string::npos, saved.find("n20\r\np20\r\n" + tail)) << "kept byte for byte, after the shown";
    Load(dir, saved, list);
    EXPECT_EQ("n21", list.Entry[20].Name) << "the first kept entry moves up into view";
}

TEST(Favourites, MenuCaptionsShowNamesAsTyped)
{
    EXPECT_EQ("R&&D", MenuCaption({"R&D", "C:\\rd"}));
    EXPECT_EQ("Tom && Jerry", MenuCaption({"Tom & Jerry", "C:\\t"}));
    EXPECT_EQ("a b", MenuCaption({"a\tb", "C:\\ab"}));
    EXPECT_EQ("-", MenuCaption({"-", "C:\\dash"}));
    EXPECT_EQ("C:\\No && name", MenuCaption({"", "C:\\No & name"}));
}

TEST(Favourites, AFailedLoadIsNotALoadedList)
{
    TempDir dir;
    FavouriteList list;
    std::filesystem::create_directory(dir.File("Dirs.qvl"));  // exists, cannot be read as a file
    list.Loaded = true;
    EXPECT_THROW(LoadFavourites(list, dir.File(FoldersFile)), InOutError);
    EXPECT_FALSE(list.Loaded);
}

TEST(Favourites, DefaultNames)
{
    EXPECT_EQ("Projects", DefaultFolderName("C:\\Work\\Projects"));
    EXPECT_EQ("D:\\", DefaultFolderName("D:\\"));
    EXPECT_EQ("Share", DefaultFolderName("\\\\server\\Share"));
    EXPECT_EQ("edit.exe", DefaultFileName("C:\\Tools\\edit.exe"));
    EXPECT_EQ("notes.txt", DefaultFileName("A:notes.txt")) << "after a colon too";
    EXPECT_EQ("plain", DefaultFileName("plain"));
}

TEST(Favourites, AddDeleteAndAFullList)
{
    FavouriteList list;
    const uint8_t& count = list.Count;
    for (const char* n : {"One", "Two", "Three"})
        ASSERT_TRUE(AddFavourite(list, std::string("C:\\") + n, n));
    DeleteFavourite(list, 2);
    ASSERT_EQ(2, count);
    EXPECT_EQ("One", list.Entry[1].Name);
    EXPECT_EQ("Three", list.Entry[2].Name);
    EXPECT_EQ("C:\\Three", list.Entry[2].Path);
    EXPECT_TRUE(list.Entry[3].Name.empty()) << "the former last slot is emptied";
    DeleteFavourite(list, 0);  // nothing selected
    DeleteFavourite(list, 3);
    EXPECT_EQ(2, count);

    const std::string longText(300, 'x');
    ASSERT_TRUE(AddFavourite(list, longText, longText));
    EXPECT_EQ(255u, list.Entry[3].Name.size());
    EXPECT_EQ(259u, list.Entry[3].Path.size());
    while (count < MaxFavourites)
        ASSERT_TRUE(AddFavourite(list, "p", "n"));
    EXPECT_FALSE(AddFavourite(list, "p", "twenty-first"));
    EXPECT_EQ(20, count);
    EXPECT_EQ("n", list.Entry[20].Name);
}

TEST(Favourites, ADropOnTheFoldersTakesFoldersAsTheyAreAndAFileByItsFolder)
{
    EXPECT_EQ("C:\\a", FolderOf("C:\\a\\b.txt"));
    EXPECT_EQ("C:\\", FolderOf("C:\\b.txt"));
    EXPECT_EQ("C:\\", FolderOf("C:b.txt"));
    EXPECT_EQ("\\\\srv\\share", FolderOf("\\\\srv\\share\\x.exe"));

    const std::vector<DroppedItem> dropped = {
        {"C:\\Music", true}, {"D:\\", true}, {"C:\\Work\\notes.txt", false}, {"c:\\work\\plan.doc", false}};
    const DropPlan folders = PlanDrop(FavouriteKind::Folders, dropped, 0);
    // Two files of one folder make one entry; a root keeps its whole path as
    // its name.
    EXPECT_EQ((Entries{{"Music", "C:\\Music"}, {"D:\\", "D:\\"}, {"Work", "C:\\Work"}}),
              [&] {
                  Entries got;
                  for (const Favourite& e : folders.Entries)
                      got.emplace_back(e.Name, e.Path);
                  return got;
              }());
    EXPECT_EQ(0u, folders.Refused);

    const DropPlan programs = PlanDrop(FavouriteKind::Programs, dropped, 0);
    ASSERT_EQ(4u, programs.Entries.size());
    EXPECT_EQ("notes.txt", programs.Entries[2].Name);
    EXPECT_EQ("C:\\Work\\notes.txt", programs.Entries[2].Path);
    EXPECT_EQ("Music", programs.Entries[0].Name);
}

TEST(Favourites, WhatADropCannotFitInTwentyIsRefusedAndCounted)
{
    const std::vector<DroppedItem> three = {{"C:\\a", true}, {"C:\\b", true}, {"C:\\c", true}};
    const DropPlan one = PlanDrop(FavouriteKind::Folders, three, 19);
    ASSERT_EQ(1u, one.Entries.size());
    EXPECT_EQ("C:\\a", one.Entries[0].Path);
    EXPECT_EQ(2u, one.Refused);
    EXPECT_EQ(3u, PlanDrop(FavouriteKind::Programs, three, 20).Refused);
    // A hand-made file may hold more than twenty.
    EXPECT_EQ(3u, PlanDrop(FavouriteKind::Programs, three, 25).Refused);
    EXPECT_TRUE(PlanDrop(FavouriteKind::Programs, three, 25).Entries.empty());
    // A refused folder dropped twice is refused once.
    const DropPlan twice = PlanDrop(FavouriteKind::Folders, {{"C:\\a\\x", false}, {"C:\\b\\x", false}, {"C:\\b\\y", false}}, 19);
    EXPECT_EQ(1u, twice.Refused);

    EXPECT_EQ("2 dropped items were not added: a list holds at most 20 entries.", RefusedDropText(2));
    EXPECT_EQ("1 dropped item was not added: a list holds at most 20 entries.", RefusedDropText(1));
}
