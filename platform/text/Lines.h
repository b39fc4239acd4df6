#pragma once
// Walking a text line by line, as the readers of the property bag's text and
// the control registry do.

#include <cstddef>
#include <string_view>

namespace platform::text {

// Calls `each(line, number)` for every line of `text`, numbered from 1. A line
// ends at LF; a CR just before the LF is not part of the line.
template <class Each>
void forEachLine(std::string_view text, Each&& each)
{
    std::size_t number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        each(line, ++number);
    }
}

} // namespace platform::text
