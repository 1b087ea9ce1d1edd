#include "tests/GameHarness.h"

#include <cstdlib>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace zb::test {

GameFolder::GameFolder(const std::vector<std::string>& leaveOut) {
    oldCwd_ = fs::current_path();
    std::random_device rd;
    dir_ = fs::temp_directory_path() /
           ("zirubo-test-" + std::to_string(rd()) + "-" + std::to_string(::getpid()));
    fs::create_directories(dir_ / "img");
    fs::create_directories(dir_ / "dat");
    const fs::path images = fs::path(ZB_GAME_DIR) / "img";
    for (const auto& entry : fs::directory_iterator(images)) {
        const std::string name = entry.path().filename().string();
        bool skip = false;
        for (const auto& l : leaveOut)
            skip = skip || l == name;
        if (!skip) fs::create_symlink(entry.path(), dir_ / "img" / name);
    }
    fs::current_path(dir_);
}

GameFolder::~GameFolder() {
    std::error_code ec;
    fs::current_path(oldCwd_, ec);
    fs::remove_all(dir_, ec);
}

bool GameFolder::putPicture(const std::string& name, int w, int h, std::uint32_t colour) const {
    const fs::path p = dir_ / "img" / name;
    fs::remove(p);
    return saveBmp(Image(w, h, colour), p.string());
}

Game::Game() {
    form = std::make_unique<TForm1>(app);
}

void Game::press(int x, int y, MouseButton b) {
    platform.mouseDown(b, x, y);
    flush();
}

void Game::release(int x, int y, MouseButton b) {
    platform.mouseUp(b, x, y);
    flush();
}

void Game::click(int x, int y, MouseButton b) {
    press(x, y, b);
    release(x, y, b);
}

void Game::key(std::uint16_t vkey) {
    platform.keyDown(vkey);
    platform.keyUp(vkey);
    flush();
}

} // namespace zb::test
