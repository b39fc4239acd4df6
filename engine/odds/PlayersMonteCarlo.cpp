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
    : setup_(setup), seed_(seed), sampler_(setup), decks_(setup.deck, setAsideByChoice(sampler_)),
      randomCount_(static_cast<std::size_t>(
          std::count_if(setup.players.begin(), setup.players.end(), [](const PlayerCombos& p) { return p.random; })))
{
    if (sampler_.groups().size() != 1)
        return;
    const JointCombos& list = sampler_.groups().front();
    const std::size_t members = list.members.size();
    choiceKeys_.reserve(list.picks.size());
    for (std::size_t i = 0; i < list.picks.size(); ++i)
        choiceKeys_.push_back(setup.players[list.members[i % members]].keys[list.picks[i]]);
}

template <PlayersMonteCarlo::Hands Drawn, int Missing, int Randoms>
std::uint64_t PlayersMonteCarlo::play(SplitMix random, std::uint64_t trials, StopPoll& stop, ShareCounts& counts) const
{
    DealingDeck deck = decks_;
    const auto missing = static_cast<std::size_t>(Missing >= 0 ? Missing : setup_.missingBoardCards);
    const std::size_t players = setup_.players.size();
    // The random players, whose cards follow the board's among those dealt,
    // and the others.
    std::array<std::size_t, kMaxPlayers> randomPlayers{};
    std::array<std::size_t, kMaxPlayers> rangedPlayers{};
    std::size_t randomCount = 0;
    std::size_t ranged = 0;
    for (std::size_t p = 0; p < players; ++p)
        (setup_.players[p].random ? randomPlayers[randomCount++] : rangedPlayers[ranged++]) = p;
    const std::size_t randoms = Randoms >= 0 ? static_cast<std::size_t>(Randoms) : randomCount;
    const std::size_t dealt = missing + 2 * randoms;
    const JointCombos* list = Drawn == Hands::OneList ? &sampler_.groups().front() : nullptr;
    const std::size_t members = list != nullptr ? list->members.size() : 0;

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
        if constexpr (Drawn == Hands::OneList) {
            // The hands first: the decks of their choices are then on their
            // way from memory while the first deals are dealt.
            for (std::size_t d = 0; d < want; ++d) {
                choice[d] = AssignmentSampler::drawChoice(*list, random, spare[d]);
                decks_.prefetch(choice[d]);
            }
        } else if constexpr (Drawn == Hands::SeveralLists) {
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
            const std::uint64_t avoid = Drawn == Hands::SeveralLists ? used[d] & ~decks_.setAside(choice[d]) : 0;
            const DealingDeck::Slot* cards = deck.deal(random, choice[d], dealt, avoid, spare[d]);
            HandKey board = setup_.board;
            for (std::size_t i = 0; i < missing; ++i)
                board = board.plus(deck.key(cards[i]));
            HandKey* hand = &hands[d * players];
            const DealingDeck::Slot* holeCards = cards + missing;
            for (std::size_t k = 0; k < randoms; ++k)
                hand[randomPlayers[k]] = board.plus(deck.key(holeCards[2 * k])).plus(deck.key(holeCards[2 * k + 1]));
            if constexpr (Drawn == Hands::OneList) {
                const HandKey* keys = &choiceKeys_[choice[d] * members];
                for (std::size_t m = 0; m < members; ++m)
                    hand[list->members[m]] = board.plus(keys[m]);
            } else if constexpr (Drawn == Hands::SeveralLists) {
                for (std::size_t r = 0; r < ranged; ++r) {
                    const std::size_t p = rangedPlayers[r];
                    hand[p] = board.plus(setup_.players[p].keys[picks[d][p]]);
                }
            }
        }
        for (std::size_t h = 0; h < deals * players; ++h)
            ranks[h] = evaluator_.rank(hands[h]);
        for (std::size_t d = 0; d < deals; ++d) {
            // One pass: a better hand starts the winners again, an equal
            // one joins them.
            const HandRank* rank = &ranks[d * players];
            HandRank best = rank[0];
            std::uint32_t winners = 1;
            for (std::size_t p = 1; p < players; ++p) {
                const std::uint32_t bit = 1u << p;
                winners = rank[p] > best ? bit : rank[p] == best ? winners | bit : winners;
                best = std::max(best, rank[p]);
            }
            counts.add(winners);
        }
        t += deals;
        if (deals < want)
            break;
    }
    return t;
}

template <PlayersMonteCarlo::Hands Drawn>
std::uint64_t PlayersMonteCarlo::play(SplitMix random, std::uint64_t trials, StopPoll& stop, ShareCounts& counts) const
{
    // Before the flop, with no, one or two random players: the most asked.
    if (setup_.missingBoardCards == 5) {
        switch (randomCount_) {
        case 0:
            return play<Drawn, 5, 0>(random, trials, stop, counts);
        case 1:
            return play<Drawn, 5, 1>(random, trials, stop, counts);
        case 2:
            return play<Drawn, 5, 2>(random, trials, stop, counts);
        default:
            break;
        }
    }
    return play<Drawn, -1, -1>(random, trials, stop, counts);
}

SampledTally PlayersMonteCarlo::runBatch(std::uint64_t batch, std::uint64_t trials, StopPoll& stop) const
{
    SplitMix random = batchRandom(seed_, batch);
    ShareCounts counts;
    const std::uint64_t deals = !sampler_.ranged()              ? play<Hands::None>(random, trials, stop, counts)
                                : sampler_.groups().size() == 1 ? play<Hands::OneList>(random, trials, stop, counts)
                                                                : play<Hands::SeveralLists>(random, trials, stop, counts);
    SampledTally tally;
    counts.addTo(tally, deals, setup_.players.size());
    return tally;
}

} // namespace engine::odds
