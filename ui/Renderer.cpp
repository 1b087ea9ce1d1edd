// The software renderer: clipped rectangle fills, picture copies with an optional
// colour key, nearest-neighbour scaling, text, and the walk over the control tree.

#include "ui/Renderer.h"

#include "ui/Control.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace zb {

namespace {

// Half-open box in 64 bits, so that sums of far-off positions cannot overflow.
struct Box {
    long long x0, y0, x1, y1;
    bool empty() const { return x0 >= x1 || y0 >= y1; }
};

Box toBox(int x, int y, int w, int h) {
    return {x, y, static_cast<long long>(x) + w, static_cast<long long>(y) + h};
}

Box meet(const Box& a, const Box& b) {
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

// The part of the target a canvas may touch: its clip inside the image.
Box drawable(const Canvas& c) {
    return meet(toBox(c.clip.x, c.clip.y, c.clip.w, c.clip.h),
                Box{0, 0, c.target.width, c.target.height});
}

void paintNode(const Control& c, Image& frame, long long x, long long y, const Box& parentClip) {
    if (!c.visible) return;
    // Controls are laid out in int coordinates; a subtree pushed beyond that range
    // cannot be seen anyway.
    const Box own{x, y, x + std::max(c.width, 0), y + std::max(c.height, 0)};
    const Box clip = meet(own, parentClip);
    if (clip.empty()) return; // children are clipped to this control as well
    Canvas canvas{frame,
                  {static_cast<int>(clip.x0), static_cast<int>(clip.y0),
                   static_cast<int>(clip.x1 - clip.x0), static_cast<int>(clip.y1 - clip.y0)}};
    c.paint(canvas, static_cast<int>(x), static_cast<int>(y));
    for (const auto& child : c.children())
        paintNode(*child, frame, x + child->left, y + child->top, clip);
}

} // namespace

ClipRect ClipRect::intersect(const ClipRect& o) const {
    const Box b = meet(toBox(x, y, w, h), toBox(o.x, o.y, o.w, o.h));
    if (b.empty()) return {static_cast<int>(b.x0), static_cast<int>(b.y0), 0, 0};
    return {static_cast<int>(b.x0), static_cast<int>(b.y0), static_cast<int>(b.x1 - b.x0),
            static_cast<int>(b.y1 - b.y0)};
}

void Canvas::fillRect(int x, int y, int w, int h, std::uint32_t colour) {
    const Box b = meet(toBox(x, y, w, h), drawable(*this));
    if (b.empty()) return;
    target.fillRect(static_cast<int>(b.x0), static_cast<int>(b.y0), static_cast<int>(b.x1 - b.x0),
                    static_cast<int>(b.y1 - b.y0), colour);
}

void Canvas::frameRect(int x, int y, int w, int h, std::uint32_t colour, int thickness) {
    if (w <= 0 || h <= 0 || thickness <= 0) return;
    if (thickness * 2 >= w || thickness * 2 >= h) {
        fillRect(x, y, w, h, colour);
        return;
    }
    fillRect(x, y, w, thickness, colour);                                             // top
    fillRect(x, y + h - thickness, w, thickness, colour);                             // bottom
    fillRect(x, y + thickness, thickness, h - 2 * thickness, colour);                 // left
    fillRect(x + w - thickness, y + thickness, thickness, h - 2 * thickness, colour); // right
}

void Canvas::blit(const Image& src, int x, int y, bool keyed, std::uint32_t key) {
    if (src.empty()) return;
    const Box b = meet(toBox(x, y, src.width, src.height), drawable(*this));
    if (b.empty()) return;
    const auto span = static_cast<std::size_t>(b.x1 - b.x0);
    const long long sx = b.x0 - x;
    for (long long row = b.y0; row < b.y1; ++row) {
        const std::uint32_t* s =
            src.pixels.data() + static_cast<std::size_t>(row - y) * src.width + sx;
        std::uint32_t* d =
            target.pixels.data() + static_cast<std::size_t>(row) * target.width + b.x0;
        if (!keyed) {
            std::memcpy(d, s, span * sizeof(std::uint32_t));
        } else {
            for (std::size_t i = 0; i < span; ++i)
                if (s[i] != key) d[i] = s[i];
        }
    }
}

void Canvas::stretchBlit(const Image& src, int x, int y, int w, int h, bool keyed,
                         std::uint32_t key) {
    if (src.empty() || w <= 0 || h <= 0) return;
    if (w == src.width && h == src.height) {
        blit(src, x, y, keyed, key);
        return;
    }
    const Box b = meet(toBox(x, y, w, h), drawable(*this));
    if (b.empty()) return;
    // Source column of every visible destination column, worked out once.
    thread_local std::vector<int> columns;
    columns.resize(static_cast<std::size_t>(b.x1 - b.x0));
    for (long long dx = b.x0; dx < b.x1; ++dx)
        columns[static_cast<std::size_t>(dx - b.x0)] = static_cast<int>((dx - x) * src.width / w);
    for (long long row = b.y0; row < b.y1; ++row) {
        const long long sy = (row - y) * src.height / h;
        const std::uint32_t* s = src.pixels.data() + static_cast<std::size_t>(sy) * src.width;
        std::uint32_t* d =
            target.pixels.data() + static_cast<std::size_t>(row) * target.width + b.x0;
        const std::size_t n = columns.size();
        if (!keyed) {
            for (std::size_t i = 0; i < n; ++i)
                d[i] = s[columns[i]];
        } else {
            for (std::size_t i = 0; i < n; ++i) {
                const std::uint32_t p = s[columns[i]];
                if (p != key) d[i] = p;
            }
        }
    }
}

void Canvas::text(int x, int y, const FontSpec& font, const std::string& utf8,
                  std::uint32_t colour) {
    if (utf8.empty() || clip.empty()) return;
    FontEngine::instance().draw(target, x, y, font, utf8, colour, clip.x, clip.y, clip.w, clip.h);
}

void renderTree(const Control& root, Image& frame, int originX, int originY) {
    if (frame.empty()) return;
    paintNode(root, frame, originX, originY, Box{0, 0, frame.width, frame.height});
}

} // namespace zb
