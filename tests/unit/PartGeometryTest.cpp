#include <gtest/gtest.h>

#include "model/PartGeometry.h"
#include "model/SkinFile.h"

// The zones' boxes answer as HitZone does on every point of the picture,
// overlaps, an empty zone ("-1" in the file) and a zone past the edge among
// them; of overlapping boxes the higher layer wins, whatever their order.
TEST(PartGeometry, ThePartAtAPointIsTheZoneThereAndTheTopmostBox)
{
    SkinMetrics skin;
    skin.StartWidth = 96;
    skin.StartHeight = 30;
    skin.StartMenuZone = {0, 0, 68, 30};
    skin.MainMenuZone = {60, 0, 120, 30};
    skin.PanelZone = {80, 10, 96, 20};
    for (int round = 0; round < 2; ++round) {
        const std::vector<PartBox> zones = {ZoneBox(skin, StartMenuHit), ZoneBox(skin, MainMenuHit),
                                            ZoneBox(skin, PanelHit)};
        for (int x = -1; x <= skin.StartWidth; ++x)
            for (int y = -1; y <= skin.StartHeight; ++y)
                ASSERT_EQ(x < 0 || y < 0 || x == skin.StartWidth || y == skin.StartHeight ? 0 : HitZone(skin, x, y),
                          PartAt(zones, x, y))
                    << x << "," << y;
        skin.StartMenuZone = {65535, 0, 65535, 30};
    }
    EXPECT_EQ(0, ZoneBox(skin, StartMenuHit).Width);
    EXPECT_EQ(1, PartAt({{0, 0, 24, 24, 8}, {10, 0, 24, 24, 1}}, 12, 5)) << "button 8 drawn over button 1";
}

// A panel's row and a start button's zones stacked in two rows.
TEST(PartGeometry, TheNeighbourInADirectionIsTheNearestBeyondTheMiddle)
{
    const std::vector<PartBox> row = {{4, 9, 24, 24, 1}, {30, 9, 24, 24, 2}, {56, 9, 40, 24, 3}};
    EXPECT_EQ(2, PartToward(row, 1, Toward::Right));
    EXPECT_EQ(2, PartToward(row, 3, Toward::Left));
    EXPECT_EQ(0, PartToward(row, 3, Toward::Right));
    EXPECT_EQ(0, PartToward(row, 2, Toward::Up));
    const std::vector<PartBox> grid = {{0, 0, 50, 10, 1}, {50, 0, 50, 10, 2}, {0, 10, 100, 10, 3}};
    EXPECT_EQ(3, PartToward(grid, 2, Toward::Down));
    EXPECT_EQ(1, PartToward(grid, 3, Toward::Up)) << "two as near: the first";
    EXPECT_EQ(0, PartToward(grid, 4, Toward::Up)) << "no such part";
}
