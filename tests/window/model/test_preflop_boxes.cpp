// Bet sizing: the whole recomputation of each pre-flop action, from the
// window's boxes to the bet, group and advice it shows.

#include <gtest/gtest.h>

#include <string>

#include "engine/Groups.h"
#include "tests/engine/EngineFixture.h"
#include "window/model/PreflopBoxes.h"

using namespace enginetest;

namespace {

// A pre-flop situation with a hand typed as the hole-card box and the Suited
// box hold it: "AKs" ticks Suited.
window::PreflopBoxes situation(engine::PreflopAction action, std::string_view hand, Pos pos,
                              std::string_view bigBlind = "", std::string_view limpers = "")
{
    window::PreflopBoxes s;
    s.action = action;
    s.holeCards = hand.substr(0, 2);
    s.suited = hand.size() == 3 && hand[2] == 's';
    s.position = position(pos);
    s.bigBlind = bigBlind;
    s.limpers = limpers;
    return s;
}

using Action = engine::PreflopAction;

struct BetCase {
    Action action;
    const char* hand; // typed; a trailing "s" ticks Suited
    Pos pos;
    const char* bb;
    const char* limpers;
    const char* expected; // the bet as the window shows it; "prev" means left as it was
};

const std::string kHugeCount(305, '9');
const std::string kHugerCount(400, '9'); // more than a double holds

window::PreflopRecommendation recommend(const BetCase& c)
{
    return window::advisePreflop(situation(c.action, c.hand, c.pos, c.bb, c.limpers), platform::Money::unitedStates());
}

class BetTable : public ::testing::TestWithParam<BetCase> {};

TEST_P(BetTable, Writes)
{
    const BetCase& c = GetParam();
    const window::PreflopRecommendation r = recommend(c);
    const std::string shown =
        r.bet.kind == engine::Bet::Kind::Unchanged ? "prev" : engine::betText(r.bet, platform::Money::unitedStates());
    EXPECT_EQ(shown, c.expected) << c.hand << " " << posName(c.pos) << " bb \"" << c.bb << "\" limpers \""
                                 << c.limpers << "\"";
}

using enum engine::PreflopAction;
using enum Pos;

INSTANTIATE_TEST_SUITE_P(
    Unopened, BetTable,
    ::testing::Values(
        BetCase{Opened, "AA", Early, "2", "", "$8.00 to $12.00"}, BetCase{Opened, "AA", Blinds, "2", "", "$7.00 to $8.00"},
        BetCase{Opened, "KQs", Early, "2", "", "$2.00"}, BetCase{Opened, "AA", Blinds, "2.5", "", "$8.75 to $10.00"},
        BetCase{Opened, "AA", Early, "1000", "", "$4,000.00 to $6,000.00"},
        BetCase{Opened, "AA", Early, "", "", "$0.00 to $0.00"}, BetCase{Opened, "AA", Early, "1.2.5", "", "$0.00 to $0.00"},
        BetCase{Opened, "AA", Early, "$5.00", "", "$20.00 to $30.00"},
        BetCase{Opened, "AA", Middle, "($2.00)", "", "($8.00) to ($12.00)"},
        BetCase{Opened, "AA", None, "2", "", ""}, BetCase{Opened, "76s", None, "2", "", "prev"},
        BetCase{Opened, "76s", Blinds, "2", "", "See advice below"}, BetCase{Opened, "A9", Blinds, "2", "", "Fold"},
        BetCase{Opened, "A8", Blinds, "2", "", "Fold"}, BetCase{Opened, "A8", Late, "2", "", "$8.00 to $12.00"},
        BetCase{Opened, "99", Early, "2", "", "See advice below"}, BetCase{Opened, "99", Middle, "2", "", "See advice below"},
        BetCase{Opened, "99", Late, "2", "", "$8.00 to $12.00"}, BetCase{Opened, "AA", Blinds, "0.25", "", "$0.88 to $1.00"},
        BetCase{Opened, "AA", Early, "0.25", "", "$1.00 to $1.50"}, BetCase{Opened, "72", None, "2", "", "Fold"},
        BetCase{Opened, "KJs", Early, "2", "", "Fold"}, BetCase{Opened, "QJs", Middle, "2", "", "$2.00"},
        BetCase{Opened, "ATs", Early, "3", "", "$3.00"}, BetCase{Opened, "A2s", Late, "2", "", "$2.00"},
        BetCase{Opened, "A8s", Late, "2", "", "$8.00 to $12.00"},
        BetCase{Opened, "AA", Early, "9999999999", "", "$39,999,999,996.00 to $59,999,999,994.00"}));

INSTANTIATE_TEST_SUITE_P(
    Limped, BetTable,
    ::testing::Values(
        BetCase{Limped, "AA", Early, "2", "3", "$14.00 to $18.00"}, BetCase{Limped, "AA", Blinds, "2", "3", "$16.00 to $18.00"},
        BetCase{Limped, "AQ", Early, "2", "3", "$14.00"}, BetCase{Limped, "AQ", Middle, "2", "3", "$14.00 to $18.00"},
        BetCase{Limped, "AQ", Late, "2", "3", "$14.00"}, BetCase{Limped, "AQ", Blinds, "2", "3", "See Advice below"},
        BetCase{Limped, "AQ", Blinds, "2", "", ""}, BetCase{Limped, "TT", Early, "2", "3", "$2.00"},
        BetCase{Limped, "KTs", Late, "2", "1", "$10.00"}, BetCase{Limped, "KTs", Late, "2", "2", "$2.00"},
        BetCase{Limped, "KTs", Late, "2", "0", ""}, BetCase{Limped, "KTs", Middle, "2", "0", "$2.00"},
        BetCase{Limped, "KTs", Blinds, "2", "4", "See advice below"}, BetCase{Limped, "KTs", Early, "2", "", "prev"},
        BetCase{Limped, "KTs", None, "2", "", "prev"}, BetCase{Limped, "KT", Late, "2", "1", "$10.00"},
        BetCase{Limped, "KT", Late, "2", "0", ""}, BetCase{Limped, "KT", Middle, "2", "5", "Fold"},
        BetCase{Limped, "AA", Early, "2", "", ""}, BetCase{Limped, "AT", None, "2", "3", "prev"},
        BetCase{Limped, "AT", Middle, "2", "", "prev"}, BetCase{Limped, "AT", Middle, "2", "1", "$10.00"},
        BetCase{Limped, "JJ", Late, "2", "", ""}, BetCase{Limped, "JJ", Late, "2", "3", "See advice below"},
        BetCase{Limped, "JJ", Early, "2", "", "See advice below"}, BetCase{Limped, "JJ", Middle, "2", "5", "See advice below"},
        BetCase{Limped, "TT", Blinds, "2", "", ""}, BetCase{Limped, "TT", Blinds, "2", "0", "$10.00 to $12.00"},
        BetCase{Limped, "99", Early, "2", "1", "$10.00"}, BetCase{Limped, "QJ", Blinds, "2", "3", ""},
        BetCase{Limped, "ATs", Blinds, "2", "", "Complete SB"}, BetCase{Limped, "A9", Late, "2", "", "$2.00"},
        BetCase{Limped, "72", Late, "2", "3", "Fold"}, BetCase{Limped, "AA", Early, "", "3", "$0.00 to $0.00"},
        // a count too large for sound amounts, and one that is no number at all
        BetCase{Limped, "AA", Early, "9999999999", kHugeCount.c_str(), "Amount too large to Amount too large"},
        BetCase{Limped, "AA", Early, "2", kHugerCount.c_str(), "Amount too large to Amount too large"},
        BetCase{Limped, "AA", Early, "", kHugerCount.c_str(), "$0.00 to $0.00"},
        BetCase{Limped, "KT", Late, "2", kHugerCount.c_str(), "$2.00"},
        BetCase{Limped, "AA", Early, "2", "3x", ""}, BetCase{Limped, "KTs", Late, "2", "x", "prev"}));

INSTANTIATE_TEST_SUITE_P(
    Raised, BetTable,
    ::testing::Values(
        BetCase{Raised, "AA", None, "2", "", "Re-Raise to full pot"}, BetCase{Raised, "QQ", Blinds, "", "", "Re-Raise to full pot"},
        BetCase{Raised, "JTs", Late, "2", "", "Call"}, BetCase{Raised, "JTs", Early, "2", "", "Fold"},
        BetCase{Raised, "JTs", Middle, "2", "", "Fold"}, BetCase{Raised, "JTs", Blinds, "2", "", ""},
        BetCase{Raised, "QJs", Blinds, "2", "", ""}, BetCase{Raised, "AJs", None, "2", "", "See advice below"},
        BetCase{Raised, "AKs", None, "2", "", ""}, BetCase{Raised, "22", None, "2", "", "Apply 5/10 Rule"},
        BetCase{Raised, "88", Blinds, "2", "", "Apply 5/10 Rule"}, BetCase{Raised, "KTs", None, "2", "", "Fold"},
        BetCase{Raised, "", None, "2", "", "Fold"}, BetCase{RaisedCalled, "JTs", Blinds, "2", "", "Fold"},
        BetCase{RaisedCalled, "JTs", None, "2", "", "Fold"}, BetCase{RaisedCalled, "JTs", Late, "2", "", "Call"},
        BetCase{RaisedCalled, "99", None, "2", "", "Call"}, BetCase{RaisedCalled, "AQ", Blinds, "2", "", "Call"},
        BetCase{RaisedCalled, "55", Early, "2", "", "Apply 5/10 Rule"}, BetCase{RaisedCalled, "QJs", Late, "2", "", "See advice below"},
        BetCase{RaisedCalled, "QJs", None, "2", "", ""}, BetCase{RaisedCalled, "AK", None, "2", "", ""},
        BetCase{ReRaised, "99", Early, "2", "", "See advice below"}, BetCase{ReRaised, "99", None, "2", "", ""},
        BetCase{ReRaised, "QQ", None, "2", "", "prev"}, BetCase{ReRaised, "JJ", None, "2", "", "prev"},
        BetCase{ReRaised, "QQ", Late, "2", "", "See advise below"}, BetCase{ReRaised, "JJ", Blinds, "2", "", "See Advice below"},
        BetCase{ReRaised, "AKs", None, "2", "", "Call"}, BetCase{ReRaised, "AA", None, "2", "", "Re-Raise to full pot"},
        BetCase{ReRaised, "AQ", Late, "2", "", "Fold"}, BetCase{ReRaised, "A5s", Blinds, "2", "", "Fold"}));

// Each bet comes with the class a player reads it by.
struct ClassCase {
    BetCase bet;
    engine::BetClass expected;
};

class BetClasses : public ::testing::TestWithParam<ClassCase> {};

TEST_P(BetClasses, ComeWithTheBet)
{
    const auto& [c, expected] = GetParam();
    const window::PreflopRecommendation r = recommend(c);
    EXPECT_EQ(engine::betText(r.bet, platform::Money::unitedStates()), c.expected) << c.hand;
    EXPECT_EQ(r.bet.betClass, expected) << c.expected;
}

using engine::BetClass;

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfBet, BetClasses,
    ::testing::Values(
        ClassCase{{Opened, "AA", Early, "2", "", "$8.00 to $12.00"}, BetClass::Raise},
        ClassCase{{Limped, "AQ", Early, "2", "3", "$14.00"}, BetClass::Raise},
        ClassCase{{Opened, "KQs", Early, "2", "", "$2.00"}, BetClass::Call},
        ClassCase{{Raised, "AA", Late, "2", "", "Re-Raise to full pot"}, BetClass::Raise},
        ClassCase{{RaisedCalled, "99", Late, "2", "", "Call"}, BetClass::Call},
        ClassCase{{Limped, "ATs", Blinds, "2", "3", "Complete SB"}, BetClass::Call},
        ClassCase{{Raised, "22", Late, "2", "", "Apply 5/10 Rule"}, BetClass::Call},
        ClassCase{{Opened, "KJs", Early, "2", "", "Fold"}, BetClass::Fold},
        ClassCase{{Raised, "AJs", Late, "2", "", "See advice below"}, BetClass::Advice},
        ClassCase{{ReRaised, "QQ", Late, "2", "", "See advise below"}, BetClass::Advice},
        ClassCase{{ReRaised, "JJ", Blinds, "2", "", "See Advice below"}, BetClass::Advice},
        ClassCase{{Raised, "JTs", Blinds, "2", "", ""}, BetClass::Advice},
        ClassCase{{Limped, "AA", Early, "2", kHugerCount.c_str(), "Amount too large to Amount too large"},
                  BetClass::Raise},
        ClassCase{{Opened, "A2s", Late, "1.5", "", "$1.50"}, BetClass::Call}));

TEST(PreflopRecommendation, ReadsTheHandAndGivesGroupAdviceAndTheBigBlindText)
{
    const window::PreflopRecommendation r =
        window::advisePreflop(situation(Opened, "aks", Pos::Early, "$2.00"), platform::Money::unitedStates());
    EXPECT_EQ(r.hand.holeCards, "AK"); // the box is rewritten in capitals
    EXPECT_EQ(r.hand.handText.view(), "AKs");
    EXPECT_EQ(engine::groupText(r.group), "1");
    EXPECT_EQ(r.advice->text(), expectedText("ADV_O_05"));
    EXPECT_EQ(r.bigBlindText, "$2.00");
    EXPECT_EQ(r.bet.kind, engine::Bet::Kind::Range);
    EXPECT_EQ(r.bet.low, 8.0);
    EXPECT_EQ(r.bet.high, 12.0);
    EXPECT_EQ(engine::betText(r.bet, platform::Money::unitedStates()), "$8.00 to $12.00");
    EXPECT_EQ(r.bet.betClass, engine::BetClass::Raise);
}

TEST(PreflopRecommendation, AnUnusableBigBlindCountsAsZero)
{
    for (const char* bb : {"", ".", "1.2.5", "abc", "1,00,000"}) {
        const window::PreflopRecommendation r = window::advisePreflop(situation(Opened, "AA", Pos::Blinds, bb), platform::Money::unitedStates());
        EXPECT_EQ(r.bigBlindText, "0") << bb;
        EXPECT_EQ(engine::betText(r.bet, platform::Money::unitedStates()), "$0.00 to $0.00") << bb;
    }
}

TEST(PreflopRecommendation, AnUnrecognisedHandKeepsTheLastHandAndStillGivesGroupAndAdvice)
{
    window::PreflopBoxes s = situation(Opened, "QJ", Pos::Late, "2");
    const window::PreflopRecommendation first = window::advisePreflop(s, platform::Money::unitedStates());
    s.lastHand = first.hand.sortedHand.view();
    s.holeCards = "A";
    const window::PreflopRecommendation r = window::advisePreflop(s, platform::Money::unitedStates());
    EXPECT_EQ(r.hand.handText.view(), "QJ");
    EXPECT_EQ(engine::betText(r.bet, platform::Money::unitedStates()), "$8.00 to $12.00");
    EXPECT_EQ(engine::groupText(r.group), "5");
}

TEST(PreflopRecommendation, KTsWithoutLimpersAsksForThemAndLeavesTheBet)
{
    const window::PreflopRecommendation r = window::advisePreflop(situation(Limped, "KTs", Pos::Late, "2"), platform::Money::unitedStates());
    EXPECT_EQ(r.bet.kind, engine::Bet::Kind::Unchanged);
    EXPECT_EQ(r.advice->text(), "Enter amount of Limpers");
    EXPECT_EQ(engine::groupText(r.group), "4");
}

} // namespace
