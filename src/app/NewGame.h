// Building and tearing down one game: shaders, player, corridor, camera, the
// first word.
#pragma once

namespace brindlemoor::app {

class Session;

void setUpNewGame(Session& session);
void endGame(Session& session);

}  // namespace brindlemoor::app
