#pragma once
// Hand histories made up for the store's tests and benchmarks: hands of the
// room's text export in which the player "Hero" is dealt cards and opens,
// re-raises or folds before the flop, each a different hand number.

#include <cstdint>
#include <string>

namespace storetest {

// One hand numbered `number`, with the blank lines that end it in a file.
// The same number always makes the same hand.
std::string roomTextHand(std::uint64_t number);

// `count` hands numbered from `first`.
std::string roomTextHands(std::uint64_t first, int count);

} // namespace storetest
