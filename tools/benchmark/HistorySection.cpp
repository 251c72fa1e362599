// The history write at the end of a game: a 99-board game with mistakes on
// many letters, written after the start-of-game checkpoint as the game does.
#include <filesystem>
#include <string>

#include "Sections.h"
#include "stats/History.h"

namespace brindlemoor::bench {

namespace {

stats::GameStats ninetyNineBoards() {
    const char* const words[] = {"ABLE", "QUIZ", "JUMP", "FOX", "VEX", "WALTZ", "NYMPH", "GLYPH", "BRICK", "DOZEN"};
    stats::TypingStats typing;
    double time = 0.0;
    for (int board = 0; board < 99; ++board) {
        const std::string word = words[board % 10];
        typing.wordShown(word);
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (i == 1 && board % 3 == 0) {
                typing.letterTyped(time += 0.2, word[i], static_cast<char>('A' + board % 26));
            }
            typing.letterTyped(time += 0.2, word[i], word[i]);
        }
        typing.wordCompleted(time);
    }
    return typing.finish(99, 99);
}

}  // namespace

std::vector<Row> historySection(const Settings& settings) {
    const std::string folder = (std::filesystem::temp_directory_path() / "brindlemoor-benchmark-history").string();
    std::filesystem::remove_all(folder);
    stats::GameRecord game;
    game.figures = ninetyNineBoards();
    std::vector<double> writes;
    {
        stats::History history(folder + "/history.sqlite3", benchSession().out);
        for (int i = 0; i < settings.newGames * 10; ++i) {
            history.prepare();
            game.playedAt = i;
            const double start = nowSeconds();
            (void)history.record(game);
            writes.push_back(nowSeconds() - start);
        }
    }
    std::filesystem::remove_all(folder);
    const std::string games = " (" + std::to_string(writes.size()) + " games, " + folder + ")";
    return {{"history write, 99-board game, median" + games, median(writes) * 1000.0, "ms", "<= 5"},
            {"history write, 99-board game, slowest", percentile(writes, 100.0) * 1000.0, "ms", "<= 5"}};
}

}  // namespace brindlemoor::bench
