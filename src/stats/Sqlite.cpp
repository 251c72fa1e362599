#include "stats/Sqlite.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <utility>

namespace brindlemoor::stats::sqlite {

Error::Error(int code, const std::string& message, int systemError)
    : std::runtime_error(message), code_(code), systemError_(systemError) {}

bool Error::damaged() const { return primaryCode() == SQLITE_CORRUPT || primaryCode() == SQLITE_NOTADB; }

std::string fileUri(const std::string& path, const std::string& query) {
    std::error_code ignored;
    std::string absolute = std::filesystem::absolute(path, ignored).string();
    while (absolute.compare(0, 2, "//") == 0) {
        absolute.erase(0, 1);  // "file://" would begin a host name
    }
    std::string uri = "file:";
    for (const char c : absolute) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '.' || c == '_' || c == '-' || c == '~';
        if (plain) {
            uri += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            uri += escaped;
        }
    }
    return query.empty() ? uri : uri + "?" + query;
}

Database::Database(const std::string& path, OpenMode mode) {
    int flags = SQLITE_OPEN_URI;
    std::string query;
    switch (mode) {
        case OpenMode::ReadWrite: flags |= SQLITE_OPEN_READWRITE; break;
        case OpenMode::Create: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
        case OpenMode::ReadOnly: flags |= SQLITE_OPEN_READONLY; break;
        case OpenMode::Immutable:
            flags |= SQLITE_OPEN_READONLY;
            query = "immutable=1";
            break;
    }
    const int code = sqlite3_open_v2(fileUri(path, query).c_str(), &db_, flags, nullptr);
    if (code != SQLITE_OK) {
        // SQLite hands out a handle even when opening fails; no destructor
        // runs for a throwing constructor, so it is closed here.
        const Error error(code, db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(code),
                          db_ != nullptr ? sqlite3_system_errno(db_) : 0);
        sqlite3_close_v2(std::exchange(db_, nullptr));
        throw error;
    }
    sqlite3_extended_result_codes(db_, 1);
}

Database::~Database() { sqlite3_close_v2(db_); }

Database::Database(Database&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        sqlite3_close_v2(db_);
        db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
}

void Database::fail(int code) const {
    // The handle's message is more precise than the code's when there is one.
    const std::string message = db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
    const int extended = db_ != nullptr ? sqlite3_extended_errcode(db_) : code;
    throw Error(extended != SQLITE_OK ? extended : code, message, db_ != nullptr ? sqlite3_system_errno(db_) : 0);
}

void Database::exec(const char* sql) {
    const int code = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        fail(code);
    }
}

std::int64_t Database::integer(const char* sql) {
    Statement query(*this, sql);
    return query.step() ? query.integer(0) : 0;
}

void Database::busyTimeout(int milliseconds) { sqlite3_busy_timeout(db_, milliseconds); }

std::int64_t Database::lastInsertId() const { return sqlite3_last_insert_rowid(db_); }

bool Database::hasMoved(const char* schema) {
    int moved = 0;
    return sqlite3_file_control(db_, schema, SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved != 0;
}

Statement::Statement(Database& db, const char* sql) : db_(db) {
    check(sqlite3_prepare_v2(db_.handle(), sql, -1, &stmt_, nullptr));
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::check(int code) const {
    if (code != SQLITE_OK) {
        throw Error(sqlite3_extended_errcode(db_.handle()), sqlite3_errmsg(db_.handle()),
                    sqlite3_system_errno(db_.handle()));
    }
}

Statement& Statement::bind(int index, std::int64_t value) {
    check(sqlite3_bind_int64(stmt_, index, value));
    return *this;
}

Statement& Statement::bind(int index, double value) {
    check(sqlite3_bind_double(stmt_, index, value));
    return *this;
}

Statement& Statement::bind(int index, const std::string& value) {
    check(sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT));
    return *this;
}

Statement& Statement::bind(int index, const std::vector<unsigned char>& blob) {
    check(sqlite3_bind_blob(stmt_, index, blob.data(), static_cast<int>(blob.size()), SQLITE_TRANSIENT));
    return *this;
}

bool Statement::step() {
    const int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code != SQLITE_DONE) {
        check(code);
    }
    return false;
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::int64_t Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

double Statement::real(int column) const { return sqlite3_column_double(stmt_, column); }

std::string Statement::text(int column) const {
    const unsigned char* chars = sqlite3_column_text(stmt_, column);
    const int bytes = sqlite3_column_bytes(stmt_, column);
    return chars != nullptr ? std::string(reinterpret_cast<const char*>(chars), static_cast<std::size_t>(bytes))
                            : std::string();
}

std::vector<unsigned char> Statement::blob(int column) const {
    const auto* bytes = static_cast<const unsigned char*>(sqlite3_column_blob(stmt_, column));
    const int size = sqlite3_column_bytes(stmt_, column);
    return bytes != nullptr ? std::vector<unsigned char>(bytes, bytes + size) : std::vector<unsigned char>();
}

Transaction::Transaction(Database& db) : db_(db) { db_.exec("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
    if (open_) {
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Transaction::commit() {
    db_.exec("COMMIT");
    open_ = false;
}

}  // namespace brindlemoor::stats::sqlite
