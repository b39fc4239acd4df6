#include "engine/Chart.h"

#include <memory>

#include "engine/Bet.h"
#include "engine/PokerState.h"

namespace engine {

namespace {

void (*betRoutine(PreflopAction a))(PokerState&)
{
    switch (a) {
    case PreflopAction::Opened: return getBetAmtOpen;
    case PreflopAction::Limped: return getBetAmtLimped;
    case PreflopAction::Raised: return getBetAmtRaise;
    case PreflopAction::RaisedCalled: return getBetAmtRaiseCall;
    case PreflopAction::ReRaised: break;
    }
    return getBetAmtRaiseReRaise;
}

platform::OptionButton& positionOption(PokerState& s, ChartPosition p)
{
    switch (p) {
    case ChartPosition::Early: return s.optEarly;
    case ChartPosition::Middle: return s.optMiddle;
    case ChartPosition::Late: return s.optLate;
    case ChartPosition::Blinds: break;
    }
    return s.optBlinds;
}

platform::OptionButton& actionOption(PokerState& s, PreflopAction a)
{
    switch (a) {
    case PreflopAction::Opened: return s.optOpened;
    case PreflopAction::Limped: return s.optLimped;
    case PreflopAction::Raised: return s.optRaised;
    case PreflopAction::RaisedCalled: return s.optRaisedCalled;
    case PreflopAction::ReRaised: break;
    }
    return s.optRaiseReRaise;
}

} // namespace

Chart computeChart(const ChartSituation& situation, const platform::Money& money)
{
    Chart chart;
    chart.situation = situation;
    // A window state of its own, with no handlers connected: the routines
    // run exactly as in the window, and the window itself is not touched.
    auto scratch = std::make_unique<PokerState>(money);
    PokerState& s = *scratch;
    s.txtBB.setText(situation.bigBlind);
    positionOption(s, situation.position).setValue(true);
    actionOption(s, situation.action).setValue(true);
    if (situation.action == PreflopAction::Limped)
        s.txtLimpers.setText(situation.limpers);
    const double bb = money.toDouble(situation.bigBlind).value_or(0.0);
    const auto run = betRoutine(situation.action);

    for (int i = 0; i < kHandCount; ++i) {
        const std::string_view hand = handText(i);
        s.lblBetAmount.setCaption({});
        s.txtHoleCard.setText(hand.substr(0, 2));
        s.chkSuited.setValue(hand.size() == 3 ? 1 : 0);
        run(s);
        ChartCell& cell = chart.cells[static_cast<std::size_t>(i)];
        cell.hand.assign(hand);
        cell.group = s.lblGroup.caption();
        cell.bet = s.lblBetAmount.caption();
        cell.advice = s.txtPreFlop.text();
        cell.betClass = classifyBet(cell.bet, bb, money);
    }
    return chart;
}

BetClass classifyBet(std::string_view bet, double bigBlind, const platform::Money& money)
{
    if (bet == "Fold")
        return BetClass::Fold;
    if (bet == "Re-Raise to full pot")
        return BetClass::Raise;
    if (bet == "Call" || bet == "Complete SB" || bet == "Apply 5/10 Rule")
        return BetClass::Call;
    if (bet.empty() || bet == "See advice below" || bet == "See advise below" || bet == "See Advice below")
        return BetClass::Advice;
    if (bet.find(" to ") != std::string_view::npos || bet.starts_with(platform::kAmountTooLarge))
        return BetClass::Raise;
    const auto amount = money.toDouble(bet);
    if (!amount)
        return BetClass::Advice;
    return *amount > bigBlind ? BetClass::Raise : BetClass::Call;
}

std::string_view betClassName(BetClass c)
{
    switch (c) {
    case BetClass::Raise: return "raise";
    case BetClass::Call: return "limp/call";
    case BetClass::Fold: return "fold";
    case BetClass::Advice: break;
    }
    return "read the advice";
}

std::string_view betClassDescription(BetClass c)
{
    switch (c) {
    case BetClass::Raise: return "raise: an amount above one big blind, or a re-raise to the full pot";
    case BetClass::Call: return "limp/call: one big blind, call, complete the small blind, or the 5/10 rule";
    case BetClass::Fold: return "fold";
    case BetClass::Advice: break;
    }
    return "read the advice: it depends on the table, the advice says how";
}

std::string_view actionName(PreflopAction a)
{
    switch (a) {
    case PreflopAction::Opened: return "Opened";
    case PreflopAction::Limped: return "Limped";
    case PreflopAction::Raised: return "Raise";
    case PreflopAction::RaisedCalled: return "Raise and Call";
    case PreflopAction::ReRaised: break;
    }
    return "Raise and Re-Raise";
}

std::string_view positionName(ChartPosition p)
{
    switch (p) {
    case ChartPosition::Early: return "Early";
    case ChartPosition::Middle: return "Middle";
    case ChartPosition::Late: return "Late";
    case ChartPosition::Blinds: break;
    }
    return "Blinds";
}

std::string_view firstSentence(std::string_view advice)
{
    for (std::size_t i = 0; i < advice.size(); ++i) {
        const char c = advice[i];
        if (c == '\r' || c == '\n')
            return advice.substr(0, i);
        if ((c == '.' || c == '?' || c == '!') && (i + 1 == advice.size() || advice[i + 1] == ' ' || advice[i + 1] == '\r'))
            return advice.substr(0, i + 1);
    }
    return advice;
}

} // namespace engine
