// How each kind of control looks. Every paint() draws only the control itself;
// the renderer has already clipped the canvas to the control and its parents and
// paints the children afterwards.

#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Renderer.h"

namespace zb {

namespace {

// The game's push buttons: a dark face with a thin light bevel.
constexpr std::uint32_t kButtonFace = rgb(32, 32, 32);
constexpr std::uint32_t kButtonLight = rgb(160, 160, 160);
constexpr std::uint32_t kButtonShadow = rgb(8, 8, 8);
constexpr std::uint32_t kButtonText = rgb(255, 255, 255);
constexpr std::uint32_t kButtonTextDisabled = rgb(112, 112, 112);

} // namespace

void Control::paint(Canvas& /*canvas*/, int /*x*/, int /*y*/) const {}

void Panel::paint(Canvas& canvas, int x, int y) const {
    if (!transparentBackground) canvas.fillRect(x, y, width, height, colour);
}

void Picture::paint(Canvas& canvas, int x, int y) const {
    if (!picture_ || picture_->empty()) return;
    const Image& pic = *picture_;
    const std::uint32_t key = pic.transparentColour();
    if (stretch) {
        canvas.stretchBlit(pic, x, y, width, height, transparent, key);
    } else if (center) {
        canvas.blit(pic, x + (width - pic.width) / 2, y + (height - pic.height) / 2, transparent,
                    key);
    } else {
        canvas.blit(pic, x, y, transparent, key);
    }
}

void Label::paint(Canvas& canvas, int x, int y) const {
    if (!transparent) canvas.fillRect(x, y, width, height, colour);
    if (caption_.empty()) return;
    int tx = x;
    if (alignment != Alignment::Left) {
        const int tw = FontEngine::instance().measure(font, caption_).width;
        tx = alignment == Alignment::Right ? x + width - tw : x + (width - tw) / 2;
    }
    canvas.text(tx, y, font, caption_, fontColour);
}

void Button::paint(Canvas& canvas, int x, int y) const {
    if (width <= 0 || height <= 0) return;
    canvas.fillRect(x, y, width, height, kButtonFace);
    // Raised: light on the top and left edges, shadow on the bottom and right.
    // Held down, the bevel turns over and the caption sinks one pixel.
    const std::uint32_t topLeft = pressed ? kButtonShadow : kButtonLight;
    const std::uint32_t bottomRight = pressed ? kButtonLight : kButtonShadow;
    canvas.fillRect(x, y, width, 1, topLeft);
    canvas.fillRect(x, y, 1, height, topLeft);
    canvas.fillRect(x, y + height - 1, width, 1, bottomRight);
    canvas.fillRect(x + width - 1, y, 1, height, bottomRight);
    if (caption.empty()) return;
    const TextExtent ext = FontEngine::instance().measure(font, caption);
    const int shift = pressed ? 1 : 0;
    canvas.text(x + (width - ext.width) / 2 + shift, y + (height - ext.height) / 2 + shift, font,
                caption, enabled ? kButtonText : kButtonTextDisabled);
}

void Shape::paint(Canvas& canvas, int x, int y) const {
    if (!hollow) canvas.fillRect(x, y, width, height, brush);
    if (penWidth > 0) canvas.frameRect(x, y, width, height, pen, penWidth);
}

void Form::paint(Canvas& canvas, int x, int y) const {
    canvas.fillRect(x, y, width, height, colour);
}

} // namespace zb
