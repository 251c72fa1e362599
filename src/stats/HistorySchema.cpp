#include "stats/HistorySchema.h"

#include <algorithm>

namespace brindlemoor::stats {

namespace {

// Step n brings a file from version n - 1 to version n; each ends by setting
// its version number (a constant here, since pragmas take no parameters).
const char* const kSteps[] = {
    // 1: the games
    "CREATE TABLE games ("
    "  id INTEGER PRIMARY KEY,"
    "  played_at INTEGER NOT NULL,"  // seconds since 1970, UTC
    "  level_length INTEGER NOT NULL,"
    "  score INTEGER NOT NULL,"
    "  wpm REAL NOT NULL,"
    "  raw_wpm REAL NOT NULL,"
    "  accuracy REAL NOT NULL,"
    "  typing_seconds REAL NOT NULL,"
    "  boards_bumped INTEGER NOT NULL);"
    "PRAGMA user_version = 1;",
    // 2: what went wrong and how fast, letter by letter
    "CREATE TABLE letters ("
    "  game_id INTEGER NOT NULL REFERENCES games(id) ON DELETE CASCADE,"
    "  letter TEXT NOT NULL,"
    "  expected INTEGER NOT NULL,"
    "  mistyped INTEGER NOT NULL,"
    "  timed_count INTEGER NOT NULL,"
    "  time_sum REAL NOT NULL,"
    "  PRIMARY KEY (game_id, letter)) WITHOUT ROWID;"
    "CREATE TABLE substitutions ("
    "  game_id INTEGER NOT NULL REFERENCES games(id) ON DELETE CASCADE,"
    "  expected TEXT NOT NULL,"
    "  typed TEXT NOT NULL,"
    "  count INTEGER NOT NULL,"
    "  PRIMARY KEY (game_id, expected, typed)) WITHOUT ROWID;"
    "CREATE TABLE mistyped_words ("
    "  game_id INTEGER NOT NULL REFERENCES games(id) ON DELETE CASCADE,"
    "  word TEXT NOT NULL,"
    "  mistakes INTEGER NOT NULL,"
    "  PRIMARY KEY (game_id, word)) WITHOUT ROWID;"
    "PRAGMA user_version = 2;",
};
static_assert(sizeof kSteps / sizeof kSteps[0] == kHistoryVersion, "one step per version");

}  // namespace

int schemaVersion(sqlite::Database& db) {
    sqlite::Statement version(db, "PRAGMA user_version");
    return version.step() ? static_cast<int>(version.integer(0)) : 0;
}

void upgradeSchema(sqlite::Database& db, int target) {
    target = std::min(target, kHistoryVersion);
    if (schemaVersion(db) >= target) {
        return;  // the usual case: no write lock taken
    }
    for (;;) {
        sqlite::Transaction step(db);
        // Read again under the lock: another game may have upgraded meanwhile.
        const int version = schemaVersion(db);
        if (version < 0 || version >= target) {
            return;
        }
        db.exec(kSteps[version]);
        step.commit();
    }
}

}  // namespace brindlemoor::stats
