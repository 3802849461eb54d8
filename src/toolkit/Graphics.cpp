#include "Graphics.h"

#include <cstring>
#include <utility>

#include "../base/BmpFile.h"
#include "../base/Errors.h"
#include "../base/Scoped.h"
#include "../platform/Platform.h"
#include "../../res/resource.h"

Bitmap::Bitmap(HBITMAP handle) : Bmp(handle)
{
    BITMAP info;
    if (Bmp && GetObjectA(Bmp.Get(), sizeof info, &info)) {
        Width = info.bmWidth;
        Height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    }
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : Width(std::exchange(other.Width, 0)), Height(std::exchange(other.Height, 0)), Bmp(std::move(other.Bmp))
{
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept
{
    Bmp = std::move(other.Bmp);
    Width = std::exchange(other.Width, 0);
    Height = std::exchange(other.Height, 0);
    return *this;
}

Bitmap Bitmap::FromResource(int id)
{
    return Bitmap(
        HBITMAP(LoadImageA(ProgramModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

Bitmap Bitmap::Copy() const
{
    return Bitmap(HBITMAP(CopyImage(Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

HCURSOR HandPointer()
{
    static const HCURSOR hand = [] {
        const HCURSOR system = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));  // IDC_HAND, Windows 98 and 2000 on
        return system ? system : LoadCursorA(ProgramModule(), MAKEINTRESOURCEA(IDC_HANDPOINT));
    }();
    return hand;
}

std::string SysErrorMessage(DWORD code)
{
    char text[512];
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                             sizeof text, nullptr);
    while (n > 0 && (static_cast<unsigned char>(text[n - 1]) <= ' ' || text[n - 1] == '.'))
        --n;
    return std::string(text, n);
}

namespace {
// A 32-bit top-down DIB section: pixels in reading order, 0x00RRGGBB.
HBITMAP TopDownDib(int width, int height, uint32_t** pixels)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    *pixels = static_cast<uint32_t*>(bits);
    return dib;
}

// Larger files cannot hold a bitmap the decoder accepts.
const DWORD MaxPictureFile = 80u << 20;

std::vector<uint8_t> ReadPictureFile(const std::string& path)
{
    // Owned at once: a failed allocation below must not leak the handle.
    const ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    const HANDLE h = file.Get();
    if (!file)
        throw FileOpenError("Cannot open file \"" + path + "\". " + SysErrorMessage(GetLastError()));
    std::vector<uint8_t> data;
    const DWORD size = GetFileSize(h, nullptr);
    if (size != INVALID_FILE_SIZE && size <= MaxPictureFile) {
        // The signature first: a large file of anything else is not read in.
        data.resize(size);
        DWORD got = 0;
        const DWORD first = size < 2 ? size : 2;
        if (!ReadFile(h, data.data(), first, &got, nullptr))
            got = 0;
        DWORD rest = 0;
        if (got == 2 && data[0] == 'B' && data[1] == 'M' && ReadFile(h, data.data() + 2, size - 2, &rest, nullptr))
            got += rest;
        data.resize(got);
    }
    return data;
}
} // namespace

Bitmap Bitmap::FromFile(const std::string& path, BytesCheck check)
{
    const std::vector<uint8_t> data = ReadPictureFile(path);
    DibImage image;
    AboutFile(path, [&] {
        if (check)
            check(path, data.data(), data.size());
        image = DecodeBmp(data.data(), data.size());
    });
    uint32_t* pixels = nullptr;
    Bitmap b(TopDownDib(image.Width, image.Height, &pixels));
    if (b.Empty())
        throw InvalidPicture();
    std::memcpy(pixels, image.Pixels.data(), image.Pixels.size() * sizeof(uint32_t));
    return b;
}

MemoryDC::MemoryDC(HDC like, HBITMAP bitmap) : Dc(CreateCompatibleDC(like)), Selected(Dc.Get(), bitmap) {}

Surface::Surface(int width, int height)
    : Width(width > 0 ? width : 1), Height(height > 0 ? height : 1), Bmp(TopDownDib(Width, Height, &Bits)),
      Mem(CreateCompatibleDC(nullptr)), Selected(Mem.Get(), Bmp.Get())
{
}

HRGN RegionFromRuns(const std::vector<RunRect>& runs)
{
    std::vector<char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    RGNDATA* rd = reinterpret_cast<RGNDATA*>(data.data());
    rd->rdh.dwSize = sizeof(RGNDATAHEADER);
    rd->rdh.iType = RDH_RECTANGLES;
    rd->rdh.nCount = DWORD(runs.size());
    rd->rdh.nRgnSize = DWORD(runs.size() * sizeof(RECT));
    RECT bounds = {0, 0, 0, 0};
    RECT* r = reinterpret_cast<RECT*>(rd->Buffer);
    for (const RunRect& run : runs) {
        *r = {run.Left, run.Top, run.Right, run.Bottom};
        UnionRect(&bounds, &bounds, r);
        ++r;
    }
    rd->rdh.rcBound = bounds;
    return ExtCreateRegion(nullptr, DWORD(data.size()), rd);
}
