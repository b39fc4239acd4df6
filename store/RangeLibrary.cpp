#include "store/RangeLibrary.h"

#include <chrono>

#include "platform/text/Trimmed.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/Statement.h"
#include "store/Transaction.h"

namespace store {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kLongestName = 200;

LibraryAnswer nameProblem(std::string_view name)
{
    if (name.empty())
        return "A range needs a name.";
    if (name.size() > kLongestName)
        return "A range's name takes at most " + std::to_string(kLongestName) + " characters.";
    return {};
}

StoredRange readRange(const Statement& s)
{
    return {std::string(s.text(0)), std::string(s.text(1)), s.integer(2), s.integer(3), s.integer(4) != 0};
}

constexpr const char* kColumns = "SELECT name, text, created_at, updated_at, standard FROM ranges ";

} // namespace

struct RangeLibrary::Impl {
    explicit Impl(const fs::path& file) : db(file, Database::Access::ReadWriteCreate) {}

    // The stored range of this name, standard or not.
    std::optional<StoredRange> find(std::string_view name)
    {
        Statement s(db, (std::string(kColumns) + "WHERE name = ?1").c_str());
        s.bind(1, name);
        if (!s.step())
            return std::nullopt;
        return readRange(s);
    }

    Database db;
};

RangeLibrary::RangeLibrary(const fs::path& path) : impl_(std::make_unique<Impl>(path))
{
    prepareToWrite(impl_->db);
}

RangeLibrary::~RangeLibrary() = default;

std::string_view RangeLibrary::trimmed(std::string_view name)
{
    return platform::text::trimmed(name);
}

std::string RangeLibrary::quoted(std::string_view name)
{
    return "\u201c" + std::string(name) + "\u201d";
}

std::int64_t RangeLibrary::currentTime()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

std::vector<StoredRange> RangeLibrary::list() const
{
    Statement s(impl_->db, (std::string(kColumns) + "ORDER BY standard DESC, CASE WHEN standard THEN id END, name").c_str());
    std::vector<StoredRange> out;
    while (s.step())
        out.push_back(readRange(s));
    return out;
}

std::optional<StoredRange> RangeLibrary::load(std::string_view name) const
{
    return impl_->find(trimmed(name));
}

LibraryAnswer RangeLibrary::save(std::string_view name, std::string_view text, std::int64_t now)
{
    name = trimmed(name);
    text = trimmed(text);
    if (LibraryAnswer problem = nameProblem(name); !problem.empty())
        return problem;
    if (text.empty())
        return "The range " + quoted(name) + " has no hands to save.";
    Database& db = impl_->db;
    Transaction transaction(db);
    const auto existing = impl_->find(name);
    if (existing && existing->standard)
        return quoted(name) + " is one of the standard ranges and cannot be changed; save it under another name.";
    if (existing) {
        Statement s(db, "UPDATE ranges SET text = ?2, updated_at = ?3 WHERE name = ?1");
        s.bind(1, name);
        s.bind(2, text);
        s.bind(3, now);
        s.run();
    } else {
        Statement s(db, "INSERT INTO ranges(name, text, created_at, updated_at, standard) VALUES (?1, ?2, ?3, ?3, 0)");
        s.bind(1, name);
        s.bind(2, text);
        s.bind(3, now);
        s.run();
    }
    transaction.commit();
    return {};
}

LibraryAnswer RangeLibrary::rename(std::string_view from, std::string_view to, std::int64_t now)
{
    from = trimmed(from);
    to = trimmed(to);
    if (LibraryAnswer problem = nameProblem(to); !problem.empty())
        return problem;
    Database& db = impl_->db;
    Transaction transaction(db);
    const auto existing = impl_->find(from);
    if (!existing)
        return "There is no range named " + quoted(from) + ".";
    if (existing->standard)
        return quoted(from) + " is one of the standard ranges and cannot be renamed.";
    if (from == to)
        return {};
    if (impl_->find(to))
        return "A range named " + quoted(to) + " already exists.";
    Statement s(db, "UPDATE ranges SET name = ?2, updated_at = ?3 WHERE name = ?1");
    s.bind(1, from);
    s.bind(2, to);
    s.bind(3, now);
    s.run();
    transaction.commit();
    return {};
}

LibraryAnswer RangeLibrary::remove(std::string_view name)
{
    name = trimmed(name);
    Database& db = impl_->db;
    Transaction transaction(db);
    const auto existing = impl_->find(name);
    if (!existing)
        return "There is no range named " + quoted(name) + ".";
    if (existing->standard)
        return quoted(name) + " is one of the standard ranges and cannot be deleted.";
    Statement s(db, "DELETE FROM ranges WHERE name = ?1");
    s.bind(1, name);
    s.run();
    transaction.commit();
    return {};
}

} // namespace store
