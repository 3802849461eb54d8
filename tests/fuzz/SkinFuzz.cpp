// Skin descriptions come with skins downloaded from anywhere: reading one may
// fail with "Invalid numeric input" and nothing worse.
#include "model/SkinFile.h"
#include "base/Errors.h"
#include "base/Files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SkinMetrics skin;
    TextReader in = TextReader::FromMemory(std::string(reinterpret_cast<const char*>(data), size));
    try {
        ReadSkinFrom(in, skin);
    } catch (const Exception&) {
    }
    return 0;
}
