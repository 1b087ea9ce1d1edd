#pragma once
// Program entry, independent of the backend: one copy at a time, the game form,
// the message loop.

#include "platform/Platform.h"

namespace zb {

// Runs the game on a platform until the window closes; returns the exit status.
// A second copy ends at once and silently.
int runGame(Platform& platform);

} // namespace zb
