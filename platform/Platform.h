#pragma once
// What the game needs of the machine it runs on. The game itself never sees SDL:
// it paints a framebuffer, reads input events and the millisecond clock, and asks
// for the few window services below. Two backends implement this: the headless one
// the tests drive (virtual clock, injected input) and the SDL2 one players use.

#include <cstdint>
#include <ctime>
#include <string>

namespace zb {

enum class MouseButton : std::uint8_t { Left, Right, Middle };

// Keys use the Windows virtual-key numbers the game's routing is written in.
namespace vk {
constexpr std::uint16_t Back = 8;
constexpr std::uint16_t Tab = 9;
constexpr std::uint16_t Enter = 13;
constexpr std::uint16_t Shift = 16;
constexpr std::uint16_t Control = 17;
constexpr std::uint16_t Alt = 18;
constexpr std::uint16_t Escape = 27;
constexpr std::uint16_t Space = 32;
constexpr std::uint16_t Left = 37;
constexpr std::uint16_t Up = 38;
constexpr std::uint16_t Right = 39;
constexpr std::uint16_t Down = 40;
} // namespace vk

struct ShiftState {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
    bool left = false; // buttons held at the time of the event
    bool right = false;
};

enum class EventType : std::uint8_t { MouseDown, MouseUp, MouseMove, KeyDown, KeyUp, Char, Close };

struct InputEvent {
    EventType type = EventType::MouseMove;
    MouseButton button = MouseButton::Left;
    int x = 0; // pointer in form client pixels; may lie outside the form while captured
    int y = 0;
    std::uint16_t key = 0; // virtual key for KeyDown / KeyUp
    char32_t ch = 0;       // typed character for Char
    ShiftState shift;
};

// What the music player is doing now.
enum class MusicMode : std::uint8_t { Closed, Stopped, Playing, Paused };

// One compressed music file at a time, like the media-player control the game's
// music was written for. Paths are the game's ("dat\k_106.wma"). Only the game's
// thread calls it.
class MusicPlayer {
  public:
    virtual ~MusicPlayer() = default;
    // Closes what was open, then opens the file at its start, stopped. False when
    // it cannot be read or decoded; the player is then closed.
    virtual bool open(const std::string& gamePath) = 0;
    // Plays on from where the piece stands; at its end it rewinds to the start
    // first. Paused, it resumes. False when nothing is open.
    virtual bool play() = 0;
    // Pauses a piece that plays, resumes one that is paused; nothing otherwise.
    virtual void pause() = 0;
    // Stops without closing: the position stays where it was.
    virtual void stop() = 0;
    virtual void close() = 0;
    // Stopped also when a piece has played to its end.
    virtual MusicMode mode() = 0;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // The millisecond clock: 32 bits, wrapping, like the multimedia timer.
    virtual std::uint32_t timeGetTime() = 0;
    virtual void sleep(std::uint32_t ms) = 0;
    // The local date and time of day, for the save slots' stamps.
    virtual std::tm localTime() = 0;

    // Next pending input event, if any.
    virtual bool pollEvent(InputEvent& ev) = 0;
    // Wait until an input event is pending or timeoutMs has passed.
    virtual void waitEvent(std::uint32_t timeoutMs) = 0;

    // The window. Sizes are the form's client area in game pixels.
    virtual void setCaption(const std::string& utf8) = 0;
    virtual void setClientSize(int width, int height) = 0;
    virtual void centreWindow() = 0;
    // Full screen shows a 640 x 480 game area on the desktop; the display mode of
    // the player's monitor is never changed. False when the window did not
    // really come to cover the screen (a desktop without a window manager): it
    // is then a window as before. Leaving full screen always succeeds.
    virtual bool setFullScreen(bool on) = 0;
    virtual void minimise() = 0;
    // Show one finished frame (0x00RRGGBB pixels, row by row).
    virtual void present(const std::uint32_t* pixels, int width, int height) = 0;

    // A modal message; returns when the player has dismissed it.
    virtual void messageBox(const std::string& text, const std::string& caption) = 0;

    // Holds the named single-instance lock for the rest of the process; false when
    // another copy of the game already holds it.
    virtual bool acquireInstanceLock(const std::string& name) = 0;

    // Sound effects by command string (the forms are in platform/SoundCommands.h):
    // returns the reply, "" when done, "playing"/"stopped" for a status query, or
    // text starting with "error". Without a sound device every command still
    // answers as if the effects played, silently.
    virtual std::string mciSendString(const std::string& command) = 0;
    // The one music player, silent without a sound device.
    virtual MusicPlayer& musicPlayer() = 0;
};

// The game writes paths the way its files have always been named ("img\title.bmp");
// these turn one into a path for this machine (platform/GameFolders.h says
// where): a picture, effect or music file in the data folder, a slot or the
// master file ("dat\save01.bin", "dat\data.bin") in the save folder.
std::string nativePath(const std::string& gamePath);
std::string savePath(const std::string& gamePath);

// Milliseconds since the machine started, 32 bits and wrapping, like the
// multimedia timer: the clock a real machine paces the game by. Its value at
// start-up seeds the random numbers, so it differs from one launch to the next.
std::uint32_t millisecondsSinceBoot();
// The same clock to the nanosecond, not wrapping.
std::uint64_t nanosecondsSinceBoot();

// Named lock shared by every process of this user: an advisory lock on a file in
// the runtime directory. Used by both backends.
class InstanceLock {
  public:
    InstanceLock() = default;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock();
    // True when the lock is now held by this object.
    bool acquire(const std::string& name);
    void release();

  private:
    int fd_ = -1;
};

} // namespace zb
