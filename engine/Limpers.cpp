#include "engine/Limpers.h"

#include <charconv>
#include <limits>
#include <string>

namespace engine {

std::optional<double> limperCount(const PokerState& s)
{
    const std::string& text = s.txtLimpers.text();
    if (text.empty())
        return std::nullopt;
    if (text.find_first_not_of("0123456789") == std::string::npos) {
        double value = 0;
        const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec == std::errc::result_out_of_range)
            return std::numeric_limits<double>::infinity();
        if (ec == std::errc{} && ptr == text.data() + text.size())
            return value;
    }
    return s.money.toDouble(text);
}

} // namespace engine
