#include "ui/Draw.h"

#include <algorithm>
#include <cmath>

namespace zb::draw {

namespace {

double clamp01(double v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

int channel(double v) {
    return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0)));
}

// Coverage of a pixel whose centre lies `dist` outside an edge (negative = inside).
double edgeCoverage(double dist, bool aa) {
    if (!aa) return dist <= 0 ? 1.0 : 0.0;
    return clamp01(0.5 - dist);
}

// Calls f(x, y) for every pixel of the box clipped to the target.
template <class F> void forBox(const Target& t, double x0, double y0, double x1, double y1, F f) {
    const int xa = std::max(0, static_cast<int>(std::floor(x0)));
    const int ya = std::max(0, static_cast<int>(std::floor(y0)));
    const int xb = std::min(t.width() - 1, static_cast<int>(std::ceil(x1)));
    const int yb = std::min(t.height() - 1, static_cast<int>(std::ceil(y1)));
    for (int y = ya; y <= yb; ++y)
        for (int x = xa; x <= xb; ++x)
            f(x, y);
}

} // namespace

int red(std::uint32_t c) {
    return static_cast<int>((c >> 16) & 255);
}
int green(std::uint32_t c) {
    return static_cast<int>((c >> 8) & 255);
}
int blue(std::uint32_t c) {
    return static_cast<int>(c & 255);
}

std::uint32_t mix(std::uint32_t a, std::uint32_t b, double t) {
    t = clamp01(t);
    return rgb(channel(red(a) + (red(b) - red(a)) * t),
               channel(green(a) + (green(b) - green(a)) * t),
               channel(blue(a) + (blue(b) - blue(a)) * t));
}

std::uint32_t scale(std::uint32_t c, double f) {
    return rgb(channel(red(c) * f), channel(green(c) * f), channel(blue(c) * f));
}

Shader vertical(double y0, std::uint32_t top, double y1, std::uint32_t bottom) {
    const double span = y1 - y0 == 0 ? 1 : y1 - y0;
    return [=](int, int y) { return mix(top, bottom, (y + 0.5 - y0) / span); };
}

Shader horizontal(double x0, std::uint32_t left, double x1, std::uint32_t right) {
    const double span = x1 - x0 == 0 ? 1 : x1 - x0;
    return [=](int x, int) { return mix(left, right, (x + 0.5 - x0) / span); };
}

// ---- layers ----

Layer::Layer(int w, int h) : colour(w, h, 0), alpha(static_cast<std::size_t>(w) * h, 0.0f) {}

Image Layer::toKeyed(std::uint32_t key, std::uint32_t edge, int outline) const {
    const int w = width();
    const int h = height();
    Image out(w, h, key);
    std::vector<char> solid(alpha.size(), 0);
    for (std::size_t i = 0; i < alpha.size(); ++i)
        solid[i] = alpha[i] >= 0.5f;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            if (solid[i]) {
                out.at(x, y) = mix(edge, colour.at(x, y), (alpha[i] - 0.5) * 2.0 + 0.35);
                continue;
            }
            if (outline <= 0) continue;
            bool near = false;
            for (int dy = -outline; dy <= outline && !near; ++dy) {
                for (int dx = -outline; dx <= outline && !near; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                    if (dx * dx + dy * dy > outline * outline + outline) continue;
                    near = solid[static_cast<std::size_t>(ny) * w + nx] != 0;
                }
            }
            if (near) out.at(x, y) = edge;
        }
    }
    return out;
}

void Layer::drawOnto(Image& dst, int x, int y) const {
    Target t(dst);
    for (int j = 0; j < height(); ++j)
        for (int i = 0; i < width(); ++i)
            t.plot(x + i, y + j, colour.at(i, j), alpha[static_cast<std::size_t>(j) * width() + i]);
}

void Target::plot(int x, int y, std::uint32_t c, double a) const {
    if (a <= 0 || x < 0 || y < 0 || x >= img_->width || y >= img_->height) return;
    a = std::min(a, 1.0) * opacity_;
    std::uint32_t& px = img_->at(x, y);
    if (!alpha_) {
        px = a >= 1 ? c : mix(px, c, a);
        return;
    }
    float& oa = (*alpha_)[static_cast<std::size_t>(y) * img_->width + x];
    const double na = a + oa * (1 - a);
    if (na <= 0) return;
    px = mix(px, c, a / na);
    oa = static_cast<float>(na);
}

// ---- shapes ----

void fillRect(Target t, int x, int y, int w, int h, const Paint& p) {
    forBox(t, x, y, x + w - 1, y + h - 1, [&](int px, int py) { t.plot(px, py, p.at(px, py), 1); });
}

void frameRect(Target t, int x, int y, int w, int h, const Paint& p, int thickness) {
    fillRect(t, x, y, w, thickness, p);
    fillRect(t, x, y + h - thickness, w, thickness, p);
    fillRect(t, x, y + thickness, thickness, h - 2 * thickness, p);
    fillRect(t, x + w - thickness, y + thickness, thickness, h - 2 * thickness, p);
}

void fillRoundRect(Target t, double x, double y, double w, double h, double radius, const Paint& p,
                   bool aa) {
    const double cx = x + w / 2;
    const double cy = y + h / 2;
    const double r = std::min({radius, w / 2, h / 2});
    forBox(t, x - 1, y - 1, x + w, y + h, [&](int px, int py) {
        const double qx = std::abs(px + 0.5 - cx) - (w / 2 - r);
        const double qy = std::abs(py + 0.5 - cy) - (h / 2 - r);
        const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
        const double dist = outside + std::min(std::max(qx, qy), 0.0) - r;
        t.plot(px, py, p.at(px, py), edgeCoverage(dist, aa));
    });
}

void fillEllipse(Target t, double cx, double cy, double rx, double ry, const Paint& p, bool aa) {
    if (rx <= 0 || ry <= 0) return;
    forBox(t, cx - rx - 1, cy - ry - 1, cx + rx + 1, cy + ry + 1, [&](int px, int py) {
        const double dx = px + 0.5 - cx;
        const double dy = py + 0.5 - cy;
        const double k = std::hypot(dx / rx, dy / ry);
        double dist;
        if (k < 1e-9) {
            dist = -std::min(rx, ry);
        } else {
            const double g = std::hypot(dx / (rx * rx), dy / (ry * ry)) / k;
            dist = (k - 1) / g;
        }
        t.plot(px, py, p.at(px, py), edgeCoverage(dist, aa));
    });
}

void ring(Target t, double cx, double cy, double inner, double outer, const Paint& p, bool aa) {
    forBox(t, cx - outer - 1, cy - outer - 1, cx + outer + 1, cy + outer + 1, [&](int px, int py) {
        const double d = std::hypot(px + 0.5 - cx, py + 0.5 - cy);
        const double a = edgeCoverage(d - outer, aa) - edgeCoverage(d - inner, aa);
        t.plot(px, py, p.at(px, py), a);
    });
}

void glow(Target t, double cx, double cy, double r, const Paint& p, double strength) {
    glowEllipse(t, cx, cy, r, r, p, strength);
}

void glowEllipse(Target t, double cx, double cy, double rx, double ry, const Paint& p,
                 double strength) {
    if (rx <= 0 || ry <= 0) return;
    forBox(t, cx - rx, cy - ry, cx + rx, cy + ry, [&](int px, int py) {
        const double f = 1 - std::hypot((px + 0.5 - cx) / rx, (py + 0.5 - cy) / ry);
        if (f > 0) t.plot(px, py, p.at(px, py), strength * f * f);
    });
}

void line(Target t, double x0, double y0, double x1, double y1, double width, const Paint& p,
          bool aa) {
    const double half = width / 2;
    const double vx = x1 - x0;
    const double vy = y1 - y0;
    const double len2 = vx * vx + vy * vy;
    forBox(t, std::min(x0, x1) - half - 1, std::min(y0, y1) - half - 1, std::max(x0, x1) + half + 1,
           std::max(y0, y1) + half + 1, [&](int px, int py) {
               const double wx = px + 0.5 - x0;
               const double wy = py + 0.5 - y0;
               const double s = len2 > 0 ? clamp01((wx * vx + wy * vy) / len2) : 0.0;
               const double d = std::hypot(wx - s * vx, wy - s * vy) - half;
               t.plot(px, py, p.at(px, py), edgeCoverage(d, aa));
           });
}

void fillPolygon(Target t, const std::vector<Point>& pts, const Paint& p, bool aa) {
    if (pts.size() < 3) return;
    double minX = pts[0].x, maxX = pts[0].x, minY = pts[0].y, maxY = pts[0].y;
    for (const Point& q : pts) {
        minX = std::min(minX, q.x);
        maxX = std::max(maxX, q.x);
        minY = std::min(minY, q.y);
        maxY = std::max(maxY, q.y);
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(minX)));
    const int x1 = std::min(t.width() - 1, static_cast<int>(std::ceil(maxX)));
    const int y0 = std::max(0, static_cast<int>(std::floor(minY)));
    const int y1 = std::min(t.height() - 1, static_cast<int>(std::ceil(maxY)));
    if (x0 > x1 || y0 > y1) return;
    const int subRows = aa ? 4 : 1;
    std::vector<double> cover(static_cast<std::size_t>(x1 - x0 + 2));
    std::vector<double> xs;
    for (int y = y0; y <= y1; ++y) {
        std::fill(cover.begin(), cover.end(), 0.0);
        for (int s = 0; s < subRows; ++s) {
            const double sy = y + (s + 0.5) / subRows;
            xs.clear();
            for (std::size_t i = 0; i < pts.size(); ++i) {
                const Point& a = pts[i];
                const Point& b = pts[(i + 1) % pts.size()];
                if ((a.y <= sy && sy < b.y) || (b.y <= sy && sy < a.y))
                    xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
            }
            std::sort(xs.begin(), xs.end());
            for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
                const double xa = std::clamp(xs[i], static_cast<double>(x0), x1 + 1.0);
                const double xb = std::clamp(xs[i + 1], static_cast<double>(x0), x1 + 1.0);
                if (!aa) {
                    const int from = static_cast<int>(std::ceil(xa - 0.5));
                    const int to = static_cast<int>(std::ceil(xb - 0.5));
                    for (int x = from; x < to; ++x)
                        cover[x - x0] = 1;
                    continue;
                }
                const double w = 1.0 / subRows;
                const int ia = static_cast<int>(std::floor(xa));
                const int ib = static_cast<int>(std::floor(xb));
                if (ia == ib) {
                    cover[ia - x0] += w * (xb - xa);
                } else {
                    cover[ia - x0] += w * (ia + 1 - xa);
                    for (int x = ia + 1; x < ib; ++x)
                        cover[x - x0] += w;
                    if (ib <= x1) cover[ib - x0] += w * (xb - ib);
                }
            }
        }
        for (int x = x0; x <= x1; ++x)
            if (cover[x - x0] > 0) t.plot(x, y, p.at(x, y), cover[x - x0]);
    }
}

void verticalGradient(Image& img, int x, int y, int w, int h, std::uint32_t top,
                      std::uint32_t bottom) {
    for (int j = 0; j < h; ++j)
        fillRect(img, x, y + j, w, 1, mix(top, bottom, h > 1 ? j / (h - 1.0) : 0.0));
}

void horizontalGradient(Image& img, int x, int y, int w, int h, std::uint32_t left,
                        std::uint32_t right) {
    for (int i = 0; i < w; ++i)
        fillRect(img, x + i, y, 1, h, mix(left, right, w > 1 ? i / (w - 1.0) : 0.0));
}

void keepCornerUnique(Image& img) {
    if (img.empty()) return;
    const std::uint32_t key = img.transparentColour();
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if (img.at(x, y) == key && !(x == 0 && y == img.height - 1)) img.at(x, y) = key ^ 1u;
}

// ---- text ----

TextExtent text(Target t, int x, int y, const std::string& utf8, const TextStyle& style) {
    FontEngine& fonts = FontEngine::instance();
    const TextExtent ext = fonts.measure(style.font, utf8);
    if (ext.width <= 0 || ext.height <= 0) return ext;
    // The glyphs are first drawn white on black: that gives their coverage.
    const int pad = style.outline + std::max(3, style.font.pixelSize / 4);
    const int mw = ext.width + 2 * pad;
    const int mh = ext.height + 2 * pad;
    Image mask(mw, mh, 0);
    fonts.draw(mask, pad, pad, style.font, utf8, rgb(255, 255, 255), 0, 0, mw, mh);
    auto cov = [&](int i, int j) {
        if (i < 0 || j < 0 || i >= mw || j >= mh) return 0.0;
        const std::uint32_t c = mask.at(i, j);
        return std::max({red(c), green(c), blue(c)}) / 255.0;
    };
    // The outline is the coverage spread over a disc of the outline's radius.
    std::vector<double> ring(static_cast<std::size_t>(mw) * mh, 0.0);
    if (style.outline > 0) {
        const int r = style.outline;
        for (int j = 0; j < mh; ++j) {
            for (int i = 0; i < mw; ++i) {
                double best = 0;
                for (int dy = -r - 1; dy <= r + 1 && best < 1; ++dy) {
                    for (int dx = -r - 1; dx <= r + 1; ++dx) {
                        const double disc = clamp01(r + 0.5 - std::hypot(dx, dy));
                        if (disc <= best) continue;
                        best = std::max(best, std::min(disc, cov(i + dx, j + dy)));
                    }
                }
                ring[static_cast<std::size_t>(j) * mw + i] = best;
            }
        }
    }
    auto body = [&](int i, int j) {
        return style.outline > 0 ? ring[static_cast<std::size_t>(j) * mw + i] : cov(i, j);
    };
    const int ox = x - pad;
    const int oy = y - pad;
    if (style.shadowX != 0 || style.shadowY != 0)
        for (int j = 0; j < mh; ++j)
            for (int i = 0; i < mw; ++i)
                t.plot(ox + i + style.shadowX, oy + j + style.shadowY, style.shadowColour,
                       body(i, j));
    if (style.outline > 0)
        for (int j = 0; j < mh; ++j)
            for (int i = 0; i < mw; ++i)
                t.plot(ox + i, oy + j, style.outlineColour, body(i, j));
    for (int j = 0; j < mh; ++j) {
        const std::uint32_t fill =
            mix(style.top, style.bottom, (j - pad + 0.5) / static_cast<double>(ext.height));
        for (int i = 0; i < mw; ++i)
            t.plot(ox + i, oy + j, fill, cov(i, j));
    }
    return ext;
}

TextExtent textCentred(Target t, int cx, int cy, const std::string& utf8, const TextStyle& style) {
    const TextExtent ext = FontEngine::instance().measure(style.font, utf8);
    return text(t, cx - ext.width / 2, cy - ext.height / 2, utf8, style);
}

// ---- randomness and texture ----

std::uint32_t Rng::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Rng::uniform() {
    return (next() >> 8) / 16777216.0;
}

int Rng::range(int lo, int hi) {
    return lo + static_cast<int>(next() % static_cast<std::uint32_t>(hi - lo + 1));
}

double Rng::real(double lo, double hi) {
    return lo + (hi - lo) * uniform();
}

namespace {

double lattice(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / 16777215.0;
}

double smooth(double t) {
    return t * t * (3 - 2 * t);
}

} // namespace

double valueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double a =
        lattice(ix, iy, seed) + (lattice(ix + 1, iy, seed) - lattice(ix, iy, seed)) * tx;
    const double b = lattice(ix, iy + 1, seed) +
                     (lattice(ix + 1, iy + 1, seed) - lattice(ix, iy + 1, seed)) * tx;
    return a + (b - a) * ty;
}

double fractalNoise(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0;
    double amp = 1;
    double total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += valueNoise(x, y, seed + static_cast<std::uint32_t>(o) * 101u) * amp;
        total += amp;
        amp *= 0.5;
        x *= 2;
        y *= 2;
    }
    return total > 0 ? sum / total : 0;
}

} // namespace zb::draw
