// A thin owner of SQLite's C interface: the connection, prepared statements
// and a transaction guard. Values only ever reach SQL as bound parameters.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace brindlemoor::stats::sqlite {

// A failed SQLite call, with its result code.
class Error : public std::runtime_error {
public:
    Error(int code, const std::string& message);
    int code() const { return code_; }  // extended result code
    int primaryCode() const { return code_ & 0xff; }
    // The file is not a database or its content is broken.
    bool damaged() const;

private:
    int code_;
};

class Database {
public:
    // Opens the file for reading and writing; `create` makes it when missing.
    Database(const std::string& path, bool create);
    ~Database();
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs fixed SQL text (schema, pragmas); never text built from data.
    void exec(const char* sql);
    void busyTimeout(int milliseconds);
    std::int64_t lastInsertId() const;
    sqlite3* handle() const { return db_; }

private:
    [[noreturn]] void fail(int code) const;
    sqlite3* db_ = nullptr;
};

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

    // True while a row is ready; false when the statement is done.
    bool step();
    // Makes the statement ready to run again with new parameters.
    void reset();

    std::int64_t integer(int column) const;
    double real(int column) const;
    std::string text(int column) const;

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
