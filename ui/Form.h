#pragma once
// The top-level window's client area: the root of the control tree. It turns
// input events into control events: hit testing picks the topmost showing and
// enabled control, the control that took a button press keeps the pointer until
// the release (capture), keys go to the focused control.

#include "ui/Control.h"

namespace zb {

class Form : public Control {
  public:
    explicit Form(std::string name);

    std::uint32_t colour = rgb(10, 10, 10);
    FontSpec font;

    // Routes one input event. Close events are not the form's business.
    void dispatch(const InputEvent& ev);

    // The topmost showing, enabled control at a point in form coordinates;
    // the form itself when no child is there.
    Control* controlAt(int x, int y);

    Control* focused() const { return focused_; }
    void setFocus(Control* c);
    Control* captured() const { return captured_; }

    // Forget every reference to a control about to be destroyed.
    void forget(const Control* c);

    void paint(Canvas& canvas, int x, int y) const override;

  private:
    Control* captured_ = nullptr;
    MouseButton captureButton_ = MouseButton::Left;
    Control* hovered_ = nullptr;
    Control* focused_ = nullptr;
};

} // namespace zb
