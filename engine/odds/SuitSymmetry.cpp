#include "engine/odds/SuitSymmetry.h"

#include <algorithm>

namespace engine::odds {

const std::array<SuitPermutation, 24>& allSuitPermutations()
{
    static const std::array<SuitPermutation, 24> all = [] {
        std::array<SuitPermutation, 24> out{};
        SuitPermutation p = {0, 1, 2, 3};
        std::size_t i = 0;
        do {
            out[i++] = p;
        } while (std::next_permutation(p.begin(), p.end()));
        return out;
    }();
    return all;
}

WeightedCombos::WeightedCombos(std::span<const HandKey> keys, std::span<const double> weights)
{
    sorted_.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        sorted_.emplace_back(keys[i].cards, i < weights.size() ? weights[i] : 1.0);
    std::sort(sorted_.begin(), sorted_.end());
}

bool WeightedCombos::keptBy(const SuitPermutation& p) const
{
    for (const auto& [cards, weight] : sorted_) {
        const std::uint64_t image = permuteSuits(cards, p);
        const auto at = std::lower_bound(sorted_.begin(), sorted_.end(), std::make_pair(image, 0.0),
                                         [](const auto& a, const auto& b) { return a.first < b.first; });
        if (at == sorted_.end() || at->first != image || at->second != weight)
            return false;
    }
    return true;
}

std::uint64_t maskOf(std::span<const cards::Card> cards)
{
    std::uint64_t mask = 0;
    for (cards::Card c : cards)
        mask |= cards::cardBit(c);
    return mask;
}

std::vector<SuitPermutation> renamingsKeeping(std::uint64_t deck, std::uint64_t board,
                                              std::span<const WeightedCombos> kept)
{
    return suitPermutationsKeeping([&](const SuitPermutation& p) {
        if (permuteSuits(deck, p) != deck || permuteSuits(board, p) != board)
            return false;
        return std::all_of(kept.begin(), kept.end(), [&](const WeightedCombos& c) { return c.keptBy(p); });
    });
}

} // namespace engine::odds
