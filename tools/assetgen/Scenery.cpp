// The pen and the pieces of scenery the pictures share: skies, buildings,
// lights, asphalt and rain.
#include "tools/assetgen/Art.h"

#include <algorithm>
#include <cmath>

namespace zb::art {

using draw::Point;

// ---- pen ----

void Pen::circle(double x, double y, double r, const draw::Paint& p) const {
    draw::fillCircle(t, X(x), Y(y), s * r, p);
}

void Pen::ellipse(double x, double y, double rx, double ry, const draw::Paint& p) const {
    draw::fillEllipse(t, X(x), Y(y), s * rx, s * ry, p);
}

void Pen::ring(double x, double y, double inner, double outer, const draw::Paint& p) const {
    draw::ring(t, X(x), Y(y), s * inner, s * outer, p);
}

void Pen::line(double x0, double y0, double x1, double y1, double w, const draw::Paint& p) const {
    draw::line(t, X(x0), Y(y0), X(x1), Y(y1), s * w, p);
}

void Pen::poly(std::vector<Point> pts, const draw::Paint& p) const {
    for (Point& q : pts)
        q = {X(q.x), Y(q.y)};
    draw::fillPolygon(t, pts, p);
}

void Pen::roundRect(double x, double y, double w, double h, double r, const draw::Paint& p) const {
    draw::fillRoundRect(t, X(x), Y(y), s * w, s * h, s * r, p);
}

draw::Shader Pen::vgrad(double y0, std::uint32_t top, double y1, std::uint32_t bottom) const {
    return draw::vertical(Y(y0), top, Y(y1), bottom);
}

// ---- sky ----

void sky(Image& img, int y0, int y1, const std::vector<std::uint32_t>& stops) {
    if (stops.empty()) return;
    const int h = std::max(1, y1 - y0);
    for (int y = 0; y < img.height; ++y) {
        const double t = std::clamp((y - y0) / static_cast<double>(h), 0.0, 1.0);
        const double pos = t * (static_cast<double>(stops.size()) - 1);
        const std::size_t i = std::min(static_cast<std::size_t>(pos), stops.size() - 1);
        const std::size_t j = std::min(i + 1, stops.size() - 1);
        draw::fillRect(img, 0, y, img.width, 1,
                       draw::mix(stops[i], stops[j], pos - static_cast<double>(i)));
    }
}

void stars(Image& img, draw::Rng& rng, int count, int yMax, double brightness) {
    for (int i = 0; i < count; ++i) {
        const double x = rng.real(0.0, img.width);
        const double y = rng.real(0.0, std::max(1, yMax));
        const double size = rng.uniform();
        const double fade = brightness * (1 - y / std::max(1, yMax) * 0.6);
        const std::uint32_t c = size > 0.9 ? rgb(255, 240, 210) : rgb(220, 230, 255);
        if (size > 0.93) {
            draw::glow(img, x, y, 4, c, 0.5 * fade);
            draw::line(img, x - 3, y, x + 3, y, 0.6, draw::mix(0, c, fade));
            draw::line(img, x, y - 3, x, y + 3, 0.6, draw::mix(0, c, fade));
        }
        draw::fillCircle(draw::Target(img).faded(std::min(1.0, fade)), x, y, 0.45 + size * 0.5, c);
    }
}

void moon(Image& img, double cx, double cy, double r, std::uint32_t colour) {
    draw::glow(img, cx, cy, r * 4, colour, 0.25);
    draw::glow(img, cx, cy, r * 1.8, colour, 0.35);
    draw::fillCircle(
        img, cx, cy, r,
        draw::vertical(cy - r, draw::scale(colour, 1.08), cy + r, draw::scale(colour, 0.85)));
    // A few soft craters.
    draw::fillCircle(img, cx - r * 0.3, cy - r * 0.2, r * 0.22, draw::scale(colour, 0.9));
    draw::fillCircle(img, cx + r * 0.35, cy + r * 0.3, r * 0.16, draw::scale(colour, 0.92));
    draw::fillCircle(img, cx + r * 0.1, cy - r * 0.5, r * 0.1, draw::scale(colour, 0.93));
}

// ---- buildings ----

void skyline(Image& img, draw::Rng& rng, const SkylineStyle& st, int x0, int x1) {
    int x = x0 - rng.range(0, st.maxW / 2);
    static const std::uint32_t warm[] = {rgb(255, 214, 120), rgb(255, 190, 90), rgb(255, 236, 170),
                                         rgb(250, 170, 80)};
    static const std::uint32_t cool[] = {rgb(150, 220, 255), rgb(190, 240, 255),
                                         rgb(120, 190, 255)};
    static const std::uint32_t neon[] = {rgb(255, 60, 170), rgb(60, 230, 255), rgb(255, 230, 60),
                                         rgb(120, 255, 120), rgb(255, 110, 40)};
    while (x < x1) {
        const int w = rng.range(st.minW, st.maxW);
        const int h = rng.range(st.minH, st.maxH);
        const int top = st.baseY - h;
        const double shade = rng.real(0.8, 1.15);
        const std::uint32_t roof = draw::scale(st.top, shade);
        draw::fillRect(img, x, top, w, h, draw::vertical(top, roof, st.baseY, st.bottom));
        // Lit edge on the left, darker right side for a little volume.
        draw::fillRect(img, x, top, 1, h, draw::scale(roof, 1.35));
        draw::fillRect(
            img, x + w - std::max(2, w / 6), top, std::max(2, w / 6), h,
            draw::vertical(top, draw::scale(roof, 0.7), st.baseY, draw::scale(st.bottom, 0.7)));
        const int kind = rng.range(0, 5);
        if (kind == 0 && w > 14) { // antenna
            draw::line(img, x + w / 2.0, top, x + w / 2.0, top - h * 0.25, 1.0, roof);
            draw::fillCircle(img, x + w / 2.0, top - h * 0.25, 1.3, rgb(255, 60, 60));
            draw::glow(img, x + w / 2.0, top - h * 0.25, 5, rgb(255, 60, 60), 0.5);
        } else if (kind == 1 && w > 20) { // stepped top
            draw::fillRect(img, x + w / 4, top - h / 8, w / 2, h / 8 + 1, draw::scale(roof, 0.95));
        } else if (kind == 2) { // water tank
            draw::fillRect(img, x + 3, top - 5, 6, 5, draw::scale(roof, 0.9));
        }
        // Windows.
        const int stepX = st.windowW + 2 + rng.range(0, 1);
        const int stepY = st.windowH + 3;
        const bool warmBuilding = rng.uniform() < 0.7;
        for (int wy = top + 5; wy + st.windowH < st.baseY - 3; wy += stepY) {
            for (int wx = x + 3; wx + st.windowW < x + w - 3; wx += stepX) {
                if (rng.uniform() >= st.windows) continue;
                const std::uint32_t c =
                    warmBuilding ? warm[rng.range(0, 3)] : cool[rng.range(0, 2)];
                const double b = st.windowGlow * rng.real(0.55, 1.0);
                draw::fillRect(img, wx, wy, st.windowW, st.windowH, draw::mix(roof, c, b));
            }
        }
        if (rng.uniform() < st.neon && w > 16 && h > 50) {
            const std::uint32_t c = neon[rng.range(0, 4)];
            const int sw = std::max(5, w / 4);
            const int sh = std::min(h - 20, rng.range(24, 50));
            const int sx = rng.uniform() < 0.5 ? x + 2 : x + w - sw - 2;
            const int sy = top + rng.range(6, std::max(7, h - sh - 8));
            draw::glow(img, sx + sw / 2.0, sy + sh / 2.0, sh * 0.9, c, 0.35);
            draw::fillRoundRect(img, sx, sy, sw, sh, 2, draw::scale(c, 0.35));
            draw::frameRect(img, sx, sy, sw, sh, c);
            for (int k = sy + 4; k < sy + sh - 4; k += 6)
                draw::fillRect(img, sx + 2, k, sw - 4, 3, draw::mix(c, rgb(255, 255, 255), 0.4));
        }
        x += w + rng.range(-3, 4);
    }
}

void neonSign(Image& img, int cx, int cy, const std::string& utf8, int size, std::uint32_t colour) {
    draw::TextStyle st;
    st.font = {"ＭＳ Ｐゴシック", size, true};
    const TextExtent ext = FontEngine::instance().measure(st.font, utf8);
    draw::glow(img, cx, cy, std::max(ext.width, size) * 0.75, colour, 0.35);
    st.top = draw::mix(colour, rgb(255, 255, 255), 0.75);
    st.bottom = draw::mix(colour, rgb(255, 255, 255), 0.45);
    st.outline = std::max(1, size / 10);
    st.outlineColour = colour;
    draw::textCentred(img, cx, cy, utf8, st);
}

void streetLamp(Image& img, double x, double groundY, double h, std::uint32_t light,
                bool armRight) {
    const double dir = armRight ? 1 : -1;
    const double topY = groundY - h;
    const std::uint32_t pole = rgb(40, 40, 52);
    draw::line(img, x, groundY, x, topY + 4, std::max(1.5, h / 45), pole);
    draw::line(img, x, topY + 4, x + dir * h * 0.12, topY, std::max(1.2, h / 60), pole);
    const double lx = x + dir * h * 0.16;
    draw::glow(img, lx, topY + 2, h * 0.45, light, 0.35);
    draw::glow(img, lx, topY + 2, h * 0.12, rgb(255, 255, 240), 0.8);
    draw::fillEllipse(img, lx, topY + 1.5, h * 0.06, h * 0.025, rgb(255, 250, 220));
    // The pool of light on the ground.
    draw::glowEllipse(img, lx, groundY + 2, h * 0.4, h * 0.07, light, 0.35);
}

void road(Image& img, int y0, int y1, std::uint32_t top, std::uint32_t bottom, std::uint32_t seed) {
    for (int y = y0; y < y1 && y < img.height; ++y) {
        const std::uint32_t base =
            draw::mix(top, bottom, (y - y0) / std::max(1.0, static_cast<double>(y1 - y0)));
        for (int x = 0; x < img.width; ++x) {
            const double n = draw::valueNoise(x * 0.7, y * 0.7, seed) * 0.6 +
                             draw::valueNoise(x * 0.08, y * 0.2, seed + 7) * 0.4;
            img.at(x, y) = draw::scale(base, 0.82 + n * 0.36);
        }
    }
}

void dashedLine(Image& img, int y, int thickness, int dash, int gap, int offset,
                std::uint32_t colour) {
    for (int x = -dash + (offset % (dash + gap)); x < img.width; x += dash + gap)
        draw::fillRect(img, x, y, dash, thickness, colour);
}

void rain(Image& img, draw::Rng& rng, int count, double opacity) {
    draw::Target t = draw::Target(img).faded(opacity);
    for (int i = 0; i < count; ++i) {
        const double x = rng.real(-40.0, img.width + 20.0);
        const double y = rng.real(-20.0, img.height);
        const double len = rng.real(8.0, 20.0);
        draw::line(t, x, y, x + len * 0.25, y + len, 0.8, rgb(190, 210, 240));
    }
}

void vignette(Image& img, double strength) {
    const double cx = img.width / 2.0;
    const double cy = img.height / 2.0;
    const double rmax = std::hypot(cx, cy);
    for (int y = 0; y < img.height; ++y) {
        for (int x = 0; x < img.width; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / rmax;
            const double f = 1 - strength * std::max(0.0, d - 0.55) / 0.45;
            img.at(x, y) = draw::scale(img.at(x, y), f);
        }
    }
}

void mirrorBelow(Image& img, int waterY, std::uint32_t deep, double strength, double ripple) {
    const Image above = img;
    for (int y = waterY; y < img.height; ++y) {
        const int d = y - waterY;
        const double fade = strength * (1 - 0.6 * d / static_cast<double>(img.height - waterY));
        const int shift =
            static_cast<int>(std::lround(ripple * std::sin(d * 0.3) * (0.5 + d / 80.0)));
        const int sy = waterY - 1 - d * 3 / 4;
        const int spread = 1 + d / 12; // the further down, the softer the mirror
        for (int x = 0; x < img.width; ++x) {
            int r = 0, g = 0, b = 0;
            for (int k = -1; k <= 1; ++k) {
                for (int m = -1; m <= 1; ++m) {
                    const int sx = std::clamp(x + shift + k * 2, 0, img.width - 1);
                    const int yy = std::clamp(sy + m * spread, 0, waterY - 1);
                    const std::uint32_t c = above.at(sx, yy);
                    r += draw::red(c);
                    g += draw::green(c);
                    b += draw::blue(c);
                }
            }
            img.at(x, y) = draw::mix(deep, rgb(r / 9, g / 9, b / 9), fade);
        }
    }
}

} // namespace zb::art
