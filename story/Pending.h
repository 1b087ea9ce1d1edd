#pragma once
// Scenes still to be written stand in the story as one step that records the
// scene's mark and goes on the way the story goes on from it, so the story can
// be played through while they are being written.

#include "story/Script.h"

#include <string_view>

namespace zb::scenes {

// Records `f` and leaves by `e`.
script::Scene pending(std::string_view name, StoryFlag f, script::Exit e);
// Records both marks, in this order, and leaves by `e` (the stadium's scene whose
// second rider takes over half way).
script::Scene pending(std::string_view name, StoryFlag half, StoryFlag f, script::Exit e);
// Leaves by `e` without a mark (the scenes that can repeat).
script::Scene pending(std::string_view name, script::Exit e);
// Records `f` and hands over to the next scene due in the same screen.
script::Scene pendingHandOver(std::string_view name, StoryFlag f);

// True for a scene that is still a stand-in.
bool isPending(const script::Scene& s);

} // namespace zb::scenes
