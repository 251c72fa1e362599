// The typing figures of a game, and the adaptive choice of words that leans on
// the weak letters of past games.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "stats/AdaptiveChooser.h"
#include "stats/GameStatsText.h"
#include "stats/TypingStats.h"

using namespace brindlemoor::stats;

TEST(TypingStats, ScriptedGameGivesTheHandComputedFigures) {
    TypingStats stats;
    stats.wordShown("CAT");
    stats.letterTyped(10.0, 'C', 'C');
    stats.letterTyped(10.3, 'A', 'S');  // a mistake: the word starts over
    stats.letterTyped(10.8, 'C', 'C');  // after a mistake: not timed
    stats.letterTyped(11.0, 'A', 'A');  // A timed 0.2 s
    stats.paused(11.1);
    stats.resumed(13.1);
    stats.letterTyped(13.4, 'T', 'T');  // T timed 0.4 s: the pause is left out
    stats.wordCompleted(13.4);          // 3.4 s less the pause: 1.4 s
    stats.boardBumped();
    stats.paused(15.0);                 // between words: changes nothing
    stats.resumed(19.0);
    stats.wordShown("DOG");
    stats.letterTyped(20.0, 'D', 'D');
    stats.letterTyped(20.25, 'O', 'O');
    stats.letterTyped(20.5, 'G', 'G');
    stats.wordCompleted(20.5);          // 0.5 s
    stats.wordShown("EEL");             // left after two letters: counts 0.5 s
    stats.letterTyped(30.0, 'E', 'E');
    stats.letterTyped(30.5, 'E', 'E');

    // 2.4 s of typing; 6 letters of completed words, 10 typed, 9 correct.
    const GameStats game = stats.finish(2, 5);
    EXPECT_EQ(boardLine(game), "30 wpm 90%");
    EXPECT_EQ(gameStatsLine(game),
              "Game stats: 30.0 wpm, raw 50.0 wpm, accuracy 90.0%, letters 10, mistakes 1, words 2, "
              "typing time 2.4 s, boards bumped 1, score 2, level length 5");
    struct Row {
        char letter;
        int expected, mistyped, timed;
        double meanTime;
    };
    for (const Row& row : {Row{'A', 2, 1, 1, 0.2}, Row{'C', 2, 0, 0, 0.0}, Row{'T', 1, 0, 1, 0.4},
                           Row{'D', 1, 0, 0, 0.0}, Row{'O', 1, 0, 1, 0.25}, Row{'E', 2, 0, 1, 0.5}}) {
        const LetterStats& letter = game.letters[row.letter - 'A'];
        EXPECT_EQ(letter.expected, row.expected) << row.letter;
        EXPECT_EQ(letter.mistyped, row.mistyped) << row.letter;
        EXPECT_EQ(letter.timedCount, row.timed) << row.letter;
        EXPECT_NEAR(letter.meanTime(), row.meanTime, 1e-9) << row.letter;
    }
    EXPECT_EQ(game.letters['A' - 'A'].typedInstead['S' - 'A'], 1);
    ASSERT_EQ(game.mistypedWords.size(), 1u);
    EXPECT_EQ(game.mistypedWords[0].word, "CAT");
    EXPECT_EQ(game.mistypedWords[0].mistakes, 1);
}

TEST(TypingStats, BoardLineShowsOneHundredPerCentOnlyWithoutMistakes) {
    GameStats game;
    for (const auto& [wpm, accuracy, line] : {std::tuple{61.6, 99.95, "62 wpm 99%"}, std::tuple{0.0, 100.0, "0 wpm 100%"}}) {
        game.wpm = wpm;
        game.accuracy = accuracy;
        EXPECT_EQ(boardLine(game), line);
    }
}

TEST(TypingStats, AWordWithALetterOfUnknownTimeCountsForAccuracyNotSpeed) {
    TypingStats stats;
    stats.wordShown("DOG");
    stats.letterTyped(1.0, 'D', 'D');
    stats.letterTyped(1.5, 'O', 'O');
    stats.letterTyped(2.0, 'G', 'G');
    stats.wordCompleted(2.0);  // 1 s for three letters
    stats.wordShown("CAT");    // typed during a stall: taken at once, times unknown
    stats.letterTyped(9.0, 'C', 'C', false);
    stats.letterTyped(9.000001, 'A', 'X', false);
    stats.letterTyped(9.000002, 'C', 'C', false);
    stats.letterTyped(9.000003, 'A', 'A', false);
    stats.letterTyped(9.000004, 'T', 'T', false);
    stats.wordCompleted(9.000004);
    const GameStats game = stats.finish(2, 2);
    EXPECT_EQ(gameStatsLine(game), "Game stats: 36.0 wpm, raw 36.0 wpm, accuracy 87.5%, letters 8, mistakes 1, "
                                   "words 2, typing time 1.0 s, boards bumped 0, score 2, level length 2");
    EXPECT_EQ(game.letters['A' - 'A'].timedCount, 0);
    EXPECT_EQ(game.letters['A' - 'A'].mistyped, 1);
}

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
