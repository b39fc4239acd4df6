#include "history/grading/Seats.h"

#include <array>

namespace history {

namespace {

// Named from the button backwards: the last three seats before the blinds are
// always the button, the cutoff and the hijack; a fourth from seven players on
// is the lojack; every seat before them is under the gun.
constexpr std::array<std::string_view, 4> kLateNames = {"BTN", "CO", "HJ", "LJ"};
constexpr std::array<std::string_view, 8> kUnderTheGun = {"UTG", "UTG+1", "UTG+2", "UTG+3",
                                                          "UTG+4", "UTG+5", "UTG+6", "UTG+7"};

} // namespace

std::string_view seatName(int index, int players)
{
    if (players < 2 || index < 0 || index >= players)
        return {};
    if (players == 2)
        return index == 0 ? "BB" : "BTN";
    if (index == 0)
        return "SB";
    if (index == 1)
        return "BB";
    const int others = players - 2; // seats from the first to act to the button
    const int fromButton = players - 1 - index;
    const int named = others >= 5 ? 4 : (others < 3 ? others : 3);
    if (fromButton < named)
        return kLateNames[static_cast<std::size_t>(fromButton)];
    const int utg = index - 2;
    if (utg < static_cast<int>(kUnderTheGun.size()))
        return kUnderTheGun[static_cast<std::size_t>(utg)];
    return "UTG+";
}

std::optional<engine::Position> seatPosition(int index, int players)
{
    const std::string_view seat = seatName(index, players);
    if (players == 2 || seat.empty())
        return std::nullopt;
    if (seat == "SB" || seat == "BB")
        return engine::Position::Blinds;
    if (seat == "BTN" || seat == "CO")
        return engine::Position::Late;
    if (seat == "HJ" || seat == "LJ")
        return engine::Position::Middle;
    return engine::Position::Early;
}

} // namespace history
