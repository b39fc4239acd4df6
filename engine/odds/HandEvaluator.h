#pragma once
// Ranks hands of five, six or seven cards. Hands without a flush are looked
// up by their multiset of ranks in a perfect hash table; flushes by the
// 13-bit mask of the flush suit's ranks. The tables (about 290 KiB) are
// computed at build time and compiled in.

#include <bit>
#include <cstdint>
#include <span>

#include "engine/cards/CardSet.h"
#include "engine/odds/HandKey.h"
#include "engine/odds/HandRank.h"

namespace engine::odds {

struct EvaluatorTables;

class HandEvaluator {
public:
    HandEvaluator();

    // A hand of 5, 6 or 7 cards.
    HandRank rank(const HandKey& hand) const
    {
        const std::uint64_t flush = hand.sum & detail::kFlushBits;
        if (flush != 0) [[unlikely]]
            return flush_[(hand.cards >> (flushSuit(flush) * cards::kSuitShift)) & cards::kSuitRanks];
        return rankWithoutFlush(hand.sum);
    }
    HandRank rank(std::span<const cards::Card> hand) const
    {
        HandKey key;
        for (cards::Card c : hand)
            key = key.plus(c);
        return rank(key);
    }
    HandRank rank(cards::CardSet cards) const;

    static constexpr int kSlotBits = 17;
    // Few rows: their displacements (16 KiB) stay in the nearest cache.
    static constexpr int kRowBits = 12;
    static constexpr int kRowShift = 64 - kRowBits;
    static constexpr int kSlotShift = kRowShift - kSlotBits;
    static constexpr std::uint64_t kSlotMask = (std::uint64_t{1} << kSlotBits) - 1;

private:
    // The suit whose counter reached five (the lowest if two did).
    static int flushSuit(std::uint64_t flushBits) { return (std::countr_zero(flushBits) - 35) / 4; }

    HandRank rankWithoutFlush(std::uint64_t sum) const
    {
        const std::uint64_t mixed = (sum & 0xffffffffu) * multiplier_;
        return values_[((mixed >> kSlotShift) & kSlotMask) ^ displacement_[mixed >> kRowShift]];
    }

    std::uint64_t multiplier_;
    const std::uint32_t* displacement_;
    const HandRank* values_;
    const HandRank* flush_;
};

} // namespace engine::odds
