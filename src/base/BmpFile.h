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

// How large a picture may be, whatever its file's size: a run-length file of
// a kilobyte may claim any size, the rest of it black. A skin's pictures are
// shown on one screen, the start button in the taskbar and the panel just
// above it, and the largest screen any Windows drives is 8K, 7680 x 4320 (or
// turned on its side). So no side is longer than that screen's width,
// rounded up; no picture holds more than about half that screen (a 4096 x
// 4096 square, 64 MB decoded); and all of a skin's pictures together, as often as
// the program decodes each, hold no more than the whole screen (128 MB). Our
// own skins' largest picture is 100 x 30, and all of one skin 11 thousand
// pixels; eleven files of a kilobyte once claimed 16384 x 1024 each, 800 MB.
const int64_t MaxBmpSide = 8192;
const int64_t MaxBmpPixels = int64_t(1) << 24;
const int64_t MaxSkinPixels = int64_t(1) << 25;

struct BmpDimensions {
    int64_t Width = 0, Height = 0;
};
// The size a .bmp file's header claims (the height made positive), read
// without decoding; the first 138 bytes of a file are always enough. {0, 0}
// when they are not the header of a bitmap.
BmpDimensions ClaimedBmpSize(const uint8_t* data, size_t size);
// Whether a picture of that size is within the limits above.
bool BmpSizeTaken(BmpDimensions s);

// Decodes a whole .bmp file held in memory. Anything that is not a valid
// bitmap, or larger than the limits above, throws InvalidPicture before the
// picture is allocated. Never reads outside [data, data+size).
DibImage DecodeBmp(const uint8_t* data, size_t size);
