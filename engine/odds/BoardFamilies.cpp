#include "engine/odds/BoardFamilies.h"

#include <algorithm>

namespace engine::odds {

BoardFamilies::BoardFamilies(std::span<const cards::Card> deck, int count, std::span<const SuitPermutation> group)
{
    for (cards::Card c : deck)
        free_[static_cast<std::size_t>(c.rank())] |= 1u << c.suit();
    for (int r = cards::kRankCount; r-- > 0;) {
        const auto at = static_cast<std::size_t>(r);
        capacity_[at] = capacity_[at + 1] + kSuitsIn[free_[at]];
    }
    const std::span<const cards::Card> sorted = deck;
    for (int r = cards::kRankCount; r-- > 0;) {
        const auto at = std::lower_bound(sorted.begin(), sorted.end(), cards::Card(r, 0));
        firstOfRank_[static_cast<std::size_t>(r)] = static_cast<std::size_t>(at - sorted.begin());
    }
    for (cards::Card c : sorted)
        deck_.push_back(HandKey{0, 0}.plus(c));
    for (int i = 0; i < cards::kCardCount; ++i)
        keys_[static_cast<std::size_t>(i)] = HandKey{0, 0}.plus(cards::Card::fromIndex(i));
    for (const SuitPermutation& p : group) {
        std::array<std::uint8_t, 16> image{};
        for (unsigned set = 0; set < 16; ++set) {
            for (int s = 0; s < cards::kSuitCount; ++s) {
                if ((set >> s) & 1)
                    image[set] = static_cast<std::uint8_t>(image[set] | 1u << p[static_cast<std::size_t>(s)]);
            }
        }
        images_.push_back(image);
    }
    Node root;
    root.left = count;
    root.liveCount = group.size();
    for (std::size_t i = 0; i < group.size(); ++i)
        root.live[i] = static_cast<std::uint8_t>(i);
    split(root, count);
}

void BoardFamilies::split(const Node& n, int count)
{
    const bool deepEnough = count - n.left >= std::min(count, kCardsPerPart);
    if (deepEnough || n.rank == cards::kRankCount || capacity_[static_cast<std::size_t>(n.rank)] < n.left) {
        if (n.left == 0 || (n.rank < cards::kRankCount && capacity_[static_cast<std::size_t>(n.rank)] >= n.left))
            parts_.push_back(n);
        return;
    }
    forEachChild(n, [&](const Node& next) { split(next, count); });
}

} // namespace engine::odds
