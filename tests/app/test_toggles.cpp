// The developer keys, pressed with the scripted keyboard in a running game.
#include <gtest/gtest.h>

#include <algorithm>

#include "GameSession.h"
#include "GlTestEnvironment.h"
#include "app/GameState.h"
#include "gameplay/MovementState.h"
#include "level/Level.h"
#include "gl/Gl.h"
#include "gl/ShaderProgram.h"
#include "scene/Player.h"
#include "render/ScenePass.h"
#include "scene/Text3D.h"

namespace {

using namespace brindlemoor;
namespace key = platform::key;

// A small game past the set-up messages of its first frame.
struct StartedGame : test::GameSession {
    explicit StartedGame(bool shadowShading = true)
        : GameSession(test::GameOptions::small({"DW", "PP"}, shadowShading)) { frames(2); }
};

class TogglesTest : public testing::Test {
protected:
    void SetUp() override { test::ensureGlContext(320, 180); }
    // Taps the keys before one frame and returns what that frame printed.
    static std::string press(test::GameSession& game, std::initializer_list<int> keys) {
        for (int k : keys) {
            game.keyboard.tap(k);
        }
        return game.frames(1);
    }
};

TEST_F(TogglesTest, FrameCounterAndWireframeEachPrintTheirLineAndPause) {
    StartedGame game;
    double slept = game.clock.slept();
    EXPECT_EQ(press(game, {key::F2}), "fps display on\n");
    EXPECT_TRUE(app::gameState.showFps);
    EXPECT_NEAR(game.clock.slept() - slept, 0.2, 1e-9);

    slept = game.clock.slept();
    EXPECT_EQ(press(game, {key::F2, key::F3}), "fps display off\nwireframe on\n");
    EXPECT_NEAR(game.clock.slept() - slept, 0.4, 1e-9);
    GLint mode[2] = {0, 0};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_LINE);
    EXPECT_EQ(press(game, {key::F3}), "wireframe off\n");
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
}

TEST_F(TogglesTest, SamplingAndMipmapKeysSetTheFilterOfEveryColourTexture) {
    StartedGame game;
    EXPECT_EQ(press(game, {key::F4}), "sampling nearest\n");
    const level::Level& level = *app::gameState.level;
    EXPECT_EQ(test::minFilterOf(app::gameState.player->colorTexture()), GL_NEAREST_MIPMAP_LINEAR);
    for (const auto& object : level.objects) {
        EXPECT_EQ(test::minFilterOf(object->colorTexture()), GL_NEAREST_MIPMAP_LINEAR);
        EXPECT_EQ(test::minFilterOf(object->normalTexture()), GL_LINEAR_MIPMAP_LINEAR);
    }
    EXPECT_EQ(test::minFilterOf(level.evenText->colorTexture()), GL_NEAREST_MIPMAP_LINEAR);
    EXPECT_EQ(press(game, {key::F4}), "sampling liniear\n");

    std::string lines;
    for (int i = 0; i < 3; ++i) {
        lines += press(game, {key::F5});
    }
    EXPECT_EQ(lines, "mipmap off\nmipmap nearest\nmipmap linear\n");
    EXPECT_EQ(app::gameState.samplingMode + 2 * app::gameState.mipmapMode, 5);
    EXPECT_EQ(test::minFilterOf(level.objects.back()->colorTexture()), GL_LINEAR_MIPMAP_LINEAR);
    press(game, {key::F5});
    EXPECT_EQ(test::minFilterOf(level.objects.front()->colorTexture()), GL_LINEAR);
}

TEST_F(TogglesTest, GodModeDoublesTheSpeedAndLetsTheArrowsMoveThePlayer) {
    StartedGame game;
    EXPECT_EQ(press(game, {key::F6}), "godmode on\n");
    EXPECT_TRUE(gameplay::movementState.godMode);
    EXPECT_FLOAT_EQ(app::gameState.moveSpeed, 10.0f);
    game.frames(1);  // this frame's time step still holds the key's pause
    const float z = app::gameState.player->position.z;
    game.keyboard.press(key::Up);
    game.frames(60);
    game.keyboard.release(key::Up);
    EXPECT_NEAR(app::gameState.player->position.z, z - 10.0f, 0.05f);  // ten units in one second
    game.keyboard.press(key::Down);
    game.frames(30);
    game.keyboard.release(key::Down);
    EXPECT_NEAR(app::gameState.player->position.z, z - 5.0f, 0.05f);
    EXPECT_EQ(press(game, {key::F6}), "godmode off\n");
    EXPECT_FLOAT_EQ(app::gameState.moveSpeed, 5.0f);
}

TEST_F(TogglesTest, FarPlaneAndTransparencyKeys) {
    StartedGame game;
    const GLuint program = app::gameState.sceneProgram->programHandle();
    auto projectionEntry = [&] {
        float m[16] = {};
        glGetUniformfv(program, glGetUniformLocation(program, "projectionMatrix"), m);
        return m[10];  // [2][2]
    };
    const float far500 = projectionEntry();
    EXPECT_EQ(press(game, {key::F8}), "view frustrum culling on\n");
    EXPECT_NEAR(projectionEntry(), -(75.0f + 0.1f) / (75.0f - 0.1f), 1e-6f);
    EXPECT_EQ(press(game, {key::F8}), "view frustrum culling off\n");
    EXPECT_FLOAT_EQ(projectionEntry(), far500);
    EXPECT_EQ(press(game, {key::F9}), "flipping transparency\n");
    EXPECT_FALSE(app::gameState.transparency);
}

TEST_F(TogglesTest, AHeldKeyActsAtMostOnceEveryFifthOfASecond) {
    StartedGame game;
    game.keyboard.press(key::F3);
    const double start = game.clock.now();
    std::string printed;
    game.runUntil([&] { return game.clock.now() - start >= 1.0; }, 1000, &printed);
    game.keyboard.release(key::F3);
    const auto flips = std::count(printed.begin(), printed.end(), '\n');
    EXPECT_GE(flips, 4);
    EXPECT_LE(flips, 5);
}

TEST_F(TogglesTest, DepthShotKeysWriteTheirFilesInTheirModes) {
    {
        StartedGame game;
        press(game, {key::F12});
        // The window's framebuffer, whatever size the game was asked for.
        const auto pixels = static_cast<std::size_t>(app::gameState.width) * app::gameState.height;
        EXPECT_EQ(test::readFile("screenshot.tga").size(), 18u + pixels);
        press(game, {key::F11});
        EXPECT_EQ(test::readFile("shadowmap.tga").size(), 18u + 1024u * 1024u);
    }
    StartedGame cel(false);
    const double slept = cel.clock.slept();
    EXPECT_EQ(press(cel, {key::F11}), "");
    EXPECT_FALSE(test::fileExists("shadowmap.tga"));
    EXPECT_EQ(cel.clock.slept(), slept);
}

// Pixels of two depth shots, taken with the camera where it is now, that
// differ within the boy's box on the screen and no farther than it.
int differingAroundTheBoy(const std::string& a, const std::string& b) {
    const app::GameState& game = app::gameState;
    const glm::mat4 toScreen =
        render::projectionFor(game.width, game.height, game.frustumCulling) * game.viewMatrix * game.player->modelMatrix;
    const scene::Box& box = game.player->localBox;
    glm::vec3 lower(1e9f), upper(-1e9f);
    for (int corner = 0; corner < 8; ++corner) {
        const glm::vec4 p(corner & 1 ? box.upper.x : box.lower.x, corner & 2 ? box.upper.y : box.lower.y,
                          corner & 4 ? box.upper.z : box.lower.z, 1.0f);
        const glm::vec4 clip = toScreen * p;
        const glm::vec3 window = (glm::vec3(clip) / clip.w + 1.0f) * 0.5f *
                                 glm::vec3(static_cast<float>(game.width), static_cast<float>(game.height), 255.0f);
        lower = glm::min(lower, window);
        upper = glm::max(upper, window);
    }
    int differing = 0;
    for (int y = std::max(0, int(lower.y)); y < std::min(game.height, int(upper.y) + 1); ++y) {
        for (int x = std::max(0, int(lower.x)); x < std::min(game.width, int(upper.x) + 1); ++x) {
            const std::size_t at = 18u + static_cast<std::size_t>(y) * game.width + x;
            const auto near = static_cast<float>(std::min<unsigned char>(a.at(at), b.at(at)));
            differing += a[at] != b[at] && near <= upper.z + 1.0f ? 1 : 0;
        }
    }
    return differing;
}

TEST(BoyAlive, DepthShotsAQuarterSecondApartDifferAroundHimWalkingAndWaiting) {
    test::GameOptions options = test::GameOptions::small({"DW", "PP", "PP"});
    options.width = 1280;
    options.height = 720;
    test::GameSession game(options);
    const auto shotsApart = [&] {
        game.keyboard.tap(key::F12);
        game.frames(1);
        const std::string first = test::readFile("screenshot.tga");
        game.frames(14);
        game.keyboard.tap(key::F12);
        game.frames(1);
        return differingAroundTheBoy(first, test::readFile("screenshot.tga"));
    };
    game.frames(60);  // waiting for the first word
    // (A boy who does not move leaves not one pixel different there.)
    EXPECT_GT(shotsApart(), 20) << "waiting at the board";
    ASSERT_TRUE(game.typeUntil(6, [] { return app::gameState.walking; }, 600));
    game.frames(30);
    EXPECT_GT(shotsApart(), 20) << "walking";
}

}  // namespace
