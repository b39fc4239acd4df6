#include "window/cards/CardPick.h"

namespace window::cards {

namespace {

using engine::cards::Card;

std::string cardsText(const std::vector<Card>& cards)
{
    std::string text;
    for (Card c : cards) {
        if (!text.empty())
            text += ' ';
        text += c.text();
    }
    return text;
}

bool blank(const std::string& text)
{
    return text.find_first_not_of(" \t,") == std::string::npos;
}

} // namespace

std::string pickCard(CardsInput& input, const CardsReading& reading, Card card)
{
    if (const auto owner = reading.ownerOf(card)) {
        std::vector<Card> rest = reading.box(*owner).cards;
        std::erase(rest, card);
        input.text(*owner) = cardsText(rest);
        return {};
    }
    for (CardBox box : kCardBoxes) {
        const BoxReading& b = reading.box(box);
        std::string& text = input.text(box);
        // Typed text that is not cards stays as typed: nothing is added to it
        // or after it.
        if ((b.cards.empty() && !blank(text)) || static_cast<int>(b.cards.size()) > capacityOf(box))
            return "Correct " + std::string(boxName(box)) + " first: " + b.message;
        if (static_cast<int>(b.cards.size()) < capacityOf(box)) {
            const auto end = text.find_last_not_of(" \t,");
            text = (end == std::string::npos ? std::string() : text.substr(0, end + 1) + ' ') + card.text();
            return {};
        }
    }
    return "The hole cards and the board are full: pick a card in use to take it out";
}

} // namespace window::cards
