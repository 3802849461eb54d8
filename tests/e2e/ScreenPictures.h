// Pictures as the user sees them: the program's own, a skin's, and the screen's
// pixels compared with them.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The built-in start picture, read from the exe's own resources.
struct Picture {
    int Width = 0, Height = 0;
    std::vector<uint32_t> Pixels;  // top-down, 0x00RRGGBB
    uint32_t At(int x, int y) const { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
};
Picture BuiltInPicture(const std::string& exe, int id = 100);
// A skin's picture, through the program's own bitmap reader.
Picture PictureFile(const std::string& path);

// The screen's pixels in a rectangle.
Picture ScreenArea(int left, int top, int width, int height);

// How many pixels of the window's screen area differ from the picture: where
// the picture is maroon the screen must show what lies beneath (`under`, when
// known), elsewhere the picture itself.
int ScreenMismatches(HWND startButton, const Picture& pic, const Picture* under);
// Whether the screen shows the picture wherever it is not see-through; quiet,
// for waiting on.
bool ButtonSeen(HWND startButton, const Picture& pic);
