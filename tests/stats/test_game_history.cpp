// The real game keeps its history: a finished game is written when its last
// word is typed, with its figures shown and printed, and a game killed in the
// middle loses nothing written before it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "TestFiles.h"

namespace brindlemoor::test {
namespace {

TEST(GameHistory, AFinishedGameIsWrittenAndSurvivesAKillInTheNextGame) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs a display";
    }
    TempDir dir;
    // C, X (a mistake), C, A, T; the walk into the final board starts a second
    // game, which is still in play when the process is killed.
    writeTypedRecording(dir, "CXCAT", 40000, 7);
    const std::string game = "cd '" + dir.path() + "' || exit; BRINDLEMOOR_DATA='" + sourcePath("") + "' '" +
                             BRINDLEMOOR_GAME_BINARY + "' --history history.db";
    // Killed as soon as the second game has been set up: this game only, not
    // another suite's running beside this one.
    const CommandResult killed = runCommand(
        game + " --replay game.rec > game.out 2>&1 & pid=$!; for i in $(seq 1 600); do "
        "[ $(grep -c 'finished setting up a new game!' game.out) -ge 2 ] && break; sleep 0.1; done; "
        "kill -KILL $pid; wait $pid");
    const std::string played = readFile(dir.file("game.out"));
    ASSERT_NE(played.find("Game stats: "), std::string::npos) << played << killed.output;
    EXPECT_NE(played.find("accuracy 80.0%"), std::string::npos) << "4 of 5 letters right";
    const CommandResult report = runCommand(game + " --stats");
    EXPECT_EQ(report.exitStatus, 0);
    EXPECT_NE(report.output.find("Last 1 of 1 games:"), std::string::npos) << report.output;
    EXPECT_NE(report.output.find("  A #"), std::string::npos) << report.output;  // the letter missed
    EXPECT_NE(report.output.find("X 1"), std::string::npos) << "X typed in its place";
}

}  // namespace
}  // namespace brindlemoor::test
