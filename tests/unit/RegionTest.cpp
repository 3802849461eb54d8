#include <gtest/gtest.h>

#include "base/Region.h"

namespace {
const uint32_t K = 0x800000;  // maroon, the start button's see-through colour
const uint32_t G = 0x2E8B2E;

int Area(const std::vector<RunRect>& runs)
{
    int a = 0;
    for (const RunRect& r : runs)
        a += (r.Right - r.Left) * (r.Bottom - r.Top);
    return a;
}
} // namespace

TEST(Region, RoundedCornersAreCutAndEqualRowsMerge)
{
    const uint32_t px[] = {
        K, G, G, K,  //
        G, G, G, G,  //
        G, G, G, G,  //
        K, G, G, K,  //
    };
    const auto runs = OpaqueRuns(px, 4, 4, K);
    EXPECT_EQ(12, Area(runs));
    ASSERT_EQ(3u, runs.size());
    EXPECT_EQ(1, runs[1].Top);
    EXPECT_EQ(3, runs[1].Bottom);  // rows 1 and 2 are one rectangle
}

TEST(Region, OnlyTheExactKeyIsCutAndTheHighByteIsIgnored)
{
    const uint32_t px[] = {0x800001, 0xFF800000, 0x7F0000, K};
    const auto runs = OpaqueRuns(px, 4, 1, K);
    ASSERT_EQ(2u, runs.size());
    EXPECT_EQ(0, runs[0].Left);
    EXPECT_EQ(1, runs[0].Right);
    EXPECT_EQ(2, runs[1].Left);
    EXPECT_EQ(3, runs[1].Right);
}

TEST(Region, AllKeyOrEmptyGivesNothing)
{
    const uint32_t px[] = {K, K, K, K};
    EXPECT_TRUE(OpaqueRuns(px, 2, 2, K).empty());
    EXPECT_TRUE(OpaqueRuns(nullptr, 0, 0, K).empty());
}

TEST(Region, APictureOfMoreHolesThanTheBoundIsShownWhole)
{
    // A checkerboard: one rectangle for every other pixel, none merge.
    const int side = 256;
    std::vector<uint32_t> px(size_t(side) * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            px[size_t(y) * side + x] = (x + y) % 2 ? K : G;
    const auto whole = OpaqueRuns(px.data(), side, side, K);
    ASSERT_EQ(1u, whole.size());
    EXPECT_EQ(side * side, Area(whole));
    // At the bound itself the shape is kept: eight rows of the board.
    const auto kept = OpaqueRuns(px.data(), side, 8, K, 8 * side / 2);
    EXPECT_EQ(size_t(8 * side / 2), kept.size());
    EXPECT_EQ(8 * side / 2, Area(kept));
}
