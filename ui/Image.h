#pragma once
// A 32-bit picture in memory (0x00RRGGBB, row by row). Pictures loaded from the
// game's bitmap files, the stock pictures drawn at start and the frame the game
// paints are all Images.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zb {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Image() = default;
    Image(int w, int h, std::uint32_t fill = 0);

    bool empty() const { return width <= 0 || height <= 0; }
    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void fill(std::uint32_t colour);
    void fillRect(int x, int y, int w, int h, std::uint32_t colour);
    // The colour Windows bitmaps mark as transparent: the bottom-left pixel.
    std::uint32_t transparentColour() const { return empty() ? 0 : at(0, height - 1); }
};

using ImagePtr = std::shared_ptr<const Image>;

constexpr std::uint32_t rgb(int r, int g, int b) {
    return (static_cast<std::uint32_t>(r & 255) << 16) |
           (static_cast<std::uint32_t>(g & 255) << 8) | static_cast<std::uint32_t>(b & 255);
}

// Reads a bitmap file (any format stb_image understands; the game's are .bmp).
// Returns null when the file is missing, unreadable or not a picture.
ImagePtr loadImageFile(const std::string& nativePath);

// Writes a 24-bit BMP file; false on failure.
bool saveBmp(const Image& img, const std::string& nativePath);
// Writes a PNG file (tests and screenshots); false on failure.
bool savePng(const Image& img, const std::string& nativePath);

} // namespace zb
