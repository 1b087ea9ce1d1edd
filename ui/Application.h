#pragma once
// The application object: one message loop on one thread. Input events are
// handled between steps, never inside one. A screen installs at most one idle
// handler, which the loop calls whenever no input is pending; a handler steps when
// its period has passed since its last step, then the loop sleeps 1 ms and stores
// the clock as the time of that step. Timers (the 100 ms music timer) fire on the
// same thread. Between steps the loop paints the frame, shows it if it changed,
// and waits for input or for the next due moment instead of spinning.

#include "platform/Platform.h"
#include "ui/Image.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zb {

class Form;

struct IdleHandler {
    std::string name; // the game's name for it, e.g. "AppMap"
    std::uint32_t period = 20;
    std::function<void()> step;
    explicit operator bool() const { return static_cast<bool>(step); }
};

class Application {
  public:
    explicit Application(Platform& platform);

    Platform& platform() { return platform_; }

    std::string title;

    void setMainForm(Form* form) { form_ = form; }
    Form* mainForm() const { return form_; }

    // The idle event. `lastTick` is where the game keeps the time of the last step.
    void setIdle(IdleHandler handler, std::int32_t* lastTick);
    void clearIdle();
    const IdleHandler& idle() const { return idle_; }

    // A timer on the loop's thread; returns its id.
    int addTimer(std::uint32_t interval, std::function<void()> onTimer);
    void setTimerEnabled(int id, bool enabled);
    bool timerEnabled(int id) const;

    void terminate(int exitCode = 0);
    bool terminated() const { return terminated_; }
    int exitCode() const { return exitCode_; }
    void minimise() { platform_.minimise(); }

    // Pointer position of the last input message, in form client coordinates.
    int lastMessageX() const { return lastX_; }
    int lastMessageY() const { return lastY_; }

    // Runs until terminated or the window is closed.
    void run();
    // Runs until the clock reaches now + ms (tests on the virtual clock), or
    // until terminated. Returns at once when terminated.
    void runFor(std::uint32_t ms);

    // The frame on the window now (the form's client area).
    const Image& frame() const { return frame_; }
    // Paints the form now if anything may have changed, and shows it when it
    // differs from the frame on the window.
    void paintIfDirty();
    void invalidate() { dirty_ = true; }
    std::uint64_t framesPainted() const { return framesPainted_; }
    std::uint64_t framesShown() const { return framesShown_; }

    // Called when the window is asked to close; returns whether to close.
    std::function<void()> onClose;

  private:
    struct Timer {
        std::uint32_t interval;
        std::function<void()> onTimer;
        bool enabled = false;
        std::uint32_t next = 0;
    };

    // One pass: pending input, due timers, the idle step if its period is over.
    void pump();
    // How long until a timer or the idle step is due (0: now).
    std::uint32_t untilDue();
    // A pass, then the frame, then a wait for input or the next due moment, at
    // most until `end` when given.
    void loopOnce(const std::uint32_t* end);
    void handle(const InputEvent& ev);

    Platform& platform_;
    Form* form_ = nullptr;
    IdleHandler idle_;
    std::int32_t* lastTick_ = nullptr;
    std::vector<Timer> timers_;
    bool terminated_ = false;
    int exitCode_ = 0;
    int lastX_ = 0;
    int lastY_ = 0;
    bool dirty_ = true;
    Image frame_; // shown
    Image back_;  // painted, compared with the one shown
    std::uint64_t framesPainted_ = 0;
    std::uint64_t framesShown_ = 0;
};

} // namespace zb
