// How the game answers the player: letters in the order pressed at any frame
// rate, the pause, frames that stall, sleeps that are not motion, a window
// that changes size.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>

#include "GameSession.h"
#include "GlTestEnvironment.h"
#include "app/GameState.h"
#include "gameplay/WordState.h"
#include "level/Level.h"
#include "platform/KeyboardAndClock.h"
#include "platform/Window.h"
#include "scene/Blackboard.h"
#include "scene/Player.h"

namespace {

using namespace brindlemoor;
namespace key = platform::key;

class PlayFeel : public testing::Test {
protected:
    void SetUp() override { test::ensureGlContext(320, 180); }
    static test::GameOptions game(std::vector<std::string> codes, std::vector<std::string> words) {
        test::GameOptions o = test::GameOptions::small(std::move(codes));
        o.words = std::move(words);
        return o;
    }
    // Runs frames at `fps` for `seconds` of game time.
    static std::string run(test::GameSession& session, double fps, double seconds) {
        for (double t = 0.0; t < seconds; t += 1.0 / fps) {
            session.clock.advance(1.0 / fps);
            app::runFramePass(session.session);
        }
        return session.printed.take();
    }
};

TEST_F(PlayFeel, AFastTypistsOverlappingPressesTypeEveryWordAtAnyFrameRate) {
    for (double fps : {5.0, 60.0}) {
        SCOPED_TRACE(fps);
        test::GameSession session(game({"DD", "PP", "PP"}, {"GARDEN"}));
        // Each key goes down 80 ms after the last and is held 140 ms, so the next
        // key is down before the last comes up (150 words a minute).
        struct Event {
            double at;
            char letter;
            bool down;
        };
        std::vector<Event> events;
        const std::string word = "GARDEN";
        for (std::size_t i = 0; i < word.size(); ++i) {
            events.push_back({0.08 * i, word[i], true});
            events.push_back({0.08 * i + 0.14, word[i], false});
        }
        std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.at < b.at; });
        const double start = session.clock.now();
        std::string printed;
        for (const Event& e : events) {
            while (session.clock.now() - start + 1.0 / fps <= e.at) {
                printed += run(session, fps, 1.0 / fps);
            }
            e.down ? session.keyboard.press(e.letter) : session.keyboard.release(e.letter);
        }
        printed += run(session, fps, 0.5);
        EXPECT_NE(printed.find("Word 'GARDEN' complete!"), std::string::npos) << printed;
    }
}

TEST_F(PlayFeel, PauseFreezesTheGameAndTakesNoLettersUntilItResumes) {
    test::GameSession session(game({"DD", "PP", "PP"}, {"CAT", "DOG"}));
    ASSERT_TRUE(session.typeUntil(6, [] { return app::gameState.walking; }, 600));
    const glm::vec3 at = app::gameState.player->position;
    session.keyboard.tap(key::F1);
    EXPECT_EQ(session.frames(1), "Paused\n");
    for (char letter : gameplay::wordState.currentWord) {
        session.keyboard.tap(letter);
        session.keyboard.press(key::Left);
        session.frames(30);
    }
    EXPECT_EQ(app::gameState.player->position, at);
    EXPECT_EQ(gameplay::wordState.typedCount, 0);
    session.keyboard.releaseAll();
    session.keyboard.tap(key::Pause);
    EXPECT_EQ(session.frames(1), "Resumed\n");
    session.frames(1);  // the paused time never reaches the time step: one frame's walk
    EXPECT_NEAR(app::gameState.player->position.z, at.z - 2 * 5.0f / 60.0f, 1e-3f);
    session.keyboard.focus(false);  // lost and found again at once, as some windows do when they open
    session.keyboard.focus(true);
    EXPECT_EQ(session.frames(1), "");
    session.keyboard.focus(false);  // another window takes the focus
    EXPECT_EQ(session.frames(1), "Paused\n");
    EXPECT_TRUE(app::gameState.paused);
}

// Whatever the pace and the frame rate, the boy bumps into the board he
// reaches before its word is typed: pushed back 5 from where he touched it,
// a point lost, and he stands until the word is typed.
TEST_F(PlayFeel, NoFrameCarriesTheBoyThroughABoardAtAnyPaceAndFrameRate) {
    struct Case {
        double pace;  // units a second; the design's is the fixed pace
        double fps;
    } cases[] = {{5, 60}, {5, 1.0 / 3.0}, {30, 1.0 / 3.0}, {30, 10}, {30, 60}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pace << " units a second at " << c.fps << " frames a second");
        test::GameOptions options = game({"DD", "PP", "PP"}, {"CAT", "DOG"});
        options.prepare = [&c](app::Session& s) {
            s.settings.adaptivePace = c.pace != 5;
            s.statistics.past().paces = {c.pace};
        };
        test::GameSession session(options);
        ASSERT_TRUE(session.typeUntil(6, [] { return app::gameState.walking; }, 600));
        ASSERT_EQ(app::gameState.moveSpeed, static_cast<float>(c.pace));
        const scene::Blackboard& board = *app::gameState.level->blackboards[1];
        std::string printed;
        for (int i = 0; i < 600 && app::gameState.walking; ++i) {
            printed += run(session, c.fps, 1.0 / c.fps);
            ASSERT_GT(app::gameState.player->boxLower.z, board.boxLower.z) << "walked through the board";
        }
        EXPECT_NE(printed.find("blackboard...!!! currentPos: "), std::string::npos);
        const float z = app::gameState.player->position.z;
        EXPECT_GT(z - board.boxUpper.z, 4.7f);
        EXPECT_LT(z - board.boxUpper.z, 5.4f);
        EXPECT_EQ(app::gameState.level->score, 0);  // one for the first board, one lost
        run(session, 60, 1.0);
        EXPECT_EQ(app::gameState.player->position.z, z);
    }
}

TEST_F(PlayFeel, TimeTheGameSleepsIsNotMotionTime) {
    test::GameSession session(game({"PP"}, {"CAT"}));  // one board, then the final board
    ASSERT_TRUE(session.typeUntil(6, [] { return app::gameState.newGamePending; }, 600));
    session.keyboard.press(key::Right);
    const auto games = session.session.gamesStarted;
    ASSERT_TRUE(session.runUntil([&] { return session.session.gamesStarted != games; }, 60 * 20));
    session.frames(1);  // after the 3 s the restart sleeps: one frame's step, not 3 s worth
    EXPECT_NEAR(app::gameState.player->position.x, 5.0f / 60.0f, 1e-3f);
}

TEST_F(PlayFeel, TheViewportAndProjectionFollowTheWindowsSize) {
    test::GameSession session(game({"DD", "PP"}, {"CAT"}));
    platform::setWindowSize(200, 150);
    session.frames(2);
    EXPECT_EQ(app::gameState.width, 200);
    EXPECT_EQ(app::gameState.height, 150);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 200);
    float projection[16] = {};
    const GLuint program = app::gameState.sceneProgram->programHandle();
    glGetUniformfv(program, glGetUniformLocation(program, "projectionMatrix"), projection);
    EXPECT_NEAR(projection[5] / projection[0], 200.0f / 150.0f, 1e-4f);  // the aspect of the window
    platform::setWindowSize(320, 180);
    session.frames(2);
}

}  // namespace

namespace {

// Keys sent to the test's own window by another program while the game waits
// (after a bump, on stairs up, around a restart): each keeps the time it came.
TEST(PressTimes, KeysTypedDuringAWaitKeepTheirOwnTimes) {
    test::ensureGlContext(320, 180);
    const test::CommandResult window = test::runCommand("xdotool search --pid " + std::to_string(getpid()));
    ASSERT_EQ(window.exitStatus, 0) << window.output;
    const std::string id = test::lines(window.output).at(0);
    test::runCommand("(for k in d o g; do " BRINDLEMOOR_SEND_KEYS " " + id + " $k; sleep 0.4; done) >/dev/null 2>&1 &");
    platform::KeyboardAndClock input;
    std::vector<platform::KeyEvent> presses;
    for (int wait = 0; wait < 50 && presses.size() < 3; ++wait) {
        input.sleep(0.2);
        for (const platform::KeyEvent& event : input.takeInput().events) {
            if (event.pressed && event.letter != 0) presses.push_back(event);
        }
    }
    ASSERT_EQ(presses.size(), 3u);
    EXPECT_EQ(std::string() + presses[0].letter + presses[1].letter + presses[2].letter, "DOG");
    for (std::size_t i = 1; i < presses.size(); ++i) {
        EXPECT_GT(presses[i].time - presses[i - 1].time, 0.25) << "taken together, not as typed";
        EXPECT_TRUE(presses[i].timeKnown);
    }
}

}  // namespace
