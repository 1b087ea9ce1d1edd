#pragma once
// Painting into a software framebuffer. Every control draws through a Canvas
// that clips to its parent's rectangle; the renderer walks the tree back to front.

#include "ui/Font.h"
#include "ui/Image.h"

#include <cstdint>
#include <string>

namespace zb {

class Control;

struct ClipRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    ClipRect intersect(const ClipRect& o) const;
    bool empty() const { return w <= 0 || h <= 0; }
};

struct Canvas {
    Image& target;
    ClipRect clip;

    void fillRect(int x, int y, int w, int h, std::uint32_t colour);
    void frameRect(int x, int y, int w, int h, std::uint32_t colour, int thickness = 1);
    // Copies a picture; with a colour key, pixels of that colour are left out.
    void blit(const Image& src, int x, int y, bool keyed = false, std::uint32_t key = 0);
    // Scales a picture to w x h (nearest neighbour).
    void stretchBlit(const Image& src, int x, int y, int w, int h, bool keyed = false,
                     std::uint32_t key = 0);
    void text(int x, int y, const FontSpec& font, const std::string& utf8, std::uint32_t colour);
};

// Paints a control and all its showing children into the frame, the control's
// top-left at (originX, originY).
void renderTree(const Control& root, Image& frame, int originX = 0, int originY = 0);

} // namespace zb
