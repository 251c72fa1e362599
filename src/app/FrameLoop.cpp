#include "app/FrameLoop.h"

#include <algorithm>
#include <cmath>

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include "app/DeveloperToggles.h"
#include "app/EventEffects.h"
#include "app/GameState.h"
#include "app/Session.h"
#include "gameplay/MovementState.h"
#include "gameplay/Pace.h"
#include "gameplay/Rules.h"
#include "gameplay/Walking.h"
#include "gameplay/WordState.h"
#include "gl/FinishWhile.h"
#include "gl/GlError.h"
#include "gl/ShaderProgram.h"
#include "level/Level.h"
#include "platform/Window.h"
#include "render/ScenePass.h"
#include "render/ShadowMap.h"
#include "scene/Blackboard.h"
#include "scene/Player.h"

namespace brindlemoor::app {

namespace {

// The paused picture's brightness.
constexpr float kPausedBrightness = 0.4f;

void countFrame(Session& session, double dt) {
    FrameLoop& loop = session.loop;
    if (!gameState.showFps) {
        return;
    }
    loop.fpsTime += dt;
    if (loop.fpsTime >= 1.0) {
        session.out.line("FPS: ", loop.fpsFrames);
        loop.fpsFrames = 0;
        loop.fpsTime = 0.0;
    } else {
        loop.fpsFrames += 1;
    }
}

// The time step the game moves by: the frame's time without what the game
// slept on purpose (pauses after a bounce, stairs up, a restart, a function
// key), no more than the longest step, nothing while paused.
float motionStep(Session& session, double dt) {
    FrameLoop& loop = session.loop;
    const double slept = session.input.slept();
    const double moving = dt - (slept - loop.sleptBefore);
    loop.sleptBefore = slept;
    if (gameState.paused) {
        return 0.0f;
    }
    return static_cast<float>(std::clamp(moving, 0.0, kLongestMotionStep));
}

// F1 or the Pause key toggles the pause; losing the window's focus pauses.
void updatePause(Session& session, const platform::InputFrame& input, double now) {
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
    session.statistics.pauseChanged(when, game.paused);
    session.sound.setPaused(game.paused);
    session.out.line(game.paused ? "Paused" : "Resumed");
}

gameplay::Play playOf(Session& session) {
    GameState& game = gameState;
    return gameplay::Play{*game.player,   *game.level,         game.eye,   game.centre, game.moveSpeed,
                          game.walking,   game.newGamePending, session.out};
}

// Every letter pressed since the last frame, in the order pressed, each with
// its press time.
void typeLetters(Session& session, const platform::InputFrame& input) {
    for (const platform::KeyEvent& event : input.events) {
        if (!event.pressed || event.letter == 0) {
            continue;
        }
        gameplay::pressLetter(event.letter);
        for (char c = gameplay::pollLetter(); c != '#'; c = gameplay::pollLetter()) {
            gameplay::Play play = playOf(session);
            gameplay::takeLetter(c, event.time, event.timeKnown, play, session.events);
            applyEvents(session);  // a letter never starts a new game
        }
    }
}

// What the boy did this frame, for his animation (how far he walked, whether
// he waits at a board, the walk that carries him); then his footsteps, where
// a foot of his meets the floor.
void animatePlayer(Session& session, const glm::vec3& before, float dtf) {
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
    cue.board = cue.waiting ? game.level->blackboards[static_cast<std::size_t>(board)]->boxCentre : glm::vec3(0.0f);
    player.update(dtf);
    if (player.animator().footContacts() > 0) {
        session.sound.play(audio::Sound::Footstep, player.position);
    }
}

void pushLights(Session& session) {
    GameState& game = gameState;
    const int floor = gameplay::movementState.currentFloor;
    if (floor > game.lightsFloor) {
        game.lightsFloor = floor;
        session.out.line("pushing lights");
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

// One motion step: the boy's own moves, the collision test and its reaction.
// False when it started a new game.
bool moveAndCollide(Session& session, const platform::InputFrame& input, float dt) {
    GameState& game = gameState;
    gameplay::Play play = playOf(session);
    gameplay::moveByKeys(input, dt, game.collidedTypeCode, play);  // the previous step's collision
    const gameplay::MovementWorld world{*game.player, game.level->placements(), game.eye, game.centre,
                                        game.moveSpeed, session.out};
    game.collidedIndex = gameplay::testCollision(dt, world);
    const bool hit = game.collidedIndex != gameplay::kNoCollision && game.collidedIndex < game.level->objects.size();
    const scene::Placement* object = hit ? game.level->placements()[game.collidedIndex] : nullptr;
    game.collidedTypeCode = hit ? object->getTypeCode() : scene::TypeCode::None;
    gameplay::reactToCollision(game.collidedTypeCode, object, play, session.events);
    return applyEvents(session);
}

// Movement, collision and its reaction, and the letters. False when the frame
// started a new game: it then draws nothing. A frame whose motion would carry
// the boy further than a board is thick is split into steps, each tested.
bool updateGame(Session& session, const platform::InputFrame& input, float dtf) {
    GameState& game = gameState;
    if (!game.player || !game.level) {
        return true;
    }
    const int steps = gameplay::motionSubsteps(motionPace(session), dtf);
    for (int i = 0; i < steps; ++i) {
        if (!moveAndCollide(session, input, dtf / static_cast<float>(steps))) {
            return false;
        }
    }
    advanceChallenge(session, dtf);
    typeLetters(session, input);  // letters pressed while paused are not taken
    game.mistakeFlash = std::max(0.0, game.mistakeFlash - dtf);
    return true;
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

void beginFrameLoop(Session& session) {
    FrameLoop& loop = session.loop;
    loop.running = true;
    loop.previousTime = session.input.now();
    loop.fpsTime = 0.0;
    loop.fpsFrames = 0;
    loop.sleptBefore = session.input.slept();
}

void runFramePass(Session& session) {
    GameState& game = gameState;
    FrameLoop& loop = session.loop;
    const platform::InputFrame input = session.input.takeInput();
    const double now = session.input.now();
    const double dt = loop.recordedStep ? *loop.recordedStep : now - loop.previousTime;
    loop.previousTime = now;
    session.recorder.frame(dt, input.events, session.out);
    countFrame(session, dt);
    updatePause(session, input, now);
    const float dtf = motionStep(session, dt);

    const glm::vec3 before = game.player ? game.player->position : glm::vec3(0.0f);
    if (!game.paused && !updateGame(session, input, dtf)) {
        return;  // a new game was set up: this pass draws nothing
    }
    game.viewMatrix = glm::lookAt(game.eye, game.centre, glm::vec3(0.0f, 1.0f, 0.0f));
    session.sound.setListener(game.eye, game.centre, glm::vec3(0.0f, 1.0f, 0.0f));
    animatePlayer(session, before, dtf);
    pushLights(session);
    platform::pollEvents();
    session.markStage(FrameStage::UpdateDone);

    render::SceneView view = currentSceneView();
    view.ghost = ghostView(session);
    if (game.shadowMap && game.sceneProgram && game.level) {
        game.shadowMap->renderShadowPass(*game.sceneProgram, game.player.get(), *game.level, session.out);
    }
    platform::pollEvents();
    session.markStage(FrameStage::ShadowPassDone);
    if (game.sceneProgram) {
        render::renderScene(*game.sceneProgram, game.player.get(), game.level.get(), view);
    }
    session.markStage(FrameStage::ScenePassDone);
    handleFunctionKeys(session, input);
    gl::finishWhile(platform::pollEvents);  // keys pressed while the picture is drawn keep their time
    platform::swapBuffers();
    session.markStage(FrameStage::FrameDone);
    followWindowSize();

    // Escape counts when it was down at the start of the frame or has been
    // pressed during it (the swap takes the window's events).
    const bool escape = input.held(platform::key::Escape) || session.input.keyHeld(platform::key::Escape);
    loop.running = !escape && platform::windowOpened();
    gl::reportGlError(session.out, " @ Main mainloop");
}

}  // namespace brindlemoor::app
