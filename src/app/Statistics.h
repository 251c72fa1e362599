// The statistics of the game in play and the history of the session: the
// frame loop and the set-up tell it what happens, it keeps the figures, shows
// them on the final board, prints them and writes them to the history file.
#pragma once

#include <string>

namespace brindlemoor::app {

// At start-up: the history file the `history` setting names (none for "off").
void openHistory();
// `--stats`: prints the history report; the exit status.
int printHistoryReport();

// At every new game, before its first word is chosen: fresh figures, the
// history file made ready, and in adaptive mode the next words chosen by the
// player's weak letters.
void startGameStatistics();
// What the word game did; times are seconds on the game clock.
void wordShown(const std::string& word);
void letterTyped(double time, char expected, char typed, bool completesWord);
void boardBumped();
void pauseChanged(double time, bool paused);
// The last word is typed: the figures under the score on the final board, the
// "Game stats: " line, and the game written to the history.
void finishGameStatistics();

}  // namespace brindlemoor::app
