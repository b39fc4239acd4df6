#include "platform/money/TypedAmount.h"

#include <charconv>

#include "platform/money/Money.h"
#include "platform/text/Utf8.h"

namespace platform {

TypedAmount::TypedAmount(const Money& money) : money_(money), number_(money.locale()) {}

bool TypedAmount::takes(std::string_view text, std::size_t selStart, std::size_t selLength, int key) const
{
    if (key >= '0' && key <= '9')
        return true;
    if (key <= 0 || key > 0x10FFFF)
        return false;
    std::string typed;
    utf8::append(typed, static_cast<char32_t>(key));
    if (!number_.isSeparator(typed))
        return false;
    const std::size_t from = utf8::offsetOf(text, selStart);
    const std::size_t to = utf8::offsetOf(text, selStart + selLength);
    std::string after(text);
    after.replace(from, to - from, typed);
    if (money_.isNumeric(after) || number_.isStartOf(after))
        return true;
    // In the box's own money text, as ever, a decimal point goes in where the
    // text outside the selection holds none, whatever the text is on its way
    // to ("$" before ".25").
    const std::string& point = money_.locale().decimalPoint;
    if ((typed != "." && typed != point) || text.find(money_.locale().currencySymbol) == std::string_view::npos)
        return false;
    const auto holdsPoint = [&point](std::string_view part) {
        return part.find('.') != std::string_view::npos || (!point.empty() && part.find(point) != std::string_view::npos);
    };
    return !holdsPoint(text.substr(0, from)) && !holdsPoint(text.substr(to));
}

bool TypedAmount::isTyped(std::string_view text) const
{
    return text.empty() || (utf8::length(text) <= kMaxLength && number_.read(text));
}

bool TypedAmount::isStartOfTyped(std::string_view text) const
{
    return utf8::length(text) <= kMaxLength && number_.isStartOf(text);
}

std::optional<double> TypedAmount::read(std::string_view text) const
{
    return money_.toDouble(text);
}

std::string TypedAmount::write(double value) const
{
    char buf[400];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
    if (ec != std::errc())
        return {};
    std::string text(buf, end);
    // Below half a cent a negative amount is zero, not "-0.00".
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    if (const std::size_t at = text.find('.'); at != std::string::npos)
        text.replace(at, 1, money_.locale().decimalPoint);
    return text;
}

} // namespace platform
