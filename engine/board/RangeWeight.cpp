#include "engine/board/RangeWeight.h"

namespace engine::board {

RangeWeight possibleWeight(const cards::Range& range, cards::CardSet known)
{
    RangeWeight total;
    const auto& combos = range.combos();
    for (std::size_t i = 0; i < combos.size(); ++i) {
        if (!combos[i].set().intersects(known)) {
            ++total.combos;
            total.weight += range.weights()[i];
        }
    }
    return total;
}

} // namespace engine::board
