// The shadow map of the default shading mode: a 1024 x 1024 depth texture
// rendered each frame from the light just ahead of the player, looking
// straight down.
#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

namespace brindlemoor::render {

constexpr int kShadowMapSize = 1024;

// GL name of the depth texture of the current game (0 when there is none).
extern unsigned int shadowMapTexture;

// Builds the depth program, the depth texture and its framebuffer (left
// bound); true when the framebuffer is complete.
bool setUpShadowMap();
// Deletes the framebuffer and its depth texture.
void tearDownShadowMap();

// The light's view-projection for a light position, and the bias matrix that
// maps its -1..1 cube to 0..1 texture coordinates.
glm::mat4 lightViewProjection(const glm::vec3& light);
glm::mat4 shadowBiasMatrix();

// The frame's depth pass from the shadow light, then hands the scene program
// the matrix and texture it needs to look shadows up.
void renderShadowPass();

}  // namespace brindlemoor::render
