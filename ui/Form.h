#pragma once
// The top-level window's client area: the root of the control tree. It turns
// input events into control events: hit testing picks the topmost showing and
// enabled control; the control that took a left press keeps the pointer until
// the left release (capture), while a press of another button goes to the
// control under the pointer and its release back to that control; keys go to
// the focused control.

#include "ui/Control.h"

#include <array>

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
    // The right and the middle button: where each was last pressed.
    static std::size_t buttonSlot(MouseButton b) { return b == MouseButton::Middle ? 1 : 0; }

    Control* captured_ = nullptr;            // held by the left button
    std::array<Control*, 2> pressedOn_ = {}; // right, middle
    Control* hovered_ = nullptr;
    Control* focused_ = nullptr;
};

} // namespace zb
