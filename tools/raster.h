// raster.h: the little raster kit behind Quorvel's drawing tools (drawart for
// the built-in pictures, drawskins for the skins that ship with it). Shapes are
// plain inside-tests sampled on a fixed grid, colours are doubles until the
// very end, and nothing depends on time, locale or the machine, so every run
// writes the same bytes.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace qvart {

const double kPi = 3.14159265358979;

struct Col {
    double r, g, b;
};

inline Col mix(Col a, Col b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

const Col kWhite{255, 255, 255};
const Col kBlack{0, 0, 0};

// Premultiplied RGBA picture; starts fully transparent.
struct Canvas {
    int w, h;
    std::vector<double> px;
    Canvas(int w_, int h_) : w(w_), h(h_), px(size_t(w_) * h_ * 4, 0.0) {}

    void over(int x, int y, Col c, double a) {
        if (x < 0 || y < 0 || x >= w || y >= h || a <= 0) return;
        double* p = &px[(size_t(y) * w + x) * 4];
        p[0] = c.r * a + p[0] * (1 - a);
        p[1] = c.g * a + p[1] * (1 - a);
        p[2] = c.b * a + p[2] * (1 - a);
        p[3] = a + p[3] * (1 - a);
    }
    double alpha(int x, int y) const { return px[(size_t(y) * w + x) * 4 + 3]; }
    // Straight (not premultiplied) colour of a pixel.
    Col color(int x, int y) const {
        const double* p = &px[(size_t(y) * w + x) * 4];
        if (p[3] <= 0) return {0, 0, 0};
        return {p[0] / p[3], p[1] / p[3], p[2] / p[3]};
    }
};

inline uint8_t to8(double v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); }

// Fraction of the pixel (x, y) for which inside(px, py) holds, by sampling a
// regular 8 x 8 grid; that is plenty for edges a few pixels long.
template <class F>
double cover(int x, int y, F inside) {
    const int n = 8;
    int hits = 0;
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i)
            if (inside(x + (i + 0.5) / n, y + (j + 0.5) / n)) ++hits;
    return double(hits) / (n * n);
}

// Composites a shape over the whole canvas; colorAt picks each pixel's colour.
template <class F, class C>
void paint(Canvas& cv, F inside, C colorAt, double alpha = 1.0) {
    for (int y = 0; y < cv.h; ++y)
        for (int x = 0; x < cv.w; ++x) {
            double c = cover(x, y, inside);
            if (c > 0) cv.over(x, y, colorAt(x, y), c * alpha);
        }
}

// Shapes. Each answers in(px, py, inset): is the point inside the shape shrunk
// by `inset` pixels? Painting with two insets gives a fill with a rim.

// Rectangle whose left and right ends have their own corner radius.
struct RRect {
    double x0, y0, x1, y1, rl, rr;

    RRect moved(double dx, double dy) const { return {x0 + dx, y0 + dy, x1 + dx, y1 + dy, rl, rr}; }

    bool in(double px, double py, double inset = 0) const {
        double a = x0 + inset, b = x1 - inset, c = y0 + inset, d = y1 - inset;
        if (px < a || px > b || py < c || py > d) return false;
        double lim = std::min(b - a, d - c) / 2;
        double l = std::clamp(rl - inset, 0.0, lim), r = std::clamp(rr - inset, 0.0, lim);
        auto corner = [&](double cx, double rad) {
            double cy = std::clamp(py, c + rad, d - rad);
            return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= rad * rad;
        };
        if (px < a + l) return corner(a + l, l);
        if (px > b - r) return corner(b - r, r);
        return true;
    }
};

// Disc, or ring when `hole` is above zero.
struct Disc {
    double cx, cy, r, hole = 0;
    bool in(double px, double py, double inset = 0) const {
        double d = std::hypot(px - cx, py - cy);
        return d <= r - inset && (hole <= 0 || d >= hole + inset);
    }
};

inline double segmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

// A straight stroke of width w with round ends.
struct Stroke {
    double ax, ay, bx, by, w;
    bool in(double px, double py, double inset = 0) const {
        return segmentDistance(px, py, ax, ay, bx, by) <= w / 2 - inset;
    }
};

// Convex polygon, corners in either turning direction.
struct Poly {
    std::vector<std::pair<double, double>> p;
    bool in(double px, double py, double inset = 0) const {
        double area = 0;
        for (size_t i = 0; i < p.size(); ++i) {
            auto [ax, ay] = p[i];
            auto [bx, by] = p[(i + 1) % p.size()];
            area += ax * by - bx * ay;
        }
        double s = area >= 0 ? 1 : -1;
        for (size_t i = 0; i < p.size(); ++i) {
            auto [ax, ay] = p[i];
            auto [bx, by] = p[(i + 1) % p.size()];
            double len = std::hypot(bx - ax, by - ay);
            if (len <= 0) continue;
            // Signed distance from the edge, positive on the inner side.
            double d = s * ((bx - ax) * (py - ay) - (by - ay) * (px - ax)) / len;
            if (d < inset) return false;
        }
        return true;
    }
};

// Union of two shapes.
template <class A, class B>
struct Either {
    A a;
    B b;
    bool in(double px, double py, double inset = 0) const { return a.in(px, py, inset) || b.in(px, py, inset); }
};
template <class A, class B>
Either<A, B> either(A a, B b) {
    return {a, b};
}

// Axis-aligned ellipse.
struct Oval {
    double cx, cy, rx, ry;
    bool in(double px, double py, double inset = 0) const {
        double a = rx - inset, b = ry - inset;
        if (a <= 0 || b <= 0) return false;
        double dx = (px - cx) / a, dy = (py - cy) / b;
        return dx * dx + dy * dy <= 1;
    }
};

// Lays colour c over the whole pixels [x0, x1) x [y0, y1).
inline void rect(Canvas& cv, int x0, int y0, int x1, int y1, Col c, double a = 1.0) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) cv.over(x, y, c, a);
}

// Fills a shape, fading into `rim` over its outer `rimWidth` pixels so the
// outline stays one even line however the edge falls on the pixel grid.
template <class S, class F>
void fillWithRim(Canvas& cv, const S& shape, F fillAt, Col rim, double rimWidth, double alpha = 1.0) {
    paint(cv, [&](double px, double py) { return shape.in(px, py); },
          [&](int x, int y) {
              double inner = cover(x, y, [&](double px, double py) { return shape.in(px, py, rimWidth); });
              return mix(rim, fillAt(x, y), inner);
          },
          alpha);
}

template <class S>
void fillFlat(Canvas& cv, const S& shape, Col c, double alpha = 1.0) {
    paint(cv, [&](double px, double py) { return shape.in(px, py); }, [&](int, int) { return c; }, alpha);
}

// Colour ramp through stops at rising t; outside the stops it holds the end
// colours.
struct Stop {
    double t;
    Col c;
};

template <size_t N>
Col ramp(const Stop (&stops)[N], double t) {
    t = std::clamp(t, 0.0, 1.0);
    for (size_t i = 1; i < N; ++i)
        if (t <= stops[i].t)
            return mix(stops[i - 1].c, stops[i].c, (t - stops[i - 1].t) / (stops[i].t - stops[i - 1].t));
    return stops[N - 1].c;
}

// ---- the green button ---------------------------------------------------------
// Quorvel's own green, shared by the built-in start picture and the default
// skin so the two never drift apart.

const Col kGreenBorder{26, 92, 30};  // outline just inside the button edge
const Col kGreenEdge{18, 66, 22};    // what partly covered edge pixels fade to
const Col kGreenShadow{14, 62, 18};  // text and mark shadows

// Body colour from top (t = 0) to bottom (t = 1): a bright band near the top
// that drops quickly into a mid green, darkening downward, with a faint
// reflected lift on the last rows.
inline Col greenBody(double t) {
    static const Stop stops[] = {
        {0.00, {112, 190, 100}}, {0.12, {150, 218, 136}}, {0.34, {78, 168, 68}},
        {0.58, {56, 146, 50}},   {0.86, {42, 124, 40}},   {1.00, {58, 140, 54}},
    };
    return ramp(stops, t);
}

// A rounded button body coloured by body(t) from top to bottom, with a soft
// gloss hugging its top edge and a one-pixel border.
template <class G>
void drawGlossyButton(Canvas& cv, const RRect& s, G body, Col border) {
    double h = s.y1 - s.y0, w = s.x1 - s.x0;
    double gcx = (s.x0 + s.x1) / 2, gcy = s.y0 + h * 0.10;
    paint(cv, [&](double x, double y) { return s.in(x, y); },
          [&](int x, int y) {
              double cx = x + 0.5, cy = y + 0.5;
              Col fill = body((cy - s.y0) / h);
              // Soft gloss: a wide flat ellipse hugging the top edge.
              double ex = (cx - gcx) / (w * 0.52), ey = (cy - gcy) / (h * 0.30);
              double g = 1 - ex * ex - ey * ey;
              if (g > 0) fill = mix(fill, kWhite, 0.28 * std::min(1.0, g * 1.6));
              double inner = cover(x, y, [&](double px, double py) { return s.in(px, py, 1.0); });
              return mix(border, fill, inner);
          });
}

// Quorvel's logo: four rounded panes in a 2 x 2 grid, bent by a gentle wave as
// if it were a flag. (x, y) is the top-left corner, pane the side of one pane.
inline void drawLogo(Canvas& cv, double x, double y, double pane, double gap, double wave, Col shadow) {
    static const Col colors[4] = {{236, 72, 36}, {122, 202, 44}, {36, 136, 236}, {255, 198, 24}};
    double span = 2 * pane + gap, rad = pane * 0.3;
    auto bend = [&](double px) { return wave * std::sin((px - x) / span * kPi * 1.5); };
    auto paneRect = [&](int k) {
        double px = x + (k % 2) * (pane + gap), py = y + (k / 2) * (pane + gap);
        return RRect{px, py, px + pane, py + pane, rad, rad};
    };
    double sh = std::max(0.6, pane / 6), rim = std::min(0.7, pane * 0.12);
    for (int k = 0; k < 4; ++k) {
        RRect r = paneRect(k).moved(sh, sh);
        paint(cv, [&](double px, double py) { return r.in(px, py + bend(px - sh)); },
              [&](int, int) { return shadow; }, 0.45);
    }
    for (int k = 0; k < 4; ++k) {
        RRect r = paneRect(k);
        Col base = colors[k], dark = mix(base, {0, 0, 0}, 0.45);
        paint(cv, [&](double px, double py) { return r.in(px, py + bend(px)); },
              [&](int cx, int cy) {
                  double py = cy + 0.5 + bend(cx + 0.5);
                  Col fill = mix(mix(base, kWhite, 0.35), base, std::clamp((py - r.y0) / pane, 0.0, 1.0));
                  double inner = cover(cx, cy, [&](double qx, double qy) { return r.in(qx, qy + bend(qx), rim); });
                  return mix(dark, fill, inner);
              });
    }
}

// ---- the pixel font -----------------------------------------------------------
// Bold letters, 11 rows from cap height to baseline (lowercase starts on the
// third row); only what the buttons say.
struct Glyph {
    char ch;
    const char* rows[11];
};
inline const Glyph kFont[] = {
    {'s', {"......", "......", ".####.", "##..##", "##....", "####..", ".####.", "..####",
           "....##", "##..##", ".####."}},
    {'t', {".##..", ".##..", "#####", "#####", ".##..", ".##..", ".##..", ".##..", ".##..",
           ".##..", "..###"}},
    {'a', {"......", "......", ".####.", "##..##", "....##", ".#####", "##..##", "##..##",
           "##..##", "##.###", ".###.#"}},
    {'r', {".....", ".....", "##.##", "#####", "###..", "##...", "##...", "##...", "##...",
           "##...", "##..."}},
    {'S', {".#####.", "##...##", "##.....", "##.....", "###....", ".#####.", "....###",
           ".....##", ".....##", "##...##", ".#####."}},
};

inline const Glyph* glyph(char c) {
    for (const Glyph& g : kFont)
        if (g.ch == c) return &g;
    return nullptr;
}

// Ink columns `s` takes: each glyph plus one blank column after it.
inline int textWidth(const std::string& s) {
    int n = 0;
    for (char ch : s)
        if (const Glyph* g = glyph(ch)) n += int(std::string(g->rows[0]).size()) + 1;
    return n > 0 ? n - 1 : 0;
}

// Draws text whose bottom row sits on `base` (the row just above that line),
// slanted `slant` pixels right per row of height.
inline void drawText(Canvas& cv, const std::string& s, double x, double base, double slant, Col c, double alpha) {
    // Lay the glyphs out on one ink grid, one blank column between letters.
    std::vector<std::string> grid(11);
    for (char ch : s) {
        const Glyph* g = glyph(ch);
        if (!g) continue;
        for (int r = 0; r < 11; ++r) grid[r] += std::string(g->rows[r]) + ".";
    }
    double top = base - 11;
    auto ink = [&](double px, double py) {
        double gy = py - top;
        if (gy < 0 || gy >= 11) return false;
        double gx = px - x - slant * (base - py);
        if (gx < 0) return false;
        const std::string& row = grid[size_t(gy)];
        return size_t(gx) < row.size() && row[size_t(gx)] == '#';
    };
    paint(cv, ink, [&](int, int) { return c; }, alpha);
}

// ---- finished pictures and files ----------------------------------------------

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

struct Image {
    int w, h;
    std::vector<Rgb> px;
    Image(int w_, int h_) : w(w_), h(h_), px(size_t(w_) * h_, Rgb{0, 0, 0}) {}
    Rgb& at(int x, int y) { return px[size_t(y) * w + x]; }
    const Rgb& at(int x, int y) const { return px[size_t(y) * w + x]; }
};

inline Rgb rgb(Col c) { return {to8(c.r), to8(c.g), to8(c.b)}; }

// For pictures shown with a see-through colour: pixels the drawing does not
// touch get `key`, partly covered ones fade to `edge` (a dark rim colour)
// rather than to the key, and a drawn pixel that happens to round to the key
// is nudged off it so it never becomes a hole.
inline Image keyed(const Canvas& cv, Col edge, Rgb key) {
    Image im(cv.w, cv.h);
    for (int y = 0; y < cv.h; ++y)
        for (int x = 0; x < cv.w; ++x) {
            double a = cv.alpha(x, y);
            Rgb p = key;
            if (a > 0) {
                p = rgb(mix(edge, cv.color(x, y), a));
                if (p == key) p.b = p.b == 0 ? 1 : uint8_t(p.b - 1);
            }
            im.at(x, y) = p;
        }
    return im;
}

// For pictures painted edge to edge (a background laid first).
inline Image opaque(const Canvas& cv) {
    Image im(cv.w, cv.h);
    for (int y = 0; y < cv.h; ++y)
        for (int x = 0; x < cv.w; ++x) im.at(x, y) = rgb(cv.color(x, y));
    return im;
}

struct Bytes {
    std::vector<uint8_t> b;
    void u8(unsigned v) { b.push_back(uint8_t(v)); }
    void u16(unsigned v) { u8(v & 0xff), u8(v >> 8 & 0xff); }
    void u32(uint32_t v) { u16(v & 0xffff), u16(v >> 16); }
    // `colours`: the palette's entries, 0 for all that the bit count allows.
    void infoHeader(int w, int h, int bpp, uint32_t imageSize, uint32_t colours = 0) {
        u32(40), u32(uint32_t(w)), u32(uint32_t(h)), u16(1), u16(unsigned(bpp)), u32(0),
            u32(imageSize), u32(0), u32(0), u32(colours), u32(colours);
    }
    // 1-bit rows, bottom-up, each padded to 4 bytes.
    template <class F>
    void maskRows(int w, int h, F bit) {
        int stride = (w + 31) / 32 * 4;
        for (int y = h - 1; y >= 0; --y)
            for (int i = 0; i < stride; ++i) {
                unsigned v = 0;
                for (int k = 0; k < 8; ++k) {
                    int x = i * 8 + k;
                    if (x < w && bit(x, y)) v |= 0x80u >> k;
                }
                u8(v);
            }
    }
};

// Uncompressed 24-bit BMP, bottom-up, rows padded to 4 bytes: the one kind of
// picture every Windows version loads.
inline Bytes bmp24(const Image& im) {
    int stride = (im.w * 3 + 3) / 4 * 4;
    uint32_t image = uint32_t(stride * im.h);
    Bytes d;
    d.u16(0x4d42), d.u32(14 + 40 + image), d.u32(0), d.u32(14 + 40);
    d.infoHeader(im.w, im.h, 24, image);
    for (int y = im.h - 1; y >= 0; --y) {
        for (int x = 0; x < im.w; ++x) {
            const Rgb& p = im.at(x, y);
            d.u8(p.b), d.u8(p.g), d.u8(p.r);
        }
        for (int i = im.w * 3; i < stride; ++i) d.u8(0);
    }
    return d;
}

// 8-bit BMP whose palette holds the picture's 256 most frequent colours, each
// pixel taking the nearest of them: under half the size of bmp24, for a
// picture that does not need more colours than that.
inline Bytes bmp8(const Image& im) {
    std::vector<std::pair<int, uint32_t>> counts;  // (-count, colour)
    {
        std::vector<uint32_t> all;
        for (const Rgb& p : im.px) all.push_back(uint32_t(p.r) << 16 | uint32_t(p.g) << 8 | p.b);
        std::sort(all.begin(), all.end());
        for (size_t i = 0; i < all.size();) {
            size_t j = i;
            while (j < all.size() && all[j] == all[i]) ++j;
            counts.push_back({-int(j - i), all[i]});
            i = j;
        }
        std::sort(counts.begin(), counts.end());
        if (counts.size() > 256) counts.resize(256);
    }
    auto nearest = [&](const Rgb& p) {
        int best = 0, bestD = 1 << 30;
        for (size_t i = 0; i < counts.size(); ++i) {
            const uint32_t c = counts[i].second;
            const int dr = int(c >> 16) - p.r, dg = int(c >> 8 & 0xff) - p.g, db = int(c & 0xff) - p.b;
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestD) best = int(i), bestD = d;
        }
        return best;
    };
    // A few rounds of moving each palette colour to the mean of the pixels
    // that take it, so that rare colours (edges, shading) are not lost.
    for (int round = 0; round < 8; ++round) {
        std::vector<double> sum(counts.size() * 4, 0.0);
        for (const Rgb& p : im.px) {
            double* s = &sum[size_t(nearest(p)) * 4];
            s[0] += p.r, s[1] += p.g, s[2] += p.b, s[3] += 1;
        }
        for (size_t i = 0; i < counts.size(); ++i) {
            const double* s = &sum[i * 4];
            if (s[3] == 0) continue;
            auto ch = [&](int k) { return uint32_t(std::lround(s[k] / s[3])); };
            counts[i].second = ch(0) << 16 | ch(1) << 8 | ch(2);
        }
    }
    int stride = (im.w + 3) / 4 * 4;
    uint32_t image = uint32_t(stride * im.h);
    Bytes d;
    d.u16(0x4d42), d.u32(14 + 40 + 1024 + image), d.u32(0), d.u32(14 + 40 + 1024);
    d.infoHeader(im.w, im.h, 8, image);
    for (int i = 0; i < 256; ++i) {
        const uint32_t c = i < int(counts.size()) ? counts[size_t(i)].second : 0;
        d.u8(c & 0xff), d.u8(c >> 8 & 0xff), d.u8(c >> 16), d.u8(0);
    }
    for (int y = im.h - 1; y >= 0; --y) {
        for (int x = 0; x < im.w; ++x) d.u8(unsigned(nearest(im.at(x, y))));
        for (int i = im.w; i < stride; ++i) d.u8(0);
    }
    return d;
}

// 8-bit BMP with a palette of exactly the picture's colours, every pixel kept,
// where it has no more than 256 of them; else bmp24. For the pictures the
// program carries inside its exe, where every byte counts.
inline Bytes bmpExact(const Image& im) {
    std::vector<uint32_t> colours;
    for (const Rgb& p : im.px) {
        const uint32_t c = uint32_t(p.r) << 16 | uint32_t(p.g) << 8 | p.b;
        if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
        if (colours.size() > 256) return bmp24(im);
    }
    const int stride = (im.w + 3) / 4 * 4;
    const uint32_t image = uint32_t(stride * im.h), palette = uint32_t(colours.size() * 4);
    Bytes d;
    d.u16(0x4d42), d.u32(14 + 40 + palette + image), d.u32(0), d.u32(14 + 40 + palette);
    d.infoHeader(im.w, im.h, 8, image, uint32_t(colours.size()));
    for (uint32_t c : colours) d.u8(c & 0xff), d.u8(c >> 8 & 0xff), d.u8(c >> 16), d.u8(0);
    for (int y = im.h - 1; y >= 0; --y) {
        for (int x = 0; x < im.w; ++x) {
            const Rgb& p = im.at(x, y);
            const uint32_t c = uint32_t(p.r) << 16 | uint32_t(p.g) << 8 | p.b;
            d.u8(unsigned(std::find(colours.begin(), colours.end(), c) - colours.begin()));
        }
        for (int i = im.w; i < stride; ++i) d.u8(0);
    }
    return d;
}

inline bool save(const std::string& path, const Bytes& d) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        return false;
    }
    bool ok = std::fwrite(d.b.data(), 1, d.b.size(), f) == d.b.size();
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) std::fprintf(stderr, "could not write %s\n", path.c_str());
    return ok;
}

}  // namespace qvart
