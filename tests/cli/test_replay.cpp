// A recorded game played again by the real game: the same lines and score
// every time, as fast as frames draw.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

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
    writeFile(dir.file("level.txt"), "PP\n");
    writeFile(dir.file("words.txt"), "CAT\n");
    std::ostringstream rec;
    rec << "brindlemoor recording\nversion 1\nseed 42\nsetting width=320\nsetting height=180\n"
        << "setting level=" << dir.file("level.txt") << "\nsetting wordlist=" << dir.file("words.txt")
        << "\nsetting sound=off\nsetting history=off\nframes\n";
    const int frames = 700;  // the word, the walk to the final board, a new game
    for (int f = 0; f < frames; ++f) {
        const int letter = f - 30;  // C, A, T down and up on frames 30 to 35
        const bool typing = letter >= 0 && letter < 6;
        rec << "frame " << f << " 0.016666666666666666 " << (typing ? 1 : 0) << "\n";
        if (typing) {
            rec << "key " << int("CAT"[letter / 2]) << (letter % 2 ? " up " : " down ") << "CAT"[letter / 2] << " "
                << 1.0 + f / 60.0 << "\n";
        }
    }
    rec << "end " << frames << "\n";
    writeFile(dir.file("game.rec"), rec.str());
    const std::string command = "cd '" + dir.path() + "' && BRINDLEMOOR_DATA='" + sourcePath("") + "' timeout 60 '" +
                                BRINDLEMOOR_GAME_BINARY + "' --replay game.rec </dev/null";
    const CommandResult first = runCommand(command);
    const CommandResult second = runCommand(command);
    ASSERT_EQ(first.exitStatus, 0) << first.output;
    EXPECT_EQ(gameLines(first.output), gameLines(second.output));
    EXPECT_NE(first.output.find("Word 'CAT' complete!\nflip blackboard\n"), std::string::npos);
    EXPECT_NE(first.output.find("setting up a new game\n"), std::string::npos);
    EXPECT_EQ(first.output.find("blackboard...!!!"), std::string::npos) << "walked into the final board, not bumped";
    writeFile(dir.file("game.rec"), rec.str().substr(0, 300));  // cut inside a frame
    const CommandResult cut = runCommand(command);
    EXPECT_EQ(cut.exitStatus, 2);
    EXPECT_EQ(lines(cut.output).size(), 1u) << cut.output;
}

}  // namespace
}  // namespace brindlemoor::test
