#include <gtest/gtest.h>

#include "app/HitZone.h"
#include "app/Settings.h"
#include "app/Skins.h"
#include "panel/PanelLayout.h"

namespace {
void Slots(uint8_t numbut, uint16_t width, uint16_t gap)
{
    SetDefaultSettings();
    Skin = {};
    Ini.numbut = numbut;
    Skin.ButtonWidth = width;
    Skin.ButtonGap = gap;
    Skin.ButtonTop = 5;
    Skin.PanelHeight = 34;
    Skin.StartHeight = 30;
}
} // namespace

TEST(HitZone, EdgesAreOutsideAndTheLaterZoneWins)
{
    Skin = {};
    Skin.Zone1 = {0, 68, 0, 30};  // Left, Right, Top, Bottom
    Skin.Zone2 = {60, 81, 0, 30};
    Skin.Zone3 = {80, 96, 10, 20};
    EXPECT_EQ(0, HitZone(0, 15));   // on the left edge
    EXPECT_EQ(1, HitZone(1, 1));
    EXPECT_EQ(0, HitZone(30, 0));   // on the top edge
    EXPECT_EQ(0, HitZone(30, 30));  // on the bottom edge
    EXPECT_EQ(2, HitZone(61, 15));  // in both 1 and 2
    EXPECT_EQ(2, HitZone(68, 15));  // zone 1's right edge, inside zone 2
    EXPECT_EQ(0, HitZone(81, 5));   // right of zone 2, above zone 3
    EXPECT_EQ(3, HitZone(81, 15));
    EXPECT_EQ(0, HitZone(-5, 15));
    Skin.Zone1 = {65535, 65535, 0, 30};  // "-1" in the file: nothing is inside
    EXPECT_EQ(0, HitZone(10, 10));
}

TEST(PanelLayout, WorkedExample)
{
    Slots(3, 24, 2);
    const PanelRect r = PanelBounds(768, 11);
    EXPECT_EQ(102, r.Width);
    EXPECT_EQ(0, r.Left);
    EXPECT_EQ(768 - 30 - 34, r.Top);
    EXPECT_EQ(34, r.Height);
    EXPECT_EQ(13, ButtonHome(1, 11).Left);
    EXPECT_EQ(39, ButtonHome(2, 11).Left);
    EXPECT_EQ(65, ButtonHome(3, 11).Left);
    EXPECT_EQ(5, ButtonHome(3, 11).Top);
}

TEST(PanelLayout, EdgeSlots)
{
    Slots(0, 24, 2);
    EXPECT_EQ(2 + 22, PanelBounds(768, 11).Width);  // both frames and one gap
    Slots(3, 24, 2);
    // The slot after the last begins where the right frame begins.
    EXPECT_EQ(102 - 11, ButtonHome(4, 11).Left);
    // Slot 0 lies left of the panel; high slots far to the right, no wrap.
    EXPECT_EQ(13 - 26, ButtonHome(0, 11).Left);
    EXPECT_EQ(13 + 26 * 254, ButtonHome(255, 11).Left);
    Slots(255, 65535, 65535);
    EXPECT_EQ(255 * 65535 + 22 + 65535 * 256, PanelBounds(768, 11).Width);
}
