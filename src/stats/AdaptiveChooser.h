// The adaptive word choice (`words=adaptive`): words holding the player's
// weakest letters come up more often, every other word can still come up,
// and the last word is not repeated. Used only in adaptive mode; the random
// mode keeps its own choice.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "stats/TypingStats.h"

namespace brindlemoor::stats {

// How sharply weak words are favoured: a word's chance grows with the fourth
// power of its letters' mean cost.
constexpr double kWeaknessExponent = 4.0;

class AdaptiveChooser {
public:
    // From the letters of the recent games (History::load); an empty history
    // gives every word the same chance.
    explicit AdaptiveChooser(const LetterTable& history);

    // The index of the next word in `words`, which must not be empty. Draws
    // once from std::rand(), so a seeded game is repeatable. Entries equal to
    // `lastWord` are passed over unless the list holds nothing else.
    std::size_t choose(const std::vector<std::string>& words, const std::string& lastWord) const;

    // The relative chance of a word (1 for an average word).
    double weight(const std::string& word) const;

private:
    std::array<double, kLetterCount> cost_{};
    double meanCost_ = 0.0;  // 0: no history
};

}  // namespace brindlemoor::stats
