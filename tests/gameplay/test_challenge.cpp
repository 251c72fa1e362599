// The challenge fitted to the player, played through the real frame loop with
// a scripted typist: the pace follows the typist, a corridor played before is
// raced by a ghost of its best run, and the corridor of the day is the date's.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <tuple>

#include "GameSession.h"
#include "GlTestEnvironment.h"
#include "app/Challenge.h"
#include "app/GameState.h"
#include "gameplay/WordState.h"
#include "level/Level.h"
#include "session/Recording.h"
#include "scene/Blackboard.h"
#include "scene/Player.h"

namespace {

using namespace brindlemoor;

const std::vector<std::string> kStraightBlocks(14, "PP");
const std::vector<std::string> kFiveLetterWords = {"HOUSE", "TABLE", "WATER", "PAPER", "CHAIR", "LIGHT"};

class Challenge : public testing::Test {
protected:
    void SetUp() override { test::ensureGlContext(320, 180); }

    static test::GameOptions game(std::function<void(app::Session&)> prepare) {
        test::GameOptions o = test::GameOptions::small(kStraightBlocks);
        o.words = kFiveLetterWords;
        o.prepare = std::move(prepare);
        return o;
    }

    // Types every word, a letter every `framesPerLetter` frames, until the
    // last word is done; on a straight corridor, checks at every frame that
    // the boy has not gone through the board in play. What the game printed.
    static std::string playToTheLastWord(test::GameSession& session, int framesPerLetter, bool straight = false) {
        const app::GameState& state = app::gameState;
        std::string printed;
        const bool done = session.typeUntil(
            framesPerLetter,
            [&] {
                const auto& board = *state.level->blackboards[static_cast<std::size_t>(state.level->currentBlackboard)];
                EXPECT_TRUE(!straight || state.player->boxLower.z > board.boxLower.z) << "walked through board "
                                                                      << state.level->currentBlackboard;
                return state.newGamePending;
            },
            60 * 400, &printed);
        EXPECT_TRUE(done) << printed;
        return printed;
    }

    static std::vector<std::string> linesStarting(const std::string& text, const std::string& prefix) {
        std::vector<std::string> found;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind(prefix, 0) == 0) {
                found.push_back(line);
            }
        }
        return found;
    }

    // Walks into the final board at ten frames a second and sets up the next
    // game; what it printed.
    static std::string nextGame(test::GameSession& session) {
        const std::uint64_t games = session.session.gamesStarted;
        std::string printed;
        session.frameSeconds = 0.1;
        EXPECT_TRUE(session.runUntil([&] { return session.session.gamesStarted != games; }, 10 * 120, &printed));
        session.frameSeconds = 1.0 / 60.0;
        return printed;
    }
};

TEST_F(Challenge, ThePaceFollowsTheTypist) {
    struct Case {
        const char* typist;
        bool adaptive;
        double fps;
        int framesPerLetter;
        float slowest, fastest;
    } cases[] = {
        {"150 wpm, fixed pace", false, 60, 5, 5.0f, 5.0f},
        {"150 wpm", true, 60, 5, 10.0f, 30.0f},
        {"a letter every 1.5 s", true, 10, 15, 2.5f, 4.99f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typist);
        test::GameSession session(game([&](app::Session& s) { s.settings.adaptivePace = c.adaptive; }));
        session.frameSeconds = 1.0 / c.fps;
        const std::string printed = session.setUpOutput + playToTheLastWord(session, c.framesPerLetter, true);
        const float speed = app::gameState.moveSpeed;
        EXPECT_GE(speed, c.slowest);
        EXPECT_LE(speed, c.fastest);
        const std::vector<std::string> paces = linesStarting(printed, "Pace: ");
        const std::vector<std::string> stats = linesStarting(printed, "Game stats: ");
        ASSERT_EQ(stats.size(), 1u);
        if (!c.adaptive) {
            EXPECT_TRUE(paces.empty()) << paces[0];
            EXPECT_NE(stats[0].find(", level length 14", stats[0].size() - 17), std::string::npos) << stats[0];
            continue;
        }
        // A line at the start and at every change, the last one the pace the game ended at.
        ASSERT_GE(paces.size(), 2u);
        EXPECT_EQ(paces.back(), "Pace: " + gameplay::paceFigure(speed));
        EXPECT_EQ(stats[0].substr(stats[0].rfind(", pace ")), ", pace " + gameplay::paceFigure(speed));
    }
}

TEST_F(Challenge, TheCorridorOfTheDayIsTheDatesAllDay) {
    auto firstGame = [this](const std::string& date) {
        test::GameSession session(game([&](app::Session& s) {
            app::gameState.levelLength = 14;
            app::playDaily(s, date);
        }));
        std::istringstream lines(session.setUpOutput);
        std::string line, layout, word;
        while (std::getline(lines, line)) {
            if (line.rfind("Printing rand level:", 0) == 0) std::getline(lines, layout);
            if (word.empty() && line.rfind("New word is: ", 0) == 0) word = line;
        }
        EXPECT_NE(session.setUpOutput.find("Corridor of the day " + date + ": 14 blocks\n"), std::string::npos);
        return layout + " " + word;
    };
    const std::string day = firstGame("2026-12-07");
    EXPECT_EQ(firstGame("2026-12-07"), day);
    EXPECT_NE(firstGame("2026-12-08"), day);
}

TEST_F(Challenge, ARetryOfTheDayRacesTheBestRun) {
    test::GameSession session(game([](app::Session& s) {
        app::gameState.levelLength = 6;
        app::playDaily(s, "2026-12-07");
    }));
    const std::string first = playToTheLastWord(session, 6);
    const std::string setUp = nextGame(session);
    const std::vector<std::string> ghost = linesStarting(setUp, "Ghost: ");
    ASSERT_EQ(ghost.size(), 1u) << setUp;
    EXPECT_EQ(ghost[0].rfind("Ghost: your best run here, played earlier this session: score ", 0), 0u) << ghost[0];
    // The same words again, 3 s later: the ghost walks ahead meanwhile.
    session.frames(60);
    const std::optional<render::GhostView> view = app::ghostView(session.session);
    ASSERT_TRUE(view);
    EXPECT_LT(view->placement[3].z, app::gameState.player->position.z - 1.0f);
    EXPECT_NE(view->pose.parts, scene::BoyPose().parts) << "it walks, it does not slide";
    session.frames(120);
    const std::vector<std::string> stats = linesStarting(playToTheLastWord(session, 6), "Game stats: ");
    ASSERT_EQ(stats.size(), 1u);
    const std::size_t at = stats[0].rfind(", ghost +");
    ASSERT_NE(at, std::string::npos) << stats[0];
    EXPECT_GE(std::atof(stats[0].c_str() + at + 9), 2.0) << stats[0];
}

TEST_F(Challenge, AGhostWhoseWalkCannotBeReadIsNotRaced) {
    struct Case {
        const char* walk;
        bool damaged;
    } cases[] = {{"as it was kept", false}, {"with a bit flipped", true}, {"cut short", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.walk);
        gameplay::Walk walk;
        for (int i = 0; i < 200; ++i) {
            walk.points.push_back({glm::vec3(0.0f, 0.0f, -0.5f * static_cast<float>(i)), 0});
        }
        app::GhostRun run{1700000000, 6, 19.9, gameplay::encodeWalk(walk), false};
        if (c.damaged && std::string(c.walk) == "cut short") {
            run.walk.resize(run.walk.size() / 2);
        } else if (c.damaged) {
            run.walk[run.walk.size() / 2] ^= 0x10;
        }
        test::GameSession session(game([&](app::Session& s) {
            app::gameState.levelLength = 6;
            app::playDaily(s, "2026-12-07");
            s.challenge.ghosts[app::corridorKey(s, 0)] = run;
        }));
        const std::vector<std::string> ghost = linesStarting(session.setUpOutput, "Ghost: ");
        ASSERT_EQ(ghost.size(), 1u);
        EXPECT_EQ(ghost[0].find("cannot be read") != std::string::npos, c.damaged) << ghost[0];
        session.frames(60);
        EXPECT_EQ(app::ghostView(session.session).has_value(), !c.damaged);
        const std::vector<std::string> stats = linesStarting(playToTheLastWord(session, 6), "Game stats: ");
        ASSERT_EQ(stats.size(), 1u);
        EXPECT_EQ(stats[0].find(", ghost ") != std::string::npos, !c.damaged) << stats[0];
    }
}

// Played again with the same seed in another run of the game, a corridor is
// raced by the run the history kept; a recording of that session carries the
// run and what the pace starts from, so that its replay needs no history.
TEST_F(Challenge, TheHistoryKeepsTheRunAndARecordingCarriesIt) {
    test::TempDir dir;
    test::GameOptions options = game([](app::Session& s) {
        s.options.seeded = s.seeded = true;
        s.sessionSeed = 7;
        s.settings.adaptivePace = true;
    });
    options.history = dir.file("history.sqlite3");
    {
        test::GameSession first(options);
        playToTheLastWord(first, 6);
    }
    std::string key;
    app::GhostRun raced;
    std::vector<double> paces;
    {
        test::GameSession second(options);
        const std::vector<std::string> ghost = linesStarting(second.setUpOutput, "Ghost: ");
        ASSERT_EQ(ghost.size(), 1u) << second.setUpOutput;
        EXPECT_EQ(ghost[0].rfind("Ghost: your best run here, played 20", 0), 0u) << ghost[0];
        key = second.session.challenge.corridor;
        raced = second.session.challenge.ghostRun;
        paces = second.session.statistics.past().paces;
        session::RecordingWriter writer;
        ASSERT_TRUE(writer.open(dir.file("r.rec"), {7, app::challengeHeader(second.session)}));
    }
    const io::Result<session::Recording> read = session::readRecordingFile(dir.file("r.rec"));
    ASSERT_TRUE(read) << read.reason();
    test::CapturedOutput printed;
    app::Session replay(printed, io::DataFolder());
    app::readChallengeHeader(replay, read->header.settings);
    EXPECT_EQ(replay.statistics.past().paces, paces);
    ASSERT_EQ(replay.challenge.ghosts.count(key), 1u);
    const app::GhostRun& run = replay.challenge.ghosts.at(key);
    EXPECT_EQ(std::tie(run.playedAt, run.score, run.runSeconds, run.walk),
              std::tie(raced.playedAt, raced.score, raced.runSeconds, raced.walk));
}

}  // namespace
