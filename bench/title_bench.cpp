// Painting the real title screen, as the player sees it in full screen.

#include "app/UnitMain.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/Renderer.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void BM_PaintTitleScreen640x480(benchmark::State& state) {
    std::filesystem::current_path(ZB_GAME_DIR);
    zb::HeadlessPlatform platform;
    zb::Application app(platform);
    zb::TForm1 form(app);
    zb::altKeyDown = true;
    form.ToggleFullScreen();
    zb::Image frame(form.width, form.height);
    for (auto _ : state) {
        zb::renderTree(form, frame);
        benchmark::DoNotOptimize(frame.pixels.data());
    }
    state.counters["width"] = frame.width;
    state.counters["height"] = frame.height;
}
BENCHMARK(BM_PaintTitleScreen640x480)->Unit(benchmark::kMicrosecond);

void BM_CreateGameForm(benchmark::State& state) {
    // Start-up cost of the form: stock pictures, layout, the pictures read by init.
    std::filesystem::current_path(ZB_GAME_DIR);
    for (auto _ : state) {
        zb::HeadlessPlatform platform;
        zb::Application app(platform);
        zb::TForm1 form(app);
        benchmark::DoNotOptimize(&form);
    }
}
BENCHMARK(BM_CreateGameForm)->Unit(benchmark::kMillisecond);


void BM_PaintStockPictures(benchmark::State& state) {
    // The part of the form's start-up that paints the pictures drawn by code.
    for (auto _ : state) {
        zb::StockPictures stock;
        benchmark::DoNotOptimize(&stock);
    }
}
BENCHMARK(BM_PaintStockPictures)->Unit(benchmark::kMillisecond);

void BM_ReadStartBitmaps(benchmark::State& state) {
    // The bitmaps the form reads before its title is shown.
    std::filesystem::current_path(ZB_GAME_DIR);
    for (auto _ : state) {
        for (const char* f : {"img/title.bmp", "img/map1.bmp", "img/PIZZA1.bmp", "img/icon_01.bmp"})
            benchmark::DoNotOptimize(zb::loadImageFile(f));
    }
}
BENCHMARK(BM_ReadStartBitmaps)->Unit(benchmark::kMillisecond);

} // namespace
