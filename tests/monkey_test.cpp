// A monkey plays the real game: from each of the game's kinds of screen, tens of
// thousands of random mouse moves, presses, releases, drags, keys and pauses on
// the virtual clock, mostly on the controls the screen shows. After every single
// event the game must still hold together: a known screen, a progress record
// that survives a save and a load, points never below zero, a gear the bike
// has, no message box and the game still running. The seeds are fixed, so a
// failure replays exactly; it names the seed and the last events before it.

#include "data/UnitConst.h"
#include "sound/UnitSound.h"
#include "tests/StoryHarness.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <initializer_list>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zb::test {
namespace {

// Events from each start. Every event is followed by a frame painted in full,
// so the suite sends a few thousand; a soak sets ZB_MONKEY_EVENTS (20000 and
// more) and plays the same seeds for as long as it asks.
constexpr int kSuiteEventsPerStart = 5000;

int eventsPerStart() {
    const char* asked = std::getenv("ZB_MONKEY_EVENTS");
    const int n = asked != nullptr ? std::atoi(asked) : 0;
    return n > 0 ? n : kSuiteEventsPerStart;
}

// Places on the city map.
constexpr int kSchool = 2;
constexpr int kShop = 5;
constexpr int kStadium = 6;

// What must hold after every event, or what broke.
std::string brokenInvariant(Game& g) {
    TForm1& f = g.f();
    if (g.app.terminated()) return "the game has ended";
    if (!g.platform.messages.empty()) return "a message box: " + g.platform.messages.front();
    if (f.screenMode > 21) return "screen mode " + std::to_string(f.screenMode);
    const RecordBytes bytes = encodeRecord(f.rec);
    static_assert(std::tuple_size_v<RecordBytes> == 232);
    if (!(decodeRecord(bytes) == f.rec)) return "the record does not survive a save and a load";
    if (f.rec.points < 0) return "points " + std::to_string(f.rec.points);
    if (f.race.gear > f.race.gearCount)
        return "gear " + std::to_string(f.race.gear) + " of " + std::to_string(f.race.gearCount);
    return {};
}

// A monkey at the game's window. Each event is handled at once and the game is
// checked after it.
class Monkey {
  public:
    Monkey(Game& game, std::uint32_t seed) : g_(game), f_(game.f()), rng_(seed), seed_(seed) {}

    std::set<int> screensSeen;
    int events = 0;

    // Plays until `count` events have been sent or an invariant breaks; what
    // broke, with the seed and the events that led to it, or nothing.
    std::string play(int count) {
        screensSeen.insert(f_.screenMode);
        while (events < count && failure_.empty())
            act();
        return failure_;
    }

  private:
    // One random act: most are single events, a drag or Alt + Enter is a few.
    void act() {
        const int r = pick(100);
        if (r < 22) {
            move(point());
        } else if (r < 34) {
            press(MouseButton::Left, point());
        } else if (r < 44) {
            release(MouseButton::Left, point());
        } else if (r < 50) {
            press(MouseButton::Right, point());
        } else if (r < 56) {
            release(MouseButton::Right, point());
        } else if (r < 66) {
            const Point p = point();
            press(MouseButton::Left, p);
            release(MouseButton::Left, p);
        } else if (r < 72) {
            drag();
        } else if (r < 86) {
            key();
        } else {
            wait();
        }
    }

    struct Point {
        int x;
        int y;
    };

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    // Where the pointer goes: mostly on a control the screen shows that listens
    // to the mouse, else anywhere on the form, now and then just off its edge.
    Point point() {
        const int r = pick(100);
        if (r < 70) {
            std::vector<const Control*> live;
            collect(f_, live);
            if (!live.empty()) {
                const Control& c =
                    *live[static_cast<std::size_t>(pick(static_cast<int>(live.size())))];
                const int l = std::max(0, c.formLeft());
                const int t = std::max(0, c.formTop());
                const int rgt = std::min(f_.width, c.formLeft() + c.width);
                const int btm = std::min(f_.height, c.formTop() + c.height);
                if (l < rgt && t < btm) return {between(l, rgt - 1), between(t, btm - 1)};
            }
        }
        if (r < 97) return {pick(f_.width), pick(f_.height)};
        return {between(-30, f_.width + 30), between(-30, f_.height + 30)};
    }

    static void collect(const Control& c, std::vector<const Control*>& out) {
        for (const auto& child : c.children()) {
            if (!child->visible || !child->enabled) continue;
            if (child->onMouseDown || child->onMouseUp || child->onClick || child->onMouseMove ||
                child->canFocus())
                out.push_back(child.get());
            collect(*child, out);
        }
    }

    void move(Point p) {
        g_.platform.mouseMove(p.x, p.y);
        sent("move " + at(p));
    }
    void press(MouseButton b, Point p) {
        g_.platform.mouseDown(b, p.x, p.y);
        sent(name(b) + " down " + at(p));
    }
    void release(MouseButton b, Point p) {
        g_.platform.mouseUp(b, p.x, p.y);
        sent(name(b) + " up " + at(p));
    }
    void keyDown(std::uint16_t k) {
        g_.platform.keyDown(k);
        sent("key down " + std::to_string(k));
    }
    void keyUp(std::uint16_t k) {
        g_.platform.keyUp(k);
        sent("key up " + std::to_string(k));
    }

    // The left button pressed, dragged a little at a time and let go, as a
    // shift on the race screen or a scroll of the map is made.
    void drag() {
        Point p = point();
        const bool right = pick(4) == 0;
        if (right) press(MouseButton::Right, p);
        press(MouseButton::Left, p);
        for (int i = between(1, 5); i > 0 && failure_.empty(); --i) {
            p = {p.x + between(-40, 40), p.y + between(-60, 60)};
            move(p);
            pass(static_cast<std::uint32_t>(between(5, 60)));
        }
        release(MouseButton::Left, p);
        if (right) release(MouseButton::Right, p);
    }

    void key() {
        static constexpr std::uint16_t kKeys[] = {vk::Enter, vk::Space, vk::Escape, vk::Left,
                                                  vk::Up,    vk::Right, vk::Down,   vk::Tab,
                                                  vk::Back,  vk::Shift, vk::Control};
        const int r = pick(100);
        if (r < 15) { // Alt + Enter: full screen and back
            keyDown(vk::Alt);
            keyDown(vk::Enter);
            keyUp(vk::Enter);
            keyUp(vk::Alt);
        } else if (r < 22) { // Alt alone, down or up
            if (pick(2) == 0)
                keyDown(vk::Alt);
            else
                keyUp(vk::Alt);
        } else if (r < 32) { // a character, as typed into a number box
            static constexpr char32_t kChars[] = {U'0', U'1', U'5', U'9', U'a', U'-', U' ', 8};
            const char32_t ch = kChars[pick(8)];
            g_.platform.typeChar(ch);
            sent("char " + std::to_string(static_cast<unsigned>(ch)));
        } else if (r < 50) {
            keyDown(pick(2) == 0 ? vk::Enter : vk::Space);
            keyUp(pick(2) == 0 ? vk::Enter : vk::Space);
        } else {
            const std::uint16_t k = kKeys[pick(static_cast<int>(std::size(kKeys)))];
            keyDown(k);
            if (pick(4) != 0) keyUp(k);
        }
    }

    // A pause: mostly a frame or two, sometimes a look at the screen.
    void wait() {
        const int r = pick(100);
        pass(static_cast<std::uint32_t>(r < 70   ? between(3, 40)
                                        : r < 95 ? between(40, 200)
                                                 : between(200, 600)));
    }
    void pass(std::uint32_t ms) {
        if (!failure_.empty()) return;
        g_.run(ms);
        note("wait " + std::to_string(ms) + " ms");
        check();
    }

    // An input event was queued: the game handles it now and is checked.
    void sent(const std::string& what) {
        if (!failure_.empty()) return;
        g_.flush();
        note(what);
        check();
    }

    void note(std::string what) {
        ++events;
        recent_.push_back(std::move(what));
        if (recent_.size() > 24) recent_.pop_front();
    }

    void check() {
        screensSeen.insert(f_.screenMode);
        const std::string broken = brokenInvariant(g_);
        if (broken.empty()) return;
        std::ostringstream out;
        out << broken << " after event " << events << " of seed " << seed_ << " (screen "
            << int(f_.screenMode) << ", handler \"" << g_.app.idle().name
            << "\"); the last events:";
        for (const std::string& e : recent_)
            out << "\n  " << e;
        failure_ = out.str();
    }

    static std::string name(MouseButton b) { return b == MouseButton::Left ? "left" : "right"; }
    static std::string at(Point p) {
        return "at " + std::to_string(p.x) + "," + std::to_string(p.y);
    }

    Game& g_;
    TForm1& f_;
    std::mt19937 rng_;
    std::uint32_t seed_;
    std::deque<std::string> recent_;
    std::string failure_;
};

class MonkeyTest : public ::testing::Test {
  protected:
    GameFolder folder; // the slots the monkey saves land here and go with it
    Game g;
    TForm1& f = g.f();

    MonkeyTest() {
        // The pieces of music need no file: the player takes the length given.
        for (std::uint8_t n = 1; n <= kMusicCount; ++n)
            g.platform.music.setLength(musicFile(n), 60000);
    }

    // Lets the monkey loose; fails with what broke, and tells what it did.
    void letLoose(std::uint32_t seed, int events = eventsPerStart()) {
        ASSERT_TRUE(brokenInvariant(g).empty()) << brokenInvariant(g);
        Monkey monkey(g, seed);
        const auto start = std::chrono::steady_clock::now();
        const std::string failure = monkey.play(events);
        const double s =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::string screens;
        for (int m : monkey.screensSeen)
            screens += (screens.empty() ? "" : " ") + std::to_string(m);
        const auto perSecond = static_cast<long>(monkey.events / std::max(s, 1e-6));
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        RecordProperty("events", monkey.events);
        RecordProperty("eventsPerSecond", static_cast<int>(perSecond));
        RecordProperty("screens", screens);
        std::printf("[ monkey   ] %s seed %u: %d events in %.1f s, %ld events/s, screens %s\n",
                    test.c_str(), seed, monkey.events, s, perSecond, screens.c_str());
        ASSERT_TRUE(failure.empty()) << failure;
        EXPECT_GE(monkey.events, events);
    }

    // The opening played and a fortune in points, on the map.
    void openingDoneWithManyPoints() {
        storyUpTo(f, doneStreet1);
        f.rec.points = 3000000;
        startOnMap(g);
    }

    void advanceTo(int mode) {
        for (int i = 0;
             i < 200 && f.screenMode != mode && (f.screenMode == 4 || f.screenMode == 13); ++i)
            advanceScene(g);
        ASSERT_EQ(f.screenMode, mode);
    }
};

TEST_F(MonkeyTest, FromTheTitle) {
    ASSERT_EQ(f.screenMode, 0);
    letLoose(1);
}

TEST_F(MonkeyTest, FromTheMapWithTheOpeningDoneAndManyPoints) {
    openingDoneWithManyPoints();
    letLoose(2);
}

TEST_F(MonkeyTest, FromARace) {
    // A street race after the opening, the way the map prepares one.
    storyUpTo(f, doneStreet1);
    f.rec.points = 3000000;
    prepareRace(f, 19, 4, 1);
    ASSERT_TRUE(runUntil(
        g, [&] { return racing(f); }, 20000));
    letLoose(3);
}

TEST_F(MonkeyTest, FromTheShop) {
    openingDoneWithManyPoints();
    ASSERT_EQ(enterFromMap(g, kShop), "");
    ASSERT_EQ(f.screenMode, 9);
    letLoose(4);
}

TEST_F(MonkeyTest, FromTheSchool) {
    openingDoneWithManyPoints();
    ASSERT_EQ(enterFromMap(g, kSchool), "");
    ASSERT_EQ(f.screenMode, 14);
    letLoose(5);
}

// The three questions scenes ask: ready for the stadium (18), why race at the
// port (19), after サチ before the final (20).
TEST_F(MonkeyTest, FromAChoiceInAScene) {
    storyUpTo(f, doneChallenge1);
    startOnMap(g);
    ASSERT_EQ(enterFromMap(g, kStadium), "");
    advanceTo(18);
    letLoose(6, eventsPerStart() / 3);
}

TEST_F(MonkeyTest, FromTheChoiceAtThePort) {
    storyUpTo(f, donePort2);
    startOnMap(g);
    ASSERT_EQ(enterFromMap(g, 11), "");
    advanceTo(19);
    letLoose(7, eventsPerStart() / 3);
}

TEST_F(MonkeyTest, FromTheChoiceBeforeTheFinal) {
    storyUpTo(f, doneChallenge18);
    startOnMap(g);
    ASSERT_EQ(enterFromMap(g, kStadium), "");
    advanceTo(18);
    choose(g, 1);
    advanceTo(20);
    letLoose(8, eventsPerStart() / 3);
}

TEST_F(MonkeyTest, FromTheLessonsRidingPage) {
    openingDoneWithManyPoints();
    ASSERT_EQ(enterFromMap(g, kSchool), "");
    f.selectSchool(1);
    ASSERT_TRUE(runUntil(g, [&] { return f.screenMode == 16; }));
    for (int i = 0; i < 40 && f.screenMode != 17; ++i)
        g.click(f.nextButton->formLeft() + 10, f.nextButton->formTop() + 8);
    ASSERT_EQ(f.screenMode, 17);
    letLoose(9);
}

TEST_F(MonkeyTest, FromTheEnding) {
    // The last night: the race on the expressway is due and ends the story.
    for (StoryFlag s : {doneLast1, doneLast3, doneLast4, doneLast6, doneLast7})
        f.flag(s) = 1;
    f.currentPlace = 16;
    prepareRace(f, 17, 1);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 4 || f.screenMode == 21; }, 5000));
    advanceTo(21);
    letLoose(10);
}

} // namespace
} // namespace zb::test
