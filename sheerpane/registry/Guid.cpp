#include "sheerpane/registry/Guid.h"

namespace sheerpane {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void appendHex(std::string& out, std::uint64_t value, int digits)
{
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kHex[(value >> shift) & 15];
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string toString(const Guid& guid)
{
    std::string out = "{";
    appendHex(out, guid.data1, 8);
    out += '-';
    appendHex(out, guid.data2, 4);
    out += '-';
    appendHex(out, guid.data3, 4);
    out += '-';
    for (std::size_t i = 0; i < 8; ++i) {
        if (i == 2)
            out += '-';
        appendHex(out, guid.data4[i], 2);
    }
    out += '}';
    return out;
}

std::optional<Guid> parseGuid(std::string_view text)
{
    // {8-4-4-4-12}
    if (text.size() != 38 || text.front() != '{' || text.back() != '}')
        return std::nullopt;
    std::string digits;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
        if (dash != (text[i] == '-'))
            return std::nullopt;
        if (!dash) {
            if (hexDigit(text[i]) < 0)
                return std::nullopt;
            digits += text[i];
        }
    }
    const auto number = [&](std::size_t from, std::size_t count) {
        std::uint64_t value = 0;
        for (std::size_t i = from; i < from + count; ++i)
            value = value * 16 + static_cast<std::uint64_t>(hexDigit(digits[i]));
        return value;
    };
    Guid guid;
    guid.data1 = static_cast<std::uint32_t>(number(0, 8));
    guid.data2 = static_cast<std::uint16_t>(number(8, 4));
    guid.data3 = static_cast<std::uint16_t>(number(12, 4));
    for (std::size_t i = 0; i < 8; ++i)
        guid.data4[i] = static_cast<std::uint8_t>(number(16 + 2 * i, 2));
    return guid;
}

} // namespace sheerpane
