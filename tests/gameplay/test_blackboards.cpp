// Moving from board to board: the finished board rises with its text, the
// score goes up and the next board gets the next word, or the score at the end.
#include "LevelFixture.h"

#include "scene/Blackboard.h"
#include "scene/Text3D.h"

namespace {

using namespace brindlemoor;
using test::LevelTest;

TEST_F(LevelTest, FinishedBoardsRiseAndTheFinalBoardShowsTheScore) {
    build({"PP", "DD", "WW"});  // boards 0, 1, 2 and the final board 3
    level->showWord("CAT");
    EXPECT_FLOAT_EQ(level->evenText->textWidth, 3.0f);
    const glm::mat4 textOnBoard0 = level->evenText->modelMatrix;
    const glm::vec4 boardBox = level->blackboards[0]->boxLower;

    bool finished = true;
    test::captureStdout([&] { finished = level->nextBlackboard("HORSE"); });
    EXPECT_FALSE(finished);
    EXPECT_NEAR(level->blackboards[0]->boxLower.y, boardBox.y + 4.0f, 1e-4f);
    EXPECT_NEAR(level->blackboards[0]->position.y, 4.0f, 1e-4f);
    // The text went up with its board and still reads CAT.
    EXPECT_NEAR(level->evenText->modelMatrix[3].y, textOnBoard0[3].y + 4.0f, 1e-4f);
    EXPECT_FLOAT_EQ(level->evenText->textWidth, 3.0f);
    EXPECT_EQ(level->score, 1);
    EXPECT_EQ(level->currentBlackboard, 1);
    // The next board carries the new word in the other text.
    EXPECT_FLOAT_EQ(level->oddText->textWidth, 5.0f);
    EXPECT_NEAR(level->oddText->modelMatrix[3].z, level->blackboards[1]->position.z + 0.22f, 0.2f);

    test::captureStdout([&] { finished = level->nextBlackboard("DOG"); });
    EXPECT_FALSE(finished);
    test::captureStdout([&] { finished = level->nextBlackboard("EEL"); });
    EXPECT_TRUE(finished);
    EXPECT_EQ(level->score, 3);
    EXPECT_EQ(level->currentBlackboard, 3);
    EXPECT_FLOAT_EQ(level->oddText->textWidth, 7.0f);  // "score 3" on the final board
    EXPECT_NEAR(level->blackboards[3]->position.y, 0.0f, 1e-4f);
}

TEST_F(LevelTest, ANegativeScoreIsShownWithItsSign) {
    build({"PP"});
    level->score = -3;
    bool finished = false;
    test::captureStdout([&] { finished = level->nextBlackboard("ANT"); });
    EXPECT_TRUE(finished);
    EXPECT_EQ(level->score, -2);
    EXPECT_FLOAT_EQ(level->oddText->textWidth, 8.0f);  // "score -2"
}

TEST_F(LevelTest, ACorridorWithOnlyTheFinalBoardEndsThereWithoutLiftingIt) {
    build({});
    level->showWord("BEE");
    bool finished = false;
    test::captureStdout([&] { finished = level->nextBlackboard("ANT"); });
    EXPECT_TRUE(finished);
    EXPECT_EQ(level->score, 1);
    EXPECT_EQ(level->currentBlackboard, 0);
    EXPECT_NEAR(level->blackboards[0]->position.y, 0.0f, 1e-4f);  // still there to walk into
    EXPECT_FLOAT_EQ(level->evenText->textWidth, 7.0f);            // "score 1"
    test::captureStdout([&] { finished = level->nextBlackboard("ANT"); });
    EXPECT_TRUE(finished);
}

}  // namespace
