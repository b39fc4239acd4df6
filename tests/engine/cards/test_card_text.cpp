// How cards are written: the highest rank first, and cards of one rank in the
// suit order spades, hearts, diamonds, clubs, however they were given.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/cards/CardParser.h"
#include "engine/cards/CardSet.h"
#include "engine/cards/HoleCards.h"

using namespace engine::cards;

namespace {

std::vector<Card> cardsOf(const char* typed)
{
    const auto parsed = parseCards(typed);
    EXPECT_TRUE(parsed.ok()) << typed << ": " << parsed.error;
    return parsed.value;
}

struct WrittenHand {
    const char* typed;
    const char* written;
};

class HoleCardWriting : public testing::TestWithParam<WrittenHand> {};

// Both orders of the two cards give the same text.
TEST_P(HoleCardWriting, HigherRankFirstAndSpadesBeforeClubs)
{
    const std::vector<Card> cards = cardsOf(GetParam().typed);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(HoleCards(cards[0], cards[1]).text(), GetParam().written);
    EXPECT_EQ(HoleCards(cards[1], cards[0]).text(), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Hands, HoleCardWriting,
                         testing::Values(WrittenHand{"Qd Qs", "QsQd"}, WrittenHand{"Ts Td", "TsTd"},
                                         WrittenHand{"Ah As", "AsAh"}, WrittenHand{"2c 2d", "2d2c"},
                                         WrittenHand{"Kc Kh", "KhKc"}, WrittenHand{"7h 7s", "7s7h"},
                                         WrittenHand{"2s Ac", "Ac2s"}, WrittenHand{"Kh Ad", "AdKh"},
                                         WrittenHand{"9c Tc", "Tc9c"}));

struct WrittenSet {
    const char* typed;
    const char* written;
    const char* spaced;
};

class CardSetWriting : public testing::TestWithParam<WrittenSet> {};

TEST_P(CardSetWriting, RanksDownSuitsInTheirOrder)
{
    const std::vector<Card> cards = cardsOf(GetParam().typed);
    CardSet set;
    for (const Card c : cards)
        set.insert(c);
    EXPECT_EQ(set.text(), GetParam().written);
    EXPECT_EQ(set.text(" "), GetParam().spaced);
    // The same cards inserted the other way round are written the same.
    CardSet reversed;
    for (auto it = cards.rbegin(); it != cards.rend(); ++it)
        reversed.insert(*it);
    EXPECT_EQ(reversed.text(), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, CardSetWriting,
    testing::Values(WrittenSet{"", "", ""}, WrittenSet{"Qc Qd Qh Qs", "QsQhQdQc", "Qs Qh Qd Qc"},
                    WrittenSet{"2h Ac Kd As", "AsAcKd2h", "As Ac Kd 2h"},
                    WrittenSet{"Tc Td Th Ts 2s", "TsThTdTc2s", "Ts Th Td Tc 2s"},
                    WrittenSet{"7d", "7d", "7d"}, WrittenSet{"3c 3s 4h", "4h3s3c", "4h 3s 3c"}));

// Over the whole deck, each card follows one of a higher rank, or of its
// rank and an earlier suit (s, h, d, c).
TEST(CardWritingOrder, TheWholeDeckInWritingOrder)
{
    const std::vector<Card> written = CardSet::fullDeck().written();
    ASSERT_EQ(written.size(), 52u);
    const auto suitPlace = [](Card c) { return std::string("shdc").find(c.text()[1]); };
    for (std::size_t i = 1; i < written.size(); ++i) {
        const Card before = written[i - 1];
        const Card c = written[i];
        EXPECT_TRUE(before.rank() > c.rank() || (before.rank() == c.rank() && suitPlace(before) < suitPlace(c)))
            << before.text() << " before " << c.text();
    }
    EXPECT_EQ(CardSet::fullDeck().text().substr(0, 8), "AsAhAdAc");
}

} // namespace
