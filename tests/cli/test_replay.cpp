// A recorded game played again by the real game: the same lines and score
// every time, as fast as frames draw.
#include <gtest/gtest.h>

#include <cstdlib>

#include "TestFiles.h"

namespace brindlemoor::test {
namespace {

// Lines from the first game's set-up on (the settings come from the
// recording, not config.txt), without the frame counter.
std::string gameLines(const std::string& output) {
    std::string kept;
    for (const std::string& line : lines(output.substr(output.find("Printing read level:")))) {
        if (line.rfind("FPS: ", 0) != 0) {
            kept += line + "\n";
        }
    }
    return kept;
}

TEST(Replay, ARecordedGamePlaysAgainToTheSameLinesAndScore) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs a display";
    }
    TempDir dir;
    writeTypedRecording(dir, "CAT", 700);  // the word, the walk to the final board, a new game
    const std::string command = "cd '" + dir.path() + "' && BRINDLEMOOR_DATA='" + sourcePath("") + "' timeout 60 '" +
                                BRINDLEMOOR_GAME_BINARY + "' --replay game.rec </dev/null";
    const CommandResult first = runCommand(command);
    const CommandResult second = runCommand(command);
    ASSERT_EQ(first.exitStatus, 0) << first.output;
    EXPECT_EQ(gameLines(first.output), gameLines(second.output));
    EXPECT_NE(first.output.find("Word 'CAT' complete!\nflip blackboard\n"), std::string::npos);
    EXPECT_NE(first.output.find("setting up a new game\n"), std::string::npos);
    EXPECT_EQ(first.output.find("blackboard...!!!"), std::string::npos) << "walked into the final board, not bumped";
    writeFile(dir.file("game.rec"), readFile(dir.file("game.rec")).substr(0, 300));  // cut inside a frame
    const CommandResult cut = runCommand(command);
    EXPECT_EQ(cut.exitStatus, 2);
    EXPECT_EQ(lines(cut.output).size(), 1u) << cut.output;
}

}  // namespace
}  // namespace brindlemoor::test
