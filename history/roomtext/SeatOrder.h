#pragma once
// The order of the players round the table: clockwise (seat numbers going up
// and wrapping round) from the first player after the button's seat, so that
// the button ends it. When the button's seat is empty or its player sits the
// hand out, the order still starts after that seat and ends with the last
// player before it: the players keep their places relative to the button,
// whoever posted what.

#include <algorithm>
#include <cstddef>
#include <vector>

namespace history::roomtext {

// Puts `players` (any indices) in that order; `seatOf` gives a player's seat.
template <typename SeatOf>
void orderClockwiseFromButton(std::vector<std::size_t>& players, int buttonSeat, SeatOf seatOf)
{
    std::sort(players.begin(), players.end(), [&](std::size_t a, std::size_t b) { return seatOf(a) < seatOf(b); });
    const auto firstAfterButton =
        std::find_if(players.begin(), players.end(), [&](std::size_t i) { return seatOf(i) > buttonSeat; });
    std::rotate(players.begin(), firstAfterButton, players.end());
}

} // namespace history::roomtext
