// Bet sizing: the whole recomputation of each pre-flop action, from the
// window's inputs to the bet, group and advice it shows.

#include <gtest/gtest.h>

#include <string>

#include "EngineFixture.h"
#include "engine/Bet.h"

using namespace enginetest;

namespace {

enum class Action { Open, Limped, Raise, RaiseCall, ReRaise };

struct BetCase {
    Action action;
    const char* hand; // typed; a trailing "s" ticks Suited
    Pos pos;
    const char* bb;
    const char* limpers;
    const char* expected; // lblBetAmount afterwards; "prev" means left as it was
};

constexpr const char* kPrevious = "previous bet";
const std::string kHugeCount(305, '9');
const std::string kHugerCount(400, '9'); // more than a double holds

void run(State& s, Action a)
{
    switch (a) {
    case Action::Open: engine::getBetAmtOpen(s); break;
    case Action::Limped: engine::getBetAmtLimped(s); break;
    case Action::Raise: engine::getBetAmtRaise(s); break;
    case Action::RaiseCall: engine::getBetAmtRaiseCall(s); break;
    case Action::ReRaise: engine::getBetAmtRaiseReRaise(s); break;
    }
}

class BetTable : public ::testing::TestWithParam<BetCase> {};

TEST_P(BetTable, Writes)
{
    const BetCase& c = GetParam();
    State s;
    s.hand(c.hand);
    s.position(c.pos);
    s.txtBB.setText(c.bb);
    s.txtLimpers.setText(c.limpers);
    s.lblBetAmount.setCaption(kPrevious);
    run(s, c.action);
    const std::string expected = std::string(c.expected) == "prev" ? kPrevious : c.expected;
    EXPECT_EQ(s.lblBetAmount.caption(), expected)
        << c.hand << " " << posName(c.pos) << " bb \"" << c.bb << "\" limpers \"" << c.limpers << "\"";
}

using enum Action;
using enum Pos;

INSTANTIATE_TEST_SUITE_P(
    Unopened, BetTable,
    ::testing::Values(
        BetCase{Open, "AA", Early, "2", "", "$8.00 to $12.00"}, BetCase{Open, "AA", Blinds, "2", "", "$7.00 to $8.00"},
        BetCase{Open, "KQs", Early, "2", "", "$2.00"}, BetCase{Open, "AA", Blinds, "2.5", "", "$8.75 to $10.00"},
        BetCase{Open, "AA", Early, "1000", "", "$4,000.00 to $6,000.00"},
        BetCase{Open, "AA", Early, "", "", "$0.00 to $0.00"}, BetCase{Open, "AA", Early, "1.2.5", "", "$0.00 to $0.00"},
        BetCase{Open, "AA", Early, "$5.00", "", "$20.00 to $30.00"},
        BetCase{Open, "AA", Middle, "($2.00)", "", "($8.00) to ($12.00)"},
        BetCase{Open, "AA", None, "2", "", ""}, BetCase{Open, "76s", None, "2", "", "prev"},
        BetCase{Open, "76s", Blinds, "2", "", "See advice below"}, BetCase{Open, "A9", Blinds, "2", "", "Fold"},
        BetCase{Open, "A8", Blinds, "2", "", "Fold"}, BetCase{Open, "A8", Late, "2", "", "$8.00 to $12.00"},
        BetCase{Open, "99", Early, "2", "", "See advice below"}, BetCase{Open, "99", Middle, "2", "", "See advice below"},
        BetCase{Open, "99", Late, "2", "", "$8.00 to $12.00"}, BetCase{Open, "AA", Blinds, "0.25", "", "$0.88 to $1.00"},
        BetCase{Open, "AA", Early, "0.25", "", "$1.00 to $1.50"}, BetCase{Open, "72", None, "2", "", "Fold"},
        BetCase{Open, "KJs", Early, "2", "", "Fold"}, BetCase{Open, "QJs", Middle, "2", "", "$2.00"},
        BetCase{Open, "ATs", Early, "3", "", "$3.00"}, BetCase{Open, "A2s", Late, "2", "", "$2.00"},
        BetCase{Open, "A8s", Late, "2", "", "$8.00 to $12.00"},
        BetCase{Open, "AA", Early, "9999999999", "", "$39,999,999,996.00 to $59,999,999,994.00"}));

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
        BetCase{Raise, "AA", None, "2", "", "Re-Raise to full pot"}, BetCase{Raise, "QQ", Blinds, "", "", "Re-Raise to full pot"},
        BetCase{Raise, "JTs", Late, "2", "", "Call"}, BetCase{Raise, "JTs", Early, "2", "", "Fold"},
        BetCase{Raise, "JTs", Middle, "2", "", "Fold"}, BetCase{Raise, "JTs", Blinds, "2", "", ""},
        BetCase{Raise, "QJs", Blinds, "2", "", ""}, BetCase{Raise, "AJs", None, "2", "", "See advice below"},
        BetCase{Raise, "AKs", None, "2", "", ""}, BetCase{Raise, "22", None, "2", "", "Apply 5/10 Rule"},
        BetCase{Raise, "88", Blinds, "2", "", "Apply 5/10 Rule"}, BetCase{Raise, "KTs", None, "2", "", "Fold"},
        BetCase{Raise, "", None, "2", "", "Fold"}, BetCase{RaiseCall, "JTs", Blinds, "2", "", "Fold"},
        BetCase{RaiseCall, "JTs", None, "2", "", "Fold"}, BetCase{RaiseCall, "JTs", Late, "2", "", "Call"},
        BetCase{RaiseCall, "99", None, "2", "", "Call"}, BetCase{RaiseCall, "AQ", Blinds, "2", "", "Call"},
        BetCase{RaiseCall, "55", Early, "2", "", "Apply 5/10 Rule"}, BetCase{RaiseCall, "QJs", Late, "2", "", "See advice below"},
        BetCase{RaiseCall, "QJs", None, "2", "", ""}, BetCase{RaiseCall, "AK", None, "2", "", ""},
        BetCase{ReRaise, "99", Early, "2", "", "See advice below"}, BetCase{ReRaise, "99", None, "2", "", ""},
        BetCase{ReRaise, "QQ", None, "2", "", "prev"}, BetCase{ReRaise, "JJ", None, "2", "", "prev"},
        BetCase{ReRaise, "QQ", Late, "2", "", "See advise below"}, BetCase{ReRaise, "JJ", Blinds, "2", "", "See Advice below"},
        BetCase{ReRaise, "AKs", None, "2", "", "Call"}, BetCase{ReRaise, "AA", None, "2", "", "Re-Raise to full pot"},
        BetCase{ReRaise, "AQ", Late, "2", "", "Fold"}, BetCase{ReRaise, "A5s", Blinds, "2", "", "Fold"}));

TEST(BetFrame, UpperCasesShowsGroupAndAdviceAndKeepsTheBigBlindText)
{
    State s;
    int holeCardChanges = 0;
    s.txtHoleCard.change.connect([&] { ++holeCardChanges; });
    s.txtHoleCard.setText("ak");
    holeCardChanges = 0;
    s.chkSuited.setValue(1);
    s.position(Pos::Early);
    s.txtBB.setText("$2.00");
    engine::getBetAmtOpen(s);
    EXPECT_EQ(s.txtHoleCard.text(), "AK");
    EXPECT_EQ(holeCardChanges, 1); // the rewrite in upper case is a change
    EXPECT_EQ(s.lblCardValue.caption(), "AKs");
    EXPECT_EQ(s.lblGroup.caption(), "1");
    EXPECT_EQ(s.txtPreFlop.text(), expectedText("ADV_O_05"));
    EXPECT_EQ(s.bbText, "$2.00");
    EXPECT_EQ(s.betAmtLow, 8.0);
    EXPECT_EQ(s.betAmtHigh, 12.0);
    // The same inputs again give the same display.
    engine::getBetAmtOpen(s);
    EXPECT_EQ(holeCardChanges, 1);
    EXPECT_EQ(s.lblBetAmount.caption(), "$8.00 to $12.00");
}

TEST(BetFrame, AnUnusableBigBlindCountsAsZero)
{
    State s;
    s.hand("AA");
    s.position(Pos::Blinds);
    for (const char* bb : {"", ".", "1.2.5", "abc", "1,000"}) {
        s.txtBB.setText(bb);
        engine::getBetAmtOpen(s);
        EXPECT_EQ(s.bbText, "0") << bb;
        EXPECT_EQ(s.lblBetAmount.caption(), "$0.00 to $0.00") << bb;
    }
}

TEST(BetFrame, UnrecognisedHandKeepsTheLastHandAndStillShowsGroupAndAdvice)
{
    State s;
    s.position(Pos::Late);
    s.txtBB.setText("2");
    s.hand("QJ");
    engine::getBetAmtOpen(s);
    s.txtHoleCard.setText("A");
    engine::getBetAmtOpen(s);
    EXPECT_EQ(s.lblCardValue.caption(), "QJ");
    EXPECT_EQ(s.lblBetAmount.caption(), "$8.00 to $12.00");
    EXPECT_EQ(s.lblGroup.caption(), "5");
}

TEST(BetFrame, KTsWithoutLimpersAsksForThemAndLeavesTheBet)
{
    State s;
    s.hand("KTs");
    s.position(Pos::Late);
    s.txtBB.setText("2");
    s.lblBetAmount.setCaption(kPrevious);
    engine::getBetAmtLimped(s);
    EXPECT_EQ(s.lblBetAmount.caption(), kPrevious);
    EXPECT_EQ(s.txtPreFlop.text(), "Enter amount of Limpers");
    EXPECT_EQ(s.lblGroup.caption(), "4");
}

} // namespace
