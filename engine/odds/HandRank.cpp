#include "engine/odds/HandRank.h"

#include <array>

namespace engine::odds {

std::string_view categoryName(HandCategory category)
{
    static constexpr std::array<std::string_view, kCategoryCount> names = {
        "high card", "pair", "two pair", "three of a kind", "straight",
        "flush", "full house", "four of a kind", "straight flush",
    };
    return names[static_cast<std::size_t>(category)];
}

} // namespace engine::odds
