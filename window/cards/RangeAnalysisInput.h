#pragma once
// What the range analysis is asked about: the player's hand (when typed),
// the board, the dead cards and one opponent's range with the text it was
// typed or picked as.

#include <optional>
#include <string>
#include <vector>

#include "engine/cards/HoleCards.h"
#include "engine/cards/Range.h"

namespace window::cards {

struct RangeAnalysisInput {
    std::optional<engine::cards::HoleCards> hand;
    std::vector<engine::cards::Card> board; // 0 to 5 cards
    engine::cards::CardSet dead;
    engine::cards::Range range;
    std::string rangeText; // as shown; the range's own notation when blank
};

// True when the two inputs ask for the same counts: the range text may be
// spelled differently as long as it holds the same combinations and weights.
bool sameAnalysis(const RangeAnalysisInput& a, const RangeAnalysisInput& b);

} // namespace window::cards
