#pragma once
// Renamings of the four suits. Where every player's possible hands, the known
// board and the cards left to deal look the same after a renaming, a board
// and its renamed copy give every player the same result: an exact count then
// needs only one board of each such family.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/cards/CardSet.h"
#include "engine/odds/HandKey.h"

namespace engine::odds {

// New suit of each suit.
using SuitPermutation = std::array<std::uint8_t, cards::kSuitCount>;

// The cards of a mask (suit * 16 + rank bits) with their suits renamed.
constexpr std::uint64_t permuteSuits(std::uint64_t mask, const SuitPermutation& p)
{
    std::uint64_t out = 0;
    for (int s = 0; s < cards::kSuitCount; ++s) {
        const std::uint64_t ranks = (mask >> (s * cards::kSuitShift)) & cards::kSuitRanks;
        out |= ranks << (p[static_cast<std::size_t>(s)] * cards::kSuitShift);
    }
    return out;
}

// The 24 renamings, the identity first.
const std::array<SuitPermutation, 24>& allSuitPermutations();

// Combinations (keys without a start) with their weights, looked up by cards.
class WeightedCombos {
public:
    WeightedCombos(std::span<const HandKey> keys, std::span<const double> weights);
    // Whether the renaming maps the combinations onto themselves, weights kept.
    bool keptBy(const SuitPermutation& p) const;

private:
    std::vector<std::pair<std::uint64_t, double>> sorted_;
};

// The cards of a list, as a mask.
std::uint64_t maskOf(std::span<const cards::Card> cards);

// The renamings that map the cards left (`deck`), the known board and each
// list of combinations onto themselves: those that leave an exact count's
// question as it is. Random hands are any two cards left, kept with the deck.
std::vector<SuitPermutation> renamingsKeeping(std::uint64_t deck, std::uint64_t board,
                                              std::span<const WeightedCombos> kept);

// The renamings under which `keeps(p)` holds; they always include the
// identity when `keeps` holds for it.
template <typename Keeps>
std::vector<SuitPermutation> suitPermutationsKeeping(const Keeps& keeps)
{
    std::vector<SuitPermutation> group;
    for (const SuitPermutation& p : allSuitPermutations()) {
        if (keeps(p))
            group.push_back(p);
    }
    return group;
}

} // namespace engine::odds
