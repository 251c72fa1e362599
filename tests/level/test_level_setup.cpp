// Where a level's layout comes from, and texture filtering over a level.
#include "LevelFixture.h"

#include <algorithm>

#include "platform/Gl.h"
#include "scene/Text3D.h"

namespace {

using namespace brindlemoor;
using test::LevelTest;

long countLinesStartingWith(const std::vector<std::string>& printed, const std::string& prefix) {
    return std::count_if(printed.begin(), printed.end(),
                         [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
}

TEST_F(LevelTest, AMissingLevelFileWithLengthZeroGivesNinetyNineRandomBlocks) {
    app::gameState.levelPath = dir.file("nowhere.txt");
    app::gameState.levelLength = 0;
    const auto printed = messages(test::captureStdout([&] { level = std::make_unique<level::Level>(); }));
    ASSERT_GE(printed.size(), 2u);
    EXPECT_EQ(printed[0], "Cannot open specified level file. Creating a random one");
    EXPECT_EQ(printed[1], "Printing rand level:");
    EXPECT_EQ(countLinesStartingWith(printed, "pushing block index: "), 100);
}

TEST_F(LevelTest, AnEmptyLevelPathNeverOpensAFileAndKeepsLengthZeroForTheGenerator) {
    app::gameState.levelPath = "";
    const auto printed = messages(test::captureStdout([&] { level = std::make_unique<level::Level>(); }));
    EXPECT_EQ(printed[0], "Printing rand level:");
    EXPECT_EQ(countLinesStartingWith(printed, "pushing block index: "), 3);  // length 0 makes 3 codes
}

TEST_F(LevelTest, TheLevelLengthLimitsTheCodesReadFromAFile) {
    std::vector<std::string> twenty(20, "PP");
    const auto printed = messages(build(twenty, 5));
    EXPECT_EQ(countLinesStartingWith(printed, "Finished building block: "), 5);
    EXPECT_EQ(level->blackboards.size(), 6u);
}

TEST_F(LevelTest, TextureFilterModesReachEveryColourTextureButNoNormalMap) {
    build({"DW", "PP"});
    auto filterOf = [](unsigned int texture) {
        glBindTexture(GL_TEXTURE_2D, texture);
        GLint filter = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
        return filter;
    };
    level->setTextureFilter(0);
    for (const auto& object : level->objects) {
        EXPECT_EQ(filterOf(object->colorTexture), GL_NEAREST);
        EXPECT_EQ(filterOf(object->normalTexture), GL_LINEAR_MIPMAP_LINEAR);
    }
    EXPECT_EQ(filterOf(level->evenText->colorTexture), GL_NEAREST);
    EXPECT_EQ(filterOf(level->oddText->colorTexture), GL_NEAREST);
    level->setTextureFilter(7);  // out of range: treated as the trilinear mode 5
    for (const auto& object : level->objects) {
        EXPECT_EQ(filterOf(object->colorTexture), GL_LINEAR_MIPMAP_LINEAR);
    }
    EXPECT_EQ(filterOf(level->oddText->colorTexture), GL_LINEAR_MIPMAP_LINEAR);
}

TEST_F(LevelTest, DestroyingALevelReleasesEveryGlObjectItMade) {
    const test::GlObjectCounts before = test::countGlObjects();
    build({"DD", "<", "PW", "-", "WP", ">", "PP", "+", "DD"});
    level.reset();
    EXPECT_TRUE(test::countGlObjects() == before);
}

}  // namespace
