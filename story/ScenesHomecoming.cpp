// The rainy night the hero comes back across the water: the collectors wait at
// the harbour, one of them asks what he races for, and the last race with
// シーボス decides whether he runs away or comes home.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
const Scene eventPort2 = pending("eventPort2", donePort2, Exit::Race);
const Scene battleEventPort3 = pending("battleEventPort3", donePort3, Exit::ToRace);
const Scene battleEventPort4 = pending("battleEventPort4", donePort4, Exit::BattleToMap);
// clang-format on

} // namespace zb::scenes
