// The camera behind the player, as the frame loop moves them together.
#pragma once

#include <glm/vec3.hpp>

namespace brindlemoor::app {

// Moves the game's `eye` and `centre` after the player has been moved by
// `move` in his own frame (see gameplay::followCamera).
void followCamera(glm::vec3 move);

}  // namespace brindlemoor::app
