#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <string>
#include <vector>

#include "engine/cards/CardParser.h"
#include "engine/odds/BoardFamilies.h"
#include "engine/odds/SuitSymmetry.h"

using namespace engine::cards;
using namespace engine::odds;

namespace {

struct FamiliesCase {
    const char* name;
    const char* deck;   // the cards boards are drawn from
    int count;          // board size
    const char* fixed;  // cards each renaming must keep where they are, as a set ("" for none)
};

std::uint64_t maskOf(const std::vector<Card>& cards)
{
    std::uint64_t m = 0;
    for (Card c : cards)
        m |= cardBit(c);
    return m;
}

// Every board's family found the slow way: its smallest image under the group.
std::map<std::uint64_t, std::uint32_t> familiesByBruteForce(const std::vector<Card>& deck, int count,
                                                            const std::vector<SuitPermutation>& group)
{
    std::map<std::uint64_t, std::uint32_t> families;
    const auto visit = [&](auto& self, std::size_t from, int left, std::uint64_t board) -> void {
        if (left == 0) {
            std::uint64_t smallest = board;
            for (const SuitPermutation& p : group)
                smallest = std::min(smallest, permuteSuits(board, p));
            ++families[smallest];
            return;
        }
        for (std::size_t i = from; i < deck.size(); ++i)
            self(self, i + 1, left - 1, board | cardBit(deck[i]));
    };
    visit(visit, 0, count, 0);
    return families;
}

} // namespace

class BoardFamiliesCase : public testing::TestWithParam<FamiliesCase> {};

// One board per family, each family's size right, every board covered once.
TEST_P(BoardFamiliesCase, MatchTheFamiliesFoundOneBoardAtATime)
{
    const FamiliesCase& c = GetParam();
    std::vector<Card> deck = parseCards(c.deck).value;
    std::sort(deck.begin(), deck.end());
    const std::uint64_t fixed = maskOf(parseCards(c.fixed).value);
    const std::uint64_t deckMask = maskOf(deck);
    const auto group = suitPermutationsKeeping([&](const SuitPermutation& p) {
        return permuteSuits(fixed, p) == fixed && permuteSuits(deckMask, p) == deckMask;
    });
    ASSERT_FALSE(group.empty());
    const auto expected = familiesByBruteForce(deck, c.count, group);
    const BoardFamilies families(deck, c.count, group);
    std::map<std::uint64_t, std::uint32_t> found;
    std::size_t visited = 0;
    for (std::size_t part = 0; part < families.parts(); ++part) {
        const auto one = [&](const HandKey& board, std::uint32_t boards) {
            std::uint64_t smallest = board.cards;
            for (const SuitPermutation& p : group)
                smallest = std::min(smallest, permuteSuits(board.cards, p));
            EXPECT_TRUE(found.emplace(smallest, boards).second) << "two boards of one family";
            EXPECT_EQ(std::popcount(board.cards), c.count);
            ++visited;
        };
        families.forEachIn(part, one, [&](const HandKey& prefix, std::size_t from, std::uint32_t boards) {
            for (std::size_t i = from; i < deck.size(); ++i) {
                EXPECT_EQ(prefix.cards & cardBit(deck[i]), 0u);
                one(prefix.plus(deck[i]), boards);
            }
        });
    }
    EXPECT_EQ(visited, expected.size());
    EXPECT_EQ(found, expected);
}

INSTANTIATE_TEST_SUITE_P(Decks, BoardFamiliesCase, testing::Values(
    FamiliesCase{"ThreeRanksEveryRenaming", "AsAhAdAcKsKhKdKcQsQhQdQc", 5, ""},
    FamiliesCase{"ThreeRanksThreeCards", "AsAhAdAcKsKhKdKcQsQhQdQc", 3, ""},
    FamiliesCase{"TwoSuitsKeptApart", "AsAhAdAcKsKhKdKcQsQhQdQcJsJhJdJc", 4, "AhAs"},
    FamiliesCase{"OneSuitFixed", "AsAdAcKsKhKdKcQsQhQdQcJsJhJdJc", 5, "Ah"},
    FamiliesCase{"UnevenDeck", "AsAhAdKsKhQsQhQdQcJdJc9s9h", 4, ""},
    FamiliesCase{"NoRenamingButTheIdentity", "AsAhAdAcKsKhKdKcQsQhQdQc", 3, "AsKhQd"},
    FamiliesCase{"EmptyBoard", "AsAhAdAc", 0, ""}),
    [](const testing::TestParamInfo<FamiliesCase>& param) { return std::string(param.param.name); });

// Renamings that keep a weighted range are those that map each combination to
// one of equal weight.
TEST(WeightedCombos, AreKeptOnlyByRenamingsThatKeepEveryWeight)
{
    const auto keyOf = [](const char* hand) { return cardsKey(CardSet(maskOf(parseCards(hand).value))); };
    const std::vector<HandKey> keys = {keyOf("AsAh"), keyOf("AdAc"), keyOf("AsAd"), keyOf("AhAc"), keyOf("AsAc"),
                                       keyOf("AhAd")};
    const std::vector<double> even(6, 1.0);
    const std::vector<double> uneven = {0.5, 0.5, 1.0, 1.0, 1.0, 1.0};
    const WeightedCombos all(keys, even);
    const WeightedCombos pairsHalf(keys, uneven);
    std::size_t keptAll = 0, keptHalf = 0;
    for (const SuitPermutation& p : allSuitPermutations()) {
        keptAll += all.keptBy(p) ? 1u : 0u;
        keptHalf += pairsHalf.keptBy(p) ? 1u : 0u;
    }
    EXPECT_EQ(keptAll, 24u);
    // The renamings that keep the pair {s,h}{d,c} of suit pairs: 8 of them.
    EXPECT_EQ(keptHalf, 8u);
}
