// The catalogue of pieces: every class loads its own files and carries its
// type code; instances never share GL objects.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "GlTestEnvironment.h"
#include "TestFiles.h"
#include "app/GameState.h"
#include "platform/Gl.h"
#include "render/ShaderProgram.h"
#include "scene/Blackboard.h"
#include "scene/Player.h"
#include "scene/corridor/CorridorPieces.h"

namespace {

using namespace brindlemoor;
using namespace brindlemoor::scene::corridor;

struct Row {
    std::function<std::unique_ptr<scene::SceneObject>(render::ShaderProgram*)> make;
    const char* code;
    const char* model;
};

template <class Piece>
std::unique_ptr<scene::SceneObject> build(render::ShaderProgram* program) {
    return std::make_unique<Piece>(program);
}

const Row kCatalogue[] = {
    {build<scene::Blackboard>, "BB", "Resources/blackboard/models/blackboard.obj"},
    {build<Ceiling>, "C", "Resources/corridor/models/ceiling.obj"},
    {build<Corner_left>, "<", "Resources/corridor/models/Corner_left.obj"},
    {build<Corner_left_floor>, "F<", "Resources/corridor/models/Corner_left_floor.obj"},
    {build<Corner_right>, ">", "Resources/corridor/models/Corner_right.obj"},
    {build<Corner_right_floor>, "F>", "Resources/corridor/models/Corner_right_floor.obj"},
    {build<Stairs_down>, "-", "Resources/corridor/models/stairs_down.obj"},
    {build<Stairs_up>, "+", "Resources/corridor/models/stairs_up.obj"},
    {build<Wall_door_left>, "LD", "Resources/corridor/models/wall_door_left.obj"},
    {build<Wall_door_right>, "RD", "Resources/corridor/models/wall_door_right.obj"},
    {build<Floor>, "F", "Resources/corridor/models/floor.obj"},
    {build<Wall_plain_left>, "LP", "Resources/corridor/models/wall_plain_left.obj"},
    {build<Wall_plain_right>, "RP", "Resources/corridor/models/wall_plain_right.obj"},
    {build<Wall_window_left>, "LW", "Resources/corridor/models/wall_window_left.obj"},
    {build<Wall_window_right>, "RW", "Resources/corridor/models/wall_window_right.obj"},
};

class CatalogueTest : public testing::Test {
protected:
    void SetUp() override {
        test::ensureGlContext();
        app::gameState.sceneProgram = std::make_unique<render::ShaderProgram>(
            "Shader/LightsNormalShadowShader.vert", "Shader/LightsNormalShadowShader.frag");
        test::takeGlError();
    }
    void TearDown() override {
        EXPECT_EQ(test::takeGlError(), 0u);
        app::gameState.sceneProgram.reset();
    }
    render::ShaderProgram* program() { return app::gameState.sceneProgram.get(); }
};

TEST_F(CatalogueTest, EveryPieceImportsItsModelAndCarriesItsTypeCode) {
    for (const Row& row : kCatalogue) {
        SCOPED_TRACE(row.code);
        std::unique_ptr<scene::SceneObject> piece;
        test::captureStdout([&] { piece = row.make(program()); });
        EXPECT_EQ(piece->getTypeCode(), row.code);
        EXPECT_EQ(piece->modelPath, row.model);
        EXPECT_NE(piece->scene, nullptr);
        EXPECT_FALSE(piece->meshEntries.empty());
        EXPECT_TRUE(glIsTexture(piece->colorTexture));
        EXPECT_TRUE(glIsTexture(piece->normalTexture));
        EXPECT_EQ(piece->program, program());
        EXPECT_EQ(piece->orientation, 0);
        EXPECT_EQ(piece->modelMatrix, glm::mat4(1.0f));
    }
}

TEST_F(CatalogueTest, ThePlayerUsesTheGamesSceneProgramAndStandsAtTheOrigin) {
    render::ShaderProgram other("Shader/celShader.vert", "Shader/celShader.frag");
    std::unique_ptr<scene::Player> player;
    test::captureStdout([&] { player = std::make_unique<scene::Player>(&other); });
    EXPECT_EQ(player->program, program());
    EXPECT_EQ(player->getTypeCode(), "P");
    EXPECT_EQ(player->position, glm::vec3(0.0f));
    EXPECT_EQ(player->modelPath, "Resources/boy/boy.obj");
}

TEST_F(CatalogueTest, TwoInstancesOfOneClassOwnSeparateGlObjects) {
    std::unique_ptr<scene::SceneObject> a;
    std::unique_ptr<scene::SceneObject> b;
    test::captureStdout([&] {
        a = std::make_unique<Corner_left>(program());
        b = std::make_unique<Corner_left>(program());
    });
    EXPECT_NE(a->colorTexture, b->colorTexture);
    EXPECT_NE(a->normalTexture, b->normalTexture);
    EXPECT_NE(a->positionBuffer, b->positionBuffer);
    EXPECT_NE(a->meshEntries[0].vertexArray, b->meshEntries[0].vertexArray);
    EXPECT_NE(a->scene, b->scene);  // each owns its imported scene
    const GLuint textureOfA = a->colorTexture;
    a.reset();
    EXPECT_FALSE(glIsTexture(textureOfA));
    EXPECT_TRUE(glIsTexture(b->colorTexture));
    b->draw();
}

}  // namespace
