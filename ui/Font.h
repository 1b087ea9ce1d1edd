#pragma once
// Text for labels and buttons: FreeType outlines found through fontconfig, with
// rendered glyphs cached. The game names Windows fonts; "ＭＳ ゴシック" resolves to a
// Japanese monospace gothic and "ＭＳ Ｐゴシック" to a proportional one.

#include <cstdint>
#include <memory>
#include <string>

namespace zb {

struct Image;

struct FontSpec {
    std::string face = "ＭＳ Ｐゴシック";
    int pixelSize = 12;
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

class FontEngine {
  public:
    FontEngine();
    ~FontEngine();
    FontEngine(const FontEngine&) = delete;
    FontEngine& operator=(const FontEngine&) = delete;

    // Size of a one-line UTF-8 text as it will be drawn.
    TextExtent measure(const FontSpec& font, const std::string& utf8);
    // Draws one line of UTF-8 text with its top-left corner at (x, y), clipped to
    // the clip rectangle and the image.
    void draw(Image& target, int x, int y, const FontSpec& font, const std::string& utf8,
              std::uint32_t colour, int clipX, int clipY, int clipW, int clipH);

    // The shared engine of the process (fonts and glyphs are loaded once).
    static FontEngine& instance();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace zb
