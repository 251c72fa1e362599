#include "app/NewGame.h"

#include <cstdlib>
#include <ctime>
#include <iostream>

#include <glm/gtc/matrix_transform.hpp>

#include "app/GameState.h"
#include "gameplay/MovementState.h"
#include "gameplay/WordState.h"
#include "level/Level.h"
#include "platform/Gl.h"
#include "platform/Window.h"
#include "render/ScenePass.h"
#include "render/ShaderProgram.h"
#include "render/ShadowMap.h"
#include "scene/Player.h"

namespace brindlemoor::app {

void setUpNewGame() {
    GameState& game = gameState;
    game.walking = false;
    platform::setWindowTitle("Brindlemoor");

    if (game.shadowShading) {
        game.sceneProgram = std::make_unique<render::ShaderProgram>(kShadowVertexShader, kShadowFragmentShader);
        if (!render::setUpShadowMap()) {
            std::cout << "Failed to load framebuffer" << std::endl;
        }
    } else {
        game.sceneProgram = std::make_unique<render::ShaderProgram>(kCelVertexShader, kCelFragmentShader);
    }
    game.lightsFloor = -1;

    game.player = std::make_unique<scene::Player>(game.sceneProgram.get());
    if (game.shadowShading) {
        game.player->prepareShadow(game.depthProgram.get());
    }
    game.level = std::make_unique<level::Level>();
    if (game.shadowShading) {
        game.level->prepareObjectsForShadows();
    }
    render::uploadProjection();

    game.centre = glm::vec3(0.0f, 2.0f, 0.0f);
    game.eye = glm::vec3(0.0f, 2.25f, 6.0f);
    game.up = glm::vec3(0.0f, 1.0f, 0.0f);
    glUseProgram(game.sceneProgram->programHandle);
    game.viewMatrix = glm::lookAt(game.eye, game.centre, game.up);

    glClearColor(0.14f, 0.14f, 0.14f, 0.0f);
    glViewport(0, 0, game.width, game.height);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_CULL_FACE);

    std::srand(static_cast<unsigned int>(std::time(nullptr)));
    gameplay::readWordList(game.wordListPath);
    game.level->showWord(gameplay::chooseWord());
    std::cout << "finished setting up a new game!" << std::endl;
    std::cout << "CurrentObjects for Collision: ";
    gameplay::resetMovement();
}

void endGame() {
    GameState& game = gameState;
    game.sceneProgram.reset();
    game.level.reset();
    game.depthProgram.reset();
    game.player.reset();
    if (game.shadowShading) {
        render::tearDownShadowMap();
    }
}

}  // namespace brindlemoor::app
