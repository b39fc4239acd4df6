#include "store/FileRecords.h"

#include <fstream>

#include "store/Database.h"
#include "store/HandKey.h"

namespace store {

FileRecords::FileRecords(Database& db)
    : find_(db, "SELECT size, modified, end_offset, head_size, head_digest FROM files WHERE path = ?1"),
      save_(db, "INSERT INTO files(path, size, modified, end_offset, head_size, head_digest) "
                "VALUES(?1, ?2, ?3, ?4, ?5, ?6) ON CONFLICT(path) DO UPDATE SET size = excluded.size, "
                "modified = excluded.modified, end_offset = excluded.end_offset, head_size = excluded.head_size, "
                "head_digest = excluded.head_digest RETURNING id")
{
}

std::optional<FileRecord> FileRecords::find(const std::string& path)
{
    find_.bind(1, std::string_view(path));
    std::optional<FileRecord> record;
    if (find_.step())
        record = FileRecord{find_.integer(0), find_.integer(1), find_.integer(2), find_.integer(3),
                            std::string(find_.text(4))};
    find_.reset();
    return record;
}

std::int64_t FileRecords::save(const std::string& path, const FileRecord& record)
{
    save_.bind(1, std::string_view(path));
    save_.bind(2, record.size);
    save_.bind(3, record.modified);
    save_.bind(4, record.endOffset);
    save_.bind(5, record.headSize);
    save_.bind(6, std::string_view(record.headDigest));
    std::int64_t id = 0;
    if (save_.step())
        id = save_.integer(0);
    save_.run();
    save_.reset();
    return id;
}

std::optional<std::string> headDigest(const std::filesystem::path& file, std::int64_t size)
{
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::ifstream in(file, std::ios::binary);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size)))
        return std::nullopt;
    return textDigest(bytes);
}

} // namespace store
