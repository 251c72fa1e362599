// The `--stats` report: the player's history as text, without a window.
#pragma once

#include <ostream>

#include "stats/History.h"

namespace brindlemoor::stats {

constexpr int kReportGames = 10;   // rows of the games table
constexpr int kTrendGames = 20;    // games the trend is fitted over
constexpr int kReportLetters = 10;

// The last games, best and median speed, the trend, the weakest letters with
// their substitutes as a bar chart and the most often mistyped words; one
// line when there is no history yet (no file is created for it), or when it
// cannot be read.
void printStatsReport(std::ostream& out, History& history);

}  // namespace brindlemoor::stats
