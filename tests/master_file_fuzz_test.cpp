// A master file full of random bytes, as a broken disk or another program leaves
// it: the game starts, "コンティニュー" opens the load menu over a frame
// background the game has, a slot loads, and saving writes a sound file again.

#include "tests/DataMenuHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace fs = std::filesystem;
using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;
using namespace zb::test;

namespace {

bool shows(TForm1& f, const Picture& p, const std::string& file) {
    const ImagePtr want = f.LoadBmp(file);
    const ImagePtr& have = p.picture();
    return want && have && have->width == want->width && have->height == want->height &&
           have->pixels == want->pixels;
}

// The game's own slot file of a fresh game that has been saved on the map.
Bytes freshSlot() {
    ProgressRecord r;
    r.accelWindowLow = {0, 1, 1};
    r.accelWindowHigh = {0, 10, 10};
    r.savedMapLeft = -230;
    r.savedMapTop = -170;
    r.savedEyeLeft = 226;
    r.savedEyeTop = 34;
    const RecordBytes b = encodeRecord(r);
    return {b.begin(), b.end()};
}

} // namespace

TEST(MasterFileFuzz, RandomBytesNeverLockThePlayerOut) {
    std::mt19937 rng(20260209u);
    int outOfRange = 0;
    for (int round = 0; round < 16; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        GameFolder folder;
        // Whole files, short files and long ones.
        std::uniform_int_distribution<int> lengths(0, 1200);
        const std::size_t size = round < 8 ? 1025 : static_cast<std::size_t>(lengths(rng));
        Bytes master(size);
        for (auto& b : master)
            b = static_cast<std::uint8_t>(rng());
        writeAll("dat/data.bin", master);
        writeAll("dat/save01.bin", freshSlot());
        const int stored = size > 1024 ? master[1024] : 1;
        const bool known = stored >= 1 && stored <= 16;
        if (!known) ++outOfRange;

        Game g;
        TForm1& f = g.f();
        ASSERT_TRUE(g.platform.messages.empty()) << "the title comes up";
        ASSERT_FALSE(g.app.terminated());

        openLoadMenu(g);
        ASSERT_TRUE(g.platform.messages.empty())
            << (g.platform.messages.empty() ? "" : g.platform.messages[0]);
        ASSERT_FALSE(g.app.terminated());
        EXPECT_EQ(f.screenMode, 12);
        const std::string back =
            "img\\back" + TForm1::getTwoDigitString(known ? stored : 1) + ".bmp";
        EXPECT_TRUE(shows(f, *f.backImg, back)) << "frame background " << stored;

        // The stamps, whatever they hold, are drawn inside the menu.
        for (int row = 1; row <= 4; ++row)
            hoverRow(g, row);
        g.run(1000);
        ASSERT_TRUE(g.platform.messages.empty());

        chooseSlot(g, 1);
        ASSERT_TRUE(g.platform.messages.empty());
        ASSERT_EQ(f.screenMode, 2) << "the slot loads onto the map";
        g.run(200);

        // Saving writes a master file the next start reads cleanly.
        pressSaveButton(g);
        ASSERT_EQ(f.screenMode, 11);
        EXPECT_TRUE(shows(f, *f.backImg, back));
        chooseSlot(g, 2);
        const Bytes written = readAll("dat/data.bin");
        ASSERT_EQ(written.size(), 1025u);
        EXPECT_GE(written[1024], 1);
        EXPECT_LE(written[1024], 16);
        ASSERT_TRUE(g.platform.messages.empty());
    }
    EXPECT_GT(outOfRange, 0) << "the rounds must include numbers the game has no picture for";
}
