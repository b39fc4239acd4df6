#include "history/roomtext/HeaderLines.h"

#include <charconv>

#include "history/roomtext/AmountText.h"

namespace history::roomtext {

namespace {

constexpr std::string_view kNoLimitHoldem = "Hold'em No Limit";

std::string_view digitsAt(std::string_view text)
{
    std::size_t n = 0;
    while (n < text.size() && text[n] >= '0' && text[n] <= '9')
        ++n;
    return text.substr(0, n);
}

std::optional<int> smallNumber(std::string_view digits)
{
    int value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || result.ec != std::errc{} || result.ptr != digits.data() + digits.size() || value > 1000)
        return std::nullopt;
    return value;
}

std::string_view trimmedLeft(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

// "($0.50/$1.00 USD)" or "(10/20)" after the game's name.
void readStakes(std::string_view text, HandHeader& header)
{
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos)
        return;
    text.remove_prefix(open + 1);
    const auto small = readAmountPrefix(text);
    if (!small || small->length >= text.size() || text[small->length] != '/')
        return;
    text.remove_prefix(small->length + 1);
    const auto big = readAmountPrefix(text);
    if (!big)
        return;
    text.remove_prefix(big->length);
    header.smallBlind = small->value;
    header.bigBlind = big->value;
    if (!header.tournament.empty())
        return;
    header.currency = small->currency;
    if (header.currency.empty() && text.starts_with(' '))
        header.currency = currencySignOfCode(text.substr(1, 3));
}

} // namespace

std::optional<HandHeader> readHandHeader(std::string_view line)
{
    HandHeader header;
    const std::size_t hash = line.find('#');
    if (hash == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = line.substr(hash + 1);
    header.handNumber = digitsAt(rest);
    rest.remove_prefix(header.handNumber.size());
    if (header.handNumber.empty() || !rest.starts_with(':'))
        return std::nullopt;
    rest = trimmedLeft(rest.substr(1));

    if (rest.starts_with("Tournament #")) {
        rest.remove_prefix(12);
        header.tournament = digitsAt(rest);
        if (header.tournament.empty())
            return std::nullopt;
        rest.remove_prefix(header.tournament.size());
    }
    const std::size_t dash = rest.find(" - ");
    if (dash == std::string_view::npos)
        return std::nullopt;
    const std::string_view gamePart = rest.substr(0, dash);
    const std::size_t game = gamePart.find(kNoLimitHoldem);
    header.noLimitHoldem = game != std::string_view::npos;
    if (!header.noLimitHoldem) {
        // The game's name is what follows the buy-in of a tournament or is
        // the whole part before the stakes of a cash game.
        std::string_view name = gamePart;
        if (!header.tournament.empty()) {
            const std::size_t space = name.find(' ', name.find(',') + 2);
            name = space == std::string_view::npos ? name : trimmedLeft(name.substr(space));
        }
        header.game = name.substr(0, name.find(" ("));
        return header;
    }
    header.game = kNoLimitHoldem;
    readStakes(rest.substr(game + kNoLimitHoldem.size()), header);

    const std::size_t lastDash = rest.rfind(" - ");
    std::string_view when = rest.substr(lastDash + 3);
    when = when.substr(0, when.find(" ["));
    header.playedAt = when;
    return header;
}

std::optional<TableLine> readTableLine(std::string_view line)
{
    constexpr std::string_view kStart = "Table '";
    if (!line.starts_with(kStart))
        return std::nullopt;
    const std::size_t seatAt = line.rfind(" Seat #");
    if (seatAt == std::string_view::npos || seatAt < kStart.size())
        return std::nullopt;
    TableLine table;
    const auto button = smallNumber(digitsAt(line.substr(seatAt + 7)));
    if (!button || !line.substr(seatAt + 7).ends_with(" is the button"))
        return std::nullopt;
    table.buttonSeat = *button;

    const std::string_view middle = line.substr(kStart.size(), seatAt - kStart.size());
    const std::size_t close = middle.rfind("' ");
    if (close != std::string_view::npos) {
        table.name = middle.substr(0, close);
        const std::string_view size = middle.substr(close + 2);
        const std::string_view digits = digitsAt(size);
        if (size.substr(digits.size()).starts_with("-max"))
            table.maxSeats = smallNumber(digits).value_or(0);
    } else if (middle.ends_with('\'')) {
        table.name = middle.substr(0, middle.size() - 1);
    } else {
        return std::nullopt;
    }
    return table;
}

} // namespace history::roomtext
