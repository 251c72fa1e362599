#include "app/FrameLoop.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include "app/Camera.h"
#include "app/CollisionReaction.h"
#include "app/DeveloperToggles.h"
#include "app/FrameStages.h"
#include "app/GameSound.h"
#include "app/GameState.h"
#include "app/Statistics.h"
#include "gameplay/MovementState.h"
#include "gameplay/WordState.h"
#include "gl/GlError.h"
#include "gl/ShaderProgram.h"
#include "level/Level.h"
#include "platform/Input.h"
#include "platform/Window.h"
#include "render/ScenePass.h"
#include "render/ShadowMap.h"
#include "scene/Blackboard.h"
#include "scene/Player.h"

namespace brindlemoor::app {

namespace {

// How long a wrong letter shows on the board before the word shows restarted.
constexpr double kMistakeFlash = 0.3;
// The paused picture's brightness.
constexpr float kPausedBrightness = 0.4f;

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

// The time step the game moves by: the frame's time without what the game
// slept on purpose (pauses after a bounce, stairs up, a restart, a function
// key), no more than the longest step, nothing while paused.
float motionStep(FrameLoop& loop, double dt) {
    const double slept = platform::sleptSeconds();
    const double moving = dt - (slept - loop.sleptBefore);
    loop.sleptBefore = slept;
    if (gameState.paused) {
        return 0.0f;
    }
    return static_cast<float>(std::clamp(moving, 0.0, kLongestMotionStep));
}

// F1 or the Pause key toggles the pause; losing the window's focus pauses.
void updatePause(const platform::InputFrame& input, double now) {
    GameState& game = gameState;
    bool toggle = false;
    bool lostFocus = false;
    double when = now;  // the time of the key or focus event, as a replay has it
    for (const platform::KeyEvent& event : input.events) {
        if (event.pressed && (event.key == platform::key::F1 || event.key == platform::key::Pause)) {
            toggle = true;
            when = event.time;
        } else if (event.key == platform::key::Focus) {
            // Only where the frame ends counts: a window that loses the focus
            // and gets it back at once (as some do when they open) plays on.
            lostFocus = !event.pressed && !game.paused;
            when = event.time;
        }
    }
    if (!toggle && !lostFocus) {
        return;
    }
    game.paused = !game.paused;
    pauseChanged(when, game.paused);
    gameSound().setPaused(game.paused);
    std::cout << (game.paused ? "Paused" : "Resumed") << std::endl;
}

void movePlayerAndCamera(const glm::vec3& v) {
    gameState.player->translate(v.x, v.y, v.z);
    followCamera(v);
}

// A step sideways, unless the previous frame's collision blocks that side or
// it would take the boy into a wall of an end piece.
void stepSideways(float dtf, bool blocked) {
    GameState& game = gameState;
    const float dx = game.moveSpeed * dtf;
    scene::Placement after = *game.player;
    after.translate(dx, 0.0f, 0.0f);
    if (blocked || (game.level && game.level->blocksSideways(after))) {
        return;
    }
    game.player->translate(dx, 0.0f, 0.0f);
    followCamera(glm::vec3(dtf, 0.0f, 0.0f));
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
    if (input.held(platform::key::Left)) {
        stepSideways(-dtf, scene::isLeftWall(blocked));
    }
    if (input.held(platform::key::Right)) {
        stepSideways(dtf, scene::isRightWall(blocked));
    }
    if (input.held(platform::key::Up) && movement.godMode) {
        movePlayerAndCamera(glm::vec3(0.0f, 0.0f, -s * dtf));
    }
    if (input.held(platform::key::Down) && movement.godMode) {
        movePlayerAndCamera(glm::vec3(0.0f, 0.0f, s * dtf));
    }
}

// The word's next letter, or 0 past its end.
char expectedLetter() {
    const gameplay::WordState& words = gameplay::wordState;
    const auto next = static_cast<std::size_t>(words.typedCount);
    return next < words.currentWord.size() ? words.currentWord[next] : 0;
}

// Where the sounds of a board come from: the middle of its box.
glm::vec3 boardCentre(int index) {
    const level::Level& level = *gameState.level;
    if (index < 0 || index >= static_cast<int>(level.blackboards.size())) {
        return gameState.player ? gameState.player->position : glm::vec3(0.0f);
    }
    return level.blackboards[static_cast<std::size_t>(index)]->boxCentre;
}

// One letter typed, at the time its key went down.
void typeLetter(char c, double time) {
    GameState& game = gameState;
    const char expected = expectedLetter();
    const gameplay::LetterResult result = gameplay::typeLetterResult(c);
    const bool completed = result == gameplay::LetterResult::Completed;
    if (!game.newGamePending) {
        letterTyped(time, expected, c, completed);
    }
    const int board = game.level ? game.level->currentBlackboard : -1;
    if (!game.newGamePending && game.level) {
        gameSound().play(result == gameplay::LetterResult::Wrong ? audio::Sound::Scrape : audio::Sound::ChalkTap,
                         boardCentre(board));
    }
    if (result == gameplay::LetterResult::Wrong) {
        game.mistakeFlash = kMistakeFlash;
    }
    if (!completed) {
        return;
    }
    game.mistakeFlash = 0.0;
    std::cout << "flip blackboard" << std::endl;
    game.walking = true;
    if (game.newGamePending || !game.level) {
        return;
    }
    const bool finalBoard = game.level->nextBlackboard(gameplay::chooseWord());
    if (game.level->currentBlackboard != board) {
        gameSound().play(audio::Sound::BoardLift, boardCentre(board));
    }
    if (finalBoard) {
        std::cout << "setting up a new game" << std::endl;
        if (game.player) {
            game.player->cue.cheer = true;
        }
        game.newGamePending = true;
        finishGameStatistics();
        gameSound().play(audio::Sound::Chime, boardCentre(game.level->currentBlackboard));
    } else {
        wordShown(gameplay::wordState.currentWord);
    }
}

// Every letter pressed since the last frame, in the order pressed.
void typeLetters(const platform::InputFrame& input) {
    for (const platform::KeyEvent& event : input.events) {
        if (!event.pressed || event.letter == 0) {
            continue;
        }
        gameplay::pressLetter(event.letter);
        for (char c = gameplay::pollLetter(); c != '#'; c = gameplay::pollLetter()) {
            typeLetter(c, event.time);
        }
    }
}

// What the boy did this frame, for his animation (how far he walked, whether
// he waits at a board, the walk that carries him); then his footsteps, where
// a foot of his meets the floor.
void animatePlayer(const glm::vec3& before, float dtf) {
    GameState& game = gameState;
    if (!game.player) {
        return;
    }
    scene::Player& player = *game.player;
    const gameplay::MovementState& movement = gameplay::movementState;
    const glm::vec3 moved = player.position - before;
    scene::BoyCue& cue = player.cue;
    cue.walked = std::sqrt(moved.x * moved.x + moved.z * moved.z);
    cue.climbed = moved.y;
    cue.walking = game.walking || movement.transitionPhase != 0;
    const scene::TypeCode walk =
        movement.transitionPhase >= 2 && movement.transitionObject ? movement.transitionObject->typeCode
                                                                   : scene::TypeCode::None;
    cue.walk = walk == scene::TypeCode::StairsDown ? scene::BoyCue::Walk::StairsDown
               : scene::isCorner(walk)             ? scene::BoyCue::Walk::Corner
                                                   : scene::BoyCue::Walk::None;
    cue.walkSegment = movement.transitionPhase - 1;
    cue.walkProgress = movement.curveT;
    cue.turn = walk == scene::TypeCode::CornerLeft ? 1 : walk == scene::TypeCode::CornerRight ? -1 : 0;
    const int board = game.level ? game.level->currentBlackboard : -1;
    cue.waiting = !game.walking && board >= 0 && board < static_cast<int>(game.level->blackboards.size());
    cue.board = cue.waiting ? boardCentre(board) : glm::vec3(0.0f);
    player.update(dtf);
    if (player.animator().footContacts() > 0) {
        gameSound().play(audio::Sound::Footstep, player.position);
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

// The viewport and projection follow the framebuffer when the window changes
// size (a minimised window, 0 x 0, keeps the last size).
void followWindowSize() {
    GameState& game = gameState;
    int width = 0;
    int height = 0;
    platform::framebufferSize(width, height);
    if (width <= 0 || height <= 0 || (width == game.width && height == game.height)) {
        return;
    }
    game.width = width;
    game.height = height;
    if (game.sceneProgram) {
        render::uploadProjection(*game.sceneProgram, game.width, game.height, game.frustumCulling);
    }
}

}  // namespace

render::SceneView currentSceneView() {
    const GameState& game = gameState;
    render::SceneView view;
    view.width = game.width;
    view.height = game.height;
    view.viewMatrix = game.viewMatrix;
    view.shortFarPlane = game.frustumCulling;
    view.draw.shadowShading = game.shadowShading;
    view.draw.transparency = game.transparency;
    view.draw.brightness = game.paused ? kPausedBrightness : 1.0f;
    // The word in play is on the board in play until the final board shows the score.
    const bool wordInPlay = game.level && !game.newGamePending &&
                            game.level->currentBlackboard + 1 < static_cast<int>(game.level->blackboards.size());
    view.draw.typedLetters = wordInPlay ? gameplay::wordState.typedCount : -1;
    view.draw.mistake = wordInPlay && game.mistakeFlash > 0.0;
    return view;
}

void beginFrameLoop(FrameLoop& loop) {
    loop.running = true;
    loop.previousTime = platform::getTime();
    loop.fpsTime = 0.0;
    loop.fpsFrames = 0;
    loop.sleptBefore = platform::sleptSeconds();
}

void runFramePass(FrameLoop& loop) {
    GameState& game = gameState;
    const platform::InputFrame input = platform::takeInput();
    const double now = platform::getTime();
    const double dt = loop.recordedStep ? *loop.recordedStep : now - loop.previousTime;
    loop.previousTime = now;
    if (loop.onInput) {
        loop.onInput(dt, input);
    }
    countFrame(loop, dt);
    updatePause(input, now);
    const float dtf = motionStep(loop, dt);

    const glm::vec3 before = game.player ? game.player->position : glm::vec3(0.0f);
    if (!game.paused) {
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
        typeLetters(input);  // letters pressed while paused are not taken
        game.mistakeFlash = std::max(0.0, game.mistakeFlash - dtf);
    }
    game.viewMatrix = glm::lookAt(game.eye, game.centre, glm::vec3(0.0f, 1.0f, 0.0f));
    gameSound().setListener(game.eye, game.centre, glm::vec3(0.0f, 1.0f, 0.0f));
    animatePlayer(before, dtf);
    pushLights();
    markFrameStage(FrameStage::UpdateDone);

    if (game.shadowMap && game.sceneProgram && game.level) {
        game.shadowMap->renderShadowPass(*game.sceneProgram, game.player.get(), *game.level);
    }
    markFrameStage(FrameStage::ShadowPassDone);
    if (game.sceneProgram) {
        render::renderScene(*game.sceneProgram, game.player.get(), game.level.get(), currentSceneView());
    }
    markFrameStage(FrameStage::ScenePassDone);
    handleFunctionKeys(input);
    platform::swapBuffers();
    markFrameStage(FrameStage::FrameDone);
    followWindowSize();

    // Escape counts when it was down at the start of the frame or has been
    // pressed during it (the swap takes the window's events).
    const bool escape = input.held(platform::key::Escape) || platform::keyHeld(platform::key::Escape);
    loop.running = !escape && platform::windowOpened();
    gl::reportGlError(" @ Main mainloop");
}

}  // namespace brindlemoor::app
