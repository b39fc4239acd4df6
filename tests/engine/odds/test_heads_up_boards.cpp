#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/cards/CardParser.h"
#include "engine/odds/HeadsUpBoards.h"

using namespace engine::cards;
using namespace engine::odds;

namespace {

std::uint64_t maskOf(const std::string& text)
{
    std::uint64_t m = 0;
    for (Card c : parseCards(text).value)
        m |= cardBit(c);
    return m;
}

// Every board of five from `free`, one at a time.
HeadsUpCount countBoardByBoard(std::uint64_t first, std::uint64_t second, std::uint64_t free)
{
    const HandEvaluator evaluator;
    std::vector<HandKey> deck;
    for (Card c : CardSet(free))
        deck.push_back(HandKey{0, 0}.plus(c));
    const HandKey a = HandKey{}.plus(cardsKey(CardSet(first)));
    const HandKey b = HandKey{}.plus(cardsKey(CardSet(second)));
    HeadsUpCount count;
    const std::size_t n = deck.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k)
                for (std::size_t l = k + 1; l < n; ++l)
                    for (std::size_t m = l + 1; m < n; ++m) {
                        const HandKey board = deck[i].plus(deck[j]).plus(deck[k]).plus(deck[l]).plus(deck[m]);
                        const HandRank x = evaluator.rank(a.plus(board));
                        const HandRank y = evaluator.rank(b.plus(board));
                        (x > y ? count.wins : x == y ? count.ties : count.losses) += 1;
                    }
    return count;
}

HeadsUpCount countByRanks(std::uint64_t first, std::uint64_t second, std::uint64_t free)
{
    const HandEvaluator evaluator;
    std::atomic<bool> flag{false};
    StopPoll stop(flag);
    HeadsUpCount count;
    EXPECT_TRUE(countHeadsUpBoards(evaluator, first, second, free, count, stop));
    return count;
}

struct HandsCase {
    const char* first;
    const char* second;
    const char* dead;
};

} // namespace

class HeadsUpBoardsCase : public testing::TestWithParam<HandsCase> {};

// Suited hands (flushes from three board cards), one card of a suit (from
// four), none (only a board of one suit), shared ranks, pairs, and dead
// cards that leave a suit short.
TEST_P(HeadsUpBoardsCase, EqualsTheCountBoardByBoard)
{
    const HandsCase& c = GetParam();
    const std::uint64_t first = maskOf(c.first), second = maskOf(c.second), dead = maskOf(c.dead);
    const std::uint64_t free = CardSet::fullDeck().mask() & ~(first | second | dead);
    const HeadsUpCount expected = countBoardByBoard(first, second, free);
    const HeadsUpCount got = countByRanks(first, second, free);
    EXPECT_EQ(got.wins, expected.wins);
    EXPECT_EQ(got.ties, expected.ties);
    EXPECT_EQ(got.losses, expected.losses);
}

INSTANTIATE_TEST_SUITE_P(Hands, HeadsUpBoardsCase,
                         testing::Values(HandsCase{"AhAs", "KdKc", ""}, HandsCase{"AhKh", "QsQc", ""},
                                         HandsCase{"7c6c", "AhKh", ""}, HandsCase{"AhKh", "AsKs", ""},
                                         HandsCase{"2c3d", "2h3s", ""}, HandsCase{"AhAs", "AdKd", ""},
                                         HandsCase{"Tc9c", "8c7c", "2c3c4c5c6c"},
                                         HandsCase{"AhKd", "QsJc", "2h3h4h5h 2d3d4d5d 6s7s8s9s"},
                                         HandsCase{"5s5d", "JhTh", "AhKhQh"}));

// Random pairs of hands with `deadFor(round)` random dead cards, each
// checked board by board.
template <typename DeadFor>
void checkRandomDeals(std::uint64_t seed, int rounds, DeadFor deadFor)
{
    std::mt19937_64 random(seed);
    std::vector<int> cardsLeft(52);
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < 52; ++i)
            cardsLeft[static_cast<std::size_t>(i)] = i;
        std::shuffle(cardsLeft.begin(), cardsLeft.end(), random);
        const auto bit = [&](int i) { return cardBit(Card::fromIndex(cardsLeft[static_cast<std::size_t>(i)])); };
        const std::uint64_t first = bit(0) | bit(1), second = bit(2) | bit(3);
        std::uint64_t dead = 0;
        for (int i = 4; i < 4 + deadFor(round); ++i)
            dead |= bit(i);
        const std::uint64_t free = CardSet::fullDeck().mask() & ~(first | second | dead);
        const HeadsUpCount expected = countBoardByBoard(first, second, free);
        const HeadsUpCount got = countByRanks(first, second, free);
        ASSERT_EQ(got.wins, expected.wins) << round;
        ASSERT_EQ(got.ties, expected.ties) << round;
        ASSERT_EQ(got.losses, expected.losses) << round;
    }
}

TEST(HeadsUpBoards, EqualsTheCountBoardByBoardOnRandomDeals)
{
    checkRandomDeals(20261209, 4, [](int round) { return 3 * round; });
}

// Many dead cards leave few boards, some suits short and some ranks gone.
TEST(HeadsUpBoards, EqualsTheCountBoardByBoardWithManyDeadCards)
{
    checkRandomDeals(9122026, 300, [](int round) { return 22 + round % 21; }); // 5 to 26 cards left
}

// The classes of two ranges' pairs: every pair that holds no card twice in
// one class, and each class's pairs counted alike.
TEST(HeadsUpClasses, GroupPairsThatRenamingsTurnIntoOneAnother)
{
    std::vector<HandKey> aces, kings;
    for (const char* h : {"AhAs", "AhAd", "AhAc", "AsAd", "AsAc", "AdAc"})
        aces.push_back(cardsKey(CardSet(maskOf(h))));
    for (const char* h : {"KhKs", "KhKd", "KhKc", "KsKd", "KsKc", "KdKc", "AhKh"})
        kings.push_back(cardsKey(CardSet(maskOf(h))));
    const std::uint64_t deck = CardSet::fullDeck().mask();
    const HeadsUpClasses classes(aces, kings, deck, 1000);
    ASSERT_TRUE(classes.listed());
    std::uint64_t pairs = 0;
    for (const auto& c : classes.classes())
        pairs += c.pairs;
    // 36 pairs of aces and kings, and AhKh with the three aces without Ah.
    EXPECT_EQ(pairs, 36u + 3u);
    // Aces against kings: of no suit, one suit or two in common; AhKh against
    // aces of the other suits is one more.
    EXPECT_EQ(classes.classes().size(), 4u);
    const HeadsUpCount one = countByRanks(maskOf("AhAs"), maskOf("KhKd"), deck & ~maskOf("AhAsKhKd"));
    const HeadsUpCount other = countByRanks(maskOf("AdAc"), maskOf("KsKc"), deck & ~maskOf("AdAcKsKc"));
    EXPECT_EQ(one.wins, other.wins);
    EXPECT_EQ(one.ties, other.ties);
    EXPECT_FALSE(HeadsUpClasses(aces, kings, deck, 41).listed());
}
