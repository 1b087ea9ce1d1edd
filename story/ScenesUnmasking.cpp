// The Grand Prix's final: サチ asks her brother not to win, ZINGO 2000 is
// beaten, the helmet comes off, the father and the daughter meet, and 北崎
// challenges the hero to the expressway at dawn.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
const Scene eventChallenge18 = pending("eventChallenge18", doneChallenge18, Exit::RaceWithScene);
const Scene battleEventChallenge19 = pending("battleEventChallenge19", doneChallenge19, Exit::ToRace);
const Scene battleEventChallenge20 = pendingHandOver("battleEventChallenge20", doneChallenge20);
const Scene battleEventChallenge21 = pending("battleEventChallenge21", doneChallenge21, Exit::BattleToMap);
// clang-format on

} // namespace zb::scenes
