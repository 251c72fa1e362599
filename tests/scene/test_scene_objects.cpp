// Scene objects on the GPU: every kind of the catalogue builds with its files
// and type code, owns its own textures, and damaged models and textures draw
// nothing or sample nothing without a GL error. (That textures are complete
// shows in the pictures, that they are given back in the soak test.) And chalk
// text: quads from the atlas cells of the characters, and a text placed on a
// board 8 units wide on one middle line whatever its length. And a level built
// of them with the real pieces: where its layout comes from, the lights it
// sends, and moving from board to board.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "GlTestEnvironment.h"
#include "TestFiles.h"
#include "TestOutput.h"
#include "gl/ShaderProgram.h"
#include "io/TgaImage.h"
#include "level/Level.h"
#include "level/LightWindow.h"
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

TEST(SceneObject, EveryKindBuildsWithItsFilesAndOwnsItsGlObjectsAndDamagedModelsAndTexturesDrawNothing) {
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

    // A model that cannot be imported says so on standard error and draws nothing.
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
    // Textures that cannot be read stay without an image and are not reported.
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

TEST(ChalkText, CharactersAreQuadsFromTheirAtlasCellsPlacedEightUnitsWideOnOneMiddleLine) {
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

    // Placed on a board, any text is 8 units wide on one middle line.
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

TEST_F(LevelTest, TheLayoutComesFromTheFileOrAtRandomAndTheLightWindowMovesOnAndParksLightsPastTheEnd) {
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

    // The light window moves on and parks lights past the end.
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
