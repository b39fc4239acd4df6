#pragma once
// What a practice question asks about: the action before the player, his
// position and, in a limped pot, the number of limpers; and the card of the
// schedule, that situation with one hand class.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/Situation.h"

namespace practice {

inline constexpr int kFewestPlayers = 3;
inline constexpr int kMostPlayers = 10;

struct DrillSituation {
    engine::PreflopAction action = engine::PreflopAction::Opened;
    engine::Position position = engine::Position::Early;
    int limpers = 0; // at least one with Limped, none otherwise

    friend auto operator<=>(const DrillSituation&, const DrillSituation&) = default;
};

// One card of the schedule.
struct CardKey {
    DrillSituation situation;
    int handIndex = 0; // engine::handIndex

    friend auto operator<=>(const CardKey&, const CardKey&) = default;
};

// "Limped/Late (2 limpers)", "Raised/Early".
std::string situationText(const DrillSituation& s);

// Whether the situation can be met on a table of `players` (3 to 10): a seat
// of that position with enough players before it. The big blind meets no
// unopened pot (everyone folded to him: the hand is over).
bool isPossible(const DrillSituation& s, int players);

// The seats (indexes from the small blind, as history::HandHistory orders
// them) at which the situation is met on a table of `players`.
std::vector<int> seatsFor(const DrillSituation& s, int players);

// The players who act before the seat's first pre-flop decision.
int playersBefore(int seatIndex, int players);

} // namespace practice
