#include "ui/TabControl.h"

#include "ui/DarkStyle.h"

namespace zb {

namespace {
constexpr int kTabPadding = 10; // each side of a tab's caption
constexpr int kFirstTab = 2;    // the first tab's left edge
} // namespace

void TabControl::setTabIndex(int i) {
    if (i >= 0 && i < static_cast<int>(tabs.size())) tabIndex_ = i;
}

void TabControl::tabSpan(int i, int& tabLeft, int& w) const {
    tabLeft = kFirstTab;
    w = 0;
    for (int k = 0; k <= i && k < static_cast<int>(tabs.size()); ++k) {
        tabLeft += w;
        w = FontEngine::instance().measure(font, tabs[static_cast<std::size_t>(k)]).width +
            2 * kTabPadding;
    }
}

int TabControl::tabAt(int x, int y) const {
    if (y < 0 || y >= tabHeight) return -1;
    for (int i = 0; i < static_cast<int>(tabs.size()); ++i) {
        int tabLeft = 0;
        int w = 0;
        tabSpan(i, tabLeft, w);
        if (x >= tabLeft && x < tabLeft + w) return i;
    }
    return -1;
}

void TabControl::changeTo(int i) {
    if (i < 0 || i >= static_cast<int>(tabs.size()) || i == tabIndex_) return;
    tabIndex_ = i;
    if (onChange) onChange(*this);
}

void TabControl::builtinMouseDown(MouseButton b, int x, int y) {
    if (b == MouseButton::Left) changeTo(tabAt(x, y));
}

void TabControl::builtinKeyDown(std::uint16_t& key) {
    if (key == vk::Left)
        changeTo(tabIndex_ - 1);
    else if (key == vk::Right)
        changeTo(tabIndex_ + 1);
}

void TabControl::paint(Canvas& canvas, int x, int y) const {
    // The page: a dark face in a raised frame, its top edge open under the
    // current tab.
    const int pageTop = y + tabHeight - 2;
    canvas.fillRect(x, pageTop, width, height - tabHeight + 2, colour);
    dark::bevel(canvas, x, pageTop, width, height - tabHeight + 2, true);
    for (int i = 0; i < static_cast<int>(tabs.size()); ++i) {
        int tabLeft = 0;
        int w = 0;
        tabSpan(i, tabLeft, w);
        const bool current = i == tabIndex_;
        // The current tab stands two pixels taller and joins the page.
        const int tx = x + tabLeft - (current ? 2 : 0);
        const int tw = w + (current ? 4 : 0);
        const int ty = y + (current ? 0 : 2);
        const int th = tabHeight - (current ? 0 : 2);
        canvas.fillRect(tx, ty, tw, th, current ? colour : rgb(22, 22, 22));
        canvas.fillRect(tx, ty, tw, 1, dark::kLight);
        canvas.fillRect(tx, ty, 1, th, dark::kLight);
        canvas.fillRect(tx + tw - 1, ty, 1, th, dark::kShadow);
        if (current) canvas.fillRect(tx + 1, pageTop, tw - 2, 1, colour);
        const std::string& caption = tabs[static_cast<std::size_t>(i)];
        const TextExtent e = FontEngine::instance().measure(font, caption);
        canvas.text(tx + (tw - e.width) / 2, ty + (th - e.height) / 2, font, caption,
                    current ? fontColour : rgb(170, 170, 170));
    }
}

} // namespace zb
