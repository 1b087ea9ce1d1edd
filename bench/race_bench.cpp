// The race and the map as the player runs them: one race step and its frame,
// one map step with every icon drawn, a save and a load.

#include "bench/BenchGame.h"
#include "ui/Renderer.h"

#include <benchmark/benchmark.h>

namespace {

using zb::bench::Running;

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
