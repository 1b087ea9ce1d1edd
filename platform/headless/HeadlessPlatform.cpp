#include "platform/headless/HeadlessPlatform.h"

namespace zb {

HeadlessPlatform::HeadlessPlatform(std::uint32_t startTime, std::string lockPrefix)
    : now_(startTime), lockPrefix_(std::move(lockPrefix)) {}

bool HeadlessPlatform::pollEvent(InputEvent& ev) {
    if (queue_.empty()) return false;
    ev = queue_.front();
    queue_.pop_front();
    return true;
}

void HeadlessPlatform::waitEvent(std::uint32_t timeoutMs) {
    // Nothing arrives while the game waits on the virtual clock: time just passes.
    if (queue_.empty()) now_ += timeoutMs;
}

void HeadlessPlatform::present(const std::uint32_t*, int, int) {
    ++presents;
}

void HeadlessPlatform::messageBox(const std::string& text, const std::string&) {
    messages.push_back(text);
}

bool HeadlessPlatform::acquireInstanceLock(const std::string& name) {
    lockName = name;
    return lock_.acquire(lockPrefix_ + name);
}

namespace {
InputEvent mouseEvent(EventType t, MouseButton b, int x, int y, ShiftState s) {
    InputEvent ev;
    ev.type = t;
    ev.button = b;
    ev.x = x;
    ev.y = y;
    ev.shift = s;
    return ev;
}
} // namespace

void HeadlessPlatform::mouseDown(MouseButton b, int x, int y) {
    (b == MouseButton::Right ? rightHeld_ : leftHeld_) = true;
    pointerX_ = x;
    pointerY_ = y;
    push(mouseEvent(EventType::MouseDown, b, x, y,
                    {shiftHeld_, altHeld_, false, leftHeld_, rightHeld_}));
}

void HeadlessPlatform::mouseUp(MouseButton b, int x, int y) {
    (b == MouseButton::Right ? rightHeld_ : leftHeld_) = false;
    pointerX_ = x;
    pointerY_ = y;
    push(mouseEvent(EventType::MouseUp, b, x, y,
                    {shiftHeld_, altHeld_, false, leftHeld_, rightHeld_}));
}

void HeadlessPlatform::mouseMove(int x, int y) {
    pointerX_ = x;
    pointerY_ = y;
    push(mouseEvent(EventType::MouseMove, MouseButton::Left, x, y,
                    {shiftHeld_, altHeld_, false, leftHeld_, rightHeld_}));
}

void HeadlessPlatform::keyDown(std::uint16_t key) {
    if (key == vk::Alt) altHeld_ = true;
    if (key == vk::Shift) shiftHeld_ = true;
    InputEvent ev = mouseEvent(EventType::KeyDown, MouseButton::Left, pointerX_, pointerY_,
                               {shiftHeld_, altHeld_, false, leftHeld_, rightHeld_});
    ev.key = key;
    push(ev);
}

void HeadlessPlatform::keyUp(std::uint16_t key) {
    if (key == vk::Alt) altHeld_ = false;
    if (key == vk::Shift) shiftHeld_ = false;
    InputEvent ev = mouseEvent(EventType::KeyUp, MouseButton::Left, pointerX_, pointerY_,
                               {shiftHeld_, altHeld_, false, leftHeld_, rightHeld_});
    ev.key = key;
    push(ev);
}

void HeadlessPlatform::typeChar(char32_t ch) {
    InputEvent ev = mouseEvent(EventType::Char, MouseButton::Left, pointerX_, pointerY_, {});
    ev.ch = ch;
    push(ev);
}

void HeadlessPlatform::close() {
    InputEvent ev;
    ev.type = EventType::Close;
    push(ev);
}

} // namespace zb
