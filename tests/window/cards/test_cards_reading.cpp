// What the cards window makes of what is typed: each box read, cards shared
// between boxes refused by name, the streets in order; picks from the grid;
// the pot odds and the amounts their boxes take.

#include <gtest/gtest.h>

#include "engine/cards/CardParser.h"
#include "tests/support/EuroMoney.h"
#include "window/cards/CardPick.h"
#include "window/cards/CardsReading.h"
#include "window/cards/CardsText.h"
#include "window/cards/PotOdds.h"

namespace {

using namespace window::cards;
using engine::cards::Card;

Card card(std::string_view text)
{
    return engine::cards::parseCards(text).value.at(0);
}

std::string joined(const std::vector<Card>& cards)
{
    std::string s;
    for (Card c : cards)
        s += c.text();
    return s;
}

CardsInput typed(std::string hole, std::string flop, std::string turn = {}, std::string river = {})
{
    CardsInput in;
    in.texts = {std::move(hole), std::move(flop), std::move(turn), std::move(river)};
    return in;
}

struct ReadingCase {
    std::array<std::string, 4> texts;
    std::array<std::string, 4> messages;
    std::string hand;  // "" for none
    std::string board; // the cards that count, in order
};

class Reading : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(Reading, BoxesHandAndBoard)
{
    const ReadingCase& c = GetParam();
    CardsInput in;
    in.texts = c.texts;
    const CardsReading r = readCards(in);
    for (CardBox box : kCardBoxes)
        EXPECT_EQ(r.box(box).message, c.messages[static_cast<std::size_t>(box)]) << boxName(box);
    EXPECT_EQ(r.hand ? r.hand->text() : "", c.hand);
    EXPECT_EQ(joined(r.board), c.board);
    EXPECT_EQ(r.boardReading.has_value(), !c.hand.empty() && c.board.size() >= 6);
    const bool anyExpected = c.messages != std::array<std::string, 4>{};
    EXPECT_EQ(r.anyMessage(), anyExpected);
}

INSTANTIATE_TEST_SUITE_P(Typed, Reading, ::testing::Values(
    ReadingCase{{"AhKh", "Qh Jh 2c", "", ""}, {}, "AhKh", "QhJh2c"},
    ReadingCase{{"kh ah", "qhjh2c", "10d", "3s"}, {}, "AhKh", "QhJh2cTd3s"},
    ReadingCase{{"A\u2665K\u2665", "Qh,Jh, 2c", "", ""}, {}, "AhKh", "QhJh2c"},
    ReadingCase{{"", "Qh Jh 2c", "5d", "6d"}, {}, "", "QhJh2c5d6d"},
    ReadingCase{{"Ah", "", "", ""}, {"a hand is two cards, not 1", "", "", ""}, "", ""},
    ReadingCase{{"AhKhQh", "", "", ""}, {"a hand is two cards, not 3", "", "", ""}, "", ""},
    ReadingCase{{"AhXh", "", "", ""}, {"\"Xh\" is not a card", "", "", ""}, "", ""},
    ReadingCase{{"AhAh", "", "", ""}, {"duplicate card \"Ah\"", "", "", ""}, "", ""},
    ReadingCase{{"AhKh", "Qd Ah 2c", "", ""}, {"", "\"Ah\" is already in the hole cards", "", ""}, "AhKh", ""},
    ReadingCase{{"AhKh", "Qh Jh", "2c", ""},
                {"", "a flop is three cards, not 2", "the turn comes after a whole flop", ""}, "AhKh", ""},
    ReadingCase{{"AhKh", "Qh Jh 2c", "", "5d"}, {"", "", "", "the river comes after the turn"}, "AhKh", "QhJh2c"},
    ReadingCase{{"AhKh", "Qh Jh 2c", "5d 6d", ""}, {"", "", "the turn is one card, not 2", ""}, "AhKh", "QhJh2c"},
    ReadingCase{{"AhKh", "Qh Jh 2c", "5d", "2C"}, {"", "", "", "\"2c\" is already in the flop"}, "AhKh", "QhJh2c5d"},
    ReadingCase{{"   ", " , ", "", ""}, {}, "", ""}));

TEST(Reading, EachCardBelongsToTheFirstBoxThatHoldsIt)
{
    const CardsReading r = readCards(typed("AhKh", "Qd Ah 2c", "7s"));
    EXPECT_EQ(r.ownerOf(card("Ah")), CardBox::Hole);
    EXPECT_EQ(r.ownerOf(card("Kh")), CardBox::Hole);
    EXPECT_FALSE(r.ownerOf(card("Qd"))); // the flop that repeats Ah is refused whole
    EXPECT_EQ(r.ownerOf(card("7s")), CardBox::Turn); // typed, though the flop is missing
    int owned = 0;
    for (const auto& o : r.owners)
        owned += o.has_value();
    EXPECT_EQ(owned, 3);
}

TEST(Reading, TheHandIsReadOnTheBoardFromTheFlopOn)
{
    const CardsReading r = readCards(typed("AhKh", "Qh Jh 2c"));
    ASSERT_TRUE(r.boardReading);
    EXPECT_EQ(r.boardReading->categoryText(), "Nut Flush Draw");
    const auto lines = readingLines(*r.boardReading);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "Draws: nut flush draw (9 outs), gutshot (4 outs)");
    EXPECT_EQ(lines[2].substr(0, 10), "Outs: 12 (");
    EXPECT_EQ(lines[3], "Post-flop: Nut Flush Draw");
}

// A sequence of picks, and the texts after each.
struct PickStep {
    std::string card;
    std::array<std::string, 4> texts;
    std::string refused;
};

TEST(Picking, FillsTheBoxesInOrderAndTakesUsedCardsOut)
{
    const std::vector<PickStep> steps = {
        {"Ah", {"Ah", "", "", ""}, ""},
        {"Kh", {"Ah Kh", "", "", ""}, ""},
        {"Qh", {"Ah Kh", "Qh", "", ""}, ""},
        {"Jh", {"Ah Kh", "Qh Jh", "", ""}, ""},
        {"2c", {"Ah Kh", "Qh Jh 2c", "", ""}, ""},
        {"5d", {"Ah Kh", "Qh Jh 2c", "5d", ""}, ""},
        {"6d", {"Ah Kh", "Qh Jh 2c", "5d", "6d"}, ""},
        {"7d", {"Ah Kh", "Qh Jh 2c", "5d", "6d"},
         "The hole cards and the board are full: pick a card in use to take it out"},
        {"Jh", {"Ah Kh", "Qh 2c", "5d", "6d"}, ""},
        {"Ah", {"Kh", "Qh 2c", "5d", "6d"}, ""},
        {"9s", {"Kh 9s", "Qh 2c", "5d", "6d"}, ""},
        {"Ts", {"Kh 9s", "Qh 2c Ts", "5d", "6d"}, ""},
    };
    CardsInput in;
    for (const PickStep& step : steps) {
        const std::string refused = pickCard(in, readCards(in), card(step.card));
        EXPECT_EQ(refused, step.refused) << step.card;
        EXPECT_EQ(in.texts, step.texts) << step.card;
    }
}

TEST(Picking, WhatIsTypedIsKept)
{
    CardsInput in = typed("ah, ", "");
    EXPECT_EQ(pickCard(in, readCards(in), card("Kh")), "");
    EXPECT_EQ(in.text(CardBox::Hole), "ah Kh");

    const std::vector<std::pair<CardsInput, std::string>> refusals = {
        {typed("Xh", ""), "Correct the hole cards first: \"Xh\" is not a card"},
        {typed("AhKhQh", ""), "Correct the hole cards first: a hand is two cards, not 3"},
        {typed("AhKh", "Ah"), "Correct the flop first: \"Ah\" is already in the hole cards"},
    };
    for (auto [input, message] : refusals) {
        const CardsInput before = input;
        EXPECT_EQ(pickCard(input, readCards(input), card("7c")), message);
        EXPECT_EQ(input.texts, before.texts);
    }
}

TEST(PotOddsReading, AmountsAsTyped)
{
    struct Case {
        std::string pot, bet;
        double price; // < 0: none
        std::string message;
    } cases[] = {
        {"", "", -1, ""},
        {"100", "", -1, "Type the bet to call as well"},
        {"", "25", -1, "Type the pot as well"},
        {"75", "25", 0.25, ""},
        {"0", "10", 1.0, ""},
        {"30", "0", 0.0, ""},
        {"0", "0.", -1, "The pot and the bet are both nothing"},
        {".", "5", -1, "\".\" is not an amount"},
        {"$1,000.00", "250", 0.2, ""},
    };
    for (const Case& c : cases) {
        const PotOddsReading r = readPotOdds(c.pot, c.bet, platform::Money::unitedStates());
        EXPECT_EQ(r.message, c.message) << c.pot << " / " << c.bet;
        ASSERT_EQ(r.odds.has_value(), c.price >= 0) << c.pot << " / " << c.bet;
        if (r.odds) {
            EXPECT_DOUBLE_EQ(r.odds->price, c.price) << c.pot << " / " << c.bet;
        }
    }
}

// The pot and the bet to call read as the big blind does: grouped thousands,
// either decimal point, the money text the locale writes.
TEST(PotOddsReading, AmountsInEachMoneyFormat)
{
    struct Case {
        const platform::Money* money;
        std::string pot, bet;
        double price;
    } cases[] = {
        {&testsupport::euroMoney(), "7,5", "2,5", 0.25},
        {&testsupport::euroMoney(), "1.000", "250", 0.2},
        {&testsupport::euroMoney(), "1.000,00 \u20ac", "0.250", 0.25 / 1000.25},
        {&testsupport::euroMoney(), "12.345,00", "2.655", 2655.0 / 15000.0},
        {&platform::Money::unitedStates(), "1,000", "250", 0.2},
        {&platform::Money::unitedStates(), "0,75", "0,25", 0.25},
    };
    for (const Case& c : cases) {
        const PotOddsReading r = readPotOdds(c.pot, c.bet, *c.money);
        ASSERT_TRUE(r.odds) << c.pot << " / " << c.bet << ": " << r.message;
        EXPECT_DOUBLE_EQ(r.odds->price, c.price) << c.pot << " / " << c.bet;
    }
}

TEST(PotOddsReading, ACallPaysWhenTheEquityIsAtLeastThePrice)
{
    const PotOdds odds{75, 25, 0.25};
    struct Case {
        double equity, standardError;
        CallVerdict verdict;
    } cases[] = {
        {0.30, 0, CallVerdict::Pays},       {0.25, 0, CallVerdict::Pays},
        {0.2499, 0, CallVerdict::DoesNotPay}, {0.26, 0.01, CallVerdict::TooCloseToTell},
        {0.24, 0.01, CallVerdict::TooCloseToTell}, {0.30, 0.01, CallVerdict::Pays},
        {0.22, 0.01, CallVerdict::DoesNotPay},
    };
    for (const Case& c : cases)
        EXPECT_EQ(judgeCall(odds, c.equity, c.standardError), c.verdict) << c.equity << " +- " << c.standardError;

    engine::odds::EquityResult exact;
    exact.equity = 0.45;
    EXPECT_EQ(potOddsLine(odds, exact, platform::Money::unitedStates()),
              "Pot $75.00, bet to call $25.00: a call needs 25.0% equity, you have 45.0%. "
              "A call pays on the odds alone.");
    EXPECT_EQ(potOddsLine(odds, exact, testsupport::euroMoney()).substr(0, 30), "Pot 75,00 \u20ac, bet to call 25,");
}

TEST(EquityTexts, ExactAndMonteCarlo)
{
    engine::odds::EquityResult r;
    r.method = engine::odds::EquityMethod::Exact;
    r.win = 0.7586;
    r.tie = 0.0091;
    r.equity = 0.7632;
    r.deals = 1070190;
    EXPECT_EQ(equityLine(r), "Win 75.9%   Tie 0.9%   Equity 76.3%");
    EXPECT_EQ(methodLine(r), "exact, 1 070 190 deals");
    r.method = engine::odds::EquityMethod::MonteCarlo;
    r.standardError = 0.00104;
    r.deals = 250000;
    EXPECT_EQ(methodLine(r), "Monte Carlo, 250 000 deals");
    r.deals = 999;
    EXPECT_EQ(equityLine(r), "Win 75.9%   Tie 0.9%   Equity 76.3% \u00b1 0.1%");
    EXPECT_EQ(methodLine(r), "Monte Carlo, 999 deals");
    // Beside money written "2,00 €", so are the percentages.
    EXPECT_EQ(equityLine(r, testsupport::euroMoney()), "Win 75,9%   Tie 0,9%   Equity 76,3% \u00b1 0,1%");
    EXPECT_EQ(percentText(0.4567, testsupport::euroMoney()), "45,7%");
    EXPECT_EQ(percentText(0.4567, platform::Money::unitedStates()), "45.7%");
}

} // namespace
