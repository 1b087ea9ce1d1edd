// The expressway at dawn, closed for "ZINGO SS FINAL": brother and sister ride
// to the start, 北崎's truck bars the way, the stadium watches on its big screen.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
const Scene battleEventLast1 = pending("battleEventLast1", doneLast1, Exit::BattleToEvent);
const Scene eventLast2 = pending("eventLast2", doneLast2, Exit::RaceWithScene);
const Scene battleEventLast3 = pending("battleEventLast3", doneLast3, Exit::ToRace);
const Scene battleEventLast4 = pending("battleEventLast4", doneLast4, Exit::BattleToEvent);
const Scene eventLast5 = pending("eventLast5", doneLast5, Exit::RaceWithScene);
// clang-format on

} // namespace zb::scenes
