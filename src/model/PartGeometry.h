// Where the parts of a window lie, as tools that read the screen to the user
// find them: which part a point is over, and which part stands next to
// another in a direction.
#pragma once
#include <cstdint>
#include <vector>

#include "HitZone.h"

// A part's rectangle (Left and Top inside, Left + Width and Top + Height
// outside); of two parts over one point, the one of the higher Layer is
// drawn on top.
struct PartBox {
    int32_t Left, Top, Width, Height;
    int Layer;
};

// The part (1 for parts[0]) under the point, 0 for none.
int PartAt(const std::vector<PartBox>& parts, int32_t x, int32_t y);

enum class Toward { Up, Down, Left, Right };
// The nearest part whose middle lies beyond the middle of part `from` in that
// direction, 0 for none.
int PartToward(const std::vector<PartBox>& parts, int from, Toward where);

// The points of the start picture that lie in `zone` (as HitZone decides
// before later zones are drawn over it), on its Layer: the zone's number.
PartBox ZoneBox(const SkinMetrics& skin, ZoneHit zone);
