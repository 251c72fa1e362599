#include <gtest/gtest.h>

#include "TestFiles.h"
#include "level/LevelFile.h"

using namespace std::string_literals;
using Codes = std::vector<std::string>;
namespace t = brindlemoor::test;

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
