#pragma once
// Words of commands, options and file formats compared as their readers
// expect: the letters A to Z alike in either case, every other byte as
// itself. The locale plays no part (under some, std::tolower folds "I" to a
// letter that is not "i", or changes bytes of UTF-8 text).

#include <cstddef>
#include <string_view>

namespace platform::text {

constexpr char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}

} // namespace platform::text
