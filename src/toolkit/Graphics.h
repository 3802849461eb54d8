// Pictures and GDI handles, owned by small move-only types so that nothing
// leaks however often a window is rebuilt.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "../base/Region.h"

// A device-independent bitmap (DIB section) and its size.
class Bitmap {
public:
    Bitmap() = default;
    explicit Bitmap(HBITMAP handle);
    ~Bitmap();
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // One of the program's own pictures.
    static Bitmap FromResource(int id);
    // A .bmp file, validated before anything is drawn. Throws EFOpenError when
    // the file cannot be opened, EInvalidGraphic when it is not a bitmap.
    static Bitmap FromFile(const std::string& path);

    HBITMAP Handle() const { return Bmp; }
    bool Empty() const { return !Bmp; }
    int Width = 0;
    int Height = 0;

private:
    HBITMAP Bmp = nullptr;
};

// A memory device context with a bitmap selected into it, restored on exit.
class MemoryDC {
public:
    MemoryDC(HDC like, HBITMAP bitmap);
    ~MemoryDC();
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    operator HDC() const { return Dc; }

private:
    HDC Dc;
    HGDIOBJ Old;
};

// A 32-bit top-down surface to draw on and read back (0x00RRGGBB pixels).
class Surface {
public:
    Surface(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    HDC Dc() const { return Mem; }
    const uint32_t* Pixels() const { return Bits; }
    int Width, Height;

private:
    HBITMAP Bmp = nullptr;
    uint32_t* Bits = nullptr;
    HDC Mem = nullptr;
    HGDIOBJ Old = nullptr;
};

// The system's link pointer; Windows 95 has none, so our own there.
HCURSOR HandPointer();

// The system's text for an error code, without its closing full stop.
std::string SysErrorMessage(DWORD code);

// A region made of the rectangles; the caller owns it (SetWindowRgn takes it).
HRGN RegionFromRuns(const std::vector<RunRect>& runs);
