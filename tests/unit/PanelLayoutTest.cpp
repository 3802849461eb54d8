#include <gtest/gtest.h>

#include "model/SkinFile.h"
#include "model/PanelLayout.h"

#include <utility>

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

TEST(PanelLayout, StartsAtItsMonitorsLeftEdgeJustAboveThatMonitorsBottomTaskbar)
{
    const SkinMetrics skin = Slots(24, 2);
    const ScreenRect primary = {0, 0, 1024, 768}, second = {1024, 0, 1824, 600}, left = {-800, 168, 0, 768};
    const auto at = [&](const ScreenRect& monitor, const ScreenRect* tray) {
        const PanelRect r = PanelStartPlace(skin, 3, 11, monitor, tray);
        EXPECT_EQ(102, r.Width);
        return std::make_pair(r.Left, r.Top);
    };
    EXPECT_EQ(std::make_pair(0, 768 - 30 - 34), at(primary, nullptr)) << "no taskbar given: as on XP";
    const ScreenRect primaryTray = {0, 728, 1024, 768}, secondTray = {1024, 560, 1824, 600};
    EXPECT_EQ(std::make_pair(0, 728 - 34), at(primary, &primaryTray));
    EXPECT_EQ(std::make_pair(1024, 560 - 34), at(second, &secondTray));
    EXPECT_EQ(std::make_pair(-800, 768 - 30 - 34), at(left, nullptr));
    EXPECT_EQ(std::make_pair(1024, 600 - 30 - 34), at(second, &primaryTray)) << "another monitor's taskbar";
    const ScreenRect top = {1024, 0, 1824, 40}, side = {1784, 0, 1824, 600}, slidAway = {1024, 598, 1824, 638};
    for (const ScreenRect& tray : {top, side, slidAway})
        EXPECT_EQ(std::make_pair(1024, 600 - 30 - 34), at(second, &tray));
    const ScreenRect pastTheEdge = {1022, 562, 1826, 602};
    EXPECT_EQ(std::make_pair(1024, 562 - 34), at(second, &pastTheEdge));
}
