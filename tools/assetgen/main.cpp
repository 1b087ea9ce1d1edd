// assetgen <gameDir>: draws the game's pictures into <gameDir>/img (and makes
// <gameDir>/dat); assetgen --icons <themeDir> <name>: the desktop's icon. Every
// picture is painted by code from fixed seeds, so two runs write the same bytes.
#include "tools/assetgen/Art.h"
#include "tools/assetgen/Audio.h"
#include "tools/assetgen/Portraits.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

struct Output {
    std::string file; // under img/
    std::function<zb::Image()> draw;
};

std::vector<Output> outputs() {
    using namespace zb::art;
    std::vector<Output> list;
    list.push_back({"title.bmp", titlePicture});
    for (int n = 1; n <= 16; ++n)
        list.push_back({"back" + twoDigits(n) + ".bmp", [n] { return backPicture(n); }});
    list.push_back({"map1.bmp", cityMap});
    list.push_back({"map2.bmp", islandMap});
    list.push_back({"map3.bmp", cityMapLater});
    for (int n = 1; n <= 20; ++n)
        list.push_back({"icp" + twoDigits(n) + ".bmp", [n] { return placePicture(n); }});
    // The hero's machine ("PIZZA"), three frames of the race screen.
    for (int f = 1; f <= 3; ++f)
        list.push_back({"PIZZA" + std::to_string(f) + ".bmp", [f] { return heroFrame(f - 1); }});
    for (int n = 1; n <= 20; ++n)
        list.push_back({"icon_" + twoDigits(n) + ".bmp", [n] { return placeIcon(n); }});
    // The rivals: three frames each, and the bullet train as a single picture.
    for (const std::string& id : rivalIds())
        for (int f = 1; f <= 3; ++f)
            list.push_back(
                {id + std::to_string(f) + ".bmp", [id, f] { return rivalFrame(id, f - 1); }});
    list.push_back({"KANATA.bmp", bulletTrain});
    // The race screen: the road, the places' scrolling layers and the sky layers.
    list.push_back({"road.bmp", raceRoad});
    for (int n = 1; n <= 9; ++n)
        list.push_back({"bg" + twoDigits(n) + ".bmp", [n] { return raceBackground(n); }});
    for (int n = 1; n <= 2; ++n)
        list.push_back({"sub" + twoDigits(n) + ".bmp", [n] { return raceSky(n); }});
    // Effects of the race and the end of the story.
    for (int n = 1; n <= 3; ++n)
        list.push_back({"wind" + std::to_string(n) + ".bmp", [n] { return windFrame(n - 1); }});
    for (int n = 1; n <= 6; ++n)
        list.push_back({"philip" + std::to_string(n) + ".bmp", [n] { return philipFrame(n); }});
    list.push_back({"effect.bmp", effectBurst});
    list.push_back({"gameover.bmp", gameOverPicture});
    // The story: every character's portraits, the props of the scenes and the
    // jacket of the final screen.
    for (const zb::portrait::PortraitSet& set : zb::portrait::portraitSets())
        for (int n = 1; n <= set.count; ++n)
            list.push_back({std::string("face") + set.stem + std::to_string(n) + ".bmp",
                            [who = set.who, n] { return zb::portrait::paintPortrait(who, n); }});
    for (int n = 1; n <= 2; ++n)
        list.push_back({"tv" + twoDigits(n) + ".bmp", [n] { return tvPicture(n); }});
    list.push_back({"wall.bmp", shopWall});
    list.push_back({"ss.bmp", ssTrophy});
    list.push_back({"tournament1.bmp", tournamentBoard});
    list.push_back({"jacket.bmp", jacketPicture});
    return list;
}

} // namespace

int main(int argc, char** argv) {
    // assetgen --icons <themeDir> <name>: the desktop's icon, kept out of the
    // game folder, which the game reads alone.
    if (argc == 4 && std::string(argv[1]) == "--icons") {
        const int icons = zb::art::writeGameIcons(argv[2], argv[3]);
        if (icons < 0) {
            std::fprintf(stderr, "assetgen: cannot write the icons into %s\n", argv[2]);
            return 1;
        }
        std::printf("assetgen: %d icons in %s\n", icons, argv[2]);
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen <gameDir> | assetgen --icons <themeDir> <name>\n");
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path game = argv[1];
    std::error_code ec;
    fs::create_directories(game / "img", ec);
    fs::create_directories(game / "dat", ec);
    if (!fs::is_directory(game / "img") || !fs::is_directory(game / "dat")) {
        std::fprintf(stderr, "assetgen: cannot create %s/img and dat\n", game.string().c_str());
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    int written = 0;
    for (const Output& out : outputs()) {
        zb::Image img = out.draw();
        // Pictures that are not keyed keep their corner colour to themselves, so
        // they are shown whole even by a picture control marked transparent.
        if (img.transparentColour() != zb::art::kKey) zb::draw::keepCornerUnique(img);
        const fs::path path = game / "img" / out.file;
        if (!zb::saveBmp(img, path.string())) {
            std::fprintf(stderr, "assetgen: cannot write %s\n", path.string().c_str());
            return 1;
        }
        ++written;
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("assetgen: %d pictures in %s/img (%.0f ms)\n", written, game.string().c_str(), ms);
    // The sound effects and the music; ZB_SOUND_REPORT=1 prints how loud and how
    // bright each piece and section came out.
    const auto soundStart = std::chrono::steady_clock::now();
    const int sounds =
        zb::audio::writeAll((game / "dat").string(), std::getenv("ZB_SOUND_REPORT") != nullptr);
    if (sounds < 0) return 1;
    const double soundMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - soundStart)
            .count();
    std::printf("assetgen: %d sounds and pieces of music in %s/dat (%.0f ms)\n", sounds,
                game.string().c_str(), soundMs);
    return 0;
}
