#include "ui/ListBox.h"

#include "ui/DarkStyle.h"

#include <algorithm>

namespace zb {

namespace {
constexpr std::uint16_t kPageUp = 33;
constexpr std::uint16_t kPageDown = 34;
constexpr std::uint16_t kEnd = 35;
constexpr std::uint16_t kHome = 36;
constexpr int kBorder = 2; // the sunken frame
} // namespace

void ListBox::add(const std::string& utf8) {
    items_.push_back(utf8);
}

void ListBox::clear() {
    items_.clear();
    itemIndex_ = -1;
    topIndex_ = 0;
}

void ListBox::setItemIndex(int i) {
    if (i < 0 || i >= count()) {
        itemIndex_ = -1;
        return;
    }
    itemIndex_ = i;
    scrollIntoView(i);
}

void ListBox::pick(int i) {
    const int before = itemIndex_;
    setItemIndex(i);
    if (itemIndex_ != before && onChange) onChange(*this);
}

std::string ListBox::selectedText() const {
    return hasSelection() ? item(itemIndex_) : std::string();
}

int ListBox::visibleRows() const {
    if (itemHeight <= 0) return 0;
    return std::max(0, (height - 2 * kBorder) / itemHeight);
}

int ListBox::maxTopIndex() const {
    return std::max(0, count() - std::max(1, visibleRows()));
}

void ListBox::setTopIndex(int i) {
    topIndex_ = std::clamp(i, 0, maxTopIndex());
}

void ListBox::scrollIntoView(int i) {
    const int rows = std::max(1, visibleRows());
    if (i < topIndex_)
        setTopIndex(i);
    else if (i >= topIndex_ + rows)
        setTopIndex(i - rows + 1);
}

void ListBox::thumb(int& thumbTop, int& size) const {
    const int track = height - 2 * kBorder - 2 * kScrollBarWidth;
    const int rows = std::max(1, visibleRows());
    size = std::clamp(track * rows / std::max(1, count()), std::min(8, track), track);
    thumbTop = kBorder + kScrollBarWidth +
               (maxTopIndex() ? (track - size) * topIndex_ / maxTopIndex() : 0);
}

int ListBox::indexAt(int x, int y) const {
    const int textRight = width - kBorder - (scrollBarShown() ? kScrollBarWidth : 0);
    if (x < kBorder || x >= textRight || y < kBorder || y >= height - kBorder) return -1;
    const int row = (y - kBorder) / std::max(1, itemHeight);
    if (row >= visibleRows()) return -1;
    const int i = topIndex_ + row;
    return i < count() ? i : -1;
}

void ListBox::builtinMouseDown(MouseButton b, int x, int y) {
    if (b != MouseButton::Left) return;
    if (scrollBarShown() && x >= width - kBorder - kScrollBarWidth && x < width - kBorder) {
        // The scroll bar: the arrows move one line, the track a page.
        const int barTop = kBorder;
        const int bottom = height - kBorder;
        const int rows = std::max(1, visibleRows());
        if (y < barTop + kScrollBarWidth) {
            setTopIndex(topIndex_ - 1);
        } else if (y >= bottom - kScrollBarWidth) {
            setTopIndex(topIndex_ + 1);
        } else {
            int thumbTop = 0;
            int thumbSize = 0;
            thumb(thumbTop, thumbSize);
            if (y < thumbTop)
                setTopIndex(topIndex_ - rows);
            else if (y >= thumbTop + thumbSize)
                setTopIndex(topIndex_ + rows);
        }
        return;
    }
    const int i = indexAt(x, y);
    if (i >= 0) pick(i);
}

void ListBox::builtinKeyDown(std::uint16_t& key) {
    if (items_.empty()) return;
    const int last = count() - 1;
    const int page = std::max(1, visibleRows() - 1);
    const int cur = itemIndex_;
    int next = cur;
    switch (key) {
    case vk::Up:
        next = cur < 0 ? 0 : cur - 1;
        break;
    case vk::Down:
        next = cur < 0 ? 0 : cur + 1;
        break;
    case kPageUp:
        next = cur < 0 ? 0 : cur - page;
        break;
    case kPageDown:
        next = cur < 0 ? 0 : cur + page;
        break;
    case kHome:
        next = 0;
        break;
    case kEnd:
        next = last;
        break;
    default:
        return;
    }
    pick(std::clamp(next, 0, last));
}

void ListBox::paint(Canvas& canvas, int x, int y) const {
    canvas.fillRect(x, y, width, height, colour);
    const bool bar = scrollBarShown();
    const int textWidth = width - 2 * kBorder - (bar ? kScrollBarWidth : 0);
    {
        // Lines are clipped to the text area, never drawn over the scroll bar.
        Canvas inner{canvas.target, canvas.clip.intersect({x + kBorder, y + kBorder, textWidth,
                                                           height - 2 * kBorder})};
        const int rows = visibleRows();
        for (int r = 0; r <= rows; ++r) {
            const int i = topIndex_ + r;
            if (i >= count()) break;
            const int ry = y + kBorder + r * itemHeight;
            const bool selected = i == itemIndex_;
            if (selected) inner.fillRect(x + kBorder, ry, textWidth, itemHeight, highlight);
            inner.text(x + kBorder + 2, ry + 1, font, item(i), fontColour);
        }
    }
    if (bar) {
        const int bx = x + width - kBorder - kScrollBarWidth;
        const int barTop = y + kBorder;
        const int h = height - 2 * kBorder;
        canvas.fillRect(bx, barTop, kScrollBarWidth, h, rgb(20, 20, 20));
        dark::buttonFace(canvas, bx, barTop, kScrollBarWidth, kScrollBarWidth, false);
        dark::arrow(canvas, bx, barTop, kScrollBarWidth, kScrollBarWidth, true);
        dark::buttonFace(canvas, bx, barTop + h - kScrollBarWidth, kScrollBarWidth, kScrollBarWidth,
                         false);
        dark::arrow(canvas, bx, barTop + h - kScrollBarWidth, kScrollBarWidth, kScrollBarWidth,
                    false);
        int thumbTop = 0;
        int thumbSize = 0;
        thumb(thumbTop, thumbSize);
        dark::buttonFace(canvas, bx, y + thumbTop, kScrollBarWidth, thumbSize, false);
    }
    dark::bevel(canvas, x, y, width, height, false);
    dark::bevel(canvas, x + 1, y + 1, width - 2, height - 2, false);
}

} // namespace zb
