// The race and the map as the player runs them: one race step and its frame,
// one map step with every icon drawn, a save and a load.

#include "app/UnitMain.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/Renderer.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// A private game folder beside the generated one, so saving never touches it.
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

void BM_RaceStepAndFrame(benchmark::State& state) {
    Running r;
    r.startRace();
    zb::Image frame(r.form.width, r.form.height);
    for (auto _ : state) {
        if (r.form.race.riderFinished[1]) r.startRace();
        r.form.AppMain();
        zb::renderTree(r.form, frame);
        benchmark::DoNotOptimize(frame.pixels.data());
    }
}
BENCHMARK(BM_RaceStepAndFrame)->Unit(benchmark::kMicrosecond);

// Race steps alone, as the headless tests run them.
void BM_RaceStepOnly(benchmark::State& state) {
    Running r;
    r.startRace();
    for (auto _ : state) {
        if (r.form.race.riderFinished[1]) r.startRace();
        r.form.AppMain();
    }
    state.counters["steps_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RaceStepOnly)->Unit(benchmark::kMicrosecond);

void BM_MapStepAllIcons(benchmark::State& state) {
    Running r;
    for (auto& f : r.form.rec.storyFlags)
        f = 0;
    // A stage where many city places are open at once.
    r.form.flag(zb::doneOpening2) = 1;
    r.form.flag(zb::doneStreet2) = 1;
    r.form.flag(zb::doneTV1) = 1;
    r.form.flag(zb::donePort4) = 1;
    r.form.flag(zb::doneChallenge21) = 1;
    r.form.loadMap();
    r.form.showMapComponents(true);
    r.form.screenMode = 2;
    zb::Image frame(r.form.width, r.form.height);
    for (auto _ : state) {
        r.form.AppMap();
        zb::renderTree(r.form, frame);
        benchmark::DoNotOptimize(frame.pixels.data());
    }
}
BENCHMARK(BM_MapStepAllIcons)->Unit(benchmark::kMicrosecond);

void BM_SaveAndLoadSlot(benchmark::State& state) {
    Running r;
    r.form.rec.points = 12345;
    for (auto _ : state) {
        r.form.tsSave(1);
        r.form.dSave(1);
        r.form.dLoad(1);
    }
}
BENCHMARK(BM_SaveAndLoadSlot)->Unit(benchmark::kMicrosecond);

} // namespace
