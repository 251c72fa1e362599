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
    // 3: the mark, each game's id (none for the games before), the corridor
    // ('' when it cannot be played again), the pace at the end (0: fixed),
    // the time from the start to the last word and the walk of the run
    "ALTER TABLE games ADD COLUMN uid TEXT;"
    "ALTER TABLE games ADD COLUMN corridor TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE games ADD COLUMN pace REAL NOT NULL DEFAULT 0;"
    "ALTER TABLE games ADD COLUMN run_seconds REAL NOT NULL DEFAULT 0;"
    "CREATE UNIQUE INDEX games_by_uid ON games(uid);"
    "CREATE INDEX games_by_corridor ON games(corridor, score DESC, run_seconds) WHERE corridor <> '';"
    "CREATE TABLE walks ("
    "  game_id INTEGER PRIMARY KEY REFERENCES games(id) ON DELETE CASCADE,"
    "  walk BLOB NOT NULL);"
    "PRAGMA application_id = 1114787186;"  // kApplicationId
    "PRAGMA user_version = 3;",
};
static_assert(sizeof kSteps / sizeof kSteps[0] == kHistoryVersion, "one step per version");

// The tables a file of the versions before the mark holds.
constexpr const char* kTablesOf[] = {
    "SELECT count(*) = 0 FROM sqlite_schema",
    "SELECT count(*) = 1 FROM sqlite_schema WHERE type = 'table' AND name = 'games'",
    "SELECT count(*) = 4 FROM sqlite_schema WHERE type = 'table' AND"
    " name IN ('games', 'letters', 'substitutions', 'mistyped_words')",
};

}  // namespace

int schemaVersion(sqlite::Database& db) { return static_cast<int>(db.integer("PRAGMA user_version")); }

FileKind fileKind(sqlite::Database& db) {
    const std::int64_t id = db.integer("PRAGMA application_id");
    const int version = schemaVersion(db);
    if (id == kApplicationId) {
        return version > kHistoryVersion ? FileKind::Newer : FileKind::History;
    }
    // Files of the first versions carry no mark: theirs are the tables.
    constexpr int unmarked = sizeof kTablesOf / sizeof kTablesOf[0];
    if (id == 0 && version >= 0 && version < unmarked && db.integer(kTablesOf[version]) != 0) {
        return FileKind::History;
    }
    return FileKind::OtherProgram;
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
