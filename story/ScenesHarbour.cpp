// The harbour: the night of the deadline, when 北崎 ships the hero to his island,
// the dream of the evening his sister left, the waking on the island; and the
// rainy night he comes back to face the collectors.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
const Scene eventPort1 = pendingHandOver("eventPort1", donePort1);
const Scene eventMemory1 = pendingHandOver("eventMemory1", doneMemory1);
const Scene eventIsland1 = pending("eventIsland1", doneIsland1, Exit::Map);
const Scene eventPort2 = pending("eventPort2", donePort2, Exit::Race);
const Scene battleEventPort3 = pending("battleEventPort3", donePort3, Exit::ToRace);
const Scene battleEventPort4 = pending("battleEventPort4", donePort4, Exit::BattleToMap);
// clang-format on

} // namespace zb::scenes
