// Building and tearing down one game: shaders, player, corridor, camera, the
// first word.
#pragma once

namespace brindlemoor::app {

void setUpNewGame();
void endGame();

}  // namespace brindlemoor::app
