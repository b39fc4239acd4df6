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

// Typed text that is not cards stays as typed: nothing is added to it or
// after it.
std::string correctFirst(CardBox box, const BoxReading& b, const std::string& text)
{
    if ((b.cards.empty() && !blank(text)) || (!takesAnyNumber(box) && static_cast<int>(b.cards.size()) > capacityOf(box)))
        return "Correct " + std::string(boxName(box)) + " first: " + b.message;
    return {};
}

void append(std::string& text, Card card)
{
    const auto end = text.find_last_not_of(" \t,");
    text = (end == std::string::npos ? std::string() : text.substr(0, end + 1) + ' ') + card.text();
}

} // namespace

std::string pickCard(CardsInput& input, const CardsReading& reading, Card card, bool intoDeadCards)
{
    if (const auto owner = reading.ownerOf(card)) {
        std::vector<Card> rest = reading.box(*owner).cards;
        std::erase(rest, card);
        input.text(*owner) = cardsText(rest);
        return {};
    }
    if (intoDeadCards) {
        if (std::string refused = correctFirst(CardBox::Dead, reading.box(CardBox::Dead), input.dead); !refused.empty())
            return refused;
        append(input.dead, card);
        return {};
    }
    for (CardBox box : kCardBoxes) {
        const BoxReading& b = reading.box(box);
        std::string& text = input.text(box);
        if (std::string refused = correctFirst(box, b, text); !refused.empty())
            return refused;
        if (static_cast<int>(b.cards.size()) < capacityOf(box)) {
            append(text, card);
            return {};
        }
    }
    return "The hole cards and the board are full: pick a card in use to take it out";
}

} // namespace window::cards
