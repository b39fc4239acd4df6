#pragma once
// What the store remembers of each file it imported: its size and time then,
// where the last read ended, and a digest of its first bytes, so that an
// unchanged file is skipped, a grown one read on from where it ended, and one
// rewritten read again from the start.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "store/Statement.h"

namespace store {

class Database;

struct FileRecord {
    std::int64_t size = 0;
    std::int64_t modified = 0;   // the file time's count since its epoch
    std::int64_t endOffset = 0;
    std::int64_t headSize = 0;   // bytes the head digest covers
    std::string headDigest;
};

class FileRecords {
public:
    explicit FileRecords(Database& db);

    std::optional<FileRecord> find(const std::string& path);
    // Inserts or replaces the file's record; returns its id.
    std::int64_t save(const std::string& path, const FileRecord& record);

private:
    Statement find_;
    Statement save_;
};

// How much of a file's start its record's digest covers.
inline constexpr std::int64_t kHeadBytes = 4096;

// The digest of the file's first `size` bytes; nothing when it cannot read
// that many.
std::optional<std::string> headDigest(const std::filesystem::path& file, std::int64_t size);

} // namespace store
