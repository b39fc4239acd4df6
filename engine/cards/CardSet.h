#pragma once
// A set of cards as a 64-bit mask. Each suit owns 16 bits (13 used), so the
// ranks held in one suit are a shift and a mask away.

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cards/Card.h"

namespace engine::cards {

inline constexpr int kSuitShift = 16;
inline constexpr std::uint64_t kSuitRanks = 0x1fff;

constexpr std::uint64_t cardBit(Card c)
{
    return std::uint64_t{1} << (c.suit() * kSuitShift + c.rank());
}

class CardSet {
public:
    constexpr CardSet() = default;
    constexpr explicit CardSet(std::uint64_t mask) : mask_(mask) {}
    constexpr CardSet(std::initializer_list<Card> cards)
    {
        for (Card c : cards)
            insert(c);
    }
    static constexpr CardSet fullDeck()
    {
        return CardSet(kSuitRanks | kSuitRanks << 16 | kSuitRanks << 32 | kSuitRanks << 48);
    }

    constexpr std::uint64_t mask() const { return mask_; }
    constexpr bool empty() const { return mask_ == 0; }
    constexpr int size() const { return std::popcount(mask_); }
    constexpr bool contains(Card c) const { return (mask_ & cardBit(c)) != 0; }
    constexpr bool intersects(CardSet o) const { return (mask_ & o.mask_) != 0; }
    constexpr void insert(Card c) { mask_ |= cardBit(c); }
    constexpr void erase(Card c) { mask_ &= ~cardBit(c); }

    // The 13-bit mask of the ranks held in one suit (bit 0 = two).
    constexpr unsigned ranksOfSuit(int suit) const
    {
        return static_cast<unsigned>((mask_ >> (suit * kSuitShift)) & kSuitRanks);
    }
    // The 13-bit mask of the ranks held in any suit.
    constexpr unsigned ranks() const
    {
        return ranksOfSuit(0) | ranksOfSuit(1) | ranksOfSuit(2) | ranksOfSuit(3);
    }

    constexpr CardSet operator|(CardSet o) const { return CardSet(mask_ | o.mask_); }
    constexpr CardSet operator&(CardSet o) const { return CardSet(mask_ & o.mask_); }
    constexpr CardSet operator-(CardSet o) const { return CardSet(mask_ & ~o.mask_); }
    constexpr CardSet& operator|=(CardSet o) { mask_ |= o.mask_; return *this; }
    friend constexpr bool operator==(CardSet, CardSet) = default;

    // Iterates the cards from the lowest bit: spades two to ace, then hearts...
    class iterator {
    public:
        using value_type = Card;
        using difference_type = std::ptrdiff_t;
        constexpr iterator() = default;
        constexpr explicit iterator(std::uint64_t rest) : rest_(rest) {}
        constexpr Card operator*() const
        {
            const int bit = std::countr_zero(rest_);
            return Card(bit % kSuitShift, bit / kSuitShift);
        }
        constexpr iterator& operator++() { rest_ &= rest_ - 1; return *this; }
        constexpr iterator operator++(int) { iterator old = *this; ++*this; return old; }
        friend constexpr bool operator==(iterator, iterator) = default;

    private:
        std::uint64_t rest_ = 0;
    };
    constexpr iterator begin() const { return iterator(mask_); }
    constexpr iterator end() const { return iterator(0); }

    // The cards in the order they are written: the highest rank first, and
    // cards of one rank in the suit order spades, hearts, diamonds, clubs.
    std::vector<Card> written() const;
    // Their texts in that order, with `separator` between them: "AsAhKd7c".
    std::string text(std::string_view separator = {}) const;

private:
    std::uint64_t mask_ = 0;
};

} // namespace engine::cards
