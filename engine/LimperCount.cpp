#include "engine/LimperCount.h"

#include <charconv>
#include <limits>

#include "platform/money/Money.h"

namespace engine {

std::optional<double> limperCount(std::string_view text, const platform::Money& money)
{
    if (text.empty())
        return std::nullopt;
    if (text.find_first_not_of("0123456789") == std::string_view::npos) {
        double value = 0;
        const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec == std::errc::result_out_of_range)
            return std::numeric_limits<double>::infinity();
        if (ec == std::errc{} && ptr == text.data() + text.size())
            return value;
    }
    return money.toDouble(text);
}

} // namespace engine
