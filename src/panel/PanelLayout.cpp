#include "PanelLayout.h"

#include "../app/Settings.h"
#include "../app/Skins.h"

PanelRect PanelBounds(int32_t screenHeight, int32_t frameWidth)
{
    const int32_t n = Ini.numbut, w = Skin.ButtonWidth, g = Skin.ButtonGap;
    return {0, screenHeight - Skin.StartHeight - Skin.PanelHeight, n * w + 2 * frameWidth + g * (n + 1),
            Skin.PanelHeight};
}

ButtonPlace ButtonHome(uint8_t slot, int32_t frameWidth)
{
    const int32_t w = Skin.ButtonWidth, g = Skin.ButtonGap;
    return {g + frameWidth + (w + g) * (int32_t(slot) - 1), Skin.ButtonTop};
}

int32_t MenuPopupTop(int32_t panelTop, uint8_t count)
{
    return count == 0 ? panelTop - 41 : panelTop - (int32_t(count) * 17 + 49);
}
