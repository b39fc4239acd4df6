#pragma once
// A prepared statement, finalized with the object. Binds count from 1 and
// columns from 0, as SQLite counts them. Texts bound are not copied: they
// must outlive the step that reads them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace store {

class Database;

class Statement {
public:
    Statement(Database& db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, std::int64_t value);
    void bind(int index, int value) { bind(index, static_cast<std::int64_t>(value)); }
    void bind(int index, double value);
    void bind(int index, std::string_view text);
    void bindBlob(int index, std::string_view bytes);
    void bindNull(int index);
    void bind(int index, std::optional<double> value);

    // True while there is a row to read; false when done. Throws StoreError.
    bool step();
    // Steps a statement that returns no row.
    void run();
    // Ready to step again, bindings cleared.
    void reset();

    bool isNull(int column) const;
    std::int64_t integer(int column) const;
    double real(int column) const;
    std::optional<double> optionalReal(int column) const;
    std::optional<std::int64_t> optionalInteger(int column) const;
    std::string_view text(int column) const; // valid until the next step or reset

private:
    Database& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace store
