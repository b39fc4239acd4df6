#pragma once
// Cards, hands and weighted ranges from text for the range-on-board tests,
// and a plain count of a hand against one combination on a complete board.

#include <gtest/gtest.h>

#include <map>
#include <string_view>
#include <vector>

#include "engine/cards/CardParser.h"
#include "engine/cards/HandClass.h"
#include "engine/cards/Range.h"
#include "tests/engine/odds/ReferenceEvaluator.h"

namespace rangecases {

using engine::cards::Card;
using engine::cards::CardSet;
using engine::cards::HoleCards;
using engine::cards::Range;

inline std::vector<Card> cardsOf(std::string_view text)
{
    const auto parsed = engine::cards::parseCards(text);
    EXPECT_TRUE(parsed.ok()) << text << ": " << parsed.error;
    return parsed.value;
}

inline CardSet setOf(std::string_view text)
{
    CardSet set;
    for (Card c : cardsOf(text))
        set.insert(c);
    return set;
}

inline HoleCards handOf(std::string_view text)
{
    const auto parsed = engine::cards::parseHoleCards(text);
    EXPECT_TRUE(parsed.ok()) << text << ": " << parsed.error;
    return parsed.value;
}

// How a case weighs a combination: by its shape, so that one range mixes
// several weights, and by its suits, so that combinations of one class differ.
enum class Weights { Full, ByShape, BySuit };

inline double weightOf(HoleCards h, Weights w)
{
    switch (w) {
    case Weights::Full: return 1.0;
    case Weights::ByShape:
        return h.high.rank() == h.low.rank() ? 1.0 : h.high.suit() == h.low.suit() ? 0.5 : 0.25;
    case Weights::BySuit: return h.high.suit() == 0 ? 0.75 : 1.0;
    }
    return 1.0;
}

inline Range rangeOf(std::string_view text, Weights w = Weights::Full)
{
    const auto parsed = engine::cards::parseRange(text);
    EXPECT_TRUE(parsed.ok()) << text << ": " << parsed.error;
    Range range;
    for (HoleCards h : parsed.value.combos())
        range.add(h, weightOf(h, w));
    return range;
}

// Every two cards of the deck, each pair once, in no order the engine uses.
inline std::vector<HoleCards> allHoleCards()
{
    std::vector<HoleCards> all;
    for (int a = engine::cards::kCardCount - 1; a >= 0; --a)
        for (int b = 0; b < a; ++b)
            all.emplace_back(Card::fromIndex(a), Card::fromIndex(b));
    return all;
}

// The weight the range gives two cards, 0 when it lacks them.
inline std::map<int, double> weightTable(const Range& range)
{
    std::map<int, double> table;
    for (std::size_t i = 0; i < range.combos().size(); ++i)
        table[range.combos()[i].high.index() * 64 + range.combos()[i].low.index()] = range.weights()[i];
    return table;
}
inline double weightIn(const std::map<int, double>& table, HoleCards h)
{
    const auto it = table.find(h.high.index() * 64 + h.low.index());
    return it == table.end() ? 0.0 : it->second;
}

// +1 when the hand beats the other on the complete board, 0 for a tie, -1 for a loss.
inline int compareOnBoard(HoleCards hand, HoleCards other, const std::vector<Card>& board)
{
    std::vector<Card> a(board), b(board);
    a.push_back(hand.high);
    a.push_back(hand.low);
    b.push_back(other.high);
    b.push_back(other.low);
    const auto sa = reference::score(a), sb = reference::score(b);
    return sa > sb ? 1 : sa < sb ? -1 : 0;
}

// The hand's win, tie and equity against one combination over every way to
// complete the board from the cards no one holds.
struct Count {
    double deals = 0, wins = 0, ties = 0;
    void add(const Count& o, double w)
    {
        deals += w * o.deals;
        wins += w * o.wins;
        ties += w * o.ties;
    }
    double equity() const { return (wins + ties / 2) / deals; }
};

inline Count countFrom(HoleCards hand, HoleCards other, std::vector<Card>& board, CardSet used, int from)
{
    Count count;
    if (board.size() == 5) {
        const int c = compareOnBoard(hand, other, board);
        count.deals = 1;
        count.wins = c > 0 ? 1 : 0;
        count.ties = c == 0 ? 1 : 0;
        return count;
    }
    for (int i = from; i < engine::cards::kCardCount; ++i) {
        const Card c = Card::fromIndex(i);
        if (used.contains(c))
            continue;
        board.push_back(c);
        count.add(countFrom(hand, other, board, used, i + 1), 1.0);
        board.pop_back();
    }
    return count;
}

inline Count countAgainst(HoleCards hand, HoleCards other, std::vector<Card> board, CardSet dead)
{
    CardSet used = hand.set() | other.set() | dead;
    for (Card c : board)
        used.insert(c);
    return countFrom(hand, other, board, used, 0);
}

} // namespace rangecases
