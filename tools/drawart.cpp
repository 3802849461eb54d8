// drawart: draws Quorvel's built-in pictures so that no binary art has to be
// kept by hand. Run as `drawart <repo>/res`; it (re)writes
//   start.bmp    - the default start button, 95 x 31, maroon outside the shape
//   hand.cur     - pointing-hand cursor for systems without IDC_HAND
//   Quorvel.ico  - the application icon, 32 x 32 and 16 x 16
// Everything is computed with plain arithmetic from fixed inputs, so the
// output is the same on every run.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Col {
    double r, g, b;
};

Col mix(Col a, Col b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

const Col kWhite{255, 255, 255};
const Col kBorder{26, 92, 30};     // outline just inside the button edge
const Col kEdge{18, 66, 22};       // what partly covered edge pixels fade to
const Col kShadow{14, 62, 18};     // text and mark shadows
const Col kMark{232, 248, 226};    // the two small clickable marks
const int kKeyR = 128, kKeyG = 0, kKeyB = 0;  // see-through colour of the window

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

uint8_t to8(double v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); }

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

// Body colour from top (t = 0) to bottom (t = 1): a bright band near the top
// that drops quickly into a mid green, darkening downward, with a faint
// reflected lift on the last rows.
Col bodyGradient(double t) {
    struct Stop {
        double t;
        Col c;
    };
    static const Stop stops[] = {
        {0.00, {112, 190, 100}}, {0.12, {150, 218, 136}}, {0.34, {78, 168, 68}},
        {0.58, {56, 146, 50}},   {0.86, {42, 124, 40}},   {1.00, {58, 140, 54}},
    };
    t = std::clamp(t, 0.0, 1.0);
    for (size_t i = 1; i < sizeof stops / sizeof stops[0]; ++i)
        if (t <= stops[i].t)
            return mix(stops[i - 1].c, stops[i].c, (t - stops[i - 1].t) / (stops[i].t - stops[i - 1].t));
    return stops[5].c;
}

void drawButton(Canvas& cv, const RRect& s) {
    double h = s.y1 - s.y0, w = s.x1 - s.x0;
    double gcx = (s.x0 + s.x1) / 2, gcy = s.y0 + h * 0.10;
    paint(cv, [&](double x, double y) { return s.in(x, y); },
          [&](int x, int y) {
              double cx = x + 0.5, cy = y + 0.5;
              Col fill = bodyGradient((cy - s.y0) / h);
              // Soft gloss: a wide flat ellipse hugging the top edge.
              double ex = (cx - gcx) / (w * 0.52), ey = (cy - gcy) / (h * 0.30);
              double g = 1 - ex * ex - ey * ey;
              if (g > 0) fill = mix(fill, kWhite, 0.28 * std::min(1.0, g * 1.6));
              double inner = cover(x, y, [&](double px, double py) { return s.in(px, py, 1.0); });
              return mix(kBorder, fill, inner);
          });
}

// Four rounded panes in a 2 x 2 grid, bent by a gentle wave as if it were a
// flag. (x, y) is the top-left corner, pane the side of one pane.
void drawLogo(Canvas& cv, double x, double y, double pane, double gap, double wave) {
    static const Col colors[4] = {{236, 72, 36}, {122, 202, 44}, {36, 136, 236}, {255, 198, 24}};
    double span = 2 * pane + gap, rad = pane * 0.3;
    auto bend = [&](double px) { return wave * std::sin((px - x) / span * 3.14159265358979 * 1.5); };
    auto paneRect = [&](int k) {
        double px = x + (k % 2) * (pane + gap), py = y + (k / 2) * (pane + gap);
        return RRect{px, py, px + pane, py + pane, rad, rad};
    };
    double sh = std::max(0.6, pane / 6), rim = std::min(0.7, pane * 0.12);
    for (int k = 0; k < 4; ++k) {
        RRect r = paneRect(k).moved(sh, sh);
        paint(cv, [&](double px, double py) { return r.in(px, py + bend(px - sh)); },
              [&](int, int) { return kShadow; }, 0.45);
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

// Bold lowercase letters, 11 rows from ascender to baseline; only what the
// button needs.
struct Glyph {
    char ch;
    const char* rows[11];
};
const Glyph kFont[] = {
    {'s', {"......", "......", ".####.", "##..##", "##....", "####..", ".####.", "..####",
           "....##", "##..##", ".####."}},
    {'t', {".##..", ".##..", "#####", "#####", ".##..", ".##..", ".##..", ".##..", ".##..",
           ".##..", "..###"}},
    {'a', {"......", "......", ".####.", "##..##", "....##", ".#####", "##..##", "##..##",
           "##..##", "##.###", ".###.#"}},
    {'r', {".....", ".....", "##.##", "#####", "###..", "##...", "##...", "##...", "##...",
           "##...", "##..."}},
};

const Glyph* glyph(char c) {
    for (const Glyph& g : kFont)
        if (g.ch == c) return &g;
    return nullptr;
}

// Draws text whose bottom row sits on `base` (the row just above that line),
// slanted `slant` pixels right per row of height.
void drawText(Canvas& cv, const std::string& s, double x, double base, double slant, Col c, double alpha) {
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

// The start button: logo, caption, then the menu mark and the panel mark.
Canvas drawStart() {
    Canvas cv(95, 31);
    RRect body{0, 0, 95, 31, 9, 13};
    drawButton(cv, body);
    drawLogo(cv, 9, 9, 6, 1, 0.5);

    const double base = 20, slant = 0.2;
    drawText(cv, "start", 27, base + 1, slant, kShadow, 0.75);
    drawText(cv, "start", 26, base, slant, kWhite, 1.0);

    // A faint groove separates the caption from the two marks.
    for (int y = 6; y < 25; ++y) {
        double f = std::sin((y - 5.5) / 19.0 * 3.14159265358979);
        cv.over(67, y, kShadow, 0.30 * f);
        cv.over(68, y, kWhite, 0.22 * f);
    }

    // Menu mark: a small downward triangle across x 72..79.
    auto tri = [](double oy) {
        return [=](double px, double py) {
            double t = (py - (13 + oy)) / 4.0;  // 0 at the flat top, 1 at the tip
            return t >= 0 && t <= 1 && std::fabs(px - 75.5) <= 3.6 * (1 - t);
        };
    };
    paint(cv, tri(1), [](int, int) { return kShadow; }, 0.6);
    paint(cv, tri(0), [](int, int) { return kMark; });

    // Panel mark: three 2 x 2 dots across x 83..90, centred on pixel
    // corners so each stays a crisp block with softened corners.
    auto dots = [](double oy) {
        return [=](double px, double py) {
            for (double cx : {84.0, 87.0, 90.0})
                if ((px - cx) * (px - cx) + (py - 15 - oy) * (py - 15 - oy) <= 1.1 * 1.1) return true;
            return false;
        };
    };
    paint(cv, dots(1), [](int, int) { return kShadow; }, 0.6);
    paint(cv, dots(0), [](int, int) { return kMark; });
    return cv;
}

// ---- file writers ---------------------------------------------------------

struct Bytes {
    std::vector<uint8_t> b;
    void u8(unsigned v) { b.push_back(uint8_t(v)); }
    void u16(unsigned v) { u8(v & 0xff), u8(v >> 8 & 0xff); }
    void u32(uint32_t v) { u16(v & 0xffff), u16(v >> 16); }
    void infoHeader(int w, int h, int bpp, uint32_t imageSize) {
        u32(40), u32(uint32_t(w)), u32(uint32_t(h)), u16(1), u16(unsigned(bpp)), u32(0),
            u32(imageSize), u32(0), u32(0), u32(0), u32(0);
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

bool save(const std::string& path, const Bytes& d) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        return false;
    }
    bool ok = std::fwrite(d.b.data(), 1, d.b.size(), f) == d.b.size();
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) std::fprintf(stderr, "drawart: could not write %s\n", path.c_str());
    return ok;
}

// 24-bit BMP of the start button; pixels the shape does not touch get the
// key colour, partly covered ones fade to the dark edge green instead.
Bytes startBmp(const Canvas& cv) {
    int stride = (cv.w * 3 + 3) / 4 * 4;
    uint32_t image = uint32_t(stride * cv.h);
    Bytes d;
    d.u16(0x4d42), d.u32(14 + 40 + image), d.u32(0), d.u32(14 + 40);
    d.infoHeader(cv.w, cv.h, 24, image);
    for (int y = cv.h - 1; y >= 0; --y) {
        for (int x = 0; x < cv.w; ++x) {
            double a = cv.alpha(x, y);
            int r = kKeyR, g = kKeyG, b = kKeyB;
            if (a > 0) {
                Col c = mix(kEdge, cv.color(x, y), a);
                r = to8(c.r), g = to8(c.g), b = to8(c.b);
                if (r == kKeyR && g == kKeyG && b == kKeyB) b = 1;  // never punch a hole
            }
            d.u8(unsigned(b)), d.u8(unsigned(g)), d.u8(unsigned(r));
        }
        for (int i = cv.w * 3; i < stride; ++i) d.u8(0);
    }
    return d;
}

// Pointing hand: '#' black, 'o' white, anything else see-through. The
// hotspot is the 'x' at the fingertip (drawn black).
const char* const kHand[] = {
    ".....x#..........",
    "....#oo#.........",
    "....#oo#.........",
    "....#oo#.........",
    "....#oo#.........",
    "....#oo###.......",
    "....#oo#oo###....",
    "....#oo#oo#oo#...",
    "....#oo#oo#oo###.",
    ".##.#oo#oo#oo#oo#",
    "#oo##oo#oo#oo#oo#",
    "#ooo#ooooooooooo#",
    ".#oooooooooooooo#",
    "..#ooooooooooooo#",
    "..#ooooooooooooo#",
    "...#oooooooooooo#",
    "...#ooooooooooo#.",
    "....#oooooooooo#.",
    "....#oooooooooo#.",
    ".....#oooooooo#..",
    ".....#oooooooo#..",
    ".....##########..",
};

Bytes handCur() {
    const int n = 32, rows = int(sizeof kHand / sizeof kHand[0]);
    auto at = [&](int x, int y) -> char {
        if (y >= rows) return '.';
        std::string r = kHand[y];
        return size_t(x) < r.size() ? r[size_t(x)] : '.';
    };
    int hx = 0, hy = 0;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < n; ++x)
            if (at(x, y) == 'x') hx = x, hy = y;

    const uint32_t masks = 2 * n * 4, body = 40 + 8 + masks;
    Bytes d;
    d.u16(0), d.u16(2), d.u16(1);                      // cursor directory, one image
    d.u8(n), d.u8(n), d.u8(2), d.u8(0);                // size, colours, reserved
    d.u16(unsigned(hx)), d.u16(unsigned(hy));          // hotspot
    d.u32(body), d.u32(6 + 16);
    d.infoHeader(n, 2 * n, 1, masks);
    d.u32(0x000000), d.u32(0xffffff);                  // palette: black, white
    d.maskRows(n, n, [&](int x, int y) { return at(x, y) == 'o'; });  // XOR: white
    d.maskRows(n, n, [&](int x, int y) {                               // AND: see-through
        char c = at(x, y);
        return c != '#' && c != 'o' && c != 'x';
    });
    return d;
}

// Icon picture: the green button shrunk to a rounded pill with the logo in the
// middle. The panes sit on whole pixels so the small size stays crisp.
Canvas iconImage(int n) {
    Canvas cv(n, n);
    if (n >= 32) {
        drawButton(cv, RRect{0, 4, 32, 28, 8, 8});
        drawLogo(cv, 9, 9, 6, 2, 0.4);
    } else {
        drawButton(cv, RRect{0, 2, 16, 15, 4.5, 4.5});
        drawLogo(cv, 4, 5, 3, 1, 0);
    }
    return cv;
}

Bytes appIcon() {
    const int sizes[] = {32, 16};
    std::vector<Bytes> images;
    for (int n : sizes) {
        Canvas cv = iconImage(n);
        Bytes im;
        uint32_t andBytes = uint32_t((n + 31) / 32 * 4 * n);
        im.infoHeader(n, 2 * n, 32, uint32_t(n * n * 4) + andBytes);
        for (int y = n - 1; y >= 0; --y)
            for (int x = 0; x < n; ++x) {
                Col c = cv.color(x, y);
                uint8_t a = to8(cv.alpha(x, y) * 255);
                if (a == 0) c = {0, 0, 0};
                im.u8(to8(c.b)), im.u8(to8(c.g)), im.u8(to8(c.r)), im.u8(a);
            }
        im.maskRows(n, n, [&](int x, int y) { return to8(cv.alpha(x, y) * 255) == 0; });
        images.push_back(im);
    }
    Bytes d;
    d.u16(0), d.u16(1), d.u16(unsigned(images.size()));
    uint32_t offset = uint32_t(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        d.u8(unsigned(sizes[i])), d.u8(unsigned(sizes[i])), d.u8(0), d.u8(0);
        d.u16(1), d.u16(32), d.u32(uint32_t(images[i].b.size())), d.u32(offset);
        offset += uint32_t(images[i].b.size());
    }
    for (const Bytes& im : images) d.b.insert(d.b.end(), im.b.begin(), im.b.end());
    return d;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawart <res-directory>\n");
        return 2;
    }
    std::string dir = argv[1];
    if (!dir.empty() && dir.back() != '/') dir += '/';
    bool ok = save(dir + "start.bmp", startBmp(drawStart()));
    ok = save(dir + "hand.cur", handCur()) && ok;
    ok = save(dir + "Quorvel.ico", appIcon()) && ok;
    return ok ? 0 : 1;
}
