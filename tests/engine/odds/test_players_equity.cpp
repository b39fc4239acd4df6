#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <stop_token>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "ReferencePlayersEquity.h"
#include "engine/cards/CardParser.h"
#include "engine/cards/Range.h"
#include "engine/odds/Equity.h"
#include "engine/odds/PlayersMonteCarlo.h"
#include "engine/odds/PlayersSetup.h"

using namespace engine::cards;
using namespace engine::odds;

namespace {

struct PlayersCase {
    const char* name;
    std::vector<const char*> players; // two cards, a range, or "random"
    const char* board;
    int deckLeft;   // the lowest free cards are dead until this many are left; 0: none
    bool weighted;  // the ranges' combinations take weights from 0.2 to 1
};

// Weights that differ from one combination to the next.
double weightOf(std::size_t index)
{
    constexpr double kWeights[] = {1.0, 0.5, 0.2, 0.75};
    return kWeights[index % 4];
}

EquityRequest requestFor(const PlayersCase& c)
{
    EquityRequest r;
    r.board = parseCards(c.board).value;
    CardSet used;
    for (Card b : r.board)
        used.insert(b);
    for (const char* text : c.players) {
        if (std::string(text) == "random") {
            r.players.push_back(PlayerHolding::random());
        } else if (const auto hand = parseHoleCards(text); hand.ok()) {
            r.players.push_back(PlayerHolding::ofHand(hand.value));
            used |= hand.value.set();
        } else {
            const auto parsed = parseRange(text);
            EXPECT_TRUE(parsed.ok()) << parsed.error;
            Range range;
            for (std::size_t i = 0; i < parsed.value.combos().size(); ++i) {
                range.add(parsed.value.combos()[i], c.weighted ? weightOf(i) : 1.0);
                used |= parsed.value.combos()[i].set();
            }
            r.players.push_back(PlayerHolding::ofRange(range));
        }
    }
    int left = kCardCount - used.size();
    for (int i = 0; c.deckLeft > 0 && left > c.deckLeft; ++i) {
        if (!used.contains(Card::fromIndex(i))) {
            r.dead.insert(Card::fromIndex(i));
            --left;
        }
    }
    return r;
}

reference::PlayersEquity referenceFor(const EquityRequest& r)
{
    std::vector<std::vector<reference::WeightedCombo>> players;
    for (const PlayerHolding& p : r.players) {
        std::vector<reference::WeightedCombo> combos;
        if (p.kind == PlayerHolding::Kind::Hand)
            combos.push_back({p.hand, 1.0});
        for (std::size_t i = 0; p.kind == PlayerHolding::Kind::Range && i < p.range.combos().size(); ++i)
            combos.push_back({p.range.combos()[i], p.range.weights()[i]});
        players.push_back(combos);
    }
    return reference::PlayersCount(players, r.board, r.dead).run();
}

} // namespace

class PlayersEquityCase : public testing::TestWithParam<PlayersCase> {};

TEST_P(PlayersEquityCase, ExactEqualsThePlainCount)
{
    EquityRequest request = requestFor(GetParam());
    request.method = EquityMethod::Exact;
    const EquityResult fast = computeEquity(request);
    ASSERT_EQ(fast.status, EquityStatus::Done) << fast.error;
    EXPECT_EQ(fast.method, EquityMethod::Exact);
    const reference::PlayersEquity slow = referenceFor(request);
    ASSERT_GT(slow.deals, 0u);
    EXPECT_EQ(fast.deals, slow.deals);
    ASSERT_EQ(fast.players.size(), request.players.size());
    double equities = 0.0;
    for (std::size_t p = 0; p < fast.players.size(); ++p) {
        SCOPED_TRACE("player " + std::to_string(p + 1));
        EXPECT_NEAR(fast.players[p].win, slow.players[p].win, 1e-9);
        EXPECT_NEAR(fast.players[p].tie, slow.players[p].tie, 1e-9);
        EXPECT_NEAR(fast.players[p].equity, slow.players[p].equity, 1e-9);
        EXPECT_EQ(fast.players[p].standardError, 0.0);
        equities += fast.players[p].equity;
    }
    EXPECT_NEAR(equities, 1.0, 1e-9);
    EXPECT_EQ(fast.equity, fast.players[0].equity);
}

TEST_P(PlayersEquityCase, MonteCarloFallsWithinFourStandardErrors)
{
    EquityRequest request = requestFor(GetParam());
    request.method = EquityMethod::Exact;
    const EquityResult exact = computeEquity(request);
    request.method = EquityMethod::MonteCarlo;
    request.trials = 60000;
    request.seed = 20261209;
    const EquityResult sampled = computeEquity(request);
    ASSERT_EQ(sampled.status, EquityStatus::Done) << sampled.error;
    EXPECT_EQ(sampled.method, EquityMethod::MonteCarlo);
    EXPECT_EQ(sampled.deals, request.trials);
    for (std::size_t p = 0; p < exact.players.size(); ++p) {
        const PlayerEquity& s = sampled.players[p];
        EXPECT_LE(std::abs(s.equity - exact.players[p].equity), 4 * s.standardError + 1e-12)
            << "player " << p + 1 << ": exact " << exact.players[p].equity << ", sampled " << s.equity << " +- "
            << s.standardError;
    }
}

INSTANTIATE_TEST_SUITE_P(Situations, PlayersEquityCase, testing::Values(
    PlayersCase{"RiverHandRangeRandom", {"AhQd", "QQ+, AKs, 77", "random"}, "Qs7h2d9c3s", 14, false},
    PlayersCase{"RiverWeightedRanges", {"JhTh", "QQ+, AK, 76s", "KQ, 98s, 55"}, "9h8h2c3d4s", 0, true},
    PlayersCase{"RiverBoardPlaysForFour", {"2c3d", "random", "random", "QQ+"}, "AsKsQsJsTs", 10, false},
    PlayersCase{"TurnRangeAgainstRange", {"AhKh", "QQ+, AK", "22+, A2s+"}, "Qh7h2d9c", 16, false},
    PlayersCase{"TurnWeightedCardRemoval", {"KK, AK", "AA, KQ", "AK, KJs"}, "Kh7h2d9c", 14, true},
    PlayersCase{"FlopThreeRanges", {"Td9d", "TT+, T9s", "99, 88, JTs"}, "8d7c2h", 16, true},
    PlayersCase{"FlopTwoRandom", {"AsKs", "random", "random"}, "Qs7h2d", 11, false},
    PlayersCase{"PreflopRangeAgainstRange", {"AA, KK", "KK, AK"}, "", 12, true},
    PlayersCase{"PreflopHandAgainstHand", {"AhAs", "KdKc"}, "", 11, false},
    PlayersCase{"PreflopRangesAndRandom", {"AA", "KK, AK", "random"}, "", 6, false},
    PlayersCase{"PreflopHandAndTwoRandom", {"AhAs", "random", "random"}, "", 9, false},
    // Five whole ranks left: every suit renaming keeps the question, and flushes can come.
    PlayersCase{"PreflopPairsWithFlushes", {"AA", "KK"}, "", 20, false},
    PlayersCase{"HandsOnlyRiver", {"AhAs", "KdKc", "QsJs", "7c2d"}, "Ts9s8d3h2c", 0, false}),
    [](const testing::TestParamInfo<PlayersCase>& param) { return std::string(param.param.name); });

// Small random questions, most of them the same under some renaming of the
// suits (only whole ranks are dead, ranges weigh every combination of a hand
// class alike), so that exact counts take one board per family of renamed
// boards: each still equals the plain count. Some have a dead card or uneven
// weights that leave fewer renamings.
TEST(PlayersEquity, CountingBoardsByFamilyEqualsThePlainCount)
{
    std::mt19937 random(20261209);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::vector<int> ranks(kRankCount);
        for (int r = 0; r < kRankCount; ++r)
            ranks[static_cast<std::size_t>(r)] = r;
        std::shuffle(ranks.begin(), ranks.end(), random);
        ranks.resize(3);
        std::vector<Card> live;
        EquityRequest r;
        for (int i = 0; i < kCardCount; ++i) {
            const Card c = Card::fromIndex(i);
            if (std::find(ranks.begin(), ranks.end(), c.rank()) != ranks.end())
                live.push_back(c);
            else
                r.dead.insert(c);
        }
        if (round % 4 == 3) {
            r.dead.insert(live.back());
            live.pop_back();
        }
        CardSet held;
        const int players = 2 + below(2);
        bool randomSeated = false;
        for (int p = 0; p < players; ++p) {
            const int kind = below(4);
            if (kind == 0 && !randomSeated && players == 2) {
                r.players.push_back(PlayerHolding::random());
                randomSeated = true;
            } else if (kind == 1) {
                Card a, b;
                do {
                    a = live[static_cast<std::size_t>(below(static_cast<int>(live.size())))];
                    b = live[static_cast<std::size_t>(below(static_cast<int>(live.size())))];
                } while (a == b || held.contains(a) || held.contains(b));
                held.insert(a);
                held.insert(b);
                r.players.push_back(PlayerHolding::ofHand(HoleCards(a, b)));
            } else {
                // A few hand classes of the live ranks; per class one weight,
                // or now and then a weight per combination.
                Range range;
                const bool perCombo = round % 5 == 4;
                for (std::size_t x = 0; x < ranks.size(); ++x) {
                    for (std::size_t y = x; y < ranks.size(); ++y) {
                        if (below(2) == 0)
                            continue;
                        const bool suited = below(2) == 0;
                        const double classWeight = below(2) == 0 ? 1.0 : 0.5;
                        int combo = 0;
                        for (Card a : live) {
                            for (Card b : live) {
                                const bool ofClass = std::minmax(a.rank(), b.rank()) == std::minmax(ranks[x], ranks[y]);
                                if (!(a < b) || !ofClass || (x != y && (a.suit() == b.suit()) != suited))
                                    continue;
                                range.add(HoleCards(a, b), perCombo ? weightOf(static_cast<std::size_t>(combo++)) : classWeight);
                            }
                        }
                    }
                }
                if (range.empty())
                    range.add(HoleCards(live[0], live[1]));
                r.players.push_back(PlayerHolding::ofRange(range));
            }
        }
        r.method = EquityMethod::Exact;
        const EquityResult fast = computeEquity(r);
        if (fast.status == EquityStatus::Invalid)
            continue;  // the hands drawn leave too few cards, or ranges that never fit
        ASSERT_EQ(fast.status, EquityStatus::Done) << fast.error;
        const reference::PlayersEquity slow = referenceFor(r);
        EXPECT_EQ(fast.deals, slow.deals);
        for (std::size_t p = 0; p < fast.players.size(); ++p) {
            SCOPED_TRACE("player " + std::to_string(p + 1));
            EXPECT_NEAR(fast.players[p].win, slow.players[p].win, 1e-9);
            EXPECT_NEAR(fast.players[p].tie, slow.players[p].tie, 1e-9);
            EXPECT_NEAR(fast.players[p].equity, slow.players[p].equity, 1e-9);
        }
    }
}

// The hand-against-range form and the players' form count the same deals.
TEST(PlayersEquity, AgreesWithTheOneHandFormAgainstARange)
{
    EquityRequest oneHand;
    oneHand.hand = parseHoleCards("AsKs").value;
    oneHand.board = parseCards("Qs7h2d").value;
    oneHand.opponentRange = parseRange("QQ+, AKs, AQo+, 22").value;
    oneHand.method = EquityMethod::Exact;
    const EquityResult heroFirst = computeEquity(oneHand);
    EquityRequest players = oneHand;
    players.players = {PlayerHolding::ofHand(oneHand.hand), PlayerHolding::ofRange(*oneHand.opponentRange)};
    const EquityResult both = computeEquity(players);
    ASSERT_EQ(both.status, EquityStatus::Done) << both.error;
    EXPECT_EQ(both.deals, heroFirst.deals);
    EXPECT_NEAR(both.players[0].win, heroFirst.win, 1e-12);
    EXPECT_NEAR(both.players[0].tie, heroFirst.tie, 1e-12);
    EXPECT_NEAR(both.players[0].equity, heroFirst.equity, 1e-12);
    EXPECT_TRUE(heroFirst.players.empty());
}

// A weighted range is weighed in the one-hand form too.
TEST(PlayersEquity, TheOneHandFormWeighsARange)
{
    EquityRequest request;
    request.hand = parseHoleCards("QhQd").value;
    request.board = parseCards("Kc9s8d3h").value;
    Range range;
    range.add(parseHoleCards("AhAd").value, 0.25);
    range.add(parseHoleCards("KhKd").value, 1.0);
    request.opponentRange = range;
    request.method = EquityMethod::Exact;
    const EquityResult weighted = computeEquity(request);
    ASSERT_EQ(weighted.status, EquityStatus::Done) << weighted.error;
    // The deals against the aces count a quarter as much as those against the kings.
    reference::PlayersCount count({{{request.hand, 1.0}}, {{parseHoleCards("AhAd").value, 0.25},
                                                            {parseHoleCards("KhKd").value, 1.0}}},
                                  request.board, request.dead);
    const reference::PlayersEquity slow = count.run();
    EXPECT_NEAR(weighted.equity, slow.players[0].equity, 1e-12);
    EXPECT_TRUE(weighted.players.empty());
    // Equal weights change nothing: the count is that of the plain range.
    Range half;
    half.add(parseHoleCards("AhAd").value, 0.5);
    half.add(parseHoleCards("KhKd").value, 0.5);
    request.opponentRange = half;
    const EquityResult halved = computeEquity(request);
    request.opponentRange = parseRange("AhAd, KhKd").value;
    EXPECT_EQ(halved.equity, computeEquity(request).equity);
    EXPECT_NE(halved.equity, weighted.equity);
}

// Against a range of several weights, the one-hand form's exact count is the
// groups of equal weight added by weight and combinations; sampled, it lies
// within four standard errors of that count.
TEST(PlayersEquity, TheOneHandFormSampledLiesNearItsExactCount)
{
    EquityRequest request;
    request.hand = parseHoleCards("AhAs").value;
    request.opponentRange = parseRange("KK, AKs:0.5, 76s:0.5").value;
    request.method = EquityMethod::Exact;
    const EquityResult exact = computeEquity(request);
    ASSERT_EQ(exact.status, EquityStatus::Done) << exact.error;
    EXPECT_EQ(exact.method, EquityMethod::Exact);

    EquityRequest kings = request;
    kings.opponentRange = parseRange("KK").value;
    EquityRequest suited = request;
    suited.opponentRange = parseRange("AKs, 76s").value;
    const double kingsEquity = computeEquity(kings).equity;
    const double suitedEquity = computeEquity(suited).equity;
    EXPECT_NEAR(exact.equity, (6 * 1.0 * kingsEquity + 6 * 0.5 * suitedEquity) / (6 + 6 * 0.5), 1e-12);

    request.method = EquityMethod::MonteCarlo;
    request.trials = 200000;
    request.threads = 2;
    const EquityResult sampled = computeEquity(request);
    ASSERT_EQ(sampled.status, EquityStatus::Done);
    EXPECT_EQ(sampled.method, EquityMethod::MonteCarlo);
    EXPECT_EQ(sampled.deals, request.trials);
    EXPECT_GT(sampled.standardError, 0.0);
    EXPECT_NEAR(sampled.equity, exact.equity, 4 * sampled.standardError);
}

// The assignments drawn are spread over the valid ones in proportion to the
// product of their weights: all ranges drawn from one joint list, each drawn
// alone and the whole draw started again on a conflict, or some joined and
// the rest drawn alone.
class AssignmentsByWeight : public testing::TestWithParam<std::size_t> {};

TEST_P(AssignmentsByWeight, FollowTheProductOfTheWeights)
{
    EquityRequest request;
    request.board = parseCards("2c3c4c").value;
    Range a, b, c;
    a.add(parseHoleCards("AsAh").value, 1.0);
    a.add(parseHoleCards("AsKs").value, 0.5);
    a.add(parseHoleCards("KhKd").value, 0.25);
    b.add(parseHoleCards("AhKh").value, 1.0);
    b.add(parseHoleCards("AsQs").value, 0.8);
    b.add(parseHoleCards("KdQd").value, 0.3);
    c.add(parseHoleCards("QsQh").value, 0.6);
    c.add(parseHoleCards("KsQd").value, 1.0);
    c.add(parseHoleCards("AdAc").value, 0.9);
    request.players = {PlayerHolding::ofRange(a), PlayerHolding::ofRange(b), PlayerHolding::ofRange(c),
                       PlayerHolding::random()};
    const auto setup = makePlayersSetup(request);
    ASSERT_TRUE(setup.ok()) << setup.error;

    // The expected share of each valid assignment.
    std::map<std::vector<std::uint32_t>, double> expected;
    double total = 0.0;
    const auto& p = setup.value.players;
    for (std::uint32_t i = 0; i < 3; ++i) {
        for (std::uint32_t j = 0; j < 3; ++j) {
            for (std::uint32_t k = 0; k < 3; ++k) {
                const std::uint64_t x = p[0].keys[i].cards, y = p[1].keys[j].cards, z = p[2].keys[k].cards;
                if ((x & y) != 0 || (x & z) != 0 || (y & z) != 0)
                    continue;
                const double w = p[0].weights[i] * p[1].weights[j] * p[2].weights[k];
                expected[{i, j, k}] = w;
                total += w;
            }
        }
    }
    ASSERT_EQ(expected.size(), 8u);

    const AssignmentSampler sampler(setup.value, GetParam());
    SplitMix random(77);
    std::atomic<bool> never{false};
    StopPoll poll(never);
    std::map<std::vector<std::uint32_t>, int> seen;
    constexpr int kDraws = 200000;
    for (int d = 0; d < kDraws; ++d) {
        std::array<std::uint32_t, kMaxPlayers> picks{};
        std::uint64_t used = 0;
        ASSERT_TRUE(sampler.draw(random, picks, used, poll));
        ++seen[{picks[0], picks[1], picks[2]}];
    }
    double chiSquare = 0.0;
    for (const auto& [assignment, count] : seen)
        ASSERT_TRUE(expected.contains(assignment)) << "an assignment holding a card twice was drawn";
    for (const auto& [assignment, w] : expected) {
        const double e = kDraws * w / total;
        const double o = seen.contains(assignment) ? seen.at(assignment) : 0;
        chiSquare += (o - e) * (o - e) / e;
    }
    // Seven degrees of freedom: the 0.9999 quantile of chi-square(7) is about 29.9.
    EXPECT_LT(chiSquare, 29.9) << "over " << expected.size() << " assignments";
}

INSTANTIATE_TEST_SUITE_P(JointLimits, AssignmentsByWeight,
                         testing::Values(std::size_t{1}, std::size_t{9}, AssignmentSampler::kJointLimit));

// Ranges that share every card are refused, not sampled without end: their
// joint list shows it even where the setup's search for a fit gives up first
// (here the setup is written by hand, without that search).
TEST(PlayersEquity, MonteCarloRefusesRangesThatNeverFit)
{
    EquityRequest request;
    Range aces, alsoAces;
    aces.add(parseHoleCards("AsAh").value, 1.0);
    aces.add(parseHoleCards("AsAd").value, 1.0);
    alsoAces.add(parseHoleCards("AhAs").value, 1.0);
    alsoAces.add(parseHoleCards("AdAs").value, 1.0);
    request.players = {PlayerHolding::ofRange(aces), PlayerHolding::ofRange(alsoAces), PlayerHolding::random()};
    PlayersSetup setup;
    for (const Range* range : {&aces, &alsoAces}) {
        PlayerCombos combos;
        for (const HoleCards& hand : range->combos()) {
            combos.keys.push_back(cardsKey(hand.set()));
            combos.weights.push_back(1.0);
            combos.cumulative.push_back(static_cast<double>(combos.keys.size()));
        }
        setup.players.push_back(combos);
    }
    setup.players.emplace_back().random = true;
    for (Card c : CardSet::fullDeck())
        setup.deck.push_back(c);
    setup.missingBoardCards = 5;
    const AssignmentSampler sampler(setup);
    std::atomic<bool> never{false};
    StopPoll poll(never);
    std::array<std::uint32_t, kMaxPlayers> picks{};
    std::uint64_t used = 0;
    SplitMix random(5);
    EXPECT_FALSE(sampler.drawable());
    EXPECT_FALSE(sampler.draw(random, picks, used, poll));
    const PlayersMonteCarlo monteCarlo(setup, 1);
    EXPECT_FALSE(monteCarlo.drawable());
    const EquityResult refused = computeEquity(request);
    EXPECT_EQ(refused.status, EquityStatus::Invalid);
}

// Ten players whose ranges share twenty cards fit together only when they
// split those cards exactly: about one draw in twenty million. Sampling them
// would take hours; the request is refused within a second or so, on one
// thread with a trial count and on several to a standard error.
TEST(PlayersEquity, MonteCarloRefusesRangesThatFitTooRarely)
{
    const Range shared = parseRange("TT+, AK, AQ, AJ, AT, KQ, KJ, KT, QJ, QT, JT").value;
    for (const auto& [threads, trials] : {std::pair{1u, std::uint64_t{100}}, std::pair{3u, std::uint64_t{0}}}) {
        EquityRequest request;
        request.players.assign(10, PlayerHolding::ofRange(shared));
        request.method = EquityMethod::MonteCarlo;
        request.trials = trials;
        request.threads = threads;
        request.seed = 3;
        const EquityResult refused = computeEquity(request);
        EXPECT_EQ(refused.status, EquityStatus::Invalid) << threads << " " << trials;
        EXPECT_NE(refused.error.find("almost never fit together"), std::string::npos) << refused.error;
    }
}

// Ranges that need every card of some ranks still fit: the rank counts
// refuse only what cannot be dealt.
TEST(PlayersEquity, RangesThatTakeEveryCardOfSomeRanksAreDealt)
{
    const std::vector<std::pair<std::vector<const char*>, const char*>> fitting = {
        {{"AK", "AK", "AK", "AK"}, ""},
        {{"AA", "AA", "random"}, ""},
        {{"A6", "A4, A6", "QQ+, A4, A5", "A9", "46", "43", "A9", "46"}, ""},
        {{"KK", "QQ", "KQ", "random"}, "KcQc"},
    };
    for (const auto& [players, dead] : fitting) {
        EquityRequest request = requestFor({"", players, "", 0, false});
        for (Card d : parseCards(dead).value)
            request.dead.insert(d);
        request.method = EquityMethod::MonteCarlo;
        request.trials = 2000;
        const EquityResult result = computeEquity(request);
        EXPECT_EQ(result.status, EquityStatus::Done) << players.front() << " ... " << result.error;
        EXPECT_EQ(result.deals, 2000u);
    }
}

TEST(PlayersEquity, IsTheSameWhateverTheThreadCount)
{
    EquityRequest request = requestFor({"", {"AsKs", "QQ+, AK", "random"}, "Qs7h", 0, true});
    request.method = EquityMethod::MonteCarlo;
    request.trials = 30000;
    request.threads = 1;
    const EquityResult one = computeEquity(request);
    request.threads = 3;
    const EquityResult three = computeEquity(request);
    EXPECT_EQ(one.deals, three.deals);
    for (std::size_t p = 0; p < 3; ++p) {
        EXPECT_EQ(one.players[p].win, three.players[p].win);
        EXPECT_EQ(one.players[p].equity, three.players[p].equity);
        EXPECT_EQ(one.players[p].standardError, three.players[p].standardError);
    }
    request.seed += 1;
    EXPECT_NE(computeEquity(request).players[1].equity, one.players[1].equity);

    EquityRequest exact = requestFor({"", {"AsKs", "QQ+, AK", "22+, A2s+"}, "Qs7h2d", 0, true});
    exact.method = EquityMethod::Exact;
    exact.threads = 1;
    const EquityResult exactOne = computeEquity(exact);
    exact.threads = 3;
    const EquityResult exactThree = computeEquity(exact);
    for (std::size_t p = 0; p < 3; ++p)
        EXPECT_EQ(exactOne.players[p].equity, exactThree.players[p].equity); // to the last bit
}

TEST(PlayersEquity, ChoosesExactWhenCheapAndMonteCarloOtherwise)
{
    const EquityRequest flop = requestFor({"", {"AhKh", "QQ+, AK", "22+, A2s+, KTs+"}, "Qh7s2d", 0, false});
    EXPECT_EQ(computeEquity(flop).method, EquityMethod::Exact);
    const EquityRequest preflop = requestFor({"", {"QQ+, AKs", "TT-77, AQs-ATs", "random"}, "", 0, false});
    const EquityResult sampled = computeEquity(preflop);
    EXPECT_EQ(sampled.method, EquityMethod::MonteCarlo);
    EXPECT_GE(sampled.deals, kMinimumTrials);
    for (const PlayerEquity& p : sampled.players)
        EXPECT_LE(p.standardError, 0.001);
}

// A stop ends a run with several ranges soon, exact or sampled, and no
// progress is reported after it.
TEST(PlayersEquity, StopsSoonWhenCancelled)
{
    for (const EquityMethod method : {EquityMethod::Exact, EquityMethod::MonteCarlo}) {
        EquityRequest request = requestFor({"", {"QQ+, AK", "22+, A2s+", "random", "random", "KQ, KJ"}, "", 0, false});
        request.method = method;
        request.seconds = method == EquityMethod::MonteCarlo ? 60 : 0;
        request.threads = 2;
        std::stop_source source;
        int reportsAfterStop = 0;
        std::chrono::steady_clock::time_point stopped;
        const EquityResult result = computeEquity(request, source.get_token(), [&](const EquityProgress& p) {
            reportsAfterStop += source.stop_requested() ? 1 : 0;
            EXPECT_LT(p.fraction, 1.0);
            stopped = std::chrono::steady_clock::now();
            source.request_stop();
        });
        const auto latency = std::chrono::steady_clock::now() - stopped;
        EXPECT_EQ(result.status, EquityStatus::Cancelled);
        EXPECT_EQ(result.method, method);
        EXPECT_EQ(reportsAfterStop, 0);
        // A guard against a count that runs on, not a measure of speed.
        EXPECT_LT(latency, std::chrono::milliseconds(500));
    }
}

struct RefusedPlayersCase {
    std::vector<const char*> players;
    const char* board;
    const char* dead;
    const char* message;
};

class RefusedPlayers : public testing::TestWithParam<RefusedPlayersCase> {};

TEST_P(RefusedPlayers, NamesTheProblem)
{
    const RefusedPlayersCase& c = GetParam();
    EquityRequest request = requestFor({"", c.players, c.board, 0, false});
    for (Card d : parseCards(c.dead).value)
        request.dead.insert(d);
    const EquityResult result = computeEquity(request);
    EXPECT_EQ(result.status, EquityStatus::Invalid);
    EXPECT_EQ(result.error, c.message);
    EXPECT_EQ(result.deals, 0u);
}

INSTANTIATE_TEST_SUITE_P(Requests, RefusedPlayers, testing::Values(
    RefusedPlayersCase{{"AsKs"}, "", "", "an equity of several players takes 2 to 10 players, not 1"},
    RefusedPlayersCase{{"random", "random", "random", "random", "random", "random", "random", "random", "random",
                        "random", "random"}, "", "", "an equity of several players takes 2 to 10 players, not 11"},
    RefusedPlayersCase{{"AsKs", "KsQs"}, "", "", "\"Ks\" is in player 2's hand and in another's"},
    RefusedPlayersCase{{"AsKs", "QQ"}, "Ks7h2d", "", "\"Ks\" is in player 1's hand and on the board"},
    RefusedPlayersCase{{"AsKs", "QQ"}, "", "As", "\"As\" is in player 1's hand and among the dead cards"},
    RefusedPlayersCase{{"AsKs", "QQ"}, "Qs7h2d", "7h", "\"7h\" is on the board and among the dead cards"},
    RefusedPlayersCase{{"AsKs", "QQ"}, "Qs7h2d9c3c4c", "", "the board has 6 cards; it takes at most 5"},
    RefusedPlayersCase{{"AsKs", "AA"}, "AhAd", "Ac", "no hand of player 2's range is possible with these cards"},
    RefusedPlayersCase{{"AsAh, AsAd", "AsKs, AsQs", "random"}, "", "",
                       "the players' ranges never fit together: every choice of hands holds a card twice"},
    // Together the players need nine fours and sixes, and there are
    // eight: found by rank counts at once (a search of the choices took
    // minutes to end).
    RefusedPlayersCase{{"A6", "A4, A6", "QQ+, A4, A5", "A9", "46", "43", "A9", "46", "46"}, "", "",
                       "the players' ranges never fit together: every choice of hands holds a card twice"},
    RefusedPlayersCase{{"AA", "AK", "AQ"}, "Ah7c2d", "",
                       "the players' ranges never fit together: every choice of hands holds a card twice"},
    RefusedPlayersCase{{"KK", "QQ", "KQ", "random"}, "", "KcQcQd",
                       "the players' ranges never fit together: every choice of hands holds a card twice"},
    RefusedPlayersCase{{"random", "random", "random", "random"}, "",
                       "2s2h2d2c3s3h3d3c4s4h4d4c5s5h5d5c6s6h6d6c7s7h7d7c8s8h8d8c9s9h9d9cTsThTdTcJsJhJdJc",
                       "not enough cards are left to deal"}));
