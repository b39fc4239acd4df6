// Equity by the next card: the cards that can come, their chances, and the
// identity that ties them to the equity on the board as it stands. Against a
// range a card the range holds often comes less often, so the identity holds
// with those chances, not with a plain average.

#include <gtest/gtest.h>

#include <ostream>
#include <stop_token>

#include "engine/board/NextCardEquity.h"
#include "engine/odds/Equity.h"
#include "tests/engine/board/RangeCases.h"

namespace {

using engine::odds::EquityMethod;
using engine::odds::EquityRequest;
using engine::odds::EquityStatus;
using namespace rangecases;

struct NextCase {
    const char* hand;
    const char* board;
    const char* dead;
    const char* range; // empty: random hands
    int opponents;
    Weights weights;
};

std::ostream& operator<<(std::ostream& os, const NextCase& c)
{
    return os << c.hand << " on " << c.board << " against " << (*c.range ? c.range : "random") << " x" << c.opponents;
}

EquityRequest requestOf(const NextCase& c)
{
    EquityRequest request;
    request.hand = handOf(c.hand);
    request.board = cardsOf(c.board);
    request.dead = setOf(c.dead);
    request.opponents = c.opponents;
    if (*c.range)
        request.opponentRange = rangeOf(c.range, c.weights);
    request.method = EquityMethod::Exact;
    return request;
}

class NextCardCase : public testing::TestWithParam<NextCase> {};

TEST_P(NextCardCase, TheChancesAverageBackToTheEquityOnTheBoard)
{
    const EquityRequest request = requestOf(GetParam());
    const auto got = engine::board::equityByNextCard(request);
    ASSERT_EQ(got.status, EquityStatus::Done) << got.error;

    CardSet known = request.hand.set() | request.dead;
    for (Card c : request.board)
        known.insert(c);
    double chances = 0, average = 0;
    CardSet seen;
    for (const auto& n : got.cards) {
        EXPECT_FALSE(known.contains(n.card)) << n.card.text();
        EXPECT_FALSE(seen.contains(n.card)) << n.card.text();
        seen.insert(n.card);
        EXPECT_EQ(n.method, EquityMethod::Exact);
        chances += n.chance;
        average += n.chance * n.equity;
    }
    EXPECT_NEAR(chances, 1.0, 1e-12);
    EXPECT_NEAR(got.equity, average, 1e-12);
    const auto now = engine::odds::computeEquity(request);
    ASSERT_EQ(now.status, EquityStatus::Done) << now.error;
    EXPECT_NEAR(got.equity, now.equity, 1e-12);

    if (!request.opponentRange) {
        EXPECT_EQ(static_cast<int>(got.cards.size()), engine::cards::kCardCount - known.size());
        for (const auto& n : got.cards)
            EXPECT_DOUBLE_EQ(n.chance, 1.0 / static_cast<double>(got.cards.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(Boards, NextCardCase, testing::Values(
    NextCase{"AhKh", "Qh 7h 2d", "", "", 1, Weights::Full},
    NextCase{"9s8s", "Ts 7d 2c", "Ks", "", 1, Weights::Full},
    NextCase{"AhKh", "Qh 7h 2d 3c", "", "", 2, Weights::Full},
    NextCase{"AhKh", "Qh 7h 2d", "", "QQ+, AK, JTs, 98s", 1, Weights::Full},
    NextCase{"JcJd", "Th 9h 2s", "Ac", "88+, A9s+, KTs+, QTs+, JTs, T9s, 98s, AQo+", 1, Weights::ByShape},
    NextCase{"6c6d", "As Ks 7c 2h", "", "AK, KQs, 77, 22, QsJs", 1, Weights::BySuit}));

// On the turn, each river card's equity against a weighted range equals a
// plain comparison with every combination the card leaves possible.
TEST(NextCard, EachRiverCardEqualsAPlainCount)
{
    const EquityRequest request = requestOf(
        {"AsQs", "Qh Js 8s 2c", "Kd", "QQ+, AK, KQs, JTs, 98s, 2s2d", 1, Weights::ByShape});
    const auto got = engine::board::equityByNextCard(request);
    ASSERT_EQ(got.status, EquityStatus::Done) << got.error;
    const auto weights = weightTable(*request.opponentRange);
    CardSet known = request.hand.set() | request.dead;
    for (Card c : request.board)
        known.insert(c);

    double total = 0;
    std::map<int, double> chance;
    for (Card river : CardSet::fullDeck() - known) {
        for (HoleCards h : allHoleCards()) {
            const double w = weightIn(weights, h);
            if (w > 0 && !h.set().intersects(known) && !h.set().contains(river)) {
                chance[river.index()] += w;
                total += w;
            }
        }
    }
    ASSERT_EQ(got.cards.size(), chance.size());
    for (const auto& n : got.cards) {
        SCOPED_TRACE(n.card.text());
        auto board = request.board;
        board.push_back(n.card);
        Count count;
        for (HoleCards h : allHoleCards()) {
            const double w = weightIn(weights, h);
            if (w > 0 && !h.set().intersects(known | CardSet{n.card}))
                count.add(countAgainst(request.hand, h, board, request.dead), w);
        }
        EXPECT_NEAR(n.chance, chance[n.card.index()] / total, 1e-12);
        EXPECT_NEAR(n.win, count.wins / count.deals, 1e-12);
        EXPECT_NEAR(n.equity, count.equity(), 1e-12);
    }
}

TEST(NextCard, ACardTheRangeAlwaysHoldsCannotCome)
{
    EquityRequest request = requestOf({"AhKh", "Qh 7h 2d", "", "2s2c", 1, Weights::Full});
    const auto got = engine::board::equityByNextCard(request);
    ASSERT_EQ(got.status, EquityStatus::Done) << got.error;
    EXPECT_EQ(got.cards.size(), 52u - 5u - 2u);
    for (const auto& n : got.cards)
        EXPECT_TRUE(n.card.text() != "2s" && n.card.text() != "2c") << n.card.text();
}

TEST(NextCard, AStopEndsTheCountWithTheCardsCounted)
{
    const EquityRequest request = requestOf({"AhKh", "Qh 7h 2d", "", "", 1, Weights::Full});
    std::stop_source stop;
    int calls = 0;
    const auto got = engine::board::equityByNextCard(request, stop.get_token(), [&](double fraction) {
        EXPECT_GT(fraction, 0.0);
        if (++calls == 3)
            stop.request_stop();
    });
    EXPECT_EQ(got.status, EquityStatus::Cancelled);
    EXPECT_EQ(got.cards.size(), 3u);
}

TEST(NextCard, RefusesWhatItCannotCount)
{
    struct Refused {
        NextCase c;
        const char* error;
    };
    for (const Refused& r : {
             Refused{{"AhKh", "", "", "", 1, Weights::Full}, "the next card follows a board of 3 or 4 cards, not 0"},
             Refused{{"AhKh", "Qh 7h 2d 3c 4c", "", "", 1, Weights::Full},
                     "the next card follows a board of 3 or 4 cards, not 5"},
             Refused{{"AhKh", "Qh 7h Kh", "", "", 1, Weights::Full}, "\"Kh\" is in the hand and on the board"},
             Refused{{"AhKh", "Qh 7h 2d", "", "QhQs", 1, Weights::Full},
                     "no hand of the opponent's range is possible with these cards"},
             Refused{{"AhKh", "Qh 7h 2d", "", "", 12, Weights::Full}, "the number of opponents is 1 to 9, not 12"},
         }) {
        const auto got = engine::board::equityByNextCard(requestOf(r.c));
        EXPECT_EQ(got.status, EquityStatus::Invalid) << r.error;
        EXPECT_EQ(got.error, r.error);
        EXPECT_TRUE(got.cards.empty());
    }
}

} // namespace
