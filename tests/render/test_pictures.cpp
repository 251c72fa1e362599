// The first frame of a fixed level in both shading modes: where things stand,
// and a comparison with committed reference pictures; and frames along a walk
// through a corner and down the stairs, looking back as god mode can, and with
// the short far plane, the same with culling and without. Shadows of the
// default shading mode: the depth map from the light just ahead and the shade
// it casts. A shader pair that cannot be built says why and leaves no GL
// object behind. (The game's own three pairs are built by every game the
// tests play; what each exposes shows in the pictures and the shadow map.)
#include <gtest/gtest.h>

#include <cstdlib>

#include <glm/gtc/matrix_transform.hpp>

#include "FrameCapture.h"
#include "GlTestEnvironment.h"
#include "TestFiles.h"
#include "GameSession.h"
#include "app/GameState.h"
#include "gameplay/MovementState.h"
#include "gl/Gl.h"
#include "gl/ShaderProgram.h"
#include "io/TgaImage.h"
#include "level/Level.h"
#include "platform/Keys.h"
#include "render/ShadowMap.h"
#include "scene/Player.h"
#include "scene/Text3D.h"

namespace {

using namespace brindlemoor;

test::GameOptions firstFrameGame(bool shadowShading) {
    return test::GameOptions::small({"DW", "PP", "<", "WD"}, shadowShading, {"CHALK"});
}

void expectTheSamePicture(const char* where) {
    const test::Frame everything = test::redrawAndCapture(false);
    EXPECT_EQ(test::differingShare(everything, test::redrawAndCapture(), 12), 0.0) << where;
}

class PicturesTest : public testing::TestWithParam<bool> {};

TEST_P(PicturesTest, TheFirstFrameMatchesTheReferencePicture) {
    test::GameSession game(firstFrameGame(GetParam()));
    game.frames(1);
    const test::Frame frame = test::redrawAndCapture();
    const std::string name = GetParam() ? "first_frame_shadow.tga" : "first_frame_cel.tga";
    const std::string reference = test::sourcePath("tests/reference/" + name);
    if (std::getenv("BRINDLEMOOR_UPDATE_REFERENCES") != nullptr) {
        ASSERT_TRUE(test::writeRgbTga(reference, frame));
        GTEST_SKIP() << "wrote " << reference;
    }
    test::Frame expected;
    ASSERT_TRUE(io::decodeTgaFile(reference, expected)) << reference;
    // llvmpipe differs slightly between processors: a few levels per channel
    // on a small share of the pixels.
    const double share = test::differingShare(frame, expected, 12);
    EXPECT_LT(share, 0.02) << "differing share " << share;
    if (share >= 0.02) {
        test::writeRgbTga(test::sourcePath("build/" + name), frame);
    }
}

TEST_P(PicturesTest, FramesAlongAWalkAreTheSameWithAndWithoutCulling) {
    for (scene::TypeCode piece : {scene::TypeCode::CornerLeft, scene::TypeCode::StairsDown}) {
        const bool corner = piece == scene::TypeCode::CornerLeft;
        // The corner's corridor starts with a board and its chalk word in view.
        test::GameSession game(test::GameOptions::small({corner ? "DW" : "-", corner ? "<" : "DW", "PP"}, GetParam()));
        app::GameState& state = app::gameState;
        game.frames(1);
        expectTheSamePicture("at the start");
        // Into the walk through the piece, the camera swinging round.
        const gameplay::MovementState& walk = gameplay::movementState;
        ASSERT_TRUE(game.typeUntil(12, [&] { return walk.transitionPhase >= 2 && walk.curveT > 0.3f; }, 60 * 30));
        expectTheSamePicture(scene::codeText(piece));
        if (corner) {
            continue;
        }
        // God mode can turn the camera anywhere: back the way the boy came.
        const glm::mat4 view = state.viewMatrix;
        state.viewMatrix = glm::lookAt(state.eye, 2.0f * state.eye - state.centre, glm::vec3(0, 1, 0));
        expectTheSamePicture("looking back");
        state.viewMatrix = view;
        game.keyboard.tap(platform::key::F8);
        game.frames(1);
        ASSERT_TRUE(state.frustumCulling);
        expectTheSamePicture("with the short far plane");
    }
}

INSTANTIATE_TEST_SUITE_P(BothShadingModes, PicturesTest, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Shadow" : "Cel"; });

// The brightest pixel of letter i of the chalk text in play, in the picture.
test::Rgb brightestOfLetter(const test::Frame& frame, const scene::Text3D& text, int i) {
    test::Rgb best;
    for (float u = 0.2f; u < 0.8f; u += 0.1f) {
        for (float v = 0.1f; v < 0.9f; v += 0.1f) {
            int x = 0;
            int y = 0;
            const glm::vec3 world(text.modelMatrix * glm::vec4(static_cast<float>(i) + u, v, 0.0f, 1.0f));
            if (test::pixelOf(world, x, y) && frame.at(x, y).brightness() > best.brightness()) {
                best = frame.at(x, y);
            }
        }
    }
    return best;
}

TEST(TypedLetters, ShowInFreshChalkAndAMistakeFlashesTheWord) {
    for (bool shadowShading : {true, false}) {
        SCOPED_TRACE(shadowShading ? "shadow" : "cel");
        test::GameSession game(firstFrameGame(shadowShading));
        for (char letter : {'C', 'H'}) {
            game.keyboard.tap(letter);
        }
        game.frames(1);
        const scene::Text3D& text = *app::gameState.level->evenText;
        test::Frame frame = test::redrawAndCapture();
        const test::Rgb typed = brightestOfLetter(frame, text, 0);
        const test::Rgb waiting = brightestOfLetter(frame, text, 3);
        EXPECT_GT(typed.brightness(), waiting.brightness() + 60);
        EXPECT_LT(typed.b * 10, typed.r * 8) << "typed chalk is warm";
        EXPECT_GT(waiting.b * 10, waiting.r * 8) << "chalk still to type is plain";
        game.keyboard.tap('Q');
        game.frames(1);
        frame = test::redrawAndCapture();
        for (int i : {0, 3}) {
            const test::Rgb flash = brightestOfLetter(frame, text, i);
            EXPECT_GT(flash.r, 2 * flash.g) << "letter " << i << " flashes red";
        }
        game.frames(30);  // after the flash the word shows restarted
        EXPECT_LT(brightestOfLetter(test::redrawAndCapture(), text, 0).brightness(), typed.brightness() - 60);
    }
}

// The grey value of the shadow map file where the light sees a world point.
int shadowMapValue(const io::Image& map, const glm::vec3& light, const glm::vec3& world) {
    const glm::vec4 clip = render::lightViewProjection(light) * glm::vec4(world, 1.0f);
    const int x = static_cast<int>((clip.x / clip.w * 0.5f + 0.5f) * 1024.0f);
    const int y = static_cast<int>((clip.y / clip.w * 0.5f + 0.5f) * 1024.0f);
    EXPECT_TRUE(x >= 0 && x < 1024 && y >= 0 && y < 1024);
    return map.rgba[(static_cast<std::size_t>(y) * 1024u + static_cast<std::size_t>(x)) * 4u];
}

TEST(Shadows, TheShadowMapShowsTheBoyAndTheBoardAndHisShadowShadesTheFloorBehindHim) {
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
}

TEST(ShaderProgram, APairThatCannotBeBuiltSaysWhyAndLeavesNothingBehind) {
    test::ensureGlContext(320, 180);  // the pictures' size, whichever test opens the window
    test::TempDir dir;
    const std::string vertex = "#version 330 core\nin vec3 position;\nout vec3 shade;\n"
                               "void main() { shade = position; gl_Position = vec4(position, 1.0); }\n";
    // Each stage compiles, but they disagree on the type of the value passed between them.
    const std::string mismatched = "#version 330 core\nin vec4 shade;\nout vec4 fragColor;\n"
                                   "void main() { fragColor = shade; }\n";
    test::writeFile(dir.file("good.vert"), vertex);
    test::writeFile(dir.file("empty.frag"), "");
    test::writeFile(dir.file("mismatched.frag"), mismatched);
    struct Case {
        std::string vertex, fragment, message;
        bool hasLog;
    };
    const Case cases[] = {
        {dir.file("missing.vert"), dir.file("missing.frag"), "Failed to open shader file: " + dir.file("missing.vert"),
         false},
        {dir.file("good.vert"), dir.file("empty.frag"), "Failed to compile shader", true},
        {dir.file("good.vert"), dir.file("mismatched.frag"), "Failed to link shader program", true},
    };
    const test::GlObjectCounts before = test::countGlObjects();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const io::Result<gl::ShaderProgram> program = gl::ShaderProgram::load(io::DataFolder(), c.vertex, c.fragment);
        ASSERT_FALSE(program.ok());
        EXPECT_EQ(program.reason(), c.message);
        // The driver's log follows compile and link failures.
        EXPECT_EQ(program.failure().detail.has_value(), c.hasLog);
        EXPECT_EQ(program.failure().detail.value_or("").empty(), !c.hasLog);
    }
    EXPECT_TRUE(test::countGlObjects() == before);
}

}  // namespace
