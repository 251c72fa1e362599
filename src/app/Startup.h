// The game from start to end: configuration, window and context, the first
// game, the frame loop, and shutdown.
#pragma once

namespace brindlemoor::app {

// Runs the game; returns 0 after a normal end. Start-up failures end the
// process with status -1 instead.
int runGame();

// Opens the window and its OpenGL 3.3 core context as the configuration asks
// and loads the GL entry points; a failure is fatal.
void openGameWindow(bool visible = true);

}  // namespace brindlemoor::app
