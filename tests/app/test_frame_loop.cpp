// The timed frame loop: the frame counter once a second, silent while off.
#include <gtest/gtest.h>

#include "GameSession.h"
#include "app/GameState.h"

namespace {

using namespace brindlemoor;

TEST(FrameLoop, TheCounterPrintsFiftyNineOnceASecondAtSixtyFramesAndNothingWhileOff) {
    test::GameOptions options;
    options.levelCodes = {"PP"};
    test::GameSession session(options);
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

}  // namespace
