// The game's own icon for the desktop's menus: the hero's red delivery scooter
// parked on a night street under the moon, on a rounded square whose corners
// are see-through. Written as PNG files at the sizes the icon theme asks for.
#include "tools/assetgen/Art.h"

#include <stb_image_write.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace zb::art {

namespace {

// Painted on a 64 x 64 grid, scaled to the size asked for.
constexpr double kGrid = 64;
constexpr double kStreetY = 48; // where the sky ends and the asphalt begins

draw::Layer paintIcon(int size) {
    draw::Layer icon(size, size);
    const double s = size / kGrid;
    const Pen pen{icon, 0, 0, s};
    const draw::Shader sky = pen.vgrad(2, rgb(18, 24, 64), kStreetY, rgb(84, 40, 92));
    const draw::Shader street = pen.vgrad(kStreetY, rgb(58, 52, 66), 62, rgb(26, 22, 32));
    const double streetTop = pen.Y(kStreetY);
    pen.roundRect(2, 2, 60, 60, 12,
                  [&](int x, int y) { return y < streetTop ? sky(x, y) : street(x, y); });
    pen.faded(0.35).circle(49, 13, 9, rgb(250, 230, 170));
    pen.circle(49, 13, 5.5, rgb(252, 240, 200));
    // A dash of the centre line, and the bike's shadow on the asphalt.
    pen.roundRect(8, 56, 12, 2, 1, rgb(210, 200, 150));
    pen.faded(0.5).ellipse(32, 52, 26, 2.4, rgb(10, 6, 14));
    // The scooter's 112-unit design box spans 58 units, wheels on the street.
    const double k = 58.0 / kScooterW;
    scooterWithRider(Pen{icon, pen.X(3), pen.Y(52 - k * 75), s * k}, ScooterLook{}, nullptr, 0);
    return icon;
}

bool writePng(const draw::Layer& layer, const std::string& path) {
    const int w = layer.width();
    const int h = layer.height();
    std::vector<unsigned char> rgba(static_cast<std::size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            const std::uint32_t c = layer.colour.at(x, y);
            rgba[4 * i + 0] = static_cast<unsigned char>(draw::red(c));
            rgba[4 * i + 1] = static_cast<unsigned char>(draw::green(c));
            rgba[4 * i + 2] = static_cast<unsigned char>(draw::blue(c));
            rgba[4 * i + 3] = static_cast<unsigned char>(std::lround(layer.alpha[i] * 255.0f));
        }
    return stbi_write_png(path.c_str(), w, h, 4, rgba.data(), w * 4) != 0;
}

} // namespace

int writeGameIcons(const std::string& themeDir, const std::string& name) {
    namespace fs = std::filesystem;
    int written = 0;
    for (const int size : {32, 64, 128, 256}) {
        const std::string n = std::to_string(size);
        const fs::path dir = fs::path(themeDir) / (n + "x" + n) / "apps";
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (!writePng(paintIcon(size), (dir / (name + ".png")).string())) return -1;
        ++written;
    }
    return written;
}

} // namespace zb::art
