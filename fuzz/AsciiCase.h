#pragma once
// A text with its ASCII letters in upper or lower case; other bytes, those of
// UTF-8 characters included, stay as they are (the fuzzers run in the C locale).

#include <cctype>
#include <string>
#include <string_view>

inline std::string withAsciiCase(std::string_view text, bool upper)
{
    std::string out(text);
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        c = static_cast<char>(upper ? std::toupper(byte) : std::tolower(byte));
    }
    return out;
}
