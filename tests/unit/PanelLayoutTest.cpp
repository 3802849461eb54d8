#include <gtest/gtest.h>

#include "model/SkinFile.h"
#include "model/PanelLayout.h"

namespace {
SkinMetrics Slots(uint16_t width, uint16_t gap)
{
    SkinMetrics skin;
    skin.ButtonWidth = width;
    skin.ButtonGap = gap;
    skin.ButtonTop = 5;
    skin.PanelHeight = 34;
    skin.StartHeight = 30;
    return skin;
}
} // namespace

TEST(PanelLayout, WorkedExample)
{
    const SkinMetrics skin = Slots(24, 2);
    const PanelRect r = PanelBounds(skin, 3, 768, 11);
    EXPECT_EQ(102, r.Width);
    EXPECT_EQ(0, r.Left);
    EXPECT_EQ(768 - 30 - 34, r.Top);
    EXPECT_EQ(34, r.Height);
    EXPECT_EQ(13, ButtonHome(skin, 1, 11).Left);
    EXPECT_EQ(39, ButtonHome(skin, 2, 11).Left);
    EXPECT_EQ(65, ButtonHome(skin, 3, 11).Left);
    EXPECT_EQ(5, ButtonHome(skin, 3, 11).Top);
}

TEST(PanelLayout, EdgeSlots)
{
    const SkinMetrics skin = Slots(24, 2);
    EXPECT_EQ(2 + 22, PanelBounds(skin, 0, 768, 11).Width);  // both frames and one gap
    // The slot after the last begins where the right frame begins.
    EXPECT_EQ(102 - 11, ButtonHome(skin, 4, 11).Left);
    // Slot 0 lies left of the panel; high slots far to the right, no wrap.
    EXPECT_EQ(13 - 26, ButtonHome(skin, 0, 11).Left);
    EXPECT_EQ(13 + 26 * 254, ButtonHome(skin, 255, 11).Left);
    EXPECT_EQ(255 * 65535 + 22 + 65535 * 256, PanelBounds(Slots(65535, 65535), 255, 768, 11).Width);
}

TEST(PanelLayout, MenusPopUpWithRoomForTheirEntries)
{
    EXPECT_EQ(700 - 41, MenuPopupTop(700, 0));
    EXPECT_EQ(700 - 100, MenuPopupTop(700, 3));
    EXPECT_EQ(700 - 389, MenuPopupTop(700, 20));
    EXPECT_EQ(-5 - 66, MenuPopupTop(-5, 1)) << "a panel dragged above the screen";
}
