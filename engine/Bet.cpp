#include "engine/Bet.h"

#include "platform/money/Money.h"

namespace engine {

void appendBetText(std::string& out, const Bet& bet, const platform::Money& money)
{
    switch (bet.kind) {
    case Bet::Kind::Unchanged:
        return;
    case Bet::Kind::Word:
        out.append(bet.word);
        return;
    case Bet::Kind::ZeroPrompt:
        money.appendAmount(out, 0.0);
        return;
    case Bet::Kind::Amount:
        money.appendAmount(out, bet.low);
        return;
    case Bet::Kind::Range:
        money.appendAmount(out, bet.low);
        out.append(" to ");
        money.appendAmount(out, bet.high);
        return;
    }
}

std::string betText(const Bet& bet, const platform::Money& money)
{
    std::string out;
    appendBetText(out, bet, money);
    return out;
}

} // namespace engine
