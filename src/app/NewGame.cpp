#include "app/NewGame.h"

#include <cstdlib>
#include <ctime>

#include <glm/gtc/matrix_transform.hpp>

#include "app/Fatal.h"
#include "app/GameSeed.h"
#include "app/GameState.h"
#include "app/Session.h"
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
// seed and the game's number when the session has one (every game of the
// corridor of the day is its first), else the calendar time as the game has
// always been seeded.
unsigned int seedFor(const Session& session, SeedUse use) {
    const std::uint64_t game = session.challenge.daily.empty() ? session.gamesStarted : 0;
    return session.seeded ? gameSeed(session.sessionSeed, game, use) : static_cast<unsigned int>(std::time(nullptr));
}

gl::ShaderProgram loadProgram(Session& session, const char* vertex, const char* fragment) {
    io::Result<gl::ShaderProgram> program = gl::ShaderProgram::load(session.data, vertex, fragment);
    if (!program) {
        fatal(session.out, program.failure());
    }
    return std::move(program.value());
}

// Builds the scene program of the configured mode and, in shadow mode, the
// shadow map; a shader that cannot be built ends the game.
void buildPrograms(Session& session, GameState& game) {
    if (!game.shadowShading) {
        game.sceneProgram = std::make_unique<gl::ShaderProgram>(loadProgram(session, kCelVertexShader, kCelFragmentShader));
        return;
    }
    game.sceneProgram =
        std::make_unique<gl::ShaderProgram>(loadProgram(session, kShadowVertexShader, kShadowFragmentShader));
    io::Result<gl::ShaderProgram> depthProgram = render::loadDepthProgram(session.data, session.out);
    if (!depthProgram) {
        fatal(session.out, depthProgram.failure());
    }
    game.shadowMap = std::make_unique<render::ShadowMap>(std::move(depthProgram.value()));
    if (!game.shadowMap->complete()) {
        session.out.line("Failed to load framebuffer");
    }
}

}  // namespace

void setUpNewGame(Session& session) {
    GameState& game = gameState;
    game.walking = false;
    platform::setWindowTitle("Brindlemoor");
    const std::string& daily = session.challenge.daily;
    if (!daily.empty()) {
        session.out.line("Corridor of the day ", daily, ": ", game.levelLength > 0 ? game.levelLength : 2, " blocks");
    }
    buildPrograms(session, game);
    game.lightsFloor = -1;

    const scene::Assets assets = session.assets();
    game.player = std::make_unique<scene::Player>(assets, game.sceneProgram.get());
    if (game.shadowMap) {
        game.player->prepareShadow(game.shadowMap->depthProgram());
    }
    game.level = std::make_unique<level::Level>(
        assets, game.sceneProgram.get(),
        level::LevelSettings{daily.empty() ? game.levelPath : "", game.levelLength, seedFor(session, SeedUse::Level)});
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

    std::srand(seedFor(session, SeedUse::Words));
    if (!daily.empty()) {
        gameplay::wordState.lastWord.clear();  // the day's words come from the day alone
    }
    gameplay::readWordList(game.wordListPath, session.data, session.out);
    session.statistics.startGame(session.settings.adaptiveWords && daily.empty());
    game.level->showWord(gameplay::chooseWord(session.out));
    session.statistics.wordShown(gameplay::wordState.currentWord);
    startChallenge(session);
    session.out.line("finished setting up a new game!");
    session.out.text("CurrentObjects for Collision: ");
    gameplay::resetMovement();
    session.gamesStarted += 1;
}

void endGame(Session&) {
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
