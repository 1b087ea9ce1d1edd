#pragma once
// Plays the real game on the headless backend: a fresh game folder per test (the
// generated pictures, an empty dat/), a virtual clock, injected mouse and keys.

#include "app/UnitMain.h"
#include "platform/headless/HeadlessPlatform.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace zb::test {

// A temporary game folder: img/ holds links to the generated pictures (less any
// left out on purpose), dat/ starts empty. The test runs inside it.
class GameFolder {
  public:
    explicit GameFolder(const std::vector<std::string>& leaveOut = {});
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;
    const std::filesystem::path& path() const { return dir_; }
    // Puts a plain picture of that size into img/ in place of the generated one
    // (never writing through the link to it); false when it cannot be written.
    bool putPicture(const std::string& name, int w, int h, std::uint32_t colour = 0x0a141e) const;

  private:
    std::filesystem::path dir_;
    std::filesystem::path oldCwd_;
};

// A whole file's bytes; empty when it cannot be read.
using Bytes = std::vector<std::uint8_t>;
inline Bytes readAll(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}
inline void writeAll(const std::filesystem::path& p, const Bytes& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// The game's generator written out again from its definition, so a test can
// say where each draw must land without trusting the game's own copy.
struct ReferenceRandom {
    std::uint32_t seed;
    std::uint32_t operator()(std::uint32_t n) {
        seed = seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
    }
};

class Game {
  public:
    Game();
    HeadlessPlatform platform;
    Application app{platform};
    std::unique_ptr<TForm1> form;

    TForm1& f() { return *form; }
    void run(std::uint32_t ms) { app.runFor(ms); }
    // A press and release at a point of the form, handled at once.
    void click(int x, int y, MouseButton b = MouseButton::Left);
    void press(int x, int y, MouseButton b = MouseButton::Left);
    void release(int x, int y, MouseButton b = MouseButton::Left);
    void key(std::uint16_t vkey); // down and up
    // Runs the loop until every injected event is handled (no time passes).
    void flush() { app.runFor(0); }
};

} // namespace zb::test
