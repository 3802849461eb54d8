// Skin metrics and the skin description file (*.qvs): sixteen numbers, one per
// line, that place the panel and the start button's three zones.
#pragma once
#include <cstddef>
#include <cstdint>

struct TZone {
    uint16_t Left, Right, Top, Bottom;
};

struct TSkin {
    uint16_t StartWidth, StartHeight;  // the size of "normal.bmp"
    uint16_t PanelHeight;
    TZone Zone1, Zone2, Zone3;
    uint16_t ButtonWidth;
    uint16_t ButtonGap;
    uint16_t ButtonTop;
};

extern TSkin Skin;

// The skins that come with the program, below ExeDir; the first is the default.
struct BuiltInSkin {
    const char* Folder;  // "Skins\xpdefault\"
    const char* File;    // "xpdef.qvs"
};
enum { StandardXP, ClassicalXP, ButtonXP, ClassicalWin98 };
extern const BuiltInSkin BuiltInSkins[4];

// Reads SkinDir + Ini.skin into the sixteen file-fed fields of Skin, in file
// order: panel height; each zone's left, top, right, bottom; button width,
// gap and top. A number past the end of the file is 0. A word that is not a
// number throws "Invalid numeric input"; the fields before it keep their new
// values.
void ReadSkinFile();
// The zones of the start button's own picture, shown until a skin's is
// loaded: a skin that fails at start still leaves its menu within reach.
void UseBuiltInZones(uint16_t pictureWidth, uint16_t pictureHeight);
// A longer word is no number, whatever it starts with.
const size_t MaxSkinWord = 64;
void ReadSkinFrom(class TextReader& in);
