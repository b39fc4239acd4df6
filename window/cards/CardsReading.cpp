#include "window/cards/CardsReading.h"

#include "engine/board/BoardReader.h"
#include "engine/cards/CardParser.h"

namespace window::cards {

namespace {

using engine::cards::Card;

std::string countMessage(CardBox box, std::size_t count)
{
    static constexpr std::array<std::string_view, 4> wanted = {"a hand is two cards", "a flop is three cards",
                                                               "the turn is one card", "the river is one card"};
    return std::string(wanted[static_cast<std::size_t>(box)]) + ", not " + std::to_string(count);
}

BoxReading readBox(CardBox box, const std::string& text, const CardsReading& sofar)
{
    BoxReading r;
    auto parsed = engine::cards::parseCards(text);
    if (!parsed.ok()) {
        r.message = parsed.error;
        return r;
    }
    for (Card c : parsed.value) {
        if (const auto owner = sofar.ownerOf(c)) {
            r.message = "\"" + c.text() + "\" is already in " + std::string(boxName(*owner));
            return r;
        }
    }
    const auto count = parsed.value.size();
    if (takesAnyNumber(box)) {
        r.cards = std::move(parsed.value);
        return r;
    }
    if (count > static_cast<std::size_t>(capacityOf(box)) || (count > 0 && count < static_cast<std::size_t>(capacityOf(box))))
        r.message = countMessage(box, count);
    r.complete = count == static_cast<std::size_t>(capacityOf(box));
    r.cards = std::move(parsed.value);
    return r;
}

} // namespace

bool CardsReading::anyMessage() const
{
    for (const BoxReading& b : boxes)
        if (!b.message.empty())
            return true;
    return false;
}

CardsReading readCards(const CardsInput& input)
{
    CardsReading r;
    for (CardBox box : kEveryCardBox) {
        BoxReading b = readBox(box, input.text(box), r);
        for (Card c : b.cards)
            r.owners[static_cast<std::size_t>(c.index())] = box;
        r.boxes[static_cast<std::size_t>(box)] = std::move(b);
    }

    const BoxReading& hole = r.box(CardBox::Hole);
    if (hole.complete)
        r.hand = engine::cards::HoleCards(hole.cards[0], hole.cards[1]);

    // Each street counts only after the one before it.
    bool inOrder = true;
    for (CardBox street : {CardBox::Flop, CardBox::Turn, CardBox::River}) {
        BoxReading& b = r.boxes[static_cast<std::size_t>(street)];
        if (!inOrder) {
            if (!b.cards.empty() && b.message.empty())
                b.message = std::string(boxName(street)) + " comes after "
                    + std::string(street == CardBox::Turn ? "a whole flop" : "the turn");
            continue;
        }
        if (!b.complete) {
            inOrder = false;
            continue;
        }
        r.board.insert(r.board.end(), b.cards.begin(), b.cards.end());
    }

    if (r.hand && r.board.size() >= 3) {
        auto reading = engine::board::readBoard(*r.hand, r.board);
        if (reading.ok())
            r.boardReading = std::move(reading.value);
    }
    return r;
}

} // namespace window::cards
