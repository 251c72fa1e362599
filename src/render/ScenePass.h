// The camera's projection and the per-frame scene pass into the window.
#pragma once

#include <optional>

#include <glm/mat4x4.hpp>

#include "gl/ShaderProgram.h"
#include "level/Level.h"
#include "scene/BoyAnimation.h"

namespace brindlemoor::scene {
class Player;
class SceneObject;
}

namespace brindlemoor::render {

// The ghost of the best run on a corridor: the boy's model again, placed and
// posed as it walks.
struct GhostView {
    glm::mat4 placement{1.0f};
    scene::BoyPose pose;
};

// What the scene pass needs to know of the game besides its objects.
struct SceneView {
    int width = 0;   // viewport, in pixels
    int height = 0;
    glm::mat4 viewMatrix{1.0f};
    level::DrawSettings draw;    // shading mode, blending, brightness, the word in play
    bool shortFarPlane = false;  // the F8 toggle, as given to projectionFor
    // Skip objects that cannot touch a pixel (only tests turn it off, to
    // compare the pictures).
    bool cullObjects = true;
    std::optional<GhostView> ghost;  // when one walks
};

// The camera projection for a window size and the culling toggle (which only
// brings the far plane in from 500 to 75).
glm::mat4 projectionFor(int width, int height, bool frustumCulling);
// Computes the projection and uploads it to the scene program.
void uploadProjection(const gl::ShaderProgram& sceneProgram, int width, int height, bool frustumCulling);
// Draws the player, every level object, the chalk texts and the ghost (when
// the player is the boy).
void renderScene(const gl::ShaderProgram& sceneProgram, scene::SceneObject* player, level::Level* level,
                 const SceneView& view);

// The ghost: the boy's model again in its own pose and place, see-through
// (blended, without writing depth), lit as the scene is; no cel outline, which
// would double its cost. Leaves the tint as the frame has it.
void drawGhost(GLuint program, scene::Player& boy, const GhostView& ghost, const level::DrawSettings& draw);

}  // namespace brindlemoor::render
