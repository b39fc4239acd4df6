#include "engine/board/HoldingReader.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "engine/board/HandShape.h"
#include "engine/cards/RankMask.h"

namespace engine::board {

namespace {

using cards::CardSet;
using odds::HandCategory;

// The board's distinct ranks, highest first.
std::vector<int> distinctRanks(const HandShape& board)
{
    std::vector<int> ranks;
    for (int r = cards::kAce; r >= 0; --r) {
        if (board.count[static_cast<std::size_t>(r)] > 0)
            ranks.push_back(r);
    }
    return ranks;
}

// The category of the board's own cards; only five cards make a straight or a flush.
HandCategory boardCategory(CardSet board, const HandShape& shape, const odds::HandEvaluator& evaluator)
{
    if (board.size() == 5)
        return odds::categoryOf(evaluator.rank(board));
    if (shape.highestWith(4) >= 0)
        return HandCategory::FourOfAKind;
    if (shape.highestWith(3) >= 0)
        return HandCategory::ThreeOfAKind;
    const int pair = shape.highestWith(2);
    if (pair >= 0)
        return shape.highestWith(2, pair) >= 0 ? HandCategory::TwoPair : HandCategory::Pair;
    return HandCategory::HighCard;
}

// The five best ranks of a flush suit, comparable as a number.
unsigned topFive(unsigned ranks)
{
    while (std::popcount(ranks) > 5)
        ranks &= ranks - 1;
    return ranks;
}

// No one can hold a higher flush: the best the board's cards of the suit
// make with the two highest unseen cards of it is no better.
bool nutFlush(const HandShape& all, const HandShape& board)
{
    const auto s = static_cast<std::size_t>(all.suitWith(5));
    unsigned unseen = static_cast<unsigned>(cards::kSuitRanks) & ~all.suitRanks[s];
    unsigned best = board.suitRanks[s];
    for (int i = 0; i < 2 && unseen != 0; ++i) {
        const unsigned top = 1u << cards::highestRank(unseen);
        best |= top;
        unseen &= ~top;
    }
    return std::popcount(best) < 5 || topFive(best) <= topFive(all.suitRanks[s]);
}

// The ranks of the two highest pairs, -1 where there is none.
std::pair<int, int> topTwoPairs(const HandShape& shape)
{
    const int top = shape.highestWith(2);
    return {top, top >= 0 ? shape.highestWith(2, top) : -1};
}

Holding readPair(const cards::HoleCards& hand, const std::vector<int>& boardRanks)
{
    const int high = hand.high.rank();
    const int low = hand.low.rank();
    const int top = boardRanks.front();
    const int second = boardRanks.size() > 1 ? boardRanks[1] : -1;
    const int lowest = boardRanks.back();
    const auto onBoard = [&](int r) { return std::find(boardRanks.begin(), boardRanks.end(), r) != boardRanks.end(); };

    if (high == low) {
        // No choice names an overpair; it plays as the pair it beats.
        if (high > top)
            return {"an overpair",
                    high >= cards::kJack ? PostflopCategory::TopPairGoodKicker : PostflopCategory::MiddlePairDecentKicker,
                    true};
        if (high > second)
            return {"middle pair, a pocket pair", PostflopCategory::MiddlePairDecentKicker};
        if (high < lowest)
            return {"an underpair", std::nullopt};
        return {"a low pocket pair", std::nullopt};
    }
    const int paired = onBoard(high) ? high : low;
    const int kicker = paired == high ? low : high;
    // The best kicker left: every higher rank is on the board, whether or
    // not the kicker's own rank is there too.
    bool bestKickerLeft = true;
    for (int r = kicker + 1; r <= cards::kAce; ++r)
        bestKickerLeft = bestKickerLeft && onBoard(r);
    const bool good = kicker >= cards::kQueen || bestKickerLeft;
    const bool decent = good || kicker >= cards::kTen;
    if (paired == top && paired >= cards::kJack) {
        if (good)
            return {"top pair, good kicker", PostflopCategory::TopPairGoodKicker, true};
        return {"top pair, weak kicker", PostflopCategory::TopPairWeakKicker};
    }
    if (paired == top)
        return decent ? Holding{"top pair below jacks, decent kicker", PostflopCategory::MiddlePairDecentKicker}
                      : Holding{"top pair below jacks, weak kicker", std::nullopt};
    if (paired == second)
        return decent ? Holding{"middle pair, decent kicker", PostflopCategory::MiddlePairDecentKicker}
                      : Holding{"middle pair, weak kicker", std::nullopt};
    return {paired == lowest ? "bottom pair" : "a low pair", std::nullopt};
}

} // namespace

Holding readHolding(const cards::HoleCards& hand, CardSet board, const odds::HandEvaluator& evaluator)
{
    const CardSet all = hand.set() | board;
    const HandShape allShape(all), boardShape(board);
    const odds::HandRank rank = evaluator.rank(all);
    const HandCategory made = odds::categoryOf(rank);
    const std::vector<int> boardRanks = distinctRanks(boardShape);

    // Five board cards with a straight, flush or full house that the hole
    // cards beat, and a board's two pair that the hole cards better, still
    // count as the hero's hand; otherwise the board's own kind of hand is
    // everyone's.
    if (made == boardCategory(board, boardShape, evaluator)) {
        const bool beatsBoard = (board.size() == 5 && rank > evaluator.rank(board) && made >= HandCategory::Straight &&
                                 made != HandCategory::FourOfAKind) ||
                                (made == HandCategory::TwoPair && topTwoPairs(allShape) != topTwoPairs(boardShape));
        if (!beatsBoard)
            return {made == HandCategory::HighCard ? "nothing" : "the board plays: " + madeHandWords(allShape), std::nullopt};
    }
    const int high = hand.high.rank();
    const int low = hand.low.rank();
    switch (made) {
    // No choice is stronger than these; each plays as the nearest one.
    case HandCategory::StraightFlush:
        return {"a straight flush", PostflopCategory::NutFlush, true};
    case HandCategory::FourOfAKind:
        return {"quads", PostflopCategory::FullHouse, true};
    case HandCategory::FullHouse:
        return {"a full house", PostflopCategory::FullHouse, true};
    case HandCategory::Flush:
        return nutFlush(allShape, boardShape) ? Holding{"the nut flush", PostflopCategory::NutFlush, true} : Holding{"a flush", PostflopCategory::Flush, true};
    case HandCategory::Straight:
        return {"a straight", PostflopCategory::Straight, true};
    case HandCategory::ThreeOfAKind:
        return {high == low ? "a set" : "trips", PostflopCategory::Trips, true};
    case HandCategory::TwoPair: {
        const int topPair = allShape.highestWith(2);
        const int secondPair = allShape.highestWith(2, topPair);
        if (high != low && high == topPair && low == secondPair) {
            const bool topTwo = boardRanks.size() >= 2 && high == boardRanks[0] && low == boardRanks[1];
            return topTwo ? Holding{"top two pair", PostflopCategory::TopTwoPair, true} : Holding{"two pair", PostflopCategory::TwoPair, true};
        }
        return readPair(hand, boardRanks);
    }
    case HandCategory::Pair:
        return readPair(hand, boardRanks);
    default:
        return {"nothing", std::nullopt};
    }
}

} // namespace engine::board
