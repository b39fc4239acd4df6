#include "window/review/ReviewText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace window::review {

std::string number(double value, int decimals)
{
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc{})
        return "?";
    std::string text(buffer.data(), end);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

std::string signedNumber(double value, int decimals)
{
    std::string text = number(value, decimals);
    if (text != "0" && text.front() != '-')
        text.insert(text.begin(), '+');
    return text;
}

std::string money(double value, std::string_view currency)
{
    if (currency.empty())
        return number(value, 2);
    const bool negative = value < 0 && number(value, 2) != "0";
    const double amount = std::fabs(value);
    // Whole amounts without cents, as the rooms write blinds ("$1"); others with both digits.
    std::string digits = std::fabs(amount - std::round(amount)) < 0.005 ? number(amount, 0) : number(amount, 2);
    if (const auto point = digits.find('.'); point != std::string::npos && digits.size() - point == 2)
        digits += '0';
    return (negative ? "-" : "") + std::string(currency) + digits;
}

} // namespace window::review
