#include "GameSession.h"

#include <filesystem>

#include "GlTestEnvironment.h"
#include "app/GameState.h"
#include "app/NewGame.h"
#include "gameplay/MovementState.h"
#include "gameplay/WordState.h"
#include "platform/Input.h"
#include "platform/Window.h"

namespace brindlemoor::test {

namespace {
std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}
}  // namespace

GameSession::GameSession(const GameOptions& options) {
    ensureGlContext(options.width, options.height);
    app::gameState = app::GameState{};
    gameplay::wordState = gameplay::WordState{};
    gameplay::movementState = gameplay::MovementState{};
    writeFile(dir.file("level.txt"), joinLines(options.levelCodes));
    writeFile(dir.file("words.txt"), joinLines(options.words));
    if (options.ownWorkingDirectory) {
        for (const char* folder : {"Resources", "Shader"}) {
            std::filesystem::create_directory_symlink(sourcePath(folder), dir.file(folder));
        }
        workingDirectory_ = std::make_unique<ScopedWorkingDirectory>(dir.path());
    }
    app::GameState& game = app::gameState;
    game.levelPath = dir.file("level.txt");
    game.wordListPath = dir.file("words.txt");
    game.shadowShading = options.shadowShading;
    platform::framebufferSize(game.width, game.height);  // the test window's, as the game would take it
    platform::setClock(&clock);
    platform::setKeyboard(&keyboard);
    app::beginFrameLoop(loop);
    setUpOutput = captureStdout([] { app::setUpNewGame(); });
}

GameSession::~GameSession() {
    captureStdout([] { app::endGame(); });
    platform::setClock(nullptr);
    platform::setKeyboard(nullptr);
    app::gameState = app::GameState{};
    workingDirectory_.reset();
}

void GameSession::step() {
    clock.advance(1.0 / 60.0);
    app::runFramePass(loop);
}

std::string GameSession::frames(int count) {
    return captureStdout([&] {
        for (int i = 0; i < count; ++i) {
            step();
        }
    });
}

}  // namespace brindlemoor::test
