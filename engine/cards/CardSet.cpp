#include "engine/cards/CardSet.h"

namespace engine::cards {

std::string CardSet::text() const
{
    std::string out;
    for (int index = kCardCount - 1; index >= 0; --index) {
        const Card c = Card::fromIndex(index);
        if (contains(c))
            out += c.text();
    }
    return out;
}

} // namespace engine::cards
