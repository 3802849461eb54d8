#include "Skins.h"

#include "../toolkit/Convert.h"
#include "../toolkit/Errors.h"
#include "../toolkit/Files.h"
#include "Settings.h"

TSkin Skin;

const BuiltInSkin BuiltInSkins[4] = {
    {"Skins\\xpdefault\\", "xpdef.qvs"},
    {"Skins\\xpclassic\\", "classic.qvs"},
    {"Skins\\xpbutton\\", "xpbutblue.qvs"},
    {"Skins\\win98\\", "win98.qvs"},
};

void ReadSkinFrom(TextReader& in)
{
    uint16_t* const fields[] = {
        &Skin.PanelHeight,
        &Skin.Zone1.Left, &Skin.Zone1.Top, &Skin.Zone1.Right, &Skin.Zone1.Bottom,
        &Skin.Zone2.Left, &Skin.Zone2.Top, &Skin.Zone2.Right, &Skin.Zone2.Bottom,
        &Skin.Zone3.Left, &Skin.Zone3.Top, &Skin.Zone3.Right, &Skin.Zone3.Bottom,
        &Skin.ButtonWidth, &Skin.ButtonGap, &Skin.ButtonTop,
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

void UseBuiltInZones(uint16_t pictureWidth, uint16_t pictureHeight)
{
    // "start", the arrow, the dots; as in every skin, an edge lies outside
    // its zone, so neighbours share the column between them.
    Skin.StartWidth = pictureWidth;
    Skin.StartHeight = pictureHeight;
    Skin.Zone1 = {0, 68, 0, pictureHeight};
    Skin.Zone2 = {67, 81, 0, pictureHeight};
    Skin.Zone3 = {80, pictureWidth, 0, pictureHeight};
}

void ReadSkinFile()
{
    TextReader in(SkinDir + Ini.skin);
    ReadSkinFrom(in);
}
