#include "cli/ScriptLines.h"

#include <cstring>

namespace cli {

ScriptLines::ScriptLines(std::FILE* in) : in_(in), buffer_(16 * 1024) {}

bool ScriptLines::fill()
{
    start_ = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), in_);
    return end_ > 0;
}

ScriptLines::Result ScriptLines::next(std::string& line)
{
    line.clear();
    bool any = false;
    for (;;) {
        if (start_ == end_ && !fill())
            return any ? Result::Line : Result::End;
        any = true;
        const char* from = buffer_.data() + start_;
        const std::size_t available = end_ - start_;
        const void* lf = std::memchr(from, '\n', available);
        const std::size_t taken = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - from) : available;
        if (line.size() + taken > kLongestLine)
            return Result::TooLong;
        line.append(from, taken);
        start_ += taken;
        if (lf) {
            ++start_;
            return Result::Line;
        }
    }
}

} // namespace cli
