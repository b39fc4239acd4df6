#pragma once
// Hand histories made up for the store's tests and benchmarks: six-handed
// hands, in the room's text export or in PHH, in which the player "Hero" is
// dealt cards and opens, re-raises or folds before the flop, each with a
// different hand number.

#include <cstdint>
#include <string>

namespace storetest {

// One hand numbered `number`, with the blank lines that end it in a file.
// The same number always makes the same hand.
std::string roomTextHand(std::uint64_t number);

// `count` hands numbered from `first`.
std::string roomTextHands(std::uint64_t first, int count);

// `count` hands numbered from `first` as the sections of a .phhs file.
std::string phhHands(std::uint64_t first, int count);

} // namespace storetest
