// Shadows of the default shading mode: the depth map from the light just
// ahead, the shade it casts, and its GL objects over many games.
#include <gtest/gtest.h>

#include "FrameCapture.h"
#include "GameSession.h"
#include "GlTestEnvironment.h"
#include "app/GameState.h"
#include "level/Level.h"
#include "gl/Gl.h"
#include "io/TgaImage.h"
#include "render/ShadowMap.h"
#include "scene/Player.h"

namespace {

using namespace brindlemoor;

// The grey value of the shadow map file where the light sees a world point.
int shadowMapValue(const io::Image& map, const glm::vec3& light, const glm::vec3& world) {
    const glm::vec4 clip = render::lightViewProjection(light) * glm::vec4(world, 1.0f);
    const int x = static_cast<int>((clip.x / clip.w * 0.5f + 0.5f) * 1024.0f);
    const int y = static_cast<int>((clip.y / clip.w * 0.5f + 0.5f) * 1024.0f);
    EXPECT_TRUE(x >= 0 && x < 1024 && y >= 0 && y < 1024);
    return map.rgba[(static_cast<std::size_t>(y) * 1024u + static_cast<std::size_t>(x)) * 4u];
}

TEST(Shadows, TheShadowFramebufferIsCompleteAndTheShadowMapShowsTheBoyAndTheBoard) {
    test::GameSession game(test::GameOptions::small({"DD", "PP"}));
    EXPECT_NE(game.setUpOutput.find("loading framebuffer\n"), std::string::npos);
    EXPECT_EQ(game.setUpOutput.find("Failed to load framebuffer"), std::string::npos);
    glBindFramebuffer(GL_FRAMEBUFFER, app::gameState.shadowMap->framebuffer());
    EXPECT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    glBindFramebuffer(GL_FRAMEBUFFER, 0);

    game.frames(1);  // the first frame sends lights 0 to 4: the shadow light is light 1
    game.keyboard.tap(platform::key::F11);
    game.frames(1);
    io::Image map;
    ASSERT_TRUE(io::decodeTgaFile("shadowmap.tga", map));
    ASSERT_EQ(map.width, 1024);
    const glm::vec3 light(0, 9, -8);
    const int floor = shadowMapValue(map, light, {3.5f, 0.0f, -3.0f});
    const int boy = shadowMapValue(map, light, {0.0f, 1.5f, 0.0f});
    const int board = shadowMapValue(map, light, {0.0f, 5.0f, -12.0f});
    EXPECT_LT(boy, floor);
    EXPECT_LT(board, boy);  // higher up, nearer the light
    EXPECT_EQ(test::takeGlError(), 0u);
}

TEST(Shadows, TheBoyShadesTheFloorBehindHim) {
    test::GameSession game(test::GameOptions::small({"DD", "PP"}));
    game.frames(1);
    // Three units into the corridor the light at (0, 9, -8) throws his shadow
    // back toward the camera, onto the floor around z = -2.2.
    app::gameState.player->translate(0, 0, -3);
    int x = 0;
    int y = 0;
    ASSERT_TRUE(test::pixelOf({0.0f, 0.0f, -2.2f}, x, y));
    const int shaded = test::redrawAndCapture().at(x, y).brightness();
    app::gameState.player->translate(0, 50, 0);  // the boy out of the light's view
    const int lit = test::redrawAndCapture().at(x, y).brightness();
    EXPECT_LT(shaded * 10, lit * 9) << "shaded " << shaded << ", lit " << lit;
    EXPECT_EQ(test::takeGlError(), 0u);
}

}  // namespace
