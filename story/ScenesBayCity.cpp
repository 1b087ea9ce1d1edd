// The bay: 佐村サチ at the waterfront, who seems to know the scooter, and the
// debt collectors who race for their boss on the bay street.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
const Scene eventSachi1 = pending("eventSachi1", doneSachi1, Exit::Map);
const Scene battleEventBayStreet1 = pending("battleEventBayStreet1", doneBayStreet1, Exit::ToRace);
const Scene battleEventBayStreet2 = pending("battleEventBayStreet2", doneBayStreet2, Exit::BattleToMap);
const Scene eventSachi2 = pending("eventSachi2", doneSachi2, Exit::Map);
const Scene battleEventBayStreet3 = pending("battleEventBayStreet3", doneBayStreet3, Exit::ToRace);
const Scene battleEventBayStreet4 = pending("battleEventBayStreet4", doneBayStreet4, Exit::BattleToMap);
// clang-format on

} // namespace zb::scenes
