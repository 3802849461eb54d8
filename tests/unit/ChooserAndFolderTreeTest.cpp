#include <gtest/gtest.h>

#include "model/Settings.h"
#include "model/ButtonChooser.h"
#include "model/FolderTree.h"
#include "model/Favourites.h"

namespace {
using Items = std::vector<int>;
} // namespace

TEST(Chooser, FillFromTheSettings)
{
    Settings settings;
    ChooserLists l = ChooserFill(settings);
    EXPECT_EQ(Items({1, 2, 3, 4, 5, 6, 7, 8}), l.Shown);
    EXPECT_TRUE(l.Unused.empty());

    // Slot 0, a slot above numbut and a shared slot.
    settings.ButtonCount = 3;
    const uint8_t slots[9] = {0, 3, 0, 1, 9, 1, 2, 4, 3};
    std::copy(std::begin(slots), std::end(slots), settings.ButtonSlot);
    l = ChooserFill(settings);
    EXPECT_EQ(Items({3, 5, 6, 1, 8}), l.Shown) << "slot by slot, a shared slot in number order";
    EXPECT_EQ(Items({2, 4, 7}), l.Unused) << "the rest in number order";
}

TEST(Chooser, MovesAndApplyDealSlotsWithoutGaps)
{
    Settings settings;
    ChooserLists l = ChooserFill(settings);
    ChooserMove(l.Shown, l.Unused, 0);  // "CD-ROM" out ...
    ChooserMove(l.Unused, l.Shown, 0);  // ... and back: now last
    ChooserMove(l.Unused, l.Shown, 0);  // nothing selected there any more
    ChooserMove(l.Shown, l.Unused, 8);  // no such item
    ChooserApply(l.Shown, settings);
    EXPECT_EQ(8, settings.ButtonCount);
    EXPECT_EQ(8, settings.ButtonSlot[1]);
    for (int k = 2; k <= 8; ++k)
        EXPECT_EQ(k - 1, settings.ButtonSlot[k]);

    ChooserApply({}, settings);
    EXPECT_EQ(0, settings.ButtonCount);
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(0, settings.ButtonSlot[k]);
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
    // A list whose file was never read whole stays so through edits, and so
    // is never written over the user's file.
    EXPECT_FALSE(list.Loaded);
}

TEST(FolderTree, LinesAndThePathEachStandsFor)
{
    const std::vector<std::string> subs = {"Alpha", "beta"};
    const std::vector<FolderLine> lines = FolderLines("C:\\Work\\Projects", subs);
    ASSERT_EQ(5u, lines.size());
    EXPECT_EQ("C:\\", lines[0].Text);
    EXPECT_EQ("Projects", lines[2].Text);
    EXPECT_EQ(2, lines[2].Level);
    EXPECT_TRUE(lines[2].Open);
    EXPECT_EQ("beta", lines[4].Text);
    EXPECT_EQ(3, lines[4].Level);
    EXPECT_FALSE(lines[4].Open);
    EXPECT_EQ("C:\\", FolderLinePath("C:\\Work\\Projects", subs, 0)) << "a root keeps its backslash";
    EXPECT_EQ("C:\\Work", FolderLinePath("C:\\Work\\Projects", subs, 1));
    EXPECT_EQ("C:\\Work\\Projects\\beta", FolderLinePath("C:\\Work\\Projects", subs, 4));
    EXPECT_EQ("", FolderLinePath("C:\\Work\\Projects", subs, 5));
    EXPECT_EQ("", FolderLinePath("C:\\Work\\Projects", subs, -1));

    // At a drive's root, its sub-folders follow at once.
    EXPECT_EQ(3u, FolderLines("D:\\", subs).size());
    EXPECT_EQ("D:\\Alpha", FolderLinePath("D:\\", subs, 1));
    // A network share's root is the server and share.
    EXPECT_EQ("\\\\srv\\share\\", FolderLines("\\\\srv\\share\\docs", {})[0].Text);
    EXPECT_EQ("\\\\srv\\share\\docs\\x", FolderLinePath("\\\\srv\\share\\docs", {"x"}, 2));
}
