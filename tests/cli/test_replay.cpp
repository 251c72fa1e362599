// Recorded games played again: in the test process through the real frame
// loop, and by the real game, which keeps no history while it replays, stops
// on the player's Escape and replays a file cut short up to its last whole frame.
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "GameSession.h"
#include "TestFiles.h"
#include "app/FrameLoop.h"
#include "app/GameState.h"
#include "level/Level.h"
#include "platform/Keys.h"
#include "scene/Player.h"
#include "session/Replay.h"

namespace brindlemoor::test {
namespace {

// What a game showed: the lines its frames printed, its score, where the boy stands.
std::tuple<std::string, int, glm::vec3> outcome(GameSession& game) {
    return {game.printed.take(), app::gameState.level->score, app::gameState.player->position};
}

TEST(Replay, RecordedSessionsPlayAgainThroughTheFrameLoop) {
    namespace key = platform::key;
    struct Press {
        int frame;
        int key;
        bool down;
    };
    const struct {
        const char* name;
        std::vector<std::string> level;
        int frames;
        int typeFrom, typeUntil, framesPerLetter;  // a typist at work
        std::vector<Press> presses;
        const char* seen;  // what the game printed on the way
    } cases[] = {
        {"a sidestep, a word and a bump", {"DD", "PP", "PP"}, 600, 100, 120, 6,
         {{5, key::Right, true}, {40, key::Right, false}}, "blackboard...!!! currentPos"},
        {"a pause while typing", {"DD", "PP"}, 120, 0, 120, 5,
         {{20, key::F1, true}, {21, key::F1, false}, {80, key::F1, true}, {81, key::F1, false}}, "Paused"},
        {"a corner, stairs down and up", {"DD", "<", "-", "PP", "+", "PP"}, 1920, 0, 1920, 12, {}, "stairs up!!!"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        std::tuple<std::string, int, glm::vec3> played;
        {
            GameSession game(GameOptions::small(c.level, false));
            ASSERT_TRUE(game.session.recorder.open(dir.file("game.rec"), {}).ok());
            gameplay::ScriptedTypist typist(c.framesPerLetter);
            for (int frame = 0; frame < c.frames; ++frame) {
                for (const Press& p : c.presses) {
                    if (p.frame == frame) p.down ? game.keyboard.press(p.key) : game.keyboard.release(p.key);
                }
                if (frame >= c.typeFrom && frame < c.typeUntil) typist.act(game.keyboard);
                game.step();
            }
            game.session.recorder.finish(game.printed);
            played = outcome(game);
        }
        const io::Result<session::Recording> recording = session::readRecordingFile(dir.file("game.rec"));
        ASSERT_TRUE(recording.ok()) << recording.reason();
        GameSession game(GameOptions::small(c.level, false));
        platform::ScriptedKeyboard watcher(game.clock);
        session::replayFrames(
            recording.value(), game.keyboard, game.clock, watcher,
            [&game](double step) {
                game.session.loop.recordedStep = step;
                app::runFramePass(game.session);
                return game.session.loop.running;
            },
            game.printed);
        EXPECT_NE(std::get<0>(played).find(c.seen), std::string::npos) << c.name << "\n" << std::get<0>(played);
        EXPECT_EQ(outcome(game), played) << c.name;
    }
}

class RealGame : public testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) {
            GTEST_SKIP() << "needs a display";
        }
    }
    CommandResult replay(const std::string& file, const std::string& options = "") const {
        return runCommand("cd '" + dir.path() + "' && BRINDLEMOOR_DATA='" + sourcePath("") + "' timeout 60 '" +
                          BRINDLEMOOR_GAME_BINARY + "' --replay " + file + " " + options + " </dev/null");
    }
    TempDir dir;
};

TEST_F(RealGame, ARecordedGamePlaysAgainWithoutHistoryAndACutOneToItsLastWholeFrame) {
    writeTypedRecording(dir, "CAT", 700);  // the word, the walk to the final board, a new game
    const CommandResult whole = replay("game.rec", "--history history.sqlite3");
    EXPECT_EQ(whole.exitStatus, 0) << whole.output;
    EXPECT_NE(whole.output.find("Word 'CAT' complete!\nflip blackboard\n"), std::string::npos);
    EXPECT_NE(whole.output.find("setting up a new game\n"), std::string::npos);
    EXPECT_EQ(whole.output.find("blackboard...!!!"), std::string::npos) << "walked into the final board, not bumped";
    EXPECT_FALSE(fileExists(dir.file("history.sqlite3")) || fileExists(dir.file("recorded-history.sqlite3")))
        << "a replay keeps no history, neither the one asked for nor the recorded one";

    // Cut in the middle of a line, as a full disk leaves it: every whole frame plays.
    const std::string text = readFile(dir.file("game.rec"));
    writeFile(dir.file("cut.rec"), text.substr(0, text.find("frame 100 ") + 12));
    const CommandResult cut = replay("cut.rec");
    EXPECT_EQ(cut.exitStatus, 0) << cut.output;
    EXPECT_NE(cut.output.find("Word 'CAT' complete!\n"), std::string::npos) << cut.output;
    EXPECT_NE(cut.output.find("\nThe recording ends here: the game that made it stopped before its end\n"),
              std::string::npos) << cut.output;

    // A flipped digit: one line and status 2, at once. (Every reason the
    // reader gives, a pipe's among them, is tried with the reader.)
    std::string flipped = text;
    flipped[text.find("key 67 down C 1.5") + 16] ^= 1;  // 1.5 becomes 1.4
    writeFile(dir.file("flipped.rec"), flipped);
    const CommandResult refused = replay("flipped.rec");
    EXPECT_EQ(refused.exitStatus, 2) << refused.output;
    EXPECT_EQ(lines(refused.output).size(), 1u) << refused.output;
}

TEST_F(RealGame, EscapeEndsAReplay) {
    writeTypedRecording(dir, "", 100000);  // over 25 minutes of a boy standing still
    const std::string text = readFile(dir.file("game.rec"));
    writeFile(dir.file("game.rec"), text.substr(0, text.rfind("end ")));  // it would end with a line
    const std::string script = startGameScript("'" + std::string(BRINDLEMOOR_GAME_BINARY) + "' --replay game.rec") +
                               "xdotool windowfocus --sync \"$id\" 2>/dev/null; xdotool key --window \"$id\" Escape\n"
                               "( sleep 60; kill $pid 2>/dev/null ) >/dev/null 2>&1 &\n"
                               "wait $pid; echo \"status $?\"\n";
    writeFile(dir.file("play.sh"), script);
    const CommandResult run =
        runCommand("cd '" + dir.path() + "' && BRINDLEMOOR_DATA='" + sourcePath("") + "' bash play.sh");
    const std::string log = readFile(dir.file("game.log"));
    EXPECT_NE(run.output.find("status 0\n"), std::string::npos) << run.output << log;
    EXPECT_EQ(log.find("The recording ends here"), std::string::npos) << log;
}

}  // namespace
}  // namespace brindlemoor::test
