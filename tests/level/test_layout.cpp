// The corridor's layout: codes read from a level file as they are written,
// or drawn at random by the rules that keep a corridor sound.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "TestFiles.h"
#include "TestOutput.h"
#include "level/LevelFile.h"
#include "level/RandomLayout.h"

using brindlemoor::level::generateLayoutCodes;
using namespace std::string_literals;
using Codes = std::vector<std::string>;
namespace t = brindlemoor::test;

namespace {
bool isSpecial(const std::string& code) { return code == "<" || code == ">" || code == "-"; }
}  // namespace

TEST(RandomLayout, LengthGivesTheNumberOfCodesAndDraws) {
    int draws = 0;
    auto counted = [&] { ++draws; return 0; };
    EXPECT_EQ(generateLayoutCodes(1, counted), (Codes{"DD", "PP"}));
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(generateLayoutCodes(0, counted), (Codes{"DD", "DP", "PP"}));
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(generateLayoutCodes(2, counted).size(), 3u);
    EXPECT_EQ(generateLayoutCodes(99, counted).size(), 100u);
}

TEST(RandomLayout, ScriptedDrawsFollowTheTurnAndSpecialRules) {
    // Refused specials become "PP" and allow the next one; 20..24 leave the flag alone.
    const std::vector<int> draws{15, 15, 22, 19, 19, 3, 16, 0, 17, 18, 14, 18, 9, 18, 6, 18, 12, 18, 44};
    std::size_t next = 0;
    EXPECT_EQ(generateLayoutCodes(static_cast<int>(draws.size()) + 1, [&] { return draws.at(next++); }),
              (Codes{"DD", "PP", "<", "PP", "PP", "-", "PD", "<", "DP", "PP", ">", "PP", ">", "PW", ">",
                     "WP", ">", "PP", "PP", "-", "PP"}));
}

TEST(RandomLayout, EverySeedKeepsTheCorridorSound) {
    const std::set<std::string> known{"DD", "DP", "PD", "WP", "PW", "PP", "<", ">", "-"};
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::srand(seed);
        for (int length : {0, 2, 99}) {
            Codes codes = generateLayoutCodes(length, [] { return std::rand(); });
            ASSERT_EQ(codes.front(), "DD");
            ASSERT_EQ(codes.back(), "PP");
            ASSERT_FALSE(isSpecial(codes[1])) << "seed " << seed;
            int balance = 0;
            for (std::size_t i = 0; i < codes.size(); ++i) {
                ASSERT_TRUE(known.count(codes[i])) << codes[i];
                balance += codes[i] == "<" ? -1 : codes[i] == ">" ? 1 : 0;
                ASSERT_LE(std::abs(balance), 2) << "seed " << seed;
                ASSERT_FALSE(i > 0 && isSpecial(codes[i]) && isSpecial(codes[i - 1])) << "seed " << seed;
            }
        }
    }
}

TEST(RandomLayout, PrintsTheCodesOnOneLine) {
    brindlemoor::test::CapturedOutput out;
    brindlemoor::level::printRandomLayout({"DD", "<", "PP"}, out);
    EXPECT_EQ(out.take(), "Printing rand level:\nDD - < - PP - Finished generating level!\n");
}

class LevelFile : public ::testing::Test {
protected:
    Codes read(const std::string& content, int length) {
        t::writeFile(dir.file("level.txt"), content);
        Codes codes{"stale"};
        EXPECT_TRUE(brindlemoor::level::readLevelCodes(dir.file("level.txt"), length, codes));
        return codes;
    }
    t::TempDir dir;
};

TEST_F(LevelFile, LengthLimitsTheCodesAndZeroMeans99) {
    std::string twenty, many;
    for (int i = 0; i < 20; ++i) twenty += "C" + std::to_string(i) + "\n";
    for (int i = 0; i < 120; ++i) many += "PP\n";
    EXPECT_EQ(read(twenty, 5), (Codes{"C0", "C1", "C2", "C3", "C4"}));
    EXPECT_EQ(read(many, 0).size(), 99u);
}

TEST_F(LevelFile, CodesAreKeptAsWrittenAndEmptyLinesSkipped) {
    EXPECT_EQ(read("DP\n\n\nPD \n<\n\n +\n", 3), (Codes{"DP", "PD ", "<"}));
    EXPECT_EQ(read("\xEF\xBB\xBF" "DD\r\n\r\n>\r\nd\0w\r\nPP"s, 0), (Codes{"DD", ">", "d\0w"s, "PP"}));
    EXPECT_EQ(read(std::string(10'000'000, 'W') + "\nPP\n", 0).at(1), "PP");
}

TEST_F(LevelFile, UnreadableFileGivesFalse) {
    Codes codes;
    EXPECT_FALSE(brindlemoor::level::readLevelCodes(dir.file("missing.txt"), 0, codes));
    EXPECT_FALSE(brindlemoor::level::readLevelCodes(dir.path(), 0, codes));
    EXPECT_TRUE(codes.empty());
}
