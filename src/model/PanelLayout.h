// Where the panel and its buttons go, from the settings and the skin. All in
// signed 32-bit arithmetic on the unsigned settings, so that a slot of 0 or
// above the slot count still gives a place (off the panel, or over a frame).
#pragma once
#include <cstdint>

#include "StartShape.h"

struct SkinMetrics;

struct PanelRect {
    int32_t Left, Top, Width, Height;
};

struct ButtonPlace {
    int32_t Left, Top;
};

// `frameWidth` is the width of "back.bmp", used at both ends; `slotCount` the
// settings' number of slots in use.
PanelRect PanelBounds(const SkinMetrics& skin, uint8_t slotCount, int32_t screenHeight, int32_t frameWidth);
// Where the panel starts on a monitor: at its left edge, its bottom
// `StartHeight` above the monitor's bottom (just above a start button in
// the corner of a taskbar as thin as the button), or right on the top edge
// of `bottomTaskbar` where one is given and lies along that bottom: the
// taskbars of Vista on are thicker than the button.
PanelRect PanelStartPlace(const SkinMetrics& skin, uint8_t slotCount, int32_t frameWidth, const ScreenRect& monitor,
                          const ScreenRect* bottomTaskbar);
ButtonPlace ButtonHome(const SkinMetrics& skin, uint8_t slot, int32_t frameWidth);
// The top edge of the folder or program menu popped up above a panel whose
// top edge is `panelTop`, for a list of `count` entries: 17 pixels an entry,
// 41 for the add and delete items in the menu's frame, 8 more with the
// separator.
int32_t MenuPopupTop(int32_t panelTop, uint8_t count);
