#include "engine/odds/PlayersMonteCarlo.h"

#include <algorithm>
#include <utility>

namespace engine::odds {

AssignmentSampler::AssignmentSampler(const PlayersSetup& setup) : setup_(setup)
{
    for (std::size_t p = 0; p < setup.players.size(); ++p) {
        if (!setup.players[p].random)
            order_[ranged_++] = static_cast<std::uint8_t>(p);
    }
    // A small range conflicts with the others least often when drawn first;
    // the order changes how fast a conflict is found, not what is drawn.
    std::sort(order_.begin(), order_.begin() + static_cast<std::ptrdiff_t>(ranged_), [&](std::uint8_t a, std::uint8_t b) {
        return setup.players[a].keys.size() < setup.players[b].keys.size();
    });
}

std::uint32_t AssignmentSampler::pick(SplitMix& random, const PlayerCombos& combos) const
{
    const std::size_t n = combos.keys.size();
    if (!combos.weighted)
        return static_cast<std::uint32_t>(random.below(n));
    const double u = static_cast<double>(random.next() >> 11) * 0x1.0p-53 * combos.cumulative.back();
    const auto at = std::upper_bound(combos.cumulative.begin(), combos.cumulative.end(), u);
    return static_cast<std::uint32_t>(std::min<std::size_t>(static_cast<std::size_t>(at - combos.cumulative.begin()), n - 1));
}

bool AssignmentSampler::draw(SplitMix& random, std::array<std::uint32_t, kMaxPlayers>& picks, std::uint64_t& used,
                             StopPoll& stop) const
{
    for (;;) {
        used = 0;
        std::size_t i = 0;
        for (; i < ranged_; ++i) {
            const std::size_t p = order_[i];
            const PlayerCombos& combos = setup_.players[p];
            const std::uint32_t k = pick(random, combos);
            const std::uint64_t cards = combos.keys[k].cards;
            if ((cards & used) != 0)
                break;
            picks[p] = k;
            used |= cards;
        }
        if (i == ranged_)
            return true;
        if (stop.step())
            return false;
    }
}

SampledTally PlayersMonteCarlo::runBatch(std::uint64_t batch, std::uint64_t trials, StopPoll& stop) const
{
    SplitMix random = batchRandom(seed_, batch);
    std::array<HandKey, cards::kCardCount> deck = deckKeys(setup_.deck);
    const std::size_t n = setup_.deck.size();
    const auto missing = static_cast<std::size_t>(setup_.missingBoardCards);
    const std::size_t players = setup_.players.size();

    // Cards are dealt by drawing deck positions from a few random bits each
    // and drawing again when the position is past the deck or its card is
    // taken: every card left is equally likely, as in a shuffle, and one
    // random number serves several cards.
    unsigned positionBits = 1;
    while ((std::size_t{1} << positionBits) < n)
        ++positionBits;
    const std::uint64_t positionMask = (std::uint64_t{1} << positionBits) - 1;
    std::uint64_t bits = 0;
    unsigned bitsLeft = 0;
    const auto deal = [&](std::uint64_t& taken) -> const HandKey& {
        for (;;) {
            if (bitsLeft < positionBits) {
                bits = random.next();
                bitsLeft = 64;
            }
            const auto at = static_cast<std::size_t>(bits & positionMask);
            bits >>= positionBits;
            bitsLeft -= positionBits;
            if (at < n && (deck[at].cards & taken) == 0) {
                taken |= deck[at].cards;
                return deck[at];
            }
        }
    };

    SampledTally tally;
    std::array<std::uint32_t, kMaxPlayers> picks{};
    std::array<HandRank, kMaxPlayers> ranks{};
    for (std::uint64_t t = 0; t < trials; ++t) {
        std::uint64_t used = 0;
        if (!sampler_.draw(random, picks, used, stop))
            break;
        HandKey board = setup_.board;
        for (std::size_t i = 0; i < missing; ++i)
            board = board.plus(deal(used));
        std::array<HandKey, kMaxPlayers> hands;
        for (std::size_t p = 0; p < players; ++p) {
            const PlayerCombos& combos = setup_.players[p];
            if (combos.random) {
                const HandKey& first = deal(used);
                hands[p] = board.plus(first).plus(deal(used));
            } else {
                hands[p] = board.plus(combos.keys[picks[p]]);
            }
        }
        // The lookups first, then the comparisons: the table reads of
        // several hands overlap instead of waiting on one another.
        for (std::size_t p = 0; p < players; ++p)
            ranks[p] = evaluator_.rank(hands[p]);
        HandRank best = 0;
        for (std::size_t p = 0; p < players; ++p)
            best = std::max(best, ranks[p]);
        int bestCount = 0;
        for (std::size_t p = 0; p < players; ++p)
            bestCount += ranks[p] == best ? 1 : 0;
        for (std::size_t p = 0; p < players; ++p) {
            if (ranks[p] == best)
                tally.players[p].addDeal(bestCount);
            else
                tally.players[p].addLoss();
        }
    }
    return tally;
}

} // namespace engine::odds
