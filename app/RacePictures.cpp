// The race screen's stock pictures. Their sizes follow the places the race
// screen gives them (positions in the game area):
//
//   name                   size      at            keyed
//   wmeter                 194 x 71  (44, 277)     yes  tachometer and speed panel
//   meterBackImg           179 x 11  (50, 284)     no   scale behind the bar
//   meterImg               177 x 10  (51, 284)     no   the bar, shown cut to its width
//   num0..num9              15 x 20  (67.., 320)   yes  speed digits, 15 px apart
//   wgear1, 2, 3            17 x 45, 55, 65 (15, 290 / 280 / 270)  yes  gear gates
//   tama                    10 x 10  (17, 271..321) yes gear ball
//   wgr                     20 x 20  (32, 310)     yes  lever knob under the gear letter
//   hintLeft, hintRight     28 x 11, 30 x 11 (314 / 342, 278)  yes  "SHIFT", "BRAKE"
//   grup1/2, grdown1/2      26 x 26  (314, 290 / 318)  yes  shift arrows
//   brake1, brake2          28 x 54  (342, 290)    yes  brake pedal
//   guidebar                104 x 8  (400, 337)    yes  distance gauge, 100 px
//   guide                    9 x 14  (396..496, 333) yes marker
//   sigback                122 x 54  (194, 10)     yes  start signal panel
//   SigBoxLeft, SigBoxRight 15 x 30  (195 / 290, 15) yes
//   SignalBar               70 x 10  (220, 25)     yes
//   pi                      12 x 30  (210..290, 15) yes moving marker
//   win, win2..win6, lose  130 x 46  (68, 306) / (362, 36)  yes  result
//   audience1, audience2   136 x 38  (374, 294)    yes  crowd
//   flying                 106 x 40  (204, 160)    yes  false start
//   rainPict               514 x 100 anywhere      yes
//   wIconSunny, wIconRainy, wIconWindy, wIconNo  18 x 18  yes  weather icons
//   weatherBack             36 x 22  weather panel no
#include "app/RacePictures.h"

#include "app/StockPictures.h"
#include "ui/Draw.h"

#include <utility>

#include <cmath>
#include <numbers>

namespace zb {

namespace {

using draw::Layer;
using draw::mix;
using draw::Point;
using draw::scale;

constexpr double kPi = std::numbers::pi;
constexpr std::uint32_t kKey = rgb(255, 0, 255);
constexpr std::uint32_t kEdge = rgb(16, 12, 24);
constexpr std::uint32_t kWhite = rgb(255, 255, 255);
constexpr std::uint32_t kPink = rgb(255, 70, 170);
constexpr std::uint32_t kCyan = rgb(60, 220, 255);

ImagePtr keyed(const Layer& layer, int outline = 0, std::uint32_t edge = kEdge) {
    Image img = layer.toKeyed(kKey, edge, outline);
    img.at(0, img.height - 1) = kKey; // transparent by its corner whatever is drawn there
    return std::make_shared<Image>(std::move(img));
}

ImagePtr solid(Image img) {
    draw::keepCornerUnique(img);
    return std::make_shared<Image>(std::move(img));
}

draw::TextStyle style(int size, std::uint32_t top, std::uint32_t bottom, std::uint32_t outline,
                      int outlineWidth = 1, const char* face = "ＭＳ Ｐゴシック") {
    draw::TextStyle st;
    st.font = {face, size, true};
    st.top = top;
    st.bottom = bottom;
    st.outline = outlineWidth;
    st.outlineColour = outline;
    return st;
}

// A dark plate with a neon rim running from cyan to pink, like the frames.
void neonPlate(Layer& l, const std::vector<Point>& outer, const std::vector<Point>& inner, double w,
               double h) {
    draw::fillPolygon(l, outer, draw::horizontal(0, kCyan, w, kPink));
    draw::fillPolygon(l, inner, draw::vertical(0, rgb(40, 34, 64), h, rgb(8, 6, 16)));
}

// ---- speed digits: seven segments, slanted a little ----

// Segments a..g of each digit.
constexpr unsigned kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// Draws the lit segments of a digit (all seven for -1) into a 15 x 20 cell at (ox, oy).
void segments(draw::Target t, double ox, double oy, int digit, const draw::Paint& p) {
    const unsigned bits = digit < 0 ? 0x7F : kSegments[digit];
    const double slant = 0.1;
    auto at = [&](double x, double y) { return Point{ox + x + (19 - y) * slant, oy + y}; };
    const double th = 1.5; // half thickness
    auto horizontal = [&](double y, double x0, double x1) {
        draw::fillPolygon(t,
                          {at(x0, y), at(x0 + th, y - th), at(x1 - th, y - th), at(x1, y),
                           at(x1 - th, y + th), at(x0 + th, y + th)},
                          p);
    };
    auto vertical = [&](double x, double y0, double y1) {
        draw::fillPolygon(t,
                          {at(x, y0), at(x + th, y0 + th), at(x + th, y1 - th), at(x, y1),
                           at(x - th, y1 - th), at(x - th, y0 + th)},
                          p);
    };
    // The segments keep clear of the cell's edges by the width of the digit's
    // dark rim.
    const double l = 3.4, r = 10.4, top = 3.4, mid = 10, bottom = 16.6;
    if (bits & 0x01) horizontal(top, l + 0.6, r - 0.6);
    if (bits & 0x02) vertical(r, top + 0.6, mid - 0.6);
    if (bits & 0x04) vertical(r, mid + 0.6, bottom - 0.6);
    if (bits & 0x08) horizontal(bottom, l + 0.6, r - 0.6);
    if (bits & 0x10) vertical(l, mid + 0.6, bottom - 0.6);
    if (bits & 0x20) vertical(l, top + 0.6, mid - 0.6);
    if (bits & 0x40) horizontal(mid, l + 0.6, r - 0.6);
}

ImagePtr digit(int n) {
    Layer l(15, 20);
    // A dark rim round the lit segments: the rival's speed stands over the sky,
    // and the clouds must not run into its digits.
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx != 0 || dy != 0) segments(l, dx, dy, n, rgb(10, 12, 26));
    segments(l, 0, 0, n, draw::vertical(0, rgb(235, 255, 255), 20, rgb(70, 210, 255)));
    return keyed(l, 1);
}

// ---- tachometer ----

ImagePtr speedPanel() {
    const int w = 194, h = 71;
    Layer l(w, h);
    neonPlate(l,
              {{4, 0},
               {190, 0},
               {194, 4},
               {194, 23},
               {188, 29},
               {118, 29},
               {106, 41},
               {106, 67},
               {102, 71},
               {4, 71},
               {0, 67},
               {0, 4}},
              {{5, 2},
               {189, 2},
               {192, 5},
               {192, 22},
               {187, 27},
               {117, 27},
               {104, 40},
               {104, 66},
               {101, 69},
               {5, 69},
               {2, 66},
               {2, 5}},
              w, h);
    // The well the bar runs in (the bar stands at 7..184 x 7..17 of this panel).
    draw::fillRoundRect(l, 4, 4, 184, 17, 2, rgb(4, 4, 10));
    draw::frameRect(l, 4, 4, 184, 17, rgb(70, 64, 100));
    // Ticks under the well; the last fifth is red.
    for (int k = 0; k <= 20; ++k) {
        const double x = 7 + k * 177 / 20.0;
        const std::uint32_t c = k >= 16 ? rgb(255, 80, 70) : rgb(170, 180, 210);
        draw::line(l, x, 22, x, k % 2 ? 24 : 26, k % 2 ? 0.8 : 1.2, c);
    }
    // The digits' window with the unlit segments showing faintly.
    draw::fillRoundRect(l, 18, 40, 56, 26, 3, rgb(4, 6, 10));
    draw::frameRect(l, 18, 40, 56, 26, rgb(60, 70, 100));
    for (int i = 0; i < 3; ++i)
        segments(l, 23 + 15 * i, 43, -1, rgb(22, 36, 46));
    draw::text(l, 20, 29, "SPEED", style(9, rgb(150, 230, 255), rgb(80, 170, 230), rgb(8, 6, 16)));
    return keyed(l, 0, rgb(8, 6, 16));
}

ImagePtr meterBack() {
    Image img(179, 11, rgb(6, 6, 12));
    for (int x = 1; x < 178; ++x) {
        const double t = (x - 1) / 176.0;
        const std::uint32_t c = t < 0.6 ? mix(rgb(20, 60, 30), rgb(70, 64, 20), t / 0.6)
                                        : mix(rgb(70, 64, 20), rgb(80, 20, 20), (t - 0.6) / 0.4);
        if ((x - 1) % 4 == 3) continue; // gaps between the lamps of the bar
        draw::fillRect(img, x, 1, 1, 9, c);
    }
    draw::fillRect(img, 0, 10, 179, 1, rgb(60, 56, 90));
    return solid(std::move(img));
}

ImagePtr meterBar() {
    Image img(177, 10);
    for (int x = 0; x < 177; ++x) {
        const double t = x / 176.0;
        std::uint32_t c = t < 0.6 ? mix(rgb(60, 230, 90), rgb(250, 230, 60), t / 0.6)
                                  : mix(rgb(250, 230, 60), rgb(255, 50, 40), (t - 0.6) / 0.4);
        if (x % 4 == 3) c = scale(c, 0.35);
        for (int y = 0; y < 10; ++y) {
            // Light along the top, shade along the bottom.
            const double f = y == 0 ? 1.35 : (y < 3 ? 1.15 : 1.0 - (y - 3) * 0.06);
            img.at(x, y) = scale(c, f);
        }
    }
    return solid(std::move(img));
}

// ---- gear gate, ball and lever ----

// Tiny 3 x 5 figures for the gate's labels: N and 1..6.
void tinyLabel(Image& img, int x, int y, char c, std::uint32_t colour) {
    static const std::pair<char, const char*> font[] = {
        {'N', "#..###.##.###..##..#"}, {'1', ".#.##..#..#.###"}, {'2', "##...#.#.#..###"},
        {'3', "##...#.#...###."},      {'4', "#.##.####..#..#"}, {'5', "####..##...###."},
        {'6', ".###..##.#.#.#."}};
    for (const auto& [ch, bits] : font) {
        if (ch != c) continue;
        const int cols = ch == 'N' ? 4 : 3;
        const std::string b = bits;
        for (int i = 0; i < static_cast<int>(b.size()); ++i)
            if (b[static_cast<std::size_t>(i)] == '#') img.at(x + i % cols, y + i / cols) = colour;
    }
}

ImagePtr gearGate(int gears) {
    // The gate stands at x = 15 with its top 1 px above the top gear's ball; the
    // ball (10 px, at x = 17) has its top at 316 in neutral, 321 in 1st, then
    // 10 px higher for each gear above.
    const int top = gears == 4 ? 290 : (gears == 5 ? 280 : 270);
    const int h = 331 + 4 - top;
    const int w = 17;
    auto centre = [&](int gear) { // gear 0 = neutral
        const int ballTop = gear == 0 ? 316 : 321 - 10 * (gear - 1);
        return ballTop + 5 - top;
    };
    Layer l(w, h);
    draw::fillRoundRect(l, 0, 0, w, h, 4, draw::horizontal(0, kCyan, w, kPink));
    draw::fillRoundRect(l, 1, 1, w - 2, h - 2, 3,
                        draw::vertical(0, rgb(40, 34, 64), h, rgb(10, 8, 20)));
    // The slot from the top gear down to 1st.
    const double y0 = centre(gears) - 2.5, y1 = centre(1) + 2.5;
    draw::fillRoundRect(l, 3.5, y0, 7, y1 - y0, 3, rgb(2, 2, 6));
    draw::line(l, 4.2, y0 + 2, 4.2, y1 - 2, 0.8, rgb(70, 60, 100));
    Image img = l.toKeyed(kKey, rgb(8, 6, 16));
    // Notches and labels to the right of the slot.
    for (int g = 0; g <= gears; ++g) {
        const int cy = centre(g);
        const std::uint32_t c = g == 0 ? rgb(80, 255, 80) : rgb(230, 230, 240);
        img.at(11, cy) = c;
        tinyLabel(img, 12, cy - 2, g == 0 ? 'N' : static_cast<char>('0' + g), c);
    }
    img.at(0, h - 1) = kKey;
    return std::make_shared<Image>(std::move(img));
}

ImagePtr gearBall() {
    Layer l(10, 10);
    draw::fillCircle(l, 5, 5, 4.6, draw::vertical(0, rgb(255, 220, 120), 10, rgb(220, 70, 20)));
    draw::fillCircle(l, 3.6, 3.4, 1.5, rgb(255, 250, 230));
    return keyed(l, 0, rgb(90, 20, 10));
}

ImagePtr leverKnob() {
    Layer l(20, 20);
    draw::fillCircle(l, 10, 10, 9.6, draw::vertical(0, rgb(230, 232, 244), 20, rgb(90, 92, 110)));
    draw::fillCircle(l, 10, 10, 7.4, draw::vertical(2, rgb(8, 8, 14), 18, rgb(40, 40, 56)));
    draw::ring(l, 10, 10, 7.4, 8.2, rgb(40, 40, 52));
    return keyed(l, 0, rgb(30, 30, 40));
}

// ---- brake pedal, shift arrows, captions ----

ImagePtr caption(int w, const char* text) {
    Layer l(w, 11);
    draw::textCentred(l, w / 2, 5, text,
                      style(8, rgb(255, 255, 255), rgb(200, 210, 240), kEdge, 1, "ＭＳ ゴシック"));
    return keyed(l);
}

ImagePtr brakePedal(bool pressed) {
    const int w = 28, h = 54;
    Layer l(w, h);
    const double o = pressed ? 1.5 : 0;
    const std::uint32_t red = pressed ? rgb(150, 20, 20) : rgb(220, 40, 36);
    draw::fillRoundRect(l, 0, 0, w, h, 6, rgb(200, 200, 220));
    draw::fillRoundRect(l, 1.5, 1.5, w - 3, h - 3, 5,
                        pressed ? draw::vertical(0, rgb(20, 18, 26), h, rgb(60, 56, 70))
                                : draw::vertical(0, rgb(70, 66, 84), h, rgb(16, 14, 22)));
    draw::fillRoundRect(
        l, 5 + o / 2, 6 + o, w - 10 - o, h - 14 - o, 4,
        draw::vertical(6, mix(red, kWhite, pressed ? 0.05 : 0.3), h - 8, scale(red, 0.55)));
    // Ribs on the pedal.
    for (double y = 12 + o; y < h - 12; y += 6)
        draw::fillRoundRect(l, 8 + o / 2, y, w - 16 - o, 2, 1, scale(red, 0.45));
    if (pressed) draw::ring(l, w / 2.0, h / 2.0, 9, 10.5, rgb(255, 120, 90));
    return keyed(l, 0, rgb(200, 200, 220));
}

ImagePtr shiftArrow(bool up, bool pressed) {
    const int s = 26;
    Layer l(s, s);
    draw::fillRoundRect(l, 0, 0, s, s, 5, rgb(200, 200, 220));
    draw::fillRoundRect(l, 1.5, 1.5, s - 3, s - 3, 4,
                        pressed ? draw::vertical(0, rgb(20, 18, 26), s, rgb(60, 56, 70))
                                : draw::vertical(0, rgb(70, 66, 84), s, rgb(16, 14, 22)));
    const double o = pressed ? 1 : 0;
    std::vector<Point> arrow{{13, 4.5},   {21.5, 14}, {16.5, 14}, {16.5, 21.5},
                             {9.5, 21.5}, {9.5, 14},  {4.5, 14}};
    for (Point& p : arrow) {
        if (!up) p.y = s - p.y;
        p.x += o;
        p.y += o;
    }
    const std::uint32_t hi = pressed ? rgb(200, 150, 60) : rgb(255, 250, 200);
    const std::uint32_t lo = pressed ? rgb(150, 80, 20) : rgb(255, 150, 40);
    draw::fillPolygon(l, arrow, up ? draw::vertical(4, hi, 22, lo) : draw::vertical(4, lo, 22, hi));
    return keyed(l, 0, rgb(200, 200, 220));
}

// ---- distance gauge ----

ImagePtr gaugeBar() {
    Layer l(104, 8);
    draw::fillRoundRect(l, 0, 0, 104, 8, 3, rgb(200, 200, 220));
    draw::fillRoundRect(l, 1, 1, 102, 6, 2, rgb(14, 12, 24));
    draw::fillRect(l, 2, 3, 96, 2, draw::horizontal(2, rgb(40, 120, 200), 98, rgb(200, 60, 160)));
    // The goal: a chequered block the marker reaches at the end.
    for (int y = 1; y < 7; ++y)
        for (int x = 97; x < 103; ++x)
            draw::fillRect(l, x, y, 1, 1, ((x / 2 + y / 2) % 2) ? kWhite : rgb(10, 10, 14));
    draw::fillRect(l, 0, 1, 2, 6, rgb(80, 255, 120));
    return keyed(l, 0, rgb(200, 200, 220));
}

ImagePtr gaugeMarker() {
    Layer l(9, 14);
    draw::fillPolygon(l, {{0.5, 0.5}, {8.5, 0.5}, {4.5, 6}},
                      draw::vertical(0, rgb(255, 250, 170), 6, rgb(255, 140, 40)));
    draw::fillRect(l, 4, 5, 1, 9, rgb(255, 220, 120));
    return keyed(l, 1);
}

// ---- start signal ----

ImagePtr signalPanel() {
    const int w = 122, h = 54;
    Layer l(w, h);
    neonPlate(
        l, {{6, 0}, {w - 6.0, 0}, {w, 6}, {w, h - 6.0}, {w - 6.0, h}, {6, h}, {0, h - 6.0}, {0, 6}},
        {{7, 2},
         {w - 7.0, 2},
         {w - 2.0, 7},
         {w - 2.0, h - 7.0},
         {w - 7.0, h - 2.0},
         {7, h - 2.0},
         {2, h - 7.0},
         {2, 7}},
        w, h);
    // The window where the count appears (the numbers stand at 58..68 x 31..48).
    draw::fillRoundRect(l, 51, 30, 24, 21, 4, rgb(4, 4, 10));
    draw::frameRect(l, 51, 30, 24, 21, rgb(90, 80, 130));
    draw::text(l, 8, 37, "READY", style(9, rgb(150, 230, 255), rgb(80, 170, 230), rgb(8, 6, 16)));
    draw::text(l, 84, 37, "SET", style(9, rgb(255, 170, 200), rgb(230, 90, 150), rgb(8, 6, 16)));
    return keyed(l, 0, rgb(8, 6, 16));
}

ImagePtr signalBox(bool target) {
    Layer l(15, 30);
    draw::fillRoundRect(l, 0, 0, 15, 30, 3, rgb(170, 174, 196));
    draw::fillRoundRect(l, 1.5, 1.5, 12, 27, 2, rgb(10, 10, 18));
    const std::uint32_t lamp = target ? rgb(80, 255, 120) : rgb(255, 170, 40);
    draw::fillRoundRect(l, 3.5, 3.5, 8, 23, 2,
                        draw::vertical(3, scale(lamp, 0.35), 27, scale(lamp, 0.15)));
    draw::fillRect(l, 5, 14, 5, 2, lamp);
    return keyed(l, 0, rgb(170, 174, 196));
}

ImagePtr signalRail() {
    Layer l(70, 10);
    draw::fillRoundRect(l, 0, 0, 70, 10, 3, rgb(120, 120, 150));
    draw::fillRoundRect(l, 1, 1, 68, 8, 2, rgb(10, 10, 18));
    for (int i = 0; i < 7; ++i)
        draw::fillRect(l, 4 + i * 9, 4, 5, 2, mix(rgb(255, 170, 40), rgb(80, 255, 120), i / 6.0));
    return keyed(l, 0, rgb(120, 120, 150));
}

ImagePtr signalMarker() {
    Layer l(12, 30);
    draw::fillRoundRect(l, 0.5, 0.5, 11, 29, 4, rgb(255, 255, 255));
    draw::fillRoundRect(l, 2, 2, 8, 26, 3,
                        draw::vertical(2, rgb(255, 255, 220), 28, rgb(255, 180, 60)));
    draw::fillRect(l, 3, 14, 6, 2, rgb(255, 255, 255));
    return keyed(l, 0, rgb(160, 100, 30));
}

// ---- results ----

ImagePtr resultWord(const char* word, int phase, bool won) {
    const int w = 130, h = 46;
    Layer l(w, h);
    // The glow swells and fades over the six pictures of the cycle.
    const double glowAmount = won ? 0.5 + 0.5 * std::cos(phase * 2 * kPi / 6) : 0;
    const std::uint32_t halo =
        won ? mix(rgb(120, 40, 10), rgb(255, 200, 80), glowAmount) : rgb(30, 36, 60);
    draw::TextStyle st = won ? style(38, rgb(255, 255, 200), rgb(255, 150, 30), halo, 3)
                             : style(34, rgb(200, 210, 230), rgb(90, 100, 140), halo, 3);
    st.shadowX = 2;
    st.shadowY = 3;
    st.shadowColour = won ? rgb(60, 10, 0) : rgb(0, 0, 10);
    draw::textCentred(l, w / 2, h / 2 - 1, word, st);
    if (won) {
        // Sparkles running round the word.
        for (int i = 0; i < 3; ++i) {
            const double a = (phase + i * 2) * 2 * kPi / 6;
            const double x = w / 2.0 + std::cos(a) * 56, y = h / 2.0 + std::sin(a) * 17;
            const double r = 2 + i + 1.5 * glowAmount; // each sparkle its own size
            draw::fillPolygon(l, {{x, y - r}, {x + r * 0.3, y}, {x, y + r}, {x - r * 0.3, y}},
                              kWhite);
            draw::fillPolygon(l, {{x - r, y}, {x, y - r * 0.3}, {x + r, y}, {x, y + r * 0.3}},
                              kWhite);
        }
    }
    return keyed(l, 1, won ? rgb(60, 20, 0) : kEdge);
}

// ---- the crowd ----

ImagePtr crowd(bool cheering) {
    const int w = 136, h = 38;
    Layer l(w, h);
    static const std::uint32_t shirts[] = {rgb(220, 60, 60), rgb(60, 120, 220),  rgb(250, 200, 60),
                                           rgb(60, 170, 90), rgb(230, 230, 236), rgb(200, 90, 200)};
    static const std::uint32_t hair[] = {rgb(30, 24, 20),   rgb(110, 70, 30), rgb(30, 24, 20),
                                         rgb(200, 160, 60), rgb(60, 40, 30),  rgb(30, 24, 20)};
    for (int i = 0; i < 6; ++i) {
        const double x = 8 + i * 11 + (i % 2) * 2;
        const double y = 20 + (i % 2) * 4 - (cheering && i % 2 == 0 ? 3 : 0);
        const std::uint32_t shirt = shirts[i];
        // Arms: up and waving when cheering, hands to the face when worried.
        if (cheering) {
            draw::line(l, x - 4, y + 4, x - 8, y - 8, 2.4, shirt);
            draw::line(l, x + 4, y + 4, x + 8, y - 8, 2.4, shirt);
            draw::fillCircle(l, x - 8, y - 9, 1.8, rgb(240, 200, 170));
            draw::fillCircle(l, x + 8, y - 9, 1.8, rgb(240, 200, 170));
        }
        draw::fillRoundRect(l, x - 5, y + 2, 10, h - y, 3,
                            draw::vertical(y, shirt, h, scale(shirt, 0.6)));
        draw::fillCircle(l, x, y - 2, 4.4, rgb(240, 200, 170));
        draw::fillEllipse(l, x, y - 5, 4.6, 2.6, hair[i]);
        if (cheering) {
            draw::fillEllipse(l, x, y - 0.5, 1.6, 1.2, rgb(120, 30, 30)); // shouting
        } else {
            draw::line(l, x - 1.6, y - 0.2, x + 1.6, y - 0.2, 0.9, rgb(120, 60, 50));
            draw::line(l, x - 5, y + 6, x - 1.5, y + 1, 2.2, shirt); // hands to the chin
            draw::line(l, x + 5, y + 6, x + 1.5, y + 1, 2.2, shirt);
        }
        draw::fillCircle(l, x - 1.6, y - 2.4, 0.7, rgb(20, 20, 30));
        draw::fillCircle(l, x + 1.6, y - 2.4, 0.7, rgb(20, 20, 30));
    }
    if (cheering) {
        // A plate for the bonus points written over it, and confetti.
        draw::fillRoundRect(l, 63, 3, 72, 19, 4, rgb(200, 200, 220));
        draw::fillRoundRect(l, 64, 4, 70, 17, 3,
                            draw::vertical(4, rgb(40, 34, 64), 21, rgb(10, 8, 20)));
        static const std::uint32_t paper[] = {rgb(255, 80, 80), rgb(80, 200, 255),
                                              rgb(255, 230, 80), rgb(120, 255, 120)};
        draw::Rng rng(77);
        for (int i = 0; i < 18; ++i) {
            const double x = rng.real(2, 134), y = rng.real(2, 36);
            if (x > 61 && y < 24) continue;
            draw::fillRect(l, static_cast<int>(x), static_cast<int>(y), 2, 2, paper[i % 4]);
        }
    } else {
        // The sign the crowd holds up for the hero.
        draw::line(l, 100, 36, 100, 22, 2, rgb(140, 100, 60));
        draw::fillRoundRect(l, 66, 2, 68, 22, 2, rgb(250, 250, 244));
        draw::frameRect(l, 66, 2, 68, 22, rgb(200, 40, 40));
        draw::textCentred(l, 100, 13, "がんばれ!",
                          style(12, rgb(230, 40, 40), rgb(170, 20, 20), rgb(255, 255, 255)));
    }
    return keyed(l, 1);
}

// ---- false start ----

ImagePtr flyingNotice() {
    const int w = 106, h = 40;
    Layer l(w, h);
    draw::fillRoundRect(l, 0, 0, w, h, 5, rgb(20, 16, 10));
    // Hazard stripes along the top and bottom.
    for (int i = -2; i < 16; ++i) {
        const double x = i * 8;
        for (const double y : {2.0, h - 7.0})
            draw::fillPolygon(l, {{x, y + 5}, {x + 4, y}, {x + 8, y}, {x + 4, y + 5}},
                              rgb(255, 210, 40));
    }
    draw::fillRect(l, 2, 9, w - 4, h - 18,
                   draw::vertical(9, rgb(240, 60, 40), h - 9, rgb(150, 20, 20)));
    draw::textCentred(l, w / 2, h / 2, "フライング!",
                      style(15, rgb(255, 255, 255), rgb(255, 230, 200), rgb(60, 0, 0), 2));
    return keyed(l, 0, rgb(20, 16, 10));
}

// ---- rain ----

ImagePtr rainPicture() {
    const int w = 514, h = 100;
    Layer l(w, h);
    draw::Rng rng(5150);
    for (int i = 0; i < 150; ++i) {
        const double x = rng.real(-20, w), y = rng.real(-10, h - 4);
        const double len = rng.real(8, 22);
        static const std::uint32_t shades[] = {rgb(210, 224, 246), rgb(184, 200, 232),
                                               rgb(160, 178, 216)};
        const std::uint32_t c = shades[rng.range(0, 2)];
        draw::line(l, x, y, x + len * 0.25, y + len, 1.1, c, false);
    }
    return keyed(l, 0, rgb(150, 170, 210));
}

// ---- weather ----

ImagePtr weatherIcon(int kind) { // 0 sunny, 1 rain, 2 wind, 3 none
    Layer l(18, 18);
    auto cloud = [&](double y, std::uint32_t top, std::uint32_t bottom) {
        const auto paint = draw::vertical(y - 6, top, y + 4, bottom);
        draw::fillCircle(l, 6, y, 3.6, paint);
        draw::fillCircle(l, 10, y - 2.2, 4.6, paint);
        draw::fillCircle(l, 13.5, y + 0.4, 3.2, paint);
        draw::fillRoundRect(l, 3, y, 13.5, 4, 2, paint);
    };
    switch (kind) {
    case 0:
        for (int i = 0; i < 8; ++i) {
            const double a = i * kPi / 4;
            draw::line(l, 9 + std::cos(a) * 5.5, 9 + std::sin(a) * 5.5, 9 + std::cos(a) * 8,
                       9 + std::sin(a) * 8, 1.6, rgb(255, 170, 40));
        }
        draw::fillCircle(l, 9, 9, 4.6,
                         draw::vertical(4, rgb(255, 250, 150), 14, rgb(255, 150, 30)));
        break;
    case 1:
        cloud(6.5, rgb(220, 226, 240), rgb(120, 130, 160));
        for (int i = 0; i < 3; ++i) {
            const double x = 5.5 + i * 4, y = 14.5 + (i % 2);
            draw::fillCircle(l, x, y, 1.3, rgb(80, 170, 255));
            draw::fillPolygon(l, {{x - 1.2, y - 0.2}, {x + 0.6, y - 3}, {x + 1.2, y}},
                              rgb(80, 170, 255));
        }
        break;
    case 2:
        for (int i = 0; i < 3; ++i) {
            const double y = 4.5 + i * 4.5, x0 = 1.5 + (i % 2) * 2;
            draw::line(l, x0, y, x0 + 11, y, 1.6, rgb(200, 240, 255));
            draw::ring(l, x0 + 11, y - 2, 1.4, 2.8, rgb(200, 240, 255));
        }
        break;
    default:
        cloud(10, rgb(170, 170, 184), rgb(90, 90, 108));
        break;
    }
    return keyed(l, 1);
}

ImagePtr weatherBack() {
    Image img(36, 22);
    draw::verticalGradient(img, 0, 0, 36, 22, rgb(40, 34, 64), rgb(10, 8, 20));
    draw::frameRect(img, 0, 0, 36, 22, draw::horizontal(0, kCyan, 36, kPink));
    draw::frameRect(img, 1, 1, 34, 20, rgb(30, 24, 50));
    return solid(std::move(img));
}

} // namespace

void drawRacePictures(std::map<std::string, ImagePtr>& p) {
    for (int n = 0; n <= 9; ++n)
        p["num" + std::to_string(n)] = digit(n);
    p["wmeter"] = speedPanel();
    p["meterBackImg"] = meterBack();
    p["meterImg"] = meterBar();
    for (int g = 4; g <= 6; ++g)
        p["wgear" + std::to_string(g - 3)] = gearGate(g);
    p["tama"] = gearBall();
    p["wgr"] = leverKnob();
    p["hintLeft"] = caption(28, "SHIFT");
    p["hintRight"] = caption(30, "BRAKE");
    p["brake1"] = brakePedal(false);
    p["brake2"] = brakePedal(true);
    p["grup1"] = shiftArrow(true, false);
    p["grup2"] = shiftArrow(true, true);
    p["grdown1"] = shiftArrow(false, false);
    p["grdown2"] = shiftArrow(false, true);
    p["guidebar"] = gaugeBar();
    p["guide"] = gaugeMarker();
    p["sigback"] = signalPanel();
    p["SigBoxLeft"] = signalBox(false);
    p["SigBoxRight"] = signalBox(true);
    p["SignalBar"] = signalRail();
    p["pi"] = signalMarker();
    p["audience1"] = crowd(false);
    p["audience2"] = crowd(true);
    p["flying"] = flyingNotice();
    p["rainPict"] = rainPicture();
    p["wIconSunny"] = weatherIcon(0);
    p["wIconRainy"] = weatherIcon(1);
    p["wIconWindy"] = weatherIcon(2);
    p["wIconNo"] = weatherIcon(3);
    p["weatherBack"] = weatherBack();
}

void paintResultPicturesLater(StockPictures& stock) {
    // Only a finished race shows them, never the title: each is painted when the
    // result first asks for it (a few milliseconds) rather than at start.
    // The win picture's glow cycle: win2 .. win6, then win again.
    stock.paintLater("win", [] { return resultWord("WIN", 0, true); });
    for (int k = 2; k <= 6; ++k)
        stock.paintLater("win" + std::to_string(k), [k] { return resultWord("WIN", k - 1, true); });
    stock.paintLater("lose", [] { return resultWord("LOSE", 0, false); });
}

} // namespace zb
