#include "stats/History.h"

#include <sqlite3.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <system_error>
#include <utility>

#include "stats/HistorySchema.h"

namespace brindlemoor::stats {

namespace fs = std::filesystem;

namespace {

// Long enough to wait out another game's write, short enough to go unseen.
constexpr int kBusyTimeoutMs = 100;
constexpr int kMostMistypedWords = 10;

sqlite::Database open(const std::string& path, bool create) {
    if (create) {
        const fs::path folder = fs::path(path).parent_path();
        std::error_code error;
        if (!folder.empty() && !fs::create_directories(folder, error) && error) {
            throw sqlite::Error(SQLITE_CANTOPEN, "cannot create " + folder.string() + ": " + error.message());
        }
    }
    sqlite::Database db(path, create);
    db.busyTimeout(kBusyTimeoutMs);
    {
        // A broken file is found here, before anything is written into it.
        sqlite::Statement check(db, "PRAGMA quick_check");
        if (check.step() && check.text(0) != "ok") {
            throw sqlite::Error(SQLITE_CORRUPT, check.text(0));
        }
    }
    // A commit in WAL mode appends to one file and, with synchronous=NORMAL,
    // waits for no disk flush: a killed game loses nothing committed (a power
    // cut may lose the latest games, never the file). The log is folded into
    // the database at the start of a game (prepare), never at its end.
    db.exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA wal_autocheckpoint = 0");
    const int version = schemaVersion(db);
    if (version < 0 || version > kHistoryVersion) {
        throw sqlite::Error(SQLITE_ERROR, "written by a newer version of the game");
    }
    upgradeSchema(db);
    return db;
}

std::string reason(const sqlite::Error& error, const std::string& path) {
    const int code = error.primaryCode();
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
        return "is locked by another program";
    }
    if (code == SQLITE_FULL) {
        return "cannot grow: the disk is full";
    }
    // In a read-only folder even opening fails: WAL mode needs to create a
    // shared-memory file beside the database.
    std::string folder = fs::path(path).parent_path().string();
    std::error_code ignored;
    const bool readOnly = fs::exists(path, ignored) && (::access(path.c_str(), W_OK) != 0 ||
                                                         ::access(folder.empty() ? "." : folder.c_str(), W_OK) != 0);
    if (code == SQLITE_READONLY || code == SQLITE_PERM || (code == SQLITE_CANTOPEN && readOnly)) {
        return "is read-only";
    }
    return std::string("cannot be used (") + error.what() + ")";
}

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char date[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", &local);
    return date;
}

std::string letterText(int index) { return std::string(1, static_cast<char>('A' + index)); }

int letterIndex(const std::string& text) { return text.size() == 1 && text[0] >= 'A' && text[0] <= 'Z' ? text[0] - 'A' : -1; }

void writeGame(sqlite::Database& db, const GameStats& game, std::int64_t playedAt) {
    sqlite::Transaction transaction(db);
    sqlite::Statement row(db,
                          "INSERT INTO games (played_at, level_length, score, wpm, raw_wpm, accuracy, typing_seconds,"
                          " boards_bumped) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    row.bind(1, playedAt).bind(2, game.levelLength).bind(3, game.score).bind(4, game.wpm).bind(5, game.rawWpm);
    row.bind(6, game.accuracy).bind(7, game.typingSeconds).bind(8, game.boardsBumped).step();
    const std::int64_t id = db.lastInsertId();

    sqlite::Statement letter(db, "INSERT INTO letters VALUES (?, ?, ?, ?, ?, ?)");
    sqlite::Statement substitution(db, "INSERT INTO substitutions VALUES (?, ?, ?, ?)");
    for (int i = 0; i < kLetterCount; ++i) {
        const LetterStats& stats = game.letters[i];
        if (stats.expected == 0) {
            continue;
        }
        letter.bind(1, id).bind(2, letterText(i)).bind(3, stats.expected).bind(4, stats.mistyped);
        letter.bind(5, stats.timedCount).bind(6, stats.timeSum).step();
        letter.reset();
        for (int typed = 0; typed < kLetterCount; ++typed) {
            if (stats.typedInstead[typed] > 0) {
                substitution.bind(1, id).bind(2, letterText(i)).bind(3, letterText(typed));
                substitution.bind(4, stats.typedInstead[typed]).step();
                substitution.reset();
            }
        }
    }
    sqlite::Statement word(db, "INSERT INTO mistyped_words VALUES (?, ?, ?)");
    for (const MistypedWord& mistyped : game.mistypedWords) {
        word.bind(1, id).bind(2, mistyped.word).bind(3, mistyped.mistakes).step();
        word.reset();
    }
    transaction.commit();
}

// The latest games, for the sums over recent games.
constexpr const char* kRecent = " WHERE game_id IN (SELECT id FROM games ORDER BY id DESC LIMIT ?1)";

HistoryData readHistory(sqlite::Database& db, int recentGames) {
    HistoryData data;
    sqlite::Statement games(db, "SELECT played_at, level_length, score, wpm, accuracy FROM games ORDER BY id");
    while (games.step()) {
        data.games.push_back({games.integer(0), static_cast<int>(games.integer(1)),
                              static_cast<int>(games.integer(2)), games.real(3), games.real(4)});
    }
    sqlite::Statement letters(db, (std::string("SELECT letter, SUM(expected), SUM(mistyped), SUM(timed_count),"
                                               " SUM(time_sum) FROM letters") + kRecent + " GROUP BY letter").c_str());
    letters.bind(1, recentGames);
    while (letters.step()) {
        const int i = letterIndex(letters.text(0));
        if (i >= 0) {
            LetterStats& stats = data.letters[i];
            stats.expected = static_cast<int>(letters.integer(1));
            stats.mistyped = static_cast<int>(letters.integer(2));
            stats.timedCount = static_cast<int>(letters.integer(3));
            stats.timeSum = letters.real(4);
        }
    }
    sqlite::Statement substitutions(db, (std::string("SELECT expected, typed, SUM(count) FROM substitutions") +
                                         kRecent + " GROUP BY expected, typed").c_str());
    substitutions.bind(1, recentGames);
    while (substitutions.step()) {
        const int expected = letterIndex(substitutions.text(0));
        const int typed = letterIndex(substitutions.text(1));
        if (expected >= 0 && typed >= 0) {
            data.letters[expected].typedInstead[typed] = static_cast<int>(substitutions.integer(2));
        }
    }
    sqlite::Statement words(db, (std::string("SELECT word, SUM(mistakes) AS m FROM mistyped_words") + kRecent +
                                 " GROUP BY word ORDER BY m DESC, word LIMIT ?2").c_str());
    words.bind(1, recentGames).bind(2, kMostMistypedWords);
    while (words.step()) {
        data.mistypedWords.push_back({words.text(0), static_cast<int>(words.integer(1))});
    }
    return data;
}

}  // namespace

History::History(std::string path, io::Output& out) : path_(std::move(path)), out_(out) {}

template <class Work>
bool History::use(bool create, const char* failure, Work&& work) {
    // A second round only after a damaged file was moved aside.
    for (int round = 0; round < 2; ++round) {
        try {
            if (!db_) {
                std::error_code ignored;
                if (!create && !fs::exists(path_, ignored)) {
                    return false;  // no history yet, and none is made just to read it
                }
                db_ = open(path_, create);
            }
            work(*db_);
            return true;
        } catch (const sqlite::Error& error) {
            db_.reset();  // reopened next time: a lock or a full disk may pass
            if (!error.damaged() || round > 0) {
                if (failure != nullptr) {
                    out_.line(failure, path_, " ", reason(error, path_));
                }
                return false;
            }
            if (!moveAside() || !create) {
                return false;
            }
        }
    }
    return false;
}

bool History::moveAside() {
    // The first free name of the day, so an earlier damaged file is never
    // replaced; the journal files go with it, since a fresh file beside them
    // would take them for its own.
    const std::string stem = path_ + ".damaged-" + today();
    std::string aside = stem;
    std::error_code error;
    for (int n = 2; fs::exists(aside, error); ++n) {
        aside = stem + "-" + std::to_string(n);
    }
    fs::rename(path_, aside, error);
    if (error) {
        out_.line("History file ", path_, " is damaged and cannot be moved aside (", error.message(),
                  "); playing without history");
        return false;
    }
    for (const char* journal : {"-journal", "-wal", "-shm"}) {
        std::error_code ignored;
        if (fs::exists(path_ + journal, ignored)) {
            fs::rename(path_ + journal, aside + journal, ignored);
        }
    }
    out_.line("History file ", path_, " is damaged or not a database: moved it to ", aside);
    return true;
}

void History::prepare() {
    // Quiet: a file that cannot be used now gets its line when the game ends.
    use(true, nullptr, [](sqlite::Database& db) {
        db.exec("PRAGMA wal_checkpoint(TRUNCATE)");
        // The first write after a checkpoint restarts the log and waits for
        // the disk; a write of the unchanged version takes that wait here.
        db.exec(("PRAGMA user_version = " + std::to_string(kHistoryVersion)).c_str());
    });
}

bool History::record(const GameStats& game, std::int64_t playedAt) {
    return use(true, "Game not recorded: ", [&](sqlite::Database& db) { writeGame(db, game, playedAt); });
}

HistoryData History::load(int recentGames) {
    HistoryData data;
    use(false, "History not read: ", [&](sqlite::Database& db) { data = readHistory(db, recentGames); });
    return data;
}

}  // namespace brindlemoor::stats
