#include <gtest/gtest.h>

#include "model/HitZone.h"
#include "model/SkinFile.h"

TEST(HitZone, EdgesAreOutsideAndTheLaterZoneWins)
{
    SkinMetrics skin;
    skin.StartMenuZone = {0, 0, 68, 30};  // Left, Top, Right, Bottom
    skin.MainMenuZone = {60, 0, 81, 30};
    skin.PanelZone = {80, 10, 96, 20};
    EXPECT_EQ(0, HitZone(skin, 0, 15));   // on the left edge
    EXPECT_EQ(1, HitZone(skin, 1, 1));
    EXPECT_EQ(0, HitZone(skin, 30, 0));   // on the top edge
    EXPECT_EQ(0, HitZone(skin, 30, 30));  // on the bottom edge
    EXPECT_EQ(2, HitZone(skin, 61, 15));  // in both 1 and 2
    EXPECT_EQ(2, HitZone(skin, 68, 15));  // zone 1's right edge, inside zone 2
    EXPECT_EQ(0, HitZone(skin, 81, 5));   // right of zone 2, above zone 3
    EXPECT_EQ(3, HitZone(skin, 81, 15));
    EXPECT_EQ(0, HitZone(skin, -5, 15));
    skin.StartMenuZone = {65535, 0, 65535, 30};  // "-1" in the file: nothing is inside
    EXPECT_EQ(0, HitZone(skin, 10, 10));
}

TEST(HitZone, AZoneIsReachableWhereItWinsInsideThePicture)
{
    SkinMetrics skin;
    skin.StartWidth = 96;
    skin.StartHeight = 30;
    EXPECT_FALSE(ZoneReachable(skin, MainMenuHit)) << "an empty description file";
    skin.StartMenuZone = {0, 0, 68, 30};
    skin.MainMenuZone = {67, 0, 81, 30};
    skin.PanelZone = {80, 0, 96, 30};
    for (ZoneHit z : {StartMenuHit, MainMenuHit, PanelHit})
        EXPECT_TRUE(ZoneReachable(skin, z)) << z;
    skin.MainMenuZone = {96, 0, 120, 30};
    EXPECT_FALSE(ZoneReachable(skin, MainMenuHit)) << "right of the picture";
    skin.MainMenuZone = {82, 2, 90, 20};
    EXPECT_FALSE(ZoneReachable(skin, MainMenuHit)) << "wholly under zone 3";
    skin.MainMenuZone = {0, 0, 200, 30};
    EXPECT_FALSE(ZoneReachable(skin, StartMenuHit)) << "wholly under zone 2";
    EXPECT_TRUE(ZoneReachable(skin, MainMenuHit));
}

TEST(HitZone, TheBuiltInZonesStretchOverAnyPicture)
{
    SkinMetrics skin;
    UseBuiltInZones(skin, 95, 31);
    EXPECT_EQ(68, skin.StartMenuZone.Right) << "the built-in picture's own zones";
    EXPECT_EQ(67, skin.MainMenuZone.Left);
    EXPECT_EQ(81, skin.MainMenuZone.Right);
    EXPECT_EQ(80, skin.PanelZone.Left);
    for (uint16_t width : {40, 90, 100, 400}) {
        UseBuiltInZones(skin, width, 30);
        for (ZoneHit z : {StartMenuHit, MainMenuHit, PanelHit})
            EXPECT_TRUE(ZoneReachable(skin, z)) << width << " " << z;
    }
}
