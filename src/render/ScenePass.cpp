#include "render/ScenePass.h"

#include <glm/gtc/matrix_transform.hpp>

#include "gl/Uniforms.h"
#include "level/Level.h"
#include "scene/Frustum.h"
#include "scene/Player.h"
#include "scene/SceneObject.h"

namespace brindlemoor::render {

namespace {
constexpr float kPlayerOutlineScale = 1.02f;
// A pale, cool boy, more than half see-through.
const glm::vec3 kGhostColour(0.7f, 0.95f, 1.4f);
constexpr float kGhostAlpha = 0.45f;
}  // namespace

glm::mat4 projectionFor(int width, int height, bool frustumCulling) {
    const float aspect = static_cast<float>(width) / static_cast<float>(height > 0 ? height : 1);
    return glm::perspective(glm::radians(60.0f), aspect, 0.1f, frustumCulling ? 75.0f : 500.0f);
}

void uploadProjection(const gl::ShaderProgram& sceneProgram, int width, int height, bool frustumCulling) {
    sceneProgram.use();
    gl::uploadMatrix(sceneProgram.programHandle(), "projectionMatrix", projectionFor(width, height, frustumCulling));
}

void renderScene(const gl::ShaderProgram& sceneProgram, scene::SceneObject* player, level::Level* level,
                 const SceneView& view) {
    const GLuint program = sceneProgram.programHandle();
    glViewport(0, 0, view.width, view.height);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(program);
    gl::uploadMatrix(program, "viewMatrix", view.viewMatrix);
    glUseProgram(program);
    const float b = view.draw.brightness;
    gl::uploadVec4(program, "tint", glm::vec4(b, b, b, 1.0f));

    const scene::Frustum frustum(projectionFor(view.width, view.height, view.shortFarPlane) * view.viewMatrix);
    const scene::Frustum* culling = view.cullObjects ? &frustum : nullptr;
    const bool outlines = !view.draw.shadowShading;
    if (player != nullptr &&
        (culling == nullptr || culling->mayShow(*player, 1.0f, outlines ? kPlayerOutlineScale : 1.0f))) {
        if (outlines) {
            player->drawOutline(program, {kPlayerOutlineScale});
        }
        player->drawTextured(program, view.draw.shadowShading);
    }
    if (level != nullptr) {
        level->drawObjects(view.draw, culling);
    }
    auto* boy = dynamic_cast<scene::Player*>(player);
    if (boy != nullptr && view.ghost) {
        scene::Placement ghost = *boy;  // the boy's box where the ghost stands
        ghost.modelMatrix = view.ghost->placement;
        ghost.computeBoundingBox();
        if (culling == nullptr || culling->mayShow(ghost)) {
            drawGhost(program, *boy, *view.ghost, view.draw);
        }
    }
}

void drawGhost(GLuint program, scene::Player& boy, const GhostView& ghost, const level::DrawSettings& draw) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    const float b = draw.brightness;
    gl::uploadVec4(program, "tint", glm::vec4(kGhostColour * b, kGhostAlpha));
    boy.bindForDrawing(program, draw.shadowShading);
    boy.drawPose(program, "modelMatrix", ghost.placement, ghost.pose, false);
    gl::uploadVec4(program, "tint", glm::vec4(b, b, b, 1.0f));
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
}

}  // namespace brindlemoor::render
