#pragma once
// The two encodings the room writes its export in, told by the byte-order
// mark: UTF-8 (with or without a mark) and UTF-16 little-endian (with one).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace history::roomtext {

enum class TextEncoding : std::uint8_t { Utf8, Utf16Le };

struct EncodingMark {
    TextEncoding encoding = TextEncoding::Utf8;
    std::size_t markBytes = 0; // the byte-order mark's length, 0 without one
};

EncodingMark detectEncoding(std::string_view firstBytes);

// Appends the UTF-8 form of UTF-16 LE text; a lone surrogate becomes U+FFFD
// and an odd last byte is dropped.
void appendUtf16LeAsUtf8(std::string_view utf16, std::string& utf8);

} // namespace history::roomtext
