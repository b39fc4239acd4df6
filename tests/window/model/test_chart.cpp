// The strategy chart against the window: every cell equals what the window
// shows for that hand in that situation, entered as a player enters it.

#include <gtest/gtest.h>

#include <string>

#include "engine/Chart.h"
#include "platform/form/Input.h"
#include "window/model/FrmPoker.h"

using namespace platform;
using engine::BetClass;
using engine::ChartPosition;
using engine::PreflopAction;

namespace {

const Money& usMoney()
{
    static const Money m(MoneyLocale::unitedStates());
    return m;
}

struct Shown {
    std::string group, bet, advice;
};

// Big blind, hole cards, Suited, position, action, limpers: the order
// `tablewise advise` uses too.
Shown windowShows(std::string_view hand, const engine::ChartSituation& sit)
{
    window::FrmPoker frm({}, usMoney());
    frm.Form_Load();
    auto& s = frm.state;
    auto type = [](TextBox& box, std::string_view text) {
        input::moveFocus(box);
        for (char c : text) {
            box.setSelection(box.text().size(), 0);
            input::keyPress(box, c);
        }
    };
    auto click = [](Control& c) {
        input::moveFocus(c);
        input::click(c);
    };
    type(s.txtBB, sit.bigBlind);
    type(s.txtHoleCard, hand.substr(0, 2));
    if (hand.size() == 3)
        click(s.chkSuited);
    OptionButton* position[] = {&s.optEarly, &s.optMiddle, &s.optLate, &s.optBlinds};
    click(*position[static_cast<int>(sit.position)]);
    OptionButton* action[] = {&s.optOpened, &s.optLimped, &s.optRaised, &s.optRaisedCalled, &s.optRaiseReRaise};
    click(*action[static_cast<int>(sit.action)]);
    if (sit.action == PreflopAction::Limped)
        type(s.txtLimpers, sit.limpers);
    return {s.lblGroup.caption(), s.lblBetAmount.caption(), s.txtPreFlop.text()};
}

class ChartMatchesWindow
    : public ::testing::TestWithParam<std::tuple<PreflopAction, ChartPosition, const char*>> {};

TEST_P(ChartMatchesWindow, EveryCell)
{
    const auto [action, position, limpers] = GetParam();
    engine::ChartSituation sit;
    sit.action = action;
    sit.position = position;
    sit.bigBlind = "2";
    sit.limpers = limpers;
    const engine::Chart chart = engine::computeChart(sit, usMoney());
    for (int i = 0; i < engine::kHandCount; ++i) {
        const engine::ChartCell& c = chart.cells[static_cast<std::size_t>(i)];
        ASSERT_EQ(c.hand, engine::handText(i));
        const Shown shown = windowShows(c.hand, sit);
        EXPECT_EQ(c.group, shown.group) << c.hand;
        EXPECT_EQ(c.bet, shown.bet) << c.hand;
        EXPECT_EQ(c.advice, shown.advice) << c.hand;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EverySituation, ChartMatchesWindow,
    ::testing::Combine(::testing::Values(PreflopAction::Opened, PreflopAction::Limped, PreflopAction::Raised,
                                         PreflopAction::RaisedCalled, PreflopAction::ReRaised),
                       ::testing::Values(ChartPosition::Early, ChartPosition::Middle, ChartPosition::Late,
                                         ChartPosition::Blinds),
                       ::testing::Values("1", "3")));

struct ClassCase {
    const char* bet;
    BetClass expected;
};

TEST(BetClasses, ByTheBetText)
{
    const ClassCase cases[] = {
        {"$8.00 to $12.00", BetClass::Raise},   {"$10.00", BetClass::Raise},      {"$2.00", BetClass::Call},
        {"Re-Raise to full pot", BetClass::Raise}, {"Call", BetClass::Call},      {"Complete SB", BetClass::Call},
        {"Apply 5/10 Rule", BetClass::Call},    {"Fold", BetClass::Fold},         {"See advice below", BetClass::Advice},
        {"See advise below", BetClass::Advice}, {"See Advice below", BetClass::Advice}, {"", BetClass::Advice},
        {"Amount too large", BetClass::Raise},  {"$1.50", BetClass::Call},
    };
    for (const ClassCase& c : cases)
        EXPECT_EQ(engine::classifyBet(c.bet, 2.0, usMoney()), c.expected) << c.bet;
}

TEST(ChartText, FirstSentence)
{
    EXPECT_EQ(engine::firstSentence("Raise 4-6xBB. If re-raised, fold."), "Raise 4-6xBB.");
    EXPECT_EQ(engine::firstSentence("Call if the 5/10 rule applies"), "Call if the 5/10 rule applies");
    EXPECT_EQ(engine::firstSentence("Raise 3.5-4xBB and go"), "Raise 3.5-4xBB and go");
    EXPECT_EQ(engine::firstSentence("Lead.\r\n\r\nMore."), "Lead.");
    EXPECT_EQ(engine::firstSentence("Heading\r\nText."), "Heading");
}

} // namespace
