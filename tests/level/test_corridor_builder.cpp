// The corridor builder: which pieces go where, in which order, with which
// lights and messages.
#include "LevelFixture.h"

#include "scene/Blackboard.h"
#include "scene/Text3D.h"

namespace {

using namespace brindlemoor;
using test::expectAt;
using test::LevelTest;

TEST_F(LevelTest, TwoWallBlocksBuildElevenObjectsThreeBoardsAndFourLights) {
    const auto printed = messages(build({"DD", "PP"}));
    EXPECT_EQ(typeCodes(), (std::vector<std::string>{"F", "C", "LD", "RD", "BB", "F", "C", "LP", "RP", "BB", "BB"}));
    for (int i : {0, 1, 2, 3}) {
        expectAt(*level->objects[i], 0, 0, 0);
    }
    expectAt(*level->objects[4], 0, 0, -12);
    for (int i : {5, 6, 7, 8}) {
        expectAt(*level->objects[i], 0, 0, -24);
    }
    expectAt(*level->objects[9], 0, 0, -36);
    expectAt(*level->objects[10], 0, 0, -60);
    ASSERT_EQ(level->blackboards.size(), 3u);
    EXPECT_EQ(level->blackboards[0], level->objects[4].get());
    EXPECT_EQ(level->blackboards[2], level->objects[10].get());
    EXPECT_EQ(level->lightPositions,
              (std::vector<float>{0, 9, 16, 0, 9, -8, 0, 9, -32, 0, 9, -56}));
    const std::vector<std::string> expected = {
        "Printing read level:",
        "DD . PP . ",  // the chalk texts' model imports end this line
        "pushing block index: 0",
        "blackboard",
        "Finished building block: 0",
        "pushing block index: 5",
        "blackboard",
        "Finished building block: 1",
        "Objects created: 11",
        "Blackboards created: 3",
        "Light0: 0 9 16",
        "Light1: 0 9 -8",
        "Light2: 0 9 -32",
        "Light3: 0 9 -56",
    };
    EXPECT_EQ(printed, expected);
    EXPECT_EQ(level->evenText->position, glm::vec3(0, -10, 0));  // parked until a word is shown
}

TEST_F(LevelTest, LeftCornerTurnsTheCorridorTowardMinusX) {
    const auto printed = messages(build({"PP", "<", "WD"}));
    EXPECT_EQ(typeCodes(), (std::vector<std::string>{"F", "C", "LP", "RP", "BB", "F<", "<", "F", "C", "LW", "RD",
                                                      "BB", "BB"}));
    expectAt(*level->objects[5], 0, 0, -24);
    expectAt(*level->objects[6], 0, 0, -24);
    EXPECT_EQ(level->objects[6]->orientation, 0);
    // The next block starts at (-17.4, 0, -41.4), turned by one quarter turn.
    expectAt(*level->objects[7], -17.4f, 0, -41.4f);
    EXPECT_EQ(level->objects[7]->orientation, 1);
    expectAt(*level->objects[11], -29.4f, 0, -41.4f);
    EXPECT_EQ(level->heading, 1);
    EXPECT_NE(std::find(printed.begin(), printed.end(), "Corner left"), printed.end());
    // Corners get no board or light, but block numbers still count them.
    EXPECT_NE(std::find(printed.begin(), printed.end(), "Finished building block: 2"), printed.end());
    EXPECT_EQ(std::find(printed.begin(), printed.end(), "Finished building block: 1"), printed.end());
    EXPECT_EQ(level->lightPositions.size(), 4u * 3u);
}

TEST_F(LevelTest, RightCornerTurnsTowardPlusXWithoutAMessage) {
    const auto printed = messages(build({"PP", ">", "PP"}));
    expectAt(*level->objects[7], 17.4f, 0, -41.4f);
    EXPECT_EQ(level->objects[7]->orientation, 3);
    EXPECT_EQ(level->heading, 3);
    EXPECT_EQ(std::find(printed.begin(), printed.end(), "Corner left"), printed.end());
    EXPECT_EQ(printed[5], "pushing block index: 5");
    EXPECT_EQ(printed[6], "pushing block index: 7");
}

TEST_F(LevelTest, StairsDownAndUpChangeStoreyAndReverseTheCorridor) {
    build({"PP", "-", "PP", "+", "PP"});
    EXPECT_EQ(level->objects[5]->getTypeCode(), "-");
    expectAt(*level->objects[5], 0, 0, -24);
    // Down one storey, coming back toward +z: the next board at (0, -17.8, -12).
    expectAt(*level->objects[6], 0, -17.8f, -24);
    EXPECT_EQ(level->objects[6]->orientation, 2);
    expectAt(*level->objects[10], 0, -17.8f, -12);
    // The stairs up stand at (0, -17.8, 0) facing +z and lead back up, toward -z.
    expectAt(*level->objects[11], 0, -17.8f, 0);
    EXPECT_EQ(level->objects[11]->getTypeCode(), "+");
    expectAt(*level->objects[12], 0, 0, 0);
    EXPECT_EQ(level->objects[12]->orientation, 0);
    EXPECT_EQ(level->heading, 0);
}

TEST_F(LevelTest, WallLettersChooseEachSideAndOtherLettersLeaveItOpen) {
    build({"PD ", "+ ", "W", "XW"});
    EXPECT_EQ(typeCodes(), (std::vector<std::string>{"F", "C", "LP", "RD", "BB", "F", "C", "BB", "F", "C", "LW",
                                                      "BB", "F", "C", "RW", "BB", "BB"}));
}

TEST_F(LevelTest, AnEmptyLayoutBuildsOnlyTheFinalBoardAndTwoLights) {
    const auto printed = messages(build({}));
    ASSERT_EQ(level->objects.size(), 1u);
    EXPECT_EQ(level->objects[0]->getTypeCode(), "BB");
    expectAt(*level->objects[0], 0, 0, -12);
    EXPECT_EQ(printed, (std::vector<std::string>{"Printing read level:", "Objects created: 1",
                                                  "Blackboards created: 1", "Light0: 0 9 16", "Light1: 0 9 -8"}));
}

}  // namespace
