#include "window/cards/PotOdds.h"

#include <cmath>

#include "platform/money/TypedAmount.h"

namespace window::cards {

namespace {

bool blank(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

} // namespace

PotOddsReading readPotOdds(std::string_view pot, std::string_view bet, const platform::Money& money)
{
    PotOddsReading r;
    if (blank(pot) && blank(bet))
        return r;
    if (blank(pot)) {
        r.message = "Type the pot as well";
        return r;
    }
    if (blank(bet)) {
        r.message = "Type the bet to call as well";
        return r;
    }
    const platform::TypedAmount amount(money);
    const auto potValue = amount.read(pot);
    const auto betValue = amount.read(bet);
    if (!potValue || *potValue < 0) {
        r.message = "\"" + std::string(pot) + "\" is not an amount";
        return r;
    }
    if (!betValue || *betValue < 0) {
        r.message = "\"" + std::string(bet) + "\" is not an amount";
        return r;
    }
    if (*potValue + *betValue <= 0) {
        r.message = "The pot and the bet are both nothing";
        return r;
    }
    r.odds = PotOdds{*potValue, *betValue, *betValue / (*potValue + *betValue)};
    return r;
}

CallVerdict judgeCall(const PotOdds& odds, double equity, double standardError)
{
    const double margin = 2.0 * standardError;
    if (equity >= odds.price && (margin == 0.0 || equity - odds.price > margin))
        return CallVerdict::Pays;
    if (equity < odds.price && (margin == 0.0 || odds.price - equity > margin))
        return CallVerdict::DoesNotPay;
    return CallVerdict::TooCloseToTell;
}

} // namespace window::cards
