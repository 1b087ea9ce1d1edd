// ピザジンゴ's campaign: ZINGO 2000 on the news, its race against the bullet
// train at the station, and the shop left without a single customer.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
const Scene eventTV1 = pending("eventTV1", doneTV1, Exit::Map);
const Scene battleEventDemoEx1 = pending("battleEventDemoEx1", doneDemoEx1, Exit::ToRace);
const Scene battleEventDemoEx2 = pending("battleEventDemoEx2", doneDemoEx2, Exit::BattleToMap);
const Scene eventNoCustomers = pending("eventNoCustomers", doneNoCustomers, Exit::Map);
// clang-format on

} // namespace zb::scenes
