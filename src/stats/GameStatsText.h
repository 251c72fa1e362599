// The two texts of a finished game's statistics: the chalk line under the
// score on the final board, and the line printed on standard output.
#pragma once

#include <string>

#include "stats/TypingStats.h"

namespace brindlemoor::stats {

// "62 wpm 97%": speed rounded, accuracy rounded down so that 100% means no
// mistake at all. Only characters the chalk atlas has.
std::string boardLine(const GameStats& game);

// "Game stats: " followed by the figures, one line without its line feed.
std::string gameStatsLine(const GameStats& game);

}  // namespace brindlemoor::stats
