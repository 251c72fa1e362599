// The camera's projection and the per-frame scene pass into the window.
#pragma once

#include <glm/mat4x4.hpp>

namespace brindlemoor::render {

// The camera projection for a window size and the culling toggle (which only
// brings the far plane in from 500 to 75).
glm::mat4 projectionFor(int width, int height, bool frustumCulling);
// Computes the projection from the game state and uploads it to the scene program.
void uploadProjection();
// Draws the player, every level object and the two chalk texts.
void renderScene();

}  // namespace brindlemoor::render
