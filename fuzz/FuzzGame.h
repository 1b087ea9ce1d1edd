#pragma once
// The real game on the headless backend for the fuzz targets that feed it files:
// one scratch game folder and one game per process, brought back to the title
// for each input the way a game over does, and the checks every input must
// pass: the game still runs and has shown no message. Drawing the stock
// pictures takes half the time of a new game, so the game is only made again
// when it has ended.

#include "tests/DataMenuHarness.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace zb::fuzz {

inline void writeFile(const char* path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) std::abort();
}

// A press and release, queued: the game handles them at the next run or flush,
// so a row of clicks costs one painted frame instead of two each.
inline void tap(test::Game& g, int x, int y, MouseButton b = MouseButton::Left) {
    g.platform.mouseMove(x, y);
    g.platform.mouseDown(b, x, y);
    g.platform.mouseUp(b, x, y);
}

// A click in the middle of a control, as a player clicks it.
inline void clickOn(test::Game& g, const Control& c, MouseButton b = MouseButton::Left) {
    tap(g, c.formLeft() + c.width / 2, c.formTop() + c.height / 2, b);
}

// Ends the run with what went wrong when the game did not stay up.
inline void expectRunning(test::Game& g, const char* where) {
    if (!g.platform.messages.empty()) {
        std::fprintf(stderr, "%s: the game showed \"%s\"\n", where,
                     g.platform.messages.front().c_str());
        std::abort();
    }
    if (g.app.terminated()) {
        std::fprintf(stderr, "%s: the game ended\n", where);
        std::abort();
    }
}

inline void expectMode(test::Game& g, int mode, const char* where) {
    expectRunning(g, where);
    if (g.f().screenMode != mode) {
        std::fprintf(stderr, "%s: screen mode %d, not %d\n", where, g.f().screenMode, mode);
        std::abort();
    }
}

// A scratch game folder with its own copy of the pictures (a build elsewhere may
// write the generated ones again at any moment) and an empty dat/; the run
// works inside it and it is removed when the run ends.
class ScratchFolder {
  public:
    ScratchFolder() {
        namespace fs = std::filesystem;
        oldCwd_ = fs::current_path();
        char name[] = "/tmp/zirubo-fuzz-XXXXXX";
        if (mkdtemp(name) == nullptr) std::abort();
        dir_ = name;
        fs::copy(fs::path(ZB_GAME_DIR) / "img", dir_ / "img", fs::copy_options::recursive);
        fs::create_directories(dir_ / "dat");
        fs::current_path(dir_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::current_path(oldCwd_, ec);
        std::filesystem::remove_all(dir_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

  private:
    std::filesystem::path dir_;
    std::filesystem::path oldCwd_;
};

// The scratch folder and the game live as long as the process.
struct Session {
    ScratchFolder folder;
    std::unique_ptr<test::Game> game;

    // The title, with the master file and the slots read again from dat/.
    test::Game& title() {
        if (game && !game->app.terminated() && game->platform.messages.empty()) {
            game->f().gameOverToTitle();
            game->platform.soundCommands.clear();
        } else {
            game.reset();
            game = std::make_unique<test::Game>();
        }
        game->flush();
        expectMode(*game, 0, "title");
        return *game;
    }
};

inline Session& session() {
    static Session s; // the folder is removed when the run ends
    return s;
}

} // namespace zb::fuzz
