#pragma once
// Rank names as a hand is read aloud: "ace", "aces", "six", "sixes".

#include <string>

namespace engine::board {

std::string rankName(int rank);
std::string rankPlural(int rank);

} // namespace engine::board
