// The island of junk: the workers, the guards' roll call, the stray cat, and
// the day ピザジンゴ's mascot comes to visit.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
const Scene eventIsland2 = pendingHandOver("eventIsland2", doneIsland2);
const Scene eventArmy1 = pendingHandOver("eventArmy1", doneArmy1);
const Scene eventIsland3 = pending("eventIsland3", doneIsland3, Exit::Map);
const Scene eventIsland4 = pending("eventIsland4", doneIsland4, Exit::Map);
// clang-format on

} // namespace zb::scenes
