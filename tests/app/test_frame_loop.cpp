// The timed frame loop on a manual clock: the frame counter and the end of the
// loop on Escape.
#include <gtest/gtest.h>

#include <algorithm>

#include "GlTestEnvironment.h"
#include "TestFiles.h"
#include "app/FrameLoop.h"
#include "app/GameState.h"
#include "platform/Keys.h"
#include "platform/ScriptedInput.h"

namespace {

using namespace brindlemoor;

class FrameLoopTest : public testing::Test {
protected:
    void SetUp() override {
        test::ensureGlContext();
        app::gameState = app::GameState{};
        platform::setClock(&clock);
        platform::setKeyboard(&keyboard);
        app::beginFrameLoop(loop);
    }
    void TearDown() override {
        platform::setClock(nullptr);
        platform::setKeyboard(nullptr);
        app::gameState = app::GameState{};
    }
    // Runs frames at a steady rate and returns what they printed.
    std::string runFrames(int frames, double fps) {
        return test::captureStdout([&] {
            for (int i = 0; i < frames; ++i) {
                clock.advance(1.0 / fps);
                app::runFramePass(loop);
            }
        });
    }

    platform::ManualClock clock{100.0};
    platform::ScriptedKeyboard keyboard;
    app::FrameLoop loop;
};

TEST_F(FrameLoopTest, SixtyFramesASecondPrintFiftyNineOnceASecond) {
    app::gameState.showFps = true;
    const auto printed = test::lines(runFrames(60 * 5, 60.0));
    const auto counts = std::count_if(printed.begin(), printed.end(),
                                      [](const std::string& line) { return line.rfind("FPS: ", 0) == 0; });
    EXPECT_GE(counts, 4);
    EXPECT_LE(counts, 5);
    for (const std::string& line : printed) {
        // The frame that completes the second is not counted; rounding of the
        // summed 1/60 steps may add one.
        EXPECT_TRUE(line == "FPS: 59" || line == "FPS: 60") << line;
    }
}

TEST_F(FrameLoopTest, CounterIsSilentAndFrozenWhileOff) {
    EXPECT_EQ(runFrames(200, 60.0), "");
    EXPECT_EQ(loop.fpsFrames, 0);
    EXPECT_EQ(loop.fpsTime, 0.0);
}

}  // namespace
