#pragma once
// The 169 hand classes in order of pre-flop strength: the all-in equity of
// each against one random hand. A percentage in a range ("15%") takes the
// strongest hands in this order.

#include <array>
#include <cstdint>
#include <vector>

namespace engine::cards {

// The all-in equity of a hand class (a grid index of engine::handIndex)
// against one random hand, pre-flop.
double preflopEquity(int handClass);

// The 169 grid indices, strongest first; classes of equal equity in grid order.
const std::array<std::uint8_t, 169>& preflopOrder();

// The strongest classes that make up `percent` (above 0, at most 100) of
// the 1,326 combinations. Classes are taken whole, in order; the count stops
// at the class boundary nearest to the share asked (the larger on a tie), and
// the strongest class is always taken. 100 gives every class.
std::vector<int> topClasses(double percent);

} // namespace engine::cards
