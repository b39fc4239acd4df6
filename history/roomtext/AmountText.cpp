#include "history/roomtext/AmountText.h"

#include <array>
#include <charconv>

namespace history::roomtext {

namespace {

constexpr std::array<std::string_view, 3> kSigns{"$", "\xE2\x82\xAC", "\xC2\xA3"};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::optional<ReadAmount> readAmountPrefix(std::string_view text)
{
    ReadAmount amount;
    for (const std::string_view sign : kSigns) {
        if (text.starts_with(sign)) {
            amount.currency = sign;
            break;
        }
    }
    const std::size_t from = amount.currency.size();
    std::size_t i = from;
    bool commas = false;
    bool point = false;
    bool any = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            any = true;
        } else if (c == ',' && any && !point && i + 1 < text.size() && isDigit(text[i + 1])) {
            commas = true;
        } else if (c == '.' && !point && any && i + 1 < text.size() && isDigit(text[i + 1])) {
            point = true;
        } else {
            break;
        }
    }
    if (!any)
        return std::nullopt;
    std::string_view number = text.substr(from, i - from);
    // The digits without their thousands commas, in a buffer of their own.
    std::array<char, 40> digits{};
    if (commas) {
        std::size_t n = 0;
        for (const char c : number) {
            if (c == ',')
                continue;
            if (n == digits.size())
                return std::nullopt;
            digits[n++] = c;
        }
        number = std::string_view(digits.data(), n);
    }
    const auto result = std::from_chars(number.data(), number.data() + number.size(), amount.value);
    if (result.ec != std::errc{} || result.ptr != number.data() + number.size())
        return std::nullopt;
    amount.length = i;
    return amount;
}

std::optional<double> readWholeAmount(std::string_view text)
{
    const auto amount = readAmountPrefix(text);
    if (!amount || amount->length != text.size())
        return std::nullopt;
    return amount->value;
}

std::string_view currencySignOfCode(std::string_view code)
{
    if (code == "USD")
        return kSigns[0];
    if (code == "EUR")
        return kSigns[1];
    if (code == "GBP")
        return kSigns[2];
    return {};
}

} // namespace history::roomtext
