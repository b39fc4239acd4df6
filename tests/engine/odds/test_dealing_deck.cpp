// The partial shuffle deals every ordered choice of the cards it may deal
// equally often, from a deck that sets a choice's cards aside and when cards
// to avoid are dealt and swapped for others; checked on decks small enough to
// count every choice.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/cards/CardParser.h"
#include "engine/cards/CardSet.h"
#include "engine/odds/DealingDeck.h"

using namespace engine::cards;
using namespace engine::odds;

namespace {

// The chi-square value a fair count exceeds once in 10,000 (Wilson and
// Hilferty's approximation).
double chiSquareLimit(int freedom)
{
    const double f = freedom;
    const double z = 3.719;
    const double a = 2.0 / (9.0 * f);
    return f * std::pow(1.0 - a + z * std::sqrt(a), 3.0);
}

std::uint64_t bitsOf(const char* text)
{
    std::uint64_t bits = 0;
    for (Card card : parseCards(text).value)
        bits |= cardBit(card);
    return bits;
}

struct DealCase {
    const char* name;
    const char* deck;
    const char* setAside; // the deck's own set-aside cards
    const char* avoid;    // further cards not to deal
    std::size_t count;
    int orderedChoices;   // of `count` cards among those allowed
};

class DealingDeckCase : public testing::TestWithParam<DealCase> {};

} // namespace

TEST_P(DealingDeckCase, DealsEveryOrderedChoiceEquallyOften)
{
    const DealCase& c = GetParam();
    const std::vector<Card> cards = parseCards(c.deck).value;
    const std::uint64_t aside = bitsOf(c.setAside);
    const std::uint64_t avoid = bitsOf(c.avoid);
    // Deck 1 sets the cards aside; deck 0 is there to show decks apart.
    DealingDeck deck(cards, {0, aside});
    SplitMix random(20261209);
    std::map<std::vector<std::uint64_t>, int> seen;
    constexpr int kDeals = 120000;
    for (int d = 0; d < kDeals; ++d) {
        const DealingDeck::Slot* dealt = deck.deal(random, 1, c.count, avoid);
        std::vector<std::uint64_t> choice;
        for (std::size_t i = 0; i < c.count; ++i) {
            const std::uint64_t card = deck.key(dealt[i]).cards;
            ASSERT_EQ(card & (aside | avoid), 0u) << "a card set aside or to avoid was dealt";
            for (std::uint64_t before : choice)
                ASSERT_NE(before, card) << "a card was dealt twice";
            choice.push_back(card);
        }
        ++seen[choice];
    }
    ASSERT_EQ(static_cast<int>(seen.size()), c.orderedChoices);
    const double expected = static_cast<double>(kDeals) / c.orderedChoices;
    double chiSquare = 0.0;
    for (const auto& [choice, count] : seen)
        chiSquare += (count - expected) * (count - expected) / expected;
    EXPECT_LT(chiSquare, chiSquareLimit(c.orderedChoices - 1));
}

INSTANTIATE_TEST_SUITE_P(Decks, DealingDeckCase, testing::Values(
    DealCase{"WholeDeck", "2c3d4h5s6c", "", "", 3, 5 * 4 * 3},
    DealCase{"ChoiceSetAside", "2c3d4h5s6c7d", "3d6c", "", 2, 4 * 3},
    DealCase{"CardsToAvoid", "2c3d4h5s6c7d", "", "2c7d", 2, 4 * 3},
    DealCase{"BothAndMostOfTheRestAvoided", "2c3d4h5s6c7d8h", "3d", "2c4h5s", 2, 3 * 2}),
    [](const testing::TestParamInfo<DealCase>& param) { return std::string(param.param.name); });
