#pragma once
// Texts in double quotes, as the property bag's text and the control registry
// store them: a backslash escapes "\\", "\"", "\n", "\r", "\t", and "\xHH"
// any other control byte, so a quoted text never spans lines.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform::text {

// 0 to 15 for a hexadecimal digit of either case, -1 for anything else.
int hexDigitValue(char c);

// `digits` hexadecimal digits of `value`, upper case, most significant first.
void appendHex(std::string& out, std::uint64_t value, int digits);

void appendQuoted(std::string& out, std::string_view text);

// Reads the quoted text that starts at `pos` (on its opening quote) into
// `out` and moves `pos` past the closing quote. Returns an empty text, or
// what is wrong with it (then `pos` and `out` say nothing useful).
std::string readQuoted(std::string_view line, std::size_t& pos, std::string& out);

} // namespace platform::text
