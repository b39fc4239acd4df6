// The advisor asked with values: groups as values, bets with their class and
// their amounts in big blinds, hands given as a class or as two cards.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "EngineFixture.h"
#include "engine/PreflopQuery.h"
#include "engine/cards/CardParser.h"
#include "engine/cards/HandClass.h"

using namespace enginetest;

namespace {

using enum engine::PreflopAction;
using engine::BetClass;

struct QueryCase {
    engine::PreflopAction action;
    const char* hand;
    Pos pos;
    std::optional<double> limpers;
    engine::HandGroup group;
    BetClass betClass;
    double lowBB, highBB; // 0 for words
    const char* adviceKey; // "" for a literal or several pieces
};

class PreflopQueries : public ::testing::TestWithParam<QueryCase> {};

TEST_P(PreflopQueries, AnswerWithValues)
{
    const QueryCase& c = GetParam();
    engine::PreflopQuery q;
    q.hand = engine::handIndex(c.hand);
    ASSERT_GE(q.hand, 0) << c.hand;
    q.action = c.action;
    q.position = position(c.pos);
    q.limpers = c.limpers;
    q.bigBlind = 2;
    const engine::PreflopAnswer a = engine::answerPreflop(q);
    EXPECT_EQ(a.group, c.group) << c.hand;
    EXPECT_EQ(a.bet.betClass, c.betClass) << c.hand;
    EXPECT_DOUBLE_EQ(a.lowBB, c.lowBB) << c.hand;
    EXPECT_DOUBLE_EQ(a.highBB, c.highBB) << c.hand;
    if (*c.adviceKey) {
        ASSERT_TRUE(a.adviceKey()) << c.hand;
        EXPECT_EQ(engine::adviceKeyName(*a.adviceKey()), c.adviceKey) << c.hand;
    }
}

using engine::HandGroup;
INSTANTIATE_TEST_SUITE_P(
    Table, PreflopQueries,
    ::testing::Values(QueryCase{Opened, "AKs", Pos::Early, {}, HandGroup::G1, BetClass::Raise, 4, 6, "ADV_O_05"},
                      QueryCase{Opened, "AA", Pos::Blinds, {}, HandGroup::G1, BetClass::Raise, 3.5, 4, ""},
                      QueryCase{Opened, "KQs", Pos::Early, {}, HandGroup::G2, BetClass::Call, 1, 0, ""},
                      QueryCase{Opened, "A9", Pos::Blinds, {}, HandGroup::G8, BetClass::Fold, 0, 0, ""},
                      QueryCase{Opened, "72", Pos::Late, {}, HandGroup::NotRanked, BetClass::Fold, 0, 0, ""},
                      // One big blind per limper on top of the raise.
                      QueryCase{Limped, "AA", Pos::Early, 3, HandGroup::G1, BetClass::Raise, 7, 9, ""},
                      QueryCase{Raised, "AA", Pos::Late, {}, HandGroup::G1, BetClass::Raise, 0, 0, ""},
                      QueryCase{Raised, "AJs", Pos::Late, {}, HandGroup::G2, BetClass::Advice, 0, 0, ""}));

// Whatever the situation, the amounts in big blinds are the money amounts on
// that big blind, divided back.
TEST(PreflopQuery, AmountsInBigBlindsAreTheMoneyAmountsOverTheBigBlind)
{
    for (const engine::PreflopAction action : engine::kPreflopActions)
        for (const Pos pos : {Pos::None, Pos::Early, Pos::Middle, Pos::Late, Pos::Blinds})
            for (const double limpers : {0.0, 1.0, 4.0})
                for (int hand = 0; hand < engine::kHandCount; ++hand) {
                    const engine::PreflopAnswer a =
                        engine::answerPreflop({hand, position(pos), action, limpers, 2.5});
                    ASSERT_NEAR(a.lowBB * 2.5, a.bet.low, 1e-9) << engine::handText(hand);
                    ASSERT_NEAR(a.highBB * 2.5, a.bet.high, 1e-9) << engine::handText(hand);
                }
}

TEST(HandClass, OfTwoCards)
{
    const struct {
        const char* cards;
        const char* hand;
    } cases[] = {{"AhKh", "AKs"}, {"KdAh", "AK"}, {"2c2d", "22"}, {"7s2s", "72s"}, {"Th9c", "T9"}, {"3d2d", "32s"}};
    for (const auto& c : cases) {
        const auto cards = engine::cards::parseHoleCards(c.cards);
        ASSERT_TRUE(cards.ok()) << c.cards;
        EXPECT_EQ(engine::handText(engine::cards::handClassOf(cards.value)), c.hand) << c.cards;
    }
}

} // namespace
