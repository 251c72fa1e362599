// The history file: every finished game, stored in SQLite so that a crash or
// a kill loses at most the game in play. Nothing here throws into the game: a
// file that cannot be used costs one line on standard output and that game's
// record, and a damaged file is moved aside (never deleted) for a fresh one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "io/Output.h"
#include "stats/Sqlite.h"
#include "stats/TypingStats.h"

namespace brindlemoor::stats {

// Letters and mistyped words are summed over this many latest games, so that
// they follow the player's progress.
constexpr int kRecentGames = 50;

struct GameSummary {
    std::int64_t playedAt = 0;  // seconds since 1970, UTC
    int levelLength = 0;
    int score = 0;
    double wpm = 0.0;
    double accuracy = 0.0;
    double pace = 0.0;  // units a second at the end; 0 at the fixed pace
};

struct HistoryData {
    std::vector<GameSummary> games;           // oldest first
    LetterTable letters;                      // sums over the recent games
    std::vector<MistypedWord> mistypedWords;  // recent games, most mistakes first, at most ten
};

class History {
public:
    History(std::string path, io::Output& out);
    const std::string& path() const { return path_; }

    // At the start of every game: opens the file (creating it) and folds the
    // games written so far into it, so that record() stays short.
    void prepare();

    // Writes a finished game in one transaction, creating the file and its
    // folder when missing. False (after one line) when it could not.
    bool record(const GameStats& game, std::int64_t playedAt);

    // Everything the report and the adaptive choice need. Empty, and no file
    // created, when there is no history yet; empty after one line when it
    // cannot be read.
    HistoryData load(int recentGames = kRecentGames);

private:
    // Runs `work` on the open file, opening it first. A damaged file is moved
    // aside (and, when `create`, a fresh one made); any other failure prints
    // `failure` with the reason, unless it is null.
    template <class Work>
    bool use(bool create, const char* failure, Work&& work);
    bool moveAside();

    std::string path_;
    io::Output& out_;
    std::optional<sqlite::Database> db_;  // kept open between games
};

}  // namespace brindlemoor::stats
