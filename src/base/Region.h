// The shape of a window whose pictures have a see-through colour.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct RunRect {
    int32_t Left, Top, Right, Bottom;
};

// The most rectangles a window's shape is made of. The system takes time
// that grows faster than their number (a 256 x 256 checkerboard of see-through
// pixels kept Wine busy for minutes); a picture with more holes than this is
// shown whole instead.
const size_t MaxShapeRects = 4096;

// Rectangles covering every pixel of a top-down 32-bit picture (0x00RRGGBB
// per pixel) whose colour differs from `key`. Neighbouring rows with the same
// runs are merged, so a plain picture gives a handful of rectangles. Past
// `maxRects` the one rectangle of the whole picture.
std::vector<RunRect> OpaqueRuns(const uint32_t* pixels, int width, int height, uint32_t key,
                                size_t maxRects = MaxShapeRects);
