#pragma once
// Numbers in the platform's stored texts: written with std::to_chars, so the
// text is the same whatever the locale.

#include <array>
#include <charconv>
#include <string>

namespace platform::text {

template <class Number>
void appendNumber(std::string& out, Number value)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

} // namespace platform::text
