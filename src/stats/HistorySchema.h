// The tables of the history file and the steps that bring a file of any
// earlier version up to date. The version is kept in PRAGMA user_version, and
// PRAGMA application_id marks the file as the game's.
#pragma once

#include <cstdint>

#include "stats/Sqlite.h"

namespace brindlemoor::stats {

// Version 1: one row per game. Version 2: per-letter figures, substitutions
// and mistyped words of each game. Version 3: the file marked as the game's,
// an id for every game so that none is written twice, and the corridor, the
// pace, the run's time and its walk.
constexpr int kHistoryVersion = 3;
constexpr std::int64_t kApplicationId = 0x42724D72;  // "BrMr"

int schemaVersion(sqlite::Database& db);

// What a file is, read without changing anything in it.
enum class FileKind {
    History,       // the game's, of this version or an earlier one, or empty
    OtherProgram,  // another program's database
    Newer,         // the game's, of a later version than this one knows
};
FileKind fileKind(sqlite::Database& db);

// Applies every step from the file's version up to `target`, each in its own
// transaction, so a failed step leaves the file at the version before it.
void upgradeSchema(sqlite::Database& db, int target = kHistoryVersion);

}  // namespace brindlemoor::stats
