// After the semi-final: the shop he cannot face, the bay where サチ is not, and
// the final between カズト and ZINGO 2000 that ends in fire.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
const Scene eventCannotFaceFather = pending("eventCannotFaceFather", doneCannotFaceFather, Exit::Map);
const Scene eventSachiAbsent = pending("eventSachiAbsent", doneSachiAbsent, Exit::Map);
const Scene eventChallenge7 = pending("eventChallenge7", doneChallenge7, Exit::Race);
const Scene battleEventChallenge8 = pending("battleEventChallenge8", doneChallenge8, Exit::ToRace);
const Scene battleEventChallenge9 = pending("battleEventChallenge9", doneChallenge9, Exit::BattleToMap);
const Scene eventWhereIsSachi = pending("eventWhereIsSachi", doneWhereIsSachi, Exit::Map);
// clang-format on

} // namespace zb::scenes
