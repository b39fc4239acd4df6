#include "engine/BetFrame.h"

#include <optional>
#include <string>

#include "engine/Groups.h"
#include "engine/Limpers.h"
#include "engine/PokerState.h"

namespace engine {

namespace {

bool hasLowerCase(const std::string& text)
{
    for (char c : text)
        if (c >= 'a' && c <= 'z')
            return true;
    return false;
}

void upperCaseHoleCards(PokerState& s)
{
    if (!hasLowerCase(s.txtHoleCard.text()))
        return; // writing the same text back changes nothing
    std::string upper = s.txtHoleCard.text();
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    s.txtHoleCard.setText(upper);
}

void writeBet(PokerState& s, const BetCell& cell, double bb, double limpers)
{
    using Kind = BetCell::Kind;
    switch (cell.kind) {
    case Kind::Unchanged:
        return;
    case Kind::Empty:
        s.lblBetAmount.setCaption({});
        return;
    case Kind::Word:
        s.lblBetAmount.setCaption(cell.word);
        return;
    case Kind::Amount:
    case Kind::Range:
        break;
    }
    // f x BB, with BB x L added per limper; 1 x BB is the big blind itself.
    // A big blind of zero adds nothing per limper, however many there are.
    auto amount = [&](double f) {
        const double base = f == 1 ? bb : bb * f;
        const double perLimpers = bb == 0 ? 0 : bb * limpers;
        return cell.perLimper ? base + perLimpers : base;
    };
    s.scratch.clear();
    s.betAmtLow = amount(cell.low);
    s.money.appendAmount(s.scratch, s.betAmtLow);
    if (cell.kind == Kind::Range) {
        s.betAmtHigh = amount(cell.high);
        s.scratch.append(" to ");
        s.money.appendAmount(s.scratch, s.betAmtHigh);
    }
    s.lblBetAmount.setCaption(s.scratch);
}

} // namespace

void runBetFrame(PokerState& s, void (*advise)(PokerState&), const BetTable& table)
{
    upperCaseHoleCards(s);
    sortCard(s);
    addCheck(s);
    findGroupNo(s);
    advise(s);

    const std::string& bbBox = s.txtBB.text();
    const std::optional<double> bbValue = s.money.toDouble(bbBox);
    if (bbValue)
        s.bbText.assign(bbBox);
    else
        s.bbText.assign("0");
    const double bb = bbValue.value_or(0.0);

    const int r = findRow(table.index, s.lblCardValue.caption());
    if (r < 0) {
        s.lblBetAmount.setCaption(kFold);
    } else {
        const BetRow& row = table.rows[static_cast<std::size_t>(r)];
        const Position position = selectedPosition(s);
        const std::optional<double> limpers = limperCount(s);
        if (row.limperRule && !limpers) {
            // KTs and KT without a count: ask for it and leave the bet.
            s.txtPreFlop.setText(kEnterAmountOfLimpersCapital);
        } else if (row.limperRule && position == Position::Late) {
            if (*limpers == 1)
                writeBet(s, amountL(4), bb, *limpers);
            else if (*limpers > 1)
                writeBet(s, oneBB(), bb, *limpers);
            else
                writeBet(s, row.none, bb, *limpers);
        } else {
            const BetCell& cell = row.cell(position);
            if (cell.needsLimpers && !limpers)
                writeBet(s, row.none, bb, 0);
            else
                writeBet(s, cell, bb, limpers.value_or(0));
        }
    }

    s.lblGroup.setCaption(s.groupNo);
    s.txtPreFlop.setText(s.adviseText);
}

} // namespace engine
