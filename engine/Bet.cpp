#include "engine/Bet.h"

#include <charconv>
#include <cmath>

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

} // namespace

std::string betTextInBigBlinds(const Bet& bet)
{
    std::string out;
    switch (bet.kind) {
    case Bet::Kind::Unchanged:
        break;
    case Bet::Kind::Word:
        out.append(bet.word);
        break;
    case Bet::Kind::ZeroPrompt:
        appendBigBlinds(out, 0.0);
        break;
    case Bet::Kind::Amount:
        appendBigBlinds(out, bet.low);
        break;
    case Bet::Kind::Range:
        appendBigBlinds(out, bet.low);
        out.append(" to ");
        appendBigBlinds(out, bet.high);
        break;
    }
    return out;
}

std::string betText(const Bet& bet, const platform::Money& money)
{
    std::string out;
    appendBetText(out, bet, money);
    return out;
}

} // namespace engine
