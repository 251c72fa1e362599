// What the session knows of the player's earlier games: read from the history
// once when the session starts (or from the recording a replay plays), then
// grown by every game finished in the session. The pace starts from it and the
// final board's progress chart shows it, so a replay, which reads no history,
// shows the same as the game it plays again.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "stats/History.h"
#include "stats/TypingStats.h"

namespace brindlemoor::stats {

// Games on the final board's chart.
constexpr std::size_t kChartGames = 20;
// Letters the final board names as the weakest.
constexpr std::size_t kBoardWeakLetters = 3;

struct PastGames {
    std::vector<double> speeds;  // wpm of the latest kChartGames games, oldest first
    double bestSpeed = 0.0;
    std::vector<double> paces;   // end paces of the latest games, oldest first; 0 for the fixed pace
    LetterTable letters;         // sums over the recent games

    static PastGames from(const HistoryData& history);
    // A game finished in this session, `pace` 0 at the fixed pace.
    void add(const GameStats& game, double pace);

    // As text, one line each of the four fields (for a recording), and back;
    // false for a value that is not one.
    std::vector<std::pair<std::string, std::string>> asText() const;
    bool read(const std::string& field, const std::string& value);
};

// The letters that cost the most, weakest first, as capitals; only letters
// that were typed.
std::string weakestLetters(const LetterTable& letters, std::size_t count = kBoardWeakLetters);

}  // namespace brindlemoor::stats
