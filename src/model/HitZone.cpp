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
