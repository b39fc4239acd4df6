#include "platform/propertybag/BagText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/propertybag/Base64.h"
#include "platform/text/LineScanner.h"
#include "platform/text/NumberText.h"
#include "platform/text/QuotedText.h"

namespace platform {

namespace {

constexpr std::string_view kTextName = "Invalid property bag text";
constexpr std::string_view kHeader = "property-bag 1";
constexpr double kMaxFontSize = 2048;

// ---------------------------------------------------------------- writing

void appendValue(std::string& out, const PropertyValue& value)
{
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        text::appendNumber(out, *number);
    } else if (const auto* flag = std::get_if<bool>(&value)) {
        out += *flag ? "true" : "false";
    } else if (const auto* string = std::get_if<std::string>(&value)) {
        text::appendQuoted(out, *string);
    } else if (const auto* colour = std::get_if<OleColour>(&value)) {
        out += "colour 0x";
        text::appendHex(out, colour->value, 8);
    } else if (const auto* font = std::get_if<FontDesc>(&value)) {
        out += "font ";
        text::appendQuoted(out, font->name);
        out += ' ';
        text::appendNumber(out, font->size);
        if (font->bold)
            out += " bold";
        if (font->italic)
            out += " italic";
        if (font->underline)
            out += " underline";
        if (font->strikethrough)
            out += " strikethrough";
    } else if (const auto* picture = std::get_if<Picture>(&value)) {
        if (picture->empty()) {
            out += "picture none";
            return;
        }
        out += "picture ";
        out += picture->format;
        out += ' ';
        text::appendNumber(out, picture->hotX);
        out += ' ';
        text::appendNumber(out, picture->hotY);
        out += ' ';
        out += encodeBase64(picture->data);
    } else if (const auto* real = std::get_if<double>(&value)) {
        // Marked, so that 8 as a number does not read back as an integer.
        out += "number ";
        text::appendNumber(out, *real);
    }
}

// ---------------------------------------------------------------- reading

bool isIdentifierStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isIdentifierChar(char c) { return isIdentifierStart(c) || (c >= '0' && c <= '9'); }

// Reads one line's value. Every fault throws with the line number.
class LineReader : public text::LineScanner {
public:
    using LineScanner::LineScanner;

    void expectEnd()
    {
        if (!atEnd())
            fail("unexpected \"" + std::string(line_.substr(pos_, 20)) + "\" after the value");
    }

    std::string identifier()
    {
        skipSpaces();
        const std::size_t start = pos_;
        if (pos_ >= line_.size() || !isIdentifierStart(line_[pos_]))
            fail("expected a property name");
        while (pos_ < line_.size() && isIdentifierChar(line_[pos_]))
            ++pos_;
        return std::string(line_.substr(start, pos_ - start));
    }

    std::int32_t integer()
    {
        const std::string_view text = word();
        std::int32_t value = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
            fail("\"" + std::string(text) + "\" is not a 32-bit integer");
        return value;
    }

    double number()
    {
        const std::string_view text = word();
        double value = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value))
            fail("\"" + std::string(text) + "\" is not a number");
        return value;
    }

    PropertyValue value()
    {
        skipSpaces();
        if (pos_ >= line_.size())
            fail("expected a value after \"=\"");
        const char first = line_[pos_];
        if (first == '"')
            return quoted();
        if (first == '-' || (first >= '0' && first <= '9'))
            return integer();
        const std::string_view kind = word();
        if (kind == "true")
            return true;
        if (kind == "false")
            return false;
        if (kind == "colour")
            return colour();
        if (kind == "font")
            return font();
        if (kind == "picture")
            return picture();
        if (kind == "number")
            return number();
        fail("unknown value \"" + std::string(kind) + "\"");
    }

private:
    OleColour colour()
    {
        const std::string_view text = word();
        if (text.size() < 3 || text.size() > 10 || text.substr(0, 2) != "0x")
            fail("a colour is written 0x followed by up to 8 hexadecimal digits");
        std::uint32_t value = 0;
        for (const char c : text.substr(2)) {
            const int digit = text::hexDigitValue(c);
            if (digit < 0)
                fail("\"" + std::string(text) + "\" is not a hexadecimal colour");
            value = value * 16 + static_cast<std::uint32_t>(digit);
        }
        return OleColour{value};
    }

    FontDesc font()
    {
        FontDesc font;
        font.name = quoted();
        font.size = number();
        if (font.size < 0 || font.size > kMaxFontSize)
            fail("a font size must lie between 0 and 2048 points");
        while (!atEnd()) {
            const std::string_view style = word();
            bool* flag = style == "bold"            ? &font.bold
                         : style == "italic"        ? &font.italic
                         : style == "underline"     ? &font.underline
                         : style == "strikethrough" ? &font.strikethrough
                                                    : nullptr;
            if (!flag)
                fail("unknown font style \"" + std::string(style) + "\"");
            if (*flag)
                fail("font style \"" + std::string(style) + "\" given twice");
            *flag = true;
        }
        return font;
    }

    Picture picture()
    {
        Picture picture;
        const std::string_view format = word();
        if (format == "none")
            return picture;
        if (format.empty() || format.size() > 16 ||
            !std::all_of(format.begin(), format.end(), [](char c) { return isIdentifierChar(c); }))
            fail("expected a picture format such as png, or none");
        picture.format = std::string(format);
        picture.hotX = integer();
        picture.hotY = integer();
        if (picture.hotX < -1 || picture.hotY < -1)
            fail("a hot spot is -1 or a pixel position");
        const std::string_view data = word();
        auto bytes = decodeBase64(data);
        if (!bytes || bytes->empty())
            fail("the picture's data is not base64");
        picture.data = std::move(*bytes);
        return picture;
    }

};

} // namespace

std::string writeBagText(const PropertyBag& bag)
{
    std::string out(kHeader);
    out += '\n';
    for (const auto& [key, value] : bag.entries()) {
        out += key;
        out += " = ";
        appendValue(out, value);
        out += '\n';
    }
    return out;
}

PropertyBag readBagText(std::string_view text)
{
    PropertyBag bag;
    text::forEachHeadedLine<LineReader>(text, kTextName, kHeader, [&](LineReader& reader) {
        const std::string key = reader.identifier();
        if (!reader.accept('='))
            reader.fail("expected \"=\" after " + key);
        PropertyValue value = reader.value();
        reader.expectEnd();
        if (bag.contains(key))
            reader.fail("property " + key + " is given twice");
        bag.set(key, std::move(value));
    });
    return bag;
}

} // namespace platform
