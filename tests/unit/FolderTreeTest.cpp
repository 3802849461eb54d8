#include <gtest/gtest.h>

#include "model/FolderTree.h"

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
