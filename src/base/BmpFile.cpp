#include "BmpFile.h"

#include "Errors.h"

#include <initializer_list>

// Every number in the file is a claim to be checked before it is used: sizes
// are computed in 64 bits, every read is against the real end of the data,
// and nothing is allocated until the header has passed all its checks.

namespace {

enum : uint32_t { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3 };

[[noreturn]] void Invalid()
{
    throw InvalidPicture();
}

void Require(bool ok)
{
    if (!ok)
        Invalid();
}

// Little-endian fields at file offsets; a field past the end is a broken file.
struct Bytes {
    const uint8_t* Data;
    uint64_t Size;

    uint32_t U8(uint64_t at) const
    {
        Require(at < Size);
        return Data[at];
    }
    uint32_t U16(uint64_t at) const { return U8(at) | U8(at + 1) << 8; }
    uint32_t U32(uint64_t at) const { return U16(at) | U16(at + 2) << 16; }
    uint32_t Rgb(uint64_t at) const { return U8(at + 2) << 16 | U8(at + 1) << 8 | U8(at); }
};

// One colour channel of a 16- or 32-bit pixel, widened to 8 bits so that a
// full channel is 255 whatever its width.
class Channel {
public:
    explicit Channel(uint32_t mask) : Mask(mask)
    {
        Require(mask != 0);
        while (!(mask >> Shift & 1))
            ++Shift;
        const uint64_t field = mask >> Shift;
        Require((field & (field + 1)) == 0);  // one run of ones: 0x0F0 yes, 0x0F8F no
        while (field >> Bits)
            ++Bits;
    }

    uint32_t operator()(uint32_t pixel) const
    {
        const uint32_t v = (pixel & Mask) >> Shift;
        if (Bits >= 8)
            return v >> (Bits - 8);
        // Repeat the high bits into the low ones: 5-bit 31 becomes 255, not 248.
        uint32_t out = 0;
        int filled = 0;
        for (; filled < 8; filled += Bits)
            out = out << Bits | v;
        return out >> (filled - 8);
    }

private:
    uint32_t Mask;
    int Shift = 0, Bits = 0;
};

struct Layout {
    int64_t Width = 0, Height = 0;
    bool TopDown = false;
    uint32_t Bpp = 0, Compression = BiRgb;
    Channel Red{0xFF0000}, Green{0x00FF00}, Blue{0x0000FF};
    std::vector<uint32_t> Palette;
    uint64_t PixelsAt = 0;
};

bool OneOf(uint64_t v, std::initializer_list<uint64_t> allowed)
{
    for (uint64_t a : allowed)
        if (v == a)
            return true;
    return false;
}

// The fields every header has, in one of its two layouts.
struct Header {
    uint64_t Size = 0;
    bool Core = false;
    int64_t Width = 0, Height = 0;
    bool TopDown = false;
    uint32_t Planes = 0, Bpp = 0;
};

Header ReadHeader(const Bytes& in)
{
    Header h;
    Require(in.U8(0) == 'B' && in.U8(1) == 'M');
    h.Size = in.U32(14);
    h.Core = h.Size == 12;
    Require(h.Core || OneOf(h.Size, {40, 52, 56, 108, 124}));
    Require(14 + h.Size <= in.Size);
    if (h.Core) {
        h.Width = in.U16(18);
        h.Height = in.U16(20);
        h.Planes = in.U16(22);
        h.Bpp = in.U16(24);
    } else {
        h.Width = int32_t(in.U32(18));
        h.Height = int32_t(in.U32(22));
        h.Planes = in.U16(26);
        h.Bpp = in.U16(28);
    }
    h.TopDown = h.Height < 0;
    if (h.TopDown)
        h.Height = -h.Height;  // 64-bit, so even INT32_MIN negates safely
    return h;
}

Layout ReadLayout(const Bytes& in)
{
    const Header h = ReadHeader(in);
    Require(h.Planes == 1);
    Require(BmpSizeTaken({h.Width, h.Height}));
    Layout l;
    // bfSize is often wrong in real files; only the offset of the bits is used.
    l.PixelsAt = in.U32(10);
    l.Width = h.Width, l.Height = h.Height, l.TopDown = h.TopDown, l.Bpp = h.Bpp;
    uint32_t colorsUsed = 0;
    if (h.Core) {
        Require(OneOf(l.Bpp, {1, 4, 8, 24}));  // the old header knows no other depth
    } else {
        l.Compression = in.U32(30);
        colorsUsed = in.U32(46);
    }
    Require(OneOf(l.Bpp, {1, 4, 8, 16, 24, 32}));
    switch (l.Compression) {
    case BiRgb: break;
    case BiRle8: Require(l.Bpp == 8 && !l.TopDown); break;
    case BiRle4: Require(l.Bpp == 4 && !l.TopDown); break;
    case BiBitfields: Require(l.Bpp == 16 || l.Bpp == 32); break;
    default: Invalid();  // JPEG, PNG and whatever else a file may claim
    }

    // The colour table follows the header, after the three masks that a plain
    // 40-byte header keeps outside itself; larger headers hold them at the
    // same file offset, inside.
    uint64_t tableAt = 14 + h.Size;
    if (l.Bpp == 16)
        l.Red = Channel(0x7C00), l.Green = Channel(0x03E0), l.Blue = Channel(0x001F);
    if (l.Compression == BiBitfields) {
        const uint32_t r = in.U32(54), g = in.U32(58), b = in.U32(62);
        l.Red = Channel(r), l.Green = Channel(g), l.Blue = Channel(b);
        // Bits outside the pixel or shared by two channels would give colours
        // the writer cannot have meant.
        Require(l.Bpp == 32 || ((r | g | b) >> 16) == 0);
        Require((r & g) == 0 && (r & b) == 0 && (g & b) == 0);
        if (h.Size == 40)
            tableAt += 12;
    }
    // Bits that overlap the headers would be drawn as picture.
    Require(l.PixelsAt >= tableAt && l.PixelsAt <= in.Size);

    if (l.Bpp <= 8) {
        const uint64_t full = uint64_t(1) << l.Bpp;
        const uint64_t count = colorsUsed ? colorsUsed : full;
        const uint64_t entry = h.Core ? 3 : 4;
        Require(count <= full && tableAt + count * entry <= in.Size);
        for (uint64_t i = 0; i < count; ++i)
            l.Palette.push_back(in.Rgb(tableAt + i * entry));
    }
    return l;
}

uint32_t Indexed(const Layout& l, uint32_t index)
{
    Require(index < l.Palette.size());
    return l.Palette[index];
}

void DecodeRows(const Bytes& in, const Layout& l, DibImage& img)
{
    const uint64_t stride = (uint64_t(l.Width) * l.Bpp + 31) / 32 * 4;
    Require(l.PixelsAt + stride * uint64_t(l.Height) <= in.Size);
    const uint32_t indexMask = l.Bpp <= 8 ? (1u << l.Bpp) - 1 : 0;

    for (int64_t row = 0; row < l.Height; ++row) {
        const uint8_t* src = in.Data + l.PixelsAt + uint64_t(row) * stride;
        uint32_t* out = &img.Pixels[uint64_t(l.TopDown ? row : l.Height - 1 - row) * uint64_t(l.Width)];
        for (int64_t x = 0; x < l.Width; ++x) {
            if (l.Bpp <= 8) {
                const uint64_t bit = uint64_t(x) * l.Bpp;
                out[x] = Indexed(l, src[bit / 8] >> (8 - l.Bpp - bit % 8) & indexMask);
            } else if (l.Bpp == 24) {
                const uint8_t* p = src + 3 * x;
                out[x] = uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
            } else {
                const uint8_t* p = src + x * (l.Bpp / 8);
                uint32_t v = uint32_t(p[0]) | uint32_t(p[1]) << 8;
                if (l.Bpp == 32)
                    v |= uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
                out[x] = l.Red(v) << 16 | l.Green(v) << 8 | l.Blue(v);
            }
        }
    }
}

// Run-length bits. Pixels the encoding skips stay black. Data that simply
// stops is a picture whose remainder is black, but no run may leave the
// picture or read past the data.
void DecodeRle(const Bytes& in, const Layout& l, DibImage& img)
{
    const bool four = l.Compression == BiRle4;
    const int64_t width = l.Width, height = l.Height;
    int64_t x = 0, y = 0;  // y counts rows from the bottom, as they are stored
    // Pixel i of a run: a whole byte, or alternately its high and low nibble.
    auto pixel = [four](uint32_t byte, uint32_t i) { return !four ? byte : i % 2 ? byte & 15 : byte >> 4; };
    auto room = [&](uint64_t count) { Require(y < height && uint64_t(x) + count <= uint64_t(width)); };
    auto put = [&](uint32_t index) { img.Pixels[uint64_t(height - 1 - y) * uint64_t(width) + x++] = Indexed(l, index); };

    uint64_t pos = l.PixelsAt;
    while (pos + 2 <= in.Size) {
        const uint32_t count = in.U8(pos), value = in.U8(pos + 1);
        pos += 2;
        if (count > 0) {
            room(count);
            for (uint32_t i = 0; i < count; ++i)
                put(pixel(value, i));
        } else if (value == 0) {  // end of line; only drawing below the last row is wrong
            ++y;
            x = 0;
        } else if (value == 1) {  // end of bitmap
            return;
        } else if (value == 2) {  // move right and up
            x += in.U8(pos);
            y += in.U8(pos + 1);
            pos += 2;
            Require(x <= width && y < height);
        } else {  // literal pixels, padded to a whole 16-bit word
            const uint64_t bytes = four ? (value + 1) / 2 : value;
            room(value);
            Require(pos + bytes + bytes % 2 <= in.Size);
            for (uint32_t i = 0; i < value; ++i)
                put(pixel(in.U8(pos + (four ? i / 2 : i)), i));
            pos += bytes + bytes % 2;
        }
    }
}

} // namespace

BmpDimensions ClaimedBmpSize(const uint8_t* data, size_t size)
{
    try {
        const Header h = ReadHeader({data, data ? uint64_t(size) : 0});
        return {h.Width, h.Height};
    } catch (const InvalidPicture&) {
        return {};
    }
}

bool BmpSizeTaken(BmpDimensions s)
{
    return s.Width > 0 && s.Width <= MaxBmpSide && s.Height > 0 && s.Height <= MaxBmpSide &&
           s.Width * s.Height <= MaxBmpPixels;
}

DibImage DecodeBmp(const uint8_t* data, size_t size)
{
    const Bytes in{data, data ? uint64_t(size) : 0};
    const Layout l = ReadLayout(in);
    DibImage img;
    img.Width = int32_t(l.Width);
    img.Height = int32_t(l.Height);
    img.Pixels.assign(size_t(l.Width * l.Height), 0);
    if (l.Compression == BiRle8 || l.Compression == BiRle4)
        DecodeRle(in, l, img);
    else
        DecodeRows(in, l, img);
    return img;
}
