// The game keeps its history: a finished game is written when its last word
// is typed, with its figures, and a process killed in the middle of the next
// game loses nothing written before it.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "GameSession.h"
#include "app/GameState.h"
#include "stats/History.h"

namespace brindlemoor::test {
namespace {

TEST(GameHistory, AFinishedGameIsWrittenAndSurvivesAKillInTheNextGame) {
    TempDir dir;
    const std::string file = dir.file("history.db");
    // A process of its own (this one has no window yet, so the child opens
    // its display afresh): C, X (a mistake), C, A, T; the walk into the final
    // board starts a second game, in which the process is killed.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        GameOptions options = GameOptions::small({"PP"});
        options.history = file;
        GameSession session(options);
        for (char letter : std::string("CXCAT")) {
            session.keyboard.tap(letter);
            session.frames(6);
        }
        const bool finished = app::gameState.newGamePending;
        const auto games = session.session.gamesStarted;
        session.runUntil([&] { return session.session.gamesStarted != games; }, 60 * 30);
        session.frames(30);
        if (!finished || session.session.gamesStarted == games) {
            _exit(3);
        }
        kill(getpid(), SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "exit " << WEXITSTATUS(status);
    CapturedOutput printed;
    stats::History history(file, printed);
    const auto loaded = history.load();
    ASSERT_TRUE(loaded) << printed.take();
    const stats::HistoryData& data = loaded.value();
    ASSERT_EQ(data.games.size(), 1u);
    EXPECT_DOUBLE_EQ(data.games[0].accuracy, 80.0) << "4 of 5 letters right";
    EXPECT_EQ(data.letters['A' - 'A'].mistyped, 1);  // the letter missed
    EXPECT_EQ(data.letters['A' - 'A'].typedInstead['X' - 'A'], 1);
}

}  // namespace
}  // namespace brindlemoor::test
