#include "platform/sdl/SdlPlatform.h"

#include "platform/sdl/SdlAudio.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_syswm.h>
#ifdef ZB_HAVE_X11
#include <X11/Xlib.h>
#endif

#include <algorithm>
#include <climits>
#include <cstdio>
#include <ctime>

namespace zb {

namespace {

// How long a window manager may take to make the window cover the screen.
constexpr int kFullScreenWaitMs = 300;

// Waits shorter than this end exactly when the millisecond clock turns.
constexpr std::uint32_t kPreciseWaitMs = 1000;
constexpr std::uint64_t kNsPerMs = 1'000'000;
// How often a wait on a driver that cannot wait for input looks for some.
constexpr std::uint64_t kIdlePollNs = 20 * kNsPerMs;

// The desktop part a window may use; the whole display when the system does not
// say which part the taskbar takes.
SDL_Rect usableBounds(int display) {
    SDL_Rect r{0, 0, 0, 0};
    if (SDL_GetDisplayUsableBounds(display, &r) == 0 && r.w > 0 && r.h > 0) return r;
    if (SDL_GetDisplayBounds(display, &r) == 0) return r;
    return SDL_Rect{0, 0, 0, 0};
}

std::string oneLine(const char* text) {
    std::string s = text != nullptr ? text : "";
    std::replace(s.begin(), s.end(), '\n', ' ');
    std::replace(s.begin(), s.end(), '\r', ' ');
    if (s.empty()) s = "unknown error";
    return s;
}

// Decodes UTF-8 text as SDL hands it over; malformed bytes are skipped.
void decodeUtf8(const char* text, std::deque<char32_t>& out) {
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != 0) {
        const unsigned lead = *p;
        int extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            ++p;
            continue;
        }
        int i = 1;
        for (; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80) break;
            cp = (cp << 6) | (p[i] & 0x3Fu);
        }
        if (i <= extra) { // cut short: drop the lead byte and resynchronise
            ++p;
            continue;
        }
        p += extra + 1;
        out.push_back(cp);
    }
}

} // namespace

std::uint16_t virtualKeyFromSdl(std::int32_t sdlKey) {
    if (sdlKey >= SDLK_a && sdlKey <= SDLK_z)
        return static_cast<std::uint16_t>('A' + sdlKey - SDLK_a);
    if (sdlKey >= SDLK_0 && sdlKey <= SDLK_9)
        return static_cast<std::uint16_t>('0' + sdlKey - SDLK_0);
    if (sdlKey >= SDLK_F1 && sdlKey <= SDLK_F12)
        return static_cast<std::uint16_t>(112 + sdlKey - SDLK_F1);
    switch (sdlKey) {
    case SDLK_BACKSPACE:
        return vk::Back;
    case SDLK_TAB:
        return vk::Tab;
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
        return vk::Enter;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return vk::Shift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return vk::Control;
    case SDLK_LALT:
    case SDLK_RALT:
        return vk::Alt;
    case SDLK_PAUSE:
        return 19;
    case SDLK_ESCAPE:
        return vk::Escape;
    case SDLK_SPACE:
        return vk::Space;
    case SDLK_PAGEUP:
        return 33;
    case SDLK_PAGEDOWN:
        return 34;
    case SDLK_END:
        return 35;
    case SDLK_HOME:
        return 36;
    case SDLK_LEFT:
        return vk::Left;
    case SDLK_UP:
        return vk::Up;
    case SDLK_RIGHT:
        return vk::Right;
    case SDLK_DOWN:
        return vk::Down;
    case SDLK_INSERT:
        return 45;
    case SDLK_DELETE:
        return 46;
    case SDLK_KP_0:
        return 96;
    case SDLK_KP_1:
        return 97;
    case SDLK_KP_2:
        return 98;
    case SDLK_KP_3:
        return 99;
    case SDLK_KP_4:
        return 100;
    case SDLK_KP_5:
        return 101;
    case SDLK_KP_6:
        return 102;
    case SDLK_KP_7:
        return 103;
    case SDLK_KP_8:
        return 104;
    case SDLK_KP_9:
        return 105;
    case SDLK_KP_MULTIPLY:
        return 106;
    case SDLK_KP_PLUS:
        return 107;
    case SDLK_KP_MINUS:
        return 109;
    case SDLK_KP_PERIOD:
        return 110;
    case SDLK_KP_DIVIDE:
        return 111;
    default:
        return 0;
    }
}

std::unique_ptr<SdlPlatform> SdlPlatform::create(std::string& error) {
    std::unique_ptr<SdlPlatform> p(new SdlPlatform());
    if (!p->init(error)) return nullptr;
    return p;
}

bool SdlPlatform::init(std::string& error) {
    // Hard pixel edges when the frame is enlarged.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    // The full-screen game stays on the desktop when the player switches away.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // Closing the window ends the game through one Close event.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "1");
    // A click that activates the window is also a click in the game.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // A still title screen should not keep the screen saver away.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");

    // With no display named at all there is nothing to probe: say so before
    // the windowing libraries print errors of their own.
    const auto envSet = [](const char* name) {
        const char* v = SDL_getenv(name);
        return v != nullptr && *v != '\0';
    };
    if (!envSet("SDL_VIDEODRIVER") && !envSet("DISPLAY") && !envSet("WAYLAND_DISPLAY")) {
        error = "neither DISPLAY nor WAYLAND_DISPLAY is set";
        return false;
    }

    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = "SDL video did not start: " + oneLine(SDL_GetError());
        return false;
    }
    videoStarted_ = true;
    // Without a display SDL falls back to drivers that draw nowhere. Those are
    // only wanted when asked for by name (automatic runs set SDL_VIDEODRIVER).
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (driver != nullptr && (asked == nullptr || *asked == '\0') &&
        (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0)) {
        error = "SDL found only its \"" + std::string(driver) + "\" video driver";
        return false;
    }
    driverWaits_ = driver == nullptr ||
                   (SDL_strcmp(driver, "offscreen") != 0 && SDL_strcmp(driver, "dummy") != 0);

    // Hidden until the first frame, so a message shown at start does not come
    // with an empty window.
    window_ = SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, clientW_,
                               clientH_, SDL_WINDOW_HIDDEN);
    if (window_ == nullptr) {
        error = "SDL could not create the window: " + oneLine(SDL_GetError());
        return false;
    }
    // The frame is painted in memory; all that is left is to enlarge it by a
    // whole factor, which the processor does in a fraction of a millisecond.
    // A 3D driver costs more than it saves here: where the machine has no
    // graphics card it renders in software through a compiler that alone takes
    // 60 MB and a tenth of a second to load. SDL_RENDER_DRIVER in the
    // environment still chooses another.
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ == nullptr) {
        error = "SDL could not create a renderer: " + oneLine(SDL_GetError());
        return false;
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);

    applyWindowedSize();
    centreWindow();
    SDL_SetCursor(SDL_GetDefaultCursor());
    SDL_StartTextInput();
    return true;
}

SdlPlatform::~SdlPlatform() {
    audio_.reset();
    if (videoStarted_) SDL_StopTextInput();
    if (buttonLeft_ || buttonRight_ || buttonMiddle_) SDL_CaptureMouse(SDL_FALSE);
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

SdlAudio& SdlPlatform::audio() {
    if (!audio_) audio_ = std::make_unique<SdlAudio>();
    return *audio_;
}

std::string SdlPlatform::mciSendString(const std::string& command) {
    return audio().send(command);
}

MusicPlayer& SdlPlatform::musicPlayer() {
    return audio().music();
}

std::uint32_t SdlPlatform::timeGetTime() {
    // Counted from the machine's start, not the game's: the seed taken from it
    // at start-up differs from one launch to the next.
    return millisecondsSinceBoot();
}

void SdlPlatform::sleep(std::uint32_t ms) {
    SDL_Delay(ms);
}

std::tm SdlPlatform::localTime() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return t;
}

bool SdlPlatform::pollEvent(InputEvent& ev) {
    SDL_Event e;
    while (pending_.empty()) {
        if (SDL_PollEvent(&e) == 0) return false;
        translate(e);
    }
    ev = pending_.front();
    pending_.pop_front();
    return true;
}

void SdlPlatform::waitEvent(std::uint32_t timeoutMs) {
    if (timeoutMs == 0 || !pending_.empty()) return;
    if (!driverWaits_) {
        // SDL waits on these drivers by looking for input every millisecond,
        // which keeps a still title busy. Nothing but a quit can come from them:
        // look every 20 ms, and still end on the millisecond the wait is over.
        const std::uint64_t until = (nanosecondsSinceBoot() / kNsPerMs + timeoutMs) * kNsPerMs;
        for (;;) {
            if (SDL_PollEvent(nullptr) == 1) return;
            const std::uint64_t now = nanosecondsSinceBoot();
            if (now >= until) return;
            const std::uint64_t nap = std::min(until - now, kIdlePollNs);
            const timespec rest{static_cast<time_t>(nap / 1'000'000'000),
                                static_cast<long>(nap % 1'000'000'000)};
            nanosleep(&rest, nullptr);
        }
    }
    // A null event leaves whatever arrives in SDL's queue for pollEvent.
    if (timeoutMs >= kPreciseWaitMs) {
        SDL_WaitEventTimeout(nullptr,
                             static_cast<int>(std::min<std::uint32_t>(timeoutMs, INT_MAX)));
        return;
    }
    // The game sees its time is up when the millisecond clock turns over. Whole
    // milliseconds waited from inside one would overshoot by the part of it
    // already gone - half a millisecond a step on average, one race step in
    // forty. The wait ends when the clock turns instead.
    const std::uint64_t start = nanosecondsSinceBoot();
    const std::uint64_t until = (start / kNsPerMs + timeoutMs) * kNsPerMs;
    const auto whole = static_cast<int>((until - start) / kNsPerMs);
    if (whole > 0 && SDL_WaitEventTimeout(nullptr, whole) == 1) return; // input came
    if (SDL_PollEvent(nullptr) == 1) return;
    const std::uint64_t now = nanosecondsSinceBoot();
    if (now >= until) return;
    const timespec rest{0, static_cast<long>(until - now)};
    nanosleep(&rest, nullptr);
}

void SdlPlatform::setCaption(const std::string& utf8) {
    SDL_SetWindowTitle(window_, utf8.c_str());
}

int SdlPlatform::displayIndex() const {
    const int d = SDL_GetWindowDisplayIndex(window_);
    return d < 0 ? 0 : d;
}

void SdlPlatform::applyWindowedSize() {
    const SDL_Rect desk = usableBounds(displayIndex());
    windowScale_ = viewport::windowScale(clientW_, clientH_, desk.w, desk.h);
    SDL_SetWindowSize(window_, clientW_ * windowScale_, clientH_ * windowScale_);
}

void SdlPlatform::setClientSize(int width, int height) {
    if (width <= 0 || height <= 0) return;
    if (fullScreen_) {
        // The full-screen window covers the desktop whatever the game area is;
        // leaving full screen brings back the window as it was before.
        return;
    }
    clientW_ = width;
    clientH_ = height;
    applyWindowedSize();
    redraw();
}

void SdlPlatform::centreWindow() {
    if (fullScreen_) return;
    const int pos =
        static_cast<int>(SDL_WINDOWPOS_CENTERED_MASK | static_cast<unsigned>(displayIndex()));
    SDL_SetWindowPosition(window_, pos, pos);
}

bool SdlPlatform::setFullScreen(bool on) {
    if (on == fullScreen_) return true;
    if (on) {
        // Desktop full screen: the monitor keeps its mode, the game area is
        // enlarged and centred on it.
        if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) return false;
        if (!coversDisplay()) {
            // SDL takes the request as done, but the window kept its size (no
            // window manager to carry it out): drawn as full screen it would
            // be cut off. Back to the window it was.
            SDL_SetWindowFullscreen(window_, 0);
            SDL_SetWindowSize(window_, clientW_ * windowScale_, clientH_ * windowScale_);
            centreWindow();
            redraw();
            return false;
        }
        fullScreen_ = true;
    } else {
        SDL_SetWindowFullscreen(window_, 0);
        fullScreen_ = false;
        SDL_SetWindowSize(window_, clientW_ * windowScale_, clientH_ * windowScale_);
        centreWindow();
    }
    redraw();
    return true;
}

bool SdlPlatform::coversDisplay() const {
    SDL_Rect desk{0, 0, 0, 0};
    if (SDL_GetDisplayBounds(displayIndex(), &desk) != 0 || desk.w <= 0 || desk.h <= 0)
        return true; // nothing to compare with: take SDL's word
#ifdef ZB_HAVE_X11
    // SDL reports the size it asked for; the X server knows the size the window
    // has. A window manager may take a moment to carry the request out.
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window_, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11) {
        ::Display* display = info.info.x11.display;
        const ::Window xwindow = info.info.x11.window;
        for (int waited = 0; waited <= kFullScreenWaitMs; waited += 10) {
            ::Window root = 0;
            int x = 0;
            int y = 0;
            unsigned w = 0;
            unsigned h = 0;
            unsigned border = 0;
            unsigned depth = 0;
            XSync(display, False);
            if (XGetGeometry(display, xwindow, &root, &x, &y, &w, &h, &border, &depth) == 0)
                return true;
            if (static_cast<int>(w) >= desk.w && static_cast<int>(h) >= desk.h) return true;
            SDL_Delay(10);
        }
        return false;
    }
#endif
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    return w >= desk.w && h >= desk.h;
}

void SdlPlatform::minimise() {
    if (shown_) SDL_MinimizeWindow(window_);
}

bool SdlPlatform::uploadFrame() {
    if (frame_.empty()) return false;
    if (texture_ == nullptr || textureW_ != frameW_ || textureH_ != frameH_) {
        if (texture_ != nullptr) SDL_DestroyTexture(texture_);
        // RGB888 is 0x00RRGGBB in a 32-bit word: the frame's own layout.
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                     frameW_, frameH_);
        textureW_ = texture_ != nullptr ? frameW_ : 0;
        textureH_ = texture_ != nullptr ? frameH_ : 0;
        if (texture_ == nullptr) return false;
    }
    return SDL_UpdateTexture(texture_, nullptr, frame_.data(),
                             frameW_ * static_cast<int>(sizeof(std::uint32_t))) == 0;
}

void SdlPlatform::present(const std::uint32_t* pixels, int width, int height) {
    if (pixels == nullptr || width <= 0 || height <= 0) return;
    frame_.assign(pixels,
                  pixels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    frameW_ = width;
    frameH_ = height;
    uploadFrame();
    if (!shown_) {
        SDL_ShowWindow(window_);
        shown_ = true;
    }
    redraw();
}

void SdlPlatform::redraw() {
    if (!shown_) return;
    SDL_RenderClear(renderer_);
    if (texture_ != nullptr) {
        int ow = 0;
        int oh = 0;
        SDL_GetRendererOutputSize(renderer_, &ow, &oh);
        const viewport::View v = viewport::letterbox(frameW_, frameH_, ow, oh);
        const SDL_Rect dst{v.dest.x, v.dest.y, v.dest.w, v.dest.h};
        SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
    }
    SDL_RenderPresent(renderer_);
}

void SdlPlatform::messageBox(const std::string& text, const std::string& caption) {
    // No parent while the window is still hidden: the message stands alone.
    SDL_Window* parent = shown_ ? window_ : nullptr;
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), parent) !=
        0) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        std::fflush(stderr);
    }
}

bool SdlPlatform::acquireInstanceLock(const std::string& name) {
    return lock_.acquire(name);
}

viewport::View SdlPlatform::currentView() const {
    int ow = 0;
    int oh = 0;
    SDL_GetRendererOutputSize(renderer_, &ow, &oh);
    const int gw = frameW_ > 0 ? frameW_ : clientW_;
    const int gh = frameH_ > 0 ? frameH_ : clientH_;
    return viewport::letterbox(gw, gh, ow, oh);
}

viewport::Point SdlPlatform::gamePoint(int windowX, int windowY) const {
    int ww = 0;
    int wh = 0;
    SDL_GetWindowSize(window_, &ww, &wh);
    int ow = 0;
    int oh = 0;
    SDL_GetRendererOutputSize(renderer_, &ow, &oh);
    // Window units and drawable pixels differ only where the system scales
    // windows itself.
    const int x = viewport::rescale(windowX, ww, ow);
    const int y = viewport::rescale(windowY, wh, oh);
    return viewport::toGame(currentView(), x, y);
}

ShiftState SdlPlatform::shiftState() const {
    const SDL_Keymod mod = SDL_GetModState();
    ShiftState s;
    s.shift = (mod & KMOD_SHIFT) != 0;
    s.ctrl = (mod & KMOD_CTRL) != 0;
    s.alt = (mod & KMOD_ALT) != 0;
    s.left = buttonLeft_;
    s.right = buttonRight_;
    return s;
}

void SdlPlatform::pushMouse(EventType type, MouseButton button, int windowX, int windowY) {
    InputEvent ev;
    ev.type = type;
    ev.button = button;
    const viewport::Point p = gamePoint(windowX, windowY);
    ev.x = p.x;
    ev.y = p.y;
    ev.shift = shiftState();
    pending_.push_back(ev);
}

void SdlPlatform::translate(const SDL_Event& e) {
    const auto pointerNow = [this]() {
        // Where the pointer is now, even outside the window (like the position
        // Windows keeps with every message).
        int gx = 0;
        int gy = 0;
        SDL_GetGlobalMouseState(&gx, &gy);
        int wx = 0;
        int wy = 0;
        SDL_GetWindowPosition(window_, &wx, &wy);
        return gamePoint(gx - wx, gy - wy);
    };
    const auto mouseButton = [](std::uint8_t b, MouseButton& out) {
        switch (b) {
        case SDL_BUTTON_LEFT:
            out = MouseButton::Left;
            return true;
        case SDL_BUTTON_RIGHT:
            out = MouseButton::Right;
            return true;
        case SDL_BUTTON_MIDDLE:
            out = MouseButton::Middle;
            return true;
        default:
            return false;
        }
    };
    const auto held = [this](MouseButton b) -> bool& {
        return b == MouseButton::Left    ? buttonLeft_
               : b == MouseButton::Right ? buttonRight_
                                         : buttonMiddle_;
    };

    switch (e.type) {
    case SDL_QUIT: {
        InputEvent ev;
        ev.type = EventType::Close;
        pending_.push_back(ev);
        break;
    }
    case SDL_WINDOWEVENT:
        switch (e.window.event) {
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            redraw();
            break;
        default:
            break;
        }
        break;
    case SDL_RENDER_DEVICE_RESET:
        // The renderer lost its textures: build the frame's texture again.
        texture_ = nullptr;
        textureW_ = 0;
        textureH_ = 0;
        uploadFrame();
        redraw();
        break;
    case SDL_RENDER_TARGETS_RESET:
        redraw();
        break;
    case SDL_MOUSEMOTION:
        pushMouse(EventType::MouseMove, MouseButton::Left, e.motion.x, e.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN: {
        MouseButton b{};
        if (!mouseButton(e.button.button, b)) break;
        held(b) = true;
        // Keep the pointer while a button is held, so the release arrives even
        // when it happens outside the window.
        SDL_CaptureMouse(SDL_TRUE);
        pushMouse(EventType::MouseDown, b, e.button.x, e.button.y);
        break;
    }
    case SDL_MOUSEBUTTONUP: {
        MouseButton b{};
        if (!mouseButton(e.button.button, b)) break;
        held(b) = false;
        if (!buttonLeft_ && !buttonRight_ && !buttonMiddle_) SDL_CaptureMouse(SDL_FALSE);
        pushMouse(EventType::MouseUp, b, e.button.x, e.button.y);
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const std::uint16_t key = virtualKeyFromSdl(e.key.keysym.sym);
        if (key == 0) break;
        InputEvent ev;
        ev.type = e.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
        ev.key = key;
        const viewport::Point p = pointerNow();
        ev.x = p.x;
        ev.y = p.y;
        ev.shift = shiftState();
        const auto mod = static_cast<unsigned>(e.key.keysym.mod);
        ev.shift.shift = (mod & KMOD_SHIFT) != 0;
        ev.shift.ctrl = (mod & KMOD_CTRL) != 0;
        ev.shift.alt = (mod & KMOD_ALT) != 0;
        pending_.push_back(ev);
        // Backspace, Enter and Escape also type a character, as they do on
        // Windows (number boxes accept Backspace as a typed key). Not with Alt
        // or Ctrl held: Alt + Enter is the full-screen switch, not typing.
        if (e.type == SDL_KEYDOWN && !ev.shift.alt && !ev.shift.ctrl &&
            (key == vk::Back || key == vk::Enter || key == vk::Escape)) {
            InputEvent ch = ev;
            ch.type = EventType::Char;
            ch.key = 0;
            ch.ch = key;
            pending_.push_back(ch);
        }
        break;
    }
    case SDL_TEXTINPUT: {
        // Windows does not type characters while the left Alt key is held.
        if ((SDL_GetModState() & KMOD_LALT) != 0) break;
        std::deque<char32_t> chars;
        decodeUtf8(e.text.text, chars);
        if (chars.empty()) break;
        InputEvent ev;
        ev.type = EventType::Char;
        const viewport::Point p = pointerNow();
        ev.x = p.x;
        ev.y = p.y;
        ev.shift = shiftState();
        for (char32_t c : chars) {
            ev.ch = c;
            pending_.push_back(ev);
        }
        break;
    }
    default:
        break;
    }
}

} // namespace zb
