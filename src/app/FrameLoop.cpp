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
#include "level/Level.h"
#include "platform/Gl.h"
#include "platform/Input.h"
#include "platform/Keys.h"
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
void moveByKeys(float dtf) {
    GameState& game = gameState;
    const gameplay::MovementState& movement = gameplay::movementState;
    if (movement.transitionPhase != 0 || !game.player) {
        return;
    }
    const float s = game.moveSpeed;
    const std::string& blocked = game.collidedTypeCode;  // still the previous frame's
    if (!movement.godMode && game.walking) {
        movePlayerAndCamera(glm::vec3(0.0f, 0.0f, -s * dtf));
    }
    if (platform::getKey(platform::key::Left) != 0 && blocked.rfind('L', 0) != 0) {
        game.player->translate(-s * dtf, 0.0f, 0.0f);
        followCamera(glm::vec3(-dtf, 0.0f, 0.0f));
    }
    if (platform::getKey(platform::key::Right) != 0 && blocked.rfind('R', 0) != 0) {
        game.player->translate(s * dtf, 0.0f, 0.0f);
        followCamera(glm::vec3(dtf, 0.0f, 0.0f));
    }
    if (platform::getKey(platform::key::Up) != 0 && movement.godMode) {
        movePlayerAndCamera(glm::vec3(0.0f, 0.0f, -s * dtf));
    }
    if (platform::getKey(platform::key::Down) != 0 && movement.godMode) {
        movePlayerAndCamera(glm::vec3(0.0f, 0.0f, s * dtf));
    }
}

void typeLetters() {
    GameState& game = gameState;
    const char c = gameplay::pollLetter();
    if (c == '#' || !gameplay::typeLetter(c)) {
        return;
    }
    std::cout << "flip blackboard" << std::endl;
    game.walking = true;
    if (!game.newGamePending && game.level && game.level->nextBlackboard(gameplay::chooseWord())) {
        std::cout << "setting up a new game" << std::endl;
        game.newGamePending = true;
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
    const double now = platform::getTime();
    const double dt = now - loop.previousTime;
    loop.previousTime = now;
    const float dtf = static_cast<float>(dt);

    countFrame(loop, dt);
    moveByKeys(dtf);

    game.collidedIndex = gameplay::testCollision(dtf);
    if (game.collidedIndex == gameplay::kNoCollision || !game.level ||
        game.collidedIndex >= game.level->objects.size()) {
        game.collidedTypeCode = "none";
    } else {
        game.collidedTypeCode = game.level->objects[game.collidedIndex]->getTypeCode();
    }
    if (!reactToCollision()) {
        return;  // a new game was set up: this pass draws nothing
    }

    typeLetters();
    game.viewMatrix = glm::lookAt(game.eye, game.centre, glm::vec3(0.0f, 1.0f, 0.0f));
    if (game.player) {
        game.player->update(dt);
    }
    pushLights();
    markFrameStage(FrameStage::UpdateDone);

    if (game.shadowShading) {
        render::renderShadowPass();
    }
    markFrameStage(FrameStage::ShadowPassDone);
    render::renderScene();
    markFrameStage(FrameStage::ScenePassDone);
    handleFunctionKeys();
    platform::swapBuffers();
    markFrameStage(FrameStage::FrameDone);

    loop.running = platform::getKey(platform::key::Escape) == 0 && platform::windowOpened();
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        std::cout << "GL ERROR DETECTED!!! " << static_cast<unsigned int>(error) << " @ Main mainloop" << std::endl;
    }
}

}  // namespace brindlemoor::app
