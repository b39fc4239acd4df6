#pragma once
// What the cards and board window holds as typed: the hole cards, the flop,
// the turn and the river, the dead cards, the number of opponents and the
// range each holds, the pot and the bet to call. Texts stay exactly as
// typed; reading them is CardsReading's work (and OpponentRange's).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace window::cards {

enum class CardBox : std::size_t { Hole, Flop, Turn, River, Dead };

// The hand and the board.
inline constexpr std::array<CardBox, 4> kCardBoxes = {CardBox::Hole, CardBox::Flop, CardBox::Turn, CardBox::River};
// Those and the dead cards, in the order they are read.
inline constexpr std::array<CardBox, 5> kEveryCardBox = {CardBox::Hole, CardBox::Flop, CardBox::Turn, CardBox::River,
                                                         CardBox::Dead};

// How many cards the box holds when complete: 2, 3, 1, 1; the dead cards
// at most the whole deck (see takesAnyNumber).
int capacityOf(CardBox box);
// The dead cards: none, one or as many as are out of play.
bool takesAnyNumber(CardBox box);
// "the hole cards", "the flop", "the turn", "the river", "the dead cards"
std::string_view boxName(CardBox box);

inline constexpr int kMinOpponents = 1;
inline constexpr int kMaxOpponents = 9;

struct CardsInput {
    std::array<std::string, 4> texts; // the hand and the board, by CardBox
    std::string dead;
    int opponents = 1;
    // Per opponent, whether shown or not: a range, or blank for a random hand.
    std::array<std::string, kMaxOpponents> ranges;
    std::string pot;
    std::string bet;

    std::string& text(CardBox box) { return box == CardBox::Dead ? dead : texts[static_cast<std::size_t>(box)]; }
    const std::string& text(CardBox box) const
    {
        return box == CardBox::Dead ? dead : texts[static_cast<std::size_t>(box)];
    }
};

} // namespace window::cards
