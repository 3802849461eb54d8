#include "SkinFile.h"

#include "../base/BmpFile.h"
#include "../base/Convert.h"
#include "../base/Errors.h"
#include "../base/Files.h"
#include "PanelButtons.h"

const BuiltInSkin BuiltInSkins[4] = {
    {"Skins\\xpdefault\\", "xpdef.qvs"},
    {"Skins\\xpclassic\\", "classic.qvs"},
    {"Skins\\xpbutton\\", "xpbutblue.qvs"},
    {"Skins\\win98\\", "win98.qvs"},
};

void ReadSkinFrom(TextReader& in, SkinMetrics& skin)
{
    uint16_t* const fields[] = {
        &skin.PanelHeight,
        &skin.StartMenuZone.Left, &skin.StartMenuZone.Top, &skin.StartMenuZone.Right, &skin.StartMenuZone.Bottom,
        &skin.MainMenuZone.Left, &skin.MainMenuZone.Top, &skin.MainMenuZone.Right, &skin.MainMenuZone.Bottom,
        &skin.PanelZone.Left, &skin.PanelZone.Top, &skin.PanelZone.Right, &skin.PanelZone.Bottom,
        &skin.ButtonWidth, &skin.ButtonGap, &skin.ButtonTop,
    };
    for (uint16_t* field : fields) {
        // One character past the longest word taken, so that a cut word is
        // refused rather than read as its first part.
        const std::string word = in.ReadWord(MaxSkinWord + 1);
        int32_t value = 0;
        if (!word.empty() && (word.size() > MaxSkinWord || !TryStrToInt(word, value)))
            throw InOutError(ioInvalidInput);
        *field = uint16_t(value);
    }
}

void UseBuiltInZones(SkinMetrics& skin, uint16_t pictureWidth, uint16_t pictureHeight)
{
    // "start", the arrow, the dots; as in every skin, an edge lies outside
    // its zone, so neighbours share the column between them.
    const auto at = [pictureWidth](uint32_t x) { return uint16_t(x * pictureWidth / 95); };
    skin.StartWidth = pictureWidth;
    skin.StartHeight = pictureHeight;
    skin.StartMenuZone = {0, 0, at(68), pictureHeight};
    skin.MainMenuZone = {at(67), 0, at(81), pictureHeight};
    skin.PanelZone = {at(80), 0, pictureWidth, pictureHeight};
}

void ReadSkinFile(const std::string& path, SkinMetrics& skin)
{
    AboutFile(path, [&] {
        TextReader in(path);
        ReadSkinFrom(in, skin);
    });
}

namespace {
// How often the program decodes a file of the skin's folder: the end piece
// of the panel once for each end, every other picture once, any other file
// never. Windows finds "Back.BMP" for "back.bmp".
int64_t Decodes(const std::string& file)
{
    const std::string name = LowerCase(file);
    if (name == "back.bmp")
        return 2;
    if (name == "normal.bmp" || name == "center.bmp")
        return 1;
    for (int k = 1; k <= PanelButtonCount; ++k)
        if (name == PanelButtons[k].File)
            return 1;
    return 0;
}
const int64_t SkinDecodes = 4 + PanelButtonCount;
} // namespace

int64_t SkinPicturesClaim(const std::string& folder)
{
    int64_t total = 0;
    for (const std::string& name : FilesIn(folder)) {
        const int64_t times = Decodes(name);
        if (times == 0)
            continue;
        uint8_t header[138];
        size_t got = 0;
        try {
            InFile in(folder + PathSeparator + name);
            for (size_t n; got < sizeof header && (n = in.Read(reinterpret_cast<char*>(header) + got,
                                                                sizeof header - got)) > 0;)
                got += n;
        } catch (const InOutError&) {
            continue;  // its own load reports it
        }
        const BmpDimensions size = ClaimedBmpSize(header, got);
        if (BmpSizeTaken(size))
            total += times * size.Width * size.Height;
    }
    return total;
}

void WeighSkinPicture(const std::string& path, const uint8_t* data, size_t size)
{
    // A skin decodes twelve pictures, so pictures of a twelfth of the limit
    // cannot pass it together: only a larger one, which no real skin has,
    // has the others' headers read.
    const BmpDimensions own = ClaimedBmpSize(data, size);
    if (!BmpSizeTaken(own) || own.Width * own.Height <= MaxSkinPixels / SkinDecodes)
        return;  // the decoder judges it alone
    const size_t slash = path.find_last_of("\\/");
    if (SkinPicturesClaim(slash == std::string::npos ? "." : path.substr(0, slash)) > MaxSkinPixels)
        throw InvalidPicture();
}
