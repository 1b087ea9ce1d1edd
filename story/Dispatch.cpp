// Which scene is due. Nothing schedules the story: entering a place, or a race
// about to start or just run, looks up the first row whose flags hold, and that
// scene plays. Each scene marks itself played at its last step, which is what
// makes the next one due.

#include "app/UnitMain.h"
#include "story/Scenes.h"

#include <initializer_list>
#include <vector>

namespace zb {

namespace {

using script::Scene;
using namespace scenes;

// The flags in `set` are 1, those in `clear` are 0, and `also` holds if given.
struct Cond {
    std::vector<StoryFlag> set;
    std::vector<StoryFlag> clear;
    bool (*also)(const TForm1&) = nullptr;

    bool holds(const TForm1& f) const {
        for (StoryFlag s : set)
            if (f.flag(s) != 1) return false;
        for (StoryFlag c : clear)
            if (f.flag(c) != 0) return false;
        return also == nullptr || also(f);
    }
};

bool lcOwnedAndFitted(const TForm1& f) {
    return f.rec.ownedItems[0] == 1 && f.rec.equippedItems[0] == 1;
}
bool lcNotReady(const TForm1& f) {
    return !lcOwnedAndFitted(f);
}
bool fatherOrSachiUnfaced(const TForm1& f) {
    return f.flag(doneCannotFaceFather) == 0 || f.flag(doneSachiAbsent) == 0;
}

struct EventRow {
    int place;
    Cond when;
    const Scene* scene;
    const char* mustGo = nullptr; // the place eventMustGo names
};

// Scenes over a still background, by the place entered; the first row that
// holds wins.
// clang-format off
const EventRow kEventScenes[] = {
    {0,  {{},                                {doneOpening0}},         &eventOpening0},
    {0,  {{doneOpening0},                    {doneOpening1}},         &eventOpening1},
    {1,  {{},                                {visitedSchool}},        &eventMustGo, "教習所"},
    {1,  {{},                                {doneOpening2}},         &eventOpening2},
    {1,  {{doneBayStreet2},                  {doneTV1}},              &eventTV1},
    {1,  {{doneTV1},                         {doneDemoEx2}},          &eventMustGo, "神奈玉駅"},
    {1,  {{doneDemoEx2},                     {doneNoCustomers}},      &eventNoCustomers},
    {1,  {{doneRHouse6, doneStreet4},        {doneLastNight1}},       &eventLastNight1},
    {1,  {{doneChallenge6},                  {donePort1}},            &eventCannotFaceFather},
    {1,  {{donePort4},                       {doneHome1}},            &eventHome1},
    {1,  {{doneChallenge21},                 {}},                     &eventNoTime},
    {1,  {{},                                {}},                     &eventFoo},
    {6,  {{},                                {doneChallenge1}},       &eventChallenge1},
    {6,  {{},                                {doneChallenge3}},       &eventChallenge3},
    {6,  {{},                                {}, fatherOrSachiUnfaced}, &eventAfterLose},
    {6,  {{},                                {doneChallenge7}},       &eventChallenge7},
    {6,  {{},                                {doneChallenge10}},      &eventChallenge10},
    {6,  {{},                                {doneIsland6}},          &eventIsland6},
    {6,  {{},                                {doneZingoMan1}},        &eventZingoMan1},
    {6,  {{},                                {doneChallenge12}},      &eventChallenge12},
    {6,  {{},                                {doneChallenge15}},      &eventChallenge15},
    {6,  {{},                                {doneChallenge18}},      &eventChallenge18},
    {7,  {{},                                {doneSachi1}},           &eventSachi1},
    {7,  {{},                                {doneSachi2}},           &eventSachi2},
    {7,  {{},                                {doneChallenge9}},       &eventSachiAbsent},
    {7,  {{},                                {donePort1}},            &eventWhereIsSachi},
    {7,  {{},                                {doneSachi3}},           &eventSachi3},
    {8,  {{},                                {doneRHouse1}},          &eventRHouse1},
    {8,  {{},                                {doneRHouse2}, lcOwnedAndFitted}, &eventRHouse2},
    {8,  {{},                                {doneRHouse2}, lcNotReady}, &eventMustEquipLC},
    {8,  {{},                                {doneRHouse5}},          &eventRHouse5},
    {11, {{doneChallenge9},                  {donePort1}},            &eventPort1},
    {11, {{donePort1},                       {doneMemory1}},          &eventMemory1},
    {11, {{doneMemory1},                     {doneIsland1}},          &eventIsland1},
    {11, {{doneRenraku},                     {donePort4}},            &eventPort2},
    {12, {{doneIsland1},                     {doneIsland2}},          &eventIsland2},
    {12, {{doneIsland2},                     {doneArmy1}},            &eventArmy1},
    {12, {{doneArmy1},                       {doneIsland3}},          &eventIsland3},
    {12, {{doneKusaRace2},                   {doneIsland4}},          &eventIsland4},
    {12, {{doneIsland4},                     {doneIsland5}},          &eventIsland5},
    {15, {{doneKusaRace4},                   {doneRenraku}},          &eventRenraku},
    {16, {{doneLast1},                       {doneLast2}},            &eventLast2},
    {16, {{doneLast4},                       {doneLast5}},            &eventLast5},
    {16, {{doneLast7},                       {doneLast8}},            &eventLast8},
};
// clang-format on

struct BattleRow {
    std::initializer_list<int> rivals;
    int place; // 0: anywhere; the watched races (rival 21) go by place
    Cond when;
    const Scene* scene;
};

// Scenes on the race screen, by the rival; the first row that holds wins.
// Rival 5 asks for eventChallenge3, not its own scene's flag: its scene stays
// due until the stadium's next scene has played.
// clang-format off
const BattleRow kBattleScenes[] = {
    {{2},          0, {{},               {doneChallenge5}},   &battleEventChallenge5},
    {{2},          0, {{},               {doneChallenge6}},   &battleEventChallenge6},
    {{2},          0, {{},               {doneChallenge16}},  &battleEventChallenge16},
    {{2},          0, {{},               {doneChallenge17}},  &battleEventChallenge17},
    {{3},          0, {{},               {doneStreet1}},      &battleEventStreet1},
    {{3},          0, {{},               {doneStreet2}},      &battleEventStreet2},
    {{3},          0, {{},               {doneChallenge13}},  &battleEventChallenge13},
    {{3},          0, {{},               {doneChallenge14}},  &battleEventChallenge14},
    {{4},          0, {{},               {doneRHouse3}},      &battleEventRHouse3},
    {{4},          0, {{},               {doneRHouse4}},      &battleEventRHouse4},
    {{5},          0, {{},               {doneChallenge3}},   &battleEventChallenge2},
    {{7},          0, {{},               {doneBayStreet1}},   &battleEventBayStreet1},
    {{7},          0, {{},               {doneBayStreet2}},   &battleEventBayStreet2},
    {{7},          0, {{},               {doneBayStreet3}},   &battleEventBayStreet3},
    {{7},          0, {{},               {doneBayStreet4}},   &battleEventBayStreet4},
    {{7},          0, {{},               {donePort3}},        &battleEventPort3},
    {{7},          0, {{},               {donePort4}},        &battleEventPort4},
    {{10},         0, {{},               {doneStreet3}},      &battleEventStreet3},
    {{10},         0, {{},               {doneStreet4}},      &battleEventStreet4},
    {{11, 12, 17}, 0, {{},               {doneLast1}},        &battleEventLast1},
    {{11, 12, 17}, 0, {{},               {doneLast3}},        &battleEventLast3},
    {{11, 12, 17}, 0, {{},               {doneLast4}},        &battleEventLast4},
    {{11, 12, 17}, 0, {{},               {doneLast6}},        &battleEventLast6},
    {{11, 12, 17}, 0, {{},               {doneLast7}},        &battleEventLast7},
    {{11, 12, 17}, 0, {{},               {doneLast9}},        &battleEventLast9},
    {{13},         0, {{},               {doneChallenge19}},  &battleEventChallenge19},
    {{13},         0, {{},               {doneChallenge20}},  &battleEventChallenge20},
    {{13},         0, {{},               {doneChallenge21}},  &battleEventChallenge21},
    {{15},         0, {{},               {doneStation1}},     &battleEventStation1},
    {{16},         0, {{},               {doneKusaRace1}},    &battleEventKusaRace1},
    {{16},         0, {{},               {doneKusaRace2}},    &battleEventKusaRace2},
    {{16},         0, {{},               {doneKusaRace3}},    &battleEventKusaRace3},
    {{16},         0, {{},               {doneKusaRace4}},    &battleEventKusaRace4},
    {{21},         3, {{},               {doneDemoEx1}},      &battleEventDemoEx1},
    {{21},         3, {{},               {doneDemoEx2}},      &battleEventDemoEx2},
    {{21},         6, {{doneChallenge3}, {doneChallenge4}},   &battleEventChallenge4},
    {{21},         6, {{doneChallenge4}, {doneChallenge5}},   &battleEventChallenge5},
    {{21},         6, {{doneChallenge7}, {doneChallenge8}},   &battleEventChallenge8},
    {{21},         6, {{doneChallenge8}, {doneChallenge9}},   &battleEventChallenge9},
    {{21},         6, {{doneChallenge10}, {doneChallenge11}}, &battleEventChallenge11},
    {{21},         8, {{doneRHouse5},    {doneRHouse6}},      &battleEventRHouse6},
};
// clang-format on

// When a race has a scene before it and after it, by rival; rivals not listed
// have none.
enum class Due : std::uint8_t {
    Never,
    Always,
    V1,
    V1or3,
    V1or4,
    V1to3,
    UntilStreet3,
    UntilStreet4
};

struct RaceScenes {
    int rival;
    Due before;
    Due after;
};

// clang-format off
const RaceScenes kRaceScenes[] = {
    {2,  Due::V1or3,        Due::V1or3},
    {3,  Due::V1or4,        Due::V1or4},
    {4,  Due::V1,           Due::V1},
    {5,  Due::Never,        Due::V1},
    {7,  Due::V1to3,        Due::V1to3},
    {10, Due::UntilStreet3, Due::UntilStreet4},
    {11, Due::Always,       Due::Always},
    {12, Due::Always,       Due::Always},
    {13, Due::Always,       Due::Always},
    {15, Due::Always,       Due::Never},
    {16, Due::Always,       Due::Always},
    {17, Due::Always,       Due::Always},
    {21, Due::Always,       Due::Always},
};
// clang-format on

const RaceScenes* raceScenesOf(int rival) {
    for (const RaceScenes& r : kRaceScenes)
        if (r.rival == rival) return &r;
    return nullptr;
}

bool holds(Due d, const TForm1& f) {
    const int v = f.race.enemyVer;
    switch (d) {
    case Due::Never:
        return false;
    case Due::Always:
        return true;
    case Due::V1:
        return v == 1;
    case Due::V1or3:
        return v == 1 || v == 3;
    case Due::V1or4:
        return v == 1 || v == 4;
    case Due::V1to3:
        return v >= 1 && v <= 3;
    case Due::UntilStreet3:
        return f.flag(doneStreet3) == 0;
    case Due::UntilStreet4:
        return f.flag(doneStreet4) == 0;
    }
    return false;
}

} // namespace

const script::Scene* TForm1::dueEventScene() {
    for (const EventRow& row : kEventScenes) {
        if (row.place != currentPlace || !row.when.holds(*this)) continue;
        if (row.mustGo) scene.mustGoPlace = row.mustGo;
        return row.scene;
    }
    return nullptr;
}

const script::Scene* TForm1::dueBattleScene() const {
    for (const BattleRow& row : kBattleScenes) {
        bool rival = false;
        for (int r : row.rivals)
            rival = rival || r == race.enemyNo;
        if (!rival || (row.place != 0 && row.place != currentPlace)) continue;
        if (row.when.holds(*this)) return row.scene;
    }
    return nullptr;
}

// A place with nothing left to tell sends the player back to the map.
void TForm1::event() {
    if (const script::Scene* s = dueEventScene())
        script::play(*this, *s);
    else if (screenMode == 13)
        eventToMap();
    ++scene.eventStep;
}

void TForm1::battleEvent() {
    if (const script::Scene* s = dueBattleScene()) script::play(*this, *s);
    ++scene.eventStep;
}

// Does the race now prepared have a scene before it?
bool TForm1::isBeforeBattleEvent() {
    if (scene.preRaceSceneDone) return false;
    const RaceScenes* r = raceScenesOf(race.enemyNo);
    return r && holds(r->before, *this);
}

// Does the race just run have a scene after it?
bool TForm1::isAfterBattleEvent() {
    if (scene.preRaceSceneDone) return false;
    const RaceScenes* r = raceScenesOf(race.enemyNo);
    return r && holds(r->after, *this);
}

} // namespace zb
