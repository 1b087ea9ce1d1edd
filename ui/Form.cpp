#include "ui/Form.h"

namespace zb {

Form::Form(std::string n) : Control(std::move(n)) {}

namespace {

// Topmost showing, enabled control under (x, y), where (x, y) is relative to c.
Control* hitTest(Control& c, int x, int y) {
    const auto& kids = c.children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        Control& k = **it;
        if (!k.visible || !k.enabled) continue;
        int lx = x - k.left;
        int ly = y - k.top;
        if (lx < 0 || ly < 0 || lx >= k.width || ly >= k.height) continue;
        return hitTest(k, lx, ly);
    }
    return &c;
}

} // namespace

Control* Form::controlAt(int x, int y) {
    return hitTest(*this, x, y);
}

void Form::setFocus(Control* c) {
    if (focused_ == c) return;
    focused_ = c;
    if (c && c->onEnter) c->onEnter(*c);
}

void Form::forget(const Control* c) {
    if (captured_ == c) captured_ = nullptr;
    for (Control*& p : pressedOn_)
        if (p == c) p = nullptr;
    if (hovered_ == c) hovered_ = nullptr;
    if (focused_ == c) focused_ = nullptr;
}

void Form::dispatch(const InputEvent& ev) {
    switch (ev.type) {
    case EventType::MouseDown: {
        // Only the left button captures the pointer; a press of another button
        // reaches the control under it unless the left button holds one.
        Control* target = captured_ ? captured_ : controlAt(ev.x, ev.y);
        if (ev.button == MouseButton::Left)
            captured_ = target;
        else
            pressedOn_[buttonSlot(ev.button)] = target;
        if (target->canFocus() && ev.button == MouseButton::Left) setFocus(target);
        int lx = ev.x - target->formLeft();
        int ly = ev.y - target->formTop();
        target->builtinMouseDown(ev.button, lx, ly);
        if (target->onMouseDown) target->onMouseDown(*target, ev.button, ev.shift, lx, ly);
        break;
    }
    case EventType::MouseUp: {
        // A release of another button goes where its press went, so that the
        // throttle is let go even over a control that has no use for it.
        Control* target = captured_;
        if (ev.button == MouseButton::Left) {
            captured_ = nullptr;
        } else {
            Control*& pressed = pressedOn_[buttonSlot(ev.button)];
            if (!target) target = pressed;
            pressed = nullptr;
        }
        if (!target) target = controlAt(ev.x, ev.y);
        int lx = ev.x - target->formLeft();
        int ly = ev.y - target->formTop();
        target->builtinMouseUp(ev.button, lx, ly);
        if (target->onMouseUp) target->onMouseUp(*target, ev.button, ev.shift, lx, ly);
        // A click is a left press and release on the same control, released over it.
        if (ev.button == MouseButton::Left && target->onClick && target->showing() &&
            target->enabled && lx >= 0 && ly >= 0 && lx < target->width && ly < target->height)
            target->onClick(*target);
        break;
    }
    case EventType::MouseMove: {
        Control* target = captured_ ? captured_ : controlAt(ev.x, ev.y);
        if (!captured_ && hovered_ != target) {
            Control* old = hovered_;
            hovered_ = target;
            if (old && old->onMouseLeave) old->onMouseLeave(*old);
        }
        if (target->onMouseMove)
            target->onMouseMove(*target, ev.shift, ev.x - target->formLeft(),
                                ev.y - target->formTop());
        break;
    }
    case EventType::KeyDown:
    case EventType::KeyUp:
    case EventType::Char: {
        Control* target = (focused_ && focused_->showing() && focused_->enabled) ? focused_ : this;
        std::uint16_t key = ev.key;
        char32_t ch = ev.ch;
        if (ev.type == EventType::KeyDown) {
            if (target->onKeyDown) target->onKeyDown(*target, key, ev.shift);
            if (key) target->builtinKeyDown(key);
        } else if (ev.type == EventType::KeyUp) {
            if (target->onKeyUp) target->onKeyUp(*target, key, ev.shift);
        } else {
            if (target->onKeyPress) target->onKeyPress(*target, ch);
            if (ch) target->builtinKeyPress(ch);
        }
        break;
    }
    case EventType::Close:
        break;
    }
}

} // namespace zb
