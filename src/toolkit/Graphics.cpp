#include "Graphics.h"

Bitmap::Bitmap(HBITMAP handle) : Bmp(handle)
{
    BITMAP info;
    if (Bmp && GetObjectA(Bmp, sizeof info, &info)) {
        Width = info.bmWidth;
        Height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    }
}

Bitmap::~Bitmap()
{
    if (Bmp)
        DeleteObject(Bmp);
}

Bitmap::Bitmap(Bitmap&& other) noexcept : Width(other.Width), Height(other.Height), Bmp(other.Bmp)
{
    other.Bmp = nullptr;
    other.Width = other.Height = 0;
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept
{
    if (this != &other) {
        if (Bmp)
            DeleteObject(Bmp);
        Bmp = other.Bmp;
        Width = other.Width;
        Height = other.Height;
        other.Bmp = nullptr;
        other.Width = other.Height = 0;
    }
    return *this;
}

Bitmap Bitmap::FromResource(HINSTANCE instance, int id)
{
    return Bitmap(HBITMAP(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

MemoryDC::MemoryDC(HDC like, HBITMAP bitmap) : Dc(CreateCompatibleDC(like)), Old(SelectObject(Dc, bitmap)) {}

MemoryDC::~MemoryDC()
{
    SelectObject(Dc, Old);
    DeleteDC(Dc);
}

Surface::Surface(int width, int height) : Width(width > 0 ? width : 1), Height(height > 0 ? height : 1)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = Width;
    bi.bmiHeader.biHeight = -Height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    Bits = static_cast<uint32_t*>(bits);
    Mem = CreateCompatibleDC(nullptr);
    Old = SelectObject(Mem, Bmp);
}

Surface::~Surface()
{
    SelectObject(Mem, Old);
    DeleteDC(Mem);
    DeleteObject(Bmp);
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
