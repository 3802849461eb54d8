// Skin descriptions come with skins downloaded from anywhere: reading one may
// fail with "Invalid numeric input" and nothing worse.
#include "app/Skins.h"
#include "toolkit/Errors.h"
#include "toolkit/Files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Skin = {};
    TextReader in = TextReader::FromMemory(std::string(reinterpret_cast<const char*>(data), size));
    try {
        ReadSkinFrom(in);
    } catch (const Exception&) {
    }
    return 0;
}
