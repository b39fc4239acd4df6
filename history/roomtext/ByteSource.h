#pragma once
// Where the reader's bytes come from: a file read in chunks, or a buffer in
// memory (the fuzzer and the tests read hands without writing files).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace history::roomtext {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies up to `size` bytes from `offset` into `into`; fewer only at the end.
    virtual std::size_t readAt(std::uint64_t offset, char* into, std::size_t size) = 0;
};

class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(std::string_view bytes) : bytes_(bytes) {}
    std::size_t readAt(std::uint64_t offset, char* into, std::size_t size) override;

private:
    std::string_view bytes_;
};

class FileByteSource final : public ByteSource {
public:
    explicit FileByteSource(const std::filesystem::path& path);
    bool isOpen() const { return in_.is_open(); }
    std::size_t readAt(std::uint64_t offset, char* into, std::size_t size) override;

private:
    std::ifstream in_;
    std::uint64_t position_ = 0;
};

} // namespace history::roomtext
