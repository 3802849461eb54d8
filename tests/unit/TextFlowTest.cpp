#include <gtest/gtest.h>

#include "model/TextFlow.h"

namespace {
FlowItem Text(int width, int height, int gap)
{
    return {width, height, gap, false, 108};
}
FlowItem After(int width, int height)
{
    return {width, height, 0, true, 108};
}
std::vector<int> Ys(const Flow& flow)
{
    std::vector<int> ys;
    for (const FlowPlace& p : flow.Places)
        ys.push_back(p.Y);
    return ys;
}
} // namespace

// About at 96 dots per inch keeps the places it always had: each link after
// its label, the second ending exactly at the right edge. One pixel more and
// it goes under its label, with no gap, on a line as tall as its tallest item.
TEST(TextFlow, FollowersStayBesideWhileTheyFitAndGoUnderWithoutAGap)
{
    std::vector<FlowItem> about = {Text(91, 20, 10), Text(109, 13, 10), Text(55, 13, 5), Text(28, 13, 15),
                                   After(118, 13),   Text(34, 13, 5),   After(116, 13)};
    Flow flow = LayOutFlow(about, 0, 258, 142);
    EXPECT_EQ(std::vector<int>({10, 40, 58, 86, 86, 104, 104}), Ys(flow));
    EXPECT_EQ(136, flow.Places[4].X);
    EXPECT_EQ(142, flow.Places[6].X);
    EXPECT_FALSE(flow.Shrunk);
    EXPECT_EQ(117, flow.Bottom);

    about[6].Width = 117;
    about.push_back(After(20, 16));
    flow = LayOutFlow(about, 0, 258, 142);
    EXPECT_EQ(108, flow.Places[6].X);
    EXPECT_EQ(225, flow.Places[7].X);
    EXPECT_EQ(std::vector<int>({10, 40, 58, 86, 86, 104, 117, 117}), Ys(flow));
    EXPECT_EQ(133, flow.Bottom);
}

// Too tall for the height: every gap cut by the same share, the last line
// ending inside; taller even without gaps: no gaps, and the bottom says how
// far past it is.
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
}

// Gaps that keep half of themselves at least: cut to half and no further,
// the flow ending below the bottom by what is still missing.
TEST(TextFlow, GapsKeepTheirShareAndTheFlowEndsBelow)
{
    const Flow half = LayOutFlow({Text(10, 20, 10), Text(10, 16, 10), Text(10, 16, 20)}, 0, 258, 62, 50);
    EXPECT_TRUE(half.Shrunk);
    EXPECT_EQ(std::vector<int>({5, 30, 56}), Ys(half));
    EXPECT_EQ(72, half.Bottom);
}
