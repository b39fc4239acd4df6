#include "history/roomtext/LineReader.h"

#include <algorithm>
#include <cstring>

namespace history::roomtext {

LineReader::LineReader(ByteSource& source, TextEncoding encoding, std::uint64_t offset, std::size_t chunkBytes,
                       std::size_t maxLineBytes)
    : source_(source),
      unit_(encoding == TextEncoding::Utf16Le ? 2 : 1),
      chunkBytes_(std::max<std::size_t>(chunkBytes, 2)),
      maxLineBytes_(std::max<std::size_t>(maxLineBytes, 2)),
      buffer_(chunkBytes_ + maxLineBytes_ + 2),
      bufferOffset_(offset)
{
}

bool LineReader::readMore()
{
    if (atEnd_)
        return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        bufferOffset_ += begin_;
        end_ -= begin_;
        searched_ -= begin_;
        begin_ = 0;
    }
    const std::size_t room = std::min(chunkBytes_, buffer_.size() - end_);
    const std::size_t got = source_.readAt(bufferOffset_ + end_, buffer_.data() + end_, room);
    if (got == 0) {
        atEnd_ = true;
        return false;
    }
    end_ += got;
    return true;
}

std::size_t LineReader::findBreak(std::size_t from) const
{
    if (unit_ == 1) {
        const void* hit = std::memchr(buffer_.data() + from, '\n', end_ - from);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - buffer_.data()) : std::string_view::npos;
    }
    for (std::size_t i = from; i + 1 < end_; i += 2)
        if (buffer_[i] == '\n' && buffer_[i + 1] == '\0')
            return i;
    return std::string_view::npos;
}

bool LineReader::emit(Line& line, std::size_t lineBegin, std::size_t breakAt, bool terminated)
{
    std::size_t stop = breakAt;
    if (unit_ == 1) {
        if (stop > lineBegin && buffer_[stop - 1] == '\r')
            --stop;
        line.text = std::string_view(buffer_.data() + lineBegin, stop - lineBegin);
    } else {
        if (stop >= lineBegin + 2 && buffer_[stop - 2] == '\r' && buffer_[stop - 1] == '\0')
            stop -= 2;
        decoded_.clear();
        appendUtf16LeAsUtf8(std::string_view(buffer_.data() + lineBegin, stop - lineBegin), decoded_);
        line.text = decoded_;
    }
    line.start = bufferOffset_ + lineBegin;
    line.end = bufferOffset_ + (terminated ? breakAt + unit_ : breakAt);
    line.terminated = terminated;
    line.tooLong = false;
    return true;
}

bool LineReader::next(Line& line)
{
    for (;;) {
        // A line break is searched for at a unit boundary from the line's start.
        std::size_t from = searched_;
        if (from < begin_)
            from = begin_;
        if (unit_ == 2 && (from - begin_) % 2 != 0)
            --from;
        const std::size_t at = findBreak(from);
        if (at != std::string_view::npos) {
            const std::size_t lineBegin = begin_;
            begin_ = at + unit_;
            searched_ = begin_;
            if (discarding_) {
                discarding_ = false;
                line = Line{{}, discardStart_, bufferOffset_ + begin_, true, true};
                return true;
            }
            // Too long by its length alone, however much of it one read brought.
            if (at - lineBegin >= maxLineBytes_) {
                line = Line{{}, bufferOffset_ + lineBegin, bufferOffset_ + begin_, true, true};
                return true;
            }
            return emit(line, lineBegin, at, true);
        }
        searched_ = end_;
        if (!discarding_ && end_ - begin_ >= maxLineBytes_) {
            discarding_ = true;
            discardStart_ = bufferOffset_ + begin_;
        }
        if (discarding_) {
            // Keep the last byte of an odd UTF-16 tail: it may pair with the next read.
            const std::size_t keep = (end_ - begin_) % unit_;
            begin_ = end_ - keep;
            searched_ = begin_;
        }
        if (!readMore()) {
            if (discarding_) {
                discarding_ = false;
                line = Line{{}, discardStart_, bufferOffset_ + end_, false, true};
                begin_ = searched_ = end_;
                return true;
            }
            if (begin_ == end_)
                return false;
            const std::size_t lineBegin = begin_;
            begin_ = searched_ = end_;
            return emit(line, lineBegin, end_, false);
        }
    }
}

void LineReader::unread(const Line& line)
{
    const auto length = static_cast<std::size_t>(line.end - line.start);
    if (!line.tooLong && line.start >= bufferOffset_ && length <= begin_) {
        begin_ -= length;
        searched_ = begin_;
    }
}

} // namespace history::roomtext
