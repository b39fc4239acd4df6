#include "engine/cards/CardChecks.h"

namespace engine::cards {

Parsed<CardSet> boardCards(const std::vector<Card>& board)
{
    Parsed<CardSet> result;
    for (Card c : board) {
        if (result.value.contains(c)) {
            result.error = "\"" + c.text() + "\" is on the board twice";
            return result;
        }
        result.value.insert(c);
    }
    return result;
}

std::string holeCardsProblem(const HoleCards& hand)
{
    return hand.high == hand.low ? "a hand is two different cards" : "";
}

std::string sharedCard(CardSet a, CardSet b, std::string_view where)
{
    const CardSet both = a & b;
    if (both.empty())
        return {};
    return "\"" + (*both.begin()).text() + "\" is " + std::string(where);
}

} // namespace engine::cards
