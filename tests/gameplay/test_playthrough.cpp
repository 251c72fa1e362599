// Whole games played through the real frame loop with the scripted keyboard
// and a clock at 60 frames per second.
#include <gtest/gtest.h>

#include <algorithm>

#include "GameSession.h"
#include "app/GameState.h"
#include "gameplay/MovementState.h"
#include "gameplay/ScriptedTypist.h"
#include "gameplay/WordState.h"
#include "level/Level.h"
#include "scene/Player.h"

namespace {

using namespace brindlemoor;

// Every kind of block, on a corridor that never runs through itself.
const std::vector<std::string> kEveryBlock = {"DD", "<", "PW", ">", "WP", "-", "DP",
                                              "PD", ">", "PP", "+", "WP", "PP"};


struct Observed {
    float lowestY = 0.0f;
    float highestYAfterLowest = -100.0f;
    int cornerWalks = 0;
    int stairsWalks = 0;
};

TEST(Playthrough, AQuickTypistPassesEveryBoardCornerAndStairAndStartsANewGame) {
    test::GameSession game(test::GameOptions::small(kEveryBlock, true, {"CAT", "HOUSE", "GARDEN", "BOOK"}));
    app::GameState& state = app::gameState;
    const auto games = game.session.gamesStarted;
    const int boards = static_cast<int>(state.level->blackboards.size());
    ASSERT_EQ(boards, 9);
    const std::size_t wordsPerGame = gameplay::wordState.wordList.size();

    gameplay::ScriptedTypist typist(12);  // five letters a second
    Observed seen;
    std::string printed;
    int previousPhase = 0;
    const bool restarted = game.runUntil(
        [&] {
            if (game.session.gamesStarted != games) {
                return true;
            }
            if (!state.newGamePending) {
                typist.act(game.keyboard);
            }
            const int phase = gameplay::movementState.transitionPhase;
            if (previousPhase == 0 && phase == 1) {
                const scene::TypeCode code = gameplay::movementState.transitionObject->getTypeCode();
                (code == scene::TypeCode::StairsDown ? seen.stairsWalks : seen.cornerWalks) += 1;
            }
            previousPhase = phase;
            seen.lowestY = std::min(seen.lowestY, state.player->position.y);
            if (seen.lowestY < -17.0f) {
                seen.highestYAfterLowest = std::max(seen.highestYAfterLowest, state.player->position.y);
            }
            return false;
        },
        60 * 240, &printed);
    ASSERT_TRUE(restarted) << "no new game; the player stands at " << state.player->position.x << " "
                           << state.player->position.y << " " << state.player->position.z;

    EXPECT_EQ(seen.cornerWalks, 3);
    EXPECT_EQ(seen.stairsWalks, 1);
    EXPECT_LT(seen.lowestY, -17.0f);               // down the stairs
    EXPECT_GT(seen.highestYAfterLowest, -0.5f);    // and up again
    // No bounce: the final board showed one point per board passed.
    EXPECT_NE(printed.find("setting up a new game\n"), std::string::npos);
    EXPECT_EQ(printed.find("blackboard...!!!"), std::string::npos);
    EXPECT_NE(printed.find("stairs up!!!"), std::string::npos);
    // At the fixed pace nothing of the adaptive one shows.
    EXPECT_TRUE(test::linesStarting(printed, "Pace: ").empty());
    EXPECT_EQ(test::linesStarting(printed, "Game stats: ").at(0).find(", pace"), std::string::npos);

    // The frame that started the new game drew nothing; the new game is fresh.
    EXPECT_EQ(state.lightsFloor, -1);
    EXPECT_FALSE(gameplay::movementState.godMode);
    EXPECT_FALSE(state.newGamePending);
    EXPECT_FALSE(state.walking);
    EXPECT_EQ(state.level->score, 0);
    EXPECT_EQ(gameplay::wordState.wordList.size(), wordsPerGame);  // read again, afresh
    EXPECT_EQ(state.player->position, glm::vec3(0.0f));
    EXPECT_EQ(state.eye, glm::vec3(0.0f, 2.25f, 6.0f));
}

TEST(Playthrough, SidestepsAreStoppedByTheWalls) {
    test::GameSession game(test::GameOptions::small({"DD", "PP"}));
    game.keyboard.press(platform::key::Right);
    game.frames(60 * 3);  // 15 units to the right, if nothing stopped him
    game.keyboard.release(platform::key::Right);
    EXPECT_LT(app::gameState.player->boxUpper.x, 5.2f);
    EXPECT_GT(app::gameState.player->position.x, 3.0f);
    game.keyboard.press(platform::key::Left);
    game.frames(60 * 4);
    EXPECT_GT(app::gameState.player->boxLower.x, -5.2f);
    EXPECT_LT(app::gameState.player->position.x, -3.0f);
}

}  // namespace
