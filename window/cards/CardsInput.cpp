#include "window/cards/CardsInput.h"

#include "engine/cards/Card.h"

namespace window::cards {

int capacityOf(CardBox box)
{
    static constexpr std::array<int, 5> capacities = {2, 3, 1, 1, engine::cards::kCardCount};
    return capacities[static_cast<std::size_t>(box)];
}

bool takesAnyNumber(CardBox box)
{
    return box == CardBox::Dead;
}

std::string_view boxName(CardBox box)
{
    static constexpr std::array<std::string_view, 5> names = {"the hole cards", "the flop", "the turn", "the river",
                                                              "the dead cards"};
    return names[static_cast<std::size_t>(box)];
}

} // namespace window::cards
