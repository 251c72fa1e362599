// The statistics of the game in play and the session's history file: the
// frame loop tells it what happened, it keeps the figures, shows them on the
// final board, prints them and writes the game to the history.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "io/Output.h"
#include "stats/History.h"
#include "stats/PastGames.h"
#include "stats/TypingStats.h"

namespace brindlemoor::level {
class Level;
}

namespace brindlemoor::app {

// What a finished game adds to its typing figures: the pace it ended at, the
// run on its corridor, and the race with the ghost.
struct RunRecord {
    double pace = 0.0;               // units a second at the end; 0 at the fixed pace
    std::string corridor;            // the corridor's key; empty when it cannot be played again
    double runSeconds = 0.0;         // game time from the start to the last word
    std::vector<unsigned char> walk;
    std::optional<double> ghostGap;  // seconds behind (+) or ahead (-) of the ghost
};

class Statistics {
public:
    explicit Statistics(io::Output& out) : out_(out) {}

    // The history file the `history` setting names (none for "off").
    void openHistory(const std::string& historySetting);
    // `--stats`: prints the history report; the exit status.
    int printReport();
    // The player's earlier games, as the history has them (a replay takes
    // them from its recording instead); the session's games are added.
    void readPast();
    stats::PastGames& past() { return past_; }
    stats::History* history() { return history_.get(); }

    // At every new game, before its first word is chosen: fresh figures, the
    // history file made ready, and in adaptive mode the word game's chooser
    // set to the player's weak letters (the random choice otherwise).
    void startGame(bool adaptiveWords);
    // What the word game did; times are seconds on the game clock.
    void wordShown(const std::string& word) { game_.wordShown(word); }
    void letterTyped(double time, bool timed, char expected, char typed) {
        game_.letterTyped(time, expected, typed, timed);
    }
    void wordCompleted(double time) { game_.wordCompleted(time); }
    void boardBumped() { game_.boardBumped(); }
    void pauseChanged(double time, bool paused) { paused ? game_.paused(time) : game_.resumed(time); }
    // The last word is typed: the figures under the score and the progress
    // above it on the final board, the "Game stats: " line (with the pace and
    // the race when there are), and the game written to the history (once).
    void finishGame(level::Level& level, const RunRecord& run = {});
    // The session ends: games kept while the history was busy are written now
    // if they can be (else at the next start).
    void endSession();

private:
    io::Output& out_;
    std::unique_ptr<stats::History> history_;  // none with history=off
    stats::TypingStats game_;
    stats::PastGames past_;
    bool finished_ = false;  // the game in play has been written
};

}  // namespace brindlemoor::app
