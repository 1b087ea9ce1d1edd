#include "platform/headless/HeadlessPlatform.h"

#include <unistd.h>

namespace zb {

std::string HeadlessPlatform::processLockPrefix() {
    return "test-" + std::to_string(::getpid()) + "-";
}

HeadlessPlatform::HeadlessPlatform(std::uint32_t startTime, std::string lockPrefix)
    : now_(startTime), lockPrefix_(std::move(lockPrefix)) {
    music.keepLog = true;
}

std::string HeadlessPlatform::mciSendString(const std::string& command) {
    soundCommands.push_back(command);
    return sound.send(command);
}

std::tm HeadlessPlatform::makeLocalTime(int year, int month, int day, int hour, int minute,
                                        int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

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
