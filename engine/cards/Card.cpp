#include "engine/cards/Card.h"

namespace engine::cards {

std::string Card::text() const
{
    return {rankChar(rank()), suitChar(suit())};
}

} // namespace engine::cards
