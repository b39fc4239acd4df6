#include <gtest/gtest.h>

#include <string>

#include "engine/cards/CardParser.h"
#include "engine/cards/CardSet.h"

using namespace engine::cards;

namespace {

std::string joined(const std::vector<Card>& cards)
{
    std::string out;
    for (Card c : cards)
        out += c.text();
    return out;
}

struct AcceptedCards {
    const char* typed;
    const char* cards;
};

struct RefusedCards {
    const char* typed;
    const char* message;
};

} // namespace

class AcceptedCardText : public testing::TestWithParam<AcceptedCards> {};

TEST_P(AcceptedCardText, ReadsTheCardsInOrder)
{
    const auto parsed = parseCards(GetParam().typed);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(joined(parsed.value), GetParam().cards);
}

INSTANTIATE_TEST_SUITE_P(Forms, AcceptedCardText, testing::Values(
    AcceptedCards{"Ah", "Ah"},
    AcceptedCards{"ah", "Ah"},
    AcceptedCards{"AH", "Ah"},
    AcceptedCards{"10h", "Th"},
    AcceptedCards{"10H10s", "ThTs"},
    AcceptedCards{"td", "Td"},
    AcceptedCards{"Qh7s2d", "Qh7s2d"},
    AcceptedCards{"Qh 7s 2d", "Qh7s2d"},
    AcceptedCards{"Qh,7s, 2d", "Qh7s2d"},
    AcceptedCards{" Qh\t7s ,,2d ", "Qh7s2d"},
    AcceptedCards{"A\u2660", "As"},
    AcceptedCards{"Q\u26657\u26662\u2663", "Qh7d2c"},
    AcceptedCards{"K\u2661 K\u2662 K\u2664 K\u2667", "KhKdKsKc"},
    AcceptedCards{"10\u2663 9c", "Tc9c"},
    AcceptedCards{"", ""},
    AcceptedCards{" , ", ""}));

class RefusedCardText : public testing::TestWithParam<RefusedCards> {};

TEST_P(RefusedCardText, NamesTheCard)
{
    const auto parsed = parseCards(GetParam().typed);
    EXPECT_FALSE(parsed.ok());
    EXPECT_EQ(parsed.error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Inputs, RefusedCardText, testing::Values(
    RefusedCards{"Xh", "\"Xh\" is not a card"},
    RefusedCards{"Ah Ah", "duplicate card \"Ah\""},
    RefusedCards{"ah,AH", "duplicate card \"Ah\""},
    RefusedCards{"10h Th", "duplicate card \"Th\""},
    RefusedCards{"A\u2660 As", "duplicate card \"As\""},
    RefusedCards{"Qh7x2d", "\"7x\" is not a card"},
    RefusedCards{"A", "\"A\" is not a card"},
    RefusedCards{"Ah K", "\"K\" is not a card"},
    RefusedCards{"1h", "\"1h\" is not a card"},
    RefusedCards{"A\u2605", "\"A\u2605\" is not a card"},
    RefusedCards{"\u2660A", "\"\u2660A\" is not a card"},
    RefusedCards{"Ah;Kd", "\";K\" is not a card"}));

TEST(HoleCardText, IsExactlyTwoCards)
{
    const auto hand = parseHoleCards("7s Ad");
    ASSERT_TRUE(hand.ok());
    EXPECT_EQ(hand.value.text(), "Ad7s");
    EXPECT_EQ(parseHoleCards("Ah").error, "a hand is two cards, not 1");
    EXPECT_EQ(parseHoleCards("AhKhQh").error, "a hand is two cards, not 3");
    EXPECT_EQ(parseHoleCards("AhAh").error, "duplicate card \"Ah\"");
}

TEST(CardSet, KeepsRanksBySuitAndIteratesEveryCard)
{
    const CardSet set{Card(kAce, 1), Card(kTwo, 1), Card(kKing, 3)};
    EXPECT_EQ(set.size(), 3);
    EXPECT_EQ(set.ranksOfSuit(1), (1u << kAce) | 1u);
    EXPECT_EQ(set.ranks(), (1u << kAce) | (1u << kKing) | 1u);
    int seen = 0;
    for (Card c : set) {
        EXPECT_TRUE(set.contains(c));
        ++seen;
    }
    EXPECT_EQ(seen, 3);
    EXPECT_EQ(set.text(), "AhKc2h");
    EXPECT_EQ(CardSet::fullDeck().size(), kCardCount);
}
