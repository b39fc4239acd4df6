#include "engine/Chart.h"

#include "engine/PreflopQuery.h"

namespace engine {

Chart computeChart(const ChartSituation& situation, const platform::Money& money)
{
    Chart chart;
    chart.situation = situation;
    PreflopQuery q;
    q.action = situation.action;
    q.position = situation.position;
    q.bigBlind = situation.inBigBlinds ? 1.0 : situation.bigBlind;
    if (situation.action == PreflopAction::Limped)
        q.limpers = situation.limpers;

    for (int i = 0; i < kHandCount; ++i) {
        q.hand = i;
        const PreflopAnswer a = answerPreflop(q);
        ChartCell& cell = chart.cells[static_cast<std::size_t>(i)];
        cell.hand.assign(handText(i));
        cell.group = a.group;
        if (situation.inBigBlinds)
            cell.bet = betTextInBigBlinds(a.bet);
        else
            appendBetText(cell.bet, a.bet, money);
        a.advice->assignTo(cell.advice);
        cell.betClass = a.bet.betClass;
    }
    return chart;
}

namespace {

struct BetClassWords {
    std::string_view name;
    std::string_view description;
};

// In the order of BetClass.
constexpr BetClassWords kBetClassWords[] = {
    {"raise", "raise: an amount above one big blind, or a re-raise to the full pot"},
    {"limp/call", "limp/call: one big blind, call, complete the small blind, or the 5/10 rule"},
    {"fold", "fold"},
    {"read the advice", "read the advice: it depends on the table, the advice says how"},
};

} // namespace

std::string_view betClassName(BetClass c)
{
    return kBetClassWords[static_cast<std::size_t>(c)].name;
}

std::string_view betClassDescription(BetClass c)
{
    return kBetClassWords[static_cast<std::size_t>(c)].description;
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
