// A hand against a range, class by class: each class's numbers equal a plain
// count over its combinations and every way to complete the board; before
// the flop, the sampled numbers lie near the exact ones.

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <stop_token>

#include "engine/Hand.h"
#include "engine/board/ClassBreakdown.h"
#include "engine/odds/Equity.h"
#include "tests/engine/board/RangeCases.h"

namespace {

using engine::board::ClassBreakdownRequest;
using engine::odds::EquityStatus;
using namespace rangecases;

struct BreakdownCase {
    const char* hand;
    const char* range;
    const char* board;
    const char* dead;
    Weights weights;
};

std::ostream& operator<<(std::ostream& os, const BreakdownCase& c)
{
    return os << c.hand << " against " << c.range << " on " << c.board << " dead " << c.dead;
}

struct ClassCount {
    int combos = 0;
    double weight = 0;
    Count count; // summed by weight
};

class ClassBreakdownOnBoard : public testing::TestWithParam<BreakdownCase> {};

TEST_P(ClassBreakdownOnBoard, EachClassEqualsAPlainCount)
{
    const BreakdownCase& c = GetParam();
    ClassBreakdownRequest request;
    request.hand = handOf(c.hand);
    request.board = cardsOf(c.board);
    request.dead = setOf(c.dead);
    request.range = rangeOf(c.range, c.weights);

    CardSet known = request.hand.set() | request.dead;
    for (Card card : request.board)
        known.insert(card);
    const auto weights = weightTable(request.range);
    std::map<int, ClassCount> want;
    Count overall;
    double overallWeight = 0;
    for (HoleCards h : allHoleCards()) {
        const double w = weightIn(weights, h);
        if (w == 0.0 || h.set().intersects(known))
            continue;
        ClassCount& k = want[engine::cards::handClassOf(h)];
        ++k.combos;
        k.weight += w;
        const Count one = countAgainst(request.hand, h, request.board, request.dead);
        k.count.add(one, w);
        overall.add(one, w);
        overallWeight += w;
    }

    const auto got = engine::board::breakdownByClass(request);
    ASSERT_EQ(got.status, EquityStatus::Done) << got.error;
    EXPECT_EQ(got.method, engine::odds::EquityMethod::Exact);
    ASSERT_EQ(got.classes.size(), want.size());
    int lastClass = -1;
    for (const auto& e : got.classes) {
        SCOPED_TRACE(e.hand);
        EXPECT_GT(e.handClass, lastClass) << "in grid order";
        lastClass = e.handClass;
        EXPECT_EQ(e.hand, engine::handText(e.handClass));
        ASSERT_TRUE(want.contains(e.handClass));
        const ClassCount& k = want.at(e.handClass);
        EXPECT_EQ(e.combos, k.combos);
        EXPECT_NEAR(e.weight, k.weight, 1e-12);
        EXPECT_NEAR(e.win, k.count.wins / k.count.deals, 1e-12);
        EXPECT_NEAR(e.tie, k.count.ties / k.count.deals, 1e-12);
        EXPECT_NEAR(e.equity, k.count.equity(), 1e-12);
        EXPECT_EQ(e.standardError, 0.0);
    }
    EXPECT_NEAR(got.weight, overallWeight, 1e-9);
    EXPECT_NEAR(got.equity, overall.equity(), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Boards, ClassBreakdownOnBoard, testing::Values(
    // The river: one comparison per combination.
    BreakdownCase{"AhKh", "22+, A2s+, KTs+, QTs+, JTs, ATo+, KJo+", "Qh 7s 2d 9c 3h", "", Weights::ByShape},
    BreakdownCase{"7c7d", "random", "Kd Qd 7s 2d 2c", "Ad", Weights::BySuit},
    BreakdownCase{"5h4h", "TT+, AK, 76s, 33", "6h 3h 2s Kd Qc", "", Weights::BySuit},
    // The turn: every river card.
    BreakdownCase{"AsQs", "QQ+, AK, KQs, JTs, 98s", "Qh Js 8s 2c", "", Weights::ByShape},
    BreakdownCase{"9d9c", "AA, KK, 88, AKs", "9h 8h 3c Kc", "Ah", Weights::BySuit},
    // The flop: every turn and river.
    BreakdownCase{"AhKh", "QQ, JJ, AQs", "Qh 7h 2d", "", Weights::BySuit}));

TEST(ClassBreakdown, PreflopClassesAreSampledNearTheExactCount)
{
    ClassBreakdownRequest request;
    request.hand = handOf("AhAs");
    request.range = rangeOf("KK, 76s");
    request.preflopTrials = 40000;
    request.threads = 2;
    const auto got = engine::board::breakdownByClass(request);
    ASSERT_EQ(got.status, EquityStatus::Done) << got.error;
    EXPECT_EQ(got.method, engine::odds::EquityMethod::MonteCarlo);
    ASSERT_EQ(got.classes.size(), 2u);
    for (const auto& e : got.classes) {
        SCOPED_TRACE(e.hand);
        engine::odds::EquityRequest exact;
        exact.hand = request.hand;
        exact.opponentRange = rangeOf(e.hand);
        exact.method = engine::odds::EquityMethod::Exact;
        const auto want = engine::odds::computeEquity(exact);
        ASSERT_EQ(want.status, EquityStatus::Done);
        EXPECT_GT(e.standardError, 0.0);
        EXPECT_NEAR(e.equity, want.equity, 4 * e.standardError);
    }
    EXPECT_EQ(got.classes[0].hand, "KK");
    EXPECT_EQ(got.classes[0].combos, 6);
    EXPECT_EQ(got.classes[1].hand, "76s");
    EXPECT_EQ(got.classes[1].combos, 4);
}

TEST(ClassBreakdown, SampledClassesDoNotDependOnTheThreadCount)
{
    ClassBreakdownRequest request;
    request.hand = handOf("JhTh");
    request.range = rangeOf("99+, AQs+", Weights::BySuit);
    request.preflopTrials = 20000;
    request.threads = 1;
    const auto one = engine::board::breakdownByClass(request);
    request.threads = 3;
    const auto three = engine::board::breakdownByClass(request);
    ASSERT_EQ(one.status, EquityStatus::Done);
    ASSERT_EQ(one.classes.size(), three.classes.size());
    for (std::size_t i = 0; i < one.classes.size(); ++i) {
        EXPECT_EQ(one.classes[i].equity, three.classes[i].equity) << one.classes[i].hand;
        EXPECT_EQ(one.classes[i].standardError, three.classes[i].standardError) << one.classes[i].hand;
    }
    EXPECT_EQ(one.equity, three.equity);
}

TEST(ClassBreakdown, AStopEndsTheCountWithTheClassesCounted)
{
    ClassBreakdownRequest request;
    request.hand = handOf("AhKh");
    request.board = cardsOf("Qh7h2d");
    request.range = rangeOf("QQ, JJ, TT, 99, 88");

    std::stop_source before;
    before.request_stop();
    auto got = engine::board::breakdownByClass(request, before.get_token());
    EXPECT_EQ(got.status, EquityStatus::Cancelled);
    EXPECT_TRUE(got.classes.empty());

    std::stop_source during;
    std::vector<double> fractions;
    got = engine::board::breakdownByClass(request, during.get_token(), [&](double f) {
        fractions.push_back(f);
        if (fractions.size() == 2)
            during.request_stop();
    });
    EXPECT_EQ(got.status, EquityStatus::Cancelled);
    EXPECT_EQ(got.classes.size(), 2u);
    EXPECT_EQ(fractions, (std::vector<double>{0.2, 0.4}));
}

TEST(ClassBreakdown, RefusesWhatItCannotCount)
{
    struct Refused {
        const char* hand;
        const char* range;
        const char* board;
        const char* dead;
        const char* error;
    };
    for (const Refused& r : {
             Refused{"AhKh", "QQ", "Ah7s2d", "", "\"Ah\" is in the hand and on the board"},
             Refused{"AhKh", "QQ", "Qs7s", "", "the board has 2 cards; it takes 0, 3, 4 or 5"},
             Refused{"AhKh", "QQ", "Qs7s2d", "Kh", "\"Kh\" is in the hand and among the dead cards"},
             Refused{"AhKh", "QsQd", "Qs7s2d", "", "no hand of the range is possible with these cards"},
         }) {
        ClassBreakdownRequest request;
        request.hand = handOf(r.hand);
        request.board = cardsOf(r.board);
        request.dead = setOf(r.dead);
        request.range = rangeOf(r.range);
        const auto got = engine::board::breakdownByClass(request);
        EXPECT_EQ(got.status, EquityStatus::Invalid);
        EXPECT_EQ(got.error, r.error);
    }
}

} // namespace
