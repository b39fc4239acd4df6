#include "history/roomtext/TextEncoding.h"

#include "platform/text/Utf8.h"

namespace history::roomtext {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

char16_t unitAt(std::string_view bytes, std::size_t i)
{
    return static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                 (static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 1])) << 8));
}

} // namespace

EncodingMark detectEncoding(std::string_view firstBytes)
{
    if (firstBytes.substr(0, 3) == "\xEF\xBB\xBF")
        return {TextEncoding::Utf8, 3};
    if (firstBytes.substr(0, 2) == "\xFF\xFE")
        return {TextEncoding::Utf16Le, 2};
    return {TextEncoding::Utf8, 0};
}

void appendUtf16LeAsUtf8(std::string_view utf16, std::string& utf8)
{
    const std::size_t units = utf16.size() / 2;
    for (std::size_t u = 0; u < units; ++u) {
        const char16_t c = unitAt(utf16, u * 2);
        if (c < 0x80) {
            utf8.push_back(static_cast<char>(c));
        } else if (c >= 0xD800 && c < 0xDC00) {
            if (u + 1 < units) {
                const char16_t low = unitAt(utf16, (u + 1) * 2);
                if (low >= 0xDC00 && low < 0xE000) {
                    platform::utf8::append(utf8, 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (low - 0xDC00u));
                    ++u;
                    continue;
                }
            }
            platform::utf8::append(utf8, kReplacement);
        } else if (c >= 0xDC00 && c < 0xE000) {
            platform::utf8::append(utf8, kReplacement);
        } else {
            platform::utf8::append(utf8, c);
        }
    }
}

} // namespace history::roomtext
