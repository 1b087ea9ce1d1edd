// The map screen played on the headless backend: scrolling with the button held,
// the eye, hit testing, the open places through the story, the map pictures, the
// icons painted into the map and the information panel.

#include "data/UnitConst.h"
#include "tests/GameHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;

namespace {

namespace fs = std::filesystem;

// Writes a picture of one colour into the game folder's img/, replacing a link
// to a generated picture of that name if there is one.
void writePicture(const GameFolder& folder, const std::string& name, int w, int h,
                  std::uint32_t colour) {
    const fs::path path = folder.path() / "img" / name;
    std::error_code ec;
    fs::remove(path, ec);
    Image img(w, h, colour);
    ASSERT_TRUE(saveBmp(img, path.string())) << name;
}

// Every flag from the opening up to and including `last` is done: the story has
// reached that scene.
void reach(TForm1& f, StoryFlag last) {
    for (int i = 0; i <= last; ++i)
        f.rec.storyFlags[static_cast<std::size_t>(i)] = 1;
}

std::set<int> openPlaces(const TForm1& f) {
    std::set<int> open;
    for (int p = 0; p <= 25; ++p)
        if (f.isShowStar(p) || f.isShowStar2(p)) open.insert(p);
    return open;
}

class MapTest : public ::testing::Test {
  protected:
    MapTest() {
        // The place pictures of the information panel, where the game has none yet.
        for (int p = 1; p <= kPlaceCount; ++p) {
            const std::string name = "icp" + TForm1::getTwoDigitString(p) + ".bmp";
            if (!fs::exists(folder.path() / "img" / name))
                writePicture(folder, name, 90, 74, rgb(10 * p, 200 - 5 * p, 40));
        }
        g = std::make_unique<Game>();
    }

    TForm1& f() { return g->f(); }

    // Leaves the title for the map screen with the map at (left, top) in the panel.
    void enterMap(int left, int top) {
        TForm1& form = f();
        form.newGameButton->visible = false;
        form.continueButton->visible = false;
        form.fsinfo->visible = false;
        form.map->setPos(left, top);
        form.showMapComponents(true);
        form.screenMode = 2;
        form.installIdle("AppMap", kStepPeriod, &TForm1::AppMap);
        form.showPlaceInfo();
    }

    // Panel coordinates to form coordinates, for injected input.
    int fx(int panelX) { return panelX + f().mapPanel->formLeft(); }
    int fy(int panelY) { return panelY + f().mapPanel->formTop(); }
    void pressPanel(int x, int y) { g->press(fx(x), fy(y)); }
    void releasePanel(int x, int y) { g->release(fx(x), fy(y)); }
    void movePanel(int x, int y) {
        g->platform.mouseMove(fx(x), fy(y));
        g->flush();
    }
    // Exactly one frame step of the map: a step and its 1 ms sleep.
    void step(int n = 1) {
        for (int i = 0; i < n; ++i)
            g->run(kStepPeriod + 1);
    }
    // Press at a form point and hold it for n steps; returns how far the map moved.
    std::pair<int, int> holdAt(int formX, int formY, int n) {
        const int l = f().map->left, t = f().map->top;
        g->press(formX, formY);
        step(n);
        return {f().map->left - l, f().map->top - t};
    }

    GameFolder folder;
    std::unique_ptr<Game> g;
};

using MapDirection = MapTest;
using MapOpenPlaces = MapTest;
using MapPicture = MapTest;
using MapStars = MapTest;
using MapHitTest = MapTest;
using MapScroll = MapTest;
using MapEye = MapTest;
using MapInfo = MapTest;
using MapNoise = MapTest;

} // namespace

// ---------------------------------------------------------------------------
// Direction from the panel's centre, and the two areas of the panel.

TEST(MapDirectionMath, CardinalAndDiagonalDirections) {
    EXPECT_EQ(TForm1::getDegree(330, 115), 0);
    EXPECT_EQ(TForm1::getDegree(330, 15), 45);
    EXPECT_EQ(TForm1::getDegree(230, 15), 90) << "screen y grows downwards: up is 90";
    EXPECT_EQ(TForm1::getDegree(130, 15), 135);
    EXPECT_EQ(TForm1::getDegree(130, 115), 180);
    EXPECT_EQ(TForm1::getDegree(130, 215), 225);
    EXPECT_EQ(TForm1::getDegree(230, 215), 270);
    EXPECT_EQ(TForm1::getDegree(330, 215), 315);
    EXPECT_EQ(TForm1::getDegree(230, 115), 0) << "the centre itself";
}

TEST(MapDirectionMath, RoundsToTheNearestDegreeAndStaysIn0To359) {
    // (200, -100) from the centre: 26.565 degrees; (200, 100): -26.565.
    EXPECT_EQ(TForm1::getDegree(430, 15), 27);
    EXPECT_EQ(TForm1::getDegree(430, 215), 333);
    // Just below the horizontal on the right: -0.19 degrees is 0, never 360.
    EXPECT_EQ(TForm1::getDegree(530, 116), 0);
    // Just below the horizontal on the left: -179.8 becomes 180.
    EXPECT_EQ(TForm1::getDegree(-70, 116), 180);
    for (int y = -300; y <= 500; y += 7)
        for (int x = -300; x <= 800; x += 11) {
            const int d = TForm1::getDegree(x, y);
            ASSERT_GE(d, 0);
            ASSERT_LE(d, 359);
        }
}

TEST(MapDirectionMath, HalvesRoundToEven) {
    EXPECT_EQ(wholeDegree(22.5), 22);
    EXPECT_EQ(wholeDegree(67.5), 68);
    EXPECT_EQ(wholeDegree(0.5), 0);
    EXPECT_EQ(wholeDegree(1.5), 2);
    EXPECT_EQ(wholeDegree(179.5), 180);
    EXPECT_EQ(wholeDegree(178.5), 178);
    EXPECT_EQ(wholeDegree(-22.5), 338) << "-22 turned into 0..359";
    EXPECT_EQ(wholeDegree(-67.5), 292) << "-68 turned into 0..359";
    EXPECT_EQ(wholeDegree(-0.4), 0);
    EXPECT_EQ(wholeDegree(-179.6), 180);
}

TEST(MapDirectionMath, CentreSquareAndOutsideThePanel) {
    // isAreaCenter answers true OUTSIDE the square 207..253 x 92..138.
    EXPECT_FALSE(TForm1::isAreaCenter(207, 92));
    EXPECT_FALSE(TForm1::isAreaCenter(253, 138));
    EXPECT_FALSE(TForm1::isAreaCenter(230, 115));
    EXPECT_TRUE(TForm1::isAreaCenter(206, 115));
    EXPECT_TRUE(TForm1::isAreaCenter(254, 115));
    EXPECT_TRUE(TForm1::isAreaCenter(230, 91));
    EXPECT_TRUE(TForm1::isAreaCenter(230, 139));

    EXPECT_FALSE(TForm1::isAreaOut(0, 0));
    EXPECT_FALSE(TForm1::isAreaOut(460, 230)) << "the far edges still count as inside";
    EXPECT_TRUE(TForm1::isAreaOut(-1, 10));
    EXPECT_TRUE(TForm1::isAreaOut(10, -1));
    EXPECT_TRUE(TForm1::isAreaOut(461, 10));
    EXPECT_TRUE(TForm1::isAreaOut(10, 231));
}

// ---------------------------------------------------------------------------
// Which places are open as the story goes on.

TEST_F(MapOpenPlaces, NewGameOpensOnlyTheShoppingStreetAndTheSchool) {
    EXPECT_EQ(openPlaces(f()), (std::set<int>{1, 2}));
}

TEST_F(MapOpenPlaces, AfterTheOpeningTheCityAndItsStreetRacesOpen) {
    f().flag(doneOpening2) = 1;
    EXPECT_EQ(openPlaces(f()), (std::set<int>{1, 2, 4, 5, 18, 19}));
    // "Set" means any non-zero value for the opening flag.
    f().flag(doneOpening2) = 2;
    EXPECT_EQ(openPlaces(f()), (std::set<int>{1, 2, 4, 5, 18, 19}));
}

TEST_F(MapOpenPlaces, OnTheIslandTheCityIsClosed) {
    reach(f(), doneIsland1); // doneRenraku still 0
    EXPECT_EQ(openPlaces(f()), (std::set<int>{12}));
    reach(f(), doneIsland3);
    EXPECT_EQ(openPlaces(f()), (std::set<int>{13, 14, 20}));
    reach(f(), doneKusaRace2); // the island of junk again, the race track closed
    EXPECT_EQ(openPlaces(f()), (std::set<int>{12, 14, 20}));
    reach(f(), doneIsland5);
    EXPECT_EQ(openPlaces(f()), (std::set<int>{13, 14, 20}));
    reach(f(), doneKusaRace4); // the junk shop and the island road stay until the ship
    EXPECT_EQ(openPlaces(f()), (std::set<int>{14, 15, 20}));
}

TEST_F(MapOpenPlaces, BackFromTheIslandTheShopAndStreetsReopenBeforeTheHomeStreet) {
    reach(f(), doneRenraku);
    EXPECT_EQ(openPlaces(f()), (std::set<int>{5, 11, 18, 19}));
    reach(f(), donePort4); // the way home: 1 and 2 again, and the first street race 17
    EXPECT_EQ(openPlaces(f()), (std::set<int>{1, 2, 5, 17, 18, 19}));
}

TEST_F(MapOpenPlaces, RulesNeedExactlyOneWhereTheyAskForIt) {
    f().flag(doneTV1) = 1;
    EXPECT_TRUE(f().isShowStar(3));
    f().flag(doneTV1) = 2; // "= 1" is not "set"
    EXPECT_FALSE(f().isShowStar(3));
    f().flag(doneTV1) = 1;
    f().flag(doneDemoEx2) = 1;
    EXPECT_FALSE(f().isShowStar(3));

    f().flag(doneRHouse4) = 1;
    EXPECT_FALSE(f().isShowStar(7)) << "the bay city waits for the opening";
    f().flag(doneOpening2) = 1;
    EXPECT_TRUE(f().isShowStar(7));

    EXPECT_FALSE(f().isShowStar(16));
    f().flag(doneChallenge21) = 1;
    EXPECT_TRUE(f().isShowStar(16));
}

TEST_F(MapOpenPlaces, NoPlaceZeroAndNoneAbove20) {
    for (auto& b : f().rec.storyFlags)
        b = 1;
    for (int p : {0, 21, 22, 100, 255}) {
        EXPECT_FALSE(f().isShowStar(p)) << p;
        EXPECT_FALSE(f().isShowStar2(p)) << p;
    }
    // Each rule answers only for its own places.
    f().rec.storyFlags = {};
    f().flag(doneOpening2) = 1;
    EXPECT_FALSE(f().isShowStar(18));
    EXPECT_TRUE(f().isShowStar2(18));
    EXPECT_FALSE(f().isShowStar2(4));
    EXPECT_TRUE(f().isShowStar(4));
}

// ---------------------------------------------------------------------------
// The map picture for the story state.

TEST_F(MapPicture, LoadsCityIslandOrLaterCityByTheFlags) {
    writePicture(folder, "map2.bmp", 300, 200, rgb(0, 80, 160));
    writePicture(folder, "map3.bmp", 940, 700, rgb(160, 80, 0));
    TForm1& form = f();

    form.loadMap();
    ImagePtr city = loadImageFile("img/map1.bmp");
    ASSERT_TRUE(city);
    ASSERT_TRUE(form.map->picture());
    EXPECT_EQ(form.map->picture()->pixels, city->pixels);
    EXPECT_EQ(form.map->width, city->width) << "the picture sizes itself to the bitmap";

    form.map->setPos(-400, -380); // scrolled far into the city
    form.flag(doneIsland1) = 1;
    form.loadMap();
    EXPECT_EQ(form.map->width, 300);
    EXPECT_EQ(form.map->picture()->at(5, 5), rgb(0, 80, 160));
    EXPECT_EQ(form.map->left, 0) << "a map smaller than the view stays at its corner";
    EXPECT_EQ(form.map->top, 0);

    form.flag(doneRenraku) = 1;
    form.loadMap();
    EXPECT_EQ(form.map->picture()->pixels, city->pixels) << "back in the city";

    form.map->setPos(-100, -50); // a place inside the map is kept
    form.flag(doneRenraku) = 0;
    form.flag(doneLast3) = 1; // wins over the island rule
    form.loadMap();
    EXPECT_EQ(form.map->width, 940);
    EXPECT_EQ(form.map->left, -100);
    EXPECT_EQ(form.map->top, -50);
    EXPECT_EQ(form.map->picture()->at(5, 5), rgb(160, 80, 0));
    EXPECT_FALSE(form.fatalErrorShown());
}

TEST(MapPictureMissing, AMissingIslandMapEndsTheGame) {
    GameFolder folder({"map2.bmp"});
    Game g;
    g.f().flag(doneIsland1) = 1;
    g.f().loadMap();
    EXPECT_TRUE(g.f().fatalErrorShown());
    ASSERT_FALSE(g.platform.messages.empty());
    EXPECT_EQ(g.platform.messages.back(), "img\\map2.bmpの読み込みに失敗しました");
}

// ---------------------------------------------------------------------------
// Icons painted into the map picture.

TEST_F(MapStars, OpenPlacesAreDrawnIntoTheMapAndClosedOnesAreNot) {
    TForm1& form = f();
    form.flag(doneOpening2) = 1; // 4 open, 6 closed
    form.loadMap();
    ImagePtr original = loadImageFile("img/map1.bmp");
    ASSERT_TRUE(original);
    form.drawStars();
    const Image& shown = *form.map->picture();

    // Place 4 at (440, 530): the icon's top-left at (440 - 35, 530 - 25).
    const Image& icon = *form.placeIcons[4];
    const std::uint32_t key = icon.transparentColour();
    int painted = 0, kept = 0;
    for (int y = 0; y < icon.height; ++y)
        for (int x = 0; x < icon.width; ++x) {
            const int mx = 405 + x, my = 505 + y;
            if (icon.at(x, y) != key) {
                ASSERT_EQ(shown.at(mx, my), icon.at(x, y)) << x << "," << y;
                ++painted;
            } else {
                ASSERT_EQ(shown.at(mx, my), original->at(mx, my))
                    << "transparent " << x << "," << y;
                ++kept;
            }
        }
    EXPECT_GT(painted, 0);
    EXPECT_GT(kept, 0);

    // Place 6 at (620, 140) is closed: its square is the map as loaded.
    for (int y = 115; y < 165; ++y)
        for (int x = 585; x < 655; ++x)
            ASSERT_EQ(shown.at(x, y), original->at(x, y)) << x << "," << y;

    // The picture file itself is untouched.
    EXPECT_EQ(loadImageFile("img/map1.bmp")->pixels, original->pixels);
}

TEST_F(MapStars, TheMapShownAtStartIsTakenOverAndTheStepDoesNotCopyIt) {
    TForm1& form = f();
    enterMap(-300, -300);
    const ImagePtr atStart = form.map->picture(); // the start loaded map1 by itself
    ImagePtr original = loadImageFile("img/map1.bmp");
    ASSERT_TRUE(atStart && original);
    step();
    const Image* first = form.map->picture().get();
    EXPECT_NE(first, atStart.get());
    EXPECT_EQ(atStart->pixels, original->pixels) << "a shared picture is never painted on";

    // Place 1 (490, 220) is open from the start: its icon is in the map now.
    const Image& icon = *form.placeIcons[1];
    int painted = 0;
    for (int y = 0; y < icon.height; ++y)
        for (int x = 0; x < icon.width; ++x)
            if (icon.at(x, y) != icon.transparentColour() &&
                icon.at(x, y) != original->at(455 + x, 195 + y)) {
                ASSERT_EQ(first->at(455 + x, 195 + y), icon.at(x, y));
                ++painted;
            }
    EXPECT_GT(painted, 0);
    step(3);
    EXPECT_EQ(form.map->picture().get(), first) << "the icons go into the same picture";
}

TEST_F(MapStars, AClosedPlaceStaysPaintedUntilTheMapIsLoadedButCannotBeHit) {
    TForm1& form = f();
    form.flag(doneOpening2) = 1;
    form.loadMap();
    ImagePtr original = loadImageFile("img/map1.bmp");
    form.map->setPos(-300, -400);
    form.drawStars();
    form.flag(doneStreet2) = 1; // place 4 closes
    form.drawStars();
    const Image& icon = *form.placeIcons[4];
    auto iconStillThere = [&] {
        const Image& shown = *form.map->picture();
        for (int y = 0; y < icon.height; ++y)
            for (int x = 0; x < icon.width; ++x)
                if (icon.at(x, y) != icon.transparentColour() &&
                    icon.at(x, y) != original->at(405 + x, 505 + y) &&
                    shown.at(405 + x, 505 + y) == icon.at(x, y))
                    return true;
        return false;
    };
    EXPECT_TRUE(iconStillThere());
    form.checkPlace(440 - 300, 530 - 400); // right on place 4
    EXPECT_EQ(form.currentPlace, 0);
    form.loadMap();
    form.drawStars();
    EXPECT_FALSE(iconStillThere());
}

// ---------------------------------------------------------------------------
// Hit testing.

TEST_F(MapHitTest, TheBoxReaches25PixelsEachWay) {
    TForm1& form = f(); // place 1 at (490, 220) is open
    form.map->setPos(-300, -150);
    auto hit = [&](int mx, int my) {
        form.checkPlace(mx - 300, my - 150);
        return static_cast<int>(form.currentPlace);
    };
    EXPECT_EQ(hit(490, 220), 1);
    EXPECT_EQ(hit(515, 245), 1);
    EXPECT_EQ(hit(465, 195), 1);
    EXPECT_EQ(hit(516, 220), 0);
    EXPECT_EQ(hit(490, 194), 0);
    EXPECT_EQ(hit(464, 220), 0);
    EXPECT_EQ(hit(490, 246), 0);
}

TEST_F(MapHitTest, OverlappingBoxesPickTheLowerNumber) {
    TForm1& form = f();
    form.flag(doneTV1) = 1; // place 3 (460, 170) opens beside place 1 (490, 220)
    form.map->setPos(0, 0);
    form.checkPlace(470, 195); // inside both boxes
    EXPECT_EQ(form.currentPlace, 1);
    form.flag(doneIsland1) = 1; // place 1 closes
    form.checkPlace(470, 195);
    EXPECT_EQ(form.currentPlace, 3);

    // On the island: 13 (165, 60) and 14 (190, 100) are both open.
    form.rec.storyFlags = {};
    reach(form, doneIsland3);
    form.checkPlace(178, 80);
    EXPECT_EQ(form.currentPlace, 13);
}

TEST_F(MapHitTest, AClosedPlaceCannotBeHit) {
    TForm1& form = f();
    form.map->setPos(-400, -100);
    form.checkPlace(620 - 400, 140 - 100); // place 6, closed at the start
    EXPECT_EQ(form.currentPlace, 0);
    form.flag(doneLastNight1) = 1;
    form.checkPlace(620 - 400, 140 - 100);
    EXPECT_EQ(form.currentPlace, 6);
}

// ---------------------------------------------------------------------------
// Scrolling with the left button held.

TEST_F(MapScroll, HeldInTheCentreSquareTheMapStays) {
    enterMap(-200, -200);
    auto moved = holdAt(fx(230), fy(115), 5);
    EXPECT_EQ(moved, std::make_pair(0, 0));
    EXPECT_EQ(f().race.clutchHeld, 1);
    EXPECT_FALSE(f().eye->visible) << "the eye is hidden while the button is held";
    releasePanel(230, 115);
    // The square's corners are still inside it.
    EXPECT_EQ(holdAt(fx(253), fy(92), 3), std::make_pair(0, 0));
    releasePanel(253, 92);
    EXPECT_EQ(holdAt(fx(207), fy(138), 3), std::make_pair(0, 0));
    releasePanel(207, 138);
    // One pixel further out it scrolls.
    EXPECT_NE(holdAt(fx(254), fy(92), 1), std::make_pair(0, 0));
}

TEST_F(MapScroll, UpRightAt45DegreesMovesLeftAndDown4PerStep) {
    enterMap(-200, -200);
    pressPanel(260, 85); // just outside the centre square, 45 degrees
    EXPECT_EQ(f().mapState.scrollAngle, 45);
    step(3);
    EXPECT_EQ(f().map->left, -212);
    EXPECT_EQ(f().map->top, -188);
}

TEST_F(MapScroll, StraightUpMovesOnlyVerticallyAndRightOnlyHorizontally) {
    enterMap(-200, -200);
    pressPanel(230, 40);
    EXPECT_EQ(f().mapState.scrollAngle, 90);
    step(2);
    EXPECT_EQ(f().map->left, -200);
    EXPECT_EQ(f().map->top, -192);
    // Moving the pointer while held turns the direction.
    movePanel(420, 115);
    EXPECT_EQ(f().mapState.scrollAngle, 0);
    step(2);
    EXPECT_EQ(f().map->left, -208);
    EXPECT_EQ(f().map->top, -192);
}

TEST_F(MapScroll, EveryBandOfBothTablesInsideAndOutsideThePanel) {
    // (angle, horizontal step, vertical step) with the pointer inside the panel.
    struct Row {
        int angle, dx, dy;
    };
    const Row rows[] = {
        {0, -4, 0},    {9, -4, 0},    {10, -4, 2},   {19, -4, 2},   {20, -4, 4},   {70, -4, 4},
        {71, -2, 4},   {79, -2, 4},   {80, 0, 4},    {100, 0, 4},   {101, 2, 4},   {110, 2, 4},
        {111, 4, 4},   {160, 4, 4},   {161, 4, 2},   {169, 4, 2},   {170, 4, 0},   {190, 4, 0},
        {191, 4, -2},  {200, 4, -2},  {201, 4, -4},  {250, 4, -4},  {251, 2, -4},  {259, 2, -4},
        {260, 0, -4},  {280, 0, -4},  {281, -2, -4}, {290, -2, -4}, {291, -4, -4}, {340, -4, -4},
        {341, -4, -2}, {349, -4, -2}, {350, -4, 0},  {359, -4, 0},
    };
    enterMap(-200, -200);
    auto bigger = [](int s) { return s == 0 ? 0 : (s > 0 ? s + 2 : s - 2); };
    for (bool outside : {false, true}) {
        // The pointer is pressed on the map and held still, inside or dragged out
        // of the panel; the direction is set for each row.
        const int px = outside ? -40 : 20, py = outside ? 300 : 20;
        pressPanel(20, 20);
        movePanel(px, py);
        for (const Row& r : rows) {
            f().map->setPos(-200, -200);
            f().mapState.scrollAngle = static_cast<std::int16_t>(r.angle);
            step();
            const int dx = outside ? bigger(r.dx) : r.dx, dy = outside ? bigger(r.dy) : r.dy;
            EXPECT_EQ(f().map->left, -200 + dx) << "angle " << r.angle << " outside " << outside;
            EXPECT_EQ(f().map->top, -200 + dy) << "angle " << r.angle << " outside " << outside;
        }
        releasePanel(px, py);
    }
}

TEST_F(MapScroll, AStepMayOvershootTheEdgeOnceThenStops) {
    enterMap(-458, -2);  // city map 920 x 680: Left stops at 460 - 920 = -460
    pressPanel(420, 20); // up and right
    ASSERT_LT(f().mapState.scrollAngle, 71);
    ASSERT_GT(f().mapState.scrollAngle, 19);
    step();
    EXPECT_EQ(f().map->left, -462) << "tested before the move, so it passes the edge";
    EXPECT_EQ(f().map->top, 2);
    EXPECT_FALSE(f().map_arrow_right->visible);
    EXPECT_FALSE(f().map_arrow_up->visible);
    EXPECT_TRUE(f().map_arrow_left->visible);
    EXPECT_TRUE(f().map_arrow_down->visible);
    step(3);
    EXPECT_EQ(f().map->left, -462);
    EXPECT_EQ(f().map->top, 2);
    releasePanel(420, 20);

    // The other two edges: Left < 0 and Top > 230 - 680 = -450.
    f().map->setPos(-1, -448);
    pressPanel(20, 200); // down and left
    step();
    EXPECT_EQ(f().map->left, 3);
    EXPECT_EQ(f().map->top, -452);
    EXPECT_FALSE(f().map_arrow_left->visible);
    EXPECT_FALSE(f().map_arrow_down->visible);
    step(2);
    EXPECT_EQ(f().map->left, 3);
    EXPECT_EQ(f().map->top, -452);
}

TEST_F(MapScroll, ThePointerOutsideThePanelScrollsFasterAndShowsNoPlace) {
    TForm1& form = f();
    enterMap(-300, -150); // place 1 at panel (190, 70)
    pressPanel(190, 70);
    step();
    ASSERT_EQ(form.currentPlace, 1) << "the information follows the pointer while held";
    EXPECT_EQ(form.line1->caption(), "【 神奈玉商店街 】");
    EXPECT_TRUE(form.goButton->visible);

    movePanel(-40, 70); // left of the panel: about 170 degrees
    const int left = form.map->left;
    step();
    EXPECT_EQ(form.map->left, left + 6);
    EXPECT_EQ(form.currentPlace, 0);
    EXPECT_EQ(form.line1->caption(), "【 神奈玉商店街 】") << "the panel is left as it was";
    const std::uint8_t noise = form.mapState.noisePhase;
    step();
    EXPECT_EQ(form.line1->caption(), "") << "the next step clears the lines";
    EXPECT_EQ(form.mapState.noisePhase, (noise + 1) % 11);
    EXPECT_EQ(form.map->left, left + 12);

    movePanel(form.map->left + 490, form.map->top + 220); // back onto place 1
    step();
    EXPECT_EQ(form.currentPlace, 1);
}

TEST_F(MapScroll, TheArrowsScroll6PixelsPerStepTheirWayOnly) {
    TForm1& form = f();
    enterMap(-200, -200);
    struct Arrow {
        Picture* arrow;
        int dx, dy;
    };
    for (const Arrow& a : {Arrow{form.map_arrow_up, 0, 6}, Arrow{form.map_arrow_down, 0, -6},
                           Arrow{form.map_arrow_left, 6, 0}, Arrow{form.map_arrow_right, -6, 0}}) {
        form.map->setPos(-200, -200);
        ASSERT_TRUE(a.arrow->visible) << a.arrow->name;
        const int x = a.arrow->formLeft() + a.arrow->width / 2;
        const int y = a.arrow->formTop() + a.arrow->height / 2;
        ASSERT_EQ(g->form->controlAt(x, y), a.arrow);
        auto moved = holdAt(x, y, 3);
        EXPECT_EQ(moved, std::make_pair(3 * a.dx, 3 * a.dy)) << a.arrow->name;
        EXPECT_EQ(form.currentPlace, 0);
        g->release(x, y);
    }
}

TEST_F(MapScroll, OnlyTheLeftButtonOnTheMapScreenHolds) {
    enterMap(-200, -200);
    g->press(fx(20), fy(20), MouseButton::Right);
    EXPECT_EQ(f().race.clutchHeld, 0);
    EXPECT_TRUE(f().eye->visible);
    step(2);
    EXPECT_EQ(f().map->left, -200);
    g->release(fx(20), fy(20), MouseButton::Right);

    f().screenMode = 11; // the save menu over the map
    pressPanel(20, 20);
    EXPECT_EQ(f().race.clutchHeld, 0);
}

// ---------------------------------------------------------------------------
// The eye.

TEST_F(MapEye, ReleasingPutsTheEyeCentredOnThePointInsideTheFrame) {
    TForm1& form = f();
    enterMap(-200, -200);
    pressPanel(100, 100);
    releasePanel(100, 100);
    EXPECT_EQ(form.eye->left, 87);
    EXPECT_EQ(form.eye->top, 88);
    EXPECT_TRUE(form.eye->visible);
    EXPECT_EQ(form.race.clutchHeld, 0);

    pressPanel(100, 100);
    releasePanel(0, 0);
    EXPECT_EQ(std::make_pair(form.eye->left, form.eye->top), std::make_pair(6, 6));
    pressPanel(100, 100);
    releasePanel(459, 229);
    EXPECT_EQ(std::make_pair(form.eye->left, form.eye->top), std::make_pair(428, 200));
}

TEST_F(MapEye, ReleasingOutsideThePanelTestsTheHiddenMap) {
    TForm1& form = f();
    enterMap(-460, -230); // place 2 (360, 280) lies at panel (-100, 50), out of sight
    pressPanel(100, 100);
    releasePanel(-100, 50);
    EXPECT_EQ(form.currentPlace, 2);
    EXPECT_EQ(form.line1->caption(), "【 教習所 】");
    EXPECT_EQ(std::make_pair(form.eye->left, form.eye->top), std::make_pair(6, 38));
}

// ---------------------------------------------------------------------------
// The information panel.

TEST_F(MapInfo, APlaceShowsItsPictureTextsForecastAndTheEnterButton) {
    TForm1& form = f();
    form.rec.equippedItems[28] = 1; // the weather forecast
    enterMap(-300, -150);
    EXPECT_TRUE(form.weatherPanel->visible);
    pressPanel(60, 130); // place 2 (360, 280)
    releasePanel(60, 130);
    ASSERT_EQ(form.currentPlace, 2);
    EXPECT_EQ(form.line1->caption(), "【 教習所 】");
    EXPECT_EQ(form.line2->caption(), "　バイクの操作方法はこちらで！");
    EXPECT_EQ(form.line3->caption(), "　何度でも行くことができる");
    EXPECT_TRUE(form.goButton->visible);
    EXPECT_NE(form.weatherIcon->picture(), nullptr);
    ImagePtr icp = loadImageFile("img/icp02.bmp");
    ASSERT_TRUE(icp);
    ASSERT_TRUE(form.iconMap->picture());
    EXPECT_EQ(form.iconMap->picture()->pixels, icp->pixels);

    // An empty spot: no button and no forecast, even with the option fitted.
    pressPanel(430, 20);
    releasePanel(430, 20);
    EXPECT_EQ(form.currentPlace, 0);
    EXPECT_FALSE(form.goButton->visible);
    EXPECT_EQ(form.weatherIcon->picture(), nullptr);
    step();
    EXPECT_EQ(form.line1->caption(), "");
    EXPECT_EQ(form.line3->caption(), "");
}

TEST_F(MapInfo, TextsOfAPlaceWithAnEmptySecondLine) {
    TForm1& form = f();
    form.flag(doneOpening2) = 1;
    form.map->setPos(0, 0);
    form.checkPlace(140, 380); // place 5
    ASSERT_EQ(form.currentPlace, 5);
    EXPECT_EQ(form.line1->caption(), "【 ショップ 】");
    EXPECT_EQ(form.line2->caption(), "　バイクのパーツ・オプション専門店");
    EXPECT_EQ(form.line3->caption(), "　") << "a full-width space, as printed";
}

TEST_F(MapInfo, ShowingAndHidingTheScreen) {
    TForm1& form = f();
    enterMap(-200, -200);
    for (Control* c : std::initializer_list<Control*>{form.mapPanel, form.ptsPanel, form.backImg,
                                                      form.iconMap, form.eye, form.settingButton,
                                                      form.saveButton, form.saveinfo})
        EXPECT_TRUE(c->visible) << c->name;
    EXPECT_FALSE(form.weatherPanel->visible) << "no forecast option fitted";
    EXPECT_TRUE(form.map_arrow_up->visible && form.map_arrow_down->visible &&
                form.map_arrow_left->visible && form.map_arrow_right->visible);
    EXPECT_EQ(form.line1->left, 112);
    EXPECT_EQ(form.line1->top, 288);
    EXPECT_EQ(form.line2->top, 315);
    EXPECT_EQ(form.line3->top, 338);

    form.showMapComponents(false);
    for (Control* c : std::initializer_list<Control*>{
             form.mapPanel, form.ptsPanel, form.backImg, form.iconMap, form.eye, form.settingButton,
             form.saveButton, form.saveinfo, form.weatherPanel, form.map_arrow_up,
             form.map_arrow_down, form.map_arrow_left, form.map_arrow_right})
        EXPECT_FALSE(c->visible) << c->name;

    // After the opening the save hint is no longer this screen's business.
    form.flag(doneOpening2) = 1;
    form.map->setPos(0, 0); // the top-left corner: no way up or left
    form.showMapComponents(true);
    EXPECT_FALSE(form.saveinfo->visible);
    EXPECT_FALSE(form.map_arrow_up->visible);
    EXPECT_FALSE(form.map_arrow_left->visible);
    EXPECT_TRUE(form.map_arrow_down->visible);
    form.saveinfo->visible = true;
    form.showMapComponents(false);
    EXPECT_TRUE(form.saveinfo->visible);
}

TEST_F(MapInfo, APointerMovingOverTheScreenTakesAMenuCursorAway) {
    TForm1& form = f();
    enterMap(-200, -200);
    form.screenMode = 11;
    form.dataCursor->visible = true;
    movePanel(300, 50);
    EXPECT_FALSE(form.dataCursor->visible);
    form.screenMode = 1;
    form.selectCursor->visible = true;
    movePanel(310, 50);
    EXPECT_FALSE(form.selectCursor->visible);
}

// ---------------------------------------------------------------------------
// The noise in the place picture.

TEST_F(MapNoise, FourFramesIn11Steps) {
    TForm1& form = f();
    for (const char* n : {"icNoise1", "icNoise2", "icNoise3", "icNoise4"})
        ASSERT_TRUE(form.stock.has(n)) << n;
    enterMap(-200, -200);
    ASSERT_EQ(form.currentPlace, 0);
    form.mapState.noisePhase = 0;
    form.iconMap->setPicture(nullptr);
    // The frame shown after each step of two cycles.
    const char* expected[] = {nullptr,    "icNoise1", "icNoise1", "icNoise1",
                              "icNoise2", "icNoise2", "icNoise2", "icNoise3",
                              "icNoise3", "icNoise3", "icNoise4"};
    for (int cycle = 0; cycle < 2; ++cycle)
        for (int i = 0; i < 11; ++i) {
            step();
            const Image* want = expected[i] ? form.stock.get(expected[i]).get() : nullptr;
            if (cycle == 1 && i == 0) want = form.stock.get("icNoise4").get(); // kept
            EXPECT_EQ(form.iconMap->picture().get(), want) << "cycle " << cycle << " step " << i;
        }
    EXPECT_EQ(form.mapState.noisePhase, 0);
}

TEST_F(MapNoise, NoNoiseWhileAPlaceIsShown) {
    TForm1& form = f();
    enterMap(-300, -150);
    pressPanel(190, 70); // place 1
    releasePanel(190, 70);
    ASSERT_EQ(form.currentPlace, 1);
    const std::uint8_t phase = form.mapState.noisePhase;
    const Image* picture = form.iconMap->picture().get();
    step(12);
    EXPECT_EQ(form.mapState.noisePhase, phase);
    EXPECT_EQ(form.iconMap->picture().get(), picture);
    EXPECT_EQ(form.line1->caption(), "【 神奈玉商店街 】");
}
