// The word game: word lists read afresh each game, the built-in list, the
// choice that never repeats the last word, and a wrong letter starting over.
#include <gtest/gtest.h>

#include <cstdlib>

#include "TestFiles.h"
#include "TestOutput.h"
#include "gameplay/WordState.h"

namespace {

using namespace brindlemoor::gameplay;
using namespace std::string_literals;
using Lines = std::vector<std::string>;
namespace t = brindlemoor::test;

class Words : public ::testing::Test {
protected:
    void SetUp() override { wordState = {}; }
    std::string read(const std::string& name) {
        readWordList(dir.file(name), brindlemoor::io::DataFolder(), out);
        return out.take();
    }
    std::string choose() {
        chooseWord(out);
        return out.take();
    }
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
    t::CapturedOutput out;
};

TEST_F(Words, EachGameReadsAFreshListOfTheLinesThatAreWordsInCapitalsOrTheBuiltInOne) {
    for (int game = 0; game < 2; ++game) {
        EXPECT_EQ(read("none.txt"), "Cannot open specified wordlist file. Creating a simple one\n");
    }
    EXPECT_EQ(wordState.wordList, (Lines{"DOG", "CAT", "EEL", "BEE", "ANT"}));
    t::writeFile(dir.file("w.txt"), "CAT\n\nDOG\ncow\n");
    for (int game = 0; game < 2; ++game) {
        EXPECT_EQ(read("w.txt"), "");
    }
    EXPECT_EQ(wordState.wordList, (Lines{"CAT", "DOG", "COW"}));
    // Lines that cannot be typed are left out and said so.
    t::writeFile(dir.file("w.txt"), "dog\nit's\n\nR2D2\nCAFÉ\nTWO WORDS\nx\0y\nend\nONE-TWO\n"s);
    EXPECT_EQ(read("w.txt"), "Word list " + dir.file("w.txt") +
                                 ": left out 6 lines that are not words of the letters A to Z (lines 2, 4, 5, 6, 7, ...)\n");
    EXPECT_EQ(wordState.wordList, (Lines{"DOG", "END"}));
    t::writeFile(dir.file("digits.txt"), "42\n");
    EXPECT_EQ(t::lines(read("digits.txt")).back(), "Cannot open specified wordlist file. Creating a simple one");
    EXPECT_EQ(wordState.wordList.size(), 5u);
    t::writeFile(dir.file("empty.txt"), "\n\n");
    read("empty.txt");
    EXPECT_EQ(choose(), "New word is: DEFAULT\n");
}

TEST_F(Words, TheSameWordNeverComesTwiceInARowAndAWrongLetterStartsItOver) {
    t::writeFile(dir.file("w.txt"), "ONE\nTWO\n");
    std::srand(7);
    std::string previous;
    for (int pick = 0; pick < 1000; ++pick) {
        if (pick % 10 == 0) {
            read("w.txt");  // a new game
        }
        const std::string word = choose();
        ASSERT_NE(word, previous) << "pick " << pick;
        previous = word;
    }
    // Drawing the entry of the word shown last steps on to the next; past the end to the first.
    wordState.wordList = {"ONE", "TWO", "THREE"};
    wordState.lastWord = "THREE";
    seedForDraw(2);
    EXPECT_EQ(choose(), "New word is: ONE\n");
    wordState.wordList = {"SOLO"};
    EXPECT_EQ(choose() + choose(), "New word is: SOLO\nNew word is: SOLO\n");

    // A wrong letter starts the word over.
    auto type = [this](const std::string& word, const std::string& letters) {
        setWord(word, out);
        std::string results;
        for (char c : letters) results += typeLetter(c, out) ? '1' : '0';
        return results;
    };
    EXPECT_EQ(type("CAT", "CATC"), "0010");
    EXPECT_EQ(out.take(), "New word is: CAT\nWord 'CAT' complete!\n");
    EXPECT_EQ(wordState.typedCount, 0);  // past a completion nothing matches
    EXPECT_EQ(type("CAT", "CXAT"), "0000");
    EXPECT_EQ(type("CAT", "CCAT"), "0000");
}

}  // namespace
