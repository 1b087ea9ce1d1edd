// The island's grass track: 天狗 on SKY DOG, the engine he recognises, his
// confession, the second race, the escape and the sixth gear.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
const Scene battleEventKusaRace1 = pending("battleEventKusaRace1", doneKusaRace1, Exit::ToRace);
const Scene battleEventKusaRace2 = pending("battleEventKusaRace2", doneKusaRace2, Exit::BattleToMap);
const Scene eventIsland5 = pending("eventIsland5", doneIsland5, Exit::Map);
const Scene battleEventKusaRace3 = pending("battleEventKusaRace3", doneKusaRace3, Exit::ToRace);
const Scene battleEventKusaRace4 = pending("battleEventKusaRace4", doneKusaRace4, Exit::BattleToMap);
const Scene eventRenraku = pending("eventRenraku", doneRenraku, Exit::Setting);
// clang-format on

} // namespace zb::scenes
