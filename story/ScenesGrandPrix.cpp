// The SS Grand Prix: カズト's comeback, the island on the big screen, ピザジンゴマン's
// show, and the hero's races against ミキ and カズト.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
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
// clang-format on

} // namespace zb::scenes
