#pragma once
// The values a control keeps in its host's property bag: integers, booleans,
// texts, colours, fonts and pictures.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

// A 32-bit colour as controls store it: 0x00BBGGRR, or 0x80000000 + n for
// system colour n (translated only when drawing).
struct OleColour {
    std::uint32_t value = 0;
    bool operator==(const OleColour&) const = default;
};

struct FontDesc {
    std::string name;
    double size = 0; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    bool operator==(const FontDesc&) const = default;
};

// An encoded image ("png"), with the hot spot it has as a mouse pointer
// (-1: the centre). No data means no picture.
struct Picture {
    std::string format;
    int hotX = -1;
    int hotY = -1;
    std::vector<std::uint8_t> data;
    bool empty() const noexcept { return data.empty(); }
    bool operator==(const Picture& other) const
    {
        if (empty() || other.empty())
            return empty() == other.empty();
        return format == other.format && hotX == other.hotX && hotY == other.hotY && data == other.data;
    }
};

using PropertyValue = std::variant<std::int32_t, bool, std::string, OleColour, FontDesc, Picture>;

// "an integer", "a text", ... for error messages.
std::string_view describeKind(const PropertyValue& value);

} // namespace platform
