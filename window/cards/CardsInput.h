#pragma once
// What the cards and board window holds as typed: the hole cards, the flop,
// the turn and the river, the number of opponents, the pot and the bet to
// call. Texts stay exactly as typed; reading them is CardsReading's work.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace window::cards {

enum class CardBox : std::size_t { Hole, Flop, Turn, River };

inline constexpr std::array<CardBox, 4> kCardBoxes = {CardBox::Hole, CardBox::Flop, CardBox::Turn, CardBox::River};

// How many cards the box holds when complete: 2, 3, 1, 1.
int capacityOf(CardBox box);
// "the hole cards", "the flop", "the turn", "the river"
std::string_view boxName(CardBox box);

inline constexpr int kMinOpponents = 1;
inline constexpr int kMaxOpponents = 9;

struct CardsInput {
    std::array<std::string, 4> texts; // by CardBox
    int opponents = 1;
    std::string pot;
    std::string bet;

    std::string& text(CardBox box) { return texts[static_cast<std::size_t>(box)]; }
    const std::string& text(CardBox box) const { return texts[static_cast<std::size_t>(box)]; }
};

} // namespace window::cards
