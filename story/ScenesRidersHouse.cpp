// The riders' house by the coast road: the out-of-town riders ヨウスケ and カズト,
// the limiter that holds the scooter at 180, the race with ヨウスケ, and カズト's
// race with ヨウスケ that the hero watches.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
const Scene eventRHouse1 = pending("eventRHouse1", doneRHouse1, Exit::Map);
const Scene eventRHouse2 = pending("eventRHouse2", doneRHouse2, Exit::Race);
const Scene battleEventRHouse3 = pending("battleEventRHouse3", doneRHouse3, Exit::ToRace);
const Scene battleEventRHouse4 = pending("battleEventRHouse4", doneRHouse4, Exit::BattleToMap);
const Scene eventRHouse5 = pending("eventRHouse5", doneRHouse5, Exit::Race);
const Scene battleEventRHouse6 = pending("battleEventRHouse6", doneRHouse6, Exit::BattleToMap);
// clang-format on

} // namespace zb::scenes
