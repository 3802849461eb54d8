// Skin metrics and the skin description file (*.qvs): sixteen numbers, one per
// line, that place the panel and the start button's three zones.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// A zone of the start button's picture; its edges lie outside it. The fields
// stand in the description file's order.
struct Zone {
    uint16_t Left, Top, Right, Bottom;
};

struct SkinMetrics {
    uint16_t StartWidth = 0, StartHeight = 0;  // the size of "normal.bmp"
    uint16_t PanelHeight = 0;
    Zone StartMenuZone = {};  // zone 1: the system Start menu
    Zone MainMenuZone = {};   // zone 2: Quorvel's own menu
    Zone PanelZone = {};      // zone 3: shows and hides the panel
    uint16_t ButtonWidth = 0;
    uint16_t ButtonGap = 0;
    uint16_t ButtonTop = 0;
};

// The skins that come with the program, below the program's folder; the
// first is the default.
struct BuiltInSkin {
    const char* Folder;  // "Skins\xpdefault\"
    const char* File;    // "xpdef.qvs"
};
enum BuiltInSkinId { StandardXP, ClassicalXP, ButtonXP, ClassicalWin98 };
extern const BuiltInSkin BuiltInSkins[4];

// Reads the description file at `path` into the sixteen file-fed fields, in
// file order: panel height; each zone's left, top, right, bottom; button
// width, gap and top. A number past the end of the file is 0. A word that is
// not a number throws "Invalid numeric input"; the fields before it keep
// their new values.
void ReadSkinFile(const std::string& path, SkinMetrics& skin);
void ReadSkinFrom(class TextReader& in, SkinMetrics& skin);
// The zones of the start button's own picture (95 pixels wide), shown until a
// skin's is loaded, stretched to the width of another: a skin that fails at
// start, or whose description gives no zone to reach a menu by, still leaves
// both menus within reach.
void UseBuiltInZones(SkinMetrics& skin, uint16_t pictureWidth, uint16_t pictureHeight);
// Before a picture of a skin is decoded (`path` in the skin's folder, `data`
// the whole file): throws InvalidPicture when the skin's pictures together,
// as often as the program decodes each, claim more than MaxSkinPixels, so
// that a skin too large is refused before any of its pictures is allocated.
void WeighSkinPicture(const std::string& path, const uint8_t* data, size_t size);
// What the pictures of the skin in `folder` claim together, read from their
// headers; a picture the decoder refuses on its own counts nothing.
int64_t SkinPicturesClaim(const std::string& folder);
// A longer word is no number, whatever it starts with.
const size_t MaxSkinWord = 64;
