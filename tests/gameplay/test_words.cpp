#include <gtest/gtest.h>

#include <cstdlib>

#include "TestFiles.h"
#include "gameplay/WordState.h"

using namespace brindlemoor::gameplay;
using namespace std::string_literals;
using Lines = std::vector<std::string>;
namespace t = brindlemoor::test;

class Words : public ::testing::Test {
protected:
    void SetUp() override { wordState = {}; }
    // Seeds rand() so that the next chooseWord draws entry `index` of the list.
    static void seedForDraw(std::size_t index) {
        for (unsigned seed = 1;; ++seed) {
            std::srand(seed);
            if (static_cast<unsigned>(std::rand()) % wordState.wordList.size() == index) {
                std::srand(seed);
                return;
            }
        }
    }
    t::TempDir dir;
};

TEST_F(Words, EachGameReadsAFreshListOfCapitalisedWordsOrTheBuiltInOne) {
    const Lines message{"Cannot open specified wordlist file. Creating a simple one"};
    for (int game = 0; game < 2; ++game) {
        EXPECT_EQ(t::lines(t::captureStdout([&] { readWordList(dir.file("none.txt")); })), message);
    }
    EXPECT_EQ(wordState.wordList, (Lines{"DOG", "CAT", "EEL", "BEE", "ANT"}));
    t::writeFile(dir.file("w.txt"), "\xEF\xBB\xBF" "CAT\r\n\nDOG\ncow\n");
    for (int game = 0; game < 2; ++game) {
        EXPECT_EQ(t::captureStdout([&] { readWordList(dir.file("w.txt")); }), "");
    }
    EXPECT_EQ(wordState.wordList, (Lines{"CAT", "DOG", "COW"}));
}

TEST_F(Words, LinesThatCannotBeTypedAreLeftOutAndSaidSo) {
    t::writeFile(dir.file("w.txt"), "dog\nit's\n\nR2D2\nCAFÉ\nTWO WORDS\nx\0y\nend\nONE-TWO\n"s);
    EXPECT_EQ(t::captureStdout([&] { readWordList(dir.file("w.txt")); }),
              "Word list " + dir.file("w.txt") +
                  ": left out 6 lines that are not words of the letters A to Z (lines 2, 4, 5, 6, 7, ...)\n");
    EXPECT_EQ(wordState.wordList, (Lines{"DOG", "END"}));
    t::writeFile(dir.file("none.txt"), "42\n");
    EXPECT_EQ(t::lines(t::captureStdout([&] { readWordList(dir.file("none.txt")); })).back(),
              "Cannot open specified wordlist file. Creating a simple one");
    EXPECT_EQ(wordState.wordList.size(), 5u);
    t::writeFile(dir.file("empty.txt"), "\n\n");
    readWordList(dir.file("empty.txt"));
    EXPECT_EQ(t::captureStdout([] { EXPECT_EQ(chooseWord(), "DEFAULT"); }), "New word is: DEFAULT\n");
}

TEST_F(Words, TheSameWordNeverComesTwiceInARowAcrossGames) {
    t::writeFile(dir.file("w.txt"), "ONE\nTWO\n");
    std::srand(7);
    std::string previous;
    for (int pick = 0; pick < 1000; ++pick) {
        if (pick % 10 == 0) {
            readWordList(dir.file("w.txt"));  // a new game
        }
        const std::string word = t::captureStdout([] { chooseWord(); });
        ASSERT_NE(word, previous) << "pick " << pick;
        previous = word;
    }
    // Drawing the entry of the word shown last steps on to the next; past the end to the first.
    wordState.wordList = {"ONE", "TWO", "THREE"};
    wordState.lastWord = "THREE";
    seedForDraw(2);
    EXPECT_EQ(t::captureStdout([] { EXPECT_EQ(chooseWord(), "ONE"); }), "New word is: ONE\n");
    wordState.wordList = {"SOLO"};
    EXPECT_EQ(chooseWord(), "SOLO");
    EXPECT_EQ(chooseWord(), "SOLO");
}

TEST_F(Words, PressedLettersAreTypedInTheOrderPressed) {
    for (char c : std::string("CA#TX")) {
        pressLetter(c);  // anything but A to Z is not a letter
    }
    std::string polled;
    for (char c = pollLetter(); c != '#'; c = pollLetter()) {
        polled += c;
    }
    EXPECT_EQ(polled, "CATX");
}

TEST_F(Words, AWrongLetterStartsTheWordOver) {
    auto type = [](const std::string& word, const std::string& letters) {
        setWord(word);
        std::string results;
        for (char c : letters) results += typeLetter(c) ? '1' : '0';
        return results;
    };
    EXPECT_EQ(t::captureStdout([&] { EXPECT_EQ(type("CAT", "CATC"), "0010"); }),
              "New word is: CAT\nWord 'CAT' complete!\n");
    EXPECT_EQ(wordState.typedCount, 0);  // past a completion nothing matches
    EXPECT_EQ(type("CAT", "CXAT"), "0000");
    EXPECT_EQ(type("CAT", "CCAT"), "0000");
}
