// Home again: the father, the crayon drawing on the wall and the question of
// サチ; the race with the bullet train that took her away; サチ at the bay, who
// admits who she is and still will not come home.

#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

// clang-format off
const Scene eventHome1 = pending("eventHome1", doneHome1, Exit::Map);
const Scene battleEventStation1 = pending("battleEventStation1", doneStation1, Exit::ToRace);
const Scene eventSachi3 = pending("eventSachi3", doneSachi3, Exit::Map);
// clang-format on

} // namespace zb::scenes
