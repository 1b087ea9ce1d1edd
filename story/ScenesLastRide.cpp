// G HOUND and its core; the morning after; a month later the shop has a queue,
// and one more order takes the hero down the 玉崎街道 into the ending.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
const Scene battleEventLast6 = pending("battleEventLast6", doneLast6, Exit::ToRace);
const Scene battleEventLast7 = pending("battleEventLast7", doneLast7, Exit::BattleToEvent);
const Scene eventLast8 = pending("eventLast8", doneLast8, Exit::RaceWithScene);
const Scene battleEventLast9 = pending("battleEventLast9", Exit::Ending);
// clang-format on

} // namespace zb::scenes
