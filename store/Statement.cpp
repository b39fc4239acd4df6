#include "store/Statement.h"

#include <sqlite3.h>

#include "store/Database.h"

namespace store {

Statement::Statement(Database& db, const char* sql) : db_(db)
{
    const int rc = sqlite3_prepare_v3(db.handle(), sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
    if (rc != SQLITE_OK)
        db.fail(rc);
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

void Statement::bind(int index, std::int64_t value)
{
    if (const int rc = sqlite3_bind_int64(stmt_, index, value); rc != SQLITE_OK)
        db_.fail(rc);
}

void Statement::bind(int index, double value)
{
    if (const int rc = sqlite3_bind_double(stmt_, index, value); rc != SQLITE_OK)
        db_.fail(rc);
}

void Statement::bind(int index, std::string_view text)
{
    if (const int rc = sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_STATIC, SQLITE_UTF8);
        rc != SQLITE_OK)
        db_.fail(rc);
}

void Statement::bindBlob(int index, std::string_view bytes)
{
    // An empty blob with a null pointer would read as NULL.
    static const char kEmpty = 0;
    const char* data = bytes.empty() ? &kEmpty : bytes.data();
    if (const int rc = sqlite3_bind_blob64(stmt_, index, data, bytes.size(), SQLITE_STATIC); rc != SQLITE_OK)
        db_.fail(rc);
}

void Statement::bindNull(int index)
{
    if (const int rc = sqlite3_bind_null(stmt_, index); rc != SQLITE_OK)
        db_.fail(rc);
}

void Statement::bind(int index, std::optional<double> value)
{
    if (value)
        bind(index, *value);
    else
        bindNull(index);
}

bool Statement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    db_.fail(rc);
}

void Statement::run()
{
    while (step()) {
    }
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::int64_t Statement::integer(int column) const
{
    return sqlite3_column_int64(stmt_, column);
}

double Statement::real(int column) const
{
    return sqlite3_column_double(stmt_, column);
}

std::optional<double> Statement::optionalReal(int column) const
{
    if (isNull(column))
        return std::nullopt;
    return real(column);
}

std::optional<std::int64_t> Statement::optionalInteger(int column) const
{
    if (isNull(column))
        return std::nullopt;
    return integer(column);
}

std::string_view Statement::text(int column) const
{
    const auto* data = sqlite3_column_blob(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    if (!data)
        return {};
    return {static_cast<const char*>(data), static_cast<std::size_t>(size)};
}

} // namespace store
