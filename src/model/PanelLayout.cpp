#include "PanelLayout.h"

#include "SkinFile.h"

PanelRect PanelBounds(const SkinMetrics& skin, uint8_t slotCount, int32_t screenHeight, int32_t frameWidth)
{
    const int32_t n = slotCount, w = skin.ButtonWidth, g = skin.ButtonGap;
    return {0, screenHeight - skin.StartHeight - skin.PanelHeight, n * w + 2 * frameWidth + g * (n + 1),
            skin.PanelHeight};
}

PanelRect PanelStartPlace(const SkinMetrics& skin, uint8_t slotCount, int32_t frameWidth, const ScreenRect& monitor,
                          const ScreenRect* bottomTaskbar)
{
    PanelRect r = PanelBounds(skin, slotCount, monitor.Bottom - monitor.Top, frameWidth);
    r.Left = monitor.Left;
    r.Top += monitor.Top;
    if (bottomTaskbar && AtBottomOf(*bottomTaskbar, monitor))
        r.Top = bottomTaskbar->Top - skin.PanelHeight;
    return r;
}

ButtonPlace ButtonHome(const SkinMetrics& skin, uint8_t slot, int32_t frameWidth)
{
    const int32_t w = skin.ButtonWidth, g = skin.ButtonGap;
    return {g + frameWidth + (w + g) * (int32_t(slot) - 1), skin.ButtonTop};
}

int32_t MenuPopupTop(int32_t panelTop, uint8_t count)
{
    return count == 0 ? panelTop - 41 : panelTop - (int32_t(count) * 17 + 49);
}
