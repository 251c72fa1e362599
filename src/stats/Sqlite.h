// A thin owner of SQLite's C interface: the connection, prepared statements
// and a transaction guard. Values only ever reach SQL as bound parameters.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace brindlemoor::stats::sqlite {

// A failed SQLite call, with its result code.
class Error : public std::runtime_error {
public:
    Error(int code, const std::string& message, int systemError = 0);
    int code() const { return code_; }  // extended result code
    int primaryCode() const { return code_ & 0xff; }
    // The operating system's errno behind the failure, 0 when none is known.
    int systemError() const { return systemError_; }
    // The file is not a database or its content is broken.
    bool damaged() const;

private:
    int code_;
    int systemError_;
};

enum class OpenMode {
    ReadWrite,  // the file must exist
    Create,     // read and write, made when missing
    ReadOnly,   // takes locks like any reader, so it may need the journal files
    Immutable,  // reads the file as it is: no locks, no journal files, no change
};

class Database {
public:
    Database(const std::string& path, OpenMode mode);
    ~Database();
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs fixed SQL text (schema, pragmas); never text built from data.
    void exec(const char* sql);
    // The first column of the first row of fixed SQL text (a pragma, a count).
    std::int64_t integer(const char* sql);
    void busyTimeout(int milliseconds);
    std::int64_t lastInsertId() const;
    // The file was renamed or deleted since it was opened.
    bool hasMoved(const char* schema = "main");
    sqlite3* handle() const { return db_; }

private:
    [[noreturn]] void fail(int code) const;
    sqlite3* db_ = nullptr;
};

// The URI SQLite opens `path` by, with `query` ("mode=ro", ...) when not empty.
std::string fileUri(const std::string& path, const std::string& query);

class Statement {
public:
    Statement(Database& db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters count from 1, as in SQLite.
    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }
    Statement& bind(int index, double value);
    Statement& bind(int index, const std::string& value);
    Statement& bind(int index, const std::vector<unsigned char>& blob);

    // True while a row is ready; false when the statement is done.
    bool step();
    // Makes the statement ready to run again with new parameters.
    void reset();

    std::int64_t integer(int column) const;
    double real(int column) const;
    std::string text(int column) const;
    std::vector<unsigned char> blob(int column) const;

private:
    void check(int code) const;
    Database& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// BEGIN IMMEDIATE on construction; rolled back on destruction unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool open_ = true;
};

}  // namespace brindlemoor::stats::sqlite
