// Pictures and GDI handles, owned by small move-only types so that nothing
// leaks however often a window is rebuilt.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "../base/Region.h"
#include "../base/Scoped.h"

// A device-independent bitmap (DIB section) and its size.
class Bitmap {
public:
    Bitmap() = default;
    explicit Bitmap(HBITMAP handle);
    // Moved from, it is empty and of no size.
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;

    // One of the program's own pictures.
    static Bitmap FromResource(int id);
    // A .bmp file, validated before anything is drawn. Throws FileOpenError when
    // the file cannot be opened, InvalidPicture when it is not a bitmap.
    // `check`, where given, sees the file's bytes first and may refuse them
    // by throwing.
    using BytesCheck = void (*)(const std::string& path, const uint8_t* data, size_t size);
    static Bitmap FromFile(const std::string& path, BytesCheck check = nullptr);
    // A picture of its own with the same pixels.
    Bitmap Copy() const;

    HBITMAP Handle() const { return Bmp.Get(); }
    bool Empty() const { return !Bmp; }
    int Width = 0;
    int Height = 0;

private:
    ScopedBitmap Bmp;
};

// A memory device context with a bitmap selected into it, restored on exit.
class MemoryDC {
public:
    MemoryDC(HDC like, HBITMAP bitmap);
    operator HDC() const { return Dc.Get(); }

private:
    ScopedDC Dc;
    // Undone before the context is deleted, members going in reverse order.
    ScopedSelection Selected;
};

// A 32-bit top-down surface to draw on and read back (0x00RRGGBB pixels).
class Surface {
public:
    Surface(int width, int height);
    HDC Dc() const { return Mem.Get(); }
    const uint32_t* Pixels() const { return Bits; }
    int Width, Height;

private:
    uint32_t* Bits = nullptr;  // written by the bitmap's making, so declared before it
    ScopedBitmap Bmp;
    ScopedDC Mem;
    ScopedSelection Selected;
};

// The system's link pointer; Windows 95 has none, so our own there.
HCURSOR HandPointer();

// The system's text for an error code, without its closing full stop.
std::string SysErrorMessage(DWORD code);

// A region made of the rectangles; the caller owns it (SetWindowRgn takes it).
HRGN RegionFromRuns(const std::vector<RunRect>& runs);
