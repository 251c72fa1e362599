// Chalk text: quads from the atlas cells of the characters, and a text placed
// on a board 8 units wide on one middle line whatever its length.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "GlTestEnvironment.h"
#include "TestFiles.h"
#include "TestOutput.h"
#include "scene/Blackboard.h"
#include "scene/Text3D.h"
#include "scene/TextMesh.h"

namespace {

using namespace brindlemoor;

// u0, u1, vTop, vBottom of character i, v wrapped as the texture's repeat does.
std::vector<float> cell(const scene::TextMesh& mesh, std::size_t i) {
    const std::size_t at = i * 12;
    auto wrapped = [](float v) { return v - std::floor(v); };
    return {mesh.uvs[at], mesh.uvs[at + 4], wrapped(mesh.uvs[at + 1]), wrapped(mesh.uvs[at + 3])};
}

TEST(TextMesh, CharactersAreQuadsTexturedFromTheirAtlasCells) {
    const scene::TextMesh cat = scene::buildTextMesh("cat", 1.0f, 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(cat.textWidth, 3.0f);
    EXPECT_EQ(cat.faceCount, 6);
    ASSERT_EQ(cat.positions.size(), 18u * 3u);
    // First quad: (0,1) (0,0) (1,1) (1,0) (1,1) (0,0), all at z = 0.
    const std::vector<float> firstQuad = {0, 1, 0, 0, 0, 0, 1, 1, 0, 1, 0, 0, 1, 1, 0, 0, 0, 0};
    EXPECT_EQ(std::vector<float>(cat.positions.begin(), cat.positions.begin() + 18), firstQuad);
    // Lower case lands on its capital's cell: C is column 3, row 4 from the top.
    EXPECT_EQ(cell(cat, 0), (std::vector<float>{0.375f, 0.5f, 0.5f, 0.375f}));
    const scene::TextMesh upper = scene::buildTextMesh("CAT", 1.0f, 0.0f, 0.0f);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(cell(upper, i), cell(cat, i));
    }
    // A space, a digit and the minus sign of a negative score.
    const scene::TextMesh signs = scene::buildTextMesh(" 3-", 1.0f, 0.0f, 0.0f);
    EXPECT_EQ(cell(signs, 0), (std::vector<float>{0.0f, 0.125f, 0.0f, 0.875f}));  // v 1 wraps to 0
    EXPECT_EQ(cell(signs, 1), (std::vector<float>{0.375f, 0.5f, 0.75f, 0.625f}));
    EXPECT_EQ(cell(signs, 2), (std::vector<float>{0.625f, 0.75f, 0.875f, 0.75f}));
}

TEST(TextMesh, AbsurdlyLongTextsAreCutOffInsteadOfTakingGigabytes) {
    const scene::TextMesh mesh = scene::buildTextMesh(std::string(100000, 'W').c_str(), 1.0f, 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(mesh.textWidth, static_cast<float>(scene::kMaxChalkCharacters));
    EXPECT_EQ(mesh.positions.size(), scene::kMaxChalkCharacters * 18u);
}

TEST(Text3D, PlacedTextIsEightUnitsWideWithOneMiddleLineForAnyLength) {
    test::ensureGlContext();
    std::unique_ptr<scene::Blackboard> board;
    std::unique_ptr<scene::Text3D> text;
    board = std::make_unique<scene::Blackboard>(test::testAssets().assets(), test::sharedSceneProgram());
    text = std::make_unique<scene::Text3D>(test::testAssets().assets(), test::sharedSceneProgram());
    board->translate(-29.4f, 0.0f, -41.4f);
    board->rotate(1);
    const glm::mat4 boardInverse = glm::inverse(board->modelMatrix);
    for (const char* word : {"x", "abcdefghijkl"}) {
        SCOPED_TRACE(word);
        text->setText(word);
        EXPECT_EQ(text->faceCount(), 2 * static_cast<int>(std::strlen(word)));
        text->placeOn(*board);
        const float w = text->textWidth();
        // In the board's own frame: the two ends of the base line, and the middle.
        auto onBoard = [&](float x, float y) { return glm::vec3(boardInverse * text->modelMatrix * glm::vec4(x, y, 0, 1)); };
        EXPECT_NEAR(glm::length(onBoard(w, 0) - onBoard(0, 0)), 8.0f, 1e-3f);
        EXPECT_NEAR(onBoard(w, 0).y, onBoard(0, 0).y, 1e-4f);
        EXPECT_NEAR(onBoard(w / 2, 0.5f).y, 2.2f + 4.0f / 3.0f, 0.02f);
        EXPECT_NEAR(onBoard(w / 2, 0.5f).z, 0.22f, 0.35f);  // just in front of the board, tilted a little
    }
    text->draw();
    EXPECT_EQ(test::takeGlError(), 0u);
}

}  // namespace
