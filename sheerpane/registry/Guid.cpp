#include "sheerpane/registry/Guid.h"

#include "platform/text/QuotedText.h"

namespace sheerpane {

std::string toString(const Guid& guid)
{
    std::string out = "{";
    platform::text::appendHex(out, guid.data1, 8);
    out += '-';
    platform::text::appendHex(out, guid.data2, 4);
    out += '-';
    platform::text::appendHex(out, guid.data3, 4);
    out += '-';
    for (std::size_t i = 0; i < 8; ++i) {
        if (i == 2)
            out += '-';
        platform::text::appendHex(out, guid.data4[i], 2);
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
            if (platform::text::hexDigitValue(text[i]) < 0)
                return std::nullopt;
            digits += text[i];
        }
    }
    const auto number = [&](std::size_t from, std::size_t count) {
        std::uint64_t value = 0;
        for (std::size_t i = from; i < from + count; ++i)
            value = value * 16 + static_cast<std::uint64_t>(platform::text::hexDigitValue(digits[i]));
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
