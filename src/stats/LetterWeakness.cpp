#include "stats/LetterWeakness.h"

namespace brindlemoor::stats {

std::array<double, kLetterCount> letterCosts(const LetterTable& letters) {
    double expected = 0.0;
    double mistyped = 0.0;
    double timed = 0.0;
    double timeSum = 0.0;
    for (const LetterStats& letter : letters) {
        expected += letter.expected;
        mistyped += letter.mistyped;
        timed += letter.timedCount;
        timeSum += letter.timeSum;
    }
    std::array<double, kLetterCount> costs{};
    if (expected == 0.0) {
        return costs;
    }
    const double meanTime = timed > 0.0 ? timeSum / timed : 0.0;
    const double errorRate = mistyped / expected;
    for (int i = 0; i < kLetterCount; ++i) {
        const LetterStats& letter = letters[i];
        const double time = (letter.timeSum + kPriorLetters * meanTime) / (letter.timedCount + kPriorLetters);
        const double errors = (letter.mistyped + kPriorLetters * errorRate) / (letter.expected + kPriorLetters);
        costs[i] = time + kMistakePenalty * errors;
    }
    return costs;
}

}  // namespace brindlemoor::stats
