#pragma once
// One SQLite connection, closed with the object. Every failure becomes a
// StoreError whose message names the file and says what went wrong in words a
// user can act on (damaged, read-only, full disk), with SQLite's own message.

#include <filesystem>
#include <string>
#include <string_view>

#include "store/HandStore.h"

struct sqlite3;

namespace store {

// A StoreError with SQLite's result code, for callers that answer some codes
// (a full disk) in their own words.
class SqliteError : public StoreError {
public:
    SqliteError(const std::string& message, int code) : StoreError(message), code_(code) {}
    int code() const { return code_; }
    bool isDiskFull() const;

private:
    int code_;
};

class Database {
public:
    enum class Access { ReadOnly, ReadWrite, ReadWriteCreate };

    // Opens the file; SQLite reads nothing yet, so a damaged file shows on
    // the first query. ReadWriteCreate makes the file's folder first when it
    // is missing.
    Database(const std::filesystem::path& path, Access access);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void setBusyTimeout(int milliseconds);
    // Runs statements that return no rows worth reading.
    void exec(const char* sql);
    // The first column of the first row of a query, as an integer.
    long long queryInteger(const char* sql);

    sqlite3* handle() const { return db_; }
    const std::filesystem::path& path() const { return path_; }
    long long lastInsertId() const;
    int changes() const;

    // Throws the StoreError for the result code of a failed call.
    [[noreturn]] void fail(int rc) const;

private:
    sqlite3* db_ = nullptr;
    std::filesystem::path path_;
};

// The message for a failed SQLite call on `path`: what it means for the user,
// then the details.
std::string storeErrorMessage(const std::filesystem::path& path, int rc, std::string_view details);

} // namespace store
