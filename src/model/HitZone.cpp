#include "HitZone.h"

#include <algorithm>
#include <vector>

namespace {
bool Inside(const Zone& z, int x, int y)
{
    return z.Left < x && x < z.Right && z.Top < y && y < z.Bottom;
}
} // namespace

ZoneHit HitZone(const SkinMetrics& skin, int x, int y)
{
    ZoneHit zone = NoZone;
    if (Inside(skin.StartMenuZone, x, y))
        zone = StartMenuHit;
    if (Inside(skin.MainMenuZone, x, y))
        zone = MainMenuHit;
    if (Inside(skin.PanelZone, x, y))
        zone = PanelHit;
    return zone;
}

bool ZoneReachable(const SkinMetrics& skin, ZoneHit zone)
{
    // HitZone is the same all over each cell between neighbouring zone edges:
    // the first point of every cell stands for it.
    std::vector<int> xs = {0}, ys = {0};
    for (const Zone* z : {&skin.StartMenuZone, &skin.MainMenuZone, &skin.PanelZone}) {
        xs.insert(xs.end(), {z->Left + 1, int(z->Right)});
        ys.insert(ys.end(), {z->Top + 1, int(z->Bottom)});
    }
    for (int x : xs)
        for (int y : ys)
            if (x < skin.StartWidth && y < skin.StartHeight && HitZone(skin, x, y) == zone)
                return true;
    return false;
}
