// The console wait before a fatal exit: Linux has no PAUSE command, so the game
// waits for Enter itself, and only when a person can press it.
#pragma once

#include "io/Output.h"

namespace brindlemoor::platform {

// Waits for Enter when standard input is a terminal; returns at once otherwise
// (pipes, CI, tests never hang).
void pauseConsole(io::Output& out);

}  // namespace brindlemoor::platform
