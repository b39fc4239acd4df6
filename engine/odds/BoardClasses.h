#pragma once
// The boards an exact count must visit when renamings of the suits leave
// the whole question unchanged: one board of each family of boards that the
// renamings turn into one another, with the family's size.
//
// Boards are built rank by rank, each rank taking a set of suits; a board is
// kept when no renaming turns it into one that comes earlier (rank by rank,
// the suit sets compared as numbers). A renaming that already makes an
// earlier start rules out every board that begins so, which keeps the search
// small.

#include <cstdint>
#include <span>
#include <vector>

#include "engine/cards/Card.h"
#include "engine/odds/HandKey.h"
#include "engine/odds/SuitSymmetry.h"

namespace engine::odds {

struct BoardClass {
    HandKey cards;         // without a start
    std::uint32_t boards;  // how many boards the family holds
};

// Every family of `count`-card boards from `deck`, under `group` (which holds
// the identity and maps the deck onto itself). The boards of all families
// add up to every board of the deck.
std::vector<BoardClass> boardClasses(std::span<const cards::Card> deck, int count,
                                     std::span<const SuitPermutation> group);

} // namespace engine::odds
