#include "stats/GameStatsText.h"

#include <cmath>
#include <cstdio>

namespace brindlemoor::stats {

std::string boardLine(const GameStats& game) {
    char text[64];
    std::snprintf(text, sizeof text, "%.0f wpm %d%%", game.wpm, static_cast<int>(std::floor(game.accuracy)));
    return text;
}

std::string gameStatsLine(const GameStats& game) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "Game stats: %.1f wpm, raw %.1f wpm, accuracy %.1f%%, letters %d, mistakes %d, words %d, "
                  "typing time %.1f s, boards bumped %d, score %d, level length %d",
                  game.wpm, game.rawWpm, game.accuracy, game.lettersTyped, game.lettersTyped - game.correctLetters,
                  game.wordsCompleted, game.typingSeconds, game.boardsBumped, game.score, game.levelLength);
    return text;
}

}  // namespace brindlemoor::stats
