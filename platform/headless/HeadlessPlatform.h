#pragma once
// The backend the tests run on: a virtual millisecond clock that only moves when
// the game sleeps or waits, input events the test injects, and a record of what a
// real window would have shown (frames, message boxes, window changes).

#include "platform/Platform.h"
#include "platform/SilentAudio.h"
#include "platform/SoundCommands.h"

#include <deque>
#include <string>
#include <vector>

namespace zb {

class HeadlessPlatform : public Platform {
  public:
    // The lock name is prefixed with the process, so a test never collides with a
    // real game running, nor with tests running at the same time in other
    // processes; two platforms of one test share it, as two copies of the game do.
    explicit HeadlessPlatform(std::uint32_t startTime = 1000,
                              std::string lockPrefix = processLockPrefix());
    static std::string processLockPrefix();

    std::uint32_t timeGetTime() override { return now_; }
    void sleep(std::uint32_t ms) override { now_ += ms; }
    std::tm localTime() override { return localNow; }
    bool pollEvent(InputEvent& ev) override;
    void waitEvent(std::uint32_t timeoutMs) override;
    void setCaption(const std::string& utf8) override { caption = utf8; }
    void setClientSize(int w, int h) override {
        clientWidth = w;
        clientHeight = h;
    }
    void centreWindow() override { ++centred; }
    bool setFullScreen(bool on) override {
        if (on && fullScreenRefused) return false;
        fullScreen = on;
        return true;
    }
    void minimise() override { minimised = true; }
    void present(const std::uint32_t* pixels, int width, int height) override;
    void messageBox(const std::string& text, const std::string& caption) override;
    bool acquireInstanceLock(const std::string& name) override;
    std::string mciSendString(const std::string& command) override;
    MusicPlayer& musicPlayer() override { return music; }

    // --- what the test controls ---
    void setTime(std::uint32_t t) { now_ = t; }
    // A desktop where the window cannot really become full screen.
    bool fullScreenRefused = false;
    // The wall clock the game reads; it stands still unless the test sets it.
    std::tm localNow = makeLocalTime(2009, 2, 15, 15, 32, 0);
    static std::tm makeLocalTime(int year, int month, int day, int hour, int minute, int second);
    void push(const InputEvent& ev) { queue_.push_back(ev); }
    void mouseDown(MouseButton b, int x, int y);
    void mouseUp(MouseButton b, int x, int y);
    void mouseMove(int x, int y);
    void keyDown(std::uint16_t key);
    void keyUp(std::uint16_t key);
    void typeChar(char32_t ch);
    void close();
    bool pending() const { return !queue_.empty(); }

    // --- what a window would have shown ---
    std::string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    int centred = 0;
    bool fullScreen = false;
    bool minimised = false;
    int presents = 0;
    std::vector<std::string> messages; // text of every message box, in order
    std::string lockName;              // the lock asked for, without the prefix

    // --- what a sound card would have played, timed on the virtual clock ---
    std::vector<std::string> soundCommands; // every effect command, in order
    SilentEffects effects{[this] { return now_; }};
    SoundCommandInterpreter sound{effects};
    // Logs every open, play, pause, stop and close (music.log).
    SilentMusicPlayer music{[this] { return now_; }};
    // The reply to a command, without recording it among soundCommands.
    std::string soundStatus(const std::string& alias) {
        return sound.send("status " + alias + " mode");
    }

  private:
    std::uint32_t now_;
    std::deque<InputEvent> queue_;
    std::string lockPrefix_;
    InstanceLock lock_;
    int pointerX_ = 0;
    int pointerY_ = 0;
    bool leftHeld_ = false;
    bool rightHeld_ = false;
    bool altHeld_ = false;
    bool shiftHeld_ = false;
};

} // namespace zb
