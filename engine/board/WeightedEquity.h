#pragma once
// The equity of a hand against one opponent holding a weighted range.
//
// Every possible combination of the range has the same number of boards to
// come, so the equity against the range is the average of the equities
// against its combinations, each counted by its weight. The combinations are
// counted in groups of equal weight, each group as a plain range; the groups'
// results are then added by their weight times their number of combinations.

#include <stop_token>

#include "engine/odds/Equity.h"

namespace engine::board {

// The possible combinations of a range (those sharing no card with `known`)
// and their summed weight.
struct RangeWeight {
    int combos = 0;
    double weight = 0.0;
};
RangeWeight possibleWeight(const cards::Range& range, cards::CardSet known);

// As computeEquity for a request with an opponent range, the range's weights
// counted. Trials and time limits apply to each group of equal weight.
odds::EquityResult weightedEquity(const odds::EquityRequest& request, std::stop_token stop = {});

} // namespace engine::board
