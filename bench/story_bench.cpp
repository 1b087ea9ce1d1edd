// The story as the player sees it: one advance of a scene (effect, portrait read
// from its file, name and lines) with its frame, and one tick of the ending.

#include "bench/BenchGame.h"
#include "story/Scenes.h"
#include "ui/Renderer.h"

#include <benchmark/benchmark.h>

namespace {

using zb::bench::Running;

void BM_SceneAdvanceAndFrame(benchmark::State& state) {
    Running r;
    r.form.MesBox->visible = r.form.waku1->visible = true;
    r.form.currentPlace = 0;
    r.form.mapToEvent(1); // the opening's first step
    const int last = static_cast<int>(zb::scenes::eventOpening0.steps.size()) - 2;
    zb::Image frame(r.form.width, r.form.height);
    for (auto _ : state) {
        if (r.form.scene.eventStep > last) r.form.scene.eventStep = 1;
        r.form.event();
        r.form.scene.mesShaking = 0;
        zb::renderTree(r.form, frame);
        benchmark::DoNotOptimize(frame.pixels.data());
    }
}
BENCHMARK(BM_SceneAdvanceAndFrame)->Unit(benchmark::kMicrosecond);

void BM_EndingTickAndFrame(benchmark::State& state) {
    Running r;
    r.form.toEnding();
    r.form.scene.eventStep = 0; // as the last race's scene hands over
    zb::Image frame(r.form.width, r.form.height);
    for (auto _ : state) {
        if (r.form.scene.eventStep >= 17) {
            state.PauseTiming();
            r.form.toEnding();
            r.form.scene.eventStep = 0;
            state.ResumeTiming();
        }
        r.form.AppEnding();
        zb::renderTree(r.form, frame);
        benchmark::DoNotOptimize(frame.pixels.data());
    }
}
BENCHMARK(BM_EndingTickAndFrame)->Unit(benchmark::kMicrosecond);

} // namespace
