// Word lists nobody should write but somebody will: a 10 MB line, NUL bytes
// and bytes that are not UTF-8 are words like any other, read whole and in
// order, and a word holding them cannot be completed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFiles.h"
#include "gameplay/WordState.h"

namespace {

using namespace std::string_literals;
using namespace brindlemoor;

TEST(DamagedWordList, LongLinesNulBytesAndBadUtf8AreReadWhole) {
    test::TempDir dir;
    const std::string huge(10'000'000, 'Q');
    test::writeFile(dir.file("words.txt"), huge + "\nDO\0G\n\n\xC3\x28\xFF\xFE\r\nCAT"s);
    gameplay::wordState = gameplay::WordState{};
    EXPECT_EQ(test::captureStdout([&] { gameplay::readWordList(dir.file("words.txt")); }), "");
    const std::vector<std::string>& words = gameplay::wordState.wordList;
    ASSERT_EQ(words.size(), 4u);
    EXPECT_TRUE(words[0] == huge);
    EXPECT_EQ(words[1], "DO\0G"s);
    EXPECT_EQ(words[2], "\xC3\x28\xFF\xFE");
    EXPECT_EQ(words[3], "CAT");

    test::captureStdout([&] { gameplay::setWord(words[1]); });
    std::string printed = test::captureStdout([] {
        for (char letter : {'D', 'O', 'G'}) {
            EXPECT_FALSE(gameplay::typeLetter(letter));
        }
    });
    EXPECT_EQ(printed, "");
    EXPECT_EQ(gameplay::wordState.typedCount, 0);
    gameplay::wordState = gameplay::WordState{};
}

}  // namespace
