// The timed frame loop: the frame counter once a second, silent while off.
#include <gtest/gtest.h>

#include "GameSession.h"
#include "app/GameState.h"

namespace {

using namespace brindlemoor;

std::vector<std::string> counterLines(const std::string& printed) {
    std::vector<std::string> counted;
    for (const std::string& line : test::lines(printed)) {
        if (line.rfind("FPS: ", 0) == 0) counted.push_back(line);
    }
    return counted;
}

TEST(FrameLoop, TheCounterPrintsFiftyNineOnceASecondAtSixtyFramesAndNothingWhileOff) {
    test::GameOptions options;
    options.levelCodes = {"PP"};
    test::GameSession session(options);
    EXPECT_TRUE(counterLines(session.frames(120)).empty());
    app::gameState.showFps = true;
    const std::vector<std::string> printed = counterLines(session.frames(60 * 3));
    // The frame that completes the second is not counted; rounding of the
    // summed 1/60 steps may add one.
    ASSERT_GE(printed.size(), 2u);
    ASSERT_LE(printed.size(), 3u);
    for (const std::string& line : printed) {
        EXPECT_TRUE(line == "FPS: 59" || line == "FPS: 60") << line;
    }
}

}  // namespace
