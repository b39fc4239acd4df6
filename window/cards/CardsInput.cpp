#include "window/cards/CardsInput.h"

namespace window::cards {

int capacityOf(CardBox box)
{
    static constexpr std::array<int, 4> capacities = {2, 3, 1, 1};
    return capacities[static_cast<std::size_t>(box)];
}

std::string_view boxName(CardBox box)
{
    static constexpr std::array<std::string_view, 4> names = {"the hole cards", "the flop", "the turn", "the river"};
    return names[static_cast<std::size_t>(box)];
}

} // namespace window::cards
