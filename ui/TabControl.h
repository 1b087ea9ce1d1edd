#pragma once
// A row of tabs over a page. The player changes the tab with a left press on
// it, or with the Left and Right keys while the control has the focus; each such
// change fires onChange once. Setting the tab from code fires nothing. The
// control only draws the tabs and the page's frame: what the page shows is the
// game's business (children placed inside the page area).

#include "ui/Control.h"

#include <string>
#include <vector>

namespace zb {

class TabControl : public Control {
  public:
    using Control::Control;

    FontSpec font{"ＭＳ Ｐゴシック", 12, false};
    std::uint32_t colour = rgb(32, 32, 32);
    std::uint32_t fontColour = rgb(255, 255, 255);
    int tabHeight = 20;
    std::vector<std::string> tabs;
    NotifyHandler onChange;

    int tabIndex() const { return tabIndex_; }
    // Makes a tab current without an event; a number outside the tabs is ignored.
    void setTabIndex(int i);

    // The tab under a point of the control; -1 where there is none.
    int tabAt(int x, int y) const;
    // Left and width of a tab's header inside the control.
    void tabSpan(int i, int& tabLeft, int& w) const;

    bool canFocus() const override { return true; }
    void builtinMouseDown(MouseButton b, int x, int y) override;
    void builtinKeyDown(std::uint16_t& key) override;
    void paint(Canvas& canvas, int x, int y) const override;

  private:
    void changeTo(int i); // a change by the player

    int tabIndex_ = 0;
};

} // namespace zb
