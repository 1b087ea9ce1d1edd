// The title picture: the game's name over a night street, the hero on his bike.
#include "tools/assetgen/Art.h"

#include <algorithm>
#include <cmath>

namespace zb::art {

using draw::mix;
using draw::scale;

namespace {

// Box-blurs a coverage map (three passes, about a Gaussian).
std::vector<float> blurred(const std::vector<float>& a, int w, int h, int radius) {
    std::vector<float> cur = a;
    std::vector<float> tmp(a.size());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int xx = std::clamp(x + k, 0, w - 1);
                    sum += cur[static_cast<std::size_t>(y) * w + xx];
                }
                tmp[static_cast<std::size_t>(y) * w + x] = sum / static_cast<float>(2 * radius + 1);
            }
        }
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int yy = std::clamp(y + k, 0, h - 1);
                    sum += tmp[static_cast<std::size_t>(yy) * w + x];
                }
                cur[static_cast<std::size_t>(y) * w + x] = sum / static_cast<float>(2 * radius + 1);
            }
        }
    }
    return cur;
}

// Copies a layer onto dst at (x, y), each row shifted right by slant per pixel of
// height above the bottom (an italic lean), with a soft glow under it.
void slantedOnto(Image& dst, const draw::Layer& layer, int x, int y, double slant,
                 std::uint32_t glowColour, int glowRadius, double glowStrength) {
    const int w = layer.width();
    const int h = layer.height();
    const std::vector<float> soft = blurred(layer.alpha, w, h, glowRadius);
    draw::Target t(dst);
    for (int j = 0; j < h; ++j) {
        const double shift = (h - 1 - j) * slant;
        for (int i = 0; i < w + static_cast<int>(shift) + 2; ++i) {
            const double sx = i - shift;
            const int i0 = static_cast<int>(std::floor(sx));
            const double f = sx - i0;
            double a0 = 0, a1 = 0;
            std::uint32_t c0 = 0, c1 = 0;
            if (i0 >= 0 && i0 < w) {
                a0 = layer.alpha[static_cast<std::size_t>(j) * w + i0];
                c0 = layer.colour.at(i0, j);
            }
            if (i0 + 1 >= 0 && i0 + 1 < w) {
                a1 = layer.alpha[static_cast<std::size_t>(j) * w + i0 + 1];
                c1 = layer.colour.at(i0 + 1, j);
            }
            auto softAt = [&](int xx) {
                return xx < 0 || xx >= w
                           ? 0.0
                           : static_cast<double>(soft[static_cast<std::size_t>(j) * w + xx]);
            };
            const double g = softAt(i0) * (1 - f) + softAt(i0 + 1) * f;
            t.plot(x + i, y + j, glowColour, std::min(1.0, g * glowStrength));
            const double a = a0 * (1 - f) + a1 * f;
            if (a <= 0) continue;
            const double wc = a1 * f / a;
            t.plot(x + i, y + j, mix(c0, c1, wc), a);
        }
    }
}

} // namespace

Image titlePicture() {
    const int W = 514;
    const int H = 385;
    Image img(W, H);
    draw::Rng rng(20240501u);

    // Night sky glowing pink over the city.
    sky(img, 0, 250,
        {rgb(6, 5, 22), rgb(16, 10, 48), rgb(44, 18, 84), rgb(120, 36, 112), rgb(236, 96, 110)});
    stars(img, rng, 140, 170);
    moon(img, 62, 58, 24, rgb(255, 238, 200));

    // Two rows of buildings: far and faint, near and dark with neon.
    SkylineStyle far;
    far.baseY = 246;
    far.minH = 50;
    far.maxH = 150;
    far.top = rgb(58, 34, 92);
    far.bottom = rgb(96, 40, 100);
    far.windows = 0.22;
    far.windowGlow = 0.55;
    skyline(img, rng, far, 0, W);
    SkylineStyle near;
    near.baseY = 252;
    near.minH = 30;
    near.maxH = 100;
    near.minW = 24;
    near.maxW = 60;
    near.top = rgb(30, 18, 52);
    near.bottom = rgb(14, 8, 26);
    near.windows = 0.4;
    near.neon = 0.45;
    skyline(img, rng, near, 0, W);
    neonSign(img, 418, 196, "PIZZA", 15, rgb(255, 70, 150));

    // Sidewalk, curb and the street.
    draw::fillRect(img, 0, 250, W, 12, draw::vertical(250, rgb(70, 62, 86), 262, rgb(46, 40, 60)));
    draw::fillRect(img, 0, 262, W, 3, rgb(120, 110, 130));
    road(img, 265, H, rgb(46, 42, 62), rgb(18, 16, 26), 77u);
    draw::fillRect(img, 0, 272, W, 2, rgb(200, 170, 60));
    dashedLine(img, 322, 3, 46, 34, 12, rgb(200, 200, 210));

    // Lamps with their reflections on the asphalt.
    for (int x : {36, 176, 316, 456}) {
        streetLamp(img, x, 256, 120, rgb(255, 200, 120), x < 300);
        const double lx = x + (x < 300 ? 19.2 : -19.2);
        draw::fillEllipse(draw::Target(img).faded(0.18), lx, 320, 7, 48, rgb(255, 200, 120));
    }
    // Neon colours smeared on the wet road.
    for (int i = 0; i < 14; ++i) {
        const double x = rng.real(0, W);
        const std::uint32_t c =
            i % 3 == 0 ? rgb(255, 70, 160) : (i % 3 == 1 ? rgb(60, 220, 255) : rgb(255, 220, 80));
        draw::fillEllipse(draw::Target(img).faded(0.08), x, rng.real(290, 360), 3, 30, c);
    }

    // Speed lines behind the bike.
    for (int i = 0; i < 22; ++i) {
        const double y = rng.real(170, 350);
        const double x1 = rng.real(40, 150);
        const double len = rng.real(40, 120);
        draw::line(draw::Target(img).faded(rng.real(0.15, 0.35)), x1 - len, y, x1, y,
                   rng.real(0.8, 2.0), rgb(200, 230, 255));
    }

    // The hero on 乙木PIZZA, big, with a headlight beam and a shadow.
    const double s = 2.45;
    const double bx = 8;
    const double by = 345 - 75 * s;
    draw::fillEllipse(draw::Target(img).faded(0.55), bx + 58 * s, 347, 52 * s, 5, rgb(4, 2, 8));
    const double hx = bx + 90.5 * s;
    const double hy = by + 29.5 * s;
    draw::fillPolygon(draw::Target(img).faded(0.16),
                      {{hx, hy - 6}, {440, hy - 30}, {470, hy + 60}, {hx, hy + 8}},
                      draw::horizontal(hx, rgb(255, 240, 190), 470, rgb(40, 36, 60)));
    draw::Layer bike(static_cast<int>(kScooterW * s) + 4, static_cast<int>(80 * s) + 4);
    Pen pen{bike, 2, 2 + 4 * s, s};
    const RiderLook rider;
    scooterWithRider(pen, ScooterLook{}, &rider, 0);
    // A thin rim light of the city's pink on the bike's outline.
    {
        const std::vector<float> soft = blurred(bike.alpha, bike.width(), bike.height(), 2);
        draw::Target t(img);
        const int ox = static_cast<int>(bx) - 2;
        const int oy = static_cast<int>(by - 4 * s) - 2;
        for (int j = 0; j < bike.height(); ++j)
            for (int i = 0; i < bike.width(); ++i)
                t.plot(ox + i, oy + j, rgb(255, 120, 200),
                       soft[static_cast<std::size_t>(j) * bike.width() + i] * 0.7);
        bike.drawOnto(img, ox, oy);
    }
    draw::glow(img, hx + 2, hy, 30, rgb(255, 240, 200), 0.6);

    // The name, slanted, with a glow.
    {
        draw::TextStyle st;
        st.font = {"ＭＳ Ｐゴシック", 86, true};
        st.top = rgb(255, 250, 170);
        st.bottom = rgb(255, 110, 40);
        st.outline = 5;
        st.outlineColour = rgb(40, 8, 44);
        st.shadowX = 5;
        st.shadowY = 6;
        st.shadowColour = rgb(10, 2, 14);
        const std::string name = "ズィルボ";
        const TextExtent ext = FontEngine::instance().measure(st.font, name);
        draw::Layer layer(ext.width + 40, ext.height + 40);
        draw::text(layer, 16, 16, name, st);
        // A white sheen across the upper half of the letters.
        for (int j = 0; j < layer.height(); ++j)
            for (int i = 0; i < layer.width(); ++i) {
                std::uint32_t& c = layer.colour.at(i, j);
                const double band = std::exp(-std::pow((j - 16 - ext.height * 0.3) / 6.0, 2));
                if (draw::red(c) > 200) c = mix(c, rgb(255, 255, 255), band * 0.55);
            }
        slantedOnto(img, layer, W - layer.width() - 34, 6, 0.18, rgb(255, 60, 160), 6, 1.4);

        draw::TextStyle sub;
        sub.font = {"ＭＳ ゴシック", 15, true};
        sub.top = rgb(170, 250, 255);
        sub.bottom = rgb(60, 190, 255);
        sub.outline = 2;
        sub.outlineColour = rgb(10, 20, 50);
        draw::line(draw::Target(img).faded(0.8), 200, 128, 480, 128, 2, rgb(60, 220, 255));
        draw::glow(img, 470, 128, 26, rgb(60, 220, 255), 0.4);
        draw::text(img, 330, 134, "Z I R U B O", sub);
    }
    vignette(img, 0.35);
    return img;
}

} // namespace zb::art
