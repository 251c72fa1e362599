#include "app/Statistics.h"

#include <cstdio>
#include <ctime>

#include "gameplay/WordState.h"
#include "io/UserDirs.h"
#include "level/Level.h"
#include "stats/AdaptiveChooser.h"
#include "stats/GameStatsText.h"
#include "stats/StatsReport.h"
#include "stats/StatsSettings.h"

namespace brindlemoor::app {

void Statistics::openHistory(const std::string& historySetting) {
    const auto file = stats::historyFile(historySetting, io::dataHome());
    history_ = file ? std::make_unique<stats::History>(*file, out_) : nullptr;
}

int Statistics::printReport() {
    if (!history_) {
        out_.line("No history: it is turned off (history=off)");
        return 0;
    }
    // Read only: the report changes nothing in the file, nor beside it.
    stats::History history(history_->path(), out_, stats::Access::Read);
    stats::printStatsReport(out_.stream(), history);
    return 0;
}

void Statistics::readPast() {
    const io::Result<stats::HistoryData> history = history_ ? history_->load() : stats::HistoryData{};
    if (history) {
        past_ = stats::PastGames::from(history.value());
    }
}

void Statistics::startGame(bool adaptiveWords) {
    game_ = stats::TypingStats();
    finished_ = false;
    if (history_) {
        history_->prepare();
    }
    if (!adaptiveWords) {
        gameplay::wordState.chooser = nullptr;  // the random choice, draw for draw as ever
        return;
    }
    const io::Result<stats::HistoryData> history = history_ ? history_->load() : stats::HistoryData{};
    const stats::AdaptiveChooser chooser(history ? history->letters : stats::LetterTable{});
    gameplay::wordState.chooser = [chooser](const std::vector<std::string>& words, const std::string& last) {
        return chooser.choose(words, last);
    };
}

void Statistics::finishGame(level::Level& level, const RunRecord& run) {
    if (finished_) {
        return;
    }
    finished_ = true;
    const stats::GameStats figures = game_.finish(level.score, level.blockCount);
    level.showStatistics(stats::boardLine(figures));
    past_.add(figures, run.pace);
    char text[64];
    level::ProgressBoard progress{past_.speeds, {}};
    std::snprintf(text, sizeof text, "best %.0f wpm", past_.bestSpeed);
    progress.lines.push_back(text);
    std::string weak = "weak";
    for (char letter : stats::weakestLetters(past_.letters)) {
        weak += std::string(" ") + letter;
    }
    progress.lines.push_back(weak);
    std::string line = stats::gameStatsLine(figures);
    if (run.pace > 0.0) {
        std::snprintf(text, sizeof text, ", pace %.1f", run.pace);
        line += text;
    }
    if (run.ghostGap) {
        std::snprintf(text, sizeof text, "ghost %+.1f s", *run.ghostGap);
        line += std::string(", ") + text;
        progress.lines.push_back(text);
    }
    level.showProgress(progress);
    out_.line(line);
    if (history_) {
        stats::GameRecord game;
        game.figures = figures;
        game.playedAt = static_cast<std::int64_t>(std::time(nullptr));
        game.corridor = run.corridor;
        game.pace = run.pace;
        game.runSeconds = run.runSeconds;
        game.walk = run.walk;
        (void)history_->record(game);  // a failure has had its line
    }
}

void Statistics::endSession() {
    if (history_) {
        history_->writeKept();
    }
}

}  // namespace brindlemoor::app
