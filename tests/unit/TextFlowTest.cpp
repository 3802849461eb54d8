#include <gtest/gtest.h>

#include "model/TextFlow.h"

namespace {
FlowItem Text(int width, int height, int gap, int left = 108)
{
    return {width, height, gap, false, left};
}
FlowItem After(int width, int height, int left = 108)
{
    return {width, height, 0, true, left};
}
std::vector<int> Ys(const Flow& flow)
{
    std::vector<int> ys;
    for (const FlowPlace& p : flow.Places)
        ys.push_back(p.Y);
    return ys;
}
} // namespace

// About at 96 dots per inch: the places it has always had; the link after
// its label, one ending exactly at the right edge still beside it.
TEST(TextFlow, RoomyTextsKeepTheirGapsAndFollowersStayBeside)
{
    const Flow flow = LayOutFlow({Text(91, 20, 10), Text(109, 13, 10), Text(55, 13, 5), Text(28, 13, 15),
                                  After(118, 13), Text(34, 13, 5), After(116, 13)},
                                 0, 258, 142);
    EXPECT_EQ(std::vector<int>({10, 40, 58, 86, 86, 104, 104}), Ys(flow));
    EXPECT_EQ(136, flow.Places[4].X);
    EXPECT_EQ(142, flow.Places[6].X);
    EXPECT_EQ(258, flow.Places[6].X + 116);
    EXPECT_FALSE(flow.Shrunk);
    EXPECT_EQ(117, flow.Bottom);
}

// A follower one pixel too wide goes under at its own left, with no gap; the
// line beside it is as tall as its tallest item.
TEST(TextFlow, AFollowerThatDoesNotFitGoesUnderWithoutAGap)
{
    const Flow flow = LayOutFlow({Text(244, 13, 8, 8), After(95, 16, 8), After(20, 13, 8), Text(50, 13, 3, 8)},
                                 0, 346, 199);
    EXPECT_EQ(8, flow.Places[1].X);
    EXPECT_EQ(std::vector<int>({8, 21, 21, 40}), Ys(flow));
    EXPECT_EQ(103, flow.Places[2].X);
    EXPECT_EQ(53, flow.Bottom);
}

// Too tall for the height: every gap cut by the same share, the last line
// ending inside; taller than the height even without gaps: no gaps at all,
// and the bottom says by how much it is past.
TEST(TextFlow, GapsShrinkEvenlyToFitAndToNothingAtWorst)
{
    const Flow cut = LayOutFlow({Text(10, 20, 10), Text(10, 16, 10), Text(10, 16, 20)}, 0, 258, 72);
    EXPECT_TRUE(cut.Shrunk);
    EXPECT_EQ(std::vector<int>({5, 30, 56}), Ys(cut));
    EXPECT_LE(cut.Bottom, 72);

    const Flow past = LayOutFlow({Text(10, 40, 10), Text(10, 40, 10)}, 4, 258, 60);
    EXPECT_TRUE(past.Shrunk);
    EXPECT_EQ(std::vector<int>({4, 44}), Ys(past));
    EXPECT_EQ(84, past.Bottom);

    const Flow none = LayOutFlow({}, 4, 258, 60);
    EXPECT_TRUE(none.Places.empty());
    EXPECT_EQ(4, none.Bottom);
}
