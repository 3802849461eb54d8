#include "HitZone.h"

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
    int xs[7] = {0}, ys[7] = {0}, n = 1;
    for (const Zone* z : {&skin.StartMenuZone, &skin.MainMenuZone, &skin.PanelZone}) {
        xs[n] = z->Left + 1, ys[n++] = z->Top + 1;
        xs[n] = z->Right, ys[n++] = z->Bottom;
    }
    for (int x : xs)
        for (int y : ys)
            if (x < skin.StartWidth && y < skin.StartHeight && HitZone(skin, x, y) == zone)
                return true;
    return false;
}
