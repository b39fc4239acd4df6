#include "window/cards/CardsText.h"

#include <array>
#include <charconv>
#include <string_view>

namespace window::cards {

namespace {

std::string fixed(double value, int decimals, std::string_view point)
{
    std::array<char, 32> buf{};
    const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return "?";
    std::string text(buf.data(), end);
    if (const std::size_t at = text.find('.'); at != std::string::npos)
        text.replace(at, 1, point);
    return text;
}

std::string cardList(engine::cards::CardSet cards)
{
    std::string text;
    for (engine::cards::Card c : cards) {
        if (!text.empty())
            text += ' ';
        text += c.text();
    }
    return text;
}

// 1070190 -> "1 070 190": groups of three, apart, whatever the locale.
std::string grouped(std::uint64_t n)
{
    std::string digits = std::to_string(n);
    for (auto at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, " ");
    return digits;
}

} // namespace

std::string percentText(double share, const platform::Money& money)
{
    return fixed(share * 100.0, 1, money.locale().decimalPoint) + "%";
}

std::vector<std::string> readingLines(const engine::board::BoardReading& reading)
{
    std::vector<std::string> lines;
    lines.push_back("Made hand: " + reading.madeHand);
    if (!reading.holding.empty())
        lines.back() += " (" + reading.holding + ")";
    std::string draws;
    for (const engine::board::Draw& d : reading.draws) {
        if (!draws.empty())
            draws += ", ";
        draws += d.name;
        if (!d.outs.empty())
            draws += " (" + std::to_string(d.outs.size()) + " outs)";
    }
    lines.push_back("Draws: " + (draws.empty() ? std::string("none") : draws));
    lines.push_back("Outs: " + std::to_string(reading.outCount()));
    if (reading.outCount() > 0)
        lines.back() += " (" + cardList(reading.outs) + ")";
    lines.push_back("Post-flop: " + std::string(reading.categoryText()));
    return lines;
}

std::string equityLine(const engine::odds::EquityResult& result, const platform::Money& money)
{
    return equityLine({result.win, result.tie, result.equity, result.standardError}, result.method, money);
}

std::string equityLine(const engine::odds::PlayerEquity& player, engine::odds::EquityMethod method,
                       const platform::Money& money)
{
    std::string line = "Win " + percentText(player.win, money) + "   Tie " + percentText(player.tie, money)
        + "   Equity " + percentText(player.equity, money);
    if (method == engine::odds::EquityMethod::MonteCarlo)
        line += " \u00b1 " + percentText(player.standardError, money);
    return line;
}

std::string methodLine(const engine::odds::EquityResult& result)
{
    const bool exact = result.method != engine::odds::EquityMethod::MonteCarlo;
    return std::string(exact ? "exact" : "Monte Carlo") + ", " + grouped(result.deals) + " deals";
}

std::string potOddsLine(const PotOdds& odds, const engine::odds::EquityResult& result, const platform::Money& money)
{
    std::string line = "Pot " + money.amountText(odds.pot) + ", bet to call " + money.amountText(odds.bet)
        + ": a call needs " + percentText(odds.price, money) + " equity, you have " + percentText(result.equity, money)
        + ". ";
    switch (judgeCall(odds, result.equity, result.standardError)) {
    case CallVerdict::Pays: line += "A call pays on the odds alone."; break;
    case CallVerdict::DoesNotPay: line += "A call does not pay on the odds alone."; break;
    case CallVerdict::TooCloseToTell: line += "Too close to tell on the odds alone."; break;
    }
    return line;
}

} // namespace window::cards
