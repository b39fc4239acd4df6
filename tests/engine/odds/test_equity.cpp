#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <stop_token>
#include <string>

#include "ReferenceEquity.h"
#include "engine/cards/CardParser.h"
#include "engine/cards/Range.h"
#include "engine/odds/Equity.h"

using namespace engine::cards;
using namespace engine::odds;

namespace {

struct EquityCase {
    const char* name;
    const char* hand;
    const char* board;
    int deckLeft; // the lowest other cards are dead until this many are left; 0: none
    int opponents;
    const char* range; // nullptr: random hands
};

EquityRequest requestFor(const EquityCase& c)
{
    EquityRequest r;
    r.hand = parseHoleCards(c.hand).value;
    r.board = parseCards(c.board).value;
    CardSet used = r.hand.set();
    for (Card b : r.board)
        used.insert(b);
    int left = kCardCount - used.size();
    for (int i = 0; c.deckLeft > 0 && left > c.deckLeft; ++i) {
        if (!used.contains(Card::fromIndex(i))) {
            r.dead.insert(Card::fromIndex(i));
            --left;
        }
    }
    r.opponents = c.opponents;
    if (c.range != nullptr) {
        const auto range = parseRange(c.range);
        EXPECT_TRUE(range.ok()) << range.error;
        r.opponentRange = range.value;
    }
    return r;
}

reference::Equity referenceFor(const EquityRequest& r)
{
    std::optional<std::vector<HoleCards>> range;
    if (r.opponentRange)
        range = r.opponentRange->combos();
    return reference::EquityCount(r.hand, r.board, r.dead, r.opponents, range).run();
}

} // namespace

class ExactEquityCase : public testing::TestWithParam<EquityCase> {};

TEST_P(ExactEquityCase, EqualsThePlainCount)
{
    EquityRequest request = requestFor(GetParam());
    request.method = EquityMethod::Exact;
    const EquityResult fast = computeEquity(request);
    ASSERT_EQ(fast.status, EquityStatus::Done) << fast.error;
    EXPECT_EQ(fast.method, EquityMethod::Exact);
    const reference::Equity slow = referenceFor(request);
    ASSERT_GT(slow.deals, 0u);
    const auto deals = static_cast<double>(slow.deals);
    EXPECT_EQ(fast.deals, slow.deals);
    EXPECT_NEAR(fast.win, static_cast<double>(slow.wins) / deals, 1e-12);
    EXPECT_NEAR(fast.tie, static_cast<double>(slow.ties) / deals, 1e-12);
    EXPECT_NEAR(fast.equity, slow.pot() / deals, 1e-12);
    EXPECT_EQ(fast.standardError, 0.0);
}

TEST_P(ExactEquityCase, MonteCarloFallsWithinFourStandardErrors)
{
    EquityRequest request = requestFor(GetParam());
    request.method = EquityMethod::Exact;
    const EquityResult exact = computeEquity(request);
    request.method = EquityMethod::MonteCarlo;
    request.trials = 60000;
    request.seed = 20261208;
    const EquityResult sampled = computeEquity(request);
    ASSERT_EQ(sampled.status, EquityStatus::Done) << sampled.error;
    EXPECT_EQ(sampled.method, EquityMethod::MonteCarlo);
    EXPECT_EQ(sampled.deals, request.trials);
    EXPECT_LE(std::abs(sampled.equity - exact.equity), 4 * sampled.standardError + 1e-12)
        << "exact " << exact.equity << ", sampled " << sampled.equity << " +- " << sampled.standardError;
}

INSTANTIATE_TEST_SUITE_P(Situations, ExactEquityCase, testing::Values(
    EquityCase{"RiverHeadsUp", "AsKs", "Qs7h2d9c3s", 0, 1, nullptr},
    EquityCase{"RiverBoardPlaysRoyalFlush", "2c3d", "AsKsQsJsTs", 0, 1, nullptr},
    EquityCase{"RiverTwoOpponents", "AhQd", "Qs7h2d9c3s", 14, 2, nullptr},
    EquityCase{"RiverThreeOpponents", "AhQd", "Qs7h2d9cKs", 10, 3, nullptr},
    EquityCase{"RiverAgainstRange", "JhTh", "9h8h2c3d4s", 0, 1, "QQ+, AKs, AQo+, 76s"},
    EquityCase{"TurnHeadsUp", "AsKs", "Qs7h2d9c", 30, 1, nullptr},
    EquityCase{"TurnFlushDrawAgainstSet", "AhKh", "Qh7h2d9c", 0, 1, "QsQd, 77"},
    EquityCase{"TurnTwoOpponents", "8s8d", "8c7h2dTc", 11, 2, nullptr},
    EquityCase{"TurnDeadCards", "9s9d", "AhKcQd2s", 25, 1, nullptr},
    EquityCase{"FlopHeadsUp", "AsKs", "Qs7h2d", 20, 1, nullptr},
    EquityCase{"FlopAgainstRange", "AsKs", "Qs7h2d", 35, 1, "QQ+, AKs, AQo+, 22"},
    EquityCase{"FlopRangeWithDash", "Td9d", "8d7c2h", 35, 1, "A5s-A2s, T9s+"},
    EquityCase{"FlopTwoOpponents", "AsKs", "Qs7h2d", 10, 2, nullptr},
    EquityCase{"FlopSplitStraights", "Th9c", "JsQdKh", 0, 1, "Tc9h, AcTs, 9s8s"},
    EquityCase{"PreflopPairs", "AhAs", "", 15, 1, "KdKc"},
    // Whole ranks dead: suit renamings keep these, so boards are counted by family.
    EquityCase{"PreflopPairsWholeRanksDead", "AhAs", "", 22, 1, "KdKc"},
    EquityCase{"PreflopRandomWholeRanksDead", "AhAs", "", 18, 1, nullptr},
    EquityCase{"PreflopRangeWholeRanksDead", "AhKh", "", 22, 1, "QQ+, AKs, JTs"},
    EquityCase{"PreflopDomination", "AhKd", "", 16, 1, "AcQc"},
    EquityCase{"PreflopRandom", "QsJs", "", 12, 1, nullptr},
    EquityCase{"PreflopRange", "7h7d", "", 14, 1, "TT+, AK"},
    EquityCase{"PreflopTwoOpponents", "AsAh", "", 10, 2, nullptr},
    EquityCase{"PreflopSuitedAgainstPair", "9h8h", "", 17, 1, "JsJd"},
    EquityCase{"RandomRangeIsRandomHands", "KsQh", "Jd7s2h3c", 30, 1, "random"},
    EquityCase{"HeroDominatedOnTheRiver", "Kh2c", "KsKd7h7c2s", 0, 1, "AA, 77, K3o"}),
    [](const testing::TestParamInfo<EquityCase>& param) { return std::string(param.param.name); });

TEST(Equity, IsTheSameWhateverTheThreadCount)
{
    EquityRequest request = requestFor({"", "AsKs", "Qs7h", 0, 2, nullptr});
    request.method = EquityMethod::MonteCarlo;
    request.trials = 50000;
    request.threads = 1;
    const EquityResult one = computeEquity(request);
    request.threads = 3;
    const EquityResult three = computeEquity(request);
    request.threads = 100000; // more than are ever started
    EXPECT_EQ(computeEquity(request).equity, one.equity);
    EXPECT_EQ(one.deals, three.deals);
    EXPECT_EQ(one.win, three.win);
    EXPECT_EQ(one.equity, three.equity);
    EXPECT_EQ(one.standardError, three.standardError);
    request.seed += 1;
    EXPECT_NE(computeEquity(request).equity, one.equity);
}

TEST(Equity, ChoosesExactWhenCheapAndMonteCarloOtherwise)
{
    EquityRequest flop = requestFor({"", "AsKs", "Qs7h2d", 0, 2, nullptr});
    EXPECT_EQ(computeEquity(flop).method, EquityMethod::Exact);
    EquityRequest preflop = requestFor({"", "AsKs", "", 0, 1, nullptr});
    const EquityResult sampled = computeEquity(preflop);
    EXPECT_EQ(sampled.method, EquityMethod::MonteCarlo);
    EXPECT_LE(sampled.standardError, 0.001);
    EXPECT_GE(sampled.deals, kMinimumTrials);
    EXPECT_NEAR(sampled.equity, 0.6704, 0.004); // suited big slick against any hand
    flop.trials = 10000;
    EXPECT_EQ(computeEquity(flop).method, EquityMethod::MonteCarlo);
}

TEST(Equity, StopsWhenCancelledAndSaysSo)
{
    EquityRequest request = requestFor({"", "AsKs", "", 0, 3, nullptr});
    request.method = EquityMethod::MonteCarlo;
    request.seconds = 30;
    std::stop_source source;
    int reportsAfterStop = 0;
    std::uint64_t dealsSeen = 0;
    const EquityResult result = computeEquity(request, source.get_token(), [&](const EquityProgress& p) {
        if (source.stop_requested())
            ++reportsAfterStop;
        EXPECT_GE(p.fraction, 0.0);
        EXPECT_LE(p.fraction, 1.0);
        EXPECT_GE(p.sofar.deals, dealsSeen); // an early report may count none yet
        dealsSeen = p.sofar.deals;
        if (dealsSeen > 0)
            source.request_stop();
    });
    EXPECT_EQ(result.status, EquityStatus::Cancelled);
    EXPECT_EQ(reportsAfterStop, 0);
    EXPECT_LT(result.seconds, 10.0);
    EXPECT_GE(result.deals, dealsSeen);
    EXPECT_GT(result.deals, 0u);
}

TEST(Equity, StopsALongExactCountPartWay)
{
    EquityRequest request = requestFor({"", "AsKs", "Qs7h2d", 0, 3, nullptr});
    request.method = EquityMethod::Exact;
    std::stop_source source;
    const EquityResult result = computeEquity(request, source.get_token(), [&](const EquityProgress& p) {
        EXPECT_LT(p.fraction, 1.0);
        source.request_stop();
    });
    EXPECT_EQ(result.status, EquityStatus::Cancelled);
    EXPECT_EQ(result.method, EquityMethod::Exact);
    EXPECT_LT(result.seconds, 10.0);
    request.method = EquityMethod::Automatic;
    EXPECT_EQ(computeEquity(request).method, EquityMethod::MonteCarlo); // far too long to count
}

TEST(Equity, AProgressCallbackThatThrowsEndsTheRun)
{
    EquityRequest request = requestFor({"", "AsKs", "", 0, 1, nullptr});
    request.seconds = 60;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_THROW(computeEquity(request, {}, [](const EquityProgress&) { throw std::runtime_error("stale"); }),
                 std::runtime_error);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
}

TEST(Equity, StopsAtItsTimeLimit)
{
    EquityRequest request = requestFor({"", "AsKs", "", 0, 1, nullptr});
    request.seconds = 0.2;
    const EquityResult result = computeEquity(request);
    EXPECT_EQ(result.status, EquityStatus::Done);
    EXPECT_EQ(result.method, EquityMethod::MonteCarlo);
    EXPECT_GE(result.seconds, 0.2);
    EXPECT_LT(result.seconds, 5.0);
}

// Trial counts up to the largest are split into batches without overflow:
// the run plays trials until it is stopped.
class HugeTrialCount : public testing::TestWithParam<std::uint64_t> {};

TEST_P(HugeTrialCount, PlaysTrialsUntilStopped)
{
    EquityRequest request = requestFor({"", "AsKs", "", 0, 1, nullptr});
    request.trials = GetParam();
    std::stop_source source;
    const EquityResult result = computeEquity(request, source.get_token(), [&](const EquityProgress& p) {
        EXPECT_GE(p.fraction, 0.0);
        EXPECT_LE(p.fraction, 1.0);
        if (p.sofar.deals > 0)
            source.request_stop();
    });
    EXPECT_EQ(result.status, EquityStatus::Cancelled);
    EXPECT_EQ(result.method, EquityMethod::MonteCarlo);
    EXPECT_GT(result.deals, 0u);
    EXPECT_LT(result.deals, request.trials);
    EXPECT_GT(result.equity, 0.5);
}

constexpr std::uint64_t kLargestCount = std::numeric_limits<std::uint64_t>::max();

INSTANTIATE_TEST_SUITE_P(NearTheLargestCount, HugeTrialCount, testing::Values(
    kLargestCount, kLargestCount - 1, kLargestCount - 4094, kLargestCount - 4095, kLargestCount - 4096,
    kLargestCount - 4097, kLargestCount / 2 + 1));

// An exact count against many random hands stops when asked, however long
// the whole count would take (years, with five or more opponents).
class LongExactCount : public testing::TestWithParam<int> {};

TEST_P(LongExactCount, EndsWhenStopped)
{
    EquityRequest request = requestFor({"", "AsKs", "Qs7h2d", 0, GetParam(), nullptr});
    request.method = EquityMethod::Exact;
    request.threads = 2;
    std::stop_source source;
    int reportsAfterStop = 0;
    const EquityResult result = computeEquity(request, source.get_token(), [&](const EquityProgress& p) {
        reportsAfterStop += source.stop_requested() ? 1 : 0;
        EXPECT_LT(p.fraction, 1.0);
        source.request_stop();
    });
    EXPECT_EQ(result.status, EquityStatus::Cancelled);
    EXPECT_EQ(result.method, EquityMethod::Exact);
    EXPECT_EQ(reportsAfterStop, 0);
    // A guard against a count that runs on, not a measure of speed.
    EXPECT_LT(result.seconds, 5.0);
}

INSTANTIATE_TEST_SUITE_P(Opponents, LongExactCount, testing::Values(4, 5, 9));

struct RefusedCase {
    const char* hand;
    const char* board;
    const char* dead;
    int opponents;
    const char* range;
    const char* message;
};

class RefusedEquity : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedEquity, NamesTheProblem)
{
    const RefusedCase& c = GetParam();
    EquityRequest request = requestFor({"", c.hand, c.board, 0, c.opponents, c.range});
    for (Card d : parseCards(c.dead).value)
        request.dead.insert(d);
    const EquityResult result = computeEquity(request);
    EXPECT_EQ(result.status, EquityStatus::Invalid);
    EXPECT_EQ(result.error, c.message);
    EXPECT_EQ(result.deals, 0u);
}

INSTANTIATE_TEST_SUITE_P(Requests, RefusedEquity, testing::Values(
    RefusedCase{"AsKs", "Ks7h2d", "", 1, nullptr, "\"Ks\" is in the hand and on the board"},
    RefusedCase{"AsKs", "Qs7h2d", "As", 1, nullptr, "\"As\" is in the hand and among the dead cards"},
    RefusedCase{"AsKs", "Qs7h2d", "7h", 1, nullptr, "\"7h\" is on the board and among the dead cards"},
    RefusedCase{"AsKs", "Qs7h2d3c4c5c", "", 1, nullptr, "the board has 6 cards; it takes at most 5"},
    RefusedCase{"AsKs", "", "", 10, nullptr, "the number of opponents is 1 to 9, not 10"},
    RefusedCase{"AsKs", "", "", 0, nullptr, "the number of opponents is 1 to 9, not 0"},
    RefusedCase{"AsKs", "", "", 2, "QQ+", "a range is played against one opponent"},
    RefusedCase{"AsKs", "AhAd", "AcKhKd", 1, "AA, KK", "no hand of the opponent's range is possible with these cards"},
    RefusedCase{"AsKs", "", "2s2h2d2c3s3h3d3c4s4h4d4c5s5h5d5c6s6h6d6c7s7h7d7c8s8h8d8c9s9h9d9cTsThTdTcJsJhJdJcQsQhQdQc", 1, nullptr,
                "not enough cards are left to deal"}));
