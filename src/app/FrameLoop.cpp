#include "app/FrameLoop.h"

#include <iostream>

#include <glm/gtc/matrix_transform.hpp>

#include "app/Camera.h"
#include "app/CollisionReaction.h"
#include "app/DeveloperToggles.h"
#include "app/FrameStages.h"
#include "app/GameState.h"
#include "gameplay/MovementState.h"
#include "gameplay/WordState.h"
#include "gl/GlError.h"
#include "gl/ShaderProgram.h"
#include "level/Level.h"
#include "platform/Input.h"
#include "platform/Window.h"
#include "render/ScenePass.h"
#include "render/ShadowMap.h"
#include "scene/Player.h"

namespace brindlemoor::app {

namespace {

void countFrame(FrameLoop& loop, double dt) {
    if (!gameState.showFps) {
        return;
    }
    loop.fpsTime += dt;
    if (loop.fpsTime >= 1.0) {
        std::cout << "FPS: " << loop.fpsFrames << std::endl;
        loop.fpsFrames = 0;
        loop.fpsTime = 0.0;
    } else {
        loop.fpsFrames += 1;
    }
}

void movePlayerAndCamera(const glm::vec3& v) {
    gameState.player->translate(v.x, v.y, v.z);
    followCamera(v);
}

// Walking, sideways steps and (in god mode) free movement; none of it while a
// corner or stairs walk carries the player.
void moveByKeys(const platform::InputFrame& input, float dtf) {
    GameState& game = gameState;
    const gameplay::MovementState& movement = gameplay::movementState;
    if (movement.transitionPhase != 0 || !game.player) {
        return;
    }
    const float s = game.moveSpeed;
    const scene::TypeCode blocked = game.collidedTypeCode;  // still the previous frame's
    if (!movement.godMode && game.walking) {
        movePlayerAndCamera(glm::vec3(0.0f, 0.0f, -s * dtf));
    }
    if (input.held(platform::key::Left) && !scene::isLeftWall(blocked)) {
        game.player->translate(-s * dtf, 0.0f, 0.0f);
        followCamera(glm::vec3(-dtf, 0.0f, 0.0f));
    }
    if (input.held(platform::key::Right) && !scene::isRightWall(blocked)) {
        game.player->translate(s * dtf, 0.0f, 0.0f);
        followCamera(glm::vec3(dtf, 0.0f, 0.0f));
    }
    if (input.held(platform::key::Up) && movement.godMode) {
        movePlayerAndCamera(glm::vec3(0.0f, 0.0f, -s * dtf));
    }
    if (input.held(platform::key::Down) && movement.godMode) {
        movePlayerAndCamera(glm::vec3(0.0f, 0.0f, s * dtf));
    }
}

// Every letter pressed since the last frame, in the order pressed.
void typeLetters(const platform::InputFrame& input) {
    GameState& game = gameState;
    for (char letter : input.letters()) {
        gameplay::pressLetter(letter);
    }
    for (char c = gameplay::pollLetter(); c != '#'; c = gameplay::pollLetter()) {
        if (!gameplay::typeLetter(c)) {
            continue;
        }
        std::cout << "flip blackboard" << std::endl;
        game.walking = true;
        if (!game.newGamePending && game.level && game.level->nextBlackboard(gameplay::chooseWord())) {
            std::cout << "setting up a new game" << std::endl;
            game.newGamePending = true;
        }
    }
}

void pushLights() {
    GameState& game = gameState;
    const int floor = gameplay::movementState.currentFloor;
    if (floor > game.lightsFloor) {
        game.lightsFloor = floor;
        std::cout << "pushing lights" << std::endl;
        if (game.level) {
            game.level->advanceLights();
        }
    }
}

}  // namespace

void beginFrameLoop(FrameLoop& loop) {
    loop.running = true;
    loop.previousTime = platform::getTime();
    loop.fpsTime = 0.0;
    loop.fpsFrames = 0;
}

void runFramePass(FrameLoop& loop) {
    GameState& game = gameState;
    const platform::InputFrame input = platform::takeInput();
    const double now = platform::getTime();
    const double dt = now - loop.previousTime;
    loop.previousTime = now;
    const float dtf = static_cast<float>(dt);

    countFrame(loop, dt);
    moveByKeys(input, dtf);

    game.collidedIndex = gameplay::kNoCollision;
    if (game.player && game.level) {
        const gameplay::MovementWorld world{*game.player, game.level->placements(), game.eye, game.centre,
                                            game.moveSpeed};
        game.collidedIndex = gameplay::testCollision(dtf, world);
    }
    if (game.collidedIndex == gameplay::kNoCollision || !game.level ||
        game.collidedIndex >= game.level->objects.size()) {
        game.collidedTypeCode = scene::TypeCode::None;
    } else {
        game.collidedTypeCode = game.level->placements()[game.collidedIndex]->getTypeCode();
    }
    if (!reactToCollision()) {
        return;  // a new game was set up: this pass draws nothing
    }

    typeLetters(input);
    game.viewMatrix = glm::lookAt(game.eye, game.centre, glm::vec3(0.0f, 1.0f, 0.0f));
    if (game.player) {
        game.player->update(dt);
    }
    pushLights();
    markFrameStage(FrameStage::UpdateDone);

    if (game.shadowMap && game.sceneProgram && game.level) {
        game.shadowMap->renderShadowPass(*game.sceneProgram, game.player.get(), *game.level);
    }
    markFrameStage(FrameStage::ShadowPassDone);
    if (game.sceneProgram) {
        const render::SceneView view{game.width, game.height, game.shadowShading, game.transparency,
                                     game.viewMatrix};
        render::renderScene(*game.sceneProgram, game.player.get(), game.level.get(), view);
    }
    markFrameStage(FrameStage::ScenePassDone);
    handleFunctionKeys(input);
    platform::swapBuffers();
    markFrameStage(FrameStage::FrameDone);

    // Escape counts when it was down at the start of the frame or has been
    // pressed during it (the swap takes the window's events).
    const bool escape = input.held(platform::key::Escape) || platform::keyHeld(platform::key::Escape);
    loop.running = !escape && platform::windowOpened();
    gl::reportGlError(" @ Main mainloop");
}

}  // namespace brindlemoor::app
