#pragma once
// The typed cards read: each box's cards or what is wrong with it, the hand
// and the board they make together, the dead cards, which box holds each
// card, and the board reader's view of the hand.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/board/BoardReading.h"
#include "engine/cards/HoleCards.h"
#include "window/cards/CardsInput.h"

namespace window::cards {

struct BoxReading {
    std::vector<engine::cards::Card> cards; // in the order typed; none when refused
    std::string message;                    // what is wrong, for the user; empty when nothing is
    bool complete = false;                  // read cleanly and holds its full count
};

struct CardsReading {
    std::array<BoxReading, 5> boxes; // by CardBox
    std::optional<engine::cards::HoleCards> hand;
    // The flop, turn and river as far as they are complete and in order:
    // 0, 3, 4 or 5 cards.
    std::vector<engine::cards::Card> board;
    // The box that holds each card (by card index), for the card grid.
    std::array<std::optional<CardBox>, engine::cards::kCardCount> owners;
    // The hand on the board, from the flop on.
    std::optional<engine::board::BoardReading> boardReading;

    const BoxReading& box(CardBox b) const { return boxes[static_cast<std::size_t>(b)]; }
    std::optional<CardBox> ownerOf(engine::cards::Card c) const { return owners[static_cast<std::size_t>(c.index())]; }
    // Whether any box holds text that cannot be taken as it stands.
    bool anyMessage() const;
};

// Reads every box. A card that an earlier box (hole cards, flop, turn, river,
// dead cards in that order) already holds is refused with a message naming it, and so is
// the box that repeats it; the text typed is kept as it is either way.
CardsReading readCards(const CardsInput& input);

} // namespace window::cards
