#include "platform/text/QuotedText.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace platform::text {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

// The characters written as a backslash and a letter: each, then its letter.
constexpr std::pair<char, char> kEscapes[] = {{'\\', '\\'}, {'"', '"'}, {'\n', 'n'}, {'\r', 'r'}, {'\t', 't'}};

bool isControl(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7F;
}

} // namespace

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void appendHex(std::string& out, std::uint64_t value, int digits)
{
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kHex[(value >> shift) & 15];
}

void appendQuoted(std::string& out, std::string_view text)
{
    out += '"';
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        const auto* escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                          [&](const auto& pair) { return pair.first == ch; });
        if (escape != std::end(kEscapes)) {
            out += '\\';
            out += escape->second;
        } else if (isControl(byte)) {
            out += "\\x";
            appendHex(out, byte, 2);
        } else {
            out += ch;
        }
    }
    out += '"';
}

std::string readQuoted(std::string_view line, std::size_t& pos, std::string& out)
{
    if (pos >= line.size() || line[pos] != '"')
        return "expected a quoted text";
    ++pos;
    out.clear();
    while (true) {
        if (pos >= line.size())
            return "the text has no closing quote";
        const char c = line[pos++];
        if (c == '"')
            return {};
        if (isControl(static_cast<unsigned char>(c)))
            return "a control character inside a text must be escaped";
        if (c != '\\') {
            out += c;
            continue;
        }
        if (pos >= line.size())
            return "the text ends in an escape";
        const char e = line[pos++];
        if (e == 'x') {
            const int hi = pos < line.size() ? hexDigitValue(line[pos]) : -1;
            const int lo = pos + 1 < line.size() ? hexDigitValue(line[pos + 1]) : -1;
            if (hi < 0 || lo < 0)
                return "\\x must be followed by two hexadecimal digits";
            out += static_cast<char>(hi * 16 + lo);
            pos += 2;
            continue;
        }
        const auto* escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                          [&](const auto& pair) { return pair.second == e; });
        if (escape == std::end(kEscapes))
            return std::string("unknown escape \\") + e;
        out += escape->first;
    }
}

} // namespace platform::text
