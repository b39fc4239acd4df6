#include "engine/Bet.h"

#include <charconv>
#include <cmath>

#include "platform/money/Money.h"

namespace engine {

bool BetCell::operator==(const BetCell& other) const
{
    const auto words = [](const char* w) { return w ? std::string_view(w) : std::string_view(); };
    return kind == other.kind && betClass == other.betClass && words(word) == words(other.word) && low == other.low
        && high == other.high && perLimper == other.perLimper && needsLimpers == other.needsLimpers;
}

namespace {

void appendBigBlinds(std::string& out, double amount)
{
    if (!std::isfinite(amount)) {
        out.append(std::isnan(amount) ? platform::kAmountUnavailable : platform::kAmountTooLarge);
        return;
    }
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, amount).ptr;
    out.append(buf, end);
    out.append(" BB");
}

// A bet's text, its amounts written by `amount`.
template <class WriteAmount>
void appendBet(std::string& out, const Bet& bet, WriteAmount amount)
{
    switch (bet.kind) {
    case Bet::Kind::Unchanged:
        return;
    case Bet::Kind::Word:
        out.append(bet.word);
        return;
    case Bet::Kind::ZeroPrompt:
        amount(out, 0.0);
        return;
    case Bet::Kind::Amount:
        amount(out, bet.low);
        return;
    case Bet::Kind::Range:
        amount(out, bet.low);
        out.append(" to ");
        amount(out, bet.high);
        return;
    }
}

} // namespace

void appendBetText(std::string& out, const Bet& bet, const platform::Money& money)
{
    appendBet(out, bet, [&money](std::string& o, double a) { money.appendAmount(o, a); });
}

std::string betTextInBigBlinds(const Bet& bet)
{
    std::string out;
    appendBet(out, bet, appendBigBlinds);
    return out;
}

std::string betText(const Bet& bet, const platform::Money& money)
{
    std::string out;
    appendBetText(out, bet, money);
    return out;
}

} // namespace engine
