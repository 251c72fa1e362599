// The level's part of the shadow pass: position-only vertex arrays for the
// depth program, and drawing them from the light.
#include "app/GameState.h"
#include "level/Level.h"
#include "platform/Gl.h"
#include "render/ShaderProgram.h"
#include "render/Uniforms.h"
#include "scene/SceneObject.h"

namespace brindlemoor::level {

void Level::prepareObjectsForShadows() {
    render::ShaderProgram* depthProgram = app::gameState.depthProgram.get();
    if (depthProgram == nullptr) {
        return;
    }
    for (const auto& object : objects) {
        glUseProgram(depthProgram->programHandle);
        object->prepareShadow(depthProgram);
    }
}

void Level::drawObjectsForShadows() {
    render::ShaderProgram* depthProgram = app::gameState.depthProgram.get();
    if (depthProgram == nullptr) {
        return;
    }
    for (const auto& object : objects) {
        glUseProgram(depthProgram->programHandle);
        render::uploadMatrix(depthProgram->programHandle, "objectM", object->modelMatrix);
        object->drawForShadows();
    }
}

}  // namespace brindlemoor::level
