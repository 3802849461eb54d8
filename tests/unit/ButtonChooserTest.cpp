#include <gtest/gtest.h>

#include "model/Settings.h"
#include "model/ButtonChooser.h"

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
