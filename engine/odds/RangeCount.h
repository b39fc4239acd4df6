#pragma once
// Heads-up against a range, board by board: the hero's hand and every
// possible opponent hand evaluated on each board, wins and ties counted.
//
// The last board card runs through the deck in rank order, so each rank's
// suits come one after another. A hand with no four cards of a suit cannot
// make a flush with any last card, so all suits of a rank give it the same
// value: it is evaluated once per rank, and the deals counted by the number
// of cards of that rank.

#include <cstdint>
#include <vector>

#include "engine/odds/EquityTally.h"
#include "engine/odds/HandEvaluator.h"

namespace engine::odds {

class RangeCount {
public:
    // `deck` in rank order.
    RangeCount(const HandEvaluator& evaluator, const HandKey& hand, const std::vector<HandKey>& combos,
               const std::vector<HandKey>& deck);

    // A complete board, standing for `boards` boards that give the same count.
    void board(const HandKey& board, std::uint64_t boards = 1);

    // Every board made of `prefix` and one deck card from position `from` on,
    // each standing for `boards` boards that give the same count.
    void lastCard(const HandKey& prefix, std::size_t from, std::uint64_t boards = 1);

    void fill(EquityTally& tally) const;

private:
    struct Seat {
        HandKey prefix;
        std::uint64_t cards;
        bool mayFlush;
    };

    // Four cards of a suit already: one more card may make a flush.
    static bool mayFlush(const HandKey& key)
    {
        return ((key.sum + (std::uint64_t{0x1111} << 32)) & detail::kFlushBits) != 0;
    }

    void count(HandRank hero, HandRank villain, std::uint64_t deals)
    {
        wins_ += hero > villain ? deals : 0;
        ties_ += hero == villain ? deals : 0;
        deals_ += deals;
    }

    const HandEvaluator& evaluator_;
    HandKey hand_;
    const std::vector<HandKey>& combos_;
    const std::vector<HandKey>& deck_;
    std::vector<std::size_t> rankEnd_;       // per deck position: where its rank's cards end
    std::vector<std::uint64_t> restOfRank_;  // per deck position: it and the later cards of its rank
    std::vector<std::uint64_t> restOfDeck_;  // per deck position: it and every later card
    std::vector<Seat> seats_;
    std::uint64_t wins_ = 0;
    std::uint64_t ties_ = 0;
    std::uint64_t deals_ = 0;
};

} // namespace engine::odds
