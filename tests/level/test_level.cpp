// A level built with the real pieces: where its layout comes from, the lights
// it sends, and moving from board to board.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "GlTestEnvironment.h"
#include "TestFiles.h"
#include "TestOutput.h"
#include "gl/ShaderProgram.h"
#include "level/Level.h"
#include "level/LightWindow.h"
#include "scene/Blackboard.h"
#include "scene/Text3D.h"

namespace {

using namespace brindlemoor;

class LevelTest : public testing::Test {
protected:
    // Builds a level from a level file of these codes (or the given path);
    // returns the non-empty lines construction printed (model imports print
    // empty ones).
    std::string build(const std::vector<std::string>& codes, int length = 0, std::string path = "") {
        std::string text;
        for (const std::string& code : codes) {
            text += code + "\n";
        }
        if (path.empty() && !codes.empty()) {
            path = dir.file("level.txt");
            test::writeFile(path, text);
        }
        const level::LevelSettings settings{path, length, 1u};
        test::testAssets().printed.take();
        level = std::make_unique<level::Level>(test::testAssets().assets(), test::sharedSceneProgram(), settings);
        std::string printed;
        for (const std::string& line : test::lines(test::testAssets().printed.take())) {
            printed += line.empty() ? "" : line + "\n";
        }
        return printed;
    }
    std::vector<float> uploadedLights() {
        const GLuint program = test::sharedSceneProgram()->programHandle();
        std::vector<float> lights(15);
        for (int i = 0; i < 5; ++i) {
            const std::string name = "lightposition_ws[" + std::to_string(i) + "]";
            glGetUniformfv(program, glGetUniformLocation(program, name.c_str()), &lights[3 * i]);
        }
        return lights;
    }

    test::TempDir dir;
    std::unique_ptr<level::Level> level;
};

TEST_F(LevelTest, TheLayoutComesFromTheFileOrAtRandom) {
    // The chalk texts' model imports end the line of codes.
    std::string printed = build({"DD", "PP"});
    EXPECT_EQ(printed.rfind("Printing read level:\nDD . PP . \npushing block index: 0\n", 0), 0u) << printed;
    EXPECT_EQ(level->evenText->position, glm::vec3(0, -10, 0));  // parked until a word is shown

    const std::string five = build(std::vector<std::string>(20, "PP"), 5);
    EXPECT_EQ(test::linesStarting(five, "Finished building block: ").size(), 5u);
    printed = build({}, 0, dir.file("nowhere.txt"));
    EXPECT_EQ(printed.rfind("Cannot open specified level file. Creating a random one\nPrinting rand level:\n", 0), 0u);
    EXPECT_EQ(test::linesStarting(printed, "pushing block index: ").size(), 100u);  // length 0 becomes 99
    printed = build({});
    EXPECT_EQ(printed.rfind("Printing rand level:\n", 0), 0u);
    EXPECT_EQ(test::linesStarting(printed, "pushing block index: ").size(), 3u);  // the generator makes 0 into 2
}

TEST_F(LevelTest, TheLightWindowMovesOnAndParksLightsPastTheEnd) {
    build({"DD", "PP", "PP", "PP", "PP"});
    level->advanceLights();
    EXPECT_EQ(test::testAssets().printed.take(), "lightIndex: 0\n");
    EXPECT_EQ(uploadedLights(), (std::vector<float>{0, 9, 16, 0, 9, -8, 0, 9, -32, 0, 9, -56, 0, 9, -80}));
    for (int i = 0; i < 6; ++i) {
        level->advanceLights();
    }
    for (int k = 1; k < 5; ++k) {
        EXPECT_EQ(uploadedLights()[3 * k + 1], level::kUnusedLight[1]);
    }
    const auto before = level::lightWindow({1, 2, 3}, -1);  // before the first advance
    EXPECT_EQ(before[1], level::kUnusedLight[1]);
    EXPECT_EQ(before[3], 1.0f);
}

TEST_F(LevelTest, FinishedBoardsRiseWithTheirTextAndTheFinalBoardShowsTheScore) {
    build({"PP", "DD"});  // boards 0, 1 and the final board 2
    level->showWord("CAT");
    const float textY = level->evenText->modelMatrix[3].y;
    // (The point it earns is counted in the play-through's bounce.)
    EXPECT_FALSE(level->nextBlackboard("HORSE"));
    EXPECT_NEAR(level->blackboards[0]->position.y, 4.0f, 1e-4f);
    EXPECT_NEAR(level->evenText->modelMatrix[3].y, textY + 4.0f, 1e-4f);
    EXPECT_FLOAT_EQ(level->oddText->textWidth(), 5.0f);  // the next board has the next word
    level->score = -3;  // bounces
    EXPECT_TRUE(level->nextBlackboard("DOG"));
    EXPECT_EQ(level->currentBlackboard, 2);
    EXPECT_FLOAT_EQ(level->evenText->textWidth(), 8.0f);  // "score -2"
    EXPECT_NEAR(level->blackboards[2]->position.y, 0.0f, 1e-4f);

    // The end piece's walls stop a sidestep at the final board.
    scene::Placement boy(scene::TypeCode::Player, scene::Box{{-0.5f, 0, -0.3f}, {0.5f, 1.8f, 0.3f}, false});
    boy.translate(0, 0, -58);
    EXPECT_FALSE(level->blocksSideways(boy));
    boy.translate(4.6f, 0, 0);
    EXPECT_TRUE(level->blocksSideways(boy));

    build({"Q"});  // no wall letters: one board before the final one
    level->currentBlackboard = 1;  // a corridor that has only its final board left
    EXPECT_TRUE(level->nextBlackboard("ANT"));
    EXPECT_NEAR(level->blackboards[1]->position.y, 0.0f, 1e-4f);  // still there to walk into
}

}  // namespace
