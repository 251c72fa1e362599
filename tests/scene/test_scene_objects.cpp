// Scene objects on the GPU: every kind of the catalogue builds with its files
// and type code, owns its own textures, and damaged models and textures draw
// nothing or sample nothing without a GL error. (That textures are complete
// shows in the pictures, that they are given back in the soak test.) And chalk
// text: quads from the atlas cells of the characters, and a text placed on a
// board 8 units wide on one middle line whatever its length.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "GlTestEnvironment.h"
#include "TestOutput.h"
#include "gl/ShaderProgram.h"
#include "io/TgaImage.h"
#include "scene/Blackboard.h"
#include "scene/Catalogue.h"
#include "scene/SceneObject.h"
#include "scene/Text3D.h"
#include "scene/TextMesh.h"

namespace {

using namespace brindlemoor;

class TestObject : public scene::SceneObject {
public:
    TestObject(const std::string& model, const std::string& colour = "Resources/corridor/images/floor.tga")
        : SceneObject(test::testAssets().assets(), glm::mat4(1.0f), test::sharedSceneProgram(), model, colour,
                      "Resources/corridor/images/floor_normal.tga") {}
    void update(double) override {}
};

// What making objects printed since the last call: standard output, standard error.
std::pair<std::string, std::string> printedByMaking() {
    return {test::testAssets().printed.take(), test::testAssets().printed.takeErrors()};
}

// Everything a frame and the shadow pass do with an object.
void useEverywhere(scene::SceneObject& object) {
    const gl::ShaderProgram& program = *test::sharedSceneProgram();
    object.rotate(1);
    object.translate(1.0f, 2.0f, 3.0f);
    program.use();
    object.drawTextured(program.programHandle(), true);
    object.drawOutline(program.programHandle(), {1.02f});
    object.prepareShadow(program);
    object.drawForShadows();
}

GLint levelWidth(GLuint texture, GLint level) {
    GLint width = -1;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    return width;
}

TEST(SceneObject, EveryKindBuildsWithItsFilesAndOwnsItsGlObjects) {
    for (const scene::CatalogueEntry& entry : scene::catalogue()) {
        SCOPED_TRACE(entry.className);
        const auto program = test::sharedSceneProgram();
        printedByMaking();
        const auto a = scene::makeObject(test::testAssets().assets(), entry.code, program);
        // The importer's (empty) error string, but not for the end pieces,
        // which are not among the level's objects.
        const bool endPiece = entry.code == scene::TypeCode::EndWalls || entry.code == scene::TypeCode::EndFloor;
        EXPECT_EQ(printedByMaking().first, endPiece ? "" : "\n");
        const auto b = scene::makeObject(test::testAssets().assets(), entry.code, program);
        EXPECT_EQ(a->getTypeCode(), entry.code);
        EXPECT_EQ(a->modelPath, entry.model);
        EXPECT_GT(a->meshCount(), 0u);
        EXPECT_FALSE(a->localBox.empty);
        EXPECT_NE(a->colorTexture(), b->colorTexture());
        useEverywhere(*b);
    }
}

TEST(SceneObject, AModelThatCannotBeImportedDrawsNothingAndSaysSoOnStandardError) {
    const std::string missing = "tests/robustness/data/missing.obj";
    printedByMaking();
    TestObject object(missing);
    const std::pair<std::string, std::string> printed{
        "", "assimp: importer.readfile failed to read the file:" + missing + "\n"};
    EXPECT_EQ(printedByMaking(), printed);
    EXPECT_EQ(object.meshCount(), 0u);
    useEverywhere(object);
    EXPECT_EQ(object.boxUpper, glm::vec4(0.0f));
    EXPECT_TRUE(glIsTexture(object.colorTexture()));
}

TEST(SceneObject, TexturesThatCannotBeReadStayWithoutAnImageAndAreNotReported) {
    for (const char* name : {"empty.tga", "truncated_header.tga", "huge_dimensions.tga", "wrong_image_type.tga",
                             "rle_past_end.tga", "truncated_pixels.tga"}) {
        SCOPED_TRACE(name);
        const std::string path = std::string("tests/robustness/data/") + name;
        io::Image image;
        EXPECT_FALSE(io::decodeTgaFile(path, image));
        TestObject object("Resources/blackboard/models/blackboard_text.obj", path);
        EXPECT_EQ(printedByMaking().second, "");
        EXPECT_EQ(levelWidth(object.colorTexture(), 0), 0);
        EXPECT_GT(levelWidth(object.normalTexture(), 0), 0);
        useEverywhere(object);
    }
}

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

TEST(Text3D, PlacedTextIsEightUnitsWideWithOneMiddleLineForAnyLength) {
    scene::Blackboard board(test::testAssets().assets(), test::sharedSceneProgram());
    scene::Text3D text(test::testAssets().assets(), test::sharedSceneProgram());
    board.translate(-29.4f, 0.0f, -41.4f);
    board.rotate(1);
    const glm::mat4 boardInverse = glm::inverse(board.modelMatrix);
    for (const char* word : {"x", "abcdefghijkl"}) {
        SCOPED_TRACE(word);
        text.setText(word);
        EXPECT_EQ(text.faceCount(), 2 * static_cast<int>(std::strlen(word)));
        text.placeOn(board);
        const float w = text.textWidth();
        // In the board's own frame: the two ends of the base line, and the middle.
        auto onBoard = [&](float x, float y) { return glm::vec3(boardInverse * text.modelMatrix * glm::vec4(x, y, 0, 1)); };
        EXPECT_NEAR(glm::length(onBoard(w, 0) - onBoard(0, 0)), 8.0f, 1e-3f);
        EXPECT_NEAR(onBoard(w, 0).y, onBoard(0, 0).y, 1e-4f);
        EXPECT_NEAR(onBoard(w / 2, 0.5f).y, 2.2f + 4.0f / 3.0f, 0.02f);
        EXPECT_NEAR(onBoard(w / 2, 0.5f).z, 0.22f, 0.35f);  // just in front of the board, tilted a little
    }
    text.draw();
}

}  // namespace
