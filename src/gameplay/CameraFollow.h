// The camera behind the player: how it follows each move of his, and where it
// stands behind him.
#pragma once

#include <glm/vec3.hpp>

namespace brindlemoor::gameplay {

// Moves `eye` and `centre` after the player (turned by `orientation`) has been
// moved by `move` in his own frame. A move along the walking direction
// (move.z not 0) carries the camera the same way; a sideways move gets the
// unscaled time step and moves the eye by half and the target by a quarter of
// the player's sideways step at `moveSpeed`.
void followCamera(glm::vec3 move, int orientation, float moveSpeed, glm::vec3& eye, glm::vec3& centre);

// Puts the camera where it stands at the start of a game relative to a player
// at `position` turned by `orientation`: target 2 above him, eye 2.25 above and
// 6 behind.
void placeCameraBehind(const glm::vec3& position, int orientation, glm::vec3& eye, glm::vec3& centre);

}  // namespace brindlemoor::gameplay
