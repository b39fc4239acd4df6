#pragma once
// Lines of a byte source, read in chunks into one buffer that is reused, so
// memory does not grow with the file. UTF-16 lines come out as UTF-8; CR LF
// and LF both end a line. Every line carries its byte offsets in the source.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/roomtext/ByteSource.h"
#include "history/roomtext/TextEncoding.h"

namespace history::roomtext {

struct Line {
    std::string_view text;   // UTF-8, without its line break; valid until the next read
    std::uint64_t start = 0; // offset of the line's first byte
    std::uint64_t end = 0;   // offset just past its line break
    bool terminated = true;  // false for a last line without a break
    bool tooLong = false;    // longer than the reader keeps: `text` is empty
};

class LineReader {
public:
    static constexpr std::size_t kDefaultChunkBytes = std::size_t{1} << 20;
    static constexpr std::size_t kDefaultMaxLineBytes = std::size_t{1} << 16;

    LineReader(ByteSource& source, TextEncoding encoding, std::uint64_t offset,
               std::size_t chunkBytes = kDefaultChunkBytes, std::size_t maxLineBytes = kDefaultMaxLineBytes);

    // The next line, or false at the end of the source.
    bool next(Line& line);
    // Gives the line last read again on the next call (not a too-long line).
    void unread(const Line& line);

private:
    bool readMore();
    std::size_t findBreak(std::size_t from) const; // index of the break's first byte, or npos
    bool emit(Line& line, std::size_t lineBegin, std::size_t breakAt, bool terminated);

    ByteSource& source_;
    std::size_t unit_;
    std::size_t chunkBytes_;
    std::size_t maxLineBytes_;
    std::vector<char> buffer_;
    std::uint64_t bufferOffset_; // the source offset of buffer_[0]
    std::size_t begin_ = 0;      // the unread bytes are [begin_, end_)
    std::size_t end_ = 0;
    std::size_t searched_ = 0;   // [begin_, searched_) holds no line break
    bool atEnd_ = false;
    bool discarding_ = false;    // inside a too-long line, skipping to its end
    std::uint64_t discardStart_ = 0;
    std::string decoded_;
};

} // namespace history::roomtext
