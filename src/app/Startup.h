// The game from start to end: configuration, window and context, the first
// game, the frame loop, and shutdown.
#pragma once

namespace brindlemoor::app {

struct Options;

// Runs the game as the command line asks (a normal session, one recorded, or
// a replay); returns 0 after a normal end and 2 when a recording cannot be
// written or read. Start-up failures end the process with status -1 instead.
int runGame(const Options& options);

// Opens the window and its OpenGL 3.3 core context as the configuration asks
// and loads the GL entry points; a failure is fatal.
void openGameWindow(bool visible = true);

}  // namespace brindlemoor::app
