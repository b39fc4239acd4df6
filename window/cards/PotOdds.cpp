#include "window/cards/PotOdds.h"

#include <cmath>

namespace window::cards {

namespace {

constexpr std::size_t kMaxAmountLength = 10;

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
    const auto potValue = money.toDouble(pot);
    const auto betValue = money.toDouble(bet);
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

bool amountTakes(std::string_view text, const platform::Money& money)
{
    const std::string& localePoint = money.locale().decimalPoint;
    std::size_t characters = 0;
    bool point = false;
    for (std::size_t at = 0; at < text.size(); ++characters) {
        if (text[at] >= '0' && text[at] <= '9') {
            ++at;
            continue;
        }
        std::size_t length = 0;
        if (text[at] == '.')
            length = 1;
        else if (!localePoint.empty() && text.substr(at, localePoint.size()) == localePoint)
            length = localePoint.size();
        if (length == 0 || point)
            return false;
        point = true;
        at += length;
    }
    return characters <= kMaxAmountLength;
}

} // namespace window::cards
