#pragma once
// The look shared by the game's list boxes, tab control and number boxes: a dark
// grey face, white text, thin bevels and small arrow buttons.

#include "ui/Form.h"
#include "ui/Renderer.h"

#include <algorithm>
#include <cstdint>

namespace zb::dark {

constexpr std::uint32_t kFace = rgb(32, 32, 32);
constexpr std::uint32_t kText = rgb(255, 255, 255);
constexpr std::uint32_t kLight = rgb(150, 150, 150);
constexpr std::uint32_t kShadow = rgb(8, 8, 8);
constexpr std::uint32_t kButton = rgb(56, 56, 60);
constexpr std::uint32_t kButtonDown = rgb(24, 24, 26);
constexpr std::uint32_t kArrow = rgb(220, 220, 220);

// A one-pixel bevel: raised (light at the top left) or sunken.
inline void bevel(Canvas& c, int x, int y, int w, int h, bool raised) {
    const std::uint32_t tl = raised ? kLight : kShadow;
    const std::uint32_t br = raised ? kShadow : kLight;
    c.fillRect(x, y, w, 1, tl);
    c.fillRect(x, y, 1, h, tl);
    c.fillRect(x, y + h - 1, w, 1, br);
    c.fillRect(x + w - 1, y, 1, h, br);
}

// A small solid triangle pointing up or down, centred in the box.
inline void arrow(Canvas& c, int x, int y, int w, int h, bool up, std::uint32_t colour = kArrow) {
    const int half = std::max(1, std::min(w, h) / 4);
    const int cx = x + w / 2;
    const int top = y + (h - (half + 1)) / 2;
    for (int row = 0; row <= half; ++row) {
        const int span = up ? row : half - row;
        c.fillRect(cx - span, top + row, span * 2 + 1, 1, colour);
    }
}

// A push button face, raised or held down.
inline void buttonFace(Canvas& c, int x, int y, int w, int h, bool down) {
    c.fillRect(x, y, w, h, down ? kButtonDown : kButton);
    bevel(c, x, y, w, h, !down);
}

// Whether the control has the keyboard focus of the form it lies on.
inline bool hasFocus(const Control& control) {
    const Control* root = &control;
    while (root->parent())
        root = root->parent();
    const auto* form = dynamic_cast<const Form*>(root);
    return form && form->focused() == &control;
}

} // namespace zb::dark
