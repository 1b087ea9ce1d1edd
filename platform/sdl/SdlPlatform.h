#pragma once
// The platform players use: one SDL2 window showing the game's framebuffer
// enlarged by a whole factor, the SDL millisecond clock, and mouse and keyboard
// input translated into the game's events. Sound (SdlAudio) starts the first
// time the game uses it.

#include "platform/Platform.h"
#include "platform/Viewport.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace zb {

class SdlAudio;

class SdlPlatform : public Platform {
  public:
    // Starts SDL's video and creates the (still hidden) window. Returns null and
    // a one-line reason in `error` when that is impossible, e.g. no display.
    static std::unique_ptr<SdlPlatform> create(std::string& error);

    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;
    ~SdlPlatform() override;

    std::uint32_t timeGetTime() override;
    void sleep(std::uint32_t ms) override;
    std::tm localTime() override;

    bool pollEvent(InputEvent& ev) override;
    void waitEvent(std::uint32_t timeoutMs) override;

    void setCaption(const std::string& utf8) override;
    void setClientSize(int width, int height) override;
    void centreWindow() override;
    bool setFullScreen(bool on) override;
    void minimise() override;
    void present(const std::uint32_t* pixels, int width, int height) override;

    void messageBox(const std::string& text, const std::string& caption) override;

    bool acquireInstanceLock(const std::string& name) override;

    std::string mciSendString(const std::string& command) override;
    MusicPlayer& musicPlayer() override;

    // The whole factor the window uses for the game area in windowed mode.
    int windowScale() const { return windowScale_; }
    bool fullScreen() const { return fullScreen_; }

  private:
    SdlPlatform() = default;
    bool init(std::string& error);

    // Turns one SDL event into zero or more game events on `pending_`.
    void translate(const SDL_Event& e);
    // Where the game area is in the window right now, in window units.
    viewport::View currentView() const;
    viewport::Point gamePoint(int windowX, int windowY) const;
    ShiftState shiftState() const;
    void pushMouse(EventType type, MouseButton button, int windowX, int windowY);
    // Draws the kept frame again (after an expose, a restore or a size change).
    void redraw();
    bool uploadFrame();
    int displayIndex() const;
    void applyWindowedSize();
    // Whether the window really covers its display now.
    bool coversDisplay() const;

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    bool videoStarted_ = false;
    bool driverWaits_ = true; // false for SDL's drivers that draw nowhere
    bool shown_ = false;
    bool fullScreen_ = false;

    int clientW_ = 514; // the game area the window is sized for
    int clientH_ = 385;
    int windowScale_ = 1;

    // The last frame, kept to draw again when the window needs repainting and to
    // rebuild the texture when the renderer loses it.
    std::vector<std::uint32_t> frame_;
    int frameW_ = 0;
    int frameH_ = 0;
    int textureW_ = 0;
    int textureH_ = 0;

    std::deque<InputEvent> pending_;
    bool buttonLeft_ = false;
    bool buttonRight_ = false;
    bool buttonMiddle_ = false;

    InstanceLock lock_;

    SdlAudio& audio();
    std::unique_ptr<SdlAudio> audio_;
};

// Windows virtual-key number for an SDL key code, 0 when the game has no use for
// the key.
std::uint16_t virtualKeyFromSdl(std::int32_t sdlKey);

} // namespace zb
