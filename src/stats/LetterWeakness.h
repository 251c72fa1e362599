// How weak each letter is, from the player's history: its mean time after a
// correct letter plus a penalty for each mistake, in seconds. The adaptive
// word choice aims at the weakest letters and the report lists them.
#pragma once

#include <array>

#include "stats/TypingStats.h"

namespace brindlemoor::stats {

// Seconds a mistake costs: it restarts the word, and the retyping takes
// about a second.
constexpr double kMistakePenalty = 1.0;
// A letter met only a few times is pulled toward the player's average, as
// if it had been typed this many more times at the average.
constexpr double kPriorLetters = 5.0;

// Mean time + kMistakePenalty x error rate, each smoothed toward the average
// over all letters. All zero when the history holds no letter.
std::array<double, kLetterCount> letterCosts(const LetterTable& letters);

}  // namespace brindlemoor::stats
