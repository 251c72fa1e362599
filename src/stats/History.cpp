#include "stats/History.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#include "stats/HistorySchema.h"

namespace brindlemoor::stats {

namespace fs = std::filesystem;

namespace {

// A game's write waits this long for another program's lock: the player is
// at the final board. Reads wait as long, which they only do while a file is
// being recovered.
constexpr int kLockWaitMs = 3000;
// The start of a game waits no longer than this: what it writes can wait.
constexpr int kQuickWaitMs = 100;
constexpr int kMostMistypedWords = 10;
// What opening a history makes beside it, with room for a game's write.
constexpr std::uintmax_t kRoomToOpen = 64 * 1024;

// A file the game does not touch; `reason` follows its name in the line.
struct Refused {
    std::string reason;
};

bool exists(const std::string& path) {
    std::error_code ignored;
    return fs::exists(path, ignored);
}

// Games committed but not yet folded into the file are in its log.
bool hasLog(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path + "-wal", error);
    return !error && size > 0;
}

void refuseUnlessOurs(sqlite::Database& db) {
    switch (fileKind(db)) {
        case FileKind::History: return;
        case FileKind::OtherProgram: throw Refused{"is another program's database"};
        case FileKind::Newer: throw Refused{"cannot be used (written by a newer version of the game)"};
    }
}

// Reading takes locks, and in WAL mode those live in a shared-memory file
// beside the database, which a reader would make when missing: with the
// database's permissions, and left behind since a reader cannot fold the log.
// With nothing in the log there is nothing but the file to read, so it is
// read as it is and nothing is made beside it.
sqlite::Database openForReading(const std::string& path) {
    sqlite::Database db(path, hasLog(path) ? sqlite::OpenMode::ReadOnly : sqlite::OpenMode::Immutable);
    db.busyTimeout(kLockWaitMs);
    refuseUnlessOurs(db);
    return db;
}

// A reader of an earlier version of the game made the journal files with the
// permissions the history had then; the player's own get the history's
// permissions back, so that a history made writable again is written again.
void restoreJournalPermissions(const std::string& path) {
    struct stat history {};
    if (::stat(path.c_str(), &history) != 0 || ::access(path.c_str(), W_OK) != 0) {
        return;
    }
    for (const char* journal : {"-wal", "-shm"}) {
        const std::string file = path + journal;
        struct stat info {};
        if (::stat(file.c_str(), &info) == 0 && info.st_uid == ::geteuid() && ::access(file.c_str(), W_OK) != 0) {
            ::chmod(file.c_str(), history.st_mode & 0777);
        }
    }
}

sqlite::Database openForWriting(const std::string& path) {
    if (exists(path)) {
        // Looked at first without writing, so that another program's file
        // or a newer one is left byte for byte as it was.
        openForReading(path);
        if (::access(path.c_str(), W_OK) != 0) {
            // SQLite would open it for reading, and its journal files with it.
            throw sqlite::Error(SQLITE_READONLY, "attempt to write a readonly database");
        }
        restoreJournalPermissions(path);
    } else {
        const fs::path folder = fs::path(path).parent_path();
        std::error_code error;
        if (!folder.empty() && !fs::create_directories(folder, error) && error) {
            throw sqlite::Error(SQLITE_CANTOPEN, "cannot create " + folder.string() + ": " + error.message());
        }
    }
    // The first connection makes the journal files, the shared-memory one
    // 32 KiB at once; on a full disk they would fail half made and stay.
    std::error_code unknown;
    const fs::path folder = fs::path(path).parent_path();
    const fs::space_info room = fs::space(folder.empty() ? fs::path(".") : folder, unknown);
    if (!unknown && room.available < kRoomToOpen && !exists(path + "-shm")) {
        throw sqlite::Error(SQLITE_FULL, "database or disk is full");
    }
    sqlite::Database db(path, sqlite::OpenMode::Create);
    db.busyTimeout(kLockWaitMs);
    {
        // A broken file is found here, before anything is written into it.
        sqlite::Statement check(db, "PRAGMA quick_check");
        if (check.step() && check.text(0) != "ok") {
            throw sqlite::Error(SQLITE_CORRUPT, check.text(0));
        }
    }
    refuseUnlessOurs(db);  // again: the file may be new, or written meanwhile
    // A commit in WAL mode appends to one file and, with synchronous=NORMAL,
    // waits for no disk flush: a killed game loses nothing committed (a power
    // cut may lose the latest games, never the file). The log is folded into
    // the database at the start of a game (prepare), never at its end.
    db.exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA wal_autocheckpoint = 0");
    upgradeSchema(db);
    return db;
}

// Why the file cannot be written, when its permissions or its folder's say.
std::optional<std::string> notWritable(const std::string& path) {
    if (exists(path) && ::access(path.c_str(), W_OK) != 0) {
        return "is read-only";
    }
    for (const char* journal : {"-wal", "-shm", "-journal"}) {
        const std::string file = path + journal;
        struct stat info {};
        if (::stat(file.c_str(), &info) == 0 && ::access(file.c_str(), W_OK) != 0) {
            return "cannot be written: " + file +
                   (info.st_uid != ::geteuid() ? " belongs to another user" : " is read-only");
        }
    }
    // SQLite makes its journal files beside the database.
    const std::string folder = fs::path(path).parent_path().string();
    const std::string shown = folder.empty() ? "." : folder;
    if (exists(shown) && ::access(shown.c_str(), W_OK) != 0) {
        return "is in a folder the game cannot write to (" + shown + ")";
    }
    return std::nullopt;
}

std::string reason(const sqlite::Error& error, const std::string& path) {
    const int code = error.primaryCode();
    const int system = error.systemError();
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
        return "is locked by another program";
    }
    // A full disk may also fail the shared-memory file, as an I/O error.
    if (code == SQLITE_FULL || system == ENOSPC || system == EDQUOT) {
        return "cannot grow: the disk is full";
    }
    if (error.damaged()) {
        return "is damaged or not a database";
    }
    if (code == SQLITE_READONLY || code == SQLITE_PERM || code == SQLITE_CANTOPEN || code == SQLITE_IOERR) {
        if (const auto cause = notWritable(path)) {
            return *cause;
        }
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

// 128 random bits from the system, never from the game's seeded draws.
std::string newGameId() {
    std::random_device random;
    char id[40];
    std::snprintf(id, sizeof id, "%08x%08x%08x%08x", random(), random(), random(), random());
    return id;
}

std::string letterText(int index) { return std::string(1, static_cast<char>('A' + index)); }

int letterIndex(const std::string& text) { return text.size() == 1 && text[0] >= 'A' && text[0] <= 'Z' ? text[0] - 'A' : -1; }

// Inside the caller's transaction.
void writeGame(sqlite::Database& db, const GameRecord& record, const std::string& id) {
    const GameStats& game = record.figures;
    sqlite::Statement row(db,
                          "INSERT INTO games (played_at, level_length, score, wpm, raw_wpm, accuracy, typing_seconds,"
                          " boards_bumped, uid, corridor, pace, run_seconds) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    row.bind(1, record.playedAt).bind(2, game.levelLength).bind(3, game.score).bind(4, game.wpm).bind(5, game.rawWpm);
    row.bind(6, game.accuracy).bind(7, game.typingSeconds).bind(8, game.boardsBumped).bind(9, id);
    row.bind(10, record.corridor).bind(11, record.pace).bind(12, record.runSeconds).step();
    const std::int64_t gameId = db.lastInsertId();

    sqlite::Statement letter(db, "INSERT INTO letters VALUES (?, ?, ?, ?, ?, ?)");
    sqlite::Statement substitution(db, "INSERT INTO substitutions VALUES (?, ?, ?, ?)");
    for (int i = 0; i < kLetterCount; ++i) {
        const LetterStats& stats = game.letters[i];
        if (stats.expected == 0) {
            continue;
        }
        letter.bind(1, gameId).bind(2, letterText(i)).bind(3, stats.expected).bind(4, stats.mistyped);
        letter.bind(5, stats.timedCount).bind(6, stats.timeSum).step();
        letter.reset();
        for (int typed = 0; typed < kLetterCount; ++typed) {
            if (stats.typedInstead[typed] > 0) {
                substitution.bind(1, gameId).bind(2, letterText(i)).bind(3, letterText(typed));
                substitution.bind(4, stats.typedInstead[typed]).step();
                substitution.reset();
            }
        }
    }
    sqlite::Statement word(db, "INSERT INTO mistyped_words VALUES (?, ?, ?)");
    for (const MistypedWord& mistyped : game.mistypedWords) {
        word.bind(1, gameId).bind(2, mistyped.word).bind(3, mistyped.mistakes).step();
        word.reset();
    }
    if (!record.walk.empty() && record.walk.size() <= kMaxWalkBytes) {
        sqlite::Statement walk(db, "INSERT INTO walks VALUES (?, ?)");
        walk.bind(1, gameId).bind(2, record.walk).step();
    }
}

// The kept games not yet in the history, each once whatever was copied
// before: games by their ids, their rows by their keys.
constexpr const char* kCopyKept =
    "INSERT OR IGNORE INTO main.games (played_at, level_length, score, wpm, raw_wpm, accuracy, typing_seconds,"
    " boards_bumped, uid, corridor, pace, run_seconds) SELECT played_at, level_length, score, wpm, raw_wpm,"
    " accuracy, typing_seconds, boards_bumped, uid, corridor, pace, run_seconds FROM kept.games ORDER BY id;"
    "CREATE TEMP VIEW kept_ids AS SELECT k.id AS kept_id, m.id AS game_id"
    " FROM kept.games k JOIN main.games m ON m.uid = k.uid;"
    "INSERT OR IGNORE INTO main.letters SELECT i.game_id, letter, expected, mistyped, timed_count, time_sum"
    " FROM kept.letters JOIN kept_ids i ON i.kept_id = letters.game_id;"
    "INSERT OR IGNORE INTO main.substitutions SELECT i.game_id, expected, typed, count"
    " FROM kept.substitutions JOIN kept_ids i ON i.kept_id = substitutions.game_id;"
    "INSERT OR IGNORE INTO main.mistyped_words SELECT i.game_id, word, mistakes"
    " FROM kept.mistyped_words JOIN kept_ids i ON i.kept_id = mistyped_words.game_id;"
    "INSERT OR IGNORE INTO main.walks SELECT i.game_id, walk FROM kept.walks JOIN kept_ids i ON i.kept_id = walks.game_id;"
    "DROP VIEW temp.kept_ids;";

// The kept games the history holds now leave the pending file.
constexpr const char* kForgetCopied =
    "DELETE FROM kept.games WHERE uid IN (SELECT uid FROM main.games WHERE uid NOT NULL);"
    "DELETE FROM kept.letters WHERE game_id NOT IN (SELECT id FROM kept.games);"
    "DELETE FROM kept.substitutions WHERE game_id NOT IN (SELECT id FROM kept.games);"
    "DELETE FROM kept.mistyped_words WHERE game_id NOT IN (SELECT id FROM kept.games);"
    "DELETE FROM kept.walks WHERE game_id NOT IN (SELECT id FROM kept.games);";

// The latest games, for the sums over recent games.
constexpr const char* kRecent = " WHERE game_id IN (SELECT id FROM games ORDER BY id DESC LIMIT ?1)";

// What a file of `version` holds: the first versions have no pace, the very
// first no letters, and an empty file nothing.
HistoryData readHistory(sqlite::Database& db, int version, int recentGames) {
    HistoryData data;
    if (version < 1) {
        return data;
    }
    sqlite::Statement games(db, version >= 3 ? "SELECT played_at, level_length, score, wpm, accuracy, pace FROM games ORDER BY id"
                                             : "SELECT played_at, level_length, score, wpm, accuracy, 0.0 FROM games ORDER BY id");
    while (games.step()) {
        data.games.push_back({games.integer(0), static_cast<int>(games.integer(1)),
                              static_cast<int>(games.integer(2)), games.real(3), games.real(4), games.real(5)});
    }
    if (version < 2) {
        return data;
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

struct History::Trouble {
    std::string reason;
    bool busy = false;
    bool told = false;  // its line is printed already
};

History::History(std::string path, io::Output& out, Access access)
    : path_(std::move(path)), out_(out), access_(access) {}

template <class Work>
std::optional<History::Trouble> History::use(bool create, Work&& work) {
    // A second round only after a damaged file was moved aside.
    for (int round = 0; round < 2; ++round) {
        try {
            if (!db_) {
                if (!create && !exists(path_)) {
                    return std::nullopt;  // no history yet, and none is made just to read it
                }
                db_ = access_ == Access::Read ? openForReading(path_) : openForWriting(path_);
                version_ = schemaVersion(*db_);
            }
            work(*db_);
            return std::nullopt;
        } catch (const Refused& refused) {
            db_.reset();
            return Trouble{refused.reason};
        } catch (const sqlite::Error& error) {
            // Closed, and reopened next time: a lock or a full disk may pass.
            // Closing also removes the journal files when no one else uses
            // them, so a failed write leaves nothing on a full disk.
            db_.reset();
            const int code = error.primaryCode();
            if (!error.damaged() || round > 0 || access_ == Access::Read) {
                return Trouble{reason(error, path_), code == SQLITE_BUSY || code == SQLITE_LOCKED};
            }
            if (!moveAside()) {
                return Trouble{"is damaged and cannot be moved aside", false, true};
            }
            if (!create) {
                return std::nullopt;  // no history any more
            }
        }
    }
    return std::nullopt;
}

bool History::moveAside() {
    // The first free name of the day, so an earlier damaged file is never
    // replaced; the journal files go with it, since a fresh file beside them
    // would take them for its own.
    const std::string stem = path_ + ".damaged-" + today();
    std::string aside = stem;
    for (int n = 2; exists(aside); ++n) {
        aside = stem + "-" + std::to_string(n);
    }
    std::error_code error;
    fs::rename(path_, aside, error);
    if (error) {
        out_.line("History file ", path_, " is damaged and cannot be moved aside (", error.message(),
                  "); playing without history");
        return false;
    }
    for (const char* journal : {"-journal", "-wal", "-shm"}) {
        if (exists(path_ + journal)) {
            std::error_code ignored;
            fs::rename(path_ + journal, aside + journal, ignored);
        }
    }
    out_.line("History file ", path_, " is damaged or not a database: moved it to ", aside);
    return true;
}

// Runs `write` in one transaction with the games kept for later, if any.
template <class Write>
void History::writeWithKept(sqlite::Database& db, Write&& write) {
    bool copied = attachKept(db);
    {
        sqlite::Transaction transaction(db);
        if (copied) {
            // A pending file that cannot be read costs neither this game nor
            // the history: its games wait for another chance.
            db.exec("SAVEPOINT copy");
            try {
                db.exec(kCopyKept);
            } catch (const sqlite::Error&) {
                db.exec("ROLLBACK TO copy");
                copied = false;
            }
            db.exec("RELEASE copy");
        }
        write();
        transaction.commit();
    }
    if (copied) {
        clearKept(db);
    }
    detachKept(db);
}

bool History::attachKept(sqlite::Database& db) {
    if (!exists(keptPath())) {
        return false;
    }
    try {
        detachKept(db);  // left by a failed round
        {
            sqlite::Statement attach(db, "ATTACH ? AS kept");
            attach.bind(1, sqlite::fileUri(keptPath(), "mode=rw")).step();
        }
        if (db.integer("PRAGMA kept.application_id") == kApplicationId &&
            db.integer("PRAGMA kept.user_version") == kHistoryVersion) {
            return true;
        }
    } catch (const sqlite::Error&) {
        // Unreadable now: its games wait for another chance.
    }
    detachKept(db);
    return false;
}

void History::detachKept(sqlite::Database& db) {
    try {
        if (db.integer("SELECT count(*) FROM pragma_database_list WHERE name = 'kept'") != 0) {
            db.exec("DETACH kept");
        }
    } catch (const sqlite::Error&) {
        // Detached before the next round.
    }
}

void History::clearKept(sqlite::Database& db) {
    try {
        sqlite::Transaction transaction(db);
        if (db.hasMoved("kept")) {
            return;  // cleared by another copy of the game
        }
        if (db.integer("SELECT count(*) FROM kept.games WHERE uid NOT IN"
                       " (SELECT uid FROM main.games WHERE uid NOT NULL)") == 0) {
            // Removed while this holds its lock: another copy of the game
            // keeping a game meanwhile waits for it, then sees the file gone
            // and makes a new one.
            std::error_code ignored;
            fs::remove(keptPath(), ignored);
        } else {
            db.exec(kForgetCopied);
        }
        transaction.commit();
    } catch (const sqlite::Error&) {
        // The games are in the history: the next round skips them by their ids.
    }
}

bool History::keep(const GameRecord& game, const std::string& id) {
    try {
        for (int attempt = 0; attempt < 3; ++attempt) {
            sqlite::Database kept(keptPath(), sqlite::OpenMode::Create);
            kept.busyTimeout(kLockWaitMs);
            if (fileKind(kept) != FileKind::History) {
                return false;
            }
            upgradeSchema(kept);
            sqlite::Transaction transaction(kept);
            if (kept.hasMoved()) {
                continue;  // written into the history and removed meanwhile
            }
            writeGame(kept, game, id);
            transaction.commit();
            return true;
        }
    } catch (const sqlite::Error&) {
    }
    return false;
}

void History::prepare() {
    // Quiet: a file that cannot be used now gets its line when the game ends.
    (void)use(true, [&](sqlite::Database& db) {
        // Passive: it never waits for another copy of the game, nor holds it up.
        db.exec("PRAGMA wal_checkpoint(PASSIVE)");
        db.busyTimeout(kQuickWaitMs);
        try {
            if (exists(keptPath())) {
                writeWithKept(db, [] {});
            } else {
                // The first write after a checkpoint restarts the log and
                // waits for the disk; a write of the unchanged version takes
                // that wait here.
                db.exec(("PRAGMA user_version = " + std::to_string(kHistoryVersion)).c_str());
            }
        } catch (const sqlite::Error& error) {
            if (error.primaryCode() != SQLITE_BUSY) {
                throw;
            }
        }
        db.busyTimeout(kLockWaitMs);
    });
}

io::Result<Recorded> History::record(const GameRecord& game) {
    const std::string id = newGameId();
    const auto trouble = use(true, [&](sqlite::Database& db) { writeWithKept(db, [&] { writeGame(db, game, id); }); });
    if (!trouble) {
        return Recorded::Written;
    }
    if (trouble->busy && keep(game, id)) {
        out_.line("Game kept in ", keptPath(), ": ", path_, " is locked by another program");
        return Recorded::Kept;
    }
    if (!trouble->told) {
        out_.line("Game not recorded: ", path_, " ", trouble->reason);
    }
    return io::fail(trouble->reason);
}

void History::writeKept() {
    if (access_ == Access::Write && exists(keptPath())) {
        (void)use(true, [&](sqlite::Database& db) { writeWithKept(db, [] {}); });
    }
}

io::Result<HistoryData> History::load(int recentGames) {
    HistoryData data;
    const auto trouble = use(false, [&](sqlite::Database& db) { data = readHistory(db, version_, recentGames); });
    if (!trouble) {
        return data;
    }
    if (!trouble->told) {
        out_.line("History not read: ", path_, " ", trouble->reason);
    }
    return io::fail(trouble->reason);
}

std::optional<BestRun> History::bestRun(const std::string& corridor) {
    std::optional<BestRun> best;
    if (corridor.empty()) {
        return best;
    }
    (void)use(false, [&](sqlite::Database& db) {
        if (version_ < 3) {
            return;
        }
        sqlite::Statement run(db,
                              "SELECT played_at, score, run_seconds, walk FROM games LEFT JOIN walks ON game_id = id"
                              " WHERE corridor = ? AND corridor <> '' ORDER BY score DESC, run_seconds, id LIMIT 1");
        run.bind(1, corridor);
        if (run.step()) {
            best = BestRun{run.integer(0), static_cast<int>(run.integer(1)), run.real(2), run.blob(3)};
        }
    });
    return best;
}

}  // namespace brindlemoor::stats
