// The history file: every finished game, stored in SQLite so that a crash or
// a kill loses at most the game in play. Nothing here throws into the game: a
// file that cannot be used costs one line on standard output and that game's
// record, and a damaged file is moved aside (never deleted) for a fresh one.
// A file that is not the game's, or of a newer version, is left as it is.
// A game finished while another program holds the file is kept in a small
// file beside it and written at the next chance, exactly once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "io/Output.h"
#include "io/Result.h"
#include "stats/Sqlite.h"
#include "stats/TypingStats.h"

namespace brindlemoor::stats {

// Letters and mistyped words are summed over this many latest games, so that
// they follow the player's progress.
constexpr int kRecentGames = 50;
// A longer walk is not kept with its game.
constexpr std::size_t kMaxWalkBytes = 16 * 1024;

struct GameSummary {
    std::int64_t playedAt = 0;  // seconds since 1970, UTC
    int levelLength = 0;
    int score = 0;
    double wpm = 0.0;
    double accuracy = 0.0;
    double pace = 0.0;  // units a second at the end; 0: the pace was fixed
};

struct HistoryData {
    std::vector<GameSummary> games;           // oldest first
    LetterTable letters;                      // sums over the recent games
    std::vector<MistypedWord> mistypedWords;  // recent games, most mistakes first, at most ten
};

// A finished game as it is written.
struct GameRecord {
    GameStats figures;
    std::int64_t playedAt = 0;        // seconds since 1970, UTC
    std::string corridor;             // the key to play it again; "" when there is none
    double pace = 0.0;                // units a second at the end; 0: fixed
    double runSeconds = 0.0;          // game time from the start to the last word
    std::vector<unsigned char> walk;  // the run's walk, opaque here; empty: none
};

// The best run of a corridor: most points, then the fastest.
struct BestRun {
    std::int64_t playedAt = 0;
    int score = 0;
    double runSeconds = 0.0;
    std::vector<unsigned char> walk;
};

enum class Access {
    Write,  // the game's: creates, upgrades and writes the file
    Read,   // `--stats`: reads without changing the file or leaving files beside it
};

enum class Recorded {
    Written,  // in the history
    Kept,     // in the file beside it, written at the next chance
};

class History {
public:
    History(std::string path, io::Output& out, Access access = Access::Write);
    const std::string& path() const { return path_; }
    // Where games wait while the history is busy.
    std::string keptPath() const { return path_ + ".pending"; }

    // At the start of every game: opens the file (creating it), folds the
    // games written so far into it so that record() stays short, and writes
    // the games kept for later.
    void prepare();

    // Writes a finished game, with every game kept for later, in one
    // transaction, creating the file and its folder when missing; waits a
    // few seconds for a lock, then keeps the game for later. A failure has
    // had its line.
    io::Result<Recorded> record(const GameRecord& game);

    // At the end of a session: the games kept for later, if the file is free.
    void writeKept();

    // Everything the report and the adaptive choice need. Empty, and no file
    // created, when there is no history yet; a failure has had its line.
    io::Result<HistoryData> load(int recentGames = kRecentGames);

    // None for "", for a corridor never finished, or when the file cannot be read.
    std::optional<BestRun> bestRun(const std::string& corridor);

private:
    struct Trouble;
    // Runs `work` on the open file, opening it first. A damaged file is moved
    // aside (and, when `create`, a fresh one made).
    template <class Work>
    std::optional<Trouble> use(bool create, Work&& work);
    bool moveAside();
    template <class Write>
    void writeWithKept(sqlite::Database& db, Write&& write);
    bool attachKept(sqlite::Database& db);
    void detachKept(sqlite::Database& db);
    void clearKept(sqlite::Database& db);
    bool keep(const GameRecord& game, const std::string& id);

    std::string path_;
    io::Output& out_;
    Access access_;
    std::optional<sqlite::Database> db_;  // kept open between games
    int version_ = 0;                     // of the open file
};

}  // namespace brindlemoor::stats
