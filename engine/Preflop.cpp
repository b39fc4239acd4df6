#include "engine/Preflop.h"

#include <optional>

#include "engine/PreflopTables.h"

namespace engine {

namespace {

struct ActionTables {
    const AdviceTable& advice;
    const BetTable& bets;
};

const ActionTables& tablesFor(PreflopAction a)
{
    static const ActionTables kTables[] = {
        {kOpenedAdvice, kOpenedBets},             // Opened
        {kLimpedAdvice, kLimpedBets},             // Limped
        {kRaisedAdvice, kRaisedBets},             // Raised
        {kRaisedCalledAdvice, kRaisedCalledBets}, // RaisedCalled
        {kReRaisedAdvice, kReRaisedBets},         // ReRaised
    };
    return kTables[static_cast<std::size_t>(a)];
}

} // namespace

const AdviceText& preflopAdvice(PreflopAction action, std::string_view handText, std::optional<Position> position,
                                std::optional<double> limpers)
{
    const AdviceRow* row = tablesFor(action).advice.find(handText);
    if (!row)
        return handText.empty() ? kEnterHoleCards : kNotPlayable;
    if (row->limperRule)
        return limperRuleAdvice(*row, position, limpers);
    return row->cell(position);
}

namespace {

// f x BB, with BB x L added per limper; 1 x BB is the big blind itself. A big
// blind of zero adds nothing per limper, however many there are.
Bet betOf(const BetCell& cell, double bb, double limpers)
{
    Bet bet;
    bet.kind = cell.kind;
    bet.betClass = cell.betClass;
    switch (cell.kind) {
    case Bet::Kind::Unchanged:
    case Bet::Kind::ZeroPrompt:
        return bet;
    case Bet::Kind::Word:
        bet.word = cell.word;
        return bet;
    case Bet::Kind::Amount:
    case Bet::Kind::Range:
        break;
    }
    auto amount = [&](double f) {
        const double base = f == 1 ? bb : bb * f;
        const double perLimpers = bb == 0 ? 0 : bb * limpers;
        return cell.perLimper ? base + perLimpers : base;
    };
    bet.low = amount(cell.low);
    if (cell.kind == Bet::Kind::Range)
        bet.high = amount(cell.high);
    return bet;
}

} // namespace

Bet preflopBet(PreflopAction action, std::string_view handText, std::optional<Position> position, double bb,
               std::optional<double> limpers)
{
    const BetRow* row = tablesFor(action).bets.find(handText);
    if (!row)
        return betOf(kFold, bb, 0);
    if (row->limperRule && !limpers)
        return {}; // the advice asks for the count; the bet stays
    if (row->limperRule && position == Position::Late) {
        if (*limpers == 1)
            return betOf(amountL(4), bb, *limpers);
        if (*limpers > 1)
            return betOf(oneBB(), bb, *limpers);
        return betOf(row->none, bb, *limpers);
    }
    const BetCell& cell = row->cell(position);
    if (cell.needsLimpers && !limpers)
        return betOf(row->none, bb, 0);
    return betOf(cell, bb, limpers.value_or(0));
}

namespace {

template <class Cell>
bool sameInEveryPosition(const PositionRow<Cell>& row)
{
    return row.middle == row.early && row.late == row.early && row.blinds == row.early;
}

} // namespace

PreflopReads preflopReads(PreflopAction action, std::string_view handText, std::optional<Position> position)
{
    const ActionTables& tables = tablesFor(action);
    const AdviceRow* advice = tables.advice.find(handText);
    const BetRow* bet = tables.bets.find(handText);
    PreflopReads reads;
    reads.position = (advice && (advice->limperRule || !sameInEveryPosition(*advice)))
        || (bet && (bet->limperRule || !sameInEveryPosition(*bet)));
    reads.limperCount = (advice && advice->limperRule) || (bet && (bet->limperRule || bet->cell(position).needsLimpers));
    return reads;
}

} // namespace engine
