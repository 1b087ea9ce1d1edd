#pragma once
// A single-selection list of text lines with a vertical scroll bar when the
// lines do not fit. A left press selects the line under the pointer; the arrow
// keys, Home, End, Page Up and Page Down move the selection while the list has
// the focus; either way the list reports the change. The game reads the
// selected text and clears the selection itself.

#include "ui/Control.h"

#include <string>
#include <vector>

namespace zb {

class ListBox : public Control {
  public:
    using Control::Control;

    static constexpr int kScrollBarWidth = 16;

    FontSpec font{"ＭＳ ゴシック", 12, false};
    std::uint32_t colour = rgb(32, 32, 32);
    std::uint32_t fontColour = rgb(255, 255, 255);
    std::uint32_t highlight = rgb(40, 84, 170);
    int itemHeight = 14;
    // The player moved the selection: a press on another line or a key.
    NotifyHandler onChange;

    const std::vector<std::string>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    void add(const std::string& utf8);
    // Empties the list; the selection and the scroll position go with it.
    void clear();

    // -1 when nothing is selected.
    int itemIndex() const { return itemIndex_; }
    // Selects a line (scrolled into view); -1 or any number outside the list
    // clears the selection.
    void setItemIndex(int i);
    void clearSelection() { itemIndex_ = -1; }
    bool hasSelection() const { return itemIndex_ >= 0; }
    // The selected line; empty when nothing is selected.
    std::string selectedText() const;

    int topIndex() const { return topIndex_; }
    void setTopIndex(int i);
    // Whole lines that fit in the list.
    int visibleRows() const;
    bool scrollBarShown() const { return count() > visibleRows(); }
    // The line at a point inside the list; -1 where there is none (the scroll
    // bar, the space below the last line).
    int indexAt(int x, int y) const;

    bool canFocus() const override { return true; }
    void builtinMouseDown(MouseButton b, int x, int y) override;
    void builtinKeyDown(std::uint16_t& key) override;
    void paint(Canvas& canvas, int x, int y) const override;

  private:
    // Selects a line for the player and reports it when the selection moved.
    void pick(int i);
    void scrollIntoView(int i);
    int maxTopIndex() const;
    // The scroll bar's thumb: its top inside the list and its height.
    void thumb(int& top, int& size) const;

    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int topIndex_ = 0;
};

} // namespace zb
