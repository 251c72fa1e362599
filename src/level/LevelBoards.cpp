// Progress along the boards: the word in chalk on the board in play, and the
// move to the next board when it is typed, with the score on the final board.
#include <algorithm>
#include <string>

#include "level/Level.h"
#include "scene/Blackboard.h"
#include "scene/Text3D.h"
#include "scene/TextMesh.h"
#include "scene/WorldMeasures.h"

namespace brindlemoor::level {

namespace {
// The statistics line stands this far below the score's middle line.
constexpr float kStatisticsLineDrop = 1.6f;

// The progress above the score, in board units: the chart on the left half,
// its lines on the right, all below 5.5, the highest the camera sees of the
// board while the boy stands at it.
constexpr float kChartLeft = -4.2f, kChartBottom = 4.25f, kChartWidth = 4.0f, kChartHeight = 1.2f;
constexpr float kStrokeWidth = 0.15f;
constexpr float kLinesLeft = 0.2f, kLinesWidth = 4.2f, kLineTop = 5.1f, kLineStep = 0.45f, kLineHeight = 0.34f;

std::vector<scene::ChalkStroke> chartStrokes(const std::vector<double>& values) {
    std::vector<scene::ChalkStroke> strokes = {{0.0f, 0.0f, 0.0f, kChartHeight}, {0.0f, 0.0f, kChartWidth, 0.0f}};
    if (values.empty()) {
        return strokes;
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const double span = *high - *low;
    const float step = values.size() > 1 ? (kChartWidth - 0.3f) / static_cast<float>(values.size() - 1) : 0.0f;
    auto point = [&](std::size_t i) {
        const double share = span > 0.0 ? (values[i] - *low) / span : 0.5;
        return std::make_pair(0.2f + step * static_cast<float>(i), kChartHeight * (0.15f + 0.75f * static_cast<float>(share)));
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto [x0, y0] = point(i);
        const auto [x1, y1] = point(i + 1 < values.size() ? i + 1 : i);
        strokes.push_back({x0, y0, x1, y1});
    }
    return strokes;
}
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

void Level::showProgress(const ProgressBoard& progress) {
    if (blackboards.empty()) {
        return;
    }
    const scene::Blackboard& board = *blackboards.back();
    auto chalk = [this] { return std::make_unique<scene::Text3D>(assets_, shader, scene::ImportReport::Silent); };
    if (!progressChart) {
        progressChart = chalk();
    }
    progressChart->setMesh(scene::buildChalkStrokes(chartStrokes(progress.speeds), kStrokeWidth));
    progressChart->placeAt(board, kChartLeft, kChartBottom, 1.0f);
    progressLines.clear();
    for (std::size_t i = 0; i < progress.lines.size(); ++i) {
        auto text = chalk();
        text->setText(progress.lines[i]);
        const float size = std::min(kLineHeight, kLinesWidth / std::max(1.0f, text->textWidth()));
        text->placeAt(board, kLinesLeft, kLineTop - kLineStep * static_cast<float>(i), size);
        progressLines.push_back(std::move(text));
    }
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
