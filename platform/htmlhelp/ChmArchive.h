#pragma once
// A compiled help file, read with libmspack: the names of the files it holds
// and their contents. The whole file is read into memory when opened; a file
// that is missing, unreadable or not a sound archive gives no archive.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::chm {

class ChmArchive {
public:
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    static std::unique_ptr<ChmArchive> open(const std::string& path);
    static std::unique_ptr<ChmArchive> fromBytes(std::string bytes);

    // Every file of the archive ("/topics/main.htm", "/#SYSTEM", ...), in
    // archive order; the storage's own meta files ("::...") are left out.
    const std::vector<std::string>& names() const noexcept { return names_; }
    bool contains(std::string_view name) const;

    // The file's contents, or nothing if it is not there or does not unpack.
    std::optional<std::string> read(std::string_view name) const;

    // Files larger than this are refused (no help file comes near it).
    static constexpr std::size_t kMaxFileSize = 64u << 20;
    static constexpr std::size_t kMaxEntrySize = 16u << 20;

private:
    struct Impl;
    explicit ChmArchive(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
    std::vector<std::string> names_;
};

} // namespace platform::chm
