#include "HitZone.h"

#include "Skins.h"

namespace {
bool Inside(const TZone& z, int x, int y)
{
    return z.Left < x && x < z.Right && z.Top < y && y < z.Bottom;
}
} // namespace

int HitZone(int x, int y)
{
    int zone = 0;
    if (Inside(Skin.Zone1, x, y))
        zone = 1;
    if (Inside(Skin.Zone2, x, y))
        zone = 2;
    if (Inside(Skin.Zone3, x, y))
        zone = 3;
    return zone;
}
