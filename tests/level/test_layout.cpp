#include <gtest/gtest.h>

#include "TestOutput.h"

#include <cstdlib>
#include <set>

#include "TestFiles.h"
#include "level/RandomLayout.h"

using brindlemoor::level::generateLayoutCodes;
using Codes = std::vector<std::string>;

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
