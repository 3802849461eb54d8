// buttons.h: the pictures of Quorvel's panel buttons. drawskins puts them
// into every skin and drawart builds them into the program, both from this
// one set of drawings, so a skin's buttons and the built-in ones always show
// the same things. Which buttons there are, their files and which are
// see-through come from the program's own table.
#pragma once

#include "model/PanelButtons.h"
#include "raster.h"

#include <cmath>
#include <iterator>
#include <string>

namespace qvart {

const int kButton = 24;              // panel buttons are kButton x kButton
const Rgb kButtonKey{255, 0, 255};   // see-through colour of the keyed buttons

const Col kInk{30, 34, 44};

// A small window: dark frame, blue title bar, pale body.
inline void drawWindow(Canvas& cv, int x0, int y0, int x1, int y1, bool active) {
    fillFlat(cv, RRect{x0 + 1.0, y0 + 1.0, x1 + 1.0, y1 + 1.0, 1, 1}, kBlack, 0.22);
    Col barTop = active ? Col{96, 156, 248} : Col{168, 184, 214};
    Col barBottom = active ? Col{34, 90, 220} : Col{120, 140, 184};
    const int bar = 4;
    RRect frame{double(x0), double(y0), double(x1), double(y1), 1.2, 1.2};
    fillWithRim(cv, frame,
                [&](int, int y) {
                    if (y < y0 + bar) return mix(barTop, barBottom, (y - y0) / double(bar - 1));
                    return mix(Col{252, 252, 254}, Col{222, 228, 240}, (y - y0 - bar) / double(y1 - y0 - bar));
                },
                active ? Col{24, 50, 118} : Col{84, 96, 128}, 1.0);
    // Close box at the right of the title bar.
    rect(cv, x1 - 4, y0 + 1, x1 - 2, y0 + 3, active ? Col{236, 96, 60} : Col{214, 222, 236});
}

inline void iconDisc(Canvas& cv) {
    const double cx = 12, cy = 12, r = 10.5, hole = 1.9;
    fillFlat(cv, Disc{cx + 0.7, cy + 0.9, r, hole}, kBlack, 0.25);
    fillWithRim(cv, Disc{cx, cy, r, hole},
                [&](int x, int y) {
                    double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d = std::hypot(dx, dy);
                    Col c = mix({240, 242, 248}, {168, 176, 192}, std::clamp((dy + dx * 0.3 + r) / (2 * r), 0.0, 1.0));
                    // Two bright rainbow wedges across the data side.
                    double a = std::atan2(dy, dx);
                    double s = std::pow(std::max(0.0, std::cos(2 * (a - 0.75))), 2);
                    double hue = (d - 4.5) / 6.0 + a / (2 * kPi);
                    Col tint{127.5 + 127.5 * std::cos(2 * kPi * hue), 127.5 + 127.5 * std::cos(2 * kPi * (hue - 1 / 3.0)),
                             127.5 + 127.5 * std::cos(2 * kPi * (hue - 2 / 3.0))};
                    tint = mix(tint, kWhite, 0.35);
                    if (d > 4.6) c = mix(c, tint, 0.8 * s);
                    else c = mix(c, {226, 232, 242}, 0.6);  // clear hub
                    return c;
                },
                {84, 90, 108}, 1.0);
    fillFlat(cv, Disc{cx, cy, 4.7, 4.0}, {140, 148, 168}, 0.7);  // edge of the hub
    fillFlat(cv, Disc{cx, cy, hole + 0.7, hole}, {84, 90, 108}, 0.8);
}

inline void iconPower(Canvas& cv) {
    const double cx = 12, cy = 12, r = 10.2;
    fillFlat(cv, Disc{cx + 0.7, cy + 0.9, r}, kBlack, 0.25);
    fillWithRim(cv, Disc{cx, cy, r},
                [&](int x, int y) {
                    double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - cy) / r;
                    Col c = mix({236, 84, 50}, {150, 22, 12}, std::clamp(0.5 + dy * 0.5, 0.0, 1.0));
                    double glow = 1 - std::hypot(dx / 0.7, (dy - 0.6) / 0.4);
                    if (glow > 0) c = mix(c, {255, 150, 90}, 0.7 * std::min(1.0, glow * 1.5));
                    return c;
                },
                {104, 16, 8}, 1.0);
    Oval cap{cx, cy - 5.2, 7.0, 4.0};
    paint(cv, [&](double px, double py) { return cap.in(px, py); },
          [&](int, int y) { return mix(kWhite, {255, 190, 170}, std::clamp((y - 1.0) / 8.0, 0.0, 1.0)); }, 0.45);
    // Power symbol: a ring open at the top and a bar through the opening.
    auto symbol = [&](double oy) {
        return [=](double px, double py) {
            double dx = px - cx, dy = py - (cy + 0.8) - oy, d = std::hypot(dx, dy);
            bool ring = d >= 4.3 && d <= 6.5 && !(dy < 0 && std::fabs(dx) < -dy * 1.1);
            return ring || segmentDistance(px, py, cx, 4.4 + oy, cx, 11.4 + oy) <= 1.2;
        };
    };
    paint(cv, symbol(0.8), [](int, int) { return Col{110, 14, 6}; }, 0.6);
    paint(cv, symbol(0), [](int, int) { return kWhite; });
}

template <class S>
void redX(Canvas& cv, const S& shape) {
    fillWithRim(cv, shape,
                [&](int, int y) { return mix(Col{255, 96, 72}, Col{200, 24, 14}, std::clamp((y - 12) / 9.0, 0.0, 1.0)); },
                {110, 10, 4}, 0.9);
}

inline void iconCloseAll(Canvas& cv) {
    drawWindow(cv, 8, 2, 22, 14, false);
    drawWindow(cv, 2, 6, 16, 18, true);
    auto x = either(Stroke{13.5, 13.5, 21.5, 21.5, 3.6}, Stroke{21.5, 13.5, 13.5, 21.5, 3.6});
    redX(cv, x);
}

inline void iconMinAll(Canvas& cv) {
    drawWindow(cv, 8, 2, 22, 12, false);
    drawWindow(cv, 2, 5, 16, 15, true);
    // A green arrow dropping onto a bar: everything goes down.
    Poly shaft{{{16, 9}, {20, 9}, {20, 15}, {16, 15}}};
    Poly head{{{12.5, 14}, {23.5, 14}, {18, 19.5}}};
    auto a = either(shaft, head);
    fillWithRim(cv, a, [](int, int y) { return mix(Col{140, 224, 110}, Col{40, 150, 40}, std::clamp((y - 9) / 10.0, 0.0, 1.0)); },
                {20, 90, 20}, 0.9);
    fillWithRim(cv, RRect{3, 20, 22, 23, 1, 1}, [](int, int y) { return y == 20 ? Col{110, 160, 250} : Col{40, 96, 222}; },
                {20, 46, 112}, 0.9);
}

inline void iconFolder(Canvas& cv) {
    const Col rim{136, 94, 10};
    fillFlat(cv, RRect{3, 5, 22, 21, 1, 1}, kBlack, 0.2);
    auto back = either(RRect{2, 4, 10, 9, 1.5, 1.5}, RRect{2, 6, 21, 20, 1, 1});
    fillWithRim(cv, back, [](int, int y) { return mix(Col{242, 196, 80}, Col{206, 148, 30}, (y - 4) / 16.0); }, rim, 1.0);
    fillWithRim(cv, RRect{5, 8, 19, 17, 0, 0}, [](int, int) { return Col{252, 252, 248}; }, {150, 150, 140}, 1.0);
    for (int y : {11, 13}) rect(cv, 7, y, 17, y + 1, {176, 184, 200});
    Poly front{{{4.5, 11}, {22.5, 11}, {20.5, 20}, {2, 20}}};
    fillWithRim(cv, front, [](int, int y) { return mix(Col{255, 230, 130}, Col{244, 186, 54}, (y - 11) / 9.0); }, rim, 1.0);
    rect(cv, 5, 12, 21, 13, {255, 244, 196}, 0.7);  // light catching the flap's top edge
}

inline void iconApp(Canvas& cv) {
    drawWindow(cv, 2, 3, 21, 20, true);
    // A gear in the window: a program at work.
    const double cx = 11.5, cy = 12.5;
    struct Gear {
        double cx, cy;
        bool in(double px, double py, double inset = 0) const {
            double dx = px - cx, dy = py - cy, d = std::hypot(dx, dy);
            double a = std::atan2(dy, dx);
            double tooth = std::clamp((std::cos(8 * a) + 0.35) * 2.0, 0.0, 1.0);
            double outer = 4.2 + 1.5 * tooth;
            return d <= outer - inset && d >= 1.7 + inset;
        }
    } gear{cx, cy};
    fillWithRim(cv, gear, [&](int, int y) { return mix(Col{176, 190, 214}, Col{92, 108, 140}, (y - 7) / 11.0); },
                {46, 56, 80}, 0.9);
}

inline void iconMonitor(Canvas& cv) {
    const Col rim{54, 58, 68};
    fillWithRim(cv, RRect{6, 20, 18, 23, 1.2, 1.2}, [](int, int) { return Col{170, 174, 184}; }, rim, 1.0);
    fillWithRim(cv, RRect{10, 16, 14, 21, 0, 0}, [](int, int) { return Col{150, 154, 166}; }, rim, 1.0);
    fillWithRim(cv, RRect{1, 2, 23, 18, 1.8, 1.8},
                [](int, int y) { return mix(Col{236, 238, 242}, Col{186, 190, 202}, (y - 2) / 15.0); }, rim, 1.0);
    fillWithRim(cv, RRect{3, 4, 21, 15, 0.5, 0.5},
                [](int x, int y) {
                    Col c = mix(Col{96, 170, 250}, Col{20, 64, 176}, (y - 4) / 10.0);
                    // A soft diagonal reflection across the upper left.
                    double d = (x - 3) + (y - 4) * 1.4;
                    if (d > 3 && d < 9) c = mix(c, kWhite, 0.25 * std::sin((d - 3) / 6 * kPi));
                    return c;
                },
                {40, 46, 60}, 1.0);
    rect(cv, 19, 16, 20, 17, {70, 210, 90});  // power light
}

inline void iconClock(Canvas& cv) {
    const double cx = 12, cy = 12;
    const Col rim{40, 44, 56};
    fillWithRim(cv, Disc{cx, cy, 11.0},
                [&](int, int y) { return mix(Col{120, 170, 240}, Col{30, 72, 170}, (y - 1) / 22.0); }, rim, 1.0);
    fillWithRim(cv, Disc{cx, cy, 8.6},
                [&](int, int y) { return mix(Col{228, 232, 240}, kWhite, (y - 4) / 16.0); }, {70, 90, 130}, 0.9);
    for (int k = 0; k < 12; ++k) {
        double a = k * kPi / 6, s = std::sin(a), c = std::cos(a);
        bool major = k % 3 == 0;
        double r0 = major ? 5.6 : 6.4;
        Stroke tick{cx + s * r0, cy - c * r0, cx + s * 7.2, cy - c * 7.2, major ? 1.5 : 1.0};
        fillFlat(cv, tick, kInk, major ? 1.0 : 0.7);
    }
    // Five to two, hands well apart.
    auto hand = [&](double turns, double len, double w, Col c) {
        double a = turns * 2 * kPi;
        fillFlat(cv, Stroke{cx, cy, cx + std::sin(a) * len, cy - std::cos(a) * len, w}, c);
    };
    hand((1 + 55 / 60.0) / 12, 4.4, 1.9, kInk);
    hand(55 / 60.0, 6.3, 1.4, kInk);
    fillFlat(cv, Disc{cx, cy, 1.3}, {200, 30, 20});
}

// How each button is drawn, indexed like the program's table; element 0 is
// unused.
struct ButtonArt {
    void (*draw)(Canvas&);
    Col edge{};  // what partly covered edge pixels of a keyed picture fade to
};

inline const ButtonArt kButtonArt[] = {
    {},
    {iconDisc},
    {iconPower},
    {iconCloseAll},
    {iconMinAll},
    {iconFolder},
    {iconApp},
    {iconMonitor, {54, 58, 68}},
    {iconClock, {40, 44, 56}},
};
static_assert(std::size(kButtonArt) == PanelButtonEnd, "a drawing for every kind of panel button");

// The finished picture of button k. An opaque one is drawn over
// background(y), the colour of row y behind it; a keyed (see-through) one is
// drawn on nothing, and the program makes the colour of its lower-left pixel
// see-through.
template <class B>
Image buttonImage(int k, B background) {
    Canvas cv(kButton, kButton);
    if (PanelButtons[k].SeeThrough) {
        kButtonArt[k].draw(cv);
        return keyed(cv, kButtonArt[k].edge, kButtonKey);
    }
    for (int y = 0; y < kButton; ++y) rect(cv, 0, y, kButton, y + 1, background(y));
    kButtonArt[k].draw(cv);
    return opaque(cv);
}

// Writes button k to path. A keyed picture whose lower-left pixel is not the
// key would show its drawing's own colour as a hole, so it is refused.
template <class B>
bool saveButton(const std::string& path, int k, B background, Bytes (*encode)(const Image&) = bmp24) {
    Image im = buttonImage(k, background);
    if (PanelButtons[k].SeeThrough && !(im.at(0, kButton - 1) == kButtonKey)) {
        std::fprintf(stderr, "%s: the lower-left pixel is drawn on, not see-through\n", path.c_str());
        return false;
    }
    return save(path, encode(im));
}

}  // namespace qvart
