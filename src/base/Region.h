// The shape of a window whose pictures have a see-through colour.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct RunRect {
    int32_t Left, Top, Right, Bottom;
};

// Rectangles covering every pixel of a top-down 32-bit picture (0x00RRGGBB
// per pixel) whose colour differs from `key`. Neighbouring rows with the same
// runs are merged, so a plain picture gives a handful of rectangles.
std::vector<RunRect> OpaqueRuns(const uint32_t* pixels, int width, int height, uint32_t key);
