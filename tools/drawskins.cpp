// drawskins: draws the four skins that ship with Quorvel. Run as
// `drawskins <repo>/skins`; it (re)writes, in each skin's folder,
//   normal.bmp   - the start button, maroon (128, 0, 0) outside its shape
//   back.bmp     - the panel's end piece and drag handle, used at both ends
//   center.bmp   - a narrow strip the panel stretches between the end pieces
//   cdrom.bmp, exitbut.bmp, ... - the 24 x 24 panel buttons, by the files
//                  the program's table names
//   <name>.qvs   - sixteen numbers: panel height, the three click zones of the
//                  start button, and the button slot width, gap and top
// The numbers are written from the same layout constants the drawing uses, so
// a zone always lies over the mark it belongs to. Everything is plain
// arithmetic on fixed inputs: the output is the same on every run.

#include "buttons.h"
#include "raster.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace qvart;

const Rgb kMaroon{128, 0, 0};  // see-through colour of every start picture

Col fromRgb(Rgb p) { return {double(p.r), double(p.g), double(p.b)}; }

// ---- layout -----------------------------------------------------------------

// One click zone as the description file holds it. The program's hit test is
// strict (left < x < right, top < y < bottom), so a zone covering columns
// a..b and rows c..d is written one pixel wider on every side; the file holds
// unsigned numbers, so a zone starting at 0 starts at 0 and gives up that
// single outer column or row.
struct Zone {
    int left, top, right, bottom;
};

Zone zoneOver(int a, int b, int c, int d) { return {std::max(0, a - 1), std::max(0, c - 1), b + 1, d + 1}; }

// Where the parts of a start picture sit. From left to right: the main part
// (columns 0 .. cut1 - 1), the menu mark (cut1 .. cut2 - 1), the panel mark
// (cut2 .. w - 1). The main part takes every row; the marks take rows
// markTop .. markBottom.
struct StartLayout {
    int w, h;
    int cut1, cut2;
    int markTop, markBottom;
    double menuX;   // tip column centre of the menu triangle
    double dotsX;   // centre of the middle dot of the panel mark
    double markY;   // middle row line of both marks

    // The triangle is 7 wide and 4 tall; the dots are three 2 x 2 dots,
    // three apart.
    double menuLeft() const { return menuX - 3.6; }
    double menuRight() const { return menuX + 3.6; }
    double dotsLeft() const { return dotsX - 4.1; }
    double dotsRight() const { return dotsX + 4.1; }

    Zone zone1() const { return zoneOver(0, cut1 - 1, 0, h - 1); }
    Zone zone2() const { return zoneOver(cut1, cut2 - 1, markTop, markBottom); }
    Zone zone3() const { return zoneOver(cut2, w - 1, markTop, markBottom); }
};

struct PanelLayout {
    int height;   // of the panel, back.bmp and center.bmp
    int backW;    // end piece width
    int centerW;  // strip width (stretched by the program)
    int slotW;    // width given to each 24-pixel button
    int gap;      // space before each slot
    int buttonTop() const { return (height - kButton) / 2; }
};

// Refuses layouts whose numbers would not match the picture: a mark outside
// its zone, zones out of order, buttons not centred.
bool checkLayout(const char* name, const StartLayout& s, const PanelLayout& p) {
    bool ok = s.cut1 > 0 && s.cut1 < s.cut2 && s.cut2 < s.w;
    ok = ok && std::floor(s.menuLeft()) >= s.cut1 && std::floor(s.menuRight()) < s.cut2;
    ok = ok && std::floor(s.dotsLeft()) >= s.cut2 && std::floor(s.dotsRight()) < s.w;
    ok = ok && s.markTop >= 0 && s.markBottom < s.h && s.markY - 3 > s.markTop && s.markY + 3 < s.markBottom;
    ok = ok && (p.height - kButton) % 2 == 0 && p.slotW >= kButton;
    if (!ok) std::fprintf(stderr, "drawskins: layout of %s does not add up\n", name);
    return ok;
}

// ---- marks on the start button ----------------------------------------------

// Soft marks for the glossy buttons: a faint groove after the caption, a
// small downward triangle and three dots, each with a shadow below.
void softMarks(Canvas& cv, const StartLayout& L, int grooveTop, int grooveBottom, Col shadow, Col mark) {
    for (int y = grooveTop; y <= grooveBottom; ++y) {
        double f = std::sin((y - grooveTop + 0.5) / (grooveBottom - grooveTop + 1) * kPi);
        cv.over(L.cut1 - 1, y, shadow, 0.30 * f);
        cv.over(L.cut1, y, kWhite, 0.22 * f);
    }
    auto tri = [&](double oy) {
        return [&L, oy](double px, double py) {
            double t = (py - (L.markY - 2 + oy)) / 4.0;  // 0 at the flat top, 1 at the tip
            return t >= 0 && t <= 1 && std::fabs(px - L.menuX) <= 3.6 * (1 - t);
        };
    };
    paint(cv, tri(1), [&](int, int) { return shadow; }, 0.6);
    paint(cv, tri(0), [&](int, int) { return mark; });
    // The dots sit on pixel corners so each stays a crisp block with softened
    // corners.
    auto dots = [&](double oy) {
        return [&L, oy](double px, double py) {
            for (double cx : {L.dotsX - 3, L.dotsX, L.dotsX + 3}) {
                double dx = px - cx, dy = py - L.markY - oy;
                if (dx * dx + dy * dy <= 1.1 * 1.1) return true;
            }
            return false;
        };
    };
    paint(cv, dots(1), [&](int, int) { return shadow; }, 0.6);
    paint(cv, dots(0), [&](int, int) { return mark; });
}

// Crisp marks for the grey buttons: etched grooves (shadow then highlight)
// before each mark, a solid 7-4-... triangle and three square dots.
void crispMarks(Canvas& cv, const StartLayout& L, Col hi, Col sh, Col ink) {
    for (int cut : {L.cut1, L.cut2})
        for (int y = L.markTop + 4; y <= L.markBottom - 4; ++y) {
            cv.over(cut - 1, y, sh, 1);
            cv.over(cut, y, hi, 1);
        }
    int tip = int(std::floor(L.menuX)), top = int(std::floor(L.markY)) - 2;
    for (int k = 0; k < 4; ++k) rect(cv, tip - 3 + k, top + k, tip + 4 - k, top + k + 1, ink);
    int dy = int(std::floor(L.markY)) - 1;
    for (int i = -1; i <= 1; ++i) {
        int dx = int(std::floor(L.dotsX)) + 3 * i - 1;
        rect(cv, dx, dy, dx + 2, dy + 2, ink);
    }
}

// ---- start buttons ----------------------------------------------------------

// xpdefault: the green pill, as the built-in button.
const StartLayout kXpDefStart{96, 30, 68, 81, 0, 29, 75.5, 87, 15};
const Col kXpDefEdge = kGreenEdge;

Canvas xpDefaultStart(const StartLayout& L) {
    Canvas cv(L.w, L.h);
    drawGlossyButton(cv, RRect{0, 0, double(L.w), double(L.h), 9, 13}, greenBody, kGreenBorder);
    drawLogo(cv, 9, 8, 6, 1, 0.5, kGreenShadow);
    const double base = 20, slant = 0.2;
    drawText(cv, "start", 27, base + 1, slant, kGreenShadow, 0.75);
    drawText(cv, "start", 26, base, slant, kWhite, 1.0);
    softMarks(cv, L, 6, L.h - 7, kGreenShadow, {232, 248, 226});
    return cv;
}

// xpbutton: a glass orb carrying the logo, set on the left end of a glossy
// blue bar that carries the caption and the marks.
const StartLayout kOrbStart{100, 30, 72, 86, 3, 26, 79.5, 92, 15};
const Col kOrbEdge{10, 28, 84};
const Col kOrbBorder{18, 46, 124};
const Col kOrbShadow{8, 30, 92};

Col orbBarBody(double t) {
    static const Stop stops[] = {
        {0.00, {110, 164, 248}}, {0.14, {150, 196, 255}}, {0.40, {70, 128, 236}},
        {0.52, {38, 96, 218}},   {0.86, {24, 68, 186}},   {1.00, {44, 104, 214}},
    };
    return ramp(stops, t);
}

Canvas orbStart(const StartLayout& L) {
    Canvas cv(L.w, L.h);
    const double r = L.h / 2.0, cx = r, cy = r;
    RRect bar{r - 3, double(L.markTop), double(L.w), double(L.markBottom + 1), 4, 12};
    drawGlossyButton(cv, bar, orbBarBody, kOrbBorder);
    // The orb's shadow falls on the bar only, so it never widens the shape.
    Disc shade{cx + 1.6, cy + 0.6, r};
    paint(cv, [&](double px, double py) { return shade.in(px, py) && bar.in(px, py, 1.0); },
          [&](int, int) { return kOrbShadow; }, 0.35);

    Disc orb{cx, cy, r};
    fillWithRim(cv, orb,
                [&](int x, int y) {
                    double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - cy) / r;
                    // Deep blue, darker toward the rim, lit from inside near
                    // the bottom like glass.
                    Col c = mix({56, 120, 232}, {16, 50, 150}, std::min(1.0, std::hypot(dx, dy)));
                    double glow = 1 - std::hypot(dx / 0.75, (dy - 0.62) / 0.42);
                    if (glow > 0) c = mix(c, {110, 200, 255}, 0.85 * std::min(1.0, glow * 1.5));
                    return c;
                },
                kOrbBorder, 1.0);
    // Gloss cap over the upper half.
    Oval cap{cx, cy - r * 0.45, r * 0.70, r * 0.44};
    paint(cv, [&](double px, double py) { return cap.in(px, py); },
          [&](int, int y) {
              double t = std::clamp((y + 0.5 - (cy - r * 0.9)) / (r * 0.85), 0.0, 1.0);
              return mix(kWhite, {170, 210, 255}, t);
          },
          0.55);
    drawLogo(cv, cx - 6, cy - 6, 5, 2, 0.0, kOrbShadow);

    const double base = 20, slant = 0.2;
    drawText(cv, "start", 36, base + 1, slant, kOrbShadow, 0.75);
    drawText(cv, "start", 35, base, slant, kWhite, 1.0);
    softMarks(cv, L, L.markTop + 5, L.markBottom - 5, kOrbShadow, {230, 240, 255});
    return cv;
}

// The grey raised buttons: a 3-D push button drawn pixel by pixel, with the
// logo and a bold black caption.
struct Grey {
    Col face, light, hi, shadow, dark;
};
const Grey kClassicGrey{{212, 208, 200}, {232, 230, 224}, {255, 255, 255}, {128, 128, 128}, {64, 64, 64}};
const Grey kWin98Grey{{192, 192, 192}, {223, 223, 223}, {255, 255, 255}, {128, 128, 128}, {0, 0, 0}};

// Raised 3-D frame filling [x0, x1) x [y0, y1): highlight on the outer top and
// left, a lighter line inside it, the dark shadow on the outer bottom and
// right with the softer shadow inside it.
void raisedFrame(Canvas& cv, int x0, int y0, int x1, int y1, const Grey& g) {
    rect(cv, x0, y0, x1, y1, g.face);
    rect(cv, x0, y0, x1 - 1, y0 + 1, g.hi);
    rect(cv, x0, y0, x0 + 1, y1 - 1, g.hi);
    rect(cv, x0 + 1, y0 + 1, x1 - 2, y0 + 2, g.light);
    rect(cv, x0 + 1, y0 + 1, x0 + 2, y1 - 2, g.light);
    rect(cv, x0 + 1, y1 - 2, x1 - 1, y1 - 1, g.shadow);
    rect(cv, x1 - 2, y0 + 1, x1 - 1, y1 - 1, g.shadow);
    rect(cv, x0, y1 - 1, x1, y1, g.dark);
    rect(cv, x1 - 1, y0, x1, y1, g.dark);
}

const StartLayout kClassicStart{92, 30, 59, 74, 0, 29, 66.5, 82, 15};
const StartLayout kWin98Start{90, 28, 57, 72, 0, 27, 64.5, 80, 14};

Canvas greyStart(const StartLayout& L, const Grey& g, double wave, int textX) {
    Canvas cv(L.w, L.h);
    raisedFrame(cv, 0, 0, L.w, L.h, g);
    int base = (L.h + 11) / 2 + 1;  // caption rows base - 11 .. base - 1
    drawLogo(cv, 6, base - 11, 5, 1, wave, {60, 60, 60});
    drawText(cv, "Start", textX, base, 0, kBlack, 1.0);
    crispMarks(cv, L, g.hi, g.shadow, kBlack);
    return cv;
}

Canvas classicStart(const StartLayout& L) { return greyStart(L, kClassicGrey, 0.0, 22); }
Canvas win98Start(const StartLayout& L) { return greyStart(L, kWin98Grey, 0.6, 21); }

// ---- panels -----------------------------------------------------------------

// The panel's rows, top to bottom; center.bmp is this column repeated, so
// it survives any horizontal stretch.
using RowColor = Col (*)(int y, int h);

Image stripOf(RowColor row, int w, int h) {
    Canvas cv(w, h);
    for (int y = 0; y < h; ++y) rect(cv, 0, y, w, y + 1, row(y, h));
    return opaque(cv);
}

// XP blue: a dark outline, one bright line under it, then a blue that is
// lightest near the top and deepens toward the bottom.
Col xpBlueRow(int y, int h) {
    static const Stop stops[] = {
        {0.00, {86, 146, 244}}, {0.10, {60, 124, 236}}, {0.40, {40, 100, 222}},
        {0.85, {30, 80, 200}},  {1.00, {24, 66, 178}},
    };
    if (y == 0) return {18, 48, 130};
    if (y == 1) return {132, 182, 252};
    if (y == h - 1) return {12, 36, 104};
    return ramp(stops, (y - 2) / double(h - 4));
}

// Glossy blue: a light upper half and a deep lower half split sharply at the
// middle, with a faint reflection on the bottom rows.
Col glossRow(int y, int h) {
    static const Stop upper[] = {{0.0, {160, 204, 255}}, {1.0, {92, 150, 244}}};
    static const Stop lower[] = {{0.0, {34, 92, 214}}, {0.75, {20, 62, 176}}, {1.0, {42, 104, 214}}};
    int mid = h / 2;
    if (y == 0) return {14, 36, 100};
    if (y == h - 1) return {10, 30, 88};
    if (y == 1) return {200, 226, 255};
    if (y < mid) return ramp(upper, (y - 2) / double(mid - 3));
    return ramp(lower, (y - mid) / double(h - 2 - mid));
}

// Grey raised panel: the frame of a classic window, face in between.
template <const Grey& g>
Col greyRow(int y, int h) {
    if (y == 0) return g.hi;
    if (y == 1) return g.light;
    if (y == h - 2) return g.shadow;
    if (y == h - 1) return g.dark;
    return g.face;
}

// End pieces. Each is the panel's rows with an edge on both sides, so that at
// either end of the panel it reads as a handle set apart from the buttons.

// XP blue: a column of raised dots, staggered in two rows.
Image xpBlueBack(const PanelLayout& P) {
    Canvas cv(P.backW, P.height);
    const int w = P.backW, h = P.height;
    for (int y = 0; y < h; ++y) {
        Col c = xpBlueRow(y, h);
        rect(cv, 0, y, w, y + 1, c);
        if (y > 0 && y < h - 1) {
            cv.over(0, y, {18, 48, 130}, 0.8);
            cv.over(1, y, kWhite, 0.22);
            cv.over(w - 2, y, {12, 36, 104}, 0.25);
            cv.over(w - 1, y, {12, 36, 104}, 0.8);
        }
    }
    for (int y = 7, i = 0; y + 2 <= h - 6; y += 3, ++i) {
        int x = w / 2 - 2 + (i % 2) * 2;
        cv.over(x + 1, y + 1, {10, 30, 90}, 0.8);  // shadow
        cv.over(x + 1, y, {10, 30, 90}, 0.35);
        cv.over(x, y + 1, {10, 30, 90}, 0.35);
        cv.over(x, y, {236, 244, 255}, 0.95);  // raised dot
    }
    return opaque(cv);
}

// Glossy blue: two vertical grooves, fading out at their ends.
Image glossBack(const PanelLayout& P) {
    Canvas cv(P.backW, P.height);
    const int w = P.backW, h = P.height;
    for (int y = 0; y < h; ++y) {
        rect(cv, 0, y, w, y + 1, glossRow(y, h));
        if (y > 0 && y < h - 1) {
            cv.over(0, y, {14, 36, 100}, 0.85);
            cv.over(1, y, kWhite, 0.25);
            cv.over(w - 2, y, {10, 30, 88}, 0.25);
            cv.over(w - 1, y, {10, 30, 88}, 0.85);
        }
    }
    int top = 8, bottom = h - 9;
    for (int y = top; y <= bottom; ++y) {
        double f = std::min(1.0, std::min(y - top + 1, bottom - y + 1) / 3.0);
        for (int x : {w / 2 - 3, w / 2 + 1}) {
            cv.over(x, y, {8, 28, 84}, 0.65 * f);
            cv.over(x + 1, y, kWhite, 0.55 * f);
        }
    }
    return opaque(cv);
}

// Grey: frame on all sides, and a grip of raised ridges.
template <const Grey& g>
void greyBackFrame(Canvas& cv, int w, int h) {
    for (int y = 0; y < h; ++y) rect(cv, 0, y, w, y + 1, greyRow<g>(y, h));
    rect(cv, 0, 0, 1, h - 1, g.hi);
    rect(cv, 1, 1, 2, h - 2, g.light);
    rect(cv, w - 2, 1, w - 1, h - 1, g.shadow);
    rect(cv, w - 1, 0, w, h, g.dark);
}

// xpclassic: two thin ridges, highlight then shadow.
Image classicBack(const PanelLayout& P) {
    Canvas cv(P.backW, P.height);
    greyBackFrame<kClassicGrey>(cv, P.backW, P.height);
    for (int x : {P.backW / 2 - 3, P.backW / 2})
        for (int y = 5; y < P.height - 5; ++y) {
            cv.over(x, y, kClassicGrey.hi, 1);
            cv.over(x + 1, y, kClassicGrey.shadow, 1);
        }
    return opaque(cv);
}

// win98: one raised bar three pixels wide.
Image win98Back(const PanelLayout& P) {
    Canvas cv(P.backW, P.height);
    greyBackFrame<kWin98Grey>(cv, P.backW, P.height);
    int x0 = P.backW / 2 - 2, y0 = 4, y1 = P.height - 4;
    rect(cv, x0, y0, x0 + 3, y1, kWin98Grey.face);
    rect(cv, x0, y0, x0 + 2, y0 + 1, kWin98Grey.hi);
    rect(cv, x0, y0, x0 + 1, y1 - 1, kWin98Grey.hi);
    rect(cv, x0 + 2, y0, x0 + 3, y1, kWin98Grey.shadow);
    rect(cv, x0, y1 - 1, x0 + 3, y1, kWin98Grey.shadow);
    return opaque(cv);
}

// ---- skins ------------------------------------------------------------------

struct SkinDef {
    const char* dir;
    const char* qvs;
    StartLayout start;
    PanelLayout panel;
    Canvas (*drawStart)(const StartLayout&);
    Col startEdge;
    RowColor row;
    Image (*drawBack)(const PanelLayout&);
};

const SkinDef kSkins[] = {
    {"xpdefault", "xpdef.qvs", kXpDefStart, {34, 10, 8, 26, 2}, xpDefaultStart, kXpDefEdge, xpBlueRow, xpBlueBack},
    {"xpclassic", "classic.qvs", kClassicStart, {32, 11, 8, 24, 3}, classicStart, kBlack, greyRow<kClassicGrey>,
     classicBack},
    {"xpbutton", "xpbutblue.qvs", kOrbStart, {36, 12, 8, 26, 3}, orbStart, kOrbEdge, glossRow, glossBack},
    {"win98", "win98.qvs", kWin98Start, {32, 10, 8, 24, 3}, win98Start, kBlack, greyRow<kWin98Grey>, win98Back},
};

Bytes describe(const StartLayout& s, const PanelLayout& p) {
    std::vector<int> n{p.height};
    for (Zone z : {s.zone1(), s.zone2(), s.zone3()}) n.insert(n.end(), {z.left, z.top, z.right, z.bottom});
    n.insert(n.end(), {p.slotW, p.gap, p.buttonTop()});
    Bytes d;
    for (int v : n)
        for (char c : std::to_string(v) + "\r\n") d.u8(uint8_t(c));
    return d;
}

bool writeSkin(const std::string& root, const SkinDef& k) {
    if (!checkLayout(k.dir, k.start, k.panel)) return false;
    const PanelLayout& P = k.panel;
    std::string dir = root + k.dir + "/";
    std::error_code err;
    std::filesystem::create_directories(dir, err);  // a missing folder is made; a failure shows up in save()
    bool ok = save(dir + "normal.bmp", bmp24(keyed(k.drawStart(k.start), k.startEdge, kMaroon)));
    Image center = stripOf(k.row, P.centerW, P.height);
    ok = save(dir + "center.bmp", bmp24(center)) && ok;
    ok = save(dir + "back.bmp", bmp24(k.drawBack(P))) && ok;
    // The panel's own rows behind the opaque buttons, so they sit on the
    // panel without a seam.
    auto panelRow = [&](int y) { return fromRgb(center.at(0, P.buttonTop() + y)); };
    for (int b = 1; b <= PanelButtonCount; ++b) ok = saveButton(dir + PanelButtons[b].File, b, panelRow) && ok;
    ok = save(dir + k.qvs, describe(k.start, P)) && ok;
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawskins <skins-directory>\n");
        return 2;
    }
    std::string root = argv[1];
    if (!root.empty() && root.back() != '/') root += '/';
    bool ok = true;
    for (const SkinDef& k : kSkins) ok = writeSkin(root, k) && ok;
    return ok ? 0 : 1;
}
