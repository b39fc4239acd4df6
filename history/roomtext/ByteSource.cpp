#include "history/roomtext/ByteSource.h"

#include <algorithm>
#include <cstring>

namespace history::roomtext {

std::size_t MemoryByteSource::readAt(std::uint64_t offset, char* into, std::size_t size)
{
    if (offset >= bytes_.size())
        return 0;
    const auto from = static_cast<std::size_t>(offset);
    const std::size_t n = std::min(size, bytes_.size() - from);
    std::memcpy(into, bytes_.data() + from, n);
    return n;
}

FileByteSource::FileByteSource(const std::filesystem::path& path) : in_(path, std::ios::binary) {}

std::size_t FileByteSource::readAt(std::uint64_t offset, char* into, std::size_t size)
{
    if (!in_.is_open())
        return 0;
    if (offset != position_ || !in_.good()) {
        in_.clear();
        in_.seekg(static_cast<std::streamoff>(offset));
        if (!in_)
            return 0;
    }
    in_.read(into, static_cast<std::streamsize>(size));
    const auto n = static_cast<std::size_t>(in_.gcount());
    position_ = offset + n;
    return n;
}

} // namespace history::roomtext
