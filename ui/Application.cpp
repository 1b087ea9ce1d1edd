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

std::uint32_t Application::pump() {
    InputEvent ev;
    while (!terminated_ && platform_.pollEvent(ev))
        handle(ev);
    if (terminated_) return 0;

    std::uint32_t wait = kForever;
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        if (!timers_[i].enabled) continue;
        std::uint32_t now = platform_.timeGetTime();
        if (since(timers_[i].next, now) >= 0) {
            timers_[i].next = now + timers_[i].interval;
            // Timers keep time (the music's loop); one that changes the picture
            // calls invalidate() itself, so a still screen is not repainted.
            timers_[i].onTimer();
            if (terminated_) return 0;
        }
        if (timers_[i].enabled) {
            std::int32_t left = since(platform_.timeGetTime(), timers_[i].next);
            wait = std::min<std::uint32_t>(wait, left > 0 ? static_cast<std::uint32_t>(left) : 0);
        }
    }

    if (idle_ && lastTick_) {
        std::uint32_t now = platform_.timeGetTime();
        // On the wrapping clock, like the timers: a clock past its half-way mark
        // reads as negative and must still count forward.
        std::int32_t elapsed = since(static_cast<std::uint32_t>(*lastTick_), now);
        if (elapsed >= 0 && static_cast<std::uint32_t>(elapsed) >= idle_.period) {
            // The step may install another handler or none; the time stored after
            // it belongs to whichever is installed now, exactly as the game expects.
            auto step = idle_.step;
            step();
            dirty_ = true;
            platform_.sleep(1);
            if (lastTick_) *lastTick_ = static_cast<std::int32_t>(platform_.timeGetTime());
            wait = 0;
        } else {
            std::uint32_t left =
                elapsed < 0 ? idle_.period : idle_.period - static_cast<std::uint32_t>(elapsed);
            wait = std::min(wait, left);
        }
    }
    return wait;
}

void Application::paintIfDirty() {
    if (!dirty_ || !form_) return;
    dirty_ = false;
    if (frame_.width != form_->width || frame_.height != form_->height)
        frame_ = Image(form_->width, form_->height);
    renderTree(*form_, frame_);
    ++framesPainted_;
    platform_.present(frame_.pixels.data(), frame_.width, frame_.height);
}

void Application::run() {
    while (!terminated_) {
        std::uint32_t wait = pump();
        if (terminated_) break;
        if (wait > 0) {
            paintIfDirty();
            platform_.waitEvent(wait);
        }
    }
}

void Application::runFor(std::uint32_t ms) {
    const std::uint32_t end = platform_.timeGetTime() + ms;
    while (!terminated_) {
        std::uint32_t wait = pump();
        if (terminated_) break;
        std::int32_t left = since(platform_.timeGetTime(), end);
        if (left <= 0) break;
        if (wait > 0) {
            paintIfDirty();
            platform_.waitEvent(std::min(wait, static_cast<std::uint32_t>(left)));
        }
    }
    paintIfDirty();
}

} // namespace zb
