#include <gtest/gtest.h>

#include "base/BmpFile.h"
#include "base/Errors.h"

#include <algorithm>
#include <climits>
#include <functional>

namespace {
using Bytes = std::vector<uint8_t>;
const uint32_t K = 0, R = 0xFF0000, G = 0x00FF00, B = 0x0000FF, W = 0xFFFFFF;

void Put(Bytes& b, uint64_t v, int n)
{
    for (int i = 0; i < n; ++i)
        b.push_back(uint8_t(v >> 8 * i));
}

// Rows as stored (bottom row first unless top-down), packed and padded to 4 bytes.
Bytes Rows(int bpp, const std::vector<std::vector<uint32_t>>& rows)
{
    Bytes out;
    for (const auto& row : rows) {
        const size_t start = out.size();
        uint32_t acc = 0, bits = 0;
        for (uint32_t v : row) {
            if (bpp >= 8) {
                Put(out, v, bpp / 8);
                continue;
            }
            acc = acc << bpp | v;
            if ((bits += bpp) == 8)
                out.push_back(uint8_t(acc)), acc = bits = 0;
        }
        if (bits)
            out.push_back(uint8_t(acc << (8 - bits)));
        while ((out.size() - start) % 4)
            out.push_back(0);
    }
    return out;
}

uint32_t P(uint32_t i)  // entry 0 is not black, so skipped pixels show
{
    return i << 16 | (255 - i) << 8 | 0x40;
}
std::vector<uint32_t> Palette(uint32_t n)
{
    std::vector<uint32_t> p(n);
    for (uint32_t i = 0; i < n; ++i)
        p[i] = P(i);
    return p;
}

struct Bmp {
    uint32_t header = 40;
    int32_t width = 1, height = 1;
    uint32_t planes = 1, bpp = 24, compression = 0, colorsUsed = 0;
    std::vector<uint32_t> masks;  // after a 40-byte header, inside a larger one
    std::vector<uint32_t> palette;
    Bytes bits;

    Bytes File() const
    {
        Bytes b{'B', 'M'};
        b.resize(14);  // bfSize stays 0, as some writers leave it; the offset is set below
        Put(b, header, 4);
        const int side = header == 12 ? 2 : 4;
        Put(b, uint32_t(width), side);
        Put(b, uint32_t(height), side);
        Put(b, planes, 2);
        Put(b, bpp, 2);
        if (header != 12) {
            Put(b, compression, 4);
            Put(b, bits.size(), 4);
            Put(b, 2835, 4), Put(b, 2835, 4);
            Put(b, colorsUsed, 4), Put(b, 0, 4);
            for (uint32_t m : masks)
                Put(b, m, 4);
            b.resize(std::max<size_t>(b.size(), 14 + header));
        }
        for (uint32_t c : palette)
            Put(b, c, header == 12 ? 3 : 4);
        for (int i = 0; i < 4; ++i)
            b[10 + i] = uint8_t(b.size() >> 8 * i);
        b.insert(b.end(), bits.begin(), bits.end());
        return b;
    }
};

Bmp Make(uint32_t bpp, int32_t width, int32_t height, Bytes bits, std::vector<uint32_t> palette = {})
{
    Bmp m;
    m.bpp = bpp, m.width = width, m.height = height, m.bits = std::move(bits), m.palette = std::move(palette);
    m.colorsUsed = uint32_t(m.palette.size());
    return m;
}
Bmp With(Bmp m, const std::function<void(Bmp&)>& change)
{
    change(m);
    return m;
}
Bmp Rle(uint32_t bpp, int32_t width, int32_t height, Bytes data)
{
    Bmp m = Make(bpp, width, height, std::move(data), Palette(bpp == 8 ? 2 : 16));
    m.compression = bpp == 8 ? 1 : 2;
    return m;
}
Bmp Fields(uint32_t header, uint32_t bpp, std::vector<uint32_t> masks, std::vector<uint32_t> pixels)
{
    return With(Make(bpp, int32_t(pixels.size()), 1, Rows(bpp, {pixels})), [&](Bmp& m) {
        m.header = header, m.compression = 3, m.masks = masks;
    });
}

DibImage Decode(const Bytes& f)
{
    return DecodeBmp(f.data(), f.size());
}
} // namespace

TEST(BmpFile, DecodesEveryFormAToolCouldWrite)
{
    struct Case {
        const char* what;
        Bmp bmp;
        int32_t width, height;
        std::vector<uint32_t> pixels;  // top row first
    } cases[] = {
        {"1 bpp, odd width", Make(1, 3, 2, Rows(1, {{1, 0, 1}, {0, 1, 1}}), {K, W}), 3, 2, {K, W, W, W, K, W}},
        {"4 bpp, short palette", Make(4, 3, 1, Rows(4, {{2, 0, 1}}), {R, G, B}), 3, 1, {B, R, G}},
        {"8 bpp, implied 256 colours", With(Make(8, 5, 1, Rows(8, {{0, 255, 7, 128, 1}}), Palette(256)),
                                            [](Bmp& m) { m.colorsUsed = 0; }),
         5, 1, {P(0), P(255), P(7), P(128), P(1)}},
        {"16 bpp is 5-5-5", Make(16, 4, 1, Rows(16, {{0x7C00, 0x03E0, 0x001F, 0x4210}})), 4, 1, {R, G, B, 0x848484}},
        {"24 bpp bottom-up", Make(24, 1, 2, Rows(24, {{R}, {B}})), 1, 2, {B, R}},
        {"24 bpp top-down", Make(24, 1, -2, Rows(24, {{R}, {B}})), 1, 2, {R, B}},
        {"32 bpp ignores alpha", Make(32, 2, 1, Rows(32, {{0xFF123456, 0x80FFFFFF}})), 2, 1, {0x123456, W}},
        {"core header, 3-byte palette",
         With(Make(8, 2, 1, Rows(8, {{3, 200}}), Palette(256)), [](Bmp& m) { m.header = 12; }), 2, 1, {P(3), P(200)}},
        {"5-6-5 masks after the header", Fields(40, 16, {0xF800, 0x07E0, 0x001F}, {0xF800, 0x07E0, 0x001F, 0x8410}),
         4, 1, {R, G, B, 0x848284}},
        {"5-6-5 masks in a V4 header", Fields(108, 16, {0xF800, 0x07E0, 0x001F}, {0x8410}), 1, 1, {0x848284}},
        {"10-10-10 in a V5 header", Fields(124, 32, {0x3FF00000, 0x000FFC00, 0x3FF}, {0x3FF80001, 0xC0000000}), 2, 1,
         {0xFF8000, K}},
        {"masks of a plain 52-byte header are ignored",
         With(Fields(52, 16, {0xF800, 0x07E0, 0x001F}, {0x7C00}), [](Bmp& m) { m.compression = 0; }), 1, 1, {R}},
        // run of three 1s, literal 1 0 1 (padded), end of line, jump to (2,2), two 1s, end
        {"RLE8", Rle(8, 6, 3, {3, 1, 0, 3, 1, 0, 1, 0, 0, 0, 0, 2, 2, 1, 2, 1, 0, 1}), 6, 3,
         {K, K, P(1), P(1), K, K, K, K, K, K, K, K, P(1), P(1), P(1), P(1), P(0), P(1)}},
        // literal 1..5 (3 bytes, padded), end of line, jump right 1, run 6 7 6, data just stops
        {"RLE4", Rle(4, 5, 2, {0, 5, 0x12, 0x34, 0x50, 0, 0, 0, 0, 2, 1, 0, 3, 0x67}), 5, 2,
         {K, P(6), P(7), P(6), K, P(1), P(2), P(3), P(4), P(5)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DibImage img = Decode(c.bmp.File());
        EXPECT_EQ(c.width, img.Width);
        EXPECT_EQ(c.height, img.Height);
        EXPECT_EQ(c.pixels, img.Pixels);
    }
}

TEST(BmpFile, RefusesBrokenAndHostileFiles)
{
    const Bmp rgb = Make(24, 1, 1, Rows(24, {{R}}));
    const Bmp indexed = Make(8, 2, 1, Rows(8, {{0, 1}}), {R, G});
    auto cut = [](Bytes f, size_t n) { return f.resize(n), f; };
    auto patch = [](Bytes f, size_t at, uint8_t v) { return f[at] = v, f; };
    auto set = [](Bmp m, const std::function<void(Bmp&)>& change) { return With(m, change).File(); };

    const std::pair<const char*, Bytes> cases[] = {
        {"empty", {}},
        {"header cut short", cut(rgb.File(), 30)},
        {"not BM", patch(rgb.File(), 0, 'X')},
        {"unknown header size", set(rgb, [](Bmp& m) { m.header = 64; })},
        {"pixel data cut short", cut(rgb.File(), rgb.File().size() - 1)},
        {"bits past the end", patch(rgb.File(), 12, 1)},
        {"bits inside the header", patch(rgb.File(), 10, 20)},
        {"width 0", set(rgb, [](Bmp& m) { m.width = 0; })},
        {"height 0", set(rgb, [](Bmp& m) { m.height = 0; })},
        // Run-length files with no runs are tiny whatever their size: only the caps stop them.
        {"width too large", Rle(8, 8193, 1, {0, 1}).File()},
        {"height too large", Rle(8, 1, 8193, {0, 1}).File()},
        {"too many pixels", Rle(8, 4097, 4096, {0, 1}).File()},
        {"a kilobyte that once took 64 MB", Rle(8, 16384, 1024, Bytes(1000, 0)).File()},
        {"height INT_MIN", set(rgb, [](Bmp& m) { m.height = INT_MIN; })},
        {"two planes", set(rgb, [](Bmp& m) { m.planes = 2; })},
        {"2 bpp", set(indexed, [](Bmp& m) { m.bpp = 2; })},
        {"32 bpp in a core header", set(rgb, [](Bmp& m) { m.header = 12, m.bpp = 32; })},
        {"JPEG", set(rgb, [](Bmp& m) { m.compression = 4; })},
        {"RLE8 with 24 bpp", set(rgb, [](Bmp& m) { m.compression = 1; })},
        {"RLE4 with 8 bpp", set(indexed, [](Bmp& m) { m.compression = 2; })},
        {"bitfields with 24 bpp", set(rgb, [](Bmp& m) { m.compression = 3, m.masks = {R, G, B}; })},
        {"index past the palette", set(indexed, [](Bmp& m) { m.bits = Rows(8, {{0, 2}}); })},
        {"more colours than the depth has", set(indexed, [](Bmp& m) { m.bpp = 4, m.palette = Palette(17), m.colorsUsed = 17; })},
        {"palette past the end", set(indexed, [](Bmp& m) { m.colorsUsed = 0; })},
        {"zero mask", Fields(40, 16, {0, 0x07E0, 0x001F}, {0}).File()},
        {"split mask", Fields(40, 16, {0xD800, 0x07E0, 0x001F}, {0}).File()},
        {"overlapping masks", Fields(40, 16, {0xFC00, 0x07E0, 0x001F}, {0}).File()},
        {"mask wider than the pixel", Fields(40, 16, {0xF8000, 0x07E0, 0x001F}, {0}).File()},
        {"masks cut short", cut(Fields(40, 32, {R, G, B}, {R}).File(), 60)},
        {"RLE top-down", Rle(8, 2, -1, {0, 1}).File()},
        {"RLE run past the row end", Rle(8, 4, 2, {5, 1}).File()},
        {"RLE literal past the row end", Rle(8, 2, 2, {0, 3, 1, 1, 1, 0}).File()},
        {"RLE delta past the last row", Rle(8, 4, 2, {0, 2, 0, 2}).File()},
        {"RLE delta past the right edge", Rle(8, 4, 2, {0, 2, 5, 0}).File()},
        {"RLE delta cut short", Rle(8, 4, 2, {0, 2, 1}).File()},
        {"RLE literal past the data", Rle(8, 4, 2, {0, 4, 1, 1}).File()},
        {"RLE literal missing its pad", Rle(8, 4, 2, {0, 3, 1, 1, 1}).File()},
        {"RLE pixels below the last row", Rle(8, 4, 1, {0, 0, 1, 1}).File()},
        {"RLE8 index past the palette", Rle(8, 4, 1, {2, 2}).File()},
        {"RLE4 index past the palette", With(Rle(4, 4, 1, {2, 0x01}), [](Bmp& m) { m.colorsUsed = 1; }).File()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_THROW(Decode(c.second), InvalidPicture);
    }
    EXPECT_THROW(DecodeBmp(nullptr, 100), InvalidPicture);
    EXPECT_EQ(16777216u, Decode(Rle(8, 8192, 2048, {0, 1}).File()).Pixels.size());  // the caps themselves are fine
}

TEST(BmpFile, EveryTruncationDecodesOrIsRefused)
{
    const Bmp files[] = {
        Make(4, 3, 2, Rows(4, {{1, 2, 3}, {3, 2, 1}}), Palette(16)),
        With(Make(24, 3, 2, Rows(24, {{R, G, B}, {W, K, R}})), [](Bmp& m) { m.header = 12; }),
        Fields(124, 32, {0xFF0000, 0xFF00, 0xFF}, {R, G, B}),
        Rle(8, 6, 3, {3, 1, 0, 3, 1, 0, 1, 0, 0, 0, 0, 2, 2, 1, 2, 1, 0, 1}),
        Rle(4, 5, 2, {0, 5, 0x12, 0x34, 0x50, 0, 0, 0, 0, 2, 1, 0, 3, 0x67}),
    };
    for (const Bmp& bmp : files) {
        const Bytes whole = bmp.File();
        for (size_t n = 0; n <= whole.size(); ++n) {
            SCOPED_TRACE(testing::Message() << "bpp " << bmp.bpp << ", " << n << " of " << whole.size() << " bytes");
            const Bytes part(whole.begin(), whole.begin() + n);  // a copy, so ASan sees every over-read
            try {
                const DibImage img = Decode(part);
                // Only run-length data may simply stop; rows must be complete.
                EXPECT_TRUE(n == whole.size() || bmp.compression != 0);
                EXPECT_EQ(size_t(bmp.width) * size_t(bmp.height), img.Pixels.size());
            } catch (const InvalidPicture&) {
                EXPECT_LT(n, whole.size());
            }
        }
    }
}

// What a header claims is read from the header alone, as the decoder reads it.
TEST(BmpFile, ClaimedSizeFromTheHeaderAlone)
{
    auto claimed = [](const Bmp& m, size_t keep) {
        Bytes f = m.File();
        f.resize(std::min(f.size(), keep));
        const BmpDimensions s = ClaimedBmpSize(f.data(), f.size());
        return std::to_string(s.Width) + " x " + std::to_string(s.Height);
    };
    EXPECT_EQ("16384 x 1024", claimed(Rle(8, 16384, 1024, {0, 1}), 54));
    EXPECT_EQ("3 x 7", claimed(Make(24, 3, -7, {}), 138));
    EXPECT_EQ("300 x 2", claimed(With(Make(24, 300, 2, {}), [](Bmp& m) { m.header = 12; }), 26));
    EXPECT_EQ("0 x 0", claimed(Make(24, 3, 7, {}), 53)) << "cut short";
    EXPECT_EQ("0 x 0", claimed(With(Make(24, 3, 7, {}), [](Bmp& m) { m.header = 64; }), 138));
}
