#include "platform/text/Utf8.h"

namespace platform::utf8 {

namespace {

// Length of the valid sequence starting at `pos`, or 0 when none starts there.
std::size_t sequenceLength(std::string_view text, std::size_t pos)
{
    const auto b0 = static_cast<unsigned char>(text[pos]);
    std::size_t n = 0;
    char32_t minimum = 0;
    if (b0 < 0x80)
        return 1;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2;
        minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3;
        minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + n > text.size())
        return 0;
    auto cp = static_cast<char32_t>(b0 & (0x7F >> n));
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

bool isContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::size_t nextOffset(std::string_view text, std::size_t pos)
{
    if (static_cast<unsigned char>(text[pos]) < 0x80)
        return pos + 1;
    const std::size_t n = sequenceLength(text, pos);
    return pos + (n ? n : 1);
}

std::size_t previousOffset(std::string_view text, std::size_t pos)
{
    // Every byte that is no continuation byte starts a code point. The code
    // point before `pos` starts at the nearest such byte when its valid
    // sequence ends at `pos`; otherwise the byte before `pos` stands alone.
    for (std::size_t back = 1; back <= 4 && back <= pos; ++back) {
        if (!isContinuation(text[pos - back]))
            return sequenceLength(text, pos - back) == back ? pos - back : pos - 1;
    }
    return pos - 1;
}

std::size_t length(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count)
        pos = nextOffset(text, pos);
    return count;
}

std::size_t offsetOf(std::string_view text, std::size_t index)
{
    std::size_t pos = 0;
    for (std::size_t i = 0; i < index && pos < text.size(); ++i)
        pos = nextOffset(text, pos);
    return pos;
}

char32_t decode(std::string_view text, std::size_t& pos)
{
    const std::size_t n = sequenceLength(text, pos);
    if (n == 0) {
        ++pos;
        return U'\uFFFD';
    }
    const auto b0 = static_cast<unsigned char>(text[pos]);
    auto cp = static_cast<char32_t>(n == 1 ? b0 : (b0 & (0x7F >> n)));
    for (std::size_t i = 1; i < n; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
    pos += n;
    return cp;
}

void append(std::string& out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = U'\uFFFD';
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::u32string codePoints(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        out.push_back(decode(text, pos));
    return out;
}

std::string toUtf8(std::u32string_view codePoints)
{
    std::string out;
    out.reserve(codePoints.size());
    for (char32_t c : codePoints)
        append(out, c);
    return out;
}

} // namespace platform::utf8
