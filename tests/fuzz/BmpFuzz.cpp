// Skin pictures come from anywhere. A file is either refused as not a valid
// bitmap or decoded into a picture of the size its header promises, which is
// the size read from the header alone when a skin is weighed.
#include "base/BmpFile.h"
#include "base/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DibImage img;
    try {
        img = DecodeBmp(data, size);
    } catch (const InvalidPicture&) {
        return 0;
    }
    const BmpDimensions claimed = ClaimedBmpSize(data, size);
    if (claimed.Width != img.Width || claimed.Height != img.Height || !BmpSizeTaken(claimed) ||
        img.Pixels.size() != size_t(img.Width) * size_t(img.Height))
        __builtin_trap();
    for (uint32_t p : img.Pixels)
        if (p >> 24)
            __builtin_trap();
    return 0;
}
