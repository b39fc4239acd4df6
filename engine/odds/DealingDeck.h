#pragma once
// The cards a deal may still take, dealt by a partial shuffle: the i-th card
// dealt is swapped in from a position drawn among those not dealt yet, so
// every ordered choice of cards is equally likely whatever order the deck was
// left in by the deal before. A deck is therefore never put back in order.
//
// There is one deck per choice of the ranged players' hands drawn together
// (see AssignmentSampler), without that choice's cards, so that the common
// deal draws no card twice and takes no branch that depends on a card. Cards
// of other ranged players that are dealt all the same are swapped for cards
// drawn from the rest of the deck, drawn again while they are theirs: every
// renaming of the cards that may be dealt leaves that procedure as it was,
// so each ordered choice of them is still equally likely.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/cards/Card.h"
#include "engine/odds/HandKey.h"
#include "engine/odds/SplitMix.h"

namespace engine::odds {

class DealingDeck {
public:
    // The cards of `deck` without those of each of `setAside` (one deck each).
    DealingDeck(const std::vector<cards::Card>& deck, const std::vector<std::uint64_t>& setAside)
    {
        for (int i = 0; i < cards::kCardCount; ++i)
            keys_[static_cast<std::size_t>(i)] = HandKey{0, 0}.plus(cards::Card::fromIndex(i));
        cards_.reserve(setAside.size() * kStride);
        for (const std::uint64_t aside : setAside) {
            std::size_t left = 0;
            for (cards::Card c : deck) {
                if ((keys_[static_cast<std::size_t>(c.index())].cards & aside) == 0) {
                    cards_.push_back(static_cast<Slot>(c.index()));
                    ++left;
                }
            }
            cards_.resize(cards_.size() + kStride - left);
            sizes_.push_back(static_cast<std::uint8_t>(left));
            setAside_.push_back(aside);
        }
    }

    void prefetch(std::size_t which) const
    {
        const Slot* d = cards_.data() + which * kStride;
        __builtin_prefetch(d, 1);
        __builtin_prefetch(d + kStride - 1, 1);
    }

    std::uint64_t setAside(std::size_t which) const { return setAside_[which]; }

    // A card's index in one byte: not a character type, whose stores the
    // compiler would have to assume change any other value in memory.
    enum class Slot : std::uint8_t {};

    // Deals `count` cards from deck `which`, none of `avoid` (fewer than the
    // cards left after the deal); they are the first `count` of the answer.
    // `spare` is what is left of a random number already drawn from.
    [[gnu::always_inline]] const Slot* deal(SplitMix& random, std::size_t which, std::size_t count,
                                            std::uint64_t avoid, SpareRandom spare = {})
    {
        Slot* d = cards_.data() + which * kStride;
        const std::size_t n = sizes_[which];
        // Positions by multiply-shift, several from one random number: the
        // high word of `bits` times the range is the position, the low word
        // what is left of the number for the next one. Six positions of at
        // most 52 use 35 of its 64 bits, which leaves a bias below 2^-29.
        // The first ones come from what `spare` has left, if anything.
        std::uint64_t bits = spare.bits;
        std::size_t end = std::min(count, spare.positions);
        for (std::size_t i = 0; i < count; ++i) {
            if (i == end) {
                bits = random.next();
                end = std::min(count, i + kPositionsPerNumber);
            }
            const Wide product = Wide{bits} * (n - i);
            bits = static_cast<std::uint64_t>(product);
            swapIn(d, i, i + static_cast<std::size_t>(product >> 64));
        }
        if (avoid != 0) {
            std::uint64_t taken = 0;
            for (std::size_t k = 0; k < count; ++k)
                taken |= key(d[k]).cards;
            if ((taken & avoid) != 0)
                replace(random, d, n, count, avoid);
        }
        return d;
    }

    const HandKey& key(Slot s) const { return keys_[static_cast<std::size_t>(s)]; }

private:
    static constexpr std::size_t kStride = cards::kCardCount;
    static constexpr std::size_t kPositionsPerNumber = 6;
    __extension__ using Wide = unsigned __int128;

    // A position below n from 32 random bits (bias below 2^-26).
    static std::size_t scaled(std::uint64_t half, std::size_t n) { return static_cast<std::size_t>((half * n) >> 32); }

    static void swapIn(Slot* d, std::size_t to, std::size_t from)
    {
        const Slot here = d[to];
        const Slot drawn = d[from];
        d[from] = here;
        d[to] = drawn;
    }

    [[gnu::noinline, gnu::cold]] void replace(SplitMix& random, Slot* d, std::size_t n, std::size_t count,
                                              std::uint64_t avoid) const
    {
        for (std::size_t k = 0; k < count; ++k) {
            while ((key(d[k]).cards & avoid) != 0)
                swapIn(d, k, count + scaled(random.next() >> 32, n - count));
        }
    }

    std::array<HandKey, cards::kCardCount> keys_{};  // by card index
    std::vector<Slot> cards_;  // kStride per deck
    std::vector<std::uint8_t> sizes_;
    std::vector<std::uint64_t> setAside_;
};

} // namespace engine::odds
