// Many games in a row in one process, as a long evening of play would have
// them: every game must give back all its GL objects, and resident memory must
// stay flat, the word list included, which each game reads afresh.
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "GameSession.h"
#include "GlTestEnvironment.h"
#include "app/GameState.h"
#include "app/NewGame.h"
#include "gameplay/WordState.h"

namespace {

using namespace brindlemoor;

// Games to play; the sanitizer run asks for fewer.
int gameCount() {
    const char* text = std::getenv("BRINDLEMOOR_SOAK_GAMES");
    const int games = text != nullptr ? std::atoi(text) : 0;
    return games > 0 ? games : 200;
}

long residentKilobytes() {
    long pages = 0, resident = -1;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

std::string describe(const test::GlObjectCounts& counts) {
    std::string text;
    for (std::size_t kind = 0; kind < counts.size(); ++kind) {
        text += (kind > 0 ? ", " : "") + std::string(test::kGlObjectKinds[kind]) + " " + std::to_string(counts[kind]);
    }
    return text;
}

TEST(Soak, HundredsOfNewGamesGiveBackEveryGlObjectAndKeepMemoryFlat) {
    const int games = gameCount();
    test::GameSession session(test::GameOptions::small({"PW"}));
    app::GameState& game = app::gameState;

    long residentAfterWarmUp = 0;
    test::GlObjectCounts between;     // with no game set up
    std::optional<test::GlObjectCounts> during[2];  // in play: cel, shadow
    for (int played = 0; played < games; ++played) {
        SCOPED_TRACE("game " + std::to_string(played + 1));
        const int mode = game.shadowShading ? 1 : 0;
        // Type the word: the only board before the final one lifts, and the
        // score goes up on the final board.
        std::string printed = session.frames(2);
        for (char letter : {'C', 'A', 'T'}) {
            session.keyboard.tap(letter);
            printed += session.frames(2);
        }
        ASSERT_TRUE(game.newGamePending) << printed;
        ASSERT_EQ(printed.find("GL ERROR"), std::string::npos) << printed;

        const test::GlObjectCounts playing = test::countGlObjects();
        if (!during[mode]) {
            during[mode] = playing;
        }
        EXPECT_TRUE(playing == *during[mode]) << describe(playing) << " instead of " << describe(*during[mode]);

        game.newGamePending = false;
        app::endGame(session.session);
        const test::GlObjectCounts ended = test::countGlObjects();
        if (played == 0) {
            between = ended;
        }
        ASSERT_TRUE(ended == between) << describe(ended) << " instead of " << describe(between);

        // Half the games in each shading mode, alternating.
        game.shadowShading = !game.shadowShading;
        app::setUpNewGame(session.session);
        session.printed.take();
        if (played == 9) {
            // Freed memory the allocator keeps for later is not a leak: it is
            // handed back before each reading, so only memory in use counts.
            malloc_trim(0);
            residentAfterWarmUp = residentKilobytes();  // caches and driver state filled
        }
    }
    malloc_trim(0);
    const long residentAtEnd = residentKilobytes();
    std::printf("soak: %d games; resident after 10 games %ld KiB, at the end %ld KiB\n", games, residentAfterWarmUp,
                residentAtEnd);

    EXPECT_EQ(gameplay::wordState.wordList.size(), 1u);
#ifndef __SANITIZE_ADDRESS__
    // AddressSanitizer holds freed memory back in quarantine, so only the plain
    // build can judge resident memory; the sanitizer build checks leaks itself.
    if (games > 20) {
        EXPECT_LT(residentAtEnd - residentAfterWarmUp, 8 * 1024) << "resident memory grew";
    }
#endif
}

}  // namespace
