// The typing figures of a game, the adaptive choice of words that leans on the
// weak letters of past games, and the history file: games written and read back, files of every age, and the
// files that must neither lose a game nor be changed: busy, read-only, another
// program's, newer, damaged, on a full disk.
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <sstream>
#include <thread>
#include <tuple>

#include "TestFiles.h"
#include "TestOutput.h"
#include "stats/AdaptiveChooser.h"
#include "stats/GameStatsText.h"
#include "stats/History.h"
#include "stats/HistorySchema.h"
#include "stats/StatsReport.h"
#include "stats/TypingStats.h"

using namespace brindlemoor::stats;
using namespace std::string_literals;
using Lines = std::vector<std::string>;
namespace t = brindlemoor::test;
namespace fs = std::filesystem;

TEST(TypingStats, ScriptedGameGivesTheHandComputedFigures) {
    TypingStats stats;
    stats.wordShown("CAT");
    stats.letterTyped(10.0, 'C', 'C');
    stats.letterTyped(10.3, 'A', 'S');  // a mistake: the word starts over
    stats.letterTyped(10.8, 'C', 'C');  // after a mistake: not timed
    stats.letterTyped(11.0, 'A', 'A');  // A timed 0.2 s
    stats.paused(11.1);
    stats.resumed(13.1);
    stats.letterTyped(13.4, 'T', 'T');  // T timed 0.4 s: the pause is left out
    stats.wordCompleted(13.4);          // 3.4 s less the pause: 1.4 s
    stats.boardBumped();
    stats.paused(15.0);                 // between words: changes nothing
    stats.resumed(19.0);
    stats.wordShown("DOG");
    stats.letterTyped(20.0, 'D', 'D');
    stats.letterTyped(20.25, 'O', 'O');
    stats.letterTyped(20.5, 'G', 'G');
    stats.wordCompleted(20.5);          // 0.5 s
    stats.wordShown("EEL");             // left after two letters: counts 0.5 s
    stats.letterTyped(30.0, 'E', 'E');
    stats.letterTyped(30.5, 'E', 'E');

    // 2.4 s of typing; 6 letters of completed words, 10 typed, 9 correct.
    const GameStats game = stats.finish(2, 5);
    EXPECT_EQ(boardLine(game), "30 wpm 90%");
    EXPECT_EQ(gameStatsLine(game),
              "Game stats: 30.0 wpm, raw 50.0 wpm, accuracy 90.0%, letters 10, mistakes 1, words 2, "
              "typing time 2.4 s, boards bumped 1, score 2, level length 5");
    struct Row {
        char letter;
        int expected, mistyped, timed;
        double meanTime;
    };
    for (const Row& row : {Row{'A', 2, 1, 1, 0.2}, Row{'C', 2, 0, 0, 0.0}, Row{'T', 1, 0, 1, 0.4},
                           Row{'D', 1, 0, 0, 0.0}, Row{'O', 1, 0, 1, 0.25}, Row{'E', 2, 0, 1, 0.5}}) {
        const LetterStats& letter = game.letters[row.letter - 'A'];
        EXPECT_EQ(letter.expected, row.expected) << row.letter;
        EXPECT_EQ(letter.mistyped, row.mistyped) << row.letter;
        EXPECT_EQ(letter.timedCount, row.timed) << row.letter;
        EXPECT_NEAR(letter.meanTime(), row.meanTime, 1e-9) << row.letter;
    }
    EXPECT_EQ(game.letters['A' - 'A'].typedInstead['S' - 'A'], 1);
    ASSERT_EQ(game.mistypedWords.size(), 1u);
    EXPECT_EQ(game.mistypedWords[0].word, "CAT");
    EXPECT_EQ(game.mistypedWords[0].mistakes, 1);
}

TEST(TypingStats, BoardLineShowsOneHundredPerCentOnlyWithoutMistakes) {
    GameStats game;
    for (const auto& [wpm, accuracy, line] : {std::tuple{61.6, 99.95, "62 wpm 99%"}, std::tuple{0.0, 100.0, "0 wpm 100%"}}) {
        game.wpm = wpm;
        game.accuracy = accuracy;
        EXPECT_EQ(boardLine(game), line);
    }
}

TEST(TypingStats, AWordWithALetterOfUnknownTimeCountsForAccuracyNotSpeed) {
    TypingStats stats;
    stats.wordShown("DOG");
    stats.letterTyped(1.0, 'D', 'D');
    stats.letterTyped(1.5, 'O', 'O');
    stats.letterTyped(2.0, 'G', 'G');
    stats.wordCompleted(2.0);  // 1 s for three letters
    stats.wordShown("CAT");    // typed during a stall: taken at once, times unknown
    stats.letterTyped(9.0, 'C', 'C', false);
    stats.letterTyped(9.000001, 'A', 'X', false);
    stats.letterTyped(9.000002, 'C', 'C', false);
    stats.letterTyped(9.000003, 'A', 'A', false);
    stats.letterTyped(9.000004, 'T', 'T', false);
    stats.wordCompleted(9.000004);
    const GameStats game = stats.finish(2, 2);
    EXPECT_EQ(gameStatsLine(game), "Game stats: 36.0 wpm, raw 36.0 wpm, accuracy 87.5%, letters 8, mistakes 1, "
                                   "words 2, typing time 1.0 s, boards bumped 0, score 2, level length 2");
    EXPECT_EQ(game.letters['A' - 'A'].timedCount, 0);
    EXPECT_EQ(game.letters['A' - 'A'].mistyped, 1);
}

namespace {

const std::vector<std::string> kWords{"QUIT", "SAND", "TORN", "LIME", "BOWL", "CART", "DUSK", "FERN"};
constexpr int kDraws = 8000;

// Words drawn in a row, checking that none follows itself.
std::vector<std::string> draw(const AdaptiveChooser& chooser) {
    std::vector<std::string> words;
    std::string last;
    for (int i = 0; i < kDraws; ++i) {
        words.push_back(kWords.at(chooser.choose(kWords, last)));
        EXPECT_NE(words.back(), last);
        last = words.back();
    }
    return words;
}

std::map<std::string, int> countEach(const std::vector<std::string>& words) {
    std::map<std::string, int> counts;
    for (const std::string& word : words) {
        counts[word] += 1;
    }
    return counts;
}

}  // namespace

TEST(AdaptiveChoice, FavoursTheWeakLetterWhileEveryWordComesUp) {
    LetterTable history;
    for (LetterStats& letter : history) {
        letter.expected = 40;
        letter.timedCount = 30;
        letter.timeSum = 6.0;
    }
    history['Q' - 'A'].mistyped = 20;
    std::srand(7);
    const auto counts = countEach(draw(AdaptiveChooser(history)));
    const int fairShare = kDraws / static_cast<int>(kWords.size());
    EXPECT_GT(counts.at("QUIT"), 2 * fairShare);
    for (const std::string& word : kWords) {
        EXPECT_GT(counts.count(word) ? counts.at(word) : 0, fairShare / 4) << word;
    }

    // No history: every word as likely as the others.
    for (const auto& [word, count] : countEach(draw(AdaptiveChooser(LetterTable{})))) {
        EXPECT_NEAR(count, fairShare, fairShare / 5) << word;
    }

    // Seeded the same, the same words come.
    std::srand(11);
    const auto first = draw(AdaptiveChooser(history));
    std::srand(11);
    EXPECT_EQ(draw(AdaptiveChooser(history)), first);
}

namespace {

// A game in which Q went wrong `mistakes` times, typed as W each time; W only
// ever began a word, so it has no time of its own.
GameRecord game(double wpm, int mistakes, std::int64_t playedAt = 86400) {
    GameRecord record;
    GameStats& game = record.figures;
    game.wpm = wpm;
    game.accuracy = 100.0 - mistakes;
    game.score = 8;
    game.levelLength = 9;
    game.letters['Q' - 'A'] = {10, mistakes, {}, 8, 2.4};
    game.letters['Q' - 'A'].typedInstead['W' - 'A'] = mistakes;
    game.letters['E' - 'A'] = {20, 0, {}, 15, 3.0};
    game.letters['W' - 'A'] = {2, 0, {}, 0, 0.0};
    game.mistypedWords = {{"QUIZ", mistakes}};
    record.playedAt = playedAt;
    return record;
}

// Every file of a folder with its bytes: what must not change or appear.
std::map<std::string, std::string> folderContent(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        files[entry.path().filename().string()] = t::readFile(entry.path().string());
    }
    return files;
}

Lines report(const std::string& path) {
    std::ostringstream out;
    t::CapturedOutput printed;
    History history(path, printed, Access::Read);
    printStatsReport(out, history);
    return t::lines(printed.take() + out.str());
}

std::size_t gamesIn(const std::string& path) {
    t::CapturedOutput printed;
    const auto data = History(path, printed, Access::Read).load();
    return data ? data->games.size() : 0;
}

// As root, meets the files as the player nobody would until it ends (root
// may write anything); the saved user id lets it become root again.
struct AsNobody {
    AsNobody() : active(geteuid() == 0 && setresgid(65534, 65534, 0) == 0 && setresuid(65534, 65534, 0) == 0) {}
    ~AsNobody() {
        if (active && (setresuid(0, 0, 0) != 0 || setresgid(0, 0, 0) != 0)) {
            std::abort();  // the other tests must not go on as nobody
        }
    }
    const bool active;
};

class HistoryFile : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
    }
    Lines record(History& history, const GameRecord& played) {
        (void)history.record(played);
        return t::lines(printed.take());
    }
    t::CapturedOutput printed;
    t::TempDir dir;
    const std::string path = dir.file("share/brindlemoor/history.sqlite3");  // folders made on the first write
};

}  // namespace

TEST_F(HistoryFile, GamesComeBackInTheReportWithTheirPacesAndBestRunsAlsoFromOlderFilesWhichAreUpgraded) {
    t::writeFile(dir.file("empty"), "");
    for (const std::string& file : {path, dir.file("empty")}) {
        EXPECT_EQ(report(file), Lines{"No history yet: finish a game to start one (" + file + ")"});
    }
    EXPECT_FALSE(t::fileExists(path));
    History history(path, printed);
    EXPECT_TRUE(history.record(game(40.0, 1, 86400)));
    EXPECT_TRUE(history.record(game(50.0, 3, 90000)));
    EXPECT_TRUE(history.record(game(45.0, 0, 93600)));
    EXPECT_EQ(report(path), (Lines{
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

    // Two runs of one corridor at an adaptive pace: as many points, the
    // second faster; a run of another corridor scores more.
    for (const auto& [corridor, score, seconds, pace, walk] :
         {std::tuple("PP-7"s, 9, 60.0, 1.25, std::vector<unsigned char>{1, 2, 3}),
          std::tuple("PP-7"s, 9, 45.0, 1.5, std::vector<unsigned char>{4, 0, 5}),
          std::tuple("QQ-1"s, 12, 30.0, 0.0, std::vector<unsigned char>{})}) {
        GameRecord run = game(45.0, 0, 97200);
        run.figures.score = score;
        std::tie(run.corridor, run.runSeconds, run.pace, run.walk) = std::tie(corridor, seconds, pace, walk);
        EXPECT_EQ(history.record(run).value(), Recorded::Written);
    }
    const std::optional<BestRun> best = history.bestRun("PP-7");
    ASSERT_TRUE(best);
    EXPECT_EQ(std::tie(best->playedAt, best->score, best->runSeconds, best->walk),
              std::tuple(std::int64_t{97200}, 9, 45.0, std::vector<unsigned char>{4, 0, 5}));
    EXPECT_FALSE(history.bestRun("PP-8") || history.bestRun(""));
    const Lines paced = report(path);
    ASSERT_GT(paced.size(), 6u);
    EXPECT_EQ(Lines(paced.begin() + 1, paced.begin() + 3),
              (Lines{"  date              length  score    wpm  accuracy   pace",
                     "  1970-01-02 00:00       9      8   40.0     99.0%      -"}));
    EXPECT_EQ(paced[5], "  1970-01-02 03:00       9      9   45.0    100.0%   1.25");

    // Older files are read as they are and upgraded with their games.
    for (const int version : {1, 2}) {
        fs::remove_all(dir.file("share"));
        fs::create_directories(dir.file("share/brindlemoor"));
        {
            sqlite::Database old(path, sqlite::OpenMode::Create);
            old.exec("PRAGMA journal_mode = WAL");
            upgradeSchema(old, version);
            old.exec("INSERT INTO games VALUES (1, 86400, 7, 6, 33.5, 40.0, 98.5, 30.0, 2)");
        }
        const auto before = folderContent(dir.file("share/brindlemoor"));
        ASSERT_EQ(report(path).at(2), "  1970-01-02 00:00       7      6   33.5     98.5%") << version;
        EXPECT_EQ(folderContent(dir.file("share/brindlemoor")), before) << "read as it is, version " << version;

        History history(path, printed);
        EXPECT_TRUE(history.record(game(40.0, 1, 90000))) << printed.take();
        const auto data = history.load();
        ASSERT_TRUE(data && data->games.size() == 2u) << version;
        const auto& old = data->games[0];
        EXPECT_EQ(std::tuple(old.playedAt, old.levelLength, old.score, old.wpm, old.accuracy),
                  std::tuple(std::int64_t{86400}, 7, 6, 33.5, 98.5));
        EXPECT_EQ(data->letters['Q' - 'A'].typedInstead['W' - 'A'], 1);
        sqlite::Database upgraded(path, sqlite::OpenMode::ReadOnly);
        EXPECT_EQ(schemaVersion(upgraded), kHistoryVersion);
        EXPECT_EQ(upgraded.integer("PRAGMA application_id"), kApplicationId);
    }
}

TEST_F(HistoryFile, AnotherProgramsOrANewerFileIsLeftByteForByteADamagedOneMovedAsideByteForByte) {
    const std::string other = "is another program's database";
    const std::string newer = "cannot be used (written by a newer version of the game)";
    const std::pair<const char*, std::string> files[] = {
        {"PRAGMA application_id = 7; CREATE TABLE notes (text); INSERT INTO notes VALUES ('x')", other},
        {"PRAGMA journal_mode = WAL; CREATE TABLE games (x); INSERT INTO games VALUES (1)", other},
        {"PRAGMA user_version = 2; CREATE TABLE games (x)", other},
        {"PRAGMA application_id = 1114787186; PRAGMA user_version = 4; CREATE TABLE games (x)", newer},
    };
    const std::string file = dir.file("other.db");
    for (const auto& [sql, reason] : files) {
        fs::remove(file);
        sqlite::Database(file, sqlite::OpenMode::Create).exec(sql);
        const auto before = folderContent(dir.path());
        EXPECT_EQ(report(file), Lines{"History not read: " + file + " " + reason}) << sql;
        History history(file, printed);
        history.prepare();
        EXPECT_EQ(record(history, game(40.0, 1)), Lines{"Game not recorded: " + file + " " + reason}) << sql;
        EXPECT_EQ(folderContent(dir.path()), before) << sql;
    }

    // A damaged file is moved aside byte for byte and a new one started.
    ASSERT_TRUE(History(path, printed).record(game(40.0, 1)));
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
        EXPECT_EQ(report(path), Lines{"History not read: " + path + " is damaged or not a database"});
        History history(path, printed);
        EXPECT_EQ(record(history, game(45.0, 0)),
                  Lines{"History file " + path + " is damaged or not a database: moved it to " + aside});
        EXPECT_EQ(gamesIn(path), 1u);
        EXPECT_EQ(t::readFile(aside), content);
    }
    EXPECT_EQ(t::readFile(first), garbage);
}

TEST_F(HistoryFile, ABusyFileKeepsTheGameAndWritesItOnceAtTheNextChance) {
    History history(path, printed);
    history.prepare();
    EXPECT_EQ(record(history, game(40.0, 1)), Lines{});
    const std::string kept = history.keptPath();
    for (const bool waitedOut : {true, false}) {
        sqlite::Database otherProgram(path, sqlite::OpenMode::ReadWrite);
        otherProgram.exec("BEGIN IMMEDIATE");
        std::thread release([&] {
            if (waitedOut) {
                std::this_thread::sleep_for(std::chrono::milliseconds(400));
                otherProgram.exec("COMMIT");
            }
        });
        EXPECT_EQ(record(history, game(41.0, 1)),
                  waitedOut ? Lines{} : Lines{"Game kept in " + kept + ": " + path + " is locked by another program"});
        release.join();
    }
    const std::string keptGame = t::readFile(kept);
    EXPECT_EQ(gamesIn(path), 2u);

    // The next start of the game writes it, and a crash before the kept file
    // was cleared does not write it twice.
    for (int start = 0; start < 2; ++start) {
        History next(path, printed);
        next.prepare();
        EXPECT_EQ(gamesIn(path), 3u) << start;
        EXPECT_FALSE(t::fileExists(kept)) << start;
        t::writeFile(kept, keptGame);
    }
    history.writeKept();  // the end of the first session
    EXPECT_EQ(gamesIn(path), 3u);
    EXPECT_FALSE(t::fileExists(kept));
    EXPECT_EQ(printed.take(), "");
}

TEST_F(HistoryFile, PermissionsNameTheCauseAndAFileWritableAgainIsWritten) {
    // A history of nobody's, and one with a journal file of root's beside it.
    const std::string folder = dir.file("share/brindlemoor");
    const std::string shared = dir.file("shared/history.sqlite3");
    for (const std::string& file : {path, shared}) {
        ASSERT_TRUE(History(file, printed).record(game(40.0, 1)));
    }
    const bool root = geteuid() == 0;
    if (root) {
        t::writeFile(shared + "-shm", "");
    }
    for (const std::string& file : {dir.path(), dir.file("share"), folder, path, dir.file("shared"), shared}) {
        ASSERT_EQ(chown(file.c_str(), 65534, 65534), root ? 0 : -1);
    }
    const AsNobody player;
    const auto recorded = [&](const std::string& file) {
        (void)History(file, printed).record(game(50.0, 0));
        return t::lines(printed.take());
    };
    chmod(path.c_str(), 0444);
    EXPECT_EQ(report(path).at(0), "Last 1 of 1 games:");
    EXPECT_EQ(folderContent(folder).size(), 1u) << "reading made nothing beside it";
    EXPECT_EQ(recorded(path), Lines{"Game not recorded: " + path + " is read-only"});
    {
        // A report of an earlier version left read-only journal files.
        sqlite::Database earlier(path, sqlite::OpenMode::ReadOnly);
        earlier.exec("SELECT count(*) FROM games");
    }
    chmod(path.c_str(), 0644);
    EXPECT_EQ(recorded(path), Lines{});
    chmod(folder.c_str(), 0555);
    EXPECT_EQ(recorded(path),
              Lines{"Game not recorded: " + path + " is in a folder the game cannot write to (" + folder + ")"});
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(gamesIn(path), 2u);
    if (player.active) {  // only then is there another user's file
        EXPECT_EQ(recorded(shared), Lines{"Game not recorded: " + shared + " cannot be written: " + shared +
                                          "-shm belongs to another user"});
    }
}

TEST_F(HistoryFile, AFullDiskSaysSoAndLeavesNothingBeside) {
    const std::string folder = dir.file("full");
    const std::string file = folder + "/history.sqlite3";
    fs::create_directory(folder);
    // A small disk in a view of the mounts that no other process shares.
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k") != 0) {
        GTEST_SKIP() << "cannot mount a small disk here";
    }
    for (const bool openBefore : {true, false}) {
        ASSERT_TRUE(History(file, printed).record(game(40.0, 1))) << printed.take();
        History history(file, printed);
        if (openBefore) {
            history.prepare();
        }
        t::writeFile(folder + "/filler", std::string(256 * 1024, 'x'));  // as much of it as fits
        if (!openBefore) {
            history.prepare();
        }
        EXPECT_EQ(record(history, game(50.0, 0)),
                  Lines{"Game not recorded: " + file + " cannot grow: the disk is full"});
        EXPECT_EQ(folderContent(folder).size(), 2u) << "the history and the filler, nothing beside them";
        EXPECT_EQ(gamesIn(file), 1u);
        fs::remove(folder + "/filler");
        fs::remove(file);
    }
    umount2(folder.c_str(), MNT_DETACH);
}

