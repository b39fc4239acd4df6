#include "engine/odds/PlayersMonteCarlo.h"

#include <algorithm>

namespace engine::odds {

namespace {

// The cards each deck sets aside: those of each choice of the first joint
// list, or none.
std::vector<std::uint64_t> setAsideByChoice(const AssignmentSampler& sampler)
{
    if (!sampler.ranged() || !sampler.drawable())
        return {0};
    return sampler.groups().front().cards;
}

} // namespace

PlayersMonteCarlo::PlayersMonteCarlo(const PlayersSetup& setup, std::uint64_t seed)
    : setup_(setup), seed_(seed), sampler_(setup), decks_(setup.deck, setAsideByChoice(sampler_))
{
}

template <bool Ranged>
std::uint64_t PlayersMonteCarlo::play(SplitMix random, std::uint64_t trials, StopPoll& stop, ShareCounts& counts) const
{
    DealingDeck deck = decks_;
    std::array<HandKey, cards::kCardCount> dealtCards;
    const auto missing = static_cast<std::size_t>(setup_.missingBoardCards);
    const std::size_t players = setup_.players.size();
    // Where each random player's two cards lie among those dealt.
    std::array<std::size_t, kMaxPlayers> firstCard{};
    std::size_t dealt = missing;
    for (std::size_t p = 0; p < players; ++p) {
        if (setup_.players[p].random) {
            firstCard[p] = dealt;
            dealt += 2;
        }
    }

    std::array<std::uint32_t, kMaxPlayers> picks{};
    std::array<HandKey, kMaxPlayers> hands;
    std::array<HandRank, kMaxPlayers> ranks{};
    std::uint64_t t = 0;
    for (; t < trials; ++t) {
        std::uint64_t used = 0;
        std::size_t choice = 0;
        if constexpr (Ranged) {
            if (!sampler_.draw(random, picks, used, choice, stop))
                break;
        }
        // The deck of the first joint choice holds none of its cards.
        deck.deal(random, choice, dealt, Ranged ? used & ~decks_.setAside(choice) : 0, dealtCards.data());
        HandKey board = setup_.board;
        for (std::size_t i = 0; i < missing; ++i)
            board = board.plus(dealtCards[i]);
        for (std::size_t p = 0; p < players; ++p) {
            const PlayerCombos& combos = setup_.players[p];
            if (!Ranged || combos.random)
                hands[p] = board.plus(dealtCards[firstCard[p]]).plus(dealtCards[firstCard[p] + 1]);
            else
                hands[p] = board.plus(combos.keys[picks[p]]);
        }
        // The lookups first, then the comparisons: the table reads of
        // several hands overlap instead of waiting on one another.
        for (std::size_t p = 0; p < players; ++p)
            ranks[p] = evaluator_.rank(hands[p]);
        HandRank best = 0;
        for (std::size_t p = 0; p < players; ++p)
            best = std::max(best, ranks[p]);
        std::size_t bestCount = 0;
        for (std::size_t p = 0; p < players; ++p)
            bestCount += ranks[p] == best ? 1u : 0u;
        for (std::size_t p = 0; p < players; ++p)
            counts.add(p, ranks[p] == best ? bestCount : std::size_t{0});
    }
    return t;
}

SampledTally PlayersMonteCarlo::runBatch(std::uint64_t batch, std::uint64_t trials, StopPoll& stop) const
{
    SplitMix random = batchRandom(seed_, batch);
    ShareCounts counts;
    const std::uint64_t deals =
        sampler_.ranged() ? play<true>(random, trials, stop, counts) : play<false>(random, trials, stop, counts);
    SampledTally tally;
    counts.addTo(tally, deals, setup_.players.size());
    return tally;
}

} // namespace engine::odds
