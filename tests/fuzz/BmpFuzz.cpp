// Skin pictures come from anywhere. A file is either refused as not a valid
// bitmap or decoded into a picture of the size its header promises.
#include "base/BmpFile.h"
#include "base/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DibImage img;
    try {
        img = DecodeBmp(data, size);
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    if (img.Width <= 0 || img.Height <= 0 || img.Width > 16384 || img.Height > 16384 ||
        img.Pixels.size() != size_t(img.Width) * size_t(img.Height) || img.Pixels.size() > 16777216)
        __builtin_trap();
    for (uint32_t p : img.Pixels)
        if (p >> 24)
            __builtin_trap();
    return 0;
}
