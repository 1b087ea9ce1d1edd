#include "ui/Application.h"

#include "ui/Form.h"
#include "ui/Renderer.h"

#include <algorithm>
#include <limits>

namespace zb {

namespace {
constexpr std::uint32_t kForever = std::numeric_limits<std::uint32_t>::max();

// Milliseconds from a to b on the wrapping 32-bit clock (negative when b is earlier).
std::int32_t since(std::uint32_t a, std::uint32_t b) {
    return static_cast<std::int32_t>(b - a);
}
} // namespace

Application::Application(Platform& platform) : platform_(platform) {}

void Application::setIdle(IdleHandler handler, std::int32_t* lastTick) {
    idle_ = std::move(handler);
    lastTick_ = lastTick;
}

void Application::clearIdle() {
    idle_ = IdleHandler{};
    lastTick_ = nullptr;
}

int Application::addTimer(std::uint32_t interval, std::function<void()> onTimer) {
    timers_.push_back(Timer{interval, std::move(onTimer)});
    return static_cast<int>(timers_.size()) - 1;
}

void Application::setTimerEnabled(int id, bool enabled) {
    Timer& t = timers_.at(static_cast<std::size_t>(id));
    if (enabled && !t.enabled) t.next = platform_.timeGetTime() + t.interval;
    t.enabled = enabled;
}

bool Application::timerEnabled(int id) const {
    return timers_.at(static_cast<std::size_t>(id)).enabled;
}

void Application::terminate(int exitCode) {
    if (!terminated_) exitCode_ = exitCode;
    terminated_ = true;
}

void Application::handle(const InputEvent& ev) {
    if (ev.type == EventType::Close) {
        if (onClose)
            onClose();
        else
            terminate(0);
        return;
    }
    if (ev.type != EventType::Char) {
        lastX_ = ev.x;
        lastY_ = ev.y;
    }
    if (form_) form_->dispatch(ev);
    dirty_ = true;
}

void Application::pump() {
    InputEvent ev;
    while (!terminated_ && platform_.pollEvent(ev))
        handle(ev);
    if (terminated_) return;

    for (auto& timer : timers_) {
        if (!timer.enabled) continue;
        const std::uint32_t now = platform_.timeGetTime();
        if (since(timer.next, now) >= 0) {
            timer.next = now + timer.interval;
            // Timers keep time (the music's loop); one that changes the picture
            // calls invalidate() itself, so a still screen is not repainted.
            timer.onTimer();
            if (terminated_) return;
        }
    }

    if (idle_ && lastTick_) {
        const std::uint32_t now = platform_.timeGetTime();
        // On the wrapping clock, like the timers: a clock past its half-way mark
        // reads as negative and must still count forward.
        const std::int32_t elapsed = since(static_cast<std::uint32_t>(*lastTick_), now);
        if (elapsed >= 0 && static_cast<std::uint32_t>(elapsed) >= idle_.period) {
            // The step may install another handler or none; the time stored after
            // it belongs to whichever is installed now, exactly as the game expects.
            auto step = idle_.step;
            step();
            dirty_ = true;
            platform_.sleep(1);
            if (lastTick_) *lastTick_ = static_cast<std::int32_t>(platform_.timeGetTime());
        }
    }
}

std::uint32_t Application::untilDue() {
    const std::uint32_t now = platform_.timeGetTime();
    std::uint32_t wait = kForever;
    for (const auto& timer : timers_) {
        if (!timer.enabled) continue;
        const std::int32_t left = since(now, timer.next);
        wait = std::min<std::uint32_t>(wait, left > 0 ? static_cast<std::uint32_t>(left) : 0);
    }
    if (idle_ && lastTick_) {
        const std::int32_t elapsed = since(static_cast<std::uint32_t>(*lastTick_), now);
        // A clock read before the last step's (it cannot go back on a real
        // machine) waits one period rather than forever.
        std::uint32_t left = idle_.period;
        if (elapsed >= 0)
            left = static_cast<std::uint32_t>(elapsed) >= idle_.period
                       ? 0
                       : idle_.period - static_cast<std::uint32_t>(elapsed);
        wait = std::min(wait, left);
    }
    return wait;
}

void Application::paintIfDirty() {
    if (!dirty_ || !form_) return;
    dirty_ = false;
    if (back_.width != form_->width || back_.height != form_->height)
        back_ = Image(form_->width, form_->height);
    renderTree(*form_, back_);
    ++framesPainted_;
    // Most steps of a waiting scene or a still map change nothing on screen:
    // only a frame that differs from the one shown is handed to the window.
    if (back_.width == frame_.width && back_.height == frame_.height &&
        back_.pixels == frame_.pixels)
        return;
    std::swap(frame_, back_);
    ++framesShown_;
    platform_.present(frame_.pixels.data(), frame_.width, frame_.height);
}

void Application::loopOnce(const std::uint32_t* end) {
    pump();
    if (terminated_) return;
    if (untilDue() == 0) return; // more is due at once: no time to show a frame
    paintIfDirty();
    // What is left after painting: a step comes exactly one period after the
    // last, however long the frame took to paint and show.
    std::uint32_t wait = untilDue();
    if (end != nullptr) {
        const std::int32_t left = since(platform_.timeGetTime(), *end);
        wait = std::min<std::uint32_t>(wait, left > 0 ? static_cast<std::uint32_t>(left) : 0);
    }
    if (wait > 0) platform_.waitEvent(wait);
}

void Application::run() {
    while (!terminated_)
        loopOnce(nullptr);
}

void Application::runFor(std::uint32_t ms) {
    const std::uint32_t end = platform_.timeGetTime() + ms;
    while (!terminated_) {
        if (since(platform_.timeGetTime(), end) <= 0) {
            pump(); // what is due at the last moment still happens
            break;
        }
        loopOnce(&end);
    }
    if (!terminated_) paintIfDirty();
}

} // namespace zb
