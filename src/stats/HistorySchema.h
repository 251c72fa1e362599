// The tables of the history file and the steps that bring a file of any
// earlier version up to date. The version is kept in PRAGMA user_version.
#pragma once

#include "stats/Sqlite.h"

namespace brindlemoor::stats {

// Version 1: one row per game. Version 2: per-letter figures, substitutions
// and mistyped words of each game.
constexpr int kHistoryVersion = 2;

int schemaVersion(sqlite::Database& db);

// Applies every step from the file's version up to `target`, each in its own
// transaction, so a failed step leaves the file at the version before it.
void upgradeSchema(sqlite::Database& db, int target = kHistoryVersion);

}  // namespace brindlemoor::stats
