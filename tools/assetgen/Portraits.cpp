// The portraits of the story's characters. Each is designed on a 100 x 100 grid
// and painted at three times that size, then averaged down, so small features
// (eyes, highlights, hair tips) stay crisp.
//
// A portrait is built in layers: the backdrop, the hair behind the head, neck
// and clothes, the face with its features for the expression, the hair in front
// and the character's accessories, then the marks of the mood (sweat, tears,
// anger, gloom). The parts of a face - eyes, brows, mouth - come from shared
// helpers driven by a Mood; each character has one function that chooses its
// shapes and colours.
#include "tools/assetgen/Portraits.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <utility>

namespace zb::portrait {

namespace {

using draw::mix;
using draw::Point;
using draw::scale;

constexpr double kPi = std::numbers::pi;
constexpr int kSS = 2; // painted at this multiple of the final size
constexpr int kCanvas = kSize * kSS;
constexpr std::uint32_t kWhite = rgb(255, 255, 255);
constexpr std::uint32_t kBlack = rgb(0, 0, 0);

std::uint32_t lighter(std::uint32_t c, double t) {
    return mix(c, kWhite, t);
}
std::uint32_t darker(std::uint32_t c, double t) {
    return mix(c, kBlack, t);
}

// ---------------------------------------------------------------- geometry

Point lerp(Point a, Point b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

Point polar(Point c, double degrees, double rx, double ry) {
    const double a = degrees * kPi / 180;
    return {c.x + rx * std::cos(a), c.y + ry * std::sin(a)};
}

// A quadratic curve from a to b pulled toward c; both ends included.
std::vector<Point> quad(Point a, Point c, Point b, int n = 12) {
    std::vector<Point> out;
    for (int i = 0; i <= n; ++i) {
        const double t = static_cast<double>(i) / n;
        out.push_back(lerp(lerp(a, c, t), lerp(c, b, t), t));
    }
    return out;
}

Point catmull(Point p0, Point p1, Point p2, Point p3, double t) {
    const double t2 = t * t, t3 = t2 * t;
    auto f = [&](double a, double b, double c, double d) {
        return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 +
                      (-a + 3 * b - 3 * c + d) * t3);
    };
    return {f(p0.x, p1.x, p2.x, p3.x), f(p0.y, p1.y, p2.y, p3.y)};
}

// A smooth curve through the points (closed: back to the first one).
std::vector<Point> smooth(const std::vector<Point>& p, bool closed, int per = 6) {
    std::vector<Point> out;
    const int n = static_cast<int>(p.size());
    if (n < 3) return p;
    auto at = [&](int i) {
        if (closed) return p[static_cast<std::size_t>((i % n + n) % n)];
        return p[static_cast<std::size_t>(std::clamp(i, 0, n - 1))];
    };
    const int segments = closed ? n : n - 1;
    for (int i = 0; i < segments; ++i)
        for (int k = 0; k < per; ++k)
            out.push_back(
                catmull(at(i - 1), at(i), at(i + 1), at(i + 2), static_cast<double>(k) / per));
    if (!closed) out.push_back(p.back());
    return out;
}

// A band along a path; its width at each point is w(t), t = 0 at the start and
// 1 at the end.
std::vector<Point> ribbon(const std::vector<Point>& path, const std::function<double(double)>& w) {
    const std::size_t n = path.size();
    std::vector<Point> left, right;
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = path[i == 0 ? 0 : i - 1];
        const Point b = path[i + 1 < n ? i + 1 : n - 1];
        double dx = b.x - a.x, dy = b.y - a.y;
        const double len = std::max(1e-9, std::hypot(dx, dy));
        dx /= len;
        dy /= len;
        const double half = w(n > 1 ? static_cast<double>(i) / static_cast<double>(n - 1) : 0) / 2;
        left.push_back({path[i].x - dy * half, path[i].y + dx * half});
        right.push_back({path[i].x + dy * half, path[i].y - dx * half});
    }
    std::reverse(right.begin(), right.end());
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

// Widest at the start, narrowing to nothing (a lock of hair, a lash).
std::function<double(double)> taper(double w0, double w1 = 0, double power = 1) {
    return [=](double t) { return w0 + (w1 - w0) * std::pow(t, power); };
}
// Thin at both ends, `w` in the middle.
std::function<double(double)> swell(double w) {
    return [=](double t) { return w * std::pow(std::sin(kPi * t), 0.6); };
}

std::vector<Point> mirrored(const std::vector<Point>& pts, double cx) {
    std::vector<Point> out;
    for (const Point& p : pts)
        out.push_back({2 * cx - p.x, p.y});
    return out;
}

std::vector<Point> ellipsePts(Point c, double rx, double ry, double rotDeg = 0, int n = 40) {
    std::vector<Point> out;
    const double r = rotDeg * kPi / 180;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * kPi * i / n;
        const double x = rx * std::cos(a), y = ry * std::sin(a);
        out.push_back(
            {c.x + x * std::cos(r) - y * std::sin(r), c.y + x * std::sin(r) + y * std::cos(r)});
    }
    return out;
}

// A lock of hair from its root (width w) to a point, bent sideways by `bend`
// (positive bends to the left of the direction of travel).
std::vector<Point> lock(Point root, Point tip, double w, double bend, double power = 1.2) {
    const Point m = lerp(root, tip, 0.5);
    const double dx = tip.x - root.x, dy = tip.y - root.y;
    const double len = std::max(1e-9, std::hypot(dx, dy));
    const Point c{m.x + dy / len * bend, m.y - dx / len * bend};
    return ribbon(quad(root, c, tip, 14), taper(w, 0, power));
}

// A crown of spikes around c from angle a0 to a1 (degrees; 0 right, 90 down):
// valleys at radius r0, tips at r1, each tip leaning by `lean` degrees.
std::vector<Point> spikes(Point c, double a0, double a1, int n, double r0, double r1, double lean,
                          std::uint32_t seed) {
    draw::Rng rng(seed);
    std::vector<Point> pts;
    for (int i = 0; i <= n; ++i) {
        const double a = a0 + (a1 - a0) * i / n;
        const double rv = r0 + rng.real(-1, 1);
        pts.push_back(polar(c, a, rv, rv));
        if (i < n) {
            const double am = a0 + (a1 - a0) * (i + 0.5) / n + lean;
            const double rt = r1 + rng.real(-3, 2);
            pts.push_back(polar(c, am, rt, rt));
        }
    }
    return pts;
}

// ---------------------------------------------------------------- painting

// A pen in design units: (x, y) lands on (ox + s x, oy + s y).
struct Brush {
    draw::Target t;
    double ox = 0;
    double oy = 0;
    double s = kSS;

    Point P(Point p) const { return {ox + s * p.x, oy + s * p.y}; }
    void poly(const std::vector<Point>& pts, const draw::Paint& p) const {
        std::vector<Point> q;
        q.reserve(pts.size());
        for (const Point& pt : pts)
            q.push_back(P(pt));
        draw::fillPolygon(t, q, p);
    }
    void ellipse(Point c, double rx, double ry, const draw::Paint& p) const {
        const Point q = P(c);
        draw::fillEllipse(t, q.x, q.y, s * rx, s * ry, p);
    }
    void circle(Point c, double r, const draw::Paint& p) const { ellipse(c, r, r, p); }
    void line(Point a, Point b, double w, const draw::Paint& p) const {
        const Point qa = P(a), qb = P(b);
        draw::line(t, qa.x, qa.y, qb.x, qb.y, s * w, p);
    }
    void ring(Point c, double inner, double outer, const draw::Paint& p) const {
        const Point q = P(c);
        draw::ring(t, q.x, q.y, s * inner, s * outer, p);
    }
    void glow(Point c, double rx, double ry, std::uint32_t colour, double strength) const {
        const Point q = P(c);
        draw::glowEllipse(t, q.x, q.y, s * rx, s * ry, colour, strength);
    }
    void roundRect(double x, double y, double w, double h, double r, const draw::Paint& p) const {
        draw::fillRoundRect(t, ox + s * x, oy + s * y, s * w, s * h, s * r, p);
    }
    // A stroke along a path with the given width profile.
    void stroke(const std::vector<Point>& path, const std::function<double(double)>& w,
                const draw::Paint& p) const {
        poly(ribbon(path, w), p);
    }
    draw::Shader vgrad(double y0, std::uint32_t top, double y1, std::uint32_t bottom) const {
        return draw::vertical(oy + s * y0, top, oy + s * y1, bottom);
    }
    draw::Shader hgrad(double x0, std::uint32_t left, double x1, std::uint32_t right) const {
        return draw::horizontal(ox + s * x0, left, ox + s * x1, right);
    }
    Brush faded(double o) const {
        Brush b = *this;
        b.t = t.faded(o);
        return b;
    }
    Brush on(draw::Layer& l) const {
        Brush b = *this;
        b.t = draw::Target(l);
        return b;
    }
};

// Paints whatever `paint` draws only where `mask` is covered (the mask is a
// layer of the target's size).
void clipped(const Brush& b, const draw::Layer& mask,
             const std::function<void(const Brush&)>& paint) {
    draw::Layer l(mask.width(), mask.height());
    paint(b.on(l));
    for (int y = 0; y < l.height(); ++y)
        for (int x = 0; x < l.width(); ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * l.width() + x;
            const double a = static_cast<double>(l.alpha[i]) * mask.alpha[i];
            if (a > 0) b.t.plot(x, y, l.colour.at(x, y), a);
        }
}

// The same inside a shape.
void clippedTo(const Brush& b, const std::vector<Point>& shape,
               const std::function<void(const Brush&)>& paint) {
    draw::Layer mask(b.t.width(), b.t.height());
    b.on(mask).poly(shape, kWhite);
    clipped(b, mask, paint);
}

// ---------------------------------------------------------------- the character

struct Face {
    double cx = 50;
    double topY = 27;   // top of the skull
    double eyeY = 53;   // the eye line
    double eyeDX = 9.5; // half the distance between the eyes
    double halfW = 19;  // half the width at the cheekbones
    double chinY = 77;
    double jaw = 0.5; // 0 pointed .. 1 square
    double noseY = 61.5;
    double mouthY = 68.5;
    double neckW = 6.5;
};

struct EyeLook {
    std::uint32_t iris = rgb(110, 70, 40);
    std::uint32_t line = rgb(40, 26, 28);
    double w = 10;
    double h = 9;
    double slant = 0.6; // outer corner higher than the inner one
    bool lashes = false;
    double irisW = 0.66; // iris width as a share of the eye's
    double weight = 1;   // thickness of the upper lid line
};

struct BrowLook {
    std::uint32_t colour = rgb(40, 30, 30);
    double thick = 1.5;
    double gap = 4.2; // above the eye
    double len = 1;
};

struct MouthLook {
    std::uint32_t line = rgb(120, 54, 52);
    double w = 7;
    std::uint32_t lips = 0; // tint of the lips, 0 = none
};

struct Character {
    Face face;
    std::uint32_t skin = rgb(252, 218, 188);
    std::uint32_t shade = rgb(230, 170, 140);
    EyeLook eyes;
    BrowLook brows;
    MouthLook mouth;
    double blush = 0.12;        // cheeks always a little rosy
    bool hideEyes = false;      // behind sunglasses or a mask
    bool browsOverHair = false; // drawn again through the fringe
    bool child = false;
};

struct HairColours {
    std::uint32_t base;
    std::uint32_t light;
    std::uint32_t dark;
};

enum class MouthShape { Line, Smile, Frown, Open, Grin, Wavy, Smirk, Shout, Teeth, Firm };
enum class EyeState { Open, Happy };

// How a face moves for one expression.
struct Mood {
    double open = 1;     // eye opening
    double innerLid = 0; // upper lid lowered at the inner corner (anger)
    double outerLid = 0; // upper lid lowered at the outer corner (sadness)
    double lowerLid = 0; // lower lid raised (smiles)
    double iris = 1;     // size of the iris
    double lookX = 0;    // gaze to the right (+) or left (-)
    double lookY = 0;    // gaze down (+)
    EyeState eyes = EyeState::Open;
    double browInner = 0; // raise of the inner and outer ends of the brows
    double browOuter = 0;
    double browArch = 1;
    double browTilt = 0; // one brow up, the other down
    MouthShape mouth = MouthShape::Line;
    bool blush = false;
    bool sweat = false;
    bool vein = false;
    bool tears = false;
    bool gloom = false;
    bool burst = false;
};

Mood moodFor(int expression) {
    Mood m;
    switch (expression) {
    case kSmile:
        m.open = 0.82;
        m.lowerLid = 0.35;
        m.browInner = 1;
        m.browOuter = 0.6;
        m.mouth = MouthShape::Smile;
        m.blush = true;
        break;
    case kAngry:
        m.open = 0.85;
        m.innerLid = 0.55;
        m.iris = 0.82;
        m.browInner = -3.2;
        m.browOuter = 1;
        m.browArch = 0.1;
        m.mouth = MouthShape::Teeth;
        m.vein = true;
        break;
    case kSurprised:
        m.open = 1.25;
        m.iris = 0.7;
        m.browInner = 3.2;
        m.browOuter = 2.8;
        m.browArch = 1.6;
        m.mouth = MouthShape::Open;
        m.sweat = true;
        break;
    case kSad:
        m.open = 0.78;
        m.outerLid = 0.4;
        m.lookY = 0.7;
        m.browInner = 2.8;
        m.browOuter = -0.9;
        m.browArch = 0.4;
        m.mouth = MouthShape::Frown;
        m.tears = true;
        break;
    case kDetermined:
        m.open = 0.86;
        m.innerLid = 0.38;
        m.browInner = -2.6;
        m.browOuter = 0.8;
        m.browArch = 0.2;
        m.mouth = MouthShape::Firm;
        break;
    case kGrin:
        m.eyes = EyeState::Happy;
        m.browInner = 1.8;
        m.browOuter = 1.2;
        m.mouth = MouthShape::Grin;
        m.blush = true;
        break;
    case kWorried:
        m.open = 1.05;
        m.iris = 0.8;
        m.outerLid = 0.15;
        m.browInner = 3.2;
        m.browOuter = -0.7;
        m.browArch = 0.3;
        m.mouth = MouthShape::Wavy;
        m.sweat = true;
        m.gloom = true;
        break;
    case kSmug:
        m.open = 0.6;
        m.lookX = 0.35;
        m.browTilt = 1;
        m.mouth = MouthShape::Smirk;
        break;
    case kShouting:
        m.open = 1.12;
        m.innerLid = 0.6;
        m.iris = 0.66;
        m.browInner = -3.6;
        m.browOuter = 1.8;
        m.browArch = 0.1;
        m.mouth = MouthShape::Shout;
        m.vein = true;
        m.burst = true;
        break;
    default:
        break;
    }
    return m;
}

// How much bigger than the design grid the figure is drawn, around (50, 60):
// the head fills the picture and the shoulders run off its bottom edge.
constexpr double kZoom = 1.2;

// The picture being painted: the big canvas, a brush for the backdrop (the
// whole 100 x 100 grid), a brush for the figure, and the face's mask.
struct Sheet {
    Image canvas{kCanvas, kCanvas};
    Brush flat{canvas};
    Brush b{canvas, kSS * 50.0 * (1 - kZoom), kSS * 60.0 * (1 - kZoom), kSS* kZoom};
    draw::Layer faceMask{kCanvas, kCanvas};
    Face face;

    Sheet() = default;
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;
    void onFace(const std::function<void(const Brush&)>& paint) { clipped(b, faceMask, paint); }
};

// ---------------------------------------------------------------- backdrops

enum class Pattern { Bokeh, Streaks, Rays, Sparkle, Stripes, Windows, Leaves, Studio };

void sparkleStar(const Brush& b, Point c, double r, std::uint32_t colour) {
    b.poly({{c.x, c.y - r},
            {c.x + r * 0.18, c.y - r * 0.18},
            {c.x + r, c.y},
            {c.x + r * 0.18, c.y + r * 0.18},
            {c.x, c.y + r},
            {c.x - r * 0.18, c.y + r * 0.18},
            {c.x - r, c.y},
            {c.x - r * 0.18, c.y - r * 0.18}},
           colour);
}

// Sharp lines radiating from behind the head: a shout.
void burstLines(const Brush& b, Point c, std::uint32_t colour, std::uint32_t seed) {
    draw::Rng rng(seed);
    for (int i = 0; i < 30; ++i) {
        const double a = i * 12 + rng.real(-3, 3);
        const double w = rng.real(1.2, 3);
        const Point p0 = polar(c, a, 24, 24);
        const Point p1 = polar(c, a - w, 90, 90);
        const Point p2 = polar(c, a + w, 90, 90);
        b.faded(rng.real(0.35, 0.7)).poly({p0, p1, p2}, colour);
    }
}

void backdrop(Sheet& s, std::uint32_t top, std::uint32_t bottom, std::uint32_t accent, Pattern p,
              std::uint32_t seed, const Mood& m) {
    const Brush& b = s.flat;
    b.poly({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, b.vgrad(0, top, 100, bottom));
    draw::Rng rng(seed);
    switch (p) {
    case Pattern::Bokeh:
        for (int i = 0; i < 16; ++i) {
            const Point c{rng.real(0, 100), rng.real(0, 100)};
            const double r = rng.real(2.5, 9);
            b.faded(rng.real(0.08, 0.22)).circle(c, r, accent);
            b.faded(0.12).ring(c, r - 0.6, r, lighter(accent, 0.5));
        }
        break;
    case Pattern::Streaks:
        for (int i = 0; i < 14; ++i) {
            const double y = rng.real(-10, 110);
            const double x = rng.real(-40, 80);
            const double len = rng.real(30, 80);
            b.faded(rng.real(0.1, 0.3))
                .line({x, y}, {x + len, y - len * 0.45}, rng.real(0.6, 2.2), accent);
        }
        break;
    case Pattern::Rays:
        for (int i = 0; i < 16; ++i) {
            const double a = i * 22.5;
            b.faded(0.22).poly(
                {{50, 45}, polar({50, 45}, a, 100, 100), polar({50, 45}, a + 11, 100, 100)},
                accent);
        }
        break;
    case Pattern::Sparkle:
        for (int i = 0; i < 12; ++i) {
            const Point c{rng.real(2, 98), rng.real(2, 80)};
            b.faded(rng.real(0.25, 0.6)).glow(c, 4, 4, accent, 0.5);
            sparkleStar(b.faded(rng.real(0.4, 0.8)), c, rng.real(1.5, 3.5), lighter(accent, 0.6));
        }
        break;
    case Pattern::Stripes:
        for (int x = -4; x < 100; x += 9)
            b.faded(0.12).poly({{x + 0.0, 0}, {x + 4.0, 0}, {x + 4.0, 100}, {x + 0.0, 100}},
                               accent);
        break;
    case Pattern::Windows:
        for (int col = 0; col < 5; ++col)
            for (int row = 0; row < 4; ++row) {
                const double x = 2 + col * 21, y = 4 + row * 24;
                b.faded(0.16).roundRect(x, y, 17, 20, 0.8, accent);
            }
        break;
    case Pattern::Leaves:
        for (int i = 0; i < 12; ++i) {
            const Point c{rng.real(0, 100), rng.real(0, 100)};
            const double a = rng.real(0, 360);
            b.faded(rng.real(0.2, 0.45)).poly(ellipsePts(c, 3.2, 1.3, a, 16), accent);
        }
        break;
    case Pattern::Studio:
        // A news set: a bright globe of lines behind the desk and blue panels.
        b.faded(0.25).ring({74, 36}, 20, 21.2, accent);
        b.faded(0.18).poly(ellipsePts({74, 36}, 9, 21, 0, 32), lighter(accent, 0.2));
        for (int i = -2; i <= 2; ++i)
            b.faded(0.22).line({54, 36 + i * 8.0}, {94, 36 + i * 8.0}, 0.5, accent);
        for (int x = 0; x < 100; x += 25)
            b.faded(0.1).poly({{x + 1.0, 70}, {x + 23.0, 70}, {x + 23.0, 100}, {x + 1.0, 100}},
                              lighter(accent, 0.3));
        break;
    }
    // A light behind the head, then the mood's colour.
    b.glow({50, 46}, 46, 40, lighter(accent, 0.35), 0.35);
    if (m.burst) burstLines(b, {50, 46}, lighter(accent, 0.7), seed + 7);
    if (m.tears) b.faded(0.28).poly({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, rgb(30, 40, 90));
    if (m.gloom) b.faded(0.2).poly({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, rgb(60, 40, 110));
}

// ---------------------------------------------------------------- body

// The shoulders and chest under the neck: a closed outline. `broad` widens them.
std::vector<Point> torso(const Face& f, double neckY, double broad = 1) {
    const double cx = f.cx;
    const std::vector<Point> left = smooth({{cx - f.neckW - 1.5, neckY},
                                            {cx - 20 * broad, neckY + 3.5},
                                            {cx - 33 * broad, neckY + 8},
                                            {cx - 40 * broad, neckY + 13},
                                            {cx - 44 * broad, 104}},
                                           false, 5);
    std::vector<Point> out = left;
    std::vector<Point> right = mirrored(left, cx);
    std::reverse(right.begin(), right.end());
    out.insert(out.end(), right.begin(), right.end());
    return out;
}

void neck(Sheet& s, const Character& c) {
    const Face& f = s.face;
    const double w = f.neckW;
    s.b.poly({{f.cx - w, f.chinY - 12},
              {f.cx + w, f.chinY - 12},
              {f.cx + w + 1, 96},
              {f.cx - w - 1, 96}},
             s.b.vgrad(f.chinY - 2, darker(c.shade, 0.12), f.chinY + 8, c.skin));
}

// A collar opening: the V of skin or shirt under the chin.
void vOpening(const Brush& b, const Face& f, double neckY, double depth, const draw::Paint& p) {
    b.poly({{f.cx - f.neckW - 1.5, neckY - 1},
            {f.cx + f.neckW + 1.5, neckY - 1},
            {f.cx, neckY + depth}},
           p);
}

// ---------------------------------------------------------------- the face

std::vector<Point> faceOutline(const Face& f) {
    const double cx = f.cx, w = f.halfW;
    const std::vector<Point> right{
        {cx + w * 0.78, f.topY + (f.eyeY - f.topY) * 0.14},
        {cx + w * 1.0, f.eyeY - 10},
        {cx + w * 1.02, f.eyeY},
        {cx + w * 0.95, f.eyeY + 7},
        {cx + w * (0.6 + 0.26 * f.jaw), f.chinY - 7 + 2.5 * f.jaw},
        {cx + w * (0.22 + 0.2 * f.jaw), f.chinY - 1.2},
    };
    std::vector<Point> ctrl{{cx, f.topY}};
    ctrl.insert(ctrl.end(), right.begin(), right.end());
    ctrl.push_back({cx, f.chinY});
    std::vector<Point> left = mirrored(right, cx);
    std::reverse(left.begin(), left.end());
    ctrl.insert(ctrl.end(), left.begin(), left.end());
    return smooth(ctrl, true, 6);
}

// The skull's outline grown by `grow`, from angle a0 to a1 (degrees; -90 top).
std::vector<Point> skullArc(const Face& f, double grow, double a0, double a1, int n = 24) {
    const Point c{f.cx, f.eyeY - 5};
    const double rx = f.halfW + 1 + grow, ry = f.eyeY - 5 - f.topY + grow;
    std::vector<Point> out;
    for (int i = 0; i <= n; ++i)
        out.push_back(polar(c, a0 + (a1 - a0) * i / n, rx, ry));
    return out;
}

// Hair covering the top of the head down to a hairline: over the skull from the
// left temple to the right one, back along a curve through (cx, hairlineY).
std::vector<Point> hairCap(const Face& f, double grow, double hairlineY, double templeY) {
    std::vector<Point> pts = skullArc(f, grow, 175, 365);
    const double w = f.halfW + 1.5;
    pts.push_back({f.cx + w, templeY});
    const std::vector<Point> line =
        quad({f.cx + w - 1, templeY}, {f.cx, hairlineY - (templeY - hairlineY) * 0.9},
             {f.cx - w + 1, templeY});
    pts.insert(pts.end(), line.begin(), line.end());
    pts.push_back({f.cx - w, templeY});
    return pts;
}

draw::Shader hairPaint(const Brush& b, double y0, double y1, const HairColours& h) {
    return b.vgrad(y0, h.base, y1, h.dark);
}

// Light streaks along the hair's flow.
void hairShine(const Brush& b, const std::vector<std::vector<Point>>& paths, const HairColours& h,
               double w = 1.4) {
    for (const auto& path : paths)
        b.faded(0.7).stroke(smooth(path, false, 5), swell(w), h.light);
}

void ears(Sheet& s, const Character& c) {
    const Face& f = s.face;
    for (int side : {-1, 1}) {
        const Point e{f.cx + side * (f.halfW + 0.3), f.eyeY + 4};
        s.b.ellipse(e, 3.3, 5.6, c.skin);
        s.b.ellipse({e.x + side * 0.6, e.y + 0.3}, 1.7, 3.6, c.shade);
    }
}

void faceBase(Sheet& s, const Character& c, const Mood& m) {
    const Face& f = s.face;
    ears(s, c);
    const std::vector<Point> outline = faceOutline(f);
    s.b.poly(outline, s.b.vgrad(f.topY, lighter(c.skin, 0.1), f.chinY, c.skin));
    s.b.on(s.faceMask).poly(outline, kWhite);
    // Light from the upper right: a soft shade down the left side and under the jaw.
    s.onFace([&](const Brush& b) {
        b.faded(0.35).glow({f.cx - f.halfW - 4, f.eyeY + 8}, 9, 22, c.shade, 1);
        b.faded(0.25).glow({f.cx, f.chinY + 4}, 14, 6, c.shade, 1);
        b.faded(0.18).stroke(
            faceOutline(f), [](double) { return 1.2; }, c.shade);
    });
    const double blush = std::max(c.blush, m.blush ? 0.45 : 0.0);
    for (int side : {-1, 1}) {
        const Point ck{f.cx + side * (f.eyeDX + 2.5), f.eyeY + 8};
        s.b.faded(blush).glow(ck, 5, 2.6, rgb(255, 110, 120), 1);
        if (m.blush)
            for (int i = 0; i < 3; ++i)
                s.b.faded(0.5).line({ck.x - 2 + i * 1.6, ck.y + 0.8},
                                    {ck.x - 1 + i * 1.6, ck.y - 0.8}, 0.35, rgb(230, 90, 100));
    }
}

void nose(const Brush& b, const Character& c) {
    const Face& f = c.face;
    const double k = c.child ? 0.6 : 1.0;
    const std::uint32_t col = darker(c.shade, 0.15);
    b.faded(0.8).stroke(
        quad({f.cx + 0.6, f.noseY - 4 * k}, {f.cx + 1.8 * k, f.noseY - 1}, {f.cx + 0.8, f.noseY}),
        taper(0.3, 0.8), col);
    b.faded(0.5).line({f.cx - 0.8 * k, f.noseY + 0.4}, {f.cx + 1.2 * k, f.noseY + 0.6}, 0.6, col);
}

void eye(Sheet& s, const Character& c, const Mood& m, int side) {
    const Face& f = s.face;
    const EyeLook& k = c.eyes;
    const double ex = f.cx + side * f.eyeDX, ey = f.eyeY;
    auto X = [&](double t) { return ex + side * (-k.w / 2 + k.w * t); };
    const double innerY = ey + 0.6, outerY = ey - k.slant;
    auto base = [&](double t) { return innerY + (outerY - innerY) * t; };
    const Brush& b = s.b;

    if (m.eyes == EyeState::Happy) {
        std::vector<Point> arch;
        for (int i = 0; i <= 16; ++i) {
            const double t = i / 16.0;
            arch.push_back({X(t), base(t) + 1 - k.h * 0.34 * std::sin(kPi * t)});
        }
        b.stroke(arch, swell(1.5 * k.weight), k.line);
        if (k.lashes)
            b.stroke(quad(arch.back(), {X(1.15), base(1) + 0.2}, {X(1.3), base(1) - 1.2}, 6),
                     taper(0.9, 0.1), k.line);
        return;
    }

    const double topH = k.h * 0.6 * m.open, botH = k.h * 0.42 * m.open;
    auto bump = [](double t, double p) {
        return std::pow(std::sin(kPi * std::clamp(t, 0.0, 1.0)), p);
    };
    auto top = [&](double t) {
        const double tc = std::clamp(t, 0.0, 1.0);
        const double h = bump(std::pow(tc, 0.85), 0.7);
        return base(t) - topH * h + m.innerLid * k.h * 0.55 * (1 - tc) * h +
               m.outerLid * k.h * 0.5 * tc * h;
    };
    auto bottom = [&](double t) {
        const double h = bump(t, 1);
        return std::max(top(t) + 0.2, base(t) + botH * h - m.lowerLid * k.h * 0.5 * h);
    };
    std::vector<Point> sclera;
    for (int i = 0; i <= 16; ++i)
        sclera.push_back({X(i / 16.0), top(i / 16.0)});
    for (int i = 16; i >= 0; --i)
        sclera.push_back({X(i / 16.0), bottom(i / 16.0)});

    clippedTo(b, sclera, [&](const Brush& l) {
        l.poly(sclera, l.vgrad(ey - topH, rgb(222, 224, 238), ey + botH * 0.2, rgb(255, 255, 255)));
        const double rx = k.w * k.irisW * 0.5 * m.iris;
        const double ry = std::min(k.h * 0.55, k.w * 0.55) * m.iris;
        const Point ic{ex + m.lookX * k.w * 0.22 + side * 0.3, ey + 0.3 + m.lookY * k.h * 0.16};
        l.ellipse(ic, rx + 0.4, ry + 0.4, darker(k.iris, 0.7));
        l.ellipse(ic, rx, ry,
                  l.vgrad(ic.y - ry, darker(k.iris, 0.55), ic.y + ry, lighter(k.iris, 0.3)));
        l.faded(0.6).ellipse({ic.x, ic.y + ry * 0.45}, rx * 0.7, ry * 0.35, lighter(k.iris, 0.45));
        l.ellipse(ic, rx * 0.46, ry * 0.5, darker(k.iris, 0.82));
        // The lid's shadow over the top of the iris.
        std::vector<Point> shadow;
        for (int i = 0; i <= 16; ++i)
            shadow.push_back({X(i / 16.0), top(i / 16.0) - 0.5});
        for (int i = 16; i >= 0; --i)
            shadow.push_back({X(i / 16.0), top(i / 16.0) + 1.6 * m.open});
        l.faded(0.3).poly(shadow, darker(k.iris, 0.5));
        l.circle({ic.x - rx * 0.35, ic.y - ry * 0.42}, std::max(0.7, rx * 0.36), kWhite);
        l.circle({ic.x + rx * 0.42, ic.y + ry * 0.38}, std::max(0.35, rx * 0.15), kWhite);
    });
    // The upper lid, thicker toward the outer corner, with lashes for some.
    std::vector<Point> lid;
    for (int i = -1; i <= 17; ++i)
        lid.push_back({X(i / 16.0), top(i / 16.0)});
    b.stroke(lid, taper(0.5 * k.weight, 1.9 * k.weight, 0.7), k.line);
    if (k.lashes) {
        const Point o{X(1.04), top(1.0)};
        b.stroke(quad(o, {o.x + side * 1.6, o.y - 0.2}, {o.x + side * 2.6, o.y - 1.8}, 6),
                 taper(1.1, 0.1), k.line);
        b.stroke(
            quad({X(0.85), top(0.85)}, {X(0.95), top(0.85) - 1.2}, {X(1.08), top(0.85) - 2}, 6),
            taper(0.6, 0.05), k.line);
    }
    // The lower lid, a faint line at the outer half, and the crease above.
    std::vector<Point> low;
    for (int i = 7; i <= 16; ++i)
        low.push_back({X(i / 16.0), bottom(i / 16.0) + 0.2});
    b.faded(0.55).stroke(low, swell(0.6), k.line);
    std::vector<Point> crease;
    for (int i = 4; i <= 14; ++i)
        crease.push_back({X(i / 16.0), top(i / 16.0) - 1.6 - 0.4 * std::sin(kPi * i / 16.0)});
    b.faded(0.35).stroke(crease, swell(0.45), k.line);
}

void brow(const Brush& b, const Character& c, const Mood& m, int side) {
    const Face& f = c.face;
    const EyeLook& e = c.eyes;
    const BrowLook& k = c.brows;
    const double ex = f.cx + side * f.eyeDX;
    double raiseIn = m.browInner, raiseOut = m.browOuter;
    if (m.browTilt != 0) {
        raiseIn += side < 0 ? 1.6 * m.browTilt : -0.7 * m.browTilt;
        raiseOut += side < 0 ? 2.6 * m.browTilt : -0.4 * m.browTilt;
    }
    const Point in{ex - side * e.w * 0.5, f.eyeY - e.h * 0.6 - k.gap + 0.8 - raiseIn};
    const Point out{ex + side * e.w * 0.62 * k.len,
                    f.eyeY - e.h * 0.55 - k.gap + 0.6 - e.slant * 0.5 - raiseOut};
    Point mid = lerp(in, out, 0.45);
    mid.y -= 1.6 * m.browArch;
    b.stroke(quad(in, mid, out, 12), taper(k.thick, k.thick * 0.4), k.colour);
}

void mouth(const Brush& b, const Character& c, MouthShape shape) {
    const Face& f = c.face;
    const MouthLook& k = c.mouth;
    const double cx = f.cx, my = f.mouthY, w = k.w;
    const std::uint32_t inside = rgb(104, 28, 36), tongue = rgb(230, 104, 110),
                        teeth = rgb(252, 252, 248);
    const std::uint32_t line = k.line;
    auto lips = [&](double y0, double halfW) {
        if (k.lips) b.faded(0.45).ellipse({cx, y0 + 1.1}, halfW * 0.55, 0.9, k.lips);
    };
    switch (shape) {
    case MouthShape::Line:
        lips(my, w / 2);
        b.stroke(quad({cx - w * 0.42, my}, {cx, my + 0.7}, {cx + w * 0.42, my - 0.1}), swell(0.9),
                 line);
        break;
    case MouthShape::Smile:
        lips(my, w / 2);
        b.stroke(quad({cx - w * 0.55, my - 1.1}, {cx, my + 2.8}, {cx + w * 0.55, my - 1.1}),
                 swell(1.1), line);
        break;
    case MouthShape::Frown:
        b.stroke(quad({cx - w * 0.45, my + 1.2}, {cx, my - 1.8}, {cx + w * 0.45, my + 1.2}),
                 swell(1.0), line);
        break;
    case MouthShape::Firm:
        b.stroke(quad({cx - w * 0.45, my + 0.5}, {cx, my - 0.3}, {cx + w * 0.45, my + 0.5}),
                 swell(1.2), line);
        b.faded(0.4).line({cx - 1.2, my + 2.2}, {cx + 1.2, my + 2.2}, 0.5, c.shade);
        break;
    case MouthShape::Open: {
        const std::vector<Point> o = ellipsePts({cx, my + 1.2}, 2.1, 2.8, 0, 28);
        b.poly(ellipsePts({cx, my + 1.2}, 2.6, 3.3, 0, 28), line);
        b.poly(o, inside);
        b.ellipse({cx, my + 2.9}, 1.5, 0.9, tongue);
        break;
    }
    case MouthShape::Grin:
    case MouthShape::Shout: {
        const bool shout = shape == MouthShape::Shout;
        const double hw = shout ? w * 0.6 : w * 0.72;
        const double depth = shout ? 8 : 5.2;
        const double topY = shout ? my - 1.6 : my - 1.2;
        std::vector<Point> o;
        if (shout) {
            o = smooth({{cx - hw, topY},
                        {cx, topY - 0.8},
                        {cx + hw, topY},
                        {cx + hw * 0.6, topY + depth * 0.8},
                        {cx, topY + depth},
                        {cx - hw * 0.6, topY + depth * 0.8}},
                       true, 6);
        } else {
            o = quad({cx - hw, topY - 0.6}, {cx, topY + 0.6}, {cx + hw, topY - 0.6}, 10);
            const std::vector<Point> lower =
                quad({cx + hw, topY - 0.6}, {cx, topY + depth * 1.9}, {cx - hw, topY - 0.6}, 14);
            o.insert(o.end(), lower.begin(), lower.end());
        }
        b.poly(ribbon(o, [](double) { return 1.6; }), line);
        b.poly(o, inside);
        clippedTo(b, o, [&](const Brush& l) {
            l.poly({{cx - hw - 1, topY - 3},
                    {cx + hw + 1, topY - 3},
                    {cx + hw + 1, topY + 1.5},
                    {cx - hw - 1, topY + 1.5}},
                   teeth);
            l.ellipse({cx, topY + depth + (shout ? 0.5 : 0.2)}, hw * 0.7, depth * 0.42, tongue);
        });
        break;
    }
    case MouthShape::Wavy: {
        std::vector<Point> wave;
        for (int i = 0; i <= 20; ++i) {
            const double t = i / 20.0;
            wave.push_back({cx - w * 0.5 + w * t, my + 0.3 + 0.9 * std::sin(t * kPi * 3)});
        }
        b.stroke(wave, swell(0.95), line);
        break;
    }
    case MouthShape::Smirk:
        b.stroke(
            quad({cx - w * 0.45, my + 0.4}, {cx + w * 0.15, my + 1.5}, {cx + w * 0.6, my - 1.8}),
            swell(1.0), line);
        b.faded(0.6).line({cx + w * 0.62, my - 2.4}, {cx + w * 0.7, my - 1.2}, 0.5, line);
        break;
    case MouthShape::Teeth: {
        const double hw = w * 0.55;
        b.roundRect(cx - hw - 0.5, my - 2.1, hw * 2 + 1, 4.2, 1.6, line);
        b.roundRect(cx - hw, my - 1.6, hw * 2, 3.2, 1.2, teeth);
        b.line({cx - hw + 0.3, my}, {cx + hw - 0.3, my}, 0.45, rgb(170, 150, 150));
        for (double x = -hw * 0.5; x <= hw * 0.5 + 0.01; x += hw * 0.5)
            b.line({cx + x, my - 1.4}, {cx + x, my + 1.4}, 0.35, rgb(190, 170, 170));
        // Corners pulled down.
        b.line({cx - hw - 0.4, my + 1.6}, {cx - hw - 1.4, my + 2.8}, 0.6, line);
        b.line({cx + hw + 0.4, my + 1.6}, {cx + hw + 1.4, my + 2.8}, 0.6, line);
        break;
    }
    }
}

void features(Sheet& s, const Character& c, const Mood& m) {
    nose(s.b, c);
    mouth(s.b, c, m.mouth);
    if (!c.hideEyes) {
        eye(s, c, m, -1);
        eye(s, c, m, 1);
    }
    if (!c.browsOverHair) {
        brow(s.b, c, m, -1);
        brow(s.b, c, m, 1);
    }
}

// Brows seen through the fringe.
void browsThroughHair(Sheet& s, const Character& c, const Mood& m) {
    brow(s.b.faded(0.7), c, m, -1);
    brow(s.b.faded(0.7), c, m, 1);
}

// A shadow cast on the forehead by the hair in front.
void hairShadow(Sheet& s, const Character& c, const std::vector<std::vector<Point>>& shapes,
                double dy = 1.8) {
    s.onFace([&](const Brush& b) {
        for (const auto& shape : shapes) {
            std::vector<Point> moved = shape;
            for (Point& p : moved)
                p.y += dy;
            b.faded(0.55).poly(moved, c.shade);
        }
    });
}

// ---------------------------------------------------------------- marks of the mood

void sweatDrop(const Brush& b, Point at, double r) {
    std::vector<Point> drop{{at.x, at.y - r * 2.4}};
    for (int i = 0; i <= 16; ++i)
        drop.push_back(polar(at, -30 + 240.0 * i / 16, r, r));
    std::vector<Point> rim{{at.x, at.y - r * 2.4 - 0.7}};
    for (int i = 0; i <= 16; ++i)
        rim.push_back(polar(at, -30 + 240.0 * i / 16, r + 0.6, r + 0.6));
    b.poly(rim, rgb(40, 110, 190));
    b.poly(drop, b.vgrad(at.y - r * 2.4, rgb(230, 250, 255), at.y + r, rgb(120, 200, 250)));
    b.ellipse({at.x - r * 0.35, at.y - r * 0.2}, r * 0.22, r * 0.4, kWhite);
}

void angerMark(const Brush& b, Point at, double r) {
    for (int qx : {-1, 1})
        for (int qy : {-1, 1}) {
            const Point a{at.x + qx * r * 0.3, at.y + qy * r};
            const Point e{at.x + qx * r, at.y + qy * r * 0.3};
            const Point ctl{at.x + qx * r * 0.3, at.y + qy * r * 0.3};
            b.stroke(
                quad(a, ctl, e, 8), [](double) { return 1.3; }, rgb(120, 0, 10));
            b.stroke(
                quad(a, ctl, e, 8), [](double) { return 0.8; }, rgb(255, 50, 60));
        }
}

void tears(Sheet& s, const Character& c) {
    const Face& f = s.face;
    for (int side : {-1, 1}) {
        const double x = f.cx + side * (f.eyeDX + c.eyes.w * 0.25);
        const double y = f.eyeY + c.eyes.h * 0.3;
        s.b.faded(0.55).stroke(quad({x, y}, {x + side * 0.8, y + 6}, {x + side * 0.3, y + 12}),
                               swell(1.6), rgb(170, 220, 255));
        s.b.faded(0.9).circle({x + side * 0.3, y + 12.5}, 0.9, rgb(200, 235, 255));
        s.b.faded(0.8).line({x - 1.5, y - 0.6}, {x + 1.5, y - 0.6}, 0.5, rgb(220, 245, 255));
    }
}

// Blue shadow over the upper face and lines falling over the hair: dismay.
void gloomLines(Sheet& s) {
    const Face& f = s.face;
    s.onFace([&](const Brush& b) {
        b.faded(0.4).poly({{0, f.topY}, {100, f.topY}, {100, f.eyeY + 2}, {0, f.eyeY + 2}},
                          b.vgrad(f.topY, rgb(90, 70, 170), f.eyeY + 2, rgb(230, 220, 250)));
    });
    for (double x = f.cx - f.halfW + 2; x < f.cx + f.halfW - 1; x += 2.6) {
        const double len = 9 + std::fmod(x * 7.3, 5.0);
        s.b.faded(0.6).stroke({{x, f.topY + 3}, {x, f.topY + 3 + len}}, taper(0.7, 0.1),
                              rgb(50, 30, 110));
    }
}

void moodMarks(Sheet& s, const Character& c, const Mood& m) {
    const Face& f = s.face;
    if (m.gloom) gloomLines(s);
    if (m.tears) tears(s, c);
    if (m.sweat) sweatDrop(s.b, {f.cx + f.halfW + 3.5, f.eyeY - 6}, m.gloom ? 2.4 : 1.8);
    if (m.vein) angerMark(s.b, {f.cx - f.halfW + 3, f.topY + 8}, 3.2);
}

// ---------------------------------------------------------------- finishing

Image shrink(const Image& big) {
    Image out(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            int r = 0, g = 0, bl = 0;
            for (int j = 0; j < kSS; ++j)
                for (int i = 0; i < kSS; ++i) {
                    const std::uint32_t p = big.at(x * kSS + i, y * kSS + j);
                    r += draw::red(p);
                    g += draw::green(p);
                    bl += draw::blue(p);
                }
            const int n = kSS * kSS;
            out.at(x, y) = rgb((r + n / 2) / n, (g + n / 2) / n, (bl + n / 2) / n);
        }
    return out;
}

// An old photograph: brown tones, faded edges and a little grain.
void sepia(Image& img, std::uint32_t seed) {
    draw::Rng rng(seed);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const std::uint32_t p = img.at(x, y);
            double l = (0.3 * draw::red(p) + 0.59 * draw::green(p) + 0.11 * draw::blue(p)) / 255.0;
            l = std::clamp(0.5 + (l - 0.5) * 1.15 + (rng.uniform() - 0.5) * 0.04, 0.0, 1.0);
            const double dx = (x - 49.5) / 50, dy = (y - 49.5) / 50;
            const double edge = std::clamp((std::sqrt(dx * dx + dy * dy) - 0.95) / 0.45, 0.0, 1.0);
            std::uint32_t c = l < 0.5 ? mix(rgb(46, 28, 16), rgb(176, 128, 84), l * 2)
                                      : mix(rgb(176, 128, 84), rgb(255, 240, 210), (l - 0.5) * 2);
            c = mix(c, rgb(250, 236, 206), edge * 0.8);
            img.at(x, y) = c;
        }
}

// ---------------------------------------------------------------- clothes

void riderJacket(Sheet& s, std::uint32_t colour, std::uint32_t stripe, std::uint32_t shirt) {
    const Face& f = s.face;
    const Brush& b = s.b;
    const double ny = 82;
    b.poly(torso(f, ny), b.vgrad(ny, lighter(colour, 0.15), 100, darker(colour, 0.3)));
    vOpening(b, f, ny, 13, shirt);
    // Collar flaps standing up at both sides of the neck.
    for (int side : {-1, 1}) {
        const std::vector<Point> flap{{f.cx + side * (f.neckW + 0.5), ny - 4},
                                      {f.cx + side * (f.neckW + 5.5), ny - 1},
                                      {f.cx + side * (f.neckW + 4), ny + 5},
                                      {f.cx + side * 1.5, ny + 13}};
        b.poly(flap, b.vgrad(ny - 4, lighter(colour, 0.3), ny + 10, colour));
        b.stroke(quad({f.cx + side * 14, ny + 5}, {f.cx + side * 28, ny + 7},
                      {f.cx + side * 40, ny + 16}),
                 swell(2.6), stripe);
    }
    b.line({f.cx + 0.4, ny + 13}, {f.cx + 0.4, 101}, 0.8, rgb(200, 200, 210));
}

void suit(Sheet& s, std::uint32_t cloth, std::uint32_t shirt, double broad = 1,
          double lapelDepth = 16) {
    const Face& f = s.face;
    const Brush& b = s.b;
    const double ny = 82;
    b.poly(torso(f, ny, broad), b.vgrad(ny, lighter(cloth, 0.12), 100, darker(cloth, 0.35)));
    vOpening(b, f, ny, lapelDepth, shirt);
    for (int side : {-1, 1}) {
        // Shirt collar points and the lapel.
        b.poly({{f.cx + side * (f.neckW + 0.5), ny - 3},
                {f.cx + side * (f.neckW - 1), ny + 5},
                {f.cx + side * 1.0, ny + 3.5},
                {f.cx + side * (f.neckW - 3), ny - 1}},
               lighter(shirt, 0.2));
        b.poly({{f.cx + side * (f.neckW + 1.5), ny - 1.5},
                {f.cx + side * (f.neckW + 7), ny + 1},
                {f.cx + side * (f.neckW + 3), ny + 8},
                {f.cx + side * 6, ny + 12},
                {f.cx + side * 0.5, ny + lapelDepth}},
               b.vgrad(ny, lighter(cloth, 0.3), ny + 16, darker(cloth, 0.1)));
        b.faded(0.5).line({f.cx + side * (f.neckW + 7), ny + 1},
                          {f.cx + side * 0.5, ny + lapelDepth}, 0.5, darker(cloth, 0.5));
    }
}

void tie(const Brush& b, const Face& f, std::uint32_t colour, std::uint32_t pattern) {
    const double ny = 82;
    b.poly({{f.cx - 1.6, ny + 1}, {f.cx + 1.6, ny + 1}, {f.cx + 1.2, ny + 4}, {f.cx - 1.2, ny + 4}},
           darker(colour, 0.15));
    b.poly({{f.cx - 1.2, ny + 4},
            {f.cx + 1.2, ny + 4},
            {f.cx + 2.6, ny + 15},
            {f.cx, ny + 18},
            {f.cx - 2.6, ny + 15}},
           b.vgrad(ny + 4, colour, ny + 18, darker(colour, 0.3)));
    for (int i = 0; i < 4; ++i)
        b.faded(0.8).line({f.cx - 1.6, ny + 6 + i * 3.0}, {f.cx + 1.8, ny + 4.5 + i * 3.0}, 0.6,
                          pattern);
}

// ---------------------------------------------------------------- characters

// The proportions of a child's face: a bigger forehead, bigger eyes, a small chin.
void makeChild(Character& c) {
    Face& f = c.face;
    f.topY = 30;
    f.eyeY = 57;
    f.halfW = 19.5;
    f.chinY = 76;
    f.jaw = 0.35;
    f.noseY = 63.5;
    f.mouthY = 69.5;
    f.neckW = 5;
    c.eyes.w = 11.2;
    c.eyes.h = 10.8;
    c.eyes.slant = 0.3;
    c.mouth.w = 5.5;
    c.blush = 0.3;
    c.child = true;
}

// Fine lines of age: crow's feet and the folds beside the mouth.
void ageLines(Sheet& s, const Character& c, double strength) {
    const Face& f = s.face;
    const std::uint32_t col = darker(c.shade, 0.2);
    for (int side : {-1, 1}) {
        const double ox = f.cx + side * (f.eyeDX + c.eyes.w * 0.55);
        for (int i = -1; i <= 1; ++i)
            s.b.faded(strength).line({ox + side * 0.6, f.eyeY + i * 1.3},
                                     {ox + side * 2.6, f.eyeY + i * 2.0}, 0.4, col);
        s.b.faded(strength * 0.8)
            .stroke(quad({f.cx + side * 3.5, f.noseY - 0.5}, {f.cx + side * 6, f.noseY + 3},
                         {f.cx + side * 5.5, f.mouthY + 1}),
                    swell(0.6), col);
    }
}

// A band of tiny rounds: a gold chain around the neck.
void chain(const Brush& b, const Face& f, double y, double depth, std::uint32_t colour) {
    const std::vector<Point> path =
        quad({f.cx - f.neckW - 1, y}, {f.cx, y + depth * 2}, {f.cx + f.neckW + 1, y}, 14);
    for (const Point& p : path) {
        b.circle(p, 0.75, darker(colour, 0.35));
        b.circle({p.x - 0.15, p.y - 0.15}, 0.5, colour);
    }
}

// --- 乙木コウイチロウ (and as a boy) ---

void koichiro(Sheet& s, const Mood& m, bool child) {
    Character c;
    if (child) makeChild(c);
    c.skin = rgb(252, 216, 184);
    c.shade = rgb(226, 166, 136);
    c.eyes.iris = rgb(150, 88, 34);
    c.eyes.line = rgb(40, 28, 32);
    c.eyes.slant = child ? 0.3 : 0.8;
    c.brows = {rgb(44, 34, 42), 1.9, 4.2, 1};
    const Face& f = c.face;
    s.face = f;
    if (child)
        backdrop(s, rgb(170, 140, 100), rgb(90, 66, 44), rgb(255, 240, 200), Pattern::Bokeh, 131,
                 m);
    else
        backdrop(s, rgb(40, 120, 60), rgb(6, 30, 16), rgb(130, 255, 140), Pattern::Streaks, 101, m);
    const HairColours hair{rgb(56, 44, 54), rgb(130, 112, 132), rgb(22, 16, 24)};
    s.b.poly(
        spikes({f.cx, f.eyeY - 12}, -210, 30, 10, 20, child ? 29 : 33, 10, child ? 1310 : 1010),
        hairPaint(s.b, f.topY - 8, f.eyeY, hair));
    neck(s, c);
    if (child) {
        const double ny = 84;
        clippedTo(s.b, torso(f, ny, 0.8), [&](const Brush& b) {
            b.poly({{0, ny - 2}, {100, ny - 2}, {100, 110}, {0, 110}},
                   b.vgrad(ny, rgb(250, 250, 250), 100, rgb(200, 200, 200)));
            for (double y = ny + 4; y < 106; y += 5)
                b.poly({{0, y}, {100, y}, {100, y + 2.2}, {0, y + 2.2}}, rgb(40, 150, 70));
        });
    } else {
        riderJacket(s, rgb(40, 150, 70), rgb(245, 245, 235), rgb(245, 245, 240));
    }
    faceBase(s, c, m);
    features(s, c, m);
    // The top of the head, the bangs over the band, and the band itself.
    const double bandY = f.topY + (child ? 8 : 10);
    const std::vector<Point> cap = hairCap(f, 2, bandY + 1, bandY + 4);
    std::vector<std::vector<Point>> bangs;
    const double tipY = bandY + 10;
    for (int i = 0; i < 5; ++i) {
        const double x = f.cx - 12 + i * 6.2;
        bangs.push_back(lock({x + 2, bandY - 4},
                             {x - 2.5 + (i % 2) * 1.5, tipY - (i % 2) * 2.5 + (i == 2 ? 1.5 : 0)},
                             5.2, -1.2));
    }
    hairShadow(s, c, bangs);
    s.b.poly(cap, hairPaint(s.b, f.topY - 4, bandY + 4, hair));
    // The bangs come out from under the band (the boy has no band).
    for (const auto& l : bangs)
        s.b.poly(l, hairPaint(s.b, bandY - 4, tipY, hair));
    if (!child) {
        // The red headband of the pizza shop, knotted at the right.
        std::vector<Point> band = quad({f.cx - f.halfW - 2.5, bandY + 5}, {f.cx, bandY - 5.5},
                                       {f.cx + f.halfW + 2.5, bandY + 5}, 16);
        const std::vector<Point> lower =
            quad({f.cx + f.halfW + 2.5, bandY + 10}, {f.cx, bandY + 0.5},
                 {f.cx - f.halfW - 2.5, bandY + 10}, 16);
        band.insert(band.end(), lower.begin(), lower.end());
        s.b.poly(band, s.b.vgrad(bandY - 2, rgb(255, 80, 70), bandY + 8, rgb(170, 20, 24)));
        s.b.faded(0.6).stroke(
            quad({f.cx - 14, bandY + 1.8}, {f.cx, bandY - 2.6}, {f.cx + 14, bandY + 1.8}),
            swell(0.6), rgb(255, 190, 180));
        // The shop's pizza slice on the front.
        const Point e{f.cx, bandY + 1.2};
        s.b.poly({{e.x - 2.6, e.y - 1.6}, {e.x + 2.6, e.y - 1.6}, {e.x, e.y + 2.6}},
                 rgb(255, 210, 60));
        s.b.line({e.x - 2.6, e.y - 1.6}, {e.x + 2.6, e.y - 1.6}, 0.9, rgb(210, 130, 50));
        s.b.circle({e.x - 0.7, e.y - 0.3}, 0.55, rgb(220, 40, 30));
        s.b.circle({e.x + 0.8, e.y + 0.2}, 0.5, rgb(220, 40, 30));
        const Point knot{f.cx + f.halfW + 2.5, bandY + 7};
        s.b.stroke(quad(knot, {knot.x + 8, knot.y + 1}, {knot.x + 14, knot.y + 9}), taper(3.2, 1.2),
                   rgb(200, 30, 30));
        s.b.stroke(quad(knot, {knot.x + 5, knot.y + 6}, {knot.x + 8, knot.y + 15}), taper(3, 1.2),
                   rgb(170, 22, 24));
        s.b.circle(knot, 2.2, rgb(220, 40, 36));
    }
    hairShine(s.b,
              {{{f.cx - 10, f.topY + 2}, {f.cx - 4, f.topY - 1}, {f.cx + 3, f.topY - 1}},
               {{f.cx + 8, f.topY + 1}, {f.cx + 13, f.topY + 4}}},
              hair);
    if (child) {
        // A plaster across the nose.
        s.b.poly(ellipsePts({f.cx + 1, f.noseY - 2.5}, 4.2, 1.5, -12, 20), rgb(240, 204, 164));
        s.b.faded(0.6).poly(ellipsePts({f.cx + 1, f.noseY - 2.5}, 1.4, 1, -12, 12),
                            rgb(214, 164, 132));
    }
    moodMarks(s, c, m);
}

// --- 篠田カズト ---

void kazuto(Sheet& s, const Mood& m) {
    Character c;
    Face& f = c.face;
    f.halfW = 18.2;
    f.chinY = 78.5;
    f.jaw = 0.5;
    c.skin = rgb(246, 214, 188);
    c.shade = rgb(216, 158, 134);
    c.blush = 0.05;
    c.eyes = {rgb(60, 110, 200), rgb(26, 28, 46), 10, 7, 1.9, false, 0.62, 1.2};
    c.brows = {rgb(30, 34, 62), 1.8, 3.6, 1.15};
    c.mouth.w = 6;
    s.face = f;
    backdrop(s, rgb(40, 60, 150), rgb(6, 10, 40), rgb(120, 170, 255), Pattern::Streaks, 102, m);
    const HairColours hair{rgb(42, 50, 92), rgb(120, 140, 210), rgb(14, 16, 36)};
    const double cx = f.cx;
    s.b.poly(smooth({{cx - 23, 62},
                     {cx - 26, 48},
                     {cx - 24, 33},
                     {cx - 14, 21},
                     {cx, 18.5},
                     {cx + 15, 21},
                     {cx + 25, 32},
                     {cx + 27, 46},
                     {cx + 24, 62},
                     {cx, 56}},
                    true, 6),
             hairPaint(s.b, 18, 70, hair));
    // Pointed locks at the nape and behind the ears.
    for (int side : {-1, 1})
        for (int i = 0; i < 3; ++i)
            s.b.poly(lock({cx + side * (17 + i * 2.5), 50 + i * 4.0},
                          {cx + side * (25 + i * 1.5), 66 + i * 5.0}, 6, side * 1.8),
                     hairPaint(s.b, 50, 80, hair));
    neck(s, c);
    // A dark riding jacket closed up to a stand collar with blue piping.
    const double ny = 82;
    s.b.poly(torso(f, ny), s.b.vgrad(ny, rgb(50, 56, 90), 100, rgb(14, 16, 30)));
    const std::vector<Point> collar{{cx - f.neckW - 1.5, ny - 8},
                                    {cx + f.neckW + 1.5, ny - 8},
                                    {cx + f.neckW + 4.5, ny + 3},
                                    {cx + 1, ny + 5},
                                    {cx - f.neckW - 4.5, ny + 3}};
    s.b.poly(collar, s.b.vgrad(ny - 8, rgb(60, 68, 110), ny + 4, rgb(26, 30, 54)));
    s.b.stroke(
        {{cx - f.neckW - 1.5, ny - 8}, {cx + f.neckW + 1.5, ny - 8}}, [](double) { return 0.8; },
        rgb(100, 150, 255));
    s.b.line({cx + 1, ny + 5}, {cx + 1, 101}, 0.7, rgb(170, 180, 200));
    for (int side : {-1, 1})
        s.b.stroke(
            quad({cx + side * 9, ny + 3}, {cx + side * 24, ny + 5}, {cx + side * 38, ny + 15}),
            swell(1.2), rgb(80, 130, 255));
    faceBase(s, c, m);
    features(s, c, m);
    // The long fringe sweeps from the right across the left eye.
    const std::vector<Point> cap = hairCap(f, 2, f.topY + 8, f.eyeY - 6);
    const std::vector<std::vector<Point>> fringe{
        lock({cx + 14, f.topY + 3}, {cx - 15, f.eyeY + 5}, 10, -3.5),
        lock({cx + 10, f.topY + 3}, {cx - 3, f.eyeY - 4}, 7, -2),
        lock({cx + 19, f.topY + 6}, {cx + 7, f.eyeY - 7}, 6, -1.5),
        lock({cx - 4, f.topY + 3}, {cx - 20, f.eyeY - 1}, 6.5, 2),
        lock({cx - 19, f.eyeY - 12}, {cx - 21, f.eyeY + 17}, 5.5, 1),
        lock({cx + 20, f.eyeY - 12}, {cx + 20.5, f.eyeY + 14}, 5, -1),
    };
    hairShadow(s, c, fringe);
    s.b.poly(cap, hairPaint(s.b, f.topY - 4, f.eyeY - 6, hair));
    for (const auto& l : fringe)
        s.b.poly(l, hairPaint(s.b, f.topY, f.eyeY + 6, hair));
    hairShine(s.b,
              {{{cx + 15, f.topY + 3}, {cx + 6, f.topY + 8}, {cx - 3, f.topY + 15}},
               {{cx - 8, f.topY}, {cx + 6, f.topY - 1.5}}},
              hair, 1.3);
    moodMarks(s, c, m);
}

// --- 白州ミキ ---

void miki(Sheet& s, const Mood& m) {
    Character c;
    Face& f = c.face;
    f.halfW = 18;
    f.chinY = 76.5;
    f.jaw = 0.3;
    f.mouthY = 68;
    c.skin = rgb(252, 224, 198);
    c.shade = rgb(234, 172, 146);
    c.eyes = {rgb(230, 146, 26), rgb(60, 30, 20), 10.6, 9.6, 1.1, true, 0.68, 1.1};
    c.brows = {rgb(120, 60, 28), 1.2, 4.2, 1};
    c.mouth = {rgb(180, 70, 70), 6.2, rgb(236, 90, 100)};
    c.blush = 0.18;
    s.face = f;
    backdrop(s, rgb(200, 120, 20), rgb(50, 20, 6), rgb(255, 210, 90), Pattern::Sparkle, 103, m);
    const HairColours hair{rgb(190, 108, 44), rgb(252, 196, 120), rgb(110, 52, 22)};
    const double cx = f.cx, top = f.topY, ey = f.eyeY;
    // The ponytail swings out to the right behind the head.
    const std::vector<Point> tail = smooth({{cx + 10, top + 4},
                                            {cx + 26, top - 3},
                                            {cx + 37, top + 9},
                                            {cx + 41, ey + 8},
                                            {cx + 37, ey + 26},
                                            {cx + 31, ey + 33},
                                            {cx + 31, ey + 16},
                                            {cx + 26, ey + 2},
                                            {cx + 18, top + 12}},
                                           true, 6);
    s.b.poly(tail, s.b.hgrad(cx + 10, hair.base, cx + 41, hair.dark));
    hairShine(s.b,
              {{{cx + 24, top + 2}, {cx + 34, top + 12}, {cx + 36, ey + 10}},
               {{cx + 30, ey}, {cx + 33, ey + 20}}},
              hair);
    s.b.poly(smooth({{cx - 23, ey + 10},
                     {cx - 25, ey - 8},
                     {cx - 18, top + 1},
                     {cx, top - 3},
                     {cx + 18, top + 1},
                     {cx + 25, ey - 8},
                     {cx + 23, ey + 10},
                     {cx, ey}},
                    true, 6),
             hairPaint(s.b, top, ey + 10, hair));
    neck(s, c);
    riderJacket(s, rgb(246, 246, 250), rgb(220, 30, 40), rgb(30, 28, 34));
    for (int side : {-1, 1})
        s.b.stroke(
            {{cx + side * (f.neckW + 0.5), 78}, {cx + side * (f.neckW + 5.5), 81}},
            [](double) { return 0.9; }, rgb(255, 190, 20));
    faceBase(s, c, m);
    features(s, c, m);
    // Bangs swept from a parting on the left.
    const std::vector<Point> cap = hairCap(f, 2.2, top + 7, ey - 7);
    const std::vector<std::vector<Point>> bangs{
        lock({cx - 6, top + 2}, {cx + 17, ey - 5}, 8.5, -3),
        lock({cx - 8, top + 3}, {cx + 5, ey - 3}, 7.5, -2),
        lock({cx - 9, top + 4}, {cx - 8, ey - 4}, 6, 1),
        lock({cx - 12, top + 5}, {cx - 19, ey - 2}, 6, 2),
        lock({cx - 19, ey - 11}, {cx - 20.5, ey + 15}, 4.8, 1.5),
        lock({cx + 19, ey - 11}, {cx + 20.5, ey + 11}, 4.2, -1.5),
    };
    hairShadow(s, c, bangs);
    s.b.poly(cap, hairPaint(s.b, top - 4, ey - 7, hair));
    for (const auto& l : bangs)
        s.b.poly(l, hairPaint(s.b, top, ey + 4, hair));
    hairShine(s.b, {{{cx - 8, top + 1}, {cx + 2, top + 2}, {cx + 12, top + 8}}}, hair);
    // The hair tie at the root of the ponytail.
    s.b.poly(ellipsePts({cx + 17, top + 3}, 2.2, 3.6, 30, 20), rgb(255, 196, 0));
    s.b.faded(0.7).poly(ellipsePts({cx + 16.6, top + 2.2}, 0.8, 1.6, 30, 12), rgb(255, 240, 160));
    moodMarks(s, c, m);
}

// --- 高見ヨウスケ ---

void yosuke(Sheet& s, const Mood& m) {
    Character c;
    Face& f = c.face;
    f.halfW = 18.2;
    f.chinY = 78.5;
    f.jaw = 0.45;
    f.noseY = 62;
    f.mouthY = 69;
    c.skin = rgb(240, 204, 176);
    c.shade = rgb(210, 150, 122);
    c.eyes = {rgb(150, 80, 170), rgb(30, 20, 34), 9.6, 6.8, 1.8, false, 0.62, 1.2};
    c.brows = {rgb(40, 24, 50), 1.2, 3.6, 1.15};
    c.mouth.w = 7;
    s.face = f;
    backdrop(s, rgb(110, 30, 140), rgb(20, 6, 34), rgb(220, 120, 255), Pattern::Bokeh, 104, m);
    const HairColours hair{rgb(64, 36, 80), rgb(160, 110, 190), rgb(24, 12, 30)};
    const double cx = f.cx, top = f.topY, ey = f.eyeY;
    // Slicked back, with tufts sticking out behind the ears.
    for (int side : {-1, 1})
        for (int i = 0; i < 3; ++i)
            s.b.poly(lock({cx + side * 17, top + 10 + i * 6.0},
                          {cx + side * (29 - i), top + 4 + i * 9.0}, 6, side * -1.5),
                     hair.dark);
    s.b.poly(smooth({{cx - 22, ey - 2},
                     {cx - 24, top + 4},
                     {cx - 12, top - 5},
                     {cx + 4, top - 7},
                     {cx + 18, top - 3},
                     {cx + 24, top + 6},
                     {cx + 22, ey - 2},
                     {cx, ey - 10}},
                    true, 6),
             hairPaint(s.b, top - 6, ey, hair));
    neck(s, c);
    riderJacket(s, rgb(40, 36, 44), rgb(240, 190, 40), rgb(150, 60, 170));
    chain(s.b, f, 79, 4, rgb(250, 210, 80));
    faceBase(s, c, m);
    features(s, c, m);
    // Goatee and a thin moustache.
    s.b.poly(smooth({{cx - 1.2, f.mouthY + 2.6},
                     {cx + 1.2, f.mouthY + 2.6},
                     {cx + 0.8, f.mouthY + 4.5},
                     {cx - 0.8, f.mouthY + 4.5}},
                    true, 3),
             hair.base);
    s.b.poly(smooth({{cx - 3.6, f.chinY - 3.5},
                     {cx, f.chinY - 2},
                     {cx + 3.6, f.chinY - 3.5},
                     {cx + 1.5, f.chinY + 1.5},
                     {cx, f.chinY + 3.5},
                     {cx - 1.5, f.chinY + 1.5}},
                    true, 5),
             s.b.vgrad(f.chinY - 4, hair.base, f.chinY + 3.5, hair.dark));
    for (int side : {-1, 1})
        s.b.stroke(quad({cx + side * 0.8, f.mouthY - 2.8}, {cx + side * 3.5, f.mouthY - 3},
                        {cx + side * 5.5, f.mouthY - 1.2}),
                   taper(1.0, 0.2), hair.dark);
    // The front of the hair combed back, a couple of strands let fall.
    const std::vector<Point> cap = hairCap(f, 2.5, top + 6, ey - 8);
    const std::vector<std::vector<Point>> strands{
        lock({cx + 2, top + 3}, {cx - 4, ey - 7}, 2.8, 2.5),
        lock({cx + 5, top + 3}, {cx + 2, ey - 10}, 2.2, 1.5)};
    hairShadow(s, c, {cap}, 1.2);
    s.b.poly(cap, hairPaint(s.b, top - 4, ey - 8, hair));
    for (double dx = -12; dx <= 12; dx += 6)
        s.b.faded(0.5).stroke(
            quad({cx + dx * 0.8, top + 7}, {cx + dx, top}, {cx + dx * 1.3, top - 2}), swell(0.8),
            hair.light);
    for (const auto& l : strands)
        s.b.poly(l, hair.base);
    // A gold ring in the left ear.
    s.b.ring({cx - f.halfW - 1, ey + 9}, 1.1, 1.7, rgb(250, 210, 80));
    moodMarks(s, c, m);
}

// Wraparound or narrow sunglasses over both eyes.
void sunglasses(Sheet& s, bool narrow, std::uint32_t tint, std::uint32_t frame) {
    const Face& f = s.face;
    const double cx = f.cx, ey = f.eyeY;
    std::vector<std::vector<Point>> lenses;
    for (int side : {-1, 1}) {
        std::vector<Point> l;
        if (narrow)
            l = {{cx + side * 2.5, ey - 3},
                 {cx + side * 16.5, ey - 3.6},
                 {cx + side * 16, ey + 2},
                 {cx + side * 3, ey + 2.4}};
        else
            l = smooth({{cx + side * 2.5, ey - 4.5},
                        {cx + side * 21, ey - 4.5},
                        {cx + side * 20.5, ey + 1},
                        {cx + side * 16, ey + 4.8},
                        {cx + side * 7, ey + 5},
                        {cx + side * 3, ey + 1.5}},
                       true, 4);
        lenses.push_back(l);
    }
    for (int side : {-1, 1})
        s.b.line({cx + side * (narrow ? 16.5 : 21), ey - 3}, {cx + side * (f.halfW + 1), ey - 1},
                 1.1, frame);
    for (const auto& l : lenses) {
        std::vector<Point> rim = l;
        s.b.poly(ribbon(smooth(rim, true, 1), [](double) { return 1.4; }), frame);
        s.b.poly(l, s.b.vgrad(ey - 4, darker(tint, 0.5), ey + 5, tint));
        clippedTo(s.b, l, [&](const Brush& b) {
            b.faded(0.5).poly(
                {{cx - 30, ey + 2}, {cx - 24, ey - 8}, {cx - 20, ey - 8}, {cx - 26, ey + 2}},
                kWhite);
            b.faded(0.5).poly(
                {{cx + 4, ey + 4}, {cx + 12, ey - 8}, {cx + 14.5, ey - 8}, {cx + 6.5, ey + 4}},
                kWhite);
            b.faded(0.3).poly(
                {{cx + 8, ey + 5}, {cx + 16, ey - 7}, {cx + 17, ey - 7}, {cx + 9, ey + 5}}, kWhite);
        });
    }
    s.b.stroke(
        quad({cx - 3, ey - 3}, {cx, ey - 4.2}, {cx + 3, ey - 3}), [](double) { return 1.3; },
        frame);
}

// --- 借金取りＡ (相澤): big, bald, sunglasses ---

void tracerA(Sheet& s, const Mood& m) {
    Character c;
    Face& f = c.face;
    f.topY = 23;
    f.halfW = 22;
    f.chinY = 80;
    f.jaw = 0.95;
    f.neckW = 10;
    f.noseY = 62;
    f.mouthY = 70.5;
    c.skin = rgb(222, 170, 128);
    c.shade = rgb(182, 124, 90);
    c.hideEyes = true;
    c.brows = {rgb(50, 36, 30), 2.6, 5.6, 1.1};
    c.mouth = {rgb(110, 50, 40), 8.5, 0};
    s.face = f;
    backdrop(s, rgb(110, 24, 24), rgb(20, 6, 6), rgb(255, 90, 70), Pattern::Stripes, 106, m);
    neck(s, c);
    suit(s, rgb(30, 30, 36), rgb(200, 36, 36), 1.25, 15);
    chain(s.b, f, 80, 5, rgb(250, 210, 80));
    faceBase(s, c, m);
    // A bald, shining head with stubble on the jaw and a scar.
    s.onFace([&](const Brush& b) {
        b.faded(0.45).glow({f.cx + 6, f.topY + 7}, 9, 5, kWhite, 1);
        b.faded(0.3).glow({f.cx, f.chinY - 4}, 17, 8, rgb(90, 70, 60), 1);
        b.faded(0.2).glow({f.cx - 18, f.eyeY - 12}, 6, 10, c.shade, 1);
    });
    s.b.stroke(quad({f.cx - 13, f.topY + 7}, {f.cx - 9, f.topY + 11}, {f.cx - 7, f.topY + 17}),
               swell(0.9), darker(c.shade, 0.2));
    for (int i = 0; i < 3; ++i)
        s.b.line({f.cx - 12.5 + i * 2.2, f.topY + 9 + i * 2.5},
                 {f.cx - 9.5 + i * 2.2, f.topY + 8 + i * 2.5}, 0.4, darker(c.shade, 0.25));
    features(s, c, m);
    sunglasses(s, false, rgb(50, 50, 70), rgb(14, 14, 18));
    moodMarks(s, c, m);
}

// --- 借金取りＢ (ブンジ): thin, slicked hair, narrow shades ---

void tracerB(Sheet& s, const Mood& m) {
    Character c;
    Face& f = c.face;
    f.halfW = 16.5;
    f.chinY = 80;
    f.jaw = 0.1;
    f.neckW = 5.5;
    f.noseY = 62.5;
    f.mouthY = 71;
    c.skin = rgb(236, 208, 178);
    c.shade = rgb(198, 158, 128);
    c.hideEyes = true;
    c.brows = {rgb(20, 20, 24), 1.1, 5.2, 1.1};
    c.mouth = {rgb(120, 60, 56), 7.5, 0};
    s.face = f;
    backdrop(s, rgb(20, 90, 90), rgb(4, 20, 22), rgb(90, 230, 210), Pattern::Stripes, 107, m);
    neck(s, c);
    suit(s, rgb(124, 112, 146), rgb(30, 30, 36), 0.85, 17);
    tie(s.b, f, rgb(246, 206, 40), rgb(180, 60, 30));
    faceBase(s, c, m);
    s.onFace([&](const Brush& b) {
        for (int side : {-1, 1})
            b.faded(0.5).stroke(quad({f.cx + side * 12, f.eyeY + 7},
                                     {f.cx + side * 12.5, f.eyeY + 11},
                                     {f.cx + side * 10, f.eyeY + 15}),
                                swell(1.2), c.shade);
    });
    features(s, c, m);
    sunglasses(s, true, rgb(110, 50, 130), rgb(210, 170, 60));
    const HairColours hair{rgb(32, 32, 42), rgb(150, 160, 200), rgb(8, 8, 12)};
    const double cx = f.cx, top = f.topY, ey = f.eyeY;
    const std::vector<Point> slick = smooth({{cx - 17.5, ey - 7},
                                             {cx - 19, top + 6},
                                             {cx - 12, top - 5},
                                             {cx - 1, top - 9},
                                             {cx + 11, top - 6},
                                             {cx + 19, top + 4},
                                             {cx + 17.5, ey - 7},
                                             {cx + 10, top + 10},
                                             {cx, top + 8},
                                             {cx - 10, top + 10}},
                                            true, 6);
    hairShadow(s, c, {slick}, 1.2);
    s.b.poly(slick, hairPaint(s.b, top - 8, ey - 6, hair));
    for (double dx = -10; dx <= 12; dx += 4.4)
        s.b.faded(0.6).stroke(
            quad({cx + dx * 0.6 - 4, top - 3}, {cx + dx, top + 1}, {cx + dx * 1.5, top + 6}),
            swell(0.7), hair.light);
    s.b.poly(lock({cx + 3, top + 4}, {cx + 8, ey - 10}, 1.6, -2.5), hair.base);
    moodMarks(s, c, m);
}

// --- ロブ ハーレイ: an old biker, bandana and beard ---

void rob(Sheet& s, const Mood& m) {
    Character c;
    Face& f = c.face;
    f.halfW = 19.5;
    f.chinY = 78;
    f.jaw = 0.8;
    f.mouthY = 69.5;
    c.skin = rgb(236, 186, 152);
    c.shade = rgb(200, 136, 108);
    c.eyes = {rgb(80, 144, 214), rgb(60, 40, 36), 9.6, 7, 0.2, false, 0.62, 1};
    c.brows = {rgb(176, 174, 170), 2.3, 3.6, 1.15};
    c.mouth = {rgb(120, 60, 50), 7, 0};
    s.face = f;
    backdrop(s, rgb(110, 120, 136), rgb(20, 24, 32), rgb(220, 230, 240), Pattern::Streaks, 108, m);
    const HairColours hair{rgb(176, 176, 182), rgb(240, 240, 245), rgb(100, 100, 110)};
    const double cx = f.cx, top = f.topY, ey = f.eyeY;
    s.b.poly(smooth({{cx - 23, ey - 8},
                     {cx - 27, ey + 12},
                     {cx - 29, 94},
                     {cx - 18, 96},
                     {cx + 18, 96},
                     {cx + 29, 94},
                     {cx + 27, ey + 12},
                     {cx + 23, ey - 8},
                     {cx, top}},
                    true, 6),
             hairPaint(s.b, top, 96, hair));
    neck(s, c);
    suit(s, rgb(38, 36, 40), rgb(120, 120, 126), 1.1, 13);
    for (int side : {-1, 1})
        for (int i = 0; i < 3; ++i)
            s.b.circle({cx + side * (12 + i * 2.0), 85 + i * 2.4}, 0.6, rgb(220, 220, 230));
    faceBase(s, c, m);
    ageLines(s, c, 0.6);
    // The beard round the jaw, the mouth inside it, the moustache over it.
    const std::vector<Point> beard = smooth({{cx - f.halfW - 0.5, ey + 1},
                                             {cx - f.halfW + 1, ey + 12},
                                             {cx - 12, f.chinY + 2},
                                             {cx, f.chinY + 8},
                                             {cx + 12, f.chinY + 2},
                                             {cx + f.halfW - 1, ey + 12},
                                             {cx + f.halfW + 0.5, ey + 1},
                                             {cx + f.halfW - 3, ey + 3},
                                             {cx + 10, ey + 10},
                                             {cx + 6.5, f.mouthY + 3.5},
                                             {cx, f.mouthY + 4.5},
                                             {cx - 6.5, f.mouthY + 3.5},
                                             {cx - 10, ey + 10},
                                             {cx - f.halfW + 3, ey + 3}},
                                            true, 5);
    s.b.poly(beard, s.b.vgrad(ey, hair.base, f.chinY + 8, hair.dark));
    draw::Rng rng(1080);
    clippedTo(s.b, beard, [&](const Brush& b) {
        for (int i = 0; i < 60; ++i) {
            const Point p{rng.real(cx - 22, cx + 22), rng.real(ey, f.chinY + 8)};
            b.faded(0.5).line(p, {p.x + rng.real(-0.6, 0.6), p.y + 2.5}, 0.4,
                              i % 2 ? hair.light : hair.dark);
        }
    });
    features(s, c, m);
    const std::vector<Point> stache = smooth({{cx, f.mouthY - 4},
                                              {cx + 5, f.mouthY - 3.5},
                                              {cx + 8, f.mouthY - 0.5},
                                              {cx + 8.5, f.mouthY + 4},
                                              {cx + 6.5, f.mouthY + 1},
                                              {cx + 3, f.mouthY - 1.2},
                                              {cx, f.mouthY - 1.8},
                                              {cx - 3, f.mouthY - 1.2},
                                              {cx - 6.5, f.mouthY + 1},
                                              {cx - 8.5, f.mouthY + 4},
                                              {cx - 8, f.mouthY - 0.5},
                                              {cx - 5, f.mouthY - 3.5}},
                                             true, 4);
    s.b.poly(stache, s.b.vgrad(f.mouthY - 4, hair.light, f.mouthY + 4, hair.base));
    // A black bandana with white dots over the head, knotted at the back.
    const std::vector<Point> band = hairCap(f, 2.6, top + 11, ey - 6);
    hairShadow(s, c, {band}, 1.5);
    for (int side : {-1, 1})
        s.b.poly(lock({cx + side * 19, ey - 8}, {cx + side * 24, ey + 14}, 5, side * 2), hair.base);
    s.b.poly(band, s.b.vgrad(top - 4, rgb(60, 60, 70), ey - 6, rgb(20, 20, 26)));
    clippedTo(s.b, band, [&](const Brush& b) {
        for (double y = top - 2; y < ey - 4; y += 6.5)
            for (double x = cx - 24 + std::fmod(y * 1.7, 9.0); x < cx + 24; x += 9) {
                b.poly(ellipsePts({x, y}, 2, 1.1, 35, 14), rgb(200, 200, 210));
                b.poly(ellipsePts({x, y}, 1.1, 0.5, 35, 10), rgb(40, 40, 48));
                b.circle({x + 3.5, y + 2.5}, 0.55, rgb(220, 220, 228));
            }
    });
    s.b.poly(lock({cx + 20, top + 14}, {cx + 30, top + 26}, 4, -2), rgb(30, 30, 36));
    s.b.poly(lock({cx + 20, top + 14}, {cx + 27, top + 30}, 3.5, 1.5), rgb(44, 44, 52));
    moodMarks(s, c, m);
}

// --- フィリップ北崎: silver hair, white suit ---

void philip(Sheet& s, const Mood& m) {
    Character c;
    Face& f = c.face;
    f.halfW = 17.8;
    f.chinY = 78;
    f.jaw = 0.25;
    c.skin = rgb(248, 228, 216);
    c.shade = rgb(214, 170, 164);
    c.eyes = {rgb(214, 50, 110), rgb(40, 20, 34), 10, 7, 2.2, false, 0.6, 1.15};
    c.brows = {rgb(170, 176, 198), 1.2, 4.4, 1.2};
    c.mouth = {rgb(150, 70, 80), 6.5, 0};
    s.face = f;
    backdrop(s, rgb(120, 20, 90), rgb(24, 4, 26), rgb(255, 140, 210), Pattern::Sparkle, 109, m);
    const HairColours hair{rgb(200, 204, 222), rgb(255, 255, 255), rgb(110, 116, 146)};
    const double cx = f.cx, top = f.topY, ey = f.eyeY;
    s.b.poly(smooth({{cx - 23, ey + 6},
                     {cx - 26, ey - 10},
                     {cx - 20, top - 3},
                     {cx, top - 7},
                     {cx + 20, top - 3},
                     {cx + 26, ey - 10},
                     {cx + 25, ey + 6},
                     {cx + 28, ey + 16},
                     {cx + 19, ey + 3},
                     {cx, ey - 4},
                     {cx - 19, ey + 3},
                     {cx - 28, ey + 16}},
                    true, 6),
             hairPaint(s.b, top - 6, ey + 16, hair));
    neck(s, c);
    suit(s, rgb(246, 242, 248), rgb(255, 150, 190), 1.0, 17);
    // A cravat with a jewel, and a rose in the lapel.
    const double ny = 82;
    s.b.poly(smooth({{cx - 4, ny - 1},
                     {cx + 4, ny - 1},
                     {cx + 3, ny + 4},
                     {cx + 4.5, ny + 10},
                     {cx, ny + 12},
                     {cx - 4.5, ny + 10},
                     {cx - 3, ny + 4}},
                    true, 4),
             s.b.vgrad(ny, rgb(120, 30, 90), ny + 12, rgb(50, 10, 40)));
    s.b.circle({cx, ny + 3}, 1.3, rgb(120, 240, 255));
    s.b.circle({cx - 0.4, ny + 2.6}, 0.45, kWhite);
    const Point rose{cx + 16, ny + 9};
    s.b.poly(ellipsePts({rose.x + 2.5, rose.y + 2.5}, 2.5, 1, 40, 14), rgb(40, 140, 60));
    s.b.circle(rose, 2.8, rgb(220, 30, 80));
    s.b.stroke(quad({rose.x - 1.6, rose.y}, {rose.x, rose.y - 2}, {rose.x + 1.6, rose.y + 0.3}),
               swell(0.5), rgb(120, 0, 40));
    s.b.stroke(quad({rose.x - 0.8, rose.y + 1.2}, {rose.x + 0.8, rose.y + 1.5},
                    {rose.x + 1, rose.y - 0.6}),
               swell(0.4), rgb(120, 0, 40));
    faceBase(s, c, m);
    features(s, c, m);
    const std::vector<Point> cap = hairCap(f, 2.4, top + 7, ey - 7);
    const std::vector<Point> curl = lock({cx - 3, top + 3}, {cx + 6, ey - 4}, 3.6, 3.2);
    hairShadow(s, c, {cap, curl}, 1.3);
    s.b.poly(cap, hairPaint(s.b, top - 5, ey - 7, hair));
    for (double dx = -14; dx <= 14; dx += 4.5)
        s.b.faded(0.55).stroke(
            quad({cx + dx * 0.7, top + 7}, {cx + dx, top + 1}, {cx + dx * 1.35, top - 3}),
            swell(0.8), hair.dark);
    s.b.poly(curl, hairPaint(s.b, top, ey - 4, hair));
    hairShine(s.b, {{{cx - 12, top + 1}, {cx - 2, top - 3}, {cx + 10, top - 1}}}, hair, 1.6);
    moodMarks(s, c, m);
}

// --- ピザジンゴマン ---

// The red suit with its yellow scarf and the pizza emblem on the chest.
void heroSuit(Sheet& s) {
    const Face& f = s.face;
    const double cx = f.cx, ny = 82;
    s.b.poly(torso(f, ny, 1.05), s.b.vgrad(ny, rgb(240, 50, 40), 100, rgb(110, 8, 12)));
    for (int side : {-1, 1})
        s.b.stroke(
            quad({cx + side * 10, ny + 2}, {cx + side * 26, ny + 4}, {cx + side * 42, ny + 15}),
            swell(1.8), rgb(255, 210, 40));
    // The emblem: a white disc with a slice.
    const Point e{cx, ny + 13};
    s.b.circle(e, 5.5, rgb(255, 210, 40));
    s.b.circle(e, 4.6, kWhite);
    s.b.poly({{e.x - 3, e.y - 2.2}, {e.x + 3, e.y - 2.2}, {e.x, e.y + 3.4}}, rgb(255, 200, 50));
    s.b.line({e.x - 3, e.y - 2.2}, {e.x + 3, e.y - 2.2}, 1, rgb(200, 120, 40));
    s.b.circle({e.x - 0.8, e.y - 0.6}, 0.7, rgb(220, 40, 30));
    s.b.circle({e.x + 0.9, e.y + 0.4}, 0.6, rgb(220, 40, 30));
    // The scarf wound about the neck, one end flying out to the right.
    s.b.poly(lock({cx + 8, ny - 2}, {cx + 38, ny - 14}, 7, -4, 0.7),
             s.b.hgrad(cx + 8, rgb(255, 200, 30), cx + 38, rgb(230, 130, 10)));
    s.b.poly(smooth({{cx - f.neckW - 3, ny - 6},
                     {cx, ny - 4},
                     {cx + f.neckW + 3, ny - 6},
                     {cx + f.neckW + 4, ny + 1},
                     {cx, ny + 3},
                     {cx - f.neckW - 4, ny + 1}},
                    true, 4),
             s.b.vgrad(ny - 6, rgb(255, 220, 60), ny + 3, rgb(220, 140, 10)));
}

// The helmet: red, a black visor with shining eyes, a slice of pizza on the brow
// and melted cheese along the visor.
void pizzaHelmet(const Brush& b, bool cracked) {
    const std::vector<Point> shell = smooth({{50, 19},
                                             {68, 24},
                                             {76, 40},
                                             {76, 56},
                                             {71, 70},
                                             {62, 79},
                                             {50, 81},
                                             {38, 79},
                                             {29, 70},
                                             {24, 56},
                                             {24, 40},
                                             {32, 24}},
                                            true, 6);
    b.poly(ribbon(smooth({{50, 19},
                          {68, 24},
                          {76, 40},
                          {76, 56},
                          {71, 70},
                          {62, 79},
                          {50, 81},
                          {38, 79},
                          {29, 70},
                          {24, 56},
                          {24, 40},
                          {32, 24},
                          {50, 19}},
                         false, 6),
                  [](double) { return 1.4; }),
           rgb(70, 6, 10));
    b.poly(shell, b.vgrad(19, rgb(255, 90, 70), 81, rgb(150, 10, 16)));
    b.faded(0.35).stroke(quad({31, 36}, {36, 24}, {50, 21.5}), swell(3), kWhite);
    const std::vector<Point> visor = smooth({{27, 47},
                                             {39, 43.5},
                                             {50, 47.5},
                                             {61, 43.5},
                                             {73, 47},
                                             {72, 57},
                                             {62, 63},
                                             {50, 64.5},
                                             {38, 63},
                                             {28, 57}},
                                            true, 5);
    b.poly(visor, b.vgrad(43, rgb(20, 16, 40), 65, rgb(70, 40, 100)));
    clippedTo(b, visor, [&](const Brush& l) {
        l.faded(0.35).poly({{26, 60}, {38, 42}, {43, 42}, {31, 60}}, rgb(255, 160, 220));
        l.faded(0.25).poly({{58, 66}, {70, 44}, {72, 44}, {60, 66}}, kWhite);
    });
    // The eyes shining through the visor.
    for (int side : {-1, 1}) {
        const std::vector<Point> e{{50.0 + side * 3.5, 53.5},
                                   {50.0 + side * 16, 49.5},
                                   {50.0 + side * 15, 53.5},
                                   {50.0 + side * 5, 56}};
        b.glow({50.0 + side * 10, 53}, 8, 5, rgb(255, 230, 120), 0.7);
        b.poly(e, rgb(255, 250, 220));
    }
    // Melted cheese along the top of the visor, with drips.
    b.stroke(
        smooth({{26, 46}, {39, 42.3}, {50, 46.3}, {61, 42.3}, {74, 46}}, false, 5),
        [](double) { return 2.2; }, rgb(255, 206, 50));
    for (double x : {33.0, 44.0, 57.0, 67.0})
        b.poly(
            smooth({{x - 1.2, 44.5}, {x + 1.2, 44.5}, {x + 0.9, 48.5}, {x, 49.8}, {x - 0.9, 48.5}},
                   true, 3),
            rgb(255, 206, 50));
    // The slice on the brow.
    const std::vector<Point> slice{{42, 28}, {58, 28}, {50, 41}};
    b.poly(slice, b.vgrad(28, rgb(255, 226, 90), 41, rgb(255, 170, 30)));
    b.stroke(
        {{41.5, 28}, {58.5, 28}}, [](double) { return 2.6; }, rgb(214, 140, 60));
    for (const Point& p : {Point{46.5, 31.5}, Point{53.5, 32}, Point{50, 36.5}})
        b.circle(p, 1.5, rgb(210, 40, 30));
    // Ear discs and the chin vents.
    for (int side : {-1, 1}) {
        b.circle({50.0 + side * 25.5, 54}, 4, rgb(255, 200, 40));
        b.circle({50.0 + side * 25.5, 54}, 2, rgb(200, 30, 30));
    }
    for (int i = -1; i <= 1; ++i)
        b.roundRect(48.6 + i * 4.5, 69, 2.8, 6, 1.2, rgb(90, 10, 16));
    if (cracked) {
        b.stroke({{59, 44}, {62, 49}, {60, 52}, {64, 57}, {63, 61}}, taper(0.9, 0.2),
                 rgb(240, 240, 255));
        b.stroke({{62, 49}, {67, 50}}, taper(0.6, 0.1), rgb(240, 240, 255));
    }
}

void pizzaZingoMan(Sheet& s, const Mood& m) {
    Character c;
    s.face = c.face;
    backdrop(s, rgb(210, 40, 24), rgb(60, 0, 0), rgb(255, 220, 70), Pattern::Rays, 110, m);
    heroSuit(s);
    pizzaHelmet(s.b, false);
}

// --- 天狗: a man in a tengu mask ---

void tengu(Sheet& s, const Mood& m) {
    Character c;
    Face& f = c.face;
    f.halfW = 19.5;
    f.chinY = 79;
    f.jaw = 0.6;
    c.skin = rgb(206, 40, 32);
    c.shade = rgb(130, 14, 14);
    c.blush = 0;
    s.face = f;
    backdrop(s, rgb(30, 34, 80), rgb(6, 8, 24), rgb(220, 90, 50), Pattern::Leaves, 113, m);
    s.flat.glow({80, 18}, 22, 22, rgb(255, 240, 190), 0.5);
    s.flat.circle({80, 18}, 9, rgb(255, 246, 214));
    const double cx = f.cx, ey = f.eyeY, top = f.topY;
    // Wild black hair behind the mask.
    s.b.poly(spikes({cx, ey - 6}, -215, 35, 13, 22, 33, 6, 1130),
             s.b.vgrad(10, rgb(60, 56, 64), 80, rgb(14, 12, 18)));
    Character man = c;
    man.skin = rgb(230, 190, 160);
    man.shade = rgb(196, 146, 118);
    neck(s, man);
    // The mountain monk's robe, crossed at the neck, with its pompons.
    const double ny = 82;
    s.b.poly(torso(f, ny, 1.05), s.b.vgrad(ny, rgb(240, 234, 218), 100, rgb(170, 160, 140)));
    s.b.poly({{cx - 8, ny - 2}, {cx - 3.5, ny - 2}, {cx + 9, 101}, {cx + 3, 101}}, rgb(60, 60, 84));
    s.b.poly({{cx + 8, ny - 2}, {cx + 3.5, ny - 2}, {cx - 7, 95}, {cx - 11, 93}}, rgb(84, 84, 108));
    for (int side : {-1, 1})
        for (int i = 0; i < 3; ++i) {
            const Point p{cx + side * 16, ny + 5 + i * 5.0};
            for (int k = 0; k < 8; ++k)
                s.b.circle(polar(p, k * 45, 1.6, 1.6), 1.5,
                           k % 2 ? rgb(255, 140, 40) : rgb(250, 100, 30));
            s.b.circle(p, 1.8, rgb(255, 170, 70));
        }
    faceBase(s, c, m);
    // Carved eyes, gold with black pupils, under bushy white brows.
    for (int side : {-1, 1}) {
        const double ex = cx + side * 9.5;
        const std::vector<Point> e{{ex - side * 5, ey + 1},
                                   {ex - side * 1, ey - 3.5},
                                   {ex + side * 5.5, ey - 5},
                                   {ex + side * 3, ey + 2.5},
                                   {ex - side * 2, ey + 3}};
        s.b.poly(ribbon(smooth(e, true, 3), [](double) { return 1.4; }), rgb(30, 6, 6));
        s.b.poly(smooth(e, true, 3),
                 s.b.vgrad(ey - 5, rgb(255, 236, 120), ey + 3, rgb(230, 150, 20)));
        s.b.circle({ex + side * 0.6, ey - 0.5}, 1.5, rgb(10, 6, 6));
        s.b.circle({ex + side * 0.2, ey - 1.1}, 0.45, kWhite);
        for (int k = 0; k < 6; ++k) {
            const double t = k / 5.0;
            const Point root{ex - side * 5 + side * 10 * t, ey - 6 - 2.5 * t};
            s.b.poly(
                lock(root, {root.x + side * (2.5 + 2 * t), root.y - 5 - 3 * t}, 2.6, side * -1.2),
                rgb(246, 244, 236));
        }
    }
    // Frowning creases, the grim mouth, white moustache and beard.
    s.b.faded(0.6).stroke(quad({cx - 2.5, ey - 10}, {cx, ey - 6}, {cx - 1.5, ey - 2}), swell(0.8),
                          c.shade);
    s.b.faded(0.6).stroke(quad({cx + 2.5, ey - 10}, {cx, ey - 6}, {cx + 1.5, ey - 2}), swell(0.8),
                          c.shade);
    s.b.stroke(quad({cx - 5, f.mouthY + 1.5}, {cx, f.mouthY - 1.2}, {cx + 5, f.mouthY + 1.5}),
               swell(1.2), rgb(60, 6, 6));
    for (int side : {-1, 1})
        s.b.poly(
            lock({cx + side * 1, f.mouthY - 3}, {cx + side * 10, f.mouthY + 4}, 3.2, side * 1.5),
            rgb(246, 244, 236));
    s.b.poly(smooth({{cx - 8, f.chinY - 3},
                     {cx + 8, f.chinY - 3},
                     {cx + 5, f.chinY + 8},
                     {cx, f.chinY + 13},
                     {cx - 5, f.chinY + 8}},
                    true, 4),
             s.b.vgrad(f.chinY - 3, rgb(250, 248, 240), f.chinY + 13, rgb(190, 186, 180)));
    // The long nose standing out toward the right, its shadow on the cheek.
    s.b.faded(0.45).poly({{cx - 1, ey + 2}, {cx + 16, ey + 2}, {cx + 4, f.noseY + 5}}, c.shade);
    const std::vector<Point> noseShape = smooth({{cx - 3.5, ey + 0.5},
                                                 {cx + 3, ey - 1.5},
                                                 {cx + 18, ey - 8},
                                                 {cx + 29, ey - 13},
                                                 {cx + 31.5, ey - 11},
                                                 {cx + 29.5, ey - 8.5},
                                                 {cx + 16, ey - 1},
                                                 {cx + 3.5, f.noseY + 2.5},
                                                 {cx - 3, f.noseY + 1.5}},
                                                true, 4);
    s.b.poly(ribbon(smooth({{cx - 3.5, ey + 0.5},
                            {cx + 3, ey - 1.5},
                            {cx + 18, ey - 8},
                            {cx + 29, ey - 13},
                            {cx + 31.5, ey - 11},
                            {cx + 29.5, ey - 8.5},
                            {cx + 16, ey - 1},
                            {cx + 3.5, f.noseY + 2.5},
                            {cx - 3, f.noseY + 1.5}},
                           false, 4),
                    [](double) { return 1.0; }),
             rgb(90, 6, 6));
    s.b.poly(noseShape, s.b.vgrad(ey - 12, rgb(240, 80, 60), f.noseY + 2, rgb(170, 24, 20)));
    s.b.faded(0.6).stroke(quad({cx + 2, ey - 0.5}, {cx + 15, ey - 5.5}, {cx + 29, ey - 11.5}),
                          swell(1.2), rgb(255, 170, 150));
    // The small black cap on the brow.
    s.b.poly(smooth({{cx - 6, top + 9},
                     {cx - 5, top + 1},
                     {cx, top - 1},
                     {cx + 5, top + 1},
                     {cx + 6, top + 9},
                     {cx, top + 11}},
                    true, 4),
             s.b.vgrad(top - 1, rgb(70, 70, 80), top + 11, rgb(10, 10, 14)));
    s.b.stroke(
        quad({cx - 6, top + 9}, {cx - 14, top + 10}, {cx - f.halfW, ey - 8}),
        [](double) { return 0.7; }, rgb(20, 20, 24));
    s.b.stroke(
        quad({cx + 6, top + 9}, {cx + 14, top + 10}, {cx + f.halfW, ey - 8}),
        [](double) { return 0.7; }, rgb(20, 20, 24));
}

// --- 乙木ゴンゾウ (and as he was) ---

void father(Sheet& s, const Mood& m, bool young) {
    Character c;
    Face& f = c.face;
    f.topY = 29;
    f.eyeY = 55;
    f.halfW = 20;
    f.chinY = 79.5;
    f.jaw = 0.75;
    f.noseY = 63.5;
    f.mouthY = 72;
    f.neckW = 7.5;
    c.skin = rgb(242, 198, 162);
    c.shade = rgb(206, 146, 114);
    c.eyes = {rgb(96, 62, 40), rgb(44, 30, 26), 9.5, 7.2, 0.3, false, 0.64, 1};
    const std::uint32_t hairCol = young ? rgb(60, 40, 30) : rgb(96, 90, 86);
    c.brows = {hairCol, 2.6, 3.4, 1.15};
    c.mouth = {rgb(120, 60, 50), 7, 0};
    s.face = f;
    if (young)
        backdrop(s, rgb(160, 120, 80), rgb(80, 56, 36), rgb(255, 230, 180), Pattern::Bokeh, 132, m);
    else
        backdrop(s, rgb(190, 90, 30), rgb(50, 16, 8), rgb(255, 190, 90), Pattern::Bokeh, 121, m);
    const double cx = f.cx, top = f.topY, ey = f.eyeY;
    neck(s, c);
    // The chef's coat, buttoned twice down the front, and a red neckerchief.
    const double ny = 83;
    s.b.poly(torso(f, ny, 1.1), s.b.vgrad(ny, rgb(252, 252, 250), 100, rgb(196, 196, 200)));
    s.b.poly({{cx - f.neckW - 2.5, ny - 5},
              {cx + f.neckW + 2.5, ny - 5},
              {cx + f.neckW + 3.5, ny + 2},
              {cx - f.neckW - 3.5, ny + 2}},
             s.b.vgrad(ny - 5, rgb(255, 255, 255), ny + 2, rgb(214, 214, 220)));
    for (int side : {-1, 1})
        for (int i = 0; i < 2; ++i) {
            s.b.circle({cx + side * 6.5, ny + 8 + i * 7.0}, 1.4, rgb(170, 170, 180));
            s.b.circle({cx + side * 6.5 - 0.3, ny + 7.7 + i * 7.0}, 0.9, rgb(245, 245, 250));
        }
    s.b.faded(0.5).line({cx - 10, ny + 3}, {cx - 12, 101}, 0.5, rgb(170, 170, 180));
    s.b.poly({{cx - f.neckW - 1.5, ny - 6},
              {cx + f.neckW + 1.5, ny - 6},
              {cx + 3, ny + 1},
              {cx, ny + 4},
              {cx - 3, ny + 1}},
             s.b.vgrad(ny - 6, rgb(236, 54, 44), ny + 4, rgb(160, 20, 20)));
    s.b.poly(lock({cx - 0.5, ny + 1}, {cx - 4, ny + 10}, 3.2, 1), rgb(200, 34, 30));
    s.b.poly(lock({cx + 0.5, ny + 1}, {cx + 3, ny + 9}, 3, -1), rgb(180, 26, 24));
    s.b.circle({cx, ny + 1}, 1.8, rgb(220, 44, 36));
    faceBase(s, c, m);
    if (!young) ageLines(s, c, 0.7);
    // A round nose.
    s.b.faded(0.4).circle({cx + 0.5, f.noseY - 0.5}, 2.4, c.shade);
    features(s, c, m);
    // Sideburns under the hat, and the moustache.
    for (int side : {-1, 1})
        s.b.poly(smooth({{cx + side * (f.halfW + 0.5), top + 9},
                         {cx + side * (f.halfW - 3), top + 9},
                         {cx + side * (f.halfW - 2.5), ey + 5},
                         {cx + side * (f.halfW + 0.8), ey + 6}},
                        true, 3),
                 s.b.vgrad(top + 9, hairCol, ey + 6, darker(hairCol, 0.3)));
    const double sy = f.mouthY - 2.6;
    const std::vector<Point> stache = smooth({{cx, sy - 2.8},
                                              {cx + 5, sy - 2.6},
                                              {cx + 10, sy - 0.5},
                                              {cx + 12.5, sy + 2.6},
                                              {cx + 9, sy + 1.8},
                                              {cx + 5, sy + 1.8},
                                              {cx, sy + 0.8},
                                              {cx - 5, sy + 1.8},
                                              {cx - 9, sy + 1.8},
                                              {cx - 12.5, sy + 2.6},
                                              {cx - 10, sy - 0.5},
                                              {cx - 5, sy - 2.6}},
                                             true, 4);
    s.b.poly(stache, s.b.vgrad(sy - 3, lighter(hairCol, 0.15), sy + 2.6, darker(hairCol, 0.35)));
    for (int i = -3; i <= 3; ++i)
        s.b.faded(0.5).line({cx + i * 2.6, sy - 1.6}, {cx + i * 3.2, sy + 1.2}, 0.4,
                            lighter(hairCol, 0.45));
    // The tall white hat.
    const Brush& b = s.b;
    const std::uint32_t white = rgb(252, 252, 252), grey = rgb(210, 212, 220);
    for (const Point& p : {Point{cx - 14, top - 5}, Point{cx + 14, top - 5},
                           Point{cx - 7, top - 14}, Point{cx + 7, top - 14}, Point{cx, top - 9}})
        b.circle(p, 11, b.vgrad(p.y - 11, white, p.y + 11, grey));
    for (double dx : {-9.0, 0.0, 9.0})
        b.faded(0.5).stroke(
            quad({cx + dx, top - 3}, {cx + dx * 1.2, top - 12}, {cx + dx * 0.8, top - 22}),
            swell(0.8), grey);
    const std::vector<Point> hatBand{
        {cx - 21.5, top + 1}, {cx + 21.5, top + 1}, {cx + 21, top + 11}, {cx - 21, top + 11}};
    hairShadow(s, c, {hatBand}, 1.4);
    b.poly(hatBand, b.vgrad(top + 1, white, top + 11, rgb(224, 224, 230)));
    for (double x = cx - 18; x < cx + 20; x += 4.5)
        b.faded(0.5).line({x, top + 2}, {x, top + 10}, 0.5, grey);
    moodMarks(s, c, m);
}

// --- ピザジンゴちゃん ---

// The mascot in a 100 x 100 design box: a slice of pizza with a face and arms.
void mascot(const Brush& b, int pose) {
    const bool wave = pose == 2;
    // Arms behind the slice.
    const std::uint32_t glove = rgb(255, 255, 255), arm = rgb(255, 226, 120),
                        rim = rgb(120, 50, 20);
    auto limb = [&](Point from, Point elbow, Point hand) {
        b.stroke(
            quad(from, elbow, hand), [](double) { return 6.4; }, rim);
        b.stroke(
            quad(from, elbow, hand), [](double) { return 4.6; }, arm);
        b.circle(hand, 5, rim);
        b.circle(hand, 4.1, b.vgrad(hand.y - 4, glove, hand.y + 4, rgb(210, 214, 230)));
        b.faded(0.5).line({hand.x - 1.5, hand.y - 0.5}, {hand.x + 1.5, hand.y - 0.5}, 0.6,
                          rgb(160, 160, 180));
    };
    limb({26, 50}, {14, 56}, {11, 68});
    const Point hand = wave ? Point{88, 22} : Point{89, 68};
    limb({74, 50}, wave ? Point{90, 42} : Point{86, 56}, hand);
    if (wave)
        for (int i = 0; i < 3; ++i)
            b.stroke(quad(polar(hand, -150 + i * 30, 6, 6), polar(hand, -135 + i * 30, 8, 8),
                          polar(hand, -120 + i * 30, 6, 6)),
                     swell(0.9), rgb(255, 255, 255));
    // The slice: sauce at the edge, cheese, crust.
    const std::vector<Point> body =
        smooth({{16, 27}, {50, 21}, {84, 27}, {55, 93}, {50, 97}, {45, 93}}, true, 6);
    b.poly(ribbon(smooth({{16, 27}, {50, 21}, {84, 27}, {55, 93}, {50, 97}, {45, 93}, {16, 27}},
                         false, 6),
                  [](double) { return 2.6; }),
           rgb(200, 40, 24));
    b.poly(body, b.vgrad(22, rgb(255, 232, 110), 97, rgb(255, 170, 30)));
    for (const Point& d : {Point{24, 40}, Point{77, 42}, Point{36, 70}})
        b.poly(smooth({{d.x - 2.2, d.y - 4},
                       {d.x + 2.2, d.y - 4},
                       {d.x + 1.8, d.y + 3},
                       {d.x, d.y + 5},
                       {d.x - 1.8, d.y + 3}},
                      true, 3),
               rgb(255, 224, 90));
    for (const Point& p : {Point{30, 36}, Point{70, 37}, Point{60, 78}, Point{43, 84}}) {
        b.circle(p, 4.4, rgb(150, 20, 16));
        b.circle(p, 3.8, b.vgrad(p.y - 4, rgb(230, 60, 40), p.y + 4, rgb(180, 30, 24)));
        b.faded(0.6).circle({p.x - 1.2, p.y - 1}, 0.7, rgb(255, 160, 130));
        b.faded(0.6).circle({p.x + 1.3, p.y + 1}, 0.6, rgb(140, 20, 16));
    }
    for (const Point& p : {Point{48, 30}, Point{66, 62}, Point{34, 58}})
        b.poly(ellipsePts(p, 2.4, 1, 30, 12), rgb(60, 160, 60));
    b.poly(smooth({{14, 25}, {50, 17}, {86, 25}, {87, 32}, {50, 26}, {13, 32}}, true, 5),
           b.vgrad(17, rgb(246, 190, 100), 32, rgb(176, 100, 40)));
    for (const Point& p : {Point{26, 24}, Point{44, 21}, Point{62, 22}, Point{78, 25}})
        b.faded(0.5).ellipse(p, 1.6, 0.8, rgb(150, 80, 30));
    // The face: big eyes (one winks while waving), a happy mouth, pink cheeks.
    for (int side : {-1, 1}) {
        const Point e{50.0 + side * 10, 49};
        if (wave && side < 0) {
            b.stroke(quad({e.x - 4, e.y + 1}, {e.x, e.y - 4}, {e.x + 4, e.y + 1}), swell(1.8),
                     rgb(40, 20, 16));
        } else {
            b.ellipse(e, 4.6, 6.2, rgb(40, 20, 16));
            b.ellipse({e.x, e.y + 1.5}, 3.2, 3.4, rgb(90, 50, 30));
            b.circle({e.x - 1.4, e.y - 2.4}, 1.7, kWhite);
            b.circle({e.x + 1.6, e.y + 2}, 0.8, kWhite);
        }
        b.faded(0.5).ellipse({50.0 + side * 18, 58}, 4, 2.2, rgb(255, 110, 110));
    }
    std::vector<Point> mouthShape = quad({43, 59}, {50, 60.5}, {57, 59}, 8);
    const std::vector<Point> low = quad({57, 59}, {50, 71}, {43, 59}, 10);
    mouthShape.insert(mouthShape.end(), low.begin(), low.end());
    b.poly(ribbon(mouthShape, [](double) { return 1.2; }), rgb(110, 20, 20));
    b.poly(mouthShape, rgb(150, 26, 30));
    clippedTo(b, mouthShape, [&](const Brush& l) {
        l.ellipse({50, 66.5}, 4.2, 3, rgb(255, 120, 120));
    });
}

void zingoChan(Sheet& s, int pose) {
    const Mood calm;
    backdrop(s, rgb(255, 214, 60), rgb(240, 90, 30), rgb(255, 250, 200), Pattern::Rays, 122, calm);
    for (const Point& p : {Point{12, 14}, Point{88, 80}, Point{10, 84}})
        sparkleStar(s.flat, p, pose == 2 ? 4.5 : 3.5, rgb(255, 255, 230));
    Brush b = s.flat;
    b.oy += kSS * 3.0;
    mascot(b, pose);
}

// --- 佐村サチ (and as a girl) ---

Character sachiLook(bool child) {
    Character c;
    if (child) makeChild(c);
    Face& f = c.face;
    if (!child) {
        f.halfW = 18;
        f.chinY = 76.5;
        f.jaw = 0.3;
        f.mouthY = 68;
    }
    c.skin = rgb(252, 230, 212);
    c.shade = rgb(238, 180, 162);
    c.eyes = {rgb(146, 86, 62),
              rgb(54, 30, 28),
              child ? 11.4 : 10.8,
              child ? 11.0 : 10.0,
              -0.1,
              true,
              0.7,
              1.05};
    c.brows = {rgb(90, 56, 44), 1.1, 4.6, 0.95};
    c.mouth = {rgb(190, 90, 90), child ? 5 : 5.5, rgb(240, 120, 130)};
    c.blush = child ? 0.32 : 0.22;
    c.browsOverHair = true;
    return c;
}

const HairColours kSachiHair{rgb(88, 54, 44), rgb(176, 122, 100), rgb(40, 22, 18)};

void sachiHairBack(Sheet& s) {
    const Face& f = s.face;
    const double cx = f.cx, top = f.topY, ey = f.eyeY;
    s.b.poly(smooth({{cx - 24.5, ey - 8},
                     {cx - 19, top + 2},
                     {cx, top - 5},
                     {cx + 19, top + 2},
                     {cx + 24.5, ey - 8},
                     {cx + 26, ey + 10},
                     {cx + 24, ey + 20},
                     {cx + 17, ey + 22.5},
                     {cx + 14, ey + 14},
                     {cx - 14, ey + 14},
                     {cx - 17, ey + 22.5},
                     {cx - 24, ey + 20},
                     {cx - 26, ey + 10}},
                    true, 6),
             hairPaint(s.b, top - 4, ey + 22, kSachiHair));
}

// The fringe and the locks framing the face; `tousled` adds strays.
void sachiHairFront(Sheet& s, const Character& c, bool tousled) {
    const Face& f = s.face;
    const double cx = f.cx, top = f.topY, ey = f.eyeY;
    const std::vector<Point> cap = hairCap(f, 2.5, top + 9, ey - 5);
    std::vector<std::vector<Point>> bangs;
    for (int i = 0; i < 7; ++i) {
        const double x = cx - 15 + i * 5;
        bangs.push_back(lock({x + 1, top + 3}, {x - 0.5, ey - 5.5 - (i % 2) * 1.6}, 6.8, 0.6));
    }
    for (int side : {-1, 1})
        bangs.push_back(
            lock({cx + side * 19.5, ey - 13}, {cx + side * 18, ey + 19}, 6.2, side * 1.5));
    if (tousled) {
        bangs.push_back(lock({cx - 2, top + 2}, {cx + 9, ey - 1}, 3, -2));
        bangs.push_back(lock({cx + 6, top + 1}, {cx + 15, top + 12}, 2.6, -3));
        bangs.push_back(lock({cx - 8, top}, {cx - 16, top - 6}, 2.6, -2));
    }
    hairShadow(s, c, bangs);
    s.b.poly(cap, hairPaint(s.b, top - 4, ey - 5, kSachiHair));
    for (const auto& l : bangs)
        s.b.poly(l, hairPaint(s.b, top, ey + 10, kSachiHair));
    // The shine across the crown.
    s.b.faded(0.5).stroke(quad({cx - 15, top + 6}, {cx, top}, {cx + 15, top + 6}), swell(1.8),
                          kSachiHair.light);
}

void flowerClip(const Brush& b, Point p) {
    for (int k = 0; k < 5; ++k)
        b.circle(polar(p, k * 72 - 90, 1.6, 1.6), 1.3, rgb(255, 200, 220));
    b.circle(p, 0.9, rgb(255, 220, 80));
}

void sachi(Sheet& s, const Mood& m, bool child) {
    Character c = sachiLook(child);
    const Face& f = c.face;
    s.face = f;
    if (child)
        backdrop(s, rgb(176, 146, 110), rgb(96, 70, 50), rgb(255, 240, 210), Pattern::Bokeh, 130,
                 m);
    else
        backdrop(s, rgb(252, 196, 206), rgb(170, 136, 206), rgb(255, 255, 255), Pattern::Bokeh, 123,
                 m);
    sachiHairBack(s);
    neck(s, c);
    const double cx = f.cx, ny = child ? 84 : 82;
    if (child) {
        // A pinafore over a blouse with a round collar.
        s.b.poly(torso(f, ny, 0.8), s.b.vgrad(ny, rgb(250, 250, 246), 100, rgb(210, 206, 200)));
        s.b.poly({{cx - 12, ny + 6}, {cx + 12, ny + 6}, {cx + 14, 101}, {cx - 14, 101}},
                 s.b.vgrad(ny + 6, rgb(230, 110, 130), 101, rgb(170, 60, 80)));
    } else {
        s.b.poly(torso(f, ny), s.b.vgrad(ny, rgb(250, 176, 196), 100, rgb(190, 110, 140)));
        vOpening(s.b, f, ny, 14, rgb(255, 248, 238));
    }
    for (int side : {-1, 1})
        s.b.poly(smooth({{cx + side * 0.5, ny + 1},
                         {cx + side * (f.neckW + 3), ny - 2},
                         {cx + side * (f.neckW + 5), ny + 3},
                         {cx + side * 3, ny + 6}},
                        true, 4),
                 rgb(255, 255, 255));
    s.b.poly({{cx - 2.2, ny + 1.6}, {cx + 2.2, ny + 1.6}, {cx, ny + 3.6}}, rgb(220, 50, 70));
    faceBase(s, c, m);
    features(s, c, m);
    sachiHairFront(s, c, false);
    browsThroughHair(s, c, m);
    if (child) {
        // A red ribbon tied on top.
        const Point r{cx + 12, f.topY + 1};
        s.b.poly({{r.x, r.y}, {r.x - 7, r.y - 4.5}, {r.x - 6.5, r.y + 4}}, rgb(220, 40, 60));
        s.b.poly({{r.x, r.y}, {r.x + 7, r.y - 4.5}, {r.x + 6.5, r.y + 4}}, rgb(200, 30, 50));
        s.b.circle(r, 1.6, rgb(240, 70, 90));
    } else {
        flowerClip(s.b, {cx + 15, f.topY + 9});
    }
    moodMarks(s, c, m);
}

// The unmasking of the pizza hero: サチ under the helmet, which breaks away
// from the bottom up. step 1 whole, 2 below the nose gone, 3 below the brow gone,
// 4 gone.
void maskReveal(Sheet& s, int step) {
    Character c = sachiLook(false);
    const Face& f = c.face;
    s.face = f;
    Mood m;
    m.open = 0.95;
    m.browInner = 1.8;
    m.browOuter = -0.3;
    m.mouth = MouthShape::Firm;
    m.lookY = 0.2;
    backdrop(s, rgb(210, 40, 24), rgb(60, 0, 0), rgb(255, 220, 70), Pattern::Rays, 124, m);
    if (step >= 2) sachiHairBack(s);
    neck(s, c);
    heroSuit(s);
    if (step >= 2) {
        faceBase(s, c, m);
        features(s, c, m);
        sachiHairFront(s, c, step == 4);
        browsThroughHair(s, c, m);
    }
    if (step == 4) {
        // Shards of the helmet falling away.
        for (const Point& p : {Point{16, 30}, Point{84, 22}, Point{88, 64}, Point{12, 70}})
            s.flat.poly({{p.x - 3, p.y - 2}, {p.x + 3, p.y - 3}, {p.x + 1.5, p.y + 3}},
                        rgb(200, 30, 30));
        return;
    }
    if (step == 1) {
        pizzaHelmet(s.b, true);
        return;
    }
    // The remaining helmet ends at a jagged break.
    const double cut = step == 2 ? f.noseY + 0.5 : f.eyeY - 8.5;
    std::vector<Point> keep{{0, -20}, {100, -20}, {100, cut}};
    draw::Rng rng(step == 2 ? 1242u : 1243u);
    for (double x = 96; x > 2; x -= 4.5)
        keep.push_back({x, cut + rng.real(-2.5, 2.5)});
    keep.push_back({0, cut});
    clippedTo(s.b, keep, [&](const Brush& l) { pizzaHelmet(l, true); });
    for (std::size_t i = 3; i + 1 < keep.size(); ++i)
        if (keep[i].x > 22 && keep[i].x < 78)
            s.b.faded(0.7).line(keep[i], keep[i + 1], 0.5, rgb(255, 220, 200));
}

// --- 広報部部長 ---

void manager(Sheet& s, const Mood& m) {
    Character c;
    Face& f = c.face;
    f.halfW = 19;
    f.chinY = 78;
    f.jaw = 0.6;
    c.skin = rgb(240, 206, 178);
    c.shade = rgb(206, 156, 128);
    c.eyes = {rgb(70, 50, 40), rgb(30, 24, 24), 8.8, 6.6, 0.2, false, 0.62, 1};
    c.brows = {rgb(40, 36, 36), 1.7, 4.8, 1};
    c.mouth.w = 6.5;
    s.face = f;
    backdrop(s, rgb(120, 146, 180), rgb(30, 40, 62), rgb(230, 240, 255), Pattern::Windows, 125, m);
    const HairColours hair{rgb(52, 52, 58), rgb(150, 150, 160), rgb(20, 20, 24)};
    const double cx = f.cx, top = f.topY, ey = f.eyeY;
    neck(s, c);
    suit(s, rgb(36, 46, 84), rgb(250, 250, 252), 1.0, 17);
    tie(s.b, f, rgb(40, 80, 170), rgb(220, 60, 60));
    s.b.circle({cx - 14, 88}, 1.1, rgb(250, 210, 80));
    faceBase(s, c, m);
    ageLines(s, c, 0.35);
    features(s, c, m);
    // Neat hair parted on the left, grey at the temples.
    const std::vector<Point> cap = hairCap(f, 1.8, top + 8, ey - 7);
    const std::vector<Point> sweep = lock({cx - 8, top + 3}, {cx + 19, top + 10}, 7.5, -2.5, 0.8);
    hairShadow(s, c, {cap}, 1.2);
    s.b.poly(cap, hairPaint(s.b, top - 4, ey - 7, hair));
    s.b.poly(sweep, hairPaint(s.b, top, top + 12, hair));
    // The parting and the comb's lines.
    s.b.stroke(quad({cx - 7, top - 3}, {cx - 8, top + 1}, {cx - 8.5, top + 5}), swell(0.9),
               rgb(200, 170, 150));
    for (int i = 0; i < 4; ++i)
        s.b.faded(0.55).stroke(quad({cx - 6 + i * 1.2, top - 1 + i * 1.8},
                                    {cx + 6, top - 1 + i * 2.2}, {cx + 16, top + 5 + i * 1.8}),
                               swell(0.7), hair.light);
    for (int side : {-1, 1})
        s.b.faded(0.8).poly(lock({cx + side * (f.halfW + 1), ey - 14},
                                 {cx + side * (f.halfW + 0.5), ey - 3}, 3.2, 0),
                            rgb(170, 170, 176));
    // Thin silver glasses.
    for (int side : {-1, 1}) {
        const double gx = cx + side * f.eyeDX;
        s.b.faded(0.15).roundRect(gx - 6.5, ey - 4.2, 13, 8.6, 2, rgb(200, 230, 255));
        s.b.stroke(
            smooth({{gx - 6.5, ey - 4.2},
                    {gx + 6.5, ey - 4.2},
                    {gx + 6.5, ey + 4.4},
                    {gx - 6.5, ey + 4.4},
                    {gx - 6.5, ey - 4.2}},
                   false, 1),
            [](double) { return 0.75; }, rgb(190, 196, 210));
        s.b.faded(0.6).line({gx + side * 2, ey - 3}, {gx + side * 4.5, ey - 0.5}, 0.6, kWhite);
        s.b.line({cx + side * (f.eyeDX + 6.5), ey - 3}, {cx + side * (f.halfW + 0.5), ey - 2}, 0.7,
                 rgb(190, 196, 210));
    }
    s.b.stroke(
        quad({cx - 3, ey - 2.5}, {cx, ey - 4}, {cx + 3, ey - 2.5}), [](double) { return 0.7; },
        rgb(190, 196, 210));
    moodMarks(s, c, m);
}

// --- the news announcer on television ---

void announcer(Sheet& s, const Mood& m) {
    Character c;
    Face& f = c.face;
    f.halfW = 17.8;
    f.chinY = 76.5;
    f.jaw = 0.3;
    f.mouthY = 68;
    c.skin = rgb(252, 226, 206);
    c.shade = rgb(234, 176, 156);
    c.eyes = {rgb(96, 64, 52), rgb(50, 30, 28), 10.2, 8.8, 0.5, true, 0.66, 1};
    c.brows = {rgb(110, 70, 50), 1.1, 4.4, 1};
    c.mouth = {rgb(180, 80, 80), 5.8, rgb(230, 90, 110)};
    c.blush = 0.16;
    s.face = f;
    backdrop(s, rgb(34, 70, 150), rgb(8, 18, 50), rgb(120, 200, 255), Pattern::Studio, 128, m);
    const HairColours hair{rgb(150, 96, 60), rgb(220, 170, 120), rgb(80, 46, 26)};
    const double cx = f.cx, top = f.topY, ey = f.eyeY;
    s.b.poly(smooth({{cx - 23, ey - 6},
                     {cx - 21, top},
                     {cx, top - 4},
                     {cx + 21, top},
                     {cx + 23, ey - 6},
                     {cx + 24, ey + 18},
                     {cx + 19, ey + 25},
                     {cx + 14, ey + 14},
                     {cx - 14, ey + 14},
                     {cx - 19, ey + 25},
                     {cx - 24, ey + 18}},
                    true, 6),
             hairPaint(s.b, top - 4, ey + 25, hair));
    neck(s, c);
    suit(s, rgb(30, 120, 150), rgb(252, 252, 250), 0.95, 14);
    faceBase(s, c, m);
    features(s, c, m);
    const std::vector<Point> cap = hairCap(f, 2.2, top + 8, ey - 6);
    const std::vector<std::vector<Point>> bangs{
        lock({cx - 5, top + 2}, {cx + 18, ey - 6}, 9, -3),
        lock({cx - 7, top + 3}, {cx - 19, ey + 4}, 6, 2),
        lock({cx + 19, ey - 12}, {cx + 19.5, ey + 16}, 5, -1)};
    hairShadow(s, c, bangs);
    s.b.poly(cap, hairPaint(s.b, top - 4, ey - 6, hair));
    for (const auto& l : bangs)
        s.b.poly(l, hairPaint(s.b, top, ey + 8, hair));
    for (int side : {-1, 1})
        s.b.circle({cx + side * (f.halfW + 0.5), ey + 11}, 1.1, rgb(240, 240, 250));
    moodMarks(s, c, m);
}

// --- somebody not yet introduced: a shadow with a question mark ---

void stranger(Sheet& s) {
    const Mood calm;
    backdrop(s, rgb(70, 60, 90), rgb(14, 10, 20), rgb(160, 140, 200), Pattern::Bokeh, 99, calm);
    const Face f;
    s.face = f;
    s.b.poly(torso(f, 82), rgb(16, 14, 22));
    s.b.poly(faceOutline(f), rgb(16, 14, 22));
    s.b.poly(hairCap(f, 3, f.topY + 10, f.eyeY - 4), rgb(16, 14, 22));
    draw::TextStyle st;
    st.font = {"ＭＳ Ｐゴシック", 40 * kSS, true};
    st.top = rgb(230, 220, 255);
    st.bottom = rgb(150, 130, 220);
    const Point q = s.b.P({50, 54});
    draw::textCentred(s.b.t, static_cast<int>(q.x), static_cast<int>(q.y), "？", st);
}

} // namespace

const std::vector<PortraitSet>& portraitSets() {
    static const std::vector<PortraitSet> sets = {
        {101, "Koichiro", 10}, {102, "Kazuto", 6},  {103, "Miki", 10},  {104, "Yosuke", 3},
        {106, "TracerA", 3},   {107, "TracerB", 2}, {108, "Rob", 3},    {109, "Philip", 3},
        {110, "PHM", 1},       {113, "Tengu", 1},   {121, "Father", 6}, {122, "ZingoChan", 2},
        {123, "Sachi", 7},     {125, "Manager", 3}, {130, "SachiM", 5}, {131, "KoichiroM", 6},
        {132, "FatherM", 4},
    };
    return sets;
}

Image paintPortrait(int who, int expression) {
    const int e = std::clamp(expression, 1, 10);
    const Mood m = moodFor(e);
    Sheet s;
    bool memory = false;
    switch (who) {
    case 101:
        koichiro(s, m, false);
        break;
    case 102:
        kazuto(s, m);
        break;
    case 103:
        miki(s, m);
        break;
    case 104:
        yosuke(s, m);
        break;
    case 106:
        tracerA(s, m);
        break;
    case 107:
        tracerB(s, m);
        break;
    case 108:
        rob(s, m);
        break;
    case 109:
        philip(s, m);
        break;
    case 110:
    case 111:
        pizzaZingoMan(s, m);
        break;
    case 113:
        tengu(s, m);
        break;
    case 121:
        father(s, m, false);
        break;
    case 122:
        zingoChan(s, e == 2 ? 2 : 1);
        break;
    case 123:
        sachi(s, m, false);
        break;
    case 125:
        manager(s, m);
        break;
    case 128:
        announcer(s, m);
        break;
    case 130:
        sachi(s, m, true);
        memory = true;
        break;
    case 131:
        koichiro(s, m, true);
        memory = true;
        break;
    case 132:
        father(s, m, true);
        memory = true;
        break;
    default:
        stranger(s);
        break;
    }
    Image out = shrink(s.canvas);
    if (memory) sepia(out, static_cast<std::uint32_t>(who * 31 + e));
    return out;
}

Image paintMaskReveal(int step) {
    Sheet s;
    maskReveal(s, std::clamp(step, 1, 4));
    return shrink(s.canvas);
}

void paintMascot(draw::Target t, double x, double y, double size, int pose) {
    mascot(Brush{t, x, y, size / 100.0}, pose);
}

} // namespace zb::portrait
