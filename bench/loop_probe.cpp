// How the game's real loop keeps time on the SDL backend: the real clock, a real
// (or dummy) window, the music player. For each screen - the title, a scene
// waiting for a click, the map, a race - it records when every idle step ran and
// the CPU the process used, first with the game's own loop, then with a
// busy-polling loop (poll, step when due, paint, never wait) as the reference.
//
//   cd build/release/game && ../bench/zbloopprobe [seconds per screen]
//
// Run it under Xvfb (DISPLAY set) or with SDL_VIDEODRIVER=dummy;
// SDL_AUDIODRIVER=dummy gives the music player a device to decode for.

#include "app/UnitMain.h"
#include "platform/sdl/SdlPlatform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace zb;

double monotonicMs() {
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double cpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
    };
    return ms(u.ru_utime) + ms(u.ru_stime);
}

// Milliseconds since this process was started by the system (its exec).
double sinceExecMs() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Field 22 (start time in clock ticks since boot) comes after the name's ")".
    const auto close = text.rfind(')');
    if (close == std::string::npos) return -1;
    std::size_t pos = close + 2;
    for (int field = 3; field < 22; ++field)
        pos = text.find(' ', pos) + 1;
    const double startTicks = std::strtod(text.c_str() + pos, nullptr);
    timespec boot{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double nowMs =
        static_cast<double>(boot.tv_sec) * 1000.0 + static_cast<double>(boot.tv_nsec) / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// The SDL platform with a recorder in between: an idle step ends with the loop's
// 1 ms sleep, so each such sleep marks one step. Clicks the probe makes are
// handed to the game like the player's.
class ProbePlatform : public Platform {
  public:
    explicit ProbePlatform(Platform& real) : real_(real) {}

    std::vector<double> steps; // when each step ended, ms
    long presents = 0;
    long unchangedPresents = 0;
    double firstPresentSinceExec = -1;
    std::deque<InputEvent> injected;

    std::uint32_t timeGetTime() override { return real_.timeGetTime(); }
    void sleep(std::uint32_t ms) override {
        if (ms == 1) steps.push_back(monotonicMs());
        real_.sleep(ms);
    }
    std::tm localTime() override { return real_.localTime(); }
    bool pollEvent(InputEvent& ev) override {
        if (!injected.empty()) {
            ev = injected.front();
            injected.pop_front();
            return true;
        }
        return real_.pollEvent(ev);
    }
    void waitEvent(std::uint32_t timeoutMs) override {
        if (injected.empty()) real_.waitEvent(timeoutMs);
    }
    void setCaption(const std::string& utf8) override { real_.setCaption(utf8); }
    void setClientSize(int width, int height) override { real_.setClientSize(width, height); }
    void centreWindow() override { real_.centreWindow(); }
    bool setFullScreen(bool on) override { return real_.setFullScreen(on); }
    void minimise() override { real_.minimise(); }
    void present(const std::uint32_t* pixels, int width, int height) override {
        if (firstPresentSinceExec < 0) firstPresentSinceExec = sinceExecMs();
        const auto n = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        if (last_.size() == n && std::equal(pixels, pixels + n, last_.begin())) ++unchangedPresents;
        last_.assign(pixels, pixels + n);
        ++presents;
        real_.present(pixels, width, height);
    }
    void messageBox(const std::string& text, const std::string& caption) override {
        std::fprintf(stderr, "message: %s (%s)\n", text.c_str(), caption.c_str());
        real_.messageBox(text, caption);
    }
    bool acquireInstanceLock(const std::string& name) override {
        return real_.acquireInstanceLock(name);
    }
    std::string mciSendString(const std::string& command) override {
        return real_.mciSendString(command);
    }
    MusicPlayer& musicPlayer() override { return real_.musicPlayer(); }

    void click(int x, int y) {
        InputEvent ev;
        ev.x = x;
        ev.y = y;
        ev.type = EventType::MouseMove;
        injected.push_back(ev);
        ev.type = EventType::MouseDown;
        ev.shift.left = true;
        injected.push_back(ev);
        ev.type = EventType::MouseUp;
        ev.shift.left = false;
        injected.push_back(ev);
    }
    void moveTo(int x, int y) {
        InputEvent ev;
        ev.type = EventType::MouseMove;
        ev.x = x;
        ev.y = y;
        injected.push_back(ev);
    }

  private:
    Platform& real_;
    std::vector<std::uint32_t> last_;
};

// A private game folder: the generated pictures and sounds linked in, saves kept
// apart from the build's own folder.
struct ProbeFolder {
    fs::path dir = fs::temp_directory_path() / ("zirubo-probe-" + std::to_string(getpid()));
    fs::path old = fs::current_path();
    ProbeFolder() {
        fs::create_directories(dir / "dat");
        fs::create_directory_symlink(old / "img", dir / "img");
        for (const auto& e : fs::directory_iterator(old / "dat"))
            if (e.path().filename().string().rfind("save", 0) != 0 &&
                e.path().filename() != "data.bin")
                fs::create_symlink(e.path(), dir / "dat" / e.path().filename());
        fs::current_path(dir);
    }
    ~ProbeFolder() {
        fs::current_path(old);
        fs::remove_all(dir);
    }
};

struct Window {
    std::string screen;
    std::string loop;
    double wallMs = 0;
    double cpuMs = 0;
    std::vector<double> periods;
    long presents = 0;
    long unchanged = 0;
    double raceClockMs = 0; // race time that passed, for the race
};

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

void print(const Window& w) {
    const double mean = w.periods.empty()
                            ? 0
                            : std::accumulate(w.periods.begin(), w.periods.end(), 0.0) /
                                  static_cast<double>(w.periods.size());
    const double maxP =
        w.periods.empty() ? 0 : *std::max_element(w.periods.begin(), w.periods.end());
    std::printf("%-8s %-6s %6.0f ms  steps %5zu  period mean %5.2f p50 %5.2f p99 %5.2f max %6.2f"
                "  cpu %5.1f %%  shown %4ld (%3.0f %% unchanged)",
                w.screen.c_str(), w.loop.c_str(), w.wallMs, w.periods.size(), mean,
                percentile(w.periods, 0.5), percentile(w.periods, 0.99), maxP,
                100.0 * w.cpuMs / w.wallMs, w.presents,
                w.presents > 0
                    ? 100.0 * static_cast<double>(w.unchanged) / static_cast<double>(w.presents)
                    : 0.0);
    if (w.raceClockMs > 0) std::printf("  race clock %.2fx", w.raceClockMs / w.wallMs);
    std::printf("\n");
}

class Probe {
  public:
    Probe(ProbePlatform& p, Application& app, TForm1& form) : p_(p), app_(app), form_(form) {}

    // Runs the loop for `ms` and reports what it did; `busy` uses the reference
    // loop instead of the game's.
    Window measure(const std::string& screen, bool busy, std::uint32_t ms) {
        Window w;
        w.screen = screen;
        w.loop = busy ? "busy" : "paced";
        const std::size_t firstStep = p_.steps.size();
        const long presents = p_.presents;
        const long unchanged = p_.unchangedPresents;
        const std::int32_t raceTime = form_.race.riderTime[1];
        const double cpu0 = cpuMs();
        const double t0 = monotonicMs();
        if (busy) {
            while (monotonicMs() - t0 < ms && !app_.terminated())
                // Poll, step when due, paint: never wait while a handler is
                // installed; with none, the system waits for input anyway.
                app_.runFor(app_.idle() ? 0 : 10);
        } else {
            app_.runFor(ms);
        }
        w.wallMs = monotonicMs() - t0;
        w.cpuMs = cpuMs() - cpu0;
        for (std::size_t i = firstStep + 1; i < p_.steps.size(); ++i)
            w.periods.push_back(p_.steps[i] - p_.steps[i - 1]);
        w.presents = p_.presents - presents;
        w.unchanged = p_.unchangedPresents - unchanged;
        w.raceClockMs = (form_.race.riderTime[1] - raceTime) * 10.0;
        print(w);
        return w;
    }

    // Runs the loop in short slices until `done` holds (at most `ms`).
    template <class Pred> bool runUntil(Pred done, std::uint32_t ms) {
        const double t0 = monotonicMs();
        while (!done()) {
            if (monotonicMs() - t0 > ms || app_.terminated()) return false;
            app_.runFor(20);
        }
        return true;
    }

  private:
    ProbePlatform& p_;
    Application& app_;
    TForm1& form_;
};

// A race from the start of the frame slide, so the race music opens inside a
// step; once the signal is given the hero rides flat out in third.
bool startRace(TForm1& form, Probe& probe) {
    form.race.enemyNo = 19;
    form.race.enemyVer = 1;
    form.race.raceWeather = 0;
    form.currentPlace = 19;
    form.setWaterPoints();
    form.changeBgImg();
    form.showMapComponents(false);
    form.screenMode = 3;
    form.lastTick = static_cast<std::int32_t>(form.app.platform().timeGetTime());
    form.installIdle("AppWakuMove", 20, &TForm1::AppWakuMove);
    if (!probe.runUntil([&] { return form.screenMode == 5 && form.race.raceStarted != 0; }, 8000))
        return false;
    form.race.gear = 3;
    form.race.throttleHeld = 1;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const auto seconds = static_cast<std::uint32_t>(argc > 1 ? std::atoi(argv[1]) : 4);
    const std::uint32_t ms = std::max<std::uint32_t>(seconds, 1) * 1000;

    ProbeFolder folder;
    const double atMain = sinceExecMs();
    std::string why;
    auto sdl = SdlPlatform::create(why);
    const double windowMade = sinceExecMs();
    if (!sdl) {
        std::fprintf(stderr, "no window: %s\n", why.c_str());
        return 1;
    }
    ProbePlatform platform(*sdl);
    Application app(platform);
    app.title = "ズィルボ";
    TForm1 form(app);
    const double formMade = sinceExecMs();
    if (app.terminated()) return 1;
    Probe probe(platform, app, form);

    std::vector<Window> all;
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    std::printf("video %s, audio %s, %u s a screen\n", driver ? driver : "x11",
                std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "default",
                seconds);

    app.runFor(50);
    std::printf("exec to first frame shown: %.0f ms (main %.0f, window %.0f, game form %.0f); "
                "resident at the title: %ld kB\n",
                platform.firstPresentSinceExec, atMain, windowMade, formMade, residentKb());
    all.push_back(probe.measure("title", false, ms));
    all.push_back(probe.measure("title", true, ms));

    // A slot on the city map with the opening done, loaded through the menu:
    // the map's music opens inside the click.
    form.flag(doneOpening2) = 1;
    form.flag(doneStreet2) = 1;
    form.flag(doneTV1) = 1;
    form.rec.points = 5000;
    form.tsSave(1);
    form.dSave(1);
    platform.click(450, 347); // "コンティニュー"
    probe.runUntil([&] { return form.screenMode == 12; }, 2000);
    app.runFor(300);
    platform.moveTo(123 + 30, 104 + 11 + 6);
    platform.moveTo(123 + 9 + 244, 104 + 5 + 9);
    platform.click(123 + 9 + 244, 104 + 5 + 9);
    // The load's step and the first second with the map's music.
    all.push_back(probe.measure("map+load", false, 1000));
    all.push_back(probe.measure("map", false, ms));
    all.push_back(probe.measure("map", true, ms));

    // A scene waiting for its next click.
    form.currentPlace = 0;
    const double s0 = monotonicMs();
    form.mapToEvent(1);
    std::printf("opening a scene (its first step, music and pictures): %.1f ms\n",
                monotonicMs() - s0);
    app.runFor(500);
    all.push_back(probe.measure("scene", false, ms));
    all.push_back(probe.measure("scene", true, ms));

    // Two races: the game's loop, then the reference.
    for (const bool busy : {false, true}) {
        const std::size_t before = platform.steps.size();
        if (!startRace(form, probe)) {
            std::printf("race did not start (mode %d)\n", form.screenMode);
            return 1;
        }
        double longest = 0;
        for (std::size_t i = before + 1; i < platform.steps.size(); ++i)
            longest = std::max(longest, platform.steps[i] - platform.steps[i - 1]);
        std::printf("longest step from the frame slide to the go (race music opens): %.1f ms\n",
                    longest);
        all.push_back(probe.measure("race", busy, std::min<std::uint32_t>(ms, 6000)));
    }
    return 0;
}
