#include "engine/odds/EquitySetup.h"

#include <algorithm>
#include <string>

#include "engine/cards/CardChecks.h"

namespace engine::odds {


cards::Parsed<EquitySetup> makeEquitySetup(const EquityRequest& request)
{
    cards::Parsed<EquitySetup> result;
    EquitySetup& s = result.value;
    const cards::CardSet hand = request.hand.set();
    const cards::Parsed<cards::CardSet> onBoard = cards::boardCards(request.board);
    if (!onBoard.ok()) {
        result.error = onBoard.error;
        return result;
    }
    const cards::CardSet board = onBoard.value;
    result.error = cards::holeCardsProblem(request.hand);
    if (!result.ok())
        return result;
    if (request.board.size() > 5) {
        result.error = "the board has " + std::to_string(request.board.size()) + " cards; it takes at most 5";
        return result;
    }
    for (const std::string& e : {cards::sharedCard(hand, board, "in the hand and on the board"),
                                 cards::sharedCard(hand, request.dead, "in the hand and among the dead cards"),
                                 cards::sharedCard(board, request.dead, "on the board and among the dead cards")}) {
        if (!e.empty()) {
            result.error = e;
            return result;
        }
    }
    if (request.opponentRange && request.opponents != 1) {
        result.error = "a range is played against one opponent";
        return result;
    }
    if (request.opponents < 1 || request.opponents > 9) {
        result.error = "the number of opponents is 1 to 9, not " + std::to_string(request.opponents);
        return result;
    }
    const cards::CardSet known = hand | board | request.dead;
    s.board = HandKey{}.plus(cardsKey(board));
    s.hand = cardsKey(hand);
    s.missingBoardCards = 5 - static_cast<int>(request.board.size());
    s.opponents = request.opponents;
    s.ranged = request.opponentRange.has_value();

    // Cards every possible opponent hand holds can never reach the board.
    cards::CardSet alwaysHeld = s.ranged ? cards::CardSet::fullDeck() : cards::CardSet();
    if (s.ranged) {
        for (const cards::HoleCards& combo : request.opponentRange->combos()) {
            if (!combo.set().intersects(known)) {
                s.combos.push_back(cardsKey(combo.set()));
                alwaysHeld = alwaysHeld & combo.set();
            }
        }
        if (s.combos.empty()) {
            result.error = "no hand of the opponent's range is possible with these cards";
            return result;
        }
    }
    for (cards::Card c : cards::CardSet::fullDeck() - known - alwaysHeld)
        s.deck.push_back(c);
    std::sort(s.deck.begin(), s.deck.end()); // rank order
    const int needed = s.missingBoardCards + 2 * s.opponents;
    if (cards::kCardCount - known.size() < needed) {
        result.error = "not enough cards are left to deal";
        return result;
    }
    return result;
}

} // namespace engine::odds
