// Scenes still to be written, in story order (see story/Pending.h).

#include "story/Pending.h"
#include "story/Scenes.h"

#include <set>

namespace zb::scenes {

using namespace script;

namespace {

std::set<std::string_view>& standIns() {
    static std::set<std::string_view> names;
    return names;
}
Scene standIn(std::string_view name, Ops ops) {
    standIns().insert(name);
    return {name, {Step{ops}}};
}
} // namespace

Scene pending(std::string_view name, StoryFlag f, Exit e) {
    Ops ops = record(f);
    const Ops out = leave(e);
    ops.insert(ops.end(), out.begin(), out.end());
    return standIn(name, ops);
}

Scene pending(std::string_view name, StoryFlag half, StoryFlag f, Exit e) {
    Ops ops = record(half);
    for (const Ops& more : {record(f), leave(e)})
        ops.insert(ops.end(), more.begin(), more.end());
    return standIn(name, ops);
}

Scene pending(std::string_view name, Exit e) {
    return standIn(name, leave(e));
}

Scene pendingHandOver(std::string_view name, StoryFlag f) {
    Ops ops = record(f);
    const Ops out = next();
    ops.insert(ops.end(), out.begin(), out.end());
    return standIn(name, ops);
}

bool isPending(const Scene& s) {
    return standIns().count(s.name) != 0;
}

// clang-format off
const Scene eventHome1 = pending("eventHome1", doneHome1, Exit::Map);
const Scene battleEventStation1 = pending("battleEventStation1", doneStation1, Exit::ToRace);
const Scene eventSachi3 = pending("eventSachi3", doneSachi3, Exit::Map);
const Scene eventChallenge10 = pending("eventChallenge10", doneChallenge10, Exit::Race);
const Scene battleEventChallenge11 = pending("battleEventChallenge11", doneChallenge11, Exit::BattleToEvent);
const Scene eventIsland6 = pendingHandOver("eventIsland6", doneIsland6);
const Scene eventZingoMan1 = pendingHandOver("eventZingoMan1", doneZingoMan1);
const Scene eventChallenge12 = pending("eventChallenge12", doneChallenge12, Exit::RaceWithScene);
const Scene battleEventChallenge13 = pending("battleEventChallenge13", doneChallenge13, Exit::ToRace);
const Scene battleEventChallenge14 = pending("battleEventChallenge14", doneChallenge14, Exit::BattleToMap);
const Scene eventChallenge15 = pending("eventChallenge15", doneChallenge15, Exit::Race);
const Scene battleEventChallenge16 = pending("battleEventChallenge16", doneChallenge16, Exit::ToRace);
const Scene battleEventChallenge17 = pending("battleEventChallenge17", doneChallenge17, Exit::BattleToMap);
const Scene eventChallenge18 = pending("eventChallenge18", doneChallenge18, Exit::RaceWithScene);
const Scene battleEventChallenge19 = pending("battleEventChallenge19", doneChallenge19, Exit::ToRace);
const Scene battleEventChallenge20 = pendingHandOver("battleEventChallenge20", doneChallenge20);
const Scene battleEventChallenge21 = pending("battleEventChallenge21", doneChallenge21, Exit::BattleToMap);
const Scene battleEventLast1 = pending("battleEventLast1", doneLast1, Exit::BattleToEvent);
const Scene eventLast2 = pending("eventLast2", doneLast2, Exit::RaceWithScene);
const Scene battleEventLast3 = pending("battleEventLast3", doneLast3, Exit::ToRace);
const Scene battleEventLast4 = pending("battleEventLast4", doneLast4, Exit::BattleToEvent);
const Scene eventLast5 = pending("eventLast5", doneLast5, Exit::RaceWithScene);
const Scene battleEventLast6 = pending("battleEventLast6", doneLast6, Exit::ToRace);
const Scene battleEventLast7 = pending("battleEventLast7", doneLast7, Exit::BattleToEvent);
const Scene eventLast8 = pending("eventLast8", doneLast8, Exit::RaceWithScene);
const Scene battleEventLast9 = pending("battleEventLast9", Exit::Ending);
// clang-format on

} // namespace zb::scenes
