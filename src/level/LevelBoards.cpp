// Progress along the boards: the word in chalk on the board in play, and the
// move to the next board when it is typed, with the score on the final board.
#include <string>

#include "level/Level.h"
#include "scene/Blackboard.h"
#include "scene/Text3D.h"
#include "scene/WorldMeasures.h"

namespace brindlemoor::level {

namespace {
// The statistics line stands this far below the score's middle line.
constexpr float kStatisticsLineDrop = 1.6f;
}  // namespace

void Level::showWord(const std::string& text) {
    if (currentBlackboard < 0 || currentBlackboard >= static_cast<int>(blackboards.size())) {
        return;  // past the final board there is nothing to write on
    }
    scene::Blackboard& board = *blackboards[static_cast<std::size_t>(currentBlackboard)];
    scene::Text3D* chalk = currentBlackboard % 2 == 0 ? evenText.get() : oddText.get();
    chalk->setText(text);
    chalk->placeOn(board);
}

void Level::showStatistics(const std::string& text) {
    if (blackboards.empty()) {
        return;
    }
    // Made when first needed and silently: it is not one of the level's
    // objects or texts, and the level's messages stay as they are.
    if (!statisticsText) {
        statisticsText = std::make_unique<scene::Text3D>(assets_, shader, scene::ImportReport::Silent);
    }
    statisticsText->setText(text);
    statisticsText->placeOn(*blackboards.back(), kStatisticsLineDrop);
}

bool Level::nextBlackboard(const std::string& word) {
    const int finalBoard = static_cast<int>(blackboards.size()) - 1;
    if (currentBlackboard < 0 || currentBlackboard > finalBoard) {
        return true;
    }
    if (currentBlackboard == finalBoard) {
        // A corridor without wall blocks has only the final board: its word
        // done, it shows the score and stays down, so that walking into it
        // starts the next game.
        score += 1;
        showWord("score " + std::to_string(score));
        return true;
    }
    scene::Blackboard& board = *blackboards[static_cast<std::size_t>(currentBlackboard)];
    board.translate(0.0f, static_cast<float>(world::kBoardLift), 0.0f);
    scene::Text3D* chalk = currentBlackboard % 2 == 0 ? evenText.get() : oddText.get();
    chalk->placeOn(board);
    currentBlackboard += 1;
    score += 1;
    if (currentBlackboard == finalBoard) {
        showWord("score " + std::to_string(score));
        return true;
    }
    showWord(word);
    return false;
}

}  // namespace brindlemoor::level
