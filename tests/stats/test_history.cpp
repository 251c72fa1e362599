#include <gtest/gtest.h>

#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <sstream>
#include <tuple>

#include "TestFiles.h"
#include "TestOutput.h"
#include "stats/History.h"
#include "stats/HistorySchema.h"
#include "stats/StatsReport.h"

using namespace brindlemoor::stats;
using namespace std::string_literals;
using Lines = std::vector<std::string>;
namespace t = brindlemoor::test;

namespace {

// A game in which Q went wrong `mistakes` times, typed as W each time; W only
// ever began a word, so it has no time of its own.
GameStats game(double wpm, int mistakes) {
    GameStats game;
    game.wpm = wpm;
    game.accuracy = 100.0 - mistakes;
    game.score = 8;
    game.levelLength = 9;
    game.letters['Q' - 'A'] = {10, mistakes, {}, 8, 2.4};
    game.letters['Q' - 'A'].typedInstead['W' - 'A'] = mistakes;
    game.letters['E' - 'A'] = {20, 0, {}, 15, 3.0};
    game.letters['W' - 'A'] = {2, 0, {}, 0, 0.0};
    game.mistypedWords = {{"QUIZ", mistakes}};
    return game;
}

class HistoryFile : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
    }
    Lines report() {
        std::ostringstream out;
        t::CapturedOutput printed;
        History history(path, printed);
        printStatsReport(out, history);
        return t::lines(out.str());
    }
    Lines record(History& history, const GameStats& played, bool recorded) {
        EXPECT_EQ(history.record(played, 86400), recorded);
        return t::lines(printed.take());
    }
    t::CapturedOutput printed;
    t::TempDir dir;
    const std::string path = dir.file("share/brindlemoor/history.sqlite3");  // folders made on the first write
};

}  // namespace

TEST_F(HistoryFile, GamesComeBackInTheReport) {
    EXPECT_EQ(report(), Lines{"No history yet: finish a game to start one (" + path + ")"});
    EXPECT_FALSE(t::fileExists(path));
    History history(path, printed);
    EXPECT_TRUE(history.record(game(40.0, 1), 86400));
    EXPECT_TRUE(history.record(game(50.0, 3), 90000));
    EXPECT_TRUE(history.record(game(45.0, 0), 93600));
    EXPECT_EQ(report(), (Lines{
                            "Last 3 of 3 games:",
                            "  date              length  score    wpm  accuracy",
                            "  1970-01-02 00:00       9      8   40.0     99.0%",
                            "  1970-01-02 01:00       9      8   50.0     97.0%",
                            "  1970-01-02 02:00       9      8   45.0    100.0%",
                            "Best speed 50.0 wpm, median 45.0 wpm",
                            "Trend over the last 3 games: +2.5 wpm a game",
                            "Weakest letters of the last 3 games (error rate, mean time, typed instead):",
                            "  Q ####################  13.3%   300 ms  W 4",
                            "  W                        0.0%     - ms  -",
                            "  E                        0.0%   200 ms  -",
                            "Most often mistyped words:",
                            "  QUIZ 4",
                        }));
}

TEST_F(HistoryFile, AnOldFileIsUpgradedWithItsGames) {
    t::writeFile(path, "");
    {
        sqlite::Database old(path, false);
        upgradeSchema(old, 1);
        old.exec("INSERT INTO games VALUES (1, 86400, 7, 6, 33.5, 40.0, 98.5, 30.0, 2)");
    }
    History history(path, printed);
    EXPECT_TRUE(history.record(game(40.0, 1), 90000));
    const HistoryData data = history.load();
    ASSERT_EQ(data.games.size(), 2u);
    const auto& old = data.games[0];
    EXPECT_EQ(std::tuple(old.playedAt, old.levelLength, old.score, old.wpm, old.accuracy),
              std::tuple(std::int64_t{86400}, 7, 6, 33.5, 98.5));
    EXPECT_EQ(data.letters['Q' - 'A'].typedInstead['W' - 'A'], 1);
    sqlite::Database upgraded(path, false);
    EXPECT_EQ(schemaVersion(upgraded), kHistoryVersion);
}

TEST_F(HistoryFile, ALockedOrNewerFileCostsOneLineAndOnlyThatGame) {
    History history(path, printed);
    ASSERT_TRUE(history.record(game(40.0, 1), 86400));
    {
        sqlite::Database otherGame(path, false);
        otherGame.exec("BEGIN EXCLUSIVE");
        EXPECT_EQ(record(history, game(50.0, 0), false), Lines{"Game not recorded: " + path + " is locked by another program"});
    }
    EXPECT_EQ(record(history, game(45.0, 0), true), Lines{});
    EXPECT_EQ(history.load().games.size(), 2u);

    sqlite::Database(path, false).exec("PRAGMA user_version = 9");
    History older(path, printed);
    EXPECT_EQ(record(older, game(45.0, 0), false),
              Lines{"Game not recorded: " + path + " cannot be used (written by a newer version of the game)"});
}

TEST_F(HistoryFile, AReadOnlyFileCostsOneLine) {
    ASSERT_TRUE(History(path, printed).record(game(40.0, 1), 86400));
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    for (const std::string& folder : {dir.path(), dir.file("share"), dir.file("share/brindlemoor")}) {
        ASSERT_EQ(chmod(folder.c_str(), 0755), 0);
    }
    EXPECT_EXIT(
        {
            // Root writes any file: play as nobody to meet the file as a player does.
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) std::_Exit(2);
            brindlemoor::io::Output toStderr(std::cerr, std::cerr);  // the check reads standard error
            History history(path, toStderr);
            std::exit(history.record(game(50.0, 0), 90000) ? 1 : 0);
        },
        testing::ExitedWithCode(0), "^Game not recorded: " + path + " is read-only\n$");
    EXPECT_EQ(History(path, printed).load().games.size(), 1u);
}

TEST_F(HistoryFile, ADamagedFileIsMovedAsideByteForByteAndANewOneStarted) {
    ASSERT_TRUE(History(path, printed).record(game(40.0, 1), 86400));
    std::string brokenTables = t::readFile(path);
    ASSERT_GT(brokenTables.size(), 8192u);
    brokenTables.replace(4096, 4096, 4096, '\xff');  // the second page
    const std::string garbage = "PK\3\4 not a database\0\n"s + std::string(400, '\x9c');

    char date[16];
    const std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
    const std::string first = path + ".damaged-" + date;
    for (const auto& [content, aside] : {std::pair{garbage, first}, std::pair{brokenTables, first + "-2"}}) {
        t::writeFile(path, content);
        History history(path, printed);
        EXPECT_EQ(record(history, game(45.0, 0), true),
                  Lines{"History file " + path + " is damaged or not a database: moved it to " + aside});
        EXPECT_EQ(history.load().games.size(), 1u);
        EXPECT_EQ(t::readFile(aside), content);
    }
    EXPECT_EQ(t::readFile(first), garbage);
}
