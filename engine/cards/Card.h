#pragma once
// A playing card: a rank from two to ace and one of four suits, kept as one
// index 0-51 (rank * 4 + suit) so that ordering by index orders by rank.

#include <compare>
#include <cstdint>
#include <string>

namespace engine::cards {

inline constexpr int kRankCount = 13;
inline constexpr int kSuitCount = 4;
inline constexpr int kCardCount = 52;

// Ranks count from 0 (two) to 12 (ace).
inline constexpr int kTwo = 0;
inline constexpr int kFive = 3;
inline constexpr int kTen = 8;
inline constexpr int kJack = 9;
inline constexpr int kQueen = 10;
inline constexpr int kKing = 11;
inline constexpr int kAce = 12;

// Suits in the order spades, hearts, diamonds, clubs: the order in which
// cards of one rank are written. Card indices order the suits the same way,
// so of two cards of one rank the club has the higher index.
inline constexpr char kRankChars[] = "23456789TJQKA";
inline constexpr char kSuitChars[] = "shdc";

class Card {
public:
    constexpr Card() = default;
    constexpr Card(int rank, int suit) : index_(static_cast<std::uint8_t>(rank * kSuitCount + suit)) {}
    static constexpr Card fromIndex(int index)
    {
        Card c;
        c.index_ = static_cast<std::uint8_t>(index);
        return c;
    }

    constexpr int index() const { return index_; }
    constexpr int rank() const { return index_ / kSuitCount; }
    constexpr int suit() const { return index_ % kSuitCount; }

    // Rank character and lower-case suit letter: "Ah", "Td".
    std::string text() const;

    friend constexpr bool operator==(Card, Card) = default;
    friend constexpr auto operator<=>(Card, Card) = default;

private:
    std::uint8_t index_ = 0;
};

constexpr char rankChar(int rank) { return kRankChars[rank]; }
constexpr char suitChar(int suit) { return kSuitChars[suit]; }

} // namespace engine::cards
