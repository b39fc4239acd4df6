#pragma once
// The range library: named ranges kept in the store, beside the hands and
// the drills. The advisor's own charts come with it as standard ranges
// ("Advisor raises: raised pot, late position"), which can be loaded but
// neither changed, renamed nor deleted. Texts are kept as typed; reading
// them is the range reader's work.
// Its own connection, in WAL mode with a busy timeout, as the drills'.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store {

struct StoredRange {
    std::string name;
    std::string text;          // "QQ+, AKs", "chart(raised, late):raise"
    std::int64_t createdAt = 0; // seconds since 1970, UTC
    std::int64_t updatedAt = 0;
    bool standard = false;
};

// Empty when a change was made; otherwise the reason, in a sentence, and
// nothing was changed.
using LibraryAnswer = std::string;

class RangeLibrary {
public:
    // Opens or creates the store and brings its schema up to date. Throws
    // StoreError for a damaged or newer file.
    explicit RangeLibrary(const std::filesystem::path& path);
    ~RangeLibrary();
    RangeLibrary(const RangeLibrary&) = delete;
    RangeLibrary& operator=(const RangeLibrary&) = delete;

    // The standard ranges first, in their own order, then the player's by name.
    std::vector<StoredRange> list() const;
    std::optional<StoredRange> load(std::string_view name) const;

    // Names are trimmed of surrounding spaces; an empty name or text is refused.
    // Saves a new range, or replaces the text of the player's range of that name.
    LibraryAnswer save(std::string_view name, std::string_view text, std::int64_t now = currentTime());
    // Refused when the new name is taken.
    LibraryAnswer rename(std::string_view from, std::string_view to, std::int64_t now = currentTime());
    LibraryAnswer remove(std::string_view name);

    static std::int64_t currentTime();
    // A name or a text as the library keeps it: without surrounding spaces.
    static std::string_view trimmed(std::string_view name);
    // A name as messages show it, in curly quotes.
    static std::string quoted(std::string_view name);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace store
