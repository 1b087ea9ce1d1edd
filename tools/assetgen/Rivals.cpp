// The rival machines of the race screen, each with its rider, facing right like
// the hero's scooter: supersports (EVR, FAKE, G HOUND), the DOG street bikes, the
// driving school's trainer, the sea boss's tourer, 猪槌's boar-nosed dragster and
// the ZINGO 2000 streamliner. Frames 0..2 turn the wheels and bob the body.
#include "tools/assetgen/Art.h"

#include <cmath>
#include <map>
#include <numbers>

namespace zb::art {

using draw::mix;
using draw::Point;
using draw::scale;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr std::uint32_t kWhite = rgb(255, 255, 255);

std::uint32_t lighter(std::uint32_t c, double t) {
    return mix(c, kWhite, t);
}

enum class Kind { Sport, Hound, Naked, Trainer, Tourer, Boar, Streamliner };

struct Machine {
    Kind kind = Kind::Sport;
    int width = 126;
    int height = 82;
    std::uint32_t body = rgb(200, 200, 200);
    std::uint32_t accent = rgb(200, 40, 40);
    std::uint32_t accent2 = rgb(40, 40, 200);
    std::uint32_t rim = rgb(200, 204, 214);
    std::uint32_t frame = rgb(60, 60, 70); // exposed frame, forks' lower legs
    std::uint32_t seat = rgb(30, 28, 34);
    std::string decal;      // a letter or number on the fairing
    bool special = false;   // the machine's extra: G HOUND's core, ZINGO's canopy
    bool passenger = false; // a second rider on the pillion
    RiderLook rider;
    RiderLook pillion;
};

// Dark metal for engines and swingarms.
draw::Shader metal(const Pen& pen, double y0, double y1) {
    return pen.vgrad(y0, rgb(132, 136, 150), y1, rgb(40, 42, 52));
}

draw::Shader chrome(const Pen& pen, double y0, double y1) {
    return pen.vgrad(y0, rgb(236, 238, 246), y1, rgb(96, 98, 112));
}

draw::Shader shade(const Pen& pen, std::uint32_t c, double y0, double y1) {
    return pen.vgrad(y0, lighter(c, 0.3), y1, scale(c, 0.55));
}

// A small painted label (fairing numbers, the trainer's plate).
void decal(const Pen& pen, double cx, double cy, const std::string& text, double size,
           std::uint32_t fill, std::uint32_t outline) {
    if (text.empty()) return;
    draw::TextStyle st;
    st.font = {"ＭＳ Ｐゴシック", static_cast<int>(std::lround(size * pen.s)), true};
    st.top = lighter(fill, 0.3);
    st.bottom = fill;
    st.outline = 1;
    st.outlineColour = outline;
    draw::textCentred(pen.t, static_cast<int>(std::lround(pen.X(cx))),
                      static_cast<int>(std::lround(pen.Y(cy))), text, st);
}

// A drilled brake disc and a caliper in front of the wheel's hub.
void brakeDisc(const Pen& pen, double cx, double cy, double r, std::uint32_t caliper) {
    pen.ring(cx, cy, r * 0.3, r * 0.44, rgb(170, 174, 186));
    pen.roundRect(cx - r * 0.55, cy - r * 0.5, r * 0.3, r * 0.42, r * 0.1, caliper);
}

void headlight(const Pen& pen, double x, double y, double rx, double ry) {
    pen.ellipse(x, y, rx, ry, pen.vgrad(y - ry, rgb(255, 255, 245), y + ry, rgb(255, 210, 120)));
}

void tailLight(const Pen& pen, double x, double y, double w, double h) {
    pen.roundRect(x, y, w, h, std::min(w, h) * 0.4,
                  pen.vgrad(y, rgb(255, 120, 100), y + h, rgb(200, 20, 20)));
}

// ---- supersports: EVR Type D / Type S, FAKE (126 x 82) ----

void sportBike(const Pen& pen, const Machine& m) {
    const std::uint32_t b = m.body;
    // Swingarm, chain and a side can rising to the tail.
    pen.poly({{25, 65}, {56, 56}, {59, 61}, {28, 71}}, metal(pen, 56, 71));
    pen.line(30, 64.5, 56, 57.5, 1, rgb(24, 24, 30));
    pen.line(66, 66, 42, 59, 3, chrome(pen, 58, 67));
    pen.poly({{16, 50}, {42, 54.5}, {42, 61}, {18, 57}},
             pen.vgrad(50, rgb(90, 92, 104), 61, rgb(26, 26, 32)));
    pen.line(19, 51.5, 40, 55.5, 0.9, rgb(180, 184, 196));
    pen.ellipse(16.5, 53.5, 1.6, 3.3, rgb(20, 20, 24));
    // Engine between the wheels.
    pen.poly({{52, 48}, {78, 46}, {86, 58}, {78, 68}, {58, 68}, {52, 58}}, metal(pen, 46, 68));
    for (double y = 52; y < 64; y += 3)
        pen.line(56, y, 74, y - 1, 0.7, rgb(30, 30, 38));
    // Tail section with the tail light.
    pen.poly({{4, 33}, {12, 31.5}, {40, 37}, {56, 41}, {54, 48}, {30, 48}, {14, 42}, {5, 38}},
             shade(pen, b, 31, 48));
    pen.line(8, 35.5, 50, 42.5, 1.4, m.accent);
    tailLight(pen, 2.5, 32.8, 3.6, 4);
    // Seat and tank.
    pen.poly({{22, 35.5}, {48, 39}, {52, 43.5}, {26, 41}},
             pen.vgrad(35, lighter(m.seat, 0.3), 43, m.seat));
    pen.poly({{50, 40}, {56, 32}, {72, 28.5}, {84, 31}, {86, 40}, {56, 44}}, shade(pen, b, 28, 44));
    pen.line(58, 32.5, 80, 30, 1, lighter(b, 0.6));
    // Fork under the fairing, front fender.
    pen.line(100, 40, 101, 68, 3, pen.vgrad(40, rgb(250, 210, 90), 68, rgb(170, 120, 30)));
    arcBand(pen, 101, 68, 14.2, 16.2, kPi * 1.12, kPi * 1.78, shade(pen, b, 50, 66));
    // The full fairing with its stripe, vents and belly pan.
    pen.poly({{80, 30},
              {100, 27},
              {112, 33},
              {119, 42},
              {117, 48},
              {108, 54},
              {95, 62},
              {80, 67},
              {64, 68},
              {70, 58},
              {82, 48},
              {83, 38}},
             shade(pen, b, 27, 68));
    pen.poly({{64, 68}, {80, 67}, {95, 62}, {97, 58}, {70, 60}}, shade(pen, m.accent2, 58, 68));
    pen.poly({{84, 41}, {116, 40}, {117, 44}, {86, 46}}, m.accent);
    pen.poly({{84, 46}, {108, 45}, {104, 48}, {86, 49}}, scale(m.accent, 0.7));
    for (int i = 0; i < 3; ++i)
        pen.line(88 + i * 3.5, 52, 84 + i * 3.5, 58, 1, scale(b, 0.35));
    pen.line(86, 31, 110, 33, 0.9, lighter(b, 0.7));
    // Windscreen and the twin headlight.
    pen.poly({{92, 29}, {101, 19}, {108, 21}, {113, 33}, {102, 28}},
             pen.vgrad(19, rgb(150, 190, 230), 33, rgb(30, 40, 70)));
    pen.line(101, 21.5, 109, 30, 0.8, rgb(220, 240, 255));
    headlight(pen, 115.5, 41, 2.6, 1.6);
    decal(pen, 97, 52.5, m.decal, 8, kWhite, scale(b, 0.3));

    // The rider tucked in behind the screen.
    seatedRider(pen, m.rider, {{40, 35}, {62, 43}, {56, 57}, {70, 23.5}, {80, 32}, {91, 33.5}});
    pen.line(88, 33, 94, 34.5, 1.8, rgb(40, 40, 46));
    if (m.special) { // FAKE: a big wing bolted to the tail
        pen.line(14, 34, 10, 24, 1.4, rgb(60, 60, 66));
        pen.line(26, 37, 24, 25, 1.4, rgb(60, 60, 66));
        pen.poly({{2, 22}, {30, 21}, {32, 24}, {4, 26}}, shade(pen, m.accent, 20, 26));
    }
}

// ---- G HOUND: the black hyper machine, a shark nose and a fin (126 x 82) ----

// The ultimate core: a glowing capsule in a cradle on the tail.
void ultimateCore(const Pen& pen) {
    const std::uint32_t glow = rgb(80, 240, 255);
    pen.line(16, 34, 20, 26, 2, rgb(70, 70, 80));
    pen.line(38, 38, 36, 27, 2, rgb(70, 70, 80));
    pen.roundRect(6, 16, 38, 13, 6.5, mix(glow, rgb(0, 40, 60), 0.55));
    pen.roundRect(8, 17.5, 34, 10, 5, pen.vgrad(17, rgb(230, 255, 255), 28, rgb(30, 180, 230)));
    pen.roundRect(14, 19.5, 22, 3, 1.5, rgb(255, 255, 255));
    for (double x : {12.0, 25.0, 38.0})
        pen.roundRect(x - 1.5, 15.5, 3, 14, 1,
                      pen.vgrad(15, rgb(200, 204, 214), 30, rgb(70, 72, 84)));
    // Sparks of its energy.
    pen.line(44, 20, 49, 17, 1.1, glow);
    pen.line(44, 25, 50, 26, 1.1, glow);
    pen.line(6, 21, 1.5, 18, 1.1, glow);
}

void houndBike(const Pen& pen, const Machine& m) {
    const std::uint32_t b = m.body;
    pen.poly({{25, 65}, {56, 56}, {59, 61}, {28, 71}}, metal(pen, 56, 71));
    // Twin titanium cans high under the tail.
    pen.poly({{6, 40}, {34, 44}, {34, 50}, {8, 47}},
             pen.vgrad(40, rgb(150, 140, 170), 50, rgb(50, 40, 70)));
    pen.ellipse(6.5, 43.5, 1.4, 3.3, rgb(255, 120, 60));
    pen.line(66, 66, 34, 49, 3, chrome(pen, 48, 67));
    pen.poly({{52, 47}, {78, 45}, {86, 58}, {78, 68}, {58, 68}, {52, 58}}, metal(pen, 45, 68));
    for (double y = 51; y < 64; y += 3)
        pen.line(56, y, 74, y - 1, 0.7, rgb(26, 26, 34));
    // A razor tail with a red fin.
    pen.poly({{2, 30}, {14, 31}, {42, 37}, {56, 41}, {54, 47}, {30, 46}, {12, 40}},
             shade(pen, b, 30, 47));
    pen.poly({{8, 31}, {16, 22}, {22, 22}, {24, 33}}, shade(pen, m.accent, 22, 33));
    pen.line(6, 34.5, 50, 41.5, 1.2, m.accent);
    tailLight(pen, 1, 30.5, 4, 2.6);
    pen.poly({{22, 35.5}, {48, 39}, {52, 43.5}, {26, 41}}, m.seat);
    pen.poly({{50, 40}, {56, 31}, {72, 27.5}, {84, 30}, {86, 40}, {56, 44}}, shade(pen, b, 27, 44));
    pen.line(58, 31.5, 80, 29, 1, lighter(b, 0.45));
    pen.line(100, 40, 101, 68, 3, pen.vgrad(40, rgb(230, 60, 60), 68, rgb(120, 20, 20)));
    arcBand(pen, 101, 68, 14.2, 16.2, kPi * 1.12, kPi * 1.78, shade(pen, b, 50, 66));
    // A long shark nose with red gills and a slit headlight.
    pen.poly({{80, 29},
              {100, 26},
              {114, 32},
              {124, 43},
              {116, 47},
              {106, 54},
              {94, 62},
              {80, 67},
              {64, 68},
              {70, 58},
              {82, 48},
              {83, 38}},
             shade(pen, b, 26, 68));
    for (int i = 0; i < 3; ++i)
        pen.poly({{88.0 + i * 5, 47}, {91.0 + i * 5, 46.5}, {88.5 + i * 5, 58}, {85.5 + i * 5, 58}},
                 m.accent);
    pen.line(84, 40, 118, 42.5, 1.3, m.accent);
    pen.line(86, 30, 110, 31.5, 0.9, lighter(b, 0.5));
    pen.poly({{92, 28}, {100, 19}, {107, 21}, {113, 32}, {102, 27}},
             pen.vgrad(19, rgb(200, 60, 70), 32, rgb(40, 10, 20)));
    pen.poly({{112, 42}, {121, 43}, {117, 45.5}, {111, 44.5}},
             pen.vgrad(42, rgb(255, 250, 250), 46, rgb(255, 120, 120)));
    pen.poly({{64, 68}, {80, 67}, {95, 62}, {97, 58}, {70, 60}}, shade(pen, m.accent2, 58, 68));
    seatedRider(pen, m.rider, {{40, 35}, {62, 43}, {56, 57}, {70, 23.5}, {80, 32}, {91, 33.5}});
    pen.line(88, 33, 94, 34.5, 1.8, rgb(40, 40, 46));
    if (m.special) ultimateCore(pen);
}

// ---- DOG: a naked street bike with a big tank and a round lamp (120 x 86) ----

void nakedBike(const Pen& pen, const Machine& m) {
    const std::uint32_t b = m.body;
    pen.poly({{24, 65}, {54, 57}, {57, 62}, {27, 71}}, metal(pen, 57, 71));
    // Short upswept muffler under the tail.
    pen.line(64, 66, 40, 52, 3, chrome(pen, 50, 67));
    pen.poly({{18, 40}, {38, 45}, {37, 52}, {19, 48}}, chrome(pen, 40, 52));
    pen.ellipse(18.5, 44, 1.5, 3.6, rgb(24, 24, 28));
    // Engine and the trellis frame around it.
    pen.poly({{50, 44}, {74, 41}, {82, 54}, {76, 68}, {56, 68}, {49, 57}}, metal(pen, 41, 68));
    for (double y = 46; y < 58; y += 2.6)
        pen.line(54, y + 1, 74, y - 1, 0.8, rgb(150, 154, 166));
    pen.ellipse(62, 62, 5, 4, chrome(pen, 58, 66));
    for (const auto& [a, c] : {std::pair<Point, Point>{{86, 29}, {56, 58}},
                               {{86, 29}, {48, 40}},
                               {{70, 34}, {58, 56}},
                               {{48, 40}, {56, 58}}})
        pen.line(a.x, a.y, c.x, c.y, 2, m.frame);
    // Stubby tail and seat.
    pen.poly({{10, 30}, {20, 29.5}, {48, 37}, {46, 42}, {22, 40}, {12, 35}}, shade(pen, b, 29, 42));
    tailLight(pen, 8.5, 30.5, 3.6, 3.4);
    pen.poly({{20, 33}, {48, 37.5}, {51, 41}, {23, 38}},
             pen.vgrad(33, lighter(m.seat, 0.3), 41, m.seat));
    // The big tank: the bike's colour at a glance.
    pen.poly({{46, 38}, {52, 28}, {68, 23}, {84, 26}, {86, 36}, {76, 42}, {56, 42}},
             shade(pen, b, 23, 42));
    pen.poly({{54, 36}, {82, 31}, {82, 35}, {56, 39.5}}, m.accent);
    pen.line(56, 28, 80, 25, 1.1, lighter(b, 0.65));
    pen.poly({{80, 36}, {90, 35}, {88, 50}, {79, 52}}, shade(pen, b, 35, 52));
    // Fork, fender, lamp with a little fly screen.
    pen.line(89, 28, 96, 68, 3.2, pen.vgrad(28, rgb(250, 210, 90), 68, rgb(170, 120, 30)));
    arcBand(pen, 96, 68, 14, 16, kPi * 1.15, kPi * 1.7, shade(pen, b, 52, 66));
    pen.circle(97, 35, 5, chrome(pen, 30, 40));
    headlight(pen, 98, 35, 3.5, 3.5);
    pen.poly({{90, 27}, {97, 21}, {101, 22}, {100, 29}}, shade(pen, b, 21, 29));
    seatedRider(pen, m.rider, {{38, 33}, {60, 40}, {56, 56}, {58, 17.5}, {70, 25.5}, {84, 25}});
    pen.line(81, 24, 89, 25, 2, rgb(40, 40, 46));
}

// ---- SFT: the driving school's trainer with guards and lesson lamps (120 x 86) ----

void trainerBike(const Pen& pen, const Machine& m) {
    const std::uint32_t b = m.body;
    pen.poly({{24, 65}, {54, 57}, {57, 62}, {27, 71}}, metal(pen, 57, 71));
    pen.line(66, 67, 26, 60, 3.2, chrome(pen, 58, 68));
    pen.poly({{14, 54}, {36, 57}, {36, 62}, {15, 60}}, chrome(pen, 54, 62));
    pen.poly({{50, 44}, {74, 42}, {82, 54}, {76, 68}, {56, 68}, {49, 57}}, metal(pen, 42, 68));
    for (double y = 46; y < 58; y += 2.6)
        pen.line(54, y + 1, 74, y - 1, 0.8, rgb(150, 154, 166));
    // Long flat seat and a plain tail with its grab rail.
    pen.poly({{8, 33}, {20, 32}, {48, 37}, {48, 43}, {20, 42}, {9, 38}}, shade(pen, b, 32, 43));
    tailLight(pen, 6.5, 33, 3.6, 3.4);
    pen.poly({{16, 30}, {50, 35}, {52, 39}, {18, 35}},
             pen.vgrad(30, lighter(m.seat, 0.3), 39, m.seat));
    pen.line(14, 36, 34, 39, 1.4, rgb(170, 174, 186));
    pen.poly({{46, 37}, {52, 28}, {68, 24}, {84, 27}, {86, 36}, {76, 42}, {56, 42}},
             shade(pen, b, 24, 42));
    pen.line(56, 28, 80, 26, 1, lighter(b, 0.6));
    // The school's number plate on the side cover.
    pen.roundRect(24, 42, 20, 11, 1.5, rgb(250, 250, 246));
    pen.roundRect(24, 42, 20, 11, 1.5, rgb(250, 250, 246));
    decal(pen, 34, 47.5, m.decal, 9, rgb(20, 60, 160), rgb(250, 250, 246));
    // Orange guard bars round the engine and the tail.
    pen.line(84, 36, 88, 52, 2.2, m.accent);
    pen.line(88, 52, 80, 62, 2.2, m.accent);
    pen.line(80, 62, 64, 62, 2.2, m.accent);
    pen.line(10, 44, 6, 56, 2.2, m.accent);
    pen.line(6, 56, 18, 56, 2.2, m.accent);
    pen.line(89, 28, 96, 68, 3.2, chrome(pen, 28, 68));
    arcBand(pen, 96, 68, 14, 16, kPi * 1.12, kPi * 1.75, shade(pen, b, 52, 66));
    pen.circle(97, 34, 5, chrome(pen, 29, 39));
    headlight(pen, 98, 34, 3.5, 3.5);
    // The three lesson lamps above the lamp, lit green.
    pen.line(90, 22, 90, 27, 1.2, rgb(60, 60, 70));
    pen.roundRect(84, 17, 14, 5, 1.5, rgb(40, 40, 48));
    pen.circle(86.5, 19.5, 1.6, rgb(90, 255, 110));
    pen.circle(91, 19.5, 1.6, rgb(255, 200, 60));
    pen.circle(95.5, 19.5, 1.6, rgb(120, 40, 40));
    seatedRider(pen, m.rider, {{38, 31}, {60, 38}, {57, 56}, {55, 14.5}, {68, 22}, {83, 24}});
    pen.line(80, 23, 90, 24, 2, rgb(40, 40, 46));
}

// ---- SEEBOSS: a heavy tourer with a batwing fairing and cases (134 x 86) ----

void tourerBike(const Pen& pen, const Machine& m) {
    const std::uint32_t b = m.body;
    // Twin pipes along the bottom, chrome V-twin, fat frame.
    pen.line(74, 66, 10, 63, 3, chrome(pen, 61, 67));
    pen.line(70, 63, 12, 59, 2.6, chrome(pen, 57, 64));
    pen.poly({{26, 66}, {56, 58}, {58, 63}, {29, 71}}, metal(pen, 58, 71));
    pen.poly({{54, 56}, {64, 36}, {74, 38}, {68, 58}}, chrome(pen, 36, 58));
    pen.poly({{66, 58}, {80, 38}, {90, 42}, {78, 62}}, chrome(pen, 38, 62));
    for (double t = 0; t < 1; t += 0.2) {
        pen.line(56 + 10 * t, 52 - 14 * t, 66 + 8 * t, 54 - 14 * t, 0.7, rgb(80, 82, 96));
        pen.line(70 + 12 * t, 56 - 14 * t, 80 + 10 * t, 58 - 14 * t, 0.7, rgb(80, 82, 96));
    }
    pen.poly({{54, 60}, {80, 60}, {82, 68}, {58, 69}}, metal(pen, 58, 69));
    // Rear fender and the hard cases with gold trim.
    arcBand(pen, 28, 69, 14.5, 17, kPi * 1.0, kPi * 1.7, shade(pen, b, 50, 68));
    pen.roundRect(6, 40, 32, 22, 5, shade(pen, b, 40, 62));
    pen.line(8, 46, 36, 46, 1.4, m.accent);
    pen.roundRect(1, 27, 24, 13, 4, shade(pen, b, 27, 40));
    pen.line(3, 31, 23, 31, 1.1, m.accent);
    tailLight(pen, 1, 42, 3.2, 6);
    // Stepped seat with a backrest for the pillion.
    pen.poly({{22, 40}, {34, 38}, {44, 42}, {60, 41}, {62, 46}, {24, 46}},
             pen.vgrad(38, lighter(m.seat, 0.3), 46, m.seat));
    pen.roundRect(22, 30, 6, 12, 2.5, m.seat);
    pen.poly({{58, 40}, {64, 30}, {84, 28}, {94, 34}, {90, 42}, {62, 44}}, shade(pen, b, 28, 44));
    pen.line(66, 31, 86, 30, 1.2, m.accent);
    // Raked fork, deep front fender.
    pen.line(98, 34, 112, 69, 3.4, chrome(pen, 34, 69));
    arcBand(pen, 112, 69, 14, 16.6, kPi * 1.05, kPi * 1.8, shade(pen, b, 52, 70));
    seatedRider(pen, m.rider, {{46, 39}, {70, 42}, {86, 57}, {52, 16.5}, {64, 24.5}, {80, 24}});
    pen.line(78, 23, 92, 21, 2, rgb(40, 40, 46));
    // The batwing fairing and its tall screen, a big round lamp.
    pen.poly({{88, 20}, {96, 10}, {104, 10}, {106, 22}},
             pen.vgrad(10, rgb(170, 210, 240), 22, rgb(50, 70, 100)));
    pen.poly({{86, 22}, {106, 20}, {114, 28}, {112, 40}, {98, 44}, {90, 36}},
             shade(pen, b, 20, 44));
    pen.line(90, 27, 110, 25, 1.2, m.accent);
    pen.circle(111, 34, 4.4, chrome(pen, 30, 38));
    headlight(pen, 112, 34, 3.2, 3.2);
    decal(pen, 100, 36.5, m.decal, 7, m.accent, scale(b, 0.3));
}

// ---- 猪槌: a boar-nosed dragster with a blower and tusks (132 x 88) ----

void boarBike(const Pen& pen, const Machine& m) {
    const std::uint32_t b = m.body;
    pen.poly({{24, 65}, {58, 58}, {60, 63}, {27, 71}}, metal(pen, 58, 71));
    // Drag pipes sweeping back, a big engine with a supercharger on its side.
    pen.poly({{48, 44}, {82, 42}, {90, 56}, {84, 68}, {54, 68}, {48, 56}}, metal(pen, 42, 68));
    for (double y = 46; y < 60; y += 2.6)
        pen.line(52, y + 1, 82, y - 1, 0.8, rgb(150, 154, 166));
    pen.line(58, 60, 18, 52, 3, chrome(pen, 50, 62));
    pen.line(62, 64, 20, 58, 3, chrome(pen, 56, 66));
    pen.ellipse(17, 52, 1.6, 2.2, rgb(20, 20, 24));
    pen.ellipse(19, 58, 1.6, 2.2, rgb(20, 20, 24));
    pen.circle(70, 56, 7, chrome(pen, 49, 63));
    pen.circle(70, 56, 4.4, rgb(40, 40, 48));
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3;
        pen.line(70, 56, 70 + 4 * std::cos(a), 56 + 4 * std::sin(a), 1, rgb(190, 190, 200));
    }
    // Low tail with a wheelie bar, long seat.
    pen.line(10, 62, 2, 76, 1.6, rgb(70, 70, 80));
    pen.circle(2.5, 77, 2.2, rgb(40, 40, 48));
    pen.poly({{6, 34}, {16, 33}, {46, 39}, {46, 45}, {20, 44}, {8, 40}}, shade(pen, b, 33, 45));
    tailLight(pen, 4.5, 34.5, 3.6, 4);
    pen.poly({{16, 36}, {52, 40}, {56, 44}, {20, 41}},
             pen.vgrad(36, lighter(m.seat, 0.3), 44, m.seat));
    pen.poly({{50, 40}, {56, 30}, {74, 26}, {90, 29}, {92, 38}, {80, 44}, {56, 44}},
             shade(pen, b, 26, 44));
    pen.line(58, 30, 86, 28, 1.2, lighter(b, 0.5));
    pen.line(96, 32, 110, 69, 3.4, chrome(pen, 32, 69));
    // The boar's head: a snout cowl with ears, eyes and white tusks.
    pen.poly({{90, 28}, {96, 20}, {100, 27}}, shade(pen, b, 20, 28));
    pen.poly({{100, 27}, {104, 19}, {108, 27}}, shade(pen, b, 19, 28));
    pen.poly({{88, 28}, {110, 26}, {122, 34}, {126, 42}, {122, 48}, {106, 50}, {92, 44}},
             shade(pen, b, 26, 50));
    pen.ellipse(124, 43, 3.2, 4.6, pen.vgrad(38, rgb(240, 170, 150), 48, rgb(170, 90, 80)));
    pen.circle(123.2, 41.8, 1, rgb(60, 30, 30));
    pen.circle(124.8, 44.6, 1, rgb(60, 30, 30));
    // Tusks curving up past the snout.
    pen.poly({{112, 50}, {118, 48}, {124, 40}, {129, 33}, {127, 41}, {122, 50}, {116, 53}},
             pen.vgrad(33, rgb(255, 255, 248), 53, rgb(210, 200, 176)));
    pen.circle(108, 33, 2.4, rgb(255, 236, 150));
    pen.circle(108, 33, 1.1, rgb(255, 120, 40));
    pen.line(94, 40, 116, 38, 1.2, m.accent);
    arcBand(pen, 110, 69, 14, 16, kPi * 1.18, kPi * 1.75, shade(pen, b, 52, 70));
    if (m.passenger) {
        seatedRider(pen, m.pillion, {{28, 36}, {48, 42}, {50, 57}, {34, 14.5}, {46, 24}, {56, 30}});
    }
    seatedRider(pen, m.rider, {{46, 37}, {68, 42}, {78, 57}, {60, 15.5}, {72, 23}, {88, 25}});
    pen.line(84, 24, 96, 26, 2, rgb(40, 40, 46));
}

// ---- ZINGO 2000: a streamliner with spats and a bubble canopy (136 x 82) ----

void streamliner(const Pen& pen, const Machine& m) {
    const std::uint32_t b = m.body;
    // The rider sits inside: only the helmet, shoulders and arms show over the body.
    const std::vector<Point> bubble{{50, 31}, {60, 13}, {78, 9}, {94, 15}, {106, 31}};
    if (m.special) pen.poly(bubble, pen.vgrad(8, rgb(70, 90, 120), 30, rgb(20, 28, 44)));
    seatedRider(pen, m.rider, {{54, 40}, {74, 44}, {76, 52}, {76, 25}, {86, 33}, {96, 35}});
    // The body from the tail cone to a long pointed nose, the cockpit cut low.
    pen.poly({{2, 38},
              {24, 33},
              {54, 33},
              {62, 38},
              {96, 39},
              {108, 35},
              {120, 42},
              {134, 52},
              {128, 56},
              {104, 58},
              {40, 59},
              {12, 54}},
             shade(pen, b, 33, 59));
    pen.poly({{12, 54}, {40, 59}, {104, 58}, {128, 56}, {126, 53}, {100, 54.5}, {40, 55}},
             shade(pen, m.accent2, 52, 59));
    pen.poly({{4, 41}, {122, 44}, {128, 48}, {6, 45}}, m.accent);
    pen.line(24, 35, 52, 35, 1.1, lighter(b, 0.7));
    pen.line(100, 40.5, 118, 43.5, 1.1, lighter(b, 0.7));
    // Fairings over the tops of both wheels.
    for (double cx : {30.0, 106.0})
        arcBand(pen, cx, 68, 14, 16.4, kPi * 1.1, kPi * 1.9, shade(pen, b, 50, 68));
    // Tail fin, the canopy, the lamp and the number.
    pen.poly({{2, 38}, {8, 22}, {16, 22}, {20, 34}}, shade(pen, m.accent, 22, 38));
    if (m.special) {
        // Smoked glass over the rider, with a bright rim.
        pen.faded(0.35).poly(bubble, pen.vgrad(8, rgb(200, 225, 250), 30, rgb(60, 90, 130)));
        pen.line(60, 13.5, 78, 9.5, 1, rgb(235, 245, 255));
        pen.line(78, 9.5, 94, 15, 0.9, rgb(160, 190, 220));
    }
    headlight(pen, 130, 52, 2.4, 1.6);
    decal(pen, 70, 50.5, m.decal, 8, kWhite, scale(b, 0.3));
}

// Everything the race screen needs to draw one machine.
const std::map<std::string, Machine>& machines() {
    static const std::map<std::string, Machine> table = [] {
        std::map<std::string, Machine> t;
        auto rider = [](std::uint32_t helmet, std::uint32_t stripe, std::uint32_t jacket,
                        std::uint32_t jacketStripe, std::uint32_t trousers) {
            RiderLook r;
            r.helmet = helmet;
            r.helmetStripe = stripe;
            r.jacket = jacket;
            r.jacketStripe = jacketStripe;
            r.trousers = trousers;
            r.boots = rgb(30, 28, 34);
            return r;
        };
        Machine evrD;
        evrD.body = rgb(78, 44, 140);
        evrD.accent = rgb(140, 230, 60);
        evrD.accent2 = rgb(36, 30, 52);
        evrD.rim = rgb(150, 230, 80);
        evrD.decal = "D";
        evrD.rider = rider(rgb(44, 40, 56), rgb(140, 230, 60), rgb(90, 56, 160), rgb(140, 230, 60),
                           rgb(40, 34, 60));
        t["EVR_TYPE_D"] = evrD;

        Machine evrS = evrD;
        evrS.body = rgb(236, 236, 242);
        evrS.accent = rgb(220, 30, 40);
        evrS.accent2 = rgb(30, 70, 190);
        evrS.rim = rgb(220, 40, 50);
        evrS.decal = "S";
        evrS.rider = rider(rgb(245, 245, 250), rgb(220, 30, 40), rgb(240, 240, 246),
                           rgb(220, 30, 40), rgb(30, 60, 170));
        t["EVR_TYPE_S"] = evrS;

        Machine fake = evrD;
        fake.body = rgb(34, 32, 38);
        fake.accent = rgb(240, 190, 40);
        fake.accent2 = rgb(140, 140, 134); // a primer-grey belly pan that never got paint
        fake.rim = rgb(240, 190, 40);
        fake.decal = "F";
        fake.special = true;
        fake.rider = rider(rgb(240, 190, 40), rgb(30, 30, 34), rgb(40, 36, 40), rgb(240, 190, 40),
                           rgb(70, 80, 120));
        t["FAKE"] = fake;

        Machine hound;
        hound.kind = Kind::Hound;
        hound.body = rgb(40, 40, 50);
        hound.accent = rgb(230, 30, 44);
        hound.accent2 = rgb(20, 20, 26);
        hound.rim = rgb(220, 40, 50);
        hound.rider = rider(rgb(30, 30, 36), rgb(230, 30, 44), rgb(34, 34, 42), rgb(230, 30, 44),
                            rgb(26, 26, 32));
        hound.rider.visor = rgb(160, 20, 30);
        t["G_HOUND_N"] = hound;
        hound.special = true;
        t["G_HOUND"] = hound;

        Machine dog;
        dog.kind = Kind::Naked;
        dog.width = 120;
        dog.height = 86;
        dog.frame = rgb(60, 60, 70);
        auto dogIn = [&](const char* id, std::uint32_t body, std::uint32_t accent,
                         std::uint32_t jacket) {
            Machine d = dog;
            d.body = body;
            d.accent = accent;
            d.rider = rider(body, kWhite, jacket, body, rgb(44, 50, 70));
            t[id] = d;
        };
        dogIn("DOG_B", rgb(36, 110, 235), rgb(245, 245, 250), rgb(30, 60, 140));
        dogIn("DOG_Y", rgb(252, 206, 24), rgb(30, 30, 36), rgb(60, 60, 66));
        dogIn("DOG_R", rgb(228, 32, 32), rgb(250, 250, 250), rgb(120, 20, 24));
        Machine sky = dog; // SKY DOG: sky blue and white with a red frame
        sky.body = rgb(110, 200, 250);
        sky.accent = rgb(250, 250, 255);
        sky.frame = rgb(220, 50, 50);
        sky.rim = rgb(250, 250, 255);
        sky.rider = rider(rgb(250, 250, 255), rgb(110, 200, 250), rgb(70, 150, 220), kWhite,
                          rgb(240, 240, 246));
        t["DOG_T"] = sky;

        Machine sft = dog;
        sft.kind = Kind::Trainer;
        sft.body = rgb(236, 236, 232);
        sft.accent = rgb(255, 140, 30);
        sft.decal = "7";
        sft.rider = rider(rgb(250, 250, 250), rgb(30, 80, 180), rgb(40, 70, 150), rgb(255, 220, 60),
                          rgb(40, 40, 60));
        t["SFT"] = sft;

        Machine boss;
        boss.kind = Kind::Tourer;
        boss.width = 134;
        boss.height = 86;
        boss.body = rgb(26, 44, 96);
        boss.accent = rgb(236, 190, 70);
        boss.decal = "SB";
        boss.rider = rider(rgb(245, 245, 250), rgb(236, 190, 70), rgb(24, 36, 80),
                           rgb(236, 190, 70), rgb(240, 240, 240));
        t["SEEBOSS"] = boss;

        Machine boar;
        boar.kind = Kind::Boar;
        boar.width = 132;
        boar.height = 88;
        boar.body = rgb(120, 70, 40);
        boar.accent = rgb(230, 60, 30);
        boar.rider = rider(rgb(70, 50, 40), rgb(230, 60, 30), rgb(80, 60, 46), rgb(200, 170, 120),
                           rgb(40, 40, 46));
        t["IDUCHIR"] = boar;
        boar.passenger = true;
        boar.pillion = rider(rgb(80, 80, 86), rgb(230, 60, 30), rgb(90, 90, 96), rgb(230, 60, 30),
                             rgb(40, 40, 46));
        t["IDUCHIRP"] = boar;
        boar.pillion = RiderLook{}; // the hero riding pillion, in his pizza-shop colours
        t["IDUCHIPR"] = boar;

        Machine zingo;
        zingo.kind = Kind::Streamliner;
        zingo.width = 136;
        zingo.height = 82;
        zingo.body = rgb(250, 196, 40);
        zingo.accent = rgb(230, 40, 40);
        zingo.accent2 = rgb(250, 250, 250);
        zingo.decal = "2000";
        zingo.special = true;
        zingo.rider = rider(rgb(250, 196, 40), rgb(230, 40, 40), rgb(250, 250, 250),
                            rgb(230, 40, 40), rgb(250, 250, 250));
        t["ZINGO_2000"] = zingo;
        Machine plain = zingo; // the same machine unpainted, without its canopy
        plain.body = rgb(130, 136, 150);
        plain.accent = rgb(60, 64, 76);
        plain.accent2 = rgb(200, 204, 214);
        plain.special = false;
        t["ZINGO_2000_N"] = plain;
        return t;
    }();
    return table;
}

} // namespace

const std::vector<std::string>& rivalIds() {
    static const std::vector<std::string> ids = {
        "EVR_TYPE_D",   "EVR_TYPE_S", "FAKE",    "DOG_Y",     "SFT",     "SEEBOSS",
        "IDUCHIPR",     "IDUCHIRP",   "IDUCHIR", "G_HOUND_N", "G_HOUND", "ZINGO_2000",
        "ZINGO_2000_N", "DOG_T",      "TRUCK",   "DOG_B",     "DOG_R"};
    return ids;
}

Image rivalFrame(const std::string& id, int frame) {
    if (id == "TRUCK") return truckFrame(frame);
    const auto it = machines().find(id);
    if (it == machines().end()) return {};
    const Machine& m = it->second;
    draw::Layer layer(m.width, m.height);
    static const double bob[3] = {0.0, -0.8, -0.4};
    const double angle = frame * 2 * kPi / 15;
    // Wheels touch the bottom row; the rest bobs on the suspension.
    Pen pen{layer, 0, 0, 1};
    const double wheelY = m.height - 14.0;
    const double r = 13.7;
    const double dy = wheelY - 68; // the drawings put the axles on y = 68
    pen.oy = dy;
    switch (m.kind) {
    case Kind::Sport:
    case Kind::Hound:
        wheel(pen, 27, 68, r, angle, m.rim);
        wheel(pen, 101, 68, r, angle + 0.4, m.rim);
        brakeDisc(pen, 101, 68, r, m.accent);
        break;
    case Kind::Naked:
    case Kind::Trainer:
        wheel(pen, 26, 68, r, angle, m.rim);
        wheel(pen, 96, 68, r, angle + 0.4, m.rim);
        brakeDisc(pen, 96, 68, r, rgb(200, 40, 40));
        break;
    case Kind::Tourer:
        wheel(pen, 28, 68, r, angle, m.rim);
        wheel(pen, 112, 68, r, angle + 0.4, m.rim);
        break;
    case Kind::Boar:
        wheel(pen, 26, 68, r, angle, rgb(60, 60, 70));
        wheel(pen, 110, 68, r, angle + 0.4, m.rim);
        break;
    case Kind::Streamliner:
        wheel(pen, 30, 68, r, angle, m.rim);
        wheel(pen, 106, 68, r, angle, m.rim);
        break;
    }
    pen.oy = dy + bob[frame % 3];
    switch (m.kind) {
    case Kind::Sport:
        sportBike(pen, m);
        break;
    case Kind::Hound:
        houndBike(pen, m);
        break;
    case Kind::Naked:
        nakedBike(pen, m);
        break;
    case Kind::Trainer:
        trainerBike(pen, m);
        break;
    case Kind::Tourer:
        tourerBike(pen, m);
        break;
    case Kind::Boar:
        boarBike(pen, m);
        break;
    case Kind::Streamliner:
        streamliner(pen, m);
        break;
    }
    return layer.toKeyed(kKey, kEdge, 1);
}

} // namespace zb::art
