#include "engine/odds/MonteCarloEquity.h"

#include <array>
#include <utility>

#include "engine/odds/SplitMix.h"

namespace engine::odds {

EquityTally MonteCarloEquity::runBatch(std::uint64_t batch, std::uint64_t trials) const
{
    SplitMix random = batchRandom(seed_, batch);
    std::array<HandKey, cards::kCardCount> deck = deckKeys(setup_.deck);
    const std::size_t n = setup_.deck.size();
    const int missing = setup_.missingBoardCards;
    EquityTally tally;

    if (setup_.ranged) {
        const std::size_t combos = setup_.combos.size();
        for (std::uint64_t t = 0; t < trials; ++t) {
            const HandKey& villainCards = setup_.combos[random.below(combos)];
            HandKey board = setup_.board;
            // Partial shuffle; a card the opponent holds is drawn again.
            for (std::size_t i = 0; i < static_cast<std::size_t>(missing);) {
                std::swap(deck[i], deck[i + random.below(n - i)]);
                if ((deck[i].cards & villainCards.cards) == 0)
                    board = board.plus(deck[i++]);
            }
            const HandRank hero = evaluator_.rank(board.plus(setup_.hand));
            const HandRank villain = evaluator_.rank(board.plus(villainCards));
            if (hero > villain)
                tally.addDeal(1);
            else if (hero == villain)
                tally.addDeal(2);
            else
                tally.addLoss();
        }
        return tally;
    }

    const int opponents = setup_.opponents;
    const auto dealt = static_cast<std::size_t>(missing + 2 * opponents);
    for (std::uint64_t t = 0; t < trials; ++t) {
        for (std::size_t i = 0; i < dealt; ++i)
            std::swap(deck[i], deck[i + random.below(n - i)]);
        HandKey board = setup_.board;
        for (std::size_t i = 0; i < static_cast<std::size_t>(missing); ++i)
            board = board.plus(deck[i]);
        const HandRank hero = evaluator_.rank(board.plus(setup_.hand));
        HandRank best = 0;
        int bestCount = 0;
        for (std::size_t o = static_cast<std::size_t>(missing); o < dealt; o += 2) {
            const HandRank villain = evaluator_.rank(board.plus(deck[o]).plus(deck[o + 1]));
            if (villain > best || bestCount == 0) {
                best = villain;
                bestCount = 1;
            } else if (villain == best) {
                ++bestCount;
            }
        }
        if (best < hero)
            tally.addDeal(1);
        else if (best == hero)
            tally.addDeal(bestCount + 1);
        else
            tally.addLoss();
    }
    return tally;
}

} // namespace engine::odds
