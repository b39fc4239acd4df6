#include "store/Database.h"

#include <sqlite3.h>

#include <system_error>

namespace store {

std::string storeErrorMessage(const std::filesystem::path& path, int rc, std::string_view details)
{
    const std::string name = path.string();
    const std::string why = "(" + std::string(details) + ")";
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return name + " is not a hand store or is damaged " + why + ". Nothing was changed.";
    case SQLITE_FULL:
        return "The disk holding " + name + " is full " + why + ".";
    case SQLITE_READONLY:
        return name + " cannot be written: it, or its folder, is read-only " + why + ".";
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return name + " cannot be opened: check that its folder exists and may be written " + why + ".";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return name + " is busy: another program holds it " + why + ".";
    case SQLITE_IOERR:
        return name + " could not be read or written " + why + ".";
    default:
        return name + ": " + std::string(details) + ".";
    }
}

namespace {

void makeFolderFor(const std::filesystem::path& file)
{
    const std::filesystem::path folder = file.parent_path();
    std::error_code ec;
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
        std::filesystem::create_directories(folder, ec);
        if (ec)
            throw StoreError(file.string() + " cannot be created: its folder cannot be made (" + ec.message() + ").");
    }
}

} // namespace

Database::Database(const std::filesystem::path& path, Access access) : path_(path)
{
    if (access == Access::ReadWriteCreate)
        makeFolderFor(path);
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (access) {
    case Access::ReadOnly: flags |= SQLITE_OPEN_READONLY; break;
    case Access::ReadWrite: flags |= SQLITE_OPEN_READWRITE; break;
    case Access::ReadWriteCreate: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
    }
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string details = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw SqliteError(storeErrorMessage(path_, rc, details), rc);
    }
    sqlite3_extended_result_codes(db_, 1);
}

Database::~Database()
{
    sqlite3_close_v2(db_);
}

void Database::setBusyTimeout(int milliseconds)
{
    sqlite3_busy_timeout(db_, milliseconds);
}

void Database::exec(const char* sql)
{
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
}

long long Database::queryInteger(const char* sql)
{
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
    rc = sqlite3_step(stmt);
    const long long value = rc == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        fail(rc);
    return value;
}

long long Database::lastInsertId() const
{
    return sqlite3_last_insert_rowid(db_);
}

int Database::changes() const
{
    return sqlite3_changes(db_);
}

void Database::fail(int rc) const
{
    std::string details = sqlite3_errmsg(db_);
    if (details.empty() || details == "not an error")
        details = sqlite3_errstr(rc);
    throw SqliteError(storeErrorMessage(path_, rc, details), rc);
}

bool SqliteError::isDiskFull() const
{
    return (code_ & 0xff) == SQLITE_FULL;
}

} // namespace store
