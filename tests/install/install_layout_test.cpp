// What `cmake --install` lays out: Debian's places for a game, the desktop
// entry, the AppStream data and the icon, each accepted by its validator.

#include "tests/install/InstallHarness.h"

#include <gtest/gtest.h>
#include <stb_image.h>

#include <iterator>
#include <set>

namespace fs = std::filesystem;
using namespace zb::test;

namespace {

// The build's game folder less what playing or building it leaves there.
std::map<std::string, std::uintmax_t> gameFiles(const std::string& sub) {
    auto files = listFiles(fs::path(ZB_GAME_DIR) / sub);
    std::erase_if(files, [](const auto& f) {
        const std::string name = fs::path(f.first).filename().string();
        return name == ".stamp" || name == "data.bin" || name.rfind("save0", 0) == 0 ||
               name.ends_with(".tmp");
    });
    return files;
}

const std::string kApp = ZB_APP_ID;

} // namespace

TEST(InstallLayout, PutsTheGameWhereDebianKeepsGames) {
    const ScratchInstall& in = theInstall();
    ASSERT_TRUE(in.ok()) << in.log();
    const fs::path exe = in.gamesDir() / "zirubo";
    ASSERT_TRUE(fs::is_regular_file(exe));
    EXPECT_NE(fs::status(exe).permissions() & fs::perms::others_exec, fs::perms::none);
    // Every picture, effect and piece of music, and nothing a player left behind.
    EXPECT_EQ(listFiles(in.dataDir() / "img"), gameFiles("img"));
    EXPECT_EQ(listFiles(in.dataDir() / "dat"), gameFiles("dat"));
    EXPECT_TRUE(fs::is_regular_file(in.dataDir() / "img/title.bmp"));

    std::set<std::string> top;
    for (const auto& [path, size] : listFiles(in.prefix())) {
        const fs::path p = path;
        top.insert(p.begin()->string() + "/" + std::next(p.begin())->string());
    }
    EXPECT_EQ(top, (std::set<std::string>{"games/zirubo", "share/games", "share/applications",
                                          "share/metainfo", "share/icons"}));
    EXPECT_TRUE(fs::is_regular_file(in.prefix() / "share/applications" / (kApp + ".desktop")));
    EXPECT_TRUE(fs::is_regular_file(in.prefix() / "share/metainfo" / (kApp + ".metainfo.xml")));
}

TEST(InstallLayout, DesktopEntryAndAppStreamDataPassTheirValidators) {
    const ScratchInstall& in = theInstall();
    ASSERT_TRUE(in.ok()) << in.log();
    std::string out;
    const fs::path desktop = in.prefix() / "share/applications" / (kApp + ".desktop");
    EXPECT_EQ(shell("desktop-file-validate '" + desktop.string() + "'", out), 0) << out;
    EXPECT_EQ(out, "") << "every remark of the validator counts";
    const fs::path meta = in.prefix() / "share/metainfo" / (kApp + ".metainfo.xml");
    EXPECT_EQ(shell("appstreamcli validate --no-net --pedantic '" + meta.string() + "'", out), 0)
        << out;
    EXPECT_NE(out.find("Validation was successful."), std::string::npos) << out;
}

TEST(InstallLayout, IconIsTheRedScooterAtEveryThemeSize) {
    const ScratchInstall& in = theInstall();
    ASSERT_TRUE(in.ok()) << in.log();
    for (const int size : {32, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const std::string n = std::to_string(size);
        const fs::path png =
            in.prefix() / "share/icons/hicolor" / (n + "x" + n) / "apps" / (kApp + ".png");
        int w = 0, h = 0, channels = 0;
        unsigned char* px = stbi_load(png.c_str(), &w, &h, &channels, 4);
        ASSERT_NE(px, nullptr) << png;
        EXPECT_EQ(w, size);
        EXPECT_EQ(h, size);
        EXPECT_EQ(channels, 4) << "the corners are see-through";
        const auto alpha = [&](int x, int y) { return px[4 * (y * w + x) + 3]; };
        EXPECT_EQ(alpha(0, 0), 0);
        EXPECT_EQ(alpha(w - 1, h - 1), 0);
        EXPECT_EQ(alpha(w / 2, h / 2), 255);
        // The scooter's red body covers a good part of the picture.
        int red = 0;
        for (int i = 0; i < w * h; ++i) {
            const unsigned char* p = px + 4 * i;
            red += p[3] == 255 && p[0] > 120 && p[0] > p[1] + 70 && p[0] > p[2] + 70;
        }
        EXPECT_GT(red, w * h / 20) << red << " red pixels";
        stbi_image_free(px);
    }
}
