// Cost of painting one full frame of the title screen in full-screen layout: the
// 640 x 480 form, the main panel with its background picture, the two title
// buttons, a keyed picture and the hint label.

#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Renderer.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace zb;

std::shared_ptr<Image> gradient(int w, int h) {
    auto img = std::make_shared<Image>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img->at(x, y) = rgb(x / 2, y / 2, (x ^ y) & 255);
    return img;
}

// A banner: white letters-like stripes on a magenta key colour.
std::shared_ptr<Image> keyedBanner(int w, int h) {
    auto img = std::make_shared<Image>(w, h, rgb(255, 0, 255));
    for (int y = 4; y < h - 4; ++y)
        for (int x = 0; x < w; ++x)
            if ((x / 6) % 2 == 0) img->at(x, y) = rgb(255, 255, 255);
    return img;
}

// The title screen; with `busy` also the message frame, three lines of dialogue and
// a row of small pictures, about twenty visible controls in all.
void buildTitle(Form& form, bool busy) {
    form.setBounds(0, 0, 640, 480);

    auto& mainPanel = form.add<Panel>("mainPanel");
    mainPanel.setBounds(63, 48, 514, 385);
    mainPanel.colour = rgb(0, 0, 0);

    auto& backImg = mainPanel.add<Picture>("backImg");
    backImg.autoSize = true;
    backImg.setPicture(gradient(514, 385));

    auto& logo = mainPanel.add<Picture>("logo");
    logo.autoSize = true;
    logo.transparent = true;
    logo.setPos(157, 120);
    logo.setPicture(keyedBanner(200, 30));

    auto& hint = form.add<Label>("fsinfoLabel");
    hint.fontColour = rgb(255, 255, 255);
    hint.setPos(0, 0);
    hint.setCaption("フルスクリーン解除 : [Alt] + [Enter]キー");

    auto& newGame = form.add<Button>("newGameButton");
    newGame.setBounds(401 + 63, 304 + 48, 100, 25);
    newGame.caption = "ニューゲーム";

    auto& cont = form.add<Button>("continueButton");
    cont.setBounds(401 + 63, 335 + 48, 100, 25);
    cont.caption = "コンティニュー";

    if (!busy) return;
    auto& waku = mainPanel.add<Picture>("waku1");
    waku.autoSize = true;
    waku.transparent = true;
    waku.setPos(4, 271);
    waku.setPicture(keyedBanner(506, 110));
    const char* const lines[] = {"「おい、ピザ屋。今夜も走るのか？」", "「当たり前だろ。」",
                                 "スロット 1 にセーブしました"};
    for (int i = 0; i < 3; ++i) {
        auto& line = mainPanel.add<Label>("mesLine" + std::to_string(i + 1));
        line.fontColour = rgb(255, 255, 255);
        line.font.pixelSize = 16;
        line.setPos(12, 302 + 21 * i);
        line.setCaption(lines[i]);
    }
    auto icon = gradient(24, 24);
    for (int i = 0; i < 8; ++i) {
        auto& pic = mainPanel.add<Picture>("icon" + std::to_string(i + 1));
        pic.autoSize = true;
        pic.transparent = i % 2 == 0;
        pic.setPos(20 + 40 * i, 20);
        pic.setPicture(icon);
    }
}

void paintLoop(benchmark::State& state, bool busy) {
    Form form("Form1");
    buildTitle(form, busy);
    Image frame(640, 480);
    renderTree(form, frame); // loads the fonts and fills the glyph cache
    for (auto _ : state) {
        renderTree(form, frame);
        benchmark::DoNotOptimize(frame.pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_PaintTitleFrame(benchmark::State& state) {
    paintLoop(state, false);
}
BENCHMARK(BM_PaintTitleFrame)->Unit(benchmark::kMicrosecond);

void BM_PaintBusyFrame(benchmark::State& state) {
    paintLoop(state, true);
}
BENCHMARK(BM_PaintBusyFrame)->Unit(benchmark::kMicrosecond);

} // namespace
