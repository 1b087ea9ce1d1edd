// Pictures in memory and the bitmap files behind them. Reading and writing go
// through stb_image / stb_image_write (the implementations live in libstb).

#include "ui/Image.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

namespace zb {

namespace {

// Packs the frame into RGB bytes, row by row from the top, for the writers.
std::vector<unsigned char> toRgbBytes(const Image& img) {
    std::vector<unsigned char> bytes(img.pixels.size() * 3);
    std::size_t o = 0;
    for (std::uint32_t p : img.pixels) {
        bytes[o++] = static_cast<unsigned char>((p >> 16) & 255);
        bytes[o++] = static_cast<unsigned char>((p >> 8) & 255);
        bytes[o++] = static_cast<unsigned char>(p & 255);
    }
    return bytes;
}

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

// stb fills the missing part of a cut-off bitmap with black instead of failing;
// the game would rather know. True unless the file is an uncompressed BMP whose
// pixel rows do not all fit in it.
// The game reads Windows bitmaps only: a file is one when it says so ("BM"), has
// a header of a size Windows writes, a sane size of at most kMaxSide a side, a
// depth Windows uses, no compression (or bit fields), and holds every row its
// header promises. Everything else is refused here, before a decoder allocates.
constexpr std::int64_t kMaxSide = 4096;

bool isBitmap(const std::string& b) {
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return false;
    const std::uint64_t offset = le(b, 10, 4);
    const std::uint32_t headerSize = le(b, 14, 4);
    std::int64_t w = 0;
    std::int64_t h = 0;
    std::uint32_t bpp = 0;
    std::uint32_t compression = 0;
    if (headerSize == 12) {
        w = le(b, 18, 2);
        h = le(b, 20, 2);
        bpp = le(b, 24, 2);
    } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 ||
               headerSize == 124) {
        if (b.size() < 34) return false;
        w = static_cast<std::int32_t>(le(b, 18, 4));
        h = static_cast<std::int32_t>(le(b, 22, 4));
        bpp = le(b, 28, 2);
        compression = le(b, 30, 4);
    } else {
        return false;
    }
    if (h < 0) h = -h;
    if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide) return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
    if (compression != 0 && !(compression == 3 && (bpp == 16 || bpp == 32))) return false;
    if (offset < 14 + static_cast<std::uint64_t>(headerSize)) return false;
    const std::uint64_t rowBits = static_cast<std::uint64_t>(w) * bpp;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    // The last row's padding is sometimes left off by writers.
    const std::uint64_t need =
        offset + stride * static_cast<std::uint64_t>(h - 1) + (rowBits + 7) / 8;
    return b.size() >= need;
}

bool writable(const Image& img) {
    return !img.empty() && img.pixels.size() == static_cast<std::size_t>(img.width) * img.height &&
           img.width <= std::numeric_limits<int>::max() / 3;
}

} // namespace

Image::Image(int w, int h, std::uint32_t fillColour)
    : width(std::max(w, 0)), height(std::max(h, 0)),
      pixels(static_cast<std::size_t>(std::max(w, 0)) * static_cast<std::size_t>(std::max(h, 0)),
             fillColour) {}

void Image::fill(std::uint32_t colour) {
    fillRect(0, 0, width, height, colour);
}

void Image::fillRect(int x, int y, int w, int h, std::uint32_t colour) {
    // Work in 64 bits so far-away rectangles cannot overflow.
    const long long x0 = std::max<long long>(x, 0);
    const long long y0 = std::max<long long>(y, 0);
    const long long x1 = std::min<long long>(static_cast<long long>(x) + w, width);
    const long long y1 = std::min<long long>(static_cast<long long>(y) + h, height);
    if (x0 >= x1 || y0 >= y1) return;
    // A plain store loop is not vectorised at our optimisation level and costs
    // several times a memcpy; frames are mostly big fills, so the first row is
    // built by doubling copies and the other rows are copied from it.
    const auto span = static_cast<std::size_t>(x1 - x0);
    std::uint32_t* first = pixels.data() + static_cast<std::size_t>(y0) * width + x0;
    std::size_t done = std::min<std::size_t>(span, 16);
    std::fill(first, first + done, colour);
    while (done < span) {
        const std::size_t n = std::min(done, span - done);
        std::memcpy(first + done, first, n * sizeof(std::uint32_t));
        done += n;
    }
    for (long long row = y0 + 1; row < y1; ++row)
        std::memcpy(pixels.data() + static_cast<std::size_t>(row) * width + x0, first,
                    span * sizeof(std::uint32_t));
}

ImagePtr loadImageFile(const std::string& nativePath) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(nativePath, ec)) return nullptr;
    const std::uintmax_t size = std::filesystem::file_size(nativePath, ec);
    // The largest bitmap of kMaxSide a side at 32 bits, with room for its headers.
    constexpr std::uintmax_t kMaxFile = 4 * kMaxSide * kMaxSide + 65536;
    if (ec || size == 0 || size > kMaxFile) return nullptr;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::ifstream in(nativePath, std::ios::binary);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) return nullptr;
    if (!isBitmap(bytes)) return nullptr;
    int w = 0;
    int h = 0;
    int channels = 0;
    unsigned char* data =
        stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                              static_cast<int>(bytes.size()), &w, &h, &channels, 3);
    if (data == nullptr) return nullptr;
    if (w <= 0 || h <= 0) {
        stbi_image_free(data);
        return nullptr;
    }
    auto img = std::make_shared<Image>(w, h);
    const unsigned char* s = data;
    for (std::uint32_t& p : img->pixels) {
        p = (static_cast<std::uint32_t>(s[0]) << 16) | (static_cast<std::uint32_t>(s[1]) << 8) |
            static_cast<std::uint32_t>(s[2]);
        s += 3;
    }
    stbi_image_free(data);
    return img;
}

bool saveBmp(const Image& img, const std::string& nativePath) {
    if (!writable(img)) return false;
    const auto bytes = toRgbBytes(img);
    // Three components make stb write a plain 24-bit bitmap.
    return stbi_write_bmp(nativePath.c_str(), img.width, img.height, 3, bytes.data()) != 0;
}

bool savePng(const Image& img, const std::string& nativePath) {
    if (!writable(img)) return false;
    const auto bytes = toRgbBytes(img);
    return stbi_write_png(nativePath.c_str(), img.width, img.height, 3, bytes.data(),
                          img.width * 3) != 0;
}

} // namespace zb
