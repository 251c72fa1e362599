// What a typist feels: from the moment a key goes down to the end of the
// buffer swap of the first frame that shows its letter on the board, with the
// real clock at 1280 x 720 (or the size asked for). A second thread sends key
// presses to the game's window at random moments, as a person's keyboard
// would through the X server; the game sees them only through GLFW.
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <fstream>
#include <thread>

#include "KeySender.h"
#include "Sections.h"
#include "app/FrameLoop.h"
#include "app/GameState.h"
#include "app/NewGame.h"
#include "gameplay/WordState.h"

namespace brindlemoor::bench {

namespace {

double swapEnded = 0.0;
void noteSwapEnd(app::FrameStage stage) {
    if (stage == app::FrameStage::FrameDone) {
        swapEnded = glfwGetTime();
    }
}

}  // namespace

std::vector<Row> keysSection(const Settings& settings) {
    app::Session& session = benchSession();
    session.input.useClock(nullptr);  // real time and the window's own keys
    session.input.useKeyboard(nullptr);
    const std::string words = "/tmp/brindlemoor-benchmark-words.txt";
    std::ofstream(words, std::ios::trunc) << std::string(400, 'A') << "\n";  // every press shows one more letter
    app::GameState& game = app::gameState;
    game.levelPath = "";
    game.levelLength = 10;
    game.wordListPath = words;
    gameplay::wordState = gameplay::WordState{};
    app::setUpNewGame(session);
    app::beginFrameLoop(session);
    session.stageListener = noteSwapEnd;

    const int presses = settings.runs * 20;
    KeySender sender(presses);
    std::thread typing(&KeySender::run, &sender);
    std::vector<double> delays;
    int shown = gameplay::wordState.typedCount;
    const double start = glfwGetTime();
    while ((!sender.done() || static_cast<int>(delays.size()) < presses) && glfwGetTime() - start < 60.0) {
        app::runFramePass(session);
        for (; shown < gameplay::wordState.typedCount; ++shown) {
            double sent = 0.0;
            if (sender.takeOldest(sent)) delays.push_back(swapEnded - sent);
        }
        if (static_cast<int>(delays.size()) >= presses) break;
    }
    typing.join();
    session.stageListener = nullptr;
    app::endGame(session);
    std::remove(words.c_str());
    if (delays.empty()) {
        return {{"key to picture: no key reached the window", 0.0, "", ""}};
    }
    const std::string size = std::to_string(game.width) + "x" + std::to_string(game.height);
    return {{"key to picture, median (" + std::to_string(delays.size()) + " keys, " + size + ")",
             median(delays) * 1000.0, "ms", ""},
            {"key to picture, slowest", percentile(delays, 100.0) * 1000.0, "ms", ""}};
}

}  // namespace brindlemoor::bench
