#pragma once
// A game on the headless backend for the benchmarks, in a private folder beside
// the generated one, so saving never touches it.

#include "app/UnitMain.h"
#include "platform/headless/HeadlessPlatform.h"

#include <filesystem>

namespace zb::bench {

namespace fs = std::filesystem;

struct BenchFolder {
    fs::path dir = fs::temp_directory_path() / "zirubo-bench";
    BenchFolder() {
        fs::remove_all(dir);
        fs::create_directories(dir / "dat");
        fs::create_directory_symlink(fs::path(ZB_GAME_DIR) / "img", dir / "img");
        fs::current_path(dir);
    }
    ~BenchFolder() {
        fs::current_path(ZB_GAME_DIR);
        fs::remove_all(dir);
    }
};

struct Running {
    BenchFolder folder;
    zb::HeadlessPlatform platform;
    zb::Application app{platform};
    zb::TForm1 form{app};

    // A street race against the yellow rider, at full throttle in 3rd.
    void startRace() {
        form.race.enemyNo = 19;
        form.race.enemyVer = 4;
        form.race.raceWeather = 1; // rain: the rain picture jumps every step too
        form.currentPlace = 19;
        form.changeBgImg();
        form.setWaterPoints();
        form.screenMode = 3;
        form.getReadyToStart();
        form.goSignal();
        form.race.gear = 3;
        form.race.throttleHeld = 1;
        form.race.riderSpeed[1] = 100;
    }
};

} // namespace zb::bench
