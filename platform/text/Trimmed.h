#pragma once
// A name or a line of text without the spaces, tabs and line ends around it.

#include <string_view>

namespace platform::text {

constexpr std::string_view trimmed(std::string_view text)
{
    constexpr std::string_view kSpace = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

} // namespace platform::text
