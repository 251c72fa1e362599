// The developer keys, pressed with the scripted keyboard in a running game,
// and what two of them rest on: the depth images F11 and F12 write as 8-bit
// greyscale TGA files, and the frame counter F2 shows once a second.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "FrameCapture.h"
#include "GameSession.h"
#include "GlTestEnvironment.h"
#include "TestFiles.h"
#include "TestOutput.h"
#include "app/DepthShot.h"
#include "app/GameState.h"
#include "gameplay/MovementState.h"
#include "level/Level.h"
#include "gl/Gl.h"
#include "gl/ShaderProgram.h"
#include "scene/Player.h"
#include "scene/Text3D.h"

namespace {

using namespace brindlemoor;
namespace key = platform::key;

// First, as they open the window at 1280 x 720, the size of the shots they read.
class DepthShotTest : public testing::Test {
protected:
    void SetUp() override {
        test::ensureGlContext();
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDisable(GL_SCISSOR_TEST);
        glClearDepth(1.0);
        glClear(GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT);
        test::takeGlError();
    }
    // Clears the depth of a rectangle to the near plane (black in the image).
    static void clearToNear(int x, int y, int w, int h) {
        glEnable(GL_SCISSOR_TEST);
        glScissor(x, y, w, h);
        glClearDepth(0.0);
        glClear(GL_DEPTH_BUFFER_BIT);
        glClearDepth(1.0);
        glDisable(GL_SCISSOR_TEST);
    }
    std::string shoot(int width, int height) {
        const std::string path = dir.file("shot.tga");
        app::writeDepthShot(printed, path.c_str(), width, height);
        return test::readFile(path);
    }
    test::TempDir dir;
    test::CapturedOutput printed;
};

// Uncompressed 8-bit greyscale with the origin at the lower left, so every
// TGA reader shows it upright: the bottom row first, rows without padding.
TEST_F(DepthShotTest, ShotsAreGreyscaleFromTheBottomRowUpWithoutPaddingWhateverTheWidthOrSkipped) {
    const std::string cleared = shoot(1280, 720);
    ASSERT_EQ(cleared.size(), 18u + 921600u);
    EXPECT_EQ(cleared.substr(0, 18), std::string("\0\0\3\0\0\0\0\0\0\0\0\0\0\5\xD0\2\x08\0", 18));
    EXPECT_EQ(cleared.find_first_not_of('\xFF', 18), std::string::npos);  // the far plane: white
    clearToNear(0, 0, 100, 3);  // black at the bottom left
    const std::string file = shoot(333, 7);
    ASSERT_EQ(file.size(), 18u + 333u * 7u);
    for (int row = 0; row < 7; ++row) {
        const std::string black(row < 3 ? 100 : 0, '\0');
        EXPECT_TRUE(file.substr(18 + 333 * row, 333) == black + std::string(333 - black.size(), '\xFF')) << row;
    }
    // A file that cannot be opened, or an empty picture, is skipped.
    app::writeDepthShot(printed, dir.file("no/such/folder/shot.tga").c_str(), 64, 64);
    EXPECT_FALSE(test::fileExists(dir.file("no/such/folder/shot.tga")));
    app::writeDepthShot(printed, dir.file("empty.tga").c_str(), 0, 10);
    EXPECT_FALSE(test::fileExists(dir.file("empty.tga")));
}

TEST(FrameLoop, TheCounterPrintsFiftyNineOnceASecondAtSixtyFramesAndNothingWhileOff) {
    test::GameSession session(test::GameOptions::small({"PP"}));
    EXPECT_TRUE(test::linesStarting(session.frames(120), "FPS: ").empty());
    app::gameState.showFps = true;
    const std::vector<std::string> printed = test::linesStarting(session.frames(60 * 3), "FPS: ");
    // The frame that completes the second is not counted; rounding of the
    // summed 1/60 steps may add one.
    ASSERT_GE(printed.size(), 2u);
    ASSERT_LE(printed.size(), 3u);
    for (const std::string& line : printed) {
        EXPECT_TRUE(line == "FPS: 59" || line == "FPS: 60") << line;
    }
}

// A small game past the set-up messages of its first frame.
struct StartedGame : test::GameSession {
    StartedGame() : GameSession(test::GameOptions::small({"DW", "PP"})) { frames(2); }
};

// Taps the keys before one frame and returns what that frame printed.
std::string press(test::GameSession& game, const std::vector<int>& keys) {
    for (int k : keys) {
        game.keyboard.tap(k);
    }
    return game.frames(1);
}

TEST(Toggles, EachKeyPrintsItsLineChangesItsModeAndPausesAFifthOfASecond) {
    StartedGame game;
    const app::GameState& state = app::gameState;
    const GLuint program = state.sceneProgram->programHandle();
    const auto projectionDepth = [&] {
        float m[16] = {};
        glGetUniformfv(program, glGetUniformLocation(program, "projectionMatrix"), m);
        return m[10];  // [2][2], set by the far plane
    };
    const float farPlane500 = projectionDepth();
    const auto wireframe = [] {
        GLint mode[2] = {0, 0};
        glGetIntegerv(GL_POLYGON_MODE, mode);
        return mode[0] == GL_LINE;
    };
    // Every colour texture of the scene has the filter; normal maps keep theirs.
    const auto filtered = [&](int filter) {
        bool all = test::minFilterOf(state.player->colorTexture()) == filter &&
                   test::minFilterOf(state.level->evenText->colorTexture()) == filter;
        for (const auto& object : state.level->objects) {
            all = all && test::minFilterOf(object->colorTexture()) == filter &&
                  test::minFilterOf(object->normalTexture()) == GL_LINEAR_MIPMAP_LINEAR;
        }
        return all;
    };
    const struct {
        std::vector<int> keys;
        const char* printed;
        std::function<bool()> holds;
    } presses[] = {
        {{key::F2}, "fps display on\n", [&] { return state.showFps; }},
        {{key::F2, key::F3}, "fps display off\nwireframe on\n", [&] { return !state.showFps && wireframe(); }},
        {{key::F3}, "wireframe off\n", [&] { return !wireframe(); }},
        {{key::F4}, "sampling nearest\n", [&] { return filtered(GL_NEAREST_MIPMAP_LINEAR); }},
        {{key::F4}, "sampling liniear\n", [&] { return filtered(GL_LINEAR_MIPMAP_LINEAR); }},
        {{key::F5}, "mipmap off\n", [&] { return filtered(GL_LINEAR); }},
        {{key::F5}, "mipmap nearest\n", [&] { return filtered(GL_LINEAR_MIPMAP_NEAREST); }},
        {{key::F5}, "mipmap linear\n", [&] { return filtered(GL_LINEAR_MIPMAP_LINEAR); }},
        {{key::F6}, "godmode on\n", [&] { return gameplay::movementState.godMode && state.moveSpeed == 10.0f; }},
        {{key::F6}, "godmode off\n", [&] { return !gameplay::movementState.godMode && state.moveSpeed == 5.0f; }},
        {{key::F8}, "view frustrum culling on\n", [&] { return projectionDepth() != farPlane500; }},
        {{key::F8}, "view frustrum culling off\n", [&] { return projectionDepth() == farPlane500; }},
        {{key::F9}, "flipping transparency\n", [&] { return !state.transparency; }},
        {{key::F11}, "", [] { return test::readFile("shadowmap.tga").size() == 18u + 1024u * 1024u; }},
        {{key::F12}, "", [&] {  // the window's framebuffer, whatever size the game was asked for
             return test::readFile("screenshot.tga").size() == 18u + std::size_t(state.width) * state.height;
         }},
    };
    for (const auto& p : presses) {
        const double slept = game.clock.slept();
        EXPECT_EQ(press(game, p.keys), p.printed);
        EXPECT_TRUE(p.holds()) << p.printed;
        EXPECT_NEAR(game.clock.slept() - slept, 0.2 * static_cast<double>(p.keys.size()), 1e-9) << p.printed;
    }

    // In god mode the arrows move him at double speed.
    press(game, {key::F6});
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

    // A held key acts at most once every fifth of a second.
    game.keyboard.press(key::F3);
    const double start = game.clock.now();
    std::string printed;
    game.runUntil([&] { return game.clock.now() - start >= 1.0; }, 1000, &printed);
    game.keyboard.release(key::F3);
    const auto flips = std::count(printed.begin(), printed.end(), '\n');
    EXPECT_GE(flips, 4);
    EXPECT_LE(flips, 5);
}

// Waiting at the board, where nothing else in view moves, he shows on the
// screen as he breathes and looks (a boy who does not move leaves not one
// pixel different). (That walking he steps, his footsteps heard, is the game
// sound's test.)
TEST(CelMode, HeMovesOnTheScreenWhileWaitingAndTheShadowMapKeyDoesNothing) {
    test::GameSession game(test::GameOptions::small({"DW", "PP", "PP"}, false));
    game.frames(60);  // waiting for the first word
    const test::Frame waiting = test::redrawAndCapture();
    game.frames(15);
    EXPECT_GT(test::differingShare(waiting, test::redrawAndCapture(), 0) * waiting.width * waiting.height, 20.0);
    // There is no shadow map to write, and no pause for it.
    const double slept = game.clock.slept();
    EXPECT_EQ(press(game, {key::F11}), "");
    EXPECT_FALSE(test::fileExists("shadowmap.tga"));
    EXPECT_EQ(game.clock.slept(), slept);
}

}  // namespace
