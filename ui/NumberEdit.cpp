#include "ui/NumberEdit.h"

#include "ui/DarkStyle.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace zb {

namespace {
constexpr std::uint16_t kEnd = 35;
constexpr std::uint16_t kHome = 36;
constexpr std::uint16_t kDelete = 46;
constexpr char32_t kBackspace = 8;
constexpr int kInset = 3; // text distance from the box's left and right edges
} // namespace

// ----------------------------------------------------------------- NumberEdit

void NumberEdit::setText(const std::string& text) {
    const std::string before = text_;
    text_ = text;
    caret_ = text_.size();
    selStart_ = caret_;
    selLength_ = 0;
    changed(before);
}

int NumberEdit::value(int fallback) const {
    int v = 0;
    const char* first = text_.data();
    const char* last = first + text_.size();
    const auto [end, ec] = std::from_chars(first, last, v);
    return ec == std::errc() && end == last && !text_.empty() ? v : fallback;
}

void NumberEdit::selectAll() {
    selStart_ = 0;
    selLength_ = text_.size();
    caret_ = text_.size();
}

void NumberEdit::changed(const std::string& before) {
    if (before != text_ && onChange) onChange(*this);
}

void NumberEdit::replaceSelection(const std::string& with) {
    const std::string before = text_;
    if (selLength_ > 0) {
        text_.erase(selStart_, selLength_);
        caret_ = selStart_;
    }
    text_.insert(caret_, with);
    caret_ += with.size();
    selStart_ = caret_;
    selLength_ = 0;
    changed(before);
}

void NumberEdit::builtinKeyPress(char32_t& ch) {
    if (ch == kBackspace) {
        if (selLength_ > 0) {
            replaceSelection("");
        } else if (caret_ > 0) {
            const std::string before = text_;
            text_.erase(caret_ - 1, 1);
            --caret_;
            selStart_ = caret_;
            changed(before);
        }
        return;
    }
    if (ch < U'0' || ch > U'9') return; // digits only
    if (text_.size() - selLength_ >= maxLength) return;
    replaceSelection(std::string(1, static_cast<char>(ch)));
}

void NumberEdit::builtinKeyDown(std::uint16_t& key) {
    std::size_t to = caret_;
    switch (key) {
    case vk::Left:
        to = selLength_ ? selStart_ : (caret_ > 0 ? caret_ - 1 : 0);
        break;
    case vk::Right:
        to = selLength_ ? selStart_ + selLength_ : std::min(caret_ + 1, text_.size());
        break;
    case kHome:
        to = 0;
        break;
    case kEnd:
        to = text_.size();
        break;
    case kDelete:
        if (selLength_ > 0) {
            replaceSelection("");
        } else if (caret_ < text_.size()) {
            const std::string before = text_;
            text_.erase(caret_, 1);
            changed(before);
        }
        return;
    default:
        return;
    }
    caret_ = to;
    selStart_ = to;
    selLength_ = 0;
}

int NumberEdit::textLeft() const {
    const int w = FontEngine::instance().measure(font, text_).width;
    switch (alignment) {
    case Alignment::Right:
        return width - kInset - w;
    case Alignment::Center:
        return (width - w) / 2;
    case Alignment::Left:
        break;
    }
    return kInset;
}

std::size_t NumberEdit::caretAt(int x) const {
    const int start = textLeft();
    std::size_t best = 0;
    int bestDistance = std::abs(x - start);
    for (std::size_t i = 1; i <= text_.size(); ++i) {
        const int edge = start + FontEngine::instance().measure(font, text_.substr(0, i)).width;
        if (std::abs(x - edge) < bestDistance) {
            bestDistance = std::abs(x - edge);
            best = i;
        }
    }
    return best;
}

void NumberEdit::builtinMouseDown(MouseButton b, int x, int /*y*/) {
    if (b != MouseButton::Left) return;
    if (!text_.empty() && selLength_ != text_.size()) {
        selectAll();
        return;
    }
    caret_ = caretAt(x);
    selStart_ = caret_;
    selLength_ = 0;
}

void NumberEdit::paint(Canvas& canvas, int x, int y) const {
    canvas.fillRect(x, y, width, height, colour);
    dark::bevel(canvas, x, y, width, height, false);
    const int lineHeight = FontEngine::instance().measure(font, "0").height;
    const int ty = y + (height - lineHeight) / 2;
    const int start = x + textLeft();
    auto edge = [&](std::size_t i) {
        return start + (i ? FontEngine::instance().measure(font, text_.substr(0, i)).width : 0);
    };
    const bool focused = dark::hasFocus(*this);
    if (focused && selLength_ > 0) {
        const int sx = edge(selStart_);
        canvas.fillRect(sx, ty, edge(selStart_ + selLength_) - sx, lineHeight, rgb(40, 84, 170));
    }
    canvas.text(start, ty, font, text_, enabled ? fontColour : rgb(112, 112, 112));
    if (focused && selLength_ == 0) canvas.fillRect(edge(caret_), ty, 1, lineHeight, fontColour);
}

// --------------------------------------------------------------------- UpDown

void UpDown::setPosition(int p) {
    position_ = std::clamp(p, min, max);
    if (associate) associate->setText(std::to_string(position_));
}

void UpDown::step(int direction) {
    if (associate) {
        // Typed text counts: the arrows go on from the number in the box.
        position_ = std::clamp(associate->value(position_), min, max);
    }
    const int next = std::clamp(position_ + direction * increment, min, max);
    bool allow = true;
    if (onChanging) onChanging(*this, allow);
    if (!allow) return;
    position_ = next;
    if (associate) associate->setText(std::to_string(position_));
}

void UpDown::builtinMouseDown(MouseButton b, int /*x*/, int y) {
    if (b != MouseButton::Left) return;
    held_ = y < height / 2 ? 1 : -1;
    step(held_);
}

void UpDown::builtinMouseUp(MouseButton b, int, int) {
    if (b == MouseButton::Left) held_ = 0;
}

void UpDown::paint(Canvas& canvas, int x, int y) const {
    const int upper = height / 2;
    dark::buttonFace(canvas, x, y, width, upper, held_ == 1);
    dark::arrow(canvas, x, y, width, upper, true);
    dark::buttonFace(canvas, x, y + upper, width, height - upper, held_ == -1);
    dark::arrow(canvas, x, y + upper, width, height - upper, false);
}

} // namespace zb
