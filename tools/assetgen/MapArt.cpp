// Pieces the map pictures share (see MapArt.h).
#include "tools/assetgen/MapArt.h"

#include <algorithm>
#include <cmath>

namespace zb::art {

using draw::Point;
using draw::scale;

namespace map {

void polyline(draw::Target t, const std::vector<Point>& pts, double width, const draw::Paint& p) {
    for (std::size_t i = 0; i + 1 < pts.size(); ++i)
        draw::line(t, pts[i].x, pts[i].y, pts[i + 1].x, pts[i + 1].y, width, p);
}

std::vector<Point> smooth(const std::vector<Point>& pts) {
    std::vector<Point> out;
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
        const Point p0 = pts[i == 0 ? 0 : i - 1], p1 = pts[i], p2 = pts[i + 1];
        const Point p3 = pts[std::min(pts.size() - 1, i + 2)];
        for (int k = 0; k < 12; ++k) {
            const double t = k / 12.0, t2 = t * t, t3 = t2 * t;
            auto f = [&](double a, double b, double c, double d) {
                return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 +
                              (-a + 3 * b - 3 * c + d) * t3);
            };
            out.push_back({f(p0.x, p1.x, p2.x, p3.x), f(p0.y, p1.y, p2.y, p3.y)});
        }
    }
    out.push_back(pts.back());
    return out;
}

std::vector<Point> along(const std::vector<Point>& path, double step) {
    std::vector<Point> out;
    double carry = 0; // distance still to go to the next point
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        const double dx = path[i + 1].x - path[i].x, dy = path[i + 1].y - path[i].y;
        const double len = std::hypot(dx, dy);
        double d = carry;
        for (; d < len; d += step)
            out.push_back({path[i].x + dx * d / len, path[i].y + dy * d / len});
        carry = d - len;
    }
    return out;
}

void tree(Image& img, double x, double y, double r) {
    draw::fillCircle(draw::Target(img).faded(0.5), x + r * 0.4, y + r * 0.5, r, rgb(10, 20, 14));
    draw::fillCircle(img, x, y, r, draw::vertical(y - r, rgb(80, 150, 80), y + r, rgb(30, 80, 44)));
    draw::fillCircle(img, x - r * 0.3, y - r * 0.35, r * 0.35, rgb(120, 190, 110));
}

void building(Image& img, draw::Rng& rng, int x, int y, int w, int h, std::uint32_t roof) {
    const int sh = std::max(2, std::min(w, h) / 5); // shadow to the lower right
    draw::fillRect(draw::Target(img).faded(0.55), x + sh, y + sh, w, h, rgb(8, 10, 16));
    draw::fillRect(img, x, y, w, h, draw::vertical(y, scale(roof, 1.15), y + h, scale(roof, 0.85)));
    draw::fillRect(img, x, y, w, 1, scale(roof, 1.4));
    draw::fillRect(img, x, y, 1, h, scale(roof, 1.3));
    draw::frameRect(draw::Target(img).faded(0.5), x, y, w, h, scale(roof, 0.5));
    if (w > 10 && h > 10 && rng.uniform() < 0.5) // roof equipment
        draw::fillRect(img, x + rng.range(2, w - 7), y + rng.range(2, h - 7), 4, 4,
                       scale(roof, 0.7));
}

void compass(Image& img, double cx, double cy) {
    draw::fillCircle(draw::Target(img).faded(0.5), cx, cy, 20, rgb(10, 20, 50));
    draw::ring(img, cx, cy, 17, 19, rgb(200, 220, 250));
    draw::fillPolygon(img, {{cx, cy - 16}, {cx + 5, cy}, {cx - 5, cy}}, rgb(240, 80, 70));
    draw::fillPolygon(img, {{cx, cy + 16}, {cx + 5, cy}, {cx - 5, cy}}, rgb(220, 230, 250));
    label(img, static_cast<int>(cx), static_cast<int>(cy - 27), "N", 10, rgb(170, 210, 255),
          rgb(120, 170, 230), rgb(14, 30, 70));
}

void label(Image& img, int cx, int cy, const std::string& utf8, int size, std::uint32_t top,
           std::uint32_t bottom, std::uint32_t outline) {
    draw::TextStyle st;
    st.font = {"ＭＳ Ｐゴシック", size, true};
    st.top = top;
    st.bottom = bottom;
    st.outline = size >= 12 ? 2 : 1;
    st.outlineColour = outline;
    draw::textCentred(img, cx, cy, utf8, st);
}

LightBuffer::LightBuffer(int w, int h)
    : w_(w), h_(h), r_(static_cast<std::size_t>(w) * h), g_(r_.size()), b_(r_.size()) {}

void LightBuffer::add(double x, double y, double r, std::uint32_t colour, double strength) {
    const int x0 = std::max(0, static_cast<int>(x - r)),
              x1 = std::min(w_ - 1, static_cast<int>(x + r));
    const int y0 = std::max(0, static_cast<int>(y - r)),
              y1 = std::min(h_ - 1, static_cast<int>(y + r));
    const double cr = draw::red(colour) / 255.0, cg = draw::green(colour) / 255.0,
                 cb = draw::blue(colour) / 255.0;
    for (int j = y0; j <= y1; ++j)
        for (int i = x0; i <= x1; ++i) {
            const double d = std::hypot(i + 0.5 - x, j + 0.5 - y) / r;
            if (d >= 1) continue;
            const double a = strength * (1 - d) * (1 - d);
            const std::size_t k = static_cast<std::size_t>(j) * w_ + i;
            r_[k] += static_cast<float>(a * cr);
            g_[k] += static_cast<float>(a * cg);
            b_[k] += static_cast<float>(a * cb);
        }
}

void LightBuffer::applyTo(Image& img) const {
    auto screen = [](int c, float l) {
        const double base = c / 255.0;
        const double lit = 1 - (1 - base) * std::exp(-static_cast<double>(l));
        return static_cast<int>(std::lround(std::clamp(lit, 0.0, 1.0) * 255));
    };
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            const std::size_t k = static_cast<std::size_t>(y) * w_ + x;
            const std::uint32_t c = img.at(x, y);
            img.at(x, y) = rgb(screen(draw::red(c), r_[k]), screen(draw::green(c), g_[k]),
                               screen(draw::blue(c), b_[k]));
        }
}

} // namespace map

} // namespace zb::art
