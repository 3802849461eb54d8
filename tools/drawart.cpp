// drawart: draws Quorvel's built-in pictures so that no binary art has to be
// kept by hand. Run as `drawart <repo>/res`; it (re)writes
//   start.bmp    - the default start button, 95 x 31, maroon outside the shape
//   hand.cur     - pointing-hand cursor for systems without IDC_HAND
//   Quorvel.ico  - the application icon, 32 x 32 and 16 x 16
//   btn1.bmp ... - the panel buttons' own 24 x 24 pictures, shown while no
//                  skin gives them one: the opaque ones on a plain light
//                  grey, the others magenta (255, 0, 255) wherever they are
//                  see-through
//   PanelButtons.rc - the resource lines that take those pictures in
//   about.bmp    - the About box's picture, 94 x 131: a small desktop card
//                  with the logo and a taskbar, on the dialog's silver
// Everything is computed with plain arithmetic from fixed inputs, so the
// output is the same on every run.

#include "buttons.h"
#include "raster.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace qvart;

const Col kBorder = kGreenBorder;  // outline just inside the button edge
const Col kEdge = kGreenEdge;      // what partly covered edge pixels fade to
const Col kShadow = kGreenShadow;  // text and mark shadows
const Col kMark{232, 248, 226};    // the two small clickable marks
const Rgb kKey{128, 0, 0};         // see-through colour of the window
// Behind the opaque built-in buttons: a neutral grey that suits any panel.
const Col kButtonFace{212, 208, 200};

void drawButton(Canvas& cv, const RRect& s) { drawGlossyButton(cv, s, greenBody, kBorder); }

void drawLogo(Canvas& cv, double x, double y, double pane, double gap, double wave) {
    qvart::drawLogo(cv, x, y, pane, gap, wave, kShadow);
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
        double f = std::sin((y - 5.5) / 19.0 * kPi);
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

// The About box's picture: a rounded card like a tiny desktop, the logo large
// in its sky, a soft wave across the middle and a taskbar along the bottom
// with the green start pill. The box is silver, so the corners the card
// leaves open are silver too and it needs no see-through colour.
Canvas drawAbout() {
    const int w = 94, h = 131;
    const Col kDialogFace{192, 192, 192};
    const Col kFrame{22, 56, 96};
    Canvas cv(w, h);
    rect(cv, 0, 0, w, h, kDialogFace);

    const RRect card{0, 0, double(w), double(h), 5, 5};
    auto onCard = [&](double px, double py) { return card.in(px, py, 1.0); };

    static const Stop sky[] = {
        {0.00, {86, 138, 222}}, {0.50, {56, 148, 198}}, {1.00, {34, 170, 160}},
    };
    paint(cv, [&](double px, double py) { return card.in(px, py); },
          [&](int x, int y) {
              double cx = x + 0.5, cy = y + 0.5;
              Col c = ramp(sky, cy / h);
              // A pale glow behind the logo lifts it off the sky.
              double d = std::hypot((cx - 47) / 40, (cy - 40) / 36);
              if (d < 1) c = mix(c, kWhite, 0.30 * (1 - d) * (1 - d));
              return c;
          });

    // Two gentle waves, the logo's own bend, rolling across the middle.
    auto wave = [](double base, double amp, double phase) {
        return [=](double px, double py) {
            return py >= base + amp * std::sin(px / 94.0 * 2 * kPi * 0.75 + phase);
        };
    };
    auto onCardAnd = [&](auto shape) {
        return [=](double px, double py) { return onCard(px, py) && shape(px, py); };
    };
    paint(cv, onCardAnd(wave(86, 4.5, 0.4)), [](int, int) { return Col{170, 232, 222}; }, 0.30);
    paint(cv, onCardAnd(wave(95, 3.5, 2.2)), [](int, int) { return Col{24, 120, 132}; }, 0.28);

    qvart::drawLogo(cv, 23, 14, 22, 4, 2.0, {12, 38, 86});

    // The taskbar: a blue strip over the card's bottom rows, lit along its top.
    const int barTop = 110;
    paint(cv, [&](double px, double py) { return py >= barTop && onCard(px, py); },
          [&](int, int y) {
              if (y == barTop) return Col{138, 176, 236};
              return mix(Col{58, 100, 196}, Col{30, 62, 150}, (y - barTop - 1) / double(h - barTop - 2));
          });

    // Start pill: the start button's body and border shrunk down, logo inside.
    drawGlossyButton(cv, RRect{4, 113, 32, 128, 4.5, 6.5}, greenBody, kGreenBorder);
    qvart::drawLogo(cv, 9, 117, 3, 1, 0.15, kGreenShadow);
    // A short bright bar where the caption would be.
    fillFlat(cv, RRect{19.5, 119.5, 28, 121.5, 1, 1}, kGreenShadow, 0.55);
    fillFlat(cv, RRect{19, 119, 27.5, 121, 1, 1}, {232, 248, 226});

    // Two window buttons, the first one pressed in as the active window.
    auto task = [&](double x0, double x1, bool active, Col icon) {
        RRect b{x0, 114, x1, 127, 1.5, 1.5};
        fillWithRim(cv, b,
                    [&](int, int y) {
                        double t = (y - 114) / 12.0;
                        return active ? mix(Col{34, 66, 150}, Col{54, 94, 186}, t)
                                      : mix(Col{104, 148, 226}, Col{64, 108, 204}, t);
                    },
                    active ? Col{18, 36, 92} : Col{30, 56, 128}, 1.0);
        double ix = x0 + 3, iy = 118.5;
        fillWithRim(cv, RRect{ix, iy, ix + 5, iy + 5, 0.8, 0.8}, [&](int, int) { return icon; },
                    mix(icon, kBlack, 0.5), 0.8);
        fillFlat(cv, RRect{ix + 7, 120, x1 - 3, 122, 0.8, 0.8}, {226, 234, 250}, active ? 0.7 : 0.9);
    };
    task(35, 55, true, {255, 198, 24});
    task(57, 76, false, {236, 72, 36});

    // Tray: a sunken well with two tiny lights.
    fillWithRim(cv, RRect{79, 114, 90, 127, 1.2, 1.2},
                [](int, int y) { return mix(Col{28, 58, 140}, Col{44, 82, 170}, (y - 114) / 12.0); },
                {20, 42, 104}, 1.0);
    fillFlat(cv, Disc{82.5, 120.5, 1.4}, {120, 220, 110});
    fillFlat(cv, Disc{86.8, 120.5, 1.4}, {240, 210, 90});

    // The frame goes on last so nothing above covers it.
    paint(cv, [&](double px, double py) { return card.in(px, py) && !card.in(px, py, 1.0); },
          [&](int, int) { return kFrame; });
    return cv;
}

// ---- file writers ---------------------------------------------------------

// 24-bit BMP of the start button; pixels the shape does not touch get the
// key colour, partly covered ones fade to the dark edge green instead.
Bytes startBmp(const Canvas& cv) { return bmp24(keyed(cv, kEdge, kKey)); }

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
    ok = save(dir + "about.bmp", bmp8(opaque(drawAbout()))) && ok;
    // Named by button number; the resource script takes them in under the
    // numbers the program asks for, from the same table.
    std::string script = "// Written by tools/drawart from the panel buttons' table.\n";
    for (int k = 1; k <= PanelButtonCount; ++k) {
        std::string name = "btn" + std::to_string(k) + ".bmp";
        ok = saveButton(dir + name, k, [](int) { return kButtonFace; }, bmpExact) && ok;
        script += std::to_string(OwnPicture(k)) + " BITMAP \"" + name + "\"\n";
    }
    Bytes lines;
    lines.b.assign(script.begin(), script.end());
    ok = save(dir + "PanelButtons.rc", lines) && ok;
    return ok ? 0 : 1;
}
