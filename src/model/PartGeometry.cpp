#include "PartGeometry.h"

#include <algorithm>
#include <cstdlib>

int PartAt(const std::vector<PartBox>& parts, int32_t x, int32_t y)
{
    int found = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        const PartBox& p = parts[i];
        if (x >= p.Left && x - p.Left < p.Width && y >= p.Top && y - p.Top < p.Height &&
            (!found || p.Layer >= parts[found - 1].Layer))
            found = int(i) + 1;
    }
    return found;
}

int PartToward(const std::vector<PartBox>& parts, int from, Toward where)
{
    if (from < 1 || size_t(from) > parts.size())
        return 0;
    // Middles doubled, so that they stay whole.
    const PartBox& f = parts[from - 1];
    const int64_t fx = 2 * int64_t(f.Left) + f.Width, fy = 2 * int64_t(f.Top) + f.Height;
    int best = 0;
    int64_t bestDistance = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        const int64_t dx = 2 * int64_t(parts[i].Left) + parts[i].Width - fx;
        const int64_t dy = 2 * int64_t(parts[i].Top) + parts[i].Height - fy;
        const bool across = where == Toward::Left || where == Toward::Right;
        const int64_t ahead = where == Toward::Right  ? dx
                              : where == Toward::Left ? -dx
                              : where == Toward::Down ? dy
                                                      : -dy;
        // A step aside counts twice a step ahead: the row before the diagonal.
        const int64_t distance = ahead + 2 * std::llabs(across ? dy : dx);
        if (ahead > 0 && (!best || distance < bestDistance)) {
            best = int(i) + 1;
            bestDistance = distance;
        }
    }
    return best;
}

PartBox ZoneBox(const SkinMetrics& skin, ZoneHit zone)
{
    const Zone& z = zone == StartMenuHit  ? skin.StartMenuZone
                    : zone == MainMenuHit ? skin.MainMenuZone
                                          : skin.PanelZone;
    // HitZone leaves the edges out.
    const int32_t left = z.Left + 1, top = z.Top + 1;
    const int32_t right = std::min<int32_t>(z.Right, skin.StartWidth);
    const int32_t bottom = std::min<int32_t>(z.Bottom, skin.StartHeight);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top), int(zone)};
}
