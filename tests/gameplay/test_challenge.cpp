// The challenge fitted to the player, played through the real frame loop with
// a scripted typist: the pace follows the typist, a corridor played before is
// raced by a ghost of its best run, and the corridor of the day is the date's.
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "GameSession.h"
#include "app/Challenge.h"
#include "app/GameState.h"
#include "gameplay/WordState.h"
#include "session/Recording.h"
#include "scene/Player.h"

namespace {

using namespace brindlemoor;

class Challenge : public testing::Test {
protected:
    static test::GameOptions game(std::function<void(app::Session&)> prepare) {
        // Fourteen straight blocks and words of five letters.
        test::GameOptions o = test::GameOptions::small(std::vector<std::string>(14, "PP"), true,
                                                       {"HOUSE", "TABLE", "WATER", "PAPER", "CHAIR", "LIGHT"});
        o.prepare = std::move(prepare);
        return o;
    }

    // Types every word, a letter every `framesPerLetter` frames, until the
    // last word is done; what the game printed. (That no pace carries the boy
    // through a board is the play feel's test.)
    static std::string playToTheLastWord(test::GameSession& session, int framesPerLetter) {
        std::string printed;
        const auto done = [] { return app::gameState.newGamePending; };
        EXPECT_TRUE(session.typeUntil(framesPerLetter, done, 60 * 400, &printed)) << printed;
        return printed;
    }

    // The one line of `printed` that begins with `prefix` ("Game stats: ", "Ghost: ").
    static std::string onlyLine(const std::string& printed, const std::string& prefix) {
        const std::vector<std::string> found = test::linesStarting(printed, prefix);
        EXPECT_EQ(found.size(), 1u) << printed;
        return found.empty() ? "" : found[0];
    }
};

TEST_F(Challenge, ThePaceFollowsTheTypist) {
    struct Case {
        const char* typist;
        double fps;
        int framesPerLetter;
        float slowest, fastest;
    } cases[] = {
        {"150 wpm", 60, 5, 10.0f, 30.0f},
        {"a letter every 1.5 s", 10, 15, 2.5f, 4.99f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typist);
        test::GameSession session(game([&](app::Session& s) { s.settings.adaptivePace = true; }));
        session.frameSeconds = 1.0 / c.fps;
        const std::string printed = session.setUpOutput + playToTheLastWord(session, c.framesPerLetter);
        const float speed = app::gameState.moveSpeed;
        EXPECT_GE(speed, c.slowest);
        EXPECT_LE(speed, c.fastest);
        const std::vector<std::string> paces = test::linesStarting(printed, "Pace: ");
        const std::string stats = onlyLine(printed, "Game stats: ");
        // A line at the start and at every change, the last one the pace the game ended at.
        ASSERT_GE(paces.size(), 2u);
        EXPECT_EQ(paces.back(), "Pace: " + gameplay::paceFigure(speed));
        EXPECT_EQ(stats.substr(stats.rfind(", pace ")), ", pace " + gameplay::paceFigure(speed));
    }
}

TEST_F(Challenge, TheCorridorOfTheDayIsTheDatesAllDay) {
    auto firstGame = [this](const std::string& date) {
        test::GameSession session(game([&](app::Session& s) {
            app::gameState.levelLength = 14;
            app::playDaily(s, date);
        }));
        const std::string& printed = session.setUpOutput;
        EXPECT_NE(printed.find("Corridor of the day " + date + ": 14 blocks\n"), std::string::npos);
        // The random layout's line (every one starts at "DD") and the first word.
        return test::linesStarting(printed, "DD - ").at(0) + test::linesStarting(printed, "New word is: ").at(0);
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
    // Into the final board at ten frames a second, and the next game is set up.
    const std::uint64_t games = session.session.gamesStarted;
    std::string setUp;
    session.frameSeconds = 0.1;
    EXPECT_TRUE(session.runUntil([&] { return session.session.gamesStarted != games; }, 10 * 120, &setUp));
    session.frameSeconds = 1.0 / 60.0;
    const std::string ghost = onlyLine(setUp, "Ghost: ");
    EXPECT_EQ(ghost.rfind("Ghost: your best run here, played earlier this session: score ", 0), 0u) << ghost;
    // The same words again, 3 s later: the ghost walks ahead meanwhile.
    session.frames(60);
    const std::optional<render::GhostView> view = app::ghostView(session.session);
    ASSERT_TRUE(view);
    EXPECT_LT(view->placement[3].z, app::gameState.player->position.z - 1.0f);
    EXPECT_NE(view->pose.parts, scene::BoyPose().parts) << "it walks, it does not slide";
    session.frames(120);
    const std::string stats = onlyLine(playToTheLastWord(session, 6), "Game stats: ");
    const std::size_t at = stats.rfind(", ghost +");
    ASSERT_NE(at, std::string::npos) << stats;
    EXPECT_GE(std::atof(stats.c_str() + at + 9), 2.0) << stats;
}

// A ghost read back whole races (above); one whose walk was damaged in the
// history is named as such and not raced. (Every kind of damage the walk's
// reader refuses is tried with the reader.)
TEST_F(Challenge, AGhostWhoseWalkCannotBeReadIsNotRaced) {
    gameplay::Walk walk;
    for (int i = 0; i < 200; ++i) {
        walk.points.push_back({glm::vec3(0.0f, 0.0f, -0.5f * static_cast<float>(i)), 0});
    }
    app::GhostRun run{1700000000, 6, 19.9, gameplay::encodeWalk(walk), false};
    run.walk[run.walk.size() / 2] ^= 0x10;
    test::GameSession session(game([&](app::Session& s) {
        app::gameState.levelLength = 6;
        app::playDaily(s, "2026-12-07");
        s.challenge.ghosts[app::corridorKey(s, 0)] = run;
    }));
    EXPECT_NE(onlyLine(session.setUpOutput, "Ghost: ").find("cannot be read"), std::string::npos);
    session.frames(60);
    EXPECT_FALSE(app::ghostView(session.session));
    EXPECT_EQ(onlyLine(playToTheLastWord(session, 6), "Game stats: ").find(", ghost "), std::string::npos);
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
        const std::string ghost = onlyLine(second.setUpOutput, "Ghost: ");
        EXPECT_EQ(ghost.rfind("Ghost: your best run here, played 20", 0), 0u) << ghost;
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
