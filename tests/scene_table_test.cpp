// Every scene of the story held against its row of the scene table: how many
// steps it has, the music it plays, the crowd and harbour sounds it opens, its
// choices, the mark it leaves, where it leads, and the screen effects it must
// use.

#include "data/UnitConst.h"
#include "save/StoryFlags.h"
#include "story/Scenes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>

namespace zb::test {
namespace {

using script::Code;
using script::Exit;
using script::Op;
using script::Ops;
using script::Scene;

constexpr int kNone = -1;

// What a scene must do besides talking.
enum Uses : unsigned {
    kThirdRider = 1u << 0, // a third rider takes part (and is sent home again)
    kScroll = 1u << 1,     // the scene scrolls the race background itself
    kFreeze = 1u << 2,     // the road stands still
    kMascot = 1u << 3,     // the mascot's portrait blinks (and stops)
    kClears = 1u << 4,     // the map comes back with no place selected
};

struct Row {
    const Scene* scene;
    std::size_t steps;
    std::vector<int> music;   // pieces started, in order
    int flag;                 // the mark made at the last step, or kNone
    Exit exit;                // the way out of the last step
    bool handsOver;           // the next scene follows in the same screen instead
    std::vector<int> effects; // the sounds from 19 up that the scene plays
    std::vector<int> choices; // screen modes of its questions, in order
    unsigned uses = 0;
    std::vector<int> subImage = {}; // values given to the race sky, in order
    std::vector<std::string_view> props = {};
};

// Everything a scene does, in the order written, both sides of every `pick`.
void walk(const Ops& ops, const std::function<void(const Op&)>& visit) {
    for (const Op& o : ops) {
        visit(o);
        if (o.code == Code::Pick) {
            walk(*o.yes, visit);
            walk(*o.no, visit);
        }
    }
}

void walk(const Scene& s, const std::function<void(const Op&, std::size_t step)>& visit) {
    for (std::size_t i = 0; i < s.steps.size(); ++i)
        walk(s.steps[i].ops, [&](const Op& o) { visit(o, i); });
}

bool stepHas(const Scene& s, std::size_t step, Code c) {
    bool found = false;
    if (step < s.steps.size())
        walk(s.steps[step].ops, [&](const Op& o) { found = found || o.code == c; });
    return found;
}

// clang-format off
const std::vector<Row>& rows() {
    using namespace scenes;
    static const std::vector<Row> table = {
        // scene                    steps  music      mark               way out               hands over  effects       choices
        {&eventOpening0,            23, {1},       doneOpening0,         Exit::Map,           true,  {},            {}},
        {&eventOpening1,            57, {8, 9, 10}, doneOpening1,        Exit::Map,           false, {},            {}},
        {&eventMustGo,               2, {},        kNone,                Exit::Map,           false, {},            {}},
        {&eventFoo,                  3, {},        kNone,                Exit::Map,           false, {},            {}, 0, {}, {"img\\wall.bmp"}},
        {&eventMustEquipLC,          2, {},        kNone,                Exit::Map,           false, {},            {}},
        {&eventOpening2,            40, {12},      doneOpening2,         Exit::Map,           false, {19, 20},      {}, kMascot, {}, {"img\\tv01.bmp"}},
        {&battleEventStreet1,       20, {15},      doneStreet1,          Exit::ToRace,        false, {},            {}},
        {&battleEventStreet2,       18, {},        doneStreet2,          Exit::BattleToMap,   false, {},            {}, kClears},
        {&eventSachi1,              27, {14},      doneSachi1,           Exit::Map,           false, {},            {}, kClears},
        {&eventRHouse1,             41, {15},      doneRHouse1,          Exit::Map,           false, {},            {}},
        {&eventRHouse2,             15, {15},      doneRHouse2,          Exit::Race,          false, {},            {}},
        {&battleEventBayStreet1,    32, {10},      doneBayStreet1,       Exit::ToRace,        false, {},            {}},
        {&battleEventBayStreet2,    28, {},        doneBayStreet2,       Exit::BattleToMap,   false, {},            {}, kThirdRider | kClears},
        {&eventTV1,                 24, {13},      doneTV1,              Exit::Map,           false, {20, 22},      {}, 0, {1}, {"img\\tv02.bmp"}},
        {&battleEventRHouse3,        9, {},        doneRHouse3,          Exit::ToRace,        false, {},            {}},
        {&battleEventRHouse4,       47, {15},      doneRHouse4,          Exit::BattleToMap,   false, {},            {}, kFreeze | kClears},
        {&battleEventDemoEx1,       26, {13},      doneDemoEx1,          Exit::ToRace,        false, {22},          {}},
        {&battleEventDemoEx2,       41, {},        doneDemoEx2,          Exit::BattleToMap,   false, {},            {}, kClears},
        {&eventNoCustomers,          7, {},        doneNoCustomers,      Exit::Map,           false, {},            {}, 0, {0}},
        {&eventSachi2,              52, {14},      doneSachi2,           Exit::Map,           false, {},            {}, kClears},
        {&battleEventBayStreet3,    28, {10},      doneBayStreet3,       Exit::ToRace,        false, {},            {}},
        {&battleEventBayStreet4,    18, {},        doneBayStreet4,       Exit::BattleToMap,   false, {},            {}, kClears, {1}},
        {&eventRHouse5,              5, {15},      doneRHouse5,          Exit::Race,          false, {},            {}},
        {&battleEventRHouse6,       51, {},        doneRHouse6,          Exit::BattleToMap,   false, {},            {}, kScroll | kClears, {1}},
        {&battleEventStreet3,       29, {18},      doneStreet3,          Exit::ToRace,        false, {},            {}},
        {&battleEventStreet4,       61, {15},      doneStreet4,          Exit::BattleToMap,   false, {},            {}, kThirdRider | kScroll | kClears},
        {&eventLastNight1,          26, {},        doneLastNight1,       Exit::Map,           false, {},            {}, 0, {0}},
        {&eventChallenge1,          26, {13},      doneChallenge1,       Exit::Race,          false, {20, 21, 22},  {18}},
        {&battleEventChallenge2,    11, {},        doneChallenge2,       Exit::BattleToEvent, false, {},            {}},
        {&eventChallenge3,          63, {13},      doneChallenge3,       Exit::RaceWithScene, false, {},            {}, 0, {}, {"img\\tournament1.bmp"}},
        {&battleEventChallenge4,    11, {},        doneChallenge4,       Exit::ToRace,        false, {22},          {}},
        {&battleEventChallenge5,    27, {},        doneChallenge5,       Exit::ToRace,        false, {},            {}},
        {&battleEventChallenge6,    34, {},        doneChallenge6,       Exit::BattleToMap,   false, {21, 22},      {}},
        {&eventCannotFaceFather,     3, {},        doneCannotFaceFather, Exit::Map,           false, {},            {}},
        {&eventSachiAbsent,          4, {},        doneSachiAbsent,      Exit::Map,           false, {},            {}},
        {&eventWhereIsSachi,         2, {},        doneWhereIsSachi,     Exit::Map,           false, {},            {}},
        {&eventAfterLose,            2, {},        kNone,                Exit::Map,           false, {},            {}},
        {&eventChallenge7,          31, {1, 13},   doneChallenge7,       Exit::Race,          false, {},            {}},
        {&battleEventChallenge8,    40, {},        doneChallenge8,       Exit::ToRace,        false, {21, 22},      {}},
        {&battleEventChallenge9,    43, {19},      doneChallenge9,       Exit::BattleToMap,   false, {21, 22, 27},  {}, kFreeze | kClears, {1}},
        {&eventPort1,               38, {11},      donePort1,            Exit::Map,           true,  {25, 26, 27},  {}},
        {&eventMemory1,             63, {20},      doneMemory1,          Exit::Map,           true,  {},            {}},
        {&eventIsland1,             16, {21},      doneIsland1,          Exit::Map,           false, {},            {}},
        {&eventIsland2,             19, {21},      doneIsland2,          Exit::Map,           true,  {},            {}},
        {&eventArmy1,               39, {1},       doneArmy1,            Exit::Map,           true,  {},            {}},
        {&eventIsland3,             29, {21},      doneIsland3,          Exit::Map,           false, {},            {}, kClears},
        {&battleEventKusaRace1,     19, {21},      doneKusaRace1,        Exit::ToRace,        false, {},            {}},
        {&battleEventKusaRace2,     20, {},        doneKusaRace2,        Exit::BattleToMap,   false, {},            {}, kClears},
        {&eventIsland4,             52, {21},      doneIsland4,          Exit::Map,           false, {},            {}, kMascot},
        {&eventIsland5,             60, {21, 20},  doneIsland5,          Exit::Map,           false, {},            {}, kClears},
        {&battleEventKusaRace3,     11, {22},      doneKusaRace3,        Exit::ToRace,        false, {},            {}},
        {&battleEventKusaRace4,     33, {},        doneKusaRace4,        Exit::BattleToMap,   false, {},            {}, kThirdRider | kScroll | kClears},
        {&eventRenraku,             15, {22},      doneRenraku,          Exit::Setting,         false, {28},          {}, kClears},
        {&eventPort2,               54, {11},      donePort2,            Exit::Race,          false, {25, 27, 29},  {19}},
        {&battleEventPort3,          7, {},        donePort3,            Exit::ToRace,        false, {},            {}},
        {&battleEventPort4,         10, {},        donePort4,            Exit::BattleToMap,   false, {},            {}, kClears},
        {&eventHome1,               18, {13},      doneHome1,            Exit::Map,           false, {22},          {}, 0, {0}, {"img\\tv02.bmp", "img\\wall.bmp"}},
        {&battleEventStation1,       4, {},        doneStation1,         Exit::ToRace,        false, {},            {}},
        {&eventSachi3,              31, {14},      doneSachi3,           Exit::Map,           false, {},            {}, kClears},
        {&eventChallenge10,          3, {},        doneChallenge10,      Exit::Race,          false, {},            {18}},
        {&battleEventChallenge11,   27, {13},      doneChallenge11,      Exit::BattleToEvent, false, {},            {}, kScroll | kFreeze},
        {&eventIsland6,             31, {21},      doneIsland6,          Exit::Map,           true,  {22},          {}},
        {&eventZingoMan1,           17, {23},      doneZingoMan1,        Exit::Map,           true,  {},            {}},
        {&eventChallenge12,         14, {13},      doneChallenge12,      Exit::RaceWithScene, false, {},            {}},
        {&battleEventChallenge13,   14, {4},       doneChallenge13,      Exit::ToRace,        false, {},            {}},
        {&battleEventChallenge14,   21, {},        doneChallenge14,      Exit::BattleToMap,   false, {},            {}},
        {&eventChallenge15,          2, {},        doneChallenge15,      Exit::Race,          false, {},            {18}},
        {&battleEventChallenge16,   24, {4},       doneChallenge16,      Exit::ToRace,        false, {},            {}},
        {&battleEventChallenge17,   15, {},        doneChallenge17,      Exit::BattleToMap,   false, {},            {}},
        {&eventChallenge18,         45, {13},      doneChallenge18,      Exit::RaceWithScene, false, {},            {18, 20}},
        {&battleEventChallenge19,   27, {4},       doneChallenge19,      Exit::ToRace,        false, {},            {}},
        {&battleEventChallenge20,   63, {},        doneChallenge20,      Exit::Map,           true,  {21},          {}, kFreeze},
        {&battleEventChallenge21,   55, {3},       doneChallenge21,      Exit::BattleToMap,   false, {},            {}, kClears, {1}},
        {&eventNoTime,               2, {},        kNone,                Exit::Map,           false, {},            {}},
        {&battleEventLast1,         50, {},        doneLast1,            Exit::BattleToEvent, false, {},            {}, kThirdRider | kScroll | kFreeze},
        {&eventLast2,               14, {5},       doneLast2,            Exit::RaceWithScene, false, {},            {}},
        {&battleEventLast3,         52, {},        doneLast3,            Exit::ToRace,        false, {23},          {}, kThirdRider | kScroll, {}, {"img\\back13.bmp", "img\\ss.bmp"}},
        {&battleEventLast4,          7, {},        doneLast4,            Exit::BattleToEvent, false, {},            {}, kScroll},
        {&eventLast5,               21, {},        doneLast5,            Exit::RaceWithScene, false, {},            {}},
        {&battleEventLast6,         35, {6},       doneLast6,            Exit::ToRace,        false, {31},          {}, kThirdRider},
        {&battleEventLast7,         33, {},        doneLast7,            Exit::BattleToEvent, false, {},            {}, kScroll},
        {&eventLast8,               35, {15},      doneLast8,            Exit::RaceWithScene, false, {},            {}, 0, {0}},
        {&battleEventLast9,         33, {},        kNone,                Exit::Ending,        false, {},            {}},
    };
    return table;
}
// clang-format on

// Who must speak or be seen in a scene: speaker numbers, portraits and the
// names of minor speakers.
struct Cast {
    const Scene* scene;
    std::vector<int> speakers;
    std::vector<int> portraits;
    std::vector<std::string_view> names;
};

// clang-format off
const std::vector<Cast>& casts() {
    using namespace scenes;
    static const std::vector<Cast> table = {
        {&battleEventDemoEx1,     {127, 128}, {},                {}},
        {&battleEventChallenge4,  {127, 128}, {},                {}},
        {&battleEventChallenge5,  {127, 128}, {},                {}},
        {&battleEventChallenge6,  {127, 128}, {},                {}},
        {&battleEventChallenge8,  {127, 128}, {},                {}},
        {&eventMemory1,           {130},      {130, 131, 132},   {}},
        {&eventIsland4,           {},         {122},             {}},
        {&eventIsland5,           {},         {131, 132},        {}},
        {&battleEventChallenge11, {127, 128}, {},                {}},
        {&eventIsland6,           {},         {},                {"テレビ"}},
        {&battleEventChallenge13, {127, 128}, {},                {}},
        {&battleEventChallenge14, {127, 128}, {},                {}},
        {&battleEventChallenge16, {127, 128}, {},                {}},
        {&battleEventChallenge17, {127, 128}, {},                {}},
        {&battleEventChallenge19, {127, 128}, {},                {}},
        {&battleEventChallenge20, {124},      {124},             {}},
        {&eventLast2,             {127, 128}, {},                {}},
        {&eventLast8,             {},         {},                {"客Ａ", "客Ｂ", "客Ｃ"}},
    };
    return table;
}
// clang-format on

struct Seen {
    std::vector<int> music, flags, effects, choices, subImage;
    std::vector<Exit> exits;
    std::multiset<int> effectCount;
    std::set<int> speakers, portraits;
    std::set<std::string_view> names, props;
    bool handsOver = false;
    bool clears = false;
    int thirdRider = 0, mascot = 0; // +1 on, -1 off, in the order written
    bool thirdRiderOn = false, mascotOn = false, scroll = false, freeze = false;
};

Seen look(const Scene& s) {
    Seen v;
    walk(s, [&](const Op& o, std::size_t) {
        switch (o.code) {
        case Code::Music:
            v.music.push_back(o.a);
            break;
        case Code::Flag:
            v.flags.push_back(o.a);
            break;
        case Code::Sound:
        case Code::Shake:
            if (o.a >= 19) {
                if (std::find(v.effects.begin(), v.effects.end(), o.a) == v.effects.end())
                    v.effects.push_back(o.a);
                v.effectCount.insert(o.a);
            }
            break;
        case Code::GiveItem: // told with the fanfare of a new part
            if (std::find(v.effects.begin(), v.effects.end(), 28) == v.effects.end())
                v.effects.push_back(28);
            v.effectCount.insert(28);
            break;
        case Code::Choice:
            v.choices.push_back(o.a);
            break;
        case Code::SubImage:
            v.subImage.push_back(o.a);
            break;
        case Code::Leave:
            v.exits.push_back(static_cast<Exit>(o.a));
            break;
        case Code::Next:
            v.handsOver = true;
            break;
        case Code::ClearPlace:
            v.clears = true;
            break;
        case Code::ThirdRider:
            v.thirdRiderOn = v.thirdRiderOn || o.a == 1;
            v.thirdRider = o.a;
            break;
        case Code::Zingo:
            v.mascotOn = v.mascotOn || o.a == 1;
            v.mascot = o.a;
            break;
        case Code::Scroll:
            v.scroll = v.scroll || o.a == 1;
            break;
        case Code::ScrollStop:
            v.freeze = v.freeze || o.a == 1;
            break;
        case Code::Name:
            v.speakers.insert(o.a);
            break;
        case Code::NameStr:
            v.names.insert(o.s[0]);
            break;
        case Code::Face:
            v.portraits.insert(o.a);
            break;
        case Code::Prop:
            v.props.insert(o.s[0]);
            break;
        default:
            break;
        }
    });
    std::sort(v.effects.begin(), v.effects.end());
    return v;
}

bool lastStepHas(const Scene& s, Code c, int a) {
    bool found = false;
    walk(s.steps.back().ops,
         [&](const Op& o) { found = found || (o.code == c && (a == kNone || o.a == a)); });
    return found;
}

TEST(SceneTable, EverySceneHasItsRow) {
    std::set<const Scene*> listed;
    for (const Row& r : rows())
        listed.insert(r.scene);
    EXPECT_EQ(listed.size(), rows().size()) << "a scene has two rows";
    for (const Scene* s : scenes::all())
        EXPECT_TRUE(listed.count(s)) << s->name;
    EXPECT_EQ(scenes::all().size(), 83u);
}

TEST(SceneTable, EveryScenesMarkAndWayOut) {
    for (const Row& r : rows()) {
        const Scene& s = *r.scene;
        SCOPED_TRACE(std::string(s.name));
        const Seen v = look(s);
        if (r.flag != kNone) {
            EXPECT_TRUE(lastStepHas(s, Code::Flag, r.flag)) << "marked at its last step";
        } else {
            EXPECT_TRUE(v.flags.empty()) << "a scene that can repeat leaves no mark";
        }
        if (r.handsOver) {
            EXPECT_TRUE(lastStepHas(s, Code::Next, kNone)) << "hands over at its last step";
        } else {
            EXPECT_TRUE(lastStepHas(s, Code::Leave, static_cast<int>(r.exit)))
                << "leaves at its last step";
        }
    }
}

TEST(SceneTable, EverySceneMatchesItsRow) {
    for (const Row& r : rows()) {
        const Scene& s = *r.scene;
        SCOPED_TRACE(std::string(s.name));
        const Seen v = look(s);
        EXPECT_EQ(s.steps.size(), r.steps);
        EXPECT_EQ(v.music, r.music);
        EXPECT_EQ(v.effects, r.effects) << "the sounds the scene opens and plays";
        EXPECT_EQ(v.choices, r.choices);
        EXPECT_EQ(v.subImage, r.subImage) << "the race sky";
        EXPECT_EQ(v.clears, (r.uses & kClears) != 0) << "the place selection";
        EXPECT_EQ(v.thirdRiderOn, (r.uses & kThirdRider) != 0) << "the third rider";
        EXPECT_EQ(v.scroll, (r.uses & kScroll) != 0) << "the scene's own scroll";
        EXPECT_EQ(v.freeze, (r.uses & kFreeze) != 0) << "the road standing still";
        EXPECT_EQ(v.mascotOn, (r.uses & kMascot) != 0) << "the mascot's blinking";
        // What a scene switches on it switches off before it ends.
        EXPECT_EQ(v.thirdRider, 0) << "the third rider is sent home";
        EXPECT_EQ(v.mascot, 0) << "the mascot stops blinking";
        for (std::string_view p : r.props)
            EXPECT_TRUE(v.props.count(p)) << p;
        const int marks = r.flag == kNone ? 0 : 1;
        if (&s == &scenes::battleEventChallenge5) {
            EXPECT_EQ(v.flags, (std::vector<int>{halfChallenge5, doneChallenge5}));
        } else {
            EXPECT_EQ(static_cast<int>(v.flags.size()), marks) << "one mark, made once";
        }
    }
}

TEST(SceneTable, WhoMustSpeakAndBeSeen) {
    for (const Cast& c : casts()) {
        const Scene& s = *c.scene;
        SCOPED_TRACE(std::string(s.name));
        const Seen v = look(s);
        for (int n : c.speakers)
            EXPECT_TRUE(v.speakers.count(n)) << "speaker " << n;
        for (int n : c.portraits)
            EXPECT_TRUE(v.portraits.count(n)) << "portrait " << n;
        for (std::string_view n : c.names)
            EXPECT_TRUE(v.names.count(n)) << n;
    }
}

// The steps where the table puts a particular thing.
TEST(SceneTable, ThingsThatHappenAtAGivenStep) {
    using namespace scenes;
    struct At {
        const Scene* scene;
        std::size_t step;
        Code code;
    };
    const At at[] = {
        {&eventOpening0, 0, Code::Show},          {&eventTV1, 0, Code::SubImage},
        {&eventRHouse1, 38, Code::SkipIf},        {&eventChallenge1, 1, Code::Choice},
        {&eventChallenge1, 2, Code::StadiumBack}, {&battleEventChallenge5, 10, Code::Flag},
        {&eventPort2, 12, Code::Choice},          {&eventPort2, 18, Code::Leave},
    };
    for (const At& a : at)
        EXPECT_TRUE(stepHas(*a.scene, a.step, a.code)) << a.scene->name << " step " << a.step;
    EXPECT_EQ(look(battleEventChallenge20).effectCount.count(21), 8u)
        << "the crowd swells eight times as the helmet comes off";
    const std::vector<Exit> exits = look(eventPort2).exits;
    EXPECT_NE(std::find(exits.begin(), exits.end(), Exit::GameOver), exits.end())
        << "running away ends the game";
}

// The four scenes that set the race's mode themselves, and no other.
TEST(SceneTable, ScenesThatLeaveInTheSlidesMode) {
    using namespace scenes;
    const std::set<const Scene*> modeThree = {&eventRHouse5, &eventChallenge7, &eventChallenge10,
                                              &eventChallenge15};
    for (const Scene* s : scenes::all()) {
        bool anywhere = false;
        walk(*s, [&](const Op& o, std::size_t) { anywhere = anywhere || o.code == Code::SetMode; });
        if (modeThree.count(s)) {
            EXPECT_TRUE(lastStepHas(*s, Code::SetMode, 3)) << s->name;
        } else {
            EXPECT_FALSE(anywhere) << s->name;
        }
    }
}

// Every line fits the window: 60 bytes as the game counts them, three lines on a
// still background, two on the race screen.
TEST(SceneTable, EveryLineFitsTheWindow) {
    for (const Scene* s : scenes::all()) {
        const bool race = s->name.starts_with("battleEvent");
        walk(*s, [&](const Op& o, std::size_t step) {
            if (o.code != Code::Text) return;
            for (std::string_view l : o.s)
                EXPECT_LE(sjisWidth(l), 60u) << s->name << " " << step << ": " << l;
            if (race) {
                EXPECT_TRUE(o.s[2].empty()) << s->name << " " << step << ": " << o.s[0];
            }
        });
    }
}

// The words of a line without its brackets, blanks and punctuation: a silence
// ("「…………") or a gasp ("「……え？") has none worth counting.
std::size_t wordsIn(std::string_view line) {
    static const std::set<std::string_view> marks = {"「", "（", "『", "　", "…", "、", "。", "！",
                                                     "？", "ー", "・", "～", "!", "?",  " "};
    std::size_t n = 0;
    for (std::size_t i = 0; i < line.size();) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        if (!marks.count(line.substr(i, len))) ++n;
        i += len;
    }
    return n;
}

// No line of dialogue is said twice in the story; the two sides of a `pick` may
// share a line, being one moment told two ways.
TEST(SceneTable, NoLineIsSaidTwice) {
    std::map<std::string_view, std::string> said;
    for (const Scene* s : scenes::all()) {
        for (std::size_t i = 0; i < s->steps.size(); ++i) {
            std::set<std::string_view> here;
            walk(s->steps[i].ops, [&](const Op& o) {
                if (o.code != Code::Text) return;
                for (std::string_view l : o.s)
                    if (wordsIn(l) >= 4) here.insert(l);
            });
            const std::string where = std::string(s->name) + " " + std::to_string(i);
            for (std::string_view l : here) {
                const auto [it, fresh] = said.emplace(l, where);
                EXPECT_TRUE(fresh) << l << " in " << where << " and " << it->second;
            }
        }
    }
}

} // namespace
} // namespace zb::test
