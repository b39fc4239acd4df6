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
    const auto missing = static_cast<std::size_t>(setup_.missingBoardCards);
    const std::size_t players = setup_.players.size();
    // Where each random player's two cards lie among those dealt.
    std::array<std::size_t, kMaxPlayers> firstCard{};
    std::size_t dealt = missing;
    // The combinations of each ranged player; none for random players.
    std::array<const HandKey*, kMaxPlayers> rangeKeys{};
    for (std::size_t p = 0; p < players; ++p) {
        if (setup_.players[p].random) {
            firstCard[p] = dealt;
            dealt += 2;
        } else {
            rangeKeys[p] = setup_.players[p].keys.data();
        }
    }

    // Deals are played a few at a time, stage by stage: the table reads of
    // all their hands are then independent of one another and overlap,
    // instead of each deal waiting on its own.
    std::array<std::array<std::uint32_t, kMaxPlayers>, kDealsAtOnce> picks{};
    std::array<std::uint64_t, kDealsAtOnce> used{};
    std::array<std::size_t, kDealsAtOnce> choice{};
    std::array<SpareRandom, kDealsAtOnce> spare{};
    std::array<HandKey, kDealsAtOnce * kMaxPlayers> hands;
    std::array<HandRank, kDealsAtOnce * kMaxPlayers> ranks{};
    std::uint64_t t = 0;
    while (t < trials) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(kDealsAtOnce, trials - t));
        std::size_t deals = want;
        if constexpr (Ranged) {
            // The hands first: the decks of their choices are then on their
            // way from memory while the first deals are dealt.
            for (std::size_t d = 0; d < want; ++d) {
                if (!sampler_.draw(random, picks[d], used[d], choice[d], spare[d], stop)) {
                    deals = d;
                    break;
                }
                deck.prefetch(choice[d]);
            }
        }
        for (std::size_t d = 0; d < deals; ++d) {
            // The deck of the first joint choice holds none of its cards.
            const DealingDeck::Slot* cards =
                deck.deal(random, choice[d], dealt, Ranged ? used[d] & ~decks_.setAside(choice[d]) : 0, spare[d]);
            HandKey board = setup_.board;
            for (std::size_t i = 0; i < missing; ++i)
                board = board.plus(deck.key(cards[i]));
            HandKey* hand = &hands[d * players];
            for (std::size_t p = 0; p < players; ++p) {
                if (!Ranged || rangeKeys[p] == nullptr)
                    hand[p] = board.plus(deck.key(cards[firstCard[p]])).plus(deck.key(cards[firstCard[p] + 1]));
                else
                    hand[p] = board.plus(rangeKeys[p][picks[d][p]]);
            }
        }
        for (std::size_t h = 0; h < deals * players; ++h)
            ranks[h] = evaluator_.rank(hands[h]);
        for (std::size_t d = 0; d < deals; ++d) {
            const HandRank* rank = &ranks[d * players];
            HandRank best = 0;
            for (std::size_t p = 0; p < players; ++p)
                best = std::max(best, rank[p]);
            std::uint32_t winners = 0;
            for (std::size_t p = 0; p < players; ++p)
                winners |= (rank[p] == best ? 1u : 0u) << p;
            counts.add(winners);
        }
        t += deals;
        if (deals < want)
            break;
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
