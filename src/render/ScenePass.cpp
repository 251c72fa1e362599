#include "render/ScenePass.h"

#include <glm/gtc/matrix_transform.hpp>

#include "app/GameState.h"
#include "level/Level.h"
#include "platform/Gl.h"
#include "render/ObjectDraw.h"
#include "render/ShaderProgram.h"
#include "render/Uniforms.h"
#include "scene/Player.h"

namespace brindlemoor::render {

glm::mat4 projectionFor(int width, int height, bool frustumCulling) {
    const float aspect = static_cast<float>(width) / static_cast<float>(height > 0 ? height : 1);
    return glm::perspective(glm::radians(60.0f), aspect, 0.1f, frustumCulling ? 75.0f : 500.0f);
}

void uploadProjection() {
    app::GameState& game = app::gameState;
    if (!game.sceneProgram) {
        return;
    }
    const GLuint program = game.sceneProgram->programHandle;
    glUseProgram(program);
    uploadMatrix(program, "projectionMatrix", projectionFor(game.width, game.height, game.frustumCulling));
}

void renderScene() {
    app::GameState& game = app::gameState;
    if (!game.sceneProgram) {
        return;
    }
    const GLuint program = game.sceneProgram->programHandle;
    glViewport(0, 0, game.width, game.height);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(program);
    uploadMatrix(program, "viewMatrix", game.viewMatrix);
    glUseProgram(program);

    if (game.player) {
        if (!game.shadowShading) {
            drawOutline(*game.player, program, {1.02f});
        }
        drawTextured(*game.player, program, game.shadowShading);
    }
    if (game.level) {
        game.level->drawObjects();
    }
}

}  // namespace brindlemoor::render
