#pragma once
// A range written as the grid sees it: a class name where the range holds
// all of a class at one weight ("QQ", "AKs", "AKo"), the lone combinations
// of a class it holds in part ("AhKh"), ":weight" after either where the
// weight is not 1, and "random" for every combination in full. Classes go in
// grid order. parseRange reads it back to the same combinations.

#include <string>

#include "engine/cards/Range.h"

namespace window::cards {

std::string gridRangeText(const engine::cards::Range& range);

// The shortest text that reads back to the same weight ("0.5", "0.25").
std::string weightText(double weight);

} // namespace window::cards
