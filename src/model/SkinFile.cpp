#include "SkinFile.h"

#include "../base/Convert.h"
#include "../base/Errors.h"
#include "../base/Files.h"

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
            throw EInOutError(ioInvalidInput);
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
