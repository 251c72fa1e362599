// The corridor's layout, read from a level file as written or drawn at random
// by the rules that keep a corridor sound, and the corridor builder on plain
// placements: which pieces go where, in which order, with which lights and
// messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "Placements.h"
#include "TestFiles.h"
#include "level/CorridorBuilder.h"
#include "level/LevelFile.h"
#include "level/RandomLayout.h"

namespace {

using namespace brindlemoor;
using scene::TypeCode;
using test::expectNear;
using level::generateLayoutCodes;
using namespace std::string_literals;
using Codes = std::vector<std::string>;

bool isSpecial(const std::string& code) { return code == "<" || code == ">" || code == "-"; }

struct Built {
    std::vector<std::string> codes;  // the pieces' printed type codes, in order
    std::vector<std::string> printed;
    test::PlacedPieces sink;
    test::CapturedOutput out;
    level::CorridorBuilder builder{sink, out};
    const scene::Placement& operator[](std::size_t i) const { return *sink.objects.list.at(i); }
};

std::unique_ptr<Built> build(const std::vector<std::string>& layout) {
    auto built = std::make_unique<Built>();
    built->builder.buildCorridor(layout);
    built->printed = test::lines(built->out.take());
    for (const scene::Placement* p : built->sink.objects.list) {
        built->codes.push_back(scene::codeText(p->typeCode));
    }
    return built;
}

bool printedLine(const Built& b, const std::string& line) {
    return std::find(b.printed.begin(), b.printed.end(), line) != b.printed.end();
}

TEST(CorridorBuilder, WallBlocksBuildTheirSidesBoardsAndLightsAndAnEmptyLayoutOnlyTheFinalBoard) {
    const auto b = build({"DD", "PP"});
    EXPECT_EQ(b->codes, (std::vector<std::string>{"F", "C", "LD", "RD", "BB", "F", "C", "LP", "RP", "BB", "BB"}));
    const float z[] = {0, 0, 0, 0, -12, -24, -24, -24, -24, -36, -60};
    for (std::size_t i = 0; i < 11; ++i) {
        expectNear((*b)[i].position, glm::vec3(0, 0, z[i]));
    }
    EXPECT_EQ(b->builder.blackboards, (std::vector<std::size_t>{4, 9, 10}));
    EXPECT_EQ(b->builder.lightPositions, (std::vector<float>{0, 9, 16, 0, 9, -8, 0, 9, -32, 0, 9, -56}));
    // End pieces close the corridor behind the start and around the final
    // board, apart from the objects and without a message.
    const scene::PlacementList& ends = b->sink.ends.list;
    ASSERT_EQ(ends.size(), 4u);
    EXPECT_NEAR(ends[1]->boxLower.z, 0.0f, 1e-3f);
    EXPECT_NEAR(ends[1]->boxUpper.z, 16.0f, 1e-3f);
    EXPECT_NEAR(ends[3]->boxUpper.z, -48.0f, 1e-3f);
    EXPECT_NEAR(ends[3]->boxLower.z, -64.0f, 1e-3f);
    EXPECT_EQ(b->printed, (std::vector<std::string>{"pushing block index: 0", "blackboard",
                                                    "Finished building block: 0", "pushing block index: 5",
                                                    "blackboard", "Finished building block: 1", "Objects created: 11",
                                                    "Blackboards created: 3", "Light0: 0 9 16", "Light1: 0 9 -8",
                                                    "Light2: 0 9 -32", "Light3: 0 9 -56"}));

    // Wall letters choose each side; an empty layout has only the final board.
    EXPECT_EQ(build({"PD ", "+ ", "W", "XW"})->codes,
              (std::vector<std::string>{"F", "C", "LP", "RD", "BB", "F", "C", "BB", "F", "C", "LW", "BB", "F", "C",
                                        "RW", "BB", "BB"}));
    const auto empty = build({});
    EXPECT_EQ(empty->codes, std::vector<std::string>{"BB"});
    expectNear((*empty)[0].position, glm::vec3(0, 0, -12));
    EXPECT_EQ(empty->printed, (std::vector<std::string>{"Objects created: 1", "Blackboards created: 1",
                                                        "Light0: 0 9 16", "Light1: 0 9 -8"}));
}

TEST(CorridorBuilder, CornersTurnTheCorridorOnlyTheLeftSayingSoAndStairsChangeStorey) {
    struct Case {
        const char* code;
        glm::vec3 nextBlock;
        int heading;
        bool message;
    };
    for (const Case& c : {Case{"<", {-17.4f, 0, -41.4f}, 1, true}, Case{">", {17.4f, 0, -41.4f}, 3, false}}) {
        SCOPED_TRACE(c.code);
        const auto b = build({"PP", c.code, "WD"});
        expectNear((*b)[6].position, glm::vec3(0, 0, -24));  // the corner at the block start, unturned
        EXPECT_EQ((*b)[6].orientation, 0);
        expectNear((*b)[7].position, c.nextBlock);
        EXPECT_EQ((*b)[7].orientation, c.heading);
        EXPECT_EQ(b->builder.heading, c.heading);
        EXPECT_EQ(printedLine(*b, "Corner left"), c.message);
        // Corners get no board or light, but block numbers still count them.
        EXPECT_TRUE(printedLine(*b, "Finished building block: 2"));
        EXPECT_FALSE(printedLine(*b, "Finished building block: 1"));
        EXPECT_EQ(b->builder.lightPositions.size(), 4u * 3u);
    }
    const auto left = build({"PP", "<", "WD"});
    expectNear((*left)[11].position, glm::vec3(-29.4f, 0, -41.4f));  // the next board

    // Stairs change storey and reverse the corridor.
    const auto b = build({"PP", "-", "PP", "+", "PP"});
    EXPECT_EQ(b->codes[5], "-");
    expectNear((*b)[6].position, glm::vec3(0, -17.8f, -24));  // down one storey, back toward +z
    EXPECT_EQ((*b)[6].orientation, 2);
    expectNear((*b)[10].position, glm::vec3(0, -17.8f, -12));
    EXPECT_EQ(b->codes[11], "+");
    expectNear((*b)[11].position, glm::vec3(0, -17.8f, 0));
    expectNear((*b)[12].position, glm::vec3(0, 0, 0));  // and up again, toward -z
    EXPECT_EQ(b->builder.heading, 0);
}

TEST(RandomLayout, LengthGivesTheNumberOfCodesAndDrawsPrintedOnOneLine) {
    int draws = 0;
    auto counted = [&] { ++draws; return 0; };
    EXPECT_EQ(generateLayoutCodes(1, counted), (Codes{"DD", "PP"}));
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(generateLayoutCodes(0, counted), (Codes{"DD", "DP", "PP"}));
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(generateLayoutCodes(2, counted).size(), 3u);
    EXPECT_EQ(generateLayoutCodes(99, counted).size(), 100u);
    test::CapturedOutput out;
    level::printRandomLayout({"DD", "<", "PP"}, out);
    EXPECT_EQ(out.take(), "Printing rand level:\nDD - < - PP - Finished generating level!\n");
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

class LevelFile : public ::testing::Test {
protected:
    Codes read(const std::string& content, int length) {
        test::writeFile(dir.file("level.txt"), content);
        Codes codes{"stale"};
        EXPECT_TRUE(level::readLevelCodes(dir.file("level.txt"), length, codes));
        return codes;
    }
    test::TempDir dir;
};

// Codes are kept as written, empty lines skipped, up to the length (0 means
// 99); a file that cannot be read gives false.
TEST_F(LevelFile, CodesAreReadAsWrittenUpToTheLength) {
    std::string twenty, many;
    for (int i = 0; i < 20; ++i) twenty += "C" + std::to_string(i) + "\n";
    for (int i = 0; i < 120; ++i) many += "PP\n";
    EXPECT_EQ(read(twenty, 5), (Codes{"C0", "C1", "C2", "C3", "C4"}));
    EXPECT_EQ(read(many, 0).size(), 99u);
    EXPECT_EQ(read("DP\n\n\nPD \n<\n\n +\n", 3), (Codes{"DP", "PD ", "<"}));
    EXPECT_EQ(read("\xEF\xBB\xBF" "DD\r\n\r\n>\r\nd\0w\r\nPP"s, 0), (Codes{"DD", ">", "d\0w"s, "PP"}));
    EXPECT_EQ(read(std::string(10'000'000, 'W') + "\nPP\n", 0).at(1), "PP");
    Codes codes;
    EXPECT_FALSE(level::readLevelCodes(dir.file("missing.txt"), 0, codes));
    EXPECT_FALSE(level::readLevelCodes(dir.path(), 0, codes));
    EXPECT_TRUE(codes.empty());
}

}  // namespace
