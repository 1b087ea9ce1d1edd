// Start-up and the title screen, played on the headless backend.

#include "app/Game.h"
#include "tests/GameHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;
using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;
using zb::test::readAll;

TEST(Startup, SecondCopyEndsSilently) {
    GameFolder folder;
    HeadlessPlatform first;
    ASSERT_TRUE(first.acquireInstanceLock("ZBOTOGI"));

    HeadlessPlatform second;
    second.close(); // would end a game that did start
    EXPECT_EQ(runGame(second), 0);
    EXPECT_EQ(second.lockName, "ZBOTOGI");
    EXPECT_EQ(second.presents, 0) << "nothing may be shown";
    EXPECT_TRUE(second.caption.empty()) << "no window is made";
    EXPECT_TRUE(second.messages.empty());
}

// A player who closes the window as soon as the game waits for input.
class ClosesWhenIdle : public HeadlessPlatform {
  public:
    void waitEvent(std::uint32_t timeoutMs) override {
        if (!pending()) close();
        HeadlessPlatform::waitEvent(timeoutMs);
    }
};

TEST(Startup, RunsTheTitleUntilTheWindowCloses) {
    GameFolder folder;
    {
        ClosesWhenIdle p;
        EXPECT_EQ(runGame(p), 0);
        EXPECT_EQ(p.caption, "ズィルボ");
        EXPECT_EQ(p.clientWidth, 514);
        EXPECT_EQ(p.clientHeight, 385);
        EXPECT_EQ(p.presents, 1) << "the title is shown once, then the game waits";
        EXPECT_TRUE(p.messages.empty());
    }
    // Once the first copy has ended, another may start.
    ClosesWhenIdle again;
    EXPECT_EQ(runGame(again), 0);
    EXPECT_EQ(again.presents, 1);
}

TEST(Startup, MissingTitlePictureEndsTheGameWithItsMessage) {
    GameFolder folder({"title.bmp"});
    HeadlessPlatform p;
    EXPECT_NE(runGame(p), 0);
    ASSERT_EQ(p.messages.size(), 1u) << "one message, however many pictures are missing";
    EXPECT_EQ(p.messages[0], "img\\title.bmp" + std::string("の読み込みに失敗しました"));
    EXPECT_TRUE(p.minimised);
    EXPECT_EQ(p.presents, 0) << "the title is never seen";
}

TEST(Startup, MissingPlaceIconIsNamedInTheMessage) {
    GameFolder folder({"icon_07.bmp"});
    HeadlessPlatform p;
    EXPECT_NE(runGame(p), 0);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0], "img\\icon_07.bmp" + std::string("の読み込みに失敗しました"));
}

TEST(Startup, CorruptPictureIsAsFatalAsAMissingOne) {
    GameFolder folder({"map1.bmp"});
    std::ofstream("img/map1.bmp") << "not a picture";
    HeadlessPlatform p;
    EXPECT_NE(runGame(p), 0);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0], "img\\map1.bmp" + std::string("の読み込みに失敗しました"));
}

TEST(Startup, FirstStartWritesTheMasterFile) {
    GameFolder folder;
    Game g;
    auto bytes = readAll("dat/data.bin");
    ASSERT_EQ(bytes.size(), 1025u);
    EXPECT_EQ(bytes[1024], 1) << "frame background 01";
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(bytes[static_cast<std::size_t>(slot) * 256], 0);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(g.f().stampLabel[static_cast<std::size_t>(i)]->caption(), "NO DATA");
}

TEST(Startup, SlotStampsFromTheMasterFileAreShown) {
    GameFolder folder;
    MasterFile m;
    m.slotStamps[2] = "2009/02/15 05:32:00";
    m.backImageNo = 7;
    auto bytes = encodeMaster(m);
    // A short file: only the bytes present count, the rest keep their defaults.
    std::ofstream("dat/data.bin", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), 600);
    Game g;
    EXPECT_EQ(g.f().stampLabel[2]->caption(), "2009/02/15 05:32:00");
    EXPECT_EQ(g.f().stampLabel[1]->caption(), "NO DATA");
    // backImageNo was not in the short file, so the first start writes 1 ...
    EXPECT_EQ(g.f().master.backImageNo, 1);
    // ... and keeps the stamp it read.
    auto again = readAll("dat/data.bin");
    ASSERT_EQ(again.size(), 1025u);
    EXPECT_EQ(again[256], 19);
}

TEST(Startup, TitleScreenIsSilentStaticAndShowsItsButtons) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    EXPECT_EQ(f.screenMode, 0);
    EXPECT_FALSE(g.app.idle()) << "the title installs no idle handler";
    EXPECT_EQ(f.bgmNo, 0);
    EXPECT_TRUE(f.newGameButton->showing());
    EXPECT_EQ(f.newGameButton->left, 401);
    EXPECT_EQ(f.newGameButton->top, 304);
    EXPECT_EQ(f.continueButton->left, 401);
    EXPECT_EQ(f.continueButton->top, 335);
    EXPECT_TRUE(f.fsinfo->showing());
    EXPECT_EQ(f.fsinfo->left, 303);
    EXPECT_EQ(f.fsinfo->top, 270);
    EXPECT_FALSE(f.mapPanel->showing());
    EXPECT_FALSE(f.MesBox->showing());
    EXPECT_EQ(f.fsinfoLabel->caption(), "フルスクリーン解除 : [Alt] + [Enter]キー");
    EXPECT_EQ(f.map->left, -f.map->width / 4);
    EXPECT_EQ(f.map->top, -f.map->height / 4);

    g.run(1000);
    const Image& frame = g.app.frame();
    ASSERT_EQ(frame.width, 514);
    ASSERT_EQ(frame.height, 385);
    // The title picture fills the area and the button captions are drawn.
    auto title = loadImageFile("img/title.bmp");
    ASSERT_TRUE(title);
    EXPECT_EQ(frame.at(10, 10), title->at(10, 10));
    EXPECT_EQ(frame.at(200, 150), title->at(200, 150));
    EXPECT_NE(frame.at(402 + 50, 304 + 12), title->at(402 + 50, 304 + 12));
    // Nothing happens on the title by itself: no repaint without input.
    const auto painted = g.app.framesPainted();
    g.run(5000);
    EXPECT_EQ(g.app.framesPainted(), painted);
}

TEST(Startup, ContinueOpensTheLoadMenuMode) {
    GameFolder folder;
    Game g;
    g.click(401 + 20, 335 + 10);
    EXPECT_EQ(g.f().screenMode, 12);
    EXPECT_FALSE(g.f().newGameButton->visible);
    EXPECT_FALSE(g.f().continueButton->visible);
    EXPECT_FALSE(g.f().fsinfo->visible);
    EXPECT_TRUE(g.f().MesBox->visible);
    EXPECT_TRUE(g.f().waku1->visible);
}

TEST(Startup, NewGameLeavesTheTitleAndSetsTheSettingView) {
    GameFolder folder;
    Game g;
    g.click(401 + 20, 304 + 10);
    EXPECT_FALSE(g.f().newGameButton->visible);
    EXPECT_FALSE(g.f().fsinfo->visible);
    EXPECT_TRUE(g.f().MesBox->visible);
    EXPECT_EQ(g.f().rec.settingViewMode, 2);
}

TEST(Startup, ResetToTheTitleClearsProgressButKeepsStamps) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.rec.points = 4321;
    f.rec.storyFlags[5] = 1;
    f.rec.equippedItems[0] = 1;
    f.master.slotStamps[3] = "2009/02/15 05:32:00"; // as a save leaves it
    ASSERT_TRUE(f.masterSave());
    f.screenMode = 1;
    f.gameOverToTitle();
    EXPECT_EQ(f.screenMode, 0);
    EXPECT_EQ(f.rec.points, 0);
    EXPECT_EQ(f.ptsLabel->caption(), "0");
    EXPECT_EQ(f.rec.storyFlags[5], 0);
    EXPECT_EQ(f.rec.equippedItems[0], 0);
    EXPECT_EQ(f.rec.bestTime[1][2], 9999);
    EXPECT_EQ(f.rec.accelWindowLow[1], 1);
    EXPECT_EQ(f.rec.accelWindowHigh[2], 10);
    EXPECT_EQ(f.race.gearMaxSpeed[4], 203);
    EXPECT_EQ(f.master.slotStamps[3], "2009/02/15 05:32:00");
    EXPECT_EQ(f.stampLabel[3]->caption(), "2009/02/15 05:32:00");
    EXPECT_TRUE(f.newGameButton->visible);
}

// The title's pictures are read ahead while the form is made; that reading is
// handed over once, and a later return to the title reads the files as they
// are then.
TEST(Startup, ReturningToTheTitleReadsItsPicturesAgain) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    ASSERT_TRUE(folder.putPicture("title.bmp", 514, 385, 0x203040));
    f.gameOverToTitle();
    EXPECT_TRUE(g.platform.messages.empty());
    ASSERT_TRUE(f.backImg->picture());
    EXPECT_EQ(f.backImg->picture()->at(100, 100), 0x203040u);

    fs::remove("img/map1.bmp");
    f.gameOverToTitle();
    ASSERT_EQ(g.platform.messages.size(), 1u);
    EXPECT_EQ(g.platform.messages[0], "img\\map1.bmp" + std::string("の読み込みに失敗しました"));
}

TEST(Shell, TwoDigitStrings) {
    EXPECT_EQ(TForm1::getTwoDigitString(7), "07");
    EXPECT_EQ(TForm1::getTwoDigitString(0), "00");
    EXPECT_EQ(TForm1::getTwoDigitString(20), "20");
    EXPECT_EQ(TForm1::getTwoDigitString(123), "123");
}

TEST(Shell, CheckKeyAcceptKeepsOnlyAllowedCharactersAndBackspace) {
    for (char32_t c : {U'0', U'5', U'9', char32_t{8}}) {
        char32_t k = c;
        TForm1::checkKeyAccept(k, "0123456789");
        EXPECT_EQ(k, c);
    }
    for (char32_t c : {U'a', U'-', U' ', U'５', char32_t{13}}) {
        char32_t k = c;
        TForm1::checkKeyAccept(k, "0123456789");
        EXPECT_EQ(k, 0u);
    }
}

TEST(Shell, RandomIsTheGamesGenerator) {
    // seed := seed * 134775813 + 1 (mod 2^32); Random(n) := (seed * n) div 2^32
    Random r;
    r.seed = 0;
    EXPECT_EQ(r(100), 0u); // seed 1
    EXPECT_EQ(r.seed, 1u);
    EXPECT_EQ(r(100), 3u); // seed 134775814
    EXPECT_EQ(r.seed, 134775814u);
    EXPECT_EQ(r(50), 43u); // seed 3698175007
    EXPECT_EQ(r.seed, 3698175007u);
    r.seed = 0xFFFFFFFFu;
    EXPECT_EQ(r(2), 1u); // seed 4160191484, wraps
    EXPECT_EQ(r.seed, 4160191484u);
    EXPECT_EQ(r(0), 0u);
}
