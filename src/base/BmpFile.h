// Our own bitmap reader: skins are downloaded from anywhere, so their
// pictures are decoded here, where every field is checked, rather than by a
// system loader that trusts them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct DibImage {
    int32_t Width = 0, Height = 0;  // both > 0 after a successful decode
    std::vector<uint32_t> Pixels;   // Width*Height, top-down rows, 0x00RRGGBB
};

// Decodes a whole .bmp file held in memory. Anything that is not a valid
// bitmap throws EInvalidGraphic. Never reads outside [data, data+size) and
// never allocates more than 16384 pixels a side or 16M pixels in all.
DibImage DecodeBmp(const uint8_t* data, size_t size);
