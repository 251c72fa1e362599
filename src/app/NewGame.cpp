#include "app/NewGame.h"

#include <cstdlib>
#include <ctime>
#include <iostream>

#include <glm/gtc/matrix_transform.hpp>

#include "app/Fatal.h"
#include "app/GameSeed.h"
#include "app/GameState.h"
#include "app/Statistics.h"
#include "gameplay/MovementState.h"
#include "gameplay/WordState.h"
#include "gl/ShaderProgram.h"
#include "level/Level.h"
#include "gl/Gl.h"
#include "platform/Window.h"
#include "render/ScenePass.h"
#include "render/ShadowMap.h"
#include "scene/Player.h"
#include "scene/QuarterTurns.h"

namespace brindlemoor::app {

namespace {

// The seed of one use of this game's random generator: from the session's
// seed and the game's number when the session has one, else the calendar time
// as the game has always been seeded.
unsigned int seedFor(SeedUse use) {
    const GameState& game = gameState;
    return game.seeded ? gameSeed(game.sessionSeed, game.gamesStarted, use)
                       : static_cast<unsigned int>(std::time(nullptr));
}

// Builds the scene program of the configured mode and, in shadow mode, the
// shadow map; a shader that cannot be built ends the game.
void buildPrograms(GameState& game) {
    try {
        if (game.shadowShading) {
            game.sceneProgram = std::make_unique<gl::ShaderProgram>(kShadowVertexShader, kShadowFragmentShader);
            game.shadowMap = std::make_unique<render::ShadowMap>();
            if (!game.shadowMap->complete()) {
                std::cout << "Failed to load framebuffer" << std::endl;
            }
        } else {
            game.sceneProgram = std::make_unique<gl::ShaderProgram>(kCelVertexShader, kCelFragmentShader);
        }
    } catch (const gl::ShaderError& error) {
        fatal(error);
    }
}

}  // namespace

void setUpNewGame() {
    GameState& game = gameState;
    game.walking = false;
    platform::setWindowTitle("Brindlemoor");
    buildPrograms(game);
    game.lightsFloor = -1;

    game.player = std::make_unique<scene::Player>(game.sceneProgram.get());
    if (game.shadowMap) {
        game.player->prepareShadow(game.shadowMap->depthProgram());
    }
    game.level = std::make_unique<level::Level>(game.sceneProgram.get(),
                                                level::LevelSettings{game.levelPath, game.levelLength, seedFor(SeedUse::Level)});
    if (game.shadowMap) {
        game.level->prepareObjectsForShadows(game.shadowMap->depthProgram());
    }
    render::uploadProjection(*game.sceneProgram, game.width, game.height, game.frustumCulling);

    game.centre = scene::toGlm(world::kCameraTarget);
    game.eye = scene::toGlm(world::kCameraEye);
    game.up = glm::vec3(0.0f, 1.0f, 0.0f);
    game.sceneProgram->use();
    game.viewMatrix = glm::lookAt(game.eye, game.centre, game.up);

    glClearColor(0.14f, 0.14f, 0.14f, 0.0f);
    glViewport(0, 0, game.width, game.height);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_CULL_FACE);

    std::srand(seedFor(SeedUse::Words));
    gameplay::readWordList(game.wordListPath);
    startGameStatistics();
    game.level->showWord(gameplay::chooseWord());
    wordShown(gameplay::wordState.currentWord);
    std::cout << "finished setting up a new game!" << std::endl;
    std::cout << "CurrentObjects for Collision: ";
    gameplay::resetMovement();
    game.gamesStarted += 1;
}

void endGame() {
    GameState& game = gameState;
    game.level.reset();
    game.player.reset();
    game.shadowMap.reset();
    game.sceneProgram.reset();
    // Mesa's software renderer lets go of the textures and buffers its last
    // frames used only when it begins another frame. Beginning one now gives
    // their memory back before the next corridor is loaded; otherwise the new
    // corridor's textures are placed around it and the heap stays a fifth
    // larger from the second game on.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

}  // namespace brindlemoor::app
