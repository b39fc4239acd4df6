#pragma once
// UTF-8 helpers. Texts are UTF-8 throughout; lengths that a user sees (typed
// length limits, caret positions) are counted in code points.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform::utf8 {

// Number of code points; a byte that starts no valid sequence counts as one.
std::size_t length(std::string_view text);

// Byte offset of code point index `index` (clamped to the end).
std::size_t offsetOf(std::string_view text, std::size_t index);

// The byte after the code point (or invalid byte) at `pos`, and the byte
// where the one before the code point boundary `pos` starts (`pos` > 0):
// stepping back gives the boundaries stepping forward from the start does.
std::size_t nextOffset(std::string_view text, std::size_t pos);
std::size_t previousOffset(std::string_view text, std::size_t pos);

// Decodes the code point at byte `pos`, advancing `pos`. Invalid bytes decode
// to U+FFFD and advance by one.
char32_t decode(std::string_view text, std::size_t& pos);

void append(std::string& out, char32_t codePoint);

// The whole text as code points (invalid bytes as U+FFFD), and back.
std::u32string codePoints(std::string_view text);
std::string toUtf8(std::u32string_view codePoints);

// Control characters: C0, DEL and C1.
constexpr bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

} // namespace platform::utf8
