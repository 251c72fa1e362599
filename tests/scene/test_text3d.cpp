// Chalk text: quads from the atlas, lower-cased text, placement on a board,
// and the buffers of replaced texts released.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "GlTestEnvironment.h"
#include "TestFiles.h"
#include "platform/Gl.h"
#include "render/ShaderProgram.h"
#include "scene/Blackboard.h"
#include "scene/Text3D.h"
#include "scene/TextMesh.h"

namespace {

using namespace brindlemoor;

std::vector<float> bufferFloats(GLuint buffer) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    GLint bytes = 0;
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &bytes);
    std::vector<float> data(static_cast<std::size_t>(bytes) / sizeof(float));
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, bytes, data.data());
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return data;
}

// v coordinates wrap with the texture's repeat mode.
float wrapped(float v) { return v - std::floor(v); }

class Text3DTest : public testing::Test {
protected:
    static void SetUpTestSuite() { program = test::sharedSceneProgram(); }
    void SetUp() override {
        baseline = test::countGlObjects();
        test::captureStdout([&] { text = std::make_unique<scene::Text3D>(program); });
        test::takeGlError();
    }
    void TearDown() override { EXPECT_EQ(test::takeGlError(), 0u); }

    // u0, u1, vTop, vBottom of character i (its first and second vertex).
    std::vector<float> cell(std::size_t i) {
        const std::vector<float> uv = bufferFloats(text->uvBuffer);
        const std::size_t at = i * 12;
        return {uv[at], uv[at + 4], uv[at + 1], uv[at + 3]};
    }

    static render::ShaderProgram* program;
    test::GlObjectCounts baseline;
    std::unique_ptr<scene::Text3D> text;
};

render::ShaderProgram* Text3DTest::program = nullptr;

TEST_F(Text3DTest, CatIsThreeQuadsTexturedFromTheCellOfCapitalC) {
    text->setText("cat");
    EXPECT_FLOAT_EQ(text->textWidth, 3.0f);
    EXPECT_EQ(text->faceCount, 6);
    const std::vector<float> positions = bufferFloats(text->positionBuffer);
    ASSERT_EQ(positions.size(), 18u * 3u);
    // First quad: (0,1) (0,0) (1,1) (1,0) (1,1) (0,0), all at z = 0.
    const float firstQuad[] = {0, 1, 0, 0, 0, 0, 1, 1, 0, 1, 0, 0, 1, 1, 0, 0, 0, 0};
    for (int k = 0; k < 18; ++k) {
        EXPECT_FLOAT_EQ(positions[k], firstQuad[k]) << k;
    }
    EXPECT_FLOAT_EQ(positions[18 * 3 - 3], 2.0f);  // last vertex starts the third letter
    const std::vector<float> c = cell(0);
    EXPECT_FLOAT_EQ(c[0], 0.375f);
    EXPECT_FLOAT_EQ(c[1], 0.5f);
    EXPECT_FLOAT_EQ(wrapped(c[2]), 0.5f);
    EXPECT_FLOAT_EQ(wrapped(c[3]), 0.375f);
    const std::vector<float> normals = bufferFloats(text->normalBuffer);
    ASSERT_EQ(normals.size(), 18u * 3u);
    EXPECT_FLOAT_EQ(normals[1], 0.087156f);
    EXPECT_FLOAT_EQ(normals[2], 0.996195f);
}

TEST_F(Text3DTest, UpperAndLowerCaseBuildTheSameMesh) {
    text->setText("CAT");
    const auto upperPositions = bufferFloats(text->positionBuffer);
    const auto upperUvs = bufferFloats(text->uvBuffer);
    text->setText("cat");
    EXPECT_EQ(bufferFloats(text->positionBuffer), upperPositions);
    EXPECT_EQ(bufferFloats(text->uvBuffer), upperUvs);
}

TEST_F(Text3DTest, SpaceDigitsAndMinusUseTheirAtlasRows) {
    text->setText(" 3-");
    const auto space = cell(0);
    EXPECT_FLOAT_EQ(space[0], 0.0f);
    EXPECT_FLOAT_EQ(space[1], 0.125f);
    EXPECT_FLOAT_EQ(space[2], 1.0f);
    EXPECT_FLOAT_EQ(space[3], 0.875f);
    const auto three = cell(1);  // row 2 from the top, column 3
    EXPECT_FLOAT_EQ(three[0], 0.375f);
    EXPECT_FLOAT_EQ(three[2], 0.75f);
    EXPECT_FLOAT_EQ(three[3], 0.625f);
    const auto minus = cell(2);  // row 1, column 5
    EXPECT_FLOAT_EQ(minus[0], 0.625f);
    EXPECT_FLOAT_EQ(minus[2], 0.875f);
}

TEST_F(Text3DTest, AbsurdlyLongTextsAreCutOffInsteadOfTakingGigabytes) {
    text->setText(std::string(100000, 'W'));
    EXPECT_FLOAT_EQ(text->textWidth, static_cast<float>(scene::kMaxChalkCharacters));
    EXPECT_EQ(text->faceCount, static_cast<int>(2 * scene::kMaxChalkCharacters));
    EXPECT_EQ(bufferFloats(text->positionBuffer).size(), scene::kMaxChalkCharacters * 18u);
}

TEST_F(Text3DTest, PlacedTextIsEightUnitsWideWithOneMiddleLineForAnyLength) {
    std::unique_ptr<scene::Blackboard> board;
    test::captureStdout([&] { board = std::make_unique<scene::Blackboard>(program); });
    board->translate(-29.4f, 0.0f, -41.4f);
    board->rotate(1);
    const glm::mat4 boardInverse = glm::inverse(board->modelMatrix);
    std::vector<float> middles;
    for (const char* word : {"x", "abcdefghijkl"}) {
        SCOPED_TRACE(word);
        text->setText(word);
        text->placeOn(*board);
        const float w = text->textWidth;
        // In the board's own frame: left and right end of the text's base line.
        const glm::vec3 left = glm::vec3(boardInverse * text->modelMatrix * glm::vec4(0, 0, 0, 1));
        const glm::vec3 right = glm::vec3(boardInverse * text->modelMatrix * glm::vec4(w, 0, 0, 1));
        EXPECT_NEAR(glm::length(right - left), 8.0f, 1e-3f);
        EXPECT_NEAR(right.y, left.y, 1e-4f);
        const glm::vec3 middle = glm::vec3(boardInverse * text->modelMatrix * glm::vec4(w / 2, 0.5f, 0, 1));
        EXPECT_NEAR(middle.z, 0.22f, 0.35f);  // just in front of the board, tilted a little
        middles.push_back(middle.y);
    }
    EXPECT_NEAR(middles[0], 2.2f + 4.0f / 3.0f, 0.02f);
    EXPECT_NEAR(middles[1], 2.2f + 4.0f / 3.0f, 0.02f);
}

TEST_F(Text3DTest, ReplacingATextManyTimesLeavesNoGlObjectsBehind) {
    text->setText("warmup");
    const test::GlObjectCounts withOneText = test::countGlObjects();
    for (int i = 0; i < 200; ++i) {
        text->setText(i % 2 == 0 ? "blackboard" : "chalk");
    }
    EXPECT_TRUE(test::countGlObjects() == withOneText);
    text.reset();
    EXPECT_TRUE(test::countGlObjects() == baseline);
}

}  // namespace
