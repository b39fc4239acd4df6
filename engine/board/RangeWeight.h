#pragma once
// How much of a range is still possible once some cards are known.

#include "engine/cards/CardSet.h"
#include "engine/cards/Range.h"

namespace engine::board {

// The possible combinations of a range (those sharing no card with `known`)
// and their summed weight.
struct RangeWeight {
    int combos = 0;
    double weight = 0.0;
};
RangeWeight possibleWeight(const cards::Range& range, cards::CardSet known);

} // namespace engine::board
