#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "ReferenceEvaluator.h"
#include "engine/cards/CardParser.h"
#include "engine/odds/EvaluatorTableBuilder.h"
#include "engine/odds/EvaluatorTables.h"
#include "engine/odds/HandEvaluator.h"

using namespace engine::cards;
using namespace engine::odds;

namespace {

const HandEvaluator& evaluator()
{
    static const HandEvaluator e;
    return e;
}

HandRank rankOf(const std::string& text)
{
    const auto cards = parseCards(text);
    EXPECT_TRUE(cards.ok()) << cards.error;
    return evaluator().rank(std::span<const Card>(cards.value));
}

using Counts = std::array<std::uint64_t, kCategoryCount>;

// Every hand of `size` cards, built card by card.
Counts countCategories(int size)
{
    Counts counts{};
    const HandEvaluator& e = evaluator();
    auto extend = [&](auto& self, const HandKey& key, int from, int left) -> void {
        if (left == 0) {
            ++counts[static_cast<std::size_t>(categoryOf(e.rank(key)))];
            return;
        }
        for (int c = from; c <= kCardCount - left; ++c)
            self(self, key.plus(Card::fromIndex(c)), c + 1, left - 1);
    };
    extend(extend, HandKey{}, 0, size);
    return counts;
}

} // namespace

TEST(HandEvaluator, CategoryCountsOfAllFiveCardHands)
{
    const Counts expected = {1302540, 1098240, 123552, 54912, 10200, 5108, 3744, 624, 40};
    EXPECT_EQ(countCategories(5), expected);
}

#ifndef TABLEWISE_SANITIZED_BUILD
TEST(HandEvaluator, CategoryCountsOfAllSevenCardHands)
{
    const Counts expected = {23294460, 58627800, 31433400, 6461620, 6180020, 4047644, 3473184, 224848, 41584};
    EXPECT_EQ(countCategories(7), expected);
}
#endif

struct OrderCase {
    const char* better;
    const char* worse; // equal to `better` when the hands tie
    const char* what;
};

class HandOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(HandOrder, ComparesAsKnown)
{
    const OrderCase& c = GetParam();
    const HandRank better = rankOf(c.better);
    const HandRank worse = rankOf(c.worse);
    if (std::string(c.better) == c.worse)
        GTEST_FAIL() << "a case compares a hand with itself";
    if (std::string(c.what).starts_with("tie"))
        EXPECT_EQ(better, worse) << c.what;
    else
        EXPECT_GT(better, worse) << c.what;
}

INSTANTIATE_TEST_SUITE_P(KnownPairs, HandOrder, testing::Values(
    OrderCase{"AsKd9h7c2s", "AsQd9h7c2s", "high card, second card decides"},
    OrderCase{"AsKd9h7c3s", "AdKc9s7h2d", "high card, fifth card decides"},
    OrderCase{"QsQd9h7c3s", "QhQc9s7h2d", "pair, last kicker decides"},
    OrderCase{"2s2d3h4c6s", "AsKdQhJc9s", "the lowest pair beats the best high card"},
    OrderCase{"KsKd7h7c2s", "KhKcQs6h6d", "two pair, the second pair decides"},
    OrderCase{"KsKd7h7c3s", "KhKc7s7d2d", "two pair, the kicker decides"},
    OrderCase{"6s5d4h3c2s", "As2d3h4c5s", "six-high straight beats the wheel"},
    OrderCase{"As2d3h4c5s", "AsAd3h3c5s", "the wheel beats two pair"},
    OrderCase{"As2d3h4c5s", "AhAdAs4c5s", "the wheel beats three of a kind"},
    OrderCase{"AsKdQhJcTs", "KsQdJhTc9s", "ace-high straight beats king-high"},
    OrderCase{"2s4s6s8sTs", "AsKdQhJcTd", "the lowest flush beats the best straight"},
    OrderCase{"AhQh9h7h3h", "AsQs9s7s2s", "flush, fifth card decides"},
    OrderCase{"3s3d3h2c2s", "AsKsQsJs9s", "the lowest full house beats the best flush"},
    OrderCase{"4s4d4h2c2s", "3s3d3hAcAs", "full house, the trips decide"},
    OrderCase{"KsKdKh3c3s", "KsKdKh2c2s", "full house, the pair decides (seven cards)"},
    OrderCase{"2s2d2h2cAs", "AsAdAhKcKs", "quads beat a full house"},
    OrderCase{"9s9d9h9cAs", "9s9d9h9cKs", "quads, the kicker decides"},
    OrderCase{"As2s3s4s5s", "2d2h2c2sAh", "the steel wheel beats quads"},
    OrderCase{"6s5s4s3s2s", "As2s3s4s5s", "six-high straight flush beats the wheel"},
    OrderCase{"AsKsQsJsTs", "KsQsJsTs9s", "royal flush is the best hand"},
    OrderCase{"9s9d4h4c2sAs7c", "9s9d4h4c2s3h2d", "counterfeited: the board's pairs make the twos worthless, the ace kicker wins"},
    OrderCase{"AsAdKhKc9s7d7c", "AhAcKsKd8h7s7h", "two pair with three pairs, the best kicker plays"},
    OrderCase{"2c3dAsKsQsJsTs", "7h8dAsKsQsJsTs", "tie: the board plays a royal flush"},
    OrderCase{"2c3dAs9hQsJdTs", "4c5hAs9hQsJdTs", "tie: both play the board's ace high"},
    OrderCase{"Ac2dKsKdQhQc5s", "Ad3cKsKdQhQc5s", "tie: two pair on board, the same ace kicker"},
    OrderCase{"7h8h9hThJh2c3d", "6c6d9hThJh7d8s", "straight flush beats a straight on the same board"},
    OrderCase{"6c7d5h9hKd4c3s", "Ah2h5h9hKd4c3s", "seven-high straight beats the wheel on the same board"},
    OrderCase{"AsAhAdKcKsQdQh", "AsAhAdQcQsJdJh", "full house from two trips and pairs: the best pair counts"},
    OrderCase{"8s8h8d8cKsKdKh", "8s8h8d8cQsQdQh", "quads with a full house's worth of kicker"},
    OrderCase{"Tc9cJcQc8c7d6d", "Tc9cJcQc2c7d6d", "straight flush beats flush on four suited cards"},
    OrderCase{"5s5d9h9cKs", "5h5c9s9dKh", "tie: same two pair, same kicker"}));

namespace {

// A reference score packed into one integer for sorting.
std::uint32_t pack(const reference::Score& s)
{
    std::uint32_t v = 0;
    for (int x : s)
        v = v * 16 + static_cast<std::uint32_t>(x);
    return v;
}

// Every five-card hand, scored by both evaluators: the fast rank that each
// reference score gets, and the hands whose rank differed from the first one
// seen with the same score.
struct FiveCardTable {
    std::map<std::uint32_t, HandRank> rankOfScore;
    std::vector<std::string> disagreements;
};

const FiveCardTable& fiveCardTable()
{
    static const FiveCardTable table = [] {
        FiveCardTable t;
        std::array<Card, 5> hand{};
        auto extend = [&](auto& self, int from, std::size_t depth) -> void {
            if (depth == 5) {
                const HandRank rank = evaluator().rank(std::span<const Card>(hand));
                const auto [it, added] = t.rankOfScore.emplace(pack(reference::score(hand)), rank);
                if (!added && it->second != rank)
                    t.disagreements.push_back(hand[0].text() + hand[1].text() + hand[2].text() + hand[3].text() + hand[4].text());
                return;
            }
            for (int c = from; c < kCardCount; ++c) {
                hand[depth] = Card::fromIndex(c);
                self(self, c + 1, depth + 1);
            }
        };
        extend(extend, 0, 0);
        return t;
    }();
    return table;
}

} // namespace

TEST(HandEvaluator, OrdersAllFiveCardHandsAsTheReferenceDoes)
{
    // One fast rank per reference score, and fast ranks in the order of the scores.
    const FiveCardTable& table = fiveCardTable();
    EXPECT_EQ(table.rankOfScore.size(), 7462u);
    EXPECT_TRUE(table.disagreements.empty()) << table.disagreements.size() << " hands, first " << table.disagreements.front();
    HandRank previous = 0;
    bool first = true;
    for (const auto& [score, rank] : table.rankOfScore) {
        if (!first) {
            EXPECT_GT(rank, previous) << "score " << std::hex << score;
        }
        previous = rank;
        first = false;
    }
    EXPECT_EQ(categoryOf(table.rankOfScore.begin()->second), HandCategory::HighCard);
    EXPECT_EQ(categoryOf(table.rankOfScore.rbegin()->second), HandCategory::StraightFlush);
}

class RandomHands : public testing::TestWithParam<int> {};

TEST_P(RandomHands, RankAsTheReferenceDoes)
{
    const int size = GetParam();
#ifdef TABLEWISE_SANITIZED_BUILD
    const int samples = 20000;
#else
    const int samples = 400000;
#endif
    std::mt19937_64 random(static_cast<std::uint64_t>(size) * 7919);
    std::array<int, kCardCount> deck{};
    for (int i = 0; i < kCardCount; ++i)
        deck[static_cast<std::size_t>(i)] = i;
    std::vector<Card> hand(static_cast<std::size_t>(size));
    const auto& expected = fiveCardTable().rankOfScore;
    int mismatches = 0;
    for (int s = 0; s < samples; ++s) {
        for (std::size_t i = 0; i < hand.size(); ++i) {
            std::swap(deck[i], deck[i + random() % (kCardCount - i)]);
            hand[i] = Card::fromIndex(deck[i]);
        }
        const HandRank fast = evaluator().rank(std::span<const Card>(hand));
        const HandRank slow = expected.at(pack(reference::score(hand)));
        CardSet set;
        for (Card c : hand)
            set.insert(c);
        if ((fast != slow || evaluator().rank(set) != slow) && ++mismatches < 5)
            ADD_FAILURE() << set.text() << ": fast " << fast << ", reference " << slow;
    }
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(SixAndSeven, RandomHands, testing::Values(6, 7));

TEST(HandEvaluator, ItsTablesTakeAtMostOneMebibyte)
{
    const EvaluatorTables& tables = EvaluatorTables::instance();
    EXPECT_LE(tables.bytes() + sizeof(detail::kCardKeys) + sizeof(detail::kCardBits), std::size_t{1} << 20);
    EXPECT_EQ(tables.flush.size(), 8192u);
}

// The tables compiled in are those the rules give: a stale or damaged
// generated source shows here.
TEST(HandEvaluator, ItsCompiledTablesAreThoseComputedFromTheRules)
{
    const EvaluatorTables& compiled = EvaluatorTables::instance();
    const BuiltEvaluatorTables built = buildEvaluatorTables();
    EXPECT_EQ(compiled.multiplier, built.multiplier);
    EXPECT_TRUE(std::equal(compiled.displacement.begin(), compiled.displacement.end(), built.displacement.begin(),
                           built.displacement.end()));
    EXPECT_TRUE(std::equal(compiled.values.begin(), compiled.values.end(), built.values.begin(), built.values.end()));
    EXPECT_TRUE(std::equal(compiled.flush.begin(), compiled.flush.end(), built.flush.begin(), built.flush.end()));
}

TEST(HandEvaluator, NamesTheCategories)
{
    EXPECT_EQ(categoryName(categoryOf(rankOf("AsAdKhKc7s"))), "two pair");
    EXPECT_EQ(categoryName(categoryOf(rankOf("As2s3s4s5s"))), "straight flush");
    EXPECT_EQ(categoryName(categoryOf(rankOf("As9d7h4c2s"))), "high card");
}
