#pragma once
// A hand being built card by card, as an enumeration does: a sum of per-card
// keys and the set of cards. The low 32 bits of the sum count each rank in
// base 5, which tells the multiset of ranks apart; four 4-bit counters above
// them count the suits, starting at 3 so that a fifth card of a suit sets the
// counter's top bit.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/cards/CardSet.h"

namespace engine::odds {

namespace detail {

inline constexpr std::uint64_t kSuitCounterStart = 0x3333ull << 32;
inline constexpr std::uint64_t kFlushBits = 0x8888ull << 32;

constexpr std::array<std::uint64_t, cards::kCardCount> makeCardKeys()
{
    std::array<std::uint64_t, cards::kCardCount> keys{};
    for (int index = 0; index < cards::kCardCount; ++index) {
        const cards::Card c = cards::Card::fromIndex(index);
        std::uint64_t rankKey = 1;
        for (int r = 0; r < c.rank(); ++r)
            rankKey *= 5;
        keys[static_cast<std::size_t>(index)] = rankKey | std::uint64_t{1} << (32 + 4 * c.suit());
    }
    return keys;
}

inline constexpr std::array<std::uint64_t, cards::kCardCount> kCardKeys = makeCardKeys();

constexpr std::array<std::uint64_t, cards::kCardCount> makeCardBits()
{
    std::array<std::uint64_t, cards::kCardCount> bits{};
    for (int index = 0; index < cards::kCardCount; ++index)
        bits[static_cast<std::size_t>(index)] = cards::cardBit(cards::Card::fromIndex(index));
    return bits;
}

inline constexpr std::array<std::uint64_t, cards::kCardCount> kCardBits = makeCardBits();

} // namespace detail

struct HandKey {
    std::uint64_t sum = detail::kSuitCounterStart;
    std::uint64_t cards = 0;

    constexpr HandKey plus(cards::Card c) const
    {
        const auto index = static_cast<std::size_t>(c.index());
        return {sum + detail::kCardKeys[index], cards | detail::kCardBits[index]};
    }
    // Adds cards kept apart from any starting value (see CardsKey).
    constexpr HandKey plus(const HandKey& partial) const
    {
        return {sum + partial.sum, cards | partial.cards};
    }
};

// The key of a few cards to be added to hands later: no suit counter start.
constexpr HandKey cardsKey(cards::CardSet set)
{
    HandKey key{0, 0};
    for (cards::Card c : set)
        key = key.plus(c);
    return key;
}

// Each card of a deck as a key of its own, in the deck's order, for dealing
// from it.
inline std::array<HandKey, cards::kCardCount> deckKeys(const std::vector<cards::Card>& deck)
{
    std::array<HandKey, cards::kCardCount> keys{};
    for (std::size_t i = 0; i < deck.size() && i < keys.size(); ++i)
        keys[i] = HandKey{0, 0}.plus(deck[i]);
    return keys;
}

} // namespace engine::odds
