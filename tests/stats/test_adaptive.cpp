#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "stats/AdaptiveChooser.h"

using namespace brindlemoor::stats;

namespace {

const std::vector<std::string> kWords{"QUIT", "SAND", "TORN", "LIME", "BOWL", "CART", "DUSK", "FERN"};
constexpr int kDraws = 8000;

// Words drawn in a row, checking that none follows itself.
std::vector<std::string> draw(const AdaptiveChooser& chooser) {
    std::vector<std::string> words;
    std::string last;
    for (int i = 0; i < kDraws; ++i) {
        words.push_back(kWords.at(chooser.choose(kWords, last)));
        EXPECT_NE(words.back(), last);
        last = words.back();
    }
    return words;
}

std::map<std::string, int> countEach(const std::vector<std::string>& words) {
    std::map<std::string, int> counts;
    for (const std::string& word : words) {
        counts[word] += 1;
    }
    return counts;
}

}  // namespace

TEST(AdaptiveChoice, FavoursTheWeakLetterWhileEveryWordComesUp) {
    LetterTable history;
    for (LetterStats& letter : history) {
        letter.expected = 40;
        letter.timedCount = 30;
        letter.timeSum = 6.0;
    }
    history['Q' - 'A'].mistyped = 20;
    std::srand(7);
    const auto counts = countEach(draw(AdaptiveChooser(history)));
    const int fairShare = kDraws / static_cast<int>(kWords.size());
    EXPECT_GT(counts.at("QUIT"), 2 * fairShare);
    for (const std::string& word : kWords) {
        EXPECT_GT(counts.count(word) ? counts.at(word) : 0, fairShare / 4) << word;
    }

    // No history: every word as likely as the others.
    for (const auto& [word, count] : countEach(draw(AdaptiveChooser(LetterTable{})))) {
        EXPECT_NEAR(count, fairShare, fairShare / 5) << word;
    }

    // Seeded the same, the same words come.
    std::srand(11);
    const auto first = draw(AdaptiveChooser(history));
    std::srand(11);
    EXPECT_EQ(draw(AdaptiveChooser(history)), first);
}
