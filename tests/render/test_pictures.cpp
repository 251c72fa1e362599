// The first frame of a fixed level in both shading modes: where things stand,
// and a comparison with committed reference pictures; and frames along a walk
// through a corner and down the stairs, looking back as god mode can, and with
// the short far plane, the same with culling and without.
#include <gtest/gtest.h>

#include <cstdlib>

#include <glm/gtc/matrix_transform.hpp>

#include "FrameCapture.h"
#include "GameSession.h"
#include "app/GameState.h"
#include "gameplay/MovementState.h"
#include "level/Level.h"
#include "platform/Keys.h"
#include "scene/Text3D.h"

namespace {

using namespace brindlemoor;

test::GameOptions firstFrameGame(bool shadowShading) {
    test::GameOptions o = test::GameOptions::small({"DW", "PP", "<", "WD"}, shadowShading);
    o.words = {"CHALK"};
    return o;
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
    ASSERT_TRUE(test::readRgbTga(reference, expected)) << reference;
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

}  // namespace

namespace {

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

}  // namespace
