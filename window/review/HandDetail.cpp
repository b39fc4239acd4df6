#include "window/review/HandDetail.h"

#include <algorithm>
#include <array>

#include "window/review/ReviewText.h"

namespace window::review {

namespace {

std::string cardsText(const std::vector<history::Card>& cards, std::size_t from, std::size_t to)
{
    std::string text;
    for (std::size_t i = from; i < std::min(to, cards.size()); ++i)
        text += (text.empty() ? "" : " ") + cards[i].text();
    return text;
}

std::string roleOf(const history::HandHistory& hand, std::size_t index)
{
    const std::size_t n = hand.players.size();
    if (index + 1 == n)
        return n == 2 ? "button, small blind" : "button";
    if (n == 2)
        return "big blind";
    if (index == 0)
        return "small blind";
    if (index == 1)
        return "big blind";
    return "";
}

std::string actionText(const history::Action& a, const std::string& currency)
{
    std::string text;
    switch (a.kind) {
    case history::ActionKind::Ante: text = "posts an ante of " + money(a.added, currency); break;
    case history::ActionKind::SmallBlind: text = "posts the small blind " + money(a.added, currency); break;
    case history::ActionKind::BigBlind: text = "posts the big blind " + money(a.added, currency); break;
    case history::ActionKind::Straddle: text = "straddles to " + money(a.to, currency); break;
    case history::ActionKind::DeadBlind: text = "posts a dead blind " + money(a.added, currency); break;
    case history::ActionKind::Fold: text = "folds"; break;
    case history::ActionKind::Check: text = "checks"; break;
    case history::ActionKind::Call: text = "calls " + money(a.added, currency); break;
    case history::ActionKind::Bet: text = "bets " + money(a.to, currency); break;
    case history::ActionKind::Raise: text = "raises to " + money(a.to, currency); break;
    }
    if (a.allIn)
        text += ", all-in";
    return text;
}

constexpr std::array kStreetNames = {"Pre-flop", "Flop", "Turn", "River"};
// The board cards dealt by the end of each street.
constexpr std::array<std::size_t, 4> kBoardBy = {0, 3, 4, 5};

} // namespace

std::string handDetailText(const history::HandHistory& hand)
{
    std::string out;
    const auto line = [&out](const std::string& text) { out += text + "\n"; };

    std::string title = hand.site.empty() ? std::string("Hand") : hand.site + " hand";
    if (!hand.handNumber.empty())
        title += " #" + hand.handNumber;
    if (!hand.tournament.empty())
        title += ", tournament " + hand.tournament;
    if (!hand.table.empty())
        title += ", table '" + hand.table + "'";
    if (!hand.playedAt.empty())
        title += ", " + hand.playedAt;
    line(title);
    std::string blinds = "Blinds " + money(hand.smallBlind, hand.currency) + "/" + money(hand.bigBlind, hand.currency);
    if (hand.ante > 0)
        blinds += ", ante " + money(hand.ante, hand.currency);
    line(blinds);

    std::string seats = "Players:";
    std::string seen;
    for (std::size_t i = 0; i < hand.players.size(); ++i) {
        const history::Player& p = hand.players[i];
        const std::string role = roleOf(hand, i);
        seats += (i ? "; " : " ") + p.name + " " + money(p.stack, hand.currency) + (role.empty() ? "" : " (" + role + ")");
        if (p.cards)
            seen += (seen.empty() ? " " : "; ") + p.name + " " + p.cards->high.text() + " " + p.cards->low.text();
    }
    line(seats);
    if (!seen.empty())
        line("Cards:" + seen);

    for (std::size_t s = 0; s < kStreetNames.size(); ++s) {
        const auto street = static_cast<history::Street>(s);
        std::string actions;
        for (const history::Action& a : hand.actions) {
            if (a.street != street || a.player >= hand.players.size())
                continue;
            actions += (actions.empty() ? " " : "; ") + hand.players[a.player].name + " " + actionText(a, hand.currency);
        }
        const bool dealt = hand.board.size() >= kBoardBy[s] && (s == 0 || hand.board.size() > kBoardBy[s - 1]);
        if (actions.empty() && !(s > 0 && dealt))
            continue;
        std::string head = kStreetNames[s];
        if (s > 0 && dealt)
            head += " [" + cardsText(hand.board, s == 1 ? 0 : kBoardBy[s - 1], kBoardBy[s]) + "]";
        line(head + ":" + (actions.empty() ? " no action" : actions));
    }
    line("Board: " + (hand.board.empty() ? std::string("none") : cardsText(hand.board, 0, hand.board.size())));

    std::string result;
    for (const history::Player& p : hand.players) {
        if (!p.net)
            continue;
        result += (result.empty() ? " " : "; ") + p.name + " " + (*p.net > 0 ? "+" : "") + money(*p.net, hand.currency);
        if (hand.bigBlind > 0)
            result += " (" + signedNumber(*p.net / hand.bigBlind, 1) + " BB)";
    }
    line("Result:" + (result.empty() ? std::string(" not told in the hand history") : result));
    out.pop_back();
    return out;
}

} // namespace window::review
