// The strategy chart against the window: every cell equals what the window
// shows for that hand in that situation, entered as a player enters it.

#include <gtest/gtest.h>

#include <string>

#include "engine/Chart.h"
#include "tests/support/PlayerInput.h"
#include "window/model/FrmPoker.h"

using engine::Position;
using engine::PreflopAction;

namespace {

struct Shown {
    std::string group, bet, advice;
};

// Big blind, hole cards, Suited, position, action, limpers: the order
// `tablewise advise` uses too.
Shown windowShows(std::string_view hand, const engine::ChartSituation& sit, std::string_view limpers)
{
    using testsupport::click;
    using testsupport::type;
    window::FrmPoker frm({}, platform::Money::unitedStates());
    frm.Form_Load();
    auto& s = frm;
    type(s.txtBB, "2");
    type(s.txtHoleCard, hand.substr(0, 2));
    if (hand.size() == 3)
        click(s.chkSuited);
    click(s.positionOption(sit.position));
    click(s.actionOption(sit.action));
    if (sit.action == PreflopAction::Limped)
        type(s.txtLimpers, limpers);
    return {s.lblGroup.caption(), s.lblBetAmount.caption(), s.txtPreFlop.text()};
}

class ChartMatchesWindow
    : public ::testing::TestWithParam<std::tuple<PreflopAction, Position, const char*>> {};

TEST_P(ChartMatchesWindow, EveryCell)
{
    const auto [action, position, limpers] = GetParam();
    engine::ChartSituation sit;
    sit.action = action;
    sit.position = position;
    sit.bigBlind = 2;
    sit.limpers = std::stod(limpers);
    const engine::Chart chart = engine::computeChart(sit, platform::Money::unitedStates());
    for (int i = 0; i < engine::kHandCount; ++i) {
        const engine::ChartCell& c = chart.cells[static_cast<std::size_t>(i)];
        ASSERT_EQ(c.hand, engine::handText(i));
        const Shown shown = windowShows(c.hand, sit, limpers);
        EXPECT_EQ(engine::groupText(c.group), shown.group) << c.hand;
        EXPECT_EQ(c.bet, shown.bet) << c.hand;
        EXPECT_EQ(c.advice, shown.advice) << c.hand;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EverySituation, ChartMatchesWindow,
    ::testing::Combine(::testing::Values(PreflopAction::Opened, PreflopAction::Limped, PreflopAction::Raised,
                                         PreflopAction::RaisedCalled, PreflopAction::ReRaised),
                       ::testing::ValuesIn(engine::kPositions),
                       ::testing::Values("1", "3")));

TEST(ChartText, FirstSentence)
{
    EXPECT_EQ(engine::firstSentence("Raise 4-6xBB. If re-raised, fold."), "Raise 4-6xBB.");
    EXPECT_EQ(engine::firstSentence("Call if the 5/10 rule applies"), "Call if the 5/10 rule applies");
    EXPECT_EQ(engine::firstSentence("Raise 3.5-4xBB and go"), "Raise 3.5-4xBB and go");
    EXPECT_EQ(engine::firstSentence("Lead.\r\n\r\nMore."), "Lead.");
    EXPECT_EQ(engine::firstSentence("Heading\r\nText."), "Heading");
}

} // namespace
