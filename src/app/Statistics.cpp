#include "app/Statistics.h"

#include <ctime>
#include <iostream>
#include <memory>

#include "app/Config.h"
#include "app/GameState.h"
#include "gameplay/WordState.h"
#include "level/Level.h"
#include "io/UserDirs.h"
#include "stats/AdaptiveChooser.h"
#include "stats/GameStatsText.h"
#include "stats/History.h"
#include "stats/StatsReport.h"
#include "stats/StatsSettings.h"
#include "stats/TypingStats.h"

namespace brindlemoor::app {

namespace {

struct SessionStatistics {
    std::unique_ptr<stats::History> history;  // none with history=off
    stats::TypingStats game;
    bool finished = false;  // the game in play has been written
};

SessionStatistics& session() {
    static SessionStatistics statistics;
    return statistics;
}

}  // namespace

void openHistory() {
    const auto file = stats::historyFile(addedSettings().history, io::dataHome());
    session().history = file ? std::make_unique<stats::History>(*file) : nullptr;
}

int printHistoryReport() {
    openHistory();
    if (!session().history) {
        std::cout << "No history: it is turned off (history=off)" << std::endl;
        return 0;
    }
    stats::printStatsReport(std::cout, *session().history);
    return 0;
}

void startGameStatistics() {
    SessionStatistics& s = session();
    s.game = stats::TypingStats();
    s.finished = false;
    if (s.history) {
        s.history->prepare();
    }
    if (!addedSettings().adaptiveWords) {
        gameplay::setWordChooser(nullptr);  // the random choice, draw for draw as ever
        return;
    }
    const stats::AdaptiveChooser chooser(s.history ? s.history->load().letters : stats::LetterTable{});
    gameplay::setWordChooser([chooser](const std::vector<std::string>& words, const std::string& last) {
        return chooser.choose(words, last);
    });
}

void wordShown(const std::string& word) { session().game.wordShown(word); }

void letterTyped(double time, char expected, char typed, bool completesWord) {
    session().game.letterTyped(time, expected, typed);
    if (completesWord) {
        session().game.wordCompleted(time);
    }
}

void boardBumped() { session().game.boardBumped(); }

void pauseChanged(double time, bool paused) {
    paused ? session().game.paused(time) : session().game.resumed(time);
}

void finishGameStatistics() {
    SessionStatistics& s = session();
    GameState& game = gameState;
    if (s.finished || !game.level) {
        return;
    }
    s.finished = true;
    const stats::GameStats figures = s.game.finish(game.level->score, game.level->blockCount);
    game.level->showStatistics(stats::boardLine(figures));
    std::cout << stats::gameStatsLine(figures) << std::endl;
    if (s.history) {
        s.history->record(figures, static_cast<std::int64_t>(std::time(nullptr)));
    }
}

}  // namespace brindlemoor::app
