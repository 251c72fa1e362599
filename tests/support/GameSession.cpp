#include "GameSession.h"

#include <filesystem>

#include "GlTestEnvironment.h"
#include "app/GameState.h"
#include "app/FrameLoop.h"
#include "app/NewGame.h"
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

GameSession::GameSession(const GameOptions& options) : session(printed, io::DataFolder()) {
    ensureGlContext(320, 180);
    writeFile(dir.file("level.txt"), joinLines(options.levelCodes));
    writeFile(dir.file("words.txt"), joinLines(options.words));
    for (const char* folder : {"Resources", "Shader"}) {
        std::filesystem::create_directory_symlink(sourcePath(folder), dir.file(folder));
    }
    workingDirectory_ = std::make_unique<ScopedWorkingDirectory>(dir.path());
    app::GameState& game = app::gameState;
    game.levelPath = dir.file("level.txt");
    game.wordListPath = dir.file("words.txt");
    game.shadowShading = options.shadowShading;
    platform::framebufferSize(game.width, game.height);  // the test window's, as the game would take it
    session.statistics.openHistory(options.history.empty() ? "off" : options.history);
    session.statistics.readPast();
    if (options.prepare) {
        options.prepare(session);
    }
    session.input.useClock(&clock);
    session.input.useKeyboard(&keyboard);
    app::beginFrameLoop(session);
    app::setUpNewGame(session);
    setUpOutput = printed.take();
}

GameSession::~GameSession() {
    app::endGame(session);
    app::gameState = app::GameState{};
    workingDirectory_.reset();
}

void GameSession::step() {
    clock.advance(frameSeconds);
    app::runFramePass(session);
}

std::string GameSession::frames(int count) {
    for (int i = 0; i < count; ++i) {
        step();
    }
    return printed.take();
}

}  // namespace brindlemoor::test
