#include "engine/LimperCount.h"

#include <limits>

#include "platform/money/Money.h"

namespace engine {

std::optional<double> limperCount(std::string_view text, const platform::Money& money)
{
    if (text.empty())
        return std::nullopt;
    const std::optional<double> value = money.toDouble(text);
    // Digits alone too many for a double: an infinite count.
    if (!value && text.find_first_not_of("0123456789") == std::string_view::npos)
        return std::numeric_limits<double>::infinity();
    return value;
}

} // namespace engine
