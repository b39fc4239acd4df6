#include "history/roomtext/HandParser.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "history/roomtext/AmountText.h"
#include "history/roomtext/CardText.h"
#include "history/roomtext/HeaderLines.h"
#include "history/roomtext/SeatOrder.h"

namespace history::roomtext {

namespace {

constexpr std::size_t kQuotedLength = 80;
constexpr std::string_view kAllIn = " and is all-in";

// The line in quotes for a reason, cut at a character boundary when long.
std::string quoted(std::string_view line)
{
    if (line.size() > kQuotedLength) {
        std::size_t cut = kQuotedLength;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        return "\"" + std::string(line.substr(0, cut)) + "...\"";
    }
    return "\"" + std::string(line) + "\"";
}

bool stripAllIn(std::string_view& text)
{
    if (!text.ends_with(kAllIn))
        return false;
    text.remove_suffix(kAllIn.size());
    return true;
}

std::string_view leadingDigits(std::string_view text)
{
    std::size_t n = 0;
    while (n < text.size() && n < 3 && text[n] >= '0' && text[n] <= '9')
        ++n;
    return text.substr(0, n);
}

int seatNumber(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// Amounts are sums of cents or chips; this keeps float noise out of the nets.
double roundedNet(double value) { return std::round(value * 1e6) / 1e6; }

} // namespace

bool HandParser::fail(std::string_view kind, std::string reason)
{
    failure_.kind = kind;
    failure_.reason = std::move(reason);
    return false;
}

bool HandParser::parse(std::string_view text, HandHistory& hand)
{
    failure_ = {};
    seats_.clear();
    names_.clear();
    nameHoldsColon_ = false;
    actions_.clear();
    section_ = Section::Seats;
    street_ = Street::Preflop;
    buttonSeat_ = 0;
    sawSummary_ = sawCollect_ = false;
    postedSmallBlind_ = postedBigBlind_ = 0;

    const std::size_t firstBreak = text.find('\n');
    std::string_view first = text.substr(0, firstBreak);
    if (first.ends_with('\r'))
        first.remove_suffix(1);
    const auto header = readHandHeader(first);
    if (!header)
        return fail("syntax", "unreadable header line " + quoted(first));
    if (!header->noLimitHoldem)
        return fail("variant", "not hold'em no limit: " + quoted(header->game));

    hand.format = Format::RoomText;
    hand.site = "PokerStars";
    hand.handNumber.assign(header->handNumber);
    hand.tournament.assign(header->tournament);
    hand.currency.assign(header->currency);
    hand.playedAt.assign(header->playedAt);
    hand.table.clear();
    hand.maxSeats = 0;
    hand.smallBlind = header->smallBlind;
    hand.bigBlind = header->bigBlind;
    hand.ante = 0;
    hand.players.clear();
    hand.actions.clear();
    hand.board.clear();

    std::size_t at = firstBreak == std::string_view::npos ? text.size() : firstBreak + 1;
    while (at < text.size()) {
        std::size_t stop = text.find('\n', at);
        if (stop == std::string_view::npos)
            stop = text.size();
        std::string_view line = text.substr(at, stop - at);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (!readLine(line, hand))
            return false;
        at = stop + 1;
    }
    return finish(hand);
}

bool HandParser::readLine(std::string_view line, HandHistory& hand)
{
    if (line.empty())
        return true;
    if (line[0] == '*' && line.starts_with("*** "))
        return readStreetLine(line, hand);
    if (section_ == Section::Summary)
        return readSummaryLine(line, hand);
    if (section_ == Section::Seats) {
        if (line.starts_with("Table '")) {
            const auto table = readTableLine(line);
            if (!table)
                return fail("syntax", "unreadable table line " + quoted(line));
            hand.table.assign(table->name);
            hand.maxSeats = table->maxSeats;
            buttonSeat_ = table->buttonSeat;
            return true;
        }
        if (line.starts_with("Seat "))
            return readSeatLine(line);
        section_ = Section::Play;
    }
    if (line[0] == 'D' && line.starts_with("Dealt to "))
        return readDealtTo(line.substr(9));
    if (line[0] == 'U' && line.starts_with("Uncalled bet ("))
        return readUncalledBet(line);
    std::string_view rest;
    if (const auto seat = seatByNameColon(line, rest))
        return readPlayerLine(*seat, rest, hand);
    if (const auto seat = seatByName(line, " collected ", rest)) {
        const auto amount = readAmountPrefix(rest);
        if (!amount || !rest.substr(amount->length).starts_with(" from "))
            return fail("syntax", "unreadable amount collected in " + quoted(line));
        seats_[*seat].collected += amount->value;
        seats_[*seat].dealtIn = true;
        sawCollect_ = true;
    }
    // Anything else (chat, arrivals, time-outs, mucks) says nothing of the money.
    return true;
}

bool HandParser::readSeatLine(std::string_view line)
{
    std::string_view rest = line.substr(5);
    const std::string_view digits = leadingDigits(rest);
    rest.remove_prefix(digits.size());
    if (digits.empty() || !rest.starts_with(": "))
        return fail("syntax", "unreadable seat line " + quoted(line));
    const int number = seatNumber(digits);
    if (number < 1 || number > kMaxSeatNumber)
        return fail("syntax", "seat number out of range in " + quoted(line));
    const std::string_view body = rest.substr(2);

    // The name may hold " (" itself: the chips part is the last one that reads.
    std::size_t open = body.rfind(" (");
    std::optional<ReadAmount> chips;
    while (open != std::string_view::npos && open > 0) {
        chips = readAmountPrefix(body.substr(open + 2));
        if (chips && body.substr(open + 2 + chips->length).starts_with(" in chips"))
            break;
        chips.reset();
        open = body.rfind(" (", open - 1);
    }
    if (!chips || open == 0 || open == std::string_view::npos)
        return fail("syntax", "unreadable seat line " + quoted(line));
    const std::string_view afterChips = body.substr(open + 2 + chips->length);
    const std::size_t close = afterChips.find(')');
    const std::string_view tail = close == std::string_view::npos ? std::string_view{} : afterChips.substr(close + 1);

    Seat seat;
    seat.name = body.substr(0, open);
    seat.number = number;
    seat.stack = chips->value;
    seat.dealtIn = tail.find("sitting out") == std::string_view::npos && tail.find("out of hand") == std::string_view::npos;
    for (const Seat& other : seats_)
        if (other.number == number || other.name == seat.name)
            return fail("syntax", "a seat or a name given twice in " + quoted(line));
    seats_.push_back(seat);
    names_.push_back(seat.name);
    nameHoldsColon_ = nameHoldsColon_ || seat.name.find(": ") != std::string_view::npos;
    return true;
}

bool HandParser::readStreetLine(std::string_view line, HandHistory& hand)
{
    const std::size_t close = line.find(" ***", 4);
    if (close == std::string_view::npos)
        return true;
    std::string_view name = line.substr(4, close - 4);
    std::string_view rest = line.substr(close + 4);
    if (name.starts_with("FIRST "))
        name.remove_prefix(6);
    else if (name.starts_with("SECOND ") || name.starts_with("THIRD "))
        return true; // a second run of the board: the first is the one kept

    std::size_t boardSize = 0;
    if (name == "HOLE CARDS") {
        section_ = Section::Play;
        return true;
    }
    if (name == "SUMMARY") {
        section_ = Section::Summary;
        sawSummary_ = true;
        return true;
    }
    if (name == "FLOP") {
        street_ = Street::Flop;
        boardSize = 3;
    } else if (name == "TURN") {
        street_ = Street::Turn;
        boardSize = 4;
    } else if (name == "RIVER") {
        street_ = Street::River;
        boardSize = 5;
    } else {
        return true; // the show-down and anything else
    }
    section_ = Section::Play;
    for (Seat& seat : seats_)
        seat.live = 0;

    std::array<Card, 5> cards{};
    std::size_t count = 0;
    for (;;) {
        while (rest.starts_with(' '))
            rest.remove_prefix(1);
        if (rest.empty())
            break;
        std::size_t length = 0;
        const auto got = readBracketedCards(rest, cards.data() + count, cards.size() - count, length);
        if (!got)
            return fail("syntax", "unreadable board in " + quoted(line));
        count += *got;
        rest.remove_prefix(length);
    }
    if (count != boardSize)
        return fail("syntax", "a board of the wrong size in " + quoted(line));
    hand.board.assign(cards.begin(), cards.begin() + static_cast<std::ptrdiff_t>(count));
    return true;
}

bool HandParser::addAction(std::size_t seat, ActionKind kind, double added, bool allIn)
{
    Seat& s = seats_[seat];
    s.dealtIn = true; // a seat listed as sitting out that plays was dealt in after all
    if (kind != ActionKind::Ante && kind != ActionKind::DeadBlind)
        s.live += added;
    s.putIn += added;
    Action action;
    action.street = street_;
    action.kind = kind;
    action.added = added;
    action.to = s.live;
    action.allIn = allIn;
    actions_.push_back({action, seat});
    return true;
}

bool HandParser::readPlayerLine(std::size_t seat, std::string_view verb, HandHistory& hand)
{
    if (verb.starts_with("posts ")) {
        struct Post {
            std::string_view words;
            ActionKind kind;
        };
        static constexpr std::array<Post, 5> kPosts{{
            {"small & big blinds ", ActionKind::DeadBlind},
            {"small blind ", ActionKind::SmallBlind},
            {"big blind ", ActionKind::BigBlind},
            {"the ante ", ActionKind::Ante},
            {"straddle ", ActionKind::Straddle},
        }};
        verb.remove_prefix(6);
        for (const Post& post : kPosts) {
            if (!verb.starts_with(post.words))
                continue;
            std::string_view amountText = verb.substr(post.words.size());
            const bool allIn = stripAllIn(amountText);
            const auto amount = readWholeAmount(amountText);
            if (!amount)
                return fail("syntax", "unreadable amount posted: " + quoted(amountText));
            switch (post.kind) {
            case ActionKind::DeadBlind: {
                // The big-blind part is live, the small-blind part dead.
                const double big = hand.bigBlind > 0 ? hand.bigBlind : postedBigBlind_;
                const double live = big > 0 && big < *amount ? big : *amount;
                if (*amount > live)
                    addAction(seat, ActionKind::DeadBlind, *amount - live, false);
                return addAction(seat, ActionKind::BigBlind, live, allIn);
            }
            case ActionKind::SmallBlind:
                if (postedSmallBlind_ == 0)
                    postedSmallBlind_ = *amount;
                break;
            case ActionKind::BigBlind:
                if (postedBigBlind_ == 0)
                    postedBigBlind_ = *amount;
                break;
            case ActionKind::Ante:
                hand.ante = std::max(hand.ante, *amount);
                break;
            default:
                break;
            }
            return addAction(seat, post.kind, *amount, allIn);
        }
        return fail("syntax", "unknown post " + quoted(verb));
    }
    if (verb == "folds" || verb.starts_with("folds [")) {
        if (verb.size() > 6 && !setCards(seat, verb.substr(6)))
            return false;
        return addAction(seat, ActionKind::Fold, 0, false);
    }
    if (verb == "checks")
        return addAction(seat, ActionKind::Check, 0, false);

    const bool calls = verb.starts_with("calls ");
    const bool bets = verb.starts_with("bets ");
    if (calls || bets) {
        std::string_view amountText = verb.substr(calls ? 6 : 5);
        const bool allIn = stripAllIn(amountText);
        const auto amount = readWholeAmount(amountText);
        if (!amount)
            return fail("syntax", "unreadable amount in " + quoted(verb));
        return addAction(seat, calls ? ActionKind::Call : ActionKind::Bet, *amount, allIn);
    }
    if (verb.starts_with("raises ")) {
        std::string_view amounts = verb.substr(7);
        const bool allIn = stripAllIn(amounts);
        const std::size_t to = amounts.find(" to ");
        const auto by = to == std::string_view::npos ? std::nullopt : readWholeAmount(amounts.substr(0, to));
        const auto total = to == std::string_view::npos ? std::nullopt : readWholeAmount(amounts.substr(to + 4));
        if (!by || !total)
            return fail("syntax", "unreadable raise " + quoted(verb));
        if (*total < seats_[seat].live)
            return fail("syntax", "a raise to less than the bet already in: " + quoted(verb));
        return addAction(seat, ActionKind::Raise, *total - seats_[seat].live, allIn);
    }
    if (verb.starts_with("shows ["))
        return setCards(seat, verb.substr(6));
    return true;
}

bool HandParser::setCards(std::size_t seat, std::string_view bracketed)
{
    std::array<Card, 2> cards{};
    std::size_t length = 0;
    const auto count = readBracketedCards(bracketed, cards.data(), cards.size(), length);
    if (!count)
        return fail("syntax", "unreadable cards " + quoted(bracketed));
    if (*count != 2)
        return true; // one card shown tells no hand
    if (cards[0] == cards[1])
        return fail("syntax", "a card given twice in " + quoted(bracketed));
    const HoleCards hole(cards[0], cards[1]);
    Seat& s = seats_[seat];
    if (s.cards && !(*s.cards == hole))
        return fail("syntax", "two different hands shown for " + quoted(s.name));
    s.cards = hole;
    return true;
}

bool HandParser::readDealtTo(std::string_view rest)
{
    const std::size_t open = rest.rfind(" [");
    if (open == std::string_view::npos)
        return true; // another player's deal, without cards
    const std::string_view name = rest.substr(0, open);
    for (std::size_t i = 0; i < seats_.size(); ++i)
        if (seats_[i].name == name)
            return setCards(i, rest.substr(open + 1));
    return true;
}

bool HandParser::readUncalledBet(std::string_view line)
{
    constexpr std::string_view kReturned = ") returned to ";
    std::string_view rest = line.substr(14);
    const auto amount = readAmountPrefix(rest);
    if (!amount || !rest.substr(amount->length).starts_with(kReturned))
        return fail("syntax", "unreadable uncalled bet " + quoted(line));
    const std::string_view name = rest.substr(amount->length + kReturned.size());
    for (Seat& seat : seats_) {
        if (seat.name == name) {
            // Given back is as good as won for the player's net.
            seat.collected += amount->value;
            return true;
        }
    }
    return fail("syntax", "an uncalled bet returned to an unknown player in " + quoted(line));
}

bool HandParser::readSummaryLine(std::string_view line, HandHistory& hand)
{
    if (line.starts_with("Board [")) {
        if (!hand.board.empty())
            return true;
        std::array<Card, 5> cards{};
        std::size_t length = 0;
        const auto count = readBracketedCards(line.substr(6), cards.data(), cards.size(), length);
        if (!count || *count < 3)
            return fail("syntax", "unreadable board in " + quoted(line));
        hand.board.assign(cards.begin(), cards.begin() + static_cast<std::ptrdiff_t>(*count));
        return true;
    }
    if (!line.starts_with("Seat "))
        return true;
    std::string_view rest = line.substr(5);
    const std::string_view digits = leadingDigits(rest);
    rest.remove_prefix(digits.size());
    if (digits.empty() || !rest.starts_with(": "))
        return true;
    rest.remove_prefix(2);
    const int number = seatNumber(digits);
    for (std::size_t i = 0; i < seats_.size(); ++i) {
        if (seats_[i].number != number || !rest.starts_with(seats_[i].name))
            continue;
        const std::string_view after = rest.substr(seats_[i].name.size());
        for (const std::string_view shown : {std::string_view(" showed ["), std::string_view(" mucked [")}) {
            const std::size_t at = after.find(shown);
            if (at != std::string_view::npos)
                return setCards(i, after.substr(at + shown.size() - 1));
        }
        return true;
    }
    return true;
}

std::optional<std::size_t> HandParser::seatByName(std::string_view line, std::string_view separator,
                                                  std::string_view& rest) const
{
    // Most lines start with a name: the separator right after a name's length
    // rules most seats out before their names are compared.
    std::optional<std::size_t> best;
    std::size_t bestLength = 0;
    for (std::size_t i = 0; i < names_.size(); ++i) {
        const std::string_view name = names_[i];
        const std::size_t n = name.size();
        if ((best && n <= bestLength) || line.size() < n + separator.size() || line[n] != separator[0] ||
            line[0] != name[0])
            continue;
        if (line.compare(n, separator.size(), separator) == 0 && line.compare(0, n, name) == 0) {
            best = i;
            bestLength = n;
        }
    }
    if (best)
        rest = line.substr(bestLength + separator.size());
    return best;
}

std::optional<std::size_t> HandParser::seatByNameColon(std::string_view line, std::string_view& rest) const
{
    if (nameHoldsColon_)
        return seatByName(line, ": ", rest);
    // No name holds ": ", so a name followed by ": " ends where the line's first ": " starts.
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos)
        return std::nullopt;
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i].size() == colon && line.compare(0, colon, names_[i]) == 0) {
            rest = line.substr(colon + 2);
            return i;
        }
    }
    return std::nullopt;
}

bool HandParser::finish(HandHistory& hand)
{
    if (!sawSummary_)
        return fail("incomplete-data", "the hand ends before its summary");
    if (buttonSeat_ == 0)
        return fail("syntax", "no table line telling the button");
    if (!sawCollect_)
        return fail("incomplete-data", "nobody collected the pot");

    order_.clear();
    for (std::size_t i = 0; i < seats_.size(); ++i)
        if (seats_[i].dealtIn)
            order_.push_back(i);
    if (order_.size() < 2)
        return fail("syntax", "fewer than two players dealt in");
    orderClockwiseFromButton(order_, buttonSeat_, [this](std::size_t i) { return seats_[i].number; });

    std::uint64_t seen = 0;
    const auto cardSeenTwice = [&seen](Card c) {
        const std::uint64_t bit = std::uint64_t{1} << c.index();
        const bool twice = (seen & bit) != 0;
        seen |= bit;
        return twice;
    };
    for (const Card c : hand.board)
        if (cardSeenTwice(c))
            return fail("syntax", "a card appears twice");

    hand.players.resize(order_.size());
    for (std::size_t k = 0; k < order_.size(); ++k) {
        Seat& seat = seats_[order_[k]];
        seat.playerIndex = static_cast<int>(k);
        Player& player = hand.players[k];
        player.name.assign(seat.name);
        player.seat = seat.number;
        player.stack = seat.stack;
        player.cards = seat.cards;
        player.net = roundedNet(seat.collected - seat.putIn);
        if (seat.cards && (cardSeenTwice(seat.cards->high) || cardSeenTwice(seat.cards->low)))
            return fail("syntax", "a card appears twice");
    }
    hand.actions.resize(actions_.size());
    for (std::size_t k = 0; k < actions_.size(); ++k) {
        hand.actions[k] = actions_[k].action;
        hand.actions[k].player = static_cast<std::uint8_t>(seats_[actions_[k].seat].playerIndex);
    }
    if (hand.smallBlind == 0)
        hand.smallBlind = postedSmallBlind_;
    if (hand.bigBlind == 0)
        hand.bigBlind = postedBigBlind_;
    return true;
}

} // namespace history::roomtext
