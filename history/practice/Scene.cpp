#include "history/practice/Scene.h"

#include <algorithm>
#include <cmath>

#include "engine/Hand.h"
#include "engine/cards/HandClass.h"
#include "history/grading/Seats.h"

namespace practice {

namespace {

using engine::PreflopAction;
using history::Move;

constexpr double kOpenRaiseBB = 3;   // an open raise, one big blind more per limper
constexpr double kReRaiseFactor = 3; // a re-raise is three times the raise
constexpr int kShortestStackBB = 40;
constexpr int kDeepestStackBB = 250;

// The seat order of pre-flop action: left of the big blind first, blinds last.
std::vector<int> actingOrder(int players)
{
    std::vector<int> order;
    for (int i = 2; i < players; ++i)
        order.push_back(i);
    order.push_back(0);
    order.push_back(1);
    return order;
}

// k of the n places, in order, each set of them equally likely.
std::vector<bool> choosePlaces(int n, int k, DrillRandom& random)
{
    std::vector<bool> chosen(static_cast<std::size_t>(n), false);
    for (int i = 0, left = k; i < n && left > 0; ++i)
        if (random.below(n - i) < left) {
            chosen[static_cast<std::size_t>(i)] = true;
            --left;
        }
    return chosen;
}

// The moves of the players who enter the pot, in order.
std::vector<Move> enteringMoves(const DrillSituation& s, int before, DrillRandom& random)
{
    std::vector<Move> moves;
    switch (s.action) {
    case PreflopAction::Opened:
        break;
    case PreflopAction::Limped:
        moves.assign(static_cast<std::size_t>(s.limpers), Move::Call);
        break;
    case PreflopAction::Raised:
        moves = {Move::Raise};
        break;
    case PreflopAction::RaisedCalled: {
        const int callers = 1 + random.below(std::min(before - 1, 3));
        moves.push_back(Move::Raise);
        moves.insert(moves.end(), static_cast<std::size_t>(callers), Move::Call);
        break;
    }
    case PreflopAction::ReRaised: {
        // A raise, perhaps a caller, the re-raise, perhaps a caller of it.
        const int spare = before - 2;
        const int callersOfRaise = spare > 0 ? random.below(std::min(spare, 1) + 1) : 0;
        const int callersOfReRaise = spare - callersOfRaise > 0 ? random.below(2) : 0;
        moves.push_back(Move::Raise);
        moves.insert(moves.end(), static_cast<std::size_t>(callersOfRaise), Move::Call);
        moves.push_back(Move::Raise);
        moves.insert(moves.end(), static_cast<std::size_t>(callersOfReRaise), Move::Call);
        break;
    }
    }
    return moves;
}

} // namespace

int Scene::handIndex() const
{
    return engine::cards::handClassOf(cards);
}

std::string_view Scene::seatName(int seatIndex) const
{
    return history::seatName(seatIndex, players);
}

bool Scene::heroCanCheck() const
{
    return heroIndex == 1 && std::none_of(before.begin(), before.end(), [](const SceneAction& a) {
               return a.move == Move::Raise;
           });
}

double Scene::toCallBB() const
{
    double to = 1;
    for (const SceneAction& a : before)
        to = std::max(to, a.toBB);
    return to;
}

Scene drawScene(const DrillSituation& situation, int players, int heroIndex, engine::cards::HoleCards cards,
                double bigBlind, DrillRandom& random)
{
    Scene scene;
    scene.situation = situation;
    scene.players = players;
    scene.heroIndex = heroIndex;
    scene.cards = cards;
    scene.bigBlind = bigBlind;
    for (int i = 0; i < players; ++i)
        scene.stacks.push_back(bigBlind * (kShortestStackBB + random.below(kDeepestStackBB - kShortestStackBB + 1)));

    const int before = playersBefore(heroIndex, players);
    const std::vector<Move> moves = enteringMoves(situation, before, random);
    const std::vector<bool> enters = choosePlaces(before, static_cast<int>(moves.size()), random);
    const std::vector<int> order = actingOrder(players);
    std::size_t next = 0;
    double raisedTo = 1;
    int limpers = 0;
    for (int i = 0; i < before; ++i) {
        SceneAction a;
        a.seatIndex = order[static_cast<std::size_t>(i)];
        if (enters[static_cast<std::size_t>(i)]) {
            a.move = moves[next++];
            if (a.move == Move::Raise)
                raisedTo = raisedTo <= 1 ? kOpenRaiseBB + limpers : raisedTo * kReRaiseFactor;
            else if (raisedTo <= 1)
                ++limpers;
            a.toBB = raisedTo;
        }
        scene.before.push_back(a);
    }
    return scene;
}

engine::cards::HoleCards drawCardsOf(int handIndex, DrillRandom& random)
{
    using engine::cards::Card;
    // The grid: row and column count ranks from the ace down.
    const int row = handIndex / 13;
    const int column = handIndex % 13;
    const int high = engine::cards::kAce - std::min(row, column);
    const int low = engine::cards::kAce - std::max(row, column);
    const int suit = random.below(engine::cards::kSuitCount);
    if (row < column) // suited
        return {Card(high, suit), Card(low, suit)};
    const int other = (suit + 1 + random.below(engine::cards::kSuitCount - 1)) % engine::cards::kSuitCount;
    return {Card(high, suit), Card(low, other)};
}

engine::cards::HoleCards dealCards(DrillRandom& random)
{
    using engine::cards::Card;
    const int first = random.below(engine::cards::kCardCount);
    const int second = (first + 1 + random.below(engine::cards::kCardCount - 1)) % engine::cards::kCardCount;
    return {Card::fromIndex(first), Card::fromIndex(second)};
}

history::HandHistory sceneHistory(const Scene& scene, history::Move heroMove)
{
    history::HandHistory hand;
    hand.maxSeats = scene.players;
    hand.bigBlind = scene.bigBlind;
    hand.smallBlind = scene.bigBlind / 2;
    for (int i = 0; i < scene.players; ++i) {
        history::Player p;
        p.name = i == scene.heroIndex ? "Hero" : std::string(scene.seatName(i));
        p.seat = i + 1;
        p.stack = scene.stacks[static_cast<std::size_t>(i)];
        if (i == scene.heroIndex)
            p.cards = scene.cards;
        hand.players.push_back(std::move(p));
    }
    std::vector<double> put(static_cast<std::size_t>(scene.players), 0.0);
    const auto add = [&](int seat, history::ActionKind kind, double to) {
        history::Action a;
        a.player = static_cast<std::uint8_t>(seat);
        a.kind = kind;
        double& already = put[static_cast<std::size_t>(seat)];
        if (kind != history::ActionKind::Fold && kind != history::ActionKind::Check) {
            a.added = to - already;
            already = to;
        }
        a.to = already;
        hand.actions.push_back(a);
    };
    add(0, history::ActionKind::SmallBlind, hand.smallBlind);
    add(1, history::ActionKind::BigBlind, hand.bigBlind);
    for (const SceneAction& a : scene.before) {
        switch (a.move) {
        case Move::Fold: add(a.seatIndex, history::ActionKind::Fold, 0); break;
        case Move::Check: add(a.seatIndex, history::ActionKind::Check, 0); break;
        case Move::Call: add(a.seatIndex, history::ActionKind::Call, a.toBB * scene.bigBlind); break;
        case Move::Raise: add(a.seatIndex, history::ActionKind::Raise, a.toBB * scene.bigBlind); break;
        }
    }
    const double toCall = scene.toCallBB() * scene.bigBlind;
    switch (heroMove) {
    case Move::Fold: add(scene.heroIndex, history::ActionKind::Fold, 0); break;
    case Move::Check: add(scene.heroIndex, history::ActionKind::Check, 0); break;
    case Move::Call: add(scene.heroIndex, history::ActionKind::Call, toCall); break;
    case Move::Raise: add(scene.heroIndex, history::ActionKind::Raise, toCall * kReRaiseFactor); break;
    }
    return hand;
}

} // namespace practice
