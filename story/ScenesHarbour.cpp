// The harbour on the night of the deadline: 北崎 ships the hero and his scooter
// to the island of junk; in the ship's hold he dreams of the evening his sister
// left; he wakes on the island.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
const Scene eventPort1 = pendingHandOver("eventPort1", donePort1);
const Scene eventMemory1 = pendingHandOver("eventMemory1", doneMemory1);
const Scene eventIsland1 = pending("eventIsland1", doneIsland1, Exit::Map);
// clang-format on

} // namespace zb::scenes
