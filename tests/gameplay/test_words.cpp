#include <gtest/gtest.h>

#include <cstdlib>

#include "TestFiles.h"
#include "gameplay/WordState.h"

using namespace brindlemoor::gameplay;
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

TEST_F(Words, MissingFileFallsBackToTheBuiltInWordsEveryGame) {
    const std::string missing = dir.file("none.txt");
    const Lines message{"Cannot open specified wordlist file. Creating a simple one"};
    EXPECT_EQ(t::lines(t::captureStdout([&] { readWordList(missing); })), message);
    EXPECT_EQ(t::lines(t::captureStdout([&] { readWordList(missing); })), message);
    EXPECT_EQ(wordState.wordList, (Lines{"DOG", "CAT", "EEL", "BEE", "ANT", "DOG", "CAT", "EEL", "BEE", "ANT"}));
}

TEST_F(Words, FileWordsAreAppendedOnEveryRead) {
    t::writeFile(dir.file("w.txt"), "\xEF\xBB\xBF" "CAT\r\n\nDOG\ncow\n");
    readWordList(dir.file("w.txt"));
    readWordList(dir.file("w.txt"));
    EXPECT_EQ(wordState.wordList, (Lines{"CAT", "DOG", "cow", "CAT", "DOG", "cow"}));
}

TEST_F(Words, ChoiceNeverRepeatsAnEntryAndWrapsAtTheEnd) {
    EXPECT_EQ(t::captureStdout([] { EXPECT_EQ(chooseWord(), "DEFAULT"); }), "New word is: DEFAULT\n");
    wordState.wordList = {"ONE", "TWO", "THREE"};
    wordState.lastWordIndex = 0;
    seedForDraw(0);
    EXPECT_EQ(t::captureStdout([] { EXPECT_EQ(chooseWord(), "TWO"); }), "New word is: TWO\n");
    seedForDraw(2);
    EXPECT_EQ(chooseWord(), "THREE");
    seedForDraw(2);
    EXPECT_EQ(chooseWord(), "ONE");
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
