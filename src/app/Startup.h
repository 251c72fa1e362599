// The game from start to end: configuration, window and context, the first
// game, the frame loop, and shutdown.
#pragma once

namespace brindlemoor::app {

class Session;

// Runs the game as the session's command line asks (a normal session, one
// recorded, a replay, or the --stats report); returns 0 after a normal end and
// 2 when a recording cannot be written or read. Start-up failures end the
// process with status -1 instead.
int runGame(Session& session);

// Opens the window and its OpenGL 3.3 core context as the configuration asks
// and loads the GL entry points; a failure is fatal.
void openGameWindow(Session& session, bool visible = true);

}  // namespace brindlemoor::app
