#include "ScreenPictures.h"

#include <gtest/gtest.h>

#include "Harness.h"
#include "base/BmpFile.h"

Picture BuiltInPicture(const std::string& exe, int id)
{
    Picture p;
    HMODULE mod = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HBITMAP bmp = HBITMAP(LoadImageA(mod, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP info;
    if (bmp && GetObjectA(bmp, sizeof info, &info)) {
        p.Width = info.bmWidth;
        p.Height = info.bmHeight;
        p.Pixels.resize(size_t(p.Width) * size_t(p.Height));
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = p.Width;
        bi.bmiHeader.biHeight = -p.Height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        HDC dc = GetDC(nullptr);
        GetDIBits(dc, bmp, 0, UINT(p.Height), p.Pixels.data(), &bi, DIB_RGB_COLORS);
        ReleaseDC(nullptr, dc);
        for (uint32_t& px : p.Pixels)
            px &= 0xFFFFFF;
    }
    if (bmp)
        DeleteObject(bmp);
    if (mod)
        FreeLibrary(mod);
    return p;
}

Picture PictureFile(const std::string& path)
{
    const std::string bytes = ReadBytes(path);
    const DibImage image = DecodeBmp(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    Picture p;
    p.Width = image.Width;
    p.Height = image.Height;
    p.Pixels = image.Pixels;
    return p;
}

Picture ScreenArea(int left, int top, int width, int height)
{
    Picture p;
    p.Width = width;
    p.Height = height;
    HDC screen = GetDC(nullptr);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = GetPixel(screen, left + x, top + y);
            p.Pixels.push_back((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
        }
    ReleaseDC(nullptr, screen);
    return p;
}

int ScreenMismatches(HWND startButton, const Picture& pic, const Picture* under)
{
    RECT r;
    GetWindowRect(startButton, &r);
    HDC screen = GetDC(nullptr);
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    int bad = 0;
    for (int y = 0; y < pic.Height; ++y)
        for (int x = 0; x < pic.Width; ++x) {
            if (r.left + x >= sw || r.top + y >= sh)
                continue;  // the part of a 31-pixel button below a 30-pixel taskbar
            const COLORREF c = GetPixel(screen, r.left + x, r.top + y);
            const uint32_t seen = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            const bool key = pic.At(x, y) == 0x800000;
            if (key && !under)
                continue;
            const uint32_t want = key ? under->At(x, y) : pic.At(x, y);
            if (seen != want && ++bad <= 5)
                ADD_FAILURE() << "pixel " << x << "," << y << ": screen " << std::hex << seen << ", expected "
                              << want;
        }
    ReleaseDC(nullptr, screen);
    return bad;
}

bool ButtonSeen(HWND startButton, const Picture& pic)
{
    RECT r;
    GetWindowRect(startButton, &r);
    const Picture screen = ScreenArea(r.left, r.top, pic.Width, pic.Height);
    for (int y = 0; y < pic.Height && r.top + y < GetSystemMetrics(SM_CYSCREEN); ++y)
        for (int x = 0; x < pic.Width; ++x)
            if (pic.At(x, y) != 0x800000 && screen.At(x, y) != pic.At(x, y))
                return false;
    return true;
}
