#pragma once
// Amounts as the export writes them: "$1,234.56", "€0.50", "£2", "1500".

#include <cstddef>
#include <optional>
#include <string_view>

namespace history::roomtext {

struct ReadAmount {
    double value = 0;
    std::size_t length = 0;       // characters read, the currency sign included
    std::string_view currency;    // "$", "€", "£", or "" for chips
};

// The amount at the start of `text`; it may be followed by anything.
std::optional<ReadAmount> readAmountPrefix(std::string_view text);

// `text` is an amount and nothing else.
std::optional<double> readWholeAmount(std::string_view text);

// The sign of a currency code ("USD" -> "$"), or "".
std::string_view currencySignOfCode(std::string_view code);

} // namespace history::roomtext
