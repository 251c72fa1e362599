#include "app/Statistics.h"

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

void Statistics::finishGame(level::Level& level) {
    if (finished_) {
        return;
    }
    finished_ = true;
    const stats::GameStats figures = game_.finish(level.score, level.blockCount);
    level.showStatistics(stats::boardLine(figures));
    out_.line(stats::gameStatsLine(figures));
    if (history_) {
        stats::GameRecord game;
        game.figures = figures;
        game.playedAt = static_cast<std::int64_t>(std::time(nullptr));
        (void)history_->record(game);  // a failure has had its line
    }
}

void Statistics::endSession() {
    if (history_) {
        history_->writeKept();
    }
}

}  // namespace brindlemoor::app
