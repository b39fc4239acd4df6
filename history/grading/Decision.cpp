#include "history/grading/Decision.h"

#include <algorithm>
#include <cmath>

#include "engine/Hand.h"
#include "engine/PreflopQuery.h"
#include "engine/cards/HandClass.h"
#include "history/grading/Seats.h"

namespace history {

namespace {

using engine::BetClass;
using engine::PreflopAction;

bool isPost(ActionKind k)
{
    return k == ActionKind::Ante || k == ActionKind::SmallBlind || k == ActionKind::BigBlind
        || k == ActionKind::Straddle || k == ActionKind::DeadBlind;
}

// What the voluntary actions before a player's first decision make of the pot.
struct Before {
    int raises = 0;
    int limpers = 0;
    int callersOfRaise = 0;

    void add(ActionKind k)
    {
        if (k == ActionKind::Call) {
            if (raises == 0)
                ++limpers;
            else
                ++callersOfRaise;
        } else if (k == ActionKind::Raise || k == ActionKind::Bet) {
            ++raises;
        }
    }
    bool nobodyEntered() const { return raises == 0 && limpers == 0; }
    PreflopAction action() const
    {
        if (raises == 0)
            return limpers == 0 ? PreflopAction::Opened : PreflopAction::Limped;
        if (raises == 1)
            return callersOfRaise == 0 ? PreflopAction::Raised : PreflopAction::RaisedCalled;
        return PreflopAction::ReRaised;
    }
};

Move moveOf(ActionKind k)
{
    switch (k) {
    case ActionKind::Fold:
        return Move::Fold;
    case ActionKind::Check:
        return Move::Check;
    case ActionKind::Call:
        return Move::Call;
    default:
        return Move::Raise;
    }
}

// fold < call (a check counts as a call) < raise.
int order(Move m)
{
    switch (m) {
    case Move::Fold:
        return 0;
    case Move::Check:
    case Move::Call:
        return 1;
    case Move::Raise:
        return 2;
    }
    return 0;
}

int order(BetClass c)
{
    return c == BetClass::Fold ? 0 : c == BetClass::Call ? 1 : 2;
}

// Amounts compared in big blinds to a millionth, so that 2.9999999 is 3.
SizeVerdict sizeAgainst(double toBB, double low, double high)
{
    constexpr double kSlack = 1e-6;
    if (toBB < low - kSlack)
        return SizeVerdict::Below;
    if (toBB > high + kSlack)
        return SizeVerdict::Above;
    return SizeVerdict::Within;
}

bool hasStraddle(const HandHistory& hand)
{
    return std::any_of(hand.actions.begin(), hand.actions.end(),
                       [](const Action& a) { return a.street == Street::Preflop && a.kind == ActionKind::Straddle; });
}

int bigBlindIndex(int players)
{
    return players == 2 ? 0 : 1;
}

std::optional<Decision> gradePlayer(const HandHistory& hand, int index, bool straddled)
{
    const Player& p = hand.players[static_cast<std::size_t>(index)];
    if (!p.cards)
        return std::nullopt;
    const int players = static_cast<int>(hand.players.size());

    Before before;
    const Action* first = nullptr;
    for (const Action& a : hand.actions) {
        if (a.street != Street::Preflop)
            break;
        if (isPost(a.kind))
            continue;
        if (a.player == index) {
            first = &a;
            break;
        }
        before.add(a.kind);
    }
    if (!first)
        return std::nullopt;
    // The big blind's option with nobody in the pot is no decision.
    if (index == bigBlindIndex(players) && before.nobodyEntered() && first->kind == ActionKind::Check)
        return std::nullopt;

    Decision d;
    d.playerIndex = index;
    d.player = p.name;
    d.cards = *p.cards;
    d.handIndex = engine::cards::handClassOf(d.cards);
    d.players = players;
    d.seat = seatName(index, players);
    d.position = seatPosition(index, players);
    d.before = before.action();
    d.limpers = before.limpers;
    d.bigBlind = hand.bigBlind;
    d.action = moveOf(first->kind);
    const bool hasBigBlind = hand.bigBlind > 0;
    if (hasBigBlind && (d.action == Move::Call || d.action == Move::Raise))
        d.toBB = first->to / hand.bigBlind;
    if (hasBigBlind && p.net)
        d.netBB = *p.net / hand.bigBlind;

    if (players == 2) {
        d.reason = "heads-up";
        return d;
    }
    if (straddled) {
        d.reason = "straddle";
        return d;
    }
    if (!hasBigBlind) {
        d.reason = "no big blind";
        return d;
    }

    engine::PreflopQuery q;
    q.hand = d.handIndex;
    q.position = d.position;
    q.action = d.before;
    q.limpers = d.limpers;
    q.bigBlind = hand.bigBlind;
    const engine::PreflopAnswer answer = engine::answerPreflop(q);
    d.advice = answer.bet.betClass;
    if (answer.bet.kind == engine::Bet::Kind::Amount || answer.bet.kind == engine::Bet::Kind::Range) {
        d.adviceLowBB = answer.lowBB;
        d.adviceHighBB = answer.bet.kind == engine::Bet::Kind::Range ? answer.highBB : answer.lowBB;
    }
    if (d.advice == BetClass::Advice) {
        d.reason = "advice in words";
        return d;
    }
    // A check puts nothing in: where the advisor would fold, checking the
    // big blind's option is what he would do too.
    const int mine = d.action == Move::Check && d.advice == BetClass::Fold ? 0 : order(d.action);
    const int advised = order(d.advice);
    d.verdict = mine == advised ? Verdict::Follows : mine < advised ? Verdict::Tighter : Verdict::Looser;
    if (d.action == Move::Raise && d.advice == BetClass::Raise && d.adviceLowBB)
        d.size = sizeAgainst(d.toBB, *d.adviceLowBB, *d.adviceHighBB);
    return d;
}

} // namespace

std::vector<Decision> gradeHand(const HandHistory& hand)
{
    std::vector<Decision> out;
    if (hand.players.size() < 2)
        return out;
    const bool straddled = hasStraddle(hand);
    for (int i = 0; i < static_cast<int>(hand.players.size()); ++i)
        if (auto d = gradePlayer(hand, i, straddled))
            out.push_back(std::move(*d));
    return out;
}

std::string_view moveName(Move m)
{
    static constexpr std::string_view kNames[] = {"fold", "check", "call", "raise"};
    return kNames[static_cast<std::size_t>(m)];
}

std::string_view verdictName(Verdict v)
{
    static constexpr std::string_view kNames[] = {"follows", "tighter", "looser", "ungraded"};
    return kNames[static_cast<std::size_t>(v)];
}

std::string_view sizeName(SizeVerdict s)
{
    static constexpr std::string_view kNames[] = {"below", "within", "above"};
    return kNames[static_cast<std::size_t>(s)];
}

std::string_view beforeName(PreflopAction a)
{
    static constexpr std::string_view kNames[] = {"Opened", "Limped", "Raised", "RaisedCalled", "ReRaised"};
    return kNames[static_cast<std::size_t>(a)];
}

std::string_view adviceClassName(BetClass c)
{
    static constexpr std::string_view kNames[] = {"raise", "call", "fold", "advice"};
    return kNames[static_cast<std::size_t>(c)];
}

} // namespace history
