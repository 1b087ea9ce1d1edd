// The 神奈玉スーパースプリント at the stadium: the first round, the bracket and
// everyone in it, ヨウスケ against ミキ, and the semi-final against カズト that
// costs the hero the race and nearly the scooter.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
const Scene eventChallenge1 = pending("eventChallenge1", doneChallenge1, Exit::Race);
const Scene battleEventChallenge2 = pending("battleEventChallenge2", doneChallenge2, Exit::BattleToEvent);
const Scene eventChallenge3 = pending("eventChallenge3", doneChallenge3, Exit::RaceWithScene);
const Scene battleEventChallenge4 = pending("battleEventChallenge4", doneChallenge4, Exit::ToRace);
// The second rider takes over half way, so both of its marks are made.
const Scene battleEventChallenge5 = pending("battleEventChallenge5", halfChallenge5, doneChallenge5, Exit::ToRace);
const Scene battleEventChallenge6 = pending("battleEventChallenge6", doneChallenge6, Exit::BattleToMap);
// clang-format on

} // namespace zb::scenes
